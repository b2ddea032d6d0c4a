// The user screen's logic (frm_User): the user's name or project, the design number and the
// model's name, as the screen shows them and as Done takes them.
#pragma once

#include <string>

#include "model/Forward.h"

namespace trochix::model {

struct UserTexts {
    std::string userName; // txt_UserName: UserName
    std::string designNo; // txt_DesignNo: DesignNo as a whole number
    std::string fileName; // txt_Filename: ModelName
};

// What the three boxes show for the model.
UserTexts UserScreenTexts(const CamModel& model);

// Done. An empty name takes nothing (false: the screen stays). Otherwise UserName, DesignNo =
// the design-number text rounded (a number beyond the 16-bit range is an overflow, reported as
// "frm_User.Done", and takes nothing) and, when the file-name text is not blank, ModelName.
// Returns true when the entries were taken: the screen closes to the home screen.
bool UserDone(CamModel& model, Host& host, const UserTexts& entered);

} // namespace trochix::model
