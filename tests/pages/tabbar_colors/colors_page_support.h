// What the Colors page tests share: the page loaded on its own over a
// project folder, its section loaded as LoadProject loads it, and typing
// into a colour text as the keyboard does.
#pragma once

#include <windows.h>

#include <string>

#include "pages/editor_support.h"
#include "pages/tabbar_colors/frmColor.h"

namespace colors_tests {

// The fifteen rows as the section stores them.
struct RowKeys {
  const char* stem;
  const char* key;  // as read
  const char* readDefault;
};
inline constexpr RowKeys kRowKeys[pages::frmColor::kTextRows] = {
    {"Caption", "Caption.Text", "#666666"},
    {"TabActive", "Tab.Active.Text", "#000000"},
    {"TabHover", "Tab.Hover.Text", "#000066"},
    {"TabInactive", "Tab.Normal.Text", "#333333"},
    {"ToolbarNormal", "Toolbar.Normal.Text", "#333333"},
    {"ToolbarDisable", "Toolbar.Disable.Text", "#999999"},
    {"ToolbarHover", "Toolbar.Hover.Text", "#000000"},
    {"ToolbarChecked", "Toolbar.Checked.Text", "#000000"},
    {"ToolbarPressed", "Toolbar.Pressed.Text", "#000000"},
    {"MenuNormal", "Menu.Normal.Text", "#333333"},
    {"MenuDisable", "Menu.Disable.Text", "#999999"},
    {"MenuHover", "Menu.Hover.Text", "#000000"},
    {"MenuChecked", "Menu.Checked.Text", "#000000"},
    {"ComboBox", "ComboBox.Text", "#333333"},
    {"StatusAddress", "Status.Address.Text", "#000000"},
};

inline constexpr const char* kGradientKeys[6] = {"Menu.Checked.Start", "Menu.Checked.End", "Menu.Checked.Border",
                                                 "Menu.Hover.Start",   "Menu.Hover.End",   "Menu.Hover.Border"};

class ColorPageTest : public editor_tests::ProjectFolderTest {
 protected:
  void SetUp() override {
    ProjectFolderTest::SetUp();
    page.Load();
  }
  void TearDown() override {
    page.Unload();
    ProjectFolderTest::TearDown();
  }
  // LoadColor as LoadProject runs it; the modified flag is left as the
  // load's change handlers set it.
  void LoadPage() {
    BeginLoad();
    page.LoadColor();
    core::gLoadingProject = false;
    core::gFileSystem.RemoveFile(core::gTempIni, false);
  }
  pages::ColorRow& Row(int k) { return page.TextRow(k).colour; }

  pages::frmColor page;
};

// The user selects the whole text and types text over it, one key at a time.
inline void Type(ui::TextBox& box, const std::string& text) {
  HWND h = box.hWnd();
  SendMessageA(h, EM_SETSEL, 0, -1);
  if (text.empty()) SendMessageA(h, WM_CHAR, VK_BACK, 1);
  for (char c : text) SendMessageA(h, WM_CHAR, static_cast<unsigned char>(c), 1);
}

}  // namespace colors_tests
