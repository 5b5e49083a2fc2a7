// The icon catalogue: [Icons] and [Icons16] loaded into the tables and a host's tiles, and the tables saved back
// with images from outside the project copied into it.
#include "core/icon_catalogue.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "core/files.h"
#include "core/globals.h"
#include "core/ini.h"
#include "core/startup.h"
#include "support/files.h"
#include "support/icon_tables.h"
#include "support/png.h"
#include "support/program.h"
#include "ui/ui.h"

namespace {

using namespace core;
using testing_support::ParseIni, testing_support::ReadFile, testing_support::WriteFile, testing_support::WritePng;

const COLORREF kWindow = GetSysColor(COLOR_WINDOW);
const COLORREF kRed = RGB(255, 0, 0);

// The catalogue's host: the tiles of the Buttons and Icons pages, and a record of what the catalogue asked of it.
class IconCatalogueTest : public testing_support::ProgramFolderTest, public IconHost {
 protected:
  void TearDown() override {
    SetIconHost(nullptr);
    form.Unload();
    testing_support::ResetIconCatalogue();
    ProgramFolderTest::TearDown();
  }
  ui::PictureBox* IconTile(int group, int index) override { return tiles[group].at(index).get(); }
  // Each selection records the value its entry held when it ran.
  void picBigIcon_MouseDown(int index, int, int, float, float) override {
    calls.push_back("big " + std::to_string(index) + " " + gToolbarNormal[0]);
  }
  void picSmallIcon_MouseDown(int index, int, int, float, float) override {
    calls.push_back("small " + std::to_string(index) + " " + gSmallIconPaths[0]);
  }
  void UpdateTextBox() override { calls.push_back("UpdateTextBox " + gToolbarNormal[0]); }

  void Ini(const std::string& text) const { WriteFile(gSkinIni, text); }
  std::string Project(const std::string& relative) const { return gProjectFolder + "\\" + relative; }

  ui::Form form{"Tiles", 400, 200, ui::FormStyle::FixedSingle};
  std::vector<std::unique_ptr<ui::PictureBox>> tiles[kIconGroupCount];
  std::vector<std::string> calls;
};

TEST_F(IconCatalogueTest, StartUpNamesEntriesLoadingFillsTablesAndTilesSavingWritesEditsAndCopiesOutsideImagesIn) {
  testing_support::ResetIconCatalogue();
  for (std::string& name : gToolbarNames) name.clear();
  ASSERT_TRUE(StartUp());
  gSkinIni = (gProjectFolder = *this / "Projects\\P") + "\\pelto.ini";
  for (int group = 0; group < kIconGroupCount; ++group) {
    const int size = group < kSmallIconGroup ? 33 : 25;
    for (int i = 0; i < IconGroupCount(group); ++i)
      tiles[group].push_back(std::make_unique<ui::PictureBox>(&form, ui::Rect{0, 0, size, size}));
  }
  SetIconHost(this);
  form.Load();
  WritePng(Project("toolbar\\24_back.png"), 25, 25, kRed);
  WritePng(Project("misc\\16_page.png"), 16, 16, kRed);
  WritePng(Project("misc\\16_go.png"), 10, 10, kRed);
  WriteFile(Project("control\\broken.png"), "not an image");
  Ini("[Icons]\nBack=toolbar\\24_back.png\nBack.Hover=toolbar\\missing.png\nBack.Pressed=toolbar\\c.png\n"
      "Back.Offset=1 2\nBack.Padding=3 3 3 3\nBack.drawbackground=0\nForward.drawbackground=\n"
      "TabClose=control\\broken.png\nTabClose.drawbackground=0\nTabCloseAll.drawbackground=0\n"
      "TabNew.drawbackground=0\nSkinSelect.drawbackground=0\n[Icons16]\nBack=toolbar\\16_back.png\n"
      "Page=misc\\16_page.png\nGo=misc\\16_go.png\nOpenInNew=misc\\16_open_in_new.png\nForceTabInBK=misc\\16_bk.png\n");
  gToolbarNormal[5] = gTabButtonDrawBG[3] = "kept";
  gToolbarChanged[5] = gSmallIconChanged[2] = gMiscIconChanged[64] = true;
  for (auto& group : tiles)  // tiles still showing an earlier project
    for (auto& tile : group) tile->SetBackColor(RGB(0, 0, 255));
  LoadIcons();

  EXPECT_EQ(gToolbarHover[0] + "|" + gToolbarOffset[0] + "|" + gToolbarPadding[0] + "|" + gToolbarDrawBG[0],
            "toolbar\\missing.png|1 2|3 3 3 3|0");
  for (int i = 1; i < kToolbarCount; ++i)
    EXPECT_EQ(gToolbarNormal[i] + gToolbarHover[i] + gToolbarDisable[i] + gToolbarPressed[i] + gToolbarOffset[i] +
                  gToolbarPadding[i] + "|" + gToolbarDrawBG[i] + (gToolbarChanged[i] ? "*" : ""),
              "|1")
        << i;
  // TabCloseAll and TabNew have no draw-background key to read.
  EXPECT_EQ(std::vector<std::string>(gTabButtonDrawBG.begin(), gTabButtonDrawBG.end()),
            (std::vector<std::string>{"1", "1", "0", "kept", ""}));
  EXPECT_FALSE(gSmallIconChanged[2] || gMiscIconChanged[64]);
  EXPECT_EQ(gMiscIconPaths[30] + "|" + gMiscIconPaths[56] + "|" + gMiscIconPaths[31] + "|" + gMiscIconPaths[57],
            "misc\\16_open_in_new.png|misc\\16_open_in_new.png|misc\\16_bk.png|misc\\16_bk.png");

  // The normal image centred, misc icons 4 pixels in (a smaller one too); a file that is no image gives the window
  // colour and nothing drawn; no file an empty tile.
  ui::PictureBox *back = IconTile(kToolbarGroup, 0), *broken = IconTile(kTabButtonGroup, 2),
                 *page = IconTile(kMiscIconGroup, 0), *go = IconTile(kMiscIconGroup, 22);
  for (auto& group : tiles)
    for (auto& tile : group) {
      const bool shown = tile.get() == back || tile.get() == broken || tile.get() == page || tile.get() == go;
      EXPECT_EQ(tile->BackColor(), shown ? ui::kSysWindow : ui::kSysButtonFace);
      EXPECT_TRUE(shown || tile->Point(5, 5) == GetSysColor(COLOR_BTNFACE));
    }
  const std::tuple<ui::PictureBox*, int, COLORREF> pixels[] = {
      {back, 3, kWindow},    {back, 4, kRed},    {back, 28, kRed}, {back, 29, kWindow},
      {broken, 16, kWindow}, {page, 3, kWindow}, {page, 4, kRed},  {page, 19, kRed},
      {page, 20, kWindow},   {go, 4, kRed},      {go, 14, kWindow}};
  for (auto [tile, at, colour] : pixels) EXPECT_EQ(tile->Point(at, at), colour) << at;

  // Saving: a cleared normal image keeps its key, other cleared images go; unchanged entries keep their keys whatever
  // the tables hold; of a misc pair the later entry is left. Every button's offset, padding and draw-background flag
  // is written, a flag of 1 as no key, but TabCloseAll's and TabNew's never are.
  gToolbarNormal[0] = gToolbarHover[0] = gSmallIconPaths[0] = gMiscIconPaths[0] = "";
  gToolbarChanged[0] = gSmallIconChanged[0] = gMiscIconChanged[0] = true;
  gTabButtonNormal[2] = gTabButtonHover[2] = gMiscIconPaths[22] = "misc\\other.png";
  gMiscIconPaths[56] = "misc\\second.png";
  gMiscIconChanged[30] = gMiscIconChanged[56] = true;
  gToolbarOffset[0] = gToolbarPadding[0] = gToolbarDrawBG[6] = "";
  gToolbarOffset[1] = gToolbarPadding[1] = gWinButtonOffset[0] = "2 2";
  gTabButtonDrawBG[0] = "0";
  SaveIcons();
  EXPECT_EQ(ParseIni(gSkinIni),
            testing_support::ParseIniText(
                "[Icons]\nBack=\nBack.Pressed=toolbar\\c.png\nBack.drawbackground=0\nForward.Offset=2 2\n"
                "Forward.Padding=2 2\nNew.drawbackground=\nTabToolbar.drawbackground=0\nTabClose=control\\broken.png\n"
                "TabClose.drawbackground=0\nTabCloseAll.drawbackground=0\nTabNew.drawbackground=0\n"
                "SkinSelect.drawbackground=0\nSkinSelect.Offset=2 2\n[Icons16]\nGo=misc\\16_go.png\n"
                "OpenInNew=misc\\second.png\nForceTabInBK=misc\\16_bk.png\n"));

  // Outside images are copied in, over the key's file else under the group's name; the entries take that name.
  std::string victim = WriteFile(*this / "victim.png", "not to be overwritten");
  Ini("[Icons]\nTabClose=control\\broken.png\nRefresh=..\\..\\victim.png\nStop=" + victim +
      "\nUndo=toolbar\\24_undo.png\nEdit=toolbar\\24_edit.png\n[Icons16]\n");
  // Value, its Changed flag, section, key, the file it names after saving.
  const std::tuple<std::string&, bool&, const char*, const char*, const char*> cases[] = {
      {gToolbarNormal[0], gToolbarChanged[0], "Icons", "Back", "toolbar\\24_Back.png"},
      {gToolbarHover[0], gToolbarChanged[0], "Icons", "Back.Hover", "toolbar\\24_Back_hover.png"},
      {gTabButtonNormal[2], gTabButtonChanged[2], "Icons", "TabClose", "control\\broken.png"},
      // State images of a normal image that is no PNG, or of none at all.
      {gToolbarPressed[2], gToolbarChanged[2], "Icons", "HistoryMenu.Pressed", "toolbar\\24_HistoryMenu_pressed.png"},
      {gToolbarHover[5], gToolbarChanged[5], "Icons", "Home.Hover", "toolbar\\24_Home_hover.png"},
      // Keys naming a file outside the project.
      {gToolbarNormal[3], gToolbarChanged[3], "Icons", "Refresh", "toolbar\\24_Refresh.png"},
      {gToolbarNormal[4], gToolbarChanged[4], "Icons", "Stop", "toolbar\\24_Stop.png"},
      {gTabButtonNormal[1], gTabButtonChanged[1], "Icons", "TabSidebar", "control\\tab_TabSidebar.png"},
      {gWinButtonNormal[4], gWinButtonChanged[4], "Icons", "MenuClose", "control\\win_MenuClose.png"},
      {gSmallIconPaths[39], gSmallIconChanged[39], "Icons16", "f2_16_zoomout", "toolbar\\16_f2_16_zoomout.png"},
      {gMiscIconPaths[44], gMiscIconChanged[44], "Icons16", "_Execute.Hover", "misc\\16__Execute.Hover.png"}};
  for (const auto& [value, changed, section, key, file] : cases) {
    changed = true;
    value = WriteFile(*this / (std::string(key) + ".png"), key);  // its text tells the copies apart
  }
  gToolbarNormal[2] = "toolbar\\fwd.bmp";
  // A full path into the project, in any letter case, is stored relative.
  gToolbarNormal[7] = ToUpper(gProjectFolder) + "\\toolbar\\mine.png";
  // Images that cannot be copied leave their keys and entries and are told.
  const std::string gone = *this / "gone\\b.png";
  gToolbarNormal[20] = gSmallIconPaths[3] = gone;
  gToolbarChanged[7] = gToolbarChanged[20] = gSmallIconChanged[3] = true;
  EXPECT_EQ(SaveIcons(), (std::vector<std::string>{gone, gone}));
  for (const auto& [value, changed, section, key, file] : cases) {
    SCOPED_TRACE(key);
    EXPECT_EQ(ReadIni(gSkinIni, section, key) + "|" + value, std::string(file) + "|" + file);
    EXPECT_EQ(ReadFile(Project(file)), key);
  }
  EXPECT_EQ(ReadFile(victim), "not to be overwritten");
  EXPECT_EQ(ReadIni(gSkinIni, "Icons", "Undo") + "|" + gToolbarNormal[7], "toolbar\\mine.png|toolbar\\mine.png");
  EXPECT_EQ(ReadIni(gSkinIni, "Icons", "Edit") + "|" + gToolbarNormal[20], "toolbar\\24_edit.png|" + gone);
  EXPECT_EQ(ParseIni(gSkinIni)["icons16"].count("refresh"), 0u);
  // First entries are selected once their values are in; the host refreshes once entries hold their new names.
  EXPECT_EQ(calls, (std::vector<std::string>{"big 0 toolbar\\24_back.png", "small 0 toolbar\\16_back.png",
                                             "UpdateTextBox ", "UpdateTextBox toolbar\\24_Back.png"}));
  EXPECT_TRUE(gToolbarChanged[0]);  // entries stay changed
}

}  // namespace
