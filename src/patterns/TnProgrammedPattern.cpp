#include "loomset/patterns/TnProgrammedPattern.h"

#include <iterator>

#include "foundation/RecordBuffer.h"
#include "foundation/ShortValues.h"
#include "geometry/DirectionList.h"
#include "loomset/foundation/StreamPrimitives.h"
#include "loomset/foundation/TnCoord.h"

template class std::list<std::pair<TnString, TnDirectionPattern>>;

namespace {

constexpr short kVersion = 1;

}  // namespace

TnProgrammedPattern::TnProgrammedPattern() = default;

TnProgrammedPattern::TnProgrammedPattern(const TnProgrammedPattern& other) = default;

TnProgrammedPattern& TnProgrammedPattern::operator=(const TnProgrammedPattern& other) = default;

TnProgrammedPattern::~TnProgrammedPattern() = default;

void TnProgrammedPattern::setPatternDescription(const Description& description) {
  patternDescription = description;
}

int TnProgrammedPattern::isSamePattern(const TnProgrammedPattern& other) const {
  if (patternDescription.size() != other.patternDescription.size()) return 0;
  auto theirs = other.patternDescription.begin();
  for (const auto& pair : patternDescription) {
    if (!(pair.first == theirs->first) || !(pair.second == theirs->second)) return 0;
    ++theirs;
  }
  return 1;
}

int TnProgrammedPattern::write(TnStream* stream) {
  using loomset::detail::writeWhole;
  if (stream == nullptr || patternDescription.size() > loomset::detail::kMaxShortCount) return 1;
  // Written a pair at a time, so that the bytes gathered for one write stay as small as a motif.
  const int head = writeWhole(*stream, [this](auto& out) {
    return writeShort(out, kVersion) != 0 || writeString(out, name) != 0 ||
                   writeShort(out, static_cast<short>(patternDescription.size())) != 0
               ? 1
               : 0;
  });
  if (head != 0) return 1;
  for (const auto& pair : patternDescription) {
    const int written = writeWhole(*stream, [&pair](auto& out) {
      return writeString(out, pair.first) != 0 ||
                     loomset::detail::writeMotif(out, pair.second.getReferenceLine(),
                                                 pair.second.getForwardDirections()) != 0
                 ? 1
                 : 0;
    });
    if (written != 0) return 1;
  }
  return 0;
}

int TnProgrammedPattern::read(TnStream* stream) {
  using loomset::detail::ReusedMotif;
  if (stream == nullptr) return 1;
  short version = 0;
  if (readShort(*stream, &version) != 0) return 1;
  if (version != kVersion) return 2;
  short count = 0;
  if (readString(*stream, name) != 0 || readShort(*stream, &count) != 0) return 1;
  // The pairs are read over the old ones, each first made a fresh pair, so that reading many
  // patterns into one record reuses its memory; the list nodes of old motifs go to `spare`.
  TnDirectionPattern::Directions spare;
  auto at = patternDescription.begin();
  int result = 0;
  try {
    for (int i = 0; i < count && result == 0; ++i, ++at) {
      if (at == patternDescription.end()) {
        at = patternDescription.emplace(at);
      } else {
        at->first = TnString();
        ReusedMotif::reset(at->second, spare);
      }
      TnString threadId;
      if (readString(*stream, threadId) != 0) {
        result = 1;
      } else {
        at->first = threadId;
        result = ReusedMotif::read(at->second, *stream, spare) != 0 ? 1 : 0;
      }
    }
  } catch (...) {
    // Out of memory part way: no old pair stays after the one being read.
    if (at != patternDescription.end())
      patternDescription.erase(std::next(at), patternDescription.end());
    throw;
  }
  patternDescription.erase(at, patternDescription.end());
  return result;
}

std::ostream& TnProgrammedPattern::printTo(std::ostream& out) const {
  out << "TnProgrammedPattern [" << name << "]" << std::endl;
  const TnCoord<double> start(0.0, 0.0);
  const TnCoord<double> end(0.0, 100.0);
  int position = 1;
  TnDirectionPattern::Directions placed;
  for (const auto& pair : patternDescription) {
    out << "  Direction Pattern[" << position++ << "]: " << std::endl;
    out << "Thread Identifier: " << pair.first << std::endl;
    const TnVector<double> reference = pair.second.getReferenceLine();
    out << "TheReference Direction : (" << reference.xval() << ", " << reference.yval() << ") "
        << std::endl;
    // The const placement gives the same list as the caching one without touching the caches.
    placed.clear();
    pair.second.getDirections(start, end, 0, placed);
    for (const auto& step : placed) {
      out << "\t\t"
          << "(" << step.first.xval() << ", " << step.first.yval() << "), " << std::endl;
    }
  }
  return out << std::endl;
}
