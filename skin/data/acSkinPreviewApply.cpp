#include "skin/data/acSkinPreviewApply.h"

namespace {

// The sent text replaces the options file only while the preview is applied.
class PreviewOptionsScope {
 public:
  PreviewOptionsScope(TsSkinManager& manager, const std::string& text) : manager_(manager) {
    manager_.SetPreviewOptionsText(text);
  }
  ~PreviewOptionsScope() { manager_.SetPreviewOptionsText(std::nullopt); }
  PreviewOptionsScope(const PreviewOptionsScope&) = delete;
  PreviewOptionsScope& operator=(const PreviewOptionsScope&) = delete;

 private:
  TsSkinManager& manager_;
};

}  // namespace

void ApplySkinPreview(TsSkinManager& manager, const TacSkinPreview& preview) {
  PreviewOptionsScope options(manager, preview.OptionsText);
  manager.BeginUpdate();
  manager.SetSkinDirectory(preview.SkinDir);
  manager.SetSkinName(preview.SkinName);
  manager.EndUpdate(true, false);
}
