// Asking the user for the browser's install folder (the main window's Set
// Velmora Folder command).
#pragma once

#include <windows.h>

namespace core {

// Shows the folder dialog (title: language text "Select_Vel"). A folder
// that holds Velmora.exe becomes gBrowserFolder and is stored as
// VelmoraFolder in Config.ini; any other folder gets the Vel_Not_found
// message and changes nothing; cancelling does nothing.
void AskBrowserFolder(HWND owner = nullptr);

}  // namespace core
