// Any bytes as the text of a numeric box or a line of a model file.
#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trochix::fuzz;
    return Verdict("number text", CheckNumberText({reinterpret_cast<const char*>(data), size}));
}
