#pragma once

#include "loomset/Export.h"
#include "loomset/foundation/TnCoord.h"
#include "loomset/foundation/TnStream.h"
#include "loomset/foundation/TnString.h"
#include "loomset/foundation/TnVector.h"

// The typed values that records put on a stream, one value per call, little-endian throughout:
//   short   2 bytes, two's complement
//   long    4 bytes, two's complement
//   string  unsigned 16-bit byte count n, then the n bytes, no terminator
//   F pair  x then y, each an IEEE-754 binary32
//   D pair  x then y, each an IEEE-754 binary64
// Every call returns 0 on success and 1 on failure, and is all-or-nothing: a write that fails
// writes nothing, and a read that fails consumes nothing and leaves its output unchanged.
// Coordinates that are not finite in the encoding's precision (NaN, infinity, or beyond the
// float range for F) fail both ways.

LOOMSET_API int writeShort(TnStream& stream, short value);
LOOMSET_API int readShort(TnStream& stream, short* value);

// Fails for a value outside the signed 32-bit range.
LOOMSET_API int writeLong(TnStream& stream, long value);
LOOMSET_API int readLong(TnStream& stream, long* value);

// Fails for a string of more than 65535 bytes.
LOOMSET_API int writeString(TnStream& stream, const TnString& value);
// The buffer grows as the stream shows the bytes: a count beyond them fails with a buffer of at
// most 256 bytes or twice what the stream holds, not one of the count's length.
LOOMSET_API int readString(TnStream& stream, TnString& value);

LOOMSET_API int writeFVector(TnStream& stream, const TnVector<double>& value);
LOOMSET_API int readFVector(TnStream& stream, TnVector<double>* value);
LOOMSET_API int writeFPoint(TnStream& stream, const TnCoord<double>& value);
LOOMSET_API int readFPoint(TnStream& stream, TnCoord<double>* value);

LOOMSET_API int readDVector(TnStream& stream, TnVector<double>* value);
LOOMSET_API int readDPoint(TnStream& stream, TnCoord<double>* value);
