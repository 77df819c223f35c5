// The inventory editor driven through its own controls, with the scripted
// platform answering the quantity prompt and recording every box.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

#include "codec/PasswordData.h"
#include "codec/VelmaraData.h"
#include "tests/ui/ScriptedPlatform.h"
#include "tests/ui/TestApplication.h"
#include "tests/ui/UserInput.h"
#include "ui/Inventory.h"
#include "ui/InventoryRows.h"

using namespace velmara;
using velmara::testing::Activate;
using velmara::testing::ApplicationPlatform;
using velmara::testing::PressKey;
using velmara::testing::TabTo;

namespace {

// Item identifiers the cases use.
constexpr std::uint16_t kLongSword = 1;
constexpr std::uint16_t kHerb = 180;
constexpr std::uint16_t kNut = 181;
constexpr std::uint16_t kOrbOfForce = 200;
constexpr std::uint16_t kLiftingGem = 203;
constexpr std::uint16_t kHaltGem = 204;

constexpr std::uint16_t Herbs(int quantity) {
  return MakeItemWord(kHerb, quantity);
}

using Slots = std::vector<std::uint16_t>;

// Pads a list of slot words to a character's 15 slots with empty ones.
Slots Inventory(Slots words) {
  words.resize(kSlotsPerCharacter, 0);
  return words;
}

// `words` with its last slot holding `last`.
Slots WithLast(Slots words, std::uint16_t last) {
  words.back() = last;
  return words;
}

Slots FullInventory() {
  Slots words;
  for (int slot = 0; slot < kSlotsPerCharacter; ++slot)
    words.push_back(static_cast<std::uint16_t>(kLongSword + slot));
  return words;
}

enum class Type { Gold, Silver, Bronze };

// One command of the editor: the inventory it opens on, the slot and item the
// user then picks, the button pressed and what must follow.
struct CommandCase {
  Slots before;
  int slot = 0;                       // slot clicked before the command
  std::optional<std::uint16_t> item;  // item clicked in the item list, if any
  const char* button = "";
  Slots after;           // slot words afterwards
  QString message = {};  // information box, empty for none
  int selectedAfter = 0;
  Type type = Type::Gold;
  QString character = QStringLiteral("Isaac");
};

}  // namespace

Q_DECLARE_METATYPE(CommandCase)
Q_DECLARE_METATYPE(std::optional<QString>)

class InventoryDialogTest : public QObject {
  Q_OBJECT

 private:
  const std::vector<ItemName> names_ = BuildItemNames();
  std::unique_ptr<ScriptedPlatform> platform_;
  std::unique_ptr<QWidget> mainWindow_;
  QListWidget* mainList_ = nullptr;  // stands for one of the main window's lists
  std::unique_ptr<TdlgInventory> dialog_;

  QStringList DerivedTexts(const Slots& words) const {
    QStringList texts;
    for (std::uint16_t word : words) texts << SlotText(names_, word);
    return texts;
  }

  void FillMainList(const Slots& words) {
    mainList_->clear();
    for (std::uint16_t word : words) AddRow(mainList_, SlotText(names_, word), word);
  }

  void Open(const Slots& words, int start = 0, Type type = Type::Gold,
            const QString& character = QStringLiteral("Isaac")) {
    FillMainList(words);
    dialog_->InventoryList = mainList_;
    dialog_->CharacterName = character;
    dialog_->StartIndex = start;
    dialog_->GoldType = type == Type::Gold;
    dialog_->show();
  }

  static Slots Words(const QListWidget* list) {
    Slots words;
    for (int row = 0; row < list->count(); ++row) words.push_back(RowItemWord(list->item(row)));
    return words;
  }
  static QStringList Texts(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
    return texts;
  }
  static int SelectedRow(const QListWidget* list) {
    const auto selected = list->selectedItems();
    return selected.size() == 1 ? list->row(selected.first()) : -1;
  }

  static void ClickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    QVERIFY(item != nullptr);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
  }
  static int ItemRowOf(const QListWidget* list, std::uint16_t id) {
    for (int row = 0; row < list->count(); ++row)
      if (ItemId(RowItemWord(list->item(row))) == id) return row;
    return -1;
  }
  void ChooseItem(std::uint16_t id) {
    const int row = ItemRowOf(dialog_->lbItems, id);
    QVERIFY2(row >= 0, "the item list does not offer the item");
    ClickRow(dialog_->lbItems, row);
  }
  void Press(const char* button) {
    auto* control = dialog_->findChild<QPushButton*>(QLatin1String(button));
    QVERIFY2(control != nullptr, button);
    QTest::mouseClick(control, Qt::LeftButton);
  }

 private slots:
  void init() {
    platform_ = std::make_unique<ScriptedPlatform>();
    mainWindow_ = std::make_unique<QWidget>();
    mainList_ = new QListWidget(mainWindow_.get());
    SetUpInventoryList(mainList_);
    dialog_ = std::make_unique<TdlgInventory>(*platform_, names_, mainWindow_.get());
    ApplicationPlatform().clearRecords();
  }

  void cleanup() {
    // The dialog is a child of the main window: it goes first.
    dialog_.reset();
    mainWindow_.reset();
    const QString unexpectedErrors =
        ApplicationPlatform().texts(ScriptedPlatform::BoxKind::Error).join(QStringLiteral("; "));
    ApplicationPlatform().clearRecords();
    QVERIFY2(platform_->allAnswered(), qPrintable(platform_->describeLeftovers()));
    QVERIFY2(unexpectedErrors.isEmpty(), qPrintable(unexpectedErrors));
  }

  // ------------------------------------------------------------ opening

  void goldOffersEveryItemByIdentifier() {
    Open(Inventory({kLongSword}), 0, Type::Gold, QStringLiteral("Garet"));
    QCOMPARE(dialog_->lbItems->count(), 269);
    for (int row = 0; row < dialog_->lbItems->count(); ++row) {
      QCOMPARE(RowItemWord(dialog_->lbItems->item(row)), row);
      QCOMPARE(dialog_->lbItems->item(row)->text(), QString::fromStdString(names_[row].name));
    }
    QVERIFY(dialog_->btnQuantity->isEnabled());
    QVERIFY(dialog_->btnOK->isEnabled());
    QCOMPARE(dialog_->lblCharname->text(), QStringLiteral("Garet"));
    QCOMPARE(Words(dialog_->lbCharacter), Inventory({kLongSword}));
  }

  void silverAndBronzeOfferOnlySpecialItems_data() {
    QTest::addColumn<Type>("type");
    QTest::newRow("Silver") << Type::Silver;
    QTest::newRow("Bronze") << Type::Bronze;
  }
  void silverAndBronzeOfferOnlySpecialItems() {
    QFETCH(Type, type);
    Open(Inventory({Herbs(3)}), 0, type);
    Slots offered = Words(dialog_->lbItems);
    QCOMPARE(offered, Slots(kSpecialItems.begin(), kSpecialItems.end()));
    QCOMPARE(dialog_->lbItems->item(0)->text(), QStringLiteral("Orb of Force"));
    QCOMPARE(dialog_->lbItems->item(7)->text(), QStringLiteral("Catch Beads"));
    QVERIFY(!dialog_->btnQuantity->isEnabled());
  }

  void openingSelectsStartSlotAndItsItem_data() {
    QTest::addColumn<Type>("type");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("slotSelected");
    QTest::addColumn<int>("itemSelected");  // identifier, -1 for no selection
    QTest::newRow("Gold Lifting Gem") << Type::Gold << 4 << 4 << int(kLiftingGem);
    QTest::newRow("Silver Lifting Gem") << Type::Silver << 4 << 4 << int(kLiftingGem);
    QTest::newRow("Bronze Lifting Gem") << Type::Bronze << 4 << 4 << int(kLiftingGem);
    QTest::newRow("Gold Herb") << Type::Gold << 1 << 1 << int(kHerb);
    QTest::newRow("Gold empty slot") << Type::Gold << 5 << 5 << 0;
    QTest::newRow("Silver Herb") << Type::Silver << 1 << 1 << -1;
    QTest::newRow("Bronze empty slot") << Type::Bronze << 5 << 5 << -1;
    QTest::newRow("no selection in main list") << Type::Gold << -1 << 0 << int(kLongSword);
  }
  void openingSelectsStartSlotAndItsItem() {
    QFETCH(Type, type);
    QFETCH(int, start);
    QFETCH(int, slotSelected);
    QFETCH(int, itemSelected);
    Open(Inventory({kLongSword, Herbs(2), kNut, kOrbOfForce, kLiftingGem}), start, type);
    QCOMPARE(SelectedRow(dialog_->lbCharacter), slotSelected);
    QCOMPARE(dialog_->StartIndex, slotSelected);
    const int row = SelectedRow(dialog_->lbItems);
    QCOMPARE(row < 0 ? -1 : int(RowItemWord(dialog_->lbItems->item(row))), itemSelected);
  }

  void openingCopiesRowTextsAsTheyCome() {
    // The main window writes "?? (300)" for an identifier past the item names.
    Open(Inventory({300, Herbs(4)}));
    QCOMPARE(Texts(dialog_->lbCharacter).mid(0, 2),
             (QStringList{QStringLiteral("?? (300)"), QStringLiteral("Herb * 4")}));
    QCOMPARE(Words(dialog_->lbCharacter), Inventory({300, Herbs(4)}));
    QCOMPARE(SelectedRow(dialog_->lbItems), -1);
  }

  void everyOpeningRebuildsFromTheMembers() {
    Open(Inventory({kLongSword}), 0, Type::Gold);
    Press("btnCancel");
    Open(Inventory({kNut, kHaltGem}), 1, Type::Bronze, QStringLiteral("Mia"));
    QCOMPARE(dialog_->lbItems->count(), kSpecialItemCount);
    QCOMPARE(Words(dialog_->lbCharacter), Inventory({kNut, kHaltGem}));
    QCOMPARE(dialog_->lblCharname->text(), QStringLiteral("Mia"));
    QVERIFY(!dialog_->btnQuantity->isEnabled());
  }

  void openingWithoutListReportsErrorAndDisablesOK() {
    dialog_->InventoryList = nullptr;
    dialog_->show();
    QCOMPARE(platform_->texts(ScriptedPlatform::BoxKind::Error),
             QStringList{QStringLiteral("No character inventory assigned.")});
    QCOMPARE(platform_->boxes.size(), 1u);  // an error, not an information box
    QVERIFY(!dialog_->btnOK->isEnabled());
    QCOMPARE(dialog_->lbCharacter->count(), 0);
  }

  void okWithoutListReportsErrorAndStaysOpen() {
    Open(Inventory({kLongSword}));
    dialog_->InventoryList = nullptr;
    Press("btnOK");
    QCOMPARE(platform_->texts(ScriptedPlatform::BoxKind::Error),
             QStringList{QStringLiteral("No character inventory assigned.")});
    QVERIFY(dialog_->isVisible());
    QCOMPARE(Words(mainList_), Inventory({kLongSword}));
  }

  // ------------------------------------------------------------ following the slot

  void selectingSlotSelectsItsItem() {
    Open(Inventory({kLongSword, Herbs(2), 0, kLiftingGem}));
    ClickRow(dialog_->lbCharacter, 3);
    QCOMPARE(SelectedRow(dialog_->lbItems), int(kLiftingGem));
    // The keyboard moves the selection just as the mouse does.
    dialog_->lbCharacter->setFocus();
    QTest::keyClick(dialog_->lbCharacter, Qt::Key_Up);
    QTest::keyClick(dialog_->lbCharacter, Qt::Key_Up);
    QCOMPARE(SelectedRow(dialog_->lbCharacter), 1);
    QCOMPARE(SelectedRow(dialog_->lbItems), int(kHerb));
  }

  void ctrlClickKeepsOneSlotSelected() {
    Open(Inventory({kLongSword, kNut}), 1);
    QListWidget* list = dialog_->lbCharacter;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list->visualItemRect(list->item(1)).center());
    QCOMPARE(SelectedRow(list), 1);
  }

  // ------------------------------------------------------------ commands

  void command_data() {
    QTest::addColumn<CommandCase>("c");
    const Slots full = FullInventory();

    // Add
    QTest::newRow("Add stackable already held is refused for that character")
        << CommandCase{.before = Inventory({kLongSword, Herbs(3)}),
                       .slot = 0,
                       .item = kHerb,
                       .button = "btnAdd",
                       .after = Inventory({kLongSword, Herbs(3)}),
                       .message = QStringLiteral("Garet already has some of these."),
                       .selectedAfter = 0,
                       .type = Type::Gold,
                       .character = QStringLiteral("Garet")};
    QTest::newRow("Add second non-stackable is allowed")
        << CommandCase{.before = Inventory({kLongSword}),
                       .slot = 0,
                       .item = kLongSword,
                       .button = "btnAdd",
                       .after = Inventory({kLongSword, kLongSword}),
                       .selectedAfter = 0};
    QTest::newRow("Add fills the first empty slot, selection stays")
        << CommandCase{.before = Inventory({kLongSword, 0, kNut}),
                       .slot = 2,
                       .item = kHerb,
                       .button = "btnAdd",
                       .after = Inventory({kLongSword, kHerb, kNut}),
                       .selectedAfter = 2};
    QTest::newRow("Add to a full list")
        << CommandCase{.before = full,
                       .slot = 3,
                       .item = kNut,
                       .button = "btnAdd",
                       .after = full,
                       .message = QStringLiteral("No more room to add items."),
                       .selectedAfter = 3};
    QTest::newRow("Add Silver special item")
        << CommandCase{.before = Inventory({kLiftingGem}),
                       .slot = 0,
                       .item = kOrbOfForce,
                       .button = "btnAdd",
                       .after = Inventory({kLiftingGem, kOrbOfForce}),
                       .selectedAfter = 0,
                       .type = Type::Silver};
    QTest::newRow("Add without a chosen item")
        << CommandCase{.before = Inventory({kLongSword}),
                       .slot = 1,
                       .item = std::nullopt,
                       .button = "btnAdd",
                       .after = Inventory({kLongSword}),
                       .message = QStringLiteral("No item selected."),
                       .selectedAfter = 1,
                       .type = Type::Silver};

    // Insert
    QTest::newRow("Insert second Herb is allowed and shifts down")
        << CommandCase{.before = Inventory({Herbs(3), kLongSword, kNut}),
                       .slot = 1,
                       .item = kHerb,
                       .button = "btnInsert",
                       .after = Inventory({Herbs(3), kHerb, kLongSword, kNut}),
                       .selectedAfter = 1};
    QTest::newRow("Insert with occupied last slot")
        << CommandCase{.before = WithLast(Inventory({kLongSword}), kNut),
                       .slot = 0,
                       .item = kHerb,
                       .button = "btnInsert",
                       .after = WithLast(Inventory({kLongSword}), kNut),
                       .message = QStringLiteral("No room to insert a new item."),
                       .selectedAfter = 0};
    QTest::newRow("Insert with only quantity bits in last slot")
        << CommandCase{.before = WithLast(Inventory({kLongSword}), 0x0800),
                       .slot = 0,
                       .item = kHerb,
                       .button = "btnInsert",
                       .after = WithLast(Inventory({kLongSword}), 0x0800),
                       .message = QStringLiteral("No room to insert a new item."),
                       .selectedAfter = 0};
    QTest::newRow("Insert without a chosen item")
        << CommandCase{.before = Inventory({kLongSword}),
                       .slot = 0,
                       .item = std::nullopt,
                       .button = "btnInsert",
                       .after = Inventory({kLongSword}),
                       .message = QStringLiteral("No item selected to insert."),
                       .selectedAfter = 0,
                       .type = Type::Bronze};

    // Replace
    QTest::newRow("Replace Herb*5 by Nut keeps the quantity")
        << CommandCase{.before = Inventory({kLongSword, Herbs(5)}),
                       .slot = 1,
                       .item = kNut,
                       .button = "btnReplace",
                       .after = Inventory({kLongSword, MakeItemWord(kNut, 5)}),
                       .selectedAfter = 1};
    QTest::newRow("Replace Herb*5 by Long Sword drops the quantity")
        << CommandCase{.before = Inventory({kLongSword, Herbs(5)}),
                       .slot = 1,
                       .item = kLongSword,
                       .button = "btnReplace",
                       .after = Inventory({kLongSword, kLongSword}),
                       .selectedAfter = 1};
    QTest::newRow("Replace Herb*5 by Herb is a duplicate")
        << CommandCase{.before = Inventory({Herbs(5)}),
                       .slot = 0,
                       .item = kHerb,
                       .button = "btnReplace",
                       .after = Inventory({Herbs(5)}),
                       .message = QStringLiteral("Isaac already has some of these."),
                       .selectedAfter = 0};
    QTest::newRow("Replace by the empty row empties the slot")
        << CommandCase{.before = Inventory({kLongSword, Herbs(5)}),
                       .slot = 1,
                       .item = 0,
                       .button = "btnReplace",
                       .after = Inventory({kLongSword}),
                       .selectedAfter = 1};
    QTest::newRow("Replace clears the unused bits 9 and 10")
        << CommandCase{.before = Inventory({static_cast<std::uint16_t>(Herbs(2) | 0x0600)}),
                       .slot = 0,
                       .item = kNut,
                       .button = "btnReplace",
                       .after = Inventory({MakeItemWord(kNut, 2)}),
                       .selectedAfter = 0};
    QTest::newRow("Replace Silver gives quantity 1")
        << CommandCase{.before = Inventory({kLongSword, Herbs(5)}),
                       .slot = 1,
                       .item = kHaltGem,
                       .button = "btnReplace",
                       .after = Inventory({kLongSword, kHaltGem}),
                       .selectedAfter = 1,
                       .type = Type::Silver};
    QTest::newRow("Replace without a chosen item")
        << CommandCase{.before = Inventory({kLongSword}),
                       .slot = 0,
                       .item = std::nullopt,
                       .button = "btnReplace",
                       .after = Inventory({kLongSword}),
                       .message = QStringLiteral("No item selected."),
                       .selectedAfter = 0,
                       .type = Type::Silver};

    // Remove
    QTest::newRow("Remove row 0 of a full list shifts all up")
        << CommandCase{.before = full,
                       .slot = 0,
                       .item = std::nullopt,
                       .button = "btnRemove",
                       .after =
                           [&] {
                             Slots s(full.begin() + 1, full.end());
                             s.push_back(0);
                             return s;
                           }(),
                       .selectedAfter = 0};
    QTest::newRow("Remove the last row empties it") << CommandCase{.before = full,
                                                                   .slot = 14,
                                                                   .item = std::nullopt,
                                                                   .button = "btnRemove",
                                                                   .after = WithLast(full, 0),
                                                                   .selectedAfter = 14};

    // Quantity without a prompt
    QTest::newRow("Quantity on Long Sword")
        << CommandCase{.before = Inventory({kLongSword}),
                       .slot = 0,
                       .item = std::nullopt,
                       .button = "btnQuantity",
                       .after = Inventory({kLongSword}),
                       .message = QStringLiteral("That item only supports a quantity of 1."),
                       .selectedAfter = 0};
    QTest::newRow("Quantity on an empty slot")
        << CommandCase{.before = Inventory({kLongSword}),
                       .slot = 3,
                       .item = std::nullopt,
                       .button = "btnQuantity",
                       .after = Inventory({kLongSword}),
                       .message = QStringLiteral("That item only supports a quantity of 1."),
                       .selectedAfter = 3};

    // Moves
    const Slots abcde = Inventory({kLongSword, kHerb, kNut, kOrbOfForce, kLiftingGem, kHaltGem});
    QTest::newRow("Up on the first slot does nothing") << CommandCase{.before = abcde,
                                                                      .slot = 0,
                                                                      .item = std::nullopt,
                                                                      .button = "btnUp",
                                                                      .after = abcde,
                                                                      .selectedAfter = 0};
    QTest::newRow("Up moves the item and the selection") << CommandCase{
        .before = abcde,
        .slot = 3,
        .item = std::nullopt,
        .button = "btnUp",
        .after = Inventory({kLongSword, kHerb, kOrbOfForce, kNut, kLiftingGem, kHaltGem}),
        .selectedAfter = 2};
    QTest::newRow("Down on the last slot does nothing") << CommandCase{.before = full,
                                                                       .slot = 14,
                                                                       .item = std::nullopt,
                                                                       .button = "btnDown",
                                                                       .after = full,
                                                                       .selectedAfter = 14};
    QTest::newRow("Down moves the item and the selection") << CommandCase{
        .before = abcde,
        .slot = 3,
        .item = std::nullopt,
        .button = "btnDown",
        .after = Inventory({kLongSword, kHerb, kNut, kLiftingGem, kOrbOfForce, kHaltGem}),
        .selectedAfter = 4};
    QTest::newRow("Top on row 4 leaves the selection on row 4") << CommandCase{
        .before = abcde,
        .slot = 4,
        .item = std::nullopt,
        .button = "btnTop",
        .after = Inventory({kLiftingGem, kLongSword, kHerb, kNut, kOrbOfForce, kHaltGem}),
        .selectedAfter = 4};
    QTest::newRow("Top on the first slot does nothing") << CommandCase{.before = abcde,
                                                                       .slot = 0,
                                                                       .item = std::nullopt,
                                                                       .button = "btnTop",
                                                                       .after = abcde,
                                                                       .selectedAfter = 0};
    QTest::newRow("Bottom on row 4 moves behind the empty slots") << CommandCase{
        .before = abcde,
        .slot = 4,
        .item = std::nullopt,
        .button = "btnBottom",
        .after = WithLast(Inventory({kLongSword, kHerb, kNut, kOrbOfForce, kHaltGem}), kLiftingGem),
        .selectedAfter = 4};
    QTest::newRow("Bottom on the last slot does nothing") << CommandCase{.before = full,
                                                                         .slot = 14,
                                                                         .item = std::nullopt,
                                                                         .button = "btnBottom",
                                                                         .after = full,
                                                                         .selectedAfter = 14};
  }

  void command() {
    QFETCH(CommandCase, c);
    Open(c.before, c.slot, c.type, c.character);
    if (c.item) ChooseItem(*c.item);
    const int itemRowBefore = SelectedRow(dialog_->lbItems);
    Press(c.button);

    QCOMPARE(Words(dialog_->lbCharacter), c.after);
    QCOMPARE(Texts(dialog_->lbCharacter), DerivedTexts(c.after));
    QCOMPARE(platform_->informationTexts(),
             c.message.isEmpty() ? QStringList() : QStringList{c.message});
    for (const auto& box : platform_->boxes) QCOMPARE(box.title, QStringLiteral("Information"));
    QCOMPARE(SelectedRow(dialog_->lbCharacter), c.selectedAfter);
    // Commands move the slot selection without the item list following it.
    QCOMPARE(SelectedRow(dialog_->lbItems), itemRowBefore);
    // Nothing reaches the main window before OK.
    QCOMPARE(Words(mainList_), c.before);
  }

  // ------------------------------------------------------------ quantity prompt

  void quantity_data() {
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<std::uint16_t>("word");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const std::uint16_t unchanged = Herbs(3);
    const QString invalid = QStringLiteral("Invalid quantity.  Use 1 through 30.");
    QTest::newRow("1") << std::optional<QString>(QStringLiteral("1")) << std::uint16_t(kHerb)
                       << QStringLiteral("Herb") << QString();
    QTest::newRow("30") << std::optional<QString>(QStringLiteral("30")) << Herbs(30)
                        << QStringLiteral("Herb * 30") << QString();
    QTest::newRow("05 kept as typed") << std::optional<QString>(QStringLiteral("05")) << Herbs(5)
                                      << QStringLiteral("Herb * 05") << QString();
    QTest::newRow("0") << std::optional<QString>(QStringLiteral("0")) << unchanged
                       << QStringLiteral("Herb * 3") << invalid;
    QTest::newRow("31") << std::optional<QString>(QStringLiteral("31")) << unchanged
                        << QStringLiteral("Herb * 3") << invalid;
    QTest::newRow("-1") << std::optional<QString>(QStringLiteral("-1")) << unchanged
                        << QStringLiteral("Herb * 3") << invalid;
    QTest::newRow("letters") << std::optional<QString>(QStringLiteral("ten")) << unchanged
                             << QStringLiteral("Herb * 3") << invalid;
    QTest::newRow("empty") << std::optional<QString>(QString()) << unchanged
                           << QStringLiteral("Herb * 3") << invalid;
    QTest::newRow("Cancel") << std::optional<QString>() << unchanged << QStringLiteral("Herb * 3")
                            << QString();
  }

  void quantity() {
    QFETCH(std::optional<QString>, answer);
    QFETCH(std::uint16_t, word);
    QFETCH(QString, text);
    QFETCH(QString, message);
    Open(Inventory({kLongSword, Herbs(3)}), 1);
    platform_->answerPrompt(answer);
    Press("btnQuantity");

    QCOMPARE(platform_->boxes.front().kind, ScriptedPlatform::BoxKind::Prompt);
    QCOMPARE(platform_->boxes.front().title, QStringLiteral("Quantity: Herb"));
    QCOMPARE(platform_->boxes.front().text, QStringLiteral("Enter the new quantity (1-30)"));
    QCOMPARE(platform_->promptInitials, std::vector<QString>{QStringLiteral("3")});
    QCOMPARE(RowItemWord(dialog_->lbCharacter->item(1)), word);
    QCOMPARE(dialog_->lbCharacter->item(1)->text(), text);
    QCOMPARE(platform_->informationTexts(),
             message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(SelectedRow(dialog_->lbCharacter), 1);
  }

  void doubleClickAsksForQuantityOnlyWithGold_data() {
    QTest::addColumn<Type>("type");
    QTest::addColumn<bool>("asks");
    QTest::newRow("Gold") << Type::Gold << true;
    QTest::newRow("Silver") << Type::Silver << false;
  }
  void doubleClickAsksForQuantityOnlyWithGold() {
    QFETCH(Type, type);
    QFETCH(bool, asks);
    Open(Inventory({Herbs(2)}), 0, type);
    if (asks) platform_->answerPrompt(QStringLiteral("7"));
    QListWidget* list = dialog_->lbCharacter;
    // A double-click arrives as press, release, double-click, release.
    const QPoint centre = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(RowItemWord(list->item(0)), asks ? Herbs(7) : Herbs(2));
    QCOMPARE(platform_->boxes.size(), asks ? 1u : 0u);
  }

  // ------------------------------------------------------------ OK and Cancel

  void okCompactsAndWritesBack() {
    Slots before = Inventory({});
    before[0] = kLongSword;
    before[3] = Herbs(5);
    before[8] = kLiftingGem;
    Open(before, 3);
    mainList_->setCurrentRow(3);
    QSignalSpy accepted(dialog_.get(), &QDialog::accepted);
    Press("btnOK");

    QCOMPARE(accepted.count(), 1);
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(Words(mainList_), Inventory({kLongSword, Herbs(5), kLiftingGem}));
    QCOMPARE(Texts(mainList_), DerivedTexts(Inventory({kLongSword, Herbs(5), kLiftingGem})));
    QCOMPARE(mainList_->selectedItems().size(), 0);
  }

  void okCarriesTypedQuantityTextAndMoves() {
    Open(Inventory({0, Herbs(2), kNut}), 1);
    platform_->answerPrompt(QStringLiteral("05"));
    Press("btnQuantity");
    Press("btnBottom");
    Press("btnOK");
    QCOMPARE(Words(mainList_), Inventory({kNut, Herbs(5)}));
    QCOMPARE(Texts(mainList_).mid(0, 2),
             (QStringList{QStringLiteral("Nut"), QStringLiteral("Herb * 05")}));
  }

  void cancelWritesNothingBack_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel button") << QStringLiteral("cancel");
    QTest::newRow("Esc on the dialog") << QStringLiteral("esc");
    QTest::newRow("Esc on the slot list") << QStringLiteral("esc-list");
    QTest::newRow("Esc on a button") << QStringLiteral("esc-button");
    QTest::newRow("close box") << QStringLiteral("close");
  }
  void cancelWritesNothingBack() {
    QFETCH(QString, how);
    const Slots before = Inventory({300, Herbs(4), 0, kLongSword});
    Open(before, 1);
    mainList_->item(1)->setText(QStringLiteral("Herb * 04"));  // a text as typed earlier
    const QStringList textsBefore = Texts(mainList_);
    ChooseItem(kNut);
    Press("btnReplace");
    Press("btnTop");
    Press("btnRemove");
    QVERIFY(Words(dialog_->lbCharacter) != before);

    QSignalSpy rejected(dialog_.get(), &QDialog::rejected);
    if (how == QLatin1String("cancel")) Press("btnCancel");
    if (how == QLatin1String("esc")) QTest::keyClick(dialog_.get(), Qt::Key_Escape);
    if (how == QLatin1String("esc-list")) QTest::keyClick(dialog_->lbCharacter, Qt::Key_Escape);
    if (how == QLatin1String("esc-button")) QTest::keyClick(dialog_->btnAdd, Qt::Key_Escape);
    if (how == QLatin1String("close")) dialog_->close();

    QCOMPARE(rejected.count(), 1);
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(Words(mainList_), before);
    QCOMPARE(Texts(mainList_), textsBefore);
  }

  void modalOpeningReturnsTheResult_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << QStringLiteral("btnOK") << int(QDialog::Accepted);
    QTest::newRow("Cancel") << QStringLiteral("btnCancel") << int(QDialog::Rejected);
  }
  void modalOpeningReturnsTheResult() {
    QFETCH(QString, button);
    QFETCH(int, result);
    FillMainList(Inventory({0, kLongSword}));
    dialog_->InventoryList = mainList_;
    dialog_->CharacterName = QStringLiteral("Ivan");
    dialog_->StartIndex = 1;
    dialog_->GoldType = true;
    QTimer::singleShot(0, this, [&] { Press(qPrintable(button)); });
    QCOMPARE(dialog_->exec(), result);
    QCOMPARE(Words(mainList_),
             result == QDialog::Accepted ? Inventory({kLongSword}) : Inventory({0, kLongSword}));
  }

  // ------------------------------------------------------------ keys

  // No button is a default button: Enter on a list presses nothing, while
  // Enter, Return or Space on a focused button presses that one.
  void enterPressesOnlyAFocusedButton_data() {
    QTest::addColumn<QString>("focusOn");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("removes");
    const int keypad = Qt::KeypadModifier;
    QTest::newRow("Return on the slot list") << "lbCharacter" << int(Qt::Key_Return) << 0 << false;
    QTest::newRow("Enter on the slot list")
        << "lbCharacter" << int(Qt::Key_Enter) << keypad << false;
    QTest::newRow("Return on the item list") << "lbItems" << int(Qt::Key_Return) << 0 << false;
    QTest::newRow("Return on Remove") << "btnRemove" << int(Qt::Key_Return) << 0 << true;
    QTest::newRow("Enter on Remove") << "btnRemove" << int(Qt::Key_Enter) << keypad << true;
    QTest::newRow("Space on Remove") << "btnRemove" << int(Qt::Key_Space) << 0 << true;
  }
  void enterPressesOnlyAFocusedButton() {
    QFETCH(QString, focusOn);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, removes);
    Open(Inventory({kLongSword, kNut}));
    QVERIFY2(Activate(dialog_.get()), "keys and focus need an active window");
    // The lists take the focus by a click on a row, the button by Shift+Tab
    // from the slot list.
    ClickRow(dialog_->lbCharacter, 0);
    if (focusOn == u"lbItems") ChooseItem(kLongSword);
    auto* target = dialog_->findChild<QWidget*>(focusOn);
    QVERIFY(target != nullptr);
    QVERIFY(TabTo(target, true));

    QVERIFY(PressKey(static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers)));

    QCOMPARE(Words(dialog_->lbCharacter),
             removes ? Inventory({kNut}) : Inventory({kLongSword, kNut}));
    QVERIFY(platform_->boxes.empty());
    QVERIFY(dialog_->isVisible());
  }

  // ------------------------------------------------------------ form

  void controlsFollowTheTabOrder() {
    Open(Inventory({}));
    const QWidget* expected[] = {dialog_->btnAdd,    dialog_->btnInsert,   dialog_->btnReplace,
                                 dialog_->btnRemove, dialog_->btnQuantity, dialog_->lbCharacter,
                                 dialog_->btnUp,     dialog_->btnDown,     dialog_->btnTop,
                                 dialog_->btnBottom, dialog_->lbItems,     dialog_->btnOK,
                                 dialog_->btnCancel};
    QWidget* widget = dialog_->btnAdd;
    for (const QWidget* want : expected) {
      QCOMPARE(widget, want);
      do widget = widget->nextInFocusChain();
      while (!(widget->focusPolicy() & Qt::TabFocus));
    }
    QCOMPARE(dialog_->windowTitle(), QStringLiteral("Inventory Editor"));
    QCOMPARE(dialog_->Label1->buddy(), dialog_->lbCharacter);
    QCOMPARE(dialog_->Label3->buddy(), dialog_->lbItems);
  }

  void noCaptionIsClipped() {
    Open(Inventory({}), 0, Type::Gold, QStringLiteral("Isaac"));
    for (QWidget* widget : dialog_->findChildren<QWidget*>()) {
      if (!qobject_cast<QPushButton*>(widget) && !qobject_cast<QLabel*>(widget)) continue;
      QVERIFY2(widget->width() >= widget->sizeHint().width() &&
                   widget->height() >= widget->minimumSizeHint().height(),
               qPrintable(widget->objectName()));
    }
    // Fifteen whole rows show in the slot list.
    QListWidget* list = dialog_->lbCharacter;
    QVERIFY(list->visualItemRect(list->item(14)).bottom() < list->viewport()->height());
    QVERIFY(list->visualItemRect(list->item(0)).height() >= list->fontMetrics().height());
  }
};

VELMARA_TEST_MAIN(InventoryDialogTest)
#include "InventoryDialogTest.moc"
