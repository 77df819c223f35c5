#include "ui/DialogKeys.h"

#include <QPushButton>

#include "ui/LayoutSizes.h"

namespace velmara {

QPushButton* MakeDialogButton(QWidget* parent, const char* name, const QString& caption,
                              int width) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QLatin1String(name));
  button->setMinimumSize(width, kButtonHeight);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

bool PressFocusedButton(QObject* watched, int key) {
  auto* button = qobject_cast<QPushButton*>(watched);
  if (button == nullptr || (key != Qt::Key_Return && key != Qt::Key_Enter)) return false;
  if (button->isEnabled()) button->click();
  return true;
}

}  // namespace velmara
