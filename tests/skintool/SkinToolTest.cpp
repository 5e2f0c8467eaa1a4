// skintool run in-process on real files in a scratch folder.
#include <gtest/gtest.h>

#include "skin/data/acZLibEx.h"
#include "tests/support/PackageFixtures.h"
#include "tests/support/ScratchDir.h"
#include "tests/support/SkinToolRunner.h"

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& file, std::string_view bytes) { ASSERT_TRUE(WriteFileBytes(file, Bytes(bytes))); }
std::vector<uint8_t> Read(const fs::path& file) { return ReadFileBytes(file).value_or(std::vector<uint8_t>{}); }

const std::string kPng = std::string("\x89PNG\r\n\x1A\n", 8) + "preview pixels";

class SkinToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(skin_ / "sub");
    Write(skin_ / "Options.dat", "[GLOBALINFO]\nVERSION=14.01\n");
    Write(skin_ / "b.bmp", "BM" + std::string(500, 'b'));
    Write(skin_ / "A.png", "\x89PNG a");
    Write(skin_ / "Font.TTF", "");
    Write(dir_ / "preview.png", kPng);
  }
  std::string P(const fs::path& p) const { return p.string(); }

  ScratchDir dir_;
  fs::path skin_ = dir_ / "Slate";
};

TEST_F(SkinToolTest, HelpListsTheCommandsAndBadCommandLinesExitWithUsage) {
  const ToolRun help = SkinTool({"--help"});
  EXPECT_EQ(help.code, 0);
  for (const char* command : {"pack", "unpack", "list", "preview"}) EXPECT_NE(help.out.find(command), std::string::npos);
  EXPECT_NE(SkinTool({"unpack", "--help"}).out.find("Usage: skintool unpack FILE.asz -o DIR"), std::string::npos);

  const std::vector<std::vector<std::string>> bad{
      {}, {"frobnicate"}, {"pack", P(skin_)}, {"pack", P(skin_), "-o"}, {"pack", P(skin_), "-o", "a", "-o", "b"},
      {"list"}, {"list", "a", "b"}, {"unpack", "x.asz", "-o", "d", "--force"}};
  for (const auto& args : bad) {
    const ToolRun run = SkinTool(args);
    EXPECT_EQ(run.code, 2) << (args.empty() ? "" : args[0]);
    EXPECT_FALSE(run.err.empty());
  }
}

TEST_F(SkinToolTest, PackListUnpackAndPreviewRoundTrip) {
  const ToolRun pack = SkinTool({"pack", P(skin_), "-o", P(dir_ / "Slate.asz"), "--preview", P(dir_ / "preview.png")});
  ASSERT_EQ(pack.code, 0) << pack.err;
  EXPECT_NE(pack.err.find("skipping \"sub\""), std::string::npos);

  const ToolRun list = SkinTool({"list", P(dir_ / "Slate.asz")});
  ASSERT_EQ(list.code, 0) << list.err;
  // The options file first, then the others by upper-cased name.
  const size_t options = list.out.find("Options.dat"), png = list.out.find("A.png"), bmp = list.out.find("b.bmp"),
               font = list.out.find("Font.TTF");
  EXPECT_LT(options, png);
  EXPECT_LT(png, bmp);
  EXPECT_LT(bmp, font);
  EXPECT_NE(list.out.find("bitmap          502"), std::string::npos) << list.out;
  EXPECT_NE(list.out.find("font"), std::string::npos);
  EXPECT_NE(list.out.find("preview: " + std::to_string(kPng.size()) + " bytes"), std::string::npos);

  ASSERT_EQ(SkinTool({"unpack", P(dir_ / "Slate.asz"), "-o", P(dir_ / "out")}).code, 0);
  for (const char* name : {"Options.dat", "b.bmp", "A.png", "Font.TTF"})
    EXPECT_EQ(Read(dir_ / "out" / name), Read(skin_ / name)) << name;
  EXPECT_FALSE(fs::exists(dir_ / "out" / "sub"));

  ASSERT_EQ(SkinTool({"preview", P(dir_ / "Slate.asz"), "-o", P(dir_ / "p.png")}).code, 0);
  EXPECT_EQ(Read(dir_ / "p.png"), Bytes(kPng));

  // Packing the same folder again gives the same bytes.
  ASSERT_EQ(SkinTool({"pack", P(skin_), "-o", P(dir_ / "Again.asz"), "--preview", P(dir_ / "preview.png")}).code, 0);
  EXPECT_EQ(Read(dir_ / "Again.asz"), Read(dir_ / "Slate.asz"));
}

TEST_F(SkinToolTest, PackRefusesFoldersWithoutOneOptionsFileAndPreviewsThatAreNoPng) {
  Write(skin_ / "OPTIONS.DAT", "second");
  ToolRun run = SkinTool({"pack", P(skin_), "-o", P(dir_ / "x.asz")});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("exactly one Options.dat"), std::string::npos) << run.err;
  fs::remove(skin_ / "OPTIONS.DAT");
  fs::remove(skin_ / "Options.dat");
  EXPECT_EQ(SkinTool({"pack", P(skin_), "-o", P(dir_ / "x.asz")}).code, 1);
  Write(skin_ / "options.DAT", "[GLOBALINFO]");
  run = SkinTool({"pack", P(skin_), "-o", P(dir_ / "x.asz"), "--preview", P(skin_ / "b.bmp")});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("is not a PNG file"), std::string::npos);
  EXPECT_EQ(SkinTool({"pack", P(dir_ / "missing"), "-o", P(dir_ / "x.asz")}).code, 1);
  EXPECT_FALSE(fs::exists(dir_ / "x.asz"));
}

TEST_F(SkinToolTest, UnpackNeverWritesOutsideItsFolder) {
  const std::pair<const char*, std::vector<uint8_t>> hostile[] = {
      {"parent", RawPackage().Entry("Options.dat", "o").Entry("../evil.bmp", "x").Build()},
      {"backslash", RawPackage().Entry("..\\evil.bmp", "x").Build()},
      {"absolute", RawPackage().Entry("/tmp/evil.bmp", "x").Build()},
      {"same name twice", RawPackage().Entry("a.bmp", "1").Entry("A.BMP", "2").Build()},
  };
  for (const auto& [what, package] : hostile) {
    ASSERT_TRUE(WriteFileBytes(dir_ / "hostile.asz", package));
    const ToolRun run = SkinTool({"unpack", P(dir_ / "hostile.asz"), "-o", P(dir_ / "out" / "deeper")});
    EXPECT_EQ(run.code, 1) << what;
    EXPECT_NE(run.err.find("nothing was written"), std::string::npos) << what << run.err;
    EXPECT_FALSE(fs::exists(dir_ / "out")) << what;
    EXPECT_FALSE(fs::exists(dir_ / "evil.bmp")) << what;
  }
}

TEST_F(SkinToolTest, UnpackDoesNotWriteThroughASymbolicLink) {
  ASSERT_EQ(SkinTool({"pack", P(skin_), "-o", P(dir_ / "Slate.asz")}).code, 0);
  fs::create_directories(dir_ / "out");
  Write(dir_ / "victim", "keep");
  fs::create_symlink(dir_ / "victim", dir_ / "out" / "b.bmp");
  const ToolRun run = SkinTool({"unpack", P(dir_ / "Slate.asz"), "-o", P(dir_ / "out")});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("symbolic link"), std::string::npos);
  EXPECT_EQ(Read(dir_ / "victim"), Bytes("keep"));
}

TEST_F(SkinToolTest, BadPackagesGiveClearMessages) {
  const auto good = RawPackage().Entry("Options.dat", "[GLOBALINFO]").Build();
  auto truncated = good;
  truncated.resize(truncated.size() - 5);
  const auto noPreview = good;
  auto badTrailer = good;
  for (uint8_t b : Bytes("previewimg\x40\0\0\0png")) badTrailer.push_back(b);
  struct Case {
    std::vector<std::string> command;
    std::vector<uint8_t> package;
    const char* message;
  };
  const Case cases[] = {
      {{"list"}, Bytes("PK\x03\x04"), "Loaded data is not a packed skin file"},
      {{"unpack", "-o", "d"}, Bytes("ASz"), "Loaded data is not a packed skin file"},
      {{"list"}, truncated, "The skin package is damaged: entry 1 of 1 (\"Options.dat\")"},
      {{"unpack", "-o", "d"}, truncated, "truncated"},
      {{"preview", "-o", "p.png"}, noPreview, "has no preview"},
      {{"preview", "-o", "p.png"}, badTrailer, "the preview's size runs past the end"},
      {{"preview", "-o", "p.png"}, Bytes("GIF89a"), "Loaded data is not a packed skin file"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(WriteFileBytes(dir_ / "bad.asz", c.package));
    std::vector<std::string> args{c.command[0], P(dir_ / "bad.asz")};
    for (size_t i = 1; i < c.command.size(); ++i) args.push_back(i % 2 ? c.command[i] : P(dir_ / c.command[i]));
    const ToolRun run = SkinTool(args);
    EXPECT_EQ(run.code, 1) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  EXPECT_FALSE(fs::exists(dir_ / "d"));
  EXPECT_FALSE(fs::exists(dir_ / "p.png"));

  ASSERT_TRUE(WriteFileBytes(dir_ / "bad.asz", badTrailer));
  EXPECT_NE(SkinTool({"list", P(dir_ / "bad.asz")}).out.find("preview: damaged"), std::string::npos);
  EXPECT_EQ(SkinTool({"list", P(dir_ / "missing.asz")}).code, 1);
}

}  // namespace
