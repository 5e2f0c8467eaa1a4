#include "skin/data/acSkinSelection.h"

#include "skin/data/acZLibExNames.h"

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

std::string WithTrailingSeparator(std::string path, char separator) {
  if (path.empty() || !IsSeparator(path.back())) path += separator;
  return path;
}

// The folder above `folder` (which ends in a separator), with a trailing separator.
std::string ParentFolder(std::string_view folder) {
  while (!folder.empty() && IsSeparator(folder.back())) folder.remove_suffix(1);
  const size_t cut = folder.find_last_of("/\\");
  return cut == std::string_view::npos ? std::string(folder) : std::string(folder.substr(0, cut + 1));
}

}  // namespace

std::string StripPackageExtension(std::string_view name) {
  if (name.size() > kPackageExtension.size() &&
      SameTextAscii(name.substr(name.size() - kPackageExtension.size()), kPackageExtension))
    name.remove_suffix(kPackageExtension.size());
  return std::string(name);
}

bool IsPlainSkinName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (const char c : name)
    if (IsSeparator(c) || c == ':' || static_cast<unsigned char>(c) < 0x20) return false;
  return true;
}

std::string FullSkinDirectory(std::string_view dir, std::string_view programFolder, PathRules rules) {
  const char separator = rules == PathRules::Windows ? '\\' : '/';
  std::string full;
  if (dir.starts_with("..")) {
    full = ParentFolder(programFolder) + std::string(dir.size() > 3 ? dir.substr(3) : std::string_view{});
  } else if (dir.starts_with(".\\") || dir.starts_with("./")) {
    full = std::string(programFolder) + std::string(dir.substr(2));
  } else if (dir == ".") {
    full = programFolder;
  } else if (rules == PathRules::Windows ? dir.find(':') == std::string_view::npos &&
                                               dir.find("\\\\") == std::string_view::npos
                                         : !dir.starts_with("/")) {
    full = std::string(programFolder) + std::string(dir);
  } else {
    full = dir;
  }
  return WithTrailingSeparator(std::move(full), separator);
}
