#include "codec/PasswordRepair.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <unordered_map>

#include "codec/Alphabet.h"
#include "codec/CandidateCheck.h"
#include "codec/LookAlike.h"
#include "codec/Password.h"
#include "codec/PasswordTiles.h"
#include "codec/Plausibility.h"
#include "codec/TypedText.h"
#include "codec/Utf8.h"

namespace velmara {

namespace {

// One wrong character in each of up to three rows, or one besides a swap.
constexpr std::size_t kMaxWrongCharacters = 3;
constexpr std::size_t kMaxWrongCharactersWithSwap = 1;
constexpr std::size_t kNoSwap = static_cast<std::size_t>(-1);

struct Layout {
  TPasswordType type;
  std::size_t length;     // characters
  std::size_t rows;       // complete rows, each with its check character
  std::size_t tailStart;  // first position that no row check covers
};

Layout LayoutOf(TPasswordType type) {
  const std::size_t length = PasswordLength(type);
  return {type, length, CompleteRows(length), CompleteRows(length) * kRowLength};
}

std::string CharacterText(std::uint8_t tile) {
  return std::string(1, TileToChar(tile));
}

// A password found, before ranking.
struct Found {
  std::string password;
  std::vector<RepairChange> changes;
};

// The value a row's character at `position` must take for the row to check,
// given the values (offset removed) of the row's other nine characters.
std::uint8_t ValueThatChecks(const std::uint8_t* row, std::size_t position) {
  const std::size_t k = position % kRowLength;
  unsigned sum = 0;
  for (std::size_t j = 0; j < kRowDataTiles; ++j)
    if (j != k) sum += row[j];
  if (k == kRowDataTiles) return static_cast<std::uint8_t>(sum & 63);
  return static_cast<std::uint8_t>((row[kRowDataTiles] - sum) & 63);
}

// ---------------------------------------------------------------------------
// Texts of the type's length: wrong characters, a swap, or a swap and one
// wrong character. Every candidate is the typed text with a few tiles
// patched, so one CandidateCheck serves them all.

class SameLengthSearch {
 public:
  SameLengthSearch(const Layout& layout, const TypedText& typed, std::vector<Found>& found)
      : layout_(layout), typed_(typed), found_(found), check_(layout.type, BaseValues().data()) {}

  void Run() {
    Try(kNoSwap);
    for (std::size_t s = 0; s + 1 < layout_.length; ++s)
      if (typed_.characters[s] != typed_.characters[s + 1]) Try(s);
  }

 private:
  std::array<std::uint8_t, kMaxTiles> BaseValues() const {
    std::array<std::uint8_t, kMaxTiles> values{};
    for (std::size_t i = 0; i < layout_.length; ++i)
      if (typed_.tiles[i] != kInvalidTile) values[i] = RemovePositionOffset(typed_.tiles[i], i);
    return values;
  }

  // The typed character at `position` once the pair at `swap` is swapped.
  std::size_t Source(std::size_t position) const {
    if (swap_ != kNoSwap && position == swap_) return swap_ + 1;
    if (swap_ != kNoSwap && position == swap_ + 1) return swap_;
    return position;
  }
  bool Valid(std::size_t position) const { return typed_.tiles[Source(position)] != kInvalidTile; }
  std::uint8_t Value(std::size_t position) const {
    return RemovePositionOffset(typed_.tiles[Source(position)], position);
  }

  // The substitutions that can make row r check, with the swap applied:
  // none needed (empty, true), the one at its single invalid character, the
  // ten that a wrong row allows, or none possible (false).
  bool RowOptions(std::size_t r, std::vector<TilePatch>& options) const {
    const std::size_t start = r * kRowLength;
    std::uint8_t row[kRowLength];
    std::size_t invalid = 0, invalidAt = 0;
    for (std::size_t k = 0; k < kRowLength; ++k) {
      if (!Valid(start + k)) {
        ++invalid;
        invalidAt = start + k;
        row[k] = 0;
      } else {
        row[k] = Value(start + k);
      }
    }
    if (invalid > 1) return false;
    if (invalid == 1) {
      options.push_back({invalidAt, ValueThatChecks(row, invalidAt)});
      return true;
    }
    if (row[kRowDataTiles] == RowCheckValue(row)) return true;
    for (std::size_t k = 0; k < kRowLength; ++k)
      options.push_back({start + k, ValueThatChecks(row, start + k)});
    return true;
  }

  void Try(std::size_t swap) {
    swap_ = swap;
    const std::size_t budget = swap == kNoSwap ? kMaxWrongCharacters : kMaxWrongCharactersWithSwap;
    rowOptions_.clear();
    for (std::size_t r = 0; r < layout_.rows; ++r) {
      std::vector<TilePatch> options;
      if (!RowOptions(r, options)) return;
      if (options.empty()) continue;
      if (rowOptions_.size() == budget) return;
      rowOptions_.push_back(std::move(options));
    }

    // The characters no row covers: one outside the alphabet must be the
    // wrong one; otherwise any of them may be, while the budget lasts.
    tailOptions_.clear();
    std::size_t invalidInTail = 0;
    for (std::size_t i = layout_.tailStart; i < layout_.length; ++i) {
      if (Valid(i)) continue;
      ++invalidInTail;
      for (unsigned value = 0; value < 64; ++value)
        tailOptions_.push_back({i, static_cast<std::uint8_t>(value)});
    }
    tailRequired_ = invalidInTail > 0;
    if (invalidInTail > 1 || rowOptions_.size() + (tailRequired_ ? 1 : 0) > budget) return;
    if (!tailRequired_ && rowOptions_.size() < budget) {
      for (std::size_t i = layout_.tailStart; i < layout_.length; ++i)
        for (unsigned value = 0; value < 64; ++value)
          if (value != Value(i)) tailOptions_.push_back({i, static_cast<std::uint8_t>(value)});
    }

    chosen_.clear();
    Choose(0);
  }

  // Picks one substitution for each wrong row in turn, then the tail's.
  void Choose(std::size_t row) {
    if (row < rowOptions_.size()) {
      for (const TilePatch& option : rowOptions_[row]) {
        chosen_.push_back(option);
        Choose(row + 1);
        chosen_.pop_back();
      }
      return;
    }
    if (!tailRequired_) Evaluate();
    for (const TilePatch& option : tailOptions_) {
      chosen_.push_back(option);
      Evaluate();
      chosen_.pop_back();
    }
  }

  void Evaluate() {
    if (swap_ == kNoSwap && chosen_.empty()) return;  // the text as typed
    patches_.assign(chosen_.begin(), chosen_.end());
    if (swap_ != kNoSwap) {
      for (std::size_t position : {swap_, swap_ + 1}) {
        const bool substituted =
            std::any_of(chosen_.begin(), chosen_.end(),
                        [&](const TilePatch& p) { return p.position == position; });
        if (!substituted) patches_.push_back({position, Value(position)});
      }
    }
    if (!check_.Passes(patches_)) return;
    Record();
  }

  void Record() {
    Found candidate;
    candidate.password.resize(layout_.length);
    for (std::size_t i = 0; i < layout_.length; ++i)
      if (Valid(i)) candidate.password[i] = TileToChar(typed_.tiles[Source(i)]);
    if (swap_ != kNoSwap) {
      const std::string_view a = typed_.characters[swap_], b = typed_.characters[swap_ + 1];
      candidate.changes.push_back({RepairKind::Swap, swap_ + 1, std::string(a) + std::string(b),
                                   std::string(b) + std::string(a)});
    }
    std::vector<TilePatch> substitutions = chosen_;
    std::sort(substitutions.begin(), substitutions.end(),
              [](const TilePatch& a, const TilePatch& b) { return a.position < b.position; });
    for (const TilePatch& p : substitutions) {
      const std::uint8_t tile = AddPositionOffset(p.value, p.position);
      candidate.password[p.position] = TileToChar(tile);
      candidate.changes.push_back({RepairKind::Substitution, p.position + 1,
                                   std::string(typed_.characters[Source(p.position)]),
                                   CharacterText(tile)});
    }
    std::stable_sort(
        candidate.changes.begin(), candidate.changes.end(),
        [](const RepairChange& a, const RepairChange& b) { return a.position < b.position; });
    found_.push_back(std::move(candidate));
  }

  const Layout& layout_;
  const TypedText& typed_;
  std::vector<Found>& found_;
  CandidateCheck check_;

  std::size_t swap_ = kNoSwap;
  std::vector<std::vector<TilePatch>> rowOptions_;
  std::vector<TilePatch> tailOptions_;
  bool tailRequired_ = false;
  std::vector<TilePatch> chosen_;
  std::vector<TilePatch> patches_;
};

// ---------------------------------------------------------------------------
// Texts one character short or long. Every character after the mistake sits
// one place off, so each row is tested once where it was typed and once
// shifted by the one place; a mistake at position p leaves the rows before
// p's row checking as typed and those after it checking shifted. Only the
// positions that pass that test are tried, and each of their candidates is
// checked whole.

class LengthSearch {
 public:
  // `shift` is the typed position of candidate position q past the mistake
  // minus q: -1 for a missing character, +1 for an extra one.
  LengthSearch(const Layout& layout, const TypedText& typed, int shift, std::vector<Found>& found)
      : layout_(layout), typed_(typed), shift_(shift), found_(found) {
    const std::size_t rows = layout_.rows;
    prefixChecks_.assign(rows + 1, true);
    suffixChecks_.assign(rows + 1, true);
    for (std::size_t r = 0; r < rows; ++r)
      prefixChecks_[r + 1] = prefixChecks_[r] && RowChecks(r, 0);
    for (std::size_t r = rows; r-- > 0;)
      suffixChecks_[r] = suffixChecks_[r + 1] && RowChecks(r + 1, shift_);
  }

  void Run() {
    const std::size_t positions = shift_ < 0 ? layout_.length : typed_.tiles.size();
    for (std::size_t p = 0; p < positions; ++p) TryAt(p);
  }

 private:
  // Whether candidate row r checks when its characters are the typed ones
  // `offset` places on (false past the end or for a character outside the
  // alphabet). Row `rows` stands for "no more rows" and checks.
  bool RowChecks(std::size_t r, int offset) const {
    if (r >= layout_.rows) return true;
    std::uint8_t row[kRowLength];
    for (std::size_t k = 0; k < kRowLength; ++k) {
      const std::size_t q = r * kRowLength + k;
      const long source = static_cast<long>(q) + offset;
      if (source < 0 || static_cast<std::size_t>(source) >= typed_.tiles.size()) return false;
      const std::uint8_t tile = typed_.tiles[static_cast<std::size_t>(source)];
      if (tile == kInvalidTile) return false;
      row[k] = RemovePositionOffset(tile, q);
    }
    return row[kRowDataTiles] == RowCheckValue(row);
  }

  // The candidate with the mistake at `p` undone: for a missing character
  // the tile at p is `inserted`; for an extra one typed character p is gone.
  // False when a character outside the alphabet remains.
  bool Build(std::size_t p, std::uint8_t inserted, std::uint8_t* tiles) const {
    for (std::size_t q = 0; q < layout_.length; ++q) {
      std::uint8_t tile;
      if (q < p)
        tile = typed_.tiles[q];
      else if (shift_ < 0)
        tile = q == p ? inserted : typed_.tiles[q - 1];
      else
        tile = typed_.tiles[q + 1];
      if (tile == kInvalidTile) return false;
      tiles[q] = tile;
    }
    return true;
  }

  void TryAt(std::size_t p) {
    const std::size_t r = p / kRowLength;
    if (!prefixChecks_[std::min(r, layout_.rows)]) return;
    if (r < layout_.rows && !suffixChecks_[r]) return;

    std::uint8_t tiles[kMaxTiles];
    std::uint8_t values[kMaxTiles];
    auto tryCandidate = [&](std::uint8_t inserted) {
      if (!Build(p, inserted, tiles)) return;
      for (std::size_t q = 0; q < layout_.length; ++q)
        values[q] = RemovePositionOffset(tiles[q], q);
      if (r < layout_.rows) {
        const std::uint8_t* row = values + r * kRowLength;
        if (row[kRowDataTiles] != RowCheckValue(row)) return;
      }
      if (!CheckValueHolds(layout_.type, values)) return;
      Found candidate;
      candidate.password.resize(layout_.length);
      for (std::size_t q = 0; q < layout_.length; ++q) candidate.password[q] = TileToChar(tiles[q]);
      if (shift_ < 0)
        candidate.changes.push_back({RepairKind::Insertion, p + 1, "", CharacterText(inserted)});
      else
        candidate.changes.push_back(
            {RepairKind::Deletion, p + 1, std::string(typed_.characters[p]), ""});
      found_.push_back(std::move(candidate));
    };

    if (shift_ > 0) return tryCandidate(0);
    if (r < layout_.rows) {
      // The inserted character's row fixes its value.
      if (!Build(p, 0, tiles)) return;
      std::uint8_t row[kRowLength];
      for (std::size_t k = 0; k < kRowLength; ++k) {
        const std::size_t q = r * kRowLength + k;
        row[k] = RemovePositionOffset(tiles[q], q);
      }
      return tryCandidate(AddPositionOffset(ValueThatChecks(row, p), p));
    }
    for (unsigned tile = 0; tile < 64; ++tile) tryCandidate(static_cast<std::uint8_t>(tile));
  }

  const Layout& layout_;
  const TypedText& typed_;
  int shift_;
  std::vector<Found>& found_;
  // prefixChecks_[r]: rows 0 .. r - 1 check as typed; suffixChecks_[r]:
  // rows r + 1 .. onward check shifted.
  std::vector<bool> prefixChecks_;
  std::vector<bool> suffixChecks_;
};

// ---------------------------------------------------------------------------
// Ranking

struct Ranked {
  RepairCandidate candidate;
  std::size_t unlike = 0;    // substitutions between characters that do not look alike
  std::string party;         // the data bytes the password carries
  bool zeroPadding = false;  // the last data tile's spare bits are 0, as the encoder writes them
};

bool RanksBefore(const Ranked& a, const Ranked& b) {
  const auto& x = a.candidate;
  const auto& y = b.candidate;
  if (x.changes.size() != y.changes.size()) return x.changes.size() < y.changes.size();
  if (a.unlike != b.unlike) return a.unlike < b.unlike;
  if (x.plausible != y.plausible) return x.plausible;
  for (std::size_t k = 0; k < x.changes.size(); ++k) {
    const RepairChange &c = x.changes[k], &d = y.changes[k];
    const auto left = std::tie(c.position, c.kind, c.from, c.to);
    const auto right = std::tie(d.position, d.kind, d.from, d.to);
    if (left != right) return left < right;
  }
  return x.password < y.password;
}

void ValuesOf(const std::string& password, std::uint8_t* values) {
  for (std::size_t i = 0; i < password.size(); ++i)
    values[i] = RemovePositionOffset(CharToTile(static_cast<unsigned char>(password[i])), i);
}

bool PlausibleText(TPasswordType type, const std::string& password) {
  std::uint8_t values[kMaxTiles];
  ValuesOf(password, values);
  return IsPlausiblePassword(type, values);
}

// Whether the party of a password that passes its checks is plausible, its
// data bytes, and whether its padding bits are zero. Passwords differing only
// in those bits carry the same party.
void DescribeParty(TPasswordType type, Ranked& r) {
  std::uint8_t values[kMaxTiles];
  ValuesOf(r.candidate.password, values);
  r.candidate.plausible = IsPlausiblePassword(type, values);
  std::uint8_t dataTiles[kMaxTiles + 3] = {};
  const std::size_t dataCount = DropRowChecks(values, r.candidate.password.size(), dataTiles);
  const std::size_t byteCount = DataBytes(type) + kCheckValueBytes;
  r.zeroPadding = PaddingBitsZero(dataTiles, dataCount, byteCount);
  std::uint8_t bytes[kMaxPasswordBytes];
  JoinDataTiles(dataTiles, bytes, byteCount);
  r.party.assign(reinterpret_cast<const char*>(bytes), byteCount);
}

bool Decodes(TPasswordType type, std::string_view password) {
  TVelmaraPasswordDecoder decoder;
  TPasswordData data{};
  return decoder.DecodePassword(type, password, &data).empty();
}

}  // namespace

std::string_view RepairKindName(RepairKind kind) {
  switch (kind) {
    case RepairKind::Substitution:
      return "substitution";
    case RepairKind::Swap:
      return "swap";
    case RepairKind::Insertion:
      return "insertion";
    case RepairKind::Deletion:
      return "deletion";
  }
  return "";
}

std::optional<TPasswordType> RepairTypeForLength(std::size_t characters) {
  for (TPasswordType type : {ptGold, ptSilver, ptBronze}) {
    const std::size_t length = PasswordLength(type);
    if (characters + 1 >= length && characters <= length + 1) return type;
  }
  return std::nullopt;
}

RepairResult RepairPassword(TPasswordType type, std::string_view text, std::size_t maxCandidates) {
  RepairResult result;
  if (!IsKnownPasswordType(type)) {
    result.outcome = RepairOutcome::UnknownType;
    return result;
  }
  const std::size_t length = PasswordLength(type);
  const std::size_t characters = Utf8CharCount(text);
  if (characters + 1 < length || characters > length + 1) {
    result.outcome = RepairOutcome::WrongLength;
    return result;
  }
  if (characters == length && Decodes(type, text)) {
    result.outcome = RepairOutcome::AlreadyValid;
    result.found = 1;
    if (maxCandidates > 0)
      result.candidates.push_back({std::string(text), {}, PlausibleText(type, std::string(text))});
    return result;
  }

  const Layout layout = LayoutOf(type);
  const TypedText typed = SplitTypedText(text);
  std::vector<Found> found;
  if (characters == length)
    SameLengthSearch(layout, typed, found).Run();
  else
    LengthSearch(layout, typed, characters < length ? -1 : 1, found).Run();

  std::vector<Ranked> ranked;
  for (Found& f : found) {
    if (!Decodes(type, f.password)) continue;  // the decoder has the last word
    Ranked r;
    for (const RepairChange& change : f.changes)
      if (change.kind == RepairKind::Substitution && !AreLookAlikes(change.from, change.to[0]))
        ++r.unlike;
    r.candidate.password = std::move(f.password);
    r.candidate.changes = std::move(f.changes);
    DescribeParty(type, r);
    ranked.push_back(std::move(r));
  }
  std::sort(ranked.begin(), ranked.end(), RanksBefore);

  // One entry per party: a password reached by two routes, or differing from
  // a better one only in its padding bits, adds nothing. Among equally many
  // changes the form the encoder writes is kept.
  std::unordered_map<std::string, std::size_t> entryOf;
  std::vector<Ranked*> entries;
  for (Ranked& r : ranked) {
    const auto [it, added] = entryOf.try_emplace(r.party, entries.size());
    if (added) {
      entries.push_back(&r);
      continue;
    }
    Ranked*& kept = entries[it->second];
    if (!kept->zeroPadding && r.zeroPadding &&
        r.candidate.changes.size() == kept->candidate.changes.size())
      kept = &r;
  }
  result.found = entries.size();
  for (std::size_t k = 0; k < entries.size() && k < maxCandidates; ++k)
    result.candidates.push_back(std::move(entries[k]->candidate));
  result.outcome = result.found > 0 ? RepairOutcome::Repaired : RepairOutcome::NoCandidate;
  return result;
}

}  // namespace velmara
