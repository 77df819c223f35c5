// The GUI tests run in the program's own application object, over a scripted
// platform of its own: an exception that escapes an event handler becomes an
// error box there, as it does in the program, and the tests read those boxes
// from ApplicationPlatform().
#pragma once

#include <QTest>

#include "tests/ui/ScriptedPlatform.h"
#include "ui/Application.h"

namespace velmara::testing {

// The platform the application object reports escaped exceptions to.
inline ScriptedPlatform& ApplicationPlatform() {
  static ScriptedPlatform platform;
  return platform;
}

}  // namespace velmara::testing

// QTEST_MAIN with the program's Application instead of a plain QApplication.
#define VELMARA_TEST_MAIN(TestObject)                                              \
  int main(int argc, char* argv[]) {                                               \
    velmara::Application app(argc, argv, velmara::testing::ApplicationPlatform()); \
    app.setAttribute(Qt::AA_Use96Dpi, true);                                       \
    TestObject test;                                                               \
    QTEST_SET_MAIN_SOURCE_PATH                                                     \
    return QTest::qExec(&test, argc, argv);                                        \
  }
