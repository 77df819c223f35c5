// How the password check dialog words a repair: each change at the page, row
// and place in the row where the user sees it, and what it does ("S → 5").
// The words are core's (RepairWording.h), which the browser page shares.
#pragma once

#include <QString>
#include <cstddef>
#include <string>

#include "codec/PasswordRepair.h"

namespace velmara {

// "第2页 第3行" and "第2页 第3行 第4个" for position 74 (positions from 1).
QString RowInWords(std::size_t position);
QString PlaceInWords(std::size_t position);

// UTF-8 characters as the user can read them: each one as it is, or as
// "U+00A0" where it would not show (blanks of other kinds, control and
// format characters).
QString CharactersInWords(const std::string& characters);

// "第2页 第3行 第4个：S → 5"; a swap names both places, an insertion the
// place the new character takes.
QString ChangeInWords(const RepairChange& change);

// The list entry of candidate `number` (from 1): the number and the first
// change, every further change on a line of its own, and a last line when
// the party is not one the window could have made. A candidate without
// changes reads "无需修改".
QString CandidateInWords(const RepairCandidate& candidate, int number);

}  // namespace velmara
