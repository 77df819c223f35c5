// Start-up and the window itself: the state it opens in, its menus, and how
// it closes.
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include "tests/ui/MainWindowHarness.h"
#include "tests/ui/TestApplication.h"
#include "tests/ui/UserInput.h"

using namespace velmara;
using namespace velmara::testing;

class MainStartupTest : public MainWindowTest {
  Q_OBJECT

 private slots:
  void opensValidWithAllTabs() {
    auto* tabs = ui.find<QTabWidget>(QStringLiteral("PageControl1"));
    QVERIFY(ui.window->DataValid);
    QVERIFY(tabs->isEnabled());
    QCOMPARE(tabs->count(), 5);
    for (int i = 0; i < tabs->count(); ++i) QVERIFY(tabs->isTabVisible(i));
    QCOMPARE(tabs->currentWidget()->objectName(), QStringLiteral("tsMain"));
    QCOMPARE(ui.find<QLabel>(QStringLiteral("lblStatus"))->text(),
             QStringLiteral("设置完毕后点击“刷新密码”以获得密码。你可以抄下密码，或复制整个密码"
                            "（见密码菜单）到剪贴板，然后把它粘贴到记事本之类的文本编辑器上。"
                            "写下状态，道具等等。这也可以帮你记住这个密码能给你什么。"));
    QCOMPARE(ui.window->windowTitle(), QStringLiteral("Velmara密码生成器"));
    // No box of any kind at start-up.
    QVERIFY(ui.platform.boxes.empty());
  }

  void opensOnLowDefaultPartyAsPasswordText() {
    const TPasswordData low = Decoded(ptGold, kDefaultPasswords[kDefaultLow]);
    QCOMPARE(Bytes(ui.window->Data), Bytes(low));
    QCOMPARE(ui.window->DataSource, dsPasswordText);
    QCOMPARE(MainWindowHarness::rows(ui.list(QStringLiteral("lbSaveSlots"))),
             QStringList{QStringLiteral("（密码文件）")});
    QVERIFY(!ui.list(QStringLiteral("lbSaveSlots"))->font().bold());
    for (const char* box : {"gbIsaacStats", "gbIsaacItems"})
      QCOMPARE(ui.find<QGroupBox>(QString::fromLatin1(box))->title(), QStringLiteral("Isaac"));
    QCOMPARE(ui.find<QGroupBox>(QStringLiteral("gbMiaItems"))->title(), QStringLiteral("Mia"));
    QCOMPARE(ui.edit(QStringLiteral("eIsaacLevel"))->text(),
             QString::number(low.Characters[0].Level));
    QCOMPARE(ui.edit(QStringLiteral("eMiaHP"))->text(), QString::number(low.Characters[3].HP));
    QCOMPARE(ui.edit(QStringLiteral("eCoins"))->text(), QString::number(low.Coins));
  }

  void opensOnPageOneOfFreshGoldPassword() {
    const QString expected = Encoded(ptGold, Decoded(ptGold, kDefaultPasswords[kDefaultLow]));
    QVERIFY(ui.find<QRadioButton>(QStringLiteral("rbGold"))->isChecked());
    QCOMPARE(ui.window->PasswordText, expected);
    QCOMPARE(ui.pageEntries(),
             (QStringList{"Page 1", "Page 2", "Page 3", "Page 4", "Page 5", "Page 6"}));
    QCOMPARE(ui.list(QStringLiteral("lbPages"))->currentRow(), 0);
    QStringList firstPage;
    for (int row = 0; row < 5; ++row)
      firstPage << expected.mid(10 * row, 5) + QStringLiteral("  ") + expected.mid(10 * row + 5, 5);
    QCOMPARE(ui.memoLines(), firstPage);
    QVERIFY(ui.find<QLabel>(QStringLiteral("lblTypeSilver"))->isVisibleTo(ui.window.get()));
    QVERIFY(ui.find<QLabel>(QStringLiteral("lblTypeGold"))->isVisibleTo(ui.window.get()));
  }

  void menuItems_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("enabled");
    const QKeySequence none;
    QTest::newRow("load save") << "mFileLoadSavegame"
                               << "Velmara电池记忆文件..." << none << true << true;
    QTest::newRow("load data") << "mFileLoadDatafile"
                               << "密码数据文件..." << none << true << true;
    QTest::newRow("load clipboard") << "mFileLoadClipboard"
                                    << "剪贴板上的密码文本" << none << true << true;
    QTest::newRow("save data") << "mFileSavePwdData"
                               << "保存密码数据(&S)..." << none << true << true;
    QTest::newRow("save tiles") << "mFileSaveTiles"
                                << "保存原始密码字符(&V)..." << none << true << true;
    QTest::newRow("exit") << "mFileExit"
                          << "退出(&X)" << QKeySequence(Qt::ALT | Qt::Key_F4) << true << true;
    QTest::newRow("copy") << "mPasswordClipboard"
                          << "复制到剪贴板(&C)" << QKeySequence(Qt::CTRL | Qt::Key_C) << true
                          << true;
    QTest::newRow("import") << "mPasswordImport"
                            << "从剪贴板上的密码文本导入数据" << none << false << false;
    QTest::newRow("print") << "mPasswordPrint"
                           << "打印密码和游戏信息(&P)" << none << false << true;
    QTest::newRow("low") << "mDefaultsLow"
                         << "较低等级(&L)" << none << true << true;
    QTest::newRow("mid") << "mDefaultsMid"
                         << "中等等级(&M)" << none << true << true;
    QTest::newRow("high") << "mDefaultsHigh"
                          << "最高等级" << none << true << true;
    QTest::newRow("about") << "mAbout"
                           << "关于(&A)" << none << true << true;
  }

  void menuItems() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    QFETCH(bool, visible);
    QFETCH(bool, enabled);
    QAction* item = ui.action(name);
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut(), shortcut);
    QCOMPARE(item->isVisible(), visible);
    // Qt reports a hidden action as disabled, so only a shown one can tell.
    if (visible) QCOMPARE(item->isEnabled(), enabled);
  }

  void menusInOrder() {
    QStringList titles;
    for (QAction* top : ui.window->menuBar()->actions()) titles << top->text();
    QCOMPARE(titles, (QStringList{"文件(&F)", "密码(&W)", "默认(&D)", "关于(&A)"}));
    QStringList file;
    for (QAction* item : ui.find<QMenu>(QStringLiteral("mFile"))->actions())
      file << (item->isSeparator() ? QStringLiteral("-") : item->text());
    QCOMPARE(file, (QStringList{"从...载入数据(&L)", "-", "保存密码数据(&S)...",
                                "保存原始密码字符(&V)...", "-", "退出(&X)"}));
  }

  void itemNamesCoverEveryIdentifier() {
    const std::vector<ItemName>& names = ui.window->ItemNames;
    QCOMPARE(names.size(), std::size_t{269});
    QCOMPARE(names[0].name, std::string());
    QCOMPARE(names[12].name, std::string("?"));
    QCOMPARE(names[190].name, std::string("?"));
    QCOMPARE(names[15].name, std::string("Machete"));
    QCOMPARE(names[268].name, std::string("Cleric's Ring"));
    for (std::size_t id = 0; id < names.size(); ++id) QCOMPARE(std::size_t{names[id].id}, id);
  }

  void aboutShowsTheAboutBoxModally() {
    QDialog* about = ui.find<QDialog>(QStringLiteral("dlgAbout"));
    bool wasModal = false;
    QTimer::singleShot(0, about, [&] {
      wasModal = about->isVisible() && about->isModal();
      about->reject();
    });
    ui.trigger(QStringLiteral("mAbout"));
    QVERIFY(wasModal);
    QVERIFY(!about->isVisible());
    QVERIFY(ui.window->isVisible());
  }

  void exitClosesTheWindow() {
    ui.trigger(QStringLiteral("mFileExit"));
    QTRY_VERIFY(!ui.window->isVisible());
  }

  void altF4ClosesTheWindow() {
    if (!Activate(ui.window.get()))
      QSKIP("this platform does not activate windows, so no shortcut can reach one");
    QTest::keyClick(ui.window.get(), Qt::Key_F4, Qt::AltModifier);
    QTRY_VERIFY(!ui.window->isVisible());
  }
};

VELMARA_TEST_MAIN(MainStartupTest)
#include "MainStartupTest.moc"
