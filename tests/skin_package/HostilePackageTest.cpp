// Damaged and hostile packages: each gives a clear error or the specified result.
#include <gtest/gtest.h>

#include "skin/data/acSkinErrors.h"
#include "skin/data/acZLibEx.h"
#include "tests/support/PackageFixtures.h"

namespace {

std::vector<uint8_t> Cut(std::vector<uint8_t> bytes, size_t dropAtEnd) {
  bytes.resize(bytes.size() - dropAtEnd);
  return bytes;
}

std::vector<uint8_t> Damaged(std::vector<uint8_t> stream) {
  for (size_t i = 2; i + 4 < stream.size(); i += 3) stream[i] ^= 0x5A;
  return stream;
}

const std::string kText = "[GLOBALINFO]\nVERSION=14.01\n[FORM]\nCOLOR=16777215\n";

struct HostileCase {
  const char* what;
  std::vector<uint8_t> package;
  const char* errorPart;  // expected in the error text
};

std::vector<HostileCase> HostileCases() {
  const auto stream = ZlibStream(Bytes(kText));
  const auto size = static_cast<uint32_t>(kText.size());
  const auto good = RawPackage().Entry("Options.dat", kText).Build();
  std::vector<uint8_t> dictionary{0x78, 0xBB, 0, 0, 0, 1, 3, 0, 0, 0, 0, 1};  // FDICT set
  return {
      {"count cut short", Cut(RawPackage().Build(), 2), "entry count"},
      {"name length cut short", Cut(RawPackage().Entry("a", "x").Build(), 16), "entry 1 of 1: the data ends inside its name length"},
      {"entry without data", RawPackage().Entry(std::string(3, 'n'), size, {}).Build(), "entry 1 of 1 (\"nnn\"): its declared size is impossibly large"},
      {"name length past the end", RawPackage().Count(1).Tail({0xFF, 0xFF, 0xFF, 0x7F, 'a'}).Build(),
       "entry 1 of 1: the data ends inside its name"},
      {"size cut short", Cut(RawPackage().Entry("abc", "x").Build(), 11), "entry 1 of 1 (\"abc\"): the data ends inside its size"},
      {"zlib stream cut short", Cut(good, 3), "truncated"},
      {"zlib stream without trailer", Cut(good, 4), "truncated"},
      {"damaged zlib stream", RawPackage().Entry("Options.dat", size, Damaged(stream)).Build(), "damaged"},
      {"preset dictionary", RawPackage().Entry("a.bmp", 1, dictionary).Build(), "damaged"},
      {"declared size larger than the data", RawPackage().Entry("Options.dat", size + 1, stream).Build(),
       "less than its declared size"},
      {"declared size smaller than the data", RawPackage().Entry("Options.dat", size - 1, stream).Build(),
       "more than its declared size"},
      {"absurd declared size", RawPackage().Entry("a.bmp", 0xFFFFFFFFu, stream).Build(), "impossibly large"},
      {"size beyond any deflate ratio", RawPackage().Entry("a.bmp", 100000, stream).Build(), "impossibly large"},
      {"count larger than the data", RawPackage().Count(5).Entry("a.bmp", "x").Build(),
       "entry 2 of 5: the data ends inside its name length"},
      {"huge count", RawPackage().Count(0xFFFFFFFFu).Build(), "entry 1 of 4294967295"},
      {"two options entries", RawPackage().Entry("Options.dat", kText).Entry("OPTIONS.DAT", kText).Build(),
       "more than one options file"},
  };
}

TEST(HostileSkinPackage, EachDamageGivesAClearErrorAndAnEmptyConvertor) {
  for (const HostileCase& c : HostileCases()) {
    TacSkinConvertor convertor;
    convertor.Files.push_back({"old.bmp", TacFileType::ftBmp, {1}});
    RecordingErrorSink errors;
    try {
      UnpackSkin(c.package, convertor, errors);
      ADD_FAILURE() << c.what << ": no error";
    } catch (const SkinPackageError& e) {
      EXPECT_NE(std::string(e.what()).find(c.errorPart), std::string::npos) << c.what << ": " << e.what();
      EXPECT_EQ(std::string(e.what()).rfind("The skin package is damaged: ", 0), 0u) << e.what();
    }
    EXPECT_EQ(convertor.FileCount(), 0) << c.what;
    EXPECT_TRUE(convertor.Files.empty()) << c.what;
    EXPECT_FALSE(convertor.Options) << c.what;
    EXPECT_TRUE(errors.errors.empty()) << c.what;
  }
}

TEST(HostileSkinPackage, WrongMagicReportsTheErrorBoxTextAndReadsNothing) {
  for (std::string_view start : {"ASzg", "", "AS", "PK\x03\x04", "aszf"}) {
    auto package = RawPackage().Entry("Options.dat", kText).Build();
    package.erase(package.begin(), package.begin() + 4);
    package.insert(package.begin(), start.begin(), start.end());
    TacSkinConvertor convertor;
    RecordingErrorSink errors;
    EXPECT_FALSE(UnpackSkin(package, convertor, errors)) << start;
    EXPECT_EQ(errors.errors, std::vector<std::string>{"Loaded data is not a packed skin file"});
    EXPECT_FALSE(convertor.Options);
    EXPECT_EQ(convertor.FileCount(), 0);
  }
}

TEST(HostileSkinPackage, PackageWithoutOptionsReadsAndCountsEveryEntry) {
  const auto package = RawPackage().Entry("a.bmp", "1").Entry("b.png", "2").Build();
  TacSkinConvertor convertor;
  RecordingErrorSink errors;
  EXPECT_TRUE(UnpackSkin(package, convertor, errors));
  EXPECT_FALSE(convertor.Options);
  EXPECT_EQ(convertor.FileCount(), 2);
  EXPECT_EQ(convertor.FindFile("B.PNG")->Stream, Bytes("2"));
}

TEST(HostileSkinPackage, NamesWithSeparatorsAreReadAsPlainNames) {
  const auto package = RawPackage().Entry("..\\..\\evil.bmp", "1").Entry("/etc/passwd", "2").Build();
  TacSkinConvertor convertor;
  RecordingErrorSink errors;
  ASSERT_TRUE(UnpackSkin(package, convertor, errors));
  EXPECT_EQ(convertor.Files[0].Name, "..\\..\\evil.bmp");
  EXPECT_EQ(convertor.Files[0].FileType, TacFileType::ftBmp);
  EXPECT_EQ(convertor.FindFile("/ETC/PASSWD")->Stream, Bytes("2"));
}

TEST(HostileSkinPackage, ReaderStopsExactlyAfterEachStreamAndIgnoresWhatFollowsTheEntries) {
  // A stored (uncompressed) stream is followed at once by the next entry's name length.
  const std::vector<uint8_t> stored(2000, 0);
  const auto package =
      RawPackage().Entry("zero.bin", 2000, ZlibStream(stored, 0)).Entry("next.bmp", "abc").Tail(Bytes("junk after entries")).Build();
  TacSkinConvertor convertor;
  RecordingErrorSink errors;
  ASSERT_TRUE(UnpackSkin(package, convertor, errors));
  EXPECT_EQ(convertor.Files[0].Stream, stored);
  EXPECT_EQ(convertor.Files[1].Stream, Bytes("abc"));
}

}  // namespace
