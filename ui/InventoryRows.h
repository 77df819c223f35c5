// Inventory slot rows as the main window's lists and the inventory editor
// hold them: a display text plus the 16-bit item word, and the colour rule
// that tells the user what each password type does with the item.
#pragma once

#include <QColor>
#include <QFont>
#include <QStyledItemDelegate>
#include <cstdint>
#include <vector>

#include "codec/VelmaraData.h"
#include "core/InventorySlots.h"

class QListWidget;
class QListWidgetItem;

namespace velmara {

constexpr int kInventoryRowHeight = 13;

// "Herb * 3" for a word of Herb with quantity 3; "" for an empty slot;
// "?? (300)" for an identifier past the end of the item-name list.
QString SlotText(const std::vector<ItemName>& names, std::uint16_t word);

std::uint16_t RowItemWord(const QListWidgetItem* row);
void SetRow(QListWidgetItem* row, const QString& text, std::uint16_t word);
// Appends a row with the given text and item word.
QListWidgetItem* AddRow(QListWidget* list, const QString& text, std::uint16_t word);

// Colour of a class, invalid for Other (the list's own text colour is used).
QColor ColourOf(ItemColourClass cls);

// Paints a row: its background (selection colour when selected), then its
// text 2 pixels in, bold and coloured by the item's class, regular otherwise.
class InventoryRowDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// Row height for a list's font: 13 pixels, or the font's line height when the
// desktop font is taller, so no row text is clipped.
int InventoryRowHeight(const QFont& font);
// Height of `list` showing exactly `rows` whole rows, frame included.
int InventoryListHeight(const QListWidget* list, int rows);

// Sets up a list for inventory rows: fixed row height, single selection,
// the delegate above.
void SetUpInventoryList(QListWidget* list);

}  // namespace velmara
