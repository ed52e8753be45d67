#pragma once

namespace loomset::detail {

// What the library's operations return, by what it means. The public operations keep their int
// results; these name them where the library returns or tests them.

// Reads and writes of records and stream values, and the calls of a stream.
constexpr int kDone = 0;
constexpr int kFailed = 1;          // a value could not be read or written
constexpr int kUnknownVersion = 2;  // a read met a format version that it does not know

// Adds to a table or a catalogue.
constexpr int kStored = 0;
constexpr int kNotStored = 1;         // the name is held there already, or there is no table
constexpr int kTakenLibraryWide = 2;  // a catalogue's library-wide scope holds the name

// Searches by position.
constexpr int kAbsent = -1;

}  // namespace loomset::detail
