// Repair of a mistyped password: the passwords that a text the decoder
// refuses was most likely meant to be, within a fixed model of copying
// mistakes. Standard library only; bad input is an outcome, never an
// exception.
//
// The mistakes searched for, all of them:
// - one wrong character in each of up to three rows; a character outside the
//   alphabet (O, 0, l, 1, I, o, a full-width letter) counts as a wrong
//   character whose position is known;
// - two neighbouring characters swapped, anywhere;
// - one character missing or one too many (one character short of or past
//   the type's length);
// - one swap together with one wrong character;
// - one wrong character among those no row check covers (Silver's last
//   character, Bronze's last six), alone or besides wrong rows, up to three
//   wrong characters in all.
// A row's check character fixes the one value a single wrong character in
// that row can have had, and the check value confirms or refuses a whole
// candidate, so the search tries every case and keeps what passes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codec/PasswordFormat.h"

namespace velmara {

enum class RepairKind { Substitution, Swap, Insertion, Deletion };

// "substitution", "swap", "insertion", "deletion".
std::string_view RepairKindName(RepairKind kind);

// One change to the typed text. Positions count the characters (code
// points) of the cleaned text as it was typed, from 1, so that a user finds
// them where they typed them:
// - Substitution at p: typed character p becomes `to`; `from` is the
//   character there (as typed, possibly outside the alphabet).
// - Swap at p: typed characters p and p + 1 trade places; `from` is the two
//   as typed, `to` the same two the other way round.
// - Insertion at p: `to` goes before typed character p (p = the typed length
//   + 1 appends it); `from` is empty.
// - Deletion at p: typed character p goes; `to` is empty.
// A candidate lists its changes by position, a swap before a substitution at
// the same position. Applied in that order to the typed text they give the
// password; a swap keeps every position, so a substitution after it names
// the character at its position once the pair has been swapped.
struct RepairChange {
  RepairKind kind = RepairKind::Substitution;
  std::size_t position = 0;
  std::string from;
  std::string to;
};

// Page (from 1) and row (1..5 within the page) of position p as the window
// shows a password: ten characters to a row, five rows to a page.
constexpr std::size_t PageOfPosition(std::size_t position) {
  return (position - 1) / kPageLength + 1;
}
constexpr std::size_t RowOfPosition(std::size_t position) {
  return (position - 1) / kRowLength % kRowsPerPage + 1;
}

struct RepairCandidate {
  std::string password;  // passes every check of the decoder for the type
  std::vector<RepairChange> changes;
  // Whether the party is one the window could have made (see
  // IsPlausiblePassword): levels 1..99, statistics within the window's
  // bounds, Gold items in the item table, quantities only on stackable items
  // held, coins at most 999999, and every bit the encoder leaves zero zero.
  bool plausible = false;
};

enum class RepairOutcome {
  AlreadyValid,  // the text decodes as it is; it is the one candidate, with no change
  Repaired,      // at least one candidate
  NoCandidate,   // no password lies within the mistakes searched for
  WrongLength,   // more than one character away from the type's length
  UnknownType,   // type outside 0..2
};

struct RepairResult {
  RepairOutcome outcome = RepairOutcome::NoCandidate;
  // Best first, at most the number asked for. The order is fixed: fewer
  // changes first; then fewer substitutions between characters that do not
  // look alike (S and 5, 0 and D, ...; see AreLookAlikes); then plausible
  // parties; then by the changes' positions, kinds and characters.
  std::vector<RepairCandidate> candidates;
  std::size_t found = 0;  // candidates there were before the cut
};

constexpr std::size_t kDefaultRepairCandidates = 5;

// Searches for the passwords of `type` that `text` was meant to be. `text`
// is cleaned password text in UTF-8 (blanks, line ends and dashes removed,
// as the window does on paste); any bytes are accepted. The text may be one
// character shorter or longer than the type's length. Each returned
// candidate has been accepted by the decoder. The time taken is bounded for
// any input (a few milliseconds at most): a text of the wrong length is
// refused after counting it. Holds no state between calls; calls from
// several threads at once are safe.
RepairResult RepairPassword(TPasswordType type, std::string_view text,
                            std::size_t maxCandidates = kDefaultRepairCandidates);

// The type whose length is `characters` or one away from it, if any (the
// lengths 15..17, 60..62 and 259..261 do not overlap).
std::optional<TPasswordType> RepairTypeForLength(std::size_t characters);

}  // namespace velmara
