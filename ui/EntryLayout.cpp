#include "ui/EntryLayout.h"

#include <algorithm>

#include "codec/PasswordFormat.h"
#include "core/PasswordLayout.h"
#include "sources/PasswordText.h"

namespace velmara {

namespace {

const QString kGroupGap = QString::fromLatin1(kPageRowGap.data(), kPageRowGap.size());

}  // namespace

int EntryLayout::caretPosition(int before) const {
  if (starts.empty()) return static_cast<int>(text.size());
  if (before <= 0) return starts.front();
  return ends[static_cast<std::size_t>(std::min(before, characters())) - 1];
}

EntryLayout LayOutEntry(const QString& cleaned) {
  const std::vector<qsizetype> characterStarts = CharacterStarts(cleaned);

  EntryLayout layout;
  layout.lines = repair_wording::CheckLines(characterStarts.size() - 1);
  for (std::size_t line = 0; line < layout.lines.size(); ++line) {
    if (line > 0) layout.text += u'\n';
    const EntryLine& entry = layout.lines[line];
    if (entry.kind == EntryLine::PageHeading) continue;
    for (std::size_t c = entry.first; c < entry.first + entry.count; ++c) {
      if (c == entry.first + kGroupLength) layout.text += kGroupGap;
      layout.starts.push_back(static_cast<int>(layout.text.size()));
      layout.text += cleaned.mid(characterStarts[c], characterStarts[c + 1] - characterStarts[c]);
      layout.ends.push_back(static_cast<int>(layout.text.size()));
    }
  }
  return layout;
}

int CleanedCharactersBefore(const QString& entry, int position) {
  return static_cast<int>(PasswordCharCount(CleanPasswordText(entry.left(position))));
}

}  // namespace velmara
