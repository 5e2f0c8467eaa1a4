#pragma once
// The last system command the main window got, as the form animations read it: whether
// it is being minimized, restored or neither.
#include <cstdint>

enum TacShowAction : uint8_t { saIgnore, saRestore, saMinimize, saMaximize };

class TacShowState {
 public:
  // WM_SYSCOMMAND's wParam; its low four bits belong to the system (0xF012 is a move by
  // the mouse, 0xF122 a restore by double click) and are not compared.
  TacShowAction Follow(uintptr_t sysCommand) {
    switch (sysCommand & 0xFFF0) {
      case 0xF020: value_ = saMinimize; break;  // SC_MINIMIZE
      case 0xF120: value_ = saRestore; break;   // SC_RESTORE
      default: value_ = saIgnore; break;
    }
    return value_;
  }
  // Read and set like the plain value it stands for (StartRestoring sets saRestore).
  TacShowState& operator=(TacShowAction value) {
    value_ = value;
    return *this;
  }
  operator TacShowAction() const { return value_; }
  TacShowAction Value() const { return value_; }

 private:
  TacShowAction value_ = saIgnore;
};
