// What the two tool windows share: where they open and how they remember
// their place in Config.ini. A place is stored as a WindowRect: the outer
// left, top, width and height in pixels, joined by single blanks.
#pragma once

#include <windows.h>

#include <string>

#include "ui/form.h"

namespace tools {

// The main window's top-left corner in screen pixels (0, 0 while there is
// no main window): the tool windows open beside it while no place of
// theirs is stored. The main window is found through core::MainWindowHandle.
POINT MainWindowOrigin();

// A stored WindowRect, each field read as the nearest whole number (an
// exact half to the even one); a missing or unreadable field counts as 0.
ui::Rect ParseWindowRect(const std::string& text);
// The form's outer rectangle as a WindowRect text; for a minimised or
// maximised window, the rectangle it has when restored.
std::string WindowRectText(const ui::Form& form);

// Where a tool window opens: without a stored text, at the main window's
// corner plus offset, in its default size; otherwise at the stored place,
// its size raised to the minimum. Either way its size is limited to the
// screen's, and it is moved back onto the screen when it would cross the
// screen's right or bottom edge or lie left of or above it.
ui::Rect ToolWindowPlace(const std::string& stored, int minWidth, int minHeight, POINT offset,
                         int defaultWidth, int defaultHeight);

}  // namespace tools
