#include "ui/Fonts.h"

#include <QPlainTextEdit>
#include <QTextDocument>

#include "core/PasswordLayout.h"

namespace velmara {

namespace {

constexpr int kPasswordPixels = 16;

}  // namespace

QFont CourierFont() {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  return font;
}

QFont PasswordFont() {
  QFont font = CourierFont();
  font.setPixelSize(kPasswordPixels);
  font.setBold(true);
  return font;
}

QString WidestPasswordRow() {
  const QString group(static_cast<qsizetype>(kGroupLength), u'W');
  return group + QString::fromLatin1(kPageRowGap.data(), kPageRowGap.size()) + group;
}

int TextEditChrome(const QPlainTextEdit* edit) {
  return 2 * edit->frameWidth() + 2 * static_cast<int>(edit->document()->documentMargin()) + 4;
}

}  // namespace velmara
