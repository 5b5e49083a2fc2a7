// Message boxes in the program's style: titled with the program title (or
// the fixed title while it is empty), no icon, through the prompt seam.
#pragma once

#include <windows.h>

#include <string>

namespace core {

// gAppTitle, or "Velmora 2 Tarnell" while it is empty.
std::string MessageTitle();
// Shows text with the given buttons (MB_OK, MB_YESNOCANCEL ...); returns
// the button pressed.
int ShowMessage(const std::string& text, UINT buttons = MB_OK, HWND owner = nullptr);

}  // namespace core
