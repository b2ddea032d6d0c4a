#include "chain/ResponseStage.h"

#include "chain/Stages.h"
#include "geometry/MotionAt.h"
#include "model/CamModel.h"
#include "model/Constants.h"
#include "model/Host.h"
#include "motion/SegmentDriver.h"

#include <cmath>

namespace trochix::chain {

bool RunResponse(CamModel& m, Host& host) {
    Withdraw(m, Stage::Response);
    if (!m.SvajDone) {
        host.message("The follower's motion: compute the motion program first.",
                     model::Icon::Exclamation, model::DefaultTitle());
        return false;
    }
    const geometry::MotionAt motion(m);
    dynamics::MotionInput input;
    input.S = [&motion](double theta) { return motion(theta).S; };
    input.breaks = motion.breaks();
    if (!dynamics::Response(m, host, input))
        return false;
    Completed(m, Stage::Response);
    return true;
}

bool HasSpectrum(const CamModel& m, int seg) {
    return seg >= 1 && seg <= m.NumSegments && seg <= model::kMaxSegments &&
           (m.SegDir[seg] == "R" || m.SegDir[seg] == "F") && !motion::IsDwellRow(m, seg) &&
           m.SegBeta[seg] > 0.0f && m.SegLift[seg] > 0.0f;
}

double PresentRatio(const CamModel& m, int seg) {
    dynamics::Oscillator o;
    std::string why;
    if (seg < 1 || seg > model::kMaxSegments || !dynamics::FollowerOscillator(m, o, why) ||
        !(m.CamOmega > 0.0f))
        return 0.0;
    const double duration = m.SegBeta[seg] * model::kDegToRad / m.CamOmega;
    return duration * o.omegaN / model::kTwoPi;
}

bool SegmentSpectrum(const CamModel& m, int seg, double from, double to, int count,
                     std::vector<dynamics::SpectrumPoint>& points, std::string& why) {
    points.clear();
    if (!HasSpectrum(m, seg)) {
        why = "Segment " + std::to_string(seg) + " is not a rise or fall with a lift.";
        return false;
    }
    if (!(from > 0.0) || !(to > from) || !std::isfinite(to) || count < 2 || count > 10000) {
        why = "The ratios must run from a positive value to a larger one.";
        return false;
    }
    dynamics::Oscillator o;
    if (!dynamics::FollowerOscillator(m, o, why))
        return false;
    const geometry::MotionAt motion(m);
    const double start = m.SegStart[seg] * model::kDegToRad;
    const double beta = m.SegBeta[seg] * model::kDegToRad;
    const double s0 = motion(start).S;
    // The segment's own shape from its start: its end point belongs to the next segment.
    const auto f = [&](double u) { return motion(start + std::min(u, 1.0 - 1e-12) * beta).S - s0; };
    points = dynamics::ResponseSpectrum(o, from, to, count, m.SegLift[seg], f);
    return true;
}

} // namespace trochix::chain
