// Keys that the dialogs treat alike. No dialog has a default button, so that
// Enter on a list or an edit presses nothing the user did not choose.
#pragma once

class QObject;

namespace velmara {

// Enter and Return on a focused button press that button, as Space does;
// without a default button the button itself would let them pass. True when
// the key was taken.
bool PressFocusedButton(QObject* watched, int key);

}  // namespace velmara
