#include "tools/frmCutter.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <vector>

#include "core/globals.h"
#include "core/subclass.h"
#include "core/window_links.h"
#include "support/files.h"
#include "support/scripted_prompter.h"
#include "tool_form_support.h"

namespace {

using namespace tool_tests;

class CutterTest : public ToolFormTest {
 protected:
  void TearDown() override {
    form.Unload();
    ToolFormTest::TearDown();
  }
  // As the main window opens it.
  void Open() {
    form.Load();
    core::gCutterShown = true;
  }
  // Index of each box's up-down control.
  enum { kLeft, kTop, kWidth, kHeight, kHorizontal, kVertical };
  tools::frmCutter& form = tools::CutterForm();
};

TEST_F(CutterTest, WithoutAStoredPlaceItOpensBelowAndRightOfTheMainWindow) {
  Open();
  EXPECT_EQ(Text(Outer(form)), "370 305 360 385");
  EXPECT_EQ(GetWindow(form.hWnd(), GW_OWNER), nullptr);
  EXPECT_NE(SendMessageA(form.hWnd(), WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageA(form.hWnd(), WM_GETICON, ICON_SMALL, 0), 0);
  // Sizable and minimisable, not maximisable.
  LONG_PTR style = GetWindowLongPtrA(form.hWnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
}

TEST_F(CutterTest, ItOpensAtTheStoredPlaceWithinTheScreenAndAtLeast360By360) {
  int sw = GetSystemMetrics(SM_CXSCREEN);
  int sh = GetSystemMetrics(SM_CYSCREEN);
  struct Case {
    std::string stored;
    std::string expected;
  };
  const Case cases[] = {
      {"10 20 100 50", "10 20 360 360"},
      {"40 50 400 420", "40 50 400 420"},
      {"-3 20 400 400", "0 20 400 400"},
      {std::to_string(sw - 10) + " " + std::to_string(sh - 10) + " 400 400",
       std::to_string(sw - 400) + " " + std::to_string(sh - 400) + " 400 400"},
      {"x y", "0 0 360 360"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    Store("CutterRect", c.stored);
    Open();
    EXPECT_EQ(Text(Outer(form)), c.expected);
    form.Unload();
  }
}

TEST_F(CutterTest, ClosingRecordsWhereItWas) {
  Open();
  form.Move(21, 32, 380, 400);
  ASSERT_TRUE(form.Unload());
  EXPECT_FALSE(core::gCutterShown);
  EXPECT_EQ(Setting("CutterRect"), "21 32 380 400");
  EXPECT_EQ(Setting("NavigatorShow"), "");

  Open();
  EXPECT_EQ(Text(Outer(form)), "21 32 380 400");
}

TEST_F(CutterTest, EscapeInAnyBoxClosesIt) {
  Open();
  EXPECT_FALSE(PressKey(form.txtLeft.hWnd(), 'A'));
  EXPECT_TRUE(form.IsLoaded());
  EXPECT_TRUE(PressKey(form.txtLeft.hWnd(), VK_ESCAPE));
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_FALSE(core::gCutterShown);
  EXPECT_EQ(Setting("CutterRect"), "370 305 360 385");
}

TEST_F(CutterTest, ControlsSitInTheirContainersAtTheirDesignedPlaces) {
  Open();
  EXPECT_TRUE(SameRect(PlaceInParent(form.txtFile.hWnd()), {60, 14, 196, 22}));
  EXPECT_TRUE(SameRect(PlaceInParent(form.cmdBrowse.hWnd()), {260, 13, 74, 24}));
  EXPECT_EQ(GetParent(form.picButtons.hWnd()), form.fraButtons.hWnd());
  EXPECT_TRUE(SameRect(PlaceInParent(form.picButtons.hWnd()), {10, 13, 305, 113}));
  EXPECT_EQ(GetParent(form.txtHeight.hWnd()), form.picButtons.hWnd());
  EXPECT_TRUE(SameRect(PlaceInParent(form.txtHeight.hWnd()), {232, 88, 47, 21}));
  EXPECT_TRUE(form.optHorizontal.Value());
  EXPECT_FALSE(form.optVertical.Value());
}

TEST_F(CutterTest, TheBoxesComeFirstInTheTabOrderAndTheButtonsLast) {
  Open();
  std::vector<HWND> wanted = {form.txtFile.hWnd(),  form.txtHorizontal.hWnd(), form.txtVertical.hWnd(),
                              form.txtLeft.hWnd(),  form.txtTop.hWnd(),        form.txtWidth.hWnd(),
                              form.txtHeight.hWnd(), form.cmdBrowse.hWnd(),    form.cmdCut.hWnd()};
  std::vector<HWND> order;
  HWND h = form.txtFile.hWnd();
  for (int guard = 0; guard < 100; ++guard) {
    for (HWND w : wanted)
      if (w == h) order.push_back(h);
    h = GetNextDlgTabItem(form.hWnd(), h, FALSE);
    if (!h || h == form.txtFile.hWnd()) break;
  }
  EXPECT_EQ(order, wanted);
}

TEST_F(CutterTest, EachBoxHasItsUpDownBesideIt) {
  Open();
  struct Expected {
    ui::TextBox* box;
    ui::Rect place;
    int lower;
    int upper;
  };
  const Expected expected[] = {
      {&form.txtLeft, {120, 63, 20, 22}, 0, 1000},    {&form.txtTop, {280, 63, 20, 22}, 0, 1000},
      {&form.txtWidth, {120, 87, 20, 22}, 0, 1000},   {&form.txtHeight, {280, 87, 20, 22}, 0, 1000},
      {&form.txtHorizontal, {280, 7, 20, 22}, 1, 16}, {&form.txtVertical, {280, 31, 20, 22}, 1, 16},
  };
  for (int i = 0; i < tools::frmCutter::kUpDownCount; ++i) {
    SCOPED_TRACE(i);
    HWND upDown = form.UpDown(i);
    ASSERT_TRUE(IsWindow(upDown));
    EXPECT_EQ(GetParent(upDown), form.picButtons.hWnd());
    EXPECT_EQ(Text(PlaceInParent(upDown)), Text(expected[i].place));
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(upDown, UDM_GETBUDDY, 0, 0)), expected[i].box->hWnd());
    int lower = -1, upper = -1;
    SendMessageA(upDown, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
    EXPECT_EQ(lower, expected[i].lower);
    EXPECT_EQ(upper, expected[i].upper);
    LONG_PTR style = GetWindowLongPtrA(upDown, GWL_STYLE);
    EXPECT_TRUE(style & UDS_ARROWKEYS);
    EXPECT_FALSE(style & UDS_SETBUDDYINT);
    // No up-down writes into its box by itself.
    EXPECT_EQ(expected[i].box->Text(), "");
  }
}

TEST_F(CutterTest, AnUpDownStepIsWrittenIntoItsBox) {
  Open();
  HWND upDown = form.UpDown(kLeft);
  SendMessageA(upDown, UDM_SETPOS32, 0, 5);
  // A click on the upper arrow.
  RECT rc;
  GetClientRect(upDown, &rc);
  LPARAM upper = MAKELPARAM(rc.right / 2, rc.bottom / 4);
  SendMessageA(upDown, WM_LBUTTONDOWN, MK_LBUTTON, upper);
  SendMessageA(upDown, WM_LBUTTONUP, 0, upper);
  EXPECT_EQ(form.txtLeft.Text(), "6");

  // The arrow keys in a box step its up-down.
  SendMessageA(form.txtTop.hWnd(), WM_KEYDOWN, VK_UP, 0);
  SendMessageA(form.txtTop.hWnd(), WM_KEYUP, VK_UP, 0);
  EXPECT_EQ(form.txtTop.Text(), "1");
  SendMessageA(form.txtTop.hWnd(), WM_KEYDOWN, VK_DOWN, 0);
  SendMessageA(form.txtTop.hWnd(), WM_KEYUP, VK_DOWN, 0);
  EXPECT_EQ(form.txtTop.Text(), "0");
  EXPECT_EQ(form.txtLeft.Text(), "6");

  // Other scroll messages to the box are left alone.
  SendMessageA(form.picButtons.hWnd(), WM_VSCROLL, SB_LINEUP, 0);
  SendMessageA(form.picButtons.hWnd(), WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(form.txtLeft.hWnd()));
  EXPECT_EQ(form.txtLeft.Text(), "6");
}

TEST_F(CutterTest, ClosingRemovesTheUpDownsAndReopeningMakesThemAnew) {
  Open();
  HWND oldUpDown = form.UpDown(kWidth);
  HWND oldButtons = form.picButtons.hWnd();
  EXPECT_EQ(GetWindowLongPtrA(oldButtons, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&core::SubclassWndProc));
  form.Unload();
  EXPECT_FALSE(IsWindow(oldUpDown));
  for (int i = 0; i < tools::frmCutter::kUpDownCount; ++i) EXPECT_EQ(form.UpDown(i), nullptr);

  Open();
  EXPECT_EQ(form.txtWidth.Text(), "");
  SendMessageA(form.txtWidth.hWnd(), WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(form.txtWidth.Text(), "1");
}

TEST_F(CutterTest, GrowingTheWindowGrowsTheViewAndMovesTheButtonsDown) {
  Open();
  SetClientSize(form, 500, 400);
  EXPECT_TRUE(SameRect(form.picView.Bounds(), {12, 56, 476, 158}));
  EXPECT_EQ(form.fraButtons.Top(), 220);
  EXPECT_EQ(form.cmdCut.Top(), 364);
  EXPECT_TRUE(SameRect(PlaceInParent(form.cmdCut.hWnd()), {244, 364, 90, 25}));

  // Below the designed size nothing moves.
  SetClientSize(form, 300, 300);
  EXPECT_TRUE(SameRect(form.picView.Bounds(), {12, 56, 476, 158}));
  EXPECT_EQ(form.fraButtons.Top(), 220);
  EXPECT_EQ(form.cmdCut.Top(), 364);
}

TEST_F(CutterTest, BrowseAsksForAnImageOwnedByTheCutterAndPutsItIntoTheFileBox) {
  Open();
  EXPECT_EQ(core::CutterWindow(), form.hWnd());
  testing_support::ScriptedPrompter prompter;
  prompter.AnswerFile("C:\\Images\\strip.png").AnswerFile("");
  SendMessageA(form.cmdBrowse.hWnd(), BM_CLICK, 0, 0);
  ASSERT_EQ(prompter.fileDialogs.size(), 1u);
  EXPECT_EQ(prompter.fileDialogs[0].owner, form.hWnd());
  EXPECT_EQ(prompter.fileDialogs[0].filter,
            "Image Files|*.ico;*.bmp;*.gif;*.jpg;*.png|Icons (*.ico)|*.ico|Bitmaps (*.bmp)|*.bmp|"
            "GIF Images (*.gif)|*.gif|JPEG Images (*.jpg)|*.jpg|PNG Images (*.png)|*.png");
  EXPECT_EQ(form.txtFile.Text(), "C:\\Images\\strip.png");

  // Cancelled, nothing changes.
  SendMessageA(form.cmdBrowse.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(form.txtFile.Text(), "C:\\Images\\strip.png");
}

TEST_F(CutterTest, WithoutALanguageFileTheDesignedCaptionsStay) {
  core::gTextBrowse = "Parcourir";
  Open();
  form.SetCaptions();
  EXPECT_EQ(WindowText(form.hWnd()), "Image Cutter");
  EXPECT_EQ(form.cmdBrowse.Caption(), "Browse...");
  EXPECT_EQ(form.lblFile.Caption(), "File :");
  EXPECT_EQ(form.optHorizontal.Caption(), "Split Horizontally to :");
  EXPECT_EQ(form.lblLeft.Caption(), "Left :");
  EXPECT_EQ(form.cmdCut.Caption(), "Cut");
}

TEST_F(CutterTest, CaptionsComeFromTheLanguageFileThenEnglishElseStayEmpty) {
  core::gTextBrowse = "Parcourir...";
  UseLanguage(
      "Cutter=Decoupeur\r\nFile=Fichier :\r\nSplit_Horizontal=Horizontal :\r\nSplit_Vertical=Vertical :\r\n"
      "Top1=Haut\r\nWidth1=Largeur\r\nHeight1=Hauteur\r\n",
      "Cut=Cut it\r\n");
  Open();
  EXPECT_EQ(WindowText(form.hWnd()), "Decoupeur");
  EXPECT_EQ(form.cmdBrowse.Caption(), "Parcourir...");
  EXPECT_EQ(form.lblFile.Caption(), "Fichier :");
  EXPECT_EQ(form.optHorizontal.Caption(), "Horizontal :");
  EXPECT_EQ(form.optVertical.Caption(), "Vertical :");
  EXPECT_EQ(form.lblTop.Caption(), "Haut :");
  EXPECT_EQ(form.lblwidth.Caption(), "Largeur :");
  EXPECT_EQ(form.lblHeight.Caption(), "Hauteur :");
  EXPECT_EQ(WindowText(form.lblHeight.hWnd()), "Hauteur :");
  EXPECT_EQ(form.cmdCut.Caption(), "Cut it");
  // In neither file.
  EXPECT_EQ(form.lblLeft.Caption(), " :");
}

}  // namespace
