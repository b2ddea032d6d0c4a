// Carrying out a parsed command line on one model.
#pragma once

#include "app/batch/BatchOptions.h"
#include "model/StreamHost.h"

#include <ostream>
#include <string>

namespace trochix::batch {

using StderrHost = model::StreamHost;

// Exit status of a command line the loaded model cannot carry out (a segment it lacks).
inline constexpr int kUsageStatus = 2;

// Runs the options in their fixed order (load, units, step, recalc, continuity, contact,
// design map, fft,
// table, save, exports); tables go to out, messages through host. Stops at the first step that
// fails. Returns the exit status: 0; 1 when a file was refused, a fault was reported, a table was
// refused or a step could not be completed; kUsageStatus, with the reason in usageError and
// nothing written, when an option does not fit the loaded model.
int RunBatch(const BatchOptions& options, StderrHost& host, std::ostream& out,
             std::string& usageError);

} // namespace trochix::batch
