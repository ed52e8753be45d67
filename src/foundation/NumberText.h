#pragma once

#include "loomset/foundation/TnString.h"

namespace loomset::detail {

// The default std::ostream output of `value` in the classic locale.
TnString numberText(double value);

}  // namespace loomset::detail
