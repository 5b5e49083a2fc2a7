// The Tab Bar page: its two sub-pages and selectors, captions, the element
// editors as the page wires them (markers, gradients, styles, the progress
// list, browse and image editor clicks), loading and saving [TabBar], alone
// and inside the main window.
#include "pages/tabbar_colors/frmTab.h"

#include <gtest/gtest.h>

#include "core/ini.h"
#include "core/paths.h"
#include "mainwindow/embedded_pages.h"
#include "mainwindow/project_support.h"
#include "pages/editor_support.h"
#include "support/png.h"
#include "support/scripted_prompter.h"

namespace {

using namespace editor_tests;
using pages::BackgroundEditor;
using pages::frmTab;
using pages::MarkedImageEditor;
using testing_support::ParseIniText;
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

// Every key of the section with a value of its own; saved unchanged, the
// section comes back as it was.
const char kFullSection[] =
    "[TabBar]\r\n"
    "FlipSettings=1\r\n"
    "Tab.Normal.Image=control\\n.png\r\nTab.Normal.Image.StartOffset=3\r\nTab.Normal.Image.EndOffset=4\r\n"
    "Tab.Normal.StartOut=5\r\nTab.Normal.EndOut=6\r\nTab.Normal.Image.Stretch=1\r\nTab.Normal.Padding=1 2 3 4\r\n"
    "Tab.Active.Image=control\\a.png\r\nTab.Active.Image.StartOffset=7\r\nTab.Active.Image.EndOffset=8\r\n"
    "Tab.Active.StartOut=9\r\nTab.Active.EndOut=10\r\nTab.Active.Image.Stretch=0\r\nTab.Active.Padding=5 6 7 8\r\n"
    "Tab.Hover.Image=control\\h.png\r\nTab.Hover.Image.StartOffset=11\r\nTab.Hover.Image.EndOffset=12\r\n"
    "Tab.Hover.Image.Stretch=1\r\n"
    "Tab.Unread.Image=control\\u.png\r\nTab.Unread.Image.StartOffset=13\r\nTab.Unread.Image.EndOffset=14\r\n"
    "Tab.Unread.Image.Stretch=0\r\n"
    "Background.Style=3Image\r\nBackground.Image=control\\bg.png\r\nBackground.Image.stretch=1\r\n"
    "Background.Image.StartOffset=15\r\nBackground.Image.EndOffset=16\r\n"
    "InActiveBackground.Style=GFill\r\nInActiveBackground.Fill.ColorStart=#102030\r\n"
    "InActiveBackground.Fill.ColorEnd=#405060\r\nInActiveBackground.Fill.Angle=90\r\n"
    "InActiveBackground.Image=control\\old.png\r\n"
    "TabProgress.Style=Progress\r\nTabProgress.HideIcon=1\r\nTabProgress.Image.FrameWidth=17\r\n"
    "TabProgress.Image=control\\p.png\r\nTabProgress.Offset=18 19\r\n"
    "TabClose.ExtendSpace=20\r\nTabClose=control\\c.png\r\nTabClose.Hover=control\\ch.png\r\nTabClose.Offset=21 22\r\n"
    "Unknown.Key=stays\r\n"
    "[Colors]\r\nTab.Active.Text=#000000\r\n";

class TabPageTest : public ProjectFolderTest {
 protected:
  void SetUp() override {
    ProjectFolderTest::SetUp();
    page.Load();
    savedStarter_ = core::ProcessStarter;
    core::ProcessStarter = [this](const std::string& line, int) {
      started.push_back(line);
      return true;
    };
  }
  void TearDown() override {
    core::ProcessStarter = savedStarter_;
    page.Unload();
    ProjectFolderTest::TearDown();
  }
  void LoadPage() {
    BeginLoad();
    page.LoadTabBar();
    EndLoad();
  }
  // An image of the given width in the project's control folder; returns
  // its key.
  std::string ProjectImage(const std::string& name, int width, COLORREF colour = RGB(0, 128, 0)) {
    WritePng(project + "\\control\\" + name, width, 20, colour);
    return "control\\" + name;
  }
  ui::TextBox& Text(const std::string& name) {
    auto* box = page.FindAs<ui::TextBox>(name);
    if (!box) throw std::logic_error("no text box " + name);
    return *box;
  }
  HWND TopChildAt(HWND parent, int x, int y) {
    return ChildWindowFromPointEx(parent, POINT{x, y}, CWP_SKIPINVISIBLE);
  }
  int Count(const std::string& text) {
    std::string file = ReadFile(core::gSkinIni);
    int n = 0;
    for (size_t at = file.find(text); at != std::string::npos; at = file.find(text, at + 1)) ++n;
    return n;
  }

  frmTab page;
  std::vector<std::string> started;

 private:
  std::function<bool(const std::string&, int)> savedStarter_;
};

// ---------------------------------------------------------------- shell

TEST_F(TabPageTest, ControlsStandWhereTheTablesPutThemUnderTheirNames) {
  EXPECT_EQ(page.FindControl("picTabHover"), &page.TabHover.pic);
  EXPECT_EQ(page.FindControl("picTabUnread"), &page.TabUnread.pic);
  EXPECT_EQ(page.FindControl("picTabNormalImage"), &page.TabNormal.pic);
  EXPECT_EQ(page.FindControl("txtTabActiveImage"), &page.TabActive.txtImage);
  EXPECT_EQ(page.FindControl("chkTabUnreadStretch"), &page.TabUnread.chkStretch);
  EXPECT_EQ(page.FindGraphic("ShpTabHoverOffset"), &page.TabHover.shp);
  EXPECT_EQ(page.FindControl("picTabActiveBkgndBase"), &page.TabActiveBkgnd.picBase);
  EXPECT_EQ(page.FindControl("picTabInactiveBkgndImageBase"), &page.TabInactiveBkgnd.picImageBase);
  EXPECT_EQ(page.FindControl("txtTabInactiveBkgndStartColor"), &page.TabInactiveBkgnd.txtStartColor);
  EXPECT_EQ(page.FindControl("cboTabProgressStyle"), &page.cboTabProgressStyle);
  EXPECT_EQ(page.FindControl("picTabs(1)"), &page.picTabs(1));
  EXPECT_EQ(page.FindControl("lblFile(8)"), &page.lblFile(8));

  // The label arrays: one member per place.
  EXPECT_EQ(page.lblImage.Count(), 7);
  EXPECT_EQ(page.lblFile.Count(), 9);
  EXPECT_EQ(page.lblStartOffset.Count(), 6);
  EXPECT_EQ(page.lblStyle.Count(), 3);
  EXPECT_EQ(page.lblTop.Count(), 2);
  EXPECT_EQ(page.lblImage(6).Parent(), &page.picTabProgressBase);
  EXPECT_EQ(page.lblFile(7).Parent(), &page.picTabCloseBase);
  EXPECT_EQ(page.lblFile(7).Top(), 103);
  EXPECT_EQ(page.lblStyle(2).Parent(), &page.picTabProgressBase);
  EXPECT_EQ(page.lblStartOffset(5).Parent(), &page.TabInactiveBkgnd.picImageBase);
  EXPECT_EQ(page.lblRight(1).Parent(), &page.picTabNormalBase);

  // The six previews with a marker are 173 pixels wide; each marker is
  // designed 40 x 44 at top -2 and hidden.
  for (ui::PictureBox* box : {&page.TabActive.pic, &page.TabNormal.pic, &page.TabHover.pic, &page.TabUnread.pic})
    EXPECT_EQ(box->Height(), 38);
  for (MarkedImageEditor* e : {&page.TabActive, &page.TabNormal, &page.TabHover, &page.TabUnread,
                               &page.TabActiveBkgnd.image, &page.TabInactiveBkgnd.image}) {
    EXPECT_EQ(e->pic.Width(), 173);
    EXPECT_EQ(e->shp.Top(), -2);
    EXPECT_EQ(e->shp.Width(), 40);
    EXPECT_EQ(e->shp.Height(), 44);
    EXPECT_FALSE(e->shp.Visible());
  }
  EXPECT_EQ(page.TabActiveBkgnd.picImage.Height(), 36);
  EXPECT_EQ(page.TabActiveBkgnd.picBase.Height(), 129);
  EXPECT_EQ(page.TabActiveBkgnd.cboStyle.ListCount(), 0);
  // Frames, boxes, labels and check boxes lie on the window colour.
  for (ui::Control* c : std::vector<ui::Control*>{&page.fraTabClose, &page.picTabCloseBase, &page.lblTabCloseSpace,
                                                  &page.chkTabFlipSettings, &page.lblImage(3), &page.fraNote(0)})
    EXPECT_EQ(c->BackColor(), ui::kSysWindow);
}

TEST_F(TabPageTest, SubPageOneLiesAtEightyOverTheTabFramesOnceShown) {
  EXPECT_EQ(page.picTabs(1).Top(), frmTab::kPanelTop);
  EXPECT_FALSE(page.picTabs(1).Visible());
  EXPECT_EQ(ui::ResolveColor(page.lblPage(0).BackColor()), kHighlight);
  EXPECT_EQ(ui::ResolveColor(page.lblPage(0).ForeColor()), kHighlightText);
  EXPECT_EQ(ui::ResolveColor(page.lblPage(1).BackColor()), kWindow);
  EXPECT_EQ(ui::ResolveColor(page.lblPage(1).ForeColor()), kWindowText);
  HWND panel0 = page.picTabs(0).hWnd();
  EXPECT_EQ(TopChildAt(panel0, 100, 150), page.fraTabActive.hWnd());

  page.lblPage_MouseDown(1, 1, 1, 1.0f, 1.0f);
  EXPECT_TRUE(page.picTabs(1).Visible());
  // It covers the tab frames and the flip check box; the note and the
  // selectors stay in sight.
  EXPECT_EQ(TopChildAt(panel0, 100, 150), page.picTabs(1).hWnd());
  EXPECT_EQ(TopChildAt(panel0, 30, 430), page.picTabs(1).hWnd());
  EXPECT_EQ(TopChildAt(panel0, 100, 40), page.fraNote(0).hWnd());
  EXPECT_EQ(TopChildAt(panel0, 60, 488), page.lblPage(1).hWnd());
  EXPECT_EQ(TopChildAt(page.picTabs(1).hWnd(), 100, 300), page.fraTabClose.hWnd());
  EXPECT_EQ(ui::ResolveColor(page.lblPage(1).BackColor()), kHighlight);
  EXPECT_EQ(ui::ResolveColor(page.lblPage(0).BackColor()), kWindow);

  page.lblPage_MouseDown(0, 1, 1, 1.0f, 1.0f);
  EXPECT_FALSE(page.picTabs(1).Visible());
  EXPECT_EQ(TopChildAt(panel0, 100, 150), page.fraTabActive.hWnd());
}

TEST_F(TabPageTest, AnyMouseButtonOnASelectorSwitchesAndAnIndexBeyondThemHighlightsNone) {
  SendMessageA(page.lblPage(1).hWnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 3));
  SendMessageA(page.lblPage(1).hWnd(), WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_TRUE(page.picTabs(1).Visible());
  Click(page.lblPage(0).hWnd());
  EXPECT_FALSE(page.picTabs(1).Visible());
  EXPECT_EQ(ui::ResolveColor(page.lblPage(0).BackColor()), kHighlight);

  page.lblPage_MouseDown(1, 1, 1, 1.0f, 1.0f);
  page.lblPage_MouseDown(2, 1, 1, 1.0f, 1.0f);
  for (int i = 0; i < frmTab::kSubPages; ++i) EXPECT_EQ(ui::ResolveColor(page.lblPage(i).BackColor()), kWindow);
  EXPECT_FALSE(page.picTabs(1).Visible());
  EXPECT_TRUE(page.picTabs(0).Visible());
}

// ---------------------------------------------------------------- captions

TEST_F(TabPageTest, WithoutALanguageFileTheDesignedCaptionsStay) {
  core::gTextBrowse = "Durchsuchen";
  page.SetCaptions();
  EXPECT_EQ(page.lblImage(0).Caption(), "Image :");
  EXPECT_EQ(page.lblRight(0).Caption(), "(R)");
  EXPECT_EQ(page.fraTabNormal.Caption(), "Inactive Tab");
  EXPECT_EQ(page.TabHover.cmdBrowse.Caption(), "Browse...");
  EXPECT_EQ(page.TabActiveBkgnd.chkGradientHorizontal.Caption(), "Use horizontal gradient");
  EXPECT_EQ(page.lblTabCloseSpace.Caption(), "Extend Space :");
  EXPECT_EQ(page.lblNote(0).Caption(),
            "This section consists of 2 pages which define tab, tab bar background, and other tab elements.");
}

TEST_F(TabPageTest, ALanguageFileCaptionsEveryTableRowAndAMissingKeyEmptiesItsCaption) {
  core::gLanguageFile = WriteFile(
      *this / "Languages\\Deutsch.ini",
      "[General]\r\nImage=Bild :\r\nFile=Datei :\r\nStart_Offset=Anfang :\r\nEnd_Offset=Ende :\r\nStyle=Stil :\r\n"
      "Top=(O)\r\nLeft=(Li)\r\nBottom=(U)\r\nRIGHT=(Re)\r\nPadding=Abstand :\r\nFlip_Settings=Spiegeln\r\n"
      "TabBar_Note=Zwei Seiten.\r\nStart_Out=Anfang aus :\r\nEnd_Out=Ende aus :\r\nFrame_Width=Bildbreite :\r\n"
      "Hide_Favicon=Keine Symbole\r\nLeft_Offset=Links :\r\nTop_Offset=Oben :\r\nHover=Schwebend :\r\n"
      "Normal=Normal :\r\nExtend_Space=Abstand :\r\nActive_Tabbar_Background=Aktiver Hintergrund\r\n"
      "Tab_Close_Button=Schliessen\r\nTab_Progress_Animation=Fortschritt\r\nActive_Tab=Aktiver Tab\r\n"
      "Normal_Tab=Inaktiver Tab\r\nHover_Tab=Tab unter Maus\r\nUnread_Tab=Ungelesen\r\nStart_Color=Von :\r\n"
      "End_Color=Bis :\r\nVertical_Gradient=Senkrecht\r\n");
  core::gTextBrowse = "Suchen...";
  core::gTextStretch = "Strecken";
  core::gTextVerticalGradient = "not this";
  page.SetCaptions();
  for (int i = 0; i < 7; ++i) EXPECT_EQ(page.lblImage(i).Caption(), "Bild :");
  for (int i = 0; i < 9; ++i) EXPECT_EQ(page.lblFile(i).Caption(), "Datei :");
  for (int i = 0; i < 6; ++i) EXPECT_EQ(page.lblEndOffset(i).Caption(), "Ende :");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(page.lblStyle(i).Caption(), "Stil :");
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(page.lblTop(i).Caption(), "(O)");
    EXPECT_EQ(page.lblRight(i).Caption(), "(Re)");
    EXPECT_EQ(page.lblPadding(i).Caption(), "Abstand :");
  }
  EXPECT_EQ(page.chkTabFlipSettings.Caption(), "Spiegeln");
  EXPECT_EQ(page.lblNote(0).Caption(), "Zwei Seiten.");
  EXPECT_EQ(page.lblTabNormalEndOut.Caption(), "Ende aus :");
  EXPECT_EQ(page.chkTabProgressHideIcon.Caption(), "Keine Symbole");
  EXPECT_EQ(page.lblTabProgressTopOffset.Caption(), "Oben :");
  EXPECT_EQ(page.lblTabCloseNormal.Caption(), "Normal :");
  EXPECT_EQ(page.fraTabNormal.Caption(), "Inaktiver Tab");
  EXPECT_EQ(page.fraTabUnread.Caption(), "Ungelesen");
  EXPECT_EQ(page.TabActiveBkgnd.fra.Caption(), "Aktiver Hintergrund");
  EXPECT_EQ(page.lblTabInactiveBkgndEndColor.Caption(), "Bis :");
  for (BackgroundEditor* b : {&page.TabActiveBkgnd, &page.TabInactiveBkgnd}) {
    EXPECT_EQ(b->chkGradientHorizontal.Caption(), "Senkrecht");
    EXPECT_EQ(b->cmdBrowse.Caption(), "Suchen...");
    EXPECT_EQ(b->chkStretch.Caption(), "Strecken");
  }
  for (ui::CommandButton* b : {&page.TabUnread.cmdBrowse, &page.cmdTabCloseHoverBrowse, &page.cmdTabProgressBrowse})
    EXPECT_EQ(b->Caption(), "Suchen...");
  EXPECT_EQ(page.TabHover.chkStretch.Caption(), "Strecken");
  // Neither this file nor English.ini (none here) knows the key.
  EXPECT_EQ(page.TabInactiveBkgnd.fra.Caption(), "");
  // Not captioned from the language file.
  EXPECT_EQ(page.lblPage(1).Caption(), "2");
}

TEST_F(TabPageTest, AKeyMissingFromTheLanguageFileComesFromEnglish) {
  InstallEnglish();
  core::gLanguageFile = WriteFile(*this / "Languages\\Deutsch.ini", "[General]\r\nHover_Tab=Schwebend\r\n");
  page.SetCaptions();
  EXPECT_EQ(page.fraTabHover.Caption(), "Schwebend");
  EXPECT_EQ(page.TabInactiveBkgnd.fra.Caption(), "Inactive Tab Bar Background");
  // The English text of the key says what checked means.
  EXPECT_EQ(page.TabActiveBkgnd.chkGradientHorizontal.Caption(), "Use Vertical Gradient");
}

// ---------------------------------------------------------------- load and save

TEST_F(TabPageTest, EveryKeyReachesItsControlAndAnUnchangedSaveWritesTheSectionBack) {
  WriteIniText(kFullSection);
  LoadPage();
  struct Shown {
    const char* name;
    const char* text;
  };
  for (const Shown& s : {Shown{"txtTabNormalImage", "control\\n.png"}, {"txtTabNormalStartOffset", "3"},
                         {"txtTabNormalEndOffset", "4"},          {"txtTabNormalStartOut", "5"},
                         {"txtTabNormalEndOut", "6"},             {"txtTabNormalPaddingTop", "1"},
                         {"txtTabNormalPaddingRight", "2"},       {"txtTabNormalPaddingBottom", "3"},
                         {"txtTabNormalPaddingLeft", "4"},        {"txtTabActiveImage", "control\\a.png"},
                         {"txtTabActiveStartOffset", "7"},        {"txtTabActiveEndOffset", "8"},
                         {"txtTabActiveStartOut", "9"},           {"txtTabActiveEndOut", "10"},
                         {"txtTabActivePaddingLeft", "8"},        {"txtTabHoverImage", "control\\h.png"},
                         {"txtTabHoverStartOffset", "11"},        {"txtTabHoverEndOffset", "12"},
                         {"txtTabUnreadImage", "control\\u.png"}, {"txtTabUnreadEndOffset", "14"},
                         {"txtTabActiveBkgndImage", "control\\bg.png"},
                         {"txtTabActiveBkgndStartOffset", "15"},  {"txtTabActiveBkgndEndOffset", "16"},
                         {"txtTabActiveBkgndStartColor", ""},     {"txtTabInactiveBkgndStartColor", "#102030"},
                         {"txtTabInactiveBkgndEndColor", "#405060"},
                         {"txtTabInactiveBkgndImage", ""},        {"txtTabProgressFrameWidth", "17"},
                         {"txtTabProgressImage", "control\\p.png"},
                         {"txtTabProgressLeftOffset", "18"},      {"txtTabProgressTopOffset", "19"},
                         {"txtTabCloseExtendSpace", "20"},        {"txtTabCloseNormalImage", "control\\c.png"},
                         {"txtTabCloseHoverImage", "control\\ch.png"},
                         {"txtTabCloseLeftOffset", "21"},         {"txtTabCloseTopOffset", "22"}})
    EXPECT_EQ(Text(s.name).Text(), s.text) << s.name;
  EXPECT_EQ(page.chkTabFlipSettings.Value(), 1);
  EXPECT_EQ(page.TabNormal.chkStretch.Value(), 1);
  EXPECT_EQ(page.TabActive.chkStretch.Value(), 0);
  EXPECT_EQ(page.TabHover.chkStretch.Value(), 1);
  EXPECT_EQ(page.TabActiveBkgnd.chkStretch.Value(), 1);
  EXPECT_EQ(page.TabActiveBkgnd.cboStyle.ListIndex(), 0);
  EXPECT_EQ(page.TabInactiveBkgnd.cboStyle.ListIndex(), 1);
  EXPECT_EQ(page.TabInactiveBkgnd.chkGradientHorizontal.Value(), 1);
  EXPECT_EQ(page.cboTabProgressStyle.ListIndex(), 1);
  EXPECT_EQ(page.chkTabProgressHideIcon.Value(), 1);

  page.SaveTabBar();
  EXPECT_EQ(Saved(), ParseIniText(kFullSection));
  EXPECT_TRUE(page.UncopiedImages().empty());
}

TEST_F(TabPageTest, EditsRoundTripAndTheInactiveBackgroundIsWrittenWithACapitalA) {
  WriteIniText(kFullSection);
  LoadPage();
  PickItem(page.TabActiveBkgnd.cboStyle, 1);
  page.TabActiveBkgnd.txtStartColor.SetText("#AABBCC");
  PickItem(page.TabInactiveBkgnd.cboStyle, 0);
  page.TabInactiveBkgnd.txtImage.SetText("control\\inactive.png");
  page.TabInactiveBkgnd.txtStartOffset.SetText("2");
  page.TabInactiveBkgnd.txtEndOffset.SetText("3");
  page.txtTabActivePaddingTop.SetText(" 9 ");
  Toggle(page.chkTabFlipSettings);
  PickItem(page.cboTabProgressStyle, 0);
  page.txtTabCloseTopOffset.SetText("7");
  page.SaveTabBar();

  auto section = Saved()["tabbar"];
  EXPECT_EQ(section["flipsettings"], "0");
  EXPECT_EQ(section["tab.active.padding"], "9 6 7 8");
  EXPECT_EQ(section["background.style"], "GFill");
  EXPECT_EQ(section["background.fill.colorstart"], "#AABBCC");
  EXPECT_EQ(section["background.fill.colorend"], "");
  EXPECT_EQ(section["background.fill.angle"], "0");
  // A gradient keeps the image line and loses the image's details.
  EXPECT_EQ(section["background.image"], "control\\bg.png");
  EXPECT_EQ(section.count("background.image.stretch"), 0u);
  EXPECT_EQ(section.count("background.image.startoffset"), 0u);
  EXPECT_EQ(section.count("background.image.endoffset"), 0u);
  EXPECT_EQ(section["inactivebackground.style"], "3Image");
  EXPECT_EQ(section["inactivebackground.image"], "control\\inactive.png");
  EXPECT_EQ(section["inactivebackground.image.stretch"], "0");
  EXPECT_EQ(section.count("inactivebackground.fill.colorstart"), 0u);
  EXPECT_EQ(section["tabprogress.style"], "Animation");
  EXPECT_EQ(section["tabclose.offset"], "21 7");
  EXPECT_EQ(section["unknown.key"], "stays");
  EXPECT_EQ(Saved()["colors"]["tab.active.text"], "#000000");

  LoadPage();
  EXPECT_EQ(page.TabActiveBkgnd.cboStyle.ListIndex(), 1);
  EXPECT_EQ(page.TabActiveBkgnd.txtStartColor.Text(), "#AABBCC");
  EXPECT_EQ(page.TabInactiveBkgnd.cboStyle.ListIndex(), 0);
  EXPECT_EQ(page.TabInactiveBkgnd.txtEndOffset.Text(), "3");
  EXPECT_EQ(page.txtTabActivePaddingTop.Text(), "9");
  EXPECT_EQ(page.cboTabProgressStyle.ListIndex(), 0);
}

TEST_F(TabPageTest, AnExistingInactiveBackgroundLineTakesTheNewValueWithoutASecondLine) {
  WriteIniText("[TabBar]\r\nInactiveBackground.Style=3Image\r\nInactiveBackground.Image.StartOffset=1\r\n");
  LoadPage();
  PickItem(page.TabInactiveBkgnd.cboStyle, 1);
  page.SaveTabBar();
  EXPECT_EQ(core::ReadIni(core::gSkinIni, "TabBar", "InactiveBackground.Style"), "GFill");
  EXPECT_EQ(Count("ctiveBackground.Style="), 1);
  EXPECT_EQ(Count("ctiveBackground.Image.StartOffset"), 0);
}

TEST_F(TabPageTest, DuplicateStyleLinesAreCleanedUpInAtMostTwoPasses) {
  WriteIniText(
      "[TabBar]\r\nBackground.Style=3Image\r\nBackground.Style=GFill\r\n"
      "InactiveBackground.Style=GFill\r\nInactiveBackground.Style=GFill\r\nInactiveBackground.Style=3Image\r\n");
  LoadPage();
  // Two lines: the second is read and stays alone; three: the third.
  EXPECT_EQ(page.TabActiveBkgnd.cboStyle.ListIndex(), 1);
  EXPECT_EQ(page.TabInactiveBkgnd.cboStyle.ListIndex(), 0);
  EXPECT_EQ(Count("Background.Style="), 2);
  EXPECT_EQ(core::ReadIni(core::gSkinIni, "TabBar", "Background.Style"), "GFill");
  EXPECT_EQ(core::ReadIni(core::gSkinIni, "TabBar", "InactiveBackground.Style"), "3Image");

  // Four lines: the two passes remove the first two; the third is read and
  // the third and fourth remain.
  WriteIniText(
      "[TabBar]\r\nBackground.Style=GFill\r\nBackground.Style=GFill\r\nBackground.Style=3Image\r\n"
      "Background.Style=GFill\r\n");
  LoadPage();
  EXPECT_EQ(page.TabActiveBkgnd.cboStyle.ListIndex(), 0);
  EXPECT_EQ(Count("Background.Style=3Image"), 1);
  EXPECT_EQ(Count("Background.Style=GFill"), 1);
}

TEST_F(TabPageTest, StylesAreReadWithoutRegardToCaseAndSavedInTheirOwnSpelling) {
  WriteIniText(
      "[TabBar]\r\nBackground.Style=gFILL\r\nInactiveBackground.Style=Transparent\r\n"
      "TabProgress.Style=ANIMATION\r\n");
  LoadPage();
  EXPECT_EQ(page.TabActiveBkgnd.cboStyle.ListIndex(), 1);
  EXPECT_FALSE(page.TabActiveBkgnd.picImageBase.Visible());
  EXPECT_EQ(page.TabInactiveBkgnd.cboStyle.ListIndex(), 0);
  EXPECT_TRUE(page.TabInactiveBkgnd.picImageBase.Visible());
  EXPECT_EQ(page.cboTabProgressStyle.ListIndex(), 0);
  page.SaveTabBar();
  EXPECT_EQ(SavedValue("TabBar", "Background.Style"), "GFill");
  EXPECT_EQ(SavedValue("TabBar", "InactiveBackground.Style"), "3Image");
  EXPECT_EQ(SavedValue("TabBar", "TabProgress.Style"), "Animation");
}

TEST_F(TabPageTest, WithoutALanguageFileTheListsHoldEmptyItemsThatStillWork) {
  WriteIniText("[TabBar]\r\nTabProgress.Style=progress\r\n");
  LoadPage();
  EXPECT_EQ(page.TabActiveBkgnd.cboStyle.ListCount(), 2);
  EXPECT_EQ(page.TabInactiveBkgnd.cboStyle.ListCount(), 2);
  EXPECT_EQ(page.cboTabProgressStyle.ListCount(), 3);
  EXPECT_EQ(page.cboTabProgressStyle.List(0), "");
  EXPECT_EQ(page.cboTabProgressStyle.ListIndex(), 1);

  // A later load keeps the items of the first.
  InstallEnglish();
  core::gLanguageFile = *this / "Languages\\English.ini";
  LoadPage();
  EXPECT_EQ(page.cboTabProgressStyle.ListCount(), 3);
  EXPECT_EQ(page.cboTabProgressStyle.List(2), "");
}

TEST_F(TabPageTest, MissingAndEmptyKeysLoadTheirDefaults) {
  core::gLanguageFile = WriteFile(*this / "Languages\\Deutsch.ini",
                                  "[General]\r\nShow_Animate=Animiert\r\nShow_None=Nichts\r\n");
  WriteIniText("[TabBar]\r\nTab.Active.Padding=\r\nTabClose.Offset=\r\n");
  LoadPage();
  EXPECT_EQ(page.cboTabProgressStyle.List(0), "Animiert");
  EXPECT_EQ(page.cboTabProgressStyle.List(1), "");
  for (MarkedImageEditor* e : {&page.TabActive, &page.TabNormal, &page.TabHover, &page.TabUnread})
    EXPECT_EQ(e->chkStretch.Value(), 0);
  for (ui::TextBox* box : {&page.txtTabActivePaddingTop, &page.txtTabActivePaddingRight,
                           &page.txtTabActivePaddingBottom, &page.txtTabActivePaddingLeft,
                           &page.txtTabNormalPaddingLeft, &page.txtTabCloseLeftOffset, &page.txtTabCloseTopOffset,
                           &page.txtTabProgressLeftOffset})
    EXPECT_EQ(box->Text(), "0");
  EXPECT_EQ(page.TabActiveBkgnd.cboStyle.ListIndex(), 0);
  EXPECT_EQ(page.TabActiveBkgnd.txtStartOffset.Text(), "0");
  EXPECT_EQ(page.TabNormal.txtStartOffset.Text(), "");
  // No style: "None" shows, and the other progress controls are disabled.
  EXPECT_EQ(page.cboTabProgressStyle.ListIndex(), 2);
  EXPECT_FALSE(IsWindowEnabled(page.txtTabProgressImage.hWnd()));

  // Four "0" paddings (" 0 " counts as "0") are not written; no style is
  // saved as "None" with none of the four progress keys.
  page.txtTabActivePaddingTop.SetText(" 0 ");
  page.SaveTabBar();
  EXPECT_EQ(SavedValue("TabBar", "Tab.Active.Padding"), "<none>");
  EXPECT_EQ(SavedValue("TabBar", "Tab.Normal.Padding"), "<none>");
  EXPECT_EQ(SavedValue("TabBar", "TabProgress.Style"), "None");
  EXPECT_EQ(SavedValue("TabBar", "TabProgress.Offset"), "<none>");
  EXPECT_EQ(SavedValue("TabBar", "TabClose.Offset"), "0 0");
  EXPECT_EQ(SavedValue("TabBar", "Tab.Active.Image.Stretch"), "0");
}

TEST_F(TabPageTest, ProgressStyleNoneDisablesTheBoxesAndItsSaveKeepsTheirKeys) {
  WriteIniText(
      "[TabBar]\r\nTabProgress.Style=none\r\nTabProgress.HideIcon=1\r\nTabProgress.Image.FrameWidth=16\r\n"
      "TabProgress.Image=control\\loading.png\r\nTabProgress.Offset=2 3\r\n");
  LoadPage();
  EXPECT_EQ(page.cboTabProgressStyle.ListIndex(), 2);
  for (ui::Control* c : std::vector<ui::Control*>{&page.chkTabProgressHideIcon, &page.cmdTabProgressBrowse,
                                                  &page.txtTabProgressFrameWidth, &page.txtTabProgressImage,
                                                  &page.txtTabProgressLeftOffset, &page.txtTabProgressTopOffset})
    EXPECT_FALSE(IsWindowEnabled(c->hWnd()));
  EXPECT_TRUE(IsWindowEnabled(page.cboTabProgressStyle.hWnd()));
  EXPECT_TRUE(IsWindowEnabled(page.picTabProgressImage.hWnd()));
  // The boxes show the keys the file keeps, not what an earlier project
  // left in them.
  EXPECT_EQ(page.txtTabProgressFrameWidth.Text(), "16");
  EXPECT_EQ(page.txtTabProgressTopOffset.Text(), "3");

  page.txtTabProgressFrameWidth.SetText("99");
  page.SaveTabBar();
  EXPECT_EQ(SavedValue("TabBar", "TabProgress.Style"), "None");
  EXPECT_EQ(SavedValue("TabBar", "TabProgress.Image.FrameWidth"), "16");
  EXPECT_EQ(SavedValue("TabBar", "TabProgress.Image"), "control\\loading.png");

  // Choosing a style again enables them with their texts as they were.
  core::gModified = false;
  PickItem(page.cboTabProgressStyle, 1);
  EXPECT_TRUE(core::gModified);
  EXPECT_TRUE(IsWindowEnabled(page.txtTabProgressTopOffset.hWnd()));
  EXPECT_EQ(page.txtTabProgressFrameWidth.Text(), "99");
  PickItem(page.cboTabProgressStyle, 2);
  EXPECT_FALSE(IsWindowEnabled(page.chkTabProgressHideIcon.hWnd()));
  PickItem(page.cboTabProgressStyle, 0);
  EXPECT_TRUE(IsWindowEnabled(page.cmdTabProgressBrowse.hWnd()));
}

TEST_F(TabPageTest, NothingOfTheProjectOpenedBeforeStaysInThePage) {
  std::string wide = ProjectImage("wide.png", 120);
  WriteIniText("[TabBar]\r\nFlipSettings=1\r\nTab.Hover.Image=" + wide + "\r\nTab.Normal.Padding=1 2 3 4\r\n" +
               "TabClose=" + wide + "\r\nTabProgress.Offset=5 6\r\n");
  LoadPage();
  EXPECT_EQ(page.TabHover.preview.RecordedExtent(), 120);
  EXPECT_EQ(page.picTabCloseNormalImage.HelpContextID(), 120);

  WriteIniText("[TabBar]\r\nFlipSettings=yes\r\nTab.Normal.Padding=7 8\r\nTabProgress.Offset=9\r\n");
  LoadPage();
  EXPECT_EQ(page.chkTabFlipSettings.Value(), 0);
  EXPECT_EQ(page.TabHover.preview.RecordedExtent(), 0);
  EXPECT_NE(page.TabHover.pic.Point(86, 19), RGB(0, 128, 0));
  EXPECT_EQ(page.picTabCloseNormalImage.HelpContextID(), 0);
  EXPECT_EQ(page.txtTabNormalPaddingRight.Text(), "8");
  EXPECT_EQ(page.txtTabNormalPaddingBottom.Text(), "");
  EXPECT_EQ(page.txtTabNormalPaddingLeft.Text(), "");
  EXPECT_EQ(page.txtTabProgressTopOffset.Text(), "");
  page.SaveTabBar();
  EXPECT_EQ(SavedValue("TabBar", "FlipSettings"), "0");
  EXPECT_EQ(core::ReadIni(core::gSkinIni, "TabBar", "Tab.Normal.Padding"), "7 8");
}

TEST_F(TabPageTest, ABackgroundStretchThatIsMissingOrNoWholeNumberLoadsUnticked) {
  for (const std::string stored : {"", "yes", "1.5"}) {
    SCOPED_TRACE(stored);
    WriteIniText("[TabBar]\r\nBackground.Image.stretch=1\r\nInactiveBackground.Image.stretch=1\r\n");
    LoadPage();
    ASSERT_EQ(page.TabActiveBkgnd.chkStretch.Value(), 1);
    WriteIniText("[TabBar]\r\nBackground.Image.stretch=" + stored + "\r\nInactiveBackground.Image.stretch=" + stored +
                 "\r\n");
    LoadPage();
    EXPECT_EQ(page.TabActiveBkgnd.chkStretch.Value(), 0);
    EXPECT_EQ(page.TabInactiveBkgnd.chkStretch.Value(), 0);
  }
}

TEST_F(TabPageTest, OutsideImagesAreCopiedUnderTheirDefaultNamesOrTheKeysCurrentFile) {
  WriteIniText("[TabBar]\r\nTabClose.Hover=control\\my_close_hover.png\r\nTabProgress.Style=Animation\r\n");
  LoadPage();
  std::string outside = WritePng(*this / "Images\\mine.png", 30, 10, kRed);
  struct Image {
    ui::TextBox& text;
    const char* key;
    const char* file;
  };
  const Image images[] = {
      {page.TabNormal.txtImage, "Tab.Normal.Image", "tab_inactive.png"},
      {page.TabActive.txtImage, "Tab.Active.Image", "tab_active.png"},
      {page.TabHover.txtImage, "Tab.Hover.Image", "tab_hover.png"},
      {page.TabUnread.txtImage, "Tab.Unread.Image", "tab_unread.png"},
      {page.TabActiveBkgnd.txtImage, "Background.Image", "tab_bg.png"},
      {page.TabInactiveBkgnd.txtImage, "InActiveBackground.Image", "tab_bg_inactive.png"},
      {page.txtTabProgressImage, "TabProgress.Image", "loading.png"},
      {page.txtTabCloseNormalImage, "TabClose", "tab_close.png"},
      {page.txtTabCloseHoverImage, "TabClose.Hover", "my_close_hover.png"},
  };
  for (const Image& image : images) image.text.SetText(outside);
  page.SaveTabBar();
  EXPECT_TRUE(page.UncopiedImages().empty());
  for (const Image& image : images) {
    std::string relative = std::string("control\\") + image.file;
    EXPECT_EQ(image.text.Text(), relative) << image.key;
    EXPECT_EQ(SavedValue("TabBar", image.key), relative) << image.key;
    EXPECT_TRUE(testing_support::Exists(project + "\\" + relative)) << relative;
  }
}

TEST_F(TabPageTest, AnImageThatCannotBeCopiedIsReportedAndTheRestIsSaved) {
  WriteIniText("[TabBar]\r\nTabClose=control\\tab_close.png\r\n");
  LoadPage();
  std::string gone = *this / "Images\\gone.png";
  page.txtTabCloseNormalImage.SetText(gone);
  page.txtTabCloseExtendSpace.SetText("4");
  page.SaveTabBar();
  EXPECT_EQ(page.UncopiedImages(), std::vector<std::string>{gone});
  EXPECT_EQ(SavedValue("TabBar", "TabClose"), "control\\tab_close.png");
  EXPECT_EQ(SavedValue("TabBar", "TabClose.ExtendSpace"), "4");
  EXPECT_EQ(page.txtTabCloseNormalImage.Text(), gone);
}

// ---------------------------------------------------------------- previews

TEST_F(TabPageTest, TheLoadPlacesEachMarkerFromItsImagesWidth) {
  std::string w100 = ProjectImage("w100.png", 100);
  std::string w101 = ProjectImage("w101.png", 101);
  std::string w200 = ProjectImage("w200.png", 200);
  WriteIniText("[TabBar]\r\nTab.Active.Image=" + w100 +
               "\r\nTab.Active.Image.StartOffset=0\r\nTab.Active.Image.EndOffset=0\r\n"
               "Tab.Normal.Image=" + w101 +
               "\r\nTab.Normal.Image.StartOffset=0\r\nTab.Normal.Image.EndOffset=0\r\n"
               "Tab.Hover.Image=" + w200 +
               "\r\nTab.Hover.Image.StartOffset=10\r\nTab.Hover.Image.EndOffset=20\r\n"
               "Tab.Unread.Image.StartOffset=5\r\nTab.Unread.Image.EndOffset=5\r\n"
               "Background.Image=" + w100 +
               "\r\nBackground.Image.StartOffset=2\r\nBackground.Image.EndOffset=3\r\n"
               "InactiveBackground.Image=" + w200 + "\r\n");
  LoadPage();
  struct Expected {
    MarkedImageEditor& editor;
    int left;
    int width;
  };
  for (const Expected& e : {Expected{page.TabActive, 35, 102}, Expected{page.TabNormal, 35, 103},
                            Expected{page.TabHover, 9, 172},
                            // Nothing drawn: x = 86; the width would be -8.
                            Expected{page.TabUnread, 90, 40}, Expected{page.TabActiveBkgnd.image, 37, 97},
                            // Offsets "0" by default: the whole box.
                            Expected{page.TabInactiveBkgnd.image, -1, 202}}) {
    // A box that the load left empty shows no marker.
    EXPECT_EQ(e.editor.shp.Visible(), &e.editor != &page.TabUnread);
    EXPECT_EQ(e.editor.shp.Left(), e.left);
    EXPECT_EQ(e.editor.shp.Width(), e.width);
    EXPECT_EQ(e.editor.shp.Top(), -2);
    EXPECT_EQ(e.editor.shp.Height(), 44);
  }
  EXPECT_EQ(page.TabActive.pic.Point(86, 19), RGB(0, 128, 0));
}

TEST_F(TabPageTest, TypedTextsMoveTheMarkerFromTheImageDrawnLastAndOnlyOutsideALoad) {
  std::string w100 = ProjectImage("w100.png", 100, kRed);
  WriteIniText("[TabBar]\r\nTab.Hover.Image=" + w100 + "\r\nTab.Hover.Image.StartOffset=0\r\n" +
               "Tab.Hover.Image.EndOffset=0\r\n");
  LoadPage();
  ASSERT_EQ(page.TabHover.shp.Left(), 35);

  // During a load the page's own writes redraw nothing but mark the
  // project modified.
  core::gLoadingProject = true;
  page.TabHover.txtStartOffset.SetText("10");
  EXPECT_EQ(page.TabHover.shp.Left(), 35);
  EXPECT_TRUE(core::gModified);
  core::gLoadingProject = false;
  page.TabHover.txtStartOffset.SetText("0");

  // A typed path draws nothing: the marker keeps to the old image's width.
  core::gModified = false;
  page.TabHover.txtEndOffset.SetText("10");
  EXPECT_EQ(page.TabHover.shp.Width(), 92);
  page.TabHover.txtImage.SetText("control\\other.png");
  EXPECT_EQ(page.TabHover.shp.Width(), 92);
  EXPECT_EQ(page.TabHover.pic.Point(86, 19), kRed);
  EXPECT_TRUE(core::gModified);

  // The close button's path only marks the project.
  core::gModified = false;
  page.txtTabCloseNormalImage.SetText("control\\x.png");
  EXPECT_TRUE(core::gModified);
}

TEST_F(TabPageTest, EveryEditingControlMarksTheProjectModified) {
  WriteIniText("[TabBar]\r\nTabProgress.Style=Animation\r\n");
  LoadPage();
  for (const char* name :
       {"txtTabNormalStartOut", "txtTabNormalEndOut", "txtTabActiveStartOut", "txtTabActiveEndOut",
        "txtTabNormalPaddingTop", "txtTabNormalPaddingRight", "txtTabNormalPaddingBottom", "txtTabNormalPaddingLeft",
        "txtTabActivePaddingTop", "txtTabActivePaddingRight", "txtTabActivePaddingBottom", "txtTabActivePaddingLeft",
        "txtTabCloseNormalImage", "txtTabCloseHoverImage", "txtTabCloseLeftOffset", "txtTabCloseTopOffset",
        "txtTabCloseExtendSpace", "txtTabProgressImage", "txtTabProgressFrameWidth", "txtTabProgressLeftOffset",
        "txtTabProgressTopOffset", "txtTabNormalImage", "txtTabActiveStartOffset", "txtTabHoverEndOffset",
        "txtTabUnreadImage", "txtTabActiveBkgndStartOffset", "txtTabInactiveBkgndEndColor"}) {
    core::gModified = false;
    SendMessageA(Text(name).hWnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("12"));
    EXPECT_TRUE(core::gModified) << name;
  }
  for (const char* name : {"chkTabFlipSettings", "chkTabProgressHideIcon", "chkTabNormalStretch",
                           "chkTabUnreadStretch", "chkTabInactiveBkgndStretch"}) {
    core::gModified = false;
    Toggle(*page.FindAs<ui::CheckBox>(name));
    EXPECT_TRUE(core::gModified) << name;
  }
}

TEST_F(TabPageTest, GradientsAreDrawnFromTheColourTextsInTheCheckedDirection) {
  WriteIniText(
      "[TabBar]\r\nInactiveBackground.Style=GFill\r\nInactiveBackground.Fill.ColorStart=#FF0000\r\n"
      "InactiveBackground.Fill.ColorEnd=#0000FF\r\nInactiveBackground.Fill.Angle=90\r\n"
      "Background.Style=GFill\r\nBackground.Fill.ColorStart=#0000FF\r\nBackground.Fill.ColorEnd=#FF0000\r\n"
      "Background.Fill.Angle=45\r\n");
  LoadPage();
  BackgroundEditor& inactive = page.TabInactiveBkgnd;
  EXPECT_EQ(inactive.chkGradientHorizontal.Value(), 1);
  EXPECT_TRUE(Near(inactive.picGradient.Point(26, 0), kRed));
  EXPECT_TRUE(Near(inactive.picGradient.Point(26, 51), kBlue));
  EXPECT_EQ(inactive.StartColor.Colour(), kRed);
  // Any angle but "90" is horizontal.
  BackgroundEditor& active = page.TabActiveBkgnd;
  EXPECT_EQ(active.chkGradientHorizontal.Value(), 0);
  EXPECT_TRUE(Near(active.picGradient.Point(0, 26), kBlue));
  EXPECT_TRUE(Near(active.picGradient.Point(51, 26), kRed));

  // Reopened with the same direction and other colours: drawn again.
  WriteIniText(
      "[TabBar]\r\nInactiveBackground.Style=GFill\r\nInactiveBackground.Fill.ColorStart=#00FF00\r\n"
      "InactiveBackground.Fill.ColorEnd=#000000\r\nInactiveBackground.Fill.Angle=90\r\n");
  LoadPage();
  EXPECT_TRUE(Near(inactive.picGradient.Point(26, 0), RGB(0, 255, 0)));
  EXPECT_TRUE(Near(inactive.picGradient.Point(26, 51), RGB(0, 0, 0)));

  // Typed texts: three digits stand for six; "#" alone is black; an empty
  // text shows the window colour.
  inactive.txtStartColor.SetText("#1A5");
  EXPECT_EQ(inactive.StartColor.Colour(), RGB(0x11, 0xAA, 0x55));
  EXPECT_TRUE(Near(inactive.picGradient.Point(26, 0), RGB(0x11, 0xAA, 0x55)));
  inactive.txtEndColor.SetText("#");
  EXPECT_EQ(inactive.EndColor.Colour(), RGB(0, 0, 0));
  inactive.txtStartColor.SetText("");
  EXPECT_EQ(inactive.StartColor.Colour(), kWindow);
  EXPECT_TRUE(Near(inactive.picGradient.Point(26, 0), kWindow));
  // Unchecked by the user: left to right.
  inactive.txtEndColor.SetText("#0000FF");
  Toggle(inactive.chkGradientHorizontal);
  EXPECT_TRUE(Near(inactive.picGradient.Point(51, 26), kBlue));
  EXPECT_TRUE(Near(inactive.picGradient.Point(0, 26), kWindow));
}

TEST_F(TabPageTest, PaletteClicksSetTheTextOnlyWhenTheColourChanges) {
  WriteIniText("[TabBar]\r\nBackground.Style=GFill\r\nBackground.Fill.ColorStart=#FF0000\r\n");
  LoadPage();
  ScriptedPrompter prompts;
  prompts.AnswerColor(static_cast<long>(kRed)).AnswerColor(static_cast<long>(kBlue));
  Click(page.TabActiveBkgnd.lblStartColorPalette.hWnd());
  EXPECT_FALSE(core::gModified);
  Click(page.TabActiveBkgnd.lblStartColorPalette.hWnd());
  EXPECT_EQ(page.TabActiveBkgnd.txtStartColor.Text(), "#0000FF");
  EXPECT_TRUE(Near(page.TabActiveBkgnd.picGradient.Point(0, 26), kBlue));
  EXPECT_TRUE(core::gModified);
}

TEST_F(TabPageTest, TheStyleListShowsOrHidesTheImageGroupAndLeavesTheOffsetsAlone) {
  WriteIniText("[TabBar]\r\nBackground.Style=GFill\r\n");
  LoadPage();
  BackgroundEditor& b = page.TabActiveBkgnd;
  EXPECT_EQ(b.txtStartOffset.Text(), "");
  PickItem(b.cboStyle, 0);
  EXPECT_TRUE(b.picImageBase.Visible());
  EXPECT_EQ(b.txtStartOffset.Text(), "");
  EXPECT_EQ(b.txtEndOffset.Text(), "");
  EXPECT_TRUE(core::gModified);
  // Picking the item already selected keeps the group in step.
  PickItem(b.cboStyle, 0);
  EXPECT_TRUE(b.picImageBase.Visible());
  PickItem(b.cboStyle, 1);
  EXPECT_FALSE(b.picImageBase.Visible());
  // No control of a tab-bar background is ever disabled.
  EXPECT_TRUE(IsWindowEnabled(b.txtStartColor.hWnd()));
  EXPECT_TRUE(IsWindowEnabled(b.txtImage.hWnd()));
}

TEST_F(TabPageTest, BrowseDrawsTheChosenImageAndThePathsChangeMovesTheMarker) {
  WriteIniText("[TabBar]\r\nTab.Unread.Image.StartOffset=0\r\nTab.Unread.Image.EndOffset=0\r\n");
  LoadPage();
  std::string inside = ProjectImage("unread.png", 100, kRed);
  std::string outside = WritePng(*this / "Images\\close.png", 16, 16, kBlue);
  ScriptedPrompter prompts;
  prompts.AnswerFile(project + "\\" + inside).AnswerFile(outside).AnswerFile("");
  SendMessageA(page.TabUnread.cmdBrowse.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(page.TabUnread.txtImage.Text(), inside);
  EXPECT_EQ(page.TabUnread.shp.Left(), 35);
  EXPECT_EQ(page.TabUnread.shp.Width(), 102);

  SendMessageA(page.cmdTabCloseHoverBrowse.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(page.txtTabCloseHoverImage.Text(), outside);
  EXPECT_EQ(page.picTabCloseHoverImage.HelpContextID(), 16);
  EXPECT_EQ(page.picTabCloseHoverImage.Point(86, 18), kBlue);
  EXPECT_TRUE(core::gModified);

  // Cancelled: nothing changes.
  core::gModified = false;
  SendMessageA(page.cmdTabCloseNormalBrowse.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(page.txtTabCloseNormalImage.Text(), "");
  EXPECT_FALSE(core::gModified);
}

TEST_F(TabPageTest, PreviewsOpenTheImageEditorOnADoubleClickButTheCloseHoverOnOne) {
  std::string image = ProjectImage("tab.png", 40);
  WriteIniText("[TabBar]\r\nTab.Active.Image=" + image + "\r\nTabClose=" + image + "\r\nTabClose.Hover=" + image +
               "\r\nTabProgress.Style=Animation\r\nTabProgress.Image=" + image + "\r\nBackground.Image=" + image +
               "\r\n");
  LoadPage();
  std::string command = "\"mspaint.exe\" \"" + project + "\\" + image + "\"";
  Click(page.picTabCloseHoverImage.hWnd());
  ASSERT_EQ(started, std::vector<std::string>{command});
  for (ui::PictureBox* box : {&page.TabActive.pic, &page.picTabCloseNormalImage, &page.picTabProgressImage,
                              &page.TabActiveBkgnd.picImage}) {
    started.clear();
    Click(box->hWnd());
    EXPECT_TRUE(started.empty());
    DoubleClick(box->hWnd());
    EXPECT_EQ(started, std::vector<std::string>{command});
  }
  // A key naming no file opens nothing, and nothing marks the project.
  started.clear();
  DoubleClick(page.TabHover.pic.hWnd());
  EXPECT_TRUE(started.empty());
  EXPECT_FALSE(core::gModified);
}

// ---------------------------------------------------------------- in the main window

class TabBarInMainWindowTest : public main_window_tests::ProjectTest {
 protected:
  frmTab& Page() { return *mainwindow::gTabBarPage; }
};

TEST_F(TabBarInMainWindowTest, OpeningAProjectFillsThePageAndSavingWritesTheEditsBack) {
  std::string folder = DefaultSkinProject("Default");
  Open(folder);
  frmTab& page = Page();
  EXPECT_FALSE(core::gModified);
  EXPECT_EQ(page.TabActive.txtImage.Text(), "control\\tab_active.png");
  EXPECT_GT(page.TabActive.preview.RecordedExtent(), 0);
  EXPECT_TRUE(page.TabActive.shp.Visible());
  EXPECT_EQ(page.txtTabNormalPaddingRight.Text(), "6");
  EXPECT_EQ(page.TabInactiveBkgnd.cboStyle.ListIndex(), 1);
  EXPECT_EQ(page.TabInactiveBkgnd.txtStartColor.Text(), "#E8E8E8");
  EXPECT_EQ(page.TabActiveBkgnd.txtImage.Text(), "control\\tab_bg.png");
  EXPECT_GT(page.picTabCloseNormalImage.HelpContextID(), 0);
  EXPECT_EQ(page.cboTabProgressStyle.ListIndex(), 0);
  EXPECT_TRUE(IsWindowEnabled(page.txtTabProgressImage.hWnd()));

  form.ActivateTab(6);
  Click(page.lblPage(1).hWnd());
  EXPECT_TRUE(page.picTabs(1).Visible());
  ScriptedPrompter prompts;
  prompts.AnswerColor(static_cast<long>(kBlue));
  PickItem(page.TabActiveBkgnd.cboStyle, 1);
  Click(page.TabActiveBkgnd.lblEndColorPalette.hWnd());
  Toggle(page.TabActiveBkgnd.chkGradientHorizontal);
  PickItem(page.cboTabProgressStyle, 2);
  SendMessageA(page.txtTabCloseExtendSpace.hWnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("5"));
  Click(page.lblPage(0).hWnd());
  Toggle(page.TabUnread.chkStretch);
  EXPECT_TRUE(core::gModified);
  Save();
  EXPECT_FALSE(core::gModified);

  auto section = Saved()["tabbar"];
  EXPECT_EQ(section["background.style"], "GFill");
  EXPECT_EQ(section["background.fill.colorend"], "#0000FF");
  EXPECT_EQ(section["background.fill.angle"], "90");
  EXPECT_EQ(section["background.image"], "control\\tab_bg.png");
  EXPECT_EQ(section.count("background.image.stretch"), 0u);
  EXPECT_EQ(section["inactivebackground.fill.colorstart"], "#E8E8E8");
  EXPECT_EQ(section["tabprogress.style"], "None");
  EXPECT_EQ(section["tabprogress.image"], "control\\loading.png");
  EXPECT_EQ(section["tabclose.extendspace"], "5");
  EXPECT_EQ(section["tab.unread.image.stretch"], "1");
  EXPECT_EQ(section["tab.normal.padding"], "4 6 2 6");

  // Reopened, the page shows what was saved, on its first sub-page.
  Click(page.lblPage(1).hWnd());
  Open(NamedProject("Other"));
  Open(folder);
  EXPECT_FALSE(page.picTabs(1).Visible());
  EXPECT_EQ(page.TabActiveBkgnd.cboStyle.ListIndex(), 1);
  EXPECT_TRUE(Near(page.TabActiveBkgnd.picGradient.Point(26, 51), kBlue));
  EXPECT_EQ(page.cboTabProgressStyle.ListIndex(), 2);
  EXPECT_FALSE(IsWindowEnabled(page.txtTabProgressImage.hWnd()));
  EXPECT_EQ(page.txtTabCloseExtendSpace.Text(), "5");
}

TEST_F(TabBarInMainWindowTest, ASaveThatCannotCopyATabImageSaysSo) {
  Open(DefaultSkinProject("Default"));
  std::string gone = *this / "Images\\gone.png";
  Page().TabHover.txtImage.SetText(gone);
  ScriptedPrompter prompts;
  prompts.AnswerMessage(IDOK);
  Save();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].text.find(gone), std::string::npos);
  EXPECT_TRUE(core::gModified);
}

TEST_F(TabBarInMainWindowTest, F2FromAControlOfThePageOpensTheNavigator) {
  main_window_tests::PressKey(Page().TabHover.txtImage.hWnd(), VK_F4);
  EXPECT_FALSE(core::gNavigatorShown);
  main_window_tests::PressKey(Page().txtTabProgressFrameWidth.hWnd(), VK_F2);
  EXPECT_TRUE(core::gNavigatorShown);
  tools::NavigatorForm().SetState(ui::WindowState::Minimized);
  main_window_tests::PressKey(Page().TabHover.txtImage.hWnd(), VK_F2);
  EXPECT_EQ(tools::NavigatorForm().State(), ui::WindowState::Normal);
}

class TabBarCaptionsTest : public main_window_tests::MainWindowTest {};

TEST_F(TabBarCaptionsTest, TheLanguageMenuRecaptionsThePage) {
  InstallEnglish();
  WriteLanguage("Deutsch", "Browse=Suchen...\r\nHover_Tab=Schwebend\r\nVertical_Gradient=Senkrecht\r\n");
  form.Load();
  frmTab& page = *mainwindow::gTabBarPage;
  EXPECT_EQ(page.fraTabHover.Caption(), "Hover Tab");
  int item = -1;
  for (int i = 0; i <= form.mnuLangList.UBound(); ++i)
    if (form.mnuLangList(i).Caption() == "Deutsch") item = i;
  ASSERT_GE(item, 0);
  main_window_tests::ChooseMenu(form, form.mnuLangList(item));
  EXPECT_EQ(page.fraTabHover.Caption(), "Schwebend");
  EXPECT_EQ(page.cmdTabProgressBrowse.Caption(), "Suchen...");
  EXPECT_EQ(page.TabInactiveBkgnd.chkGradientHorizontal.Caption(), "Senkrecht");
  EXPECT_EQ(page.fraTabClose.Caption(), "Tab Close Button");
}

}  // namespace
