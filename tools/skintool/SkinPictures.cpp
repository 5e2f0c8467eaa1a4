#include "tools/skintool/SkinPictures.h"

#include <ostream>

#include "skin/paint/acBlend.h"
#include "skin/paint/sGraphUtils.h"
#include "tools/skintool/PackageFile.h"
#include "pixels/PngFile.h"

namespace {
constexpr int kMinPPI = 24, kMaxPPI = 1536;
}

std::optional<int> PpiOption(const CommandLine& line, const SkinToolCommand& command, ToolIo& io) {
  const std::string text = line.Option("--ppi").value_or("96");
  const auto ppi = ParseSkinInt(text);
  if (ppi && *ppi >= kMinPPI && *ppi <= kMaxPPI && text.find_first_not_of("0123456789") == std::string::npos)
    return *ppi;
  io.err << "skintool " << command.name << ": --ppi takes a whole number from " << kMinPPI << " to " << kMaxPPI
         << "\n\n"
         << command.usage;
  return std::nullopt;
}

std::optional<ToolSkin> LoadToolSkin(const std::string& skin, int ppi, std::string_view command, ToolIo& io) {
  try {
    ToolSkin s;
    s.files = TacSkinFiles::Open(PathFromUtf8(skin));
    s.data = std::make_unique<TacSkinData>(s.files.get(), ppi);
    s.data->Init();
    if (s.data->gd.empty()) {
      io.err << "skintool " << command << ": " << skin << ": the skin has no sections\n";
      return std::nullopt;
    }
    return s;
  } catch (const std::exception& e) {
    io.err << "skintool " << command << ": " << skin << ": " << e.what() << '\n';
    return std::nullopt;
  }
}

void PaintFormBackground(const TacSkinData& data, const PixelBuffer& picture) {
  const int form = data.GetSkinIndex("FORM");
  if (form >= 0) {
    FillSectionBG(form, TCacheInfo{}, 0, kKeyColor, data, picture, {}, BufferRect(picture));
  } else {
    FillBitmapRect(picture, BufferRect(picture), SkinGlobalColor(data));
  }
}

bool WritePicture(const std::string& file, const PixelBuffer& picture, std::string_view command, ToolIo& io) {
  const std::vector<uint8_t> png = PngFromPicture(picture);
  if (png.empty()) {
    io.err << "skintool " << command << ": the picture could not be compressed\n";
    return false;
  }
  return WriteOutputFile(PathFromUtf8(file), png, command, io);
}

std::u16string Utf16FromUtf8(std::string_view text) {
  std::u16string out;
  size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    char32_t cp = lead & (0x7F >> (extra > 0 ? extra + 1 : 0));
    bool ok = extra >= 0 && i + extra < text.size();
    for (int k = 1; ok && k <= extra; ++k) {
      const auto c = static_cast<unsigned char>(text[i + k]);
      ok = (c & 0xC0) == 0x80;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (!ok) {  // not UTF-8: one replacement character per stray byte
      out.push_back(u'\uFFFD');
      ++i;
      continue;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i += static_cast<size_t>(extra) + 1;
  }
  return out;
}
