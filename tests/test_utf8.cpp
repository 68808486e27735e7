#include "host/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace okit {
namespace {

std::u32string decode_all(std::string_view text) {
  std::u32string decoded;
  for (std::size_t pos = 0; pos < text.size();) decoded += next_code_point(text, pos);
  return decoded;
}

TEST(Utf8, DecodesEveryLengthUpToItsLimits) {
  EXPECT_EQ(decode_all("Form1"), U"Form1");
  EXPECT_EQ(decode_all("\xC3\xBC\xDF\xBF"), U"\u00FC\u07FF");
  EXPECT_EQ(decode_all("\xE2\x82\xAC\xEF\xBF\xBF"), U"\u20AC\uFFFF");
  EXPECT_EQ(decode_all("\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF"), U"\U0001F600\U0010FFFF");
}

TEST(Utf8, MalformedBytesBecomeOneReplacementPerInvalidRun) {
  // A stray continuation byte and bytes that never start a sequence.
  EXPECT_EQ(decode_all("a\x80z"), U"a\uFFFDz");
  EXPECT_EQ(decode_all("\xFF\xFE"), U"\uFFFD\uFFFD");
  // Overlong forms, a surrogate and a value past U+10FFFF fail at the second
  // byte, so every byte that follows is judged on its own.
  EXPECT_EQ(decode_all("\xC0\x80"), U"\uFFFD\uFFFD");
  EXPECT_EQ(decode_all("\xE0\x80\x80"), U"\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(decode_all("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(decode_all("\xF4\x90\x80\x80"), U"\uFFFD\uFFFD\uFFFD\uFFFD");
  // A sequence cut short by the end or by a new character is one
  // replacement, and the character after it survives.
  EXPECT_EQ(decode_all("\xE2\x82"), U"\uFFFD");
  EXPECT_EQ(decode_all("\xE2\x82" "A"), U"\uFFFDA");
  EXPECT_EQ(decode_all("\xF0\x9F\x98"), U"\uFFFD");
}

}  // namespace
}  // namespace okit
