#include "sources/PasswordText.h"

namespace velmara {

namespace {

// Index of the UTF-16 unit after the character that starts at `i`: a
// surrogate pair is one character, an unpaired surrogate is one of its own.
qsizetype NextCharacter(const QString& text, qsizetype i) {
  if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
    return i + 2;
  return i + 1;
}

}  // namespace

std::vector<qsizetype> CharacterStarts(const QString& text) {
  std::vector<qsizetype> starts;
  for (qsizetype i = 0; i < text.size(); i = NextCharacter(text, i)) starts.push_back(i);
  starts.push_back(text.size());
  return starts;
}

QString FirstCharacters(const QString& text, int count) {
  qsizetype end = 0;
  for (int n = 0; n < count && end < text.size(); ++n) end = NextCharacter(text, end);
  return text.left(end);
}

QString WithoutLoneSurrogates(QString text) {
  for (qsizetype i = 0; i < text.size(); i = NextCharacter(text, i))
    if (text[i].isSurrogate() && NextCharacter(text, i) == i + 1)
      text[i] = QChar::ReplacementCharacter;
  return text;
}

QString FormatPasswordForClipboard(const QString& password) {
  const std::vector<qsizetype> starts = CharacterStarts(password);

  QString text;
  for (const ClipboardGroup& group : ClipboardGroups(starts.size() - 1)) {
    const qsizetype from = starts[group.first];
    text += QLatin1String(group.before.data(), static_cast<qsizetype>(group.before.size()));
    text += QStringView(password).sliced(from, starts[group.first + group.count] - from);
    text += QLatin1String(group.after.data(), static_cast<qsizetype>(group.after.size()));
  }
  return text;
}

QString CleanPasswordText(const QString& text) {
  QString cleaned;
  cleaned.reserve(text.size());
  // None of the layout characters is a surrogate, so walking UTF-16 units keeps
  // every other character whole.
  for (const QChar c : text)
    if (!IsPasswordLayoutCharacter(c.unicode())) cleaned += c;
  return cleaned;
}

qsizetype PasswordCharCount(const QString& text) {
  qsizetype count = 0;
  for (qsizetype i = 0; i < text.size(); i = NextCharacter(text, i)) ++count;
  return count;
}

}  // namespace velmara
