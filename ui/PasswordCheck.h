// The password check dialog: the user types or pastes password text, sees
// while typing how many characters there are against the three lengths,
// which rows check and which characters lie outside the alphabet, lets the
// repair search list the passwords the text was most likely meant to be, and
// chooses one to use. The main window loads the chosen password as pasted
// password text; Cancel, Esc and the close box change nothing.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QListWidget;
class QPushButton;

namespace velmara {

class Platform;
class TPasswordEntry;
struct RepairResult;

class TdlgPasswordCheck : public QDialog {
  Q_OBJECT

 public:
  // `platform` supplies the clipboard for the entry; it must outlive the dialog.
  explicit TdlgPasswordCheck(Platform& platform, QWidget* parent = nullptr);

  // The candidate that Use chose; empty at every opening until then.
  QString ChosenPassword;

  // Controls.
  QLabel* lblPassword;
  TPasswordEntry* ePassword;
  QLabel* lblLength;   // the number of characters against the three lengths
  QLabel* lblRows;     // the rows that fail
  QLabel* lblInvalid;  // the characters outside the alphabet
  QPushButton* btnSearch;
  QLabel* lblCandidates;
  QListWidget* lbCandidates;
  QLabel* lblResult;  // the decoder's message and what the search found
  QPushButton* btnUse;
  QPushButton* btnCancel;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void LayOutControls();
  void ConnectHandlers();

  void FormShow();
  void ePasswordChange();
  void btnSearchClick();
  void btnUseClick();
  void lbCandidatesSelect();
  void lbCandidatesDblClick();

  void ClearCandidates();
  void ListCandidates(const RepairResult& result);
};

}  // namespace velmara
