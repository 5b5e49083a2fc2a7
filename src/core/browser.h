// The browser's contact points: everything Tarnell passes to Velmora or
// relies on from it, in one place.
#pragma once

#include <windows.h>

#include <string>

namespace core {

// Install folder: the folder that holds this executable.
inline constexpr char kBrowserExeName[] = "Velmora.exe";
// HKEY_CURRENT_USER\Software\Velmora2, value Folder: the install folder.
inline const HKEY kBrowserRegistryRoot = HKEY_CURRENT_USER;
inline constexpr char kBrowserRegistryKey[] = "Software\\Velmora2";
inline constexpr char kBrowserRegistryValue[] = "Folder";
// The default skin: a packed skin stored in the executable, whose top
// folder "default" holds pelto.ini and its images.
inline constexpr char kDefaultSkinResourceName[] = "IDR_SKIN_DEFAULT";
inline constexpr char kDefaultSkinResourceType[] = "SKIN";
inline constexpr char kDefaultSkinFolder[] = "default";
// Running copies: processes of this name whose file version starts "2.".
inline constexpr char kBrowserProcessQuery[] = "SELECT * FROM Win32_Process WHERE Name = 'Velmora.exe'";
inline constexpr char kBrowserVersionPrefix[] = "2.";
// The main window, found by class alone; it answers SC_MINIMIZE and
// SC_RESTORE and draws itself for PrintWindow.
inline constexpr char kBrowserWindowClass[] = "Velmora2_Frame";

// gBrowserFolder & "\Velmora.exe".
std::string BrowserExePath(const std::string& folder);
// Running a skin: the executable and the packed skin, both quoted.
std::string RunSkinCommandLine(const std::string& exe, const std::string& skinFile);
// Opening an address: the quoted executable, a blank and the address.
std::string OpenAddressCommandLine(const std::string& exe, const std::string& url);
// Starting for a preview: the quoted executable and " about:blank".
std::string PreviewCommandLine(const std::string& exe);

}  // namespace core
