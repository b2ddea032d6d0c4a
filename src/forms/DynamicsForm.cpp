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
};

const std::string kPositive = "This value must be positive.  Please redo.";
const std::string kZeta = "Zeta must be between 0 and 1.  Please redo";
const std::string kFriction = "Friction cannot be negative.  Please redo.";
const std::string kFluctuation =
    " Coefficient of fluctuation must be between zero and one - Try .05 ";

constexpr float kFluctuationDefault = 0.05f;

const BoxRule& Rule(DynamicsBox box) {
    static const std::array<BoxRule, 9> rules = {{
        {"txt_Mass", &kPositive},
        {"txt_Preload", &kPositive},
        {"txt_Spring", &kPositive},
        {"txt_Damping", &kPositive},
        {"txt_Journal", &kPositive},
        {"txt_Zeta", &kZeta},
        {"txt_Folfrict", &kFriction},
        {"txt_Jnlfrict", &kFriction},
        {"txt_Fluct", &kFluctuation},
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

std::string ShownText(const CamModel& model, DynamicsBox box) {
    const DynamicsBoxTexts t = BoxTexts(model);
    switch (box) {
    case DynamicsBox::Mass: return t.mass;
    case DynamicsBox::Preload: return t.preload;
    case DynamicsBox::Spring: return t.spring;
    case DynamicsBox::Damping: return t.damping;
    case DynamicsBox::Journal: return t.journal;
    case DynamicsBox::Zeta: return t.zeta;
    case DynamicsBox::FollowerFriction: return t.followerFriction;
    case DynamicsBox::JournalFriction: return t.journalFriction;
    case DynamicsBox::Fluctuation: break;
    }
    return t.fluctuation;
}

} // namespace

const char* BoxControlName(DynamicsBox box) {
    return Rule(box).control;
}
const std::string& BoxRefusalMessage(DynamicsBox box) {
    return *Rule(box).message;
}

BoxCommit CommitDynamicsBox(CamModel& model, Host& host, DynamicsBox box, const std::string& text) {
    const double v = text::Val(text);
    if (!text::HoldsNumber(text) || Refused(box, v)) {
        host.message(BoxRefusalMessage(box), model::Icon::Warning, model::DefaultTitle());
        if (box == DynamicsBox::Fluctuation)
            model.FluctCoef = kFluctuationDefault;
        // The box shows the value the model goes on with, never a number it does not hold.
        return {false, ShownText(model, box), false};
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
