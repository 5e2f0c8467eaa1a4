#pragma once
// Files and folders for Windows tests: a private temporary folder that is removed with
// everything in it, and whole-file reads and writes of raw bytes.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class TempFolder {
 public:
  TempFolder() {
    wchar_t base[MAX_PATH + 1];
    wchar_t unique[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, base);
    do {  // GetTempFileNameW reserves a fresh name as a file; the folder takes its place
      GetTempFileNameW(base, L"mrv", 0, unique);
      DeleteFileW(unique);
    } while (!CreateDirectoryW(unique, nullptr));
    path_ = unique;
  }
  ~TempFolder() {
    std::error_code ignored;
    if (!std::filesystem::exists(path_, ignored)) return;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
      SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::wstring operator/(const std::wstring& name) const { return (path_ / name).wstring(); }

 private:
  std::filesystem::path path_;
};
