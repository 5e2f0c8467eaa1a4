// skintool sheet SKIN -o PNG [--ppi N]
#include <algorithm>
#include <ostream>

#include "skin/paint/acNineSlice.h"
#include "skin/paint/sGraphUtils.h"
#include "tools/skintool/Commands.h"
#include "tools/skintool/PixelFont.h"
#include "tools/skintool/SkinPictures.h"

namespace {

constexpr int kShownStates = 3;  // the states a section's colours are given for
constexpr const char* kStateNames[kShownStates] = {"NORMAL", "HOT", "PRESSED"};

// One row of the sheet: a label and, for a section, its states; for a glyph of GLOBALINFO,
// its state images.
struct Row {
  std::string label;
  int skinIndex = -1;  // a section
  int maskIndex = -1;  // or a glyph
  int states = 1;
  TSize cell;
};

std::vector<Row> SheetRows(const TacSkinData& data, TSize defaultCell) {
  std::vector<Row> rows;
  for (int i = 0; i < static_cast<int>(data.gd.size()); ++i) {
    if (i == data.IndexGlobalInfo) continue;
    Row row{data.gd[i].ClassName, i, -1, std::clamp(data.gd[i].States, 1, kShownStates), defaultCell};
    // A border picture larger than the default cell gets room to show its corners.
    const TacMaskImage border = MaskImageOf(data, data.gd[i].BorderIndex);
    if (border.Valid()) {
      row.cell.cx = std::max(row.cell.cx, border.WL + border.WR + defaultCell.cy);
      row.cell.cy = std::max(row.cell.cy, border.WT + border.WB + 2);
    }
    rows.push_back(row);
  }
  for (int m = 0; m < static_cast<int>(data.ma.size()); ++m) {
    const TsMaskData& mask = data.ma[m];
    const bool glyph = mask.ImgType == TacImgType::itisaGlyph || mask.ImgType == TacImgType::itisaPngGlyph;
    if (!glyph || mask.SkinIndex != data.IndexGlobalInfo || !MaskImageOf(data, m).Valid()) continue;
    rows.push_back({mask.PropertyName, -1, m, std::clamp(mask.ImageCount, 1, kShownStates), {mask.Width, mask.Height}});
  }
  return rows;
}

int RunSheet(const ToolArgs& args, ToolIo& io) {
  const CommandLine line = ParseCommandLine(args, {"-o", "--ppi"});
  if (auto usage = CheckCommandLine(line, 1, {"-o"}, kSheetCommand, io)) return *usage;
  const auto ppi = PpiOption(line, kSheetCommand, io);
  if (!ppi) return kExitUsage;
  const std::string& skin = line.positional[0];
  auto loaded = LoadToolSkin(skin, *ppi, "sheet", io);
  if (!loaded) return kExitFailed;
  const TacSkinData& data = *loaded->data;

  const int scale = std::max(1, (*ppi + 48) / 96);
  const int gap = 6 * scale, labelH = LabelHeight(scale);
  const std::vector<Row> rows = SheetRows(data, {87 * *ppi / 96, 22 * *ppi / 96});
  int labelW = 0, cellW = 0;
  for (const Row& r : rows) {
    labelW = std::max(labelW, LabelWidth(r.label, scale));
    cellW = std::max({cellW, r.cell.cx, LabelWidth("PRESSED", scale)});
  }
  int height = gap + labelH + gap;
  for (const Row& r : rows) height += std::max(r.cell.cy, labelH) + gap;
  const int width = gap + labelW + gap + kShownStates * (cellW + gap);
  PixelImage sheet(width, height);
  PaintFormBackground(data, sheet.view());

  const uint32_t ink = ColorToPixel(data.FOwner ? data.FOwner->Palette()[pcLabelText] : 0);
  const TCacheInfo background = MakeCacheInfo(sheet.view());
  int y = gap;
  for (int s = 0; s < kShownStates; ++s) DrawLabel(sheet.view(), gap + labelW + gap + s * (cellW + gap), y, kStateNames[s], ink, scale);
  y += labelH + gap;
  for (const Row& r : rows) {
    const int rowH = std::max(r.cell.cy, labelH);
    DrawLabel(sheet.view(), gap, y + (rowH - labelH) / 2, r.label, ink, scale);
    for (int s = 0; s < r.states; ++s) {
      const TRect cell = TRect::FromSize(gap + labelW + gap + s * (cellW + gap), y + (rowH - r.cell.cy) / 2, r.cell.cx, r.cell.cy);
      if (r.skinIndex >= 0) {
        TacElementOwnerData owner;
        owner.Data = &data;
        owner.Index = r.skinIndex;
        PaintElement(owner, background, s, sheet.view(), {}, cell, true);
      } else {
        DrawMaskImage(sheet.view(), {cell.Left, cell.Top}, s, background, MaskImageOf(data, r.maskIndex));
      }
    }
    y += rowH + gap;
  }
  if (!WritePicture(line.Option("-o").value(), sheet.view(), "sheet", io)) return kExitFailed;
  io.out << "wrote " << rows.size() << " sections and glyphs, " << sheet.width() << " x " << sheet.height() << " at "
         << *ppi << " PPI, to \"" << line.Option("-o").value() << "\"\n";
  return kExitOk;
}

}  // namespace

extern const SkinToolCommand kSheetCommand{
    "sheet", "paint every section of a skin in all its states into one PNG picture",
    "Usage: skintool sheet SKIN -o PNG [--ppi N]\n"
    "Paints every section of SKIN (a package file or a skin folder) at N pixels per inch\n"
    "(96 when not given) in each of its states, normal, hot and pressed, one row a section\n"
    "labelled with its name, followed by the glyphs of GLOBALINFO in their state images,\n"
    "all over the skin's FORM background, and writes the sheet to PNG.\n",
    RunSheet};
