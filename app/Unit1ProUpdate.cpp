#include "app/Unit1.h"

// No update check yet: the program always stays.
bool TForm1::ProUpdate() { return false; }
