#include "ui/Fonts.h"

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

}  // namespace velmara
