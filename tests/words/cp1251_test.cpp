#include "words/cp1251.h"

#include <gtest/gtest.h>

namespace vantorn::words {
namespace {

TEST(Cp1251, CyrillicBothWays) {
  const std::string utf8 = "Новый Игрок Ёё № «»";
  const std::string bytes = "\xCD\xEE\xE2\xFB\xE9 \xC8\xE3\xF0\xEE\xEA \xA8\xB8 \xB9 \xAB\xBB";
  EXPECT_EQ(utf8ToCp1251(utf8), bytes);
  EXPECT_EQ(cp1251ToUtf8(bytes), utf8);
  EXPECT_EQ(utf8ToCp1251("АЯая"), "\xC0\xDF\xE0\xFF");
  EXPECT_EQ(cp1251ToUtf8("\x88\x96\x99"), "€–™");
}

TEST(Cp1251, EveryByteStringRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(all)), all);
}

TEST(Cp1251, UnencodableAndMalformedBecomeQuestionMarks) {
  EXPECT_EQ(utf8ToCp1251("Straße 漢字 😀"), "Stra?e ?? ?");
  // Truncated sequence, stray continuation byte, overlong form, surrogate.
  EXPECT_EQ(utf8ToCp1251("a\xD0"), "a?");
  EXPECT_EQ(utf8ToCp1251("\x80z"), "?z");
  EXPECT_EQ(utf8ToCp1251("\xC0\xAF"), "??");
  EXPECT_EQ(utf8ToCp1251("\xED\xA0\x80"), "???");
  EXPECT_EQ(utf8ToCp1251(""), "");
}

}  // namespace
}  // namespace vantorn::words
