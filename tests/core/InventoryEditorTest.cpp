// The inventory editor's rules as the page calls them: item lists per type,
// the quantity rule, commands without a selection, and where the selection
// goes after a move. The window's dialog tests drive the same rules through
// its buttons.
#include "core/InventoryEditor.h"

#include <gtest/gtest.h>

namespace velmara {
namespace {

constexpr std::uint16_t kLongSword = 1;
constexpr std::uint16_t kHerb = 180;

class InventoryEditorTest : public ::testing::Test {
 protected:
  const std::vector<ItemName> names_ = BuildItemNames();
  InventoryEditor editor_{names_};

  void Open(std::vector<std::uint16_t> words, bool gold = true) {
    words.resize(kSlotsPerCharacter, 0);
    std::vector<InventoryRow> rows;
    for (const std::uint16_t word : words) rows.push_back({"row " + std::to_string(word), word});
    editor_.Open(std::move(rows), "Ivan", gold);
  }
  std::vector<std::uint16_t> Words() const {
    std::vector<std::uint16_t> words;
    for (const InventoryRow& row : editor_.Slots()) words.push_back(row.word);
    return words;
  }
  int RowOf(std::uint16_t id) const {
    for (std::size_t row = 0; row < editor_.Items().size(); ++row)
      if (editor_.Items()[row].word == id) return static_cast<int>(row);
    return -1;
  }
};

TEST_F(InventoryEditorTest, GoldOffersEveryItemOthersTheSpecialItems) {
  Open({kHerb}, true);
  ASSERT_EQ(editor_.Items().size(), names_.size());
  for (std::size_t k = 0; k < names_.size(); ++k) {
    EXPECT_EQ(editor_.Items()[k].word, k);
    EXPECT_EQ(editor_.Items()[k].text, names_[k].name);
  }
  EXPECT_EQ(editor_.ItemRowOf(0), kHerb);

  Open({kHerb, kSpecialItems[3]}, false);
  ASSERT_EQ(editor_.Items().size(), kSpecialItems.size());
  EXPECT_EQ(editor_.Items()[0].text, "Orb of Force");
  EXPECT_EQ(editor_.ItemRowOf(0), -1);  // Herb is not offered
  EXPECT_EQ(editor_.ItemRowOf(1), 3);
  EXPECT_EQ(editor_.ItemRowOf(-1), -1);
  EXPECT_EQ(editor_.ItemRowOf(kSlotsPerCharacter), -1);
}

TEST(ParseQuantityTest, OneToThirtyAndNothingElse) {
  struct Case {
    const char* text;
    std::optional<int> quantity;
  };
  for (const Case& c : {Case{"1", 1}, Case{"30", 30}, Case{" 05 ", 5}, Case{"0", std::nullopt},
                        Case{"31", std::nullopt}, Case{"-3", std::nullopt},
                        Case{"abc", std::nullopt}, Case{"", std::nullopt}}) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseQuantity(c.text), c.quantity);
  }
}

TEST_F(InventoryEditorTest, CommandsWithoutASelectionRefuseAndChangeNothing) {
  Open({kLongSword, MakeItemWord(kHerb, 4)});
  const auto before = Words();
  const int longSword = RowOf(kLongSword);
  struct Case {
    const char* what;
    std::string message;
    const char* expected;
  };
  const Case cases[] = {
      {"Add without a chosen item", editor_.Add(-1), "No item selected."},
      {"Add past the item list", editor_.Add(static_cast<int>(names_.size())), "No item selected."},
      {"Insert without a chosen item", editor_.Insert(-1, 0), "No item selected to insert."},
      {"Insert without a slot", editor_.Insert(longSword, -1), "Please select an item, first."},
      {"Replace without a chosen item", editor_.Replace(-1, 0), "No item selected."},
      {"Replace without a slot", editor_.Replace(longSword, -1),
       "Please select an item to replace."},
      {"Remove without a slot", editor_.Remove(-1), "Please select an item to remove."},
      {"Remove past the slots", editor_.Remove(kSlotsPerCharacter),
       "Please select an item to remove."},
      {"Quantity without a slot", editor_.SetQuantity(-1, "5"), "Please select an item, first."},
      {"Quantity of a sword", editor_.SetQuantity(0, "5"),
       "That item only supports a quantity of 1."},
      {"Quantity out of range", editor_.SetQuantity(1, "31"),
       "Invalid quantity.  Use 1 through 30."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.message, c.expected);
  }
  EXPECT_EQ(Words(), before);
  EXPECT_EQ(editor_.QuantityRefusal(-1), "Please select an item, first.");
  EXPECT_EQ(editor_.QuantityRefusal(1), "");
}

TEST_F(InventoryEditorTest, QuantityPromptAndTheNumberAsTyped) {
  Open({0, MakeItemWord(kHerb, 4)});
  const QuantityQuestion question = editor_.QuantityPrompt(1);
  EXPECT_EQ(question.title, "Quantity: Herb");
  EXPECT_EQ(question.prompt, "Enter the new quantity (1-30)");
  EXPECT_EQ(question.initial, "4");

  EXPECT_EQ(editor_.SetQuantity(1, "07"), "");
  EXPECT_EQ(editor_.Slots()[1].text, "Herb * 07");
  EXPECT_EQ(editor_.Slots()[1].word, MakeItemWord(kHerb, 7));
  EXPECT_EQ(editor_.SetQuantity(1, " 1"), "");
  EXPECT_EQ(editor_.Slots()[1].text, "Herb");
  EXPECT_EQ(editor_.Slots()[1].word, kHerb);
}

TEST_F(InventoryEditorTest, MovesReturnTheSlotSelectedAfterwards) {
  struct Case {
    const char* what;
    int (InventoryEditor::*move)(int);
    int from;
    int selectedAfter;
    std::vector<std::uint16_t> firstWords;
  };
  const Case cases[] = {
      {"up follows the item", &InventoryEditor::MoveUp, 2, 1, {1, 3, 2, 4}},
      {"up on the first slot stays", &InventoryEditor::MoveUp, 0, 0, {1, 2, 3, 4}},
      {"down follows the item", &InventoryEditor::MoveDown, 1, 2, {1, 3, 2, 4}},
      {"down on the last slot stays", &InventoryEditor::MoveDown, 14, 14, {1, 2, 3, 4}},
      {"top leaves the selection on its row", &InventoryEditor::MoveToTop, 3, 3, {4, 1, 2, 3}},
      {"bottom leaves the selection on its row",
       &InventoryEditor::MoveToBottom,
       0,
       0,
       {2, 3, 4, 0}},
      {"no slot selected", &InventoryEditor::MoveToTop, -1, -1, {1, 2, 3, 4}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Open({1, 2, 3, 4});
    EXPECT_EQ((editor_.*c.move)(c.from), c.selectedAfter);
    const auto words = Words();
    EXPECT_EQ(std::vector<std::uint16_t>(words.begin(), words.begin() + 4), c.firstWords);
  }
}

}  // namespace
}  // namespace velmara
