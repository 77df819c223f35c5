// Which keys reach the controls of the main window. The menu shortcuts work
// whatever control has the focus (a focused edit would otherwise take Ctrl+C
// for its own selection and the clipboard would keep a stale password), and
// an Alt key that no visible control or menu answers types nothing into an
// edit (Alt+R would turn an HP of 200 into "200r", stored as 1).
#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>

#include "ui/main.h"

namespace velmara {

namespace {

// A key typed with Alt held. Ctrl+Alt is how some keyboards type their third
// level (AltGr), so such keys stay typed.
bool TypedWithAlt(const QKeyEvent* key) {
  const Qt::KeyboardModifiers modifiers = key->modifiers();
  return modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier) &&
         !key->text().isEmpty() && key->text().front().isPrint();
}

}  // namespace

void TfmMain::GuardKeys() {
  // Every control of this window that can take the focus. The dialogs,
  // created after this, are windows of their own with keys of their own.
  for (QWidget* control : findChildren<QWidget*>())
    if (control->window() == this && control->focusPolicy() != Qt::NoFocus)
      control->installEventFilter(this);
}

bool TfmMain::IsMenuShortcut(const QKeyEvent* key) const {
  const QKeySequence pressed(key->keyCombination());
  for (const QAction* item : menuBar()->findChildren<QAction*>())
    if (item->isEnabled() && item->isVisible() && !item->shortcut().isEmpty() &&
        item->shortcut() == pressed)
      return true;
  return false;
}

bool TfmMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    // Left unaccepted and kept from the control, so the shortcut runs.
    if (IsMenuShortcut(static_cast<QKeyEvent*>(event))) {
      event->ignore();
      return true;
    }
  } else if (event->type() == QEvent::KeyPress) {
    // A key press reaches a control only when no shortcut took the key.
    if (qobject_cast<QLineEdit*>(watched) && TypedWithAlt(static_cast<QKeyEvent*>(event)))
      return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace velmara
