// The Tab Bar page: [TabBar] loaded and saved, browse and the image editor, in the main window.
#include "pages/tabbar_colors/frmTab.h"

#include <gtest/gtest.h>

#include "mainwindow/embedded_pages.h"
#include "mainwindow/project_support.h"
#include "mainwindow/skin_project_support.h"
#include "pages/editor_support.h"
#include "support/png.h"
#include "support/scripted_prompter.h"

namespace {

using namespace editor_tests;
using pages::frmTab;
using testing_support::ParseIniText;
using testing_support::ScriptedPrompter;
using testing_support::WritePng;

const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 128, 0);

bool Enabled(const ui::Control& control) { return IsWindowEnabled(control.hWnd()) != FALSE; }

// Every key of the section with a value of its own (control\h.png and c.png get drawn).
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
  TabPageTest() { page.Load(); }
  ~TabPageTest() override { page.Unload(); }
  void LoadPage() {
    BeginLoad();
    page.LoadTabBar();
    EndLoad();
  }
  template <class T = ui::TextBox>
  T& Named(const std::string& name) {
    if (T* control = page.FindAs<T>(name)) return *control;
    throw std::logic_error("no control " + name);
  }

  frmTab page;
};

TEST_F(TabPageTest, EveryKeyReachesAControlThatSavesItBackAndNothingOfTheProjectOpenedBeforeStays) {
  for (const char* image : {"h", "c"}) WritePng(project + "\\control\\" + image + ".png", 120, 20, kGreen);
  WriteIniText(kFullSection);
  LoadPage();
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
  for (const auto& [name, text] : shown["text"]) EXPECT_EQ(Named(name).Text(), text) << name;
  for (const auto& [name, value] : shown["checked"])
    EXPECT_EQ(std::to_string(Named<ui::CheckBox>(name).Value()), value) << name;

  EXPECT_EQ(page.TabHover.pic.Point(86, 19), kGreen);
  EXPECT_EQ(page.picTabCloseNormalImage.HelpContextID(), 120);
  EXPECT_TRUE(page.TabHover.shp.Visible());
  page.SaveTabBar();
  EXPECT_EQ(Saved(), ParseIniText(kFullSection));
  EXPECT_TRUE(page.UncopiedImages().empty());

  // Another project: a missing part empties its box; an empty or missing value puts "0" in all.
  WriteIniText(
      "[TabBar]\r\nFlipSettings=yes\r\nTab.Normal.Padding=7 8\r\nTab.Active.Padding=\r\nTabProgress.Offset=9\r\n");
  LoadPage();
  EXPECT_EQ(page.chkTabFlipSettings.Value(), 0);
  EXPECT_EQ(page.TabHover.preview.RecordedExtent(), 0);
  EXPECT_NE(page.TabHover.pic.Point(86, 19), kGreen);
  EXPECT_FALSE(page.TabHover.shp.Visible());
  EXPECT_EQ(page.picTabCloseNormalImage.HelpContextID(), 0);
  auto texts = ParseIniText(
      "[Text]\r\ntxtTabNormalPaddingRight=8\r\ntxtTabNormalPaddingBottom=\r\ntxtTabNormalPaddingLeft=\r\n"
      "txtTabProgressTopOffset=\r\ntxtTabActivePaddingTop=0\r\ntxtTabActivePaddingRight=0\r\n"
      "txtTabActivePaddingBottom=0\r\ntxtTabActivePaddingLeft=0\r\ntxtTabCloseLeftOffset=0\r\n"
      "txtTabCloseTopOffset=0\r\n");
  for (const auto& [name, text] : texts["text"]) EXPECT_EQ(Named(name).Text(), text) << name;

  // Four "0" paddings (" 0 " counts as "0") are not written.
  page.txtTabActivePaddingTop.SetText(" 0 ");
  page.SaveTabBar();
  EXPECT_EQ(SavedValue("TabBar", "Tab.Normal.Padding"), "7 8");
  EXPECT_EQ(SavedValue("TabBar", "Tab.Active.Padding"), "<none>");
  EXPECT_EQ(SavedValue("TabBar", "TabClose.Offset"), "0 0");

  // Typing into a box or clicking a check box marks the project.
  for (const char* kind : {"text", "checked"})
    for (const auto& [name, value] : shown[kind]) {
      core::gModified = false;
      SendMessageA(Named<ui::Control>(name).hWnd(), kind[0] == 't' ? WM_SETTEXT : BM_CLICK, 0,
                   reinterpret_cast<LPARAM>("77"));
      EXPECT_TRUE(core::gModified) << name;
    }

  // Duplicate style lines: of four the third is read and the last two remain; of two, the second.
  WriteIniText(
      "[TabBar]\r\nBackground.Style=GFill\r\nBackground.Style=GFill\r\nBackground.Style=3Image\r\n"
      "Background.Style=GFill\r\nInactiveBackground.Style=GFill\r\nInactiveBackground.Style=3Image\r\n");
  LoadPage();
  EXPECT_EQ(page.TabActiveBkgnd.cboStyle.ListIndex(), 0);
  EXPECT_EQ(page.TabInactiveBkgnd.cboStyle.ListIndex(), 0);
  EXPECT_EQ(testing_support::ReadFile(core::gSkinIni),
            "[TabBar]\r\nBackground.Style=3Image\r\nBackground.Style=GFill\r\nInactiveBackground.Style=3Image\r\n");
}

TEST_F(TabPageTest, AnEmptiedPaddingOrOffsetBoxLeavesEveryOtherValueInItsOwnBox) {
  const std::vector<std::string> padding = {"Top", "Right", "Bottom", "Left"}, offset = {"LeftOffset", "TopOffset"};
  struct Case {
    const char* key;
    std::string stem;  // the boxes' names, with the endings in the value's order
    const std::vector<std::string>& endings;
    std::vector<size_t> emptied;
    const char* saved;
    const char* shown;  // the boxes' texts after a reload, each followed by "|"
  };
  const Case cases[] = {
      {"Tab.Active.Padding", "txtTabActivePadding", padding, {0}, "0 3 4 5", "0|3|4|5|"},
      {"Tab.Normal.Padding", "txtTabNormalPadding", padding, {1}, "1 0 3 4", "1|0|3|4|"},
      // An empty last box stays empty.
      {"Tab.Active.Padding", "txtTabActivePadding", padding, {0, 3}, "0 3 4", "0|3|4||"},
      {"TabClose.Offset", "txtTabClose", offset, {0}, "0 7", "0|7|"},
      {"TabProgress.Offset", "txtTabProgress", offset, {0}, "0 9", "0|9|"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    WriteIniText(
        "[TabBar]\r\nTab.Normal.Padding=1 2 3 4\r\nTab.Active.Padding=2 3 4 5\r\nTabProgress.Style=Progress\r\n"
        "TabProgress.Offset=8 9\r\nTabClose.Offset=6 7\r\n");
    LoadPage();
    for (size_t i : c.emptied) SendMessageA(Named(c.stem + c.endings[i]).hWnd(), WM_SETTEXT, 0, LPARAM(""));
    page.SaveTabBar();
    EXPECT_EQ(SavedValue("TabBar", c.key), c.saved);
    LoadPage();
    std::string shown;
    for (const std::string& ending : c.endings) shown += Named(c.stem + ending).Text() + "|";
    EXPECT_EQ(shown, c.shown);
  }
}

TEST_F(TabPageTest, TheProgressStyleEnablesItsControlsAndNoneKeepsTheirKeys) {
  using Case = std::tuple<const char*, int, const char*>;
  for (auto [stored, item, saved] :
       {Case{"ANIMATION", 0, "Animation"}, {"progress", 1, "Progress"}, {"none", 2, "None"}, {"", 2, "None"}}) {
    SCOPED_TRACE(stored);
    WriteIniText(std::string("[TabBar]\r\nTabProgress.Style=") + stored +
                 "\r\nTabProgress.HideIcon=1\r\nTabProgress.Image.FrameWidth=16\r\n"
                 "TabProgress.Image=control\\loading.png\r\nTabProgress.Offset=2 3\r\n");
    LoadPage();
    // Every load keeps the items of the first (empty without a language file).
    EXPECT_EQ(page.cboTabProgressStyle.ListCount(), 3);
    EXPECT_EQ(page.cboTabProgressStyle.ListIndex(), item);
    bool enabled = item != 2;
    for (ui::Control* control : std::vector<ui::Control*>{
             &page.chkTabProgressHideIcon, &page.cmdTabProgressBrowse, &page.txtTabProgressFrameWidth,
             &page.txtTabProgressImage, &page.txtTabProgressLeftOffset, &page.txtTabProgressTopOffset})
      EXPECT_EQ(Enabled(*control), enabled);
    EXPECT_TRUE(Enabled(page.cboTabProgressStyle) && Enabled(page.picTabProgressImage));
    // The boxes show the file's keys whatever the style; "None" saves none of them.
    EXPECT_EQ(page.txtTabProgressFrameWidth.Text(), "16");
    EXPECT_EQ(page.txtTabProgressTopOffset.Text(), "3");
    page.txtTabProgressFrameWidth.SetText("99");
    page.SaveTabBar();
    EXPECT_EQ(SavedValue("TabBar", "TabProgress.Style"), saved);
    EXPECT_EQ(SavedValue("TabBar", "TabProgress.Image.FrameWidth"), enabled ? "99" : "16");
    EXPECT_EQ(SavedValue("TabBar", "TabProgress.Image"), "control\\loading.png");
  }
  // Choosing a style again enables the controls with their texts as they were.
  core::gModified = false;
  PickItem(page.cboTabProgressStyle, 1);
  EXPECT_TRUE(core::gModified);
  EXPECT_TRUE(Enabled(page.txtTabProgressTopOffset));
  EXPECT_EQ(page.txtTabProgressFrameWidth.Text(), "99");
  PickItem(page.cboTabProgressStyle, 2);
  EXPECT_FALSE(Enabled(page.chkTabProgressHideIcon));
}

TEST_F(TabPageTest, BrowsedImagesOpenInTheEditorAndTheSaveCopiesThemUnderTheirDefaultNamesOrTheKeysFile) {
  WriteIniText("[TabBar]\r\nTabClose.Hover=control\\my_close_hover.png\r\nTabProgress.Style=Animation\r\n");
  LoadPage();
  std::string outside = WritePng(*this / "Images\\mine.png", 16, 16, kBlue);
  // Per image: its controls' stem (cmd<stem>Browse, txt<stem>Image), picture box, key, copy's file.
  using Image = std::tuple<std::string, const char*, const char*, const char*>;
  const Image images[] = {
      Image{"TabNormal", "picTabNormalImage", "Tab.Normal.Image", "tab_inactive.png"},
      Image{"TabActive", "picTabActiveImage", "Tab.Active.Image", "tab_active.png"},
      Image{"TabHover", "picTabHover", "Tab.Hover.Image", "tab_hover.png"},
      Image{"TabUnread", "picTabUnread", "Tab.Unread.Image", "tab_unread.png"},
      Image{"TabActiveBkgnd", "picTabActiveBkgndImage", "Background.Image", "tab_bg.png"},
      Image{"TabInactiveBkgnd", "picTabInactiveBkgndImage", "InActiveBackground.Image", "tab_bg_inactive.png"},
      Image{"TabProgress", "picTabProgressImage", "TabProgress.Image", "loading.png"},
      Image{"TabCloseNormal", "picTabCloseNormalImage", "TabClose", "tab_close.png"},
      Image{"TabCloseHover", "picTabCloseHoverImage", "TabClose.Hover", "my_close_hover.png"}};
  for (const auto& [stem, pic, key, file] : images) {
    SCOPED_TRACE(key);
    ScriptedPrompter prompts;
    prompts.AnswerFile(outside);
    SendMessageA(Named<ui::CommandButton>("cmd" + stem + "Browse").hWnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(Named("txt" + stem + "Image").Text(), outside);
    ui::PictureBox& box = Named<ui::PictureBox>(pic);
    EXPECT_EQ(box.Point(86, 18), kBlue);
    // A double click opens the editor; on the close button's hover image a single click does.
    skin_project_tests::StartedCommands editor;
    core::gModified = false;
    Click(box.hWnd());
    if (&box != &page.picTabCloseHoverImage) {
      EXPECT_TRUE(editor.starts.empty());
      DoubleClick(box.hWnd());
    }
    ASSERT_EQ(editor.starts.size(), 1u);
    EXPECT_EQ(editor.starts[0].commandLine, "\"mspaint.exe\" \"" + outside + "\"");
    EXPECT_FALSE(core::gModified);
  }
  page.SaveTabBar();
  EXPECT_TRUE(page.UncopiedImages().empty());
  for (const auto& [stem, pic, key, file] : images) {
    std::string relative = std::string("control\\") + file;
    EXPECT_EQ(Named("txt" + stem + "Image").Text(), relative) << key;
    EXPECT_EQ(SavedValue("TabBar", key), relative) << key;
    EXPECT_TRUE(testing_support::Exists(project + "\\" + relative)) << relative;
  }
}

TEST_F(TabPageTest, BackgroundStylesAreReadInAnyLetterCaseAndSavedInTheirOwnSpelling) {
  // A tab-bar background offers no transparent style: it loads as an image.
  using Case = std::tuple<const char*, int, const char*>;  // stored style, item, style saved
  for (auto [stored, item, saved] :
       {Case{"GFILL", 1, "GFill"}, Case{"gFiLL", 1, "GFill"}, Case{"tRaNsPaReNt", 0, "3Image"}}) {
    SCOPED_TRACE(stored);
    WriteIniText(std::string("[TabBar]\r\nBackground.Style=") + stored +
                 "\r\nBackground.Fill.ColorStart=#102030\r\nInactiveBackground.Style=" + stored + "\r\n");
    LoadPage();
    for (pages::BackgroundEditor* editor : {&page.TabActiveBkgnd, &page.TabInactiveBkgnd}) {
      EXPECT_EQ(editor->cboStyle.ListIndex(), item);
      EXPECT_EQ(editor->picImageBase.Visible(), item == 0);
    }
    page.SaveTabBar();
    EXPECT_EQ(SavedValue("TabBar", "Background.Style"), saved);
    EXPECT_EQ(SavedValue("TabBar", "InActiveBackground.Style"), saved);
    EXPECT_EQ(SavedValue("TabBar", "Background.Fill.ColorStart"), item == 1 ? "#102030" : "<none>");
  }
}

TEST_F(TabPageTest, TheImageStyleShowsTheImageGroupAndLeavesEmptyOffsetsEmpty) {
  WriteIniText("[TabBar]\r\nBackground.Style=GFill\r\nInactiveBackground.Style=GFill\r\n");
  LoadPage();
  using Case = std::tuple<pages::BackgroundEditor&, const char*>;  // editor, key prefix saved
  for (auto [editor, prefix] :
       {Case{page.TabActiveBkgnd, "Background"}, Case{page.TabInactiveBkgnd, "InActiveBackground"}}) {
    SCOPED_TRACE(prefix);
    core::gModified = false;
    // Picked twice: the item already selected keeps the group in step too.
    for (int pick = 0; pick < 2; ++pick) {
      PickItem(editor.cboStyle, 0);
      EXPECT_TRUE(editor.picImageBase.Visible());
      EXPECT_EQ(editor.txtStartOffset.Text() + "|" + editor.txtEndOffset.Text(), "|");
    }
    EXPECT_TRUE(core::gModified);
    page.SaveTabBar();
    EXPECT_EQ(SavedValue("TabBar", prefix + std::string(".Style")), "3Image");
    EXPECT_EQ(SavedValue("TabBar", prefix + std::string(".Image.StartOffset")), "");
    EXPECT_EQ(SavedValue("TabBar", prefix + std::string(".Image.EndOffset")), "");
  }
}

TEST_F(TabPageTest, TheLoadPlacesEachTabImagesMarkerOverItsOffsets) {
  // Per tab image: its editor, key prefix, image width, offsets, and the
  // marker's left and width: lines on m + S - 1 and m + w - E, m = (173 - w) \ 2, at least 0.
  using Case = std::tuple<pages::MarkedImageEditor&, const char*, int, const char*, const char*, int, int>;
  const Case cases[] = {Case{page.TabActive, "Tab.Active", 100, "0", "0", 35, 102},
                        Case{page.TabNormal, "Tab.Normal", 101, "0", "0", 35, 103},
                        Case{page.TabHover, "Tab.Hover", 200, "10", "20", 9, 172},
                        Case{page.TabUnread, "Tab.Unread", 20, "5", "5", 80, 12}};
  std::string text = "[TabBar]\r\n";
  for (const auto& [editor, prefix, width, start, end, left, markerWidth] : cases) {
    std::string image = "control\\w" + std::to_string(width) + ".png";
    WritePng(project + "\\" + image, width, 20, kGreen);
    text += std::string(prefix) + ".Image=" + image + "\r\n" + prefix + ".Image.StartOffset=" + start + "\r\n" +
            prefix + ".Image.EndOffset=" + end + "\r\n";
  }
  WriteIniText(text);
  LoadPage();
  for (const auto& [editor, prefix, width, start, end, left, markerWidth] : cases) {
    SCOPED_TRACE(prefix);
    const ui::Shape& shp = editor.shp;
    EXPECT_TRUE(shp.Visible());
    EXPECT_EQ(std::tuple(shp.Left(), shp.Top(), shp.Width(), shp.Height()), std::tuple(left, -2, markerWidth, 44));
  }
}

class TabBarInMainWindowTest : public main_window_tests::ProjectTest {};

TEST_F(TabBarInMainWindowTest, OpeningAProjectFillsThePageAndSavingWritesTheEditsBackOrTellsOfAnImageItCannotCopy) {
  std::string folder = DefaultSkinProject("Default");
  Open(folder);
  frmTab& page = *mainwindow::gTabBarPage;
  EXPECT_FALSE(core::gModified);
  EXPECT_EQ(page.TabActive.txtImage.Text(), "control\\tab_active.png");
  EXPECT_GT(page.TabActive.preview.RecordedExtent(), 0);
  EXPECT_TRUE(page.TabActive.shp.Visible());
  EXPECT_GT(page.picTabCloseNormalImage.HelpContextID(), 0);

  // Selector "2" shows sub-page 1 over the tab frames.
  form.ActivateTab(6);
  Click(page.lblPage(1).hWnd());
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
  auto edits = ParseIniText(
      "[TabBar]\r\nBackground.Style=GFill\r\nBackground.Fill.ColorEnd=#0000FF\r\nBackground.Fill.Angle=90\r\n"
      "Background.Image=control\\tab_bg.png\r\nInActiveBackground.Fill.ColorStart=#E8E8E8\r\n"
      "TabProgress.Style=None\r\nTabProgress.Image=control\\loading.png\r\nTabClose.ExtendSpace=5\r\n");
  for (const auto& [key, value] : edits["tabbar"]) EXPECT_EQ(section[key], value) << key;
  EXPECT_EQ(section.count("background.image.stretch"), 0u);

  // Reopened, the page shows what was saved, on its first sub-page.
  Click(page.lblPage(1).hWnd());
  Open(NamedProject("Other"));
  Open(folder);
  EXPECT_FALSE(page.picTabs(1).Visible());
  EXPECT_EQ(page.TabActiveBkgnd.cboStyle.ListIndex(), 1);
  EXPECT_TRUE(Near(page.TabActiveBkgnd.picGradient.Point(26, 51), kBlue));
  EXPECT_EQ(page.cboTabProgressStyle.ListIndex(), 2);
  EXPECT_FALSE(Enabled(page.txtTabProgressImage));
  EXPECT_EQ(page.txtTabCloseExtendSpace.Text(), "5");

  // A tab image that cannot be copied is told; the rest is saved, the project stays modified.
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

using TabBarCaptionsTest = main_window_tests::MainWindowTest;

TEST_F(TabBarCaptionsTest, TheLanguageMenuRecaptionsTheTabBarPage) {
  WriteLanguage("Deutsch", "Hover_Tab=Schwebend\r\nVertical_Gradient=Senkrecht\r\n");
  form.Load();
  for (int i = 0; i <= form.mnuLangList.UBound(); ++i)
    if (form.mnuLangList(i).Caption() == "Deutsch") main_window_tests::ChooseMenu(form, form.mnuLangList(i));
  frmTab& page = *mainwindow::gTabBarPage;
  EXPECT_EQ(page.fraTabHover.Caption(), "Schwebend");
  // Checked means vertical: the boxes take that key's text. The selectors keep their numbers.
  EXPECT_EQ(page.TabActiveBkgnd.chkGradientHorizontal.Caption(), "Senkrecht");
  EXPECT_EQ(page.TabInactiveBkgnd.chkGradientHorizontal.Caption(), "Senkrecht");
  EXPECT_EQ(page.lblPage(1).Caption(), "2");
}

}  // namespace
