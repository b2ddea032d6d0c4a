// The identification lines of printed pages and export files.
#include "model/PageHeader.h"

#include "model/CamModel.h"
#include "model/RecordingHost.h"

#include <gtest/gtest.h>

#include <memory>

using namespace trochix;

namespace {

std::string Pad(int blanks) {
    return std::string(static_cast<size_t>(blanks), ' ');
}

// The expected lines are counted by hand from the print-zone rule: zones start at columns
// 1, 15, 29, 43, and a zone step always moves to the next start strictly after the cursor.
TEST(PageHeader, LinesFollowThePrintZones) {
    const struct {
        std::string modelName, userName;
        int designNo;
        model::DateTime now;
        std::string fileLine, userLine;
    } cases[] = {
        // "File Model1" ends in column 11: zone steps to 15 and 29; the design number prints
        // with its leading and trailing blank. "Ada" ends in column 3, the date (9 characters,
        // columns 15..23) steps on to 29.
        {"Model1",
         "Ada",
         1,
         {2026, 12, 8, 9, 30, 5},
         "File Model1" + Pad(3) + Pad(14) + "Design # 1 ",
         "Ada" + Pad(11) + "12/8/2026" + Pad(5) + "09:30:05"},
        // A name ending exactly in column 15 still moves a whole zone (to 29), then to 43.
        // No user name: the date starts at column 15. Single-digit month and day have no
        // leading zero; the time keeps its two-digit fields.
        {"ABCDEFGHIJ",
         "",
         1234,
         {1999, 3, 4, 7, 5, 9},
         "File ABCDEFGHIJ" + Pad(13) + Pad(14) + "Design # 1234 ",
         Pad(14) + "3/4/1999" + Pad(6) + "07:05:09"},
        // A negative design number prints with its minus sign and no leading blank.
        {"cam",
         "Project X-12 long name",
         -3,
         {2030, 11, 30, 23, 59, 59},
         "File cam" + Pad(6) + Pad(14) + "Design #-3 ",
         "Project X-12 long name" + Pad(6) + "11/30/2030" + Pad(4) + "23:59:59"},
    };
    for (const auto& c : cases) {
        auto m = std::make_unique<model::CamModel>();
        m->ModelName = c.modelName;
        m->UserName = c.userName;
        m->DesignNo = c.designNo;
        model::RecordingHost host;
        host.clock = c.now;
        EXPECT_EQ(model::PageHeader(*m, host),
                  (std::vector<std::string>{"", "", "", c.fileLine, c.userLine, "", ""}));
        EXPECT_TRUE(host.messages.empty());
    }
}

} // namespace
