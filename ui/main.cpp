// Construction of the main window: menus, the five tab sheets and their
// controls, the handler connections, and the start-up and show steps.
#include "ui/main.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/About.h"
#include "ui/Fonts.h"
#include "ui/Inventory.h"
#include "ui/InventoryRows.h"
#include "ui/LayoutSizes.h"
#include "ui/MainTables.h"
#include "ui/MainTexts.h"
#include "ui/PasswordCheck.h"
#include "ui/SourceList.h"

namespace velmara {

using namespace main_tables;

namespace {

// The window's design: a 617 x 428 client area with the page control 16
// pixels in from the sides and 24 below the menu. Larger desktop fonts grow
// the window rather than clip a caption.
constexpr int kClientWidth = 617;
constexpr int kClientHeight = 428;
constexpr int kPageControlLeft = kFormMargin;
constexpr int kPageControlTop = 24;
constexpr int kPageControlBottom = 19;

constexpr int kInventoryRows = kSlotsPerCharacter;
constexpr int kMemoRows = 5;

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QLabel* WrappedLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
}

QFrame* HorizontalBevel(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

// A check list: one checkable, unchecked row per text, sized to show all of
// them without scrolling and at least as wide as the design asks.
QListWidget* CheckList(const QStringList& items, int minWidth, QWidget* parent) {
  auto* list = new QListWidget(parent);
  for (const QString& text : items) {
    auto* row = new QListWidgetItem(text, list);
    row->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    row->setCheckState(Qt::Unchecked);
  }
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const int frame = 2 * list->frameWidth();
  list->setFixedSize(std::max(minWidth, list->sizeHintForColumn(0) + frame + 4),
                     list->sizeHintForRow(0) * list->count() + frame);
  return list;
}

// Wide enough that either marker of an invalid password reads whole in the
// red bold font it is shown in, beside a vertical scroll bar.
int MarkedSourceListWidth(const QListWidget* list) {
  QFont bold = list->font();
  bold.setBold(true);
  const QFontMetrics metrics(bold);
  const int text = std::max(metrics.horizontalAdvance(texts::kSourceUnusablePassword),
                            metrics.horizontalAdvance(texts::kSourceInvalidPassword));
  // The item delegate keeps the text this far in from both row edges.
  const int textMargin =
      list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
  return text + 2 * textMargin + 2 * list->frameWidth() +
         list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
}

}  // namespace

TfmMain::TfmMain(Platform& platform, QWidget* parent) : QMainWindow(parent), platform_(platform) {
  setObjectName(QStringLiteral("fmMain"));
  setWindowTitle(texts::kWindowCaption);
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

  CreateMenus();

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setMinimumSize(kClientWidth, kClientHeight);
  auto* clientLayout = new QVBoxLayout(client);
  clientLayout->setContentsMargins(kPageControlLeft, kPageControlTop, kPageControlLeft,
                                   kPageControlBottom);
  PageControl1 = Named(new QTabWidget(client), "PageControl1");
  clientLayout->addWidget(PageControl1);
  setCentralWidget(client);

  CreateMainTab();
  CreateDjinnTab();
  CreateCharactersTab();
  CreateItemsTab();
  CreateMiscTab();
  PageControl1->setCurrentWidget(tsMain);
  PageControl1->setEnabled(false);  // ShowValidity enables it once valid data is loaded

  ConnectHandlers();
  GuardKeys();
  FormCreate();

  dlgInventory = new TdlgInventory(platform_, ItemNames, this);
  dlgInventory->setObjectName(QStringLiteral("dlgInventory"));
  dlgAbout = new TdlgAbout(platform_, this);
  dlgAbout->setObjectName(QStringLiteral("dlgAbout"));
  dlgPasswordCheck = new TdlgPasswordCheck(platform_, this);

  // A single, non-resizable border: the size the layout asks for, never less
  // than the design's client area.
  layout()->activate();
  setFixedSize(sizeHint());
}

TfmMain::~TfmMain() = default;

void TfmMain::CreateMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  auto action = [this](QMenu* menu, const char* name, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    return item;
  };
  auto separator = [](QMenu* menu, const char* name) {
    QAction* item = menu->addSeparator();
    item->setObjectName(QString::fromLatin1(name));
    return item;
  };

  mFile = Named(bar->addMenu(QStringLiteral("文件(&F)")), "mFile");
  mFileLoad = Named(mFile->addMenu(QStringLiteral("从...载入数据(&L)")), "mFileLoad");
  mFileLoadSavegame =
      action(mFileLoad, "mFileLoadSavegame", QStringLiteral("Velmara电池记忆文件..."));
  mFileLoadDatafile = action(mFileLoad, "mFileLoadDatafile", QStringLiteral("密码数据文件..."));
  N3 = separator(mFileLoad, "N3");
  mFileLoadClipboard =
      action(mFileLoad, "mFileLoadClipboard", QStringLiteral("剪贴板上的密码文本"));
  N1 = separator(mFile, "N1");
  mFileSavePwdData = action(mFile, "mFileSavePwdData", QStringLiteral("保存密码数据(&S)..."));
  mFileSaveTiles = action(mFile, "mFileSaveTiles", QStringLiteral("保存原始密码字符(&V)..."));
  N2 = separator(mFile, "N2");
  mFileExit = action(mFile, "mFileExit", QStringLiteral("退出(&X)"));
  mFileExit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

  mPassword = Named(bar->addMenu(QStringLiteral("密码(&W)")), "mPassword");
  mPasswordClipboard = action(mPassword, "mPasswordClipboard", QStringLiteral("复制到剪贴板(&C)"));
  mPasswordClipboard->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  mPasswordCheck = action(mPassword, "mPasswordCheck", QStringLiteral("检查并修复密码(&K)..."));
  mPasswordImport =
      action(mPassword, "mPasswordImport", QStringLiteral("从剪贴板上的密码文本导入数据"));
  mPasswordImport->setEnabled(false);
  mPasswordImport->setVisible(false);
  mPasswordPrint = action(mPassword, "mPasswordPrint", QStringLiteral("打印密码和游戏信息(&P)"));
  mPasswordPrint->setVisible(false);

  mDefaults = Named(bar->addMenu(QStringLiteral("默认(&D)")), "mDefaults");
  mDefaultsLow = action(mDefaults, "mDefaultsLow", QStringLiteral("较低等级(&L)"));
  mDefaultsMid = action(mDefaults, "mDefaultsMid", QStringLiteral("中等等级(&M)"));
  mDefaultsHigh = action(mDefaults, "mDefaultsHigh", QStringLiteral("最高等级"));

  mAbout = bar->addAction(QStringLiteral("关于(&A)"));
  mAbout->setObjectName(QStringLiteral("mAbout"));
}

void TfmMain::CreateMainTab() {
  tsMain = Named(new QWidget, "tsMain");
  PageControl1->addTab(tsMain, QStringLiteral("密码(&P)"));

  GroupBox1 = Named(new QGroupBox(QStringLiteral("密码类型(&T)"), tsMain), "GroupBox1");
  rbGold = Named(new QRadioButton(QStringLiteral("金（长度 260）"), GroupBox1), "rbGold");
  rbSilver = Named(new QRadioButton(QStringLiteral("银（长度 61）"), GroupBox1), "rbSilver");
  rbBronze = Named(new QRadioButton(QStringLiteral("铜（长度 16）"), GroupBox1), "rbBronze");
  rbGold->setChecked(true);
  auto* typeLayout = new QVBoxLayout(GroupBox1);
  for (QRadioButton* button : {rbGold, rbSilver, rbBronze}) typeLayout->addWidget(button);
  typeLayout->addStretch();

  gbTypeInfo =
      Named(new QGroupBox(QStringLiteral("选择密码组将有以下变化:"), tsMain), "gbTypeInfo");
  lblTypeBronze =
      Named(new QLabel(QStringLiteral("* 基本要素（等级，精灵，可提供精神力的道具，和小事件） "),
                       gbTypeInfo),
            "lblTypeBronze");
  lblTypeSilver =
      Named(new QLabel(QStringLiteral("* 基本角色状态（无修正）"), gbTypeInfo), "lblTypeSilver");
  lblTypeGold = Named(new QLabel(QStringLiteral("* 所有物品和金钱"), gbTypeInfo), "lblTypeGold");
  auto* infoLayout = new QVBoxLayout(gbTypeInfo);
  for (QLabel* label : {lblTypeBronze, lblTypeSilver, lblTypeGold}) infoLayout->addWidget(label);
  infoLayout->addStretch();

  Bevel1 = Named(HorizontalBevel(tsMain), "Bevel1");

  lblStatus = Named(WrappedLabel(QStringLiteral("状态"), tsMain), "lblStatus");
  {
    QPalette maroon = lblStatus->palette();
    maroon.setColor(QPalette::WindowText, QColor(128, 0, 0));
    lblStatus->setPalette(maroon);
    lblStatus->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for the longer of the two status texts at the design width.
    lblStatus->setMinimumHeight(3 * lblStatus->fontMetrics().lineSpacing());
  }

  btnPassword = Named(new QPushButton(QStringLiteral("刷新密码(&R)"), tsMain), "btnPassword");

  Memo1 = Named(new QPlainTextEdit(tsMain), "Memo1");
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  {
    const QFont font = PasswordFont();
    Memo1->setFont(font);
    // Five rows of "abcde  fghij" with the frame and the document margin.
    const QFontMetrics metrics(font);
    const int chrome = TextEditChrome(Memo1);
    Memo1->setFixedSize(std::max(129, metrics.horizontalAdvance(WidestPasswordRow()) + chrome),
                        std::max(105, kMemoRows * metrics.lineSpacing() + chrome));
  }
  auto* memoLabel = new QLabel(QStringLiteral("密码:"), tsMain);

  lbPages = Named(new QListWidget(tsMain), "lbPages");
  {
    // Wide enough for "Page 6" beside a scroll bar, as tall as the memo.
    const int text = lbPages->fontMetrics().horizontalAdvance(texts::kPagePrefix + "00");
    const int scrollBar = lbPages->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    lbPages->setFixedSize(std::max(81, text + scrollBar + 16), Memo1->height());
  }
  auto* pagesLabel = new QLabel(QStringLiteral("页数 #:"), tsMain);

  lblSaveSlots = Named(new QLabel(QStringLiteral("数据来源:"), tsMain), "lblSaveSlots");
  lbSaveSlots = Named(new TSourceListBox(tsMain), "lbSaveSlots");
  lbSaveSlots->setSelectionMode(QAbstractItemView::SingleSelection);
  lbSaveSlots->setFixedSize(
      std::max({145, GroupBox1->sizeHint().width(), MarkedSourceListWidth(lbSaveSlots)}),
      Memo1->height());
  lblSaveSlots->setBuddy(lbSaveSlots);

  // Top: the two type boxes side by side, the bevel and the status line.
  auto* layout = new QVBoxLayout(tsMain);
  layout->setContentsMargins(kFormMargin, kFormMargin, kFormMargin, kFormMargin);
  auto* boxes = new QHBoxLayout;
  GroupBox1->setMinimumWidth(lbSaveSlots->width());
  boxes->addWidget(GroupBox1);
  boxes->addWidget(gbTypeInfo, 1);
  layout->addLayout(boxes);
  layout->addWidget(Bevel1);
  layout->addWidget(lblStatus);

  // Bottom: the source list on the left; the refresh button, memo and page
  // list on the right.
  auto* lower = new QGridLayout;
  lower->setColumnStretch(1, 1);
  lower->addWidget(btnPassword, 0, 2, 1, 2, Qt::AlignLeft);
  btnPassword->setMinimumWidth(Memo1->width());
  lower->addWidget(lblSaveSlots, 1, 0);
  lower->addWidget(memoLabel, 1, 2);
  lower->addWidget(pagesLabel, 1, 3);
  lower->addWidget(lbSaveSlots, 2, 0);
  lower->addWidget(Memo1, 2, 2);
  lower->addWidget(lbPages, 2, 3);
  layout->addLayout(lower);
  layout->addStretch();
}

void TfmMain::CreateDjinnTab() {
  tsDjinn = Named(new QWidget, "tsDjinn");
  PageControl1->addTab(tsDjinn, QStringLiteral("精灵(&D)"));

  gbDjinn = Named(new QGroupBox(QStringLiteral("已获得精灵:"), tsDjinn), "gbDjinn");
  auto* grid = new QGridLayout(gbDjinn);
  grid->setContentsMargins(8, 16, 8, 8);
  grid->setHorizontalSpacing(23);
  for (int e = 0; e < kElementCount; ++e) {
    QStringList names;
    for (std::string_view name : kDjinnNames[e]) names << QString::fromLatin1(name);
    QListWidget*& list = this->*kDjinnLists[e].list;
    list = CheckList(names, 97, gbDjinn);
    list->setObjectName(QStringLiteral("clb") + QString::fromLatin1(kElementNames[e]));
    auto* label = new QLabel(QString::fromUtf8(kDjinnLists[e].caption), gbDjinn);
    label->setBuddy(list);
    grid->addWidget(label, 0, e);
    grid->addWidget(list, 1, e);
  }
  grid->setColumnStretch(kElementCount, 1);

  btnDjinn = Named(new QPushButton(QStringLiteral("全选(&S)"), gbDjinn), "btnDjinn");
  btnDjinn->setMinimumWidth(kButtonWidth);
  grid->addWidget(btnDjinn, 2, 0, Qt::AlignLeft);
  grid->setRowMinimumHeight(3, 8);
  grid->addWidget(new QLabel(QStringLiteral("注意:"), gbDjinn), 4, 0);
  grid->addWidget(
      WrappedLabel(QStringLiteral("输入密码后，每个属性的精灵会几乎平均地分配给各个角色，"
                                  "而不是全部交给其中某一个角色。"),
                   gbDjinn),
      5, 0, 1, kElementCount);
  grid->setRowStretch(6, 1);

  auto* layout = new QVBoxLayout(tsDjinn);
  layout->setContentsMargins(24, 24, 24, 16);
  layout->addWidget(gbDjinn);
}

void TfmMain::CreateCharactersTab() {
  tsCharacters = Named(new QWidget, "tsCharacters");
  PageControl1->addTab(tsCharacters, QStringLiteral("角色(&C)"));

  QFont editFont = CourierFont();
  editFont.setPointSize(8);
  const QFontMetrics editMetrics(editFont);

  auto* layout = new QVBoxLayout(tsCharacters);
  layout->setContentsMargins(8, 16, 8, 8);
  auto* row = new QHBoxLayout;
  row->setSpacing(4);
  layout->addLayout(row);

  for (int c = 0; c < kCharacterCount; ++c) {
    const CharacterControls& controls = kCharacterControls[c];
    auto* box = new QGroupBox(QString::fromLatin1(controls.designCaption), tsCharacters);
    box->setObjectName(QStringLiteral("gb%1Stats").arg(QString::fromLatin1(controls.name)));
    this->*controls.statsGroup = box;
    box->setMinimumWidth(137);
    row->addWidget(box);

    auto* grid = new QGridLayout(box);
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(2);
    int gridRow = 0;
    auto heading = [&](const QString& text) {
      grid->addWidget(new QLabel(text, box), gridRow++, 0, 1, 3);
      grid->addWidget(HorizontalBevel(box), gridRow++, 0, 1, 3);
    };
    for (int k = 0; k < kStatFieldCount; ++k) {
      if (k == kLevelField) heading(QStringLiteral("(全部)"));
      if (k == kLevelField + 1) {
        grid->setRowMinimumHeight(gridRow++, 12);
        heading(QStringLiteral("(仅银组以上)"));
      }
      const StatField& field = kStatFields[k];
      auto* edit = new QLineEdit(box);
      edit->setObjectName(QStringLiteral("e%1%2").arg(QString::fromLatin1(controls.name),
                                                      QString::fromLatin1(field.name)));
      this->*kStatEdits[c][k] = edit;
      edit->setFont(editFont);
      edit->setMaxLength(field.maxLength);
      edit->setFixedWidth(editMetrics.horizontalAdvance(QString(field.maxLength + 1, u'0')) + 10);
      edit->setMinimumHeight(22);
      auto* label = new QLabel(QString::fromUtf8(field.caption), box);
      label->setBuddy(edit);
      grid->addWidget(label, gridRow, 0);
      grid->addWidget(edit, gridRow, 2, Qt::AlignRight);
      ++gridRow;
    }
    grid->setRowStretch(gridRow, 1);
  }

  auto* note = WrappedLabel(
      QStringLiteral("这些是未经任何修正（例如提升能力的道具）的基础数值。上限：HP和PP为1999，"
                     "运气为99，其他为511。游戏中看到的数值可能会略有不同。"),
      tsCharacters);
  QFont bold = note->font();
  bold.setBold(true);
  note->setFont(bold);
  QPalette navy = note->palette();
  navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
  note->setPalette(navy);
  layout->addSpacing(4);
  layout->addWidget(note);
  layout->addStretch();
}

void TfmMain::CreateItemsTab() {
  tsItems = Named(new QWidget, "tsItems");
  PageControl1->addTab(tsItems, QStringLiteral("道具(&I)"));

  auto* layout = new QVBoxLayout(tsItems);
  layout->setContentsMargins(8, 8, 8, 8);
  auto* row = new QHBoxLayout;
  row->setSpacing(8);
  layout->addLayout(row);

  for (int c = 0; c < kCharacterCount; ++c) {
    const CharacterControls& controls = kCharacterControls[c];
    const QString name = QString::fromLatin1(controls.name);
    auto* box = new QGroupBox(QString::fromLatin1(controls.designCaption), tsItems);
    box->setObjectName(QStringLiteral("gb%1Items").arg(name));
    this->*controls.itemsGroup = box;

    auto* list = new QListWidget(box);
    list->setObjectName(QStringLiteral("lb%1Items").arg(name));
    this->*controls.itemsList = list;
    SetUpInventoryList(list);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setFixedSize(kInventoryListWidth, InventoryListHeight(list, kInventoryRows));

    auto* button = new QPushButton(QStringLiteral("编辑..."), box);
    button->setObjectName(QStringLiteral("btn%1Item").arg(name));
    this->*controls.itemsButton = button;
    button->setFixedWidth(list->width());

    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->setContentsMargins(8, 8, 8, 8);
    boxLayout->addWidget(list);
    boxLayout->addWidget(button);
    row->addWidget(box);
  }
  row->addStretch();

  // The colour legend: a coloured bold asterisk before each line.
  auto* legend = new QFrame(tsItems);
  legend->setObjectName(QStringLiteral("pnlLegend"));
  legend->setFrameShape(QFrame::StyledPanel);
  legend->setFrameShadow(QFrame::Sunken);
  auto* grid = new QGridLayout(legend);
  grid->setContentsMargins(8, 4, 8, 4);
  grid->setVerticalSpacing(2);
  grid->setColumnStretch(1, 1);
  // Each star takes the colour of the rows it explains, from the lists' own
  // rule; the middle line is about every row and keeps the text colour.
  struct LegendLine {
    ItemColourClass rows;
    QString text;
    bool bold;
  };
  const LegendLine lines[] = {
      {ItemColourClass::Special, QStringLiteral("铜组和银组只能更换蓝色道具。"), true},
      {ItemColourClass::Other, QStringLiteral("道具的顺序无关紧要...游戏会自行分类。"), false},
      {ItemColourClass::Story,
       QStringLiteral("仅限金组：红色道具对剧情极为重要，例如Mars Star（Mythril Bag）和Black Orb"
                      "（Black Crystal）。缺少它们，游戏可能会以无法预料的方式出错，甚至无法通关。"
                      "请务必确保持有它们，必要时移除其他道具以腾出空间。"),
       false},
  };
  int gridRow = 0;
  for (const LegendLine& line : lines) {
    auto* star = new QLabel(QStringLiteral("*"), legend);
    QFont starFont = star->font();
    starFont.setBold(true);
    starFont.setPixelSize(16);
    star->setFont(starFont);
    if (const QColor rows = ColourOf(line.rows); rows.isValid()) {
      QPalette colour = star->palette();
      colour.setColor(QPalette::WindowText, rows);
      star->setPalette(colour);
    }
    auto* text = WrappedLabel(line.text, legend);
    if (line.bold) {
      QFont bold = text->font();
      bold.setBold(true);
      text->setFont(bold);
    }
    grid->addWidget(star, gridRow, 0, Qt::AlignTop);
    grid->addWidget(text, gridRow, 1);
    ++gridRow;
  }
  layout->addWidget(legend);
  layout->addStretch();
}

void TfmMain::CreateMiscTab() {
  tsMisc = Named(new QWidget, "tsMisc");
  PageControl1->addTab(tsMisc, QStringLiteral("其他(&E)"));

  auto* coinsLabel = new QLabel(QStringLiteral("金币:"), tsMisc);
  eCoins = Named(new QLineEdit(QStringLiteral("0"), tsMisc), "eCoins");
  eCoins->setFixedWidth(97);
  coinsLabel->setBuddy(eCoins);

  QStringList events;
  for (int i = 1; i <= kSideQuestCount; ++i) events << QStringLiteral("事件 #%1").arg(i);
  clbSidequest = Named(CheckList(events, 97, tsMisc), "clbSidequest");
  auto* eventsLabel = new QLabel(QStringLiteral("完成的小事件（参考下面的注解）"), tsMisc);
  eventsLabel->setBuddy(clbSidequest);

  auto* layout = new QVBoxLayout(tsMisc);
  layout->setContentsMargins(kFormMargin, kFormMargin, kFormMargin, kFormMargin);
  layout->setSpacing(4);
  layout->addWidget(coinsLabel);
  layout->addWidget(eCoins);
  layout->addSpacing(24);
  layout->addWidget(HorizontalBevel(tsMisc));
  layout->addSpacing(16);
  layout->addWidget(eventsLabel);
  layout->addWidget(clbSidequest);
  layout->addSpacing(12);
  layout->addWidget(WrappedLabel(
      QStringLiteral(
          "这些是第一部中的一些小事件（例如赢得竞技场比赛、完成宝岛探险），"
          "它们在续作中会带来一些小小的影响。建议全部勾选，以开启更多支线剧情和稀有道具，"
          "这些只有从第一部继承的数据才能解锁。剧情并不需要其中任何一项。"),
      tsMisc));
  layout->addWidget(
      WrappedLabel(QStringLiteral("哪一项对应哪个事件目前还不确定，详情请参阅说明文件。"), tsMisc));
  layout->addStretch();
}

void TfmMain::ConnectHandlers() {
  connect(mFileLoadSavegame, &QAction::triggered, this, [this] { mFileLoadSavegameClick(); });
  connect(mFileLoadDatafile, &QAction::triggered, this, [this] { mFileLoadDatafileClick(); });
  connect(mFileLoadClipboard, &QAction::triggered, this,
          [this] { mFileLoadClipboardClick(mFileLoadClipboard); });
  connect(mFileSavePwdData, &QAction::triggered, this, [this] { mFileSavePwdDataClick(); });
  connect(mFileSaveTiles, &QAction::triggered, this, [this] { mFileSaveTilesClick(); });
  connect(mFileExit, &QAction::triggered, this, [this] { mFileExitClick(); });
  connect(mPasswordClipboard, &QAction::triggered, this, [this] { mPasswordClipboardClick(); });
  connect(mPasswordCheck, &QAction::triggered, this, [this] { mPasswordCheckClick(); });
  connect(mPasswordImport, &QAction::triggered, this, [this] { mPasswordImportClick(); });
  connect(mPasswordPrint, &QAction::triggered, this, [this] { mPasswordPrintClick(); });
  for (QAction* item : {mDefaultsLow, mDefaultsMid, mDefaultsHigh})
    connect(item, &QAction::triggered, this, [this, item] { mDefaultsClick(item); });
  connect(mAbout, &QAction::triggered, this, [this] { mAboutClick(); });

  for (QRadioButton* button : {rbGold, rbSilver, rbBronze})
    connect(button, &QRadioButton::clicked, this, [this, button] { rbPasswordTypeClick(button); });
  connect(btnPassword, &QPushButton::clicked, this, [this] { btnPasswordClick(); });
  connect(lbPages, &QListWidget::currentRowChanged, this, [this] { lbPagesClick(); });

  // Only the user's choice of an entry loads it, never the focus arriving.
  connect(lbSaveSlots, &TSourceListBox::entryChosen, this, [this] { lbSaveSlotsClick(); });

  connect(btnDjinn, &QPushButton::clicked, this, [this] { btnDjinnClick(); });
  for (const CharacterControls& controls : kCharacterControls) {
    QPushButton* button = this->*controls.itemsButton;
    QListWidget* list = this->*controls.itemsList;
    connect(button, &QPushButton::clicked, this, [this, button] { btnInventoryEdit(button); });
    connect(list, &QListWidget::itemDoubleClicked, this,
            [this, list] { lbInventoryItemsDblClick(list); });
  }
}

void TfmMain::FormCreate() {
  DataValid = false;
  ItemNames = BuildItemNames();
  LoadDefaultPassword(QString::fromLatin1(kDefaultPasswords[kDefaultLow]));
}

void TfmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Restoring a minimised window is no new showing.
  if (!event->spontaneous()) FormShow();
}

void TfmMain::FormShow() {
  DataToControls();
  btnPasswordClick();
}

void TfmMain::mFileExitClick() {
  close();
}

void TfmMain::mAboutClick() {
  dlgAbout->exec();
}

}  // namespace velmara
