// Inventory rows: their text, and how the delegate paints them (background,
// class colour and weight, position), checked on the pixels of a real list.
#include <QImage>
#include <QListWidget>
#include <QTest>

#include "codec/PasswordData.h"
#include "codec/VelmaraData.h"
#include "tests/ui/TestApplication.h"
#include "ui/InventoryRows.h"

using namespace velmara;

namespace {

constexpr std::uint16_t kLongSword = 1;
constexpr std::uint16_t kHerb = 180;
constexpr std::uint16_t kOrbOfForce = 200;

// The pixels of one row of a shown list.
struct RowPixels {
  QImage image;
  QRect rect;

  bool contains(const QColor& colour, int tolerance = 0) const {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
      for (int x = rect.left(); x <= rect.right(); ++x)
        if (Near(image.pixelColor(x, y), colour, tolerance)) return true;
    return false;
  }
  // Pixels that differ from the row's background, and the leftmost of them.
  int ink(const QColor& background, int* leftmost = nullptr) const {
    int count = 0;
    int left = rect.right() + 1;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
      for (int x = rect.left(); x <= rect.right(); ++x)
        if (!Near(image.pixelColor(x, y), background, 8)) {
          ++count;
          left = std::min(left, x);
        }
    if (leftmost) *leftmost = left - rect.left();
    return count;
  }
  // The list may or may not be in the active window.
  bool containsRole(const QPalette& palette, QPalette::ColorRole role, int tolerance = 0) const {
    return contains(palette.color(QPalette::Active, role), tolerance) ||
           contains(palette.color(QPalette::Inactive, role), tolerance);
  }
  static bool Near(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
  }
};

}  // namespace

class InventoryRowsTest : public QObject {
  Q_OBJECT

  const std::vector<ItemName> names_ = BuildItemNames();

  static RowPixels Grab(QListWidget* list, int row) {
    QImage image = list->viewport()->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    image = image.scaled(qRound(image.width() / ratio), qRound(image.height() / ratio));
    return {image, list->visualItemRect(list->item(row))};
  }

 private slots:
  void slotText_data() {
    QTest::addColumn<int>("word");
    QTest::addColumn<QString>("text");
    QTest::newRow("Herb * 4") << 3 * 2048 + 180 << QStringLiteral("Herb * 4");
    QTest::newRow("single item has no quantity") << 200 << QStringLiteral("Orb of Force");
    QTest::newRow("empty slot") << 0 << QString();
    QTest::newRow("past the item names") << 300 << QStringLiteral("?? (300)");
    QTest::newRow("gap in the item table") << 190 << QStringLiteral("?");
    QTest::newRow("unused bits 9, 10 ignored") << 0x0600 + 1 << QStringLiteral("Long Sword");
    QTest::newRow("quantity 32") << 0xF800 + 180 << QStringLiteral("Herb * 32");
  }
  void slotText() {
    QFETCH(int, word);
    QFETCH(QString, text);
    QCOMPARE(SlotText(names_, static_cast<std::uint16_t>(word)), text);
  }

  void rowCarriesTextAndWord() {
    QListWidget list;
    QListWidgetItem* row = AddRow(&list, QStringLiteral("Herb * 05"), 0xF8B4);
    QCOMPARE(row->text(), QStringLiteral("Herb * 05"));
    QCOMPARE(RowItemWord(row), 0xF8B4);
    SetRow(row, QString(), 0);
    QCOMPARE(RowItemWord(row), 0);
  }

  void classColourIsDrawnOnAnyRowState_data() {
    QTest::addColumn<int>("word");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("selected");
    const QColor blue(0, 0, 255), green(0, 191, 0), red(255, 0, 0);
    for (bool selected : {false, true}) {
      const char* state = selected ? " selected" : "";
      QTest::addRow("special%s", state) << int(kOrbOfForce) << blue << selected;
      QTest::addRow("Catch Beads%s", state) << 207 << blue << selected;
      QTest::addRow("stackable with quantity%s", state) << 3 * 2048 + 180 << green << selected;
      QTest::addRow("Crystal Powder%s", state) << 241 << green << selected;
      QTest::addRow("Mars Star%s", state) << 222 << red << selected;
      QTest::addRow("Black Orb%s", state) << 242 << red << selected;
    }
  }
  void classColourIsDrawnOnAnyRowState() {
    QFETCH(int, word);
    QFETCH(QColor, colour);
    QFETCH(bool, selected);
    QListWidget list;
    SetUpInventoryList(&list);
    AddRow(&list, QStringLiteral("Long Sword"), kLongSword);
    AddRow(&list, SlotText(names_, static_cast<std::uint16_t>(word)),
           static_cast<std::uint16_t>(word));
    list.setCurrentRow(selected ? 1 : 0);
    list.show();

    const RowPixels row = Grab(&list, 1);
    QVERIFY(row.containsRole(list.palette(), selected ? QPalette::Highlight : QPalette::Base));
    QVERIFY2(row.contains(colour, 16), "text not drawn in the class colour");
    QVERIFY(!row.contains(list.palette().color(QPalette::Text), 16));
  }

  void otherItemsUseTheListsTextColours() {
    QListWidget list;
    SetUpInventoryList(&list);
    AddRow(&list, QStringLiteral("Long Sword"), kLongSword);
    AddRow(&list, QStringLiteral("Long Sword"), kLongSword);
    AddRow(&list, QString(), 0);
    list.setCurrentRow(1);
    list.show();

    const QPalette palette = list.palette();
    const RowPixels plain = Grab(&list, 0);
    QVERIFY(plain.containsRole(palette, QPalette::Text, 16));
    const RowPixels selected = Grab(&list, 1);
    QVERIFY(selected.containsRole(palette, QPalette::Highlight));
    QVERIFY(selected.containsRole(palette, QPalette::HighlightedText, 16));
    // An empty slot draws its background only.
    QCOMPARE(Grab(&list, 2).ink(palette.color(QPalette::Base)), 0);
  }

  void colouredClassesAreBoldAndTextStartsTwoPixelsIn() {
    // The same text with two item words: a stackable item is drawn bold.
    QListWidget list;
    SetUpInventoryList(&list);
    AddRow(&list, QStringLiteral("Wxyz"), kHerb);
    AddRow(&list, QStringLiteral("Wxyz"), kLongSword);
    list.show();
    const QColor base = list.palette().color(QPalette::Base);
    int leftBold = 0, leftRegular = 0;
    const int bold = Grab(&list, 0).ink(base, &leftBold);
    const int regular = Grab(&list, 1).ink(base, &leftRegular);
    QVERIFY2(bold > regular, qPrintable(QStringLiteral("%1 <= %2").arg(bold).arg(regular)));
    QVERIFY(leftRegular >= 2 && leftRegular <= 4);
    QVERIFY(leftBold >= 2 && leftBold <= 4);
  }

  void rowsAreNeverLowerThanTheirText() {
    QListWidget list;
    SetUpInventoryList(&list);
    AddRow(&list, QStringLiteral("Herb * 30"), MakeItemWord(kHerb, 30));
    list.show();
    const int height = list.visualItemRect(list.item(0)).height();
    QCOMPARE(height, InventoryRowHeight(list.font()));
    QVERIFY(height >= kInventoryRowHeight);
    QVERIFY(height >= list.fontMetrics().height());
    QFont tiny = list.font();
    tiny.setPixelSize(6);
    QCOMPARE(InventoryRowHeight(tiny), kInventoryRowHeight);
  }
};

VELMARA_TEST_MAIN(InventoryRowsTest)
#include "InventoryRowsTest.moc"
