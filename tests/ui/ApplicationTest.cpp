// The application object: its title, and an exception that escapes an event
// handler is shown in an error box while the program carries on.
#include <QRadioButton>
#include <QRegularExpression>
#include <stdexcept>

#include "codec/Password.h"
#include "tests/ui/ScriptedPlatform.h"
#include "ui/Application.h"
#include "ui/main.h"

using namespace velmara;

namespace {

class FailingControl : public QWidget {
 public:
  static constexpr QEvent::Type kFail = QEvent::User;

  FailingControl(bool standard, QWidget* parent) : QWidget(parent), standard_(standard) {}
  int reached = 0;

 protected:
  bool event(QEvent* event) override {
    if (event->type() != kFail) return QWidget::event(event);
    ++reached;
    if (standard_) throw EPasswordError("Unknown password type 7.");
    throw 7;
  }

 private:
  bool standard_;
};

}  // namespace

class ApplicationTest : public QObject {
  Q_OBJECT

  ScriptedPlatform& platform;

 public:
  explicit ApplicationTest(ScriptedPlatform& scripted) : platform(scripted) {}

 private slots:
  void init() { platform = ScriptedPlatform(); }

  // The window class is the plain program name and the desktop file name a
  // reverse-DNS id; the title with the by-line is the display name.
  void namesOnTheDesktop() {
    QCOMPARE(QApplication::applicationName(), QStringLiteral("velmara-password-generator"));
    QCOMPARE(QApplication::applicationDisplayName(), ApplicationTitle());
    QVERIFY(ApplicationTitle().startsWith(QStringLiteral("Velmara Password Generator - ")));
    QVERIFY(ApplicationTitle().contains(QStringLiteral("project")));
    const QString id = QGuiApplication::desktopFileName();
    QVERIFY2(QRegularExpression(QStringLiteral("^[a-z]+(\\.[A-Za-z_]+){2,}$")).match(id).hasMatch(),
             qPrintable(id));
  }

  // The built-in icon has the small sizes a title bar and a task bar draw and
  // a large one; the main window shows it.
  void windowsCarryTheProgramIcon() {
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    for (int side : {16, 32, 48, 256})
      QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
    TfmMain window(platform);
    QCOMPARE(window.windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    QVERIFY(!window.windowIcon().pixmap(32).isNull());
  }

  void escapedExceptionIsShownAndWindowCarriesOn_data() {
    QTest::addColumn<bool>("standard");
    QTest::addColumn<QString>("shown");
    QTest::newRow("codec error") << true << "Unknown password type 7.";
    QTest::newRow("anything else") << false << "Unknown error.";
  }

  // A control of the window whose event handler fails, as a codec error
  // would fail a handler, with the event arriving through the event loop.
  void escapedExceptionIsShownAndWindowCarriesOn() {
    QFETCH(bool, standard);
    QFETCH(QString, shown);
    TfmMain window(platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* failing = new FailingControl(standard, window.tsMain);

    QCoreApplication::postEvent(failing, new QEvent(FailingControl::kFail));
    QTRY_COMPARE(failing->reached, 1);
    QTRY_COMPARE(platform.texts(ScriptedPlatform::BoxKind::Error), QStringList{shown});

    // The program goes on: the window still answers its controls, and a
    // second failure is reported as the first was.
    QVERIFY(window.isVisible());
    QTest::mouseClick(window.rbSilver, Qt::LeftButton);
    QCOMPARE(window.PasswordText.size(), 61);
    QCoreApplication::postEvent(failing, new QEvent(FailingControl::kFail));
    QTRY_COMPARE(platform.texts(ScriptedPlatform::BoxKind::Error).size(), 2);
    QCOMPARE(failing->reached, 2);
  }
};

int main(int argc, char* argv[]) {
  ScriptedPlatform platform;
  Application application(argc, argv, platform);
  ApplicationTest test(platform);
  return QTest::qExec(&test, argc, argv);
}

#include "ApplicationTest.moc"
