// Moving the party record into the controls and back: Djinn, statistics,
// coins and side quests (the inventories live in MainInventory.cpp). The
// parsing, bounds and Djinn placement are core's (EditRules.h,
// PartyRules.h); this file moves the values between record and widgets.
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "core/EditRules.h"
#include "core/PartyRules.h"
#include "ui/MainTables.h"
#include "ui/main.h"

namespace velmara {

using namespace main_tables;

namespace {

bool IsChecked(const QListWidget* list, int row) {
  return list->item(row)->checkState() == Qt::Checked;
}

void SetChecked(QListWidget* list, int row, bool checked) {
  list->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

// Shows a value and enables the edit unless the type does not carry it.
void SetStatEdit(QLineEdit* edit, unsigned value, StatKind kind, TPasswordType type) {
  edit->setEnabled(IsStatEditEnabled(kind, type));
  edit->setText(QString::number(value));
}

std::uint16_t GetStatEdit(const QLineEdit* edit, int maxLength) {
  return StatFromText(edit->text().toStdString(), maxLength);
}

// The statistics are shown and read in this order: the four levels, then
// each character's six statistics in turn.
template <typename Visit>
void ForEachStatInOrder(Visit visit) {
  for (int c = 0; c < kCharacterCount; ++c) visit(c, kLevelField);
  for (int c = 0; c < kCharacterCount; ++c)
    for (int k = kLevelField + 1; k < kStatFieldCount; ++k) visit(c, k);
}

}  // namespace

void TfmMain::DataToControls() {
  if (!DataValid) return;
  DjinnToControls();
  StatsToControls();
  ItemsToControls();
  MiscToControls();
}

void TfmMain::ControlsToData() {
  ControlsToDjinn();
  ControlsToStats();
  ControlsToItems();
  ControlsToMisc();
}

void TfmMain::DjinnToControls() {
  const DjinnMasks held = DjinnHeld(Data);
  for (int e = 0; e < kElementCount; ++e) {
    QListWidget* list = this->*kDjinnLists[e].list;
    for (int d = 0; d < kDjinnPerElement; ++d) SetChecked(list, d, held[e] & (1u << d));
  }
}

void TfmMain::ControlsToDjinn() {
  DjinnMasks held{};
  for (int e = 0; e < kElementCount; ++e) {
    const QListWidget* list = this->*kDjinnLists[e].list;
    for (int d = 0; d < kDjinnPerElement; ++d)
      if (IsChecked(list, d)) held[e] |= 1u << d;
  }
  PlaceDjinn(Data, held);
}

void TfmMain::btnDjinnClick() {
  for (const DjinnListControls& djinn : kDjinnLists)
    for (int d = 0; d < kDjinnPerElement; ++d) SetChecked(this->*djinn.list, d, true);
}

void TfmMain::StatsToControls() {
  const TPasswordType type = SelectedType();
  ForEachStatInOrder([&](int c, int k) {
    SetStatEdit(this->*kStatEdits[c][k], StatValue(Data.Characters[c], kStatFields[k]),
                kStatFields[k].kind, type);
  });
}

void TfmMain::ControlsToStats() {
  ForEachStatInOrder([&](int c, int k) {
    const QLineEdit* edit = this->*kStatEdits[c][k];
    SetStatValue(Data.Characters[c], kStatFields[k], GetStatEdit(edit, kStatFields[k].maxLength));
  });
}

void TfmMain::MiscToControls() {
  const bool coins = IsCoinsEditEnabled(SelectedType());
  eCoins->setEnabled(coins);
  if (coins) eCoins->setText(QString::number(Data.Coins));
  for (int i = 0; i < kSideQuestCount; ++i)
    SetChecked(clbSidequest, i, GetEventFlag(Data, kSideQuestFlags[i]));
}

void TfmMain::ControlsToMisc() {
  if (IsCoinsEditEnabled(SelectedType())) Data.Coins = CoinsFromText(eCoins->text().toStdString());
  for (int i = 0; i < kSideQuestCount; ++i)
    SetEventFlag(Data, kSideQuestFlags[i], IsChecked(clbSidequest, i));
}

}  // namespace velmara
