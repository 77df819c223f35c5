// The application object of the GUI tests. Like the program's own, it turns
// an exception that escapes an event handler into an error report instead of
// ending the run; the tests read the reports from `errors`.
#pragma once

#include <QApplication>
#include <QStringList>
#include <exception>

namespace velmara {

class TestApplication final : public QApplication {
 public:
  using QApplication::QApplication;

  QStringList errors;

  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
      errors << QString::fromUtf8(e.what());
    }
    return false;
  }

  static TestApplication* instance() { return static_cast<TestApplication*>(qApp); }
};

}  // namespace velmara

// QTEST_MAIN with a TestApplication instead of a plain QApplication.
#define VELMARA_TEST_MAIN(TestObject)         \
  int main(int argc, char* argv[]) {          \
    velmara::TestApplication app(argc, argv); \
    app.setAttribute(Qt::AA_Use96Dpi, true);  \
    TestObject test;                          \
    QTEST_SET_MAIN_SOURCE_PATH                \
    return QTest::qExec(&test, argc, argv);   \
  }
