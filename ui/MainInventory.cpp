// The four inventory lists of the Items tab: filled from the record, read
// back into it, kept holding the story items under Gold, and handed to the
// inventory editor. Between refreshes the lists, not the record, hold the
// inventories the next password carries.
#include <QListWidget>
#include <QPushButton>

#include "core/PartyRules.h"
#include "ui/Inventory.h"
#include "ui/InventoryRows.h"
#include "ui/MainTables.h"
#include "ui/main.h"

namespace velmara {

using namespace main_tables;

void TfmMain::ItemsToControls() {
  for (int c = 0; c < kCharacterCount; ++c) {
    QListWidget* list = this->*kCharacterControls[c].itemsList;
    list->clear();
    for (const std::uint16_t word : Data.Characters[c].Items)
      AddRow(list, SlotText(ItemNames, word), word);
  }
  if (SelectedType() == ptGold)
    for (const std::uint16_t id : kStoryItemsInOrder) EnsureStoryItem(id);
}

void TfmMain::ControlsToItems() {
  for (int c = 0; c < kCharacterCount; ++c) {
    const QListWidget* list = this->*kCharacterControls[c].itemsList;
    for (int j = 0; j < kSlotsPerCharacter && j < list->count(); ++j)
      Data.Characters[c].Items[j] = RowItemWord(list->item(j));
  }
}

void TfmMain::EnsureStoryItem(std::uint16_t Id) {
  // The sequel cannot be finished without these items, so a Gold password
  // always carries them when there is room; the record holds them only
  // after the next refresh.
  InventoryLists lists;
  for (int c = 0; c < kCharacterCount; ++c) {
    const QListWidget* list = this->*kCharacterControls[c].itemsList;
    for (int j = 0; j < list->count(); ++j) lists[c].push_back(RowItemWord(list->item(j)));
  }
  const std::optional<SlotPosition> slot = StoryItemSlot(Data, lists, Id);
  if (!slot) return;
  QListWidget* list = this->*kCharacterControls[slot->character].itemsList;
  SetRow(list->item(slot->slot), QString::fromStdString(ItemDisplayName(ItemNames, Id)),
         MakeItemWord(Id));
}

int TfmMain::InventoryOwner(QObject* Sender) const {
  for (int c = 0; c < kCharacterCount; ++c) {
    const CharacterControls& controls = kCharacterControls[c];
    if (Sender == this->*controls.itemsButton || Sender == this->*controls.itemsList) return c;
  }
  return -1;
}

void TfmMain::btnInventoryEdit(QObject* Sender) {
  const int c = InventoryOwner(Sender);
  if (c < 0) return;
  QListWidget* list = this->*kCharacterControls[c].itemsList;
  dlgInventory->InventoryList = list;
  dlgInventory->CharacterName = CharNames[c];
  dlgInventory->StartIndex =
      list->currentItem() && list->currentItem()->isSelected() ? list->currentRow() : -1;
  dlgInventory->GoldType = SelectedType() == ptGold;
  // On OK the editor has replaced the list's rows itself; the record takes
  // them at the next refresh.
  dlgInventory->exec();
}

void TfmMain::lbInventoryItemsDblClick(QObject* Sender) {
  btnInventoryEdit(Sender);
}

}  // namespace velmara
