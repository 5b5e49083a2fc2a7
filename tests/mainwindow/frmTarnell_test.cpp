// The main window's frame: layout, the tab strip and its clicks, the
// embedded pages, the first activation, keys, resizing and closing.
#include "mainwindow/frmTarnell.h"

#include <gtest/gtest.h>

#include "core/files.h"
#include "mainwindow/embedded_pages.h"
#include "main_window_support.h"
#include "support/scripted_prompter.h"

namespace {

using namespace main_window_tests;
using testing_support::Exists;

using Panels = std::vector<int>;

TEST_F(MainWindowTest, PanelsLieOverTheStripsBodyWithThePagesEmbeddedInThem) {
  form.Load();
  EXPECT_EQ(form.ScaleWidth(), 784);
  EXPECT_EQ(form.ScaleHeight(), 544);
  HWND strip = form.TabStrip();
  ASSERT_NE(strip, nullptr);
  RECT rc = PlaceInParent(strip);
  EXPECT_EQ(rc.left, 6);
  EXPECT_EQ(rc.top, 5);
  EXPECT_EQ(rc.right, form.Width() - 10);
  EXPECT_EQ(rc.bottom, form.Height() - 51);

  for (int i = 0; i < mainwindow::frmTarnell::kPageCount; ++i) {
    SCOPED_TRACE(i);
    RECT panel = PlaceInParent(form.picTabs(i).hWnd());
    EXPECT_EQ(panel.left, 9);
    EXPECT_EQ(panel.top, 28);
    EXPECT_EQ(panel.right - panel.left, 766);
    EXPECT_EQ(panel.bottom - panel.top, 508);
  }
  // Before a project: page 0 shows, disabled; the strip is under it.
  EXPECT_EQ(ShownPanels(form), Panels{0});
  EXPECT_FALSE(IsWindowEnabled(form.picTabs(0).hWnd()));
  POINT inBody{100, 200};
  EXPECT_EQ(ChildWindowFromPointEx(form.hWnd(), inBody, CWP_SKIPINVISIBLE), form.picTabs(0).hWnd());
  EXPECT_EQ(SelectedTab(strip), 0);

  struct Embedded {
    ui::Form* page;
    int panel;
  };
  const Embedded pages[] = {{mainwindow::gColorsPage.get(), 4},
                            {mainwindow::gBackgroundsPage.get(), 5},
                            {mainwindow::gTabBarPage.get(), 6}};
  for (const Embedded& e : pages) {
    SCOPED_TRACE(e.panel);
    ASSERT_NE(e.page, nullptr);
    HWND h = e.page->HwndIfLoaded();
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GetParent(h), form.picTabs(e.panel).hWnd());
    EXPECT_TRUE(GetWindowLongPtrA(h, GWL_STYLE) & WS_CHILD);
    EXPECT_TRUE(GetWindowLongPtrA(h, GWL_STYLE) & WS_VISIBLE);
    RECT page = PlaceInParent(h);
    EXPECT_EQ(page.left, 0);
    EXPECT_EQ(page.top, 0);
    EXPECT_EQ(page.right, 766);
    EXPECT_EQ(page.bottom, 508);
  }
  EXPECT_NE(SendMessageA(form.hWnd(), WM_GETICON, ICON_BIG, 0), 0);
}

TEST_F(MainWindowTest, BeforeAProjectAClickOnTheStripOnlyAsksForOne) {
  form.Load();
  HWND strip = form.TabStrip();
  {
    testing_support::ScriptedPrompter prompts;
    prompts.AnswerMessage(IDOK).AnswerMessage(IDOK);
    ClickStrip(strip, TabCentre(strip, 3));
    // A double click is a press too.
    SendMessageA(strip, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(TabCentre(strip, 5).x, TabCentre(strip, 5).y));
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].text, "Please open a project.");
    EXPECT_EQ(prompts.messages[0].title, "Velmora 2 Tarnell");
    EXPECT_EQ(prompts.messages[0].type, static_cast<UINT>(MB_OK));
  }
  EXPECT_EQ(SelectedTab(strip), 0);
  EXPECT_EQ(ShownPanels(form), Panels{0});

  WriteLanguage("English", "No_Project=Open one first.\r\nName=Tarnell\r\n");
  UseLanguage("English");
  form.Unload();
  form.Load();
  strip = form.TabStrip();
  testing_support::ScriptedPrompter prompts;
  prompts.AnswerMessage(IDOK);
  ClickStrip(strip, TabCentre(strip, 9));
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{"Open one first."});
  EXPECT_EQ(prompts.messages[0].title, "Tarnell");
  EXPECT_EQ(SelectedTab(strip), 0);
}

TEST_F(MainWindowTest, WithAProjectAClickOnATabShowsThatPageOnly) {
  form.Load();
  core::gProjectName = "My Skin";
  HWND strip = form.TabStrip();
  for (int n : {3, 0, 9, 4, 6, 5, 1, 2, 7, 8}) {
    SCOPED_TRACE(n);
    ClickStrip(strip, TabCentre(strip, n));
    EXPECT_EQ(SelectedTab(strip), n);
    EXPECT_EQ(ShownPanels(form), Panels{n});
  }
  // Beside the last tab header: nothing changes.
  RECT last{};
  SendMessageA(strip, TCM_GETITEMRECT, 9, reinterpret_cast<LPARAM>(&last));
  RECT body = PlaceInParent(strip);
  ASSERT_LT(last.right + 5, body.right - body.left);
  ClickStrip(strip, {last.right + 5, (last.top + last.bottom) / 2});
  EXPECT_EQ(SelectedTab(strip), 8);
  EXPECT_EQ(ShownPanels(form), Panels{8});
  // The strip never takes the focus from a click.
  EXPECT_NE(GetFocus(), strip);
}

TEST_F(MainWindowTest, ResizingFollowsTheWindowButAMinimisedWindowChangesNothing) {
  Store("NavigatorShow", "0");
  form.Show();
  form.SetState(ui::WindowState::Minimized);
  ASSERT_EQ(form.State(), ui::WindowState::Minimized);
  RECT panel = PlaceInParent(form.picTabs(0).hWnd());
  EXPECT_EQ(panel.right - panel.left, 766);
  EXPECT_EQ(panel.bottom - panel.top, 508);
  form.SetState(ui::WindowState::Normal);
  RECT strip = PlaceInParent(form.TabStrip());
  EXPECT_EQ(strip.right, form.Width() - 10);
  EXPECT_EQ(strip.bottom, form.Height() - 51);
  panel = PlaceInParent(form.picTabs(0).hWnd());
  EXPECT_EQ(panel.right - panel.left, form.ScaleWidth() - 18);
  EXPECT_EQ(panel.bottom - panel.top, form.ScaleHeight() - 36);
}

TEST_F(MainWindowTest, TheFirstActivationOpensTheNavigatorUnlessItWasClosedLastTime) {
  form.Show();
  EXPECT_TRUE(core::gNavigatorShown);
  EXPECT_TRUE(tools::NavigatorForm().Visible());
  EXPECT_FALSE(form.mnuAutoOpen.Checked());
  // Later activations leave it alone.
  tools::NavigatorForm().Unload();
  SendMessageA(form.hWnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_FALSE(core::gNavigatorShown);
  form.Unload();

  Store("NavigatorShow", "0");
  Store("ReOpenLast", "1");
  form.Show();
  EXPECT_FALSE(core::gNavigatorShown);
  EXPECT_FALSE(tools::NavigatorForm().IsLoaded());
  // No recent project to reopen: only the option shows.
  EXPECT_TRUE(form.mnuAutoOpen.Checked());
}

TEST_F(MainWindowTest, F2AndF3OpenTheToolWindowsFromTheWindowAndFromEveryEmbeddedPage) {
  form.Load();
  PressKey(form.hWnd(), VK_F2);
  EXPECT_TRUE(core::gNavigatorShown);
  EXPECT_TRUE(tools::NavigatorForm().Visible());
  for (ui::Form* page : {static_cast<ui::Form*>(mainwindow::gColorsPage.get()),
                         static_cast<ui::Form*>(mainwindow::gBackgroundsPage.get()),
                         static_cast<ui::Form*>(mainwindow::gTabBarPage.get())}) {
    tools::NavigatorForm().SetState(ui::WindowState::Minimized);
    PressKey(page->hWnd(), VK_F2);
    EXPECT_EQ(tools::NavigatorForm().State(), ui::WindowState::Normal);
  }
  tools::NavigatorForm().Unload();
  PressKey(mainwindow::gTabBarPage->hWnd(), VK_F2);
  EXPECT_TRUE(core::gNavigatorShown);
  EXPECT_TRUE(tools::NavigatorForm().Visible());

  PressKey(mainwindow::gColorsPage->hWnd(), VK_F3);
  EXPECT_TRUE(core::gCutterShown);
  EXPECT_TRUE(tools::CutterForm().Visible());
}

TEST_F(MainWindowTest, CtrlXClosesTheWindowOnlyWhenNoTextBoxHasTheFocus) {
  Store("NavigatorShow", "0");
  form.Show();
  form.EnableProjectCommands();
  ui::TextBox box(&form.picTabs(0), {10, 10, 100, 22}, "some text");
  box.CreateWindowNow();
  box.SetFocus();
  ASSERT_TRUE(box.HasFocus());
  {
    CtrlHeld ctrl;
    PressKey(box.hWnd(), 'X');
  }
  EXPECT_TRUE(form.IsLoaded());
  SetFocus(form.hWnd());
  {
    CtrlHeld ctrl;
    PressKey(form.hWnd(), 'X');
  }
  EXPECT_FALSE(form.IsLoaded());
}

TEST_F(MainWindowTest, ClosingWithTheNavigatorOpenHasItOpenAgainAtTheNextStart) {
  testing_support::WriteFile(*this / "Temp\\left.txt", "x");
  testing_support::WriteFile(*this / "Temp\\Default\\default\\pelto.ini", "[General]\r\n");
  core::gTempFolder = *this / "Temp";
  form.Load();
  form.mnuNavigator_Click();
  form.mnuCutter_Click();
  ASSERT_TRUE(core::gNavigatorShown);
  EXPECT_TRUE(form.Unload());

  EXPECT_EQ(Setting("NavigatorShow"), "1");
  EXPECT_NE(Setting("NavigatorRect"), "");
  EXPECT_NE(Setting("CutterRect"), "");
  EXPECT_FALSE(tools::NavigatorForm().IsLoaded());
  EXPECT_FALSE(tools::CutterForm().IsLoaded());
  EXPECT_FALSE(core::gNavigatorShown);
  EXPECT_FALSE(core::gCutterShown);
  EXPECT_FALSE(Exists(*this / "Temp"));
  EXPECT_EQ(mainwindow::gColorsPage, nullptr);
  EXPECT_EQ(mainwindow::gBackgroundsPage, nullptr);
  EXPECT_EQ(mainwindow::gTabBarPage, nullptr);
  EXPECT_EQ(form.TabStrip(), nullptr);
}

TEST_F(MainWindowTest, ANavigatorClosedByTheUserStaysClosedAtTheNextStart) {
  form.Load();
  form.mnuNavigator_Click();
  tools::NavigatorForm().Unload();
  EXPECT_EQ(Setting("NavigatorShow"), "0");
  EXPECT_TRUE(form.Unload());
  EXPECT_EQ(Setting("NavigatorShow"), "0");
}

TEST_F(MainWindowTest, CancellingTheSaveQuestionKeepsTheWindowAndTheProject) {
  form.Load();
  core::gProjectName = "My Skin";
  core::gModified = true;
  {
    testing_support::ScriptedPrompter prompts;
    prompts.AnswerMessage(IDCANCEL);
    EXPECT_FALSE(form.Unload());
    EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{"Do you want to save changes to \"My Skin\"?"});
    EXPECT_EQ(prompts.messages[0].type, static_cast<UINT>(MB_YESNOCANCEL));
  }
  EXPECT_TRUE(form.IsLoaded());
  EXPECT_TRUE(core::gModified);
  EXPECT_NE(mainwindow::gColorsPage, nullptr);

  testing_support::ScriptedPrompter prompts;
  prompts.AnswerMessage(IDNO);
  EXPECT_TRUE(form.Unload());
  EXPECT_FALSE(core::gModified);
}

}  // namespace
