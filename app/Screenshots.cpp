// Renders the main window on each of its tabs, in the Bronze and the invalid
// states (with both markers of an invalid password), with its menus open, and
// the dialogs, as PNG files in the folder named on the command line.
// scripts/screenshots.sh runs it under Xvfb.
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

#include "codec/VelmaraData.h"
#include "sources/PasswordText.h"
#include "ui/About.h"
#include "ui/Application.h"
#include "ui/Inventory.h"
#include "ui/PasswordCheck.h"
#include "ui/PasswordEntry.h"
#include "ui/Platform.h"
#include "ui/main.h"

namespace {

using velmara::TfmMain;

// The two mistakes of the check dialog's pictures, as indices into the
// medium default password: page 2, row 2, fifth and row 3, eighth character.
constexpr int kZeroForD = 64;
constexpr int kCapitalForSmallC = 77;

class Shooter {
 public:
  explicit Shooter(const QString& folder) : folder_(folder) {}

  void Save(QWidget* widget, const QString& name) {
    Settle();
    const QString path = folder_.filePath(name + QStringLiteral(".png"));
    if (!widget->grab().save(path)) {
      QTextStream(stderr) << "cannot write " << path << "\n";
      failed_ = true;
    } else {
      QTextStream(stdout) << path << "\n";
    }
  }

  bool failed() const { return failed_; }

  static void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }

 private:
  QDir folder_;
  bool failed_ = false;
};

void ShootTabs(TfmMain& window, Shooter& shooter, const QString& prefix) {
  for (int i = 0; i < window.PageControl1->count(); ++i) {
    window.PageControl1->setCurrentIndex(i);
    shooter.Save(&window, QStringLiteral("%1%2-%3").arg(prefix).arg(i + 1).arg(
                              window.PageControl1->widget(i)->objectName()));
  }
  window.PageControl1->setCurrentIndex(0);
}

void ShootMenu(TfmMain& window, QMenu* menu, Shooter& shooter, const QString& name) {
  menu->popup(window.mapToGlobal(QPoint(0, window.menuBar()->height())));
  shooter.Save(menu, name);
  menu->hide();
}

// Pictures the next modal box once it shows and closes it, so that a step
// which asks something does not wait for a person.
void ShootAndCloseNextBox(Shooter& shooter, const QString& name) {
  QTimer::singleShot(0, [&shooter, name] {
    QWidget* box = QApplication::activeModalWidget();
    if (box == nullptr) return ShootAndCloseNextBox(shooter, name);
    shooter.Save(box, name);
    box->close();
  });
}

}  // namespace

int main(int argc, char* argv[]) {
  velmara::QtPlatform platform;
  velmara::Application application(argc, argv, platform);
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() != 2) {
    QTextStream(stderr) << "usage: velmara-screenshots FOLDER\n";
    return 2;
  }
  QDir().mkpath(arguments[1]);
  Shooter shooter(arguments[1]);

  TfmMain window(platform);
  window.show();
  Shooter::Settle();

  ShootTabs(window, shooter, QStringLiteral("main-"));
  ShootMenu(window, window.mFile, shooter, QStringLiteral("menu-file"));
  ShootMenu(window, window.mFileLoad, shooter, QStringLiteral("menu-file-load"));
  ShootMenu(window, window.mPassword, shooter, QStringLiteral("menu-password"));
  ShootMenu(window, window.mDefaults, shooter, QStringLiteral("menu-defaults"));

  // Bronze: the statistic and coins edits are disabled.
  window.rbBronze->click();
  window.PageControl1->setCurrentWidget(window.tsCharacters);
  shooter.Save(&window, QStringLiteral("bronze-characters"));
  window.PageControl1->setCurrentWidget(window.tsMain);
  shooter.Save(&window, QStringLiteral("bronze-password"));
  window.rbGold->click();

  // The inventory editor on Isaac's list, as the Edit button opens it.
  velmara::TdlgInventory& editor = *window.dlgInventory;
  editor.InventoryList = window.lbIsaacItems;
  editor.CharacterName = window.CharNames[0];
  editor.StartIndex = 0;
  editor.GoldType = true;
  editor.show();
  shooter.Save(&editor, QStringLiteral("dialog-inventory"));
  editor.reject();

  window.dlgAbout->show();
  shooter.Save(window.dlgAbout, QStringLiteral("dialog-about"));
  window.dlgAbout->reject();

  // The password check dialog on a Gold password pasted with two mistakes on
  // page 2: a zero for the D of row 2 (outside the alphabet) and a C for the
  // c of row 3. First the failing rows, then the candidates found.
  velmara::TdlgPasswordCheck& check = *window.dlgPasswordCheck;
  check.show();
  QString mistyped = QString::fromLatin1(velmara::kDefaultPasswords[velmara::kDefaultMiddle]);
  mistyped[kZeroForD] = u'0';
  mistyped[kCapitalForSmallC] = u'C';
  check.ePassword->InsertText(velmara::FormatPasswordForClipboard(mistyped));
  check.ePassword->moveCursor(QTextCursor::Start);
  shooter.Save(&check, QStringLiteral("dialog-check-rows"));
  check.btnSearch->click();
  shooter.Save(&check, QStringLiteral("dialog-check-candidates"));
  check.reject();

  // The invalid state, as an unusable password text leaves it.
  window.PasswordText = QStringLiteral("ABC");
  window.mFileLoadClipboardClick(nullptr);
  shooter.Save(&window, QStringLiteral("invalid-state"));

  // Sixteen characters that the decoder refuses: its message, then the
  // marker "(from invalid password!)" in the source list.
  window.PasswordText = QStringLiteral("ABCDEFGHJKLMNPQR");
  ShootAndCloseNextBox(shooter, QStringLiteral("invalid-password-message"));
  window.mFileLoadClipboardClick(nullptr);
  shooter.Save(&window, QStringLiteral("invalid-password"));

  return shooter.failed() ? 1 : 0;
}
