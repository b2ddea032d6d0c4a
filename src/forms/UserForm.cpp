#include "forms/UserForm.h"

#include "model/CamModel.h"
#include "model/Fault.h"
#include "model/ReportError.h"
#include "text/NumberText.h"

#include <limits>

namespace trochix::model {

namespace {

std::string Trimmed(const std::string& s) {
    const char* const blanks = " \t\r\n\v\f";
    const auto first = s.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

} // namespace

UserTexts UserScreenTexts(const CamModel& m) {
    return {m.UserName, text::ShortestFloat(static_cast<float>(m.DesignNo), 7), m.ModelName};
}

bool UserDone(CamModel& m, Host& host, const UserTexts& entered) {
    if (entered.userName.empty())
        return false;
    return RunGuarded(host, "frm_User.Done", [&] {
        const double number = text::FNRound(text::Val(entered.designNo), 0);
        // The design number is a 16-bit integer; anything beyond is an overflow, not a wrap.
        if (number < std::numeric_limits<short>::min() ||
            number > std::numeric_limits<short>::max())
            throw Fault(kOverflow);
        m.UserName = entered.userName;
        m.DesignNo = static_cast<int>(number);
        const std::string name = Trimmed(entered.fileName);
        if (!name.empty())
            m.ModelName = name;
    });
}

} // namespace trochix::model
