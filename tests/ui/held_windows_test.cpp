// Containers hidden at load hold their controls' windows back: what is set meanwhile
// shows once they are shown, also in an embedded form, and unloading returns the design.
#include <gtest/gtest.h>

#include "ui/ui.h"

namespace {

class HeldWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override { picPage.SetVisible(false); picHost.SetVisible(false); form.Load(); }
  void TearDown() override { form.Unload(); }  // the embedded form goes with its host
  ui::Form form{"Held", 400, 300};
  ui::PictureBox picPage{&form, {0, 100, 200, 100}};
  ui::TextBox txtName{&picPage, {4, 4, 100, 22}, "design"};
  ui::CheckBox chkFlag{&picPage, {4, 30, 100, 17}, "Flag"};
  ui::ComboBox cboStyle{&picPage, {4, 50, 100, 23}};
  ui::PictureBox picImage{&picPage, {110, 4, 40, 40}};
  ui::PictureBox picFront{&picPage, {110, 4, 40, 40}};
  ui::PictureBox picHost{&form, {200, 0, 200, 300}};
  ui::Form embedded{"", 200, 300, ui::FormStyle::Borderless};
  ui::TextBox txtInside{&embedded, {4, 4, 100, 22}};
};

TEST_F(HeldWindowsTest, WhatIsSetBeforeAHiddenContainerShowsIsThereWhenItShowsAndUnloadingReturnsTheDesign) {
  embedded.EmbedInto(picHost.hWnd());
  txtName.SetText("typed");
  txtInside.SetText("inside");
  chkFlag.SetValue(ui::CheckBox::kChecked);
  for (const char* item : {"Use Image", "Use Gradient"}) cboStyle.AddItem(item);
  cboStyle.SetListIndex(1);
  picImage.SetBackColor(RGB(0, 0, 255));
  SetPixel(picImage.hDC(), 5, 5, RGB(255, 0, 0));
  picFront.BringToFront();
  EXPECT_EQ(txtName.HwndIfCreated(), nullptr);
  EXPECT_EQ(txtInside.HwndIfCreated(), nullptr);

  picPage.SetVisible(true);
  picHost.SetVisible(true);
  char text[32] = {};
  GetWindowTextA(txtName.HwndIfCreated(), text, sizeof text);
  EXPECT_STREQ(text, "typed");
  GetWindowTextA(txtInside.HwndIfCreated(), text, sizeof text);
  EXPECT_STREQ(text, "inside");
  EXPECT_EQ(SendMessageA(chkFlag.HwndIfCreated(), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(cboStyle.HwndIfCreated(), CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(picImage.Point(5, 5), RGB(255, 0, 0));
  EXPECT_EQ(picImage.Point(6, 6), RGB(0, 0, 255));
  EXPECT_EQ(ChildWindowFromPointEx(picPage.hWnd(), POINT{120, 14}, CWP_SKIPINVISIBLE), picFront.hWnd());
  // Unloading returns the design, whether the windows were shown, made while hidden or never made.
  for (const std::string windows : {"shown", "made while hidden", "never made"}) {
    SCOPED_TRACE(windows);
    if (windows == "made while hidden") {
      ASSERT_TRUE(chkFlag.hWnd() && txtName.HwndIfCreated() && !IsWindowVisible(txtName.hWnd()));
    }
    form.Unload();
    form.Load();
    EXPECT_EQ(txtName.Text(), "design");
    EXPECT_EQ(chkFlag.Value(), ui::CheckBox::kUnchecked);
    txtName.SetText("typed");
    chkFlag.SetValue(ui::CheckBox::kChecked);
  }
}

}  // namespace
