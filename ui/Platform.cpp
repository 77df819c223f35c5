#include "ui/Platform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>

namespace velmara {

namespace {

// Boxes without a title of their own (plain messages, unhandled errors)
// carry the application's title, as the desktop's default boxes do.
QString DefaultBoxTitle() {
  return QApplication::applicationDisplayName();
}

QString RunFileDialog(QWidget* parent, const FileDialogRequest& request,
                      QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, request.title, QString(), request.filter);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(request.defaultSuffix);
  if (mode == QFileDialog::AcceptSave && !request.confirmOverwrite)
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (dialog.exec() != QDialog::Accepted) return QString();
  const QStringList files = dialog.selectedFiles();
  return files.isEmpty() ? QString() : files.first();
}

}  // namespace

QString QtPlatform::getOpenFileName(QWidget* parent, const FileDialogRequest& request) {
  return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

QString QtPlatform::getSaveFileName(QWidget* parent, const FileDialogRequest& request) {
  return RunFileDialog(parent, request, QFileDialog::AcceptSave);
}

void QtPlatform::information(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::information(parent, title, text);
}

void QtPlatform::warning(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::warning(parent, title, text);
}

void QtPlatform::message(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, DefaultBoxTitle(), text, QMessageBox::Ok, parent);
  box.exec();
}

void QtPlatform::error(QWidget* parent, const QString& text) {
  QMessageBox::critical(parent, DefaultBoxTitle(), text);
}

bool QtPlatform::confirm(QWidget* parent, const QString& text) {
  return QMessageBox::question(parent, QStringLiteral("Confirm"), text,
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

std::optional<QString> QtPlatform::prompt(QWidget* parent, const QString& title,
                                          const QString& label, const QString& initial) {
  bool accepted = false;
  const QString text =
      QInputDialog::getText(parent, title, label, QLineEdit::Normal, initial, &accepted);
  if (!accepted) return std::nullopt;
  return text;
}

bool QtPlatform::clipboardHasText() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data != nullptr && data->hasText();
}

QString QtPlatform::clipboardText() {
  return QGuiApplication::clipboard()->text();
}

void QtPlatform::setClipboardText(const QString& text) {
  QGuiApplication::clipboard()->setText(text);
}

void QtPlatform::openUrl(const QUrl& url) {
  QDesktopServices::openUrl(url);
}

}  // namespace velmara
