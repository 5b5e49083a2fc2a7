// The Icons page: selecting small and other icons, editing their paths in
// the icon tables, the two entries of one key, replacing missing icons from
// the default skin, saving; and the captions and tiles of both icon pages.
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

const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 160, 0);

class IconsPageTest : public IconPagesTest {};

TEST_F(IconsPageTest, SelectingAnOtherIconReturnsTheSelectedSmallIconToItsPlainLook) {
  std::string folder = DefaultSkinProject("Default");
  gFileSystem.RemoveFile(folder + "\\toolbar\\16_stop.png", true);
  Open(folder);
  EXPECT_TRUE(Highlighted(form.picSmallIcon(0)));
  EXPECT_TRUE(Missing(form.picSmallIcon(4)));

  Press(form.picSmallIcon(3));
  EXPECT_TRUE(Plain(form.picSmallIcon(0)));
  Press(form.picMiscIcon(7), WM_RBUTTONDOWN);
  EXPECT_TRUE(Plain(form.picSmallIcon(3)));
  EXPECT_TRUE(Highlighted(form.picMiscIcon(7)));
  EXPECT_EQ(form.txtSmallButton.Text(), "Group");
  EXPECT_EQ(form.txtSmallPath.Text(), "misc\\16_group.png");
  EXPECT_EQ(gIconGroup, kMiscIconGroup);
  EXPECT_EQ(gIconIndex, 7);

  Press(form.picSmallIcon(4));
  EXPECT_TRUE(Highlighted(form.picSmallIcon(4)));
  EXPECT_EQ(Centre(form.picSmallIcon(4)), kHighlightColour);
  EXPECT_TRUE(Plain(form.picMiscIcon(7)));
  Press(form.picSmallIcon(0));
  EXPECT_TRUE(Missing(form.picSmallIcon(4)));
  // The Buttons page keeps its own selection.
  EXPECT_TRUE(Highlighted(form.picBigIcon(0)));
  EXPECT_FALSE(gModified);
}

TEST_F(IconsPageTest, TypingAPathMarksTheIconChangedAndLeavesItsTileUntilSelectedAgain) {
  std::string folder = OpenDefaultSkin();
  WritePng(folder + "\\misc\\blue.png", 16, 16, kBlue);
  Press(form.picMiscIcon(2));
  Type(form.txtSmallPath, "misc\\blue.png");
  EXPECT_EQ(gMiscIconPaths[2], "misc\\blue.png");
  EXPECT_TRUE(gMiscIconChanged[2]);
  EXPECT_TRUE(gModified);
  EXPECT_NE(Centre(form.picMiscIcon(2)), kBlue);
  Press(form.picMiscIcon(3));
  Press(form.picMiscIcon(2));
  EXPECT_EQ(Centre(form.picMiscIcon(2)), kBlue);
}

TEST_F(IconsPageTest, EditsFindTheHighlightedIconAfterTheButtonsPageMovedTheSelection) {
  OpenDefaultSkin();
  Press(form.picSmallIcon(6));
  Press(form.picTabIcon(1));
  ASSERT_EQ(gIconGroup, kTabButtonGroup);
  Type(form.txtSmallPath, "toolbar\\mine.png");
  EXPECT_EQ(gSmallIconPaths[6], "toolbar\\mine.png");
  EXPECT_EQ(gTabButtonNormal[1], "control\\tab_btn_sidebar.png");
  EXPECT_FALSE(gTabButtonChanged[1]);
}

TEST_F(IconsPageTest, BrowseStoresAFileOfTheProjectRelativeInAnyLetterCase) {
  std::string folder = OpenDefaultSkin();
  WritePng(folder + "\\misc\\16_x.png", 16, 16, kBlue);
  Press(form.picSmallIcon(8));
  {
    testing_support::ScriptedPrompter prompts;
    prompts.AnswerFile(ToLower(folder) + "\\misc\\16_x.png");
    Click(form.cmdSmallBrowse);
    ASSERT_EQ(prompts.fileDialogs.size(), 1u);
    EXPECT_EQ(prompts.fileDialogs[0].filter, "PNG Images (*.png)| *.png|All Image Files|*.bmp;*.gif;*.jpg;*.png");
  }
  EXPECT_EQ(form.txtSmallPath.Text(), "misc\\16_x.png");
  EXPECT_EQ(gSmallIconPaths[8], "misc\\16_x.png");
  EXPECT_TRUE(gSmallIconChanged[8]);
  EXPECT_TRUE(Highlighted(form.picSmallIcon(8)));
  EXPECT_EQ(Centre(form.picSmallIcon(8)), kBlue);
  EXPECT_EQ(Setting("LastImageDir"), ToLower(folder) + "\\misc");
}

TEST_F(IconsPageTest, AnOutsideIconIsCopiedOverItsKeysFileOnSaveAndTheBoxShowsTheRelativePath) {
  std::string folder = OpenDefaultSkin();
  std::string art = OutsideImage("new.png", kGreen);
  Browse(form.cmdSmallBrowse, art);
  EXPECT_EQ(form.txtSmallPath.Text(), art);
  Press(form.picSmallIcon(39));
  Type(form.txtSmallPath, "");
  Press(form.picSmallIcon(0));
  Save();

  EXPECT_EQ(ReadFile(folder + "\\toolbar\\16_back.png"), ReadFile(art));
  auto ini = Saved();
  EXPECT_EQ(ini["icons16"]["back"], "toolbar\\16_back.png");
  EXPECT_EQ(ini["icons16"].count("f2_16_zoomout"), 0u);
  EXPECT_EQ(form.txtSmallPath.Text(), "toolbar\\16_back.png");
  EXPECT_FALSE(gModified);

  Open(folder);
  EXPECT_EQ(gSmallIconPaths[0], "toolbar\\16_back.png");
  EXPECT_EQ(gSmallIconPaths[39], "");
  EXPECT_EQ(Centre(form.picSmallIcon(0)), kGreen);
}

TEST_F(IconsPageTest, BothEntriesOfAMiscKeyChangeTogether) {
  std::string folder = OpenDefaultSkin();
  std::string art = OutsideImage("open.png", kGreen);
  Press(form.picMiscIcon(56));
  Browse(form.cmdSmallBrowse, art);
  EXPECT_EQ(gMiscIconPaths[30], art);
  EXPECT_TRUE(gMiscIconChanged[30]);
  EXPECT_TRUE(Plain(form.picMiscIcon(30)));
  EXPECT_EQ(Centre(form.picMiscIcon(30)), kGreen);

  // Editing the first entry afterwards wins as well.
  Press(form.picMiscIcon(30));
  Type(form.txtSmallPath, "misc\\16_go.png");
  EXPECT_EQ(gMiscIconPaths[56], "misc\\16_go.png");
  Save();
  EXPECT_EQ(Saved()["icons16"]["openinnew"], "misc\\16_go.png");
}

TEST_F(IconsPageTest, DoubleClickingATileOpensItsIconInTheEditor) {
  std::string folder = OpenDefaultSkin();
  DoubleClick(form.picMiscIcon(1));
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0], "\"mspaint.exe\" \"" + folder + "\\misc\\16_address_bar.png\"");
  EXPECT_TRUE(Highlighted(form.picMiscIcon(1)));
}

// ---------------------------------------------------------------- replacing

class ReplaceIconsTest : public IconsPageTest {
 protected:
  void SetUp() override {
    IconsPageTest::SetUp();
    gBrowserFolder = testing_support::StandInBrowserFolder(testing_support::kBrowserV2);
  }
  std::string Default(const std::string& relative) { return ProgramFolder() + "\\Temp\\Default\\default\\" + relative; }
};

TEST_F(ReplaceIconsTest, MissingIconsComeFromTheDefaultSkinAndTheSelectionKeepsItsHighlight) {
  std::string folder = DefaultSkinProject("Default");
  for (const char* gone : {"toolbar\\16_refresh.png", "misc\\16_page.png", "misc\\16_open_in_new.png"})
    ASSERT_TRUE(gFileSystem.RemoveFile(folder + "\\" + gone, true)) << gone;
  Open(folder);
  Press(form.picSmallIcon(3));
  Click(form.cmdReplaceIcons);

  EXPECT_EQ(gSmallIconPaths[3], Default("toolbar\\16_refresh.png"));
  EXPECT_TRUE(gSmallIconChanged[3]);
  EXPECT_TRUE(Highlighted(form.picSmallIcon(3)));
  EXPECT_NE(Centre(form.picSmallIcon(3)), kHighlightColour);
  EXPECT_EQ(gMiscIconPaths[0], Default("misc\\16_page.png"));
  EXPECT_TRUE(Plain(form.picMiscIcon(0)));
  EXPECT_EQ(gMiscIconPaths[30], Default("misc\\16_open_in_new.png"));
  EXPECT_EQ(gMiscIconPaths[56], Default("misc\\16_open_in_new.png"));
  EXPECT_EQ(gSmallIconPaths[4], "toolbar\\16_stop.png");
  EXPECT_FALSE(gSmallIconChanged[4]);
  EXPECT_TRUE(gModified);
  // The path box is not refreshed.
  EXPECT_EQ(form.txtSmallPath.Text(), "toolbar\\16_refresh.png");

  Save();
  EXPECT_EQ(ReadFile(folder + "\\misc\\16_page.png"), ReadFile(Default("misc\\16_page.png")));
  EXPECT_EQ(Saved()["icons16"]["refresh"], "toolbar\\16_refresh.png");
  EXPECT_EQ(form.txtSmallPath.Text(), "toolbar\\16_refresh.png");

  // The unpacked default skin serves the next replace without the browser.
  gBrowserFolder.clear();
  gFileSystem.RemoveFile(folder + "\\misc\\16_go.png", true);
  Open(folder);
  Click(form.cmdReplaceIcons);
  EXPECT_EQ(gMiscIconPaths[22], Default("misc\\16_go.png"));
}

TEST_F(ReplaceIconsTest, AProjectWithEveryIconChangesNothing) {
  OpenDefaultSkin();
  Click(form.cmdReplaceIcons);
  EXPECT_FALSE(gModified);
  for (int i = 0; i < kSmallIconCount; ++i) EXPECT_FALSE(gSmallIconChanged[i]) << i;
  for (int i = 0; i < kMiscIconCount; ++i) EXPECT_FALSE(gMiscIconChanged[i]) << i;
  EXPECT_EQ(gSmallIconPaths[0], "toolbar\\16_back.png");
}

// ---------------------------------------------------------------- captions and tiles

TEST_F(MainWindowTest, TheIconPagesTakeTheirCaptionsFromTheLanguageFile) {
  WriteLanguage("French",
                "Browse=Parcourir\r\nButtons_Note=Boutons principaux\r\nIcons_Note=Icones 16x16\r\n"
                "Toolbar_Buttons=Barre\r\nTabbar_Buttons=Onglets\r\nWindow_Buttons=Fenetre\r\n"
                "Button_Name=Bouton :\r\nButton_Normal=Normal :\r\nButton_Hover=Survol :\r\n"
                "Button_Disable=Inactif :\r\nButton_Pressed=Enfonce :\r\nLeft1=Gauche\r\nTop1=Haut\r\n"
                "Right1=Droite\r\nBottom1=Bas\r\nButton_Offset=Decalage :\r\nDraw_Background=Fond\r\n"
                "Replace_Missing=Remplacer\r\nMisc_Icons=Autres\r\nIcon=Icone :\r\nFile=Fichier :\r\n"
                "Padding=Marge :\r\n");
  UseLanguage("French");
  form.Load();
  EXPECT_EQ(form.lblNote(2).Caption(), "Boutons principaux");
  EXPECT_EQ(form.lblNote(3).Caption(), "Icones 16x16");
  EXPECT_EQ(form.fraBigIcon.Caption(), "Barre");
  EXPECT_EQ(form.fraSmallIcon.Caption(), "Barre");
  EXPECT_EQ(form.fraTabIcon.Caption(), "Onglets");
  EXPECT_EQ(form.fraWinControl.Caption(), "Fenetre");
  EXPECT_EQ(form.fraMiscIcon.Caption(), "Autres");
  EXPECT_EQ(form.lblPressed.Caption(), "Enfonce :");
  EXPECT_EQ(form.lblLeftPadding.Caption(), "Gauche");
  EXPECT_EQ(form.lblBottomPadding.Caption(), "Bas");
  EXPECT_EQ(form.lblOffset.Caption(), "Decalage :");
  EXPECT_EQ(form.chkDrawBG.Caption(), "Fond");
  EXPECT_EQ(form.cmdReplaceButton.Caption(), "Remplacer");
  EXPECT_EQ(form.cmdReplaceIcons.Caption(), "Remplacer");
  EXPECT_EQ(form.cmdPressed.Caption(), "Parcourir");
  EXPECT_EQ(form.cmdSmallBrowse.Caption(), "Parcourir");
  EXPECT_EQ(form.lblSmallIcon.Caption(), "Icone :");
  EXPECT_EQ(form.lblFile(10).Caption(), "Fichier :");
  EXPECT_EQ(form.lblPadding(1).Caption(), "Marge :");
}

TEST_F(MainWindowTest, WithoutALanguageFileTheIconPagesKeepTheirDesignedTextsAndTiles) {
  form.Load();
  EXPECT_EQ(form.lblNote(2).Caption(), "This section defines the main buttons which have optional advanced properties.");
  EXPECT_EQ(form.lblNote(3).Caption(), "This section defines all the 16x16 icons used in buttons, menu, and toolbars.");
  EXPECT_EQ(form.cmdReplaceIcons.Caption(), "Replace missing icons with default icons");
  EXPECT_EQ(form.lblFile(10).Caption(), "File :");
  EXPECT_EQ(form.lblPadding(1).Caption(), "Padding :");
  EXPECT_EQ(GetParent(form.lblNote(2).hWnd()), form.picNote(2).hWnd());
  EXPECT_EQ(GetParent(form.fraNote(3).hWnd()), form.picTabs(3).hWnd());

  // Tiles in rows of 8, 10 and side by side; a tile is a plain square.
  RECT feed = PlaceInParent(form.picBigIcon(9).hWnd());
  EXPECT_EQ(feed.left, 48);
  EXPECT_EQ(feed.top, 40);
  EXPECT_EQ(feed.right - feed.left, 33);
  RECT restore = PlaceInParent(form.picWinIcon(3).hWnd());
  EXPECT_EQ(restore.left, 176);
  EXPECT_EQ(restore.right - restore.left, 49);
  RECT small = PlaceInParent(form.picSmallIcon(13).hWnd());
  EXPECT_EQ(small.left, 104);
  EXPECT_EQ(small.top, 32);
  RECT last = PlaceInParent(form.picMiscIcon(64).hWnd());
  EXPECT_EQ(last.left, 136);
  EXPECT_EQ(last.top, 192);
  EXPECT_EQ(last.bottom - last.top, 25);
  // Nothing is selected before a project opens.
  EXPECT_EQ(form.picBigIcon(0).BackColor(), ui::kSysButtonFace);
  EXPECT_EQ(form.picSmallIcon(0).BackColor(), ui::kSysButtonFace);
}

}  // namespace
