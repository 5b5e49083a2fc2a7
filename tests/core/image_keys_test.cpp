// Storing image keys into pelto.ini, copying outside images into the
// project, and the table of default file names.
#include <gtest/gtest.h>

#include "core/files.h"
#include "core/globals.h"
#include "core/image_keys.h"
#include "core/ini.h"
#include "support/files.h"
#include "support/program.h"

namespace {

using testing_support::Exists;
using testing_support::ReadFile;
using testing_support::WriteFile;

class SaveImageKeyTest : public testing_support::ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    core::gProjectFolder = Folder() + "\\Projects\\A";
    core::gSkinIni = core::gProjectFolder + "\\pelto.ini";
    WriteFile(core::gSkinIni, "[TabBar]\r\n");
    outside = WriteFile(Folder() + "\\Skins\\x.png", "new image");
  }
  std::string Key() { return core::ReadIni(core::gSkinIni, "TabBar", "Background.Image"); }
  void SetKey(const std::string& value) { core::WriteIni(core::gSkinIni, "TabBar", "Background.Image", value); }
  core::ImageKeyResult Store(const std::string& path) {
    return core::StoreImageKey(core::gSkinIni, "TabBar", "Background.Image", path, "control", "tab_bg.png");
  }
  std::string Project(const std::string& relative) { return core::gProjectFolder + "\\" + relative; }
  std::string outside;
};

TEST_F(SaveImageKeyTest, EmptyPathDeletesTheKey) {
  SetKey("control\\tab_bg.png");
  EXPECT_EQ(core::SaveImageKey(core::gSkinIni, "TabBar", "Background.Image", "", "control", "tab_bg.png"), "");
  EXPECT_EQ(Key(), "");
  EXPECT_EQ(testing_support::ParseIni(core::gSkinIni)["tabbar"].count("background.image"), 0u);
}

TEST_F(SaveImageKeyTest, OutsideFileReplacesTheKeysCurrentFile) {
  SetKey("control\\my_bg.png");
  WriteFile(Project("control\\my_bg.png"), "old image");
  EXPECT_EQ(core::SaveImageKey(core::gSkinIni, "TabBar", "Background.Image", outside, "control", "tab_bg.png"),
            "control\\my_bg.png");
  EXPECT_EQ(ReadFile(Project("control\\my_bg.png")), "new image");
  EXPECT_EQ(Key(), "control\\my_bg.png");
  EXPECT_FALSE(Exists(Project("control\\tab_bg.png")));
}

TEST_F(SaveImageKeyTest, OutsideFileForAnEmptyKeyGetsTheDefaultName) {
  auto result = Store(outside);
  EXPECT_EQ(result.copiedAs, "control\\tab_bg.png");
  EXPECT_FALSE(result.copyFailed);
  EXPECT_EQ(ReadFile(Project("control\\tab_bg.png")), "new image");
  EXPECT_EQ(Key(), "control\\tab_bg.png");
}

TEST_F(SaveImageKeyTest, FileInsideTheProjectIsStoredRelative) {
  WriteFile(Project("misc\\a.png"), "inside");
  EXPECT_EQ(core::SaveImageKey(core::gSkinIni, "TabBar", "Background.Image", Project("misc\\a.png"), "control",
                               "tab_bg.png"),
            "");
  EXPECT_EQ(Key(), "misc\\a.png");
  EXPECT_FALSE(Exists(Project("control")));
}

TEST_F(SaveImageKeyTest, ProjectFolderInOtherCaseIsStoredRelativeAndNothingIsCopied) {
  WriteFile(Project("misc\\a.png"), "inside");
  SetKey("control\\tab_bg.png");
  std::string otherCase = core::ToUpper(core::gProjectFolder) + "\\misc\\a.png";
  EXPECT_EQ(Store(otherCase).copiedAs, "");
  EXPECT_EQ(Key(), "misc\\a.png");
  EXPECT_FALSE(Exists(Project("control\\tab_bg.png")));
  EXPECT_EQ(ReadFile(Project("misc\\a.png")), "inside");
}

TEST_F(SaveImageKeyTest, RelativeValueIsWrittenUnchangedAndNothingIsCopied) {
  auto result = Store("control\\missing.png");
  EXPECT_EQ(result.copiedAs, "");
  EXPECT_FALSE(result.copyFailed);
  EXPECT_EQ(Key(), "control\\missing.png");
  EXPECT_FALSE(Exists(Project("control")));
}

TEST_F(SaveImageKeyTest, FileIsNeverCopiedOntoItself) {
  WriteFile(Project("control\\tab_bg.png"), "the image");
  SetKey("control\\tab_bg.png");
  // A full path that does not start with the project folder counts as outside.
  std::string sameFile = core::ToUpper(Folder() + "\\Projects\\.\\A\\control\\tab_bg.png");
  auto result = Store(sameFile);
  EXPECT_FALSE(result.copyFailed);
  EXPECT_EQ(result.copiedAs, "control\\tab_bg.png");
  EXPECT_EQ(ReadFile(Project("control\\tab_bg.png")), "the image");
  EXPECT_EQ(Key(), "control\\tab_bg.png");
}

TEST_F(SaveImageKeyTest, StoredValueOutsideTheProjectIsReplacedByTheDefault) {
  std::string victim = WriteFile(Folder() + "\\Victim\\keep.png", "keep me");
  for (const std::string& stored : {victim, std::string("..\\..\\Victim\\keep.png"), std::string("\\keep.png"),
                                    std::string("control\\..\\..\\escape.png"), std::string("C:keep.png")}) {
    SCOPED_TRACE(stored);
    SetKey(stored);
    auto result = Store(outside);
    EXPECT_FALSE(result.copyFailed);
    EXPECT_EQ(result.copiedAs, "control\\tab_bg.png");
    EXPECT_EQ(Key(), "control\\tab_bg.png");
    EXPECT_EQ(ReadFile(Project("control\\tab_bg.png")), "new image");
  }
  EXPECT_EQ(ReadFile(victim), "keep me");
  EXPECT_FALSE(Exists(Folder() + "\\Projects\\escape.png"));
}

TEST_F(SaveImageKeyTest, NeitherPeltoIniNorACopyOfItBeingWrittenReceivesAnImage) {
  // The file written (a copy beside pelto.ini, as a save writes) and what its key names.
  const std::pair<const char*, const char*> cases[] = {{"pelto.ini.new", "pelto.ini"},
                                                       {"pelto.ini.tmp", "control\\..\\PELTO.INI.TMP"}};
  for (const auto& [file, named] : cases) {
    SCOPED_TRACE(named);
    WriteFile(Project(file), "[TabBar]\r\nBackground.Image=" + std::string(named) + "\r\n");
    EXPECT_EQ(core::StoreImageKey(Project(file), "TabBar", "Background.Image", outside, "control", "tab_bg.png").copiedAs,
              "control\\tab_bg.png");
    EXPECT_EQ(testing_support::ParseIni(Project(file))["tabbar"]["background.image"], "control\\tab_bg.png");
    EXPECT_EQ(ReadFile(core::gSkinIni), "[TabBar]\r\n");
  }
}

TEST_F(SaveImageKeyTest, StoredValueInAMissingFolderStillReceivesTheFile) {
  SetKey("control\\sub\\bg.png");
  EXPECT_EQ(Store(outside).copiedAs, "control\\sub\\bg.png");
  EXPECT_EQ(ReadFile(Project("control\\sub\\bg.png")), "new image");
}

TEST_F(SaveImageKeyTest, FailedCopyLeavesTheKeyAndIsReported) {
  auto result = Store(Folder() + "\\Skins\\missing.png");
  EXPECT_TRUE(result.copyFailed);
  EXPECT_EQ(result.copiedAs, "");
  EXPECT_EQ(Key(), "");
  EXPECT_EQ(testing_support::ParseIni(core::gSkinIni)["tabbar"].count("background.image"), 0u);

  SetKey("control\\old.png");
  result = Store(Folder() + "\\Skins\\missing.png");
  EXPECT_TRUE(result.copyFailed);
  EXPECT_EQ(Key(), "control\\old.png");
  EXPECT_EQ(core::SaveImageKey(core::gSkinIni, "TabBar", "Background.Image", Folder() + "\\Skins\\missing.png",
                               "control", "tab_bg.png"),
            "");
}

TEST_F(SaveImageKeyTest, WithoutASubFolderTheFileLandsInTheProjectFolder) {
  EXPECT_EQ(core::StoreImageKey(core::gSkinIni, "TabBar", "Background.Image", outside, "", "").copiedAs, "x.png");
  EXPECT_EQ(ReadFile(Project("x.png")), "new image");
  EXPECT_EQ(Key(), "x.png");
}

TEST_F(SaveImageKeyTest, CopyIntoProjectRefusesTargetsOutsideIt) {
  EXPECT_FALSE(core::CopyIntoProject(outside, "..\\x.png"));
  EXPECT_FALSE(core::CopyIntoProject(outside, Folder() + "\\y.png"));
  EXPECT_FALSE(core::CopyIntoProject(outside, ""));
  EXPECT_FALSE(Exists(Folder() + "\\Projects\\x.png"));
  EXPECT_FALSE(Exists(Folder() + "\\y.png"));
  EXPECT_TRUE(core::CopyIntoProject(outside, "toolbar\\24_Back.png"));
  EXPECT_EQ(ReadFile(Project("toolbar\\24_Back.png")), "new image");
}

TEST(IsInsideProject, NeedsAnOpenProject) {
  core::gProjectFolder.clear();
  EXPECT_FALSE(core::IsInsideProject("control\\a.png"));
}

// ---------------------------------------------------------------- defaults

TEST(DefaultImageFile, EveryPageKeyHasItsFile) {
  EXPECT_EQ(core::DefaultImageFile("TabBar", "Tab.Normal.Image"), "tab_inactive.png");
  EXPECT_EQ(core::DefaultImageFile("TabBar", "TabClose.Hover"), "tab_close_hover.png");
  EXPECT_EQ(core::DefaultImageFile("Global", "AnimateLoading"), "animate_loading.png");
  EXPECT_EQ(core::DefaultImageFile("Backgrounds", "Button.Disable.Image"), "button_bg_disable.png");
  EXPECT_EQ(core::DefaultImageFile("Backgrounds", "FindInPageBar.Image"), "findinpage_bg.png");
  EXPECT_EQ(core::DefaultImageFile("ComboBox", "Thumb.Hover.Image"), "combo_thumb_hover.png");
  EXPECT_EQ(core::DefaultImageFile("Progress", "Background.Image"), "combo_bg_normal.png");
  EXPECT_EQ(core::DefaultImageFolder("Backgrounds", "MenuBar.Image"), "control");
}

TEST(DefaultImageFile, SameKeyInAnotherSectionHasItsOwnFile) {
  EXPECT_EQ(core::DefaultImageFile("SideBar", "Tab.Normal.Image"), "sidebar_tab_normal.png");
  EXPECT_EQ(core::DefaultImageFile("TabBar", "Background.Image"), "tab_bg.png");
  EXPECT_EQ(core::DefaultImageFile("Progress", "Foreground.Image"), "progress_fg.png");
}

TEST(DefaultImageFile, MatchesWithoutRegardToCase) {
  EXPECT_EQ(core::DefaultImageFile("tabbar", "TAB.ACTIVE.IMAGE"), "tab_active.png");
}

TEST(DefaultImageFile, UnknownKeysHaveNone) {
  EXPECT_EQ(core::DefaultImageFile("TabBar", "Tab.Normal.Image.StartOffset"), "");
  EXPECT_EQ(core::DefaultImageFile("Colors", "Tab.Normal.Image"), "");
  EXPECT_EQ(core::FindImageKeyDefault("Icons", "Back"), nullptr);
  EXPECT_EQ(core::DefaultImageFolder("Icons", "Back"), "");
}

}  // namespace
