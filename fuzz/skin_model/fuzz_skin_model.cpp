// Any options text, with any image bytes, loaded into the skin model at a density the
// input chooses: a model or a SkinLoadError, never a crash, a hang or a huge allocation.
#include <map>

#include "skin/data/acOptionsFile.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinLoadError.h"
#include "skin/data/acSkinModelText.h"
#include "skin/base/acSkinPixels.h"
#include "skin/data/acSystemLook.h"

namespace {

// The input's first line chooses the density; the rest is the options text. Every image
// file the options name reads as the bytes after a line "--" (or as nothing).
class FuzzSkin final : public IacSkinSource {
 public:
  FuzzSkin(std::string_view options, std::span<const uint8_t> image) : options_(options), image_(image) {
    master_ = PixelImage(24, 24, 0xFF808080);
    master_.at(0, 0) = kTransparentKeyPixel;
  }
  const TacOptionsFile* OptionsFile() const override { return &options_; }
  std::optional<std::span<const uint8_t>> FindEntry(std::string_view) const override { return image_; }
  PixelImage* MasterBitmap() override { return &master_; }
  const ISystemLook& SystemLook() const override { return look_; }
  TacPalette& Palette() override { return palette_; }
  const TacSkinSettings& Settings() const override { return settings_; }
  void ReloadSkin(TacSkinData& data) override { BuildSkinModel(data); }
  TacSkinSettings settings_;

 private:
  TacOptionsFile options_;
  std::span<const uint8_t> image_;
  PixelImage master_;
  TacPalette palette_{};
  TacFixedSystemLook look_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  const int ppi = 48 + data[0] % 200;
  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
  const size_t split = text.find("\n--\n");
  const std::string_view options = text.substr(0, split);
  const std::span<const uint8_t> image =
      split == std::string_view::npos ? std::span<const uint8_t>{} : std::span(data + 2 + split + 4, size - 2 - split - 4);
  FuzzSkin skin(options, image);
  skin.settings_.Brightness = static_cast<int8_t>(data[1]) % 101;
  skin.settings_.ExtendedBorders = data[1] & 1;
  TacSkinData model(&skin, ppi);
  try {
    model.Init();
    (void)SkinModelText(model);
  } catch (const SkinLoadError&) {
  }
  return 0;
}
