#include "dynamics/ContactText.h"

#include "model/CamModel.h"
#include "model/ResultRow.h"
#include "text/NumberText.h"

namespace trochix::dynamics {

namespace {

std::string T(float v) {
    return text::TrimmedStr(v);
}

std::string Label(const CamModel& m, int row) {
    return m.UnitLabel[static_cast<std::size_t>(row)];
}

} // namespace

std::string JumpText(const CamModel& m) {
    if (m.Contact.JumpRanges.empty())
        return "none";
    std::string text;
    for (const auto& r : m.Contact.JumpRanges)
        text += (text.empty() ? "" : ", ") + T(r[0]) + "-" + T(r[1]) + " deg";
    return text;
}

std::vector<std::string> ContactLines(const CamModel& m) {
    const model::ContactFigures& c = m.Contact;
    return {
        "Jump=" + JumpText(m),
        "MinForce=" + T(c.MinForce) + " at " + T(c.MinForceAngle),
        "PreloadNeeded=" + T(c.PreloadNeeded),
        "SpringNeeded=" + (c.SpringReaches ? T(c.SpringNeeded) : std::string("none")),
        "TopSpeed=" + (c.TopSpeedLimited ? T(c.TopSpeed) : std::string("unlimited")),
        "HertzMax=" +
            (c.HertzValid ? T(c.HertzMax) + " at " + T(c.HertzMaxAngle) : std::string("none")),
        "ShearMax=" +
            (c.HertzValid ? T(c.ShearMax) + " depth=" + T(c.ShearDepth) : std::string("none")),
    };
}

ContactVerdict VerdictTexts(const CamModel& m) {
    using model::ResultRow;
    const model::ContactFigures& c = m.Contact;
    const std::string force = Label(m, ResultRow::ContactForce);
    const std::string stress = Label(m, ResultRow::ContactPressure);
    const std::string length = Label(m, ResultRow::ContactHalfWidth);
    ContactVerdict v;
    v.kept = c.JumpRanges.empty();
    v.headline = v.kept ? "Contact kept" : "Jump: " + JumpText(m);
    v.minForce = "Smallest contact force " + text::FNRoundStr(c.MinForce, 1) + " " + force +
                 " at " + text::FNRoundStr(c.MinForceAngle, 2) + " deg";
    v.preload = "Preload needed " + text::FNRoundStr(c.PreloadNeeded, 1) + " " + force +
                " with this spring";
    v.spring = c.SpringReaches
                   ? "or spring rate " + text::FNRoundStr(c.SpringNeeded, 1) + " " + force + "/" +
                         Label(m, ResultRow::Displacement) + " with this preload"
                   : "No spring rate with this preload keeps the margin";
    if (!c.TopSpeedLimited)
        v.topSpeed = "Contact kept at any speed";
    else if (c.TopSpeed == 0.0f)
        v.topSpeed = "No speed keeps contact: the force at rest is not above zero";
    else
        v.topSpeed = "Top speed " + text::FNRoundStr(c.TopSpeed, 1) + " rpm";
    if (c.HertzValid) {
        v.hertz = "Largest contact pressure " + T(c.HertzMax) + " " + stress + " at " +
                  text::FNRoundStr(c.HertzMaxAngle, 2) + " deg";
        v.shear = "Largest shear " + T(c.ShearMax) + " " + stress + " at depth " + T(c.ShearDepth) +
                  " " + length;
    } else {
        v.hertz = "No contact pressure: the cam surface's curvature is not known for this "
                  "follower";
    }
    if (c.NoHertzPoints > 0)
        v.hertz += "; no convex contact at " + std::to_string(c.NoHertzPoints) +
                   (c.NoHertzPoints == 1 ? " point" : " points") + " (a cusp or undercut)";
    return v;
}

} // namespace trochix::dynamics
