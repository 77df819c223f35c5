// The window's rules for the party as a whole: where the Djinn go, which
// story items a Gold password must carry, and the character captions.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "codec/PasswordData.h"

namespace velmara {

// Element e's Djinn as one 7-bit mask: bit d is Djinn d.
using DjinnMasks = std::array<std::uint32_t, kElementCount>;

// The Djinn shown as obtained: a Djinn that any character holds counts,
// whichever character holds it.
DjinnMasks DjinnHeld(const TPasswordData& data);

// Gives every Djinn of element e to character e (Venus to Isaac, Mercury to
// Garet, Mars to Ivan, Jupiter to Mia); all sixteen Djinn words are written.
void PlaceDjinn(TPasswordData& data, const DjinnMasks& held);

// The story items a Gold password makes sure of, in the order they are placed.
inline constexpr std::array<std::uint16_t, 2> kStoryItemsInOrder = {kMarsStar, kBlackOrb};

// The item words of the four inventory lists as the window holds them
// between refreshes, list c for character c.
using InventoryLists = std::array<std::vector<std::uint16_t>, kCharacterCount>;

struct SlotPosition {
  int character;
  int slot;
};

// Where a Gold refresh puts story item `id`: the first list row carrying the
// word 0, in the order Isaac, Garet, Ivan, Mia. nullopt when some slot of the
// record already holds the item, or when no row is empty.
std::optional<SlotPosition> StoryItemSlot(const TPasswordData& data, const InventoryLists& lists,
                                          std::uint16_t id);

// A character record's name up to the first zero byte, each byte one
// character (Latin-1), as UTF-8.
std::string CharacterCaption(const TCharacterRecord& character);

}  // namespace velmara
