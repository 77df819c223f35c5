// The game's vocabulary shared by the codec, the command line and the window:
// item names, character names, Djinn names and the built-in default parties.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "codec/PasswordData.h"

namespace velmara {

// Item table rows: four hex digits of the identifier, a hyphen, the name.
// Strictly increasing identifiers, 0..268, 192 rows; row 0 is the empty slot.
extern const std::array<std::string_view, 192> kItemTable;

// A row's identifier and name.
std::uint16_t ItemTableId(std::string_view row);
constexpr std::string_view ItemTableName(std::string_view row) {
  return row.substr(5);
}

struct ItemName {
  std::string name;
  std::uint16_t id;
};

// The item table expanded so that entry k names item k: 269 entries, "?" for
// identifiers the table skips, an empty name for item 0.
std::vector<ItemName> BuildItemNames();

// Whether the item table has a row for `id` (0, the empty slot, included).
bool IsItemInTable(std::uint16_t id);

// Name of item `id` as the item-name list gives it, "?? (id)" past its end.
std::string ItemDisplayName(const std::vector<ItemName>& names, std::uint16_t id);

constexpr std::array<std::string_view, kCharacterCount> kCharacterNames = {"Isaac", "Garet", "Ivan",
                                                                           "Mia"};
constexpr std::array<std::string_view, kElementCount> kElementNames = {"Venus", "Mercury", "Mars",
                                                                       "Jupiter"};
// kDjinnNames[e][d] is bit d of a character's element-e Djinn word.
constexpr std::array<std::array<std::string_view, kDjinnPerElement>, kElementCount> kDjinnNames = {{
    {"Flint", "Granite", "Quartz", "Vine", "Sap", "Ground", "Bane"},
    {"Fizz", "Sleet", "Mist", "Spritz", "Hail", "Tonic", "Dew"},
    {"Forge", "Fever", "Corona", "Scorch", "Ember", "Flash", "Torch"},
    {"Gust", "Breeze", "Zephyr", "Smog", "Kite", "Squall", "Luff"},
}};

// A character record's five name bytes up to the first zero byte.
std::string CharacterName(const TCharacterRecord& character);

// The three built-in Gold passwords (low, middle, highest level), and the
// hand-made parties they were made from.
enum DefaultParty { kDefaultLow = 0, kDefaultMiddle = 1, kDefaultHigh = 2 };
constexpr int kDefaultPartyCount = 3;
extern const std::array<std::string_view, kDefaultPartyCount> kDefaultPasswords;
TPasswordData MakeDefaultParty(DefaultParty which);

}  // namespace velmara
