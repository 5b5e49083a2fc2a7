#include "tools/frmNavigator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <utility>

#include "core/globals.h"
#include "support/files.h"
#include "support/pump.h"
#include "tool_form_support.h"

namespace {

using namespace tool_tests;

class NavigatorTest : public ToolFormTest {
 protected:
  void TearDown() override {
    form.Unload();
    ToolFormTest::TearDown();
  }
  // As the main window opens it.
  void Open() {
    form.Load();
    core::gNavigatorShown = true;
  }
  tools::frmNavigator& form = tools::NavigatorForm();
};

TEST_F(NavigatorTest, WithoutAStoredPlaceItOpensBelowAndRightOfTheMainWindow) {
  Open();
  EXPECT_EQ(Text(Outer(form)), "200 275 752 412");
  // Its own window, not owned by the main window, with the program's icons.
  EXPECT_EQ(GetWindow(form.hWnd(), GW_OWNER), nullptr);
  HICON big = reinterpret_cast<HICON>(SendMessageA(form.hWnd(), WM_GETICON, ICON_BIG, 0));
  HICON small = reinterpret_cast<HICON>(SendMessageA(form.hWnd(), WM_GETICON, ICON_SMALL, 0));
  EXPECT_NE(big, nullptr);
  EXPECT_NE(small, nullptr);
  EXPECT_NE(big, small);
}

TEST_F(NavigatorTest, ItOpensAtTheStoredPlaceWithinTheScreenAndAtLeast400By300) {
  int sw = GetSystemMetrics(SM_CXSCREEN);
  int sh = GetSystemMetrics(SM_CYSCREEN);
  struct Case {
    std::string stored;
    std::string expected;
  };
  const Case cases[] = {
      {"30 40 500 350", "30 40 500 350"},
      {"10 20 100 50", "10 20 400 300"},
      {"10 20", "10 20 400 300"},
      {"-5 -7 400 300", "0 0 400 300"},
      {std::to_string(sw - 100) + " 20 500 300", std::to_string(sw - 500) + " 20 500 300"},
      {"20 " + std::to_string(sh - 300) + " 500 300", "20 " + std::to_string(sh - 300) + " 500 300"},
      {"20 " + std::to_string(sh - 299) + " 500 300", "20 " + std::to_string(sh - 300) + " 500 300"},
      // Stored on a larger screen: sized to this one, wholly on it.
      {"0 0 " + std::to_string(sw + 640) + " " + std::to_string(sh + 56),
       "0 0 " + std::to_string(sw) + " " + std::to_string(sh)},
      {"0 0 99999 99999", "0 0 " + std::to_string(sw) + " " + std::to_string(sh)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    Store("NavigatorRect", c.stored);
    Open();
    EXPECT_EQ(Text(Outer(form)), c.expected);
    form.Unload();
  }
}

TEST_F(NavigatorTest, ClosingRecordsThatItWasClosedAndWhereItWas) {
  Store("NavigatorShow", "1");
  Open();
  form.Move(33, 44, 600, 400);
  ASSERT_TRUE(form.Unload());
  EXPECT_FALSE(core::gNavigatorShown);
  EXPECT_EQ(Setting("NavigatorShow"), "0");
  EXPECT_EQ(Setting("NavigatorRect"), "33 44 600 400");
  EXPECT_EQ(Setting("CutterRect"), "");

  Open();
  EXPECT_EQ(Text(Outer(form)), "33 44 600 400");
}

TEST_F(NavigatorTest, TheBarsScrollThePictureSmoothlyToEachEdgeAndStopWithTheWindow) {
  Open();
  form.Show();
  SetClientSize(form, 400, 221);
  HWND box = form.picScrollBox.hWnd();
  auto scroll = [&](UINT msg, WPARAM wParam) {
    SendMessageA(form.picScrollBox.hWnd(), msg, wParam, 0);
    EXPECT_TRUE(
        testing_support::PumpUntil([&] { return !form.tmrVertical.Running() && !form.tmrHorizontal.Running(); }));
  };
  UINT lines = 3;
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  const int notch = -20 * static_cast<int>(lines);
  const WPARAM down = MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA));  // a notch towards the user
  // A message and its wParam, then the picture's top and left.
  const std::tuple<UINT, WPARAM, int, int> cases[] = {
      {WM_MOUSEWHEEL, down, notch, 0}, {WM_HSCROLL, SB_LINEDOWN, notch, -1}, {WM_VSCROLL, SB_TOP, 0, -1}};
  for (auto [msg, wParam, top, left] : cases) {
    SCOPED_TRACE(msg);
    scroll(msg, wParam);
    EXPECT_EQ(std::pair(form.picClient.Top(), form.picClient.Left()), std::pair(top, left));
    EXPECT_EQ(-GetScrollPos(box, SB_VERT), top);
  }
  // At each size in turn (one bar shown makes the other needed; the picture
  // fits; it does not again) the bars show where the picture is, and only
  // while it overflows, and each edge can be reached.
  for (SIZE client : {SIZE{745, 376}, SIZE{745, 300}, SIZE{400, 300}, SIZE{800, 500}, SIZE{745, 360},
                      SIZE{700, 381}}) {
    SCOPED_TRACE(testing::Message() << client.cx << " x " << client.cy);
    SetClientSize(form, client.cx, client.cy);
    // A picture that fits is put back at its edge at once.
    if (form.picClient.Height() <= form.picScrollBox.ScaleHeight()) {
      EXPECT_EQ(form.picClient.Top(), 0);
    }
    if (form.picClient.Width() <= form.picScrollBox.ScaleWidth()) {
      EXPECT_EQ(form.picClient.Left(), 0);
    }
    for (auto [msg, wParam] : {std::pair<UINT, WPARAM>{WM_NULL, 0}, {WM_VSCROLL, SB_BOTTOM}, {WM_HSCROLL, SB_BOTTOM},
                               {WM_MOUSEWHEEL, down}}) {
      scroll(msg, wParam);
      EXPECT_EQ(-GetScrollPos(box, SB_VERT), form.picClient.Top());
      EXPECT_EQ(-GetScrollPos(box, SB_HORZ), form.picClient.Left());
    }
    LONG_PTR style = GetWindowLongPtrA(box, GWL_STYLE);
    EXPECT_EQ((style & WS_VSCROLL) != 0, form.picClient.Height() > form.picScrollBox.ScaleHeight());
    EXPECT_EQ((style & WS_HSCROLL) != 0, form.picClient.Width() > form.picScrollBox.ScaleWidth());
    EXPECT_EQ(form.picClient.Top(), std::min(0, form.picScrollBox.ScaleHeight() - form.picClient.Height()));
    EXPECT_EQ(form.picClient.Left(), std::min(0, form.picScrollBox.ScaleWidth() - form.picClient.Width()));
  }

  // A scroll under way stops with the window, and a minimised or maximised
  // window records its restored place.
  for (ui::WindowState state : {ui::WindowState::Minimized, ui::WindowState::Maximized}) {
    Open();
    form.Show();
    form.Move(33, 44, 600, 400);
    scroll(WM_VSCROLL, SB_TOP);
    SendMessageA(form.picScrollBox.hWnd(), WM_VSCROLL, SB_BOTTOM, 0);
    form.SetState(state);
    EXPECT_TRUE(form.tmrVertical.Running());
    ASSERT_TRUE(form.Unload());
    EXPECT_FALSE(form.tmrVertical.Running());
    EXPECT_EQ(Setting("NavigatorRect"), "33 44 600 400");
  }
}

TEST_F(NavigatorTest, AWindowTheWholePictureFitsInShowsNoBarAfterMinimisingOrGrowing) {
  Open();
  form.Show();
  // The size it starts at, and whether it is then minimised and restored.
  const std::pair<SIZE, bool> cases[] = {{{745, 376}, true}, {{400, 300}, false}};
  for (auto [from, minimise] : cases) {
    SCOPED_TRACE(testing::Message() << from.cx << " x " << from.cy << (minimise ? ", minimised" : ""));
    SetClientSize(form, from.cx, from.cy);
    SetClientSize(form, 745, 376);
    if (minimise) {
      form.SetState(ui::WindowState::Minimized);
      SendMessageA(form.hWnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
    }
    EXPECT_EQ(GetWindowLongPtrA(form.picScrollBox.hWnd(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0);
    EXPECT_EQ(std::pair(form.picScrollBox.ScaleWidth(), form.picScrollBox.ScaleHeight()), std::pair(745, 355));
    EXPECT_EQ(std::pair(form.picClient.Left(), form.picClient.Top()), std::pair(0, 0));
  }
}

TEST_F(NavigatorTest, TheCloseBoxAndEscapeCloseItTheSameWay) {
  Open();
  SendMessageA(form.hWnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_FALSE(core::gNavigatorShown);
  EXPECT_EQ(Setting("NavigatorShow"), "0");

  Store("NavigatorShow", "1");
  Open();
  EXPECT_FALSE(PressKey(form.picScrollBox.hWnd(), VK_RETURN));
  EXPECT_TRUE(form.IsLoaded());
  EXPECT_TRUE(PressKey(form.picScrollBox.hWnd(), VK_ESCAPE));
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_FALSE(core::gNavigatorShown);
  EXPECT_EQ(Setting("NavigatorShow"), "0");
}

TEST_F(NavigatorTest, TheRestoreCommandBringsBackAMinimisedWindow) {
  Open();
  form.SetState(ui::WindowState::Minimized);
  ASSERT_EQ(form.State(), ui::WindowState::Minimized);
  SendMessageA(form.hWnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(form.State(), ui::WindowState::Normal);
  EXPECT_TRUE(form.Visible());
}

TEST_F(NavigatorTest, WithoutALanguageFileTheDesignedCaptionsStay) {
  Open();
  form.SetCaptions();
  EXPECT_EQ(form.Caption(), "Skin Navigator");
  EXPECT_EQ(WindowText(form.hWnd()), "Skin Navigator");
  EXPECT_EQ(form.lblDescription.Caption(), tools::frmNavigator::kDescription);
}

TEST_F(NavigatorTest, CaptionsComeFromTheLanguageFileThenEnglishElseStayEmpty) {
  UseLanguage("Navigator=Navigateur\r\n", "Navigator=Skin Navigator\r\nNavigator_Note=Note in English\r\n");
  Open();
  EXPECT_EQ(WindowText(form.hWnd()), "Navigateur");
  EXPECT_EQ(form.lblDescription.Caption(), "Note in English");
  EXPECT_EQ(WindowText(form.lblDescription.hWnd()), "Note in English");
  form.Unload();

  UseLanguage("Navigator=Navigateur\r\n", "");
  Open();
  EXPECT_EQ(form.lblDescription.Caption(), "");
  // A language switch while the window is open.
  UseLanguage("Navigator=Navigator 2\r\nNavigator_Note=Note 2\r\n", "");
  form.SetCaptions();
  EXPECT_EQ(WindowText(form.hWnd()), "Navigator 2");
  EXPECT_EQ(form.lblDescription.Caption(), "Note 2");
  form.Unload();

  // Closed, the window returns to its designed captions.
  core::gLanguageFile.clear();
  Open();
  EXPECT_EQ(WindowText(form.hWnd()), "Skin Navigator");
  EXPECT_EQ(form.lblDescription.Caption(), tools::frmNavigator::kDescription);
}

TEST_F(NavigatorTest, ThePictureFillsTheWindowAboveTheStatusStrip) {
  Open();
  SetClientSize(form, 600, 300);
  EXPECT_TRUE(SameRect(form.picScrollBox.Bounds(), {0, 0, 600, 279}));
  EXPECT_TRUE(SameRect(form.picStatus.Bounds(), {0, 279, 600, 25}));
  EXPECT_TRUE(SameRect(form.lblStatus.Bounds(), {4, 5, 592, 16}));
  EXPECT_EQ(form.shpStatus.Width(), 600);
  EXPECT_EQ(form.Line1.X2(), 600);
  EXPECT_EQ(form.Line2.X2(), 600);
  EXPECT_EQ(form.Line2.Y1(), 2);
  EXPECT_TRUE(SameRect(PlaceInParent(form.picStatus.hWnd()), {0, 279, 600, 25}));

  // Too low for the status strip: the picture keeps its last height.
  SetClientSize(form, 600, 10);
  EXPECT_EQ(form.picScrollBox.Height(), 279);
  EXPECT_EQ(form.picStatus.Top(), -11);
}

}  // namespace
