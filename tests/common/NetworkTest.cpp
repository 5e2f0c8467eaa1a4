// Downloads, the connectivity probe and opening web pages, against a web server on
// 127.0.0.1 that each test starts and stops itself; nothing leaves this machine.
#include <gtest/gtest.h>

#include "common/uCommonFunc.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WineHost.h"

namespace {

const std::string kDescriptor = "[MAIN]\r\nVER=1.1\r\nURL=http://127.0.0.1/\r\nDetail=更新\r\n";

class Network : public testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(served_ / L"update.txt", kDescriptor);
    ASSERT_TRUE(server_.running()) << "the local web server did not start";
  }
  TempFolder served_;
  TempFolder local_;
  LocalHttpServer server_{served_};
};

}  // namespace

TEST_F(Network, DownloadReplacesAnExistingFile) {
  const std::wstring target = local_ / L"_Update.INI";
  WriteBytes(target, std::string(500, 'x'));

  EXPECT_TRUE(DownloadFile(server_.url(L"/update.txt"), target));

  EXPECT_EQ(ReadBytes(target), kDescriptor);
}

TEST_F(Network, DownloadOfAMissingPageFailsAndLeavesNoErrorPageBehind) {
  const std::wstring target = local_ / L"_Update.INI";
  EXPECT_FALSE(DownloadFile(server_.url(L"/no-such-file.txt"), target));
  EXPECT_EQ(GetFileAttributesW(target.c_str()), INVALID_FILE_ATTRIBUTES) << ReadBytes(target);
}

TEST_F(Network, DownloadFailsWhenNoServerListens) {
  const std::wstring url = server_.url(L"/update.txt");
  server_.stop();
  EXPECT_FALSE(DownloadFile(url, local_ / L"_Update.INI"));
}

TEST_F(Network, ProbeSucceedsExactlyWhileTheServerListens) {
  const std::wstring url = server_.url();
  EXPECT_TRUE(CheckNetwork(url));
  server_.stop();
  EXPECT_FALSE(CheckNetwork(url));
}

namespace {

// Points Wine's browser launcher at a script that writes down what it was given.
class LoggingBrowser {
 public:
  LoggingBrowser() {
    const std::string script = winehost::UnixPath(folder_ / L"browser.sh");
    WriteBytes(folder_ / L"browser.sh",
               "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" +
                   winehost::UnixPath(folder_ / L"opened.txt") + "'\n");
    winehost::StartShellScript(folder_, L"setup.sh",
                               "chmod +x '" + script + "'\ntouch '" +
                                   winehost::UnixPath(folder_ / L"ready") + "'\n");
    ready_ = winehost::WaitUntil([&] { return Exists(folder_ / L"ready"); });
    RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                    &key_, nullptr);
    DWORD size = sizeof saved_;
    hadValue_ = RegQueryValueExW(key_, L"Browsers", nullptr, nullptr,
                                 reinterpret_cast<BYTE*>(saved_), &size) == ERROR_SUCCESS;
    const std::wstring value = winehost::FromUtf8(script);
    RegSetValueExW(key_, L"Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  }
  ~LoggingBrowser() {
    if (hadValue_)
      RegSetValueExW(key_, L"Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(saved_),
                     static_cast<DWORD>((wcslen(saved_) + 1) * sizeof(wchar_t)));
    else
      RegDeleteValueW(key_, L"Browsers");
    RegCloseKey(key_);
  }
  LoggingBrowser(const LoggingBrowser&) = delete;
  LoggingBrowser& operator=(const LoggingBrowser&) = delete;

  bool ready() const { return ready_; }
  // The lines the browser was started with, once there are some.
  std::string waitForOpened() const {
    winehost::WaitUntil([&] { return !ReadBytes(folder_ / L"opened.txt").empty(); });
    return ReadBytes(folder_ / L"opened.txt");
  }

 private:
  static constexpr wchar_t kKey[] = L"Software\\Wine\\WineBrowser";
  static bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  TempFolder folder_;
  bool ready_ = false;
  HKEY key_ = nullptr;
  bool hadValue_ = false;
  wchar_t saved_[1024] = {};
};

}  // namespace

TEST(OpenUrl, HandsTheAddressToTheBrowserUnchanged) {
  LoggingBrowser browser;
  ASSERT_TRUE(browser.ready());

  OpenUrl(L"http://127.0.0.1:9/page.html?a=1&b=%20c");

  EXPECT_EQ(browser.waitForOpened(), "http://127.0.0.1:9/page.html?a=1&b=%20c\n");
}
