// Runs trochix-batch in the test process: the parsed command line, what it printed, what it
// said on standard error and the usage error, for the batch tests that need no fixed clock.
#pragma once

#include "app/batch/BatchOptions.h"
#include "app/batch/BatchRun.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace trochix::batch::testing {

using Args = std::vector<std::string>;

struct Outcome {
    int status = 0;
    std::string messages, out, usage;
};

inline Outcome RunArgs(const Args& args) {
    const ParseResult parsed = ParseArguments(args);
    EXPECT_TRUE(parsed.options) << parsed.error;
    if (!parsed.options)
        return {};
    std::ostringstream err, out;
    StderrHost host(err);
    Outcome run;
    run.status = RunBatch(*parsed.options, host, out, run.usage);
    run.messages = err.str();
    run.out = out.str();
    return run;
}

} // namespace trochix::batch::testing
