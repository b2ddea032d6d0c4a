#include "model/Fault.h"

namespace trochix::model {

std::string FaultDescription(int number) {
    switch (number) {
    case 5: return "Invalid procedure call";
    case 6: return "Overflow";
    case 7: return "Out of memory";
    case 9: return "Subscript out of range";
    case 11: return "Division by zero";
    case 13: return "Type mismatch";
    case 28: return "Out of stack space";
    case 51: return "Internal error";
    case 52: return "Bad file name or number";
    case 53: return "File not found";
    case 57: return "Device I/O error";
    case 61: return "Disk full";
    case 62: return "Input past end of file";
    case 64: return "Bad file name";
    case 70: return "Permission denied";
    case 71: return "Disk not ready";
    case 75: return "Path/File access error";
    case 76: return "Path not found";
    case 482: return "Printer error";
    default: return "Application-defined or object-defined error";
    }
}

Fault::Fault(int number, const std::string& detail)
    : std::runtime_error(FaultDescription(number)), number_(number), detail_(detail) {}

double CheckDivisor(double divisor) {
    if (divisor == 0.0)
        throw Fault(kDivisionByZero);
    return divisor;
}

} // namespace trochix::model
