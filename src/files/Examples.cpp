#include "files/Examples.h"

#include "chain/Recalculate.h"
#include "chain/Stages.h"
#include "geometry/ArmGeometry.h"
#include "model/CamModel.h"
#include "model/Constants.h"
#include "model/Host.h"
#include "model/ReportError.h"
#include "model/ResultRow.h"
#include "model/SegmentTable.h"
#include "model/Units.h"
#include "motion/MotionLaws.h"
#include "motion/SegmentDriver.h"
#include "text/NumberText.h"

#include <string>
#include <vector>

namespace trochix::files {

using model::ResultRow;

const std::array<std::string, kExampleCount> ExampleMenuText = {
    "&Single Dwell - Offset Translating Follower", "Single Dwell - F&lat-Faced Follower",
    "&Double Dwell - Translating Follower",        "Double Dwell - &Oscillating Follower",
    "&Four Dwell - Translating Follower",
};

const std::array<std::string, kExampleCount> ExampleName = {
    "Single Dwell - Offset Translating Follower", "Single Dwell - Flat-Faced Follower",
    "Double Dwell - Translating Follower",        "Double Dwell - Oscillating Follower",
    "Four Dwell - Translating Follower",
};

namespace {

// One row of an example's segment table. Positions are 0 or the example's lift.
struct Row {
    char dir;       // 'R', 'F', 'D'
    int law;        // list index of the law
    bool startHigh; // Start position is the lift (else 0)
    bool endHigh;   // End position is the lift (else 0)
    float beta;     // degrees
};

struct Example {
    float rollerRadius;
    float camOmega; // rad/s
    float lift;
    float primeRadius;
    float offset;
    bool setCcw; // CamDirection = 1; otherwise the model's direction stays
    bool translating;
    bool arm;  // the oscillating arm of the double-dwell example
    bool flat; // flat-faced follower for the computation, roller radius 1 afterwards
    std::vector<Row> rows;
};

using motion::kLaw345;
using motion::kLaw4567;
using motion::kLawCycloidFull;
using motion::kLawDoubleHarm;
using motion::kLawDwell;
using motion::kLawModSine;
using motion::kLawModTrap;

const std::vector<Row> kSingleDwell = {
    {'R', kLawDoubleHarm, false, true, 90.0f},
    {'F', kLawDoubleHarm, true, false, 90.0f},
    {'D', kLawDwell, false, false, 180.0f},
};

const std::vector<Row> kDoubleDwell = {
    {'R', kLawModTrap, false, true, 90.0f},
    {'D', kLawDwell, true, true, 90.0f},
    {'F', kLawModSine, true, false, 90.0f},
    {'D', kLawDwell, false, false, 90.0f},
};

const std::vector<Row> kFourDwell = {
    {'R', kLawModSine, false, true, 50.0f},     {'D', kLawDwell, true, true, 40.0f},
    {'F', kLawCycloidFull, true, false, 50.0f}, {'D', kLawDwell, false, false, 40.0f},
    {'R', kLaw345, false, true, 50.0f},         {'D', kLawDwell, true, true, 40.0f},
    {'F', kLaw4567, true, false, 50.0f},        {'D', kLawDwell, false, false, 40.0f},
};

const Example& ExampleData(int n) {
    static const std::array<Example, kExampleCount> examples = {{
        {1.0f, 15.0f, 1.0f, 3.0f, 0.75f, true, true, false, false, kSingleDwell},
        {1.0f, 15.0f, 1.0f, 3.0f, 0.75f, true, true, false, true, kSingleDwell},
        {0.75f, 6.28f, 1.0f, 4.0f, 0.0f, false, true, false, false, kDoubleDwell},
        {0.75f, 6.28f, 4.77f, 4.0f, 0.0f, true, false, true, false, kDoubleDwell},
        {1.0f, 18.85f, 1.0f, 4.0f, 0.0f, false, true, false, false, kFourDwell},
    }};
    return examples[n - 1];
}

// The description of a row before its direction word: the law's short name, and for the
// polynomial laws their degree, as those laws write it.
std::string Description(int law) {
    switch (law) {
    case kLawModSine: return motion::LawName[3];
    case kLawModTrap: return motion::LawName[4];
    case kLawCycloidFull: return motion::LawName[2];
    case kLawDoubleHarm: return motion::LawName[5];
    case kLaw345: return motion::LawName[6] + text::Str(5.0f);
    case kLaw4567: return motion::LawName[6] + text::Str(7.0f);
    default: return motion::LawName[7];
    }
}

void FillTable(CamModel& m, const Example& ex) {
    // The previous program goes, but whether the menu marked this as an example is its own say.
    const bool exampleLoaded = m.ExampleLoaded;
    model::ClearSegments(m);
    chain::Withdraw(m, model::Stage::Motion);
    m.ExampleLoaded = exampleLoaded;

    m.NumSegments = static_cast<int>(ex.rows.size());
    m.SegmentsText = std::to_string(m.NumSegments);
    m.FollowerType = ex.flat ? 2 : 1;
    m.RollerRadius = ex.rollerRadius;
    m.CamOmega = ex.camOmega;
    motion::CamOmegaPowers(m);
    m.OmegaText = motion::OmegaRpmText(m.CamOmega);
    m.Lift = ex.lift;
    m.PrimeRadius = ex.primeRadius;
    m.Offset = ex.offset;
    if (ex.setCcw)
        m.CamDirection = 1;
    m.Translating = ex.translating;
    // Every example is a plate cam: its profile is what the animation and exports show.
    m.CamType = "Radial";
    m.PlotStart = 0.0f;
    m.PlotEnd = 360.0f;

    const std::string liftText = text::TrimmedStr(ex.lift);
    for (std::size_t i = 0; i < ex.rows.size(); ++i) {
        const Row& r = ex.rows[i];
        const int s = static_cast<int>(i) + 1;
        m.SegDir[s] = std::string(1, r.dir);
        m.SegLawText[s] = motion::LawList[r.law];
        motion::ReadLaw(m, s);
        m.SegBeta[s] = r.beta;
        m.SegBetaRadArr[s] = static_cast<float>(r.beta / model::kRadToDeg);
        m.SegBetaText[s] = text::TrimmedStr(r.beta);
        m.SegStartText[s] = r.startHigh ? liftText : "0";
        m.SegEndText[s] = r.endHigh ? liftText : "0";
        m.SegLow[s] = 0.0f;
        m.SegLift[s] = r.dir == 'D' ? (r.endHigh ? ex.lift : 0.0f) : ex.lift;
        m.SegDesc[s] = Description(r.law);
        if (r.dir == 'R')
            m.SegDesc[s] += " rise";
        else if (r.dir == 'F')
            m.SegDesc[s] += " fall";
    }
    model::StartEnd(m);

    // Labels follow the follower motion (an arm's S is an angle); label 0 keeps its start-up text.
    const std::string angleLabel = m.UnitLabel[ResultRow::CamAngle];
    model::RefreshUnitLabels(m);
    m.UnitLabel[ResultRow::CamAngle] = angleLabel;
}

} // namespace

bool LoadExample(CamModel& m, Host& host, int n) {
    if (n < 1 || n > kExampleCount)
        return false;
    const Example& ex = ExampleData(n);
    m.ExampleSizing = true;
    bool ready = model::RunGuarded(host, "LoadExample", [&] { FillTable(m, ex); });
    if (ready && ex.arm) {
        m.ArmRadius = 12.0f;
        m.ArmPivotX = 12.0f;
        m.ArmPivotY = 4.0f;
        m.ArmDirection = 1.0f;
        ready = geometry::Arm_Geometry(m, host);
    }
    const bool computed = ready && chain::RecalculateModel(m, host);
    if (ex.flat)
        m.RollerRadius = 1.0f;
    m.RollerRadiusText = text::FNRoundStr(m.RollerRadius, 2);
    m.ModelSaved = false;
    m.ExampleSizing = false;
    // An example is a model of its own: headers and proposed file names must never name the
    // file the user had open before.
    m.ModelName = ExampleName[static_cast<std::size_t>(n - 1)];
    m.FileName.clear();
    return computed;
}

} // namespace trochix::files
