// The Skin Navigator's map steering the real main window, with the default
// skin open as a project.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "mainwindow/embedded_pages.h"
#include "mainwindow/project_support.h"
#include "support/scripted_prompter.h"
#include "tools/frmNavigator.h"

namespace {

class NavigatorMapTest : public main_window_tests::ProjectTest {
 protected:
  // The mouse at a point of the browser picture, on the window there (nested
  // pieces in front of their parents); a button pressed is released there.
  void Mouse(POINT at, UINT msg, WPARAM keys = 0) {
    HWND h = nav.picClient.hWnd();
    for (HWND child; (child = ChildWindowFromPointEx(h, at, CWP_SKIPINVISIBLE)) && child != h; h = child)
      MapWindowPoints(h, child, &at, 1);
    SendMessageA(h, msg, keys, MAKELPARAM(at.x, at.y));
    if (msg != WM_MOUSEMOVE) SendMessageA(h, msg + 1, 0, MAKELPARAM(at.x, at.y));
  }
  // The window a click at the middle of a control of the main window reaches:
  // the control itself, unless something covers it.
  HWND Reached(HWND control) {
    RECT rc{};
    GetClientRect(control, &rc);
    POINT at{rc.right / 2, rc.bottom / 2};
    HWND h = form.hWnd();
    MapWindowPoints(control, h, &at, 1);
    for (HWND child; (child = ChildWindowFromPointEx(h, at, CWP_SKIPINVISIBLE)) && child != h; h = child)
      MapWindowPoints(h, child, &at, 1);
    return h;
  }
  // The status text and the outlined pieces.
  std::string Shown() {
    std::string shown = nav.lblStatus.Caption();
    for (int i = 0; i < tools::kPieceCount; ++i)
      if (nav.shpMaps(i).Visible()) shown += " #" + std::to_string(i);
    return shown;
  }
  tools::frmNavigator& nav = tools::NavigatorForm();
};

TEST_F(NavigatorMapTest, APieceIsNamedWhenPointedAtAndOnceAProjectIsOpenLeadsToItsEditor) {
  form.Show();  // which opens the navigator
  WriteLanguage("English", "Normal_Toolbar_Text=Menu names\r\n");
  UseLanguage("French");
  Mouse({15, 15}, WM_MOUSEMOVE);
  // Within one piece the text is not read again. Without a project a left
  // click only says so, and a right click does nothing.
  WriteLanguage("French", "Caption_Text=Titre\r\nCaption_Bar_Icon=Icone\r\n");
  Mouse({16, 16}, WM_MOUSEMOVE);
  testing_support::ScriptedPrompter prompts;
  Mouse({16, 16}, WM_RBUTTONDOWN, MK_RBUTTON);
  prompts.AnswerMessage(IDOK);
  Mouse({16, 16}, WM_LBUTTONDOWN, MK_LBUTTON);
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{"Please open a project."});
  EXPECT_EQ(Shown(), "Caption Bar Icon #23");
  EXPECT_EQ(main_window_tests::ShownPanels(form), std::vector<int>{0});
  // The bare picture clears the outline.
  Mouse({300, 300}, WM_MOUSEMOVE);
  EXPECT_EQ(Shown(), "");

  Open(DefaultSkinProject("Nav"));
  // Where, the piece shown, the page it leads to, the box focused or the button or icon chosen.
  const std::tuple<POINT, const char*, int, const char*> cases[] = {
      {{85, 40}, "Toolbar Buttons #0", 2, "Forward"},
      {{55, 40}, "Toolbar Buttons #0", 2, "Forward"},  // between the buttons: none chosen
      {{56, 40}, "Toolbar Buttons #0", 2, "Back"},
      {{701, 15}, "Window Buttons #4", 2, "MenuClose"},
      {{619, 335}, "Status Bar Buttons #17", 3, "Zoom"},
      {{700, 340}, "Status Bar Background #2", 5, "txtStatusBarBkgndImage"},
      // The default skin's title background is a gradient.
      {{100, 100}, "Side Bar Title Background #3", 7, "txtSideBarTitleBkgndStartColor"},
      // The Tab Bar page's second sub-page, then a piece of its first.
      {{50, 75}, "Tab Progress Animation #31", 6, "txtTabProgressImage"},
      {{50, 88}, "Active Tab #12", 6, "txtTabActiveImage"},
      {{295, 75}, "Tab Close Button #24", 6, "txtTabCloseNormalImage"},
      {{80, 18}, "Titre #14", 4, "txtCaptionTextColor"},
      {{400, 15}, "Menu names #16", 4, "txtToolbarNormalTextColor"},
      {{420, 45}, "Combo Box Background #9", 8, "txtComboNormalFilePath"},
      {{337, 335}, "Progress Bar #30", 9, "txtProgressFGFilePath"},
  };
  bool minimised = true;
  for (auto [at, shown, page, target] : cases) {
    SCOPED_TRACE(shown);
    Mouse(at, WM_MOUSEMOVE);
    EXPECT_EQ(Shown(), shown);
    // The main window comes back at its normal size, minimised or maximised.
    form.SetState((minimised = !minimised) ? ui::WindowState::Minimized : ui::WindowState::Maximized);
    Mouse(at, WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(form.State(), ui::WindowState::Normal);
    EXPECT_EQ(GetActiveWindow(), form.hWnd());
    EXPECT_EQ(main_window_tests::ShownPanels(form), std::vector<int>{page});
    EXPECT_EQ(Shown(), "");
    if (page <= 3) {
      EXPECT_EQ((page == 2 ? form.txtButtonName : form.txtSmallButton).Text(), target);
      continue;
    }
    auto* box = dynamic_cast<ui::TextBox*>(page == 4   ? mainwindow::gColorsPage->FindControl(target)
                                           : page == 5 ? mainwindow::gBackgroundsPage->FindControl(target)
                                           : page == 6 ? mainwindow::gTabBarPage->FindControl(target)
                                                       : form.FindControl(target));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->HasFocus());
    EXPECT_EQ(Reached(box->hWnd()), box->hWnd());  // on the sub-page that shows
    EXPECT_FALSE(box->Text().empty());
    EXPECT_EQ(box->SelStart(), 0);
    EXPECT_EQ(box->SelLength(), std::min<int>(200, static_cast<int>(box->Text().size())));
  }
}

TEST_F(NavigatorMapTest, AClickBringsAMinimisedOrMaximisedMainWindowBackAtItsNormalSize) {
  form.Show();
  Open(DefaultSkinProject("Nav"));
  form.Move(20, 30, 800, 600);
  for (ui::WindowState state : {ui::WindowState::Maximized, ui::WindowState::Minimized}) {
    SCOPED_TRACE(static_cast<int>(state));
    form.SetState(state);
    Mouse({700, 340}, WM_MOUSEMOVE);
    Mouse({700, 340}, WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(form.State(), ui::WindowState::Normal);
    EXPECT_TRUE(IsWindowVisible(form.hWnd()));
    EXPECT_EQ(std::tuple(form.Left(), form.Top(), form.Width(), form.Height()), std::tuple(20, 30, 800, 600));
  }
}

}  // namespace
