// Keyboard input the way a user gives it: keys go to whichever widget has the
// focus, and the focus moves by Tab and Shift+Tab. Focus and shortcuts only
// work in the active window, so a test activates its window first; the
// offscreen platform does activate windows.
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace velmara::testing {

// Makes `window` the active window; false when the platform refuses.
inline bool Activate(QWidget* window) {
  window->activateWindow();
  return QTest::qWaitForWindowActive(window);
}

// Presses a key on the focused widget, as the keyboard does.
inline bool PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* focused = QApplication::focusWidget();
  if (focused == nullptr) return false;
  QTest::keyClick(focused, key, modifiers);
  return true;
}

// Types `text` into the focused widget, one key per character.
inline bool TypeKeys(const QString& text) {
  QWidget* focused = QApplication::focusWidget();
  if (focused == nullptr) return false;
  QTest::keyClicks(focused, text);
  return true;
}

// Presses Tab (Shift+Tab when `backwards`) until `target` has the focus;
// false when it does not get it within a round of any of our windows'
// focus chains.
inline bool TabTo(const QWidget* target, bool backwards = false) {
  constexpr int kMostPresses = 80;
  for (int press = 0; press < kMostPresses && QApplication::focusWidget() != target; ++press)
    if (!PressKey(Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier)) return false;
  return QApplication::focusWidget() == target;
}

}  // namespace velmara::testing
