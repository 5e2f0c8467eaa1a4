// The frame strip: a few frames of the show and the hide animation of an About-sized
// picture painted from Slate, side by side in one PNG (build/screenshots) to look at. Each
// frame is laid over a checkerboard at its opacity, as the screen would show it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "pixels/PngFile.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinFiles.h"
#include "skin/forms/logic/acHideTimer.h"
#include "skin/forms/logic/acShowAnimation.h"
#include "skin/paint/acCacheInfo.h"
#include "skin/paint/acElementOwner.h"
#include "skin/paint/sGraphUtils.h"
#include "tests/animations/AnimRecorder.h"

namespace {

constexpr int kAboutWidth = 309, kAboutHeight = 151, kTitle = 28;  // 301 x 119 client, frame and caption
constexpr int kGap = 6;

PixelImage AboutPicture() {
  auto files = TacSkinFiles::Open(SLATE_PACKAGE);
  TacSkinData data(files.get(), 96);
  data.Init();
  auto owner = [&](const char* section, bool onParent) {
    TacElementOwnerData o;
    o.Data = &data;
    o.Index = data.GetSkinIndex(section);
    o.Parent = onParent;
    return o;
  };
  PixelImage picture(kAboutWidth, kAboutHeight);
  const TCacheInfo none = ColorCacheInfo(0xF0F0F0);
  PaintElement(owner("FORM", false), none, 0, picture.view(), {}, {0, 0, kAboutWidth, kAboutHeight}, false);
  PaintElement(owner("FORMTITLE", false), none, 0, picture.view(), {}, {0, 0, kAboutWidth, kTitle}, false);
  const TCacheInfo form = ColorCacheInfo(PixelToColor(picture.at(kAboutWidth / 2, kAboutHeight / 2)));
  for (TRect button : {TRect{24, 114, 85, 136}, TRect{206, 114, 281, 139}})
    PaintElement(owner("BUTTON", true), form, 0, picture.view(), {button.Left, button.Top}, button, true);
  for (int y = 0; y < kAboutHeight; ++y)
    for (int x = 0; x < kAboutWidth; ++x) picture.at(x, y) |= 0xFF000000u;
  return picture;
}

// The frame over a checkerboard at its opacity (per-pixel alpha times the constant one).
void LayOver(const PixelBuffer& cell, const RecordedUpdate& frame) {
  for (int y = 0; y < cell.height; ++y)
    for (int x = 0; x < cell.width; ++x) {
      const uint32_t below = ((x / 8 + y / 8) % 2) ? 0xFFC8C8C8u : 0xFF8C8C8Cu;
      const uint32_t p = frame.picture.view().contains(x, y) ? frame.picture.at(x, y) : 0;
      const uint32_t a = PixelA(p) * frame.opacity / 255;
      auto mix = [a](uint32_t s, uint32_t d) { return (s * a + d * (255 - a) + 127) / 255; };
      cell.at(x, y) = MakePixel(mix(PixelR(p), PixelR(below)), mix(PixelG(p), PixelG(below)),
                                mix(PixelB(p), PixelB(below)));
    }
}

TEST(FrameStrip, ShowAndHideOfTheAboutPictureSideBySide) {
  const PixelImage about = AboutPicture();
  std::vector<RecordedUpdate> shown, hidden;
  {
    RecordingWindow window(shown);
    HandClock clock;
    RunShowAnimation(about.view(), TacShowSchedule({kAboutWidth, kAboutHeight}, 100, 255, atAero), {0, 0},
                     window, clock);
  }
  {
    HandTimers timers;
    TacHideTimer hide(timers.Starter());
    hide.Start({std::make_unique<RecordingWindow>(hidden), about, 100, atAero, 255, nullptr});
    while (timers.Tick() > 0) {
    }
  }
  // Show: frames 0, 2, 4, 6, 8 and the final picture; hide: the picture, frames 1, 3, 5, 7, 8.
  const std::vector<const RecordedUpdate*> rows[] = {
      {&shown[1], &shown[3], &shown[5], &shown[7], &shown[9], &shown[10]},
      {&hidden[0], &hidden[2], &hidden[4], &hidden[6], &hidden[8], &hidden[9]},
  };
  const int columns = 6;
  PixelImage strip(columns * (kAboutWidth + kGap) + kGap, 2 * (kAboutHeight + kGap) + kGap, 0xFFFFFFFFu);
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < columns; ++col)
      LayOver(strip.view().sub(kGap + col * (kAboutWidth + kGap), kGap + row * (kAboutHeight + kGap), kAboutWidth,
                               kAboutHeight),
              *rows[row][static_cast<size_t>(col)]);

  // The last show cell and the first hide cell are the whole picture at full opacity.
  const PixelBuffer firstHide = strip.view().sub(kGap, 2 * kGap + kAboutHeight, kAboutWidth, kAboutHeight);
  const PixelBuffer lastShow =
      strip.view().sub(kGap + 5 * (kAboutWidth + kGap), kGap, kAboutWidth, kAboutHeight);
  EXPECT_EQ(firstHide.at(150, 120), about.at(150, 120));
  EXPECT_EQ(lastShow.at(150, 120), about.at(150, 120));

  std::filesystem::create_directories(SCREENSHOT_DIR);
  const std::vector<uint8_t> png = PngFromPicture(strip.view());
  std::ofstream(std::filesystem::path(SCREENSHOT_DIR) / "animation-frames.png", std::ios::binary)
      .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(SCREENSHOT_DIR) / "animation-frames.png"));
}

}  // namespace
