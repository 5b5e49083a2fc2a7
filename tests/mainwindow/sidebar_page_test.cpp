// The Side Bar page: [SideBar] opened and saved back, its two background
// styles and their angles, and the duplicate style clean-up.
#include <gtest/gtest.h>

#include <map>

#include "pages/editor_support.h"
#include "project_support.h"

namespace {

using namespace main_window_tests;
using SideBarPageTest = ProjectTest;
const std::string kHead = "[General]\r\nName=Side\r\n[SideBar]\r\n";

TEST_F(SideBarPageTest, ASaveWritesWhatThePageShowsByEachStyleAndKeepsUnknownKeys) {
  Open(WriteProject("Side", kHead +
                                "Tab.Normal.Image=control\\n.png\r\nTab.Normal.Image.StartOffset=3\r\n"
                                "Tab.Normal.StartOut=5\r\nTab.Normal.EndOut=6\r\nTab.Normal.Image.Stretch=1\r\n"
                                "Tab.Normal.Padding=1  2 3 4\r\nTab.Active.Padding=0 0 0 0\r\n"
                                "TabBackground.Style=GFill\r\nTabBackground.Fill.ColorStart=#102030\r\n"
                                "TabBackground.Fill.ColorEnd=#405060\r\nTabBackground.Image=control\\old.png\r\n"
                                "TitleBackground.Style=Transparent\r\nTitleBackground.Fill.ColorStart=#FFFFFF\r\n"
                                "TitleBackground.Image=control\\t.png\r\nFlipSettings=1\r\nUnknown.Key=stays\r\n"));
  // Two blanks in a row make an empty part; the parts after it shift.
  EXPECT_EQ(form.SideBarTabNormal.txtPaddingRight.Text(), "");
  EXPECT_EQ(form.SideBarTabNormal.txtPaddingLeft.Text(), "3");
  EXPECT_FALSE(form.SideBarTabBkgnd.picImageBase.Visible());
  Save();
  std::map<std::string, std::string> expected = {
      {"tab.normal.image", "control\\n.png"}, {"tab.normal.image.startoffset", "3"}, {"tab.normal.image.endoffset", ""},
      {"tab.normal.startout", "5"}, {"tab.normal.endout", "6"}, {"tab.normal.image.stretch", "1"},
      {"tab.normal.padding", "1  2 3"}, {"tab.active.image.startoffset", ""}, {"tab.active.image.endoffset", ""},
      {"tab.active.startout", ""}, {"tab.active.endout", ""}, {"tab.active.image.stretch", "0"},
      {"tab.active.padding", "0 0 0 0"}, {"tabbackground.style", "GFill"}, {"tabbackground.fill.colorstart", "#102030"},
      {"tabbackground.fill.colorend", "#405060"}, {"tabbackground.fill.angle", "0"},
      {"titlebackground.style", "3Image"}, {"titlebackground.image", "control\\t.png"},
      {"titlebackground.image.stretch", "0"}, {"titlebackground.image.startoffset", "0"},
      {"titlebackground.image.endoffset", "0"}, {"flipsettings", "1"}, {"unknown.key", "stays"}};
  EXPECT_EQ(Saved()["sidebar"], expected);
  // The flip box is saved as it shows.
  for (const char* flip : {"0", "1"}) {
    SendMessageA(form.chkFlipSettings.hWnd(), BM_CLICK, 0, 0);
    Save();
    EXPECT_EQ(Saved()["sidebar"]["flipsettings"], flip);
  }
  // However often its item is picked, the image style shows its panel.
  for (int pick = 0; pick < 2; ++pick) editor_tests::PickItem(form.SideBarTabBkgnd.cboStyle, 0);
  EXPECT_TRUE(form.SideBarTabBkgnd.picImageBase.Visible());
}

TEST_F(SideBarPageTest, DuplicateStyleLinesLoseTwoOfTheFirstAndTheTabBackgroundsAngleMapsInversely) {
  // Of four style lines the first two go on opening: the third is read.
  std::string section = kHead + "TabBackground.Style=Transparent\r\nTabBackground.Style=Transparent\r\n";
  for (std::string element : {"TabBackground", "TitleBackground"})
    section += element + ".Style=GFill\r\n" + element + ".Fill.ColorStart=#FF0000\r\n" + element +
               ".Fill.ColorEnd=#0000FF\r\n" + element + ".Fill.Angle=90\r\n";
  std::string folder = WriteProject("Side", section + "TabBackground.Style=Transparent\r\n");
  Open(folder);
  std::string ini = testing_support::ReadFile(folder + "\\pelto.ini");
  EXPECT_EQ(ini.substr(ini.find("TabBackground"), 27), "TabBackground.Style=GFill\r\n");
  EXPECT_EQ(form.SideBarTabBkgnd.chkGradientHorizontal.Value(), 0);
  EXPECT_EQ(form.SideBarTitleBkgnd.chkGradientHorizontal.Value(), 1);
  // A clear box draws from left to right.
  EXPECT_TRUE(editor_tests::Near(form.SideBarTabBkgnd.picGradient.Point(0, 51), RGB(255, 0, 0)));
  Save();
  EXPECT_EQ(Saved()["sidebar"]["tabbackground.fill.angle"], "90");
  EXPECT_EQ(Saved()["sidebar"]["titlebackground.fill.angle"], "90");
}

TEST_F(SideBarPageTest, EmptiedLeadingPaddingBoxesLeaveEveryOtherValueInItsOwnBox) {
  struct Case {
    const char* emptied;  // the boxes emptied, top first ("TR": top and right)
    const char* saved;
    const char* shown;    // the four boxes after a reload, joined by "|"
  };
  const Case cases[] = {
      {"T", "0 3 4 5", "0|3|4|5"},
      {"TR", "0 0 4 5", "0|0|4|5"},
      {"TRB", "0 0 0 5", "0|0|0|5"},
      {"R", "2  4 5", "2||4|5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.emptied);
    const std::string folder = WriteProject("Side", kHead + "Tab.Normal.Padding=2 3 4 5\r\n");
    Open(folder);
    pages::TabImageEditor& tab = form.SideBarTabNormal;
    ui::TextBox* boxes[] = {&tab.txtPaddingTop, &tab.txtPaddingRight, &tab.txtPaddingBottom, &tab.txtPaddingLeft};
    for (const char* box = c.emptied; *box; ++box) boxes[std::string("TRBL").find(*box)]->SetText("");
    Save();
    EXPECT_EQ(Saved()["sidebar"]["tab.normal.padding"], c.saved);
    Open(folder);
    EXPECT_EQ(boxes[0]->Text() + "|" + boxes[1]->Text() + "|" + boxes[2]->Text() + "|" + boxes[3]->Text(), c.shown);
  }
}

}  // namespace
