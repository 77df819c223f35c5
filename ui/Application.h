// The application object of the program. An exception that escapes an event
// handler (an encoder message, for example) is shown in an error box with its
// message, and the program carries on in the state the handler had reached.
#pragma once

#include <QApplication>
#include <QIcon>
#include <QString>

namespace velmara {

class Platform;

// "Velmara Password Generator" and the project's by-line.
QString ApplicationTitle();

// The program's icon in every size it is drawn in; the window icon.
QIcon ProgramIcon();

class Application : public QApplication {
  Q_OBJECT

 public:
  // `platform` shows the error boxes; it must outlive the application.
  Application(int& argc, char** argv, Platform& platform);

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  void ReportError(const QString& message);

  Platform& platform_;
};

}  // namespace velmara
