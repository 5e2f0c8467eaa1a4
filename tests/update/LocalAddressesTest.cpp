// No test program may reach the maker's servers or the connection probe's host: each one
// that builds on the program's library is linked with addresses on this machine. So no
// test executable holds the shipped program's host names, in either string encoding.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/TestFiles.h"
#include "tests/support/WineHost.h"

namespace {

// Host names as bytes to look for: as narrow text and as UTF-16LE text.
std::vector<std::string> Encodings(const std::string& host) {
  std::string wide;
  for (char c : host) {
    wide += c;
    wide += '\0';
  }
  return {host, wide};
}

std::string AsciiLower(std::string bytes) {
  std::transform(bytes.begin(), bytes.end(), bytes.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return bytes;
}

bool Holds(const std::filesystem::path& file, const std::string& host) {
  const std::string bytes = AsciiLower(ReadBytes(file));
  for (const std::string& needle : Encodings(AsciiLower(host)))
    if (bytes.find(needle) != std::string::npos) return true;
  return false;
}

// The hosts of the shipped build's addresses, one a line, as the build configured them.
std::vector<std::string> ShippedHosts() {
  std::vector<std::string> hosts;
  const std::string text = ReadBytes(winehost::WindowsPath(MARV_SHIPPED_HOSTS_FILE));
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    if (end > start) hosts.push_back(text.substr(start, end - start));
  return hosts;
}

}  // namespace

TEST(LocalAddresses, NoTestProgramHoldsTheShippedHostNames) {
  const std::vector<std::string> hosts = ShippedHosts();
  ASSERT_FALSE(hosts.empty());

  // The search finds them where they belong.
  const std::filesystem::path shipped = winehost::WindowsPath(MARV_PROGRAM_PATH);
  for (const std::string& host : hosts) EXPECT_TRUE(Holds(shipped, host)) << host << " not found in the program";

  size_t programs = 0;
  for (const auto& entry :
       std::filesystem::recursive_directory_iterator(winehost::WindowsPath(MARV_TEST_BIN))) {
    if (!entry.is_regular_file() || AsciiLower(entry.path().extension().string()) != ".exe") continue;
    ++programs;
    for (const std::string& host : hosts)
      EXPECT_FALSE(Holds(entry.path(), host)) << entry.path().filename().string() << " holds " << host;
  }
  EXPECT_GT(programs, 10u);
}
