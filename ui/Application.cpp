#include "Application.h"

#include <QWidget>
#include <exception>

#include "Platform.h"
#include "ProjectInfo.h"

namespace velmara {

QString ApplicationTitle() {
  return QStringLiteral("Velmara Password Generator") + QString::fromUtf8(kProjectByLine);
}

Application::Application(int& argc, char** argv, Platform& platform)
    : QApplication(argc, argv), platform_(platform) {
  // The title names the program where the desktop lists it; the windows keep
  // their own captions.
  setApplicationName(ApplicationTitle());
  setApplicationVersion(QStringLiteral(VELMARA_VERSION));
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
