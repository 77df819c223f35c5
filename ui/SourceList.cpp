#include "ui/SourceList.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace velmara {

QItemSelectionModel::SelectionFlags TSourceListBox::selectionCommand(const QModelIndex& index,
                                                                     const QEvent* event) const {
  // The loaded entry stays selected: neither a press in the blank part of the
  // list nor Ctrl with a click or Space clears the selection.
  const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
  if (!index.isValid() || (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)))
    return QItemSelectionModel::NoUpdate;
  return command;
}

void TSourceListBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressedOnEntry_ = OnEntry(event);
  QListWidget::mousePressEvent(event);
}

void TSourceListBox::mouseReleaseEvent(QMouseEvent* event) {
  QListWidget::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton) return;
  // A click that touches no entry, in the blank part of the list, chooses
  // nothing.
  const bool touchedEntry = pressedOnEntry_ || OnEntry(event);
  pressedOnEntry_ = false;
  if (touchedEntry && SelectedRow() >= 0) emit entryChosen();
}

void TSourceListBox::keyPressEvent(QKeyEvent* event) {
  const int before = SelectedRow();
  QListWidget::keyPressEvent(event);
  const int after = SelectedRow();
  if (after >= 0 && after != before) emit entryChosen();
}

int TSourceListBox::SelectedRow() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? -1 : row(selected.first());
}

bool TSourceListBox::OnEntry(const QMouseEvent* event) const {
  return indexAt(event->position().toPoint()).isValid();
}

}  // namespace velmara
