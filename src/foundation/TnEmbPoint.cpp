#include "loomset/foundation/TnEmbPoint.h"

#include "foundation/NumberText.h"

TnEmbPoint::operator TnString() const { return loomset::detail::numberText(value_); }
