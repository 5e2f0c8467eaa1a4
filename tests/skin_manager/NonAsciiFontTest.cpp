// A font the skin carries under a name outside ASCII (code page 936 bytes in the package
// and in the options file) is registered under the face name the options give it.
#include <gtest/gtest.h>

#include "skin/data/acZLibExNames.h"
#include "tests/skin_manager/ManagerFixtures.h"

namespace {
std::string Utf8Of(const std::string& ansi) {
  return AnsiToUtf8({reinterpret_cast<const uint8_t*>(ansi.data()), ansi.size()});
}
}  // namespace

TEST(NonAsciiFont, AFontFileNamedInTheSkinsCodePageGetsItsFaceName) {
  const std::string fileAnsi = "\xD7\xD6\xCC\xE5.TTF";  // "字体.TTF"
  const std::string faceAnsi = "\xCE\xA2\xC8\xED\xD1\xC5\xBA\xDA";  // "微软雅黑"
  FixtureSkin skin = LookupSkin();
  skin.Options.insert(skin.Options.find("[BUTTON]"),
                      "FontCount=1\nFontFile0=" + fileAnsi + "\nFontName0=" + faceAnsi + "\n");
  skin.Add(Utf8Of(fileAnsi), std::vector<uint8_t>(100, 1));
  RecordingHost host;
  TsSkinManager m(host);
  AddInternalSkin(m, "Fonts", skin.Pack());
  m.SetSkinName("Fonts");
  EXPECT_EQ(host.registeredFonts, std::vector<std::string>{Utf8Of(faceAnsi)});
}
