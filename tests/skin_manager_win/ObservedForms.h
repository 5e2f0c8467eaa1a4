#pragma once
// The program's main window with every skin command that reaches it or any of its
// controls written down, from the moment it is made.
#include <windows.h>

#include <string>
#include <vector>

#include "app/Unit1.h"
#include "framework/Form.h"

struct ReceivedCommand {
  std::wstring Control;  // the receiver's name
  uint16_t Command = 0;
  LPARAM LParam = 0;
  DWORD Tick = 0;  // when it arrived (GetTickCount)
};

// Writes down the skin commands a control and all its descendants receive.
void ObserveSkinCommands(marv::Control& root, std::vector<ReceivedCommand>& log);
// Every control under root (root first), depth first in child order.
std::vector<marv::Control*> ControlsOf(marv::Control& root);

class ObservedForm1 final : public TForm1 {
 public:
  ObservedForm1() { ObserveSkinCommands(*this, received); }
  std::vector<ReceivedCommand> received;
};


// The commands of one number, in order of arrival, by receiver name.
std::vector<std::wstring> ReceiversOf(const std::vector<ReceivedCommand>& log, uint16_t command);
