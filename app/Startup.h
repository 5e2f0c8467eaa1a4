#pragma once
// The program's start, up to its message loop: the application object, the main window
// (it carries the taskbar button) and the About window, made hidden.
#include "framework/Application.h"

void CreateProgramForms(marv::Application& app);
