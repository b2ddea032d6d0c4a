#include "model/Initialize.h"

#include "model/CamModel.h"
#include "model/Fault.h"
#include "model/Host.h"
#include "model/ResultRow.h"
#include "model/SegmentTable.h"
#include "model/Units.h"

namespace trochix::model {

void ClearResults(CamModel& model, int numPoints, int numFunctions) {
    // The table is fixed in size: a count past its end is a subscript fault, not a stray write.
    if (numPoints < 0 || numPoints > kMaxPoints || numFunctions < 0 || numFunctions >= kResultRows)
        throw Fault(kSubscriptOutOfRange);
    float angle = 0.0f;
    for (int i = 0; i <= numPoints; ++i) {
        model.Results[ResultRow::CamAngle][i] = angle;
        angle += model.DeltaTheta;
    }
    for (int f = 1; f <= numFunctions; ++f) {
        if (f == ResultRow::Torque && !model.TorqueStartFresh)
            continue;
        for (int i = 0; i <= numPoints; ++i)
            model.Results[f][i] = 0.0f;
    }
}

void MassProp(CamModel& model) {
    namespace d = dynamics_defaults;
    model.EffMass = d::EffMass;
    model.SpringK = d::SpringK;
    model.Preload = d::Preload;
    model.DampRatio = d::DampRatio;
    model.JournalRadius = d::JournalRadius;
    model.JournalFriction = d::JournalFriction;
    model.FollowerFriction = d::FollowerFriction;
    model.FluctCoef = d::FluctCoef;
}

void Initialize(CamModel& model, Host& host) {
    model.MaxSegments = kMaxSegments;
    model.MaxBCs = kMaxBCs;
    model.NumFunctions = kNumFunctions;
    model.NumPoints = 360;

    model.AppTitle = kAppTitle;
    model.AppVersion = "6.0";
    model.AppDate = "11/30/99";
    model.FileVersion = "2.1";

    model.DesignNo = 1;
    model.Loading = false;
    model.ExampleLoaded = false;
    model.SvajDone = false;
    model.ProfileDone = false;
    model.DynamicsDone = false;
    model.BcUnchanged = false;
    model.CamDirection = -1;
    model.UnitSystem = 1;
    model.Translating = true;

    SetUnitLabels(model.UnitLabel, model.NumFunctions + 1, model.UnitSystem, model.Translating);
    MassProp(model);

    model.CamOmega = 1.0f;
    model.DeltaTheta = 1.0f;
    model.PrimeRadius = 1.0f;
    model.Offset = 0.0f;
    model.RollerRadius = 1.0f;
    model.CamType = "Radial";

    model.UnitLabel[ResultRow::CamAngle] = "Degrees";
    model.FileName.clear();
    model.ModelName = "Model1";
    const DateTime t = host.now();
    model.DateStr = DateText(t);
    model.TimeStr = TimeText(t);
}

void ResetModel(CamModel& model, Host& host) {
    Initialize(model, host);
    ClearSVAJ(model);
    // Back to the start-up state: no stage holds results.
    model.SvajDone = false;
    model.ProfileDone = false;
    model.DynamicsDone = false;
    model.FftDone = false;
    model.BcUnchanged = false;
}

} // namespace trochix::model
