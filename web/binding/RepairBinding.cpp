// The check-and-repair box of the page: the live check of the text being
// typed and the repair search, with the desktop dialog's wording. The page
// shows what these return; it decides nothing about the text itself.
#include <emscripten/bind.h>

#include <string>
#include <string_view>
#include <vector>

#include "codec/LiveCheck.h"
#include "codec/PasswordRepair.h"
#include "codec/TypedText.h"
#include "core/PasswordLayout.h"
#include "core/RepairWording.h"
#include "web/binding/BindingSupport.h"

namespace velmara::web {

namespace {

using emscripten::val;
using namespace repair_wording;

// [{text, invalid}] for `count` characters from `first`.
val CharacterCells(const std::vector<std::string_view>& characters,
                   const std::vector<bool>& invalid, std::size_t first, std::size_t count) {
  val cells = val::array();
  for (std::size_t i = first; i < first + count; ++i) {
    val cell = val::object();
    cell.set("text", std::string(characters[i]));
    cell.set("invalid", static_cast<bool>(invalid[i]));
    cells.call<void>("push", cell);
  }
  return cells;
}

// The page's class name for a row's mark.
const char* MarkName(RowMark mark) {
  switch (mark) {
    case RowMark::Checks:
      return "checks";
    case RowMark::Fails:
      return "fails";
    case RowMark::Incomplete:
      break;
  }
  return "incomplete";
}

// The text as typed, cleaned as pasted text is and cut at the box's
// capacity, with what the live check makes of it:
// {password, characters, length, rows, invalid,
//  lines: [{heading} | {number, mark, state, head: [{text, invalid}], tail}]}.
val CheckPassword(const std::string& typed) {
  const std::string cleaned =
      std::string(FirstCharacters(CleanPasswordText(typed), kTypedTextCapacity));
  const TypedPasswordCheck check = CheckTypedPassword(cleaned);
  const std::vector<std::string_view> characters = SplitTypedText(cleaned).characters;
  std::vector<bool> invalid(characters.size(), false);
  for (const std::size_t position : check.invalidPositions) invalid[position - 1] = true;

  val lines = val::array();
  for (const CheckLine& line : CheckLines(characters.size())) {
    val entry = val::object();
    if (line.kind == CheckLine::PageHeading) {
      entry.set("heading", PageHeadingInWords(line.page));
    } else {
      const RowMark mark = RowMarkOf(check.rows[line.row]);
      const std::size_t head = std::min(line.count, kGroupLength);
      entry.set("number", static_cast<int>(line.row % kRowsPerPage + 1));
      entry.set("mark", std::string(RowMarkText(mark)));
      entry.set("state", std::string(MarkName(mark)));
      entry.set("head", CharacterCells(characters, invalid, line.first, head));
      entry.set("tail", CharacterCells(characters, invalid, line.first + head, line.count - head));
    }
    lines.call<void>("push", entry);
  }

  val result = val::object();
  result.set("password", cleaned);
  result.set("characters", static_cast<int>(check.characters));
  result.set("length", LengthInWords(check.characters));
  result.set("rows", RowsInWords(check));
  result.set("invalid", InvalidInWords(check, cleaned));
  result.set("lines", lines);
  return result;
}

// The repair search for the checked text (CheckPassword's `password`), the
// type taken from its length: {words, candidates: [{password, words}]}.
val RepairTypedPassword(const std::string& password) {
  const TypedRepair repair = RepairTypedText(password);
  val candidates = val::array();
  int number = 0;
  for (const RepairCandidate& candidate : repair.result.candidates) {
    val entry = val::object();
    entry.set("password", candidate.password);
    entry.set("words", CandidateInWords(candidate, ++number));
    candidates.call<void>("push", entry);
  }
  val result = val::object();
  result.set("words", repair.words);
  result.set("candidates", candidates);
  return result;
}

}  // namespace

EMSCRIPTEN_BINDINGS(velmara_repair) {
  emscripten::function("checkPassword", &CheckPassword);
  emscripten::function("repairPassword", &RepairTypedPassword);
}

}  // namespace velmara::web
