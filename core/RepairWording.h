// How the check-and-repair box words what it finds, in the words of the
// desktop's password check dialog: the length against the three types, the
// rows that fail, the characters outside the alphabet, each change of a
// candidate at the page, row and place where the user sees it ("第2页 第3行
// 第4个：S → 5"), and what the search found. Also the layout in which the box
// shows the text being typed: a heading before every page, then its rows.
// All texts are UTF-8. The desktop dialog (ui/PasswordCheck.cpp) and the page
// both take their words from here.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "codec/LiveCheck.h"
#include "codec/PasswordFormat.h"
#include "codec/PasswordRepair.h"

namespace velmara::repair_wording {

// More than any password needs; typed text past it is dropped, so that
// pasting a whole file cannot stall the box.
constexpr std::size_t kTypedTextCapacity = 1000;

// The first `count` characters (code points, as the decoder counts them) of
// UTF-8 text.
std::string_view FirstCharacters(std::string_view text, std::size_t count);

// "第2页 第3行" and "第2页 第3行 第4个" for position 74 (positions from 1).
std::string RowInWords(std::size_t position);
std::string PlaceInWords(std::size_t position);

// UTF-8 characters as the user can read them: each one as it is, or as
// "U+00A0" where it would not show (blanks of every kind, control, format and
// private-use characters); a byte that starts no character reads "U+FFFD".
std::string CharactersInWords(std::string_view characters);

// "第2页 第3行 第4个：S → 5"; a swap names both places, an insertion the
// place the new character takes.
std::string ChangeInWords(const RepairChange& change);

// The list entry of candidate `number` (from 1): the number and the first
// change, every further change on a line of its own, and a last line when
// the party is not one the window could have made. A candidate without
// changes reads "无需修改".
std::string CandidateInWords(const RepairCandidate& candidate, int number);

// "字符数：259（铜 16，银 61，金 260）：比金少 1 个", against the nearest length.
std::string LengthInWords(std::size_t characters);

// The complete rows that fail (the first six, and how many there are when
// there are more), and how many check.
std::string RowsInWords(const TypedPasswordCheck& check);

// The characters of `cleaned` outside the alphabet, by place (the first six,
// and how many there are when there are more).
std::string InvalidInWords(const TypedPasswordCheck& check, std::string_view cleaned);

// What a search found, or why it found nothing.
std::string OutcomeInWords(const RepairResult& result);

// What the box shows after a search: the decoder's message for the text read
// as `type` (line ends as LF), when it refuses it, then the search's outcome.
std::string SearchResultInWords(TPasswordType type, std::string_view cleaned,
                                const RepairResult& result);

// The box's search of the cleaned text: the type from its length, the search
// and its words. A length no type is within reach of gives no candidates and
// the words that say so.
struct TypedRepair {
  RepairResult result;
  std::string words;
};
TypedRepair RepairTypedText(std::string_view cleaned);

// A line of the box's view of the typed text.
struct CheckLine {
  enum Kind { PageHeading, Row };
  Kind kind = PageHeading;
  std::size_t page = 0;   // from 0
  std::size_t row = 0;    // Row lines: the row in the whole text, from 0
  std::size_t first = 0;  // Row lines: its first character (from 0) and count
  std::size_t count = 0;
};

// The mark beside a row: its check character matches, it does not, or the
// row is not complete yet.
enum class RowMark { Incomplete, Checks, Fails };
constexpr RowMark RowMarkOf(const TypedRowCheck& row) {
  if (!row.complete) return RowMark::Incomplete;
  return row.matches ? RowMark::Checks : RowMark::Fails;
}
inline constexpr char kRowChecksMark[] = "✓";
inline constexpr char kRowFailsMark[] = "✗";
inline constexpr char kRowIncompleteMark[] = "…";
constexpr const char* RowMarkText(RowMark mark) {
  switch (mark) {
    case RowMark::Checks:
      return kRowChecksMark;
    case RowMark::Fails:
      return kRowFailsMark;
    case RowMark::Incomplete:
      break;
  }
  return kRowIncompleteMark;
}

// "第2页" beside a page's heading line.
std::string PageHeadingInWords(std::size_t page);

// A heading line before every page, then one line per row begun (ten
// characters, five and five, as the main window shows a page).
std::vector<CheckLine> CheckLines(std::size_t characters);

}  // namespace velmara::repair_wording
