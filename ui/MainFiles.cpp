// Loading and saving through the File and Password menus: battery saves,
// password data files, raw tile dumps and the clipboard copy. The file work
// itself (bounded reads, writes that never leave a half-written file) lives
// in the sources library; this file does the window's part.
#include <QListWidget>
#include <QSignalBlocker>
#include <QTabWidget>

#include "sources/DataFile.h"
#include "sources/PasswordText.h"
#include "sources/SaveFile.h"
#include "sources/TileDump.h"
#include "ui/MainTexts.h"
#include "ui/Platform.h"
#include "ui/SourceList.h"
#include "ui/main.h"

namespace velmara {

namespace {

const FileDialogRequest kOpenSaveDialog{texts::kOpenSaveTitle, texts::kOpenSaveFilter,
                                        QStringLiteral("sav"), false};
const FileDialogRequest kOpenDataDialog{texts::kOpenDataTitle, texts::kOpenDataFilter,
                                        QStringLiteral("dat"), false};
const FileDialogRequest kSaveDataDialog{texts::kSaveDataTitle, texts::kSaveDataFilter,
                                        QStringLiteral("dat"), true};
const FileDialogRequest kSaveTilesDialog{texts::kSaveTilesTitle, texts::kSaveTilesFilter,
                                         QStringLiteral("dmp"), true};

}  // namespace

void TfmMain::mFileLoadSavegameClick() {
  const QString path = platform_.getOpenFileName(this, kOpenSaveDialog);
  if (path.isEmpty()) {
    ShowValidity();
    return;
  }
  SaveImage.clear();
  std::optional<QByteArray> image = ReadSaveImage(path);
  if (!image) {
    DataValid = false;
    // The entries of an earlier save would point into the emptied image:
    // they leave the list at once, so no click can read from it.
    const QSignalBlocker blocker(lbSaveSlots);
    lbSaveSlots->clear();
    ShowValidity();
    return;
  }
  SaveImage = std::move(*image);
  DataValid = static_cast<std::size_t>(SaveImage.size()) >= kSaveImageSize;
  DataSource = dsSaveFile;
  RefreshDataSource(true);
  // The password is not rebuilt here: it follows at the next refresh or
  // click on an entry.
  DataToControls();
  PageControl1->setCurrentWidget(tsMain);
  ShowValidity();
}

void TfmMain::mFileLoadDatafileClick() {
  const QString path = platform_.getOpenFileName(this, kOpenDataDialog);
  if (path.isEmpty()) {
    ShowValidity();
    return;
  }
  switch (LoadDataFile(path, Data)) {
    case DataFileStatus::Unreadable:
      platform_.information(this, texts::kInformationTitle, texts::kCannotLoadFile);
      return;
    case DataFileStatus::WrongSize:
      DataValid = false;  // the record keeps what it held
      break;
    case DataFileStatus::Loaded:
      DataValid = true;
      break;
  }
  SaveImage.clear();
  DataSource = dsDataFile;
  RefreshDataSource(true);
  DataToControls();
  btnPasswordClick();
  PageControl1->setCurrentWidget(tsMain);
  ShowValidity();
}

void TfmMain::mFileSavePwdDataClick() {
  if (!DataValid) {
    platform_.warning(this, texts::kWarningTitle, texts::kCannotSaveInvalid);
    return;
  }
  // The file holds what the controls show.
  btnPasswordClick();
  const QString path = platform_.getSaveFileName(this, kSaveDataDialog);
  if (path.isEmpty()) return;
  // A FIFO nobody reads would hold the window; such a save fails instead.
  if (!SaveDataFile(path, Data, nullptr, WriteWait::NeverWait))
    platform_.information(this, texts::kInformationTitle, texts::kCannotSaveFile);
}

void TfmMain::mFileSaveTilesClick() {
  if (DataValid) {
    btnPasswordClick();
  } else if (!platform_.confirm(this, texts::kSaveInvalidTiles)) {
    return;  // with Yes, the tiles of the last password built are written
  }
  const QString path = platform_.getSaveFileName(this, kSaveTilesDialog);
  if (path.isEmpty()) return;
  std::uint8_t tiles[kMaxTiles];
  Encoder.GetTiles(tiles);
  if (!SaveTileDump(path, tiles, nullptr, WriteWait::NeverWait))
    platform_.information(this, texts::kInformationTitle, texts::kCannotSaveFile);
}

void TfmMain::mPasswordClipboardClick() {
  // While the data is invalid nothing is rebuilt and the last password is copied.
  btnPasswordClick();
  platform_.setClipboardText(FormatPasswordForClipboard(PasswordText));
}

}  // namespace velmara
