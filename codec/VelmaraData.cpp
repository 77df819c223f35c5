#include "codec/VelmaraData.h"

#include <charconv>

namespace velmara {

const std::array<std::string_view, 192> kItemTable = {
    "0000-",
    "0001-Long Sword",
    "0002-Broad Sword",
    "0003-Claymore",
    "0004-Great Sword",
    "0005-Shamshir",
    "0006-Silver Blade",
    "0007-Masamune",
    "0008-Arctic Blade",
    "0009-Gaia Blade",
    "000A-Sol Blade",
    "000B-Muramasa",
    "000F-Machete",
    "0010-Short Sword",
    "0011-Hunter's Sword",
    "0012-Battle Rapier",
    "0013-Master Rapier",
    "0014-Ninja Blade",
    "0015-Swift Sword",
    "0016-Elven Rapier",
    "0017-Assasin Blade",
    "0018-Mystery Blade",
    "0019-Kikuichimonji",
    "001A-Kusanagi",
    "001B-Bandit's Sword",
    "001F-Battle Axe",
    "0020-Broad Axe",
    "0021-Great Axe",
    "0022-Dragon Axe",
    "0023-Giant Axe",
    "0024-Vulcan Axe",
    "0025-Burning Axe",
    "0026-Demon Axe",
    "002B-Mace",
    "002C-Heavy Mace",
    "002D-Battle Mace",
    "002E-War Mace",
    "002F-Righteous Mace",
    "0030-Grievous Mace",
    "0031-Blessed Mace",
    "0032-Wicked Mace",
    "0037-Wooden Stick",
    "0038-Magic Rod",
    "0039-Witch's Wand",
    "003A-Blessed Ankh",
    "003B-Psynergy Rod",
    "003C-Frost Wand",
    "003D-Angelic Ankh",
    "003E-Demonic Staff",
    "003F-Crystal Rod",
    "0040-Zodiac Wand",
    "0041-Shaman's Rod",
    "004B-Leather Armor",
    "004C-Psynergy Armor",
    "004D-Chain Mail",
    "004E-Armored Shell",
    "004F-Plate Mail",
    "0050-Steel Armor",
    "0051-Spirit Armor",
    "0052-Dragon Scales",
    "0053-Demon Mail",
    "0054-Asura's Armor",
    "0055-Spiked Armor",
    "0059-Cotton Shirt",
    "005A-Travel Vest",
    "005B-Fur Coat",
    "005C-Adept's Clothes",
    "005D-Elven Shirt",
    "005E-Silver Vest",
    "005F-Water Jacket",
    "0060-Storm Gear",
    "0061-Kimono",
    "0062-Ninja Garb",
    "0067-One-Piece Dress",
    "0068-Travel Robe",
    "0069-Silk Road",
    "006A-China Dress",
    "006B-Jerkin",
    "006C-Cocktail Dress",
    "006D-Blessed Robe",
    "006E-Magical Cassock",
    "006F-Mysterious Robe",
    "0070-Feathered Robe",
    "0071-Oracle's Robe",
    "0076-Wooden Shield",
    "0077-Bronze Shield",
    "0078-Iron Shield",
    "0079-Knight's Shield",
    "007A-Mirrored Shield",
    "007B-Dragon Shield",
    "007C-Earth Shield",
    "007F-Padded Gloves",
    "0080-Leather Gloves",
    "0081-Gauntlets",
    "0082-Vambrace",
    "0083-War Gloves",
    "0084-Spirit Gloves",
    "0085-Battle Gloves",
    "0086-Aura Gloves",
    "0088-Leather Armlet",
    "0089-Armlet",
    "008A-Heavy Armlet",
    "008B-Silver Armlet",
    "008C-Spirit Armlet",
    "008D-Virtuous Armlet",
    "008E-Guardian Armlet",
    "0091-Open Helm",
    "0092-Bronze Helm",
    "0093-Iron Helm",
    "0094-Steel Helm",
    "0095-Silver Helm",
    "0096-Knight's Helm",
    "0097-Warrior's Helm",
    "0098-Adept's Helm",
    "009C-Leather Cap",
    "009D-Wooden Cap",
    "009E-Mail Cap",
    "009F-Jeweled Crown",
    "00A0-Ninja Hood",
    "00A1-Lucky Cap",
    "00A2-Thunder Crown",
    "00A3-Prophet's Cap",
    "00A4-Lure Cap",
    "00A6-Circlet",
    "00A7-Silver Circlet",
    "00A8-Guardian Circlet",
    "00A9-Platinum Circlet",
    "00AA-Mythril Circlet",
    "00AB-Glittering Tiara",
    "00B4-Herb",
    "00B5-Nut",
    "00B6-Vial",
    "00B7-Potion",
    "00B8-Hermes' Water",
    "00B9-Empty Bottle",
    "00BA-Psy Crystal",
    "00BB-Antidote",
    "00BC-Elixir",
    "00BD-Water of Life",
    "00BF-Power Bread",
    "00C0-Cookie",
    "00C1-Apple",
    "00C2-Hard Nut",
    "00C3-Mint",
    "00C4-Lucky Pepper",
    "00C8-Orb of Force",
    "00C9-Douse Drop",
    "00CA-Frost Jewel",
    "00CB-Lifting Gem",
    "00CC-Halt Gem",
    "00CD-Cloak Ball",
    "00CE-Carry Stone",
    "00CF-Catch Beads",
    "00DC-Venus Star",
    "00DD-Mercury Star",
    "00DE-Mars Star",
    "00DF-Jupiter Star",
    "00E0-Mythril Bag",
    "00E1-Small Jewel",
    "00E2-Smoke Bomb",
    "00E3-Sleep Bomb",
    "00E4-Game Ticket",
    "00E5-Lucky Medal",
    "00E6-Dragon's Eye",
    "00E7-Bone",
    "00E8-Anchor Charm",
    "00E9-Corn",
    "00EA-Cell Key",
    "00EB-Boat ticket",
    "00EC-Sacred Feather",
    "00ED-Mystic Draught",
    "00EE-Oil Drop",
    "00EF-Weasel's Claw",
    "00F0-Bramble Seed",
    "00F1-Crystal Powder",
    "00F2-Black Orb",
    "00F3-Red Key",
    "00F4-Blue Key",
    "00FA-Mythril Shirt",
    "00FB-Silk Shirt",
    "00FC-Running Shirt",
    "0100-Hyper Boots",
    "0101-Quick Boots",
    "0102-Fur Boots",
    "0103-Turtle Boots",
    "0106-Adept Ring",
    "0107-War Ring",
    "0108-Sleep Ring",
    "0109-Healing Ring",
    "010A-Unicorn Ring",
    "010B-Fairy Ring",
    "010C-Cleric's Ring",
};

std::uint16_t ItemTableId(std::string_view row) {
  std::uint16_t id = 0;
  std::from_chars(row.data(), row.data() + 4, id, 16);
  return id;
}

std::vector<ItemName> BuildItemNames() {
  std::vector<ItemName> names;
  int next = 0;
  for (std::string_view row : kItemTable) {
    const int id = ItemTableId(row);
    for (; next < id; ++next) names.push_back({"?", static_cast<std::uint16_t>(next)});
    names.push_back({std::string(ItemTableName(row)), static_cast<std::uint16_t>(id)});
    next = id + 1;
  }
  return names;
}

bool IsItemInTable(std::uint16_t id) {
  static const auto present = [] {
    std::array<bool, kItemIdMask + 1> table{};
    for (std::string_view row : kItemTable) table[ItemTableId(row)] = true;
    return table;
  }();
  return id < present.size() && present[id];
}

std::string ItemDisplayName(const std::vector<ItemName>& names, std::uint16_t id) {
  if (id < names.size()) return names[id].name;
  return "?? (" + std::to_string(id) + ")";
}

std::string CharacterName(const TCharacterRecord& character) {
  std::string name;
  for (std::uint8_t byte : character.Name) {
    if (byte == 0) break;
    name += static_cast<char>(byte);
  }
  return name;
}

}  // namespace velmara
