// Any bytes as a model file.
#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trochix::fuzz;
    return Verdict("model file", CheckModelFile({reinterpret_cast<const char*>(data), size}));
}
