#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "loomset/foundation/TnStream.h"
#include "loomset/geometry/TnBezierPattern.h"
#include "loomset/geometry/TnDirectionPattern.h"
#include "loomset/patterns/TnFillPattern.h"
#include "loomset/patterns/TnProgrammedPattern.h"
#include "loomset/patterns/TnVectorPattern.h"
#include "loomset/patterns/TnWavePattern.h"

namespace loomset::tool {

// One face for the six stream records: the pattern records take a stream pointer, the two motif
// records a reference, and only the pattern records print themselves.
inline int writeRecord(TnFillPattern& r, TnStream& s) { return r.write(&s); }
inline int writeRecord(TnProgrammedPattern& r, TnStream& s) { return r.write(&s); }
inline int writeRecord(TnWavePattern& r, TnStream& s) { return r.write(&s); }
inline int writeRecord(TnVectorPattern& r, TnStream& s) { return r.write(&s); }
inline int writeRecord(TnDirectionPattern& r, TnStream& s) { return r.write(s); }
inline int writeRecord(TnBezierPattern& r, TnStream& s) { return r.write(s); }

inline int readRecord(TnFillPattern& r, TnStream& s) { return r.read(&s); }
inline int readRecord(TnProgrammedPattern& r, TnStream& s) { return r.read(&s); }
inline int readRecord(TnWavePattern& r, TnStream& s) { return r.read(&s); }
inline int readRecord(TnVectorPattern& r, TnStream& s) { return r.read(&s); }
inline int readRecord(TnDirectionPattern& r, TnStream& s) { return r.read(s); }
inline int readRecord(TnBezierPattern& r, TnStream& s) { return r.read(s); }

template <class Record>
void printRecord(const Record& record, std::ostream& out) {
  record.printTo(out);
}
void printRecord(const TnDirectionPattern& motif, std::ostream& out);
void printRecord(const TnBezierPattern& pattern, std::ostream& out);

// Why a record of a file did not read.
struct ReadFailure {
  std::size_t record = 0;  // counted from 1
  std::size_t offset = 0;  // of the record's first byte
  std::string reason;      // "truncated", "invalid value" or "unknown version N"
};

// Reads records back to back from `bytes` until they end, or until `limit` records are read,
// appending each one read whole to `records`. Returns false at the first record that does not
// read whole, with `failure` set; the records before it stay. Each record read consumes bytes,
// so the walk ends.
template <class Record>
bool readRecords(const std::vector<unsigned char>& bytes, std::vector<Record>& records,
                 ReadFailure& failure, std::size_t limit = SIZE_MAX);

// The one line that tells what `command` found wrong in the file at `path`.
void reportFailure(std::ostream& err, const char* command, const std::string& path,
                   const ReadFailure& failure);

// The file's bytes; false when it cannot be read.
bool readFile(const std::string& path, std::vector<unsigned char>& bytes);

}  // namespace loomset::tool
