// The entry of the password check dialog: a multi-line edit that keeps what
// the user types or pastes cleaned as pasted password text is (blanks, tabs,
// line ends and dashes dropped) and shows it in the page layout of
// EntryLayout.h. Beside every row a margin shows the row's number and a mark,
// ✓ when its check character matches, ✗ when it does not, … while the row is
// incomplete; the row is tinted to match and every character outside the
// alphabet is marked. Backspace and Delete remove the character before or
// after the caret, never only a blank of the layout; the clipboard is reached
// through the Platform interface.
#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <vector>

#include "codec/LiveCheck.h"
#include "core/RepairWording.h"
#include "ui/EntryLayout.h"

namespace velmara {

class Platform;

class TPasswordEntry : public QPlainTextEdit {
  Q_OBJECT

 public:
  // More than any password needs; text past it is dropped, so that pasting a
  // whole file cannot stall the window.
  static constexpr int kCapacity = static_cast<int>(repair_wording::kTypedTextCapacity);

  using RowMark = repair_wording::RowMark;

  // `platform` supplies the clipboard; it must outlive the entry.
  explicit TPasswordEntry(Platform& platform, QWidget* parent = nullptr);

  // The cleaned text: the password characters as typed, nothing else.
  const QString& Password() const { return content_; }
  const TypedPasswordCheck& Check() const { return check_; }

  RowMark MarkOfRow(int row) const;
  // What the margin shows beside line `line`: "第2页" beside a page's heading
  // line, the row's number within its page and its mark beside a row.
  QString MarginText(int line) const;

  // Empties the entry and forgets what Undo could bring back.
  void Clear();
  // Puts `text` at the caret in place of the selection, as a paste does.
  void InsertText(const QString& text);

 signals:
  // The cleaned text changed.
  void PasswordChanged();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  class Margin;
  friend class Margin;

  QString EntryText() const;
  int Caret() const;
  void ContentsEdited();
  void Change(const QString& cleaned, int caret);
  void Show(const QString& cleaned, int caret);
  void RemoveCharacter(int index);
  void Copy();
  void Cut();
  void Paste();
  void Undo();
  void Redo();
  void Restore(std::vector<QString>& from, std::vector<QString>& to);
  void UpdateMarks();
  int MarginWidth() const;
  void PaintMargin(QPaintEvent* event);

  Platform& platform_;
  Margin* margin_;
  QString content_;
  EntryLayout layout_;
  TypedPasswordCheck check_;
  std::vector<QString> undo_;
  std::vector<QString> redo_;
  bool rewriting_ = false;
};

}  // namespace velmara
