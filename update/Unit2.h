#pragma once
// The About window, made hidden at start and shown modally by the main window.
#include "framework/Form.h"

class TForm2 : public marv::Form {
 public:
  TForm2();
};
