// The Defaults menu with its question, the two display states of the window
// and the import of password text that both go through.
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>

#include "tests/ui/MainWindowHarness.h"
#include "tests/ui/TestApplication.h"

using namespace velmara;
using namespace velmara::testing;

namespace {

const QString kValidStatus = QStringLiteral(
    "设置完毕后点击“刷新密码”以获得密码。你可以抄下密码，或复制整个密码（见密码菜单）到剪贴板，"
    "然后把它粘贴到记事本之类的文本编辑器上。写下状态，道具等等。这也可以帮你记住这个密码能给你什么"
    "。");
const QString kInvalidStatus = QStringLiteral(
    "Oops, looks like the data source you chose to load from contains invalid data.  If the data "
    "cannot be corrected, then choose one of the Defaults (see menu) to begin creating "
    "passwords.");
const QString kQuestion = QStringLiteral("这会覆盖你所做的一切修改。继续吗？");

}  // namespace

class DefaultsValidityTest : public MainWindowTest {
  Q_OBJECT

  QTabWidget* tabs() const { return ui.find<QTabWidget>(QStringLiteral("PageControl1")); }
  QListWidget* sources() const { return ui.list(QStringLiteral("lbSaveSlots")); }
  QString status() const { return ui.find<QLabel>(QStringLiteral("lblStatus"))->text(); }

  void paste(const QString& text) {
    ui.platform.clipboardHoldsText = true;
    ui.platform.clipboard = text;
    ui.trigger(QStringLiteral("mFileLoadClipboard"));
  }

  void verifyValidState() const {
    QVERIFY(ui.window->DataValid);
    QVERIFY(tabs()->isEnabled());
    for (int i = 0; i < tabs()->count(); ++i) QVERIFY(tabs()->isTabVisible(i));
    QCOMPARE(status(), kValidStatus);
    QVERIFY(!sources()->font().bold());
    QCOMPARE(sources()->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::black));
  }

  void verifyInvalidState() const {
    QVERIFY(!ui.window->DataValid);
    QVERIFY(!tabs()->isEnabled());
    QCOMPARE(tabs()->currentIndex(), 0);
    QVERIFY(tabs()->isTabVisible(0));
    for (int i = 1; i < tabs()->count(); ++i) QVERIFY(!tabs()->isTabVisible(i));
    QCOMPARE(status(), kInvalidStatus);
  }

  void verifyMarker(const QString& text) const {
    QCOMPARE(MainWindowHarness::rows(sources()), QStringList{text});
    QVERIFY(sources()->font().bold());
    // Red also while the page control, and with it the list, is disabled.
    QCOMPARE(sources()->palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::red));
    QCOMPARE(sources()->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::red));
  }

 private slots:
  void defaultAnsweredYesLoadsIt_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("party");
    QTest::addColumn<QString>("typeBefore");
    QTest::newRow("low") << "mDefaultsLow" << int(kDefaultLow) << "rbGold";
    QTest::newRow("middle") << "mDefaultsMid" << int(kDefaultMiddle) << "rbSilver";
    QTest::newRow("high, from bronze") << "mDefaultsHigh" << int(kDefaultHigh) << "rbBronze";
  }

  void defaultAnsweredYesLoadsIt() {
    QFETCH(QString, item);
    QFETCH(int, party);
    QFETCH(QString, typeBefore);
    ui.click(typeBefore);
    ui.type(QStringLiteral("eIsaacLevel"), QStringLiteral("5"));  // an edit to overwrite

    ui.platform.answerConfirm(true);
    ui.trigger(item);

    QCOMPARE(ui.platform.texts(ScriptedPlatform::BoxKind::Confirm), QStringList{kQuestion});
    const QString text = DefaultPassword(static_cast<DefaultParty>(party));
    const TPasswordData expected = Decoded(ptGold, kDefaultPasswords[party]);
    QVERIFY(ui.find<QRadioButton>(QStringLiteral("rbGold"))->isChecked());
    QCOMPARE(ui.window->PasswordText, text);
    QCOMPARE(Bytes(ui.window->Data), Bytes(expected));
    QCOMPARE(ui.window->DataSource, dsPasswordText);
    QCOMPARE(MainWindowHarness::rows(sources()), QStringList{QStringLiteral("（密码文件）")});
    QCOMPARE(ui.pageEntries().size(), 6);
    QCOMPARE(ui.memoLines().first(), text.left(5) + QStringLiteral("  ") + text.mid(5, 5));
    QCOMPARE(ui.edit(QStringLiteral("eIsaacLevel"))->text(),
             QString::number(expected.Characters[0].Level));
    verifyValidState();
  }

  void defaultAnsweredNoChangesNothing() {
    ui.click(QStringLiteral("rbSilver"));
    ui.type(QStringLiteral("eIsaacLevel"), QStringLiteral("5"));
    const QByteArray data = Bytes(ui.window->Data);
    const QString password = ui.window->PasswordText;
    const QStringList memo = ui.memoLines();

    ui.platform.answerConfirm(false);
    ui.trigger(QStringLiteral("mDefaultsHigh"));

    QCOMPARE(ui.platform.texts(ScriptedPlatform::BoxKind::Confirm), QStringList{kQuestion});
    QCOMPARE(Bytes(ui.window->Data), data);
    QCOMPARE(ui.window->PasswordText, password);
    QCOMPARE(ui.memoLines(), memo);
    QVERIFY(ui.find<QRadioButton>(QStringLiteral("rbSilver"))->isChecked());
    QCOMPARE(ui.edit(QStringLiteral("eIsaacLevel"))->text(), QStringLiteral("5"));
    verifyValidState();
  }

  void defaultFromInvalidState_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
  }

  void defaultFromInvalidState() {
    QFETCH(bool, yes);
    paste(QStringLiteral("ABCDE"));
    verifyInvalidState();

    ui.platform.answerConfirm(yes);
    ui.trigger(QStringLiteral("mDefaultsHigh"));
    if (yes) {
      verifyValidState();
      QCOMPARE(ui.window->PasswordText, DefaultPassword(kDefaultHigh));
      QCOMPARE(ui.pageEntries().size(), 6);
    } else {
      verifyInvalidState();
      verifyMarker(QStringLiteral("（不可用的密码！）"));
      QVERIFY(ui.pageEntries().isEmpty());
    }
  }

  void wrongLengthShowsUnusableMarker_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("five characters") << "ABCDE";
    QTest::newRow("empty text") << "";
    QTest::newRow("only layout characters") << " -\r\n\t";
    QTest::newRow("17 characters") << "ABCDEFGHJKLMNPQRS";
    // A full-width blank between the groups is not layout, so the length is wrong.
    QTest::newRow("full-width blank") << QString(DefaultPassword(kDefaultLow)).insert(5, u'\u3000');
  }

  void wrongLengthShowsUnusableMarker() {
    QFETCH(QString, text);
    paste(text);
    verifyInvalidState();
    verifyMarker(QStringLiteral("（不可用的密码！）"));
    QCOMPARE(ui.window->DataSource, dsPasswordText);
    QVERIFY(ui.pageEntries().isEmpty());
    QVERIFY(ui.memoLines().isEmpty());
    QVERIFY(ui.platform.boxes.empty());
  }

  void decoderMessageShownInABox() {
    // Sixteen alphabet characters that are no Bronze password.
    paste(QStringLiteral("ABCDEFGHJKLMNPQR"));
    const QStringList messages = ui.platform.texts(ScriptedPlatform::BoxKind::Message);
    QCOMPARE(messages.size(), 1);
    QVERIFY(!messages.first().isEmpty());
    verifyInvalidState();
    verifyMarker(QStringLiteral("(from invalid password!)"));
    QCOMPARE(Bytes(ui.window->Data), Bytes(TPasswordData{}));
    QVERIFY(ui.find<QRadioButton>(QStringLiteral("rbBronze"))->isChecked());
  }

  // Both markers show whole in their red bold font: no part of them lies
  // past the list's right edge, and there is nothing to scroll sideways to.
  void markerReadsWhole_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("marker");
    QTest::newRow("wrong length") << "ABCDE" << QStringLiteral("（不可用的密码！）");
    QTest::newRow("decoder message") << "ABCDEFGHJKLMNPQR"
                                     << "(from invalid password!)";
  }
  void markerReadsWhole() {
    QFETCH(QString, text);
    QFETCH(QString, marker);
    paste(text);
    verifyMarker(marker);
    QListWidget* list = sources();
    QTRY_COMPARE(list->horizontalScrollBar()->maximum(), 0);
    // The item delegate sets the text this far in from the row's edges.
    const int textMargin =
        list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const QRect row = list->visualItemRect(list->item(0));
    QVERIFY(row.left() >= 0);
    QVERIFY2(row.left() + 2 * textMargin + list->fontMetrics().horizontalAdvance(marker) <=
                 list->viewport()->width(),
             qPrintable(QStringLiteral("%1 pixels of text in a %2-pixel list")
                            .arg(list->fontMetrics().horizontalAdvance(marker))
                            .arg(list->viewport()->width())));
    ui.platform.boxes.clear();
  }

  // Characters are counted as the decoder counts them, by code point: a
  // character outside the BMP is one character of a 16-character text, is
  // shown whole on the page, and reaches the decoder, which names the fault.
  void characterOutsideTheBmpCountsOnce() {
    const QString text = QStringLiteral("ABCDEFGHJKLMNPQ") + QString::fromUcs4(U"\U0001F600", 1);
    QCOMPARE(text.size(), 17);
    paste(text);
    QVERIFY(ui.find<QRadioButton>(QStringLiteral("rbBronze"))->isChecked());
    QCOMPARE(ui.pageEntries(), QStringList{"Page 1"});
    QCOMPARE(ui.memoLines(),
             (QStringList{"ABCDE  FGHJK", QStringLiteral("LMNPQ  ") + text.right(2)}));
    QCOMPARE(ui.platform.texts(ScriptedPlatform::BoxKind::Message).size(), 1);
    verifyInvalidState();
  }

  // An unpaired surrogate (from a clipboard that holds broken UTF-16) is the
  // replacement character, not the "?" that a plain conversion makes of it:
  // "?" is a password character, and the password with it would load.
  void loneSurrogateIsNotAQuestionMark() {
    QString text = QStringLiteral("xu5?3k977$recgvh");  // the zero record as Bronze
    text[3] = QChar(0xD800);
    paste(text);
    QCOMPARE(ui.platform.texts(ScriptedPlatform::BoxKind::Message),
             QStringList{QStringLiteral("Cannot import password:  Invalid password character "
                                        "\"\uFFFD\" found.")});
    QCOMPARE(ui.memoLines().front(), QStringLiteral("xu5\uFFFD3  k977$"));
    verifyInvalidState();
  }

  void nextValidLoadClearsTheMarker() {
    paste(QStringLiteral("ABCDE"));
    paste(DefaultPassword(kDefaultMiddle));
    verifyValidState();
    QCOMPARE(MainWindowHarness::rows(sources()), QStringList{QStringLiteral("（密码文件）")});
  }

  void silverTextSelectsSilverAndShowsItself() {
    const QString silver = Encoded(ptSilver, Decoded(ptGold, kDefaultPasswords[kDefaultLow]));
    paste(silver);

    QVERIFY(ui.find<QRadioButton>(QStringLiteral("rbSilver"))->isChecked());
    QVERIFY(!ui.find<QLabel>(QStringLiteral("lblTypeGold"))->isVisibleTo(ui.window.get()));
    QVERIFY(ui.find<QLabel>(QStringLiteral("lblTypeSilver"))->isVisibleTo(ui.window.get()));
    QCOMPARE(ui.window->PasswordText, silver);
    QCOMPARE(ui.pageEntries(), (QStringList{"Page 1", "Page 2"}));
    QCOMPARE(ui.shownPassword(), silver);
    QCOMPARE(Bytes(ui.window->Data), Bytes(Decoded(ptSilver, silver.toStdString())));
    verifyValidState();
  }

  // A text the decoder rejects still stands in the memo: the import shows
  // the text itself and makes no password of its own.
  void pastedTextIsShownNotRemade() {
    QString silver = Encoded(ptSilver, Decoded(ptGold, kDefaultPasswords[kDefaultLow]));
    silver[20] = silver[20] == u'A' ? u'B' : u'A';
    paste(silver);
    QCOMPARE(ui.platform.texts(ScriptedPlatform::BoxKind::Message).size(), 1);
    QVERIFY(ui.find<QRadioButton>(QStringLiteral("rbSilver"))->isChecked());
    QCOMPARE(ui.pageEntries(), (QStringList{"Page 1", "Page 2"}));
    QCOMPARE(ui.memoLines().join(QString()).remove(QStringLiteral("  ")), silver.left(50));
    verifyInvalidState();
  }

  void pastedLayoutImportsLikeTheBarePassword_data() {
    QTest::addColumn<QString>("text");
    const QString bare = DefaultPassword(kDefaultMiddle);
    QString groups;
    for (int i = 0; i < bare.size(); i += 5) groups += bare.mid(i, 5) + u'-';
    QString windowsLines, unixLines, tabs;
    for (int i = 0; i < bare.size(); i += 10) {
      windowsLines += bare.mid(i, 5) + u' ' + bare.mid(i + 5, 5) + QStringLiteral("\r\n");
      unixLines += bare.mid(i, 5) + u' ' + bare.mid(i + 5, 5) + u'\n';
      tabs += u'\t' + bare.mid(i, 10);
    }
    QTest::newRow("dashes") << groups;
    QTest::newRow("windows line ends") << windowsLines;
    QTest::newRow("unix line ends") << unixLines;
    QTest::newRow("tabs") << tabs;
  }

  void pastedLayoutImportsLikeTheBarePassword() {
    QFETCH(QString, text);
    paste(text);
    QCOMPARE(ui.window->PasswordText, DefaultPassword(kDefaultMiddle));
    QCOMPARE(Bytes(ui.window->Data), Bytes(Decoded(ptGold, kDefaultPasswords[kDefaultMiddle])));
    verifyValidState();
  }

  void noClipboardTextChangesNothing() {
    const QByteArray data = Bytes(ui.window->Data);
    ui.platform.clipboardHoldsText = false;
    ui.trigger(QStringLiteral("mFileLoadClipboard"));
    QCOMPARE(ui.platform.informationTexts(),
             QStringList{QStringLiteral("Cannot import password:  No text in clipboard.")});
    QCOMPARE(Bytes(ui.window->Data), data);
    verifyValidState();
  }

  void validityDisplayLeavesTabsAloneWhenEnabled() {
    tabs()->setTabVisible(3, false);
    ui.window->ShowValidity();
    QVERIFY(!tabs()->isTabVisible(3));
  }

  void sourceClickAfterImportRebuildsFromControls() {
    ui.type(QStringLiteral("eIsaacLevel"), QStringLiteral("50"));
    MainWindowHarness::clickRow(sources(), 0);
    // The record is shown again, dropping the unrefreshed edit.
    const TPasswordData low = Decoded(ptGold, kDefaultPasswords[kDefaultLow]);
    QCOMPARE(ui.edit(QStringLiteral("eIsaacLevel"))->text(),
             QString::number(low.Characters[0].Level));
    QCOMPARE(ui.window->PasswordText, Encoded(ptGold, low));
    QVERIFY(sources()->isEnabled());
  }
};

VELMARA_TEST_MAIN(DefaultsValidityTest)
#include "DefaultsValidityTest.moc"
