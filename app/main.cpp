#include <windows.h>

#include "app/Startup.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  marv::Application app;
  CreateProgramForms(app);
  // Shows the main window; its first showing runs the update check.
  return app.Run();
}
