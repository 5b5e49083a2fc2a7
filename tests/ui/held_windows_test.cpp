// Containers hidden at load hold their controls' windows back: what is set
// meanwhile shows once they are shown, unloading returns everything to the
// design, and an embedded form waits for its host. A batch of menu changes
// rebuilds the menu bar once, with every change in it.
#include <gtest/gtest.h>

#include <string>

#include "ui/ui.h"

namespace {

class HeldForm : public ui::Form {
 public:
  HeldForm() : ui::Form("Held", 400, 300) {
    picPage.SetVisible(false);
    picHost.SetVisible(false);
  }
  ui::MenuItem mnuFile{this, "File"};
  ui::MenuItem mnuOpen{&mnuFile, "Open"};
  ui::PictureBox picShown{this, {0, 0, 200, 100}};
  ui::PictureBox picPage{this, {0, 100, 200, 100}};
  ui::TextBox txtName{&picPage, {4, 4, 100, 22}, "design"};
  ui::CheckBox chkFlag{&picPage, {4, 30, 100, 17}, "Flag"};
  ui::ComboBox cboStyle{&picPage, {4, 50, 100, 23}};
  ui::PictureBox picImage{&picPage, {110, 4, 40, 40}};
  ui::PictureBox picFront{&picPage, {110, 4, 40, 40}};
  ui::PictureBox picHost{this, {200, 0, 200, 300}};
};

class EmbeddedForm : public ui::Form {
 public:
  EmbeddedForm() : ui::Form("", 200, 300, ui::FormStyle::Borderless) {}
  ui::TextBox txtInside{this, {4, 4, 100, 22}};
};

class HeldWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override { form.Load(); }
  void TearDown() override {
    embedded.Unload();
    form.Unload();
  }
  HeldForm form;
  EmbeddedForm embedded;
};

TEST_F(HeldWindowsTest, WhatIsSetBeforeAHiddenPageShowsIsThereWhenItShows) {
  EXPECT_NE(form.picShown.HwndIfCreated(), nullptr);
  EXPECT_EQ(form.txtName.HwndIfCreated(), nullptr);
  form.txtName.SetText("typed");
  form.chkFlag.SetValue(ui::CheckBox::kChecked);
  form.cboStyle.AddItem("Use Image");
  form.cboStyle.AddItem("Use Gradient");
  form.cboStyle.SetListIndex(1);
  form.picImage.SetBackColor(RGB(0, 0, 255));
  SetPixel(form.picImage.hDC(), 5, 5, RGB(255, 0, 0));
  form.picFront.SetBackColor(RGB(0, 255, 0));
  form.picFront.BringToFront();
  EXPECT_EQ(form.txtName.HwndIfCreated(), nullptr);

  form.picPage.SetVisible(true);
  char text[32] = {};
  GetWindowTextA(form.txtName.HwndIfCreated(), text, sizeof text);
  EXPECT_STREQ(text, "typed");
  EXPECT_EQ(SendMessageA(form.chkFlag.HwndIfCreated(), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(form.cboStyle.HwndIfCreated(), CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(form.picImage.Point(5, 5), RGB(255, 0, 0));
  EXPECT_EQ(form.picImage.Point(6, 6), RGB(0, 0, 255));
  // The picture brought to the front lies over its earlier sibling.
  POINT at{120, 14};
  EXPECT_EQ(ChildWindowFromPointEx(form.picPage.hWnd(), at, CWP_SKIPINVISIBLE), form.picFront.hWnd());
}

TEST_F(HeldWindowsTest, AskingForAWindowMakesItAndUnloadingReturnsEveryControlToItsDesign) {
  form.txtName.SetText("typed");
  form.chkFlag.SetValue(ui::CheckBox::kChecked);
  // Only the windows asked for: the page itself stays hidden.
  ASSERT_NE(form.chkFlag.hWnd(), nullptr);
  EXPECT_NE(form.txtName.HwndIfCreated(), nullptr);
  EXPECT_FALSE(IsWindowVisible(form.txtName.hWnd()));
  form.Unload();
  form.Load();
  EXPECT_EQ(form.txtName.Text(), "design");
  EXPECT_EQ(form.chkFlag.Value(), ui::CheckBox::kUnchecked);
  // Never made, and still back to the design.
  form.txtName.SetText("again");
  form.Unload();
  form.Load();
  EXPECT_EQ(form.txtName.Text(), "design");
}

TEST_F(HeldWindowsTest, AFormEmbeddedInAHiddenPanelGetsItsWindowsWhenThePanelShows) {
  embedded.EmbedInto(form.picHost.hWnd());
  EXPECT_EQ(GetParent(embedded.hWnd()), form.picHost.hWnd());
  EXPECT_EQ(embedded.txtInside.HwndIfCreated(), nullptr);
  embedded.txtInside.SetText("inside");
  form.picHost.SetVisible(true);
  char text[32] = {};
  GetWindowTextA(embedded.txtInside.HwndIfCreated(), text, sizeof text);
  EXPECT_STREQ(text, "inside");
}

TEST_F(HeldWindowsTest, ABatchOfMenuChangesShowsEveryChangeWhenItEnds) {
  {
    ui::MenuBarBatch batch(form);
    form.mnuFile.SetCaption("Fichier");
    form.mnuOpen.SetCaption("Ouvrir");
  }
  HMENU bar = GetMenu(form.hWnd());
  char text[32] = {};
  GetMenuStringA(bar, 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "Fichier");
  GetMenuStringA(GetSubMenu(bar, 0), form.mnuOpen.Id(), text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "Ouvrir");
}

}  // namespace
