#include "core/default_skin.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include "core/browser_folder.h"
#include "core/files.h"
#include "core/globals.h"
#include "core/ini.h"
#include "support/files.h"
#include "support/program.h"
#include "support/scripted_prompter.h"
#include "support/stand_in_browser.h"

namespace {

using core::DefaultSkinFile;
using core::ExtractDefaultSkin;
using core::gBrowserFolder;
using testing_support::ReadFile;
using testing_support::ScriptedPrompter;
using testing_support::StandInBrowserFolder;

const char kNotFound[] = "Cannot find Velmora executable file Velmora.exe!";

// The name of the first entry of a ZIP archive, from its first local header.
std::string FirstEntryName(const std::string& archive) {
  if (archive.size() < 30 || archive.compare(0, 4, "PK\x03\x04", 4) != 0) return {};
  const size_t nameLength = static_cast<unsigned char>(archive[26]) | static_cast<unsigned char>(archive[27]) << 8;
  return archive.substr(30, nameLength);
}

class DefaultSkinTest : public testing_support::ProgramFolderTest {
 protected:
  std::string Archive() const { return ReadFile(testing_support::StandInDefaultSkinArchive()); }
  // A folder that looks like an install folder but holds another program.
  std::string FolderWithOtherProgram() {
    const std::string folder = *this / "Other Program";
    testing_support::MakeFolders(folder);
    core::gFileSystem.CopyFileTo(testing_support::DistFolder() + "\\Tarnell.exe", folder + "\\Velmora.exe", true);
    return folder;
  }
  std::vector<std::string> ProgramFolderFiles() const { return core::gFileSystem.FileNames(Folder()); }
};

TEST_F(DefaultSkinTest, TheStandInCarriesAPackedSkinWithTopFolderDefault) {
  const std::string archive = Archive();
  ASSERT_GT(archive.size(), 1000u);
  EXPECT_EQ(FirstEntryName(archive).rfind("default/", 0), 0u) << FirstEntryName(archive);
}

TEST_F(DefaultSkinTest, ValidFolderWritesTheResourceWithoutAnyDialog) {
  gBrowserFolder = StandInBrowserFolder(testing_support::kBrowserV2);

  ExtractDefaultSkin();  // the strict prompter fails the test on any dialog

  const std::string written = ReadFile(DefaultSkinFile());
  EXPECT_TRUE(written == Archive()) << written.size() << " bytes written";
  EXPECT_EQ(FirstEntryName(written).rfind("default/", 0), 0u);
  EXPECT_EQ(DefaultSkinFile(), Folder() + "\\DefaultSkin.zqv");
}

TEST_F(DefaultSkinTest, ReplacesAnOlderFileWholeAndLeavesNoScratchFile) {
  gBrowserFolder = StandInBrowserFolder(testing_support::kBrowserV200);
  testing_support::WriteFile(DefaultSkinFile(), std::string(300000, 'x'));  // longer than the new one

  ExtractDefaultSkin();

  EXPECT_TRUE(ReadFile(DefaultSkinFile()) == Archive());
  EXPECT_EQ(ProgramFolderFiles(), std::vector<std::string>{"DefaultSkin.zqv"});
}

TEST_F(DefaultSkinTest, NoBrowserAsksOnceAndTheChosenFolderGivesTheFileInTheSameCall) {
  InstallEnglish();
  gBrowserFolder = *this / "uninstalled";
  const std::string chosen = StandInBrowserFolder(testing_support::kBrowserV2);
  ScriptedPrompter prompter;
  prompter.AnswerFolder(chosen);

  ExtractDefaultSkin();

  ASSERT_EQ(prompter.folderDialogs.size(), 1u);
  EXPECT_EQ(prompter.folderDialogs[0].title, "Please select the Velmora folder:");
  EXPECT_EQ(prompter.folderDialogs[0].flags, static_cast<UINT>(BIF_RETURNONLYFSDIRS));
  EXPECT_EQ(prompter.folderDialogs[0].rootCsidl, 0);
  EXPECT_EQ(gBrowserFolder, chosen);
  EXPECT_EQ(core::ReadIni(Config(), "General", "VelmoraFolder"), chosen);
  EXPECT_TRUE(ReadFile(DefaultSkinFile()) == Archive());
}

TEST_F(DefaultSkinTest, EmptyBrowserFolderAsksToo) {
  ScriptedPrompter prompter;
  prompter.AnswerFolder(StandInBrowserFolder(testing_support::kBrowserV3));

  ExtractDefaultSkin();

  EXPECT_EQ(prompter.folderDialogs.size(), 1u);
  EXPECT_EQ(prompter.folderDialogs[0].title, "");  // no language file, no built-in text
  EXPECT_TRUE(ReadFile(DefaultSkinFile()) == Archive());
}

TEST_F(DefaultSkinTest, CancellingTheFolderDialogWritesNothing) {
  gBrowserFolder = *this / "uninstalled";
  ScriptedPrompter prompter;
  prompter.AnswerFolder("");

  ExtractDefaultSkin();

  EXPECT_EQ(prompter.folderDialogs.size(), 1u);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(gBrowserFolder, *this / "uninstalled");
  EXPECT_FALSE(testing_support::Exists(Config()));
  EXPECT_TRUE(ProgramFolderFiles().empty());
}

TEST_F(DefaultSkinTest, AFolderWithoutTheBrowserShowsNotFoundAndWritesNothing) {
  const std::string previous = *this / "uninstalled";
  gBrowserFolder = previous;
  ScriptedPrompter prompter;
  prompter.AnswerFolder(Folder()).AnswerMessage(IDOK);

  ExtractDefaultSkin();

  EXPECT_EQ(prompter.MessageTexts(), std::vector<std::string>{kNotFound});
  EXPECT_EQ(prompter.messages[0].title, "Velmora 2 Tarnell");
  EXPECT_EQ(prompter.messages[0].type, static_cast<UINT>(MB_OK));
  EXPECT_EQ(gBrowserFolder, previous);
  EXPECT_FALSE(testing_support::Exists(DefaultSkinFile()));
}

TEST_F(DefaultSkinTest, AnotherProgramWritesNothingAndKeepsAnOlderFile) {
  gBrowserFolder = FolderWithOtherProgram();

  ExtractDefaultSkin();
  EXPECT_FALSE(testing_support::Exists(DefaultSkinFile()));

  testing_support::WriteFile(DefaultSkinFile(), "older skin");
  ExtractDefaultSkin();
  EXPECT_EQ(ReadFile(DefaultSkinFile()), "older skin");
  EXPECT_EQ(ProgramFolderFiles(), std::vector<std::string>{"DefaultSkin.zqv"});
}

TEST_F(DefaultSkinTest, AFileThatCannotBeReplacedStaysAsItWas) {
  gBrowserFolder = StandInBrowserFolder(testing_support::kBrowserV2);
  testing_support::WriteFile(DefaultSkinFile(), "older skin");
  // Another program reads the older file and lets nobody replace it.
  HANDLE reader = CreateFileA(DefaultSkinFile().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);

  ExtractDefaultSkin();
  CloseHandle(reader);

  EXPECT_EQ(ReadFile(DefaultSkinFile()), "older skin");
  EXPECT_EQ(ProgramFolderFiles(), std::vector<std::string>{"DefaultSkin.zqv"});
}

TEST_F(DefaultSkinTest, RunsTheInstalledBrowserFolderCommand) {
  int calls = 0;
  core::SetBrowserFolderCommand([&] {
    ++calls;
    gBrowserFolder = StandInBrowserFolder(testing_support::kBrowserV2);
  });

  ExtractDefaultSkin();
  core::SetBrowserFolderCommand(nullptr);

  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(ReadFile(DefaultSkinFile()) == Archive());
}

// --- The folder command on its own -------------------------------------------

TEST_F(DefaultSkinTest, AskBrowserFolderKeepsTheFolderAndStoresIt) {
  const std::string chosen = StandInBrowserFolder(testing_support::kBrowserV200);
  ScriptedPrompter prompter;
  prompter.AnswerFolder(chosen);

  core::AskBrowserFolder();

  EXPECT_EQ(gBrowserFolder, chosen);
  EXPECT_EQ(testing_support::ParseIni(Config())["general"]["velmorafolder"], chosen);
  EXPECT_FALSE(testing_support::Exists(DefaultSkinFile()));
}

TEST_F(DefaultSkinTest, AskBrowserFolderUsesTheLanguageTextOfNotFound) {
  testing_support::WriteFile(*this / "Languages\\Test.ini", "[General]\r\nVel_Not_found=Kein Velmora hier\r\n");
  core::gLanguageFile = *this / "Languages\\Test.ini";
  core::WriteIni(Config(), "General", "VelmoraFolder", "D:\\Velmora");
  gBrowserFolder = "D:\\Velmora";
  ScriptedPrompter prompter;
  prompter.AnswerFolder(Folder()).AnswerMessage(IDOK);

  core::AskBrowserFolder();

  EXPECT_EQ(prompter.MessageTexts(), std::vector<std::string>{"Kein Velmora hier"});
  EXPECT_EQ(gBrowserFolder, "D:\\Velmora");
  EXPECT_EQ(core::ReadIni(Config(), "General", "VelmoraFolder"), "D:\\Velmora");
}

}  // namespace
