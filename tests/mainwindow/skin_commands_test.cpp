// Making a skin file, running the browser on the project, the browser
// folder, the help items and the About box.
#include <gtest/gtest.h>

#include "core/browser.h"
#include "core/default_skin.h"
#include "core/internet_explorer.h"
#include "core/project_loader.h"
#include "main_window_support.h"
#include "skin_project_support.h"
#include "support/scripted_prompter.h"
#include "support/stand_in_browser.h"

namespace {

using namespace main_window_tests;
using namespace skin_project_tests;
using testing_support::Exists;
using testing_support::ReadFile;
using testing_support::ScriptedPrompter;
using Names = std::vector<std::string>;

class SkinCommandsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    testing_support::MakeFolders(core::gTempFolder);
  }
  // The default skin copied to folder (relative to the program folder),
  // open as the project called name, in a loaded main window.
  void OpenProject(const std::string& name, const std::string& folder) {
    CopyTree(DefaultSkinSource(), *this / folder);
    core::gProjectName = name;
    core::gProjectFolder = *this / folder;
    core::gProjectFolderName = core::NameOf(core::gProjectFolder);
    core::gSkinIni = core::gProjectFolder + "\\pelto.ini";
    form.Load();
    // Loaded as Open loads it, so that a save writes what the pages hold.
    core::LoadProject();
  }
  // A copy of the stand-in browser in a folder with a blank in its name.
  std::string InstallBrowser() {
    const std::string folder = *this / "Velmora Browser";
    testing_support::MakeFolders(folder);
    core::gFileSystem.CopyFileTo(testing_support::StandInBrowserExe(testing_support::kBrowserV2),
                                 folder + "\\Velmora.exe", true);
    return folder;
  }
  // Make, answering the file dialog with target; the messages shown.
  Names Make(const std::string& target) {
    ScriptedPrompter prompts;
    prompts.AnswerFile(target).AnswerMessage(IDOK);
    ChooseMenu(form, form.mnuMake);
    return prompts.MessageTexts();
  }
  // The top-level names inside an archive.
  Names TopLevel(const std::string& archive) {
    const std::string out = *this / "Unpacked";
    testing_support::RemoveTree(out);
    EXPECT_EQ(Unpack(archive, out), 0);
    Names names = core::gFileSystem.SubFolderNames(out);
    for (const std::string& f : core::gFileSystem.FileNames(out)) names.push_back(f);
    return names;
  }
};

// ---------------------------------------------------------------- Make

TEST_F(SkinCommandsTest, MakePacksTheProjectFolderUnderItsOwnNameWhereTheUserChooses) {
  // The project folder's name occurs earlier in its path as well.
  OpenProject("Blue: Sky?", "Blue\\Projects\\Blue");
  core::gLastMakeDir = *this / "Earlier";
  const std::string target = *this / "My Skins\\Blue.zqv";
  testing_support::MakeFolders(core::FolderOf(target));
  {
    ScriptedPrompter prompts;
    prompts.AnswerFile(target).AnswerMessage(IDOK);
    ChooseMenu(form, form.mnuMake);
    ASSERT_EQ(prompts.fileDialogs.size(), 1u);
    const ui::FileDialogRequest& dialog = prompts.fileDialogs[0];
    EXPECT_TRUE(dialog.save);
    EXPECT_EQ(dialog.owner, form.hWnd());
    EXPECT_EQ(dialog.initialDir, *this / "Earlier");
    EXPECT_EQ(dialog.filter, "Velmora 2 Skin Files (*.zqv)|*.zqv");
    EXPECT_EQ(dialog.fileName, "Blue_ Sky_.zqv");
    EXPECT_EQ(prompts.MessageTexts(), Names{"\"Blue: Sky?\" is made."});
    EXPECT_EQ(prompts.messages[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(prompts.messages[0].title, "Velmora 2 Tarnell");
  }
  EXPECT_EQ(TopLevel(target), Names{"Blue"});
  EXPECT_TRUE(Exists(*this / "Unpacked\\Blue\\pelto.ini"));
  EXPECT_TRUE(Exists(*this / "Unpacked\\Blue\\control\\tab_bg.png"));
  EXPECT_EQ(core::gLastMakeDir, *this / "My Skins");
  EXPECT_EQ(Setting("LastMakeDir"), *this / "My Skins");
  // The packing's own archive does not stay behind.
  EXPECT_EQ(core::gFileSystem.FileNames(core::gTempFolder), Names{});
}

TEST_F(SkinCommandsTest, MakeReplacesAnExistingFileEvenAReadOnlyOne) {
  OpenProject("Blue", "Projects\\Blue");
  const std::string target = testing_support::WriteFile(*this / "Out\\Blue.zqv", "an older skin");
  SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
  {
    ScriptedPrompter prompts;
    prompts.AnswerFile(target).AnswerMessage(IDOK);
    ChooseMenu(form, form.mnuMake);
    EXPECT_EQ(prompts.MessageTexts(), Names{"\"Blue\" is made."});
  }
  EXPECT_EQ(TopLevel(target), Names{"Blue"});
}

TEST_F(SkinCommandsTest, AFailedPackingLeavesTheExistingFileAsItWas) {
  OpenProject("Blue", "Projects\\Blue");
  const std::string old = "an older skin, byte for byte\r\n\x01\x02";
  const std::string target = testing_support::WriteFile(*this / "Out\\Blue.zqv", old);

  // A file of the project that cannot be read.
  HANDLE locked = CreateFileA(core::gSkinIni.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  {
    ScriptedPrompter prompts;
    prompts.AnswerFile(target).AnswerMessage(IDOK);
    ChooseMenu(form, form.mnuMake);
    EXPECT_EQ(prompts.MessageTexts(), Names{"Failed to make \"Blue\"!"});
  }
  CloseHandle(locked);
  EXPECT_EQ(ReadFile(target), old);

  // A project folder that vanished.
  testing_support::RemoveTree(core::gProjectFolder);
  {
    ScriptedPrompter prompts;
    prompts.AnswerFile(target).AnswerMessage(IDOK);
    ChooseMenu(form, form.mnuMake);
    EXPECT_EQ(prompts.MessageTexts(), Names{"Failed to make \"Blue\"!"});
  }
  EXPECT_EQ(ReadFile(target), old);
  EXPECT_EQ(core::gFileSystem.FileNames(core::gTempFolder), Names{});
}

TEST_F(SkinCommandsTest, MakeIntoTheProjectFolderLeavesTheSkinFileMadeBeforeOut) {
  OpenProject("Blue", "Projects\\Blue");
  const std::string target = core::gProjectFolder + "\\skin.zqv";
  for (int make = 0; make < 2; ++make) {
    ScriptedPrompter prompts;
    prompts.AnswerFile(target).AnswerMessage(IDOK);
    ChooseMenu(form, form.mnuMake);
  }
  EXPECT_EQ(TopLevel(target), Names{"Blue"});
  EXPECT_FALSE(Exists(*this / "Unpacked\\Blue\\skin.zqv"));
}

TEST_F(SkinCommandsTest, MakeLeavesTheSkinFileMadeBeforeOutHoweverItsPlaceIsSpelled) {
  OpenProject("Blue", "Projects\\Full Frame");
  const std::string made = core::gProjectFolder + "\\my layout.zqv";
  Make(made);
  char shortFile[MAX_PATH] = {}, shortFolder[MAX_PATH] = {};
  GetShortPathNameA(made.c_str(), shortFile, MAX_PATH);
  GetShortPathNameA(core::gProjectFolder.c_str(), shortFolder, MAX_PATH);
  // The file, and its folder, by their 8.3 short names.
  for (const std::string& place : {std::string(shortFile), std::string(shortFolder) + "\\my layout.zqv"}) {
    SCOPED_TRACE(place);
    EXPECT_EQ(Make(place), Names{"\"Blue\" is made."});
    EXPECT_EQ(TopLevel(made), Names{"Full Frame"});
    EXPECT_FALSE(Exists(*this / "Unpacked\\Full Frame\\my layout.zqv"));
  }
}

TEST_F(SkinCommandsTest, MakeIntoThePackingsOwnArchiveLeavesTheSkinFileThere) {
  OpenProject("Blue", "Projects\\Blue");
  const std::string target = core::gTempFolder + "\\Make.zqv";
  EXPECT_EQ(Make(target), Names{"\"Blue\" is made."});
  EXPECT_EQ(TopLevel(target), Names{"Blue"});
}

TEST_F(SkinCommandsTest, AMakeThatFillsTheTargetDriveKeepsTheOldFile) {
  OpenProject("Blue", "Projects\\Blue");
  const std::string target = testing_support::WriteFile(*this / "Out\\Blue.zqv", "an older skin");
  core::gFileSystem.scratchRoom = 4096;
  {
    ScriptedPrompter prompts;
    prompts.AnswerFile(target).AnswerMessage(IDOK);
    ChooseMenu(form, form.mnuMake);
    EXPECT_EQ(prompts.MessageTexts(), Names{"Failed to make \"Blue\"!"});
  }
  core::gFileSystem.scratchRoom = -1;
  EXPECT_EQ(ReadFile(target), "an older skin");
  EXPECT_EQ(core::gFileSystem.FileNames(*this / "Out"), Names{"Blue.zqv"});
}

TEST_F(SkinCommandsTest, MakeLeavesOutOnlyTheProgramsOwnScratchFilesAndTakesATargetAtTheLengthLimit) {
  OpenProject("Blue", "Projects\\Blue");
  // Left by a session that was ended during a save, beside the user's own
  // files of like names.
  const std::pair<const char*, bool> files[] = {
      {"~1.tmp", false}, {"control\\~2.tmp", false}, {"~3", false},
      {"notes.tmp", true}, {"~draft.tmp", true}, {"control\\~1.png", true}};
  for (const auto& [file, packed] : files) testing_support::WriteFile(core::gProjectFolder + "\\" + file, file);
  // A target of 259 characters, the longest path there is.
  const std::string folder = *this / "Out\\";
  const std::string target = folder + std::string(259 - folder.size() - 4, 'b') + ".zqv";
  testing_support::MakeFolders(folder);
  EXPECT_EQ(Make(target), Names{"\"Blue\" is made."});
  EXPECT_EQ(TopLevel(target), Names{"Blue"});
  for (const auto& [file, packed] : files)
    EXPECT_EQ(Exists(*this / ("Unpacked\\Blue\\" + std::string(file))), packed) << file;
  EXPECT_EQ(core::gFileSystem.FileNames(folder), Names{core::NameOf(target)});
}

TEST_F(SkinCommandsTest, MakeAsksAboutUnsavedEditsAndStopsOnCancel) {
  InstallEnglish();
  UseLanguage("English");
  OpenProject("Blue", "Projects\\Blue");
  core::gModified = true;
  {
    ScriptedPrompter prompts;
    prompts.AnswerMessage(IDCANCEL);
    ChooseMenu(form, form.mnuMake);
    EXPECT_EQ(prompts.MessageTexts(), Names{"Do you want to save changes to \"Blue\" before making the skin file?"});
    EXPECT_EQ(prompts.messages[0].type, static_cast<UINT>(MB_YESNOCANCEL));
  }
  EXPECT_TRUE(core::gModified);

  // No packs the project as last saved; cancelling the save dialog then
  // ends the command.
  {
    ScriptedPrompter prompts;
    prompts.AnswerMessage(IDNO).AnswerFile("");
    ChooseMenu(form, form.mnuMake);
  }
  EXPECT_FALSE(core::gModified);
  EXPECT_EQ(Setting("LastMakeDir"), "");
}

// ---------------------------------------------------------------- Run

TEST_F(SkinCommandsTest, RunStartsTheBrowserOnTheSkinPackedInTheWorkFolder) {
  OpenProject("Blue", "Projects\\Blue");
  const std::string browser = InstallBrowser();
  core::gBrowserFolder = browser;
  const std::set<DWORD> before = BrowserProcesses();

  ChooseMenu(form, form.mnuRun);

  StartedBrowser started(before);
  ASSERT_EQ(started.Count(), 1);
  ASSERT_TRUE(started.WaitUntilIdle());
  const std::string skin = core::gTempFolder + "\\Temp.zqv";
  EXPECT_EQ(ReadFile(browser + "\\commandline.txt"), "\"" + browser + "\\Velmora.exe\" \"" + skin + "\"");
  EXPECT_EQ(TopLevel(skin), Names{"Blue"});
}

TEST_F(SkinCommandsTest, RunSavesWithoutAskingAndPrefersTheRunningBrowser) {
  OpenProject("Blue", "Projects\\Blue");
  core::gBrowserFolder = InstallBrowser();
  core::gModified = true;
  form.txtAuthor.SetText("Edited before Run");
  const std::string running = testing_support::StandInBrowserExe(testing_support::kBrowserV2);
  testing_support::RunningProgram other("\"" + running + "\"");
  ASSERT_TRUE(other.WaitUntilIdle());
  StartedCommands started;

  // No prompt may appear.
  ChooseMenu(form, form.mnuRun);

  ASSERT_EQ(started.starts.size(), 1u);
  EXPECT_TRUE(core::EqualsNoCase(started.starts[0].commandLine,
                                 core::RunSkinCommandLine(running, core::gTempFolder + "\\Temp.zqv")))
      << started.starts[0].commandLine;
  EXPECT_EQ(started.starts[0].show, SW_SHOWNORMAL);
  // The edit was saved before the browser started.
  EXPECT_EQ(testing_support::ParseIni(core::gSkinIni)["general"]["author"], "Edited before Run");
}

TEST_F(SkinCommandsTest, RunStopsWhenTheSaveBeforeItFails) {
  OpenProject("Blue", "Projects\\Blue");
  core::gBrowserFolder = InstallBrowser();
  form.txtVersion.SetText("2.0");
  ASSERT_TRUE(SetFileAttributesA(core::gSkinIni.c_str(), FILE_ATTRIBUTE_READONLY));
  StartedCommands started;
  {
    ScriptedPrompter prompts;
    prompts.AnswerMessage(IDOK);
    ChooseMenu(form, form.mnuRun);
    EXPECT_EQ(prompts.messages.size(), 1u);
  }
  SetFileAttributesA(core::gSkinIni.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_TRUE(started.starts.empty());
  EXPECT_FALSE(Exists(core::gTempFolder + "\\Temp.zqv"));
  EXPECT_TRUE(core::gModified);
}

TEST_F(SkinCommandsTest, RunWithoutABrowserAsksForItsFolderOnceAndStops) {
  OpenProject("Blue", "Projects\\Blue");
  StartedCommands started;
  {
    ScriptedPrompter prompts;
    prompts.AnswerFolder("");
    ChooseMenu(form, form.mnuRun);
    EXPECT_EQ(prompts.folderDialogs[0].owner, form.hWnd());
  }
  EXPECT_FALSE(Exists(core::gTempFolder + "\\Temp.zqv"));

  // A browser folder that lost its executable: the skin is packed, the
  // folder asked for again, and a folder without the browser stops it.
  core::gBrowserFolder = *this / "Gone";
  {
    ScriptedPrompter prompts;
    prompts.AnswerFolder(Folder()).AnswerMessage(IDOK);
    ChooseMenu(form, form.mnuRun);
    EXPECT_EQ(prompts.MessageTexts(), Names{"Cannot find Velmora executable file Velmora.exe!"});
  }
  EXPECT_TRUE(Exists(core::gTempFolder + "\\Temp.zqv"));
  EXPECT_EQ(core::gBrowserFolder, *this / "Gone");
  EXPECT_TRUE(started.starts.empty());
}

TEST_F(SkinCommandsTest, RunReportsABrowserThatCannotBeStarted) {
  OpenProject("Blue", "Projects\\Blue");
  core::gBrowserFolder = *this / "Broken";
  testing_support::WriteFile(core::gBrowserFolder + "\\Velmora.exe", "");  // no program at all
  ScriptedPrompter prompts;
  prompts.AnswerMessage(IDOK);
  ChooseMenu(form, form.mnuRun);
  EXPECT_EQ(prompts.MessageTexts(), Names{"Failed to make \"Blue\"!"});
}

// ---------------------------------------------------------------- browser folder

TEST_F(SkinCommandsTest, SetVelmoraFolderTakesOnlyAFolderHoldingTheBrowser) {
  form.Load();
  core::gBrowserFolder = *this / "Before";
  {
    ScriptedPrompter prompts;
    prompts.AnswerFolder(Folder()).AnswerMessage(IDOK);
    ChooseMenu(form, form.mnuSetVel);
    EXPECT_EQ(prompts.folderDialogs[0].owner, form.hWnd());
    EXPECT_EQ(prompts.MessageTexts(), Names{"Cannot find Velmora executable file Velmora.exe!"});
  }
  EXPECT_EQ(core::gBrowserFolder, *this / "Before");
  EXPECT_EQ(Setting("VelmoraFolder"), "");

  const std::string browser = InstallBrowser();
  {
    ScriptedPrompter prompts;
    prompts.AnswerFolder(browser);
    ChooseMenu(form, form.mnuSetVel);
  }
  EXPECT_EQ(core::gBrowserFolder, browser);
  EXPECT_EQ(Setting("VelmoraFolder"), browser);
}

TEST_F(SkinCommandsTest, ExtractingTheDefaultSkinAsksThroughTheMainWindow) {
  form.Load();
  const std::string browser = InstallBrowser();
  {
    ScriptedPrompter prompts;
    prompts.AnswerFolder(browser);
    core::ExtractDefaultSkin();
    ASSERT_EQ(prompts.folderDialogs.size(), 1u);
    EXPECT_EQ(prompts.folderDialogs[0].owner, form.hWnd());
  }
  EXPECT_TRUE(Exists(core::DefaultSkinFile()));
}

// ---------------------------------------------------------------- help

class HelpItemsTest : public SkinCommandsTest {
 protected:
  void SetUp() override {
    SkinCommandsTest::SetUp();
    WriteLanguage("English",
                  "Skin_Reference_URL=http://skins.example/reference\r\n"
                  "Skin_Download_URL=http://skins.example/download\r\n"
                  "Skin_Forum_URL=http://skins.example/forum?a=1&b=2\r\n");
    UseLanguage("English");
    core::AddressFallback = [this](const std::string& url) { fallbacks.push_back(url); };
  }
  void TearDown() override {
    core::AddressFallback = saved;
    SkinCommandsTest::TearDown();
  }
  std::function<void(const std::string&)> saved = core::AddressFallback;
  Names fallbacks;
};

TEST_F(HelpItemsTest, OpenTheirAddressesInTheBrowserMinimized) {
  form.Load();
  core::gBrowserFolder = InstallBrowser();
  const std::string exe = "\"" + core::gBrowserFolder + "\\Velmora.exe\"";
  StartedCommands started;

  for (ui::MenuItem* item : {&form.mnuReference, &form.mnuDownload, &form.mnuForum, &form.mnuFeedback})
    ChooseMenu(form, *item);

  ASSERT_EQ(started.starts.size(), 4u);
  EXPECT_EQ(started.starts[0].commandLine, exe + " http://skins.example/reference");
  EXPECT_EQ(started.starts[1].commandLine, exe + " http://skins.example/download");
  EXPECT_EQ(started.starts[2].commandLine, exe + " http://skins.example/forum?a=1&b=2");
  // An address that no language file holds is passed empty.
  EXPECT_EQ(started.starts[3].commandLine, exe + " ");
  for (const auto& start : started.starts) EXPECT_EQ(start.show, SW_SHOWMINIMIZED);
  EXPECT_TRUE(fallbacks.empty());
}

TEST_F(HelpItemsTest, WithoutTheBrowserFallBackToInternetExplorer) {
  form.Load();
  StartedCommands started;
  {
    ScriptedPrompter prompts;
    prompts.AnswerFolder("");
    ChooseMenu(form, form.mnuReference);
  }
  // A browser folder without the browser is not asked for again.
  core::gBrowserFolder = *this / "Gone";
  ChooseMenu(form, form.mnuForum);

  EXPECT_EQ(fallbacks, (Names{"http://skins.example/reference", "http://skins.example/forum?a=1&b=2"}));
  EXPECT_TRUE(started.starts.empty());
  // An automation object that cannot be created is passed over.
  EXPECT_FALSE(core::NavigateAutomationBrowser("http://skins.example/", "Tarnell.NoSuchBrowser"));
}

TEST_F(SkinCommandsTest, MakeAndRunDoNothingWithoutAProject) {
  ScriptedPrompter prompts;  // any dialog or message would fail the test
  form.Load();
  core::gBrowserFolder.clear();
  // Even with the commands enabled, nothing is packed or started.
  form.mnuMake.SetEnabled(true);
  form.mnuRun.SetEnabled(true);
  ChooseMenu(form, form.mnuMake);
  ChooseMenu(form, form.mnuRun);
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_FALSE(Exists(core::gTempFolder + "\\Temp.zqv"));
}

TEST_F(SkinCommandsTest, AboutShowsTheNameAndVersion) {
  form.Load();
  ScriptedPrompter prompts;
  prompts.AnswerMessage(IDOK);
  ChooseMenu(form, form.mnuAbout);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text.rfind("Velmora 2 Tarnell        \r\n1.2.7\r\n", 0), 0u) << prompts.messages[0].text;
  EXPECT_EQ(prompts.messages[0].type, static_cast<UINT>(MB_OK));
}

}  // namespace
