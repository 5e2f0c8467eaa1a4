#include "app/Startup.h"

#include "app/Unit1.h"
#include "update/Unit2.h"

void CreateProgramForms(marv::Application& app) {
  app.Initialize();
  app.CreateForm<TForm1>();
  app.CreateForm<TForm2>();
}
