#include "codec/Plausibility.h"

#include <cstring>

#include "codec/BitStream.h"
#include "codec/PasswordData.h"
#include "codec/PasswordTiles.h"
#include "codec/VelmaraData.h"

namespace velmara {

namespace {

bool LevelsPlausible(const std::uint8_t* bytes) {
  const std::uint32_t levels = PackedLevels(bytes);
  for (int i = 0; i < kCharacterCount; ++i) {
    const std::uint32_t level = levels >> (kLevelBits * i) & kLevelFieldMask;
    if (level < kMinLevel || level > kMaxLevel) return false;
  }
  return (bytes[kSideQuestByte] & ~kSideQuestBitsMask) == 0;
}

bool StatisticsPlausible(const std::uint8_t* block) {
  BitCursor fields(block);
  for (int i = 0; i < kCharacterCount; ++i) {
    const std::uint32_t hp = fields.Next(kHpBits), pp = fields.Next(kPpBits),
                        attack = fields.Next(kAttackBits), defense = fields.Next(kDefenseBits),
                        agility = fields.Next(kAgilityBits), luck = fields.Next(kLuckBits);
    if (hp > kMaxHpPp || pp > kMaxHpPp || attack > kWindowMaxAttackDefenseAgility ||
        defense > kWindowMaxAttackDefenseAgility || agility > kWindowMaxAttackDefenseAgility ||
        luck > kMaxLuck)
      return false;
  }
  return true;
}

bool GoldInventoryPlausible(const std::uint8_t* bytes) {
  if (bytes[kGoldUnusedByte] != 0) return false;
  for (std::size_t b = kGoldUnusedTailByte; b < DataBytes(ptGold); ++b)
    if (bytes[b] != 0) return false;

  const std::uint8_t* items = bytes + kGoldItemsByte;
  constexpr int kItemCount = kCharacterCount * kSlotsPerCharacter;
  std::uint16_t ids[kItemCount];
  for (int g = 0; g < kItemCount; ++g) {
    const std::size_t position = GoldItemBitPosition(g);
    ids[g] = static_cast<std::uint16_t>(ReadBitsAt(items, position, kItemIdBits));
    if (!IsItemInTable(ids[g])) return false;
    // The bit after a full group's seventh identifier is unused.
    if (g % kItemsPerGroup == kItemsPerGroup - 1 &&
        ReadBitsAt(items, position + kItemIdBits, 1) != 0)
      return false;
  }

  BitCursor quantities(bytes + kGoldQuantitiesByte, kGoldQuantitiesFirstBit);
  for (int c = 0; c < kCharacterCount; ++c) {
    for (std::uint16_t stackable : kStackableItems) {
      const std::uint32_t field = quantities.Next(kQuantityBits);
      bool held = false;
      for (int slot = 0; slot < kSlotsPerCharacter; ++slot)
        held |= ids[c * kSlotsPerCharacter + slot] == stackable;
      if (field != 0 && !held) return false;
    }
  }

  const std::uint32_t coins = static_cast<std::uint32_t>(bytes[kGoldCoinsByte]) << 16 |
                              bytes[kGoldCoinsByte + 1] << 8 | bytes[kGoldCoinsByte + 2];
  return coins <= kWindowMaxCoins;
}

}  // namespace

bool IsPlausiblePassword(TPasswordType type, const std::uint8_t* values) {
  const std::size_t length = PasswordLength(type);
  std::uint8_t dataTiles[kMaxTiles + 3] = {};
  const std::size_t dataCount = DropRowChecks(values, length, dataTiles);
  const std::size_t byteCount = DataBytes(type) + kCheckValueBytes;
  if (!PaddingBitsZero(dataTiles, dataCount, byteCount)) return false;

  // Eight spare zero bytes let every field be read with one eight-byte load.
  std::uint8_t bytes[kMaxPasswordBytes + 8] = {};
  JoinDataTiles(dataTiles, bytes, byteCount);
  ScrambleWithLastByte(bytes, byteCount);

  if (!LevelsPlausible(bytes)) return false;
  switch (type) {
    case ptGold:
      return StatisticsPlausible(bytes + kGoldStatsByte) && GoldInventoryPlausible(bytes);
    case ptSilver:
      return StatisticsPlausible(bytes + kSilverStatsByte);
    case ptBronze:
      return true;
  }
  return false;
}

}  // namespace velmara
