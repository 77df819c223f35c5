// The password tab: the type buttons remake the password at once, the page
// list and the layout of each page, and the password shown for a party
// entered through the controls is the one the codec makes for that party.
#include <QLabel>
#include <QRadioButton>

#include "tests/ui/MainWindowHarness.h"
#include "tests/ui/TestApplication.h"

using namespace velmara;
using namespace velmara::testing;

class PasswordDisplayTest : public MainWindowTest {
  Q_OBJECT

  const TPasswordData low = Decoded(ptGold, kDefaultPasswords[kDefaultLow]);

  static QString typeButton(TPasswordType type) {
    const char* names[] = {"rbGold", "rbSilver", "rbBronze"};
    return QString::fromLatin1(names[type]);
  }

 private slots:
  void typeClickRemakesPassword_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("pages");
    QTest::addColumn<bool>("silverLabel");
    QTest::addColumn<bool>("goldLabel");
    QTest::addColumn<bool>("statisticsEnabled");
    QTest::addColumn<bool>("coinsEnabled");
    QTest::newRow("silver") << int(ptSilver) << 61 << 2 << true << false << true << false;
    QTest::newRow("bronze") << int(ptBronze) << 16 << 1 << false << false << false << false;
  }

  void typeClickRemakesPassword() {
    QFETCH(int, type);
    QFETCH(int, length);
    QFETCH(int, pages);
    QFETCH(bool, silverLabel);
    QFETCH(bool, goldLabel);
    QFETCH(bool, statisticsEnabled);
    QFETCH(bool, coinsEnabled);
    const auto passwordType = static_cast<TPasswordType>(type);

    ui.click(typeButton(passwordType));
    const QString expected = Encoded(passwordType, low);
    QCOMPARE(ui.window->PasswordText, expected);
    QCOMPARE(expected.size(), length);
    QCOMPARE(ui.pageEntries().size(), pages);
    QCOMPARE(ui.list(QStringLiteral("lbPages"))->currentRow(), 0);
    QCOMPARE(ui.memoLines().join(QString()).remove(QStringLiteral("  ")), expected.left(50));
    QVERIFY(ui.find<QLabel>(QStringLiteral("lblTypeBronze"))->isVisibleTo(ui.window.get()));
    QCOMPARE(ui.find<QLabel>(QStringLiteral("lblTypeSilver"))->isVisibleTo(ui.window.get()),
             silverLabel);
    QCOMPARE(ui.find<QLabel>(QStringLiteral("lblTypeGold"))->isVisibleTo(ui.window.get()),
             goldLabel);
    for (const char* character : {"Isaac", "Garet", "Ivan", "Mia"}) {
      const QString prefix = QStringLiteral("e") + QString::fromLatin1(character);
      QVERIFY(ui.edit(prefix + QStringLiteral("Level"))->isEnabled());
      for (const char* stat : {"HP", "PP", "Attack", "Defense", "Agility", "Luck"})
        QCOMPARE(ui.edit(prefix + QString::fromLatin1(stat))->isEnabled(), statisticsEnabled);
    }
    QCOMPARE(ui.edit(QStringLiteral("eCoins"))->isEnabled(), coinsEnabled);

    // Back on Gold: the Gold password again, and every edit enabled.
    ui.click(QStringLiteral("rbGold"));
    QCOMPARE(ui.window->PasswordText, Encoded(ptGold, low));
    QCOMPARE(ui.pageEntries().size(), 6);
    QVERIFY(ui.find<QLabel>(QStringLiteral("lblTypeGold"))->isVisibleTo(ui.window.get()));
    QVERIFY(ui.edit(QStringLiteral("eCoins"))->isEnabled());
    QVERIFY(ui.edit(QStringLiteral("eMiaLuck"))->isEnabled());
  }

  // Each line of a page against a mask: '#' stands for one password
  // character, blanks for themselves. The characters, read in order, must be
  // the page's part of the password.
  void pageLayout_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("masks");
    const QString full = QStringLiteral("#####  #####");
    const QStringList fullPage{full, full, full, full, full};
    for (int page = 0; page < 5; ++page)
      QTest::addRow("gold page %d", page + 1) << int(ptGold) << page << fullPage;
    QTest::newRow("gold page 6") << int(ptGold) << 5 << QStringList{full};
    QTest::newRow("silver page 1") << int(ptSilver) << 0 << fullPage;
    QTest::newRow("silver page 2") << int(ptSilver) << 1 << QStringList{full, "#  "};
    QTest::newRow("bronze page 1") << int(ptBronze) << 0 << QStringList{full, "#####  #"};
  }

  void pageLayout() {
    QFETCH(int, type);
    QFETCH(int, page);
    QFETCH(QStringList, masks);
    ui.click(typeButton(static_cast<TPasswordType>(type)));
    const QString password = ui.window->PasswordText;

    MainWindowHarness::clickRow(ui.list(QStringLiteral("lbPages")), page);
    const QStringList lines = ui.memoLines();
    QCOMPARE(lines.size(), masks.size());
    QString characters;
    for (int i = 0; i < lines.size(); ++i) {
      QCOMPARE(lines[i].size(), masks[i].size());
      for (int k = 0; k < masks[i].size(); ++k) {
        if (masks[i][k] == u'#') {
          QVERIFY2(lines[i][k] != u' ', qPrintable(lines[i]));
          characters += lines[i][k];
        } else {
          QCOMPARE(lines[i][k], masks[i][k]);
        }
      }
    }
    QCOMPARE(characters, password.mid(50 * page, 50));
  }

  void pageThreeOfGoldShowsCharacters101To150() {
    MainWindowHarness::clickRow(ui.list(QStringLiteral("lbPages")), 2);
    QCOMPARE(ui.memoLines().join(QString()).remove(QStringLiteral("  ")),
             ui.window->PasswordText.mid(100, 50));
  }

  // A party typed into the controls: levels, statistics, coins, Djinn and a
  // side quest. The password shown must be the codec's for the same record.
  void passwordForEnteredPartyIsTheCodecs_data() {
    QTest::addColumn<int>("type");
    QTest::newRow("gold") << int(ptGold);
    QTest::newRow("silver") << int(ptSilver);
    QTest::newRow("bronze") << int(ptBronze);
  }

  void passwordForEnteredPartyIsTheCodecs() {
    QFETCH(int, type);
    const auto passwordType = static_cast<TPasswordType>(type);

    ui.type(QStringLiteral("eIsaacLevel"), QStringLiteral("42"));
    ui.type(QStringLiteral("eGaretHP"), QStringLiteral("1234"));
    ui.type(QStringLiteral("eIvanAttack"), QStringLiteral("321"));
    ui.type(QStringLiteral("eMiaLuck"), QStringLiteral("77"));
    ui.type(QStringLiteral("eCoins"), QStringLiteral("123456"));
    MainWindowHarness::toggleRow(ui.list(QStringLiteral("clbMars")), 6);       // Torch
    MainWindowHarness::toggleRow(ui.list(QStringLiteral("clbSidequest")), 3);  // 事件 #4
    ui.refresh();
    ui.click(typeButton(passwordType));

    TPasswordData expected = low;
    expected.Characters[0].Level = 42;
    expected.Characters[1].HP = 1234;
    expected.Characters[2].Attack = 321;
    expected.Characters[3].Luck = 77;
    expected.Coins = 123456;
    expected.Characters[2].Djinn[2] ^= 1u << 6;
    SetEventFlag(expected, kSideQuestFlags[3], !GetEventFlag(low, kSideQuestFlags[3]));

    QCOMPARE(Bytes(ui.window->Data), Bytes(expected));
    const QString password = Encoded(passwordType, expected);
    QCOMPARE(ui.shownPassword(), password);
    QCOMPARE(ui.window->PasswordText, password);
  }
};

VELMARA_TEST_MAIN(PasswordDisplayTest)
#include "PasswordDisplayTest.moc"
