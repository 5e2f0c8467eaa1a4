// The About window as designed.
#include <gtest/gtest.h>

#include "tests/update/ProgramUnderTest.h"
#include "update/Unit2.h"

namespace {

TEST(AboutLayout, ShowsTheDesignedTextsFontsAndPlaces) {
  TForm2 about;
  EXPECT_EQ(about.Caption(), L"关于");
  EXPECT_EQ(about.GetFont().Face(), L"Tahoma");
  EXPECT_EQ(about.GetFont().Height(), -11);
  EXPECT_EQ(about.GetFont().Charset(), DEFAULT_CHARSET);

  EXPECT_EQ(about.lbl1.Caption(), L"Windows 10预装应用管家，瘦身您的Windows ！");
  EXPECT_EQ(about.lbl1.GetFont().Face(), L"Segoe Print");
  EXPECT_EQ(about.lbl1.GetFont().Height(), -11);
  EXPECT_EQ(about.lbl1.GetFont().Charset(), ANSI_CHARSET);
  EXPECT_EQ(about.lbl2.Caption(), L"请多多支持~");
  EXPECT_EQ(about.lbl2.GetFont().Face(), L"Tahoma");
  EXPECT_EQ(about.btn2.Caption(), L"检查更新");
  EXPECT_EQ(about.btn1.Caption(), L"确定");

  const struct {
    marv::Control* control;
    RECT expected;  // a label's size follows its caption: only its corner is checked
  } places[] = {
      {&about.lbl1, {20, 24, 0, 0}},
      {&about.lbl2, {136, 56, 0, 0}},
      {&about.btn2, {20, 86, 81, 108}},
      {&about.btn1, {202, 86, 277, 111}},
  };
  for (const auto& p : places) {
    SCOPED_TRACE(testing::PrintToString(p.control->Name()));
    const RECT& at = p.control->LayoutBounds();
    EXPECT_EQ(at.left, p.expected.left);
    EXPECT_EQ(at.top, p.expected.top);
    if (p.expected.right) {
      EXPECT_EQ(at.right, p.expected.right);
      EXPECT_EQ(at.bottom, p.expected.bottom);
    }
  }

  about.HandleNeeded();
  ASSERT_TRUE(about.Handle());
  EXPECT_EQ(WindowText(about.Handle()), L"关于");
  const SIZE client = ClientSizeAt96(about.Handle());
  EXPECT_EQ(client.cx, 301);
  EXPECT_EQ(client.cy, 119);
  const LONG_PTR style = GetWindowLongPtrW(about.Handle(), GWL_STYLE);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(GetWindowLongPtrW(about.Handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
  const RECT ok = BoundsInParent(about.btn1.Handle());
  EXPECT_EQ(ok.left, 202);
  EXPECT_EQ(ok.top, 86);
  EXPECT_EQ(WindowText(about.btn1.Handle()), L"确定");
}

}  // namespace
