// Loading a project into the pages through the main window's seam, the
// recent-projects list it rewrites, and the placeholder folders it removes.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "core/files.h"
#include "core/globals.h"
#include "core/ini.h"
#include "core/project_host.h"
#include "core/project_loader.h"
#include "core/recent_projects.h"
#include "support/files.h"
#include "support/program.h"

namespace {

using testing_support::Exists;
using testing_support::ReadFile;
using testing_support::WriteFile;
using Calls = std::vector<std::string>;

// A main window that records what the load asks of it; a test may act
// inside any call (as the user would while messages run).
class RecordingHost : public core::ProjectHost {
 public:
  Calls calls;
  std::map<std::string, std::function<void()>> during;

  void EnableProjectCommands() override { Record("EnableProjectCommands"); }
  void LoadGeneral() override { Record("LoadGeneral"); }
  void LoadFrame() override { Record("LoadFrame"); }
  void LoadSideBar() override { Record("LoadSideBar"); }
  void LoadCombo() override { Record("LoadCombo"); }
  void LoadProgress() override { Record("LoadProgress"); }
  void UpdateProjectList() override { Record("UpdateProjectList"); }
  void LoadColor() override { Record("LoadColor"); }
  void LoadBackground() override { Record("LoadBackground"); }
  void LoadTabBar() override { Record("LoadTabBar"); }
  void mnuSave_Click() override {
    Record("mnuSave_Click");
    core::gSaveRequested = false;
    core::gModified = false;
  }
  void UnloadMainWindow() override { Record("UnloadMainWindow"); }

 private:
  void Record(const std::string& call) {
    calls.push_back(call + (core::gLoadingProject ? "" : " (after the load)"));
    if (auto hook = during.find(call); hook != during.end()) hook->second();
  }
};

const Calls kAllLoads = {"EnableProjectCommands", "LoadGeneral", "LoadFrame",      "LoadSideBar",
                         "LoadCombo",             "LoadProgress", "UpdateProjectList", "LoadColor",
                         "LoadBackground",        "LoadTabBar"};

class LoadProjectTest : public testing_support::ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    testing_support::MakeFolders(core::gTempFolder);
    previousHost_ = core::CurrentProjectHost();
    core::SetProjectHost(&host);
    Open("Blue", "Projects\\Blue");
  }
  void TearDown() override {
    core::SetProjectHost(previousHost_);
    ProgramFolderTest::TearDown();
  }
  // A project folder with a pelto.ini naming it; returns its folder.
  std::string Project(const std::string& name, const std::string& folder) {
    WriteFile(*this / (folder + "\\pelto.ini"), "[General]\r\nName=" + name + "\r\n");
    return *this / folder;
  }
  // Makes a project current, as the Open command does before the load.
  void Open(const std::string& name, const std::string& folder) {
    core::gProjectName = name;
    core::gProjectFolder = Project(name, folder);
    core::gProjectFolderName = core::NameOf(core::gProjectFolder);
    core::gSkinIni = core::gProjectFolder + "\\pelto.ini";
  }

  RecordingHost host;

 private:
  core::ProjectHost* previousHost_ = nullptr;
};

TEST_F(LoadProjectTest, FillsEveryPageInOrderFromAScratchCopyThatOnlyLivesDuringTheLoad) {
  std::string scratch = core::gTempFolder + "\\config.ini";
  WriteFile(scratch, "left over from an earlier load");
  std::string copyDuringLoad;
  host.during["LoadSideBar"] = [&] {
    copyDuringLoad = ReadFile(scratch);
    // Edits made by the loaders themselves.
    core::gModified = true;
  };
  core::LoadProject();

  EXPECT_EQ(host.calls, kAllLoads);
  EXPECT_EQ(copyDuringLoad, ReadFile(core::gSkinIni));
  EXPECT_FALSE(Exists(scratch));
  EXPECT_EQ(core::gTempIni, scratch);
  EXPECT_FALSE(core::gLoadingProject);
  EXPECT_FALSE(core::gModified);
}

TEST_F(LoadProjectTest, AProjectWithoutPeltoIniLoadsDefaultsWithoutAScratchCopy) {
  testing_support::RemoveTree(core::gProjectFolder);
  bool scratchExisted = true;
  host.during["LoadGeneral"] = [&] { scratchExisted = Exists(core::gTempIni); };
  core::LoadProject();
  EXPECT_FALSE(scratchExisted);
  EXPECT_EQ(host.calls, kAllLoads);
}

TEST_F(LoadProjectTest, AnExitWithoutASaveSkipsTheLoadsStillToComeAndThenCloses) {
  host.during["LoadFrame"] = [] { core::gExitRequested = true; };
  core::LoadProject();
  EXPECT_EQ(host.calls, (Calls{"EnableProjectCommands", "LoadGeneral", "LoadFrame", "LoadSideBar", "LoadCombo",
                               "LoadProgress", "UpdateProjectList", "UnloadMainWindow (after the load)"}));
  // Taken up: a close the user cancels must not come back at the next load.
  EXPECT_FALSE(core::gExitRequested);

  host.calls.clear();
  host.during.clear();
  host.during["LoadColor"] = [] { core::gExitRequested = true; };
  core::LoadProject();
  EXPECT_EQ(host.calls, (Calls{"EnableProjectCommands", "LoadGeneral", "LoadFrame", "LoadSideBar", "LoadCombo",
                               "LoadProgress", "UpdateProjectList", "LoadColor",
                               "UnloadMainWindow (after the load)"}));
}

TEST_F(LoadProjectTest, AnExitWithASaveLoadsEverythingSavesAndThenCloses) {
  host.during["LoadCombo"] = [] {
    core::gExitRequested = true;
    core::gSaveRequested = true;
  };
  core::LoadProject();
  Calls expected = kAllLoads;
  expected.push_back("mnuSave_Click (after the load)");
  expected.push_back("UnloadMainWindow (after the load)");
  EXPECT_EQ(host.calls, expected);

  // A save alone: the window stays.
  host.calls.clear();
  host.during.clear();
  host.during["LoadTabBar"] = [] { core::gSaveRequested = true; };
  core::LoadProject();
  expected.pop_back();
  EXPECT_EQ(host.calls, expected);
}

TEST_F(LoadProjectTest, OnlyPlaceholderMarkersAndTheFoldersTheyLeaveEmptyAreRemoved) {
  std::string project = core::gProjectFolder;
  WriteFile(project + "\\control\\Placeholder.txt", "");
  WriteFile(project + "\\misc\\Placeholder.txt", "");
  WriteFile(project + "\\misc\\my_icon.png", "the user's image");
  WriteFile(project + "\\toolbar\\24_back.png", "image");
  WriteFile(project + "\\Placeholder.txt", "");
  core::LoadProject();

  EXPECT_FALSE(Exists(project + "\\control"));
  EXPECT_FALSE(Exists(project + "\\misc\\Placeholder.txt"));
  EXPECT_EQ(ReadFile(project + "\\misc\\my_icon.png"), "the user's image");
  EXPECT_TRUE(Exists(project + "\\toolbar\\24_back.png"));
  // Only sub-folders are looked at.
  EXPECT_TRUE(Exists(project + "\\Placeholder.txt"));
}

// ---------------------------------------------------------------- recent projects

class RecentProjectsTest : public LoadProjectTest {
 protected:
  std::vector<std::string> Stored() { return core::ProjectEntries(core::ReadIni(Config(), "General", "LastProjects")); }
  std::string Entry(const std::string& name, const std::string& folder) { return name + "$,$" + (*this / folder); }
};

TEST_F(RecentProjectsTest, TheOpenedProjectComesFirstFollowedByAtMostEightOlderOnes) {
  std::vector<std::string> older;
  for (int i = 1; i <= 12; ++i) {
    std::string name = "P" + std::to_string(i);
    Project(name, "Projects\\" + name);
    older.push_back(Entry(name, "Projects\\" + name));
  }
  for (const std::string& entry : older) core::gLastProjects += (core::gLastProjects.empty() ? "" : "$;$") + entry;
  core::LoadProject();

  std::vector<std::string> expected = {Entry("Blue", "Projects\\Blue")};
  expected.insert(expected.end(), older.begin(), older.begin() + 8);
  EXPECT_EQ(Stored(), expected);
  EXPECT_EQ(core::ProjectEntries(core::gLastProjects), expected);
}

TEST_F(RecentProjectsTest, AProjectIsListedOnceByItsFolderInAnyLetterCase) {
  Project("Red", "Projects\\Red");
  std::string blueUpper = core::ToUpper(core::gProjectFolder);
  core::gLastProjects = Entry("Red", "Projects\\Red") + "$;$" + "Old Blue$,$" + blueUpper + "$;$" +
                        Entry("Red again", "Projects\\red");
  core::LoadProject();
  EXPECT_EQ(Stored(), (std::vector<std::string>{Entry("Blue", "Projects\\Blue"), Entry("Red", "Projects\\Red")}));
}

TEST_F(RecentProjectsTest, ProjectsWhosePeltoIniIsGoneAreDroppedAndDoNotCount) {
  std::vector<std::string> expected = {Entry("Blue", "Projects\\Blue")};
  for (int i = 1; i <= 10; ++i) {
    std::string name = "P" + std::to_string(i);
    // Every other project has been deleted.
    if (i % 2 == 0) {
      Project(name, "Projects\\" + name);
      expected.push_back(Entry(name, "Projects\\" + name));
    }
    core::gLastProjects += "$;$" + Entry(name, "Projects\\" + name) + "$;$";
  }
  core::LoadProject();
  EXPECT_EQ(Stored(), expected);
}

TEST_F(RecentProjectsTest, SeparatorsInAProjectNameCannotBreakTheList) {
  Project("Red", "Projects\\Red");
  core::gLastProjects = Entry("Red", "Projects\\Red");
  core::gProjectName = "A$;$B$,$C$;$;$";
  core::LoadProject();
  std::vector<std::string> entries = Stored();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(core::EntryName(entries[0]), "A$; $B$, $C$; $; $");
  EXPECT_EQ(core::EntryFolder(entries[0]), core::gProjectFolder);
  EXPECT_EQ(entries[1], Entry("Red", "Projects\\Red"));
}

TEST_F(RecentProjectsTest, ANameEndingInHalfASeparatorReadsBackWhole) {
  Project("Red", "Projects\\Red");
  for (const char* name : {"Shop$,", "Shop$;", "Shop$, "}) {
    core::gLastProjects = Entry("Red", "Projects\\Red");
    core::gProjectName = name;
    core::LoadProject();
    std::vector<std::string> entries = Stored();
    ASSERT_EQ(entries.size(), 2u) << name;
    EXPECT_EQ(core::EntryName(entries[0]), name);
    EXPECT_EQ(core::EntryFolder(entries[0]), core::gProjectFolder) << name;
    EXPECT_EQ(entries[1], Entry("Red", "Projects\\Red")) << name;
  }
}

}  // namespace
