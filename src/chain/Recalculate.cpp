#include "chain/Recalculate.h"

#include "chain/Stages.h"
#include "dynamics/Contact.h"
#include "dynamics/Dynamics.h"
#include "geometry/CamSurface.h"
#include "geometry/Sizing.h"
#include "model/CamModel.h"
#include "model/Constants.h"
#include "model/Fault.h"
#include "model/Host.h"
#include "model/Initialize.h"
#include "model/ReportError.h"
#include "model/ResultRow.h"
#include "model/SegmentTable.h"
#include "motion/MotionLaws.h"
#include "motion/SegmentDriver.h"
#include "spectrum/Spectrum.h"
#include "text/NumberText.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace trochix::chain {

bool RecalculateMotion(CamModel& m, Host& host) {
    Withdraw(m, Stage::Motion);
    const float lift = m.Lift;
    bool completed = false;
    model::RunGuarded(host, "RecalculateModel", [&] {
        if (m.NumSegments < 1 || m.NumSegments > model::kMaxSegments)
            throw model::Fault(model::kSubscriptOutOfRange);
        for (int row = 0; row < model::kMaxSegments; ++row)
            m.SegDone[row] = false;
        // Points no segment reaches must not keep values of an earlier program.
        model::ClearResults(m, m.NumPoints, m.NumFunctions);
        motion::CamOmegaPowers(m);
        model::StartEnd(m);
        for (int seg = 1; seg <= m.NumSegments; ++seg) {
            // The same preparation as the row's Calc button: positions from the row's texts,
            // the law from its law text; the laws work on Lift as the segment's height.
            motion::SegmentPositions(m, seg);
            m.Lift = m.SegLift[seg];
            const int variant = motion::ReadLaw(m, seg);
            // The polynomial laws write their degree into the description; the table's text
            // (which may carry " rise" or " fall") is not ours to change.
            const std::string description = m.SegDesc[seg];
            const bool done = motion::CalcSegment(m, host, seg, variant);
            m.SegDesc[seg] = description;
            if (!done)
                return;
            m.SegDone[seg - 1] = true;
        }
        completed = true;
    });
    m.Lift = lift;
    if (completed)
        Completed(m, Stage::Motion);
    return completed;
}

bool RunSizing(CamModel& m, Host& host) {
    Withdraw(m, Stage::Sizing);
    // Autopress makes the profile of radial and oscillating cams itself; the radius of
    // curvature of an oscillating follower reads the pressure angle, so the order is fixed.
    if (!geometry::Autopress(m, host, m.FollowerType) ||
        !geometry::RadiusOfCurvature(m, host, m.FollowerType))
        return false;
    Completed(m, Stage::Sizing);
    return true;
}

bool RunDynamics(CamModel& m, Host& host) {
    Withdraw(m, Stage::Dynamics);
    if (!dynamics::Dynamics(m, host))
        return false;
    Completed(m, Stage::Dynamics);
    return true;
}

namespace {

// The signed curvature of the cam surface under the follower at every point. A radial cam's
// comes exact from its surface; a barrel's from the pitch curve's radius of row 6, less the
// roller. A flat face on an arm or a barrel has no surface here: no Hertz figures.
dynamics::ContactGeometry ContactGeometryOf(const CamModel& m) {
    dynamics::ContactGeometry g;
    const bool flat = m.FollowerType == 2;
    const std::optional<geometry::CamSurface> cam = geometry::CamSurface::Of(m);
    if (flat && !cam)
        return g;
    g.hertz = true;
    g.followerRadius = flat ? 0.0 : m.RollerRadius;
    const double Rr = g.followerRadius;
    constexpr double inf = std::numeric_limits<double>::infinity();
    for (int i = 0; i <= m.NumPoints; ++i) {
        double kappa = 0.0; // of the pitch curve; of the surface itself under a flat face
        if (cam) {
            kappa = cam->curvature(m.Results[model::ResultRow::CamAngle][i] * model::kDegToRad);
        } else {
            const double rho = m.Results[model::ResultRow::RadiusOfCurvature][i];
            kappa = rho == 0.0 ? inf : 1.0 / rho;
        }
        if (!flat) {
            // The surface runs the roller's radius inside the pitch curve: rho - Rr.
            const double inside = 1.0 - Rr * kappa;
            kappa = inside == 0.0 ? inf : kappa / inside;
        }
        g.curvature.push_back(kappa);
    }
    return g;
}

} // namespace

bool RunContact(CamModel& m, Host& host) {
    Withdraw(m, Stage::Contact);
    if (!dynamics::Contact(m, host, ContactGeometryOf(m)))
        return false;
    Completed(m, Stage::Contact);
    return true;
}

bool RunSpectrum(CamModel& m, Host& host, int row, int numSamples) {
    Withdraw(m, Stage::Spectrum);
    if (!spectrum::SpectrumStep(m, host, row, numSamples))
        return false;
    Completed(m, Stage::Spectrum);
    return true;
}

bool RecalculateLaterStages(CamModel& m, Host& host) {
    return RunSizing(m, host) && RunDynamics(m, host) && RunContact(m, host);
}

bool RecalculateModel(CamModel& m, Host& host) {
    return RecalculateMotion(m, host) && RecalculateLaterStages(m, host);
}

bool RefreshDynamics(CamModel& m, Host& host, bool hadDynamics) {
    if (!hadDynamics)
        return true;
    if (!m.TorqueStartFresh) {
        Withdraw(m, Stage::Dynamics);
        return true;
    }
    return RunDynamics(m, host) && RunContact(m, host);
}

bool RecalculateSizing(CamModel& m, Host& host) {
    m.ModelSaved = false;
    const bool hadDynamics = m.DynamicsDone;
    return RunSizing(m, host) && RefreshDynamics(m, host, hadDynamics);
}

bool RecomputeSizingAfterRead(CamModel& m, Host& host) {
    m.RollerRadiusText = text::FNRoundStr(m.RollerRadius, 2);
    if (!m.ProfileDone)
        return true;
    return geometry::Autopress(m, host, m.FollowerType) &&
           geometry::RadiusOfCurvature(m, host, m.FollowerType) &&
           (!m.DynamicsDone || RunContact(m, host));
}

} // namespace trochix::chain
