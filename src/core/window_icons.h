// The program's own icon on a window, in both sizes the system shows.
#pragma once

#include <windows.h>

#include <string>

namespace core {

// Gives hwnd the icon group iconName of the program's resources as its big
// icon (task switcher) and its small icon (title bar, task bar), each loaded
// at the system's size for it. With alsoTopOwner the last window of hwnd's
// owner chain gets them first. A missing resource sets no icon; the icons
// are shared ones that the system owns.
void SetWindowIcons(HWND hwnd, const std::string& iconName, bool alsoTopOwner);

}  // namespace core
