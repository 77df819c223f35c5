#include "ui/Application.h"

#include <QDir>
#include <QIcon>
#include <QWidget>
#include <exception>

#include "ui/Platform.h"
#include "ui/ProjectInfo.h"

namespace velmara {

QString ApplicationTitle() {
  return QStringLiteral("Velmara Password Generator") + QString::fromUtf8(kProjectByLine);
}

QIcon ProgramIcon() {
  QIcon icon;
  const QDir sizes(QStringLiteral(":/icons"));
  for (const QString& name : sizes.entryList({QStringLiteral("icon-*.png")}))
    icon.addFile(sizes.filePath(name));
  return icon;
}

Application::Application(int& argc, char** argv, Platform& platform)
    : QApplication(argc, argv), platform_(platform) {
  // The plain program name becomes the window class, and the desktop file
  // name ties the windows to the installed desktop entry and its icon. The
  // title with the by-line is the display name: the desktop shows it after
  // each window's own caption on the task bar, and boxes without a title of
  // their own carry it.
  setApplicationName(QString::fromLatin1(kProgramName));
  setApplicationDisplayName(ApplicationTitle());
  setApplicationVersion(QStringLiteral(VELMARA_VERSION));
  setDesktopFileName(QString::fromLatin1(kApplicationId));
  setWindowIcon(ProgramIcon());
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ReportError(QString::fromUtf8(error.what()));
  } catch (...) {
    ReportError(QStringLiteral("Unknown error."));
  }
  return false;
}

void Application::ReportError(const QString& message) {
  platform_.error(activeWindow(), message);
}

}  // namespace velmara
