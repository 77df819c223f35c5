#include "ui/PasswordEntry.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <algorithm>
#include <memory>
#include <string_view>

#include "codec/PasswordFormat.h"
#include "core/RepairWording.h"
#include "sources/PasswordText.h"
#include "ui/Fonts.h"
#include "ui/Platform.h"

namespace velmara {

namespace {

constexpr int kPageChars = static_cast<int>(kPageLength);
constexpr std::size_t kUndoSteps = 200;
constexpr int kMarginPadding = 6;

// Row tints behind the text, and the marks' own colours in the margin.
const QColor kChecksTint(222, 245, 222);
const QColor kFailsTint(255, 214, 214);
const QColor kChecksColour(0, 128, 0);
const QColor kFailsColour(204, 0, 0);
// A character outside the alphabet: white on red, with a wavy underline that
// reads without the colour.
const QColor kInvalidBackground(204, 0, 0);
const QColor kInvalidText(255, 255, 255);

QString PageHeading(int page) {
  return QString::fromStdString(repair_wording::PageHeadingInWords(static_cast<std::size_t>(page)));
}

}  // namespace

// The strip left of the text that shows the page headings and row marks.
class TPasswordEntry::Margin : public QWidget {
 public:
  explicit Margin(TPasswordEntry* entry) : QWidget(entry), entry_(entry) {
    setObjectName(QStringLiteral("RowMarks"));
    // The dialog's own font: the headings are Chinese, the marks symbols.
    QFont bold = QApplication::font(this);
    bold.setBold(true);
    setFont(bold);
  }
  QSize sizeHint() const override { return {entry_->MarginWidth(), 0}; }

 protected:
  void paintEvent(QPaintEvent* event) override { entry_->PaintMargin(event); }

 private:
  TPasswordEntry* entry_;
};

TPasswordEntry::TPasswordEntry(Platform& platform, QWidget* parent)
    : QPlainTextEdit(parent), platform_(platform), margin_(new Margin(this)) {
  setFont(PasswordFont());
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setTabChangesFocus(true);
  // Every change rewrites the layout, which the document's own history would
  // record as edits of their own; the entry keeps its own history instead.
  document()->setUndoRedoEnabled(false);
  setViewportMargins(MarginWidth(), 0, 0, 0);
  // A row of wide characters beside the margin and a scroll bar.
  const int chrome = TextEditChrome(this) + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
  setMinimumWidth(fontMetrics().horizontalAdvance(WidestPasswordRow()) + MarginWidth() + chrome);

  connect(this, &QPlainTextEdit::textChanged, this, &TPasswordEntry::ContentsEdited);
  connect(this, &QPlainTextEdit::updateRequest, margin_, [this](const QRect& rect, int dy) {
    if (dy != 0) {
      margin_->scroll(0, dy);
    } else {
      margin_->update(0, rect.y(), margin_->width(), rect.height());
    }
  });
}

// ---------------------------------------------------------------- the text

QString TPasswordEntry::EntryText() const {
  // The raw text keeps a non-breaking blank as it is (plain text would turn
  // it into a blank, which cleaning then drops); only the line ends change.
  QString text = document()->toRawText();
  for (QChar& c : text)
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = u'\n';
  return text;
}

int TPasswordEntry::Caret() const {
  return CleanedCharactersBefore(EntryText(), textCursor().position());
}

void TPasswordEntry::ContentsEdited() {
  // Whatever the edit did (typing, a drop, an input method, a deleted
  // selection), what counts is the cleaned text and how many of its
  // characters lie before the caret.
  if (rewriting_) return;
  const QString entry = EntryText();
  Change(CleanPasswordText(entry), CleanedCharactersBefore(entry, textCursor().position()));
}

void TPasswordEntry::Change(const QString& cleaned, int caret) {
  if (cleaned != content_) {
    undo_.push_back(content_);
    if (undo_.size() > kUndoSteps) undo_.erase(undo_.begin());
    redo_.clear();
  }
  Show(cleaned, caret);
}

void TPasswordEntry::Show(const QString& cleaned, int caret) {
  content_ = FirstCharacters(WithoutLoneSurrogates(cleaned), kCapacity);
  layout_ = LayOutEntry(content_);

  rewriting_ = true;
  const int scrolled = verticalScrollBar()->value();
  if (EntryText() != layout_.text) {
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.insertText(layout_.text);
  }
  QTextCursor cursor(document());
  cursor.setPosition(layout_.caretPosition(caret));
  setTextCursor(cursor);
  verticalScrollBar()->setValue(scrolled);
  ensureCursorVisible();
  rewriting_ = false;

  const QByteArray bytes = content_.toUtf8();
  check_ = CheckTypedPassword(std::string_view(bytes.constData(), bytes.size()));
  UpdateMarks();
  emit PasswordChanged();
}

void TPasswordEntry::Clear() {
  undo_.clear();
  redo_.clear();
  Show(QString(), 0);
}

void TPasswordEntry::InsertText(const QString& text) {
  // Cleaned and cut before it reaches the document, so that a huge paste
  // costs no more than a password.
  textCursor().insertText(FirstCharacters(CleanPasswordText(text), kCapacity));
}

void TPasswordEntry::RemoveCharacter(int index) {
  if (index < 0 || index >= layout_.characters()) return;
  const auto at = static_cast<std::size_t>(index);
  const QString rest = layout_.text.left(layout_.starts[at]) + layout_.text.mid(layout_.ends[at]);
  Change(CleanPasswordText(rest), index);
}

// ---------------------------------------------------------------- keys

void TPasswordEntry::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) return Paste();
  if (event->matches(QKeySequence::Copy)) return Copy();
  if (event->matches(QKeySequence::Cut)) return Cut();
  if (event->matches(QKeySequence::Undo)) return Undo();
  if (event->matches(QKeySequence::Redo)) return Redo();

  const Qt::KeyboardModifiers modifiers =
      event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
  // An Alt key that no button answered types nothing (Ctrl+Alt is how some
  // keyboards type their third level, so such keys stay typed).
  if (modifiers == Qt::AltModifier && !event->text().isEmpty()) {
    event->ignore();
    return;
  }
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // A line end would be cleaned away, and the key must not reach a
      // button of the dialog either.
      event->accept();
      return;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
      // One character of the password, not a blank of the layout.
      if (modifiers == Qt::NoModifier && !textCursor().hasSelection()) {
        RemoveCharacter(event->key() == Qt::Key_Backspace ? Caret() - 1 : Caret());
        event->accept();
        return;
      }
      break;
    default:
      break;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void TPasswordEntry::contextMenuEvent(QContextMenuEvent* event) {
  const std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
  // The menu's own entries for these would bypass the cleaning history and
  // reach the desktop's clipboard directly.
  auto reroute = [&](const char* name, void (TPasswordEntry::*command)(), bool enabled) {
    QAction* item = menu->findChild<QAction*>(QLatin1String(name));
    if (item == nullptr) return;
    QObject::disconnect(item, &QAction::triggered, nullptr, nullptr);
    item->setEnabled(enabled);
    connect(item, &QAction::triggered, this, command);
  };
  const bool selected = textCursor().hasSelection();
  reroute("edit-undo", &TPasswordEntry::Undo, !undo_.empty());
  reroute("edit-redo", &TPasswordEntry::Redo, !redo_.empty());
  reroute("edit-cut", &TPasswordEntry::Cut, selected);
  reroute("edit-copy", &TPasswordEntry::Copy, selected);
  reroute("edit-paste", &TPasswordEntry::Paste, platform_.clipboardHasText());
  menu->exec(event->globalPos());
}

// ---------------------------------------------------------------- commands

void TPasswordEntry::Copy() {
  // The password characters selected, without the blanks of the layout.
  const QTextCursor cursor = textCursor();
  const QString selected = CleanPasswordText(
      EntryText().mid(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()));
  if (!selected.isEmpty()) platform_.setClipboardText(selected);
}

void TPasswordEntry::Cut() {
  if (!textCursor().hasSelection()) return;
  Copy();
  textCursor().removeSelectedText();
}

void TPasswordEntry::Paste() {
  if (platform_.clipboardHasText()) InsertText(platform_.clipboardText());
}

void TPasswordEntry::Undo() {
  Restore(undo_, redo_);
}

void TPasswordEntry::Redo() {
  Restore(redo_, undo_);
}

void TPasswordEntry::Restore(std::vector<QString>& from, std::vector<QString>& to) {
  if (from.empty()) return;
  const QString restored = from.back();
  from.pop_back();
  to.push_back(content_);
  // The caret goes behind the part that differs, where the change was.
  const qsizetype shorter = std::min(restored.size(), content_.size());
  qsizetype prefix = 0;
  qsizetype suffix = 0;
  while (prefix < shorter && restored[prefix] == content_[prefix]) ++prefix;
  while (suffix < shorter - prefix &&
         restored[restored.size() - 1 - suffix] == content_[content_.size() - 1 - suffix])
    ++suffix;
  Show(restored, static_cast<int>(PasswordCharCount(restored.left(restored.size() - suffix))));
}

// ---------------------------------------------------------------- marks

TPasswordEntry::RowMark TPasswordEntry::MarkOfRow(int row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= check_.rows.size()) return RowMark::Incomplete;
  return repair_wording::RowMarkOf(check_.rows[static_cast<std::size_t>(row)]);
}

QString TPasswordEntry::MarginText(int line) const {
  if (line < 0 || static_cast<std::size_t>(line) >= layout_.lines.size()) return {};
  const EntryLine& entry = layout_.lines[static_cast<std::size_t>(line)];
  if (entry.kind == EntryLine::PageHeading) return PageHeading(static_cast<int>(entry.page));
  const QString number = QString::number(entry.row % kRowsPerPage + 1);
  return number + u' ' +
         QString::fromUtf8(repair_wording::RowMarkText(MarkOfRow(static_cast<int>(entry.row))));
}

void TPasswordEntry::UpdateMarks() {
  QList<QTextEdit::ExtraSelection> marks;
  for (std::size_t line = 0; line < layout_.lines.size(); ++line) {
    const EntryLine& entry = layout_.lines[line];
    if (entry.kind != EntryLine::Row) continue;
    const RowMark mark = MarkOfRow(static_cast<int>(entry.row));
    if (mark == RowMark::Incomplete) continue;
    QTextEdit::ExtraSelection tint;
    tint.cursor = QTextCursor(document()->findBlockByNumber(static_cast<int>(line)));
    tint.format.setBackground(mark == RowMark::Checks ? kChecksTint : kFailsTint);
    tint.format.setProperty(QTextFormat::FullWidthSelection, true);
    marks << tint;
  }
  for (const std::size_t position : check_.invalidPositions) {
    // The check counts the characters as the layout does; this only guards
    // the indexing should they ever disagree.
    if (position == 0 || position > layout_.starts.size()) continue;
    QTextEdit::ExtraSelection invalid;
    invalid.cursor = QTextCursor(document());
    invalid.cursor.setPosition(layout_.starts[position - 1]);
    invalid.cursor.setPosition(layout_.ends[position - 1], QTextCursor::KeepAnchor);
    invalid.format.setBackground(kInvalidBackground);
    invalid.format.setForeground(kInvalidText);
    invalid.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    invalid.format.setUnderlineColor(kInvalidText);
    marks << invalid;
  }
  setExtraSelections(marks);
  margin_->update();
}

// ---------------------------------------------------------------- margin

int TPasswordEntry::MarginWidth() const {
  const QFontMetrics metrics = margin_->fontMetrics();
  const int widest =
      std::max(metrics.horizontalAdvance(PageHeading(kCapacity / kPageChars)),
               metrics.horizontalAdvance(QStringLiteral("5 ") +
                                         QString::fromUtf8(repair_wording::kRowFailsMark)));
  return widest + 2 * kMarginPadding;
}

void TPasswordEntry::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  const QRect inside = contentsRect();
  margin_->setGeometry(QRect(inside.left(), inside.top(), MarginWidth(), inside.height()));
}

void TPasswordEntry::PaintMargin(QPaintEvent* event) {
  QPainter painter(margin_);
  painter.fillRect(event->rect(), palette().color(QPalette::Window));
  const int textWidth = margin_->width() - 2 * kMarginPadding;

  QTextBlock block = firstVisibleBlock();
  int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
  while (block.isValid() && top <= event->rect().bottom()) {
    const int height = qRound(blockBoundingRect(block).height());
    const int line = block.blockNumber();
    if (block.isVisible() && top + height >= event->rect().top() &&
        static_cast<std::size_t>(line) < layout_.lines.size()) {
      const EntryLine& entry = layout_.lines[static_cast<std::size_t>(line)];
      QColor colour = palette().color(QPalette::WindowText);
      Qt::Alignment alignment = Qt::AlignLeft;
      if (entry.kind == EntryLine::Row) {
        alignment = Qt::AlignRight;
        const RowMark mark = MarkOfRow(static_cast<int>(entry.row));
        if (mark == RowMark::Checks) colour = kChecksColour;
        if (mark == RowMark::Fails) colour = kFailsColour;
        if (mark == RowMark::Incomplete) colour = palette().color(QPalette::PlaceholderText);
      }
      painter.setPen(colour);
      painter.drawText(QRect(kMarginPadding, top, textWidth, height), alignment | Qt::AlignVCenter,
                       MarginText(line));
    }
    block = block.next();
    top += height;
  }
}

}  // namespace velmara
