// The main window's link label of the running program, clicked from outside.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/update/ProgramTest.h"

namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;

class ProductLinkTest : public ProgramTest {
 protected:
  ProductLinkTest() { publish("[MAIN]\r\nVER=1.0\r\n"); }  // no notice: the program stays
};

TEST_F(ProductLinkTest, TheLinkLabelOpensTheProductPageAndTheWindowStays) {
  ProgramUnderTest program(ProgramPath());
  HWND main = program.WaitForWindow(IsMainWindow);
  ASSERT_TRUE(main);
  WaitForTheCheckToEnd();

  ClickAt(main, 318 + 32, 260 + 9);  // "Marvolena"
  EXPECT_THAT(browser_.WaitForOpened(1), ElementsAre(kTestProductPage));
  WaitUntilIdle(main);
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_TRUE(IsWindowEnabled(main));
  closeNormally(program, main);
}

}  // namespace
