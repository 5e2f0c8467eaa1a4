#pragma once
// Rules for the names and folders a skin is selected by. Skin names come from settings
// and from the skin list: they are names, never paths, so nothing outside the skin folder
// is ever opened because of one.
#include <string>
#include <string_view>

#include "skin/data/sStoredSkin.h"  // PathRules

inline constexpr std::string_view kPackageExtension = ".asz";
inline constexpr std::string_view kDefaultSkinDirectory = "c:\\Skins";

// A name longer than four characters that ends in ".asz" (any letter case) without it.
std::string StripPackageExtension(std::string_view name);

// True for a name that can be a file or folder inside the skin folder: not empty, no
// separator, drive colon or control character, not "." or "..".
bool IsPlainSkinName(std::string_view name);

// The skin folder with a trailing separator. Under Windows rules: ".." at the start is the
// program folder's parent followed by the text after the first three characters; ".\" or
// "./" at the start and "." alone are the program folder; a value with neither ":" nor
// "\\" lies in the program folder; anything else is taken as written. Under Posix rules
// an absolute path is taken as written and the same relative forms apply.
// `programFolder` ends in a separator.
std::string FullSkinDirectory(std::string_view dir, std::string_view programFolder, PathRules rules);
