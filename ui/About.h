// The about box: what the tool is for, how the password reaches the sequel,
// the version, the project's web page and a notice about the games' rights.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace velmara {

class Platform;

class TdlgAbout : public QDialog {
  Q_OBJECT

 public:
  explicit TdlgAbout(Platform& platform, QWidget* parent = nullptr);

  // Controls, named as in the form.
  QPlainTextEdit* Memo1;
  QLabel* Label5;  // version and translation credits
  QLabel* Label1;  // the project's web address, opened on a click
  QLabel* Label4;  // legal notice
  QPushButton* Button1;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Button1Click();
  void Label1Click();

  Platform& platform_;
};

}  // namespace velmara
