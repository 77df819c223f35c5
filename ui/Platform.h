// Every interaction with the desktop that a test must be able to answer goes
// through this interface: file dialogs, message boxes, the one-line prompt,
// the clipboard and opening a web address. The program uses QtPlatform; the
// tests use a scripted implementation that answers from a queue.
#pragma once

#include <QString>
#include <QUrl>
#include <optional>

class QWidget;

namespace velmara {

// A common file dialog as the window defines it.
struct FileDialogRequest {
  QString title;
  QString filter;                 // Qt filter syntax, e.g. "Velmara记忆文件(*.sav)"
  QString defaultSuffix;          // without the dot
  bool confirmOverwrite = false;  // save dialogs only
};

class Platform {
 public:
  virtual ~Platform() = default;

  // The chosen path, or an empty string when the user cancels.
  virtual QString getOpenFileName(QWidget* parent, const FileDialogRequest& request) = 0;
  virtual QString getSaveFileName(QWidget* parent, const FileDialogRequest& request) = 0;

  // Message boxes with one OK button.
  virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
  virtual void warning(QWidget* parent, const QString& title, const QString& text) = 0;
  virtual void message(QWidget* parent, const QString& text) = 0;  // plain, no icon
  virtual void error(QWidget* parent, const QString& text) = 0;    // an unhandled error
  // Yes/No question; true for Yes.
  virtual bool confirm(QWidget* parent, const QString& text) = 0;

  // One-line text prompt with OK and Cancel; nullopt on Cancel.
  virtual std::optional<QString> prompt(QWidget* parent, const QString& title, const QString& label,
                                        const QString& initial) = 0;

  virtual bool clipboardHasText() = 0;
  virtual QString clipboardText() = 0;
  virtual void setClipboardText(const QString& text) = 0;

  // Opens a web address in the desktop's browser; failures are ignored.
  virtual void openUrl(const QUrl& url) = 0;
};

// The real desktop, through Qt's dialogs, clipboard and QDesktopServices.
class QtPlatform final : public Platform {
 public:
  QString getOpenFileName(QWidget* parent, const FileDialogRequest& request) override;
  QString getSaveFileName(QWidget* parent, const FileDialogRequest& request) override;
  void information(QWidget* parent, const QString& title, const QString& text) override;
  void warning(QWidget* parent, const QString& title, const QString& text) override;
  void message(QWidget* parent, const QString& text) override;
  void error(QWidget* parent, const QString& text) override;
  bool confirm(QWidget* parent, const QString& text) override;
  std::optional<QString> prompt(QWidget* parent, const QString& title, const QString& label,
                                const QString& initial) override;
  bool clipboardHasText() override;
  QString clipboardText() override;
  void setClipboardText(const QString& text) override;
  void openUrl(const QUrl& url) override;
};

}  // namespace velmara
