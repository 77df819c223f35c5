#include "core/InventorySlots.h"

#include <utility>

namespace velmara {

std::string InventorySlotText(const std::vector<ItemName>& names, std::uint16_t word) {
  return SlotTextWithQuantity(ItemDisplayName(names, ItemId(word)), ItemQuantity(word));
}

std::string SlotTextWithQuantity(std::string name, int quantity, std::string_view shown) {
  if (quantity > 1) {
    name += " * ";
    name += shown;
  }
  return name;
}

std::string SlotTextWithQuantity(std::string name, int quantity) {
  return SlotTextWithQuantity(std::move(name), quantity, std::to_string(quantity));
}

ItemColourClass ColourClassOf(std::uint16_t word) {
  if (IsSpecialItem(word)) return ItemColourClass::Special;
  if (IsStackableItem(word)) return ItemColourClass::Stackable;
  if (IsStoryItem(word)) return ItemColourClass::Story;
  return ItemColourClass::Other;
}

std::optional<RgbColour> ClassColour(ItemColourClass cls) {
  switch (cls) {
    case ItemColourClass::Special:
      return RgbColour{0, 0, 255};
    case ItemColourClass::Stackable:
      return RgbColour{0, 191, 0};
    case ItemColourClass::Story:
      return RgbColour{255, 0, 0};
    case ItemColourClass::Other:
      break;
  }
  return std::nullopt;
}

}  // namespace velmara
