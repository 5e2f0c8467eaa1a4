#include "skin/data/acSkinEngineStart.h"

#include <array>
#include <memory>

#include "skin/data/acManagerHost.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acZLibExNames.h"
#include "skin/data/sSkinManager.h"

namespace {

std::array<std::unique_ptr<TacSkinData>, 4> MakeDefaultData() {
  std::array<std::unique_ptr<TacSkinData>, 4> data;
  for (size_t slot = 0; slot < data.size(); ++slot) {
    data[slot] = std::make_unique<TacSkinData>(nullptr, kSlotPPI[slot]);
    data[slot]->LoadParams();
  }
  return data;
}

}  // namespace

TacSkinData& DefaultSkinData(int slot) {
  static const std::array<std::unique_ptr<TacSkinData>, 4> data = MakeDefaultData();
  return *data.at(static_cast<size_t>(slot));
}

bool AsksForEngineVersion(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments)
    if (SameTextAscii(argument, "/acver")) return true;
  return false;
}

void StartSkinEngine(IacManagerHost& host) {
  static bool started = false;
  if (started) return;
  started = true;
  DefaultSkinData(0);
  if (AsksForEngineVersion(host.ProgramArguments())) host.ShowInfo(kVersionMessage);
}
