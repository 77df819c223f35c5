// The inventory editor opened from the main window: what the user changes in
// it reaches the password at the next refresh, and Cancel changes nothing.
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "tests/ui/MainWindowHarness.h"
#include "tests/ui/TestApplication.h"
#include "ui/Inventory.h"
#include "ui/InventoryRows.h"

using namespace velmara;
using namespace velmara::testing;

namespace {

constexpr std::uint16_t kHerb = 180;
constexpr int kGaret = 1;

int SlotHolding(const TCharacterRecord& character, std::uint16_t id) {
  for (int slot = 0; slot < kSlotsPerCharacter; ++slot)
    if (ItemId(character.Items[slot]) == id) return slot;
  return -1;
}

}  // namespace

class InventoryEditorFlowTest : public MainWindowTest {
  Q_OBJECT

  TdlgInventory& editor() const { return *ui.window->dlgInventory; }
  void press(const char* button) const {
    QTest::mouseClick(editor().findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
  }
  // Runs `steps` inside the editor once its modal showing has begun.
  void whileEditorIsOpen(std::function<void()> steps) {
    QTimer::singleShot(0, ui.window.get(), [this, steps] {
      QVERIFY(editor().isVisible());
      steps();
    });
  }

 private slots:
  void herbsAddedForGaretReachTheGoldPassword() {
    const int freeSlot = SlotHolding(ui.window->Data.Characters[kGaret], 0);
    QVERIFY2(freeSlot >= 0 && SlotHolding(ui.window->Data.Characters[kGaret], kHerb) < 0,
             "the start-up party must leave Garet room and no Herb");
    ui.platform.answerPrompt(QStringLiteral("5"));
    whileEditorIsOpen([&] {
      MainWindowHarness::clickRow(editor().lbItems, kHerb);
      press("btnAdd");
      MainWindowHarness::clickRow(editor().lbCharacter, freeSlot);
      press("btnQuantity");
      press("btnOK");
    });
    ui.click(QStringLiteral("btnGaretItem"));
    QVERIFY(!editor().isVisible());

    ui.refresh();
    const TPasswordData decoded = Decoded(ptGold, ui.shownPassword().toStdString());
    const int slot = SlotHolding(decoded.Characters[kGaret], kHerb);
    QVERIFY(slot >= 0);
    QCOMPARE(ItemQuantity(decoded.Characters[kGaret].Items[slot]), 5);
  }

  void cancelledEditLeavesThePasswordAlone() {
    ui.refresh();
    const QString before = ui.shownPassword();
    whileEditorIsOpen([&] {
      MainWindowHarness::clickRow(editor().lbCharacter, 0);
      press("btnRemove");
      QTest::keyClick(&editor(), Qt::Key_Escape);
    });
    ui.click(QStringLiteral("btnIsaacItem"));
    ui.refresh();
    QCOMPARE(ui.shownPassword(), before);
  }
};

VELMARA_TEST_MAIN(InventoryEditorFlowTest)
#include "InventoryEditorFlowTest.moc"
