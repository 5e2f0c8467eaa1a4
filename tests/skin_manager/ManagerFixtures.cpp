#include "tests/skin_manager/ManagerFixtures.h"

#include <stdexcept>

#include "app/Unit1SkinSettings.h"
#include "skin/data/acZLibEx.h"

namespace {
std::vector<uint8_t> ReadBuilt(const char* path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) throw std::runtime_error(std::string("the build made no ") + path);
  return *bytes;
}
}  // namespace

std::vector<uint8_t> SlateStoredBytes() { return ReadBuilt(SLATE_STORED); }
std::vector<uint8_t> SlatePackage() { return ReadBuilt(SLATE_PACKAGE); }

FixtureSkin LookupSkin(std::string version) {
  return SmallSkin(
      "[GLOBALINFO]\n"
      "VERSION=" + version + "\n"
      "MASTERBITMAP=MASTER.PNG\n"
      "[BUTTON]\n"
      "BORDERSMASK=^0000^0000^0012^0008^0002^0002^0002^0002^3^0^1\n"
      "BORDERSMASK*150=^0000^0016^0018^0028^0003^0003^0003^0003^3^0^1\n"
      "PATTERN=~0000~0032~0008~0040~00~0\n"
      "[SPEEDBUTTON]\n"
      "PARENTCLASS=BUTTON\n"
      "[TOOLBUTTON]\n"
      "PARENTCLASS=SPEEDBUTTON\n"
      "[SELFISH]\n"
      "PARENTCLASS=SELFISH\n"
      "[LOOPA]\n"
      "PARENTCLASS=LOOPB\n"
      "[LOOPB]\n"
      "PARENTCLASS=LOOPA\n"
      "[ORPHAN]\n"
      "PARENTCLASS=NOSUCHSECTION\n");
}

FixtureSkin TinySkin(const std::string& section, const std::string& version) {
  return SmallSkin("[GLOBALINFO]\nVERSION=" + version + "\nMASTERBITMAP=MASTER.PNG\n[" + section +
                   "]\nBORDERSMASK=^0000^0000^0012^0008^0002^0002^0002^0002^3^0^1\n");
}

void AddInternalSkin(TsSkinManager& manager, const std::string& name, std::vector<uint8_t> package) {
  TsStoredSkin& item = manager.InternalSkins().Add();
  item.Name = name;
  item.PackedData = std::move(package);
}

std::unique_ptr<TsSkinManager> ProgramManager(RecordingHost& host) {
  auto manager = std::make_unique<TsSkinManager>(host);
  if (!ApplySknmngr1Settings(*manager, SlateStoredBytes())) throw std::runtime_error("damaged Slate.stored");
  manager->Loaded();
  return manager;
}
