#pragma once
// What the powershell.exe test double recorded, parsed for exact comparison, and a
// scoped switch that points the double at a fresh log for one test.
//
// Log record (UTF-8, one per run of the double, written in one piece):
//   CMD <command line>
//   SHOW <wShowWindow> FLAGS <dwFlags, decimal>
//   SCRIPT <token ending in .ps1>      } once per such token
//   BYTES <hex of its bytes | MISSING> }
//   END
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

inline constexpr wchar_t kPsDoubleLogVar[] = L"PSDOUBLE_LOG";
inline constexpr wchar_t kPsDoubleExitVar[] = L"PSDOUBLE_EXIT";
inline constexpr wchar_t kPsDoubleSleepVar[] = L"PSDOUBLE_SLEEP_MS";
// The recorded content of a script file that did not exist when the double ran.
inline const std::string kPsDoubleMissing = "MISSING";

struct PsInvocation {
  std::wstring commandLine;
  int show = -1;
  unsigned flags = 0;
  std::vector<std::pair<std::wstring, std::string>> scripts;  // path, raw bytes
};

namespace psdouble {

inline std::string ToUtf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

inline std::wstring FromUtf8(std::string_view text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

inline std::string ToHex(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (unsigned char c : bytes) {
    out += kDigits[c >> 4];
    out += kDigits[c & 15];
  }
  return out;
}

inline std::string FromHex(std::string_view hex) {
  auto nibble = [](char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return c - 'A' + 10;
  };
  std::string out;
  for (size_t i = 0; i + 1 < hex.size(); i += 2)
    out += static_cast<char>(nibble(hex[i]) << 4 | nibble(hex[i + 1]));
  return out;
}

}  // namespace psdouble

// Records that lack their END line are left out.
inline std::vector<PsInvocation> ParsePsDoubleLog(std::string_view text) {
  std::vector<PsInvocation> done;
  PsInvocation current;
  bool open = false;
  while (!text.empty()) {
    size_t eol = text.find('\n');
    std::string_view line = text.substr(0, eol);
    text = eol == std::string_view::npos ? std::string_view{} : text.substr(eol + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    auto value = [&](std::string_view key) { return line.substr(key.size()); };
    if (line.starts_with("CMD ")) {
      current = PsInvocation{};
      current.commandLine = psdouble::FromUtf8(value("CMD "));
      open = true;
    } else if (!open) {
      continue;
    } else if (line.starts_with("SHOW ")) {
      std::sscanf(std::string(line).c_str(), "SHOW %d FLAGS %u", &current.show, &current.flags);
    } else if (line.starts_with("SCRIPT ")) {
      current.scripts.emplace_back(psdouble::FromUtf8(value("SCRIPT ")), std::string{});
    } else if (line.starts_with("BYTES ") && !current.scripts.empty()) {
      std::string_view bytes = value("BYTES ");
      current.scripts.back().second =
          bytes == kPsDoubleMissing ? kPsDoubleMissing : psdouble::FromHex(bytes);
    } else if (line == "END") {
      done.push_back(std::move(current));
      open = false;
    }
  }
  return done;
}

// An absent log means the double never ran: no records.
inline std::vector<PsInvocation> ReadPsDoubleLog(const std::wstring& path) {
  std::string text;
  if (FILE* f = _wfopen(path.c_str(), L"rb")) {
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
    std::fclose(f);
  }
  return ParsePsDoubleLog(text);
}

// For its lifetime, makes every powershell.exe double started by this process log to a
// fresh file of its own and exit with the given code after the given delay.
class PsDoubleEnv {
 public:
  explicit PsDoubleEnv(int exitCode = 0, unsigned sleepMs = 0) {
    wchar_t folder[MAX_PATH + 1];
    wchar_t file[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, folder);
    GetTempFileNameW(folder, L"psd", 0, file);
    logPath_ = file;
    SetEnvironmentVariableW(kPsDoubleLogVar, logPath_.c_str());
    setExitCode(exitCode);
    setSleepMs(sleepMs);
  }
  ~PsDoubleEnv() {
    SetEnvironmentVariableW(kPsDoubleLogVar, nullptr);
    SetEnvironmentVariableW(kPsDoubleExitVar, nullptr);
    SetEnvironmentVariableW(kPsDoubleSleepVar, nullptr);
    DeleteFileW(logPath_.c_str());
  }
  PsDoubleEnv(const PsDoubleEnv&) = delete;
  PsDoubleEnv& operator=(const PsDoubleEnv&) = delete;

  void setExitCode(int code) {
    SetEnvironmentVariableW(kPsDoubleExitVar, std::to_wstring(code).c_str());
  }
  void setSleepMs(unsigned ms) {
    SetEnvironmentVariableW(kPsDoubleSleepVar, std::to_wstring(ms).c_str());
  }
  const std::wstring& logPath() const { return logPath_; }
  std::vector<PsInvocation> invocations() const { return ReadPsDoubleLog(logPath_); }

 private:
  std::wstring logPath_;
};
