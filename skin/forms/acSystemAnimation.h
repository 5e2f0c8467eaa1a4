#pragma once
// The system's own minimize and restore animation is a setting of the whole session: it
// is switched off only while one system command runs, and always put back as it was.
#include "skin/forms/logic/acSettingScope.h"

class TacSystemMinimizeAnimationOff {
 public:
  TacSystemMinimizeAnimationOff();

 private:
  TacSettingScope scope_;
};

// The session's minimize-animation flag now; false when it cannot be read.
bool SystemMinimizeAnimation();
