// The password check dialog, opened from the Password menu by its keys and
// driven by keys and clicks: what the entry does with typed and pasted text,
// the row and character marks, the search, and what Use and the ways of
// cancelling leave in the main window.
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QTimer>
#include <functional>

#include "sources/PasswordText.h"
#include "ui/PasswordCheck.h"
#include "ui/PasswordEntry.h"

#include "tests/ui/MainWindowHarness.h"
#include "tests/ui/TestApplication.h"
#include "tests/ui/UserInput.h"

using namespace velmara;
using namespace velmara::testing;

namespace {

using RowMark = TPasswordEntry::RowMark;

// Page 2, row 3, eighth character of the medium default: its c typed as C.
constexpr int kMistypedAt = 77;
constexpr int kMistypedRow = 7;  // rows counted from 0 over the whole text

// How long a dialog is given to close after the steps that close it (a
// button pressed by its Alt key clicks after showing its press); only a
// dialog that the steps leave open by mistake waits this long.
constexpr int kClosingWait = 5000;

QString Mistyped(QString password, int at, QChar typed) {
  password[at] = typed;
  return password;
}

// Keys written in a test row: plain characters are typed, and {Name} stands
// for one key (with its modifiers) from the table below.
struct NamedKey {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
};
const NamedKey kNamedKeys[] = {
    {"Left", Qt::Key_Left, Qt::NoModifier},
    {"Right", Qt::Key_Right, Qt::NoModifier},
    {"Home", Qt::Key_Home, Qt::NoModifier},
    {"End", Qt::Key_End, Qt::NoModifier},
    {"CtrlHome", Qt::Key_Home, Qt::ControlModifier},
    {"ShiftHome", Qt::Key_Home, Qt::ShiftModifier},
    {"SelectAll", Qt::Key_A, Qt::ControlModifier},
    {"Backspace", Qt::Key_Backspace, Qt::NoModifier},
    {"Delete", Qt::Key_Delete, Qt::NoModifier},
    {"Enter", Qt::Key_Return, Qt::NoModifier},
    {"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier},
    {"AltQ", Qt::Key_Q, Qt::AltModifier},
    {"Paste", Qt::Key_V, Qt::ControlModifier},
    {"ShiftInsert", Qt::Key_Insert, Qt::ShiftModifier},
    {"Copy", Qt::Key_C, Qt::ControlModifier},
    {"Cut", Qt::Key_X, Qt::ControlModifier},
    {"Undo", Qt::Key_Z, Qt::ControlModifier},
    {"Redo", Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
};

bool PressKeys(const QString& script) {
  for (qsizetype i = 0; i < script.size();) {
    if (script[i] != u'{') {
      const qsizetype next = script.indexOf(u'{', i);
      const qsizetype end = next < 0 ? script.size() : next;
      if (!TypeKeys(script.mid(i, end - i))) return false;
      i = end;
      continue;
    }
    const qsizetype close = script.indexOf(u'}', i);
    const QString name = script.mid(i + 1, close - i - 1);
    const NamedKey* found = nullptr;
    for (const NamedKey& key : kNamedKeys)
      if (name == QLatin1String(key.name)) found = &key;
    if (found == nullptr) qFatal("no key named %s", qPrintable(name));
    if (!PressKey(found->key, found->modifiers)) return false;
    i = close + 1;
  }
  return true;
}

QStringList Rows(const QListWidget* list) {
  return MainWindowHarness::rows(list);
}

}  // namespace

class PasswordCheckDialogTest : public MainWindowTest {
  Q_OBJECT

 public:
  PasswordCheckDialogTest() : MainWindowTest(/*activate=*/true) {}

 private:
  TdlgPasswordCheck& dialog() const { return *ui.window->dlgPasswordCheck; }
  TPasswordEntry* entry() const { return dialog().ePassword; }
  QListWidget* candidates() const { return dialog().lbCandidates; }

  // Opens the dialog as a user does, Alt+W and then K in the Password menu,
  // and runs `steps` while it is open. Returns once it has closed; a dialog
  // that `steps` left open fails the test and is closed.
  void withDialog(const std::function<void()>& steps) {
    // A dialog closed a moment ago may still hold the activation.
    QVERIFY(Activate(ui.window.get()));
    QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == ui.window.get(); }));
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused ? focused : ui.window.get(), Qt::Key_W, Qt::AltModifier);
    QTRY_COMPARE(QApplication::activePopupWidget(), ui.window->mPassword);
    bool ran = false;
    QTimer::singleShot(0, ui.window.get(), [&] {
      ran = true;
      if (!QTest::qWaitFor([&] { return dialog().isVisible(); })) QFAIL("the dialog did not open");
      // The closing menu hands the activation back to the main window first.
      QVERIFY(Activate(&dialog()));
      QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog(); }));
      steps();
      // A button pressed by its Alt key clicks once its press has been shown.
      if (!QTest::qWaitFor([&] { return !dialog().isVisible(); }, kClosingWait)) {
        dialog().reject();
        QFAIL("the dialog was left open");
      }
    });
    QTest::keyClick(ui.window->mPassword, Qt::Key_K);
    QVERIFY(ran);
    QVERIFY(!dialog().isVisible());
  }

  // The entry's text as it shows, line ends as '\n' (plain text would show a
  // non-breaking blank as a blank).
  QString shownText() const {
    QString text = entry()->document()->toRawText();
    return text.replace(QChar::ParagraphSeparator, u'\n');
  }

  // Alt+S, and the wait until the button, shown pressed for a moment, has
  // run the search: every search leaves a result text.
  void search() {
    QVERIFY(PressKey(Qt::Key_S, Qt::AltModifier));
    QTRY_VERIFY(!dialog().lblResult->text().isEmpty());
  }

  // Puts `text` on the scripted clipboard and pastes it with Ctrl+V.
  void paste(const QString& text) {
    ui.platform.setClipboardText(text);
    QVERIFY(PressKey(Qt::Key_V, Qt::ControlModifier));
  }

  // The state of the main window that a cancelled check must leave alone.
  struct WindowState {
    QString password;
    QByteArray data;
    bool valid;
    QStringList sources;
    QString isaacLevel;
    bool gold;
  };
  WindowState windowState() const {
    return {ui.window->PasswordText,
            Bytes(ui.window->Data),
            ui.window->DataValid,
            MainWindowHarness::rows(ui.list(QStringLiteral("lbSaveSlots"))),
            ui.edit(QStringLiteral("eIsaacLevel"))->text(),
            ui.window->rbGold->isChecked()};
  }
  void verifyUnchanged(const WindowState& before) const {
    const WindowState after = windowState();
    QCOMPARE(after.password, before.password);
    QCOMPARE(after.data, before.data);
    QCOMPARE(after.valid, before.valid);
    QCOMPARE(after.sources, before.sources);
    QCOMPARE(after.isaacLevel, before.isaacLevel);
    QCOMPARE(after.gold, before.gold);
  }

  // The window in its valid state with `password` loaded as pasted text.
  void verifyLoaded(const QString& password, TPasswordType type, int pages) const {
    QCOMPARE(ui.window->PasswordText, password);
    QVERIFY(ui.window->DataValid);
    QCOMPARE(Bytes(ui.window->Data), Bytes(Decoded(type, password.toStdString())));
    QCOMPARE(MainWindowHarness::rows(ui.list(QStringLiteral("lbSaveSlots"))),
             QStringList{QStringLiteral("（密码文件）")});
    QRadioButton* buttons[] = {ui.window->rbGold, ui.window->rbSilver, ui.window->rbBronze};
    QVERIFY(buttons[type]->isChecked());
    auto* tabs = ui.find<QTabWidget>(QStringLiteral("PageControl1"));
    QVERIFY(tabs->isEnabled());
    for (int i = 0; i < tabs->count(); ++i) QVERIFY(tabs->isTabVisible(i));
    QCOMPARE(ui.pageEntries().size(), pages);
    QCOMPARE(ui.shownPassword(), password);
    QVERIFY(ui.platform.boxes.empty());
  }

 private slots:
  // --- The whole road: a Gold password typed with one wrong character.

  void oneWrongCharacterIsFoundAndUsed() {
    const QString intended = DefaultPassword(kDefaultMiddle);
    const QString typed = Mistyped(intended, kMistypedAt, u'C');
    withDialog([&] {
      QCOMPARE(QApplication::focusWidget(), entry());
      QVERIFY(TypeKeys(typed));
      QCOMPARE(entry()->Password(), typed);

      // The row fails, with its mark beside it; every other row checks.
      for (int row = 0; row < 26; ++row)
        QCOMPARE(entry()->MarkOfRow(row), row == kMistypedRow ? RowMark::Fails : RowMark::Checks);
      const int line = 9;  // page 1's heading and five rows, page 2's heading, rows 1 and 2
      QCOMPARE(entry()->document()->findBlockByNumber(line).text(), QStringLiteral("Aa$?D  v=CdE"));
      QCOMPARE(entry()->MarginText(line), QStringLiteral("3 ✗"));
      QCOMPARE(entry()->MarginText(line - 1), QStringLiteral("2 ✓"));
      QCOMPARE(entry()->MarginText(6), QStringLiteral("第2页"));
      QCOMPARE(dialog().lblRows->text(),
               QStringLiteral("行检查：✗ 有误的行：第2页 第3行；✓ 其余 25 行正确"));
      QCOMPARE(dialog().lblLength->text(),
               QStringLiteral("字符数：260（铜 16，银 61，金 260）：正好是金"));

      search();
      QVERIFY(candidates()->count() >= 1);
      QCOMPARE(candidates()->item(0)->text(), QStringLiteral("1. 第2页 第3行 第8个：C → c"));
      QCOMPARE(candidates()->selectedItems(), QList<QListWidgetItem*>{candidates()->item(0)});
      QCOMPARE(QApplication::focusWidget(), candidates());
      QVERIFY(dialog().lblResult->text().startsWith(
          QStringLiteral("Cannot import password -- There is at least one mistake in each of the "
                         "following:\n\nrow 3 on page 2\n")));
      QVERIFY(dialog().btnUse->isEnabled());
      QVERIFY(PressKey(Qt::Key_U, Qt::AltModifier));
    });
    verifyLoaded(intended, ptGold, 6);
    // The user's clipboard was never touched.
    QVERIFY(!ui.platform.clipboardHoldsText);
  }

  // --- Cancelling.

  void closingWithoutUseChangesNothing_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel clicked") << "click";
    QTest::newRow("Alt+C") << "alt";
    QTest::newRow("Esc on the candidates") << "esc-list";
    QTest::newRow("Esc in the entry") << "esc-entry";
    QTest::newRow("close box") << "close";
  }
  void closingWithoutUseChangesNothing() {
    QFETCH(QString, how);
    // An edit not yet refreshed into the record is part of what must stay.
    ui.typeByKeys(QStringLiteral("eIsaacLevel"), QStringLiteral("50"));
    const WindowState before = windowState();
    withDialog([&] {
      QVERIFY(TypeKeys(DefaultPassword(kDefaultHigh)));
      search();
      QCOMPARE(candidates()->count(), 1);
      if (how == QLatin1String("click")) QTest::mouseClick(dialog().btnCancel, Qt::LeftButton);
      if (how == QLatin1String("alt")) QVERIFY(PressKey(Qt::Key_C, Qt::AltModifier));
      if (how == QLatin1String("esc-list")) QVERIFY(PressKey(Qt::Key_Escape));
      if (how == QLatin1String("esc-entry")) {
        QVERIFY(TabTo(entry()));
        QVERIFY(PressKey(Qt::Key_Escape));
      }
      if (how == QLatin1String("close")) dialog().close();
    });
    QVERIFY(dialog().ChosenPassword.isEmpty());
    verifyUnchanged(before);
    QVERIFY(ui.platform.boxes.empty());
  }

  // Enter in the entry or on the list presses no button: nothing is used.
  void enterPressesNothing() {
    const WindowState before = windowState();
    withDialog([&] {
      QVERIFY(TypeKeys(DefaultPassword(kDefaultHigh)));
      QVERIFY(PressKeys(QStringLiteral("{Enter}{KeypadEnter}")));
      QCOMPARE(entry()->Password(), DefaultPassword(kDefaultHigh));
      search();
      QCOMPARE(QApplication::focusWidget(), candidates());
      QVERIFY(PressKeys(QStringLiteral("{Enter}{KeypadEnter}")));
      QVERIFY(dialog().isVisible());
      // Enter on a focused button presses that one.
      QVERIFY(TabTo(dialog().btnCancel));
      QVERIFY(PressKey(Qt::Key_Return));
    });
    verifyUnchanged(before);
  }

  // Every opening starts afresh: empty entry, no candidates, Use disabled.
  void reopeningStartsEmpty() {
    withDialog([&] {
      QVERIFY(TypeKeys(QStringLiteral("abc")));
      search();
      QVERIFY(PressKey(Qt::Key_Escape));
    });
    withDialog([&] {
      QCOMPARE(QApplication::focusWidget(), entry());
      QCOMPARE(entry()->Password(), QString());
      QCOMPARE(entry()->toPlainText(), QString());
      QCOMPARE(candidates()->count(), 0);
      QVERIFY(dialog().lblResult->text().isEmpty());
      QVERIFY(!dialog().btnUse->isEnabled());
      QVERIFY(!dialog().btnSearch->isEnabled());
      // Undo brings back nothing of the last opening.
      QVERIFY(PressKeys(QStringLiteral("{Undo}")));
      QCOMPARE(entry()->Password(), QString());
      QVERIFY(PressKey(Qt::Key_Escape));
    });
  }

  // --- The entry.

  void keysInTheEntry_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("password");
    const QString none;
    // The caret's place shows in where the last typed Z lands.
    QTest::newRow("blanks and dashes typed are dropped") << none << "ab -c"
                                                         << "abc";
    QTest::newRow("Enter types nothing") << none << "ab{Enter}{KeypadEnter}c"
                                         << "abc";
    QTest::newRow("an unanswered Alt key types nothing") << none << "ab{AltQ}c"
                                                         << "abc";
    QTest::newRow("typing in the middle keeps the caret after the typed characters")
        << none << "abcdefg{Left}{Left}XYZ"
        << "abcdeXYZfg";
    QTest::newRow("Backspace after the gap removes the character before it")
        << none << "abcdefg{Left}{Left}{Backspace}Z"
        << "abcdZfg";
    QTest::newRow("Delete before the gap removes the character after it")
        << none << "abcdefg{Home}{Right}{Right}{Right}{Right}{Right}{Delete}Z"
        << "abcdeZg";
    QTest::newRow("Backspace at a row's start removes the last of the row above")
        << none << "abcdefghijk{Left}{Backspace}Z"
        << "abcdefghiZk";
    QTest::newRow("Delete at a row's end removes the first of the next row")
        << none << "abcdefghijk{Left}{Left}{Delete}Z"
        << "abcdefghijZ";
    QTest::newRow("Backspace before the first character removes nothing")
        << none << "ab{Home}{Backspace}Z"
        << "Zab";
    QTest::newRow("the heading line types before the first character") << none << "ab{CtrlHome}Z"
                                                                       << "Zab";
    QTest::newRow("typing replaces a selection") << none << "abcdefghijk{Left}{ShiftHome}Z"
                                                 << "abcdefghijZk";
    QTest::newRow("Backspace removes a selection across the gap")
        << none << "abcdefghijklm{SelectAll}{Backspace}Z"
        << "Z";
    QTest::newRow("Undo brings a character back, the caret after it")
        << none << "abc{Left}{Backspace}{Undo}Z"
        << "abZc";
    QTest::newRow("Redo takes it away again") << none << "abc{Backspace}{Undo}{Redo}Z"
                                              << "abZ";
    QTest::newRow("a paste in the clipboard layout is cleaned")
        << "abcde fghij\r\nklmno pqrst\r\n\r\nuv-wx\ty"
        << "{Paste}Z"
        << "abcdefghijklmnopqrstuvwxyZ";
    QTest::newRow("a paste in the middle leaves the caret after it") << "12 34\r\n"
                                                                     << "ab{Left}{ShiftInsert}Z"
                                                                     << "a1234Zb";
    QTest::newRow("a non-breaking blank is no layout character") << "ab\u00a0cd"
                                                                 << "{Paste}"
                                                                 << "ab\u00a0cd";
    QTest::newRow("Undo takes a paste back whole") << "xyz"
                                                   << "ab{Paste}{Undo}Z"
                                                   << "abZ";
    QTest::newRow("Cut takes the selection away") << none << "abcdefghijk{SelectAll}{Cut}Z"
                                                  << "Z";
    QTest::newRow("Copy leaves the text") << none << "abcdefghijk{SelectAll}{Copy}"
                                          << "abcdefghijk";
  }
  void keysInTheEntry() {
    QFETCH(QString, clipboard);
    QFETCH(QString, keys);
    QFETCH(QString, password);
    if (!clipboard.isNull()) ui.platform.setClipboardText(clipboard);
    withDialog([&] {
      QVERIFY(PressKeys(keys));
      QCOMPARE(entry()->Password(), password);
      // What the entry shows is the cleaned text in its layout.
      QCOMPARE(CleanPasswordText(shownText()), password);
      QVERIFY(PressKey(Qt::Key_Escape));
    });
  }

  // Copy and Cut reach the clipboard through the platform, as the password
  // characters without the blanks of the layout.
  void copyAndCutWriteThePasswordCharacters_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("left");
    QTest::newRow("copy") << "{Copy}"
                          << "abcdefghijk";
    QTest::newRow("cut") << "{Cut}"
                         << "";
  }
  void copyAndCutWriteThePasswordCharacters() {
    QFETCH(QString, keys);
    QFETCH(QString, left);
    withDialog([&] {
      QVERIFY(PressKeys(QStringLiteral("abcdefghijk{SelectAll}") + keys));
      QCOMPARE(entry()->Password(), left);
      QVERIFY(PressKey(Qt::Key_Escape));
    });
    QVERIFY(ui.platform.clipboardHoldsText);
    QCOMPARE(ui.platform.clipboard, QStringLiteral("abcdefghijk"));
  }

  // The entry's context menu pastes and undoes through the entry itself: the
  // platform's clipboard, the cleaning and the entry's own history.
  void contextMenuPasteAndUndo() {
    ui.platform.setClipboardText(QStringLiteral("cd ef\r\n"));
    withDialog([&] {
      QVERIFY(TypeKeys(QStringLiteral("ab")));
      for (const Qt::Key item : {Qt::Key_P, Qt::Key_U}) {
        QTimer::singleShot(0, &dialog(), [item] {
          if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }))
            QFAIL("no context menu");
          QTest::keyClick(QApplication::activePopupWidget(), item);
        });
        // The desktop turns a right click into this event; QTest does not.
        QWidget* text = entry()->viewport();
        QContextMenuEvent click(QContextMenuEvent::Mouse, text->rect().center(),
                                text->mapToGlobal(text->rect().center()));
        QApplication::sendEvent(text, &click);
        QCOMPARE(entry()->Password(),
                 item == Qt::Key_P ? QStringLiteral("abcdef") : QStringLiteral("ab"));
        // The offscreen platform gives the activation back to no window once
        // a menu has closed; a desktop gives it back to the dialog.
        QVERIFY(Activate(&dialog()));
        QTRY_COMPARE(QApplication::focusWidget(), entry());
      }
      QVERIFY(PressKey(Qt::Key_Escape));
    });
  }

  void layoutOfTwoPages() {
    withDialog([&] {
      paste(DefaultPassword(kDefaultLow).left(55));
      const QStringList lines = shownText().split(u'\n');
      QCOMPARE(lines, (QStringList{"", "9w7X6  nm$f+", "BNsji  VGqBm", "9ggZ7  Whyd!",
                                   "VrhqC  h$4t$", "Fa=$!  u&Sng", "", "UzPGP"}));
      QCOMPARE(entry()->MarginText(0), QStringLiteral("第1页"));
      QCOMPARE(entry()->MarginText(7), QStringLiteral("1 …"));
      QVERIFY(PressKey(Qt::Key_Escape));
    });
  }

  // Characters outside the alphabet are marked where they stand and listed;
  // their rows fail. Pasted, since the keyboard of the tests types Latin-1.
  void charactersOutsideTheAlphabet() {
    QString typed = DefaultPassword(kDefaultLow).left(20);
    typed[3] = u'0';
    typed[14] = QChar(0xFF33);  // a full-width S
    // A character of two UTF-16 units counts as one, as the decoder counts
    // it; an unpaired surrogate shows, and counts, as the replacement
    // character, not as the "?" that a conversion to UTF-8 would make of it.
    typed += QStringLiteral("😀") + QChar(0xD800) + QStringLiteral("AB");
    withDialog([&] {
      paste(typed);
      QCOMPARE(entry()->MarkOfRow(0), RowMark::Fails);
      QCOMPARE(entry()->MarkOfRow(1), RowMark::Fails);
      QCOMPARE(dialog().lblLength->text(),
               QStringLiteral("字符数：24（铜 16，银 61，金 260）：比铜多 8 个"));
      QCOMPARE(dialog().lblInvalid->text(),
               QStringLiteral("字母表以外的字符：第1页 第1行 第4个 “0”，第1页 第2行 第5个 “Ｓ”，"
                              "第1页 第3行 第1个 “😀”，第1页 第3行 第2个 “\uFFFD”"));
      // Each is marked by a wavy underline as well as a colour.
      QStringList underlined;
      for (const QTextEdit::ExtraSelection& mark : entry()->extraSelections())
        if (mark.format.underlineStyle() == QTextCharFormat::WaveUnderline)
          underlined << mark.cursor.selectedText();
      QCOMPARE(underlined, (QStringList{"0", QString(QChar(0xFF33)), QStringLiteral("😀"),
                                        QString(QChar::ReplacementCharacter)}));
      QVERIFY(PressKey(Qt::Key_Escape));
    });
  }

  // The notes under the entry name the first six failing rows and
  // characters outside the alphabet, and count them all.
  void longListsAreCounted() {
    withDialog([&] {
      paste(QString(100, u'O'));
      QCOMPARE(dialog().lblRows->text(),
               QStringLiteral("行检查：✗ 有误的行：第1页 第1行，第1页 第2行，第1页 第3行，"
                              "第1页 第4行，第1页 第5行，第2页 第1行，共 10 行"));
      QCOMPARE(
          dialog().lblInvalid->text(),
          QStringLiteral("字母表以外的字符：第1页 第1行 第1个 “O”，第1页 第1行 第2个 “O”，"
                         "第1页 第1行 第3个 “O”，第1页 第1行 第4个 “O”，第1页 第1行 第5个 “O”，"
                         "第1页 第1行 第6个 “O”，共 100 个"));
      QVERIFY(PressKey(Qt::Key_Escape));
    });
  }

  // Failing and checking rows have tints of their own; an incomplete row none.
  void rowTints() {
    QString typed = DefaultPassword(kDefaultLow).left(25);
    typed[12] = typed[12] == u'A' ? u'B' : u'A';
    withDialog([&] {
      paste(typed);
      QList<QColor> tints;
      for (int line = 1; line <= 3; ++line) {
        QColor tint;
        for (const QTextEdit::ExtraSelection& mark : entry()->extraSelections())
          if (mark.format.property(QTextFormat::FullWidthSelection).toBool() &&
              mark.cursor.blockNumber() == line)
            tint = mark.format.background().color();
        tints << tint;
      }
      QVERIFY(tints[0].isValid() && tints[1].isValid());
      QVERIFY(tints[0] != tints[1]);
      QVERIFY(!tints[2].isValid());
      QCOMPARE(entry()->MarginText(1), QStringLiteral("1 ✓"));
      QCOMPARE(entry()->MarginText(2), QStringLiteral("2 ✗"));
      QCOMPARE(entry()->MarginText(3), QStringLiteral("3 …"));
      QVERIFY(PressKey(Qt::Key_Escape));
    });
  }

  void lengthAgainstTheThreeTypes_data() {
    QTest::addColumn<int>("characters");
    QTest::addColumn<QString>("words");
    const QString lengths = QStringLiteral("字符数：%1（铜 16，银 61，金 260）");
    QTest::newRow("none") << 0 << lengths.arg(0);
    QTest::newRow("one short of Bronze") << 15 << lengths.arg(15) + "：比铜少 1 个";
    QTest::newRow("Bronze") << 16 << lengths.arg(16) + "：正好是铜";
    QTest::newRow("nearer Bronze than Silver") << 38 << lengths.arg(38) + "：比铜多 22 个";
    QTest::newRow("nearer Silver than Bronze") << 39 << lengths.arg(39) + "：比银少 22 个";
    QTest::newRow("one past Silver") << 62 << lengths.arg(62) + "：比银多 1 个";
    QTest::newRow("one short of Gold") << 259 << lengths.arg(259) + "：比金少 1 个";
    QTest::newRow("Gold") << 260 << lengths.arg(260) + "：正好是金";
    QTest::newRow("past Gold") << 300 << lengths.arg(300) + "：比金多 40 个";
  }
  void lengthAgainstTheThreeTypes() {
    QFETCH(int, characters);
    QFETCH(QString, words);
    withDialog([&] {
      if (characters > 0) paste(QString(characters, u'A'));
      QCOMPARE(dialog().lblLength->text(), words);
      QVERIFY(PressKey(Qt::Key_Escape));
    });
  }

  // A paste far longer than any password is cut to the entry's capacity.
  void hugePasteIsCut() {
    withDialog([&] {
      paste(QString(100000, u'A'));
      QCOMPARE(entry()->Password(), QString(TPasswordEntry::kCapacity, u'A'));
      QVERIFY(PressKey(Qt::Key_Escape));
    });
  }

  // --- The search and Use.

  void searchOutcomes_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("result");
    const QString gold = DefaultPassword(kDefaultLow);
    QString fourRows = gold;
    for (int at : {0, 10, 20, 30}) fourRows[at] = fourRows[at] == u'A' ? u'B' : u'A';
    QTest::newRow("a password without mistake")
        << DefaultPassword(kDefaultHigh) << QStringList{"1. 无需修改"}
        << "这个密码没有错误，可以直接使用。";
    QTest::newRow("too far from every length")
        << gold.left(100) << QStringList{} << "字符数和金、银、铜的长度都相差一个以上，无法修复。";
    QTest::newRow("more than the search undoes")
        << fourRows << QStringList{}
        << "Cannot import password -- There is at least one mistake in each of the following:\n\n"
           "row 1 on page 1, row 2 on page 1, row 3 on page 1, row 4 on page 1\n"
           "找不到候选密码。能修复的错误是：每行一个错字（最多三行）、相邻两个字符对调、"
           "对调加一个错字、多一个或少一个字符。";
    QTest::newRow("two candidates, the likelier first")
        << Mistyped(gold, 0, u'H')
        << QStringList{"1. 第1页 第1行 第1个：H → 9",
                       "2. 第1页 第1行 第3个：7 → x\n    第5页 第5行 第1、2个对调：NJ → JN\n"
                       "    （队伍数据不寻常）"}
        << "Cannot import password -- There is at least one mistake in each of the following:\n\n"
           "row 1 on page 1\n找到 2 个候选密码，最可能的排在最前面。";
  }
  void searchOutcomes() {
    QFETCH(QString, typed);
    QFETCH(QStringList, listed);
    QFETCH(QString, result);
    withDialog([&] {
      paste(typed);
      QTest::mouseClick(dialog().btnSearch, Qt::LeftButton);
      QCOMPARE(Rows(candidates()), listed);
      QCOMPARE(dialog().lblResult->text(), result);
      QCOMPARE(dialog().btnUse->isEnabled(), !listed.isEmpty());
      QVERIFY(PressKey(Qt::Key_Escape));
    });
  }

  // The candidate the user moves to is the one used, by key or double-click.
  void theChosenCandidateIsUsed_data() {
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("Down and Alt+U") << false;
    QTest::newRow("double-click") << true;
  }
  void theChosenCandidateIsUsed() {
    QFETCH(bool, doubleClick);
    QString chosen;
    withDialog([&] {
      paste(Mistyped(DefaultPassword(kDefaultLow), 0, u'H'));
      search();
      QCOMPARE(candidates()->count(), 2);
      chosen = candidates()->item(1)->data(Qt::UserRole).toString();
      if (doubleClick) {
        MainWindowHarness::doubleClickRow(candidates(), 1);
      } else {
        QVERIFY(PressKey(Qt::Key_Down));
        QVERIFY(PressKey(Qt::Key_U, Qt::AltModifier));
      }
    });
    QVERIFY(chosen != DefaultPassword(kDefaultLow));
    QCOMPARE(ui.window->PasswordText, chosen);
    QCOMPARE(Bytes(ui.window->Data), Bytes(Decoded(ptGold, chosen.toStdString())));
  }

  // A Silver password without mistake loads as Silver, its text itself shown.
  void aSilverPasswordLoadsAsSilver() {
    const QString silver = Encoded(ptSilver, MakeDefaultParty(kDefaultHigh));
    withDialog([&] {
      paste(FormatPasswordForClipboard(silver));
      search();
      QVERIFY(PressKey(Qt::Key_U, Qt::AltModifier));
    });
    verifyLoaded(silver, ptSilver, 2);
  }

  // One character missing: the search puts it back and Use loads Gold.
  void aMissingCharacterIsPutBack() {
    const QString gold = DefaultPassword(kDefaultHigh);
    withDialog([&] {
      paste(QString(gold).remove(123, 1));
      search();
      QVERIFY(candidates()->count() >= 1);
      QCOMPARE(candidates()->item(0)->data(Qt::UserRole).toString(), gold);
      QVERIFY(candidates()->item(0)->text().contains(QStringLiteral("：补上 ")));
      QVERIFY(PressKey(Qt::Key_U, Qt::AltModifier));
    });
    verifyLoaded(gold, ptGold, 6);
  }

  // The candidates belong to the text they were found for.
  void editingDropsTheCandidates() {
    withDialog([&] {
      QVERIFY(TypeKeys(DefaultPassword(kDefaultHigh)));
      search();
      QCOMPARE(candidates()->count(), 1);
      QVERIFY(PressKey(Qt::Key_P, Qt::AltModifier));  // back to the entry
      QCOMPARE(QApplication::focusWidget(), entry());
      QVERIFY(PressKeys(QStringLiteral("{Backspace}")));
      QCOMPARE(candidates()->count(), 0);
      QVERIFY(dialog().lblResult->text().isEmpty());
      QVERIFY(!dialog().btnUse->isEnabled());
      QVERIFY(PressKey(Qt::Key_Escape));
    });
  }

  // Tab leaves the entry instead of typing a tab, in the dialog's order.
  void tabOrder() {
    withDialog([&] {
      QVERIFY(TypeKeys(DefaultPassword(kDefaultHigh)));
      QVERIFY(PressKey(Qt::Key_Tab));
      QCOMPARE(QApplication::focusWidget(), dialog().btnSearch);
      QCOMPARE(entry()->Password(), DefaultPassword(kDefaultHigh));
      QVERIFY(PressKey(Qt::Key_Space));
      QVERIFY(TabTo(dialog().btnSearch));
      const QWidget* expected[] = {candidates(), dialog().btnUse, dialog().btnCancel, entry()};
      for (const QWidget* next : expected) {
        QVERIFY(PressKey(Qt::Key_Tab));
        QCOMPARE(QApplication::focusWidget(), next);
      }
      QVERIFY(PressKey(Qt::Key_Escape));
    });
  }
};

VELMARA_TEST_MAIN(PasswordCheckDialogTest)
#include "PasswordCheckDialogTest.moc"
