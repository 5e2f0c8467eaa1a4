#include "skin/data/acSkinEngineStart.h"

#include "skin/data/acZLibExNames.h"

bool AsksForEngineVersion(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments)
    if (SameTextAscii(argument, "/acver")) return true;
  return false;
}
