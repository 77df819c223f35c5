// The party record shared by the first game's save blocks, the password data
// file and the password codec, and the small numeric tables that give its
// fields their meaning. Every offset here is binding: the record is bytes
// 16..2623 of a save block and the whole of a .dat file.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace velmara {

static_assert(std::endian::native == std::endian::little,
              "the record is a little-endian byte image and is copied whole");

constexpr int kCharacterCount = 4;
constexpr int kSlotsPerCharacter = 15;
constexpr int kElementCount = 4;
constexpr int kDjinnPerElement = 7;
// Bits 0..6 of a Djinn word: bit d is the element's Djinn d.
constexpr std::uint32_t kDjinnWordMask = (1u << kDjinnPerElement) - 1;
constexpr int kSideQuestCount = 6;
constexpr int kSpecialItemCount = 8;
constexpr int kStackableItemCount = 23;

// One character of the party, 332 bytes. Fields are naturally aligned at
// their fixed offsets, so no packing attribute is needed; the reserved arrays
// keep the bytes the system does not interpret and carry them unchanged.
struct TCharacterRecord {
  std::uint8_t Name[5];  // ended early by a zero byte when shorter
  std::uint8_t Reserved5[10];
  std::uint8_t Level;  // 1..99
  std::uint16_t HP;    // 0..1999
  std::uint16_t PP;    // 0..1999
  std::uint8_t Reserved20[4];
  std::uint16_t Attack;   // 0..999 in a password, 511 in the window
  std::uint16_t Defense;  // as Attack
  std::uint16_t Agility;  // as Attack
  std::uint8_t Luck;      // 0..99
  std::uint8_t Reserved31[185];
  std::uint16_t Items[kSlotsPerCharacter];  // item words, see ItemId/ItemQuantity
  std::uint8_t Reserved246[2];
  std::uint32_t Djinn[kElementCount];  // Venus, Mercury, Mars, Jupiter; bit d = Djinn d
  std::uint8_t Reserved264[68];
};

// The whole party record, 2608 bytes: the 1280-byte general area followed by
// the four character records.
struct TPasswordData {
  std::uint8_t SaveName[5];
  std::uint8_t Reserved5[28];
  std::uint8_t ClearMark;  // 1 marks a cleared save slot
  std::uint8_t Reserved34[30];
  std::uint8_t EventFlags[528];  // flag n: byte n / 8, bit n % 8
  std::uint32_t Coins;
  std::uint8_t Reserved596[684];
  TCharacterRecord Characters[kCharacterCount];  // Isaac, Garet, Ivan, Mia
};

constexpr std::size_t kCharacterRecordSize = 332;
constexpr std::size_t kPasswordDataSize = 2608;
constexpr std::size_t kGeneralAreaSize = 1280;
constexpr std::size_t kCharacterAreaOffset = 1280;
constexpr std::size_t kCharacterAreaSize = kCharacterCount * kCharacterRecordSize;  // 1328
constexpr std::size_t kEventFlagsOffset = 64;
constexpr std::size_t kCoinsOffset = 592;

static_assert(std::is_trivially_copyable_v<TPasswordData> &&
              std::is_standard_layout_v<TPasswordData>);
static_assert(sizeof(TCharacterRecord) == kCharacterRecordSize);
static_assert(offsetof(TCharacterRecord, Name) == 0);
static_assert(offsetof(TCharacterRecord, Level) == 15);
static_assert(offsetof(TCharacterRecord, HP) == 16);
static_assert(offsetof(TCharacterRecord, PP) == 18);
static_assert(offsetof(TCharacterRecord, Attack) == 24);
static_assert(offsetof(TCharacterRecord, Defense) == 26);
static_assert(offsetof(TCharacterRecord, Agility) == 28);
static_assert(offsetof(TCharacterRecord, Luck) == 30);
static_assert(offsetof(TCharacterRecord, Items) == 216);
static_assert(offsetof(TCharacterRecord, Djinn) == 248);
static_assert(sizeof(TPasswordData) == kPasswordDataSize);
static_assert(offsetof(TPasswordData, SaveName) == 0);
static_assert(offsetof(TPasswordData, ClearMark) == 33);
static_assert(offsetof(TPasswordData, EventFlags) == kEventFlagsOffset);
static_assert(offsetof(TPasswordData, Coins) == kCoinsOffset);
static_assert(offsetof(TPasswordData, Characters) == kCharacterAreaOffset);
static_assert(kCharacterAreaOffset + kCharacterAreaSize == kPasswordDataSize);

// Item word: identifier in bits 0..8, bits 9..10 unused, quantity - 1 in bits 11..15.
constexpr std::uint16_t kItemIdMask = 0x01FF;
constexpr int kQuantityShift = 11;
constexpr std::uint16_t kQuantityFieldMask = 0xF800;

constexpr std::uint16_t ItemId(std::uint16_t word) {
  return word & kItemIdMask;
}
constexpr int ItemQuantity(std::uint16_t word) {
  return (word >> kQuantityShift) + 1;
}
// The quantity field as stored (quantity - 1), 0..31.
constexpr int ItemQuantityField(std::uint16_t word) {
  return word >> kQuantityShift;
}
// An item word for `id` holding `quantity` pieces (1..32); bits 9..10 clear.
constexpr std::uint16_t MakeItemWord(std::uint16_t id, int quantity = 1) {
  return static_cast<std::uint16_t>(((quantity - 1) << kQuantityShift) | (id & kItemIdMask));
}

// Event-flag numbers of the six side quests, in password order (side quest 1
// is bit 0 of a password's flags byte).
constexpr std::array<std::uint16_t, kSideQuestCount> kSideQuestFlags = {2369, 2385, 2227,
                                                                        2257, 2078, 2152};
// Entry m is bit m of the special-item mask of Silver and Bronze passwords.
constexpr std::array<std::uint16_t, kSpecialItemCount> kSpecialItems = {200, 201, 202, 203,
                                                                        204, 205, 206, 207};
// Items whose quantity a Gold password carries, in password order.
constexpr std::array<std::uint16_t, kStackableItemCount> kStackableItems = {
    180, 181, 182, 183, 186, 187, 188, 189, 191, 192, 193, 194,
    195, 196, 226, 227, 228, 229, 236, 238, 239, 240, 241};
// Story items the sequel cannot be finished without.
constexpr std::uint16_t kMarsStar = 222;
constexpr std::uint16_t kBlackOrb = 242;

constexpr bool IsSpecialItem(std::uint16_t word) {
  for (auto id : kSpecialItems)
    if (ItemId(word) == id) return true;
  return false;
}
constexpr bool IsStackableItem(std::uint16_t word) {
  for (auto id : kStackableItems)
    if (ItemId(word) == id) return true;
  return false;
}
constexpr bool IsStoryItem(std::uint16_t word) {
  return ItemId(word) == kMarsStar || ItemId(word) == kBlackOrb;
}

// Byte and bit of an event flag inside the record.
constexpr std::size_t EventFlagByte(std::uint16_t flag) {
  return kEventFlagsOffset + flag / 8;
}
constexpr int EventFlagBit(std::uint16_t flag) {
  return flag % 8;
}
static_assert(EventFlagByte(2369) == 360 && EventFlagBit(2369) == 1);
static_assert(EventFlagByte(2078) == 323 && EventFlagBit(2078) == 6);

inline bool GetEventFlag(const TPasswordData& data, std::uint16_t flag) {
  return (data.EventFlags[flag / 8] >> (flag % 8)) & 1;
}
inline void SetEventFlag(TPasswordData& data, std::uint16_t flag, bool on) {
  const auto bit = static_cast<std::uint8_t>(1u << (flag % 8));
  if (on)
    data.EventFlags[flag / 8] |= bit;
  else
    data.EventFlags[flag / 8] &= static_cast<std::uint8_t>(~bit);
}

}  // namespace velmara
