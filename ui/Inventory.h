// The inventory editor: a modal dialog that edits a copy of one character's
// 15 inventory slots and, on OK, writes them back into the main window's list.
// The copy and the rules of its commands are core's InventoryEditor; the
// dialog holds the selections and shows the lists and messages.
#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <vector>

#include "codec/VelmaraData.h"
#include "core/InventoryEditor.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace velmara {

class Platform;

class TdlgInventory : public QDialog {
  Q_OBJECT

 public:
  // `itemNames` is the main window's item-name list; it must outlive the dialog.
  TdlgInventory(Platform& platform, const std::vector<ItemName>& itemNames,
                QWidget* parent = nullptr);

  // Set by the main window before every opening.
  QListWidget* InventoryList = nullptr;  // the list edited; written back on OK
  QString CharacterName;
  int StartIndex = 0;    // slot selected first; negative means slot 0
  bool GoldType = true;  // Gold offers every item and quantities

  // Controls, named as in the form.
  QLabel* Label1;
  QLabel* lblCharname;
  QLabel* Label3;
  QListWidget* lbCharacter;
  QListWidget* lbItems;
  QPushButton* btnAdd;
  QPushButton* btnInsert;
  QPushButton* btnReplace;
  QPushButton* btnRemove;
  QPushButton* btnQuantity;
  QPushButton* btnUp;
  QPushButton* btnDown;
  QPushButton* btnTop;
  QPushButton* btnBottom;
  QPushButton* btnOK;
  QPushButton* btnCancel;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void LayOutControls();
  void ConnectHandlers();

  void FormShow();
  bool FormKeyDown(int key);
  void btnAddClick();
  void btnInsertClick();
  void btnReplaceClick();
  void btnRemoveClick();
  void btnQuantityClick();
  void btnUpClick();
  void btnDownClick();
  void btnTopClick();
  void btnBottomClick();
  void btnOKClick();
  void btnCancelClick();
  void lbCharacterClick();
  void lbCharacterDblClick();

  // Shows the editor's message, or its slots when the command was carried out.
  void ShowOutcome(const std::string& message);
  void ShowSlots();
  void Move(int (InventoryEditor::*move)(int));
  void Inform(const QString& text);
  void ReportMissingList();
  int SlotCount() const;
  int SelectedSlot() const;
  int ChosenItemRow() const;
  // Selects a slot without the item list following it (command selections).
  void SelectSlot(int slot);
  // Selects the item list's row for the item of `slot`, or nothing.
  void SelectItemOfSlot(int slot);

  Platform& platform_;
  const std::vector<ItemName>& itemNames_;
  InventoryEditor editor_;  // the copy of the slots and the rules that edit it
  bool commandSelecting_ = false;
};

}  // namespace velmara
