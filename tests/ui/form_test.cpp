// Forms: loading and unloading, keyboard preview, menus and shortcuts,
// timers, and modal forms answered through the prompt seam.
#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include <string>
#include <vector>

#include "support/scripted_prompter.h"
#include "ui/ui.h"

namespace {

class MenuForm : public ui::Form {
 public:
  MenuForm() : ui::Form("Menus", 300, 200) {}
  ui::MenuItem mnuFile{this, "File"};
  ui::MenuItem mnuNew{&mnuFile, "New Project...", ui::Shortcut::Ctrl('N')};
  ui::MenuItem mnuSave{&mnuFile, "Save Project", ui::Shortcut::Ctrl('S')};
  ui::MenuArray mnuList{&mnuFile, "-"};
  ui::MenuItem mnuExit{&mnuFile, "Exit", ui::Shortcut::Ctrl('X')};
  ui::MenuItem mnuTools{this, "Tools"};
  ui::MenuItem mnuNavigator{&mnuTools, "Open Skin Navigator", ui::Shortcut::Key(VK_F2)};
  ui::TextBox txtName{this, {8, 8, 100, 22}};
  std::vector<std::string> log;
  int unloadCancel = 0;
  bool preview = false;

 private:
  void Bind() override {
    mnuNew.Click = [this] { log.push_back("mnuNew_Click"); };
    mnuSave.Click = [this] { log.push_back("mnuSave_Click"); };
    mnuExit.Click = [this] { log.push_back("mnuExit_Click"); };
    mnuNavigator.Click = [this] { log.push_back("mnuNavigator_Click"); };
    mnuList.Click = [this](int i) { log.push_back("mnuList_Click:" + std::to_string(i)); };
    mnuExit.ShortcutApplies = [this] { return !txtName.HasFocus(); };
    txtName.KeyDown = [this](int& key, int) { log.push_back("txtName_KeyDown:" + std::to_string(key)); };
  }
  void Form_Unload(int& cancel) override {
    log.push_back("Form_Unload");
    cancel = unloadCancel;
  }
  void Form_KeyDown(int& key, int) override {
    if (!preview) return;
    log.push_back("Form_KeyDown:" + std::to_string(key));
    if (key == VK_F9) key = 0;
  }
};

// Sends a key press through the same path as the message loop.
void PressKey(HWND target, UINT vk) {
  MSG msg{target, WM_KEYDOWN, vk, 1, 0, {0, 0}};
  if (!ui::PreTranslate(msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override { form.Load(); }
  void TearDown() override {
    form.unloadCancel = 0;
    form.Unload();
  }
  MenuForm form;
};

TEST_F(FormTest, MenuCommandsReachTheirItems) {
  SendMessageA(form.hWnd(), WM_COMMAND, MAKEWPARAM(form.mnuSave.Id(), 0), 0);
  EXPECT_EQ(form.log, (std::vector<std::string>{"mnuSave_Click"}));
  form.mnuSave.SetEnabled(false);
  SendMessageA(form.hWnd(), WM_COMMAND, MAKEWPARAM(form.mnuSave.Id(), 0), 0);
  EXPECT_EQ(form.log.size(), 1u);
}

TEST_F(FormTest, MenuBarShowsCaptionsShortcutsAndChecks) {
  HMENU file = GetSubMenu(GetMenu(form.hWnd()), 0);
  char text[64] = {};
  GetMenuStringA(file, form.mnuNew.Id(), text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "New Project...\tCtrl+N");
  form.mnuSave.SetChecked(true);
  file = GetSubMenu(GetMenu(form.hWnd()), 0);
  EXPECT_TRUE(GetMenuState(file, form.mnuSave.Id(), MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(FormTest, ShortcutsWorkWhereverTheFocusIs) {
  form.Show();
  PressKey(form.txtName.hWnd(), 'N');  // without Ctrl: a plain key for the text box
  EXPECT_EQ(form.log, (std::vector<std::string>{"txtName_KeyDown:78"}));
  form.log.clear();
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  PressKey(form.txtName.hWnd(), 'N');
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  PressKey(form.txtName.hWnd(), VK_F2);
  EXPECT_EQ(form.log, (std::vector<std::string>{"mnuNew_Click", "mnuNavigator_Click"}));
}

TEST_F(FormTest, CtrlXInATextBoxCutsInsteadOfExiting) {
  form.Show();
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  form.txtName.SetFocus();
  PressKey(form.txtName.hWnd(), 'X');
  EXPECT_EQ(form.log, (std::vector<std::string>{"txtName_KeyDown:88"}));
  form.log.clear();
  SetFocus(form.hWnd());
  PressKey(form.hWnd(), 'X');
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(form.log, (std::vector<std::string>{"mnuExit_Click"}));
}

TEST_F(FormTest, KeyPreviewSeesKeysFirstAndCanConsumeThem) {
  form.preview = true;
  form.KeyPreview = true;
  PressKey(form.txtName.hWnd(), VK_F9);
  PressKey(form.txtName.hWnd(), 'A');
  EXPECT_EQ(form.log, (std::vector<std::string>{"Form_KeyDown:120", "Form_KeyDown:65", "txtName_KeyDown:65"}));
}

TEST_F(FormTest, MenuArrayElementsLoadAfterTheLastAndReportTheirIndex) {
  form.mnuList.Load(1, "1. First");
  form.mnuList.Load(2, "2. Second & Co");
  EXPECT_EQ(form.mnuList.UBound(), 2);
  HMENU file = GetSubMenu(GetMenu(form.hWnd()), 0);
  char text[64] = {};
  // New, Save, separator, 1., 2., Exit
  GetMenuStringA(file, 4, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "2. Second & Co");
  SendMessageA(form.hWnd(), WM_COMMAND, MAKEWPARAM(form.mnuList(2).Id(), 0), 0);
  EXPECT_EQ(form.log, (std::vector<std::string>{"mnuList_Click:2"}));
  form.mnuList.Unload(2);
  form.mnuList.Unload(1);
  EXPECT_EQ(form.mnuList.UBound(), 0);
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(GetMenu(form.hWnd()), 0)), 4);
}

TEST_F(FormTest, CloseRunsUnloadWhichMayCancelIt) {
  form.unloadCancel = 1;
  SendMessageA(form.hWnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(form.IsLoaded());
  form.unloadCancel = 0;
  SendMessageA(form.hWnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(form.log, (std::vector<std::string>{"Form_Unload", "Form_Unload"}));
}

TEST(Timers, TickWhileEnabledAndTheirFormIsLoaded) {
  MenuForm form;
  ui::Timer timer(&form, 10, true);
  int ticks = 0;
  timer.Tick = [&] {
    ++ticks;
    timer.SetEnabled(false);
  };
  form.Load();
  DWORD start = GetTickCount();
  while (ticks == 0 && GetTickCount() - start < 5000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    ui::DoEvents();
  }
  EXPECT_EQ(ticks, 1);
  EXPECT_FALSE(timer.Running());
  form.Unload();
}

class DialogForm : public ui::Form {
 public:
  DialogForm() : ui::Form("Dialog", 200, 100, ui::FormStyle::FixedDialog) {}
  ui::CommandButton cmdOK{this, {10, 10, 80, 24}, "OK"};
  bool ok = false;

 private:
  void Bind() override {
    cmdOK.Click = [this] {
      ok = true;
      Unload();
    };
  }
};

TEST(ModalForms, AreAnsweredThroughThePromptSeam) {
  testing_support::ScriptedPrompter prompts;
  prompts.AnswerModal([](ui::Form& f) {
    auto& dialog = static_cast<DialogForm&>(f);
    SendMessageA(dialog.cmdOK.hWnd(), BM_CLICK, 0, 0);
  });
  MenuForm owner;
  owner.Load();
  DialogForm dialog;
  dialog.ShowModal(&owner);
  EXPECT_TRUE(dialog.ok);
  EXPECT_FALSE(dialog.IsLoaded());
  owner.Unload();
}

TEST(ModalForms, AnUnscriptedPromptFailsInsteadOfWaiting) {
  EXPECT_NONFATAL_FAILURE(ui::MsgBox("Hello", MB_OK, "Title"), "unscripted message box");
  DialogForm dialog;
  EXPECT_NONFATAL_FAILURE(dialog.ShowModal(nullptr), "unscripted modal form");
  EXPECT_FALSE(dialog.IsLoaded());
}

}  // namespace

namespace {

class PageForm : public ui::Form {
 public:
  PageForm() : ui::Form("", 120, 80, ui::FormStyle::Borderless) {}
  ui::TextBox txtValue{this, {4, 4, 100, 22}};
  int loads = 0;

 private:
  void Form_Load() override { ++loads; }
};

TEST(EmbeddedForms, BecomeChildWindowsOfTheirPanel) {
  MenuForm host;
  ui::PictureBox panel(&host, {9, 28, 200, 100});
  host.Load();
  PageForm page;
  page.EmbedInto(panel.hWnd());
  EXPECT_EQ(page.loads, 1);
  EXPECT_EQ(GetParent(page.hWnd()), panel.hWnd());
  LONG_PTR style = GetWindowLongPtrA(page.hWnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CHILD);
  EXPECT_FALSE(style & WS_POPUP);
  EXPECT_EQ(page.Left(), 0);
  EXPECT_EQ(page.Top(), 0);
  EXPECT_TRUE(IsWindowVisible(page.hWnd()) || !IsWindowVisible(panel.hWnd()));
  EXPECT_EQ(ui::Form::LoadedTopLevelCount(), 1);
  // Notifications of the page's controls still reach them.
  int changes = 0;
  page.txtValue.Change = [&] { ++changes; };
  SendMessageA(page.txtValue.hWnd(), WM_CHAR, 'a', 1);
  EXPECT_EQ(changes, 1);
  page.Unload();
  host.Unload();
}

}  // namespace
