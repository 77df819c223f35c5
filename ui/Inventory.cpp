#include "ui/Inventory.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <utility>

#include "codec/PasswordData.h"
#include "core/InventoryEditor.h"
#include "core/InventorySlots.h"
#include "core/WindowTexts.h"
#include "ui/DialogKeys.h"
#include "ui/InventoryRows.h"
#include "ui/LayoutSizes.h"
#include "ui/Platform.h"

namespace velmara {

namespace {

const QString kInformationTitle = QString::fromUtf8(window_texts::kInformationTitle);

// Design sizes of the form; controls grow beyond them when the desktop font
// needs more room.
constexpr int kMoveButtonWidth = 57;

QListWidget* MakeList(QWidget* parent, const char* name) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QLatin1String(name));
  SetUpInventoryList(list);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  return list;
}

}  // namespace

TdlgInventory::TdlgInventory(Platform& platform, const std::vector<ItemName>& itemNames,
                             QWidget* parent)
    : QDialog(parent), platform_(platform), itemNames_(itemNames), editor_(itemNames) {
  setObjectName(QStringLiteral("dlgInventory"));
  setWindowTitle(QString::fromUtf8(inventory_texts::kTitle));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  CreateControls();
  LayOutControls();
  ConnectHandlers();
}

void TdlgInventory::CreateControls() {
  // Created in tab order, so the focus chain follows it.
  // No default button: Enter on a list must not press Add, or any other
  // command the user did not choose.
  btnAdd = MakeDialogButton(this, "btnAdd", QStringLiteral("<< 加入(&A)"), kButtonWidth);
  btnInsert = MakeDialogButton(this, "btnInsert", QStringLiteral("<< 插入(&I)"), kButtonWidth);
  btnReplace = MakeDialogButton(this, "btnReplace", QStringLiteral("<< 替换(&E)"), kButtonWidth);
  btnRemove = MakeDialogButton(this, "btnRemove", QStringLiteral(">> 移除(&M)"), kButtonWidth);
  btnQuantity = MakeDialogButton(this, "btnQuantity", QStringLiteral("数量(&L)..."), kButtonWidth);
  lbCharacter = MakeList(this, "lbCharacter");
  btnUp = MakeDialogButton(this, "btnUp", QStringLiteral("上移(&U)"), kMoveButtonWidth);
  btnDown = MakeDialogButton(this, "btnDown", QStringLiteral("下移(&D)"), kMoveButtonWidth);
  btnTop = MakeDialogButton(this, "btnTop", QStringLiteral("顶端(&T)"), kMoveButtonWidth);
  btnBottom = MakeDialogButton(this, "btnBottom", QStringLiteral("底部(&B)"), kMoveButtonWidth);
  lbItems = MakeList(this, "lbItems");
  btnOK = MakeDialogButton(this, "btnOK", QStringLiteral("确定(&O)"), kInventoryListWidth);
  btnCancel = MakeDialogButton(this, "btnCancel", QStringLiteral("取消(&C)"), kInventoryListWidth);

  QWidget* order[] = {btnAdd,  btnInsert, btnReplace, btnRemove, btnQuantity, lbCharacter, btnUp,
                      btnDown, btnTop,    btnBottom,  lbItems,   btnOK,       btnCancel};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  Label1 = new QLabel(QStringLiteral("角色(&C):"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setBuddy(lbCharacter);
  lblCharname = new QLabel(QStringLiteral("---"), this);
  lblCharname->setObjectName(QStringLiteral("lblCharname"));
  QFont bold = lblCharname->font();
  bold.setBold(true);
  lblCharname->setFont(bold);
  Label3 = new QLabel(QStringLiteral("道具(&I):"), this);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setBuddy(lbItems);

  // The form sees keys before its controls (Esc cancels from anywhere).
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void TdlgInventory::LayOutControls() {
  // Wide enough for the longest slot text, a quantity included, in bold.
  QFont bold = lbCharacter->font();
  bold.setBold(true);
  const QFontMetrics metrics(bold);
  int textWidth = 0;
  for (const ItemName& item : itemNames_)
    textWidth = std::max(textWidth, metrics.horizontalAdvance(QString::fromStdString(
                                        SlotTextWithQuantity(item.name, kMaxQuantity))));
  const int listWidth =
      std::max(kInventoryListWidth, textWidth + 4 + 2 * lbCharacter->frameWidth() +
                                        style()->pixelMetric(QStyle::PM_ScrollBarExtent));

  auto* characterCaption = new QHBoxLayout;
  characterCaption->setSpacing(8);
  characterCaption->addWidget(Label1);
  characterCaption->addWidget(lblCharname, 1);

  auto* commands = new QVBoxLayout;
  commands->setSpacing(7);
  commands->addWidget(btnAdd);
  commands->addWidget(btnInsert);
  commands->addWidget(btnReplace);
  commands->addSpacing(16);
  commands->addWidget(btnRemove);
  commands->addSpacing(16);
  commands->addWidget(btnQuantity);
  commands->addStretch(1);

  auto* moveRow1 = new QHBoxLayout;
  moveRow1->setSpacing(7);
  moveRow1->addWidget(btnUp);
  moveRow1->addWidget(btnDown);
  auto* moveRow2 = new QHBoxLayout;
  moveRow2->setSpacing(7);
  moveRow2->addWidget(btnTop);
  moveRow2->addWidget(btnBottom);

  // The lists line up with the buttons under them.
  const int columnWidth =
      std::max({listWidth, moveRow1->sizeHint().width(), moveRow2->sizeHint().width(),
                btnOK->sizeHint().width(), btnCancel->sizeHint().width()});
  for (QListWidget* list : {lbCharacter, lbItems}) {
    list->setFixedWidth(columnWidth);
    list->setFixedHeight(InventoryListHeight(list, kSlotsPerCharacter));
  }

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(kFormMargin, kFormMargin, kFormMargin, kFormMargin);
  grid->setHorizontalSpacing(30);
  grid->setVerticalSpacing(7);
  grid->addLayout(characterCaption, 0, 0);
  grid->addWidget(Label3, 0, 2);
  grid->addWidget(lbCharacter, 1, 0);
  grid->addLayout(commands, 1, 1);
  grid->addWidget(lbItems, 1, 2);
  grid->addLayout(moveRow1, 2, 0);
  grid->addWidget(btnOK, 2, 2);
  grid->addLayout(moveRow2, 3, 0);
  grid->addWidget(btnCancel, 3, 2);
  // A fixed border: the dialog takes the size its contents need.
  grid->setSizeConstraint(QLayout::SetFixedSize);
}

void TdlgInventory::ConnectHandlers() {
  connect(btnAdd, &QPushButton::clicked, this, &TdlgInventory::btnAddClick);
  connect(btnInsert, &QPushButton::clicked, this, &TdlgInventory::btnInsertClick);
  connect(btnReplace, &QPushButton::clicked, this, &TdlgInventory::btnReplaceClick);
  connect(btnRemove, &QPushButton::clicked, this, &TdlgInventory::btnRemoveClick);
  connect(btnQuantity, &QPushButton::clicked, this, &TdlgInventory::btnQuantityClick);
  connect(btnUp, &QPushButton::clicked, this, &TdlgInventory::btnUpClick);
  connect(btnDown, &QPushButton::clicked, this, &TdlgInventory::btnDownClick);
  connect(btnTop, &QPushButton::clicked, this, &TdlgInventory::btnTopClick);
  connect(btnBottom, &QPushButton::clicked, this, &TdlgInventory::btnBottomClick);
  connect(btnOK, &QPushButton::clicked, this, &TdlgInventory::btnOKClick);
  connect(btnCancel, &QPushButton::clicked, this, &TdlgInventory::btnCancelClick);
  connect(lbCharacter, &QListWidget::itemSelectionChanged, this, &TdlgInventory::lbCharacterClick);
  connect(lbCharacter, &QListWidget::itemDoubleClicked, this, &TdlgInventory::lbCharacterDblClick);
}

// ---------------------------------------------------------------- events

void TdlgInventory::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Un-minimising the window is not a new opening.
  if (!event->spontaneous()) FormShow();
}

void TdlgInventory::keyPressEvent(QKeyEvent* event) {
  if (FormKeyDown(event->key())) return;
  QDialog::keyPressEvent(event);
}

bool TdlgInventory::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (FormKeyDown(key->key())) return true;
    if (PressFocusedButton(watched, key->key())) return true;
  }
  return QDialog::eventFilter(watched, event);
}

bool TdlgInventory::FormKeyDown(int key) {
  if (key != Qt::Key_Escape) return false;
  btnCancelClick();
  return true;
}

void TdlgInventory::FormShow() {
  std::vector<InventoryRow> rows;
  if (InventoryList != nullptr) {
    for (int row = 0; row < InventoryList->count(); ++row) {
      const QListWidgetItem* source = InventoryList->item(row);
      rows.push_back({source->text().toStdString(), RowItemWord(source)});
    }
  }
  editor_.Open(std::move(rows), CharacterName.toStdString(), GoldType);

  commandSelecting_ = true;
  lbItems->clear();
  for (const InventoryRow& item : editor_.Items())
    AddRow(lbItems, QString::fromStdString(item.text), item.word);
  lbCharacter->clear();
  commandSelecting_ = false;

  lblCharname->setText(CharacterName);
  btnQuantity->setEnabled(GoldType);

  if (InventoryList == nullptr) {
    btnOK->setEnabled(false);
    return ReportMissingList();
  }
  btnOK->setEnabled(true);

  commandSelecting_ = true;
  for (const InventoryRow& slot : editor_.Slots())
    AddRow(lbCharacter, QString::fromStdString(slot.text), slot.word);
  commandSelecting_ = false;

  if (StartIndex < 0) StartIndex = 0;
  // The main window's list never has more than its 15 rows, but a start slot
  // past the end must not leave the editor without a selection.
  SelectSlot(std::min(StartIndex, SlotCount() - 1));
  SelectItemOfSlot(SelectedSlot());
}

// ---------------------------------------------------------------- commands

void TdlgInventory::btnAddClick() {
  ShowOutcome(editor_.Add(ChosenItemRow()));
}

void TdlgInventory::btnInsertClick() {
  ShowOutcome(editor_.Insert(ChosenItemRow(), SelectedSlot()));
}

void TdlgInventory::btnReplaceClick() {
  ShowOutcome(editor_.Replace(ChosenItemRow(), SelectedSlot()));
}

void TdlgInventory::btnRemoveClick() {
  ShowOutcome(editor_.Remove(SelectedSlot()));
}

void TdlgInventory::btnQuantityClick() {
  const int s = SelectedSlot();
  const std::string refusal = editor_.QuantityRefusal(s);
  if (!refusal.empty()) return Inform(QString::fromStdString(refusal));
  const QuantityQuestion question = editor_.QuantityPrompt(s);
  const std::optional<QString> entered = platform_.prompt(
      this, QString::fromStdString(question.title), QString::fromStdString(question.prompt),
      QString::fromStdString(question.initial));
  if (!entered) return;
  ShowOutcome(editor_.SetQuantity(s, entered->toStdString()));
}

void TdlgInventory::btnUpClick() {
  Move(&InventoryEditor::MoveUp);
}

void TdlgInventory::btnDownClick() {
  Move(&InventoryEditor::MoveDown);
}

void TdlgInventory::btnTopClick() {
  Move(&InventoryEditor::MoveToTop);
}

void TdlgInventory::btnBottomClick() {
  Move(&InventoryEditor::MoveToBottom);
}

void TdlgInventory::btnOKClick() {
  if (InventoryList == nullptr) return ReportMissingList();
  editor_.Compact();
  ShowSlots();
  InventoryList->clear();
  for (const InventoryRow& slot : editor_.Slots())
    AddRow(InventoryList, QString::fromStdString(slot.text), slot.word);
  accept();
}

void TdlgInventory::btnCancelClick() {
  reject();
}

void TdlgInventory::lbCharacterClick() {
  if (commandSelecting_) return;
  // One slot stays selected at all times: a Ctrl+click must not leave the
  // commands without a slot to work on.
  const int current = lbCharacter->currentRow();
  if (lbCharacter->selectedItems().isEmpty() && current >= 0) SelectSlot(current);
  SelectItemOfSlot(SelectedSlot());
}

void TdlgInventory::lbCharacterDblClick() {
  if (btnQuantity->isEnabled()) btnQuantityClick();
}

// ---------------------------------------------------------------- helpers

void TdlgInventory::ShowOutcome(const std::string& message) {
  if (!message.empty()) return Inform(QString::fromStdString(message));
  ShowSlots();
}

void TdlgInventory::ShowSlots() {
  // Redrawn once, after every row has its new text and word.
  lbCharacter->setUpdatesEnabled(false);
  const std::vector<InventoryRow>& rows = editor_.Slots();
  for (int slot = 0; slot < SlotCount() && static_cast<std::size_t>(slot) < rows.size(); ++slot)
    SetRow(lbCharacter->item(slot), QString::fromStdString(rows[slot].text), rows[slot].word);
  lbCharacter->setUpdatesEnabled(true);
}

void TdlgInventory::Move(int (InventoryEditor::*move)(int)) {
  const int s = SelectedSlot();
  if (s < 0) return;
  const int selectedAfter = (editor_.*move)(s);
  ShowSlots();
  SelectSlot(selectedAfter);
}

void TdlgInventory::Inform(const QString& text) {
  platform_.information(this, kInformationTitle, text);
}

// A misuse by the caller, reported as an error rather than an information
// box. It is shown here instead of being thrown: an exception must not unwind
// through the widget library's event handling, which is not exception-safe.
void TdlgInventory::ReportMissingList() {
  platform_.error(this, QString::fromUtf8(inventory_texts::kNoInventory));
}

int TdlgInventory::SlotCount() const {
  return lbCharacter->count();
}

int TdlgInventory::SelectedSlot() const {
  const QListWidgetItem* current = lbCharacter->currentItem();
  return current != nullptr && current->isSelected() ? lbCharacter->currentRow() : -1;
}

int TdlgInventory::ChosenItemRow() const {
  const QListWidgetItem* current = lbItems->currentItem();
  return current != nullptr && current->isSelected() ? lbItems->currentRow() : -1;
}

void TdlgInventory::SelectSlot(int slot) {
  commandSelecting_ = true;
  lbCharacter->setCurrentRow(slot);
  commandSelecting_ = false;
}

void TdlgInventory::SelectItemOfSlot(int slot) {
  const int row = editor_.ItemRowOf(slot);
  lbItems->setCurrentRow(row);
  if (row < 0) lbItems->clearSelection();
}

}  // namespace velmara
