#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "skin/data/acImageDecode.h"
#include "skin/paint/sGraphUtils.h"
#include "tests/support/PaintSkin.h"
#include "tests/support/ScratchDir.h"
#include "tests/support/SkinToolRunner.h"

namespace {

class SkinToolPaintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::vector<uint8_t> bytes = PaintSkin().Pack();
    std::ofstream(skin_, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }
  PixelImage Picture(const std::string& file) {
    std::ifstream in(dir_ / file, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    auto image = DecodeImage(bytes);
    return image ? std::move(image->Pixels) : PixelImage{};
  }
  std::string Out(const std::string& file) const { return (dir_ / file).string(); }

  ScratchDir dir_;
  std::string skin_ = (dir_ / "paint.asz").string();
};

TEST_F(SkinToolPaintTest, RenderPaintsTheSectionOverTheFormBackground) {
  const ToolRun run = SkinTool({"render", skin_, "BUTTON", "--state", "1", "--size", "40x16", "-o", Out("b.png")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.out.find("40 x 16 at 96 PPI"), std::string::npos);
  const PixelImage got = Picture("b.png");
  ASSERT_EQ(got.width(), 40);
  ASSERT_EQ(got.height(), 16);
  // The same as the painter gives for a control over the skin's form colour (0xE6E6E6).
  const LoadedModel model = LoadModel(PaintSkin(), 96);
  PixelImage expected(40, 16, 0xFFE6E6E6u);
  TacElementOwnerData owner;
  owner.Data = model.Data.get();
  owner.Index = model.Data->GetSkinIndex("BUTTON");
  PaintElement(owner, MakeCacheInfo(expected.view()), 1, expected.view(), {}, {0, 0, 40, 16}, true);
  EXPECT_TRUE(got == expected);

  const ToolRun big = SkinTool({"render", skin_, "BUTTON", "--size", "40x16", "--ppi", "192", "-o", Out("b2.png")});
  ASSERT_EQ(big.code, 0) << big.err;
  EXPECT_EQ(Picture("b2.png").width(), 80);
}

TEST_F(SkinToolPaintTest, RenderRefusesWhatItCannotDo) {
  struct Case {
    std::vector<std::string> args;
    int code;
    const char* message;
  };
  const Case cases[] = {
      {{"render", skin_, "button", "-o", Out("x.png")}, 1, "no section \"button\""},
      {{"render", skin_, "BUTTON", "--size", "40", "-o", Out("x.png")}, 2, "--size takes"},
      {{"render", skin_, "BUTTON", "--size", "0x5", "-o", Out("x.png")}, 2, "--size takes"},
      {{"render", skin_, "BUTTON", "--state", "-1", "-o", Out("x.png")}, 2, "--state takes"},
      {{"render", skin_, "BUTTON", "--ppi", "9000", "-o", Out("x.png")}, 2, "--ppi takes"},
      {{"render", skin_, "BUTTON", "--text", "OK", "-o", Out("x.png")}, 2, "needs the Windows build"},
      {{"render", Out("missing.asz"), "BUTTON", "-o", Out("x.png")}, 1, "missing.asz"},
      {{"render", skin_, "BUTTON"}, 2, "missing option \"-o\""},
  };
  for (const Case& c : cases) {
    const ToolRun run = SkinTool(c.args);
    EXPECT_EQ(run.code, c.code) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(dir_ / "x.png"));
}

TEST_F(SkinToolPaintTest, SheetHasARowPerSectionWithItsStates) {
  const ToolRun run = SkinTool({"sheet", skin_, "-o", Out("s.png")});
  ASSERT_EQ(run.code, 0) << run.err;
  // FORM, BUTTON, TEXTURED, TRIANGLES, GLASS, ALPHAFRAME, KEYFRAME, the two sections every
  // skin gets (TRANSPARENT, MAINCOLOR) and the four column headers made from BUTTON; no
  // glyphs in GLOBALINFO.
  EXPECT_NE(run.out.find("wrote 13 sections and glyphs"), std::string::npos) << run.out;
  const PixelImage sheet = Picture("s.png");
  ASSERT_FALSE(sheet.empty());
  const ToolRun twice = SkinTool({"sheet", skin_, "--ppi", "192", "-o", Out("s2.png")});
  ASSERT_EQ(twice.code, 0) << twice.err;
  const PixelImage big = Picture("s2.png");
  EXPECT_GT(big.width(), sheet.width() * 3 / 2);
  EXPECT_GT(big.height(), sheet.height() * 3 / 2);
}

}  // namespace
