// skintool render SKIN SECTION -o PNG [--state N] [--size WxH] [--ppi N] [--text TEXT] [--font FACE]
#include <ostream>

#include "skin/paint/acSkinnedText.h"
#include "skin/paint/sGraphUtils.h"
#include "tools/skintool/Commands.h"
#include "tools/skintool/SkinPictures.h"

namespace {

constexpr int kMaxSide = 4096;
constexpr const char* kProgramFont = "\xE5\xBE\xAE\xE8\xBD\xAF\xE9\x9B\x85\xE9\xBB\x91";  // the program's font
constexpr int kProgramFontHeight = -12;

// "WxH" with both sides 1..kMaxSide.
std::optional<TSize> ParseSize(const std::string& text) {
  const size_t x = text.find('x');
  if (x == std::string::npos) return std::nullopt;
  const std::string w = text.substr(0, x), h = text.substr(x + 1);
  if (w.empty() || h.empty() || (w + h).find_first_not_of("0123456789") != std::string::npos || w.size() > 4 ||
      h.size() > 4)
    return std::nullopt;
  const TSize size{std::stoi(w), std::stoi(h)};
  if (size.cx < 1 || size.cy < 1 || size.cx > kMaxSide || size.cy > kMaxSide) return std::nullopt;
  return size;
}

int Usage(ToolIo& io, const std::string& error) {
  io.err << "skintool render: " << error << "\n\n" << kRenderCommand.usage;
  return kExitUsage;
}

int RunRender(const ToolArgs& args, ToolIo& io) {
  const CommandLine line = ParseCommandLine(args, {"-o", "--state", "--size", "--ppi", "--text", "--font"});
  if (auto usage = CheckCommandLine(line, 2, {"-o"}, kRenderCommand, io)) return *usage;
  const auto ppi = PpiOption(line, kRenderCommand, io);
  if (!ppi) return kExitUsage;
  const std::string stateText = line.Option("--state").value_or("0");
  if (stateText.empty() || stateText.size() > 3 || stateText.find_first_not_of("0123456789") != std::string::npos)
    return Usage(io, "--state takes a state number (0 normal, 1 hot, 2 pressed)");
  const auto size = ParseSize(line.Option("--size").value_or("87x22"));
  if (!size) return Usage(io, "--size takes WIDTHxHEIGHT, each 1 to 4096");
  const auto text = line.Option("--text");
  const std::unique_ptr<ITextPainter> painter = text ? SystemTextPainter() : nullptr;
  if (text && !painter) return Usage(io, "--text needs the Windows build: this build draws no text");

  const std::string &skin = line.positional[0], &section = line.positional[1];
  auto loaded = LoadToolSkin(skin, *ppi, "render", io);
  if (!loaded) return kExitFailed;
  const TacSkinData& data = *loaded->data;
  TacElementOwnerData owner;
  owner.Data = &data;
  owner.Index = data.GetSkinIndex(section);
  if (owner.Index < 0) {
    io.err << "skintool render: " << skin << " has no section \"" << section << "\" (names are case-sensitive)\n";
    return kExitFailed;
  }

  const int state = std::stoi(stateText);
  PixelImage picture(size->cx * *ppi / 96, size->cy * *ppi / 96);
  PaintFormBackground(data, picture.view());
  const TRect all = BufferRect(picture.view());
  PaintElement(owner, MakeCacheInfo(picture.view()), state, picture.view(), {}, all, true);
  if (text) {
    TacFont font;
    font.Face = Utf16FromUtf8(line.Option("--font").value_or(kProgramFont));
    font.Height = kProgramFontHeight * *ppi / 96;
    WriteSkinnedText({picture.view(), painter.get(), font}, Utf16FromUtf8(*text), true, true, state, owner,
                     tfCenter | tfVCenter | tfSingleLine, all);
  }
  if (!WritePicture(line.Option("-o").value(), picture.view(), "render", io)) return kExitFailed;
  io.out << "wrote " << section << " in state " << state << ", " << picture.width() << " x " << picture.height()
         << " at " << *ppi << " PPI, to \"" << line.Option("-o").value() << "\"\n";
  return kExitOk;
}

}  // namespace

extern const SkinToolCommand kRenderCommand{
    "render", "paint one section of a skin in a state to a PNG picture",
    "Usage: skintool render SKIN SECTION -o PNG [--state N] [--size WxH] [--ppi N]\n"
    "                       [--text TEXT] [--font FACE]\n"
    "Paints SECTION (its name as the options file writes it) of SKIN, a package file or a\n"
    "skin folder, the way a control of size WxH (87x22 when not given, in pixels at 96 PPI)\n"
    "looks in state N (0 normal, the default; 1 hot; 2 pressed) at N pixels per inch (96\n"
    "when not given), over the skin's FORM background, and writes it to PNG.\n"
    "--text writes TEXT centred in the section's font colours, in FACE (the program's font\n"
    "when not given); only the Windows build draws text.\n",
    RunRender};
