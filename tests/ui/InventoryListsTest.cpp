// The inventory lists of the Items tab: rows from the record, the story
// items kept under Gold, and opening the editor on a character's list.
#include <QEvent>
#include <QTimer>

#include "tests/ui/MainWindowHarness.h"
#include "tests/ui/TestApplication.h"
#include "ui/Inventory.h"
#include "ui/InventoryRows.h"

using namespace velmara;
using namespace velmara::testing;

namespace {

const char* const kLists[] = {"lbIsaacItems", "lbGaretItems", "lbIvanItems", "lbMiaItems"};
constexpr std::uint16_t kHerb = 180;

// Takes away both story items so that the window has to add them.
TPasswordData WithoutStoryItems(TPasswordData data) {
  for (TCharacterRecord& character : data.Characters)
    for (std::uint16_t& word : character.Items)
      if (IsStoryItem(word)) word = 0;
  return data;
}

int CountHolding(const TPasswordData& data, std::uint16_t id) {
  int count = 0;
  for (const TCharacterRecord& character : data.Characters)
    for (std::uint16_t word : character.Items) count += ItemId(word) == id;
  return count;
}

// What the editor was handed when it was shown, before it adjusts anything.
struct EditorOpening : QObject {
  QListWidget* list = nullptr;
  QString characterName;
  int startIndex = -2;
  bool goldType = false;
  int openings = 0;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      auto* editor = static_cast<TdlgInventory*>(watched);
      list = editor->InventoryList;
      characterName = editor->CharacterName;
      startIndex = editor->StartIndex;
      goldType = editor->GoldType;
      ++openings;
      QTimer::singleShot(0, editor, &QDialog::reject);
    }
    return false;
  }
};

}  // namespace

class InventoryListsTest : public MainWindowTest {
  Q_OBJECT

  QListWidget* list(int character) const { return ui.list(QString::fromLatin1(kLists[character])); }
  std::uint16_t word(int character, int row) const {
    return RowItemWord(list(character)->item(row));
  }

 private slots:
  void rowsShowTheRecordsSlots_data() {
    QTest::addColumn<int>("slotWord");
    QTest::addColumn<QString>("text");
    QTest::newRow("herb * 4") << 3 * 2048 + 180 << "Herb * 4";
    QTest::newRow("special item") << 200 << "Orb of Force";
    QTest::newRow("empty slot") << 0 << "";
    QTest::newRow("past the item names") << 300 << "?? (300)";
    QTest::newRow("gap in the item table") << 190 << "?";
    QTest::newRow("unused bits kept") << (0x0600 | 15) << "Machete";
  }

  void rowsShowTheRecordsSlots() {
    QFETCH(int, slotWord);
    QFETCH(QString, text);
    ui.click(QStringLiteral("rbSilver"));  // no story items added
    TPasswordData data = ui.window->Data;
    data.Characters[2].Items[9] = static_cast<std::uint16_t>(slotWord);
    ui.load(data);
    for (int c = 0; c < 4; ++c) QCOMPARE(list(c)->count(), 15);
    QCOMPARE(list(2)->item(9)->text(), text);
    QCOMPARE(int(word(2, 9)), slotWord);
    // Read back unchanged at the next refresh.
    ui.refresh();
    QCOMPARE(int(ui.window->Data.Characters[2].Items[9]), slotWord);
  }

  // Isaac's slots are full; Garet has empty rows 5 and 7 onwards. Mars Star
  // takes the first empty row in list order, Black Orb the next.
  void storyItemsFillFirstEmptyRowsUnderGoldOnly_data() {
    QTest::addColumn<QString>("typeButton");
    QTest::addColumn<bool>("added");
    QTest::newRow("gold") << "rbGold" << true;
    QTest::newRow("silver") << "rbSilver" << false;
    QTest::newRow("bronze") << "rbBronze" << false;
  }

  void storyItemsFillFirstEmptyRowsUnderGoldOnly() {
    QFETCH(QString, typeButton);
    QFETCH(bool, added);
    ui.click(typeButton);
    TPasswordData data = WithoutStoryItems(ui.window->Data);
    for (std::uint16_t& slot : data.Characters[0].Items) slot = 1;  // Long Sword
    for (int j = 0; j < 15; ++j) data.Characters[1].Items[j] = (j < 5 || j == 6) ? 2 : 0;
    ui.load(data);

    const std::uint16_t row5 = added ? kMarsStar : 0;
    const std::uint16_t row7 = added ? kBlackOrb : 0;
    QCOMPARE(word(1, 5), row5);
    QCOMPARE(word(1, 7), row7);
    QCOMPARE(word(1, 8), std::uint16_t{0});
    if (added) {
      QCOMPARE(list(1)->item(5)->text(), QStringLiteral("Mars Star"));
      QCOMPARE(list(1)->item(7)->text(), QStringLiteral("Black Orb"));
      // The record holds them once the password is refreshed.
      QCOMPARE(CountHolding(ui.window->Data, kMarsStar), 0);
    }
    ui.refresh();
    QCOMPARE(ui.window->Data.Characters[1].Items[5], row5);
    QCOMPARE(ui.window->Data.Characters[1].Items[7], row7);
    QVERIFY(ui.platform.boxes.empty());
  }

  void onlyTheMissingStoryItemIsAdded() {
    TPasswordData data = WithoutStoryItems(ui.window->Data);
    data.Characters[3].Items[14] = kBlackOrb;
    ui.load(data);
    ui.refresh();
    QCOMPARE(CountHolding(ui.window->Data, kMarsStar), 1);
    QCOMPARE(CountHolding(ui.window->Data, kBlackOrb), 1);
    QCOMPARE(ui.window->Data.Characters[3].Items[14], kBlackOrb);
  }

  void noRoomAddsNothingAndSaysNothing() {
    TPasswordData data = ui.window->Data;
    for (TCharacterRecord& character : data.Characters)
      for (std::uint16_t& slot : character.Items) slot = kHerb;
    ui.load(data);
    ui.refresh();
    QCOMPARE(CountHolding(ui.window->Data, kHerb), 60);
    QVERIFY(ui.platform.boxes.empty());
  }

  void doubleClickOpensEditorOnThatRow() {
    EditorOpening opening;
    ui.window->dlgInventory->installEventFilter(&opening);
    MainWindowHarness::doubleClickRow(list(2), 4);
    QTRY_COMPARE(opening.openings, 1);
    QCOMPARE(opening.list, list(2));
    QCOMPARE(opening.characterName, QStringLiteral("Ivan"));
    QCOMPARE(opening.startIndex, 4);
    QVERIFY(opening.goldType);
  }

  void editButtonOpensEditorWithoutSelection() {
    EditorOpening opening;
    ui.window->dlgInventory->installEventFilter(&opening);
    ui.click(QStringLiteral("rbSilver"));
    ui.click(QStringLiteral("btnGaretItem"));
    QTRY_COMPARE(opening.openings, 1);
    QCOMPARE(opening.list, list(1));
    QCOMPARE(opening.characterName, QStringLiteral("Garet"));
    QCOMPARE(opening.startIndex, -1);
    QVERIFY(!opening.goldType);
  }

  void editedListReachesTheRecordAtRefresh() {
    // As the editor writes back on OK: the rows of the handed list change.
    SetRow(list(0)->item(14), QStringLiteral("Herb * 3"), MakeItemWord(kHerb, 3));
    QCOMPARE(ui.window->Data.Characters[0].Items[14], std::uint16_t{0});
    ui.refresh();
    QCOMPARE(ui.window->Data.Characters[0].Items[14], MakeItemWord(kHerb, 3));
  }
};

VELMARA_TEST_MAIN(InventoryListsTest)
#include "InventoryListsTest.moc"
