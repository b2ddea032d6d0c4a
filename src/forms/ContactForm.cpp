#include "forms/ContactForm.h"

#include "chain/Stages.h"
#include "dynamics/Contact.h"
#include "forms/DynamicsForm.h"
#include "model/CamModel.h"
#include "model/Host.h"
#include "text/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace trochix::dynamics {

namespace {

struct ContactRule {
    const char* name;
    const char* caption;
    float CamModel::*field;
    double lo, hi;   // accepted range
    bool loIncluded; // lo itself accepted (a ratio of 0; never a width or modulus of 0)
    const char* message;
};

const ContactRule& Rule(ContactBox box) {
    static const std::array<ContactRule, kContactBoxes> rules = {{
        {"txt_Width", "Contact Width", &CamModel::ContactWidth, 0.0, 1.0e6, false,
         "The contact width must be a positive length.  Please redo."},
        {"txt_CamModulus", "Cam Modulus E", &CamModel::CamModulus, 0.0, 1.0e20, false,
         "The modulus of elasticity must be positive.  Please redo."},
        {"txt_FollowerModulus", "Follower Modulus E", &CamModel::FollowerModulus, 0.0, 1.0e20,
         false, "The modulus of elasticity must be positive.  Please redo."},
        {"txt_CamPoisson", "Cam Poisson Ratio", &CamModel::CamPoisson, 0.0, 0.5, true,
         "Poisson's ratio must be between 0 and 0.5.  Please redo."},
        {"txt_FollowerPoisson", "Follower Poisson Ratio", &CamModel::FollowerPoisson, 0.0, 0.5,
         true, "Poisson's ratio must be between 0 and 0.5.  Please redo."},
        {"txt_Margin", "Force Margin", &CamModel::ContactMargin, 0.0, 0.9, true,
         "The force margin must be between 0 and 0.9 of the largest force.  Please redo."},
    }};
    return rules[static_cast<std::size_t>(box)];
}

// The whole text as one number, blanks around it allowed; nothing else.
std::optional<double> Number(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    const std::size_t last = text.find_last_not_of(' ');
    double v = 0.0;
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    const auto r = std::from_chars(begin, end, v);
    if (r.ec != std::errc() || r.ptr != end || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace

const char* ContactBoxName(ContactBox box) {
    return Rule(box).name;
}

const char* ContactBoxCaption(ContactBox box) {
    return Rule(box).caption;
}

std::string ContactBoxText(const CamModel& m, ContactBox box) {
    switch (box) {
    case ContactBox::Width: return BoxText(static_cast<float>(ContactWidthOf(m)));
    case ContactBox::CamModulus: return BoxText(static_cast<float>(CamModulusOf(m)));
    case ContactBox::FollowerModulus: return BoxText(static_cast<float>(FollowerModulusOf(m)));
    default: return BoxText(m.*Rule(box).field);
    }
}

ContactCommit CommitContactBox(CamModel& m, Host& host, ContactBox box, const std::string& text) {
    const ContactRule& rule = Rule(box);
    const std::optional<double> v = Number(text);
    const bool inRange = v && (*v > rule.lo || (rule.loIncluded && *v == rule.lo)) && *v <= rule.hi;
    if (!inRange) {
        host.message(rule.message, model::Icon::Warning, model::DefaultTitle());
        return {false, ContactBoxText(m, box)};
    }
    m.*rule.field = static_cast<float>(*v);
    chain::Changed(m, chain::Input::ContactData);
    return {true, text};
}

} // namespace trochix::dynamics
