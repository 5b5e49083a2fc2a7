// The Icons page: selecting small and other icons, editing their paths in
// the icon tables, the two entries of one key, and saving; and what both
// icon pages do together: edits that share one selection and the replace
// commands that fill in missing images from the default skin.
#include <gtest/gtest.h>

#include "core/files.h"
#include "core/globals.h"
#include "core/program.h"
#include "icon_pages_support.h"
#include "support/stand_in_browser.h"

namespace {

using namespace main_window_tests;
using namespace core;
using testing_support::ReadFile;
using testing_support::WritePng;
using Strings = std::vector<std::string>;

const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 160, 0);

using IconsPageTest = IconPagesTest;

TEST_F(IconsPageTest, EachPageKeepsItsSelectionEditsFindItAndBothEntriesOfAMiscKeyAreSavedTogether) {
  std::string folder = DefaultSkinProject("Default");
  gFileSystem.RemoveFile(folder + "\\toolbar\\16_stop.png", true);
  Open(folder);
  EXPECT_TRUE(Highlighted(form.picSmallIcon(0)));
  EXPECT_TRUE(Missing(form.picSmallIcon(4)));
  Press(form.picMiscIcon(7), WM_RBUTTONDOWN);
  EXPECT_TRUE(Plain(form.picSmallIcon(0)));
  EXPECT_TRUE(Highlighted(form.picMiscIcon(7)));
  EXPECT_EQ(form.txtSmallButton.Text() + " " + form.txtSmallPath.Text(), "Group misc\\16_group.png");
  // An icon without its image is highlighted only while selected.
  Press(form.picSmallIcon(4));
  EXPECT_EQ(Centre(form.picSmallIcon(4)), kHighlightColour);
  EXPECT_TRUE(Plain(form.picMiscIcon(7)));
  Press(form.picSmallIcon(0));
  EXPECT_TRUE(Missing(form.picSmallIcon(4)));
  // The Buttons page keeps its own selection.
  EXPECT_TRUE(Highlighted(form.picBigIcon(0)));
  EXPECT_FALSE(gModified);
  // A double click opens the icon in the editor.
  DoubleClick(form.picMiscIcon(1));
  EXPECT_EQ(started, Strings{"\"mspaint.exe\" \"" + folder + "\\misc\\16_address_bar.png\""});
  EXPECT_TRUE(Highlighted(form.picMiscIcon(1)));
  // A browsed icon shows at once; a file of the project is stored relative in
  // any letter case.
  WritePng(folder + "\\misc\\blue.png", 16, 16, kBlue);
  Press(form.picSmallIcon(8));
  Browse(form.cmdSmallBrowse, ToLower(folder) + "\\misc\\blue.png");
  EXPECT_EQ(form.txtSmallPath.Text(), "misc\\blue.png");
  EXPECT_EQ((std::vector<bool>{gSmallIconChanged[8], gModified, Highlighted(form.picSmallIcon(8))}),
            (std::vector<bool>{true, true, true}));
  EXPECT_EQ(Centre(form.picSmallIcon(8)), kBlue);
  // A typed path leaves the tile as it was until the icon is selected again.
  Press(form.picMiscIcon(2));
  Type(form.txtSmallPath, "misc\\blue.png");
  EXPECT_TRUE(gMiscIconChanged[2]);
  EXPECT_NE(Centre(form.picMiscIcon(2)), kBlue);
  Press(form.picMiscIcon(3));
  Press(form.picMiscIcon(2));
  EXPECT_TRUE(Highlighted(form.picMiscIcon(2)));
  EXPECT_EQ(Centre(form.picMiscIcon(2)), kBlue);
  std::string art = WritePng(*this / "Art\\new.png", 16, 16, kGreen);
  Press(form.picMiscIcon(56));
  Browse(form.cmdSmallBrowse, art);
  EXPECT_EQ(gMiscIconPaths[30], art);
  EXPECT_TRUE(gMiscIconChanged[30]);
  EXPECT_TRUE(Plain(form.picMiscIcon(30)));
  EXPECT_EQ(Centre(form.picMiscIcon(30)), kGreen);
  // Editing the first entry afterwards wins as well.
  Press(form.picMiscIcon(30));
  Type(form.txtSmallPath, "misc\\16_go.png");
  Press(form.picSmallIcon(39));
  Type(form.txtSmallPath, "");
  Press(form.picSmallIcon(0));
  Browse(form.cmdSmallBrowse, art);
  EXPECT_EQ(form.txtSmallPath.Text(), art);
  Save();
  EXPECT_EQ(ReadFile(folder + "\\toolbar\\16_back.png"), ReadFile(art));
  auto icons16 = Saved()["icons16"];
  EXPECT_EQ((Strings{icons16["back"], icons16["openinnew"], icons16["favorites"]}),
            (Strings{"toolbar\\16_back.png", "misc\\16_go.png", "misc\\blue.png"}));
  EXPECT_EQ(icons16.count("f2_16_zoomout"), 0u);
  EXPECT_EQ(form.txtSmallPath.Text(), "toolbar\\16_back.png");
  EXPECT_FALSE(gModified);
  // Each page's edit finds the entry highlighted on its page, after the other
  // page moved the selection.
  std::string smallPath = gSmallIconPaths[5];
  Press(form.picBigIcon(3));
  Press(form.picSmallIcon(5));
  Type(form.txtPressed, "toolbar\\mine.png");
  EXPECT_EQ((Strings{gToolbarPressed[3], gSmallIconPaths[5]}), (Strings{"toolbar\\mine.png", smallPath}));
  EXPECT_EQ((std::vector<bool>{gToolbarChanged[3], gSmallIconChanged[5]}), (std::vector<bool>{true, false}));
  Type(form.txtSmallPath, "toolbar\\mine16.png");
  EXPECT_TRUE(gSmallIconChanged[5]);
  EXPECT_EQ((Strings{gSmallIconPaths[5], gToolbarPressed[3], gToolbarNormal[3]}),
            (Strings{"toolbar\\mine16.png", "toolbar\\mine.png", "toolbar\\24_refresh.png"}));
}

TEST_F(IconsPageTest, BothReplaceCommandsFillMissingImagesFromTheDefaultSkinAndTheSelectionsKeepTheirHighlight) {
  std::string folder = DefaultSkinProject("Default");
  for (const char* gone : {"toolbar\\16_refresh.png", "misc\\16_page.png", "misc\\16_open_in_new.png",
                           "toolbar\\24_forward.png", "control\\tab_btn_close.png", "control\\tab_btn_new.png",
                           "control\\tab_btn_new_hover.png", "control\\win_close.png"})
    ASSERT_TRUE(gFileSystem.RemoveFile(folder + "\\" + gone, true)) << gone;
  Open(folder);
  gBrowserFolder = testing_support::StandInBrowserFolder(testing_support::kBrowserV2);
  auto Default = [](const std::string& file) { return ProgramFolder() + "\\Temp\\Default\\default\\" + file; };
  Press(form.picSmallIcon(3));
  Click(form.cmdReplaceIcons);
  // Icons whose images are there are left alone; both entries of a misc key are filled.
  EXPECT_EQ((Strings{gSmallIconPaths[3], gSmallIconPaths[4], gMiscIconPaths[0], gMiscIconPaths[30], gMiscIconPaths[56]}),
            (Strings{Default("toolbar\\16_refresh.png"), "toolbar\\16_stop.png", Default("misc\\16_page.png"),
                     Default("misc\\16_open_in_new.png"), Default("misc\\16_open_in_new.png")}));
  EXPECT_EQ((std::vector<bool>{gSmallIconChanged[3], gSmallIconChanged[4], gModified}),
            (std::vector<bool>{true, false, true}));
  EXPECT_TRUE(Highlighted(form.picSmallIcon(3)));
  EXPECT_NE(Centre(form.picSmallIcon(3)), kHighlightColour);
  EXPECT_TRUE(Plain(form.picMiscIcon(0)));
  // The path box is not refreshed.
  EXPECT_EQ(form.txtSmallPath.Text(), "toolbar\\16_refresh.png");
  // The packed default skin goes once unpacked; what was unpacked serves the
  // next replace without the browser.
  EXPECT_FALSE(testing_support::Exists(ProgramFolder() + "\\DefaultSkin.zqv"));
  gBrowserFolder.clear();
  gModified = false;

  Press(form.picBigIcon(1));
  Click(form.cmdReplaceButton);
  // A tab-bar button's own hover image stays, a missing one is filled too;
  // window buttons are not filled.
  EXPECT_EQ((Strings{gToolbarNormal[0], gToolbarNormal[1], gTabButtonNormal[2], gTabButtonHover[2], gTabButtonNormal[4],
                     gTabButtonHover[4], gWinButtonNormal[4]}),
            (Strings{"toolbar\\24_back.png", Default("toolbar\\24_forward.png"), Default("control\\tab_btn_close.png"),
                     "control\\tab_btn_close_hover.png", Default("control\\tab_btn_new.png"),
                     Default("control\\tab_btn_new_hover.png"), "control\\win_close.png"}));
  EXPECT_EQ((std::vector<bool>{gToolbarChanged[0], gToolbarChanged[1], gWinButtonChanged[4], gModified}),
            (std::vector<bool>{false, true, false, true}));
  EXPECT_TRUE(Highlighted(form.picBigIcon(1)));
  EXPECT_NE(Centre(form.picBigIcon(1)), kHighlightColour);
  EXPECT_TRUE(Plain(form.picTabIcon(2)));
  EXPECT_TRUE(Missing(form.picWinIcon(4)));
  // Edits still find the selected button.
  Type(form.txtHover, "toolbar\\24_forward_hover.png");
  EXPECT_EQ(gToolbarHover[1], "toolbar\\24_forward_hover.png");

  Save();
  for (const char* file : {"misc\\16_page.png", "toolbar\\24_forward.png", "control\\tab_btn_new_hover.png"})
    EXPECT_EQ(ReadFile(folder + "\\" + file), ReadFile(Default(file))) << file;
  EXPECT_EQ(Saved()["icons16"]["refresh"], "toolbar\\16_refresh.png");
  EXPECT_EQ(Saved()["icons"]["forward"], "toolbar\\24_forward.png");
  EXPECT_EQ(form.txtSmallPath.Text(), "toolbar\\16_refresh.png");
  EXPECT_EQ(form.txtNormal.Text(), "toolbar\\24_forward.png");
  EXPECT_FALSE(gModified);
}

}  // namespace
