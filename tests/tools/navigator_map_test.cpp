// The Skin Navigator's map steering the real main window, with the default
// skin open as a project.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "mainwindow/embedded_pages.h"
#include "mainwindow/project_support.h"
#include "support/scripted_prompter.h"
#include "tools/frmNavigator.h"

namespace {

using main_window_tests::ShownPanels;

class NavigatorMapTest : public main_window_tests::ProjectTest {
 protected:
  void SetUp() override {
    ProjectTest::SetUp();
    Store("NavigatorShow", "0");
    form.Show();
    nav.Show();
    core::gNavigatorShown = true;
  }

  // The mouse at a point of the browser picture: the message goes to the
  // window it finds there, nested pieces in front of their parents.
  void Mouse(POINT at, UINT msg, WPARAM keys = 0) {
    HWND h = nav.picClient.hWnd();
    for (;;) {
      HWND child = ChildWindowFromPointEx(h, at, CWP_SKIPINVISIBLE);
      if (!child || child == h) break;
      MapWindowPoints(h, child, &at, 1);
      h = child;
    }
    SendMessageA(h, msg, keys, MAKELPARAM(at.x, at.y));
  }
  void Click(POINT at, UINT down = WM_LBUTTONDOWN, UINT up = WM_LBUTTONUP) {
    Mouse(at, down, down == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON);
    Mouse(at, up);
  }
  std::vector<int> Outlined() {
    std::vector<int> shown;
    for (int i = 0; i < tools::kPieceCount; ++i)
      if (nav.shpMaps(i).Visible()) shown.push_back(i);
    return shown;
  }
  ui::Control* Box(int page, const std::string& name) {
    switch (page) {
      case 4: return mainwindow::gColorsPage->FindControl(name);
      case 5: return mainwindow::gBackgroundsPage->FindControl(name);
      case 6: return mainwindow::gTabBarPage->FindControl(name);
      default: return form.FindControl(name);
    }
  }

  tools::frmNavigator& nav = tools::NavigatorForm();
};

TEST_F(NavigatorMapTest, EachPieceIsNamedWhenPointedAtAndLeadsToItsEditor) {
  Open(DefaultSkinProject("Nav"));
  struct Case {
    POINT at;  // in the browser picture
    int piece;
    const char* status;
    int page;
    const char* target;  // the focused box, or the selected button or icon
  };
  const Case cases[] = {
      {{85, 40}, 0, "Toolbar Buttons", 2, "Forward"},
      {{55, 40}, 0, "Toolbar Buttons", 2, "Forward"},  // between the buttons: none chosen
      {{56, 40}, 0, "Toolbar Buttons", 2, "Back"},
      {{600, 80}, 1, "Active Tab Bar Background", 6, "txtTabActiveBkgndImage"},
      {{700, 340}, 2, "Status Bar Background", 5, "txtStatusBarBkgndImage"},
      // The default skin's title background is a gradient.
      {{100, 100}, 3, "Side Bar Title Background", 7, "txtSideBarTitleBkgndStartColor"},
      {{250, 8}, 36, "Menu Bar/Caption Bar Background", 5, "txtMenuBarBkgndImage"},
      {{701, 15}, 4, "Window Buttons", 2, "MenuClose"},
      {{20, 250}, 5, "Side Bar Tab Background", 7, "txtSideBarTabBkgndImage"},
      {{340, 100}, 6, "Web Toolbar Background", 5, "txtWebToolbarBkgndStartColor"},
      {{500, 130}, 7, "Find in Page Bar Background", 5, "txtFindInPageBkgndImage"},
      {{600, 240}, 8, "Menu Background", 5, "txtMenuBkgndImage"},
      {{420, 45}, 9, "Combo Box Background", 8, "txtComboNormalFilePath"},
      {{600, 170}, 10, "Hover Menu Item Background", 5, "txtMenuItemBkgndHoverStartColor"},
      {{707, 75}, 11, "Tab Bar Buttons", 2, "TabClose"},
      {{50, 88}, 12, "Active Tab", 6, "txtTabActiveImage"},
      {{500, 75}, 13, "Normal Tab", 6, "txtTabNormalImage"},
      {{80, 18}, 14, "Caption Text", 4, "txtCaptionTextColor"},
      {{100, 335}, 15, "Status Bar Address Text", 4, "txtStatusAddressTextColor"},
      {{400, 15}, 16, "Normal Tool Bar Text", 4, "txtToolbarNormalTextColor"},
      {{475, 335}, 17, "Status Bar Buttons", 3, "Download"},
      {{619, 335}, 17, "Status Bar Buttons", 3, "Zoom"},
      {{20, 135}, 18, "Side Bar Active Tab", 7, "txtSideBarTabActiveImage"},
      {{20, 170}, 19, "Side Bar Inactive Tab", 7, "txtSideBarTabNormalImage"},
      {{475, 45}, 20, "Combo Box Dropdown Button", 8, "txtComboDropDownNormal"},
      {{340, 45}, 21, "Combo Box Text", 4, "txtComboBoxTextColor"},
      {{600, 195}, 22, "Normal Menu Text", 4, "txtMenuNormalTextColor"},
      {{15, 15}, 23, "Caption Bar Icon", 3, "Caption"},
      {{295, 75}, 24, "Tab Close Button", 6, "txtTabCloseNormalImage"},
      {{150, 75}, 25, "Active Tab Text", 4, "txtTabActiveTextColor"},
      {{420, 75}, 26, "Inactive Tab Text", 4, "txtTabInactiveTextColor"},
      {{505, 45}, 27, "Go Button", 3, "Go"},
      {{25, 75}, 28, "Side Bar Button", 2, "TabSidebar"},
      {{714, 45}, 29, "Search Bar Buttons", 3, "Highlight"},
      {{337, 335}, 30, "Progress Bar", 9, "txtProgressFGFilePath"},
      {{50, 75}, 31, "Tab Progress Animation", 6, "txtTabProgressImage"},
      {{100, 175}, 32, "Closed Favorites Folder", 3, "FolderClose"},
      {{100, 195}, 33, "Opened Favorites Folder", 3, "FolderOpen"},
      {{100, 215}, 34, "Default Favorite Document", 3, "Page"},
      {{471, 100}, 35, "Web Toolbar Buttons", 3, "Encoding"},
      {{225, 130}, 37, "Find in Page Bar Icon", 3, "Find"},
      {{262, 100}, 38, "Web Toolbar Buttons", 3, "UpLevel"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.piece);
    Mouse(c.at, WM_MOUSEMOVE);
    EXPECT_EQ(nav.lblStatus.Caption(), c.status);
    EXPECT_EQ(Outlined(), std::vector<int>{c.piece});

    Click(c.at);
    EXPECT_EQ(ShownPanels(form), std::vector<int>{c.page});
    EXPECT_EQ(nav.lblStatus.Caption(), "");
    EXPECT_TRUE(Outlined().empty());
    if (c.page == 2 || c.page == 3) {
      EXPECT_EQ((c.page == 2 ? form.txtButtonName : form.txtSmallButton).Text(), c.target);
      continue;
    }
    ui::Control* box = Box(c.page, c.target);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->HasFocus());
    auto& text = dynamic_cast<ui::TextBox&>(*box);
    EXPECT_EQ(text.SelStart(), 0);
    EXPECT_EQ(text.SelLength(), std::min<int>(200, static_cast<int>(text.Text().size())));
    EXPECT_FALSE(text.Text().empty());
  }
}

TEST_F(NavigatorMapTest, TheMainWindowComesBackAsItWasButNeverMinimised) {
  Open(DefaultSkinProject("Nav"));
  struct Case {
    ui::WindowState before;
    ui::WindowState after;
  };
  for (const Case& c : {Case{ui::WindowState::Minimized, ui::WindowState::Normal},
                        Case{ui::WindowState::Maximized, ui::WindowState::Maximized}}) {
    form.SetState(c.before);
    nav.SetState(ui::WindowState::Normal);
    Click({100, 175});
    EXPECT_EQ(form.State(), c.after);
    EXPECT_EQ(GetActiveWindow(), form.hWnd());
    EXPECT_EQ(form.txtSmallButton.Text(), "FolderClose");
  }
}

TEST_F(NavigatorMapTest, WithoutAProjectALeftClickOnlySaysSoAndARightClickNothing) {
  Mouse({100, 175}, WM_MOUSEMOVE);
  {
    testing_support::ScriptedPrompter prompts;
    Click({100, 175}, WM_RBUTTONDOWN, WM_RBUTTONUP);
    EXPECT_TRUE(prompts.MessageTexts().empty());
    prompts.AnswerMessage(IDOK);
    Click({100, 175});
    EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{"Please open a project."});
  }
  EXPECT_EQ(nav.lblStatus.Caption(), "Closed Favorites Folder");
  EXPECT_EQ(Outlined(), std::vector<int>{32});
  EXPECT_EQ(ShownPanels(form), std::vector<int>{0});
  // The bare picture clears the outline.
  Mouse({300, 300}, WM_MOUSEMOVE);
  EXPECT_EQ(nav.lblStatus.Caption(), "");
  EXPECT_TRUE(Outlined().empty());
}

TEST_F(NavigatorMapTest, StatusTextsComeFromTheLanguageFileAndStayWhileThePointerStaysOnItsPiece) {
  WriteLanguage("English", "Normal_Toolbar_Text=Menu names\r\n");
  UseLanguage("French");
  WriteLanguage("French", "Caption_Text=Titre\r\n");
  struct Case {
    POINT at;
    const char* status;
  };
  for (const Case& c : {Case{{80, 18}, "Titre"}, Case{{400, 15}, "Menu names"}, Case{{15, 15}, "Caption Bar Icon"}}) {
    Mouse(c.at, WM_MOUSEMOVE);
    EXPECT_EQ(nav.lblStatus.Caption(), c.status);
  }
  // Within one piece the text is not read again.
  WriteLanguage("French", "Caption_Bar_Icon=Icone\r\n");
  Mouse({16, 16}, WM_MOUSEMOVE);
  EXPECT_EQ(nav.lblStatus.Caption(), "Caption Bar Icon");
}

}  // namespace
