// A skin whose master bitmap is a palette BMP is opened like any other.
#include <gtest/gtest.h>

#include "skin/data/acZLibEx.h"
#include "tests/support/ImageWriters.h"
#include "tests/skin_manager/ManagerFixtures.h"
#include "tests/support/ScratchDir.h"

TEST(PaletteMaster, AnEightBitMasterBitmapIsTakenAndTheSkinLoads) {
  FixtureSkin skin{"[GLOBALINFO]\nVERSION=14.01\nMASTERBITMAP=MASTER.BMP\n"
                   "[BUTTON]\nBORDERSMASK=^0000^0000^0012^0008^0002^0002^0002^0002^3^0^1\n",
                   {}};
  const PixelImage master = PatternPicture(64, 64);
  skin.Add("MASTER.BMP", EncodeBmp(master, BmpKind::Indexed8));
  const ScratchDir dir;
  RecordingHost host;
  const auto manager = ProgramManager(host);
  manager->SetSkinDirectory(dir.path().string());
  ASSERT_TRUE(WriteFileBytes(dir / "Palette.asz", skin.Pack()));

  manager->SetSkinName("Palette");

  EXPECT_EQ(host.errors.errors, std::vector<std::string>{});
  EXPECT_EQ(manager->SkinName(), "Palette");
  ASSERT_NE(manager->MasterBitmap(), nullptr);
  EXPECT_EQ(*manager->MasterBitmap(), master);
  EXPECT_GE(manager->CommonSkinData(96).GetMaskIndex("BUTTON", "BORDERSMASK"), 0);
}
