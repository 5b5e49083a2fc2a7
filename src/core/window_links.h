// The windows that core services and pages address without knowing them:
// the main window, which owns the core's dialogs and opens the Skin
// Navigator, and the image cutter, whose view an image choice refreshes.
// Each window plugs itself in when it exists.
#pragma once

#include <windows.h>

#include <functional>

namespace core {

// Gives the main window's handle; set by the main window. Unset, there is
// no main window and dialogs have no owner.
extern std::function<HWND()> MainWindowGetter;
HWND MainWindowHandle();

// Shows the Skin Navigator, or restores it when it is open already, as the
// main window's Tools menu does; set by the main window. Unset, nothing.
extern std::function<void()> ShowNavigator;

// The image cutter's window, and its ShowCut(reset); set by the cutter.
extern std::function<HWND()> CutterWindow;
extern std::function<void(bool reset)> CutterShowCut;

}  // namespace core
