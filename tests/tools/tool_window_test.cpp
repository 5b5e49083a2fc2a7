#include "tools/tool_window.h"

#include <gtest/gtest.h>

#include "tool_form_support.h"

namespace {

void ExpectRect(const ui::Rect& r, int left, int top, int width, int height) {
  EXPECT_EQ(r.left, left);
  EXPECT_EQ(r.top, top);
  EXPECT_EQ(r.width, width);
  EXPECT_EQ(r.height, height);
}

TEST(WindowRect, FieldsAreReadAsTheNearestWholeNumbers) {
  ExpectRect(tools::ParseWindowRect("10 20 300 400"), 10, 20, 300, 400);
  // Halves go to the even neighbour; a written fraction of a pixel reads back.
  ExpectRect(tools::ParseWindowRect("12.5 13.5 -2.5 370.46667"), 12, 14, -2, 370);
  ExpectRect(tools::ParseWindowRect("+7 -8 1e2 +-9"), 7, -8, 100, 0);
}

TEST(WindowRect, MissingOrUnreadableFieldsCountAsZero) {
  ExpectRect(tools::ParseWindowRect(""), 0, 0, 0, 0);
  ExpectRect(tools::ParseWindowRect("10 20"), 10, 20, 0, 0);
  ExpectRect(tools::ParseWindowRect("abc 20 12px 40"), 0, 20, 0, 40);
  // Fields are separated by single blanks: a double blank leaves an empty field.
  ExpectRect(tools::ParseWindowRect("10  20 30"), 10, 0, 20, 30);
  ExpectRect(tools::ParseWindowRect("inf nan 99999999999 0x10"), 0, 0, 0, 0);
}

class ToolWindowPlaceTest : public ::testing::Test {
 protected:
  tool_tests::MainWindowStandIn mainWindow{100, 50};
  int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  int screenHeight = GetSystemMetrics(SM_CYSCREEN);
};

TEST_F(ToolWindowPlaceTest, WithoutAStoredPlaceTheWindowOpensBesideTheMainWindow) {
  ExpectRect(tools::ToolWindowPlace("", 400, 300, {270, 255}, 360, 385), 370, 305, 360, 385);
  SetWindowPos(mainWindow.hWnd(), nullptr, 7, 8, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ExpectRect(tools::ToolWindowPlace("", 400, 300, {270, 255}, 360, 385), 277, 263, 360, 385);
}

TEST_F(ToolWindowPlaceTest, WithoutAStoredPlaceTheWindowBelowALowMainWindowStaysOnTheScreen) {
  SetWindowPos(mainWindow.hWnd(), nullptr, 100, screenHeight - 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ExpectRect(tools::ToolWindowPlace("", 400, 300, {270, 255}, 360, 385), 370, screenHeight - 385, 360, 385);
}

TEST(ToolWindowPlace, WithoutAMainWindowTheScreenCornerStandsForIt) {
  ExpectRect(tools::ToolWindowPlace("", 400, 300, {100, 225}, 752, 412), 100, 225, 752, 412);
}

TEST_F(ToolWindowPlaceTest, AStoredPlaceIsRaisedToTheMinimumSizeAndKeptOnTheScreen) {
  ExpectRect(tools::ToolWindowPlace("10 20 100 50", 400, 300, {}, 1, 1), 10, 20, 400, 300);
  ExpectRect(tools::ToolWindowPlace("-10 -20 500 400", 400, 300, {}, 1, 1), 0, 0, 500, 400);
  ExpectRect(tools::ToolWindowPlace(std::to_string(screenWidth - 100) + " " + std::to_string(screenHeight - 10) +
                                        " 500 400",
                                    400, 300, {}, 1, 1),
             screenWidth - 500, screenHeight - 400, 500, 400);
  // A window whose edges meet the screen's stays where it is.
  ExpectRect(tools::ToolWindowPlace(std::to_string(screenWidth - 500) + " " + std::to_string(screenHeight - 400) +
                                        " 500 400",
                                    400, 300, {}, 1, 1),
             screenWidth - 500, screenHeight - 400, 500, 400);
  // The size is raised before the screen's edge is tested.
  ExpectRect(tools::ToolWindowPlace(std::to_string(screenWidth - 350) + " 0 10 10", 400, 300, {}, 1, 1),
             screenWidth - 400, 0, 400, 300);
  // Larger than the screen, it is sized to the screen before it is pushed back.
  ExpectRect(tools::ToolWindowPlace("20 30 99999 99999", 400, 300, {}, 1, 1), 0, 0, screenWidth, screenHeight);
}

}  // namespace
