// Where the data comes from: the source list and the character captions, the
// validity display, the import of password text (pasted, built in or chosen
// in the password check dialog) and the Defaults menu.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QTabWidget>

#include "core/PartyRules.h"
#include "sources/PasswordText.h"
#include "sources/SaveFile.h"
#include "ui/ItemRoles.h"
#include "ui/MainTables.h"
#include "ui/MainTexts.h"
#include "ui/PasswordCheck.h"
#include "ui/Platform.h"
#include "ui/SourceList.h"
#include "ui/main.h"

namespace velmara {

using namespace main_tables;

namespace {

// A group-box caption shows the name as it stands, ampersands included.
QString Caption(const QString& name) {
  QString caption = name;
  return caption.replace(u'&', QStringLiteral("&&"));
}

}  // namespace

void TfmMain::AddSourceEntry(const QString& text, std::int32_t tag) {
  auto* entry = new QListWidgetItem(text, lbSaveSlots);
  entry->setData(kSourceTagRole, tag);
}

void TfmMain::RefreshDataSource(bool Rebuild) {
  if (Rebuild) {
    const QSignalBlocker blocker(lbSaveSlots);
    lbSaveSlots->clear();
    switch (DataSource) {
      case dsSaveFile:
        for (const SaveSlotEntry& slot : ListSaveSlots(SaveImageBytes(SaveImage)))
          AddSourceEntry(slot.text, slot.offset);
        break;
      case dsDataFile:
        AddSourceEntry(texts::kSourceDataFile, kNoSourceTag);
        break;
      case dsPasswordText:
        AddSourceEntry(texts::kSourcePasswordText, kNoSourceTag);
        break;
    }
  }

  if (lbSaveSlots->count() == 0 || DataSource == dsPasswordText) {
    if (DataSource != dsPasswordText) DataValid = false;
    for (int k = 0; k < kCharacterCount; ++k)
      CharNames[k] = QString::fromLatin1(kCharacterNames[k]);
  } else {
    if (Rebuild) {
      const QSignalBlocker blocker(lbSaveSlots);
      lbSaveSlots->setCurrentRow(0);
    }
    if (DataSource == dsSaveFile) {
      const QListWidgetItem* selected = lbSaveSlots->currentItem();
      const int offset = selected ? selected->data(kSourceTagRole).toInt() : kNoSourceTag;
      // The list never holds an entry whose block the image lacks (a failed
      // read clears both), so a refused read only guards against misuse.
      if (offset >= 0)
        ReadSaveBlock(SaveImageBytes(SaveImage), static_cast<std::size_t>(offset), Data);
    }
    for (int k = 0; k < kCharacterCount; ++k)
      CharNames[k] = QString::fromStdString(CharacterCaption(Data.Characters[k]));
  }

  UpdateGroupCaptions();
  ShowValidity();
}

void TfmMain::UpdateGroupCaptions() {
  for (int k = 0; k < kCharacterCount; ++k) {
    (this->*kCharacterControls[k].statsGroup)->setTitle(Caption(CharNames[k]));
    (this->*kCharacterControls[k].itemsGroup)->setTitle(Caption(CharNames[k]));
  }
}

void TfmMain::lbSaveSlotsClick() {
  // Disabled while the click is handled, so a second click cannot arrive in
  // the middle; enabled again however the handling ends. Disabling takes the
  // focus away, so it is given back: the next arrow key must reach the list.
  const bool hadFocus = lbSaveSlots->hasFocus();
  lbSaveSlots->setEnabled(false);
  const auto enableAgain = qScopeGuard([this, hadFocus] {
    lbSaveSlots->setEnabled(true);
    if (hadFocus) lbSaveSlots->setFocus(Qt::OtherFocusReason);
  });
  RefreshDataSource(false);
  DataToControls();
  btnPasswordClick();
}

void TfmMain::ShowValidity() {
  if (DataValid) {
    lblStatus->setText(texts::kStatusValid);
    if (!PageControl1->isEnabled()) {
      for (int i = 1; i < PageControl1->count(); ++i) PageControl1->setTabVisible(i, true);
      PageControl1->setEnabled(true);
    }
    ResetSourceListFont();
  } else {
    PageControl1->setCurrentWidget(tsMain);
    PageControl1->setEnabled(false);
    for (int i = 1; i < PageControl1->count(); ++i) PageControl1->setTabVisible(i, false);
    lblStatus->setText(texts::kStatusInvalid);
    // The source list keeps its font, so a red marker stays readable.
  }
}

void TfmMain::MarkSourceList(const QString& text) {
  QFont font = lbSaveSlots->font();
  font.setBold(true);
  lbSaveSlots->setFont(font);
  QPalette palette = lbSaveSlots->palette();
  // Red in every state: the page control is disabled while the marker shows.
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    palette.setColor(group, QPalette::Text, Qt::red);
  lbSaveSlots->setPalette(palette);
  lbSaveSlots->item(0)->setText(text);
}

void TfmMain::ResetSourceListFont() {
  QFont font = lbSaveSlots->font();
  font.setBold(false);
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  lbSaveSlots->setFont(font);
  QPalette palette = lbSaveSlots->palette();
  palette.setColor(QPalette::Active, QPalette::Text, Qt::black);
  palette.setColor(QPalette::Inactive, QPalette::Text, Qt::black);
  palette.setColor(QPalette::Disabled, QPalette::Text,
                   QApplication::palette(lbSaveSlots).color(QPalette::Disabled, QPalette::Text));
  lbSaveSlots->setPalette(palette);
}

void TfmMain::SelectType(TPasswordType type) {
  // Checked from code: no click, so no new password is made.
  QRadioButton* buttons[] = {rbGold, rbSilver, rbBronze};
  buttons[type]->setChecked(true);
}

void TfmMain::mFileLoadClipboardClick(QObject* Sender) {
  if (Sender == nullptr) {
    DataSource = dsPasswordText;
    PasswordText = CleanPasswordText(PasswordText);
  } else {
    if (!platform_.clipboardHasText()) {
      platform_.information(this, texts::kInformationTitle, texts::kNoClipboardText);
      return;
    }
    DataSource = dsPasswordText;
    // An unpaired surrogate would reach the decoder as "?", a password character.
    PasswordText = WithoutLoneSurrogates(CleanPasswordText(platform_.clipboardText()));
  }
  RefreshDataSource(true);

  const std::optional<TPasswordType> type = PasswordTypeForLength(PasswordCharCount(PasswordText));
  if (!type) {
    DataValid = false;
    if (lbSaveSlots->count() > 0) MarkSourceList(texts::kSourceUnusablePassword);
    lbSaveSlotsClick();
    return;
  }
  SelectType(*type);
  rbPasswordTypeClick(Sender);

  // The imported text itself is shown, not a password made anew.
  RebuildPageList(
      static_cast<int>(PageCount(static_cast<std::size_t>(PasswordCharCount(PasswordText)))));
  ShowPage(0);
  RefreshDataSource(true);
  DecodePasswordText();
}

void TfmMain::DecodePasswordText() {
  const TPasswordType type = SelectedType();
  Data = TPasswordData{};
  std::string message;
  try {
    message = Decoder.DecodePassword(type, PasswordText.toStdString(), &Data);
    DataValid = message.empty();
  } catch (const std::exception&) {
    // The status line shows the invalid state; there is no message to show.
    DataValid = false;
  }
  if (!message.empty()) {
    if (lbSaveSlots->count() > 0) MarkSourceList(texts::kSourceInvalidPassword);
    platform_.message(this, QString::fromStdString(message));
  } else {
    ResetSourceListFont();
  }
  if (DataValid) DataToControls();
  ShowValidity();
}

void TfmMain::mDefaultsClick(QObject* Sender) {
  if (!platform_.confirm(this, texts::kConfirmDefault)) return;
  const QAction* items[kDefaultPartyCount] = {mDefaultsLow, mDefaultsMid, mDefaultsHigh};
  for (int which = 0; which < kDefaultPartyCount; ++which)
    if (Sender == items[which])
      return LoadDefaultPassword(QString::fromLatin1(kDefaultPasswords[which]));
}

void TfmMain::LoadDefaultPassword(const QString& Text) {
  PasswordText = Text;
  mFileLoadClipboardClick(nullptr);
}

void TfmMain::mPasswordCheckClick() {
  if (dlgPasswordCheck->exec() != QDialog::Accepted) return;
  // Loaded as pasted password text is, but without the clipboard, which
  // keeps whatever the user has on it.
  PasswordText = dlgPasswordCheck->ChosenPassword;
  mFileLoadClipboardClick(nullptr);
}

}  // namespace velmara
