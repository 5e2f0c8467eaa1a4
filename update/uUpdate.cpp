#include "update/uUpdate.h"

#include <windows.h>

#include "common/uCommonFunc.h"
#include "update/DetailText.h"
#include "update/UpdateAddresses.h"
#include "update/UpdateRules.h"
#include "update/WideStrings.h"

namespace {

std::wstring EnvironmentVariable(const wchar_t* name) {
  std::wstring value;
  DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  while (size > value.size()) {  // the variable may grow between the two calls
    value.resize(size);
    size = GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
  }
  value.resize(size);
  return value;
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The profile reader's rules: case-insensitive names, blanks and matching quotes around
// the value dropped, at most 2047 characters, ANSI or UTF-16 with a byte-order mark.
// Whatever it cannot match reads as empty.
std::wstring ReadDescriptorValue(const std::wstring& file, const wchar_t* key) {
  wchar_t value[2048];
  const DWORD length =
      GetPrivateProfileStringW(L"MAIN", key, L"", value, static_cast<DWORD>(std::size(value)),
                               file.c_str());
  return std::wstring(value, length);
}

}  // namespace

bool TUpdate::IsNeedUpdate() const {
  return IsNewerVersion(ToU16(FL_Ver), ToU16(FRemoteContent.N_Ver));
}

void TUpdate::Check() {
  FL_Ver = GetOwnVersion(FVerLen);
  FRemoteContent.L_Ver = FL_Ver;
  FIsHasNet = CheckNetwork(NetworkProbeAddress());
  TUpdateContent fetched;
  if (GetContent(fetched)) {
    FRemoteContent.N_Ver = std::move(fetched.N_Ver);
    FRemoteContent.D_Url = std::move(fetched.D_Url);
    FRemoteContent.Detail = std::move(fetched.Detail);
  }
}

TUrlUpdate::TUrlUpdate(int VerLen, wchar_t DeliMt)
    : TUpdate(VerLen), FLink(UpdateDescriptorAddress()), FDelimiter(DeliMt) {
  Check();
}

bool TUrlUpdate::GetContent(TUpdateContent& Content) {
  if (!IsHasNet()) return false;
  std::wstring localCopy;
  if (!FLink.empty()) {
    localCopy = ToWide(DescriptorCopyPath(ToU16(EnvironmentVariable(L"temp"))));
    if (!DownloadFile(FLink, localCopy)) return false;
  }
  if (localCopy.empty() || !FileExists(localCopy)) return false;
  Content.N_Ver = ReadDescriptorValue(localCopy, L"VER");
  Content.D_Url = ReadDescriptorValue(localCopy, L"URL");
  Content.Detail.clear();
  for (const std::u16string& line :
       SplitDelimitedText(ToU16(ReadDescriptorValue(localCopy, L"Detail")), FDelimiter))
    Content.Detail.push_back(ToWide(line));
  DeletePath(localCopy, false);
  return true;
}
