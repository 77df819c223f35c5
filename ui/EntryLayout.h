// How the password check dialog lays out the text being typed: a heading line
// before every page, then the page's rows of ten characters as five
// characters, two blanks and five characters, the way the main window shows a
// page. Only blanks and line ends are added, so cleaning the layout gives the
// text back, and a position in the layout maps back to a character.
#pragma once

#include <QString>
#include <vector>

#include "core/RepairWording.h"

namespace velmara {

// The lines are those the page's check box shows too.
using EntryLine = repair_wording::CheckLine;

struct EntryLayout {
  QString text;                  // the lines, separated by '\n'
  std::vector<EntryLine> lines;  // one for each line of `text`
  // Per character (code point) of the laid-out text: where it starts and ends
  // in `text`, in UTF-16 units.
  std::vector<int> starts;
  std::vector<int> ends;

  int characters() const { return static_cast<int>(starts.size()); }
  // Where the caret stands with `before` characters before it: right after
  // the last of them, ahead of any blanks or line end laid out after it.
  int caretPosition(int before) const;
};

// `cleaned` holds no blanks or line ends (CleanPasswordText).
EntryLayout LayOutEntry(const QString& cleaned);

// The characters of `entry` (text of the edit, line ends as '\n') that remain
// before `position` once the text is cleaned.
int CleanedCharactersBefore(const QString& entry, int position);

}  // namespace velmara
