// Writes the seed corpora: the built-in catalogue's records, their motifs and curves, a
// version-1 vector pattern and a few typed values, each in a file of its own under
// DIR/<target>/.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "loomset/catalogue/DefaultCatalogue.h"
#include "loomset/catalogue/GlobalManagers.h"
#include "loomset/foundation/StreamPrimitives.h"
#include "loomset/foundation/TnMemoryStream.h"
#include "loomset/patterns/RecordIo.h"

namespace {

namespace fs = std::filesystem;

void save(const fs::path& dir, const std::string& target, const std::vector<unsigned char>& bytes) {
  fs::create_directories(dir / target);
  const std::size_t index = static_cast<std::size_t>(
      std::distance(fs::directory_iterator(dir / target), fs::directory_iterator()));
  std::ofstream(dir / target / ("seed-" + std::to_string(index)), std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

template <class Record>
void saveRecord(const fs::path& dir, const std::string& target, Record record) {
  TnMemoryStream stream;
  if (loomset::writeRecord(record, stream) == 0) save(dir, target, stream.bytes());
}

template <class Record, class Manager>
std::vector<Record> libraryRecords(Manager& manager) {
  std::vector<Record> records;
  const TnList<Record*> list = manager.getPatterns(nullptr);
  for (unsigned int i = 0; i < list.length(); ++i) records.push_back(*list[i]);
  return records;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const fs::path dir(argv[1]);
  if (loomset::loadDefaultCatalogue() != 0) return 1;
  for (const TnFillPattern& r : libraryRecords<TnFillPattern>(gFillManager))
    saveRecord(dir, "fuzz_fill_read", r);
  for (auto* manager : {&gProgrammedPatManager, &gLockstitchManager}) {
    for (const TnProgrammedPattern& r : libraryRecords<TnProgrammedPattern>(*manager)) {
      saveRecord(dir, "fuzz_programmed_read", r);
      for (const auto& pair : r.getPatternDescription())
        saveRecord(dir, "fuzz_direction_read", pair.second);
    }
  }
  for (const TnWavePattern& r : libraryRecords<TnWavePattern>(gWavePatManager)) {
    saveRecord(dir, "fuzz_wave_read", r);
    saveRecord(dir, "fuzz_bezier_read", r.getPattern());
  }
  for (auto* manager : {&gTileVecPatManager, &gNonTileVecPatManager, &gCompositeVecPatManager})
    for (const TnVectorPattern& r : libraryRecords<TnVectorPattern>(*manager))
      saveRecord(dir, "fuzz_vector_read", r);

  // A version-1 vector pattern, whose points are doubles: one curve of one segment.
  TnMemoryStream v1;
  writeShort(v1, 1);
  writeString(v1, "Old");
  for (long value : {4L, 3L, 1L, 1L}) writeLong(v1, value);
  const double points[] = {0.0, 0.0, 0.1, 1.0, 2.9, 1.0, 3.0, 0.0};
  for (double value : points) {
    unsigned char raw[8];
    std::memcpy(raw, &value, 8);
    v1.writeBytes(raw, 8);
  }
  save(dir, "fuzz_vector_read", v1.bytes());

  // Primitives: the first byte picks the reader (0 string, 1 short, 2 long, 3 F vector,
  // 4 F point, 5 D vector, 6 D point).
  save(dir, "fuzz_primitives_read", {0, 3, 0, 'a', 0xBB, '1'});
  save(dir, "fuzz_primitives_read", {1, 0xFF, 0x7F});
  save(dir, "fuzz_primitives_read", {2, 0xFF, 0xFF, 0xFF, 0x7F});
  save(dir, "fuzz_primitives_read", {3, 0, 0, 0x80, 0x3F, 0, 0, 0x80, 0xBF});
  save(dir, "fuzz_primitives_read", {4, 0xFF, 0xFF, 0x7F, 0x7F, 0, 0, 0, 0x80});
  save(dir, "fuzz_primitives_read", {5, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 0, 0, 0, 0, 0, 0, 0, 0xC0});
  save(dir, "fuzz_primitives_read", {6, 0, 0, 0, 0, 0, 0, 0xF0, 0x7F, 0, 0, 0, 0, 0, 0, 0, 0});
  return 0;
}
