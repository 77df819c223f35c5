// Moving the party record into the controls and back: Djinn, statistics,
// coins and side quests (the inventories live in MainInventory.cpp). Input is
// never refused: text that is no number takes a fixed value and every number
// is brought to its nearest bound without a message.
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <algorithm>
#include <optional>

#include "MainTables.h"
#include "main.h"

namespace velmara {

using namespace main_tables;

namespace {

// Only bits 0..6 of a Djinn word name a Djinn.
constexpr std::uint32_t kDjinnWordMask = (1u << kDjinnPerElement) - 1;
constexpr std::uint32_t kMaxCoins = 999999;
// Coins text that is no number counts as the largest 32-bit integer and so
// ends at the coin limit.
constexpr std::int32_t kCoinsFallback = 2147483647;
constexpr std::int32_t kStatFallback = 1;

// A decimal integer with an optional sign and surrounding blanks; nullopt for
// anything else, the empty text included, and for values outside 32 bits.
std::optional<std::int32_t> ParseInteger(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok, 10);
  if (!ok) return std::nullopt;
  return value;
}

bool IsChecked(const QListWidget* list, int row) {
  return list->item(row)->checkState() == Qt::Checked;
}

void SetChecked(QListWidget* list, int row, bool checked) {
  list->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

// Shows a value and enables the edit unless Bronze is selected and the edit
// holds a statistic, which Bronze passwords do not carry.
void SetStatEdit(QLineEdit* edit, unsigned value, StatKind kind, bool bronze) {
  edit->setEnabled(!bronze || kind == StatKind::Level);
  edit->setText(QString::number(value));
}

// The edit's value brought to 1..bound, where the bound follows from the
// edit's maximum input length.
std::uint16_t GetStatEdit(const QLineEdit* edit, int maxLength) {
  const std::int32_t value = ParseInteger(edit->text()).value_or(kStatFallback);
  const std::int32_t bound = StatBound(maxLength);
  return static_cast<std::uint16_t>(std::clamp<std::int32_t>(value, 1, bound));
}

unsigned FieldValue(const TCharacterRecord& record, const StatField& field) {
  return field.byteField ? record.*field.byteField : record.*field.wordField;
}

void SetField(TCharacterRecord& record, const StatField& field, std::uint16_t value) {
  if (field.byteField)
    record.*field.byteField = static_cast<std::uint8_t>(value);
  else
    record.*field.wordField = value;
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
  // A Djinn that any character holds is shown as obtained.
  for (int e = 0; e < kElementCount; ++e) {
    std::uint32_t held = 0;
    for (const TCharacterRecord& character : Data.Characters)
      held |= character.Djinn[e] & kDjinnWordMask;
    QListWidget* list = this->*kDjinnLists[e].list;
    for (int d = 0; d < kDjinnPerElement; ++d) SetChecked(list, d, held & (1u << d));
  }
}

void TfmMain::ControlsToDjinn() {
  // Every Djinn of element e goes to character e; the other words are cleared.
  for (int e = 0; e < kElementCount; ++e) {
    const QListWidget* list = this->*kDjinnLists[e].list;
    std::uint32_t held = 0;
    for (int d = 0; d < kDjinnPerElement; ++d)
      if (IsChecked(list, d)) held |= 1u << d;
    for (int j = 0; j < kElementCount; ++j) Data.Characters[e].Djinn[j] = j == e ? held : 0;
  }
}

void TfmMain::btnDjinnClick() {
  for (const DjinnListControls& djinn : kDjinnLists)
    for (int d = 0; d < kDjinnPerElement; ++d) SetChecked(this->*djinn.list, d, true);
}

void TfmMain::StatsToControls() {
  const bool bronze = SelectedType() == ptBronze;
  ForEachStatInOrder([&](int c, int k) {
    SetStatEdit(this->*kStatEdits[c][k], FieldValue(Data.Characters[c], kStatFields[k]),
                kStatFields[k].kind, bronze);
  });
}

void TfmMain::ControlsToStats() {
  ForEachStatInOrder([&](int c, int k) {
    const QLineEdit* edit = this->*kStatEdits[c][k];
    SetField(Data.Characters[c], kStatFields[k], GetStatEdit(edit, kStatFields[k].maxLength));
  });
}

void TfmMain::MiscToControls() {
  const bool gold = SelectedType() == ptGold;
  eCoins->setEnabled(gold);
  if (gold) eCoins->setText(QString::number(Data.Coins));
  for (int i = 0; i < kSideQuestCount; ++i)
    SetChecked(clbSidequest, i, GetEventFlag(Data, kSideQuestFlags[i]));
}

void TfmMain::ControlsToMisc() {
  if (SelectedType() == ptGold) {
    // Taken as unsigned, so a negative entry also ends at the limit.
    const auto coins =
        static_cast<std::uint32_t>(ParseInteger(eCoins->text()).value_or(kCoinsFallback));
    Data.Coins = std::min(coins, kMaxCoins);
  }
  for (int i = 0; i < kSideQuestCount; ++i)
    SetEventFlag(Data, kSideQuestFlags[i], IsChecked(clbSidequest, i));
}

}  // namespace velmara
