// What the tests of the element editors and of the pages built on them
// share: a project folder with a pelto.ini written by the test, the user's
// mouse and list picks as the windows receive them, and colour checks.
#pragma once

#include <windows.h>

#include <string>

#include "core/files.h"
#include "core/globals.h"
#include "support/files.h"
#include "support/program.h"
#include "ui/ui.h"

namespace editor_tests {

// A fresh program folder with a project in it: Projects\Test\pelto.ini.
class ProjectFolderTest : public testing_support::ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    testing_support::MakeFolders(core::gTempFolder);
    project = *this / "Projects\\Test";
    testing_support::MakeFolders(project);
    core::gProjectName = "Test";
    core::gProjectFolder = project;
    core::gProjectFolderName = "Test";
    core::gSkinIni = project + "\\pelto.ini";
  }
  void WriteIniText(const std::string& text) { testing_support::WriteFile(core::gSkinIni, text); }
  // What LoadProject sets up around the page loaders: the scratch copy of
  // pelto.ini and the loading flag. EndLoad removes both again.
  void BeginLoad() {
    core::gTempIni = core::gTempFolder + "\\config.ini";
    core::gFileSystem.CopyFileTo(core::gSkinIni, core::gTempIni, true);
    core::gLoadingProject = true;
  }
  void EndLoad() {
    core::gLoadingProject = false;
    core::gModified = false;
    core::gFileSystem.RemoveFile(core::gTempIni, false);
  }
  testing_support::IniData Saved() const { return testing_support::ParseIni(core::gSkinIni); }
  // The value of a key of the saved file; "<none>" when it is absent.
  std::string SavedValue(const std::string& section, const std::string& key) const {
    auto data = Saved();
    auto s = data.find(core::ToLower(section));
    if (s == data.end()) return "<none>";
    auto k = s->second.find(core::ToLower(key));
    return k == s->second.end() ? "<none>" : k->second;
  }

  std::string project;
};

// A left-button click at a point of a window, as the mouse sends it.
inline void Click(HWND hwnd, int x = 2, int y = 2) {
  SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

inline void DoubleClick(HWND hwnd, int x = 2, int y = 2) {
  Click(hwnd, x, y);
  SendMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// The user picks item index of a drop-down list.
inline void PickItem(ui::ComboBox& combo, int index) {
  HWND h = combo.hWnd();
  SendMessageA(h, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageA(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), CBN_SELCHANGE), reinterpret_cast<LPARAM>(h));
}

// The user clicks a check box.
inline void Toggle(ui::CheckBox& box) { SendMessageA(box.hWnd(), BM_CLICK, 0, 0); }

// True when the colour is within a few steps of the expected one in every
// component (gradients round their steps).
inline bool Near(COLORREF actual, COLORREF expected, int tolerance = 12) {
  auto close = [tolerance](int a, int b) { return a - b <= tolerance && b - a <= tolerance; };
  return close(GetRValue(actual), GetRValue(expected)) && close(GetGValue(actual), GetGValue(expected)) &&
         close(GetBValue(actual), GetBValue(expected));
}

}  // namespace editor_tests
