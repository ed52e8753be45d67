// The libFuzzer entry of the target numbered LOOMSET_FUZZ_TARGET in Targets.h.
#include "Targets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  loomset::fuzz::kTargets[LOOMSET_FUZZ_TARGET].check(data, size);
  return 0;
}
