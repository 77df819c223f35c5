// The about box: its texts, the link that opens the project's page through
// the platform layer, and the OK button.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "tests/ui/ScriptedPlatform.h"
#include "tests/ui/TestApplication.h"
#include "ui/About.h"
#include "ui/ProjectInfo.h"

using namespace velmara;

class AboutDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTitleVersionAndFourParagraphs() {
    ScriptedPlatform platform;
    TdlgAbout about(platform);
    QVERIFY(about.windowTitle().startsWith(QStringLiteral("关于Velmara密码生成器")));
    QVERIFY(about.windowTitle().endsWith(QStringLiteral("...")));
    QVERIFY(about.windowTitle().contains(QStringLiteral("Velmara Password Generator project")));
    QVERIFY(about.Label5->text().startsWith(QStringLiteral("Version 0.85;  March 22, 2004.")));
    QVERIFY(about.Label5->text().contains(QStringLiteral("Velmara Password Generator project")));
    QCOMPARE(about.Memo1->toPlainText().split(QStringLiteral("\n\n")).size(), 4);
    QVERIFY(about.Memo1->isReadOnly());
    QCOMPARE(about.Label1->text(), QLatin1String(kProjectPage));
    QVERIFY(about.Label4->font().bold());
    QVERIFY(!about.Label4->text().isEmpty());
  }

  void linkOpensTheProjectPageAndBoxStaysOpen() {
    ScriptedPlatform platform;
    TdlgAbout about(platform);
    about.show();
    QTest::mouseClick(about.Label1, Qt::LeftButton);
    QCOMPARE(platform.openedUrls, std::vector<QUrl>{QUrl(QLatin1String(kProjectPage))});
    QVERIFY(about.isVisible());
    QVERIFY(platform.boxes.empty());
  }

  void okClosesTheModalBox() {
    ScriptedPlatform platform;
    TdlgAbout about(platform);
    QTimer::singleShot(0, &about, [&] { QTest::mouseClick(about.Button1, Qt::LeftButton); });
    QCOMPARE(about.exec(), int(QDialog::Accepted));
    // Created once and shown again later: the second opening works the same.
    QTimer::singleShot(0, &about, [&] { QTest::keyClick(&about, Qt::Key_Escape); });
    about.exec();
    QVERIFY(!about.isVisible());
  }

  void okButtonComesFirstInTabOrder() {
    ScriptedPlatform platform;
    TdlgAbout about(platform);
    about.show();
    QWidget* next = about.Button1->nextInFocusChain();
    while (!(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
    QCOMPARE(next, static_cast<QWidget*>(about.Memo1));
  }

  void noTextIsClipped() {
    ScriptedPlatform platform;
    TdlgAbout about(platform);
    about.show();
    for (QLabel* label : about.findChildren<QLabel*>()) {
      const int needed =
          label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
      QVERIFY2(label->height() >= needed, qPrintable(label->objectName()));
      if (!label->wordWrap())
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
    }
    QVERIFY(about.Button1->width() >= about.Button1->sizeHint().width());
  }
};

VELMARA_TEST_MAIN(AboutDialogTest)
#include "AboutDialogTest.moc"
