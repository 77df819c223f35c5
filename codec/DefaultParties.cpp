// The three built-in parties and the Gold passwords made from them. The
// window decodes a password at start-up and from the Defaults menu, exactly as
// pasted text; a test checks that each constant is what the encoder makes of
// its party, so the two can never drift apart.
#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "codec/VelmaraData.h"

namespace velmara {

const std::array<std::string_view, kDefaultPartyCount> kDefaultPasswords = {
    // Low level: the party shortly after the first game's halfway point.
    "9w7X6nm$f+BNsjiVGqBm9ggZ7Whyd!VrhqCh$4t$Fa=$!u&Sng"
    "UzPGPNjX2aL$nLVWjR!25ZvQ&hdU=+niZKCYs6YVWm?9cmT%?A"
    "jYC+p4GCL7CiDA4?FGhhWS=n2WDs6r3JxbCSV7P5A?fLXCqk3x"
    "Hvr8MzvcTe6!hWs$m2EhBs7KFwbPK6?fUQ%kYUBVr5ZGv95LzL"
    "eaZ$ieVAnHj2Ftp6KxtEbQ#yfU+#j$ZD=q5HDu9uNJzeSME2W9"
    "TAp3XDd7UY",
    // Middle level: the party as most players finish the first game.
    "uGtX8hys4i=n$L5YrhvA7L5WF9Tcp9&nf#n!n3Gk+G9S?c&?Em"
    "nKxEM!PPYyAZ7=D!eFJeAa$?Dv=cdEfghr5LM!XDU5Kge&nGz?"
    "?#&$%+=AzaBDDS#+hJ7SmJRSTUVWXYZ234k9HhM?!5nHvmrijj"
    "mnpqrstur2xy=A?#&$%y=ABCDEFGHsKNMNPQ=STnVWXZZ2345F"
    "789abcdefQhijumnpqratuvwxGzw?q&$%+=ABCDnFGHJKTyyPU"
    "RSTUVVpYUU",
    // Highest level: everything collected, every character at level 99.
    "JWS%H2#EZCjBKqH$jNVBjHn%48awdPFE6MRwnD6vcyNPKFA3FC"
    "$whJu4#kz5XLi#mH?+gXfE7!2iZ!SUA%78g3A%2tpjYKeV&6E6"
    "yHYVvm4ZZTu$5u8i%4ixQtuPnjKBsuqQGxeNJ%DEPTLN&=Ri9K"
    "2HEe6MJiavSPnfWQtj2hYyq74#ub8t=zgdD?#iHjArnNEvASJm"
    "!xXPL?3TAb+84FCc4KG7h9QMmdURrCiZYw$V2!sPa7%xhP?wi7"
    "gG+pkKitc4",
};

namespace {

struct Slot {
  std::string_view item;
  int quantity = 1;
};

struct CharacterPlan {
  std::uint8_t level;
  std::uint16_t hp, pp, attack, defense, agility;
  std::uint8_t luck;
  std::initializer_list<Slot> items;
};

struct PartyPlan {
  CharacterPlan characters[kCharacterCount];
  std::uint8_t djinn[kElementCount];  // bit d: the element's Djinn d
  std::uint8_t sideQuests;            // bit n: side quest n + 1
  std::uint32_t coins;
};

std::uint16_t ItemIdByName(std::string_view name) {
  for (std::string_view row : kItemTable)
    if (ItemTableName(row) == name) return ItemTableId(row);
  throw std::logic_error("unknown item in a default party: " + std::string(name));
}

// clang-format off
const PartyPlan kParties[kDefaultPartyCount] = {
    {{
         {14, 168, 52, 71, 30, 58, 3,
          {{"Long Sword"}, {"Leather Armor"}, {"Wooden Shield"}, {"Leather Cap"},
           {"Herb", 6}, {"Antidote", 2}, {"Mars Star"}, {"Orb of Force"}, {"Catch Beads"}}},
         {14, 184, 41, 76, 33, 49, 2,
          {{"Battle Axe"}, {"Leather Armor"}, {"Padded Gloves"}, {"Open Helm"},
           {"Nut", 3}, {"Vial"}, {"Black Orb"}, {"Douse Drop"}}},
         {13, 139, 63, 58, 24, 66, 4,
          {{"Wooden Stick"}, {"Cotton Shirt"}, {"Leather Armlet"}, {"Circlet"},
           {"Herb", 2}, {"Frost Jewel"}}},
         {13, 145, 66, 55, 26, 52, 4,
          {{"Mace"}, {"One-Piece Dress"}, {"Leather Armlet"}, {"Circlet"},
           {"Psy Crystal"}, {"Antidote"}}},
     },
     {0x03, 0x01, 0x01, 0x03}, 0x01, 4816},
    {{
         {29, 301, 97, 138, 61, 114, 4,
          {{"Gaia Blade"}, {"Spirit Armor"}, {"Knight's Shield"}, {"Silver Helm"},
           {"Herb", 9}, {"Potion", 3}, {"Psy Crystal", 2}, {"Mars Star"}, {"Orb of Force"},
           {"Lifting Gem"}, {"Catch Beads"}, {"Halt Gem"}}},
         {29, 327, 78, 146, 66, 97, 3,
          {{"Burning Axe"}, {"Steel Armor"}, {"War Gloves"}, {"Steel Helm"},
           {"Nut", 5}, {"Elixir", 2}, {"Smoke Bomb", 4}, {"Douse Drop"}, {"Carry Stone"}}},
         {28, 248, 118, 117, 50, 131, 6,
          {{"Frost Wand"}, {"Storm Gear"}, {"Spirit Armlet"}, {"Silver Circlet"},
           {"Water of Life"}, {"Mint", 2}, {"Frost Jewel"}, {"Cloak Ball"}}},
         {28, 259, 124, 111, 53, 104, 5,
          {{"Blessed Mace"}, {"Blessed Robe"}, {"Silver Armlet"}, {"Silver Circlet"},
           {"Vial", 4}, {"Antidote", 3}, {"Sacred Feather"}, {"Black Orb"}}},
     },
     {0x1F, 0x0F, 0x1F, 0x0F}, 0x0D, 38250},
    {{
         {99, 1018, 342, 411, 187, 379, 9,
          {{"Sol Blade"}, {"Dragon Scales"}, {"Dragon Shield"}, {"Warrior's Helm"},
           {"Hyper Boots"}, {"War Ring"}, {"Water of Life", 6}, {"Psy Crystal", 9},
           {"Mars Star"}, {"Orb of Force"}, {"Lifting Gem"}, {"Catch Beads"}}},
         {99, 1105, 287, 437, 201, 341, 8,
          {{"Demon Axe"}, {"Asura's Armor"}, {"Aura Gloves"}, {"Adept's Helm"},
           {"Running Shirt"}, {"Elixir", 12}, {"Lucky Medal", 3}, {"Power Bread", 2},
           {"Douse Drop"}, {"Carry Stone"}, {"Halt Gem"}}},
         {99, 892, 401, 372, 168, 422, 11,
          {{"Zodiac Wand"}, {"Mysterious Robe"}, {"Guardian Armlet"}, {"Glittering Tiara"},
           {"Fairy Ring"}, {"Potion", 15}, {"Hard Nut", 2}, {"Frost Jewel"}, {"Cloak Ball"}}},
         {99, 931, 418, 358, 172, 397, 10,
          {{"Wicked Mace"}, {"Feathered Robe"}, {"Spirit Gloves"}, {"Platinum Circlet"},
           {"Cleric's Ring"}, {"Lucky Pepper", 4}, {"Apple", 3}, {"Mint", 5},
           {"Black Orb"}}},
     },
     {0x7F, 0x7F, 0x7F, 0x7F}, 0x3F, 999999},
};
// clang-format on

}  // namespace

TPasswordData MakeDefaultParty(DefaultParty which) {
  const PartyPlan& party = kParties[which];
  TPasswordData data;
  std::memset(static_cast<void*>(&data), 0, sizeof data);
  for (int i = 0; i < kCharacterCount; ++i) {
    const CharacterPlan& plan = party.characters[i];
    TCharacterRecord& c = data.Characters[i];
    c.Level = plan.level;
    c.HP = plan.hp;
    c.PP = plan.pp;
    c.Attack = plan.attack;
    c.Defense = plan.defense;
    c.Agility = plan.agility;
    c.Luck = plan.luck;
    int slot = 0;
    for (const Slot& item : plan.items)
      c.Items[slot++] = MakeItemWord(ItemIdByName(item.item), item.quantity);
    // Each element's Djinn are kept by its own character, as the window does.
    c.Djinn[i] = party.djinn[i];
  }
  for (int n = 0; n < kSideQuestCount; ++n)
    SetEventFlag(data, kSideQuestFlags[n], (party.sideQuests >> n) & 1);
  data.Coins = party.coins;
  return data;
}

}  // namespace velmara
