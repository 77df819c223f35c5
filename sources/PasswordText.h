// Password text as it travels through the clipboard, for QString: the page
// layout written on copy, and the cleaning and counting of pasted text. The
// rules, and the type chosen by length, live in core's PasswordLayout.h,
// which this header brings along.
#pragma once

#include <QString>
#include <vector>

#include "core/PasswordLayout.h"

namespace velmara {

// Groups of five characters, two to a line ("abcde fghij" + CR LF), an empty
// line after every 50 characters. A Silver password's last character stands
// alone without a line end. Grouped by character, so a surrogate pair stays
// whole and an unpaired surrogate is a character of its own.
QString FormatPasswordForClipboard(const QString& password);

// Removes blanks, tabs, CR, LF and dashes anywhere in the text; nothing else.
QString CleanPasswordText(const QString& text);

// Number of characters as the user sees them (code points, not UTF-16 units).
qsizetype PasswordCharCount(const QString& text);

// Where each character of `text` starts, in UTF-16 units, followed by the
// text's length: a surrogate pair is one character, an unpaired surrogate one
// of its own, as the decoder counts them.
std::vector<qsizetype> CharacterStarts(const QString& text);

// The first `count` characters of `text`.
QString FirstCharacters(const QString& text, int count);

// `text` with every unpaired surrogate replaced by U+FFFD, the character that
// stands for one: conversions to UTF-8 would write it as a "?", which is a
// password character.
QString WithoutLoneSurrogates(QString text);

}  // namespace velmara
