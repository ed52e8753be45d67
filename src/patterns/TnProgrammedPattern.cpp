#include "loomset/patterns/TnProgrammedPattern.h"

#include "foundation/ShortValues.h"
#include "loomset/foundation/ResultCodes.h"
#include "loomset/foundation/StreamPrimitives.h"
#include "loomset/foundation/TnCoord.h"

using loomset::detail::kDone;
using loomset::detail::kFailed;
using loomset::detail::kUnknownVersion;

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
  if (stream == nullptr || patternDescription.size() > loomset::detail::kMaxShortCount)
    return kFailed;
  if (writeShort(*stream, kVersion) != 0 || writeString(*stream, name) != 0 ||
      writeShort(*stream, static_cast<short>(patternDescription.size())) != 0) {
    return kFailed;
  }
  for (const auto& pair : patternDescription) {
    if (writeString(*stream, pair.first) != 0 || pair.second.write(*stream) != 0) return kFailed;
  }
  return kDone;
}

int TnProgrammedPattern::read(TnStream* stream) {
  if (stream == nullptr) return kFailed;
  short version = 0;
  if (readShort(*stream, &version) != 0) return kFailed;
  if (version != kVersion) return kUnknownVersion;
  short count = 0;
  if (readString(*stream, name) != 0 || readShort(*stream, &count) != 0) return kFailed;
  // The old pairs go, but are read over again where they can be: the new pairs reuse their
  // memory rather than allocate their own.
  Description old;
  old.swap(patternDescription);
  for (int i = 0; i < count; ++i) {
    if (old.empty()) {
      patternDescription.emplace_back();
    } else {
      patternDescription.splice(patternDescription.end(), old, old.begin());
      patternDescription.back().first = TnString();
    }
    // Each pair starts as a default one, and keeps what was read into it when the read fails.
    auto& pair = patternDescription.back();
    if (readString(*stream, pair.first) != 0) {
      pair.second = TnDirectionPattern();
      return kFailed;
    }
    if (pair.second.readAsNew(*stream) != 0) return kFailed;
  }
  return kDone;
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
