#include "ui/EntryLayout.h"

#include <algorithm>

#include "codec/PasswordFormat.h"
#include "sources/PasswordText.h"

namespace velmara {

namespace {

constexpr int kRowChars = static_cast<int>(kRowLength);
constexpr int kPageChars = static_cast<int>(kPageLength);
constexpr int kGroupChars = kRowChars / 2;
const QString kGroupGap = QStringLiteral("  ");

// UTF-16 units of the character that starts at `i`: a surrogate pair is one
// character, an unpaired surrogate one of its own, as the decoder counts.
int CharacterUnits(const QString& text, qsizetype i) {
  return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
}

}  // namespace

int EntryLayout::caretPosition(int before) const {
  if (starts.empty()) return static_cast<int>(text.size());
  if (before <= 0) return starts.front();
  return ends[static_cast<std::size_t>(std::min(before, characters())) - 1];
}

EntryLayout LayOutEntry(const QString& cleaned) {
  EntryLayout layout;
  int character = 0;
  for (qsizetype i = 0; i < cleaned.size(); ++character) {
    if (character % kPageChars == 0) {
      if (character > 0) layout.text += u'\n';
      layout.lines.push_back({EntryLine::PageHeading, character / kPageChars, 0});
    }
    if (character % kRowChars == 0) {
      layout.text += u'\n';
      layout.lines.push_back({EntryLine::Row, character / kPageChars, character / kRowChars});
    } else if (character % kRowChars == kGroupChars) {
      layout.text += kGroupGap;
    }
    const int units = CharacterUnits(cleaned, i);
    layout.starts.push_back(static_cast<int>(layout.text.size()));
    layout.text += cleaned.mid(i, units);
    layout.ends.push_back(static_cast<int>(layout.text.size()));
    i += units;
  }
  return layout;
}

QString WithoutLoneSurrogates(QString text) {
  for (qsizetype i = 0; i < text.size(); i += CharacterUnits(text, i))
    if (text[i].isSurrogate() && CharacterUnits(text, i) == 1)
      text[i] = QChar::ReplacementCharacter;
  return text;
}

QString FirstCharacters(const QString& text, int count) {
  qsizetype end = 0;
  for (int n = 0; n < count && end < text.size(); ++n) end += CharacterUnits(text, end);
  return text.left(end);
}

int CleanedCharactersBefore(const QString& entry, int position) {
  return static_cast<int>(PasswordCharCount(CleanPasswordText(entry.left(position))));
}

}  // namespace velmara
