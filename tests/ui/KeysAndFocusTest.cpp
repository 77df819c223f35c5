// The window driven by the keyboard and the mouse alone: focus moved by Tab,
// keys pressed on whatever has the focus, mouse presses and releases on the
// source list. What a user did not choose must not replace the party or
// reach an edit; Ctrl+C copies the password from every control.
#include <QFile>
#include <QGroupBox>
#include <QTabWidget>
#include <QTemporaryDir>

#include "sources/PasswordText.h"

#include "tests/ui/MainWindowHarness.h"
#include "tests/ui/TestApplication.h"
#include "tests/ui/TestSaves.h"
#include "tests/ui/UserInput.h"

using namespace velmara;
using namespace velmara::testing;

namespace {

constexpr int kIsaac = 0;
const QString kTypedLevel = QStringLiteral("50");

// The middle of a row, or for row -1 a point in the blank part of the list
// below its entries.
QPoint RowCenter(const QListWidget* list, int row) {
  if (row >= 0) return list->visualItemRect(list->item(row)).center();
  const QRect last = list->visualItemRect(list->item(list->count() - 1));
  return QPoint(last.center().x(), last.bottom() + last.height());
}

}  // namespace

class KeysAndFocusTest : public QObject {
  Q_OBJECT

  MainWindowHarness ui;
  std::unique_ptr<QTemporaryDir> folder;

  // The two blocks of the save that the source-list cases load.
  const TPasswordData blockParty[2] = {NamedParty(kDefaultLow, {"Ann", "Bo", "Cy", "Dee"}),
                                       NamedParty(kDefaultHigh, {"Eve", "Fay", "Gus", "Hal"})};
  const QString blockIsaac[2] = {QStringLiteral("Ann"), QStringLiteral("Eve")};

  QListWidget* sources() const { return ui.list(QStringLiteral("lbSaveSlots")); }
  QString isaacLevel() const { return ui.edit(QStringLiteral("eIsaacLevel"))->text(); }
  QString isaacCaption() const {
    return ui.find<QGroupBox>(QStringLiteral("gbIsaacStats"))->title();
  }

  void loadTwoBlockSave() {
    const QString file = folder->filePath(QStringLiteral("two.sav"));
    QFile out(file);
    const QByteArray image =
        SaveImage({{0, "One", 0, 0, blockParty[0]}, {1, "Two", 1, 0, blockParty[1]}});
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(image) == image.size());
    out.close();
    ui.platform.answerOpen(file);
    ui.trigger(QStringLiteral("mFileLoadSavegame"));
    QCOMPARE(sources()->count(), 2);
    QCOMPARE(sources()->currentRow(), 0);
  }

  // Block `row` of the save is what the window shows and encodes.
  void verifyBlockLoaded(int row) const {
    const TPasswordData& party = blockParty[row];
    QCOMPARE(isaacCaption(), blockIsaac[row]);
    QCOMPARE(isaacLevel(), QString::number(party.Characters[kIsaac].Level));
    QCOMPARE(ui.window->PasswordText, Encoded(ptGold, party));
    QCOMPARE(sources()->selectedItems(), QList<QListWidgetItem*>{sources()->item(row)});
  }

 private slots:
  void init() {
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
    ui.open();
    QVERIFY2(Activate(ui.window.get()), "keys and focus need an active window");
  }
  void cleanup() {
    QVERIFY2(ui.platform.allAnswered(), qPrintable(ui.platform.describeLeftovers()));
    ui.close();
    folder.reset();
  }

  // --- The source list: only a choice loads an entry.

  void focusByKeyboardChoosesNothing_data() {
    QTest::addColumn<bool>("backwards");
    QTest::newRow("Tab") << false;
    QTest::newRow("Shift+Tab") << true;
  }
  void focusByKeyboardChoosesNothing() {
    QFETCH(bool, backwards);
    ui.typeByKeys(QStringLiteral("eIsaacLevel"), kTypedLevel);
    MainWindowHarness::clickTabOf(sources());
    const QString password = ui.window->PasswordText;

    QVERIFY(TabTo(sources(), backwards));
    QVERIFY(PressKey(Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier));
    QVERIFY(QApplication::focusWidget() != sources());

    QCOMPARE(isaacLevel(), kTypedLevel);
    QCOMPARE(ui.window->PasswordText, password);
    ui.refresh();
    QCOMPARE(ui.window->Data.Characters[kIsaac].Level, std::uint8_t{50});
  }

  void mouseChoiceLoadsWhatEndsSelected_data() {
    QTest::addColumn<int>("pressRow");
    QTest::addColumn<int>("releaseRow");
    QTest::newRow("click on the other entry") << 1 << 1;
    QTest::newRow("click on the loaded entry") << 0 << 0;
    QTest::newRow("press on the loaded entry, release on the other") << 0 << 1;
    QTest::newRow("press on the other entry, release on the loaded one") << 1 << 0;
    QTest::newRow("click below the entries chooses nothing") << -1 << -1;
  }
  void mouseChoiceLoadsWhatEndsSelected() {
    QFETCH(int, pressRow);
    QFETCH(int, releaseRow);
    loadTwoBlockSave();
    ui.typeByKeys(QStringLiteral("eIsaacLevel"), kTypedLevel);
    MainWindowHarness::clickTabOf(sources());

    QWidget* rows = sources()->viewport();
    QTest::mousePress(rows, Qt::LeftButton, Qt::NoModifier, RowCenter(sources(), pressRow));
    if (releaseRow != pressRow) QTest::mouseMove(rows, RowCenter(sources(), releaseRow));
    QTest::mouseRelease(rows, Qt::LeftButton, Qt::NoModifier, RowCenter(sources(), releaseRow));

    if (releaseRow < 0) {
      QVERIFY(sources()->viewport()->rect().contains(RowCenter(sources(), releaseRow)));
      QCOMPARE(isaacLevel(), kTypedLevel);
      QCOMPARE(sources()->selectedItems(), QList<QListWidgetItem*>{sources()->item(0)});
      return;
    }
    verifyBlockLoaded(releaseRow);
    QVERIFY(sources()->isEnabled());
    QCOMPARE(QApplication::focusWidget(), sources());
  }

  void keyChoiceLoadsTheEntry_data() {
    QTest::addColumn<int>("startRow");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("moves");
    QTest::newRow("Down") << 0 << int(Qt::Key_Down) << true;
    QTest::newRow("End") << 0 << int(Qt::Key_End) << true;
    QTest::newRow("Page Down") << 0 << int(Qt::Key_PageDown) << true;
    QTest::newRow("Up") << 1 << int(Qt::Key_Up) << true;
    QTest::newRow("Home") << 1 << int(Qt::Key_Home) << true;
    QTest::newRow("Page Up") << 1 << int(Qt::Key_PageUp) << true;
    QTest::newRow("Up on the first entry") << 0 << int(Qt::Key_Up) << false;
    QTest::newRow("End on the last entry") << 1 << int(Qt::Key_End) << false;
  }
  void keyChoiceLoadsTheEntry() {
    QFETCH(int, startRow);
    QFETCH(int, key);
    QFETCH(bool, moves);
    loadTwoBlockSave();
    if (startRow != 0) MainWindowHarness::clickRow(sources(), startRow);
    verifyBlockLoaded(startRow);
    ui.typeByKeys(QStringLiteral("eIsaacLevel"), kTypedLevel);
    MainWindowHarness::clickTabOf(sources());
    QVERIFY(TabTo(sources()));
    QCOMPARE(isaacLevel(), kTypedLevel);

    QVERIFY(PressKey(static_cast<Qt::Key>(key)));
    if (!moves) {
      QCOMPARE(isaacLevel(), kTypedLevel);
      QCOMPARE(sources()->currentRow(), startRow);
      return;
    }
    verifyBlockLoaded(1 - startRow);
    // The list keeps the focus, so the next arrow key reaches it.
    QCOMPARE(QApplication::focusWidget(), sources());
    QVERIFY(PressKey(startRow == 0 ? Qt::Key_Up : Qt::Key_Down));
    verifyBlockLoaded(startRow);
  }

  // --- Keys on a focused edit.

  void keysOnAFocusedEdit_data() {
    QTest::addColumn<QString>("editName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("copies");
    QTest::addColumn<QString>("pageAfter");  // tab in front afterwards, empty: unchanged
    const int ctrl = Qt::ControlModifier;
    const int alt = Qt::AltModifier;
    QTest::newRow("Ctrl+C in a statistic edit") << "eIsaacHP"
                                                << "200" << int(Qt::Key_C) << ctrl << true << "";
    QTest::newRow("Ctrl+C in the coins edit") << "eCoins"
                                              << "4321" << int(Qt::Key_C) << ctrl << true << "";
    QTest::newRow("Alt+R in a statistic edit") << "eIsaacHP"
                                               << "200" << int(Qt::Key_R) << alt << false << "";
    QTest::newRow("Alt+Q in the coins edit") << "eCoins"
                                             << "4321" << int(Qt::Key_Q) << alt << false << "";
    QTest::newRow("Alt+P still brings the Password tab")
        << "eMiaLevel"
        << "33" << int(Qt::Key_P) << alt << false << "tsMain";
  }
  void keysOnAFocusedEdit() {
    QFETCH(QString, editName);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, copies);
    QFETCH(QString, pageAfter);
    auto* tabs = ui.find<QTabWidget>(QStringLiteral("PageControl1"));
    ui.typeByKeys(editName, typed);
    const QString pageBefore = tabs->currentWidget()->objectName();
    QCOMPARE(QApplication::focusWidget(), ui.edit(editName));

    QVERIFY(PressKey(static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers)));

    QCOMPARE(ui.edit(editName)->text(), typed);
    QCOMPARE(tabs->currentWidget()->objectName(), pageAfter.isEmpty() ? pageBefore : pageAfter);
    if (copies) {
      // Copied from the controls as they stand, the typed value included.
      QVERIFY(ui.platform.clipboardHoldsText);
      QCOMPARE(CleanPasswordText(ui.platform.clipboard), ui.window->PasswordText);
      QCOMPARE(ui.window->PasswordText, Encoded(ptGold, ui.window->Data));
    } else {
      QVERIFY(!ui.platform.clipboardHoldsText);
      ui.refresh();
    }
    // What the record took over, shown again after the refresh.
    QCOMPARE(ui.edit(editName)->text(), typed);
  }
};

VELMARA_TEST_MAIN(KeysAndFocusTest)
#include "KeysAndFocusTest.moc"
