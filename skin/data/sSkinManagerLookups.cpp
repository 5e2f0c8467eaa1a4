// Lookups of sections, elements and textures by name, for painting code that keeps the
// resulting indexes. Names compare exactly; the first match wins; -1 means none.
#include <algorithm>

#include "skin/data/acMaskNotation.h"
#include "skin/base/acSkinPixels.h"
#include "skin/data/acZLibExNames.h"
#include "skin/data/sSkinManager.h"

namespace {

// Follows PARENTCLASS from `skinIndex` (named `section`) until `find` answers: a parent
// that names the section itself, or one already passed, ends the search.
template <typename Find>
int WithParents(TsSkinManager& manager, const TacSkinData& data, int skinIndex, std::string_view section, Find find) {
  std::vector<int> passed;
  std::string name(section);
  while (skinIndex >= 0 && std::find(passed.begin(), passed.end(), skinIndex) == passed.end()) {
    passed.push_back(skinIndex);
    if (const int found = find(skinIndex, name); found >= 0) return found;
    if (skinIndex >= static_cast<int>(data.gd.size())) return -1;
    const std::string& parent = data.gd[skinIndex].ParentClass;
    if (parent.empty() || parent == name) return -1;
    name = parent;
    skinIndex = manager.GetSkinIndex(parent);  // parents are looked up in the 96-PPI data
  }
  return -1;
}

}  // namespace

int TsSkinManager::GetSkinIndex(std::string_view SkinSection, const TacSkinData* SkinData) {
  return (SkinData ? *SkinData : CommonSkinData(96)).GetSkinIndex(SkinSection);
}

int TsSkinManager::GetMaskIndex(int SkinIndex, std::string_view SkinSection, std::string_view mask,
                                const TacSkinData* SkinData) {
  const TacSkinData& data = SkinData ? *SkinData : CommonSkinData(96);
  return WithParents(*this, data, SkinIndex, SkinSection, [&](int s, const std::string&) {
    for (size_t i = 0; i < data.ma.size(); ++i)
      if (data.ma[i].SkinIndex == s && data.ma[i].PropertyName == mask) return static_cast<int>(i);
    return -1;
  });
}

int TsSkinManager::GetMaskIndex(std::string_view SkinSection, std::string_view mask, const TacSkinData* SkinData) {
  return (SkinData ? *SkinData : CommonSkinData(96)).GetMaskIndex(SkinSection, mask);
}

int TsSkinManager::GetMaskIndex(int SkinIndex, std::string_view mask, const TacSkinData* SkinData) {
  return (SkinData ? *SkinData : CommonSkinData(96)).GetMaskIndex(SkinIndex, mask);
}

int TsSkinManager::GetTextureIndex(int aSkinIndex, std::string_view SkinSection, std::string_view PropName,
                                   const TacSkinData* SkinData) {
  const TacSkinData& data = SkinData ? *SkinData : CommonSkinData(96);
  if (SkinSection.empty() || data.ma.empty()) return -1;
  return WithParents(*this, data, aSkinIndex, SkinSection, [&](int, const std::string& section) {
    for (size_t i = 0; i < data.ma.size(); ++i) {
      const TsMaskData& m = data.ma[i];
      if (m.ImgType == TacImgType::itisaTexture && m.PropertyName == PropName && m.ClassName == section)
        return static_cast<int>(i);
    }
    return -1;
  });
}

int TsSkinManager::GetTextureIndex(int aSkinIndex, std::string_view PropName, const TacSkinData* SkinData) {
  return (SkinData ? *SkinData : CommonSkinData(96)).GetTextureIndex(aSkinIndex, PropName);
}

bool TsSkinManager::IsValidImgIndex(int ImageIndex) {
  return ImageIndex >= 0 && ImageIndex < static_cast<int>(CommonSkinData(96).ma.size());
}

void TsSkinManager::GetSkinSections(std::vector<std::string>& sl, const TacSkinData* SkinData) {
  sl.clear();
  if (!IsActive()) return;
  for (const TsGeneralData& s : (SkinData ? *SkinData : CommonSkinData(96)).gd) sl.push_back(s.ClassName);
}
