// trochix-batch: the cam computations without a screen, for scripts and for checking results
// against other calculations. See UsageText for the command line.
#include "app/batch/BatchOptions.h"
#include "app/batch/BatchRun.h"
#include "model/StreamHost.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    using namespace trochix::batch;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const ParseResult parsed = ParseArguments(args);
    if (!parsed.options) {
        std::cerr << "trochix-batch: " << parsed.error << "\n\n" << UsageText();
        return 2;
    }
    if (parsed.options->help) {
        std::cout << UsageText();
        return 0;
    }
    if (parsed.options->version) {
        // TROCHIX_VERSION is CMake's PROJECT_VERSION, the one place the version is kept.
        std::cout << "trochix-batch " TROCHIX_VERSION "\n";
        return 0;
    }
    StderrHost host(std::cerr);
    try {
        std::string usageError;
        const int status = RunBatch(*parsed.options, host, std::cout, usageError);
        if (status == kUsageStatus)
            std::cerr << "trochix-batch: " << usageError << "\n\n" << UsageText();
        return status;
    } catch (const std::exception& e) {
        // Every computation guards itself; this only catches what escaped all of them.
        std::cerr << "Critical: " << e.what() << '\n';
        return 1;
    }
}
