#include "tools/skinart/SkinLayout.h"

#include <algorithm>
#include <cctype>

#include "skin/data/acSkinLoadError.h"
#include "tools/skinart/Painters.h"

namespace {

std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

std::string BaseKey(const std::string& key) {
  const size_t star = key.find('*');
  return star == std::string::npos ? key : key.substr(0, star);
}

std::string Name(const PlacedElement& e) { return "[" + e.Spec.Section + "] " + e.Spec.Key; }

}  // namespace

SkinLayout::SkinLayout(const TacOptionsFile& options) {
  if (const std::string* master = options.Value("GLOBALINFO", "MASTERBITMAP")) master_ = *master;
  for (const auto& section : options.Sections())
    for (const auto& key : section.Keys)
      if (!(section.Name == "GLOBALINFO" && key.Name == "MASTERBITMAP")) Place(options, section, key);
  SizeTargets();
  CheckOverlaps();
  if (!problems_.empty()) {
    std::string text;
    for (const auto& p : problems_) text += p + "\n";
    throw LayoutError(text);
  }
}

void SkinLayout::Place(const TacOptionsFile& options, const TacIniSection& section, const TacIniKey& key) {
  const std::string value = Upper(key.Value);
  if (IsAbsentValue(value) || !IsMaskValue(value)) return;
  PlacedElement e;
  e.Value = value;
  e.Spec.Section = section.Name;
  e.Spec.Key = key.Name;
  e.Spec.BaseKey = BaseKey(key.Name);
  e.Spec.Dpi = DensityOfKey(key.Name);
  const std::string where = Name(e);
  if (e.Spec.BaseKey != key.Name && section.Find(e.Spec.BaseKey) == nullptr)
    return problems_.push_back(where + ": a density variant without its plain key is never read");
  e.Paint = FindPainter(section.Name, e.Spec.BaseKey);
  if (e.Paint == nullptr) return problems_.push_back(where + ": no painter draws this element");
  try {
    e.Mask = ParseCanonicalMask(NormaliseMask(value));
  } catch (const SkinLoadError& error) {
    return problems_.push_back(where + ": " + error.what());
  }
  static constexpr const char* kStateKeys[] = {"COLOR", "HOTCOLOR", "COLOR2"};
  for (size_t s = 0; s < 3; ++s)
    if (const std::string* colour = options.Value(section.Name, kStateKeys[s]))
      if (const auto n = ParseSkinInt(*colour)) e.Spec.StateColor[s] = RgbFromColorRef(*n);

  auto& m = e.Mask;
  e.Spec.ImageCount = m.ImageCount;
  e.Spec.WL = m.WL, e.Spec.WT = m.WT, e.Spec.WR = m.WR, e.Spec.WB = m.WB;
  if (m.ImageCount < 1 || m.MaskType < 0 || m.MaskType > 1)
    return problems_.push_back(where + ": needs one or more state images and mask type 0 or 1");
  if (m.FileName.empty()) {
    if (master_.empty()) return problems_.push_back(where + ": the skin names no MASTERBITMAP to hold it");
    e.Target = master_;
    if (m.R.IsEmpty() || m.R.Width() % m.ImageCount != 0 || m.R.Height() % (m.MaskType + 1) != 0)
      return problems_.push_back(where + ": its rectangle does not divide into its state images");
    e.Spec.StateWidth = m.R.Width() / m.ImageCount;
    e.Spec.StateHeight = m.R.Height() / (m.MaskType + 1);
  } else {
    // A file element of Slate is a border whose one-pixel centre lies between its margins.
    if (m.ImgType != TacImgType::itisaBorder || !m.R.IsEmpty())
      return problems_.push_back(where + ": Slate's own image files hold border elements only");
    e.Target = m.FileName;
    e.Spec.StateWidth = m.WL + 1 + m.WR;
    e.Spec.StateHeight = m.WT + 1 + m.WB;
  }
  // Stretching a one-pixel centre and one-pixel sides repeats exact pixels; anything
  // larger would be resampled, and resampling blurs.
  if (m.ImgType == TacImgType::itisaBorder &&
      (m.WL + m.WR + 1 != e.Spec.StateWidth || m.WT + m.WB + 1 != e.Spec.StateHeight))
    return problems_.push_back(where + ": a border's centre must be exactly one pixel");
  elements_.push_back(std::move(e));
}

void SkinLayout::SizeTargets() {
  for (const auto& e : elements_) {
    TargetPicture& t = targets_[e.Target];
    if (e.Target == master_) {
      t.Width = std::max(t.Width, e.Mask.R.Right);
      t.Height = std::max(t.Height, e.Mask.R.Bottom);
    } else {
      t.Width = e.Spec.StateWidth * e.Spec.ImageCount;
      t.Height = e.Spec.StateHeight * (e.Mask.MaskType + 1);
    }
  }
}

// Elements of one picture may share a rectangle only when they are written the same way.
void SkinLayout::CheckOverlaps() {
  for (size_t i = 0; i < elements_.size(); ++i)
    for (size_t j = i + 1; j < elements_.size(); ++j) {
      const auto& a = elements_[i];
      const auto& b = elements_[j];
      if (a.Target != b.Target) continue;
      const bool shared = a.Value == b.Value;
      if (a.Target != master_ && !shared)
        problems_.push_back(Name(a) + " and " + Name(b) + " name the same file in different ways");
      else if (a.Target == master_ && !shared && !a.Mask.R.Intersect(b.Mask.R).IsEmpty())
        problems_.push_back(Name(a) + " and " + Name(b) + " overlap in the master bitmap");
    }
}
