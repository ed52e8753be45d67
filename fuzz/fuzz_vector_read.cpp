// Reads a TnVectorPattern from any bytes and checks the readers' promises (RecordOracle.h).
#include "Families.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  loomset::fuzz::check<TnVectorPattern, loomset::fuzz::Vector>(data, size);
  return 0;
}
