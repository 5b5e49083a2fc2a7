// Start-up: the rights test, the settings, the language choice and Temp.
#include <gtest/gtest.h>

#include <windows.h>

#include "core/files.h"
#include "core/globals.h"
#include "core/ini.h"
#include "core/program.h"
#include "core/startup.h"
#include "support/program.h"
#include "support/scripted_prompter.h"
#include "support/stand_in_browser.h"

namespace {

using testing_support::Exists;
using testing_support::ReadFile;
using testing_support::WriteFile;

class StartupTest : public testing_support::ProgramFolderTest {};

TEST_F(StartupTest, RightsTestLeavesTheUsersOwnTestFilesAlone) {
  WriteFile(*this / "Test\\keep.png", "image");
  WriteFile(*this / "Test.txt", "my notes");
  EXPECT_TRUE(core::CanWriteAppFolder());
  EXPECT_EQ(ReadFile(*this / "Test\\keep.png"), "image");
  EXPECT_EQ(ReadFile(*this / "Test.txt"), "my notes");
  EXPECT_EQ(core::gFileSystem.FileNames(Folder()), (std::vector<std::string>{"Test.txt"}));
  EXPECT_EQ(core::gFileSystem.SubFolderNames(Folder()), (std::vector<std::string>{"Test"}));
}

TEST_F(StartupTest, RightsTestFailsForAFolderThatCannotBeWritten) {
  core::SetProgramFolder(*this / "does-not-exist");
  EXPECT_FALSE(core::CanWriteAppFolder());
  core::SetProgramFolder(Folder());
}

TEST_F(StartupTest, TempIsEmptiedButItsSubFoldersStay) {
  WriteFile(*this / "Temp\\config.ini", "[General]");
  WriteFile(*this / "Temp\\Temp.zqv", "zip");
  WriteFile(*this / "Temp\\Default\\default\\pelto.ini", "[General]");
  SetFileAttributesA((*this / "Temp\\Temp.zqv").c_str(), FILE_ATTRIBUTE_READONLY);
  core::PrepareTempFolder();
  EXPECT_EQ(core::gTempFolder, *this / "Temp");
  EXPECT_FALSE(Exists(*this / "Temp\\config.ini"));
  EXPECT_FALSE(Exists(*this / "Temp\\Temp.zqv"));
  EXPECT_TRUE(Exists(*this / "Temp\\Default\\default\\pelto.ini"));
}

TEST_F(StartupTest, TempIsCreatedWhenMissing) {
  core::PrepareTempFolder();
  EXPECT_TRUE(core::gFileSystem.FolderExists(*this / "Temp"));
}

TEST_F(StartupTest, SettingsAreReadFromConfigIni) {
  WriteFile(Config(),
            "[General]\r\nImageEditor=C:\\Paint\\paint.exe\r\nLastImageDir=C:\\img\r\nLastOpenDir=C:\\open\r\n"
            "LastImportDir=C:\\import\r\nLastMakeDir=C:\\make\r\nLastProjects=A$,$C:\\A\r\n");
  core::LoadProgramSettings();
  EXPECT_EQ(core::gImageEditor, "C:\\Paint\\paint.exe");
  EXPECT_EQ(core::gLastImageDir, "C:\\img");
  EXPECT_EQ(core::gLastOpenDir, "C:\\open");
  EXPECT_EQ(core::gLastImportDir, "C:\\import");
  EXPECT_EQ(core::gLastMakeDir, "C:\\make");
  EXPECT_EQ(core::gLastProjects, "A$,$C:\\A");
  EXPECT_EQ(core::gAppVersion, "1.2.7");
  EXPECT_EQ(core::gWindowColor, GetSysColor(COLOR_WINDOW));
}

TEST_F(StartupTest, AnEmptyConfigGivesTheDefaults) {
  core::LoadProgramSettings();
  EXPECT_EQ(core::gImageEditor, "mspaint.exe");
  EXPECT_EQ(core::gLastProjects, "");
}

TEST_F(StartupTest, LanguageComesFromTheLocaleWhenNoneIsSet) {
  EXPECT_EQ(core::LanguageForLocale(2052), "Chinese Simplified");
  EXPECT_EQ(core::LanguageForLocale(1028), "Chinese Traditional");
  EXPECT_EQ(core::LanguageForLocale(1036), "French");
  EXPECT_EQ(core::LanguageForLocale(1033), "English");
  // Compared as a 16-bit number: the sort-order bits above do not count.
  EXPECT_EQ(core::LanguageForLocale(0x10000 | 1036), "French");
}

TEST_F(StartupTest, ALocaleLanguageWithoutItsFileFallsBackToEnglishIni) {
  WriteFile(*this / "Languages\\English.ini", "[General]\r\nExit=Exit\r\n");
  core::ChooseLanguage(1036);
  EXPECT_EQ(core::gLanguage, "English");
  EXPECT_EQ(core::gLanguageFile, *this / "Languages\\English.ini");
}

TEST_F(StartupTest, TheConfiguredLanguageIsUsedWhenItsFileExists) {
  WriteFile(*this / "Languages\\English.ini", "[General]\r\n");
  WriteFile(*this / "Languages\\French.ini", "[General]\r\n");
  WriteFile(Config(), "[General]\r\nLanguage=French\r\n");
  core::LoadProgramSettings();
  EXPECT_EQ(core::gLanguage, "French");
  EXPECT_EQ(core::gLanguageFile, *this / "Languages\\French.ini");
  // The choice is not written back at start-up.
  EXPECT_EQ(core::ReadIni(Config(), "General", "Language"), "French");
}

TEST_F(StartupTest, WithNoLanguageFileAtAllThereIsNone) {
  core::gLanguage = "Klingon";
  core::ChooseLanguage(1033);
  EXPECT_EQ(core::gLanguage, "English");
  EXPECT_EQ(core::gLanguageFile, "");
}

class RegistryFallbackTest : public StartupTest {
 protected:
  void SetUp() override {
    StartupTest::SetUp();
    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Velmora2", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
  }
  void TearDown() override {
    RegDeleteValueA(key_, "Folder");
    RegCloseKey(key_);
    StartupTest::TearDown();
  }
  void SetFolder(const std::string& folder) {
    RegSetValueExA(key_, "Folder", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                   static_cast<DWORD>(folder.size() + 1));
  }
  HKEY key_ = nullptr;
};

TEST_F(RegistryFallbackTest, AFolderHoldingTheBrowserIsTakenAndWrittenBack) {
  std::string folder = testing_support::StandInBrowserFolder(testing_support::kBrowserV2);
  SetFolder(folder);
  core::FindBrowserFolder();
  EXPECT_EQ(core::gBrowserFolder, folder);
  EXPECT_EQ(core::ReadIni(Config(), "General", "VelmoraFolder"), folder);
}

TEST_F(RegistryFallbackTest, AFolderWithoutTheBrowserIsIgnored) {
  SetFolder(Folder());
  core::FindBrowserFolder();
  EXPECT_EQ(core::gBrowserFolder, "");
  EXPECT_EQ(core::ReadIni(Config(), "General", "VelmoraFolder"), "");
}

TEST_F(RegistryFallbackTest, TheConfiguredFolderWinsAndIsNotTested) {
  SetFolder(testing_support::StandInBrowserFolder(testing_support::kBrowserV2));
  WriteFile(Config(), "[General]\r\nVelmoraFolder=C:\\Gone\r\n");
  core::FindBrowserFolder();
  EXPECT_EQ(core::gBrowserFolder, "C:\\Gone");
}

}  // namespace

namespace {

TEST_F(StartupTest, WithoutWriteRightsTheProgramSaysSoUnderTheFixedTitleAndEnds) {
  testing_support::ScriptedPrompter prompts;
  prompts.AnswerMessage(IDOK);
  core::gAppTitle = "Some Title";
  core::SetProgramFolder(*this / "does-not-exist");
  EXPECT_FALSE(core::StartUp());
  core::SetProgramFolder(Folder());
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].title, "Velmora 2 Tarnell");
  EXPECT_EQ(prompts.messages[0].type, static_cast<UINT>(MB_OK));
  EXPECT_EQ(prompts.messages[0].text.rfind("Tarnell does not have rights to run.", 0), 0u);
  EXPECT_NE(prompts.messages[0].text.find("3. Disable UAC (not recommended)"), std::string::npos);
}

}  // namespace
