// Building the section table: one entry per section of the options file, in file order,
// with absent keys inherited along PARENTCLASS chains.
#include <algorithm>
#include <climits>
#include <optional>
#include <functional>
#include <unordered_set>

#include "skin/data/acOptionsFile.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinLoadError.h"
#include "skin/data/acZLibExNames.h"

namespace {

// Reads a section's keys, looking along its PARENTCLASS chain for absent ones. A chain
// that comes back to a section it has passed ends there.
class InheritedReader {
 public:
  InheritedReader(const TacOptionsFile& ini, const std::string& section) : ini_(ini) {
    std::unordered_set<std::string> seen;
    std::string current = section;
    while (ini_.FindSection(current) != nullptr && seen.insert(current).second) {
      chain_.push_back(current);
      current = ini_.ReadString(current, "PARENTCLASS", "");
      if (IsAbsentValue(current) || current == "?") break;
    }
  }

  // The first non-negative value along the chain.
  std::optional<int32_t> Int(std::string_view key) const {
    for (const std::string& s : chain_)
      if (const int32_t v = ini_.ReadInteger(s, key, -1); v >= 0) return v;
    return std::nullopt;
  }
  int Int(std::string_view key, int def, int max = INT_MAX) const { return std::min(Int(key).value_or(def), max); }

  // Texts are inherited only where the key is missing ("?" counts as missing); a present
  // "N/A" is a value of its own (an empty gradient).
  std::optional<std::string> Str(std::string_view key) const {
    for (const std::string& s : chain_)
      if (const std::string* v = ini_.Value(s, key); v != nullptr && *v != "?") return *v;
    return std::nullopt;
  }
  bool Bool(std::string_view key) const {
    const auto v = Str(key);
    return v && (*v == "TRUE" || *v == "1");
  }

 private:
  const TacOptionsFile& ini_;
  std::vector<std::string> chain_;
};

// The key of a state's field: state 1 carries "HOT" (glow keys "HGCOL", "HGSIZE"), state 2 a "2".
std::string StateKey(std::string_view base, int state) {
  if (state == 1) return base == "GCOL" ? "HGCOL" : base == "GSIZE" ? "HGSIZE" : "HOT" + std::string(base);
  if (state == 2) return std::string(base) + "2";
  return std::string(base);
}

struct StateField {
  std::string_view key;
  void (*set)(TsGenState&, int32_t);
};

constexpr StateField kStateFields[] = {
    {"COLOR", [](TsGenState& s, int32_t v) { s.Color = static_cast<TColor>(v); }},
    {"FONTCOLOR", [](TsGenState& s, int32_t v) { s.FontColor.Color = static_cast<TColor>(v); }},
    {"TCLEFT", [](TsGenState& s, int32_t v) { s.FontColor.Left = static_cast<TColor>(v); }},
    {"TCTOP", [](TsGenState& s, int32_t v) { s.FontColor.Top = static_cast<TColor>(v); }},
    {"TCRIGHT", [](TsGenState& s, int32_t v) { s.FontColor.Right = static_cast<TColor>(v); }},
    {"TCBOTTOM", [](TsGenState& s, int32_t v) { s.FontColor.Bottom = static_cast<TColor>(v); }},
    {"GCOL", [](TsGenState& s, int32_t v) { s.GlowColor = static_cast<TColor>(v); }},
    {"GSIZE", [](TsGenState& s, int32_t v) { s.GlowSize = v; }},
    {"GRADIENTPERCENT", [](TsGenState& s, int32_t v) { s.GradientPercent = v; }},
    {"IMAGEPERCENT", [](TsGenState& s, int32_t v) { s.ImagePercent = v; }},
    {"TRANSPARENCY", [](TsGenState& s, int32_t v) { s.Transparency = v; }},
};

using IntSource = std::function<std::optional<int32_t>(std::string_view)>;
using StrSource = std::function<std::optional<std::string>(std::string_view)>;

// `state` with every field whose key the sources answer replaced.
TsGenState ReadState(TsGenState state, int index, const IntSource& intOf, const StrSource& strOf) {
  for (const StateField& f : kStateFields)
    if (const auto v = intOf(StateKey(f.key, index))) f.set(state, *v);
  if (const auto text = strOf(StateKey("GRADIENTDATA", index))) {
    if (!GradientFieldsAreNumbers(*text)) throw SkinLoadError("\"" + *text + "\" is not a valid gradient");
    state.GradientArray = ParseGradientData(*text);
  }
  return state;
}

}  // namespace

void TacSkinData::LoadAllGeneralData() {
  gd.clear();
  const TacOptionsFile* ini = Options();
  if (ini == nullptr) return;
  TabsCovering = static_cast<uint8_t>(ini->ReadInteger(kSectionNames[ssTabTop], "TABSCOVERING", 0));
  RibbonCovering = static_cast<uint8_t>(ini->ReadInteger("RIBBONTAB", "TABSCOVERING", 0));

  for (const TacIniSection& section : ini->Sections()) {
    const InheritedReader r(*ini, section.Name);
    TsGeneralData g;
    g.ClassName = section.Name;
    if (const std::string* parent = section.Find("PARENTCLASS"); parent && !IsAbsentValue(*parent)) g.ParentClass = *parent;
    g.GiveOwnFont = r.Bool("GIVEOWNFONT");
    g.ShiftOnClick = r.Bool("SHIFTCLICK");
    g.ReservedBoolean = r.Bool("RESERVEDBOOLEAN");
    g.States = r.Int("STATES", 3, 255);
    g.GlowCount = r.Int("GLOW", 0, 255);
    g.GlowMargin = r.Int("GLOWMARGIN", 0, 255);
    if (!ma.empty()) g.GlowMargin = RoundScaled(g.GlowMargin, PPI, 96);
    g.OuterMode = r.Int("OUTERMODE", 2);
    g.OuterOpacity = r.Int("OUTOPACITY", 200, 255);
    g.OuterOffset = {ScaleInt(r.Int("OUTOFFSL", -1, 255)), ScaleInt(r.Int("OUTOFFST", -1, 255)),
                     ScaleInt(r.Int("OUTOFFSR", -1, 255)), ScaleInt(r.Int("OUTOFFSB", -1, 255))};
    g.OuterBlur = ScaleInt(r.Int("OUTBLUR", 9, 30));
    g.OuterRadius = ScaleInt(r.Int("OUTRADIUS", 9, 60));
    g.OuterColorL = static_cast<TColor>(r.Int("OUTCOLL", 0));
    g.OuterColorT = static_cast<TColor>(r.Int("OUTCOLT", 0));
    g.OuterColorR = static_cast<TColor>(r.Int("OUTCOLR", 0));
    g.OuterColorB = static_cast<TColor>(r.Int("OUTCOLB", 0));

    const IntSource intOf = [&](std::string_view key) { return r.Int(key); };
    const StrSource strOf = [&](std::string_view key) { return r.Str(key); };
    g.Props[0] = ReadState({}, 0, intOf, strOf);
    g.Props[1] = g.States > 1 ? ReadState({}, 1, intOf, strOf) : g.Props[0];
    g.UseState2 = r.Int("USESTATE2", 0) == 1;
    g.Props[2] = g.UseState2 ? ReadState({}, 2, intOf, strOf) : g.Props[1];
    gd.push_back(std::move(g));
  }

  MergeCommonSections();
  const TacPalette& palette = FOwner->Palette();
  if (GetSkinIndex(kSectionNames[ssTransparent]) < 0)
    AddSection(kSectionNames[ssTransparent], -1, palette[pcLabelText], 0xFFFFFF, 100, 1);
  if (GetSkinIndex("MAINCOLOR") < 0) AddSection("MAINCOLOR", -1, palette[pcLabelText], palette[pcMainColor], 0, 1);
  LoadGlobalMetrics();
}

// The manager's common sections patch the skin's sections of the same name, or add
// sections copied from the one their PARENTCLASS names.
void TacSkinData::MergeCommonSections() {
  const TacOptionsFile* common = FOwner->Settings().CommonSections;
  if (common == nullptr) return;
  for (const TacIniSection& cs : common->Sections()) {
    int index = GetSkinIndex(cs.Name);
    if (index < 0) {
      const std::string parent = AsciiUpper(common->ReadString(cs.Name, "PARENTCLASS", ""));
      int source = -1;
      for (size_t i = 0; i < gd.size() && source < 0; ++i)
        if (AsciiUpper(gd[i].ClassName) == parent) source = static_cast<int>(i);
      index = AddSection(cs.Name, source, 0, 0xFFFFFF, 0, 3);
    }
    TsGeneralData& g = gd[index];
    const IntSource intOf = [&](std::string_view key) -> std::optional<int32_t> {
      const std::string* v = cs.Find(key);
      return v ? ParseSkinInt(*v) : std::nullopt;
    };
    const StrSource strOf = [&](std::string_view key) -> std::optional<std::string> {
      const std::string* v = cs.Find(key);
      return v && !IsAbsentValue(*v) ? std::optional<std::string>(*v) : std::nullopt;
    };
    const auto boolOf = [&](std::string_view key, bool& field) {
      if (const auto v = strOf(key)) field = AsciiUpper(*v) == "TRUE" || *v == "1";
    };
    if (const auto v = intOf("STATES")) g.States = std::min(*v, 255);
    for (int s = 0; s < 3; ++s) g.Props[s] = ReadState(g.Props[s], s, intOf, strOf);
    if (const auto v = intOf("USESTATE2")) g.UseState2 = *v == 1;
    boolOf("RESERVEDBOOLEAN", g.ReservedBoolean);
    boolOf("GIVEOWNFONT", g.GiveOwnFont);
    if (const auto v = intOf("GLOW")) g.GlowCount = std::min(*v, 255);
    if (const auto v = intOf("GLOWMARGIN")) g.GlowMargin = RoundScaled(std::min(*v, 255), PPI, 96);
    if (const std::string* border = cs.Find("BORDERSMASK"); border && border->size() < 5) g.BorderIndex = kBorderSwitchedOff;
  }
}
