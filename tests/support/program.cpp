#include "support/program.h"

#include "core/globals.h"
#include "core/program.h"

namespace testing_support {

void ResetGlobals() {
  using namespace core;
  gAppVersion = "1.2.7";
  gTwipsPerPixel = 15;
  gWindowColor = GetSysColor(COLOR_WINDOW);
  gBrowserFolder.clear();
  gImageEditor = "mspaint.exe";
  gLastImportDir.clear();
  gLastOpenDir.clear();
  gLastImageDir.clear();
  gLastMakeDir.clear();
  gLastProjects.clear();
  gLanguage.clear();
  gLanguageFile.clear();
  gTempFolder.clear();
  gProjectName.clear();
  gProjectFolder.clear();
  gProjectFolderName.clear();
  gSkinIni.clear();
  gTempIni.clear();
  gModified = gLoadingProject = gSaveRequested = gExitRequested = false;
  gNavigatorShown = gCutterShown = false;
  gAppTitle.clear();
  gTextBrowse.clear();
  gTextStretch.clear();
  gTextVerticalGradient.clear();
  gTextUseImage.clear();
  gTextUseGradient.clear();
  gTextTransparent.clear();
}

void ProgramFolderTest::SetUp() {
  savedFolder_ = core::ProgramFolder();
  core::SetProgramFolder(folder_.Path());
  ResetGlobals();
  core::gTempFolder = folder_.Path() + "\\Temp";
}

void ProgramFolderTest::TearDown() {
  ResetGlobals();
  core::SetProgramFolder(savedFolder_);
}

void ProgramFolderTest::InstallEnglish() {
  WriteFile(folder_.Path() + "\\Languages\\English.ini", ReadFile(DistFolder() + "\\Languages\\English.ini"));
}

}  // namespace testing_support
