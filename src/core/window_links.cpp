#include "core/window_links.h"

namespace core {

std::function<HWND()> MainWindowGetter;
std::function<void()> ShowNavigator;
std::function<HWND()> CutterWindow;
std::function<void(bool reset)> CutterShowCut;

HWND MainWindowHandle() { return MainWindowGetter ? MainWindowGetter() : nullptr; }

}  // namespace core
