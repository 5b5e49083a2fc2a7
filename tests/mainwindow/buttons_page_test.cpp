// The Buttons page: selecting toolbar, tab-bar and window buttons, editing
// their images, offset, padding and draw-background flag in the icon
// tables, replacing missing images from the default skin, and saving.
#include <gtest/gtest.h>

#include "core/files.h"
#include "core/globals.h"
#include "core/program.h"
#include "icon_pages_support.h"
#include "support/stand_in_browser.h"

namespace {

using namespace main_window_tests;
using namespace core;
using testing_support::Exists;
using testing_support::ReadFile;
using testing_support::WritePng;

const COLORREF kBlue = RGB(0, 0, 255);

class ButtonsPageTest : public IconPagesTest {
 protected:
  std::vector<std::string> Offsets() {
    return {form.txtLeftOffset.Text(), form.txtTopOffset.Text()};
  }
  std::vector<std::string> Paddings() {
    return {form.txtTopPadding.Text(), form.txtRightPadding.Text(), form.txtBottomPadding.Text(),
            form.txtLeftPadding.Text()};
  }
  std::vector<std::string> StateBoxes() {
    return {form.txtNormal.Text(), form.txtHover.Text(), form.txtDisable.Text(), form.txtPressed.Text()};
  }
};

TEST_F(ButtonsPageTest, OpeningAProjectSelectsTheFirstToolbarButtonAndFillsTheEditors) {
  OpenDefaultSkin();
  EXPECT_TRUE(Highlighted(form.picBigIcon(0)));
  EXPECT_NE(Centre(form.picBigIcon(0)), kHighlightColour);
  for (int i = 1; i < kToolbarCount; ++i) EXPECT_TRUE(Plain(form.picBigIcon(i))) << i;
  for (int i = 0; i < kTabButtonCount; ++i) EXPECT_TRUE(Plain(form.picTabIcon(i))) << i;
  EXPECT_EQ(form.txtButtonName.Text(), "Back");
  EXPECT_EQ(StateBoxes(), (std::vector<std::string>{"toolbar\\24_back.png", "toolbar\\24_back_hover.png",
                                                    "toolbar\\24_back_disable.png", "toolbar\\24_back_pressed.png"}));
  for (ui::PictureBox* preview : {&form.picNormal, &form.picHover, &form.picDisable, &form.picPressed})
    EXPECT_NE(Centre(*preview), kButtonFaceColour);
  EXPECT_EQ(Offsets(), (std::vector<std::string>{"0", "0"}));
  EXPECT_EQ(Paddings(), (std::vector<std::string>{"3", "3", "3", "3"}));
  EXPECT_EQ(form.chkDrawBG.Value(), ui::CheckBox::kChecked);
  EXPECT_TRUE(form.chkDrawBG.Enabled());
  // The Icons page's first icon was selected after it.
  EXPECT_EQ(gIconGroup, kSmallIconGroup);
  EXPECT_EQ(gIconIndex, 0);
  EXPECT_FALSE(gModified);
  EXPECT_FALSE(gToolbarChanged[0]);
}

TEST_F(ButtonsPageTest, AnyMouseButtonSelectsAndTheOldSelectionReturnsToItsPlainLook) {
  OpenDefaultSkin();
  Press(form.picBigIcon(9), WM_RBUTTONDOWN);
  EXPECT_TRUE(Highlighted(form.picBigIcon(9)));
  EXPECT_TRUE(Plain(form.picBigIcon(0)));
  EXPECT_EQ(form.txtButtonName.Text(), "Feed");
  EXPECT_EQ(form.txtNormal.Text(), "toolbar\\24_feed.png");
  EXPECT_EQ(gIconGroup, kToolbarGroup);
  EXPECT_EQ(gIconIndex, 9);

  Press(form.picWinIcon(1));
  EXPECT_TRUE(Plain(form.picBigIcon(9)));
  EXPECT_TRUE(Highlighted(form.picWinIcon(1)));
  EXPECT_EQ(form.txtButtonName.Text(), "MenuMinimize");
  EXPECT_EQ(Offsets(), (std::vector<std::string>{"0", "1"}));
  EXPECT_EQ(Paddings(), (std::vector<std::string>{"0", "0", "0", "0"}));

  // Selecting it again refills the editors and changes nothing.
  form.txtNormal.SetText("typed");
  gModified = false;
  gWinButtonChanged[1] = false;
  gWinButtonNormal[1] = "control\\win_minimize.png";
  Press(form.picWinIcon(1));
  EXPECT_EQ(form.txtNormal.Text(), "control\\win_minimize.png");
  EXPECT_FALSE(gModified);
  EXPECT_FALSE(gWinButtonChanged[1]);
}

TEST_F(ButtonsPageTest, ACallFromCodeSelectsExactlyAsAClickDoes) {
  OpenDefaultSkin();
  Press(form.picTabIcon(2));
  std::vector<std::string> clicked = StateBoxes();
  std::string clickedName = form.txtButtonName.Text();
  Press(form.picBigIcon(4));

  form.picTabIcon_MouseDown(2, 1, 1, 1.0f, 1.0f);
  EXPECT_EQ(form.txtButtonName.Text(), clickedName);
  EXPECT_EQ(clickedName, "TabClose");
  EXPECT_EQ(StateBoxes(), clicked);
  EXPECT_TRUE(Highlighted(form.picTabIcon(2)));
  EXPECT_TRUE(Plain(form.picBigIcon(4)));
  // An index that is no tile of the group selects nothing.
  form.picWinIcon_MouseDown(7, 1, 1, 1.0f, 1.0f);
  EXPECT_TRUE(Highlighted(form.picTabIcon(2)));
}

TEST_F(ButtonsPageTest, AButtonWithoutItsNormalImageShowsAnEmptyTile) {
  std::string folder = DefaultSkinProject("Default");
  gFileSystem.RemoveFile(folder + "\\toolbar\\24_forward.png", true);
  Open(folder);
  EXPECT_TRUE(Missing(form.picBigIcon(1)));
  Press(form.picBigIcon(1));
  EXPECT_TRUE(Highlighted(form.picBigIcon(1)));
  EXPECT_EQ(Centre(form.picBigIcon(1)), kHighlightColour);
  Press(form.picBigIcon(0));
  EXPECT_TRUE(Missing(form.picBigIcon(1)));
}

TEST_F(ButtonsPageTest, ButtonsWithoutADrawBackgroundKeyShowTheBoxClearAndDisabled) {
  std::string folder = DefaultSkinProject("Default");
  WriteIni(folder + "\\pelto.ini", "Icons", "Forward.drawbackground", "0");
  Open(folder);
  gTabButtonDrawBG[3] = "1";
  for (ui::PictureBox* tile : {&form.picTabIcon(3), &form.picTabIcon(4), &form.picWinIcon(0)}) {
    Press(form.picBigIcon(0));
    ASSERT_EQ(form.chkDrawBG.Value(), ui::CheckBox::kChecked);
    Press(*tile);
    EXPECT_EQ(form.chkDrawBG.Value(), ui::CheckBox::kUnchecked);
    EXPECT_FALSE(form.chkDrawBG.Enabled());
  }
  EXPECT_EQ(gTabButtonDrawBG[3], "1");
  Press(form.picBigIcon(1));
  EXPECT_EQ(form.chkDrawBG.Value(), ui::CheckBox::kUnchecked);
  EXPECT_TRUE(form.chkDrawBG.Enabled());
  Press(form.picTabIcon(1));
  EXPECT_EQ(form.chkDrawBG.Value(), ui::CheckBox::kChecked);
  EXPECT_FALSE(gModified);
}

TEST_F(ButtonsPageTest, TheFlagBoxStoresZeroOrOneForButtonsThatHaveTheKey) {
  OpenDefaultSkin();
  SendMessageA(form.chkDrawBG.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(gToolbarDrawBG[0], "0");
  EXPECT_TRUE(gModified);
  EXPECT_FALSE(gToolbarChanged[0]);
  Press(form.picTabIcon(2));
  SendMessageA(form.chkDrawBG.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(gTabButtonDrawBG[2], "0");
  EXPECT_EQ(gToolbarDrawBG[0], "0");
}

TEST_F(ButtonsPageTest, OffsetBoxesStoreTrimmedFieldsWithZeroZeroAsEmpty) {
  OpenDefaultSkin();
  Type(form.txtTopOffset, "3");
  EXPECT_EQ(gToolbarOffset[0], "0 3");
  EXPECT_TRUE(gModified);
  Type(form.txtTopOffset, "0");
  EXPECT_EQ(gToolbarOffset[0], "");
  Type(form.txtLeftOffset, " 2 ");
  Type(form.txtTopOffset, "1");
  EXPECT_EQ(gToolbarOffset[0], "2 1");
  // An emptied box shows 0 at once and the value is stored with it.
  Type(form.txtTopOffset, "");
  EXPECT_EQ(form.txtTopOffset.Text(), "0");
  EXPECT_EQ(gToolbarOffset[0], "2 0");
  // Nothing checks for numbers.
  Type(form.txtLeftOffset, "ab ");
  EXPECT_EQ(gToolbarOffset[0], "ab 0");
  EXPECT_FALSE(gToolbarChanged[0]);
}

TEST_F(ButtonsPageTest, PaddingBoxesStoreTopRightBottomLeftWithAllZerosAsEmpty) {
  OpenDefaultSkin();
  for (ui::TextBox* box : {&form.txtTopPadding, &form.txtRightPadding, &form.txtBottomPadding, &form.txtLeftPadding})
    Type(*box, "0");
  EXPECT_EQ(gToolbarPadding[0], "");
  Type(form.txtTopPadding, "1");
  EXPECT_EQ(gToolbarPadding[0], "1 0 0 0");
  Type(form.txtLeftPadding, "");
  EXPECT_EQ(form.txtLeftPadding.Text(), "0");
  EXPECT_EQ(gToolbarPadding[0], "1 0 0 0");
}

TEST_F(ButtonsPageTest, AnOffsetWithOneFieldLeavesTheTopBoxAsTheLastButtonHadIt) {
  std::string folder = DefaultSkinProject("Default");
  WriteIni(folder + "\\pelto.ini", "Icons", "Back.Offset", "5");
  WriteIni(folder + "\\pelto.ini", "Icons", "Forward.Offset", "7 8");
  Open(folder);
  Press(form.picBigIcon(1));
  Press(form.picBigIcon(0));
  EXPECT_EQ(Offsets(), (std::vector<std::string>{"5", "8"}));
  EXPECT_EQ(gToolbarOffset[0], "5");
  Type(form.txtLeftOffset, "6");
  EXPECT_EQ(gToolbarOffset[0], "6 8");
}

TEST_F(ButtonsPageTest, TypingAStatePathStoresItAndOnlyTheNormalBoxRedrawsTheTile) {
  std::string folder = OpenDefaultSkin();
  WritePng(folder + "\\misc\\blue.png", 10, 10, kBlue);
  COLORREF normalPreview = Centre(form.picNormal);
  COLORREF hoverPreview = Centre(form.picHover);

  Type(form.txtHover, "misc\\blue.png");
  EXPECT_EQ(gToolbarHover[0], "misc\\blue.png");
  EXPECT_TRUE(gToolbarChanged[0]);
  EXPECT_TRUE(gModified);
  EXPECT_EQ(Centre(form.picHover), hoverPreview);
  EXPECT_NE(Centre(form.picBigIcon(0)), kBlue);

  Type(form.txtNormal, "misc\\blue.png");
  EXPECT_EQ(gToolbarNormal[0], "misc\\blue.png");
  EXPECT_TRUE(Highlighted(form.picBigIcon(0)));
  EXPECT_EQ(Centre(form.picBigIcon(0)), kBlue);
  EXPECT_EQ(Centre(form.picNormal), normalPreview);
}

TEST_F(ButtonsPageTest, EditsFindTheHighlightedButtonAfterTheIconsPageMovedTheSelection) {
  OpenDefaultSkin();
  Press(form.picBigIcon(3));
  Press(form.picSmallIcon(5));
  ASSERT_EQ(gIconGroup, kSmallIconGroup);
  std::string smallPath = gSmallIconPaths[5];

  Type(form.txtPressed, "toolbar\\mine.png");
  EXPECT_EQ(gToolbarPressed[3], "toolbar\\mine.png");
  EXPECT_TRUE(gToolbarChanged[3]);
  EXPECT_EQ(gSmallIconPaths[5], smallPath);
  EXPECT_FALSE(gSmallIconChanged[5]);
  EXPECT_EQ(gIconGroup, kToolbarGroup);
  EXPECT_EQ(gIconIndex, 3);
}

TEST_F(ButtonsPageTest, BrowseStoresAFileOfTheProjectRelativeAndAnOutsideFileAsItIs) {
  std::string folder = OpenDefaultSkin();
  WritePng(folder + "\\misc\\blue.png", 10, 10, kBlue);
  Browse(form.cmdDisable, ToUpper(folder) + "\\misc\\blue.png");
  EXPECT_EQ(form.txtDisable.Text(), "misc\\blue.png");
  EXPECT_EQ(gToolbarDisable[0], "misc\\blue.png");
  EXPECT_EQ(Centre(form.picDisable), kBlue);
  EXPECT_EQ(Setting("LastImageDir"), ToUpper(folder) + "\\misc");
  EXPECT_EQ(gLastImageDir, ToUpper(folder) + "\\misc");

  std::string outside = OutsideImage("red.png", RGB(255, 0, 0));
  Browse(form.cmdHover, outside);
  EXPECT_EQ(gToolbarHover[0], outside);
  EXPECT_EQ(Centre(form.picHover), RGB(255, 0, 0));

  // The same file again stores nothing; a cancelled dialog changes nothing.
  gToolbarChanged[0] = false;
  Browse(form.cmdHover, outside);
  EXPECT_FALSE(gToolbarChanged[0]);
  Browse(form.cmdHover, "");
  EXPECT_EQ(form.txtHover.Text(), outside);
}

TEST_F(ButtonsPageTest, DoubleClickingAPreviewOpensItsImageInTheEditor) {
  std::string folder = DefaultSkinProject("Default");
  WriteIni(folder + "\\pelto.ini", "Icons", "Back.Pressed", std::nullopt);
  WriteIni(folder + "\\pelto.ini", "Icons", "Back.Disable", "toolbar\\missing.png");
  Open(folder);
  DoubleClick(form.picPressed);
  DoubleClick(form.picDisable);
  EXPECT_TRUE(started.empty());
  DoubleClick(form.picHover);
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0], "\"mspaint.exe\" \"" + folder + "\\toolbar\\24_back_hover.png\"");
  EXPECT_FALSE(gModified);
}

// ---------------------------------------------------------------- replacing

class ReplaceButtonsTest : public ButtonsPageTest {
 protected:
  void SetUp() override {
    ButtonsPageTest::SetUp();
    gBrowserFolder = testing_support::StandInBrowserFolder(testing_support::kBrowserV2);
  }
  std::string Default(const std::string& relative) { return ProgramFolder() + "\\Temp\\Default\\default\\" + relative; }
};

TEST_F(ReplaceButtonsTest, MissingNormalImagesComeFromTheDefaultSkinAndTheSelectionKeepsItsHighlight) {
  std::string folder = DefaultSkinProject("Default");
  for (const char* gone : {"toolbar\\24_forward.png", "control\\tab_btn_close.png", "control\\tab_btn_new.png",
                           "control\\tab_btn_new_hover.png", "control\\win_close.png"})
    ASSERT_TRUE(gFileSystem.RemoveFile(folder + "\\" + gone, true)) << gone;
  Open(folder);
  Press(form.picBigIcon(1));
  Click(form.cmdReplaceButton);

  EXPECT_EQ(gToolbarNormal[1], Default("toolbar\\24_forward.png"));
  EXPECT_TRUE(gToolbarChanged[1]);
  EXPECT_TRUE(gModified);
  // Edits still find the selected button.
  EXPECT_TRUE(Highlighted(form.picBigIcon(1)));
  EXPECT_NE(Centre(form.picBigIcon(1)), kHighlightColour);
  EXPECT_TRUE(Plain(form.picTabIcon(2)));
  // Buttons whose images are there are left alone.
  EXPECT_EQ(gToolbarNormal[0], "toolbar\\24_back.png");
  EXPECT_FALSE(gToolbarChanged[0]);
  // A tab-bar button's own hover image stays; a missing one is filled too.
  EXPECT_EQ(gTabButtonNormal[2], Default("control\\tab_btn_close.png"));
  EXPECT_EQ(gTabButtonHover[2], "control\\tab_btn_close_hover.png");
  EXPECT_EQ(gTabButtonNormal[4], Default("control\\tab_btn_new.png"));
  EXPECT_EQ(gTabButtonHover[4], Default("control\\tab_btn_new_hover.png"));
  // Window buttons are not filled.
  EXPECT_EQ(gWinButtonNormal[4], "control\\win_close.png");
  EXPECT_FALSE(gWinButtonChanged[4]);
  EXPECT_TRUE(Missing(form.picWinIcon(4)));
  // The packed default skin goes once unpacked.
  EXPECT_FALSE(Exists(ProgramFolder() + "\\DefaultSkin.zqv"));

  Type(form.txtHover, "toolbar\\24_forward_hover.png");
  EXPECT_EQ(gToolbarHover[1], "toolbar\\24_forward_hover.png");

  Save();
  EXPECT_EQ(ReadFile(folder + "\\toolbar\\24_forward.png"), ReadFile(Default("toolbar\\24_forward.png")));
  EXPECT_EQ(ReadFile(folder + "\\control\\tab_btn_new_hover.png"),
            ReadFile(Default("control\\tab_btn_new_hover.png")));
  EXPECT_EQ(Saved()["icons"]["forward"], "toolbar\\24_forward.png");
  EXPECT_EQ(form.txtNormal.Text(), "toolbar\\24_forward.png");
  EXPECT_FALSE(gModified);
}

TEST_F(ReplaceButtonsTest, WithoutABrowserNothingIsReplaced) {
  std::string folder = DefaultSkinProject("Default");
  gFileSystem.RemoveFile(folder + "\\toolbar\\24_forward.png", true);
  Open(folder);
  gBrowserFolder.clear();
  {
    testing_support::ScriptedPrompter prompts;
    prompts.AnswerFolder("");
    Click(form.cmdReplaceButton);
    EXPECT_EQ(prompts.folderDialogs.size(), 1u);
  }
  EXPECT_EQ(gToolbarNormal[1], "toolbar\\24_forward.png");
  EXPECT_FALSE(gModified);
  EXPECT_TRUE(Missing(form.picBigIcon(1)));
}

// ---------------------------------------------------------------- saving

TEST_F(ButtonsPageTest, AnOpenEditSaveRoundTripWritesWhatThePageHolds) {
  std::string folder = OpenDefaultSkin();
  std::string art = OutsideImage("new_back.png", kBlue, 24);
  form.ActivateTab(mainwindow::frmTarnell::kButtonsPage);
  Browse(form.cmdNormal, art);
  Type(form.txtLeftOffset, "1");
  Type(form.txtTopOffset, "2");
  SendMessageA(form.chkDrawBG.hWnd(), BM_CLICK, 0, 0);
  Press(form.picTabIcon(0));
  for (ui::TextBox* box : {&form.txtTopPadding, &form.txtRightPadding, &form.txtBottomPadding, &form.txtLeftPadding})
    Type(*box, "0");
  Press(form.picBigIcon(0));
  Save();

  auto ini = Saved();
  EXPECT_EQ(ini["icons"]["back"], "toolbar\\24_back.png");
  EXPECT_EQ(ReadFile(folder + "\\toolbar\\24_back.png"), ReadFile(art));
  EXPECT_EQ(ini["icons"]["back.offset"], "1 2");
  EXPECT_EQ(ini["icons"]["back.drawbackground"], "0");
  EXPECT_EQ(ini["icons"]["back.hover"], "toolbar\\24_back_hover.png");
  EXPECT_EQ(ini["icons"].count("tabtoolbar.padding"), 0u);
  EXPECT_EQ(ini["icons"].count("forward.drawbackground"), 0u);
  EXPECT_EQ(ini["icons"]["forward.padding"], "3 3 3 3");
  EXPECT_EQ(form.txtNormal.Text(), "toolbar\\24_back.png");
  EXPECT_FALSE(gModified);

  Open(folder);
  EXPECT_EQ(gToolbarOffset[0], "1 2");
  EXPECT_EQ(gToolbarDrawBG[0], "0");
  EXPECT_EQ(form.chkDrawBG.Value(), ui::CheckBox::kUnchecked);
  EXPECT_EQ(Centre(form.picBigIcon(0)), kBlue);
  EXPECT_FALSE(gToolbarChanged[0]);
}

TEST_F(ButtonsPageTest, AButtonImageThatCannotBeCopiedIsToldAndTheProjectStaysModified) {
  std::string folder = OpenDefaultSkin();
  std::string art = OutsideImage("gone.png", kBlue);
  Browse(form.cmdPressed, art);
  gFileSystem.RemoveFile(art, true);
  {
    testing_support::ScriptedPrompter prompts;
    prompts.AnswerMessage(IDOK);
    Save();
    ASSERT_EQ(prompts.MessageTexts().size(), 1u);
    EXPECT_NE(prompts.MessageTexts()[0].find("Cannot copy \"" + art + "\" into the project."), std::string::npos);
  }
  EXPECT_TRUE(gModified);
  EXPECT_EQ(Saved()["icons"]["back.pressed"], "toolbar\\24_back_pressed.png");
  EXPECT_TRUE(testing_support::Exists(folder + "\\toolbar\\24_back_pressed.png"));
  EXPECT_EQ(form.txtPressed.Text(), art);
}

}  // namespace
