// The icon catalogue: its key names, loading [Icons] and [Icons16] into the
// tables and the tiles of a host, and saving the tables back with images
// from outside the project copied into it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/files.h"
#include "core/globals.h"
#include "core/icon_catalogue.h"
#include "core/ini.h"
#include "core/startup.h"
#include "support/files.h"
#include "support/icon_tables.h"
#include "support/png.h"
#include "support/program.h"
#include "ui/ui.h"

namespace {

using namespace core;
using testing_support::Exists;
using testing_support::ParseIni;
using testing_support::ReadFile;
using testing_support::WriteFile;
using testing_support::WritePng;

const COLORREF kWindow = GetSysColor(COLOR_WINDOW);
const COLORREF kButtonFace = GetSysColor(COLOR_BTNFACE);
const COLORREF kRed = RGB(255, 0, 0);

// The tiles of the Buttons and Icons pages on a form of their own, and a
// record of what the catalogue asked of them.
class TileHost : public ui::Form, public IconHost {
 public:
  TileHost() : ui::Form("Tiles", 400, 200, ui::FormStyle::FixedSingle) {}

  ui::ControlArray<ui::PictureBox> big{kToolbarCount, Tiles(33, 33)};
  ui::ControlArray<ui::PictureBox> tab{kTabButtonCount, Tiles(33, 33)};
  ui::ControlArray<ui::PictureBox> win{kWinButtonCount, Tiles(49, 33)};
  ui::ControlArray<ui::PictureBox> small{kSmallIconCount, Tiles(25, 25)};
  ui::ControlArray<ui::PictureBox> misc{kMiscIconCount, Tiles(25, 25)};
  std::vector<std::string> calls;

  ui::PictureBox* IconTile(int group, int index) override {
    ui::ControlArray<ui::PictureBox>* arrays[] = {&big, &tab, &win, &small, &misc};
    if (group < 0 || group >= kIconGroupCount || !arrays[group]->Exists(index)) return nullptr;
    return &(*arrays[group])(index);
  }
  // Each selection records the value its entry held when it ran.
  void picBigIcon_MouseDown(int index, int, int, float, float) override {
    calls.push_back("big " + std::to_string(index) + " " + gToolbarNormal[0]);
  }
  void picSmallIcon_MouseDown(int index, int, int, float, float) override {
    calls.push_back("small " + std::to_string(index) + " " + gSmallIconPaths[0]);
  }
  void UpdateTextBox() override { calls.push_back("UpdateTextBox " + gToolbarNormal[0]); }

 private:
  ui::ControlArray<ui::PictureBox>::Factory Tiles(int width, int height) {
    return [this, width, height](int) {
      return std::make_unique<ui::PictureBox>(this, ui::Rect{0, 0, width, height});
    };
  }
};

class IconCatalogueTest : public testing_support::ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    testing_support::ResetIconCatalogue();
    gProjectName = "P";
    gProjectFolder = *this / "Projects\\P";
    gSkinIni = gProjectFolder + "\\pelto.ini";
    previous_ = CurrentIconHost();
    SetIconHost(&host);
    host.Load();
  }
  void TearDown() override {
    SetIconHost(previous_);
    host.Unload();
    testing_support::ResetIconCatalogue();
    ProgramFolderTest::TearDown();
  }
  void Ini(const std::string& text) { WriteFile(gSkinIni, "[General]\r\nName=P\r\n" + text); }
  std::string Project(const std::string& relative) const { return gProjectFolder + "\\" + relative; }
  std::string Icons(const std::string& key) { return ReadIni(gSkinIni, "Icons", key, "<none>"); }
  bool HasKey(const std::string& section, const std::string& key) {
    auto data = ParseIni(gSkinIni);
    auto s = data.find(core::ToLower(section));
    return s != data.end() && s->second.count(core::ToLower(key)) > 0;
  }
  // An image outside the project.
  std::string Outside(const std::string& name, COLORREF colour = kRed) {
    return WritePng(outside_ / name, 16, 16, colour);
  }

  TileHost host;

 private:
  IconHost* previous_ = nullptr;
  testing_support::TempFolder outside_;
};

TEST(IconNames, FiveGroupsOfKeyNamesWithTheToolbarNamesRepeatedAmongTheSmallIcons) {
  testing_support::ResetIconCatalogue();
  EXPECT_EQ(gToolbarNames[0], "Back");
  EXPECT_EQ(gToolbarNames[30], "UserOffline");
  EXPECT_EQ(gTabButtonNames[3], "TabCloseAll");
  EXPECT_EQ(gWinButtonNames[4], "MenuClose");
  for (int i = 0; i < kToolbarCount; ++i) EXPECT_EQ(gSmallIconNames[i], gToolbarNames[i]);
  EXPECT_EQ(gSmallIconNames[31], "f2_16_setting");
  EXPECT_EQ(gSmallIconNames[39], "f2_16_zoomout");
  EXPECT_EQ(gMiscIconNames[44], "_Execute.Hover");
  EXPECT_EQ(gMiscIconNames[64], "Mute_enable");
  // One key, two entries.
  EXPECT_EQ(gMiscIconNames[30], "OpenInNew");
  EXPECT_EQ(gMiscIconNames[56], "OpenInNew");
  EXPECT_EQ(gMiscIconNames[57], "ForceTabInBK");
  EXPECT_EQ(MiscIconTwin(31), 57);
  EXPECT_EQ(MiscIconTwin(56), 30);
  EXPECT_EQ(MiscIconTwin(29), -1);
}

TEST_F(IconCatalogueTest, StartUpFillsTheNameTables) {
  for (std::string& name : gToolbarNames) name.clear();
  ASSERT_TRUE(StartUp());
  EXPECT_EQ(gToolbarNames[1], "Forward");
  EXPECT_EQ(gMiscIconNames[0], "Page");
}

// ---------------------------------------------------------------- loading

TEST_F(IconCatalogueTest, AProjectWithoutIconsLoadsEmptyValuesAndEmptyTilesAndSelectsTheFirstEntries) {
  Ini("");
  gToolbarNormal[5] = "left over";
  gToolbarChanged[5] = gSmallIconChanged[2] = gMiscIconChanged[64] = true;
  LoadIcons();

  for (int i = 0; i < kToolbarCount; ++i) {
    EXPECT_EQ(gToolbarNormal[i] + gToolbarHover[i] + gToolbarDisable[i] + gToolbarPressed[i] + gToolbarOffset[i] +
                  gToolbarPadding[i],
              "");
    EXPECT_EQ(gToolbarDrawBG[i], "1");
    EXPECT_FALSE(gToolbarChanged[i]);
  }
  for (int i = 0; i < kTabButtonsWithDrawBG; ++i) EXPECT_EQ(gTabButtonDrawBG[i], "1");
  EXPECT_FALSE(gSmallIconChanged[2]);
  EXPECT_FALSE(gMiscIconChanged[64]);

  int tiles = 0;
  for (int group = 0; group < kIconGroupCount; ++group) {
    for (int i = 0; i < IconGroupCount(group); ++i, ++tiles) {
      ui::PictureBox& tile = *host.IconTile(group, i);
      EXPECT_EQ(tile.BackColor(), ui::kSysButtonFace) << group << " " << i;
      EXPECT_EQ(tile.Point(5, 5), kButtonFace);
    }
  }
  EXPECT_EQ(tiles, 146);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"big 0 ", "small 0 "}));
}

TEST_F(IconCatalogueTest, EachEntryIsSelectedOnlyOnceItsValuesAreIn) {
  WritePng(Project("toolbar\\24_back.png"), 24, 24, kRed);
  Ini("[Icons]\r\nBack=toolbar\\24_back.png\r\n[Icons16]\r\nBack=toolbar\\16_back.png\r\n");
  LoadIcons();
  EXPECT_EQ(host.calls,
            (std::vector<std::string>{"big 0 toolbar\\24_back.png", "small 0 toolbar\\16_back.png"}));
}

TEST_F(IconCatalogueTest, DrawBackgroundReadsOneWhenMissingOrEmptyAndTabButtonsThreeAndFourKeepTheirFlags) {
  gTabButtonDrawBG[3] = "kept";
  Ini("[Icons]\r\nBack.drawbackground=0\r\nForward.drawbackground=\r\nTabClose.drawbackground=0\r\n"
      "TabCloseAll.drawbackground=0\r\nTabNew.drawbackground=0\r\nBack.Offset=1 2\r\nBack.Padding=3 3 3 3\r\n");
  LoadIcons();
  EXPECT_EQ(gToolbarDrawBG[0], "0");
  EXPECT_EQ(gToolbarDrawBG[1], "1");
  EXPECT_EQ(gTabButtonDrawBG[2], "0");
  EXPECT_EQ(gTabButtonDrawBG[3], "kept");
  EXPECT_EQ(gTabButtonDrawBG[4], "");
  EXPECT_EQ(gToolbarOffset[0], "1 2");
  EXPECT_EQ(gToolbarPadding[0], "3 3 3 3");
}

TEST_F(IconCatalogueTest, BothMiscEntriesOfAKeyLoadItsValue) {
  Ini("[Icons16]\r\nOpenInNew=misc\\16_open_in_new.png\r\nForceTabInBK=misc\\16_bk.png\r\n");
  LoadIcons();
  EXPECT_EQ(gMiscIconPaths[30], "misc\\16_open_in_new.png");
  EXPECT_EQ(gMiscIconPaths[56], "misc\\16_open_in_new.png");
  EXPECT_EQ(gMiscIconPaths[31], "misc\\16_bk.png");
  EXPECT_EQ(gMiscIconPaths[57], "misc\\16_bk.png");
}

TEST_F(IconCatalogueTest, TilesShowTheNormalImageCentredAndMiscIconsFourPixelsIn) {
  WritePng(Project("toolbar\\24_back.png"), 25, 25, kRed);
  WritePng(Project("misc\\16_page.png"), 16, 16, kRed);
  WritePng(Project("misc\\16_go.png"), 10, 10, kRed);
  WriteFile(Project("control\\broken.png"), "not an image");
  Ini("[Icons]\r\nBack=toolbar\\24_back.png\r\nBack.Hover=toolbar\\missing.png\r\nTabClose=control\\broken.png\r\n"
      "[Icons16]\r\nPage=misc\\16_page.png\r\nGo=misc\\16_go.png\r\n");
  LoadIcons();

  // 25 pixels in a 33-pixel tile start at 4.
  ui::PictureBox& back = host.big(0);
  EXPECT_EQ(back.BackColor(), ui::kSysWindow);
  EXPECT_EQ(back.Point(3, 3), kWindow);
  EXPECT_EQ(back.Point(4, 4), kRed);
  EXPECT_EQ(back.Point(28, 28), kRed);
  EXPECT_EQ(back.Point(29, 29), kWindow);
  // A file that is no image: the window colour and nothing drawn.
  EXPECT_EQ(host.tab(2).BackColor(), ui::kSysWindow);
  EXPECT_EQ(host.tab(2).Point(16, 16), kWindow);

  ui::PictureBox& page = host.misc(0);
  EXPECT_EQ(page.Point(3, 3), kWindow);
  EXPECT_EQ(page.Point(4, 4), kRed);
  EXPECT_EQ(page.Point(19, 19), kRed);
  EXPECT_EQ(page.Point(20, 20), kWindow);
  // Not centred: a smaller icon starts at (4, 4) as well.
  ui::PictureBox& go = host.misc(22);
  EXPECT_EQ(go.Point(4, 4), kRed);
  EXPECT_EQ(go.Point(14, 14), kWindow);
}

// ---------------------------------------------------------------- saving

TEST_F(IconCatalogueTest, AnOutsideImageOfAnEmptyKeyGetsTheGroupsNameAndItsStatesNamesDerivedFromIt) {
  Ini("[Icons]\r\n");
  std::string normal = Outside("b.png", kRed);
  std::string hover = Outside("bh.png", RGB(0, 0, 255));
  gToolbarNormal[0] = normal;
  gToolbarHover[0] = hover;
  gToolbarChanged[0] = true;
  std::vector<std::string> uncopied = SaveIcons();

  EXPECT_TRUE(uncopied.empty());
  EXPECT_EQ(Icons("Back"), "toolbar\\24_Back.png");
  EXPECT_EQ(Icons("Back.Hover"), "toolbar\\24_Back_hover.png");
  EXPECT_EQ(ReadFile(Project("toolbar\\24_Back.png")), ReadFile(normal));
  EXPECT_EQ(ReadFile(Project("toolbar\\24_Back_hover.png")), ReadFile(hover));
  // The entries take the project-relative names, then the host refreshes.
  EXPECT_EQ(gToolbarNormal[0], "toolbar\\24_Back.png");
  EXPECT_EQ(gToolbarHover[0], "toolbar\\24_Back_hover.png");
  EXPECT_EQ(host.calls, std::vector<std::string>{"UpdateTextBox toolbar\\24_Back.png"});
  EXPECT_TRUE(gToolbarChanged[0]);

  // Each group's own folder and name.
  for (auto [group, index, expected] : {std::tuple{kTabButtonGroup, 1, "control\\tab_TabSidebar.png"},
                                        std::tuple{kWinButtonGroup, 4, "control\\win_MenuClose.png"}}) {
    ButtonTables t = ButtonGroupTables(group);
    t.normal[index] = normal;
    t.changed[index] = true;
    SaveIcons();
    EXPECT_EQ(Icons(t.names[index]), expected);
    EXPECT_TRUE(Exists(Project(expected)));
  }
  gSmallIconPaths[39] = normal;
  gMiscIconPaths[44] = normal;
  gSmallIconChanged[39] = gMiscIconChanged[44] = true;
  SaveIcons();
  EXPECT_EQ(ReadIni(gSkinIni, "Icons16", "f2_16_zoomout"), "toolbar\\16_f2_16_zoomout.png");
  EXPECT_EQ(ReadIni(gSkinIni, "Icons16", "_Execute.Hover"), "misc\\16__Execute.Hover.png");
  EXPECT_TRUE(Exists(Project("misc\\16__Execute.Hover.png")));
}

TEST_F(IconCatalogueTest, AnOutsideImageReplacesTheFileTheKeyNamesAndTheKeyKeepsItsValue) {
  WriteFile(Project("control\\x.png"), "old image");
  Ini("[Icons]\r\nBack=control\\x.png\r\n");
  std::string normal = Outside("b.png");
  gToolbarNormal[0] = normal;
  gToolbarChanged[0] = true;
  SaveIcons();
  EXPECT_EQ(Icons("Back"), "control\\x.png");
  EXPECT_EQ(ReadFile(Project("control\\x.png")), ReadFile(normal));
  EXPECT_EQ(gToolbarNormal[0], "control\\x.png");
  EXPECT_FALSE(Exists(Project("toolbar")));
}

TEST_F(IconCatalogueTest, ClearedImagesKeepAnEmptyNormalKeyAndDeleteTheOthers) {
  Ini("[Icons]\r\nBack=toolbar\\a.png\r\nBack.Hover=toolbar\\b.png\r\nBack.Pressed=toolbar\\c.png\r\n"
      "[Icons16]\r\nBack=toolbar\\16_back.png\r\nPage=misc\\16_page.png\r\n");
  LoadIcons();
  gToolbarNormal[0].clear();
  gToolbarHover[0].clear();
  gToolbarChanged[0] = true;
  gSmallIconPaths[0].clear();
  gSmallIconChanged[0] = true;
  gMiscIconPaths[0].clear();
  gMiscIconChanged[0] = true;
  SaveIcons();
  EXPECT_TRUE(HasKey("Icons", "Back"));
  EXPECT_EQ(Icons("Back"), "<none>");
  EXPECT_FALSE(HasKey("Icons", "Back.Hover"));
  EXPECT_EQ(Icons("Back.Pressed"), "toolbar\\c.png");
  EXPECT_FALSE(HasKey("Icons16", "Back"));
  EXPECT_FALSE(HasKey("Icons16", "Page"));
}

TEST_F(IconCatalogueTest, UnchangedEntriesKeepTheirImageKeysWhateverTheTablesHold) {
  Ini("[Icons]\r\nBack=toolbar\\a.png\r\n[Icons16]\r\nPage=misc\\16_page.png\r\n");
  LoadIcons();
  gToolbarNormal[0] = "toolbar\\other.png";
  gToolbarHover[0] = "toolbar\\other_hover.png";
  gMiscIconPaths[0] = "misc\\other.png";
  SaveIcons();
  EXPECT_EQ(Icons("Back"), "toolbar\\a.png");
  EXPECT_FALSE(HasKey("Icons", "Back.Hover"));
  EXPECT_EQ(ReadIni(gSkinIni, "Icons16", "Page"), "misc\\16_page.png");
}

TEST_F(IconCatalogueTest, OffsetPaddingAndDrawBackgroundOfEveryButtonAreWritten) {
  Ini("[Icons]\r\nBack.Offset=1 1\r\nForward.Padding=2 2 2 2\r\nHome.drawbackground=0\r\n"
      "TabCloseAll.drawbackground=0\r\nTabNew.drawbackground=1\r\nSkinSelect.drawbackground=0\r\n");
  LoadIcons();
  gToolbarOffset[0] = "";
  gToolbarOffset[1] = "0 3";
  gToolbarPadding[1] = "";
  gToolbarDrawBG[0] = "0";
  gToolbarDrawBG[5] = "1";
  gToolbarDrawBG[6] = "";
  gTabButtonDrawBG[2] = "0";
  gTabButtonDrawBG[3] = "1";
  gTabButtonDrawBG[4] = "0";
  gWinButtonOffset[0] = "4 4";
  SaveIcons();

  EXPECT_FALSE(HasKey("Icons", "Back.Offset"));
  EXPECT_EQ(Icons("Forward.Offset"), "0 3");
  EXPECT_FALSE(HasKey("Icons", "Forward.Padding"));
  EXPECT_EQ(Icons("Back.drawbackground"), "0");
  EXPECT_FALSE(HasKey("Icons", "Home.drawbackground"));
  EXPECT_TRUE(HasKey("Icons", "New.drawbackground"));
  EXPECT_EQ(Icons("New.drawbackground"), "<none>");
  EXPECT_FALSE(HasKey("Icons", "Refresh.drawbackground"));
  EXPECT_EQ(Icons("TabClose.drawbackground"), "0");
  // Never written nor deleted for these.
  EXPECT_EQ(Icons("TabCloseAll.drawbackground"), "0");
  EXPECT_EQ(Icons("TabNew.drawbackground"), "1");
  EXPECT_EQ(Icons("SkinSelect.drawbackground"), "0");
  EXPECT_EQ(Icons("SkinSelect.Offset"), "4 4");
  // No image key of an unchanged button is written.
  EXPECT_FALSE(HasKey("Icons", "Back"));
}

TEST_F(IconCatalogueTest, OfAMiscPairWithTwoValuesTheLaterEntryIsLeftInTheFile) {
  Ini("[Icons16]\r\n");
  gMiscIconPaths[30] = "misc\\first.png";
  gMiscIconPaths[56] = "misc\\second.png";
  gMiscIconChanged[30] = gMiscIconChanged[56] = true;
  SaveIcons();
  EXPECT_EQ(ReadIni(gSkinIni, "Icons16", "OpenInNew"), "misc\\second.png");
}

TEST_F(IconCatalogueTest, AStateImageNeverLandsOnTheNormalImageNorInTheProjectFolderItself) {
  Ini("[Icons]\r\nForward=toolbar\\fwd.bmp\r\n");
  WriteFile(Project("toolbar\\fwd.bmp"), "normal image");
  std::string hover = Outside("hover.png");
  // No normal image at all.
  gToolbarHover[0] = hover;
  gToolbarChanged[0] = true;
  // A normal image that is no PNG.
  gToolbarNormal[1] = "toolbar\\fwd.bmp";
  gToolbarPressed[1] = hover;
  gToolbarChanged[1] = true;
  SaveIcons();

  EXPECT_EQ(Icons("Back.Hover"), "toolbar\\24_Back_hover.png");
  EXPECT_EQ(ReadFile(Project("toolbar\\24_Back_hover.png")), ReadFile(hover));
  EXPECT_FALSE(Exists(Project("hover.png")));
  EXPECT_EQ(Icons("Forward.Pressed"), "toolbar\\24_Forward_pressed.png");
  EXPECT_EQ(ReadFile(Project("toolbar\\fwd.bmp")), "normal image");
}

TEST_F(IconCatalogueTest, AKeyNamingAFileOutsideTheProjectGetsTheDefaultNameInstead) {
  std::string victim = WriteFile(*this / "victim.png", "not to be overwritten");
  Ini("[Icons]\r\nBack=..\\..\\victim.png\r\nForward=" + victim + "\r\n");
  std::string image = Outside("b.png");
  gToolbarNormal[0] = gToolbarNormal[1] = image;
  gToolbarChanged[0] = gToolbarChanged[1] = true;
  SaveIcons();
  EXPECT_EQ(ReadFile(victim), "not to be overwritten");
  EXPECT_EQ(Icons("Back"), "toolbar\\24_Back.png");
  EXPECT_EQ(Icons("Forward"), "toolbar\\24_Forward.png");
  EXPECT_EQ(ReadFile(Project("toolbar\\24_Forward.png")), ReadFile(image));
}

TEST_F(IconCatalogueTest, AFullPathIntoTheProjectIsStoredRelativeAndNothingIsCopied) {
  WriteFile(Project("toolbar\\mine.png"), "mine");
  WriteFile(Project("toolbar\\24_back.png"), "back");
  Ini("[Icons]\r\nBack=toolbar\\24_back.png\r\n");
  gToolbarNormal[0] = ToUpper(gProjectFolder) + "\\toolbar\\mine.png";
  gToolbarChanged[0] = true;
  SaveIcons();
  EXPECT_EQ(Icons("Back"), "toolbar\\mine.png");
  EXPECT_EQ(gToolbarNormal[0], "toolbar\\mine.png");
  EXPECT_EQ(ReadFile(Project("toolbar\\24_back.png")), "back");
}

TEST_F(IconCatalogueTest, AnImageThatCannotBeCopiedLeavesItsKeyAndEntryAndIsReported) {
  Ini("[Icons]\r\nBack=toolbar\\24_back.png\r\n[Icons16]\r\n");
  std::string gone = *this / "gone\\b.png";
  gToolbarNormal[0] = gone;
  gToolbarChanged[0] = true;
  gSmallIconPaths[3] = gone;
  gSmallIconChanged[3] = true;
  std::vector<std::string> uncopied = SaveIcons();
  EXPECT_EQ(uncopied, (std::vector<std::string>{gone, gone}));
  EXPECT_EQ(Icons("Back"), "toolbar\\24_back.png");
  EXPECT_EQ(gToolbarNormal[0], gone);
  EXPECT_FALSE(HasKey("Icons16", "Refresh"));
}

TEST_F(IconCatalogueTest, ASecondSaveWithoutEditsWritesTheSameValues) {
  Ini("[Icons]\r\n");
  gToolbarNormal[0] = Outside("b.png");
  gToolbarChanged[0] = true;
  SaveIcons();
  auto first = ParseIni(gSkinIni);
  SaveIcons();
  EXPECT_EQ(ParseIni(gSkinIni), first);
}

}  // namespace
