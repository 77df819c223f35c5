#include "ui/PasswordCheck.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

#include "codec/Password.h"
#include "codec/PasswordRepair.h"
#include "core/RepairWording.h"
#include "ui/DialogKeys.h"
#include "ui/Fonts.h"
#include "ui/ItemRoles.h"
#include "ui/LayoutSizes.h"
#include "ui/PasswordEntry.h"

namespace velmara {

namespace {

// Design sizes: the entry shows two pages with their headings, the
// candidate list as much; captions grow the dialog when the desktop font
// needs it.
constexpr int kEntryLines = 13;
constexpr int kListWidth = 380;
constexpr int kEntryColumnWidth = 330;  // the entry's notes wrap less

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text = QString()) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QString Words(const std::string& words) {
  return QString::fromStdString(words);
}

}  // namespace

TdlgPasswordCheck::TdlgPasswordCheck(Platform& platform, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dlgPasswordCheck"));
  setWindowTitle(QStringLiteral("检查并修复密码"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  ePassword = new TPasswordEntry(platform, this);
  CreateControls();
  LayOutControls();
  ConnectHandlers();
}

void TdlgPasswordCheck::CreateControls() {
  ePassword->setObjectName(QStringLiteral("ePassword"));
  btnSearch = MakeDialogButton(this, "btnSearch", QStringLiteral("查找修复(&S)"), kButtonWidth);
  lbCandidates = new QListWidget(this);
  lbCandidates->setObjectName(QStringLiteral("lbCandidates"));
  lbCandidates->setSelectionMode(QAbstractItemView::SingleSelection);
  lbCandidates->setWordWrap(true);
  btnUse = MakeDialogButton(this, "btnUse", QStringLiteral("使用(&U)"), kButtonWidth);
  btnCancel = MakeDialogButton(this, "btnCancel", QStringLiteral("取消(&C)"), kButtonWidth);

  QWidget* order[] = {ePassword, btnSearch, lbCandidates, btnUse, btnCancel};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  lblPassword = MakeLabel(this, "lblPassword", QStringLiteral("输入或粘贴密码(&P):"));
  lblPassword->setTextFormat(Qt::AutoText);
  lblPassword->setBuddy(ePassword);
  lblLength = MakeLabel(this, "lblLength");
  lblRows = MakeLabel(this, "lblRows");
  lblInvalid = MakeLabel(this, "lblInvalid");
  lblCandidates = MakeLabel(this, "lblCandidates", QStringLiteral("候选密码(&L):"));
  lblCandidates->setTextFormat(Qt::AutoText);
  lblCandidates->setBuddy(lbCandidates);
  lblResult = MakeLabel(this, "lblResult");

  for (QPushButton* button : {btnSearch, btnUse, btnCancel}) button->installEventFilter(this);
}

void TdlgPasswordCheck::LayOutControls() {
  // Two pages with their headings.
  const QFontMetrics metrics(PasswordFont());
  ePassword->setFixedHeight(kEntryLines * metrics.lineSpacing() + TextEditChrome(ePassword));
  lbCandidates->setMinimumWidth(kListWidth);
  lbCandidates->setFixedHeight(ePassword->height());

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(btnUse);
  buttons->addWidget(btnCancel);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(kFormMargin, kFormMargin, kFormMargin, kFormMargin);
  grid->setHorizontalSpacing(24);
  grid->setVerticalSpacing(7);
  grid->addWidget(lblPassword, 0, 0);
  grid->addWidget(lblCandidates, 0, 1);
  grid->addWidget(ePassword, 1, 0);
  grid->addWidget(lbCandidates, 1, 1);
  grid->addWidget(lblLength, 2, 0);
  grid->addWidget(lblRows, 3, 0);
  grid->addWidget(lblInvalid, 4, 0);
  grid->addWidget(lblResult, 2, 1, 3, 1);
  grid->setColumnMinimumWidth(0, kEntryColumnWidth);
  grid->setRowStretch(5, 1);
  grid->addWidget(btnSearch, 6, 0, Qt::AlignLeft);
  grid->addLayout(buttons, 6, 1);
  // The labels wrap inside the width of the entry and of the list.
  for (QLabel* label : {lblLength, lblRows, lblInvalid})
    label->setMinimumHeight(2 * label->fontMetrics().lineSpacing());
  lblResult->setMinimumHeight(6 * lblResult->fontMetrics().lineSpacing());
  grid->setSizeConstraint(QLayout::SetFixedSize);
}

void TdlgPasswordCheck::ConnectHandlers() {
  connect(ePassword, &TPasswordEntry::PasswordChanged, this, &TdlgPasswordCheck::ePasswordChange);
  connect(btnSearch, &QPushButton::clicked, this, &TdlgPasswordCheck::btnSearchClick);
  connect(btnUse, &QPushButton::clicked, this, &TdlgPasswordCheck::btnUseClick);
  connect(btnCancel, &QPushButton::clicked, this, &TdlgPasswordCheck::reject);
  connect(lbCandidates, &QListWidget::itemSelectionChanged, this,
          &TdlgPasswordCheck::lbCandidatesSelect);
  connect(lbCandidates, &QListWidget::itemDoubleClicked, this,
          &TdlgPasswordCheck::lbCandidatesDblClick);
}

// ---------------------------------------------------------------- events

void TdlgPasswordCheck::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Un-minimising the window is not a new opening.
  if (!event->spontaneous()) FormShow();
}

bool TdlgPasswordCheck::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress &&
      PressFocusedButton(watched, static_cast<QKeyEvent*>(event)->key()))
    return true;
  return QDialog::eventFilter(watched, event);
}

void TdlgPasswordCheck::FormShow() {
  ChosenPassword.clear();
  ePassword->Clear();
  ePassword->setFocus();
}

// ---------------------------------------------------------------- handlers

void TdlgPasswordCheck::ePasswordChange() {
  const TypedPasswordCheck& check = ePassword->Check();
  lblLength->setText(Words(repair_wording::LengthInWords(check.characters)));
  lblRows->setText(Words(repair_wording::RowsInWords(check)));
  lblInvalid->setText(
      Words(repair_wording::InvalidInWords(check, ePassword->Password().toStdString())));
  // The candidates were found for the text as it was.
  ClearCandidates();
  btnSearch->setEnabled(check.characters > 0);
}

void TdlgPasswordCheck::btnSearchClick() {
  ClearCandidates();
  // The decoder's own message, when it refuses the text, then the outcome.
  const repair_wording::TypedRepair repair =
      repair_wording::RepairTypedText(ePassword->Password().toStdString());
  lblResult->setText(Words(repair.words));
  ListCandidates(repair.result);
}

void TdlgPasswordCheck::ListCandidates(const RepairResult& result) {
  int number = 0;
  for (const RepairCandidate& candidate : result.candidates) {
    auto* row = new QListWidgetItem(Words(repair_wording::CandidateInWords(candidate, ++number)),
                                    lbCandidates);
    row->setData(kPasswordRole, QString::fromStdString(candidate.password));
  }
  if (lbCandidates->count() == 0) return;
  lbCandidates->setCurrentRow(0);
  lbCandidates->setFocus();
}

void TdlgPasswordCheck::ClearCandidates() {
  lbCandidates->clear();
  lblResult->clear();
  btnUse->setEnabled(false);
}

void TdlgPasswordCheck::lbCandidatesSelect() {
  btnUse->setEnabled(!lbCandidates->selectedItems().isEmpty());
}

void TdlgPasswordCheck::lbCandidatesDblClick() {
  btnUseClick();
}

void TdlgPasswordCheck::btnUseClick() {
  const QList<QListWidgetItem*> chosen = lbCandidates->selectedItems();
  if (chosen.isEmpty()) return;
  ChosenPassword = chosen.front()->data(kPasswordRole).toString();
  accept();
}

}  // namespace velmara
