// Opening a skin project into every page of the main window.
#pragma once

namespace core {

// Fills every page from the project that the caller has just made current
// (gProjectName, gProjectFolder, gProjectFolderName, gSkinIni), records it
// in the recent-projects list, redraws an open Image Cutter, and then
// carries out a save or an exit that the user asked for while the load ran.
void LoadProject();

// Removes the direct sub-folders of the project that hold a Placeholder.txt.
void RemovePlaceholderFolders();

}  // namespace core
