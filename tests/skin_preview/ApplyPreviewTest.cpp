// A preview applied to a manager: the sent options text stands in for the skin's own.
#include <gtest/gtest.h>

#include <string>

#include "skin/base/acSkinCommands.h"
#include "skin/data/acPreviewHost.h"
#include "skin/data/acSkinPreviewApply.h"
#include "skin/data/acZLibEx.h"
#include "tests/support/EditorRecords.h"
#include "tests/support/RecordingHost.h"
#include "tests/support/SlateFixture.h"

namespace {

constexpr const char* kSlate = "Slate (internal)";

std::string SlateOptionsText() {
  TacSkinConvertor package;
  RecordingHost host;
  UnpackSkin(SlatePackageBytes(), package, host.Errors());
  return std::string(package.Options->begin(), package.Options->end());
}

TColor FormColor(TsSkinManager& manager) {
  return manager.gd()[static_cast<size_t>(manager.GetSkinIndex("FORM"))].Props[0].Color;
}

struct SlateManager {
  RecordingHost host;
  TsSkinManager manager{host};
  SlateManager() {
    TsStoredSkin& item = manager.InternalSkins().Add();
    item.Name = kSlate;
    item.PackedData = SlatePackageBytes();
    manager.SetSkinName(kSlate);
  }
};

}  // namespace

TEST(ApplyPreview, SentOptionsRecolourTheSkinForThisLoadOnly) {
  SlateManager m;
  const TColor original = FormColor(m.manager);
  ASSERT_NE(original, 0x3050A0u);
  const auto record = EditorRecord(kSlate, "/nowhere/Skins", WithSectionKeys(SlateOptionsText(), "FORM", {{"COLOR", "$3050A0"}}));
  const auto preview = AcceptEditorCopyData(kSkinEditorCopyDataKind, record);
  ASSERT_TRUE(preview);
  m.host.broadcasts.clear();

  ApplySkinPreview(m.manager, *preview);

  EXPECT_EQ(FormColor(m.manager), 0x3050A0u);
  EXPECT_EQ(m.manager.SkinDirectory(), "/nowhere/Skins");
  EXPECT_EQ(m.manager.SkinName(), kSlate);
  EXPECT_FALSE(m.manager.NoAutoUpdate);
  EXPECT_EQ(m.host.CountOf(SC_SKINLOADED), 1);  // the load waits for the update at the end
  EXPECT_TRUE(m.host.errors.errors.empty());

  m.manager.SetSkinName(kSlate);  // the sent text is gone: the skin's own options again
  EXPECT_EQ(FormColor(m.manager), original);
}

TEST(ApplyPreview, ABrokenPreviewKeepsTheSkinThatWasActive) {
  SlateManager m;
  const TColor original = FormColor(m.manager);
  ApplySkinPreview(m.manager, TacSkinPreview{kSlate, "/nowhere", "not an options file"});
  EXPECT_EQ(FormColor(m.manager), original);
  EXPECT_EQ(m.host.errors.errors.size(), 1u);
  EXPECT_FALSE(m.manager.NoAutoUpdate);
}
