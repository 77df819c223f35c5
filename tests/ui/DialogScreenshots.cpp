// Renders both dialogs to PNG files for a visual check of their layout:
//   dialog_screenshots <output directory>
// Run it offscreen, under Xvfb, or with QT_SCALE_FACTOR=2 to see the dialogs
// at other fonts and scales.
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTimer>

#include "About.h"
#include "Inventory.h"
#include "InventoryRows.h"
#include "PasswordData.h"
#include "ScriptedPlatform.h"
#include "VelmaraData.h"

using namespace velmara;

namespace {

bool Save(QWidget* widget, const QDir& directory, const QString& name) {
  const QString path = directory.filePath(name);
  const bool saved = widget->grab().save(path);
  qInfo("%s %s (%dx%d)", saved ? "wrote" : "FAILED", qPrintable(path), widget->width(),
        widget->height());
  return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QDir directory(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  QDir().mkpath(directory.path());

  const std::vector<ItemName> names = BuildItemNames();
  ScriptedPlatform platform;
  QListWidget inventory;
  const std::uint16_t words[kSlotsPerCharacter] = {
      1, MakeItemWord(180, 5), 203, kMarsStar, MakeItemWord(241, 30), 0x0100, kBlackOrb, 0};
  for (std::uint16_t word : words) AddRow(&inventory, SlotText(names, word), word);

  bool ok = true;
  TdlgInventory editor(platform, names);
  editor.InventoryList = &inventory;
  editor.CharacterName = QStringLiteral("Isaac");
  editor.StartIndex = 1;
  editor.GoldType = true;
  editor.show();
  ok &= Save(&editor, directory, QStringLiteral("inventory-gold.png"));
  editor.hide();
  editor.GoldType = false;
  editor.StartIndex = 2;
  editor.show();
  ok &= Save(&editor, directory, QStringLiteral("inventory-silver.png"));
  editor.hide();

  TdlgAbout about(platform);
  about.show();
  ok &= Save(&about, directory, QStringLiteral("about.png"));
  return ok ? 0 : 1;
}
