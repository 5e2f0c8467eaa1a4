// The main window's skin manager: made with the window, loaded from the program's
// internal skin as the stored settings say.
#include "app/Unit1.h"
#include "app/Unit1SkinSettings.h"
#include "framework/Application.h"
#include "skin/forms/acEngineHooks.h"
#include "skin/windows/acResourceBytes.h"

void TForm1::CreateSkinManager() {
  sknmngr1Host = std::make_unique<TacFrameworkHost>(this);
  sknmngr1 = std::make_unique<TsSkinManager>(*sknmngr1Host);
  if (marv::Application* app = marv::Application::Current()) AttachWindowSkinning(*sknmngr1, *app);
  if (!ApplySknmngr1Settings(*sknmngr1, ProgramResourceData(L"INTERNALSKINS")))
    sknmngr1Host->Errors().ShowError("The program's internal skins are damaged.");
}
