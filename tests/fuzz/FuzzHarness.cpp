// One libFuzzer harness; THERMAVO_FUZZ_ENTRY names its entry point (FuzzTargets.h).
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    THERMAVO_FUZZ_ENTRY(data, size);
    return 0;
}
