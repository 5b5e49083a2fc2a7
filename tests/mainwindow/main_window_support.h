// What the main window tests share: the one main window in a fresh program
// folder, left unloaded with every flag reset after each test, and helpers
// that read the native tab strip and click it as the mouse does.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "core/globals.h"
#include "core/ini.h"
#include "mainwindow/frmTarnell.h"
#include "support/files.h"
#include "support/icon_tables.h"
#include "support/program.h"
#include "tools/frmCutter.h"
#include "tools/frmNavigator.h"
#include "ui/ui.h"

namespace main_window_tests {

class MainWindowTest : public testing_support::ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    // Start-up fills the icon catalogue's names before the window shows.
    testing_support::ResetIconCatalogue();
  }
  void TearDown() override {
    core::gModified = core::gLoadingProject = false;
    form.Unload();
    tools::NavigatorForm().Unload();
    tools::CutterForm().Unload();
    ProgramFolderTest::TearDown();
  }
  std::string Setting(const std::string& key) { return core::ReadIni(Config(), "General", key); }
  void Store(const std::string& key, const std::string& value) { core::WriteIni(Config(), "General", key, value); }
  // A language file in Languages\ holding the given lines of [General].
  std::string WriteLanguage(const std::string& name, const std::string& lines) {
    return testing_support::WriteFile(*this / ("Languages\\" + name + ".ini"), "[General]\r\n" + lines);
  }
  // The language start-up chose.
  void UseLanguage(const std::string& name) {
    core::gLanguage = name;
    core::gLanguageFile = *this / ("Languages\\" + name + ".ini");
  }

  mainwindow::frmTarnell& form = mainwindow::MainForm();
};

inline std::string TabText(HWND strip, int index) {
  char buf[128] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = buf;
  item.cchTextMax = sizeof buf;
  SendMessageA(strip, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return buf;
}

inline std::vector<std::string> TabTexts(HWND strip) {
  std::vector<std::string> texts;
  int count = static_cast<int>(SendMessageA(strip, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) texts.push_back(TabText(strip, i));
  return texts;
}

inline int SelectedTab(HWND strip) { return static_cast<int>(SendMessageA(strip, TCM_GETCURSEL, 0, 0)); }

inline POINT TabCentre(HWND strip, int index) {
  RECT rc{};
  SendMessageA(strip, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rc));
  return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

// A left-button click at a point of the strip, as the mouse sends it.
inline void ClickStrip(HWND strip, POINT pt) {
  SendMessageA(strip, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
  SendMessageA(strip, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
}

// The indexes of the page panels whose windows are visible.
inline std::vector<int> ShownPanels(mainwindow::frmTarnell& form) {
  std::vector<int> shown;
  for (int i = 0; i < form.picTabs.Count(); ++i)
    if (GetWindowLongPtrA(form.picTabs(i).hWnd(), GWL_STYLE) & WS_VISIBLE) shown.push_back(i);
  return shown;
}

// A child window's rectangle in its parent's client coordinates.
inline RECT PlaceInParent(HWND hwnd) {
  RECT rc{};
  GetWindowRect(hwnd, &rc);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

inline std::string WindowText(HWND hwnd) {
  char buf[512] = {};
  GetWindowTextA(hwnd, buf, sizeof buf);
  return buf;
}

// A key pressed while hwnd has the focus, through the message loop's path.
inline void PressKey(HWND hwnd, UINT vk) {
  MSG msg{hwnd, WM_KEYDOWN, vk, 1, 0, {0, 0}};
  if (!ui::PreTranslate(msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Holds Ctrl down for the thread's key state while it lives.
class CtrlHeld {
 public:
  CtrlHeld() { SetCtrl(0x80); }
  ~CtrlHeld() { SetCtrl(0); }
  CtrlHeld(const CtrlHeld&) = delete;
  CtrlHeld& operator=(const CtrlHeld&) = delete;

 private:
  static void SetCtrl(BYTE state) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = state;
    SetKeyboardState(keys);
  }
};

// A menu command as the menu bar sends it.
inline void ChooseMenu(mainwindow::frmTarnell& form, const ui::MenuItem& item) {
  SendMessageA(form.hWnd(), WM_COMMAND, MAKEWPARAM(item.Id(), 0), 0);
}

}  // namespace main_window_tests
