// Moving the record into the controls and back: lenient parsing and clamps
// of levels, statistics and coins, the Djinn placement, the select-all
// button and the side-quest bits.
#include <QRadioButton>

#include "tests/ui/MainWindowHarness.h"
#include "tests/ui/TestApplication.h"

using namespace velmara;
using namespace velmara::testing;

namespace {

// The record field behind an edit, by the edit's field name.
unsigned FieldOf(const TCharacterRecord& character, const QString& field) {
  if (field == u"Level") return character.Level;
  if (field == u"HP") return character.HP;
  if (field == u"PP") return character.PP;
  if (field == u"Attack") return character.Attack;
  if (field == u"Defense") return character.Defense;
  if (field == u"Agility") return character.Agility;
  if (field == u"Luck") return character.Luck;
  qFatal("unknown field");
}

std::uint8_t& RecordByte(TPasswordData& data, int offset) {
  return reinterpret_cast<std::uint8_t*>(&data)[offset];
}

const char* const kCharacters[] = {"Isaac", "Garet", "Ivan", "Mia"};

}  // namespace

class DataControlsTest : public MainWindowTest {
  Q_OBJECT

 private slots:
  void statisticClamps_data() {
    QTest::addColumn<int>("character");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<unsigned>("stored");
    QTest::newRow("level 0") << 0 << "Level"
                             << "0" << 1u;
    QTest::newRow("level -5") << 1 << "Level"
                              << "-5" << 1u;
    QTest::newRow("level empty") << 2 << "Level"
                                 << "" << 1u;
    QTest::newRow("level 99") << 3 << "Level"
                              << "99" << 99u;
    QTest::newRow("level takes two characters") << 0 << "Level"
                                                << "123" << 12u;
    QTest::newRow("HP 2500") << 0 << "HP"
                             << "2500" << 1999u;
    QTest::newRow("PP 1999") << 1 << "PP"
                             << "1999" << 1999u;
    QTest::newRow("PP not a number") << 1 << "PP"
                                     << "abc" << 1u;
    QTest::newRow("attack 600") << 2 << "Attack"
                                << "600" << 511u;
    QTest::newRow("defense blanks") << 3 << "Defense"
                                    << " 7" << 7u;
    QTest::newRow("agility -1") << 0 << "Agility"
                                << "-1" << 1u;
    QTest::newRow("luck 0") << 1 << "Luck"
                            << "0" << 1u;
    QTest::newRow("luck 100 cut to 10") << 2 << "Luck"
                                        << "100" << 10u;
  }

  void statisticClamps() {
    QFETCH(int, character);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(unsigned, stored);
    const QString name = QStringLiteral("e") + QString::fromLatin1(kCharacters[character]) + field;
    const TPasswordData before = ui.window->Data;

    ui.type(name, typed);
    ui.refresh();

    QCOMPARE(FieldOf(ui.window->Data.Characters[character], field), stored);
    QCOMPARE(ui.edit(name)->text(), QString::number(stored));
    // Nothing else of the record moved.
    TPasswordData expected = before;
    TCharacterRecord& target = expected.Characters[character];
    if (field == u"Level") target.Level = static_cast<std::uint8_t>(stored);
    if (field == u"HP") target.HP = static_cast<std::uint16_t>(stored);
    if (field == u"PP") target.PP = static_cast<std::uint16_t>(stored);
    if (field == u"Attack") target.Attack = static_cast<std::uint16_t>(stored);
    if (field == u"Defense") target.Defense = static_cast<std::uint16_t>(stored);
    if (field == u"Agility") target.Agility = static_cast<std::uint16_t>(stored);
    if (field == u"Luck") target.Luck = static_cast<std::uint8_t>(stored);
    QCOMPARE(Bytes(ui.window->Data), Bytes(expected));
    QVERIFY(ui.platform.boxes.empty());
  }

  void coinClamps_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<std::uint32_t>("stored");
    QTest::newRow("in range") << "4321" << std::uint32_t{4321};
    QTest::newRow("limit") << "999999" << std::uint32_t{999999};
    QTest::newRow("above limit") << "1234567" << std::uint32_t{999999};
    QTest::newRow("negative") << "-1" << std::uint32_t{999999};
    QTest::newRow("not a number") << "abc" << std::uint32_t{999999};
    QTest::newRow("empty") << "" << std::uint32_t{999999};
    QTest::newRow("beyond 32 bits") << "99999999999" << std::uint32_t{999999};
  }

  void coinClamps() {
    QFETCH(QString, typed);
    QFETCH(std::uint32_t, stored);
    ui.type(QStringLiteral("eCoins"), typed);
    ui.refresh();
    QCOMPARE(ui.window->Data.Coins, stored);
    QCOMPARE(ui.edit(QStringLiteral("eCoins"))->text(), QString::number(stored));
  }

  void coinsUntouchedUnlessGold() {
    const std::uint32_t coins = ui.window->Data.Coins;
    ui.click(QStringLiteral("rbSilver"));
    QLineEdit* edit = ui.edit(QStringLiteral("eCoins"));
    QVERIFY(!edit->isEnabled());
    edit->setText(QStringLiteral("7"));  // a disabled edit takes no typing
    ui.refresh();
    QCOMPARE(ui.window->Data.Coins, coins);
    QCOMPARE(edit->text(), QStringLiteral("7"));
  }

  void bronzeDisablesOnlyStatistics() {
    ui.click(QStringLiteral("rbBronze"));
    int enabled = 0;
    for (const char* character : kCharacters) {
      for (const char* field : {"Level", "HP", "PP", "Attack", "Defense", "Agility", "Luck"}) {
        QLineEdit* edit = ui.edit(QStringLiteral("e%1%2").arg(character, field));
        QCOMPARE(edit->isEnabled(), QByteArray(field) == "Level");
        enabled += edit->isEnabled();
      }
    }
    QCOMPARE(enabled, 4);
    ui.click(QStringLiteral("rbSilver"));
    for (const char* character : kCharacters)
      for (const char* field : {"Level", "HP", "PP", "Attack", "Defense", "Agility", "Luck"})
        QVERIFY(ui.edit(QStringLiteral("e%1%2").arg(character, field))->isEnabled());
  }

  void bronzeKeepsStatisticsLastShown() {
    const TPasswordData before = ui.window->Data;
    ui.click(QStringLiteral("rbBronze"));
    ui.refresh();
    QCOMPARE(ui.window->Data.Characters[2].HP, before.Characters[2].HP);
    QCOMPARE(ui.edit(QStringLiteral("eIvanHP"))->text(), QString::number(before.Characters[2].HP));
  }

  void djinnMoveToTheirElementsCharacter() {
    TPasswordData data = ui.window->Data;
    for (TCharacterRecord& character : data.Characters)
      for (std::uint32_t& word : character.Djinn) word = 0;
    data.Characters[1].Djinn[0] = 1u << 0;  // Garet holds Flint (Venus)
    data.Characters[3].Djinn[2] = 1u << 4;  // Mia holds Ember (Mars)
    ui.load(data);

    QListWidget* venus = ui.list(QStringLiteral("clbVenus"));
    QListWidget* mars = ui.list(QStringLiteral("clbMars"));
    QCOMPARE(venus->item(0)->text(), QStringLiteral("Flint"));
    QVERIFY(MainWindowHarness::isChecked(venus, 0));
    QCOMPARE(mars->item(4)->text(), QStringLiteral("Ember"));
    QVERIFY(MainWindowHarness::isChecked(mars, 4));

    ui.refresh();
    const TPasswordData& after = ui.window->Data;
    QCOMPARE(after.Characters[0].Djinn[0], 1u);
    QCOMPARE(after.Characters[1].Djinn[0], 0u);
    QCOMPARE(after.Characters[2].Djinn[2], 1u << 4);
    QCOMPARE(after.Characters[3].Djinn[2], 0u);
  }

  void selectAllChecksEveryDjinn() {
    TPasswordData data = ui.window->Data;
    for (TCharacterRecord& character : data.Characters)
      for (std::uint32_t& word : character.Djinn) word = 0;
    ui.load(data);

    ui.click(QStringLiteral("btnDjinn"));
    for (const char* name : {"clbVenus", "clbMercury", "clbMars", "clbJupiter"}) {
      QListWidget* list = ui.list(QString::fromLatin1(name));
      QCOMPARE(list->count(), 7);
      for (int d = 0; d < 7; ++d) QVERIFY(MainWindowHarness::isChecked(list, d));
    }
    // The record takes them only at the next refresh.
    QCOMPARE(ui.window->Data.Characters[0].Djinn[0], 0u);

    MainWindowHarness::toggleRow(ui.list(QStringLiteral("clbMars")), 2);  // Corona
    ui.refresh();
    for (int c = 0; c < 4; ++c)
      for (int e = 0; e < 4; ++e) {
        const std::uint32_t expected = c != e ? 0u : e == 2 ? 0x7Fu & ~(1u << 2) : 0x7Fu;
        QCOMPARE(ui.window->Data.Characters[c].Djinn[e], expected);
      }
  }

  // Each side quest against the record byte and bit it lives in; the other
  // bits of that byte keep whatever they held.
  void sideQuestBits_data() {
    QTest::addColumn<int>("quest");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("bit");
    QTest::addColumn<int>("neighbours");
    const int rows[][3] = {{0, 360, 1}, {1, 362, 1}, {2, 342, 3},
                           {3, 346, 1}, {4, 323, 6}, {5, 333, 0}};
    for (const auto& row : rows) {
      QTest::addRow("event %d, others set", row[0] + 1) << row[0] << row[1] << row[2] << 0xFF;
      QTest::addRow("event %d, others clear", row[0] + 1) << row[0] << row[1] << row[2] << 0x00;
    }
  }

  void sideQuestBits() {
    QFETCH(int, quest);
    QFETCH(int, byte);
    QFETCH(int, bit);
    QFETCH(int, neighbours);
    const auto others = static_cast<std::uint8_t>(neighbours & ~(1 << bit));
    TPasswordData data = ui.window->Data;
    RecordByte(data, byte) = others;
    ui.load(data);
    QListWidget* list = ui.list(QStringLiteral("clbSidequest"));
    QCOMPARE(list->item(quest)->text(), QStringLiteral("事件 #%1").arg(quest + 1));
    QVERIFY(!MainWindowHarness::isChecked(list, quest));

    MainWindowHarness::toggleRow(list, quest);
    ui.refresh();
    QCOMPARE(int(RecordByte(ui.window->Data, byte)), others | (1 << bit));

    MainWindowHarness::toggleRow(list, quest);
    ui.refresh();
    QCOMPARE(int(RecordByte(ui.window->Data, byte)), int(others));
  }
};

VELMARA_TEST_MAIN(DataControlsTest)
#include "DataControlsTest.moc"
