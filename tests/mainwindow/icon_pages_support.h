// What the Buttons and Icons page tests share: tiles, boxes and buttons
// driven by the window messages the user's actions send, and the looks of
// the tiles.
#pragma once

#include <windows.h>

#include <string>

#include "core/icon_catalogue.h"
#include "project_support.h"
#include "support/png.h"
#include "support/scripted_prompter.h"

namespace main_window_tests {

inline const COLORREF kHighlightColour = GetSysColor(COLOR_HIGHLIGHT);

class IconPagesTest : public ProjectTest {
 protected:
  // A press of a mouse button on a picture and its release.
  static void Press(ui::PictureBox& picture, UINT down = WM_LBUTTONDOWN) {
    bool right = down == WM_RBUTTONDOWN;
    SendMessageA(picture.hWnd(), down, right ? MK_RBUTTON : MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(picture.hWnd(), right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  }
  static void DoubleClick(ui::PictureBox& picture) {
    Press(picture);
    Press(picture, WM_LBUTTONDBLCLK);
  }
  // Text put into an edit box as typing does: the box notifies its change.
  static void Type(ui::TextBox& box, const std::string& text) {
    SendMessageA(box.hWnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  static void Click(ui::Control& button) { SendMessageA(button.hWnd(), BM_CLICK, 0, 0); }
  // A Browse button answered with file (or cancelled with "").
  static void Browse(ui::CommandButton& button, const std::string& file) {
    testing_support::ScriptedPrompter prompts;
    prompts.AnswerFile(file);
    Click(button);
  }

  // A tile's look: selected, plain, or without an image.
  static bool Shows(ui::PictureBox& tile, ui::Color back, int colour) {
    return tile.BackColor() == back && tile.Point(0, 0) == GetSysColor(colour);
  }
  static bool Highlighted(ui::PictureBox& tile) { return Shows(tile, ui::kSysHighlight, COLOR_HIGHLIGHT); }
  static bool Plain(ui::PictureBox& tile) { return Shows(tile, ui::kSysWindow, COLOR_WINDOW); }
  static bool Missing(ui::PictureBox& tile) { return Shows(tile, ui::kSysButtonFace, COLOR_BTNFACE); }
  static COLORREF Centre(ui::PictureBox& picture) { return picture.Point(picture.Width() / 2, picture.Height() / 2); }
};

}  // namespace main_window_tests
