#pragma once

#include "loomset/Export.h"
#include "loomset/foundation/TnString.h"

// The next name of the renaming sequence. A name whose second-to-last byte is 0xBB counts as
// renamed already and gets its last byte raised by one, a '9' turning into 0xBB followed by '1'
// and 0xFF, which would turn into a zero byte, ending the name there; any other name gets a space,
// 0xBB and '1' appended. Every other byte of `name` is kept, whatever its length, so the result
// always differs from `name`.
LOOMSET_API TnString mangleName(const TnString& name);

// `name` without its first three bytes; the empty string for names of three bytes or fewer.
LOOMSET_API TnString unMangleName(const TnString& name);
