#include "ui/InventoryRows.h"

#include <QApplication>
#include <QFontMetrics>
#include <QListWidget>
#include <QPainter>
#include <QStyle>
#include <algorithm>

#include "ui/ItemRoles.h"

namespace velmara {

QString SlotText(const std::vector<ItemName>& names, std::uint16_t word) {
  return QString::fromStdString(InventorySlotText(names, word));
}

std::uint16_t RowItemWord(const QListWidgetItem* row) {
  return static_cast<std::uint16_t>(row->data(kItemWordRole).toUInt());
}

void SetRow(QListWidgetItem* row, const QString& text, std::uint16_t word) {
  row->setText(text);
  row->setData(kItemWordRole, static_cast<uint>(word));
}

QListWidgetItem* AddRow(QListWidget* list, const QString& text, std::uint16_t word) {
  auto* row = new QListWidgetItem(list);
  SetRow(row, text, word);
  return row;
}

QColor ColourOf(ItemColourClass cls) {
  const std::optional<RgbColour> colour = ClassColour(cls);
  return colour ? QColor(colour->red, colour->green, colour->blue) : QColor();
}

int InventoryRowHeight(const QFont& font) {
  QFont bold = font;
  bold.setBold(true);
  // The rows were designed 13 pixels high for an 11-pixel font; a larger
  // desktop font gets taller rows rather than clipped text.
  return std::max({kInventoryRowHeight, QFontMetrics(font).height(), QFontMetrics(bold).height()});
}

int InventoryListHeight(const QListWidget* list, int rows) {
  return rows * InventoryRowHeight(list->font()) + 2 * list->frameWidth();
}

void InventoryRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  const bool selected = option.state & QStyle::State_Selected;
  const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                     : (option.state & QStyle::State_Active) ? QPalette::Active
                                                                             : QPalette::Inactive;
  const auto word = static_cast<std::uint16_t>(index.data(kItemWordRole).toUInt());
  const ItemColourClass cls = ColourClassOf(word);

  painter->save();
  painter->fillRect(option.rect,
                    option.palette.brush(group, selected ? QPalette::Highlight : QPalette::Base));

  QFont font = option.font;
  font.setBold(cls != ItemColourClass::Other);
  painter->setFont(font);
  // The class colours stay on the selected row too, over the selection colour.
  painter->setPen(
      cls != ItemColourClass::Other
          ? ColourOf(cls)
          : option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
  painter->drawText(option.rect.adjusted(2, 0, 0, 0),
                    Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                    index.data(Qt::DisplayRole).toString());

  if (option.state & QStyle::State_HasFocus) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.backgroundColor =
        option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
  }
  painter->restore();
}

QSize InventoryRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
  QFont bold = option.font;
  bold.setBold(true);
  const int width =
      QFontMetrics(bold).horizontalAdvance(index.data(Qt::DisplayRole).toString()) + 4;
  return QSize(width, InventoryRowHeight(option.font));
}

void SetUpInventoryList(QListWidget* list) {
  list->setItemDelegate(new InventoryRowDelegate(list));
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setUniformItemSizes(true);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

}  // namespace velmara
