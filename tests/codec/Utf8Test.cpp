#include <gtest/gtest.h>

#include "codec/Utf8.h"

namespace velmara {
namespace {

TEST(Utf8, CountsCharactersNotBytes) {
  struct {
    const char* name;
    std::string text;
    std::size_t count;
  } cases[] = {
      {"ascii", "AbC", 3},
      {"two-byte", "\xC3\xA9x", 2},
      {"three-byte", "\xE3\x80\x80", 1},
      {"four-byte", "\xF0\x9F\x98\x80", 1},
      {"lone continuation byte", "\x80", 1},
      {"truncated sequence", "\xE3\x80", 2},
      {"overlong", "\xC0\xAF", 2},
      {"surrogate", "\xED\xA0\x80", 3},
      {"embedded zero", std::string("A\0B", 3), 3},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8CharCount(c.text), c.count) << c.name;
}

// Each character as the walk cuts it, read back as its code point; a byte
// that starts no sequence stands for U+FFFD.
TEST(Utf8, CodePointOfEachCharacter) {
  struct {
    const char* name;
    std::string text;
    char32_t codePoint;
  } cases[] = {
      {"ascii", "A", U'A'},
      {"two-byte", "\xC3\xA9", U'\u00E9'},
      {"full-width letter", "\xEF\xBC\xB3", U'\uFF33'},
      {"four-byte", "\xF0\x9F\x98\x80", U'\U0001F600'},
      {"lone continuation byte", "\x80", U'\uFFFD'},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(Utf8CharLength(c.text), c.text.size()) << c.name;
    EXPECT_EQ(CodePointOf(c.text), c.codePoint) << c.name;
  }
}

}  // namespace
}  // namespace velmara
