#include "forms/DynamicsForm.h"

#include "chain/Stages.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "model/ResultRow.h"
#include "text/NumberText.h"

#include <array>

namespace trochix::dynamics {

using model::ResultRow;

namespace {

struct BoxRule {
    const char* control;
    const std::string* message;
    std::string reset;
};

const std::string kPositive = "This value must be positive.  Please redo.";
const std::string kZeta = "Zeta must be between 0 and 1.  Please redo";
const std::string kFriction = "Friction cannot be negative.  Please redo.";
const std::string kFluctuation =
    " Coefficient of fluctuation must be between zero and one - Try .05 ";

constexpr float kFluctuationDefault = 0.05f;

const BoxRule& Rule(DynamicsBox box) {
    static const std::array<BoxRule, 9> rules = {{
        {"txt_Mass", &kPositive, "0.01"},
        {"txt_Preload", &kPositive, "1"},
        {"txt_Spring", &kPositive, "1"},
        {"txt_Damping", &kPositive, "1"},
        {"txt_Journal", &kPositive, "1"},
        {"txt_Zeta", &kZeta, "0.25"},
        {"txt_Folfrict", &kFriction, "0.1"},
        {"txt_Jnlfrict", &kFriction, "0.01"},
        {"txt_Fluct", &kFluctuation, BoxText(kFluctuationDefault)},
    }};
    return rules[static_cast<std::size_t>(box)];
}

bool Refused(DynamicsBox box, double v) {
    switch (box) {
    case DynamicsBox::Zeta: return v < 0.0 || v > 1.0;
    case DynamicsBox::Fluctuation: return v <= 0.0 || v > 1.0;
    default: return v < 0.0;
    }
}

float& Field(CamModel& model, DynamicsBox box) {
    switch (box) {
    case DynamicsBox::Mass: return model.EffMass;
    case DynamicsBox::Preload: return model.Preload;
    case DynamicsBox::Spring: return model.SpringK;
    case DynamicsBox::Damping: return model.DampC;
    case DynamicsBox::Journal: return model.JournalRadius;
    case DynamicsBox::Zeta: return model.DampRatio;
    case DynamicsBox::FollowerFriction: return model.FollowerFriction;
    case DynamicsBox::JournalFriction: return model.JournalFriction;
    case DynamicsBox::Fluctuation: break;
    }
    return model.FluctCoef;
}

} // namespace

const char* BoxControlName(DynamicsBox box) {
    return Rule(box).control;
}
const std::string& BoxRefusalMessage(DynamicsBox box) {
    return *Rule(box).message;
}
const std::string& BoxResetText(DynamicsBox box) {
    return Rule(box).reset;
}

BoxCommit CommitDynamicsBox(CamModel& model, Host& host, DynamicsBox box, const std::string& text) {
    const double v = text::Val(text);
    if (Refused(box, v)) {
        host.message(BoxRefusalMessage(box), model::Icon::Warning, model::DefaultTitle());
        if (box == DynamicsBox::Fluctuation)
            model.FluctCoef = kFluctuationDefault;
        return {false, BoxResetText(box), false};
    }
    // The journal box holds the diameter; the torque needs the radius.
    Field(model, box) = static_cast<float>(box == DynamicsBox::Journal ? v / 2.0 : v);
    return {true, text, model.TorqueStartFresh};
}

std::string BoxText(float value) {
    // A box shows a zero before the decimal point, unlike the printed number form.
    const std::string s = text::ShortestFloat(value, 7);
    if (s[0] == '.')
        return std::string("0").append(s);
    if (s.size() > 1 && s[0] == '-' && s[1] == '.')
        return std::string("-0").append(s, 1, std::string::npos);
    return s;
}

DynamicsBoxTexts BoxTexts(const CamModel& model) {
    return {
        BoxText(model.EffMass),
        BoxText(model.Preload),
        BoxText(model.SpringK),
        BoxText(model.DampC),
        BoxText(static_cast<float>(2.0 * model.JournalRadius)),
        BoxText(model.DampRatio),
        BoxText(model.FollowerFriction),
        BoxText(model.JournalFriction),
        BoxText(model.FluctCoef),
    };
}

DampingEntry DampingBoxes(float springK) {
    return {springK != 0.0f, springK == 0.0f};
}

void ClearDynamicsResults(CamModel& model) {
    chain::Withdraw(model, model::Stage::Dynamics);
}

} // namespace trochix::dynamics
