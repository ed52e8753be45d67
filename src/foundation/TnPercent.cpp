#include "loomset/foundation/TnPercent.h"

#include "foundation/NumberText.h"

TnPercent::operator TnString() const { return loomset::detail::numberText(value_); }
