// The inventory editor's rules, apart from its window: the items offered per
// password type, the commands on a copy of one character's slots with their
// refusals, the quantity rule and the compaction on OK. The window (or the
// page) keeps the selections and shows the messages; every command takes the
// selected slot and the chosen row of the item list (-1 for none) and leaves
// every slot as it was when it refuses.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codec/VelmaraData.h"

namespace velmara {

// A row of either list: its text and its item word.
struct InventoryRow {
  std::string text;
  std::uint16_t word = 0;
};

// Texts the editor shows.
namespace inventory_texts {
inline constexpr char kTitle[] = "Inventory Editor";
inline constexpr char kDuplicateSuffix[] = " already has some of these.";
inline constexpr char kNoItemChosen[] = "No item selected.";
inline constexpr char kNoMoreRoom[] = "No more room to add items.";
inline constexpr char kNoItemToInsert[] = "No item selected to insert.";
inline constexpr char kNoRoomToInsert[] = "No room to insert a new item.";
inline constexpr char kSelectFirst[] = "Please select an item, first.";
inline constexpr char kSelectToReplace[] = "Please select an item to replace.";
inline constexpr char kSelectToRemove[] = "Please select an item to remove.";
inline constexpr char kQuantityOfOne[] = "That item only supports a quantity of 1.";
inline constexpr char kInvalidQuantity[] = "Invalid quantity.  Use 1 through 30.";
inline constexpr char kNoInventory[] = "No character inventory assigned.";
inline constexpr char kQuantityTitlePrefix[] = "Quantity: ";
inline constexpr char kQuantityPrompt[] = "Enter the new quantity (1-30)";
}  // namespace inventory_texts

constexpr int kMinQuantity = 1;
constexpr int kMaxQuantity = 30;  // the five quantity bits would hold 32

// The quantity typed into the prompt: a number 1..30 (white space around it
// allowed), nullopt for anything else.
std::optional<int> ParseQuantity(std::string_view text);

// The item list: under Gold every entry of the item-name list (row k is item
// k, the empty item 0 and the "?" fillers included); otherwise the eight
// special items in their order. Each row's word is the bare identifier.
std::vector<InventoryRow> OfferedItems(const std::vector<ItemName>& names, bool gold);

// True when `id` is stackable and some slot already holds it.
bool HoldsStackable(const std::vector<InventoryRow>& slots, std::uint16_t id);

// What the quantity prompt asks: its title, text and the current quantity.
struct QuantityQuestion {
  std::string title;
  std::string prompt;
  std::string initial;
};

class InventoryEditor {
 public:
  // `names` is the item-name list; it must outlive the editor.
  explicit InventoryEditor(const std::vector<ItemName>& names) : names_(names) {}

  // Starts an opening: the item list for the type and a copy of the
  // character's slot rows, texts kept as they come.
  void Open(std::vector<InventoryRow> slots, std::string characterName, bool gold);

  const std::vector<InventoryRow>& Items() const { return items_; }
  const std::vector<InventoryRow>& Slots() const { return slots_; }
  bool Gold() const { return gold_; }

  // The item-list row that holds the item of `slot`, or -1 (also for slot -1).
  int ItemRowOf(int slot) const;

  // The commands return the message to show, empty when the command was
  // carried out. None of them changes the selected slot.
  std::string Add(int chosen);
  std::string Insert(int chosen, int selected);
  std::string Replace(int chosen, int selected);
  std::string Remove(int selected);

  // The quantity command: the message that refuses it before the prompt
  // (empty when the prompt is to be asked), the prompt itself, and the
  // answer. The slot's text keeps the number as it was typed.
  std::string QuantityRefusal(int selected) const;
  QuantityQuestion QuantityPrompt(int selected) const;
  std::string SetQuantity(int selected, std::string_view entered);

  // Moves; each returns the slot selected afterwards. Up and Down move the
  // selection with the item, Top and Bottom leave it on its row.
  int MoveUp(int selected);
  int MoveDown(int selected);
  int MoveToTop(int selected);
  int MoveToBottom(int selected);

  // OK: the slots holding an item move to the front in their order, the
  // empty ones collect behind them.
  void Compact();

 private:
  bool IsSlot(int slot) const;
  bool IsItemRow(int row) const;
  std::string DuplicateMessage() const;

  const std::vector<ItemName>& names_;
  std::vector<InventoryRow> items_;
  std::vector<InventoryRow> slots_;
  std::string characterName_;
  bool gold_ = true;
};

}  // namespace velmara
