// Keys that the dialogs treat alike. No dialog has a default button, so that
// Enter on a list or an edit presses nothing the user did not choose.
#pragma once

class QObject;
class QPushButton;
class QString;
class QWidget;

namespace velmara {

// A dialog's button, named `name`, at least `width` by kButtonHeight, and
// never a default button.
QPushButton* MakeDialogButton(QWidget* parent, const char* name, const QString& caption, int width);

// Enter and Return on a focused button press that button, as Space does;
// without a default button the button itself would let them pass. True when
// the key was taken.
bool PressFocusedButton(QObject* watched, int key);

}  // namespace velmara
