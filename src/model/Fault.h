// Run-time faults carry the classic error number and its description. Every command and
// named computation catches them at its boundary and hands them to ReportError.
#pragma once

#include <stdexcept>
#include <string>

namespace trochix::model {

enum FaultNumber {
    kInvalidProcedureCall = 5,
    kOverflow = 6,
    kOutOfMemory = 7,
    kSubscriptOutOfRange = 9,
    kDivisionByZero = 11,
    kTypeMismatch = 13,
    kOutOfStackSpace = 28,
    kInternalError = 51,
    kFileNotFound = 53,
    kDeviceIOError = 57,
    kDiskFull = 61,
    kInputPastEnd = 62,
    kBadFileName = 64,
    kDiskNotReady = 71,
    kPathFileAccessError = 75,
    kPathNotFound = 76,
};

std::string FaultDescription(int number);

class Fault : public std::runtime_error {
public:
    explicit Fault(int number, const std::string& detail = {});
    int number() const { return number_; }
    // Extra words about the cause (a file's path), not part of the classic text: the error
    // report shows them apart (Host::errorMessage).
    const std::string& detail() const { return detail_; }

private:
    int number_;
    std::string detail_;
};

// Raises fault 11 when divisor is zero; returns it otherwise. Float division by zero does not
// trap in C++, so every division by a value that can be zero goes through here.
double CheckDivisor(double divisor);

} // namespace trochix::model
