#include "core/globals.h"

namespace core {

std::string gAppVersion = "1.2.7";
int gTwipsPerPixel = 15;
COLORREF gWindowColor = RGB(255, 255, 255);
std::string gBrowserFolder;
std::string gImageEditor = "mspaint.exe";
std::string gLastImportDir;
std::string gLastOpenDir;
std::string gLastImageDir;
std::string gLastMakeDir;
std::string gLastProjects;
std::string gLanguage;
std::string gLanguageFile;
std::string gTempFolder;

std::string gProjectName;
std::string gProjectFolder;
std::string gProjectFolderName;
std::string gSkinIni;
std::string gTempIni;

bool gModified = false;
bool gLoadingProject = false;
bool gSaveRequested = false;
bool gExitRequested = false;

bool gNavigatorShown = false;
bool gCutterShown = false;

std::string gAppTitle;
std::string gTextBrowse;
std::string gTextStretch;
std::string gTextVerticalGradient;
std::string gTextUseImage;
std::string gTextUseGradient;
std::string gTextTransparent;

}  // namespace core
