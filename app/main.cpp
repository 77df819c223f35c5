// The Velmara Password Generator: the application object and the main window.
#include "ui/main.h"
#include "ui/Application.h"
#include "ui/Platform.h"

int main(int argc, char* argv[]) {
  velmara::QtPlatform platform;
  velmara::Application application(argc, argv, platform);
  // The main window creates the inventory editor and the about box itself.
  velmara::TfmMain fmMain(platform);
  fmMain.show();
  return application.exec();
}
