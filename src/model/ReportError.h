// The common error report: one message naming the fault and the routine it stopped.
#pragma once

#include "model/Host.h"

#include <string>

namespace trochix::model {

enum class AfterError { Stay, ShowHome };

// The exact text shown for error `number` trapped in `procedureName`.
std::string ReportErrorText(int number, const std::string& procedureName);

// Shows the text, resets the busy pointer and says where the program goes next: out of memory
// closes every screen back to the home screen (Host::returnHome), where the text asks the user
// to save and restart.
AfterError ReportError(Host& host, int number, const std::string& procedureName);

} // namespace trochix::model

#include "model/Fault.h"

#include <new>
#include <stdexcept>

namespace trochix::model {

// Runs body; a fault (or exhausted memory) is reported under procedureName.
// Returns true when body completed. Nothing escapes: any other library exception is reported
// as an internal error rather than ending the program.
template <class Body> bool RunGuarded(Host& host, const std::string& procedureName, Body&& body) {
    try {
        body();
        return true;
    } catch (const Fault& f) {
        ReportError(host, f.number(), procedureName);
    } catch (const std::bad_alloc&) {
        ReportError(host, kOutOfMemory, procedureName);
    } catch (const std::length_error&) {
        ReportError(host, kOutOfMemory, procedureName);
    } catch (const std::out_of_range&) {
        ReportError(host, kSubscriptOutOfRange, procedureName);
    } catch (const std::exception&) {
        ReportError(host, kInternalError, procedureName);
    }
    return false;
}

} // namespace trochix::model
