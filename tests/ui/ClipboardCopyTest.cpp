// Password → copy to clipboard: the password is rebuilt from the controls
// first and written in its page layout, and what is copied pastes back as
// the same password.
#include <QRadioButton>

#include "sources/PasswordText.h"

#include "tests/ui/MainWindowHarness.h"
#include "tests/ui/TestApplication.h"
#include "tests/ui/UserInput.h"

using namespace velmara;
using namespace velmara::testing;

namespace {

// Groups of five, two to a line with one blank between, CR LF after each
// line and an empty line after every fifth: the layout a user pastes into a
// text editor, page by page.
QString PageLayout(const QString& password, bool finalLineEnd) {
  QString text;
  for (int line = 0; 10 * line < password.size(); ++line) {
    const QString row = password.mid(10 * line, 10);
    text += row.left(5);
    if (row.size() > 5) text += u' ' + row.mid(5);
    const bool last = 10 * (line + 1) >= password.size();
    if (!last || finalLineEnd) text += QStringLiteral("\r\n");
    if (line % 5 == 4 && !last) text += QStringLiteral("\r\n");
  }
  return text;
}

}  // namespace

class ClipboardCopyTest : public MainWindowTest {
  Q_OBJECT

 private slots:
  void copyLayout_data() {
    QTest::addColumn<QString>("typeButton");
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("finalLineEnd");
    // Lines counted with the empty ones. Gold: 26 full lines and five empty
    // ones. Silver: five lines, an empty one, a full one and the 61st
    // character alone without a line end. Bronze: "abcde fghij", "klmno p".
    QTest::newRow("gold") << "rbGold" << 26 + 5 << true;
    QTest::newRow("silver") << "rbSilver" << 5 + 1 + 2 << false;
    QTest::newRow("bronze") << "rbBronze" << 2 << true;
  }

  void copyLayout() {
    QFETCH(QString, typeButton);
    QFETCH(int, lines);
    QFETCH(bool, finalLineEnd);
    ui.click(typeButton);
    ui.trigger(QStringLiteral("mPasswordClipboard"));
    const QString password = ui.window->PasswordText;
    QVERIFY(ui.platform.clipboardHoldsText);
    QCOMPARE(ui.platform.clipboard, PageLayout(password, finalLineEnd));
    QCOMPARE(ui.platform.clipboard.count(QStringLiteral("\r\n")) + (finalLineEnd ? 0 : 1), lines);
    QCOMPARE(ui.platform.clipboard.endsWith(QStringLiteral("\r\n")), finalLineEnd);
  }

  void bronzeCopyExactly() {
    ui.click(QStringLiteral("rbBronze"));
    ui.trigger(QStringLiteral("mPasswordClipboard"));
    const QString p = ui.window->PasswordText;
    QCOMPARE(ui.platform.clipboard, p.mid(0, 5) + u' ' + p.mid(5, 5) + QStringLiteral("\r\n") +
                                        p.mid(10, 5) + u' ' + p.mid(15, 1) +
                                        QStringLiteral("\r\n"));
  }

  void copyRebuildsFromTheControlsFirst() {
    ui.type(QStringLiteral("eGaretLevel"), QStringLiteral("77"));
    ui.trigger(QStringLiteral("mPasswordClipboard"));
    QCOMPARE(ui.window->Data.Characters[1].Level, std::uint8_t{77});
    QCOMPARE(CleanPasswordText(ui.platform.clipboard), Encoded(ptGold, ui.window->Data));
  }

  void copyWhileInvalidCopiesTheLastText() {
    ui.platform.clipboardHoldsText = true;
    ui.platform.clipboard = QStringLiteral("ABCDEFG");
    ui.trigger(QStringLiteral("mFileLoadClipboard"));
    QVERIFY(!ui.window->DataValid);
    ui.platform.clipboard.clear();
    ui.trigger(QStringLiteral("mPasswordClipboard"));
    QCOMPARE(ui.platform.clipboard, QStringLiteral("ABCDE FG\r\n"));
  }

  void copyPastesBackAsTheSamePassword_data() {
    QTest::addColumn<QString>("typeButton");
    QTest::newRow("gold") << "rbGold";
    QTest::newRow("silver") << "rbSilver";
    QTest::newRow("bronze") << "rbBronze";
  }

  void copyPastesBackAsTheSamePassword() {
    QFETCH(QString, typeButton);
    ui.click(typeButton);
    const QString password = ui.window->PasswordText;
    ui.trigger(QStringLiteral("mPasswordClipboard"));
    ui.click(typeButton == u"rbGold" ? QStringLiteral("rbBronze") : QStringLiteral("rbGold"));

    ui.trigger(QStringLiteral("mFileLoadClipboard"));
    QCOMPARE(ui.window->PasswordText, password);
    QVERIFY(ui.find<QRadioButton>(typeButton)->isChecked());
    QVERIFY(ui.window->DataValid);
    QCOMPARE(ui.shownPassword(), password);
  }

  void ctrlCCopies() {
    if (!Activate(ui.window.get()))
      QSKIP("this platform does not activate windows, so no shortcut can reach one");
    QVERIFY(TabTo(ui.list(QStringLiteral("lbPages"))));
    QVERIFY(PressKey(Qt::Key_C, Qt::ControlModifier));
    QCOMPARE(ui.platform.clipboard, PageLayout(ui.window->PasswordText, true));
  }
};

VELMARA_TEST_MAIN(ClipboardCopyTest)
#include "ClipboardCopyTest.moc"
