// Password text as people handle it: the clipboard layout (groups of five,
// two to a line, an empty line after each page), the cleaning and type
// detection of pasted text, and the window's page of five rows. The rules are
// stated over characters; the UTF-8 functions here and the window's own
// text type both lay text out from the same spans.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codec/PasswordFormat.h"

namespace velmara {

// One group of the clipboard layout: `count` characters from character
// `first`, with `before` written ahead of them and `after` behind them.
struct ClipboardGroup {
  std::size_t first;
  std::size_t count;
  std::string_view before;
  std::string_view after;
};

// The groups of a password of `characters` characters: the first group of a
// line stands alone, the second follows a blank and ends the line with CR LF,
// and every fiftieth character is followed by one more CR LF. A Silver
// password's 61st character therefore stands alone with no line end.
std::vector<ClipboardGroup> ClipboardGroups(std::size_t characters);

// The clipboard text of a UTF-8 password.
std::string FormatPasswordForClipboard(std::string_view password);

// Blank, tab, LF, CR and dash: what cleaning removes from pasted text.
constexpr bool IsPasswordLayoutCharacter(char32_t c) {
  return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r' || c == U'-';
}

// Removes every layout character anywhere in UTF-8 text; nothing else. The
// layout characters are ASCII, so every other character stays whole.
std::string CleanPasswordText(std::string_view text);

// Number of characters in UTF-8 text as the user sees them (code points; a
// byte that starts no well-formed sequence counts as one).
std::size_t PasswordCharCount(std::string_view text);

// 16 Bronze, 61 Silver, 260 Gold; nullopt for any other length.
std::optional<TPasswordType> PasswordTypeForLength(std::size_t characters);

// The window's page list holds one entry per page: length div 50, plus one.
constexpr std::size_t PageCount(std::size_t characters) {
  return characters / kPageLength + 1;
}

// The two blanks between the halves of a shown row.
inline constexpr std::string_view kPageRowGap = "  ";

// One row of a shown page: `head` characters from character `first`, the gap,
// then the `tail` characters that follow. A row of five characters or fewer
// has no tail and ends in the gap.
struct PageRow {
  std::size_t first;
  std::size_t head;
  std::size_t tail;
};

// The rows of page `page` (from 0) of a password of `characters` characters;
// none for a page outside the page list. Rows end at every tenth character of
// the whole password and at the page's last character.
std::vector<PageRow> PageRows(std::size_t characters, int page);

// The shown rows of page `page` of a UTF-8 password, such as "abcde  fghij".
std::vector<std::string> PageRowTexts(std::string_view password, int page);

}  // namespace velmara
