// The rules of the window's edit fields: how typed text becomes a number, and
// the bounds of the 28 statistic edits and of the coins. Input is never
// refused: text that is no number takes a fixed value and every number is
// brought to its nearest bound without a message.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "codec/PasswordData.h"
#include "codec/PasswordFormat.h"

namespace velmara {

// A decimal integer in UTF-8 text: optional white space (Unicode blanks and
// line breaks included) around an optional sign and ASCII digits. nullopt for
// anything else, the empty text included, and for values outside 32 bits.
std::optional<std::int32_t> ParseEditInteger(std::string_view text);

// What a statistic edit holds: the level edits stay enabled for every
// password type, the statistic edits are disabled under Bronze.
enum class StatKind { Statistic = 1, Level = 2 };

// One row of a character's statistics group: the record field, its caption,
// the edit's maximum input length (which also gives the bound and the width
// of the store) and its kind.
struct StatField {
  const char* name;     // middle part of the edit's name: e<Character><name>
  const char* caption;  // UTF-8
  int maxLength;
  StatKind kind;
  std::uint8_t TCharacterRecord::*byteField;   // used when maxLength is 2
  std::uint16_t TCharacterRecord::*wordField;  // used when maxLength is 3 or 4
};

constexpr int kStatFieldCount = 7;
constexpr int kLevelField = 0;

inline constexpr std::array<StatField, kStatFieldCount> kStatFields = {{
    {"Level", "等级:", 2, StatKind::Level, &TCharacterRecord::Level, nullptr},
    {"HP", "HP:", 4, StatKind::Statistic, nullptr, &TCharacterRecord::HP},
    {"PP", "PP:", 4, StatKind::Statistic, nullptr, &TCharacterRecord::PP},
    {"Attack", "攻击:", 3, StatKind::Statistic, nullptr, &TCharacterRecord::Attack},
    {"Defense", "防御:", 3, StatKind::Statistic, nullptr, &TCharacterRecord::Defense},
    {"Agility", "敏捷:", 3, StatKind::Statistic, nullptr, &TCharacterRecord::Agility},
    {"Luck", "运气:", 2, StatKind::Statistic, &TCharacterRecord::Luck, nullptr},
}};

// The largest value an edit of this maximum input length stores.
constexpr std::uint16_t StatBound(int maxLength) {
  static_assert(kMaxLevel == kMaxLuck, "levels and Luck share the two-digit edits");
  return maxLength == 2 ? kMaxLuck : maxLength == 3 ? kWindowMaxAttackDefenseAgility : kMaxHpPp;
}

// Text that is no number counts as 1 in a statistic edit.
constexpr std::int32_t kStatFallback = 1;

// The value a statistic edit of this maximum input length stores for `text`:
// the number brought to 1..bound, or 1 for text that is no number.
std::uint16_t StatFromText(std::string_view text, int maxLength);

// The field's value in the record, and storing a value into it.
unsigned StatValue(const TCharacterRecord& record, const StatField& field);
void SetStatValue(TCharacterRecord& record, const StatField& field, std::uint16_t value);

// Bronze passwords carry levels but no statistics.
constexpr bool IsStatEditEnabled(StatKind kind, TPasswordType type) {
  return type != ptBronze || kind == StatKind::Level;
}

constexpr std::uint32_t kMaxCoins = kWindowMaxCoins;
// Coins text that is no number counts as the largest 32-bit integer and so
// ends at the coin limit.
constexpr std::int32_t kCoinsFallback = 2147483647;

// The coins stored for `text`: taken as an unsigned 32-bit number, so a
// negative entry also ends at the limit.
std::uint32_t CoinsFromText(std::string_view text);

// Only a Gold password carries the coins.
constexpr bool IsCoinsEditEnabled(TPasswordType type) {
  return type == ptGold;
}

}  // namespace velmara
