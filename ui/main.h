// The main window: owner of the party record, the encoder and decoder, the
// current password text and the validity of the loaded data. Its handlers are
// split by job over main.cpp (construction and layout), MainKeys.cpp (which
// keys reach the controls), MainData.cpp (record and controls),
// MainPassword.cpp (making and paging the password), MainInventory.cpp
// (inventory lists), MainSources.cpp (source list, password text import,
// validity, defaults) and MainFiles.cpp (files and clipboard).
#pragma once

#include <QByteArray>
#include <QMainWindow>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "codec/Password.h"
#include "codec/PasswordData.h"
#include "codec/VelmaraData.h"

class QAction;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace velmara {

class Platform;
class TSourceListBox;
class TdlgAbout;
class TdlgInventory;
class TdlgPasswordCheck;

// The 32-bit tag of a source-list entry (under kSourceTagRole): a block's
// byte offset in the save file, or kNoSourceTag for the single data-file or
// password-text entry.
constexpr std::int32_t kNoSourceTag = -1;

// Where the data in the record came from.
enum TDataSource : std::int32_t { dsSaveFile = 0, dsDataFile = 1, dsPasswordText = 2 };

class TfmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit TfmMain(Platform& platform, QWidget* parent = nullptr);
  ~TfmMain() override;

  // --- Run-time state.
  TPasswordData Data{};
  TVelmaraPasswordEncoder Encoder;
  TVelmaraPasswordDecoder Decoder;
  QString PasswordText;  // one password character per code point
  bool DataValid = false;
  std::int32_t DataSource = dsPasswordText;
  std::array<QString, kCharacterCount> CharNames;
  QByteArray SaveImage;  // the last battery save read, at most its first 65,536 bytes
  std::vector<ItemName> ItemNames;

  TdlgInventory* dlgInventory = nullptr;
  TdlgAbout* dlgAbout = nullptr;
  TdlgPasswordCheck* dlgPasswordCheck = nullptr;

  // --- Menus.
  QMenu* mFile;
  QMenu* mFileLoad;
  QAction* mFileLoadSavegame;
  QAction* mFileLoadDatafile;
  QAction* N3;
  QAction* mFileLoadClipboard;
  QAction* N1;
  QAction* mFileSavePwdData;
  QAction* mFileSaveTiles;
  QAction* N2;
  QAction* mFileExit;
  QMenu* mPassword;
  QAction* mPasswordClipboard;
  QAction* mPasswordCheck;
  QAction* mPasswordImport;
  QAction* mPasswordPrint;
  QMenu* mDefaults;
  QAction* mDefaultsLow;
  QAction* mDefaultsMid;
  QAction* mDefaultsHigh;
  QAction* mAbout;

  // --- Page control and tab sheets.
  QTabWidget* PageControl1;
  QWidget* tsMain;
  QWidget* tsDjinn;
  QWidget* tsCharacters;
  QWidget* tsItems;
  QWidget* tsMisc;

  // --- Password tab.
  QGroupBox* GroupBox1;
  QRadioButton* rbGold;
  QRadioButton* rbSilver;
  QRadioButton* rbBronze;
  QGroupBox* gbTypeInfo;
  QLabel* lblTypeBronze;
  QLabel* lblTypeSilver;
  QLabel* lblTypeGold;
  QFrame* Bevel1;
  QLabel* lblStatus;
  QPushButton* btnPassword;
  QPlainTextEdit* Memo1;
  QListWidget* lbPages;
  QLabel* lblSaveSlots;
  TSourceListBox* lbSaveSlots;

  // --- Djinn tab.
  QGroupBox* gbDjinn;
  QListWidget* clbVenus;
  QListWidget* clbMercury;
  QListWidget* clbMars;
  QListWidget* clbJupiter;
  QPushButton* btnDjinn;

  // --- Characters tab.
  QGroupBox* gbIsaacStats;
  QGroupBox* gbGaretStats;
  QGroupBox* gbIvanStats;
  QGroupBox* gbMiaStats;
  QLineEdit *eIsaacLevel, *eIsaacHP, *eIsaacPP, *eIsaacAttack, *eIsaacDefense, *eIsaacAgility,
      *eIsaacLuck;
  QLineEdit *eGaretLevel, *eGaretHP, *eGaretPP, *eGaretAttack, *eGaretDefense, *eGaretAgility,
      *eGaretLuck;
  QLineEdit *eIvanLevel, *eIvanHP, *eIvanPP, *eIvanAttack, *eIvanDefense, *eIvanAgility, *eIvanLuck;
  QLineEdit *eMiaLevel, *eMiaHP, *eMiaPP, *eMiaAttack, *eMiaDefense, *eMiaAgility, *eMiaLuck;

  // --- Items tab.
  QGroupBox* gbIsaacItems;
  QGroupBox* gbGaretItems;
  QGroupBox* gbIvanItems;
  QGroupBox* gbMiaItems;
  QListWidget* lbIsaacItems;
  QListWidget* lbGaretItems;
  QListWidget* lbIvanItems;
  QListWidget* lbMiaItems;
  QPushButton* btnIsaacItem;
  QPushButton* btnGaretItem;
  QPushButton* btnIvanItem;
  QPushButton* btnMiaItem;

  // --- Other tab.
  QLineEdit* eCoins;
  QListWidget* clbSidequest;

  // --- Record and controls.
  void DataToControls();
  void ControlsToData();
  void btnDjinnClick();

  // --- Password display.
  TPasswordType SelectedType() const;
  void rbPasswordTypeClick(QObject* Sender);
  void btnPasswordClick();
  void GeneratePassword();
  void lbPagesClick();
  void ShowPage(int Page);

  // --- Inventory lists.
  void EnsureStoryItem(std::uint16_t Id);
  void btnInventoryEdit(QObject* Sender);
  void lbInventoryItemsDblClick(QObject* Sender);

  // --- Data sources, validity and defaults.
  void RefreshDataSource(bool Rebuild);
  void lbSaveSlotsClick();
  void ShowValidity();
  void mFileLoadClipboardClick(QObject* Sender);
  void DecodePasswordText();
  void mDefaultsClick(QObject* Sender);
  void LoadDefaultPassword(const QString& Text);
  void mPasswordCheckClick();

  // --- Files and clipboard.
  void mFileLoadSavegameClick();
  void mFileLoadDatafileClick();
  void mFileSavePwdDataClick();
  void mFileSaveTilesClick();
  void mPasswordClipboardClick();

  // --- Menu items of this window itself.
  void mFileExitClick();
  void mAboutClick();
  void mPasswordImportClick() {}
  void mPasswordPrintClick() {}

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Construction (main.cpp).
  void CreateMenus();
  void CreateMainTab();
  void CreateDjinnTab();
  void CreateCharactersTab();
  void CreateItemsTab();
  void CreateMiscTab();
  void ConnectHandlers();
  void FormCreate();
  void FormShow();

  // Keys (MainKeys.cpp).
  void GuardKeys();
  bool IsMenuShortcut(const QKeyEvent* key) const;

  // Record and controls (MainData.cpp).
  void DjinnToControls();
  void ControlsToDjinn();
  void StatsToControls();
  void ControlsToStats();
  void MiscToControls();
  void ControlsToMisc();

  // Inventory lists (MainInventory.cpp).
  void ItemsToControls();
  void ControlsToItems();
  int InventoryOwner(QObject* Sender) const;

  // Password pages (MainPassword.cpp).
  void RebuildPageList(int pages);

  // Source list and password type (MainSources.cpp).
  void AddSourceEntry(const QString& text, std::int32_t tag);
  void MarkSourceList(const QString& text);
  void ResetSourceListFont();
  void SelectType(TPasswordType type);
  void UpdateGroupCaptions();

  Platform& platform_;
};

}  // namespace velmara
