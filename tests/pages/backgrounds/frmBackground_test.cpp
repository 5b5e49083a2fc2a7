// The Backgrounds page: its four sub-pages and selectors, its captions,
// loading [Backgrounds] into the fifteen element editors (styles, defaults,
// duplicate style lines) and saving them back, alone and inside the main
// window.
#include "pages/backgrounds/frmBackground.h"

#include <gtest/gtest.h>

#include "core/ini.h"
#include "mainwindow/embedded_pages.h"
#include "mainwindow/project_support.h"
#include "pages/editor_support.h"
#include "support/png.h"
#include "support/scripted_prompter.h"

namespace {

using namespace editor_tests;
using pages::BackgroundEditor;
using pages::frmBackground;
using testing_support::ReadFile;
using testing_support::ScriptedPrompter;
using testing_support::WriteFile;
using testing_support::WritePng;

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kHighlight = GetSysColor(COLOR_HIGHLIGHT);
const COLORREF kHighlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
const COLORREF kWindow = GetSysColor(COLOR_WINDOW);
const COLORREF kWindowText = GetSysColor(COLOR_WINDOWTEXT);

// The element table as the section stores it: stem, prefix and the file an
// outside image is copied to.
struct Element {
  const char* stem;
  const char* prefix;
  const char* file;
};
const Element kTable[frmBackground::kElementCount] = {
    {"MainBkgnd", "MainPanel", "mainpanel_bg.png"},
    {"BtnBkgndNormal", "Button.Normal", "button_bg_normal.png"},
    {"BtnBkgndHover", "Button.Hover", "button_bg_hover.png"},
    {"BtnBkgndDisable", "Button.Disable", "button_bg_disable.png"},
    {"BtnBkgndPressed", "Button.Pressed", "button_bg_pressed.png"},
    {"BtnBkgndChecked", "Button.Checked", "button_bg_checked.png"},
    {"MenuItemBkgndHover", "MenuItem.Hover", "menuitem_bg_hover.png"},
    {"MenuBkgnd", "Menu", "menu_bg.png"},
    {"WebToolbarBkgnd", "WebBar", "webbar_bg.png"},
    {"StatusBarBkgnd", "StatusBar", "statusbar_bg.png"},
    {"FloatBarBkgnd", "FloatBar", "floatbar_bg.png"},
    {"FavBarBkgnd", "FavBar", "favbar_bg.png"},
    {"FindInPageBkgnd", "FindInPageBar", "findinpage_bg.png"},
    {"MenuBarBkgnd", "MenuBar", "menubar_bg.png"},
    {"ToolBarBkgnd", "ToolBar", "toolbar_bg.png"},
};

std::string DefaultSkin() { return testing_support::SourceFolder() + "\\tests\\fixtures\\default-skin\\default"; }

class BackgroundPageTest : public ProjectFolderTest {
 protected:
  void SetUp() override {
    ProjectFolderTest::SetUp();
    page.Load();
  }
  void TearDown() override {
    page.Unload();
    ProjectFolderTest::TearDown();
  }
  void LoadPage() {
    BeginLoad();
    page.LoadBackground();
    EndLoad();
  }
  BackgroundEditor& Editor(const std::string& stem) {
    auto* frame = page.FindAs<ui::Frame>("fra" + stem);
    for (int i = 0; i < frmBackground::kElementCount; ++i)
      if (&page.Element(i).fra == frame) return page.Element(i);
    throw std::logic_error("no editor " + stem);
  }
  HWND TopChildAt(HWND parent, int x, int y) {
    return ChildWindowFromPointEx(parent, POINT{x, y}, CWP_SKIPINVISIBLE);
  }

  frmBackground page;
};

// ---------------------------------------------------------------- shell

TEST_F(BackgroundPageTest, TheElementsStandInTheSectionsOrderUnderTheirNames) {
  for (int i = 0; i < frmBackground::kElementCount; ++i) {
    const BackgroundEditor& e = page.Element(i);
    EXPECT_EQ(e.Design().stem, kTable[i].stem) << i;
    EXPECT_EQ(e.Design().keys.readPrefix, kTable[i].prefix) << i;
    EXPECT_EQ(&page.Element(i), &Editor(kTable[i].stem));
    EXPECT_EQ(page.FindControl("txt" + std::string(kTable[i].stem) + "Image"), &e.txtImage);
  }
  EXPECT_EQ(page.FindControl("picBkgndBase(12)"), &page.BtnBkgndNormal.picBase);
  EXPECT_EQ(&page.picBkgndBase(0), &page.MainBkgnd.picBase);
  EXPECT_EQ(page.FindControl("lblImage(7)"), &page.lblImage(7));
  EXPECT_EQ(page.lblImage(7).Parent(), &page.MenuBkgnd.picImageBase);
  EXPECT_EQ(page.FindControl("picTabs(3)"), &page.picTabs(3));
}

TEST_F(BackgroundPageTest, FormLoadPutsTheSubPagesAtTheirPlaceOneAboveTheOther) {
  for (int i = 1; i < frmBackground::kSubPages; ++i) EXPECT_EQ(page.picTabs(i).Top(), 80) << i;
  RECT rc{};
  GetWindowRect(page.picTabs(1).hWnd(), &rc);
  MapWindowPoints(HWND_DESKTOP, page.picTabs(0).hWnd(), reinterpret_cast<POINT*>(&rc), 2);
  EXPECT_EQ(rc.top, 80);
  // As designed every panel shows: panel 3 lies over the page, panel 2
  // over panel 1 and both over the sub-page-0 editors.
  EXPECT_EQ(TopChildAt(page.hWnd(), 100, 150), page.picTabs(3).hWnd());
  EXPECT_EQ(TopChildAt(page.picTabs(0).hWnd(), 100, 150), page.picTabs(2).hWnd());
  // Inside an editor the image group lies over the colour group.
  EXPECT_EQ(TopChildAt(page.MainBkgnd.fra.hWnd(), 100, 100), page.MainBkgnd.picImageBase.hWnd());
}

TEST_F(BackgroundPageTest, ASelectorShowsItsSubPageAndHighlightsItself) {
  page.lblPage_MouseDown(3, 1, 1, 1.0f, 1.0f);
  EXPECT_TRUE(page.picTabs(3).Visible());
  EXPECT_FALSE(page.picTabs(1).Visible());
  EXPECT_FALSE(page.picTabs(2).Visible());
  EXPECT_EQ(ui::ResolveColor(page.lblPage(3).BackColor()), kHighlight);
  EXPECT_EQ(ui::ResolveColor(page.lblPage(3).ForeColor()), kHighlightText);
  EXPECT_EQ(ui::ResolveColor(page.lblPage(0).BackColor()), kWindow);
  EXPECT_EQ(TopChildAt(page.hWnd(), 100, 150), page.picTabs(3).hWnd());

  // Sub-page 0: panels 1 to 3 go and the four editors below the note show.
  page.lblPage_MouseDown(0, 1, 1, 1.0f, 1.0f);
  EXPECT_TRUE(page.picTabs(0).Visible());
  for (int i = 1; i < frmBackground::kSubPages; ++i) EXPECT_FALSE(page.picTabs(i).Visible());
  EXPECT_EQ(TopChildAt(page.hWnd(), 100, 150), page.picTabs(0).hWnd());
  EXPECT_EQ(TopChildAt(page.picTabs(0).hWnd(), 100, 150), page.MainBkgnd.fra.hWnd());
  EXPECT_EQ(TopChildAt(page.picTabs(0).hWnd(), 500, 300), page.MenuItemBkgndHover.fra.hWnd());
  EXPECT_EQ(ui::ResolveColor(page.lblPage(0).BackColor()), kHighlight);
}

TEST_F(BackgroundPageTest, AnyMouseButtonOnASelectorSwitchesTheSubPage) {
  Click(page.lblPage(2).hWnd());
  EXPECT_TRUE(page.picTabs(2).Visible());
  EXPECT_EQ(TopChildAt(page.picTabs(0).hWnd(), 100, 150), page.picTabs(2).hWnd());
  EXPECT_EQ(TopChildAt(page.picTabs(2).hWnd(), 100, 100), page.WebToolbarBkgnd.fra.hWnd());

  SendMessageA(page.lblPage(1).hWnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 3));
  SendMessageA(page.lblPage(1).hWnd(), WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_TRUE(page.picTabs(1).Visible());
  EXPECT_FALSE(page.picTabs(2).Visible());
  EXPECT_EQ(ui::ResolveColor(page.lblPage(1).BackColor()), kHighlight);
  EXPECT_EQ(ui::ResolveColor(page.lblPage(2).BackColor()), kWindow);
  EXPECT_EQ(ui::ResolveColor(page.lblPage(2).ForeColor()), kWindowText);
}

TEST_F(BackgroundPageTest, AnIndexBeyondTheSelectorsShowsSubPageZeroWithNoSelectorHighlighted) {
  page.lblPage_MouseDown(2, 1, 1, 1.0f, 1.0f);
  page.lblPage_MouseDown(4, 1, 1, 1.0f, 1.0f);
  for (int i = 0; i < frmBackground::kSubPages; ++i) {
    EXPECT_EQ(ui::ResolveColor(page.lblPage(i).BackColor()), kWindow) << i;
    if (i > 0) {
      EXPECT_FALSE(page.picTabs(i).Visible()) << i;
    }
  }
  EXPECT_TRUE(page.picTabs(0).Visible());
}

// ---------------------------------------------------------------- captions

TEST_F(BackgroundPageTest, WithoutALanguageFileTheDesignedCaptionsStay) {
  core::gTextBrowse = "Durchsuchen";
  page.SetCaptions();
  EXPECT_EQ(page.lblImage(0).Caption(), "Image :");
  EXPECT_EQ(page.lblEndColor(14).Caption(), "End Color :");
  EXPECT_EQ(page.MenuBarBkgnd.fra.Caption(), "Menu/Caption Bar");
  EXPECT_EQ(page.MenuBarBkgnd.cmdBrowse.Caption(), "Browse...");
  EXPECT_EQ(page.MenuBarBkgnd.chkGradientHorizontal.Caption(), "Use Vertical Gradient");
  EXPECT_EQ(page.lblNote(0).Caption(),
            "This section consists of 4 pages which define the background of button, menu and toolbars.");
}

TEST_F(BackgroundPageTest, ALanguageFileCaptionsEveryLabelFrameAndSharedText) {
  core::gLanguageFile = WriteFile(*this / "Languages\\Deutsch.ini",
                                  "[General]\r\nImage=Bild :\r\nFile=Datei :\r\nStart_Offset=Anfang :\r\n"
                                  "End_Offset=Ende :\r\nStyle=Stil :\r\nStart_Color=Startfarbe :\r\n"
                                  "End_Color=Endfarbe :\r\nBackgrounds_Note=Vier Seiten.\r\nMain_Panel=Hauptfeld\r\n"
                                  "Fav_Bar=Favoritenleiste\r\n");
  core::gTextBrowse = "Suchen...";
  core::gTextStretch = "Strecken";
  core::gTextVerticalGradient = "";
  page.SetCaptions();
  for (int i = 0; i < frmBackground::kElementCount; ++i) {
    EXPECT_EQ(page.lblImage(i).Caption(), "Bild :");
    EXPECT_EQ(page.lblFile(i).Caption(), "Datei :");
    EXPECT_EQ(page.lblStartOffset(i).Caption(), "Anfang :");
    EXPECT_EQ(page.lblEndOffset(i).Caption(), "Ende :");
    EXPECT_EQ(page.lblStyle(i).Caption(), "Stil :");
    EXPECT_EQ(page.lblStartColor(i).Caption(), "Startfarbe :");
    EXPECT_EQ(page.lblEndColor(i).Caption(), "Endfarbe :");
    EXPECT_EQ(page.Element(i).cmdBrowse.Caption(), "Suchen...");
    EXPECT_EQ(page.Element(i).chkStretch.Caption(), "Strecken");
    EXPECT_EQ(page.Element(i).chkGradientHorizontal.Caption(), "");
  }
  EXPECT_EQ(page.lblNote(0).Caption(), "Vier Seiten.");
  EXPECT_EQ(page.MainBkgnd.fra.Caption(), "Hauptfeld");
  EXPECT_EQ(page.FavBarBkgnd.fra.Caption(), "Favoritenleiste");
  // Neither this file nor English.ini (none here) knows the key.
  EXPECT_EQ(page.MenuBkgnd.fra.Caption(), "");
  EXPECT_EQ(page.lblPage(1).Caption(), "2");
}

TEST_F(BackgroundPageTest, AKeyMissingFromTheLanguageFileComesFromEnglish) {
  InstallEnglish();
  core::gLanguageFile = WriteFile(*this / "Languages\\Deutsch.ini", "[General]\r\nMenu_Bar=Menüleiste\r\n");
  page.SetCaptions();
  EXPECT_EQ(page.MenuBarBkgnd.fra.Caption(), "Menüleiste");
  EXPECT_EQ(page.BtnBkgndDisable.fra.Caption(), "Button Disabled");
  EXPECT_EQ(page.lblStyle(3).Caption(), "Style :");
}

// ---------------------------------------------------------------- load

TEST_F(BackgroundPageTest, AnEmptySectionLoadsTheMainPanelAsAnImageAndTheRestTransparent) {
  WriteIniText("[General]\r\nName=Test\r\n");
  page.lblPage_MouseDown(2, 1, 1, 1.0f, 1.0f);
  LoadPage();
  EXPECT_FALSE(page.picTabs(2).Visible());
  EXPECT_EQ(ui::ResolveColor(page.lblPage(0).BackColor()), kHighlight);

  BackgroundEditor& main = page.MainBkgnd;
  EXPECT_EQ(main.cboStyle.ListCount(), 2);
  EXPECT_EQ(main.cboStyle.ListIndex(), 0);
  EXPECT_EQ(main.txtImage.Text(), "");
  EXPECT_EQ(main.chkStretch.Value(), 0);
  EXPECT_EQ(main.txtStartOffset.Text(), "0");
  EXPECT_EQ(main.txtEndOffset.Text(), "0");
  EXPECT_TRUE(IsWindowEnabled(main.txtImage.hWnd()));
  for (int i = 1; i < frmBackground::kElementCount; ++i) {
    BackgroundEditor& e = page.Element(i);
    EXPECT_EQ(e.cboStyle.ListCount(), 3) << i;
    EXPECT_EQ(e.cboStyle.ListIndex(), 2) << i;
    EXPECT_FALSE(IsWindowEnabled(e.txtImage.hWnd())) << i;
    EXPECT_FALSE(IsWindowEnabled(e.lblStartColorPalette.hWnd())) << i;
    EXPECT_TRUE(IsWindowEnabled(e.cboStyle.hWnd())) << i;
    EXPECT_EQ(e.txtStartColor.Text(), "") << i;
    EXPECT_EQ(e.StartColor.Colour(), kWindow) << i;
  }
}

TEST_F(BackgroundPageTest, TheDefaultSkinLoadsEachElementWithItsOwnKeys) {
  WriteIniText(ReadFile(DefaultSkin() + "\\pelto.ini"));
  testing_support::MakeFolders(project + "\\control");
  for (const char* image : {"mainpanel_bg.png", "menu_bg.png"})
    core::gFileSystem.CopyFileTo(DefaultSkin() + "\\control\\" + image, project + "\\control\\" + image, true);
  LoadPage();

  EXPECT_EQ(page.MainBkgnd.cboStyle.ListIndex(), 0);
  EXPECT_EQ(page.MainBkgnd.txtImage.Text(), "control\\mainpanel_bg.png");
  EXPECT_EQ(page.MainBkgnd.chkStretch.Value(), 1);
  EXPECT_EQ(page.MainBkgnd.txtStartOffset.Text(), "4");
  EXPECT_GT(page.MainBkgnd.picImage.HelpContextID(), 0);
  EXPECT_TRUE(page.MainBkgnd.ShpOffset.Visible());
  EXPECT_EQ(page.MenuBkgnd.txtStartOffset.Text(), "24");
  EXPECT_EQ(page.MenuBkgnd.txtEndOffset.Text(), "2");

  EXPECT_EQ(page.MenuItemBkgndHover.cboStyle.ListIndex(), 1);
  EXPECT_EQ(page.MenuItemBkgndHover.txtStartColor.Text(), "#E3EEFB");
  EXPECT_EQ(page.MenuItemBkgndHover.txtEndColor.Text(), "#BCD4F5");
  EXPECT_EQ(page.MenuItemBkgndHover.chkGradientHorizontal.Value(), 1);
  EXPECT_FALSE(page.MenuItemBkgndHover.picImageBase.Visible());
  EXPECT_TRUE(Near(page.MenuItemBkgndHover.picGradient.Point(26, 0), RGB(0xE3, 0xEE, 0xFB), 3));
  EXPECT_EQ(page.MenuItemBkgndHover.txtImage.Text(), "");

  EXPECT_EQ(page.BtnBkgndNormal.cboStyle.ListIndex(), 2);
  EXPECT_EQ(page.BtnBkgndDisable.cboStyle.ListIndex(), 2);
  EXPECT_EQ(page.FavBarBkgnd.cboStyle.ListIndex(), 2);
  EXPECT_EQ(page.BtnBkgndHover.cboStyle.ListIndex(), 0);
  EXPECT_EQ(page.WebToolbarBkgnd.cboStyle.ListIndex(), 1);
  EXPECT_EQ(page.StatusBarBkgnd.txtImage.Text(), "control\\statusbar_bg.png");
}

TEST_F(BackgroundPageTest, StylesAreReadWithoutRegardToCase) {
  WriteIniText(
      "[Backgrounds]\r\nMainPanel.Style=Transparent\r\nMenu.Style=GFILL\r\nMenuBar.Style=tRaNsPaReNt\r\n"
      "ToolBar.Style=3image\r\nWebBar.Style=anything\r\nStatusBar.Style=\r\n");
  LoadPage();
  EXPECT_EQ(page.MainBkgnd.cboStyle.ListIndex(), 0);
  EXPECT_EQ(page.MenuBkgnd.cboStyle.ListIndex(), 1);
  EXPECT_EQ(page.MenuBarBkgnd.cboStyle.ListIndex(), 2);
  EXPECT_EQ(page.ToolBarBkgnd.cboStyle.ListIndex(), 0);
  EXPECT_EQ(page.WebToolbarBkgnd.cboStyle.ListIndex(), 0);
  // An empty value takes the element's default.
  EXPECT_EQ(page.StatusBarBkgnd.cboStyle.ListIndex(), 2);
}

TEST_F(BackgroundPageTest, DuplicateStyleLinesAreCleanedUpInTwoOrThreePasses) {
  WriteIniText(
      "[Backgrounds]\r\nMainPanel.Style=GFill\r\nMainPanel.Style=GFill\r\nMainPanel.Style=3Image\r\n"
      "MainPanel.Style=GFill\r\nMenu.Style=3Image\r\nMenu.Style=3Image\r\nMenu.Style=3Image\r\n"
      "Menu.Style=GFill\r\nMenu.Style=Transparent\r\nToolBar.Style=3Image\r\nToolBar.Style=GFill\r\n"
      "ToolBar.Style=3Image\r\nToolBar.Style=GFill\r\nFavBar.Style=GFill\r\n");
  LoadPage();
  // Main panel, two passes: the third line is read, the third and fourth
  // remain.
  EXPECT_EQ(page.MainBkgnd.cboStyle.ListIndex(), 0);
  // Three passes: with five lines the fourth is read, the fourth and fifth
  // remain; with four the last.
  EXPECT_EQ(page.MenuBkgnd.cboStyle.ListIndex(), 1);
  EXPECT_EQ(page.ToolBarBkgnd.cboStyle.ListIndex(), 1);
  EXPECT_EQ(page.FavBarBkgnd.cboStyle.ListIndex(), 1);
  std::string file = ReadFile(core::gSkinIni);
  auto count = [&file](const std::string& what) {
    int n = 0;
    for (size_t at = file.find(what); at != std::string::npos; at = file.find(what, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(count("MainPanel.Style=3Image"), 1);
  EXPECT_EQ(count("MainPanel.Style=GFill"), 1);
  EXPECT_EQ(count("Menu.Style=GFill"), 1);
  EXPECT_EQ(count("Menu.Style=Transparent"), 1);
  EXPECT_EQ(count("Menu.Style=3Image"), 0);
  EXPECT_EQ(count("ToolBar.Style="), 1);
  EXPECT_EQ(count("FavBar.Style=GFill"), 1);
}

TEST_F(BackgroundPageTest, LoadingTwiceKeepsTheStyleItemsOfTheFirstLoad) {
  core::gTextUseImage = "Image";
  core::gTextUseGradient = "Gradient";
  core::gTextTransparent = "None";
  WriteIniText("[Backgrounds]\r\n");
  LoadPage();
  core::gTextUseImage = "Bild";
  LoadPage();
  EXPECT_EQ(page.MenuBkgnd.cboStyle.ListCount(), 3);
  EXPECT_EQ(page.MenuBkgnd.cboStyle.List(0), "Image");
  EXPECT_EQ(page.MenuBkgnd.cboStyle.List(2), "None");
  EXPECT_EQ(page.MainBkgnd.cboStyle.ListCount(), 2);
}

// ---------------------------------------------------------------- save

TEST_F(BackgroundPageTest, EveryElementRoundTripsThroughItsOwnKeys) {
  std::string text = "[Backgrounds]\r\nUnknown.Key=stays\r\n";
  for (int i = 0; i < frmBackground::kElementCount; ++i) {
    std::string p = kTable[i].prefix;
    char colour[8];
    snprintf(colour, sizeof colour, "#0000%02X", i + 1);
    text += p + ".Style=GFill\r\n" + p + ".Fill.ColorStart=" + colour + "\r\n" + p + ".Fill.ColorEnd=#FFFFFF\r\n";
  }
  WriteIniText(text + "[Other]\r\nMenu.Style=left alone\r\n");
  LoadPage();
  for (int i = 0; i < frmBackground::kElementCount; ++i) {
    char colour[8];
    snprintf(colour, sizeof colour, "#0000%02X", i + 1);
    EXPECT_EQ(page.Element(i).txtStartColor.Text(), colour) << kTable[i].stem;
    // Each becomes an image of its own, with offsets of its own.
    PickItem(page.Element(i).cboStyle, 0);
    page.Element(i).txtImage.SetText(std::string("control\\") + kTable[i].file);
    page.Element(i).txtStartOffset.SetText(std::to_string(i));
  }
  page.SaveBackground();

  auto saved = Saved();
  auto& section = saved["backgrounds"];
  EXPECT_EQ(section["unknown.key"], "stays");
  EXPECT_EQ(saved["other"]["menu.style"], "left alone");
  for (int i = 0; i < frmBackground::kElementCount; ++i) {
    std::string p = core::ToLower(kTable[i].prefix);
    EXPECT_EQ(section[p + ".style"], "3Image") << p;
    EXPECT_EQ(section[p + ".image"], std::string("control\\") + kTable[i].file) << p;
    EXPECT_EQ(section[p + ".image.startoffset"], std::to_string(i)) << p;
    EXPECT_EQ(section[p + ".image.endoffset"], "0") << p;
    EXPECT_EQ(section[p + ".image.stretch"], "0") << p;
    EXPECT_EQ(section.count(p + ".fill.colorstart"), 0u) << p;
  }
  // Every key is one of the elements' eight or the unknown one.
  EXPECT_EQ(section.size(), 1u + 5u * frmBackground::kElementCount);

  // Reopened, each element shows what it saved.
  LoadPage();
  for (int i = 0; i < frmBackground::kElementCount; ++i)
    EXPECT_EQ(page.Element(i).txtStartOffset.Text(), std::to_string(i)) << kTable[i].stem;
}

TEST_F(BackgroundPageTest, OutsideImagesAreCopiedUnderEachElementsDefaultFile) {
  WriteIniText("[Backgrounds]\r\n");
  LoadPage();
  std::string outside = WritePng(*this / "Images\\mine.png", 20, 10, kRed);
  for (int i = 0; i < frmBackground::kElementCount; ++i) {
    if (page.Element(i).cboStyle.ListIndex() != 0) PickItem(page.Element(i).cboStyle, 0);
    page.Element(i).txtImage.SetText(outside);
  }
  page.SaveBackground();
  EXPECT_TRUE(page.UncopiedImages().empty());
  for (int i = 0; i < frmBackground::kElementCount; ++i) {
    std::string relative = std::string("control\\") + kTable[i].file;
    EXPECT_EQ(page.Element(i).txtImage.Text(), relative);
    EXPECT_EQ(SavedValue("Backgrounds", std::string(kTable[i].prefix) + ".Image"), relative);
    EXPECT_TRUE(testing_support::Exists(project + "\\" + relative)) << relative;
  }
}

TEST_F(BackgroundPageTest, TheDisabledButtonIsSavedWhereItIsReadFrom) {
  WriteIniText("[Backgrounds]\r\nButton.Disable.Style=GFill\r\nButton.Disable.Fill.ColorStart=#101010\r\n");
  LoadPage();
  page.BtnBkgndDisable.txtStartColor.SetText("#202020");
  page.SaveBackground();
  EXPECT_EQ(SavedValue("Backgrounds", "Button.Disable.Fill.ColorStart"), "#202020");
  EXPECT_EQ(SavedValue("Backgrounds", "Button.Disabled.Style"), "<none>");
  LoadPage();
  EXPECT_EQ(page.BtnBkgndDisable.txtStartColor.Text(), "#202020");
}

TEST_F(BackgroundPageTest, AnImageThatCannotBeCopiedIsReportedAndTheOthersAreStillSaved) {
  WriteIniText("[Backgrounds]\r\n");
  LoadPage();
  std::string gone = *this / "Images\\gone.png";
  page.MainBkgnd.txtImage.SetText(gone);
  PickItem(page.MenuBkgnd.cboStyle, 1);
  page.MenuBkgnd.txtStartColor.SetText("#123456");
  page.SaveBackground();
  EXPECT_EQ(page.UncopiedImages(), std::vector<std::string>{gone});
  EXPECT_EQ(SavedValue("Backgrounds", "MainPanel.Image"), "<none>");
  EXPECT_EQ(SavedValue("Backgrounds", "Menu.Fill.ColorStart"), "#123456");
  page.SaveBackground();
  EXPECT_EQ(page.UncopiedImages().size(), 1u);
}

// ---------------------------------------------------------------- in the main window

class BackgroundsInMainWindowTest : public main_window_tests::ProjectTest {
 protected:
  pages::frmBackground& Page() { return *mainwindow::gBackgroundsPage; }
};

TEST_F(BackgroundsInMainWindowTest, OpeningAProjectFillsThePageAndSavingWritesItBack) {
  std::string folder = DefaultSkinProject("Default");
  Open(folder);
  pages::frmBackground& page = Page();
  EXPECT_FALSE(core::gModified);
  EXPECT_EQ(page.MenuBkgnd.txtImage.Text(), "control\\menu_bg.png");
  EXPECT_GT(page.MenuBkgnd.picImage.HelpContextID(), 0);
  EXPECT_EQ(page.WebToolbarBkgnd.txtStartColor.Text(), "#F7F9FC");
  EXPECT_FALSE(testing_support::Exists(core::gTempIni));

  form.ActivateTab(5);
  Click(page.lblPage(1).hWnd());
  ScriptedPrompter prompts;
  prompts.AnswerColor(static_cast<long>(kBlue));
  PickItem(page.BtnBkgndHover.cboStyle, 1);
  Click(page.BtnBkgndHover.lblStartColorPalette.hWnd());
  EXPECT_EQ(page.BtnBkgndHover.txtStartColor.Text(), "#0000FF");
  EXPECT_TRUE(Near(page.BtnBkgndHover.picGradient.Point(0, 26), kBlue));
  EXPECT_TRUE(core::gModified);
  Save();
  EXPECT_FALSE(core::gModified);
  auto section = Saved()["backgrounds"];
  EXPECT_EQ(section["button.hover.style"], "GFill");
  EXPECT_EQ(section["button.hover.fill.colorstart"], "#0000FF");
  // Loaded as an image, the element showed no end colour: none is saved.
  EXPECT_EQ(section["button.hover.fill.colorend"], "");
  EXPECT_EQ(section.count("button.hover.image"), 0u);
  EXPECT_EQ(section["menu.image"], "control\\menu_bg.png");
}

TEST_F(BackgroundsInMainWindowTest, ASaveThatCannotCopyAnImageSaysSoAndKeepsTheProjectModified) {
  Open(DefaultSkinProject("Default"));
  std::string gone = *this / "Images\\gone.png";
  Page().MainBkgnd.txtImage.SetText(gone);
  ScriptedPrompter prompts;
  prompts.AnswerMessage(IDOK);
  Save();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].text.find(gone), std::string::npos);
  EXPECT_TRUE(core::gModified);
}

TEST_F(BackgroundsInMainWindowTest, F2FromAControlOfThePageOpensTheNavigator) {
  main_window_tests::PressKey(Page().MenuBkgnd.txtImage.hWnd(), VK_F2);
  EXPECT_TRUE(core::gNavigatorShown);
}

class BackgroundsCaptionsTest : public main_window_tests::MainWindowTest {};

TEST_F(BackgroundsCaptionsTest, TheLanguageMenuRecaptionsThePage) {
  InstallEnglish();
  WriteLanguage("Deutsch", "Browse=Suchen...\r\nMain_Panel=Hauptfeld\r\nStretch=Strecken\r\n");
  form.Load();
  pages::frmBackground& page = *mainwindow::gBackgroundsPage;
  EXPECT_EQ(page.MainBkgnd.fra.Caption(), "Main Panel");
  int item = -1;
  for (int i = 0; i <= form.mnuLangList.UBound(); ++i)
    if (form.mnuLangList(i).Caption() == "Deutsch") item = i;
  ASSERT_GE(item, 0);
  main_window_tests::ChooseMenu(form, form.mnuLangList(item));
  EXPECT_EQ(page.MainBkgnd.fra.Caption(), "Hauptfeld");
  EXPECT_EQ(page.MenuBkgnd.cmdBrowse.Caption(), "Suchen...");
  EXPECT_EQ(page.ToolBarBkgnd.chkStretch.Caption(), "Strecken");
  EXPECT_EQ(page.MenuBkgnd.fra.Caption(), "Menu Background");
  EXPECT_EQ(page.BtnBkgndNormal.chkGradientHorizontal.Caption(), "Use Vertical Gradient");
}

}  // namespace
