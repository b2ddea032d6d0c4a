// Carrying out a parsed command line on one model.
#pragma once

#include "app/batch/BatchOptions.h"
#include "model/StreamHost.h"

#include <ostream>

namespace trochix::batch {

using StderrHost = model::StreamHost;

// Runs the options in their fixed order (load, units, step, recalc, continuity, fft, save,
// exports); tables go to out, messages through host. Stops at the first step that fails.
// Returns the exit status: 0, or 1 when a file was refused, a fault was reported or a step
// could not be completed.
int RunBatch(const BatchOptions& options, StderrHost& host, std::ostream& out);

} // namespace trochix::batch
