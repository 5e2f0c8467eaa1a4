// The update check against a descriptor server on 127.0.0.1.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/LocalHttpServer.h"
#include "tests/support/TestFiles.h"
#include "tests/update/ClosedLoopbackPort.h"
#include "tests/update/ScopedEnvironmentVariable.h"
#include "tests/update/TestServerAddresses.h"
#include "update/uUpdate.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

const std::string kStaleCopy = "[MAIN]\r\nVER=7.7\r\n";

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Utf16LeWithBom(const std::wstring& text) {
  std::string bytes = "\xFF\xFE";
  for (wchar_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}

class UrlUpdateTest : public testing::Test {
 protected:
  UrlUpdateTest() { CreateDirectoryW((site_ / L"updates").c_str(), nullptr); }
  void publish(const std::string& descriptor) { WriteBytes(site_ / kDescriptorFile, descriptor); }
  std::wstring localCopy() const { return temp_ / L"_Update.INI"; }
  void expectNoRemoteContent(const TUrlUpdate& update) {
    EXPECT_EQ(update.RemoteContent().N_Ver, L"");
    EXPECT_EQ(update.RemoteContent().D_Url, L"");
    EXPECT_THAT(update.RemoteContent().Detail, IsEmpty());
    EXPECT_FALSE(update.IsNeedUpdate());
  }

  TempFolder temp_;
  ScopedEnvironmentVariable tempVariable_{L"temp", temp_.path().wstring()};
  TempFolder site_;
  LocalHttpServer server_{site_};
  ScopedEnvironmentVariable serverVariable_{kTestServerVariable, server_.url(L"")};
};

TEST_F(UrlUpdateTest, NewerDescriptorIsReadWholeAndItsLocalCopyDeleted) {
  ASSERT_TRUE(server_.running());
  publish("[MAIN]\r\nVER=1.1\r\nURL=http://127.0.0.1/download.html\r\nDetail=first&second\r\n");
  const TUrlUpdate update(2, L'&');
  EXPECT_TRUE(update.IsHasNet());
  EXPECT_EQ(update.L_Ver(), L"1.0");
  EXPECT_EQ(update.RemoteContent().L_Ver, L"1.0");
  EXPECT_EQ(update.RemoteContent().N_Ver, L"1.1");
  EXPECT_EQ(update.RemoteContent().D_Url, L"http://127.0.0.1/download.html");
  EXPECT_THAT(update.RemoteContent().Detail, ElementsAre(L"first", L"second"));
  EXPECT_TRUE(update.IsNeedUpdate());
  EXPECT_FALSE(Exists(localCopy()));
}

TEST_F(UrlUpdateTest, OfflineFetchesAndDeletesNothing) {
  publish("[MAIN]\r\nVER=1.1\r\n");
  const ClosedLoopbackPort closed;
  ScopedEnvironmentVariable nobody(kTestServerVariable,
                                   L"http://127.0.0.1:" + std::to_wstring(closed.port()));
  WriteBytes(localCopy(), kStaleCopy);
  const TUrlUpdate update(2, L'&');
  EXPECT_FALSE(update.IsHasNet());
  EXPECT_EQ(update.L_Ver(), L"1.0");
  expectNoRemoteContent(update);
  EXPECT_EQ(ReadBytes(localCopy()), kStaleCopy);
}

TEST_F(UrlUpdateTest, FailedDownloadLeavesTheRemoteFieldsEmptyAndDeletesNothing) {
  const ClosedLoopbackPort closed;  // the probe succeeds, the descriptor's server is gone
  ScopedEnvironmentVariable unreachable(kDescriptorServerVariable,
                                        L"http://127.0.0.1:" + std::to_wstring(closed.port()));
  WriteBytes(localCopy(), kStaleCopy);
  const TUrlUpdate update(2, L'&');
  EXPECT_TRUE(update.IsHasNet());
  expectNoRemoteContent(update);
  EXPECT_EQ(ReadBytes(localCopy()), kStaleCopy);
}

TEST_F(UrlUpdateTest, AServerWithoutTheDescriptorAnnouncesNothingAndLeavesNoCopyBehind) {
  const TUrlUpdate update(2, L'&');  // its 404 page is no descriptor
  EXPECT_TRUE(update.IsHasNet());
  expectNoRemoteContent(update);
  EXPECT_FALSE(Exists(localCopy())) << "the server's error page stayed as " << ReadBytes(localCopy());
}

TEST_F(UrlUpdateTest, TheLocalCopyGoesIntoTempWithOrWithoutATrailingSeparator) {
  publish("[MAIN]\r\nVER=1.1\r\n");
  for (const std::wstring& temp : {temp_.path().wstring(), temp_.path().wstring() + L"\\"}) {
    ScopedEnvironmentVariable variable(L"temp", temp);
    const TUrlUpdate update(2, L'&');
    EXPECT_EQ(update.RemoteContent().N_Ver, L"1.1");
    EXPECT_FALSE(Exists(localCopy()));
  }
}

struct DescriptorCase {
  const char* name;
  std::string bytes;
  std::wstring ver;
  std::wstring url;
  std::vector<std::wstring> detail;
};

TEST_F(UrlUpdateTest, DescriptorsAreReadAsTheProfileReaderGivesThem) {
  const DescriptorCase cases[] = {
      {"names in any case, blanks and quotes dropped",
       "[main]\r\nver = \"1.1\" \r\nurl=  http://127.0.0.1/d  \r\ndetail=a&b c\r\n",
       L"1.1", L"http://127.0.0.1/d", {L"a", L"b", L"c"}},
      {"quoted Detail items", "[MAIN]\r\nDetail=\"x&y\"&z&\r\n", L"", L"", {L"x&y", L"z", L""}},
      {"no VER", "[MAIN]\r\nURL=http://127.0.0.1/d\r\n", L"", L"http://127.0.0.1/d", {}},
      {"no MAIN section", "[OTHER]\r\nVER=2.0\r\nURL=http://127.0.0.1/d\r\n", L"", L"", {}},
      {"not INI at all", std::string("<html>\0\xFF\xFE\x01 [MAIN\r\nVER\r\n</html>", 30), L"", L"", {}},
      {"empty file", "", L"", L"", {}},
      {"UTF-16 with a byte-order mark",
       Utf16LeWithBom(L"[MAIN]\r\nVER=1.1\r\nURL=http://127.0.0.1/\u4E0B\u8F7D\r\n"
                      L"Detail=\u4FEE\u590D&\u65B0\u589E\r\n"),
       L"1.1", L"http://127.0.0.1/\u4E0B\u8F7D", {L"\u4FEE\u590D", L"\u65B0\u589E"}},
  };
  for (const DescriptorCase& c : cases) {
    SCOPED_TRACE(c.name);
    publish(c.bytes);
    const TUrlUpdate update(2, L'&');
    EXPECT_TRUE(update.IsHasNet());
    EXPECT_EQ(update.RemoteContent().N_Ver, c.ver);
    EXPECT_EQ(update.RemoteContent().D_Url, c.url);
    EXPECT_EQ(update.RemoteContent().Detail, c.detail);
    EXPECT_FALSE(Exists(localCopy()));
  }
}

TEST_F(UrlUpdateTest, AValueLongerThanTheReadersLimitIsCutNotFatal) {
  const std::string longVersion(5000, '9');
  publish("[MAIN]\r\nVER=" + longVersion + "\r\nURL=http://127.0.0.1/\r\n");
  const TUrlUpdate update(2, L'&');
  const std::wstring& ver = update.RemoteContent().N_Ver;
  EXPECT_GT(ver.size(), 0u);
  EXPECT_LE(ver.size(), 2047u);
  EXPECT_EQ(ver, std::wstring(ver.size(), L'9'));
  EXPECT_EQ(update.RemoteContent().D_Url, L"http://127.0.0.1/");
  EXPECT_FALSE(Exists(localCopy()));
}

// A checker whose source is scripted, to watch the base class's part of the check.
class ScriptedUpdate final : public TUpdate {
 public:
  explicit ScriptedUpdate(bool fetchSucceeds) : TUpdate(2), fetchSucceeds_(fetchSucceeds) {
    Check();
  }
  std::wstring versionAtFetch;
  bool netAtFetch = false;
  int fetches = 0;

 protected:
  bool GetContent(TUpdateContent& content) override {
    ++fetches;
    versionAtFetch = L_Ver();
    netAtFetch = IsHasNet();
    content.N_Ver = L"2.0";
    content.D_Url = L"http://127.0.0.1/d";
    content.Detail = {L"line"};
    return fetchSucceeds_;
  }

 private:
  bool fetchSucceeds_;
};

TEST_F(UrlUpdateTest, VersionAndProbeComeBeforeTheFetch) {
  const ScriptedUpdate update(true);
  EXPECT_EQ(update.fetches, 1);
  EXPECT_EQ(update.versionAtFetch, L"1.0");
  EXPECT_TRUE(update.netAtFetch);
  EXPECT_EQ(update.RemoteContent().N_Ver, L"2.0");
  EXPECT_THAT(update.RemoteContent().Detail, ElementsAre(L"line"));
  EXPECT_TRUE(update.IsNeedUpdate());
}

TEST_F(UrlUpdateTest, WhatAFailedFetchFilledInIsDropped) {
  const ScriptedUpdate update(false);
  EXPECT_EQ(update.fetches, 1);
  EXPECT_EQ(update.RemoteContent().N_Ver, L"");
  EXPECT_EQ(update.RemoteContent().D_Url, L"");
  EXPECT_THAT(update.RemoteContent().Detail, IsEmpty());
  EXPECT_EQ(update.RemoteContent().L_Ver, L"1.0");
  EXPECT_FALSE(update.IsNeedUpdate());
}

}  // namespace
