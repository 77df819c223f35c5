// Fonts that more than one window uses.
#pragma once

#include <QFont>
#include <QString>

class QPlainTextEdit;

namespace velmara {

// The Courier New of the design; fontconfig gives its metric twin where the
// font itself is missing.
QFont CourierFont();

// What a password is shown in: Courier New, bold, 16 pixels high.
QFont PasswordFont();

// A shown password row of the widest characters ("WWWWW  WWWWW"), for sizing
// the controls that show rows.
QString WidestPasswordRow();

// What a plain text edit adds around its text: the frame and the document
// margin on both sides, and a few pixels for the caret.
int TextEditChrome(const QPlainTextEdit* edit);

}  // namespace velmara
