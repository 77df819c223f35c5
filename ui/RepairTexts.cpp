#include "RepairTexts.h"

#include <QStringList>

#include "PasswordFormat.h"

namespace velmara {

namespace {

const QString kArrow = QStringLiteral(" → ");
const QString kContinuation = QStringLiteral("\n    ");
const QString kNoChange = QStringLiteral("无需修改");
const QString kImplausible = QStringLiteral("（队伍数据不寻常）");

std::size_t PlaceInRow(std::size_t position) {
  return (position - 1) % kRowLength + 1;
}

bool SameRow(std::size_t a, std::size_t b) {
  return (a - 1) / kRowLength == (b - 1) / kRowLength;
}

bool Shows(char32_t c) {
  const auto code = static_cast<uint>(c);
  return QChar::isPrint(code) && !QChar::isSpace(code);
}

}  // namespace

QString RowInWords(std::size_t position) {
  return QStringLiteral("第%1页 第%2行").arg(PageOfPosition(position)).arg(RowOfPosition(position));
}

QString PlaceInWords(std::size_t position) {
  return RowInWords(position) + QStringLiteral(" 第%1个").arg(PlaceInRow(position));
}

QString CharactersInWords(const std::string& characters) {
  QString words;
  for (const char32_t c : QString::fromStdString(characters).toUcs4()) {
    if (Shows(c)) {
      words += QString::fromUcs4(&c, 1);
    } else {
      words += QStringLiteral("U+%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper();
    }
  }
  return words;
}

QString ChangeInWords(const RepairChange& change) {
  const QString from = CharactersInWords(change.from);
  const QString to = CharactersInWords(change.to);
  const std::size_t p = change.position;
  switch (change.kind) {
    case RepairKind::Substitution:
      return PlaceInWords(p) + u'：' + from + kArrow + to;
    case RepairKind::Swap: {
      const QString places =
          SameRow(p, p + 1)
              ? RowInWords(p) +
                    QStringLiteral(" 第%1、%2个").arg(PlaceInRow(p)).arg(PlaceInRow(p + 1))
              : PlaceInWords(p) + u'、' + PlaceInWords(p + 1);
      return places + QStringLiteral("对调：") + from + kArrow + to;
    }
    case RepairKind::Insertion:
      return PlaceInWords(p) + QStringLiteral("：补上 ") + to;
    case RepairKind::Deletion:
      return PlaceInWords(p) + QStringLiteral("：删去 ") + from;
  }
  return {};
}

QString CandidateInWords(const RepairCandidate& candidate, int number) {
  QStringList changes;
  for (const RepairChange& change : candidate.changes) changes << ChangeInWords(change);
  if (changes.isEmpty()) changes << kNoChange;
  QString words = QStringLiteral("%1. ").arg(number) + changes.join(kContinuation);
  if (!candidate.plausible) words += kContinuation + kImplausible;
  return words;
}

}  // namespace velmara
