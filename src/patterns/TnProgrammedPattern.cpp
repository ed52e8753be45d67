#include "loomset/patterns/TnProgrammedPattern.h"

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
  if (stream == nullptr || patternDescription.size() > loomset::detail::kMaxShortCount) return 1;
  return loomset::detail::writeWhole(*stream, [this](auto& out) {
    if (writeShort(out, kVersion) != 0 || writeString(out, name) != 0 ||
        writeShort(out, static_cast<short>(patternDescription.size())) != 0) {
      return 1;
    }
    for (const auto& pair : patternDescription) {
      if (writeString(out, pair.first) != 0 ||
          loomset::detail::writeMotif(out, pair.second.referenceLine, pair.second.directions) != 0)
        return 1;
    }
    return 0;
  });
}

int TnProgrammedPattern::read(TnStream* stream) {
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
  for (int i = 0; i < count && result == 0; ++i, ++at) {
    if (at == patternDescription.end()) {
      at = patternDescription.emplace(at);
    } else {
      at->first = TnString();
      at->second.resetInto(spare);
    }
    TnString threadId;
    if (readString(*stream, threadId) != 0) {
      result = 1;
    } else {
      at->first = threadId;
      result = at->second.read(*stream, spare) != 0 ? 1 : 0;
    }
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
