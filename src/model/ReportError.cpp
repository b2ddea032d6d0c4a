#include "model/ReportError.h"

#include "model/Fault.h"

namespace trochix::model {

std::string ReportErrorText(int number, const std::string& procedureName) {
    switch (number) {
    case kFileNotFound:
    case kBadFileName:
        return "There are no files with your chosen name in the selected directory";
    case kDiskFull:
        return " The floppy disk in the drive is full - please substitute another";
    case kDeviceIOError:
        return "Device I/O error- bad drive or disk - please try another";
    case kDiskNotReady:
        return "Disk not ready - is the drive empty or its door open?";
    default:
        break;
    }
    std::string text = "Error " + std::to_string(number) + "   (" + FaultDescription(number) +
                       ")  has occurred in " + procedureName + "\r\r";
    if (number == kOutOfMemory || number == kOutOfStackSpace) {
        text += "You should try to save your model from the Home Screen's 'File' pulldown menu, \r";
        text += number == kOutOfMemory
                    ? "then Quit this program and restart it to clear the memory.\r"
                    : "then Quit this program and restart it to clear the stacks.\r";
        text += "It may help to close other programs that are running at the same time.\r";
        text += "Good luck! \r";
    }
    return text;
}

AfterError ReportError(Host& host, int number, const std::string& procedureName) {
    host.message(ReportErrorText(number, procedureName), Icon::Critical, DefaultTitle());
    host.setBusy(false);
    if (number != kOutOfMemory)
        return AfterError::Stay;
    host.returnHome();
    return AfterError::ShowHome;
}

} // namespace trochix::model
