// "skintool model" run in-process on a package file and on the same skin as a folder.
#include <gtest/gtest.h>

#include <sstream>

#include "skin/data/acZLibEx.h"
#include "tests/support/FixtureSkins.h"
#include "tests/support/ScratchDir.h"
#include "tools/skintool/SkinTool.h"

namespace {

struct ToolRun {
  int code;
  std::string out, err;
};

ToolRun SkinTool(std::vector<std::string> args) {
  std::ostringstream out, err;
  ToolIo io{out, err};
  const int code = RunSkinTool(args, io);
  return {code, out.str(), err.str()};
}

}  // namespace

TEST(ModelCommand, PrintsTheSameModelForAPackageAndAFolder) {
  ScratchDir dir;
  const FixtureSkin skin = RealisticSkin();
  ASSERT_TRUE(WriteFileBytes(dir / "Skin.asz", skin.Pack()));
  std::filesystem::create_directories(dir / "Skin");
  ASSERT_TRUE(WriteFileBytes(dir / "Skin" / "options.dat",
                             std::span(reinterpret_cast<const uint8_t*>(skin.Options.data()), skin.Options.size())));
  for (const FixtureFile& f : skin.Files) {
    std::string lower = f.Name;  // a folder's file names match in any letter case
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    ASSERT_TRUE(WriteFileBytes(dir / "Skin" / lower, f.Bytes));
  }

  const ToolRun packed = SkinTool({"model", (dir / "Skin.asz").string(), "--ppi", "144"});
  ASSERT_EQ(packed.code, 0) << packed.err;
  EXPECT_EQ(packed.out.rfind("index\tname\tparent\tstates\tborder\tcolor\tfontcolor\n", 0), 0u);
  EXPECT_NE(packed.out.find("\nindex\tsection\tkey\tL\tT\tR\tB\timages\tmasktype\tdrawmode\tWL\tWT\tWR\tWB\twidth\theight\tfile\n"),
            std::string::npos);
  EXPECT_NE(packed.out.find("\tBUTTON_HUGE\tBORDERSMASK\t0\t0\t432\t192\t3\t1\t5\t46\t46\t46\t46\t144\t96\tBUTTONHUGE.BMP\n"),
            std::string::npos);
  const ToolRun folder = SkinTool({"model", (dir / "Skin").string(), "--ppi", "144"});
  ASSERT_EQ(folder.code, 0) << folder.err;
  EXPECT_EQ(folder.out, packed.out);
  EXPECT_EQ(SkinTool({"model", (dir / "Skin").string()}).out, SkinTool({"model", (dir / "Skin.asz").string(), "--ppi", "96"}).out);
}

TEST(ModelCommand, ReportsUnusableSkinsAndBadArguments) {
  ScratchDir dir;
  const FixtureSkin broken = SmallSkin("[GLOBALINFO]\n[S]\nBORDERSMASK=^00X0^0000^0001^0001\n");
  ASSERT_TRUE(WriteFileBytes(dir / "Broken.asz", broken.Pack()));
  const struct {
    std::vector<std::string> args;
    int code;
    const char* message;
  } cases[] = {
      {{"model", (dir / "Broken.asz").string()}, 1, "is not a valid skin element"},
      {{"model", (dir / "Missing.asz").string()}, 1, "no such file"},
      {{"model", dir.path().string()}, 1, "no Options.dat"},
      {{"model", (dir / "Broken.asz").string(), "--ppi", "0x60"}, 2, "--ppi takes a whole number"},
      {{"model", (dir / "Broken.asz").string(), "--ppi", "5000"}, 2, "--ppi takes a whole number"},
      {{"model"}, 2, "missing argument"},
  };
  for (const auto& c : cases) {
    const ToolRun run = SkinTool(c.args);
    EXPECT_EQ(run.code, c.code) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
}
