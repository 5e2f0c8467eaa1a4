// Image names outside ASCII, as a Chinese system stores them (code page 936): the
// package's entry names and the options file hold the same bytes, and the images are
// found. The names are handed to the package writer in the form it reads them back in,
// so the package holds exactly those bytes on every machine.
#include <gtest/gtest.h>

#include <algorithm>

#include "skin/data/acZLibEx.h"
#include "skin/data/acZLibExNames.h"
#include "tests/support/FixtureSkins.h"
#include "tests/support/ImageWriters.h"
#include "tests/support/ScratchDir.h"

namespace {

const std::string kMasterAnsi = "\xD6\xF7\xCD\xBC.BMP";  // "主图.BMP"
const std::string kButtonAnsi = "\xB0\xB4\xC5\xA5.BMP";  // "按钮.BMP"

std::string EntryName(const std::string& ansi) {
  return AnsiToUtf8({reinterpret_cast<const uint8_t*>(ansi.data()), ansi.size()});
}

std::filesystem::path FileName(const std::string& ansi) {
  const std::string utf8 = EntryName(ansi);
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

bool Holds(const std::vector<uint8_t>& bytes, const std::string& part) {
  const auto* first = reinterpret_cast<const uint8_t*>(part.data());
  return std::search(bytes.begin(), bytes.end(), first, first + part.size()) != bytes.end();
}

const PixelImage kMaster = PatternPicture(32, 32), kButton = PatternPicture(24, 8);

FixtureSkin SkinNamingBoth() {
  FixtureSkin skin{"[GLOBALINFO]\nMASTERBITMAP=" + kMasterAnsi + "\n"
                   "[BUTTON]\nBORDERSMASK=^0000^0000^0012^0008^0002^0002^0002^0002^3^0^1\n"
                   "PATTERN=!" + kButtonAnsi + "!1!0!1\n",
                   {}};
  skin.Add(EntryName(kMasterAnsi), EncodeBmp(kMaster)).Add(EntryName(kButtonAnsi), EncodeBmp(kButton));
  return skin;
}

void ExpectBothFound(TacSkinFiles& files, TacSkinData& data) {
  ASSERT_NE(files.MasterBitmap(), nullptr);
  EXPECT_EQ(*files.MasterBitmap(), kMaster);
  EXPECT_GE(data.GetMaskIndex("BUTTON", "BORDERSMASK"), 0);
  const int pattern = data.GetMaskIndex("BUTTON", "PATTERN");
  ASSERT_GE(pattern, 0);
  ASSERT_NE(data.ma[static_cast<size_t>(pattern)].Bmp, nullptr);
  EXPECT_EQ(*data.ma[static_cast<size_t>(pattern)].Bmp, kButton);
}

}  // namespace

TEST(NonAsciiNames, MasterBitmapAndElementNamedInTheSkinsCodePageAreFound) {
  const FixtureSkin skin = SkinNamingBoth();
  const std::vector<uint8_t> package = skin.Pack();
  ASSERT_TRUE(Holds(package, kMasterAnsi));
  ASSERT_TRUE(Holds(package, kButtonAnsi));

  const LoadedModel m = LoadModel(skin, 96);

  ExpectBothFound(*m.Skin, *m.Data);
}

// A skin folder: the files carry the names the system gives them, the options the same
// names in the code page.
TEST(NonAsciiNames, FilesOfASkinFolderNamedInTheSkinsCodePageAreFound) {
  const FixtureSkin skin = SkinNamingBoth();
  const ScratchDir dir;
  ASSERT_TRUE(WriteFileBytes(dir / "Options.dat", std::vector<uint8_t>(skin.Options.begin(), skin.Options.end())));
  ASSERT_TRUE(WriteFileBytes(dir / FileName(kMasterAnsi), skin.Files[0].Bytes));
  ASSERT_TRUE(WriteFileBytes(dir / FileName(kButtonAnsi), skin.Files[1].Bytes));

  const auto files = TacSkinFiles::FromFolder(dir.path());
  TacSkinData data(files.get(), 96);
  data.Init();

  ExpectBothFound(*files, data);
}
