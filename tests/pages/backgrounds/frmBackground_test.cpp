// The Backgrounds page: what its selectors bring to the front, its fifteen
// element editors loaded and saved, alone and in the main window, captions.
#include "pages/backgrounds/frmBackground.h"

#include <gtest/gtest.h>

#include "mainwindow/embedded_pages.h"
#include "mainwindow/project_support.h"
#include "pages/editor_support.h"
#include "support/png.h"
#include "support/scripted_prompter.h"

namespace {

using namespace editor_tests;
using pages::frmBackground;

// The key prefix of each element, in the order of Element(i).
const std::string kPrefixes[] = {"MainPanel",      "Button.Normal",  "Button.Hover",   "Button.Disable",
                                 "Button.Pressed", "Button.Checked", "MenuItem.Hover", "Menu",
                                 "WebBar",         "StatusBar",      "FloatBar",       "FavBar",
                                 "FindInPageBar",  "MenuBar",        "ToolBar"};
constexpr int kCount = frmBackground::kElementCount;

class BackgroundPageTest : public ProjectFolderTest {
 protected:
  BackgroundPageTest() { page.Load(); }
  ~BackgroundPageTest() override { page.Unload(); }
  void LoadPage() {
    BeginLoad();
    page.LoadBackground();
    EndLoad();
  }
  // Whether the window the mouse finds at a point of the page lies in control.
  bool Shows(POINT pt, ui::Control& control) {
    HWND at = page.hWnd();
    for (HWND child; (child = ChildWindowFromPointEx(at, pt, CWP_SKIPINVISIBLE)) && child != at; at = child)
      MapWindowPoints(at, child, &pt, 1);
    return at == control.hWnd() || IsChild(control.hWnd(), at);
  }

  frmBackground page;
};

TEST_F(BackgroundPageTest, SelectorsShowTheirSubPagesAndEachElementLoadsAndSavesItsOwnKeys) {
  // A selector, its button, and what then shows at the upper left and right.
  const std::tuple<int, UINT, ui::Control*, ui::Control*> cases[] = {
      {3, WM_LBUTTONDOWN, &page.BtnBkgndNormal.fra, &page.picTabs(3)},
      {0, WM_LBUTTONDOWN, &page.MainBkgnd.fra, &page.MenuItemBkgndHover.fra},
      {1, WM_MBUTTONDOWN, &page.BtnBkgndHover.fra, &page.StatusBarBkgnd.fra},
      {2, WM_RBUTTONDOWN, &page.WebToolbarBkgnd.fra, &page.ToolBarBkgnd.fra}};
  for (auto [selector, message, upperLeft, lowerRight] : cases) {
    SCOPED_TRACE(selector);
    SendMessageA(page.lblPage(selector).hWnd(), message, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(Shows({100, 150}, *upperLeft));
    EXPECT_TRUE(Shows({500, 300}, *lowerRight));
    for (int i = 0; i < frmBackground::kSubPages; ++i) {
      EXPECT_EQ(page.picTabs(i).Visible(), i == 0 || i == selector) << i;
      EXPECT_EQ(ui::ResolveColor(page.lblPage(i).BackColor()),
                GetSysColor(i == selector ? COLOR_HIGHLIGHT : COLOR_WINDOW)) << i;
    }
  }

  // Missing or empty styles load the main panel, which cannot be
  // transparent, as an image and the others transparent; an unknown style
  // loads as an image.
  WriteIniText("[Backgrounds]\r\nStatusBar.Style=\r\nWebBar.Style=anything\r\n");
  LoadPage();
  EXPECT_TRUE(Shows({100, 150}, page.MainBkgnd.fra));
  for (int i = 0; i < kCount; ++i) {
    EXPECT_EQ(page.Element(i).cboStyle.ListCount(), i == 0 ? 2 : 3) << kPrefixes[i];
    EXPECT_EQ(page.Element(i).cboStyle.ListIndex(), i == 0 || kPrefixes[i] == "WebBar" ? 0 : 2) << kPrefixes[i];
  }

  // Styles are read in any letter case and saved in their own spelling, a
  // gradient with its colours. Every load keeps the style items of the first.
  WriteIniText(
      "[Backgrounds]\r\nMenu.Style=GFILL\r\nMenu.Fill.ColorStart=#102030\r\nToolBar.Style=gFiLL\r\n"
      "MenuBar.Style=tRaNsPaReNt\r\n");
  LoadPage();
  page.SaveBackground();
  using Style = std::tuple<int, int, const char*>;  // element, item, style saved
  for (auto [i, item, saved] : {Style{7, 1, "GFill"}, Style{14, 1, "GFill"}, Style{13, 2, "Transparent"}}) {
    SCOPED_TRACE(kPrefixes[i]);
    EXPECT_EQ(page.Element(i).cboStyle.ListIndex(), item);
    EXPECT_EQ(SavedValue("Backgrounds", kPrefixes[i] + ".Style"), saved);
  }
  EXPECT_EQ(SavedValue("Backgrounds", "Menu.Fill.ColorStart"), "#102030");
  for (int i = 0; i < kCount; ++i)
    EXPECT_EQ(page.Element(i).cboStyle.ListCount(), i == 0 ? 2 : 3) << kPrefixes[i];

  // Each element keeps to its keys and copies an outside image to a file of
  // its own. Duplicate style lines: the main panel's clean-up takes two
  // passes and reads the third of four lines, the menu's three and the fourth.
  std::string text = "[Backgrounds]\r\nMainPanel.Style=3Image\r\nMainPanel.Style=3Image\r\n";
  text += "Menu.Style=3Image\r\nMenu.Style=3Image\r\nMenu.Style=3Image\r\n";
  for (int i = 0; i < kCount; ++i)
    text += kPrefixes[i] + ".Style=GFill\r\n" + kPrefixes[i] + ".Fill.ColorStart=" + std::to_string(i) + "\r\n";
  WriteIniText(text + "MainPanel.Style=3Image\r\n");
  LoadPage();
  std::string outside = testing_support::WritePng(*this / "Images\\mine.png", 20, 10, RGB(255, 0, 0));
  for (int i = 0; i < kCount; ++i) {
    EXPECT_EQ(page.Element(i).txtStartColor.Text(), std::to_string(i)) << kPrefixes[i];
    PickItem(page.Element(i).cboStyle, 0);
    page.Element(i).txtImage.SetText(outside);
    page.Element(i).txtStartOffset.SetText(std::to_string(i));
  }
  page.SaveBackground();
  std::string expected = "[Backgrounds]\r\n";
  for (int i = 0; i < kCount; ++i) {
    std::string p = kPrefixes[i], copy = page.Element(i).txtImage.Text();
    EXPECT_TRUE(copy.starts_with("control\\") && testing_support::Exists(project + "\\" + copy)) << copy;
    expected += p + ".Style=3Image\r\n" + p + ".Image=" + copy + "\r\n" + p + ".Image.stretch=0\r\n" + p +
                ".Image.StartOffset=" + std::to_string(i) + "\r\n" + p + ".Image.EndOffset=0\r\n";
  }
  EXPECT_EQ(core::gFileSystem.FileNames(project + "\\control").size(), size_t{kCount});
  EXPECT_EQ(Saved(), testing_support::ParseIniText(expected));
}

class BackgroundsInMainWindowTest : public main_window_tests::ProjectTest {};

TEST_F(BackgroundsInMainWindowTest, TheLanguageMenuRecaptionsThePageAndASaveOfTheDefaultSkinKeepsEachStylesKeys) {
  form.Unload();
  InstallEnglish();
  WriteLanguage("Deutsch", "Main_Panel=Hauptfeld\r\nImage=Bild :\r\nBrowse=Suchen...\r\n");
  form.Load();
  frmBackground& page = *mainwindow::gBackgroundsPage;
  std::vector<std::string> frames;
  for (int i = 0; i < kCount; ++i) frames.push_back(page.Element(i).fra.Caption());
  for (int i = 0; i <= form.mnuLangList.UBound(); ++i)
    if (form.mnuLangList(i).Caption() == "Deutsch") main_window_tests::ChooseMenu(form, form.mnuLangList(i));
  // English.ini gives the others the captions they were designed with.
  for (int i = 0; i < kCount; ++i) {
    EXPECT_EQ(page.Element(i).fra.Caption(), i == 0 ? "Hauptfeld" : frames[i]) << kPrefixes[i];
    EXPECT_EQ(page.lblImage(i).Caption(), "Bild :");
    EXPECT_EQ(page.Element(i).cmdBrowse.Caption(), "Suchen...");
  }

  Open(DefaultSkinProject("Default"));
  EXPECT_GT(page.MainBkgnd.picImage.HelpContextID(), 0);
  EXPECT_TRUE(Near(page.MenuItemBkgndHover.picGradient.Point(26, 0), RGB(0xE3, 0xEE, 0xFB), 3));
  // The hovered button, an image, becomes a blue gradient.
  testing_support::ScriptedPrompter prompts;
  prompts.AnswerColor(static_cast<long>(RGB(0, 0, 255)));
  PickItem(page.BtnBkgndHover.cboStyle, 1);
  Click(page.BtnBkgndHover.lblStartColorPalette.hWnd());
  auto expected = Saved()["backgrounds"];
  Save();
  // Loaded as an image, the element showed no end colour: none is saved.
  expected["button.hover.style"] = "GFill";
  expected["button.hover.fill.colorstart"] = "#0000FF";
  expected["button.hover.fill.colorend"] = "";
  expected["button.hover.fill.angle"] = "0";
  for (const std::string& prefix : kPrefixes) {
    std::string p = core::ToLower(prefix) + ".", style = expected[p + "style"];
    std::erase_if(expected, [&](const auto& entry) {
      return (entry.first.starts_with(p + "fill.") && style != "GFill") ||
             (entry.first.starts_with(p + "image") && style != "3Image");
    });
  }
  EXPECT_EQ(Saved()["backgrounds"], expected);

  // An image that cannot be copied is told once on every save, the project
  // stays modified and the elements after it are still saved.
  std::string gone = *this / "Images\\gone.png";
  page.MainBkgnd.txtImage.SetText(gone);
  page.MenuBkgnd.txtStartOffset.SetText("9");
  prompts.AnswerMessage(IDOK).AnswerMessage(IDOK);
  Save();
  Save();
  std::string told = "Cannot copy \"" + gone + "\" into the project.\r\n\r\nThe project keeps its unsaved changes.";
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>(2, told));
  EXPECT_TRUE(core::gModified);
  EXPECT_EQ(Saved()["backgrounds"]["menu.image.startoffset"], "9");
}

}  // namespace
