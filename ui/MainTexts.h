// Texts of the main window that its code sets at run time: the status line,
// the source-list entries and markers, questions and messages. Captions that
// never change are set where the controls are built.
#pragma once

#include <QString>

namespace velmara::texts {

inline const QString kWindowCaption = QStringLiteral("Velmara密码生成器");

// Status line.
inline const QString kStatusValid = QStringLiteral(
    "设置完毕后点击“刷新密码”以获得密码。你可以抄下密码，或复制整个密码（见密码菜单）到剪贴板，"
    "然后把它粘贴到记事本之类的文本编辑器上。写下状态，道具等等。这也可以帮你记住这个密码能给你什么"
    "。");
inline const QString kStatusInvalid = QStringLiteral(
    "Oops, looks like the data source you chose to load from contains invalid data.  If the data "
    "cannot be corrected, then choose one of the Defaults (see menu) to begin creating "
    "passwords.");

// Source list entries and markers.
inline const QString kSourceDataFile = QStringLiteral("（数据文件）");
inline const QString kSourcePasswordText = QStringLiteral("（密码文件）");
inline const QString kSourceUnusablePassword = QStringLiteral("（不可用的密码！）");
inline const QString kSourceInvalidPassword = QStringLiteral("(from invalid password!)");

// Page list entries are this prefix and the page number from 1.
inline const QString kPagePrefix = QStringLiteral("Page ");

// Questions and messages.
inline const QString kInformationTitle = QStringLiteral("Information");
inline const QString kWarningTitle = QStringLiteral("Warning");
inline const QString kConfirmDefault = QStringLiteral("这会覆盖你所做的一切修改。继续吗？");
inline const QString kNoClipboardText =
    QStringLiteral("Cannot import password:  No text in clipboard.");
inline const QString kCannotSaveInvalid = QStringLiteral("Cannot save data for invalid passwords.");
inline const QString kCannotSaveFile =
    QStringLiteral("Can't save to specified file.. it's probably in use by another program.");
inline const QString kCannotLoadFile = QStringLiteral(
    "Can't load data from specified file.. it's probably in use by another program.");
inline const QString kSaveInvalidTiles = QStringLiteral("Password is invalid.. save anyway?");

// File dialogs: title, filter in Qt's syntax, default suffix.
inline const QString kOpenSaveTitle = QStringLiteral("载入Velmara存档数据...");
inline const QString kOpenSaveFilter = QStringLiteral("Velmara记忆文件(*.sav)");
inline const QString kOpenDataTitle = QStringLiteral("从本程序的密码文件导入...");
inline const QString kOpenDataFilter = QStringLiteral("密码数据文件(*.dat)");
inline const QString kSaveDataTitle = QStringLiteral("保存密码数据...");
inline const QString kSaveDataFilter = QStringLiteral("Velmara password data files (*.dat)");
inline const QString kSaveTilesTitle = QStringLiteral("保存原始密码字符到DMP文件...");
// Both cases: Qt matches patterns case-sensitively here, and the dump is
// written with the lower-case suffix.
inline const QString kSaveTilesFilter = QStringLiteral("Velmara原始密码文件(*.DMP *.dmp)");

}  // namespace velmara::texts
