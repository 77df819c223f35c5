#include "core/InventoryEditor.h"

#include <algorithm>
#include <utility>

#include "core/EditRules.h"
#include "core/InventorySlots.h"

namespace velmara {

namespace texts = inventory_texts;

std::optional<int> ParseQuantity(std::string_view text) {
  const std::int32_t quantity = ParseEditInteger(text).value_or(0);
  if (quantity < kMinQuantity || quantity > kMaxQuantity) return std::nullopt;
  return quantity;
}

std::vector<InventoryRow> OfferedItems(const std::vector<ItemName>& names, bool gold) {
  std::vector<InventoryRow> rows;
  if (gold) {
    for (const ItemName& item : names) rows.push_back({item.name, item.id});
  } else {
    for (const std::uint16_t id : kSpecialItems) rows.push_back({ItemDisplayName(names, id), id});
  }
  return rows;
}

bool HoldsStackable(const std::vector<InventoryRow>& slots, std::uint16_t id) {
  if (!IsStackableItem(id)) return false;
  return std::any_of(slots.begin(), slots.end(),
                     [id](const InventoryRow& row) { return ItemId(row.word) == ItemId(id); });
}

void InventoryEditor::Open(std::vector<InventoryRow> slots, std::string characterName, bool gold) {
  gold_ = gold;
  items_ = OfferedItems(names_, gold);
  slots_ = std::move(slots);
  characterName_ = std::move(characterName);
}

bool InventoryEditor::IsSlot(int slot) const {
  return slot >= 0 && static_cast<std::size_t>(slot) < slots_.size();
}

bool InventoryEditor::IsItemRow(int row) const {
  return row >= 0 && static_cast<std::size_t>(row) < items_.size();
}

std::string InventoryEditor::DuplicateMessage() const {
  return characterName_ + texts::kDuplicateSuffix;
}

int InventoryEditor::ItemRowOf(int slot) const {
  if (!IsSlot(slot)) return -1;
  const std::uint16_t id = ItemId(slots_[slot].word);
  for (std::size_t row = 0; row < items_.size(); ++row)
    if (ItemId(items_[row].word) == id) return static_cast<int>(row);
  return -1;
}

std::string InventoryEditor::Add(int chosen) {
  if (!IsItemRow(chosen)) return texts::kNoItemChosen;
  const InventoryRow& item = items_[chosen];
  if (HoldsStackable(slots_, ItemId(item.word))) return DuplicateMessage();
  for (InventoryRow& slot : slots_) {
    if (ItemId(slot.word) == 0) {
      slot = item;
      return {};
    }
  }
  return texts::kNoMoreRoom;
}

std::string InventoryEditor::Insert(int chosen, int selected) {
  if (!IsItemRow(chosen)) return texts::kNoItemToInsert;
  // Any bit counts: a slot word with only a stray quantity is still kept.
  if (slots_.empty() || slots_.back().word != 0) return texts::kNoRoomToInsert;
  if (!IsSlot(selected)) return texts::kSelectFirst;
  // No duplicate test: a stackable item already held can be inserted again.
  std::move_backward(slots_.begin() + selected, slots_.end() - 1, slots_.end());
  slots_[selected] = items_[chosen];
  return {};
}

std::string InventoryEditor::Replace(int chosen, int selected) {
  if (!IsItemRow(chosen)) return texts::kNoItemChosen;
  const InventoryRow& item = items_[chosen];
  const std::uint16_t id = ItemId(item.word);
  // Also refused when the selected slot itself holds the item.
  if (HoldsStackable(slots_, id)) return DuplicateMessage();
  if (!IsSlot(selected)) return texts::kSelectToReplace;

  InventoryRow& slot = slots_[selected];
  if (!gold_ || !IsStackableItem(id)) {
    slot = {item.text, id};
    return {};
  }
  // A stackable item that replaces a slot keeps its quantity: the word keeps
  // its quantity field and takes the new identifier (bits 9..10 clear).
  slot.text = SlotTextWithQuantity(item.text, ItemQuantity(slot.word));
  slot.word = static_cast<std::uint16_t>((slot.word & kQuantityFieldMask) | id);
  return {};
}

std::string InventoryEditor::Remove(int selected) {
  if (!IsSlot(selected)) return texts::kSelectToRemove;
  std::move(slots_.begin() + selected + 1, slots_.end(), slots_.begin() + selected);
  slots_.back() = {ItemDisplayName(names_, 0), 0};
  return {};
}

std::string InventoryEditor::QuantityRefusal(int selected) const {
  if (!IsSlot(selected)) return texts::kSelectFirst;
  if (!IsStackableItem(slots_[selected].word)) return texts::kQuantityOfOne;
  return {};
}

QuantityQuestion InventoryEditor::QuantityPrompt(int selected) const {
  const std::uint16_t word = IsSlot(selected) ? slots_[selected].word : 0;
  return {texts::kQuantityTitlePrefix + ItemDisplayName(names_, ItemId(word)),
          texts::kQuantityPrompt, std::to_string(ItemQuantity(word))};
}

std::string InventoryEditor::SetQuantity(int selected, std::string_view entered) {
  if (std::string refusal = QuantityRefusal(selected); !refusal.empty()) return refusal;
  const std::optional<int> quantity = ParseQuantity(entered);
  if (!quantity) return texts::kInvalidQuantity;
  InventoryRow& slot = slots_[selected];
  const std::uint16_t id = ItemId(slot.word);
  const std::string name = ItemDisplayName(names_, id);
  // The number stays as typed until the main window next fills its lists.
  slot.text = SlotTextWithQuantity(name, *quantity, entered);
  slot.word = MakeItemWord(id, *quantity);
  return {};
}

int InventoryEditor::MoveUp(int selected) {
  if (!IsSlot(selected) || selected == 0) return selected;
  std::swap(slots_[selected - 1], slots_[selected]);
  return selected - 1;
}

int InventoryEditor::MoveDown(int selected) {
  if (!IsSlot(selected + 1) || selected < 0) return selected;
  std::swap(slots_[selected], slots_[selected + 1]);
  return selected + 1;
}

int InventoryEditor::MoveToTop(int selected) {
  if (!IsSlot(selected)) return selected;
  std::rotate(slots_.begin(), slots_.begin() + selected, slots_.begin() + selected + 1);
  return selected;
}

int InventoryEditor::MoveToBottom(int selected) {
  if (!IsSlot(selected)) return selected;
  std::rotate(slots_.begin() + selected, slots_.begin() + selected + 1, slots_.end());
  return selected;
}

void InventoryEditor::Compact() {
  std::stable_partition(slots_.begin(), slots_.end(),
                        [](const InventoryRow& row) { return ItemId(row.word) != 0; });
}

}  // namespace velmara
