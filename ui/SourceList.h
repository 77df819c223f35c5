// The source list of the main window: a list box that reports the user's
// choice of an entry, not every change of its current row. Focus that
// arrives by Tab or Shift+Tab makes a row current without choosing it.
#pragma once

#include <QListWidget>

namespace velmara {

class TSourceListBox : public QListWidget {
  Q_OBJECT

 public:
  using QListWidget::QListWidget;

 signals:
  // The user chose the selected entry: by a click, where the press and the
  // release may fall on different entries and the one selected at the release
  // counts, or by a key that selected another entry (arrows, Home, End, the
  // Page keys, typing an entry's first letters). A click on the selected
  // entry chooses it again.
  void entryChosen();

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int SelectedRow() const;
  bool OnEntry(const QMouseEvent* event) const;

  bool pressedOnEntry_ = false;
};

}  // namespace velmara
