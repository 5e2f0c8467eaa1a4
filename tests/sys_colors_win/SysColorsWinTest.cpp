// Options.ChangeSysColors in the program's windows, under Wine.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <cstring>
#include <vector>

#include "skin/base/acColorMix.h"
#include "skin/windows/acImportPatch.h"
#include "tests/support/ProgramForms.h"

namespace {

struct SystemFunction {
  const char* name;
  const void* address;
};

std::array<SystemFunction, 3> ColorFunctions() {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll"), gdi32 = GetModuleHandleW(L"gdi32.dll");
  return {{{"GetSysColor", reinterpret_cast<const void*>(GetProcAddress(user32, "GetSysColor"))},
           {"GetSysColorBrush", reinterpret_cast<const void*>(GetProcAddress(user32, "GetSysColorBrush"))},
           {"CreatePen", reinterpret_cast<const void*>(GetProcAddress(gdi32, "CreatePen"))}}};
}

// The first bytes of each function and every import slot that names it.
struct ColorFunctionState {
  std::vector<std::array<uint8_t, 16>> entryBytes;
  std::vector<std::vector<const void*>> slots;
  bool operator==(const ColorFunctionState&) const = default;
};

ColorFunctionState Observe() {
  ColorFunctionState state;
  for (const SystemFunction& f : ColorFunctions()) {
    std::array<uint8_t, 16> bytes{};
    std::memcpy(bytes.data(), f.address, bytes.size());
    state.entryBytes.push_back(bytes);
    state.slots.push_back(ImportSlotsHolding(f.address));
  }
  return state;
}

// The system's answers, called past any import table.
DWORD SystemSysColor(int index) {
  using Fn = DWORD(WINAPI*)(int);
  return reinterpret_cast<Fn>(const_cast<void*>(ColorFunctions()[0].address))(index);
}

COLORREF PenColor(HPEN pen) {
  LOGPEN info{};
  GetObjectW(pen, sizeof info, &info);
  return info.lopnColor;
}

COLORREF BrushColor(HBRUSH brush) {
  LOGBRUSH info{};
  GetObjectW(brush, sizeof info, &info);
  return info.lbColor;
}

// The program starts in each test, after the test has looked at the functions.
class SysColorsWin : public ProgramFormsTest {
 protected:
  void SetUp() override {}
  void StartProgram() { ProgramFormsTest::SetUp(); }
};

}  // namespace

TEST_F(SysColorsWin, OffTheSystemFunctionsAndTheirImportsAreUntouchedByStartUp) {
  const ColorFunctionState before = Observe();
  ASSERT_FALSE(before.slots[0].empty());  // this program imports GetSysColor itself
  StartProgram();
  ASSERT_FALSE(form_->sknmngr1->Options().ChangeSysColors());
  EXPECT_TRUE(Observe() == before);
  app_.reset();
  EXPECT_TRUE(Observe() == before);
}

TEST_F(SysColorsWin, OnTheAnswersFollowTheSkinAndOffTheSystemsComeBack) {
  const ColorFunctionState before = Observe();
  StartProgram();
  TsSkinManager& manager = *form_->sknmngr1;
  const TacPalette& p = manager.PaletteColors();
  ASSERT_EQ(GetActiveWindow(), form_->Handle());
  const DWORD systemWindow = SystemSysColor(COLOR_WINDOW);
  const DWORD systemShadow = SystemSysColor(COLOR_BTNSHADOW);
  const TColor skinShadow = MixColor(p[pcMainColor], 0, 205);
  ASSERT_NE(systemShadow, skinShadow);  // else the check below could not tell them apart

  manager.Options().SetChangeSysColors(true);
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), p[pcEditBG]);
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), skinShadow);
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), SystemSysColor(COLOR_BTNFACE));  // not redirected
  HBRUSH window = GetSysColorBrush(COLOR_WINDOWTEXT);
  EXPECT_EQ(BrushColor(window), p[pcEditText]);
  EXPECT_EQ(GetSysColorBrush(COLOR_WINDOWTEXT), window);  // one brush, not one per call
  HPEN grey = CreatePen(PS_SOLID, 1, 0xC0C0C0);
  EXPECT_EQ(PenColor(grey), MixColor(p[pcEditText], p[pcEditBG], 38));
  DeleteObject(grey);
  HPEN other = CreatePen(PS_SOLID, 1, 0x123456);
  EXPECT_EQ(PenColor(other), 0x123456u);
  DeleteObject(other);
  EXPECT_EQ(Observe().entryBytes, before.entryBytes);  // only import slots change, never code

  manager.Options().SetChangeSysColors(false);
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), systemWindow);
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), systemShadow);
  EXPECT_TRUE(Observe() == before);
}

TEST_F(SysColorsWin, OnRemovingTheSkinGivesTheSystemsAnswersBack) {
  const ColorFunctionState before = Observe();
  StartProgram();
  TsSkinManager& manager = *form_->sknmngr1;
  const DWORD systemShadow = SystemSysColor(COLOR_BTNSHADOW);
  manager.Options().SetChangeSysColors(true);
  ASSERT_NE(GetSysColor(COLOR_BTNSHADOW), systemShadow);
  manager.SetActive(false);
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), systemShadow);
  EXPECT_TRUE(Observe() == before);
}

TEST_F(SysColorsWin, OnWithoutAVisibleActiveFormGetSysColorAnswersAsTheSystem) {
  StartProgram();
  const DWORD systemShadow = SystemSysColor(COLOR_BTNSHADOW);
  form_->sknmngr1->Options().SetChangeSysColors(true);
  ASSERT_NE(GetSysColor(COLOR_BTNSHADOW), systemShadow);
  ShowWindow(form_->Handle(), SW_HIDE);
  uitest::PumpFor(50);
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), systemShadow);
  ShowWindow(form_->Handle(), SW_SHOW);
  SetForegroundWindow(form_->Handle());
  uitest::PumpFor(50);
  EXPECT_NE(GetSysColor(COLOR_BTNSHADOW), systemShadow);
}
