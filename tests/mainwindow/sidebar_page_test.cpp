// The Side Bar page: [SideBar] opened and saved back, its two background
// styles and their angles, the duplicate style clean-up and the offset
// markers of its previews.
#include <gtest/gtest.h>

#include <map>

#include "pages/editor_support.h"
#include "project_support.h"
#include "support/png.h"

namespace {

using namespace main_window_tests;
using editor_tests::PickItem;
using core::Split;

class SideBarPageTest : public ProjectTest {
 protected:
  std::string SideBarProject(const std::string& name, const std::string& section) {
    return WriteProject(name, "[General]\r\nName=" + name + "\r\n[SideBar]\r\n" + section);
  }
};

TEST_F(SideBarPageTest, ASaveWritesWhatThePageShowsByEachStyleAndKeepsUnknownKeys) {
  Open(SideBarProject("Side",
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
  EXPECT_EQ(form.SideBarTabBkgnd.cboStyle.List(0), "Use Image");
  EXPECT_FALSE(form.SideBarTabBkgnd.picImageBase.Visible());
  Save();
  std::map<std::string, std::string> expected = {
      {"tab.normal.image", "control\\n.png"}, {"tab.normal.image.startoffset", "3"},
      {"tab.normal.image.endoffset", ""}, {"tab.normal.startout", "5"}, {"tab.normal.endout", "6"},
      {"tab.normal.image.stretch", "1"}, {"tab.normal.padding", "1  2 3"}, {"tab.active.image.startoffset", ""},
      {"tab.active.image.endoffset", ""}, {"tab.active.startout", ""}, {"tab.active.endout", ""},
      {"tab.active.image.stretch", "0"}, {"tab.active.padding", "0 0 0 0"}, {"tabbackground.style", "GFill"},
      {"tabbackground.fill.colorstart", "#102030"}, {"tabbackground.fill.colorend", "#405060"},
      {"tabbackground.fill.angle", "0"}, {"titlebackground.style", "3Image"},
      {"titlebackground.image", "control\\t.png"}, {"titlebackground.image.stretch", "0"},
      {"titlebackground.image.startoffset", "0"}, {"titlebackground.image.endoffset", "0"},
      {"flipsettings", "1"}, {"unknown.key", "stays"}};
  EXPECT_EQ(Saved()["sidebar"], expected);

  // However often its item is picked, the image style shows its panel.
  for (int pick = 0; pick < 2; ++pick) PickItem(form.SideBarTabBkgnd.cboStyle, 0);
  EXPECT_TRUE(form.SideBarTabBkgnd.picImageBase.Visible());
}

TEST_F(SideBarPageTest, TheTabBackgroundsAngleMapsInverselyToTheTitleBackgrounds) {
  struct Case {
    const char* angle;
    int tabBox;
    int titleBox;
    const char* saved;
  };
  const COLORREF kStart = RGB(255, 0, 0);
  for (const Case& c : {Case{"90", 0, 1, "90"}, Case{"0", 1, 0, "0"}, Case{"", 1, 0, "0"}, Case{"x", 1, 0, "0"}}) {
    std::string section;
    for (const char* element : {"TabBackground", "TitleBackground"})
      for (std::string line : {"Style=GFill", "Fill.ColorStart=#FF0000", "Fill.ColorEnd=#0000FF", "Fill.Angle="})
        section += element + ("." + line) + (line == "Fill.Angle=" ? c.angle : "") + "\r\n";
    Open(SideBarProject(std::string("Angle") + c.angle, section));
    EXPECT_EQ(form.SideBarTabBkgnd.chkGradientHorizontal.Value(), c.tabBox) << c.angle;
    EXPECT_EQ(form.SideBarTitleBkgnd.chkGradientHorizontal.Value(), c.titleBox) << c.angle;
    // A clear box draws from left to right, a ticked one from top to bottom.
    EXPECT_EQ(editor_tests::Near(form.SideBarTabBkgnd.picGradient.Point(0, 51), kStart), c.tabBox == 0) << c.angle;
    Save();
    EXPECT_EQ(Saved()["sidebar"]["tabbackground.fill.angle"], c.saved) << c.angle;
    EXPECT_EQ(Saved()["sidebar"]["titlebackground.fill.angle"], c.saved) << c.angle;
  }
}

TEST_F(SideBarPageTest, DuplicateStyleLinesLoseAtMostTwoOfTheFirstOnOpening) {
  struct Case {
    std::vector<const char*> styles;
    std::vector<std::string> left;
    int item;
  };
  for (const Case& c : {Case{{"GFill", "3Image"}, {"3Image"}, 0}, Case{{"GFill", "3Image", "GFill"}, {"GFill"}, 1},
                        Case{{"GFill", "GFill", "3Image", "GFill"}, {"3Image", "GFill"}, 0}}) {
    std::string lines;
    for (const char* style : c.styles) lines += std::string("TabBackground.Style=") + style + "\r\n";
    std::string folder = SideBarProject("Copies" + std::to_string(c.styles.size()), lines);
    Open(folder);
    const std::string key = "TabBackground.Style=";
    std::vector<std::string> left;
    for (std::string line : Split(testing_support::ReadFile(folder + "\\pelto.ini"), "\n")) {
      if (line.ends_with('\r')) line.pop_back();
      if (line.starts_with(key)) left.push_back(line.substr(key.size()));
    }
    EXPECT_EQ(left, c.left) << c.styles.size();
    EXPECT_EQ(form.SideBarTabBkgnd.cboStyle.ListIndex(), c.item) << c.styles.size();
  }
}

TEST_F(SideBarPageTest, MarkersFrameTheMiddleOfTheDrawnImageAlongTheirAxis) {
  std::string folder = SideBarProject("Markers",
                                      "Tab.Normal.Image=control\\tall.png\r\n"
                                      "TitleBackground.Image=control\\wide.png\r\n"
                                      "[ComboBox]\r\nBackground.Normal.Image=control\\wider.png\r\n");
  for (auto [name, width, height] : {std::tuple{"tall", 30, 20}, {"wide", 100, 10}, {"wider", 200, 10}})
    testing_support::WritePng(folder + "\\control\\" + name + ".png", width, height, RGB(0, 128, 0));
  Open(folder);
  struct Case {
    pages::MarkedImageEditor& editor;
    void (mainwindow::frmTarnell::*update)();
    const char* start;
    const char* end;
    int first;
    int extent;
  };
  // A strip 20 high in the 36-pixel box: m = 8, lines on rows 12 and 23.
  // An image 100 wide in the 173-pixel box: m = 36; one 200 wide: m = 0.
  for (const Case& c : {Case{form.SideBarTabNormal.image, &mainwindow::frmTarnell::UpdateSideBarNormalTabMarker,
                             "5", "5", 12, 12},
                        Case{form.SideBarTitleBkgnd.image, &mainwindow::frmTarnell::UpdateSideBarTitleBkgndMarker,
                             "0", "0", 35, 102},
                        Case{form.ComboNormal, &mainwindow::frmTarnell::UpdateComboNormalMarker, "10", "20", 9, 172}}) {
    c.editor.txtStartOffset.SetText(c.start);
    c.editor.txtEndOffset.SetText(c.end);
    (form.*c.update)();
    bool vertical = c.editor.preview.Axis() == pages::MarkerAxis::Vertical;
    EXPECT_TRUE(c.editor.shp.Visible());
    EXPECT_EQ(vertical ? c.editor.shp.Top() : c.editor.shp.Left(), c.first);
    EXPECT_EQ(vertical ? c.editor.shp.Height() : c.editor.shp.Width(), c.extent);
  }
}

}  // namespace
