// The Backgrounds page: what its selectors bring to the front, loading
// [Backgrounds] into the fifteen element editors and saving them back,
// alone and inside the main window, and its captions.
#include "pages/backgrounds/frmBackground.h"

#include <gtest/gtest.h>

#include <set>

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

TEST_F(BackgroundPageTest, AnyMouseButtonOnASelectorShowsItsSubPageAndALoadTheFirstWithDefaultStyles) {
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
                GetSysColor(i == selector ? COLOR_HIGHLIGHT : COLOR_WINDOW))
          << i;
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
}

TEST_F(BackgroundPageTest, EachElementKeepsToItsKeysAndCopiesAnOutsideImageToAFileOfItsOwn) {
  // Duplicate style lines: the main panel's clean-up takes two passes and
  // reads the third of four lines, the menu's three and reads the fourth.
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
  EXPECT_TRUE(page.UncopiedImages().empty());
  std::map<std::string, std::string> expected;
  std::set<std::string> copies;
  for (int i = 0; i < kCount; ++i) {
    std::string p = core::ToLower(kPrefixes[i]), copy = page.Element(i).txtImage.Text();
    EXPECT_TRUE(copy.starts_with("control\\") && testing_support::Exists(project + "\\" + copy)) << copy;
    copies.insert(copy);
    expected.insert({{p + ".style", "3Image"},
                     {p + ".image", copy},
                     {p + ".image.stretch", "0"},
                     {p + ".image.startoffset", std::to_string(i)},
                     {p + ".image.endoffset", "0"}});
  }
  EXPECT_EQ(copies.size(), size_t{kCount});
  EXPECT_EQ(Saved()["backgrounds"], expected);
}

class BackgroundsInMainWindowTest : public main_window_tests::ProjectTest {};

TEST_F(BackgroundsInMainWindowTest, TheDefaultSkinFillsThePageAndASaveKeepsTheKeysOfEachElementsStyle) {
  Open(DefaultSkinProject("Default"));
  frmBackground& page = *mainwindow::gBackgroundsPage;
  EXPECT_GT(page.MainBkgnd.picImage.HelpContextID(), 0);
  EXPECT_TRUE(Near(page.MenuItemBkgndHover.picGradient.Point(26, 0), RGB(0xE3, 0xEE, 0xFB), 3));
  // The hovered button, an image, becomes a blue gradient.
  testing_support::ScriptedPrompter prompts;
  prompts.AnswerColor(static_cast<long>(RGB(0, 0, 255)));
  PickItem(page.BtnBkgndHover.cboStyle, 1);
  Click(page.BtnBkgndHover.lblStartColorPalette.hWnd());
  EXPECT_TRUE(Near(page.BtnBkgndHover.picGradient.Point(0, 26), RGB(0, 0, 255)));
  auto before = Saved()["backgrounds"];
  Save();
  // Loaded as an image, the element showed no end colour: none is saved.
  before["button.hover.style"] = "GFill";
  before["button.hover.fill.colorstart"] = "#0000FF";
  before["button.hover.fill.colorend"] = "";
  before["button.hover.fill.angle"] = "0";
  std::map<std::string, std::string> expected;
  for (const std::string& prefix : kPrefixes) {
    std::string p = core::ToLower(prefix) + ".", style = before[p + "style"];
    for (const auto& [key, value] : before)
      if (key == p + "style" || (key.starts_with(p + "fill.") && style == "GFill") ||
          (key.starts_with(p + "image") && style == "3Image"))
        expected[key] = value;
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
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_NE(prompts.messages[1].text.find(gone), std::string::npos);
  EXPECT_EQ(prompts.messages[1].text.find(gone), prompts.messages[1].text.rfind(gone));
  EXPECT_TRUE(core::gModified);
  EXPECT_EQ(Saved()["backgrounds"]["menu.image.startoffset"], "9");
}

TEST_F(BackgroundsInMainWindowTest, TheLanguageMenuRecaptionsThePageAndEnglishFillsItsGaps) {
  form.Unload();
  InstallEnglish();
  WriteLanguage("Deutsch", "Main_Panel=Hauptfeld\r\nImage=Bild :\r\nBrowse=Suchen...\r\n");
  form.Load();
  frmBackground& page = *mainwindow::gBackgroundsPage;
  // Without a language file the designed captions stay.
  EXPECT_EQ(page.MenuBkgnd.cmdBrowse.Caption(), "Browse...");
  std::vector<std::string> frames;
  for (int i = 0; i < kCount; ++i) frames.push_back(page.Element(i).fra.Caption());
  for (int i = 0; i <= form.mnuLangList.UBound(); ++i)
    if (form.mnuLangList(i).Caption() == "Deutsch") main_window_tests::ChooseMenu(form, form.mnuLangList(i));
  // English.ini gives the others the captions they were designed with.
  frames[0] = "Hauptfeld";
  for (int i = 0; i < kCount; ++i) {
    EXPECT_EQ(page.Element(i).fra.Caption(), frames[i]) << kPrefixes[i];
    EXPECT_EQ(page.lblImage(i).Caption(), "Bild :");
    EXPECT_EQ(page.Element(i).cmdBrowse.Caption(), "Suchen...");
  }
}

}  // namespace
