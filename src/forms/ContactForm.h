// The contact boxes of the Dynamics screen: the contact's width, the moduli and Poisson ratios
// of cam and follower, and the force margin. What each accepts and says when it refuses, what
// it shows, and the model field it writes (a keyed field of the model file).
#pragma once

#include "model/Forward.h"

#include <string>

namespace trochix::dynamics {

using model::CamModel;
using model::Host;

enum class ContactBox {
    Width,           // txt_Width           -> ContactWidth
    CamModulus,      // txt_CamModulus      -> CamModulus
    FollowerModulus, // txt_FollowerModulus -> FollowerModulus
    CamPoisson,      // txt_CamPoisson      -> CamPoisson
    FollowerPoisson, // txt_FollowerPoisson -> FollowerPoisson
    Margin,          // txt_Margin          -> ContactMargin
};
constexpr int kContactBoxes = 6;

const char* ContactBoxName(ContactBox box);
const char* ContactBoxCaption(ContactBox box);

// The text a box shows for the model's value: the width and moduli as used (the plate's
// thickness and steel in the model's unit where the field is 0).
std::string ContactBoxText(const CamModel& model, ContactBox box);

struct ContactCommit {
    bool accepted = false;
    std::string boxText; // refused: the box's previous text, shown again
};

// A refused value (not a number in the box's range) shows its message with the warning icon
// and leaves the model as it was. An accepted one is stored and withdraws the contact stage
// (chain::Input::ContactData); the caller computes it again when the dynamics stand.
ContactCommit CommitContactBox(CamModel& model, Host& host, ContactBox box,
                               const std::string& text);

} // namespace trochix::dynamics
