// The Tab Bar page: loading and saving [TabBar], the progress style, the
// element editors as the page wires them (markers, browse and image editor
// clicks), captions, and the page inside the main window.
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
using pages::frmTab;
using testing_support::ParseIniText;
using testing_support::ReadFile;
using testing_support::ScriptedPrompter;
using testing_support::WritePng;

const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 128, 0);

// Every key of the section with a value of its own; saved unchanged, the
// section comes back as it was.
const char kFullSection[] =
    "[TabBar]\r\nFlipSettings=1\r\nTab.Normal.Image=control\\n.png\r\nTab.Normal.Image.StartOffset=3\r\n"
    "Tab.Normal.Image.EndOffset=4\r\nTab.Normal.StartOut=5\r\nTab.Normal.EndOut=6\r\nTab.Normal.Image.Stretch=1\r\n"
    "Tab.Normal.Padding=1 2 3 4\r\nTab.Active.Image=control\\a.png\r\nTab.Active.Image.StartOffset=7\r\n"
    "Tab.Active.Image.EndOffset=8\r\nTab.Active.StartOut=9\r\nTab.Active.EndOut=10\r\nTab.Active.Image.Stretch=0\r\n"
    "Tab.Active.Padding=5 6 7 8\r\nTab.Hover.Image=control\\h.png\r\nTab.Hover.Image.StartOffset=11\r\n"
    "Tab.Hover.Image.EndOffset=12\r\nTab.Hover.Image.Stretch=1\r\nTab.Unread.Image=control\\u.png\r\n"
    "Tab.Unread.Image.StartOffset=13\r\nTab.Unread.Image.EndOffset=14\r\nTab.Unread.Image.Stretch=0\r\n"
    "Background.Style=3Image\r\nBackground.Image=control\\bg.png\r\nBackground.Image.stretch=1\r\n"
    "Background.Image.StartOffset=15\r\nBackground.Image.EndOffset=16\r\nInActiveBackground.Style=GFill\r\n"
    "InActiveBackground.Fill.ColorStart=#102030\r\nInActiveBackground.Fill.ColorEnd=#405060\r\n"
    "InActiveBackground.Fill.Angle=90\r\nInActiveBackground.Image=control\\old.png\r\nTabProgress.Style=Progress\r\n"
    "TabProgress.HideIcon=1\r\nTabProgress.Image.FrameWidth=17\r\nTabProgress.Image=control\\p.png\r\n"
    "TabProgress.Offset=18 19\r\nTabClose.ExtendSpace=20\r\nTabClose=control\\c.png\r\n"
    "TabClose.Hover=control\\ch.png\r\nTabClose.Offset=21 22\r\nUnknown.Key=stays\r\n[Colors]\r\n"
    "Tab.Active.Text=#000000\r\n";

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
  ui::TextBox& Text(const std::string& name) {
    auto* box = page.FindAs<ui::TextBox>(name);
    if (!box) throw std::logic_error("no text box " + name);
    return *box;
  }

  frmTab page;
  std::vector<std::string> started;

 private:
  std::function<bool(const std::string&, int)> savedStarter_;
};

// ---------------------------------------------------------------- load and save

TEST_F(TabPageTest, EveryKeyReachesAControlThatSavesItBackUnchangedAndMarksTheProjectWhenEdited) {
  WriteIniText(kFullSection);
  LoadPage();
  // What the page shows, by the controls' names.
  auto shown = ParseIniText(
      "[Text]\r\ntxtTabNormalImage=control\\n.png\r\ntxtTabNormalStartOffset=3\r\ntxtTabNormalEndOffset=4\r\n"
      "txtTabNormalStartOut=5\r\ntxtTabNormalEndOut=6\r\ntxtTabNormalPaddingTop=1\r\ntxtTabNormalPaddingRight=2\r\n"
      "txtTabNormalPaddingBottom=3\r\ntxtTabNormalPaddingLeft=4\r\ntxtTabActiveImage=control\\a.png\r\n"
      "txtTabActiveStartOffset=7\r\ntxtTabActiveEndOffset=8\r\ntxtTabActiveStartOut=9\r\ntxtTabActiveEndOut=10\r\n"
      "txtTabActivePaddingLeft=8\r\ntxtTabHoverImage=control\\h.png\r\ntxtTabHoverStartOffset=11\r\n"
      "txtTabHoverEndOffset=12\r\ntxtTabUnreadImage=control\\u.png\r\ntxtTabUnreadEndOffset=14\r\n"
      "txtTabActiveBkgndImage=control\\bg.png\r\ntxtTabActiveBkgndStartOffset=15\r\ntxtTabActiveBkgndEndOffset=16\r\n"
      "txtTabActiveBkgndStartColor=\r\ntxtTabInactiveBkgndStartColor=#102030\r\n"
      "txtTabInactiveBkgndEndColor=#405060\r\ntxtTabInactiveBkgndImage=\r\ntxtTabProgressFrameWidth=17\r\n"
      "txtTabProgressImage=control\\p.png\r\ntxtTabProgressLeftOffset=18\r\ntxtTabProgressTopOffset=19\r\n"
      "txtTabCloseExtendSpace=20\r\ntxtTabCloseNormalImage=control\\c.png\r\ntxtTabCloseHoverImage=control\\ch.png\r\n"
      "txtTabCloseLeftOffset=21\r\ntxtTabCloseTopOffset=22\r\n"
      "[Checked]\r\nchkTabFlipSettings=1\r\nchkTabNormalStretch=1\r\nchkTabActiveStretch=0\r\nchkTabHoverStretch=1\r\n"
      "chkTabUnreadStretch=0\r\nchkTabActiveBkgndStretch=1\r\nchkTabInactiveBkgndStretch=0\r\n"
      "chkTabInactiveBkgndGradientHorizontal=1\r\nchkTabProgressHideIcon=1\r\n");
  ASSERT_EQ(shown["text"].size(), 36u);
  for (const auto& [name, text] : shown["text"]) EXPECT_EQ(Text(name).Text(), text) << name;
  for (const auto& [name, value] : shown["checked"])
    EXPECT_EQ(std::to_string(page.FindAs<ui::CheckBox>(name)->Value()), value) << name;
  EXPECT_EQ(page.TabActiveBkgnd.cboStyle.ListIndex(), 0);
  EXPECT_EQ(page.TabInactiveBkgnd.cboStyle.ListIndex(), 1);
  EXPECT_EQ(page.cboTabProgressStyle.ListIndex(), 1);

  page.SaveTabBar();
  EXPECT_EQ(Saved(), ParseIniText(kFullSection));
  EXPECT_TRUE(page.UncopiedImages().empty());

  for (const auto& [name, text] : shown["text"]) {
    core::gModified = false;
    SendMessageA(Text(name).hWnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("77"));
    EXPECT_TRUE(core::gModified) << name;
  }
  for (const auto& [name, value] : shown["checked"]) {
    core::gModified = false;
    Toggle(*page.FindAs<ui::CheckBox>(name));
    EXPECT_TRUE(core::gModified) << name;
  }
}

TEST_F(TabPageTest, DuplicateStyleLinesLoseAtMostTwoOfTheFirstOnLoading) {
  WriteIniText(
      "[TabBar]\r\nBackground.Style=GFill\r\nBackground.Style=GFill\r\nBackground.Style=3Image\r\n"
      "Background.Style=GFill\r\nInactiveBackground.Style=GFill\r\nInactiveBackground.Style=3Image\r\n");
  LoadPage();
  // Of four lines the third is read, and the third and fourth remain; of
  // two, the second.
  EXPECT_EQ(page.TabActiveBkgnd.cboStyle.ListIndex(), 0);
  EXPECT_EQ(page.TabInactiveBkgnd.cboStyle.ListIndex(), 0);
  EXPECT_EQ(ReadFile(core::gSkinIni),
            "[TabBar]\r\nBackground.Style=3Image\r\nBackground.Style=GFill\r\nInactiveBackground.Style=3Image\r\n");
}

TEST_F(TabPageTest, TheProgressStyleEnablesItsControlsAndNoneKeepsTheirKeys) {
  struct Case {
    const char* stored;
    int item;
    const char* saved;
  };
  for (const Case& c :
       {Case{"ANIMATION", 0, "Animation"}, {"progress", 1, "Progress"}, {"none", 2, "None"}, {"", 2, "None"}}) {
    SCOPED_TRACE(c.stored);
    WriteIniText(std::string("[TabBar]\r\nTabProgress.Style=") + c.stored +
                 "\r\nTabProgress.HideIcon=1\r\nTabProgress.Image.FrameWidth=16\r\n"
                 "TabProgress.Image=control\\loading.png\r\nTabProgress.Offset=2 3\r\n");
    LoadPage();
    // Every load keeps the items of the first (empty without a language file).
    EXPECT_EQ(page.cboTabProgressStyle.ListCount(), 3);
    EXPECT_EQ(page.cboTabProgressStyle.ListIndex(), c.item);
    bool enabled = c.item != 2;
    for (ui::Control* control : std::vector<ui::Control*>{
             &page.chkTabProgressHideIcon, &page.cmdTabProgressBrowse, &page.txtTabProgressFrameWidth,
             &page.txtTabProgressImage, &page.txtTabProgressLeftOffset, &page.txtTabProgressTopOffset})
      EXPECT_EQ(IsWindowEnabled(control->hWnd()) != FALSE, enabled);
    EXPECT_TRUE(IsWindowEnabled(page.cboTabProgressStyle.hWnd()));
    EXPECT_TRUE(IsWindowEnabled(page.picTabProgressImage.hWnd()));
    // The boxes show the keys the file keeps, whatever the style; "None"
    // saves none of them.
    EXPECT_EQ(page.txtTabProgressFrameWidth.Text(), "16");
    EXPECT_EQ(page.txtTabProgressTopOffset.Text(), "3");
    page.txtTabProgressFrameWidth.SetText("99");
    page.SaveTabBar();
    EXPECT_EQ(SavedValue("TabBar", "TabProgress.Style"), c.saved);
    EXPECT_EQ(SavedValue("TabBar", "TabProgress.Image.FrameWidth"), enabled ? "99" : "16");
    EXPECT_EQ(SavedValue("TabBar", "TabProgress.Image"), "control\\loading.png");
  }
  // Choosing a style again enables the controls with their texts as they were.
  core::gModified = false;
  PickItem(page.cboTabProgressStyle, 1);
  EXPECT_TRUE(core::gModified);
  EXPECT_TRUE(IsWindowEnabled(page.txtTabProgressTopOffset.hWnd()));
  EXPECT_EQ(page.txtTabProgressFrameWidth.Text(), "99");
  PickItem(page.cboTabProgressStyle, 2);
  EXPECT_FALSE(IsWindowEnabled(page.chkTabProgressHideIcon.hWnd()));
}

TEST_F(TabPageTest, NothingOfTheProjectOpenedBeforeStaysInThePage) {
  std::string wide = "control\\wide.png";
  WritePng(project + "\\" + wide, 120, 20, kGreen);
  WriteIniText("[TabBar]\r\nFlipSettings=1\r\nTab.Hover.Image=" + wide +
               "\r\nTab.Hover.Image.StartOffset=10\r\nTab.Hover.Image.EndOffset=20\r\n"
               "Tab.Normal.Padding=1 2 3 4\r\nTab.Active.Padding=1 2 3 4\r\nTabClose=" +
               wide + "\r\nTabClose.Offset=5 6\r\nTabProgress.Offset=5 6\r\n");
  LoadPage();
  EXPECT_EQ(page.TabHover.pic.Point(86, 19), kGreen);
  EXPECT_EQ(page.picTabCloseNormalImage.HelpContextID(), 120);
  // The marker frames the middle of the drawn image: (173 - 120) / 2 = 26.
  EXPECT_TRUE(page.TabHover.shp.Visible());
  EXPECT_EQ(page.TabHover.shp.Left(), 26 + 10 - 1);
  EXPECT_EQ(page.TabHover.shp.Width(), 120 - 30 + 2);

  // A part missing from a value empties its box; an empty or missing value
  // puts "0" into every box.
  WriteIniText(
      "[TabBar]\r\nFlipSettings=yes\r\nTab.Normal.Padding=7 8\r\nTab.Active.Padding=\r\nTabProgress.Offset=9\r\n");
  LoadPage();
  EXPECT_EQ(page.chkTabFlipSettings.Value(), 0);
  EXPECT_EQ(page.TabHover.preview.RecordedExtent(), 0);
  EXPECT_NE(page.TabHover.pic.Point(86, 19), kGreen);
  EXPECT_FALSE(page.TabHover.shp.Visible());
  EXPECT_EQ(page.picTabCloseNormalImage.HelpContextID(), 0);
  EXPECT_EQ(page.txtTabNormalPaddingRight.Text(), "8");
  EXPECT_EQ(page.txtTabNormalPaddingBottom.Text(), "");
  EXPECT_EQ(page.txtTabNormalPaddingLeft.Text(), "");
  EXPECT_EQ(page.txtTabProgressTopOffset.Text(), "");
  for (ui::TextBox* box :
       {&page.txtTabActivePaddingTop, &page.txtTabActivePaddingRight, &page.txtTabActivePaddingBottom,
        &page.txtTabActivePaddingLeft, &page.txtTabCloseLeftOffset, &page.txtTabCloseTopOffset})
    EXPECT_EQ(box->Text(), "0");

  // Four "0" paddings (" 0 " counts as "0") are not written.
  page.txtTabActivePaddingTop.SetText(" 0 ");
  page.SaveTabBar();
  EXPECT_EQ(core::ReadIni(core::gSkinIni, "TabBar", "Tab.Normal.Padding"), "7 8");
  EXPECT_EQ(SavedValue("TabBar", "Tab.Active.Padding"), "<none>");
  EXPECT_EQ(SavedValue("TabBar", "TabClose.Offset"), "0 0");
}

// ---------------------------------------------------------------- editors

TEST_F(TabPageTest, BrowsedImagesOpenInTheEditorAndTheSaveCopiesThemUnderTheirDefaultNamesOrTheKeysFile) {
  WriteIniText("[TabBar]\r\nTabClose.Hover=control\\my_close_hover.png\r\nTabProgress.Style=Animation\r\n");
  LoadPage();
  std::string outside = WritePng(*this / "Images\\mine.png", 16, 16, kBlue);
  struct Image {
    ui::CommandButton& browse;
    ui::TextBox& text;
    ui::PictureBox& pic;
    const char* key;
    const char* file;
  };
  const Image images[] = {
      {page.TabNormal.cmdBrowse, page.TabNormal.txtImage, page.TabNormal.pic, "Tab.Normal.Image", "tab_inactive.png"},
      {page.TabActive.cmdBrowse, page.TabActive.txtImage, page.TabActive.pic, "Tab.Active.Image", "tab_active.png"},
      {page.TabHover.cmdBrowse, page.TabHover.txtImage, page.TabHover.pic, "Tab.Hover.Image", "tab_hover.png"},
      {page.TabUnread.cmdBrowse, page.TabUnread.txtImage, page.TabUnread.pic, "Tab.Unread.Image", "tab_unread.png"},
      {page.TabActiveBkgnd.cmdBrowse, page.TabActiveBkgnd.txtImage, page.TabActiveBkgnd.picImage, "Background.Image",
       "tab_bg.png"},
      {page.TabInactiveBkgnd.cmdBrowse, page.TabInactiveBkgnd.txtImage, page.TabInactiveBkgnd.picImage,
       "InActiveBackground.Image", "tab_bg_inactive.png"},
      {page.cmdTabProgressBrowse, page.txtTabProgressImage, page.picTabProgressImage, "TabProgress.Image",
       "loading.png"},
      {page.cmdTabCloseNormalBrowse, page.txtTabCloseNormalImage, page.picTabCloseNormalImage, "TabClose",
       "tab_close.png"},
      {page.cmdTabCloseHoverBrowse, page.txtTabCloseHoverImage, page.picTabCloseHoverImage, "TabClose.Hover",
       "my_close_hover.png"},
  };
  for (const Image& i : images) {
    SCOPED_TRACE(i.key);
    ScriptedPrompter prompts;
    prompts.AnswerFile(outside);
    SendMessageA(i.browse.hWnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(i.text.Text(), outside);
    EXPECT_EQ(i.pic.Point(86, 18), kBlue);
    // A double click opens the image in the editor; on the close button's
    // hover image a single click does.
    core::gModified = false;
    started.clear();
    Click(i.pic.hWnd());
    if (&i.pic != &page.picTabCloseHoverImage) {
      EXPECT_TRUE(started.empty());
      DoubleClick(i.pic.hWnd());
    }
    EXPECT_EQ(started, std::vector<std::string>{"\"mspaint.exe\" \"" + outside + "\""});
    EXPECT_FALSE(core::gModified);
  }
  page.SaveTabBar();
  EXPECT_TRUE(page.UncopiedImages().empty());
  for (const Image& i : images) {
    std::string relative = std::string("control\\") + i.file;
    EXPECT_EQ(i.text.Text(), relative) << i.key;
    EXPECT_EQ(SavedValue("TabBar", i.key), relative) << i.key;
    EXPECT_TRUE(testing_support::Exists(project + "\\" + relative)) << relative;
  }
}

// ---------------------------------------------------------------- in the main window

class TabBarInMainWindowTest : public main_window_tests::ProjectTest {};

TEST_F(TabBarInMainWindowTest, OpeningAProjectFillsThePageAndSavingWritesTheEditsBackOrTellsOfAnImageItCannotCopy) {
  std::string folder = DefaultSkinProject("Default");
  Open(folder);
  frmTab& page = *mainwindow::gTabBarPage;
  EXPECT_FALSE(core::gModified);
  EXPECT_EQ(page.TabActive.txtImage.Text(), "control\\tab_active.png");
  EXPECT_GT(page.TabActive.preview.RecordedExtent(), 0);
  EXPECT_TRUE(page.TabActive.shp.Visible());
  EXPECT_EQ(page.TabInactiveBkgnd.cboStyle.ListIndex(), 1);
  EXPECT_EQ(page.TabInactiveBkgnd.txtStartColor.Text(), "#E8E8E8");
  EXPECT_GT(page.picTabCloseNormalImage.HelpContextID(), 0);
  EXPECT_EQ(page.cboTabProgressStyle.ListIndex(), 0);

  // Selector "2" shows sub-page 1 over the tab frames.
  form.ActivateTab(6);
  Click(page.lblPage(1).hWnd());
  EXPECT_TRUE(page.picTabs(1).Visible());
  EXPECT_EQ(ChildWindowFromPointEx(page.picTabs(0).hWnd(), POINT{100, 150}, CWP_SKIPINVISIBLE), page.picTabs(1).hWnd());
  ScriptedPrompter prompts;
  prompts.AnswerColor(static_cast<long>(kBlue));
  PickItem(page.TabActiveBkgnd.cboStyle, 1);
  Click(page.TabActiveBkgnd.lblEndColorPalette.hWnd());
  Toggle(page.TabActiveBkgnd.chkGradientHorizontal);
  PickItem(page.cboTabProgressStyle, 2);
  SendMessageA(page.txtTabCloseExtendSpace.hWnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("5"));
  Click(page.lblPage(0).hWnd());
  EXPECT_EQ(ChildWindowFromPointEx(page.picTabs(0).hWnd(), POINT{100, 150}, CWP_SKIPINVISIBLE),
            page.fraTabActive.hWnd());
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

  // A tab image that cannot be copied is told; the rest is saved and the
  // project stays modified.
  std::string gone = *this / "Images\\gone.png";
  page.TabHover.txtImage.SetText(gone);
  page.txtTabCloseExtendSpace.SetText("4");
  prompts.AnswerMessage(IDOK);
  Save();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].text.find(gone), std::string::npos);
  EXPECT_TRUE(core::gModified);
  EXPECT_EQ(Saved()["tabbar"]["tab.hover.image"], "control\\tab_hover.png");
  EXPECT_EQ(Saved()["tabbar"]["tabclose.extendspace"], "4");
  EXPECT_EQ(page.TabHover.txtImage.Text(), gone);
}

class TabBarCaptionsTest : public main_window_tests::MainWindowTest {};

TEST_F(TabBarCaptionsTest, TheLanguageMenuRecaptionsThePage) {
  InstallEnglish();
  WriteLanguage("Deutsch",
                "Browse=Suchen...\r\nHover_Tab=Schwebend\r\nVertical_Gradient=Senkrecht\r\n"
                "Image=Bild :\r\n");
  form.Load();
  frmTab& page = *mainwindow::gTabBarPage;
  EXPECT_EQ(page.fraTabHover.Caption(), "Hover Tab");
  int item = -1;
  for (int i = 0; i <= form.mnuLangList.UBound(); ++i)
    if (form.mnuLangList(i).Caption() == "Deutsch") item = i;
  ASSERT_GE(item, 0);
  main_window_tests::ChooseMenu(form, form.mnuLangList(item));
  EXPECT_EQ(page.fraTabHover.Caption(), "Schwebend");
  // A key captions every label of its array.
  for (int i = 0; i < page.lblImage.Count(); ++i) EXPECT_EQ(page.lblImage(i).Caption(), "Bild :");
  for (ui::CommandButton* b : {&page.TabUnread.cmdBrowse, &page.TabInactiveBkgnd.cmdBrowse,
                               &page.cmdTabCloseHoverBrowse, &page.cmdTabProgressBrowse})
    EXPECT_EQ(b->Caption(), "Suchen...");
  // Checked means vertical: the boxes take that key's text.
  EXPECT_EQ(page.TabActiveBkgnd.chkGradientHorizontal.Caption(), "Senkrecht");
  EXPECT_EQ(page.TabInactiveBkgnd.chkGradientHorizontal.Caption(), "Senkrecht");
  // The selectors keep their numbers.
  EXPECT_EQ(page.lblPage(1).Caption(), "2");
}

}  // namespace
