#pragma once
// What the picture-drawing subcommands (render, sheet) share: a skin loaded at a pixel
// density, the form background elements are painted over, and the PNG they end in.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "pixels/PixelBuffer.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinFiles.h"
#include "skin/paint/acTextPainter.h"
#include "tools/skintool/CommandLine.h"

struct ToolSkin {
  std::unique_ptr<TacSkinFiles> files;
  std::unique_ptr<TacSkinData> data;
};

// The --ppi option (96 when absent); nullopt after printing the usage.
std::optional<int> PpiOption(const CommandLine& line, const SkinToolCommand& command, ToolIo& io);
// Opens a package file or skin folder and builds its model at ppi; nullopt after
// printing why not.
std::optional<ToolSkin> LoadToolSkin(const std::string& skin, int ppi, std::string_view command, ToolIo& io);
// Fills the picture as the skin's "FORM" section looks behind controls, or with the
// skin's main colour when it has no such section.
void PaintFormBackground(const TacSkinData& data, const PixelBuffer& picture);
// Writes the picture as PNG; false after printing why it could not be written.
bool WritePicture(const std::string& file, const PixelBuffer& picture, std::string_view command, ToolIo& io);

// The system's text painter: GDI on Windows, none natively (tools then draw no text).
std::unique_ptr<ITextPainter> SystemTextPainter();
std::u16string Utf16FromUtf8(std::string_view text);
