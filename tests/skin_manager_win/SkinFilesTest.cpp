// Skins next to the program and in other folders, with Windows paths, and a broken one:
// the error box is shown and the embedded skin stays.
#include <gtest/gtest.h>

#include <filesystem>

#include "framework/Application.h"
#include "skin/data/acZLibEx.h"
#include "tests/support/UiDriver.h"
#include "tests/support/FixtureSkins.h"
#include "tests/skin_manager_win/ObservedForms.h"
#include "tests/support/ScratchDir.h"

namespace {

FixtureSkin OtherSkin() {
  return SmallSkin("[GLOBALINFO]\nVERSION=13.5\nMASTERBITMAP=MASTER.PNG\n[OTHERSKIN]\n"
                   "BORDERSMASK=^0000^0000^0012^0008^0002^0002^0002^0002^3^0^1\n");
}

std::filesystem::path ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::filesystem::path(path).parent_path();
}

// The folder "Skins" beside this program, for as long as the test runs.
struct SkinsBesideProgram {
  std::filesystem::path path = ProgramFolder() / "Skins";
  SkinsBesideProgram() { std::filesystem::create_directories(path); }
  ~SkinsBesideProgram() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
};

}  // namespace

TEST(SkinFilesUnderWine, APackageBesideTheProgramWinsOverTheEmbeddedSkin) {
  SkinsBesideProgram skins;
  ASSERT_TRUE(WriteFileBytes(skins.path / "Slate.asz", OtherSkin().Pack()));
  marv::Application app;
  auto& form = app.CreateForm<ObservedForm1>();
  EXPECT_EQ(form.sknmngr1->SkinName(), "Slate");
  EXPECT_EQ(form.sknmngr1->SkinInfo(), "13.5");
  EXPECT_GE(form.sknmngr1->GetSkinIndex("OTHERSKIN"), 0);
}

TEST(SkinFilesUnderWine, ASkinFolderInAnAbsoluteSkinDirectoryIsUsed) {
  const ScratchDir dir;
  const FixtureSkin skin = OtherSkin();
  std::filesystem::create_directories(dir / "Slate");
  ASSERT_TRUE(WriteFileBytes(dir / "Slate" / "Options.dat",
                             {reinterpret_cast<const uint8_t*>(skin.Options.data()), skin.Options.size()}));
  ASSERT_TRUE(WriteFileBytes(dir / "Slate" / "MASTER.PNG", skin.Files[0].Bytes));
  marv::Application app;
  auto& form = app.CreateForm<ObservedForm1>();
  form.sknmngr1->SetSkinDirectory(dir.path().string());
  form.sknmngr1->SetSkinName("Slate");
  EXPECT_GE(form.sknmngr1->GetSkinIndex("OTHERSKIN"), 0);
  EXPECT_EQ(form.sknmngr1->SkinCommonInfo.SkinPath, dir.path().string() + "\\Slate\\");
}

TEST(SkinFilesUnderWine, ABrokenPackageShowsTheErrorBoxAndKeepsTheEmbeddedSkin) {
  SkinsBesideProgram skins;
  ASSERT_TRUE(WriteFileBytes(skins.path / "Broken.asz", std::vector<uint8_t>(64, 'x')));
  marv::Application app;
  auto& form = app.CreateForm<ObservedForm1>();
  form.received.clear();
  uitest::WindowWatcher watcher;
  form.sknmngr1->SetSkinName("Broken");
  ASSERT_EQ(watcher.Boxes().size(), 1u);
  EXPECT_EQ(watcher.Boxes()[0].caption, L"Error");
  EXPECT_EQ(watcher.Boxes()[0].text, L"Loaded data is not a packed skin file");
  EXPECT_EQ(watcher.Boxes()[0].icon, IDI_ERROR);
  EXPECT_EQ(form.sknmngr1->SkinName(), "Slate (internal)");
  EXPECT_TRUE(form.sknmngr1->IsActive());
  EXPECT_TRUE(form.received.empty());
}
