// The engine's painters draw every section and glyph of Slate at each density: skintool's
// sheet of the built package, as scripts/run saves it.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "skin/data/acImageDecode.h"
#include "skin/data/acZLibEx.h"
#include "tests/support/SkinToolRunner.h"
#include "tests/support/SlateFixture.h"

namespace {

TEST(SlateSheet, EverySectionPaintsAtEveryDensity) {
  const auto dir = std::filesystem::temp_directory_path() / ("slate-sheet-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  for (int ppi : kSlateDensities) {
    const std::string png = (dir / ("sheet-" + std::to_string(ppi) + ".png")).string();
    const ToolRun run = SkinTool({"sheet", SLATE_PACKAGE, "-o", png, "--ppi", std::to_string(ppi)});
    EXPECT_EQ(run.code, 0) << ppi << " PPI: " << run.err;
    EXPECT_EQ(run.err, "") << ppi << " PPI";
    const auto bytes = ReadFileBytes(png);
    ASSERT_TRUE(bytes.has_value()) << ppi << " PPI";
    const auto sheet = DecodeImage(*bytes);
    ASSERT_TRUE(sheet.has_value());
    // A sheet is as wide as three state columns of 87-pixel controls at the density.
    EXPECT_GT(sheet->Pixels.width(), 3 * 87 * ppi / 96);
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
