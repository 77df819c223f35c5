// Sizes and byte positions of the three transfer password types. FORMAT.md
// beside this file walks through the same layout in prose.
#pragma once

#include <cstddef>
#include <cstdint>

namespace velmara {

enum TPasswordType : std::int32_t { ptGold = 0, ptSilver = 1, ptBronze = 2 };

constexpr bool IsKnownPasswordType(std::int32_t type) {
  return type >= ptGold && type <= ptBronze;
}

constexpr std::size_t kMaxPasswordBytes = 175;  // Gold data bytes plus the check value
constexpr std::size_t kMaxTiles = 260;          // Gold characters
constexpr std::size_t kCheckValueBytes = 2;
constexpr std::size_t kRowLength = 10;  // nine data characters and one row check character
constexpr std::size_t kRowDataTiles = 9;
constexpr std::size_t kPageLength = 50;  // five rows
constexpr std::size_t kRowsPerPage = kPageLength / kRowLength;
// Characters are shown and copied in groups of five, two groups to a row.
constexpr std::size_t kGroupLength = 5;
constexpr int kTileBits = 6;

struct PasswordTypeInfo {
  std::size_t dataBytes;   // packed data before the check value
  std::size_t characters;  // tiles and characters, row checks included
  const char* name;        // in messages and test names
};

constexpr PasswordTypeInfo kPasswordTypeInfo[] = {
    {173, 260, "Gold"},  // ptGold
    {39, 61, "Silver"},  // ptSilver
    {9, 16, "Bronze"},   // ptBronze
};

constexpr std::size_t DataBytes(TPasswordType type) {
  return kPasswordTypeInfo[type].dataBytes;
}
constexpr std::size_t PasswordLength(TPasswordType type) {
  return kPasswordTypeInfo[type].characters;
}
constexpr const char* PasswordTypeName(TPasswordType type) {
  return kPasswordTypeInfo[type].name;
}

// Header, all types.
constexpr std::size_t kLevelsByte = 0;       // bytes 0..2 and the high nibble of byte 3
constexpr std::size_t kDjinnByte = 3;        // low nibble of byte 3, then bytes 4..6
constexpr std::size_t kSideQuestByte = 7;    // bit n = side quest n + 1
constexpr std::size_t kSpecialItemByte = 8;  // Silver and Bronze only
constexpr int kLevelBits = 7;
constexpr std::uint32_t kLevelFieldMask = (1u << kLevelBits) - 1;

// The levels field of packed password bytes: bits 7i..7i+6 are character i's.
constexpr std::uint32_t PackedLevels(const std::uint8_t* bytes) {
  return bytes[kLevelsByte] | bytes[kLevelsByte + 1] << 8 | bytes[kLevelsByte + 2] << 16 |
         static_cast<std::uint32_t>(bytes[kLevelsByte + 3] & 0xF0) << 20;
}
constexpr int kDjinnBitsPerElement = 7;  // one Djinn word's bits 0..6

// Statistics block: 30 bytes, 60 bits per character.
constexpr std::size_t kGoldStatsByte = 8;
constexpr std::size_t kSilverStatsByte = 9;
constexpr std::size_t kStatsBlockBytes = 30;
constexpr int kHpBits = 11, kPpBits = 11, kAttackBits = 10, kDefenseBits = 10, kAgilityBits = 10,
              kLuckBits = 8;
constexpr int kStatsBitsPerCharacter =
    kHpBits + kPpBits + kAttackBits + kDefenseBits + kAgilityBits + kLuckBits;
static_assert(kStatsBitsPerCharacter == 60);

// Gold inventories: 60 item identifiers of 9 bits, seven to each group of
// eight bytes (the last bit of each group unused), starting at byte 39.
constexpr std::size_t kGoldItemsByte = 39;
constexpr int kItemIdBits = 9;
constexpr int kItemsPerGroup = 7;
constexpr int kItemGroupBits = 64;
// Bit position of item identifier g (0..59) in the region from byte 39.
constexpr std::size_t GoldItemBitPosition(int g) {
  return static_cast<std::size_t>(kItemGroupBits * (g / kItemsPerGroup) +
                                  kItemIdBits * (g % kItemsPerGroup));
}
// Gold quantities: 92 five-bit values, starting at bit 4 of byte 107.
constexpr std::size_t kGoldQuantitiesByte = 107;
constexpr int kGoldQuantitiesFirstBit = 4;
constexpr int kQuantityBits = 5;
// Gold coins: the low 24 bits, high byte first.
constexpr std::size_t kGoldCoinsByte = 165;
constexpr std::size_t kGoldCoinsBytes = 3;
// The encoder leaves byte 38 (between the statistics and the items), the last
// bit of every item group and bytes 168..172 (after the coins) zero, and so
// bits 6 and 7 of the side-quest byte.
constexpr std::size_t kGoldUnusedByte = kGoldStatsByte + kStatsBlockBytes;
static_assert(kGoldUnusedByte + 1 == kGoldItemsByte);
constexpr std::size_t kGoldUnusedTailByte = kGoldCoinsByte + kGoldCoinsBytes;
constexpr std::uint8_t kSideQuestBitsMask = 0x3F;

// Stat bounds the sequel accepts; larger values are lowered in the encoder's copy.
constexpr std::uint16_t kMaxHpPp = 1999;
constexpr std::uint16_t kMaxAttackDefenseAgility = 999;
constexpr std::uint8_t kMaxLuck = 99;
constexpr std::uint8_t kMaxLevel = 99;
constexpr std::uint8_t kMinLevel = 1;
// What the window lets a user enter: Attack, Defense and Agility up to 511,
// coins up to 999999.
constexpr std::uint16_t kWindowMaxAttackDefenseAgility = 511;
constexpr std::uint32_t kWindowMaxCoins = 999999;

}  // namespace velmara
