#include "cli/SvgDocument.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using loomset::tool::escapeXml;
using loomset::tool::svgNumber;

TEST(SvgDocumentTest, EscapesMarkupAndRepairsWhatXmlCannotHold) {
  EXPECT_EQ(escapeXml("a<b & \"c\" 'd'>"), "a&lt;b &amp; &quot;c&quot; &apos;d&apos;&gt;");
  EXPECT_EQ(escapeXml("tab\there \xC2\xBB \xE2\x80\xA6"), "tab\there \xC2\xBB \xE2\x80\xA6");
  EXPECT_EQ(escapeXml(std::string("a\x01z\0", 4)), "a?z?");
  const std::string bad = "\xEF\xBF\xBD";
  EXPECT_EQ(escapeXml("\xBB"), bad);                             // a Latin-1 byte, not UTF-8
  EXPECT_EQ(escapeXml("x\xE2\x80"), "x" + bad + bad);            // cut short
  EXPECT_EQ(escapeXml("\xC0\xAF"), bad + bad);                   // overlong '/'
  EXPECT_EQ(escapeXml("\xED\xA0\x80"), bad + bad + bad);         // a surrogate
  EXPECT_EQ(escapeXml("\xEF\xBF\xBE"), bad + bad + bad);         // U+FFFE
  EXPECT_EQ(escapeXml("\xF0\x9F\x98\x80"), "\xF0\x9F\x98\x80");  // beyond the BMP
}

TEST(SvgDocumentTest, FormatsNumbersWithTwoDecimalsAndNeverNanOrInf) {
  EXPECT_EQ(svgNumber(12.5), "12.5");
  EXPECT_EQ(svgNumber(3.0), "3");
  EXPECT_EQ(svgNumber(1.2371), "1.24");
  EXPECT_EQ(svgNumber(-2.25), "-2.25");
  EXPECT_EQ(svgNumber(-0.001), "0");
  EXPECT_EQ(svgNumber(std::nan("")), "0");
  EXPECT_EQ(svgNumber(std::numeric_limits<double>::infinity()), "10000000");
  EXPECT_EQ(svgNumber(-1e300), "-10000000");
}

}  // namespace
