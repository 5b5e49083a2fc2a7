// Picture boxes keep what is drawn on them; shapes and lines are drawn by
// their container and return to their design when the form unloads.
#include <gtest/gtest.h>

#include "ui/ui.h"

namespace {

class PictureForm : public ui::Form {
 public:
  PictureForm() : ui::Form("Pictures", 400, 300, ui::FormStyle::FixedSingle) {}
  ui::PictureBox picPlain{this, {10, 10, 100, 40}};
  ui::PictureBox picBorder{this, {10, 60, 100, 40}, ui::PictureBox::kFixedSingle, ui::kSysWindow};
  ui::Shape shpMarker{&picPlain, {0, -2, 40, 44}, ui::kSysHighlight, 1, false};
  ui::Line lnEdge{this, 0, 0, 100, 0};
  int dblClicks = 0;
  int clicks = 0;

 private:
  void Bind() override {
    picPlain.DblClick = [this] { ++dblClicks; };
    picPlain.Click = [this] { ++clicks; };
  }
};

class PictureTest : public ::testing::Test {
 protected:
  void SetUp() override { form.Load(); }
  void TearDown() override { form.Unload(); }
  PictureForm form;
};

TEST_F(PictureTest, DrawingStaysInThePersistentBitmap) {
  HDC dc = form.picPlain.hDC();
  RECT r{5, 5, 15, 15};
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  FillRect(dc, &r, red);
  DeleteObject(red);
  form.picPlain.Refresh();
  EXPECT_EQ(form.picPlain.Point(6, 6), RGB(255, 0, 0));
  EXPECT_EQ(form.picPlain.Point(20, 20), GetSysColor(COLOR_BTNFACE));
  form.picPlain.Cls();
  EXPECT_EQ(form.picPlain.Point(6, 6), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(form.picPlain.Point(-1, 0), CLR_INVALID);
}

TEST_F(PictureTest, SystemColourReferencesResolveAndSettingTheBackColourClears) {
  EXPECT_EQ(form.picBorder.Point(0, 0), GetSysColor(COLOR_WINDOW));
  HDC dc = form.picBorder.hDC();
  SetPixel(dc, 3, 3, RGB(0, 0, 255));
  form.picBorder.SetBackColor(ui::kSysButtonFace);
  EXPECT_EQ(form.picBorder.Point(3, 3), GetSysColor(COLOR_BTNFACE));
  form.picBorder.SetBackColor(RGB(10, 20, 30));
  EXPECT_EQ(form.picBorder.Point(3, 3), RGB(10, 20, 30));
}

TEST_F(PictureTest, ABorderTakesFromTheInnerSizeButNotFromTheOuterOne) {
  EXPECT_EQ(form.picBorder.Width(), 100);
  EXPECT_EQ(form.picBorder.ScaleWidth(), 96);
  EXPECT_EQ(form.picPlain.ScaleWidth(), 100);
}

TEST_F(PictureTest, HelpContextIdIsKeptUntilTheFormUnloads) {
  form.picPlain.SetHelpContextID(200);
  EXPECT_EQ(form.picPlain.HelpContextID(), 200);
  form.Unload();
  form.Load();
  EXPECT_EQ(form.picPlain.HelpContextID(), 0);
}

TEST_F(PictureTest, DoubleClickIsNotAlsoASecondClick) {
  HWND h = form.picPlain.hWnd();
  SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  SendMessageA(h, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(form.clicks, 1);
  EXPECT_EQ(form.dblClicks, 1);
}

TEST_F(PictureTest, ShapesAndLinesReturnToTheirDesignOnUnload) {
  EXPECT_FALSE(form.shpMarker.Visible());
  form.shpMarker.SetVisible(true);
  form.shpMarker.SetLeft(12);
  form.shpMarker.SetWidth(30);
  form.lnEdge.SetPoints(1, 2, 3, 4);
  form.Unload();
  form.Load();
  EXPECT_FALSE(form.shpMarker.Visible());
  EXPECT_EQ(form.shpMarker.Left(), 0);
  EXPECT_EQ(form.shpMarker.Width(), 40);
  EXPECT_EQ(form.lnEdge.X2(), 100);
}

}  // namespace
