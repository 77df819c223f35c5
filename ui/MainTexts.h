// Texts of the main window that its code sets at run time: the status line,
// the source-list entries and markers, questions and messages. The texts the
// browser page shows as well come from core's WindowTexts.h; captions that
// never change are set where the controls are built.
#pragma once

#include <QString>

#include "core/WindowTexts.h"

namespace velmara::texts {

inline const QString kWindowCaption = QStringLiteral("Velmara密码生成器");

// Status line.
inline const QString kStatusValid = QString::fromUtf8(window_texts::kStatusValid);
inline const QString kStatusInvalid = QString::fromUtf8(window_texts::kStatusInvalid);

// Source list entries and markers.
inline const QString kSourceDataFile = QString::fromUtf8(window_texts::kSourceDataFile);
inline const QString kSourcePasswordText = QString::fromUtf8(window_texts::kSourcePasswordText);
inline const QString kSourceUnusablePassword =
    QString::fromUtf8(window_texts::kSourceUnusablePassword);
inline const QString kSourceInvalidPassword =
    QString::fromUtf8(window_texts::kSourceInvalidPassword);

// Page list entries are this prefix and the page number from 1.
inline const QString kPagePrefix = QString::fromUtf8(window_texts::kPagePrefix);

// Questions and messages.
inline const QString kInformationTitle = QString::fromUtf8(window_texts::kInformationTitle);
inline const QString kWarningTitle = QString::fromUtf8(window_texts::kWarningTitle);
inline const QString kConfirmDefault = QString::fromUtf8(window_texts::kConfirmDefault);
inline const QString kNoClipboardText = QString::fromUtf8(window_texts::kNoClipboardText);
inline const QString kCannotSaveInvalid = QString::fromUtf8(window_texts::kCannotSaveInvalid);
inline const QString kCannotSaveFile = QString::fromUtf8(window_texts::kCannotSaveFile);
inline const QString kCannotLoadFile = QString::fromUtf8(window_texts::kCannotLoadFile);
inline const QString kSaveInvalidTiles = QString::fromUtf8(window_texts::kSaveInvalidTiles);

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
