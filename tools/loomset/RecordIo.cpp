#include "loomset/RecordIo.h"

#include <fstream>
#include <iterator>

#include "loomset/foundation/TnMemoryStream.h"

namespace loomset::tool {

void printRecord(const TnDirectionPattern& motif, std::ostream& out) {
  const TnVector<double> reference = motif.getReferenceLine();
  out << "TnDirectionPattern" << std::endl;
  out << "The Reference Direction : (" << reference.xval() << ", " << reference.yval() << ") "
      << std::endl;
  for (const auto& entry : motif.getForwardDirections()) {
    out << "\t\t(" << entry.first.xval() << ", " << entry.first.yval() << ") "
        << (entry.second != 0 ? "jump" : "stitch") << std::endl;
  }
  out << std::endl;
}

void printRecord(const TnBezierPattern& pattern, std::ostream& out) {
  const TnVector<double>& reference = pattern.getReferenceLine();
  const TnBezierCurve& curve = pattern.getBezierCurve();
  out << "TnBezierPattern" << std::endl;
  out << "The Reference Direction : (" << reference.xval() << ", " << reference.yval() << ") "
      << std::endl;
  out << "Closed: " << curve.strictIsClosed() << std::endl;
  const TnList<TnBezier>& segments = curve.getSegments();
  for (unsigned int i = 0; i < segments.length(); ++i) {
    const TnBezier& segment = segments[i];
    out << "Segment[" << i << "]:";
    for (int k = 0; k < 4; ++k)
      out << " (" << segment[k].xval() << ", " << segment[k].yval() << ")";
    out << std::endl;
  }
  out << std::endl;
}

namespace {

// More than the longest value a record can ask for at once (a string of 65535 bytes).
constexpr std::size_t kPadding = 65536 + 16;

// Whether the record at `offset`, which stopped reading at `stoppedAt`, stopped for want of bytes:
// then, given more (zeros), it reads on past that point. Otherwise a value it holds is refused.
template <class Record>
bool wantsMoreBytes(const std::vector<unsigned char>& bytes, std::size_t offset,
                    std::size_t stoppedAt) {
  std::vector<unsigned char> padded(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                                    bytes.end());
  padded.resize(padded.size() + kPadding, 0);
  TnMemoryStream stream(std::move(padded));
  Record record;
  return readRecord(record, stream) == 0 || stream.readPosition() > stoppedAt - offset;
}

}  // namespace

template <class Record>
bool readRecords(const std::vector<unsigned char>& bytes, std::vector<Record>& records,
                 ReadFailure& failure, std::size_t limit) {
  TnMemoryStream stream(bytes);
  for (std::size_t number = 1; number <= limit && stream.readPosition() < bytes.size(); ++number) {
    const std::size_t offset = stream.readPosition();
    Record record;
    const int result = readRecord(record, stream);
    if (result == 0) {
      records.push_back(record);
      continue;
    }
    failure.record = number;
    failure.offset = offset;
    if (result == 2) {
      const auto version = static_cast<short>(bytes[offset] | (bytes[offset + 1] << 8));
      failure.reason = "unknown version " + std::to_string(version);
    } else {
      failure.reason = wantsMoreBytes<Record>(bytes, offset, stream.readPosition())
                           ? "truncated"
                           : "invalid value";
    }
    return false;
  }
  return true;
}

template bool readRecords(const std::vector<unsigned char>&, std::vector<TnFillPattern>&,
                          ReadFailure&, std::size_t);
template bool readRecords(const std::vector<unsigned char>&, std::vector<TnProgrammedPattern>&,
                          ReadFailure&, std::size_t);
template bool readRecords(const std::vector<unsigned char>&, std::vector<TnWavePattern>&,
                          ReadFailure&, std::size_t);
template bool readRecords(const std::vector<unsigned char>&, std::vector<TnVectorPattern>&,
                          ReadFailure&, std::size_t);
template bool readRecords(const std::vector<unsigned char>&, std::vector<TnDirectionPattern>&,
                          ReadFailure&, std::size_t);
template bool readRecords(const std::vector<unsigned char>&, std::vector<TnBezierPattern>&,
                          ReadFailure&, std::size_t);

void reportFailure(std::ostream& err, const char* command, const std::string& path,
                   const ReadFailure& failure) {
  err << "loomset " << command << ": " << path << ": record " << failure.record << " at byte "
      << failure.offset << ": " << failure.reason << std::endl;
}

bool readFile(const std::string& path, std::vector<unsigned char>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace loomset::tool
