// The control layer's notification rules, driven both by code and by the
// real notifications a user's action produces.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/ui.h"

namespace {

class ControlsForm : public ui::Form {
 public:
  ControlsForm() : ui::Form("Controls", 400, 300, ui::FormStyle::FixedSingle) {}

  ui::TextBox txtOne{this, {8, 8, 120, 22}, "design"};
  ui::TextBox txtTwo{this, {8, 36, 120, 22}};
  ui::TextBox txtMulti{this, {8, 64, 120, 60}, "", ui::TextBox::kMultiLine | ui::TextBox::kVScroll};
  ui::Frame fraGroup{this, {140, 8, 240, 120}, "Group"};
  ui::CheckBox chkInFrame{&fraGroup, {8, 20, 100, 20}, "Check"};
  ui::OptionButton optA{&fraGroup, {8, 44, 80, 20}, "A", true};
  ui::OptionButton optB{&fraGroup, {8, 68, 80, 20}, "B"};
  ui::CommandButton cmdInFrame{&fraGroup, {120, 20, 90, 24}, "Go"};
  ui::ComboBox cboList{this, {8, 140, 150, 22}, ui::ComboBox::kDropdownList};
  ui::ComboBox cboEdit{this, {170, 140, 150, 22}, ui::ComboBox::kDropdownCombo};
  ui::PictureBox picPanel{this, {8, 180, 200, 100}};
  ui::CommandButton cmdInPicture{&picPanel, {10, 10, 80, 24}, "Inner"};
  ui::Label lblCaption{this, {220, 180, 100, 17}, "Caption :"};

  std::vector<std::string> log;
  int loads = 0;

 private:
  void Bind() override {
    txtOne.Change = [this] { log.push_back("txtOne_Change:" + txtOne.Text()); };
    txtTwo.Change = [this] {
      log.push_back("txtTwo_Change:" + txtTwo.Text());
      // Handlers run synchronously and may nest.
      txtOne.SetText("from two");
    };
    txtMulti.Change = [this] { log.push_back("txtMulti_Change"); };
    chkInFrame.Click = [this] { log.push_back("chkInFrame_Click:" + std::to_string(chkInFrame.Value())); };
    optA.Click = [this] { log.push_back("optA_Click"); };
    optB.Click = [this] { log.push_back("optB_Click"); };
    cmdInFrame.Click = [this] { log.push_back("cmdInFrame_Click"); };
    cmdInPicture.Click = [this] { log.push_back("cmdInPicture_Click"); };
    cboList.Click = [this] { log.push_back("cboList_Click:" + std::to_string(cboList.ListIndex())); };
    cboEdit.Click = [this] { log.push_back("cboEdit_Click:" + cboEdit.Text()); };
    cboEdit.Change = [this] { log.push_back("cboEdit_Change:" + cboEdit.Text()); };
    lblCaption.MouseDown = [this](int button, int, int x, int y) {
      log.push_back("lblCaption_MouseDown:" + std::to_string(button) + "," + std::to_string(x) + "," +
                    std::to_string(y));
    };
    lblCaption.Click = [this] { log.push_back("lblCaption_Click"); };
  }
  void Form_Load() override { ++loads; }
};

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override { form.Load(); }
  void TearDown() override { form.Unload(); }
  ControlsForm form;
  std::vector<std::string>& log = form.log;
};

using Log = std::vector<std::string>;

// --- TextBox

TEST_F(ControlsTest, TextSetByCodeRaisesChangeOnlyWhenItDiffers) {
  form.txtOne.SetText("abc");
  form.txtOne.SetText("abc");  // Wine's edit sends EN_CHANGE here; the layer must not.
  form.txtOne.SetText("");
  EXPECT_EQ(log, (Log{"txtOne_Change:abc", "txtOne_Change:"}));
  EXPECT_EQ(form.txtOne.Text(), "");
}

TEST_F(ControlsTest, MultiLineTextSetByCodeRaisesChangeOnce) {
  form.txtMulti.SetText("line one\r\nline two");
  form.txtMulti.SetText("line one\r\nline two");
  EXPECT_EQ(log, (Log{"txtMulti_Change"}));
  EXPECT_EQ(form.txtMulti.Text(), "line one\r\nline two");
}

TEST_F(ControlsTest, TypingRaisesChangeForEachEdit) {
  form.txtOne.SetText("");
  log.clear();
  SendMessageA(form.txtOne.hWnd(), WM_CHAR, 'x', 1);
  SendMessageA(form.txtOne.hWnd(), WM_CHAR, 'y', 1);
  EXPECT_EQ(log, (Log{"txtOne_Change:x", "txtOne_Change:xy"}));
}

TEST_F(ControlsTest, ChangeHandlersNestSynchronously) {
  form.txtTwo.SetText("two");
  EXPECT_EQ(log, (Log{"txtTwo_Change:two", "txtOne_Change:from two"}));
}

TEST_F(ControlsTest, UnloadReturnsControlsToTheirDesignAndReloadRunsLoadAgain) {
  form.txtOne.SetText("changed");
  form.chkInFrame.SetValue(ui::CheckBox::kChecked);
  form.cboList.AddItem("x");
  form.Unload();
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(form.txtOne.Text(), "design");
  EXPECT_EQ(form.chkInFrame.Value(), ui::CheckBox::kUnchecked);
  EXPECT_EQ(form.cboList.ListCount(), 0);
  form.Load();
  EXPECT_EQ(form.loads, 2);
  EXPECT_EQ(form.txtOne.Text(), "design");
}

// --- CheckBox

TEST_F(ControlsTest, CheckBoxValueSetByCodeRaisesClickOnlyOnChange) {
  form.chkInFrame.SetValue(ui::CheckBox::kChecked);
  form.chkInFrame.SetValue(ui::CheckBox::kChecked);
  form.chkInFrame.SetValue(ui::CheckBox::kUnchecked);
  EXPECT_EQ(log, (Log{"chkInFrame_Click:1", "chkInFrame_Click:0"}));
  EXPECT_EQ(SendMessageA(form.chkInFrame.hWnd(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(ControlsTest, UserClickInsideAFrameTogglesAndRaisesClickOnce) {
  SendMessageA(form.chkInFrame.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(log, (Log{"chkInFrame_Click:1"}));
  EXPECT_EQ(SendMessageA(form.chkInFrame.hWnd(), BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageA(form.chkInFrame.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(form.chkInFrame.Value(), ui::CheckBox::kUnchecked);
}

// --- OptionButton

TEST_F(ControlsTest, SelectingAnOptionClearsItsSiblingsAndRaisesOneClick) {
  SendMessageA(form.optB.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(log, (Log{"optB_Click"}));
  EXPECT_TRUE(form.optB.Value());
  EXPECT_FALSE(form.optA.Value());
  EXPECT_EQ(SendMessageA(form.optA.hWnd(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  form.optB.SetValue(true);  // already selected
  form.optA.SetValue(true);
  EXPECT_EQ(log, (Log{"optB_Click", "optA_Click"}));
}

// --- CommandButton

TEST_F(ControlsTest, ButtonsInsideFramesAndPicturesRaiseClick) {
  SendMessageA(form.cmdInFrame.hWnd(), BM_CLICK, 0, 0);
  SendMessageA(form.cmdInPicture.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(log, (Log{"cmdInFrame_Click", "cmdInPicture_Click"}));
}

// --- ComboBox

TEST_F(ControlsTest, ListIndexSetByCodeAlwaysRaisesClickAndListEditsRaiseNothing) {
  form.cboList.AddItem("Use Image");
  form.cboList.AddItem("Use Gradient");
  EXPECT_TRUE(log.empty());
  form.cboList.SetListIndex(1);
  form.cboList.SetListIndex(1);
  EXPECT_EQ(log, (Log{"cboList_Click:1", "cboList_Click:1"}));
  EXPECT_EQ(form.cboList.Text(), "Use Gradient");
  form.cboList.Clear();
  EXPECT_EQ(form.cboList.ListIndex(), -1);
  EXPECT_EQ(log.size(), 2u);
}

TEST_F(ControlsTest, UserSelectionRaisesClickWithTheNewIndex) {
  form.cboList.AddItem("a");
  form.cboList.AddItem("b");
  HWND combo = form.cboList.hWnd();
  SendMessageA(combo, CB_SETCURSEL, 1, 0);
  SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
  EXPECT_EQ(log, (Log{"cboList_Click:1"}));
  EXPECT_EQ(form.cboList.ListIndex(), 1);
}

TEST_F(ControlsTest, EditableComboRaisesChangeForNewTextOnly) {
  form.cboEdit.AddItem("C:\\a.zqv");
  form.cboEdit.SetText("typed");
  form.cboEdit.SetText("typed");
  EXPECT_EQ(log, (Log{"cboEdit_Change:typed"}));
  EXPECT_EQ(form.cboEdit.ListIndex(), -1);
  form.cboEdit.SetText("C:\\a.zqv");
  EXPECT_EQ(form.cboEdit.ListIndex(), 0);
  form.cboEdit.SetListIndex(0);
  EXPECT_EQ(log.back(), "cboEdit_Click:C:\\a.zqv");
}

TEST_F(ControlsTest, RemovingItemsKeepsTheSelectionOnTheSameItem) {
  for (const char* s : {"a", "b", "c"}) form.cboList.AddItem(s);
  form.cboList.SetListIndex(2);
  form.cboList.RemoveItem(0);
  EXPECT_EQ(form.cboList.ListIndex(), 1);
  EXPECT_EQ(form.cboList.Text(), "c");
  form.cboList.AddItem("first", 0);
  EXPECT_EQ(form.cboList.ListIndex(), 2);
  form.cboList.RemoveItem(2);
  EXPECT_EQ(form.cboList.ListIndex(), -1);
}

// --- Label

TEST_F(ControlsTest, LabelRaisesMouseDownWithPositionAndClickOnRelease) {
  HWND label = form.lblCaption.hWnd();
  SendMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 7));
  SendMessageA(label, WM_LBUTTONUP, 0, MAKELPARAM(5, 7));
  EXPECT_EQ(log, (Log{"lblCaption_MouseDown:1,5,7", "lblCaption_Click"}));
}

TEST_F(ControlsTest, ReleaseOutsideTheLabelIsNoClick) {
  HWND label = form.lblCaption.hWnd();
  SendMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 7));
  SendMessageA(label, WM_LBUTTONUP, 0, MAKELPARAM(500, 7));
  EXPECT_EQ(log, (Log{"lblCaption_MouseDown:1,5,7"}));
}

// --- Exceptions never cross a window procedure

TEST(ControlFirewall, AnExceptionInAHandlerStopsAtTheWindowProcedure) {
  std::string reported;
  ui::SetHandlerExceptionReporter([&](const std::string& what) { reported = what; });
  {
    ControlsForm form;
    form.Load();
    form.cmdInFrame.Click = [] { throw std::runtime_error("handler failed"); };
    SendMessageA(form.cmdInFrame.hWnd(), BM_CLICK, 0, 0);
    form.Unload();
  }
  ui::SetHandlerExceptionReporter(
      [](const std::string& what) { ADD_FAILURE() << "exception escaped into a window procedure: " << what; });
  EXPECT_EQ(reported, "handler failed");
}

// --- Control arrays

class ArrayForm : public ui::Form {
 public:
  ArrayForm() : ui::Form("Arrays", 300, 200, ui::FormStyle::FixedSingle) {}
  ui::ControlArray<ui::PictureBox> picTabs{3, [this](int i) {
    return std::make_unique<ui::PictureBox>(this, ui::Rect{10 + 60 * i, 10, 50, 50});
  }};
  std::vector<int> clicked;

 private:
  void Bind() override {
    picTabs.ForEach([this](ui::PictureBox& p) { p.Click = [this, &p] { clicked.push_back(p.Index()); }; });
  }
};

TEST(ControlArrays, ElementsKnowTheirIndexAndShareHandlers) {
  ArrayForm form;
  form.Load();
  EXPECT_EQ(form.picTabs.Count(), 3);
  EXPECT_EQ(form.picTabs(2).Index(), 2);
  for (int i : {2, 0}) {
    SendMessageA(form.picTabs(i).hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    SendMessageA(form.picTabs(i).hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
  }
  EXPECT_EQ(form.clicked, (std::vector<int>{2, 0}));
  auto& added = form.picTabs.Load(3, std::make_unique<ui::PictureBox>(&form, ui::Rect{200, 100, 20, 20}));
  EXPECT_NE(added.hWnd(), nullptr);
  EXPECT_EQ(added.Index(), 3);
  EXPECT_THROW(form.picTabs(7), std::out_of_range);
  form.Unload();
}

}  // namespace
