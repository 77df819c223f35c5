#include "ui/DialogKeys.h"

#include <QPushButton>

namespace velmara {

bool PressFocusedButton(QObject* watched, int key) {
  auto* button = qobject_cast<QPushButton*>(watched);
  if (button == nullptr || (key != Qt::Key_Return && key != Qt::Key_Enter)) return false;
  if (button->isEnabled()) button->click();
  return true;
}

}  // namespace velmara
