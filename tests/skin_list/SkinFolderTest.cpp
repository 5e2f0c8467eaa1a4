// A real skin folder with the program's Slate and the tests' Ember packages.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/skin_list/SkinListFixture.h"
#include "tests/support/ScratchDir.h"

namespace {

// The mean of red, green and blue over the picture.
double MeanBrightness(const PixelImage& picture) {
  double sum = 0;
  for (uint32_t p : picture.data()) sum += (PixelR(p) + PixelG(p) + PixelB(p)) / 3.0;
  return sum / static_cast<double>(picture.data().size());
}

}  // namespace

TEST(SkinFolder, TwoPackagesAreListedWithPreviewsAsDifferentAsTheSkins) {
  ScratchDir dir;
  std::filesystem::copy_file(SLATE_PACKAGE, dir / "Slate.asz");
  std::filesystem::copy_file(EMBER_PACKAGE, dir / "Ember.asz");
  RecordingHost host;
  TsSkinManager manager(host);
  manager.SetSkinDirectory(dir.path().string());
  manager.SetSkinListController(std::make_unique<TacSkinListController>(manager, host, DefaultSkinListServices(host)));

  std::vector<TacSkinNameItem> names;
  manager.GetSkinNames(names, true);
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[0].Name, "Ember");
  EXPECT_EQ(names[1].Name, "Slate");
  ASSERT_GE(names[0].Data->ImageIndex, 0);
  ASSERT_GE(names[1].Data->ImageIndex, 0);
  const auto& previews = manager.SkinList()->Previews();
  const double ember = MeanBrightness(previews[static_cast<size_t>(names[0].Data->ImageIndex)]);
  const double slate = MeanBrightness(previews[static_cast<size_t>(names[1].Data->ImageIndex)]);
  EXPECT_LT(ember, 110);  // a dark window
  EXPECT_GT(slate, 180);  // a light one

  manager.SetSkinName("Ember");  // and it is a skin the manager loads
  EXPECT_TRUE(host.errors.errors.empty());
  ASSERT_TRUE(manager.IsActive());
  EXPECT_EQ(manager.gd()[static_cast<size_t>(manager.GetSkinIndex("FORM"))].Props[0].Color, 0x332A2Bu);
}
