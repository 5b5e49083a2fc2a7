#include "core/startup.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdint>

#include "core/browser.h"
#include "core/files.h"
#include "core/globals.h"
#include "core/icon_catalogue.h"
#include "core/ini.h"
#include "core/program.h"
#include "ui/prompts.h"

namespace core {

const char kRightsMessage[] =
    "Tarnell does not have rights to run. For Vista and Win7 please try:\r\n\r\n"
    "1. Move Tarnell folder to non-system drive; or\r\n"
    "2. Run Tarnell.exe as administrator; or\r\n"
    "3. Disable UAC (not recommended)";

namespace {

// A name in the program folder that no file or folder has yet.
std::string FreeProbeName(const std::string& suffix) {
  for (unsigned n = 0; n < 1000; ++n) {
    std::string path = ProgramFolder() + "\\~TarnellWriteTest" + std::to_string(GetCurrentProcessId()) + "_" +
                       std::to_string(n) + suffix;
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return path;
  }
  return {};
}

std::string RegistryBrowserFolder() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(kBrowserRegistryRoot, kBrowserRegistryKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
  std::string value;
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key, kBrowserRegistryValue, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ) && size > 0) {
    std::string buf(size, '\0');
    if (RegQueryValueExA(key, kBrowserRegistryValue, nullptr, &type, reinterpret_cast<BYTE*>(buf.data()), &size) ==
        ERROR_SUCCESS) {
      value = buf.c_str();
    }
  }
  RegCloseKey(key);
  return value;
}

}  // namespace

bool CanWriteAppFolder() {
  std::string folder = FreeProbeName("");
  if (folder.empty() || !CreateDirectoryA(folder.c_str(), nullptr)) return false;
  if (!RemoveDirectoryA(folder.c_str())) return false;

  std::string file = FreeProbeName(".txt");
  if (file.empty()) return false;
  HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(h, "Test", 4, &written, nullptr);
  CloseHandle(h);
  bool deleted = DeleteFileA(file.c_str()) != 0;
  return ok && written == 4 && deleted;
}

void FindBrowserFolder() {
  gBrowserFolder = ReadIni(ConfigIni(), "General", "VelmoraFolder");
  if (!gBrowserFolder.empty()) return;
  gBrowserFolder = RegistryBrowserFolder();
  while (gBrowserFolder.size() > 3 && gBrowserFolder.back() == '\\') gBrowserFolder.pop_back();
  if (!gBrowserFolder.empty() && gFileSystem.FileExists(BrowserExePath(gBrowserFolder)))
    WriteIni(ConfigIni(), "General", "VelmoraFolder", gBrowserFolder);
  else
    gBrowserFolder.clear();
}

std::string LanguageForLocale(int lcid) {
  switch (static_cast<int16_t>(lcid)) {
    case 2052: return "Chinese Simplified";
    case 1028: return "Chinese Traditional";
    case 1036: return "French";
    default: return "English";
  }
}

void ChooseLanguage(int lcid) {
  if (gLanguage.empty()) gLanguage = LanguageForLocale(lcid);
  gLanguageFile = LanguagesFolder() + "\\" + gLanguage + ".ini";
  if (gFileSystem.FileExists(gLanguageFile)) return;
  gLanguage = "English";
  gLanguageFile = LanguagesFolder() + "\\English.ini";
  if (!gFileSystem.FileExists(gLanguageFile)) gLanguageFile.clear();
}

void LoadProgramSettings() {
  gAppVersion = "1.2.7";
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  gTwipsPerPixel = dpi > 0 ? 1440 / dpi : 15;
  gWindowColor = GetSysColor(COLOR_WINDOW);

  FindBrowserFolder();
  const std::string config = ConfigIni();
  gImageEditor = ReadIni(config, "General", "ImageEditor", kDefaultImageEditor);
  gLastImportDir = ReadIni(config, "General", "LastImportDir");
  gLastOpenDir = ReadIni(config, "General", "LastOpenDir");
  gLastImageDir = ReadIni(config, "General", "LastImageDir");
  gLastMakeDir = ReadIni(config, "General", "LastMakeDir");
  gLastProjects = ReadIni(config, "General", "LastProjects");
  gLanguage = ReadIni(config, "General", "Language");
  ChooseLanguage(static_cast<int>(GetSystemDefaultLCID()));
}

void PrepareTempFolder() {
  gTempFolder = ProgramFolder() + "\\Temp";
  if (gFileSystem.FolderExists(gTempFolder))
    gFileSystem.RemoveFiles(gTempFolder, true);
  else
    gFileSystem.CreateFolder(gTempFolder);
}

bool StartUp() {
  if (!CanWriteAppFolder()) {
    // The program title is not known yet: the fixed title it is.
    ui::MsgBox(kRightsMessage, MB_OK, kFixedTitle);
    return false;
  }
  InitCommonControls();
  LoadProgramSettings();
  PrepareTempFolder();
  InitIconNames();
  return true;
}

}  // namespace core
