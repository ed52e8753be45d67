#pragma once

#include <string>

#include "loomset/foundation/TnString.h"

namespace loomset::tool {

// A pattern name as UTF-8 text for people: names are single-byte text (the mangling marker 0xBB
// is the character »), so each byte above 0x7F becomes its Latin-1 character, and control bytes
// become \xNN escapes.
std::string readableName(const TnString& name);

}  // namespace loomset::tool
