// Reads a TnWavePattern from any bytes and checks the readers' promises (RecordOracle.h).
#include "Families.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  loomset::fuzz::check<TnWavePattern, loomset::fuzz::Wave>(data, size);
  return 0;
}
