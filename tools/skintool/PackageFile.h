#pragma once
// Reading a package file for a subcommand, with the user's messages for every failure.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "skin/data/acZLibEx.h"
#include "tools/skintool/SkinTool.h"

bool StartsWithBytes(std::span<const uint8_t> bytes, std::string_view prefix);

// The file's bytes when it exists, can be read and starts with the package signature.
std::optional<std::vector<uint8_t>> LoadPackageFile(const std::string& file, std::string_view command, ToolIo& io);
// Unpacks the loaded bytes; false after printing why they are not a usable package.
bool UnpackForTool(const std::vector<uint8_t>& bytes, TacSkinConvertor& convertor, const std::string& file,
                   std::string_view command, ToolIo& io);
// Writes the file, or prints why it could not be written.
bool WriteOutputFile(const std::filesystem::path& file, std::span<const uint8_t> bytes, std::string_view command,
                     ToolIo& io);
