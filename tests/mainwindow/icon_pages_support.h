// What the Buttons and Icons page tests share: the icon catalogue reset
// around each test, projects copied from the default skin, and tiles,
// boxes and buttons driven by the window messages the user's actions send.
#pragma once

#include <windows.h>

#include <string>

#include "core/icon_catalogue.h"
#include "project_support.h"
#include "support/png.h"
#include "support/scripted_prompter.h"

namespace main_window_tests {

inline const COLORREF kWindowColour = GetSysColor(COLOR_WINDOW);
inline const COLORREF kButtonFaceColour = GetSysColor(COLOR_BTNFACE);
inline const COLORREF kHighlightColour = GetSysColor(COLOR_HIGHLIGHT);

class IconPagesTest : public ProjectTest {
 protected:

  // A press of a mouse button on a picture and its release.
  static void Press(ui::PictureBox& picture, UINT down = WM_LBUTTONDOWN) {
    UINT up = down == WM_RBUTTONDOWN ? WM_RBUTTONUP : WM_LBUTTONUP;
    SendMessageA(picture.hWnd(), down, down == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(picture.hWnd(), up, 0, MAKELPARAM(3, 3));
  }
  static void DoubleClick(ui::PictureBox& picture) {
    Press(picture);
    SendMessageA(picture.hWnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(picture.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  }
  // Text put into an edit box as typing does: the box notifies its change.
  static void Type(ui::TextBox& box, const std::string& text) {
    SendMessageA(box.hWnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  static void Click(ui::CommandButton& button) { SendMessageA(button.hWnd(), BM_CLICK, 0, 0); }
  // A Browse button answered with file (or cancelled with "").
  static void Browse(ui::CommandButton& button, const std::string& file) {
    testing_support::ScriptedPrompter prompts;
    prompts.AnswerFile(file);
    Click(button);
  }

  // A copy of the default skin as a project, opened.
  std::string OpenDefaultSkin(const std::string& name = "Default") {
    std::string folder = DefaultSkinProject(name);
    Open(folder);
    return folder;
  }
  // An image outside every project.
  std::string OutsideImage(const std::string& name, COLORREF colour, int size = 16) {
    return testing_support::WritePng(*this / ("Art\\" + name), size, size, colour);
  }

  static bool Highlighted(ui::PictureBox& tile) {
    return tile.BackColor() == ui::kSysHighlight && tile.Point(0, 0) == kHighlightColour;
  }
  static bool Plain(ui::PictureBox& tile) {
    return tile.BackColor() == ui::kSysWindow && tile.Point(0, 0) == kWindowColour;
  }
  static bool Missing(ui::PictureBox& tile) {
    return tile.BackColor() == ui::kSysButtonFace && tile.Point(0, 0) == kButtonFaceColour;
  }
  static COLORREF Centre(ui::PictureBox& picture) { return picture.Point(picture.Width() / 2, picture.Height() / 2); }
};

}  // namespace main_window_tests
