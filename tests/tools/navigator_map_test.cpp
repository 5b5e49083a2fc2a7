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

class NavigatorMapTest : public main_window_tests::ProjectTest {
 protected:
  // The mouse at a point of the browser picture: the message goes to the
  // window it finds there, nested pieces in front of their parents.
  void Mouse(POINT at, UINT msg, WPARAM keys = 0) {
    HWND h = nav.picClient.hWnd();
    for (HWND child; (child = ChildWindowFromPointEx(h, at, CWP_SKIPINVISIBLE)) && child != h; h = child)
      MapWindowPoints(h, child, &at, 1);
    SendMessageA(h, msg, keys, MAKELPARAM(at.x, at.y));
  }
  void Click(POINT at) {
    Mouse(at, WM_LBUTTONDOWN, MK_LBUTTON);
    Mouse(at, WM_LBUTTONUP);
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
  Store("NavigatorShow", "0");
  form.Show();
  nav.Show();
  core::gNavigatorShown = true;
  WriteLanguage("English", "Normal_Toolbar_Text=Menu names\r\n");
  UseLanguage("French");
  WriteLanguage("French", "Caption_Text=Titre\r\n");
  for (auto [at, shown] :
       {std::pair<POINT, const char*>{{400, 15}, "Menu names #16"}, {{15, 15}, "Caption Bar Icon #23"}}) {
    Mouse(at, WM_MOUSEMOVE);
    EXPECT_EQ(Shown(), shown);
  }
  // Within one piece the text is not read again. Without a project a left
  // click only says so, and a right click does nothing.
  WriteLanguage("French", "Caption_Text=Titre\r\nCaption_Bar_Icon=Icone\r\n");
  Mouse({16, 16}, WM_MOUSEMOVE);
  {
    testing_support::ScriptedPrompter prompts;
    Mouse({16, 16}, WM_RBUTTONDOWN, MK_RBUTTON);
    Mouse({16, 16}, WM_RBUTTONUP);
    prompts.AnswerMessage(IDOK);
    Click({16, 16});
    EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{"Please open a project."});
  }
  EXPECT_EQ(Shown(), "Caption Bar Icon #23");
  EXPECT_EQ(main_window_tests::ShownPanels(form), std::vector<int>{0});
  // The bare picture clears the outline.
  Mouse({300, 300}, WM_MOUSEMOVE);
  EXPECT_EQ(Shown(), "");

  Open(DefaultSkinProject("Nav"));
  const struct {
    POINT at;  // in the browser picture
    const char* shown;
    int page;
    const char* target;  // the focused box, or the selected button or icon
  } cases[] = {
      {{85, 40}, "Toolbar Buttons #0", 2, "Forward"},
      {{55, 40}, "Toolbar Buttons #0", 2, "Forward"},  // between the buttons: none chosen
      {{56, 40}, "Toolbar Buttons #0", 2, "Back"},
      {{701, 15}, "Window Buttons #4", 2, "MenuClose"},
      {{619, 335}, "Status Bar Buttons #17", 3, "Zoom"},
      {{250, 8}, "Menu Bar/Caption Bar Background #36", 5, "txtMenuBarBkgndImage"},
      {{700, 340}, "Status Bar Background #2", 5, "txtStatusBarBkgndImage"},
      // The default skin's title background is a gradient.
      {{100, 100}, "Side Bar Title Background #3", 7, "txtSideBarTitleBkgndStartColor"},
      {{50, 88}, "Active Tab #12", 6, "txtTabActiveImage"},
      {{295, 75}, "Tab Close Button #24", 6, "txtTabCloseNormalImage"},
      {{80, 18}, "Titre #14", 4, "txtCaptionTextColor"},
      {{420, 45}, "Combo Box Background #9", 8, "txtComboNormalFilePath"},
      {{337, 335}, "Progress Bar #30", 9, "txtProgressFGFilePath"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    Mouse(c.at, WM_MOUSEMOVE);
    EXPECT_EQ(Shown(), c.shown);
    Click(c.at);
    EXPECT_EQ(main_window_tests::ShownPanels(form), std::vector<int>{c.page});
    EXPECT_EQ(Shown(), "");
    if (c.page <= 3) {
      EXPECT_EQ((c.page == 2 ? form.txtButtonName : form.txtSmallButton).Text(), c.target);
      continue;
    }
    auto* box = dynamic_cast<ui::TextBox*>(c.page == 4   ? mainwindow::gColorsPage->FindControl(c.target)
                                           : c.page == 5 ? mainwindow::gBackgroundsPage->FindControl(c.target)
                                           : c.page == 6 ? mainwindow::gTabBarPage->FindControl(c.target)
                                                         : form.FindControl(c.target));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->HasFocus());
    EXPECT_FALSE(box->Text().empty());
    EXPECT_EQ(box->SelStart(), 0);
    EXPECT_EQ(box->SelLength(), std::min<int>(200, static_cast<int>(box->Text().size())));
  }
  // The main window comes back as it was, but never minimised.
  for (auto [before, after] : {std::pair{ui::WindowState::Minimized, ui::WindowState::Normal},
                               {ui::WindowState::Maximized, ui::WindowState::Maximized}}) {
    form.SetState(before);
    nav.SetState(ui::WindowState::Normal);
    Click({100, 175});
    EXPECT_EQ(form.State(), after);
    EXPECT_EQ(GetActiveWindow(), form.hWnd());
    EXPECT_EQ(form.txtSmallButton.Text(), "FolderClose");
  }
}

}  // namespace
