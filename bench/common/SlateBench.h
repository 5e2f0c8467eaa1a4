#pragma once
// What the benchmarks share: Slate's skin data at a density (loaded once per program), the
// painters' view of one of its sections, and the main window's speed buttons.
// SLATE_PACKAGE is the built package (marv_bench_uses_slate in bench/CMakeLists.txt).
#include <array>
#include <map>
#include <memory>

#include "skin/data/acSkinData.h"
#include "skin/data/acSkinFiles.h"
#include "skin/paint/acElementOwner.h"

struct BenchSlate {
  std::unique_ptr<TacSkinFiles> files;
  std::unique_ptr<TacSkinData> data;

  explicit BenchSlate(int ppi) : files(TacSkinFiles::Open(SLATE_PACKAGE)) {
    data = std::make_unique<TacSkinData>(files.get(), ppi);
    data->Init();
  }
  // A control of `section`, on a parent control or not.
  TacElementOwnerData Owner(const char* section, bool onParent = true) const {
    TacElementOwnerData o;
    o.Data = data.get();
    o.Index = data->GetSkinIndex(section);
    o.Parent = onParent;
    return o;
  }
};

// Slate at ppi, loaded on first use and kept for the program's life.
inline const BenchSlate& SlateAt(int ppi) {
  static std::map<int, std::unique_ptr<BenchSlate>> loaded;
  std::unique_ptr<BenchSlate>& slate = loaded[ppi];
  if (!slate) slate = std::make_unique<BenchSlate>(ppi);
  return *slate;
}

// The main window's speed buttons at 96 PPI, all 22 high, and its client area.
struct BenchButton {
  int left, top, width;
  const char16_t* caption;
};
inline constexpr std::array<BenchButton, 36> kMainWindowButtons{{
    {17, 8, 66, u"3D建模"},       {88, 8, 63, u"相机"},         {155, 8, 66, u"照片"},
    {225, 8, 66, u"地图"},        {17, 36, 66, u"画图 3D"},     {88, 36, 66, u"天气"},
    {155, 36, 66, u"便签"},       {225, 36, 66, u"财经"},       {17, 64, 66, u"新闻"},
    {88, 64, 66, u"人脉"},        {155, 64, 66, u"OneNote"},    {225, 64, 66, u"Xbox"},
    {17, 92, 66, u"Skype"},       {87, 92, 66, u"Wallet"},      {155, 92, 66, u"Print 3D"},
    {225, 92, 65, u"消息"},       {17, 119, 87, u"闹钟和时钟"}, {109, 119, 87, u"电影和电视"},
    {203, 119, 87, u"日历和邮件"}, {17, 147, 87, u"获取office"}, {109, 147, 87, u"应用商店"},
    {203, 147, 87, u"棋牌游戏"},  {17, 175, 87, u"录音机"},     {109, 175, 87, u"计算器"},
    {203, 175, 87, u"Groove 音乐"}, {17, 203, 87, u"获取帮助"}, {109, 203, 87, u"移动套餐"},
    {203, 203, 87, u"反馈中心"},  {17, 231, 87, u"3D 查看器"},  {109, 231, 87, u"截图和草图"},
    {203, 231, 87, u"使用技巧"},  {17, 259, 132, u"混合现实门户"}, {155, 259, 135, u"你的手机"},
    {308, 36, 85, u"卸载全部"},   {308, 64, 85, u"安装全部"},   {308, 203, 85, u"关于"},
}};
inline constexpr int kMainClientWidth = 412, kMainClientHeight = 290;
