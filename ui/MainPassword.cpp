// Making the password from the controls and showing it page by page: the
// type buttons, the refresh button, the page list and the memo.
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <algorithm>

#include "MainTexts.h"
#include "main.h"

namespace velmara {

namespace {

constexpr qsizetype kPageChars = static_cast<qsizetype>(kPageLength);
constexpr qsizetype kRowChars = static_cast<qsizetype>(kRowLength);
constexpr qsizetype kGroupChars = 5;
const QString kGroupGap = QStringLiteral("  ");

QString FromCodePoints(const QList<uint>& chars, qsizetype from, qsizetype count) {
  return QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.constData()) + from, count);
}

// The rows of one page, each as "abcde  fghij"; a row of five characters or
// fewer gets the gap at its end. Rows end at every tenth character of the
// whole password, which never falls inside a page's row. Counted by code
// point, as the decoder counts the characters of a password.
QStringList PageRows(const QList<uint>& chars, int page) {
  QStringList rows;
  const qsizetype length = chars.size();
  const qsizetype pages = length / kPageChars + 1;
  if (page < 0 || page >= pages) return rows;
  const qsizetype first = kPageChars * page;
  const qsizetype end =
      length - first >= kPageChars ? first + kPageChars : first + length % kPageChars;
  qsizetype rowStart = first;
  for (qsizetype i = first; i < end; ++i) {
    if ((i + 1) % kRowChars != 0 && i != end - 1) continue;
    const qsizetype rowLength = i + 1 - rowStart;
    const qsizetype headLength = std::min(rowLength, kGroupChars);
    rows << FromCodePoints(chars, rowStart, headLength) + kGroupGap +
                FromCodePoints(chars, rowStart + headLength, rowLength - headLength);
    rowStart = i + 1;
  }
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
  RebuildPageList(static_cast<int>(PasswordText.toUcs4().size() / kPageChars + 1));
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
  Memo1->setPlainText(PageRows(PasswordText.toUcs4(), Page).join(u'\n'));
  Memo1->moveCursor(QTextCursor::Start);
  Memo1->setUpdatesEnabled(true);
}

}  // namespace velmara
