// Making the password from the controls and showing it page by page: the
// type buttons, the refresh button, the page list and the memo.
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextCursor>

#include "core/PasswordLayout.h"
#include "ui/MainTexts.h"
#include "ui/main.h"

namespace velmara {

namespace {

QString FromCodePoints(const QList<uint>& chars, std::size_t from, std::size_t count) {
  return QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.constData()) + from,
                           static_cast<qsizetype>(count));
}

// The rows of one page, each as "abcde  fghij", counted by code point as the
// decoder counts the characters of a password.
QStringList ShownRows(const QList<uint>& chars, int page) {
  const QString gap = QString::fromLatin1(kPageRowGap.data(), kPageRowGap.size());
  QStringList rows;
  for (const PageRow& row : PageRows(static_cast<std::size_t>(chars.size()), page))
    rows << FromCodePoints(chars, row.first, row.head) + gap +
                FromCodePoints(chars, row.first + row.head, row.tail);
  return rows;
}

}  // namespace

TPasswordType TfmMain::SelectedType() const {
  // Gold unless Silver is selected, and Bronze if Bronze is selected.
  TPasswordType type = ptGold;
  if (rbSilver->isChecked()) type = ptSilver;
  if (rbBronze->isChecked()) type = ptBronze;
  return type;
}

void TfmMain::rbPasswordTypeClick(QObject* Sender) {
  const TPasswordType type = SelectedType();
  lblTypeSilver->setVisible(type == ptSilver || type == ptGold);
  lblTypeGold->setVisible(type == ptGold);
  // Only a user's click on a type makes a new password; an import that
  // selects the type of its text keeps that text.
  if (Sender == rbGold || Sender == rbSilver || Sender == rbBronze) btnPasswordClick();
}

void TfmMain::btnPasswordClick() {
  {
    const QSignalBlocker blocker(lbPages);
    lbPages->clear();
  }
  Memo1->clear();
  ControlsToData();
  GeneratePassword();
  DataToControls();
}

void TfmMain::GeneratePassword() {
  if (!DataValid) return;
  PasswordText = QString::fromStdString(Encoder.MakePassword(SelectedType(), &Data));
  RebuildPageList(
      static_cast<int>(PageCount(static_cast<std::size_t>(PasswordText.toUcs4().size()))));
  lbPagesClick();
}

void TfmMain::RebuildPageList(int pages) {
  const QSignalBlocker blocker(lbPages);
  lbPages->clear();
  for (int n = 1; n <= pages; ++n) lbPages->addItem(texts::kPagePrefix + QString::number(n));
  lbPages->setCurrentRow(0);
}

void TfmMain::lbPagesClick() {
  if (DataValid) ShowPage(lbPages->currentRow());
}

void TfmMain::ShowPage(int Page) {
  Memo1->setUpdatesEnabled(false);
  Memo1->setPlainText(ShownRows(PasswordText.toUcs4(), Page).join(u'\n'));
  Memo1->moveCursor(QTextCursor::Start);
  Memo1->setUpdatesEnabled(true);
}

}  // namespace velmara
