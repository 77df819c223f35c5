// Texts that the desktop window and the browser page both show at run time,
// in UTF-8: the status line, the source-list entries and markers, the page
// list, and the questions and messages around loading and saving.
#pragma once

namespace velmara::window_texts {

// Status line.
inline constexpr char kStatusValid[] =
    "设置完毕后点击“刷新密码”以获得密码。你可以抄下密码，或复制整个密码（见密码菜单）到剪贴板，"
    "然后把它粘贴到记事本之类的文本编辑器上。写下状态，道具等等。这也可以帮你记住这个密码能给你什么"
    "。";
inline constexpr char kStatusInvalid[] =
    "Oops, looks like the data source you chose to load from contains invalid data.  If the data "
    "cannot be corrected, then choose one of the Defaults (see menu) to begin creating "
    "passwords.";

// Source list entries and markers.
inline constexpr char kSourceDataFile[] = "（数据文件）";
inline constexpr char kSourcePasswordText[] = "（密码文件）";
inline constexpr char kSourceUnusablePassword[] = "（不可用的密码！）";
inline constexpr char kSourceInvalidPassword[] = "(from invalid password!)";

// Page list entries are this prefix and the page number from 1.
inline constexpr char kPagePrefix[] = "Page ";

// Questions and messages.
inline constexpr char kInformationTitle[] = "Information";
inline constexpr char kWarningTitle[] = "Warning";
inline constexpr char kConfirmDefault[] = "这会覆盖你所做的一切修改。继续吗？";
inline constexpr char kNoClipboardText[] = "Cannot import password:  No text in clipboard.";
inline constexpr char kCannotSaveInvalid[] = "Cannot save data for invalid passwords.";
inline constexpr char kCannotSaveFile[] =
    "Can't save to specified file.. it's probably in use by another program.";
inline constexpr char kCannotLoadFile[] =
    "Can't load data from specified file.. it's probably in use by another program.";
inline constexpr char kSaveInvalidTiles[] = "Password is invalid.. save anyway?";

}  // namespace velmara::window_texts
