#include "PasswordCheck.h"

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

#include "DialogKeys.h"
#include "Fonts.h"
#include "Password.h"
#include "PasswordEntry.h"
#include "PasswordRepair.h"
#include "RepairTexts.h"

namespace velmara {

namespace {

// The list row's password.
constexpr int kPasswordRole = Qt::UserRole;

// Design sizes: the entry shows two pages with their headings, the
// candidate list as much; captions grow the dialog when the desktop font
// needs it.
constexpr int kMargin = 16;
constexpr int kEntryLines = 13;
constexpr int kListWidth = 380;
constexpr int kEntryColumnWidth = 330;  // the entry's notes wrap less
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
// Failing rows and characters outside the alphabet named in the notes
// under the entry, which should not grow the dialog without end.
constexpr qsizetype kMostListed = 6;

struct TypeName {
  TPasswordType type;
  QString name;
};
const TypeName kTypeNames[] = {
    {ptBronze, QStringLiteral("铜")},
    {ptSilver, QStringLiteral("银")},
    {ptGold, QStringLiteral("金")},
};

const QString kListSeparator = QStringLiteral("，");

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QLatin1String(name));
  button->setMinimumSize(kButtonWidth, kButtonHeight);
  // No default button: Enter in the entry or on the list presses nothing.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text = QString()) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  return label;
}

// "字符数：259（铜 16，银 61，金 260）：比金少 1 个", against the nearest length.
QString LengthInWords(std::size_t characters) {
  QStringList lengths;
  for (const TypeName& type : kTypeNames)
    lengths << type.name + u' ' + QString::number(PasswordLength(type.type));
  QString words =
      QStringLiteral("字符数：%1（%2）").arg(characters).arg(lengths.join(kListSeparator));
  if (characters == 0) return words;

  const auto distance = [characters](const TypeName& type) {
    return std::llabs(static_cast<long long>(characters) -
                      static_cast<long long>(PasswordLength(type.type)));
  };
  const TypeName& nearest = *std::min_element(
      std::begin(kTypeNames), std::end(kTypeNames),
      [&](const TypeName& a, const TypeName& b) { return distance(a) < distance(b); });
  const long long off = distance(nearest);
  if (off == 0) return words + QStringLiteral("：正好是") + nearest.name;
  const bool fewer = characters < PasswordLength(nearest.type);
  return words + QStringLiteral("：比") + nearest.name + (fewer ? u'少' : u'多') +
         QStringLiteral(" %1 个").arg(off);
}

QString RowsInWords(const TypedPasswordCheck& check) {
  QStringList failing;
  int passing = 0;
  for (std::size_t r = 0; r < check.rows.size(); ++r) {
    if (!check.rows[r].complete) continue;
    if (check.rows[r].matches) {
      ++passing;
    } else {
      failing << RowInWords(r * kRowLength + 1);
    }
  }
  if (failing.isEmpty() && passing == 0) return QStringLiteral("行检查：还没有完整的行");
  if (failing.isEmpty()) return QStringLiteral("行检查：✓ 完整的 %1 行都正确").arg(passing);
  QString words =
      QStringLiteral("行检查：✗ 有误的行：") + failing.mid(0, kMostListed).join(kListSeparator);
  if (failing.size() > kMostListed) words += QStringLiteral("，共 %1 行").arg(failing.size());
  if (passing > 0) words += QStringLiteral("；✓ 其余 %1 行正确").arg(passing);
  return words;
}

QString InvalidInWords(const TPasswordEntry& entry) {
  const std::vector<std::size_t>& positions = entry.Check().invalidPositions;
  if (positions.empty()) return QStringLiteral("字母表以外的字符：无");
  const EntryLayout& layout = entry.Layout();
  QStringList listed;
  for (std::size_t k = 0; k < positions.size() && listed.size() < kMostListed; ++k) {
    const std::size_t i = positions[k] - 1;
    if (i >= layout.starts.size()) break;  // the layout counts as the check does
    const QString typed = layout.text.mid(layout.starts[i], layout.ends[i] - layout.starts[i]);
    listed << PlaceInWords(positions[k]) + QStringLiteral(" “") +
                  CharactersInWords(typed.toStdString()) + QStringLiteral("”");
  }
  QString words = QStringLiteral("字母表以外的字符：") + listed.join(kListSeparator);
  if (positions.size() > static_cast<std::size_t>(listed.size()))
    words += QStringLiteral("，共 %1 个").arg(positions.size());
  return words;
}

QString OutcomeInWords(const RepairResult& result) {
  switch (result.outcome) {
    case RepairOutcome::AlreadyValid:
      return QStringLiteral("这个密码没有错误，可以直接使用。");
    case RepairOutcome::Repaired: {
      QString words = QStringLiteral("找到 %1 个候选密码，最可能的排在最前面。").arg(result.found);
      if (result.found > result.candidates.size())
        words += QStringLiteral("这里列出前 %1 个。").arg(result.candidates.size());
      return words;
    }
    case RepairOutcome::NoCandidate:
    case RepairOutcome::UnknownType:
      break;
    case RepairOutcome::WrongLength:
      return QStringLiteral("字符数和金、银、铜的长度都相差一个以上，无法修复。");
  }
  return QStringLiteral(
      "找不到候选密码。能修复的错误是：每行一个错字（最多三行）、相邻两个字符对调、"
      "对调加一个错字、多一个或少一个字符。");
}

// The decoder's own message for the text read as `type`, line ends as the
// label shows them; empty when it accepts the text.
QString DecoderMessage(TPasswordType type, const std::string& text) {
  TVelmaraPasswordDecoder decoder;
  TPasswordData scratch{};
  try {
    QString message = QString::fromStdString(decoder.DecodePassword(type, text, &scratch));
    return message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  } catch (const std::exception& error) {
    return QString::fromUtf8(error.what());
  }
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
  btnSearch = MakeButton(this, "btnSearch", QStringLiteral("查找修复(&S)"));
  lbCandidates = new QListWidget(this);
  lbCandidates->setObjectName(QStringLiteral("lbCandidates"));
  lbCandidates->setSelectionMode(QAbstractItemView::SingleSelection);
  lbCandidates->setWordWrap(true);
  btnUse = MakeButton(this, "btnUse", QStringLiteral("使用(&U)"));
  btnCancel = MakeButton(this, "btnCancel", QStringLiteral("取消(&C)"));

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
  const int chrome = 2 * ePassword->frameWidth() +
                     2 * static_cast<int>(ePassword->document()->documentMargin()) + 4;
  ePassword->setFixedHeight(kEntryLines * metrics.lineSpacing() + chrome);
  lbCandidates->setMinimumWidth(kListWidth);
  lbCandidates->setFixedHeight(ePassword->height());

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(btnUse);
  buttons->addWidget(btnCancel);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
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
  lblLength->setText(LengthInWords(check.characters));
  lblRows->setText(RowsInWords(check));
  lblInvalid->setText(InvalidInWords(*ePassword));
  // The candidates were found for the text as it was.
  ClearCandidates();
  btnSearch->setEnabled(check.characters > 0);
}

void TdlgPasswordCheck::btnSearchClick() {
  ClearCandidates();
  const std::string text = ePassword->Password().toStdString();
  const std::optional<TPasswordType> type = RepairTypeForLength(ePassword->Check().characters);
  if (!type) {
    RepairResult tooFar;
    tooFar.outcome = RepairOutcome::WrongLength;
    lblResult->setText(OutcomeInWords(tooFar));
    return;
  }
  const RepairResult result = RepairPassword(*type, text);
  QStringList words;
  const QString message = DecoderMessage(*type, text);
  if (!message.isEmpty()) words << message;
  words << OutcomeInWords(result);
  lblResult->setText(words.join(u'\n'));
  ListCandidates(result);
}

void TdlgPasswordCheck::ListCandidates(const RepairResult& result) {
  int number = 0;
  for (const RepairCandidate& candidate : result.candidates) {
    auto* row = new QListWidgetItem(CandidateInWords(candidate, ++number), lbCandidates);
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
