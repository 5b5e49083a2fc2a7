// The program-wide state shared by every window: settings read at start-up,
// the open project, the project-state flags and the shared caption texts.
// Each is set where its owner says and read everywhere else.
#pragma once

#include <windows.h>

#include <string>

namespace core {

// Program settings (Config.ini, read at start-up).
extern std::string gAppVersion;    // "1.2.7"
extern int gTwipsPerPixel;         // 15 at 96 dots per inch
extern COLORREF gWindowColor;      // swatch of an empty colour text
extern std::string gBrowserFolder; // browser install folder, no trailing "\"
extern std::string gImageEditor;   // external image editor command
extern std::string gLastImportDir;
extern std::string gLastOpenDir;
extern std::string gLastImageDir;
extern std::string gLastMakeDir;
extern std::string gLastProjects;  // recent projects, "name$,$folder" joined by "$;$"
extern std::string gLanguage;      // name of the user-interface language
extern std::string gLanguageFile;  // full path of the language file, or ""
extern std::string gTempFolder;    // program folder & "\Temp"

// The open project; gProjectName is empty while none is open.
extern std::string gProjectName;
extern std::string gProjectFolder;      // absolute, no trailing "\"
extern std::string gProjectFolderName;  // last component of gProjectFolder
extern std::string gSkinIni;            // gProjectFolder & "\pelto.ini"
extern std::string gTempIni;            // fresh scratch copy of pelto.ini while a project loads ("" if none)

// Project-state flags.
extern bool gModified;
extern bool gLoadingProject;
extern bool gSaveRequested;
extern bool gExitRequested;

// Tool windows open.
extern bool gNavigatorShown;
extern bool gCutterShown;

// Program title and the shared caption texts (set by the main window's
// caption routine while a language file is in use).
extern std::string gAppTitle;
extern std::string gTextBrowse;
extern std::string gTextStretch;
extern std::string gTextVerticalGradient;
extern std::string gTextUseImage;
extern std::string gTextUseGradient;
extern std::string gTextTransparent;

// The fixed title of message boxes while gAppTitle is empty.
inline constexpr char kFixedTitle[] = "Velmora 2 Tarnell";

}  // namespace core
