#include "core/PartyRules.h"

namespace velmara {

DjinnMasks DjinnHeld(const TPasswordData& data) {
  DjinnMasks held{};
  for (int e = 0; e < kElementCount; ++e)
    for (const TCharacterRecord& character : data.Characters)
      held[e] |= character.Djinn[e] & kDjinnWordMask;
  return held;
}

void PlaceDjinn(TPasswordData& data, const DjinnMasks& held) {
  for (int e = 0; e < kElementCount; ++e)
    for (int j = 0; j < kElementCount; ++j)
      data.Characters[e].Djinn[j] = j == e ? held[e] & kDjinnWordMask : 0;
}

std::optional<SlotPosition> StoryItemSlot(const TPasswordData& data, const InventoryLists& lists,
                                          std::uint16_t id) {
  for (const TCharacterRecord& character : data.Characters)
    for (const std::uint16_t word : character.Items)
      if (ItemId(word) == id) return std::nullopt;
  for (int c = 0; c < kCharacterCount; ++c)
    for (std::size_t j = 0; j < lists[c].size(); ++j)
      if (lists[c][j] == 0) return SlotPosition{c, static_cast<int>(j)};
  return std::nullopt;
}

std::string CharacterCaption(const TCharacterRecord& character) {
  std::string caption;
  for (const std::uint8_t byte : character.Name) {
    if (byte == 0) break;
    if (byte < 0x80) {
      caption += static_cast<char>(byte);
    } else {
      caption += static_cast<char>(0xC0 | byte >> 6);
      caption += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return caption;
}

}  // namespace velmara
