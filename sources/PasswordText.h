// Password text as it travels through the clipboard: the page layout written
// on copy, and the cleaning and type detection of pasted text.
#pragma once

#include <QString>
#include <optional>

#include "PasswordFormat.h"

namespace velmara {

// Groups of five characters, two to a line ("abcde fghij" + CR LF), an empty
// line after every 50 characters. A Silver password's last character stands
// alone without a line end.
QString FormatPasswordForClipboard(const QString& password);

// Removes blanks, tabs, CR, LF and dashes anywhere in the text; nothing else.
QString CleanPasswordText(const QString& text);

// Number of characters as the user sees them (code points, not UTF-16 units).
qsizetype PasswordCharCount(const QString& text);

// 16 Bronze, 61 Silver, 260 Gold; nullopt for any other length.
std::optional<TPasswordType> PasswordTypeForLength(qsizetype characters);

}  // namespace velmara
