#include "PasswordText.h"

namespace velmara {

namespace {

constexpr qsizetype kGroupLength = 5;
constexpr qsizetype kLineLength = static_cast<qsizetype>(kRowLength);  // two groups
constexpr qsizetype kPageChars = static_cast<qsizetype>(kPageLength);  // five lines
const QString kLineEnd = QStringLiteral("\r\n");

// Index of the UTF-16 unit after the character that starts at `i`: a
// surrogate pair is one character, an unpaired surrogate is one of its own.
qsizetype NextCharacter(const QString& text, qsizetype i) {
  if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
    return i + 2;
  return i + 1;
}

bool IsLayoutCharacter(QChar c) {
  switch (c.unicode()) {
    case u' ':
    case u'\t':
    case u'\n':
    case u'\r':
    case u'-':
      return true;
    default:
      return false;
  }
}

}  // namespace

QString FormatPasswordForClipboard(const QString& password) {
  // Grouped by character, not by UTF-16 unit, so that a character outside the
  // BMP is never split between two groups.
  QString text;
  qsizetype p = 1;  // position of the group's first character, from 1
  for (qsizetype start = 0; start < password.size(); p += kGroupLength) {
    qsizetype end = start;
    for (qsizetype n = 0; n < kGroupLength && end < password.size(); ++n)
      end = NextCharacter(password, end);
    const QString group = password.mid(start, end - start);
    start = end;

    if ((p - 1) % kLineLength == 0) {
      text += group;
    } else {
      text += u' ' + group + kLineEnd;
    }
    if ((p + kGroupLength - 1) % kPageChars == 0) text += kLineEnd;
  }
  return text;
}

QString CleanPasswordText(const QString& text) {
  QString cleaned;
  cleaned.reserve(text.size());
  // None of the layout characters is a surrogate, so walking UTF-16 units keeps
  // every other character whole.
  for (const QChar c : text)
    if (!IsLayoutCharacter(c)) cleaned += c;
  return cleaned;
}

qsizetype PasswordCharCount(const QString& text) {
  qsizetype count = 0;
  for (qsizetype i = 0; i < text.size(); i = NextCharacter(text, i)) ++count;
  return count;
}

std::optional<TPasswordType> PasswordTypeForLength(qsizetype characters) {
  for (const TPasswordType type : {ptGold, ptSilver, ptBronze})
    if (characters == static_cast<qsizetype>(PasswordLength(type))) return type;
  return std::nullopt;
}

}  // namespace velmara
