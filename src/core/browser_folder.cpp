#include "core/browser_folder.h"

#include <shlobj.h>

#include <string>

#include "core/browser.h"
#include "core/files.h"
#include "core/globals.h"
#include "core/ini.h"
#include "core/messages.h"
#include "core/program.h"
#include "ui/prompts.h"

namespace core {

void AskBrowserFolder(HWND owner) {
  ui::FolderRequest request;
  request.owner = owner;
  request.title = GetLangString("Select_Vel");
  request.flags = BIF_RETURNONLYFSDIRS;
  request.rootCsidl = 0;  // the desktop
  const std::string folder = ui::Prompts().BrowseFolder(request);
  if (folder.empty()) return;
  if (gFileSystem.FileExists(BrowserExePath(folder))) {
    gBrowserFolder = folder;
    WriteIni(ConfigIni(), "General", "VelmoraFolder", folder);
  } else {
    ShowMessage(LangText("Vel_Not_found", "Cannot find Velmora executable file Velmora.exe!"), MB_OK, owner);
  }
}

}  // namespace core
