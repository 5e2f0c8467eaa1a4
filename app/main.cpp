#include <windows.h>

#include "app/Startup.h"
#include "skin/data/acSkinEngine.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // The skin engine in use for the whole run: made before, and gone after, every form
  // and skin manager.
  TacSkinEngine skinEngine;
  marv::Application app;
  CreateProgramForms(app);
  // Shows the main window; its first showing runs the update check.
  return app.Run();
}
