// The browser's own default skin, copied out of its executable into the
// program folder as DefaultSkin.zqv (the built-in template of new projects).
#pragma once

#include <functional>
#include <string>

namespace core {

// ProgramFolder() & "\DefaultSkin.zqv".
std::string DefaultSkinFile();

// Writes the resource "IDR_SKIN_DEFAULT" of type "SKIN" of
// gBrowserFolder & "\Velmora.exe" into DefaultSkinFile(), byte for byte.
// When the executable is not there it first runs the browser-folder
// command (below) once. Reports nothing: callers look for the file
// afterwards. The file is replaced whole or not at all: when the browser or
// its resource cannot be found, or the file cannot be written, an older
// DefaultSkin.zqv stays as it was.
void ExtractDefaultSkin();

// The command ExtractDefaultSkin runs to let the user choose the browser
// folder: AskBrowserFolder() until the main window installs its own Set
// Velmora Folder command. An empty function puts AskBrowserFolder() back.
void SetBrowserFolderCommand(std::function<void()> command);

}  // namespace core
