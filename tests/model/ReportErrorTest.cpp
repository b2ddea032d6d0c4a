// The common error report: exact texts per error number, the busy pointer and where the
// program goes next; and RunGuarded, which must turn every escaping exception into a report.
#include "model/ReportError.h"

#include "model/Fault.h"
#include "model/RecordingHost.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <vector>

using namespace trochix::model;

namespace {

TEST(ReportError, TextsByNumber) {
    const std::string memory =
        "You should try to save your model from the Home Screen's 'File' pulldown menu, \r";
    const std::string tail =
        "It may help to close other programs that are running at the same time.\rGood luck! \r";
    const std::string outOfMemory = "Error 7   (Out of memory)  has occurred in Calc_DFT\r\r" +
                                    memory +
                                    "then Quit this program and restart it to clear the memory.\r" +
                                    tail;
    const std::string outOfStack =
        "Error 28   (Out of stack space)  has occurred in frm_Plot1.Select Another\r\r" + memory +
        "then Quit this program and restart it to clear the stacks.\r" + tail;
    const std::string noFiles =
        "There are no files with your chosen name in the selected directory";
    const struct {
        int number;
        const char* procedure;
        std::string text;
    } cases[] = {
        {11, "Modulo", "Error 11   (Division by zero)  has occurred in Modulo\r\r"},
        {6, "CamProfile", "Error 6   (Overflow)  has occurred in CamProfile\r\r"},
        {9, "frm_Homescreen.New",
         "Error 9   (Subscript out of range)  has occurred in frm_Homescreen.New\r\r"},
        {13, "Readfile", "Error 13   (Type mismatch)  has occurred in Readfile\r\r"},
        {62, "Readfile", "Error 62   (Input past end of file)  has occurred in Readfile\r\r"},
        {75, "Writefile", "Error 75   (Path/File access error)  has occurred in Writefile\r\r"},
        {76, "Writefile", "Error 76   (Path not found)  has occurred in Writefile\r\r"},
        {7, "Calc_DFT", outOfMemory},
        {28, "frm_Plot1.Select Another", outOfStack},
        // replaced outright: no number, no routine name
        {53, "mnu_Open", noFiles},
        {64, "mnu_Open", noFiles},
        {61, "mnu_Saveas", " The floppy disk in the drive is full - please substitute another"},
        {57, "mnu_Saveas", "Device I/O error- bad drive or disk - please try another"},
        {71, "mnu_Open", "Disk not ready - is the drive empty or its door open?"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReportErrorText(c.number, c.procedure), c.text) << c.number;
}

TEST(ReportError, ShowsOnceAndResetsTheBusyPointer) {
    RecordingHost host;
    host.setBusy(true);
    EXPECT_EQ(ReportError(host, 11, "Fly"), AfterError::Stay);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "TROCHIX for Windows");
    EXPECT_EQ(host.messages[0].buttons, Buttons::OK);
    EXPECT_EQ(host.busyCalls, (std::vector<bool>{true, false}));
    // Only out of memory sends the user home; out of stack space stays.
    int home = 0;
    host.setReturnHome([&] { ++home; });
    EXPECT_EQ(ReportError(host, 7, "Fly"), AfterError::ShowHome);
    EXPECT_EQ(home, 1);
    EXPECT_EQ(ReportError(host, 28, "Fly"), AfterError::Stay);
    EXPECT_EQ(ReportError(host, 53, "Fly"), AfterError::Stay);
    EXPECT_EQ(home, 1);
}

TEST(ReportError, RunGuardedReportsEveryException) {
    const std::string at = "  has occurred in Dynamics\r\r";
    const struct {
        void (*body)();
        std::string text; // out of memory: only the start of the long text
    } cases[] = {
        {[] { throw Fault(kDivisionByZero); }, "Error 11   (Division by zero)" + at},
        {[] { throw std::out_of_range("at"); }, "Error 9   (Subscript out of range)" + at},
        {[] { throw std::runtime_error("x"); }, "Error 51   (Internal error)" + at},
        {[] { throw std::bad_alloc(); }, "Error 7   (Out of memory)" + at},
        {[] { throw std::length_error("too long"); }, "Error 7   (Out of memory)" + at},
    };
    for (const auto& c : cases) {
        RecordingHost host;
        EXPECT_FALSE(RunGuarded(host, "Dynamics", c.body));
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.lastText().substr(0, c.text.size()), c.text);
    }
    RecordingHost host;
    int ran = 0;
    EXPECT_TRUE(RunGuarded(host, "Dynamics", [&] { ++ran; }));
    EXPECT_EQ(ran, 1);
    EXPECT_TRUE(host.messages.empty());
}

} // namespace
