// The Djinn placement, the story items under Gold and the character captions.
#include "core/PartyRules.h"

#include <gtest/gtest.h>

namespace velmara {
namespace {

TEST(DjinnTest, HeldByAnyCharacterAndPlacedWithTheElementsCharacter) {
  TPasswordData data{};
  data.Characters[1].Djinn[0] = 0x01;  // Garet holds Flint
  data.Characters[3].Djinn[0] = 0x84;  // Mia holds Quartz, and a stray bit 7
  data.Characters[0].Djinn[2] = 0x40;  // Isaac holds Torch
  const DjinnMasks held = DjinnHeld(data);
  EXPECT_EQ(held, (DjinnMasks{0x05, 0, 0x40, 0}));

  PlaceDjinn(data, held);
  for (int c = 0; c < kCharacterCount; ++c)
    for (int e = 0; e < kElementCount; ++e) {
      SCOPED_TRACE(testing::Message() << "character " << c << ", element " << e);
      EXPECT_EQ(data.Characters[c].Djinn[e], c == e ? held[e] : 0u);
    }
}

// Four lists of 15 empty rows.
InventoryLists EmptyLists() {
  InventoryLists lists;
  for (auto& list : lists) list.assign(kSlotsPerCharacter, 0);
  return lists;
}

TEST(StoryItemSlotTest, FirstEmptyRowInCharacterOrderUnlessTheRecordHoldsIt) {
  TPasswordData data{};
  InventoryLists lists = EmptyLists();
  for (auto& word : lists[0]) word = 1;  // Isaac's list is full
  lists[1][0] = 2;

  const auto slot = StoryItemSlot(data, lists, kMarsStar);
  ASSERT_TRUE(slot.has_value());
  EXPECT_EQ(slot->character, 1);
  EXPECT_EQ(slot->slot, 1);

  // The record decides whether the item is held, whatever its quantity bits.
  data.Characters[3].Items[14] = MakeItemWord(kMarsStar, 2);
  EXPECT_FALSE(StoryItemSlot(data, lists, kMarsStar).has_value());
  EXPECT_TRUE(StoryItemSlot(data, lists, kBlackOrb).has_value());
}

TEST(StoryItemSlotTest, NoRowCarryingZeroMeansNoPlace) {
  TPasswordData data{};
  InventoryLists lists = EmptyLists();
  for (auto& list : lists)
    for (auto& word : list) word = 1;
  lists[2][7] = MakeItemWord(0, 2);  // no item, but a quantity: not empty
  EXPECT_FALSE(StoryItemSlot(data, lists, kBlackOrb).has_value());
}

TEST(CharacterCaptionTest, NameBytesUpToTheFirstZeroAsLatin1) {
  struct Case {
    const char* what;
    std::array<std::uint8_t, 5> name;
    const char* caption;
  };
  const Case cases[] = {
      {"five letters", {'I', 's', 'a', 'a', 'c'}, "Isaac"},
      {"cut at the first zero", {'M', 'i', 0, 'a', 'b'}, "Mi"},
      {"empty", {0, 'x', 0, 0, 0}, ""},
      {"bytes above 0x7F", {0xC4, 0xFF, '&', 0, 0}, "\u00C4\u00FF&"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TCharacterRecord record{};
    std::copy(c.name.begin(), c.name.end(), record.Name);
    EXPECT_EQ(CharacterCaption(record), c.caption);
  }
}

}  // namespace
}  // namespace velmara
