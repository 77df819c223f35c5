// Inventory slots as the window's lists and the inventory editor show them:
// the row text of an item word, and the colour class that tells the user
// what each password type does with the item.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codec/VelmaraData.h"

namespace velmara {

// "Herb * 3" for a word of Herb with quantity 3; "" for an empty slot;
// "?? (300)" for an identifier past the end of the item-name list.
std::string InventorySlotText(const std::vector<ItemName>& names, std::uint16_t word);

// A slot's text for `quantity` pieces of the item `name`: "Herb * 3", or the
// name alone for a single piece. `shown` is the quantity as written after
// the star; the editor keeps the number as the user typed it ("03") until
// the window next fills its lists.
std::string SlotTextWithQuantity(std::string name, int quantity, std::string_view shown);
std::string SlotTextWithQuantity(std::string name, int quantity);

// Tested in this order; the classes do not depend on the password type.
enum class ItemColourClass { Special, Stackable, Story, Other };
ItemColourClass ColourClassOf(std::uint16_t word);

struct RgbColour {
  std::uint8_t red, green, blue;
};

// Rows of the first three classes are bold in these colours, on the selected
// row too; Other rows are regular, in the list's own text colour (nullopt).
std::optional<RgbColour> ClassColour(ItemColourClass cls);

}  // namespace velmara
