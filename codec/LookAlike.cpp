#include "codec/LookAlike.h"

#include <array>

#include "codec/Utf8.h"

namespace velmara {

namespace {

// Each group's characters all look alike; a character may be in several.
constexpr std::array<std::string_view, 15> kAlikeGroups = {
    "S5", "Z2", "B8", "G6", "gq9", "UV", "uv", "cC", "kK", "sS", "vV", "wW", "xX", "zZ", "pP",
};

// Characters outside the alphabet and the alphabet characters they are read as.
struct Misreading {
  char typed;
  std::string_view readAs;
};
constexpr std::array<Misreading, 6> kMisreadings = {{
    {'0', "DQ"},
    {'O', "QD"},
    {'o', "QD"},
    {'1', "Jji"},
    {'l', "Jji"},
    {'I', "Jji"},
}};

bool AsciiLookAlikes(char typed, char intended) {
  for (std::string_view group : kAlikeGroups)
    if (group.find(typed) != std::string_view::npos &&
        group.find(intended) != std::string_view::npos)
      return typed != intended;
  for (const Misreading& m : kMisreadings)
    if (m.typed == typed) return m.readAs.find(intended) != std::string_view::npos;
  return false;
}

// The ASCII character whose full-width form (U+FF01..U+FF5E) `typed` is, or 0.
char FromFullWidth(std::string_view typed) {
  if (typed.size() != 3 || static_cast<unsigned char>(typed[0]) != 0xEF) return 0;
  const char32_t codePoint = CodePointOf(typed);
  if (codePoint < 0xFF01 || codePoint > 0xFF5E) return 0;
  return static_cast<char>(codePoint - 0xFF01 + '!');
}

}  // namespace

bool AreLookAlikes(std::string_view typed, char intended) {
  if (typed.size() == 1) return AsciiLookAlikes(typed[0], intended);
  const char ascii = FromFullWidth(typed);
  return ascii != 0 && (ascii == intended || AsciiLookAlikes(ascii, intended));
}

}  // namespace velmara
