#include "foundation/NumberText.h"

#include <locale>
#include <sstream>

namespace loomset::detail {

TnString numberText(double value) {
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out << value;
  return TnString(out.str());
}

}  // namespace loomset::detail
