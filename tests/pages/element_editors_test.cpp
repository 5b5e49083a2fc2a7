// The shared element editors on a small form of their own: the offset
// marker rule on both axes, colour rows with and without the colour-text
// test, the image editor's Browse and image editor clicks, and the
// background editor's styles, previews, duplicate-style clean-up and its
// keys, with the variations the pages set.
#include "pages/element_editors.h"

#include <gtest/gtest.h>

#include "core/ini.h"
#include "core/paths.h"
#include "editor_support.h"
#include "support/png.h"
#include "support/scripted_prompter.h"

namespace {

using namespace editor_tests;
using pages::BackgroundEditor;
using pages::BackgroundEditorDesign;
using pages::MarkerAxis;
using testing_support::ScriptedPrompter;
using testing_support::WritePng;

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// A Backgrounds-page element of section [Test] under the prefix Thing.
BackgroundEditorDesign Backdrop() {
  BackgroundEditorDesign d;
  d.stem = "Backdrop";
  d.frameCaption = "Backdrop";
  d.frame = {0, 0, 361, 152};
  d.transparentItem = true;
  d.keys.section = "Test";
  d.keys.readPrefix = "Thing";
  d.keys.defaultStyle = "transparent";
  d.keys.defaultFile = "thing_bg.png";
  d.keys.cleanupPasses = 3;
  return d;
}

// A Tab Bar background: two styles, read and written under differently
// spelled prefixes, the image key kept by a gradient save, no "0" for empty
// offsets, the image editor on a double click.
BackgroundEditorDesign TabBackground() {
  BackgroundEditorDesign d;
  d.stem = "TabInactiveBkgnd";
  d.frameCaption = "Inactive Tab Bar Background";
  d.frame = {370, 0, 361, 152};
  d.colourGroupHeight = 129;
  d.marker = {0, -2, 40, 44};
  d.editOnDoubleClick = true;
  d.zeroEmptyOffsets = false;
  d.gradientCheckCaption = "Use horizontal gradient";
  d.keys.section = "TabBar";
  d.keys.readPrefix = "InactiveBackground";
  d.keys.writePrefix = "InActiveBackground";
  d.keys.defaultFile = "tab_bg_inactive.png";
  d.keys.keepImageKeyForGradient = true;
  return d;
}

// The Side Bar's tab background: a vertical marker, the inverse angle and
// the stretch key written with a capital S.
BackgroundEditorDesign SideBarTabBackground() {
  BackgroundEditorDesign d;
  d.stem = "SideBarTabBkgnd";
  d.frameCaption = "Tab Background";
  d.frame = {0, 160, 361, 152};
  d.marker = {-2, 0, 177, 17};
  d.axis = MarkerAxis::Vertical;
  d.keys.section = "SideBar";
  d.keys.readPrefix = "TabBackground";
  d.keys.defaultFile = "sidebar_tab_bg.png";
  d.keys.invertAngle = true;
  d.keys.stretchSuffix = ".Image.Stretch";
  return d;
}

class EditorForm : public ui::Form {
 public:
  EditorForm() : ui::Form("", 760, 520, ui::FormStyle::Borderless) {}

  ui::PictureBox base{this, {0, 0, 760, 520}, ui::PictureBox::kNoBorder, ui::kSysWindow};
  pages::OffsetMarkerPreview across{&base, {"picAcross", "ShpAcross", {380, 170, 173, 36}, {0, -2, 33, 40}}};
  pages::OffsetMarkerPreview down{
      &base, {"picDown", "ShpDown", {380, 220, 173, 36}, {-2, 0, 177, 17}, MarkerAxis::Vertical}};
  pages::ColorRow typed{&base, {"txtTypedTextColor", "lblTypedTextColorPalette", {380, 270, 153, 22},
                                {540, 270, 38, 23}, true, false, ui::kSysButtonFace}};
  pages::ColorRow tinted{&base, {"txtTintedColor", "lblTintedColorPalette", {380, 300, 153, 22},
                                 {540, 300, 38, 23}, true, true}};
  BackgroundEditor backdrop{&base, Backdrop()};
  BackgroundEditor tabBackground{&base, TabBackground()};
  BackgroundEditor sideBar{&base, SideBarTabBackground()};
};

class ElementEditorsTest : public ProjectFolderTest {
 protected:
  void SetUp() override {
    ProjectFolderTest::SetUp();
    form.Load();
    savedStarter_ = core::ProcessStarter;
    core::ProcessStarter = [this](const std::string& line, int) {
      started.push_back(line);
      return true;
    };
  }
  void TearDown() override {
    core::ProcessStarter = savedStarter_;
    form.Unload();
    ProjectFolderTest::TearDown();
  }
  // An image of the given size outside the project.
  std::string OutsideImage(const std::string& name, int width, int height, COLORREF colour = RGB(0, 128, 0)) {
    return WritePng(*this / ("Images\\" + name), width, height, colour);
  }
  // Loads one editor from the section the test wrote.
  void LoadEditor(BackgroundEditor& editor) {
    BeginLoad();
    editor.Load();
    EndLoad();
  }

  EditorForm form;
  std::vector<std::string> started;

 private:
  std::function<bool(const std::string&, int)> savedStarter_;
};

// ---------------------------------------------------------------- numbers

TEST(NumericValue, TakesNumbersWithBlanksSignsAndFractionsOnly) {
  EXPECT_EQ(pages::NumericValue("12"), 12.0);
  EXPECT_EQ(pages::NumericValue(" 7 "), 7.0);
  EXPECT_EQ(pages::NumericValue("-3"), -3.0);
  EXPECT_EQ(pages::NumericValue("2.5"), 2.5);
  EXPECT_EQ(pages::NumericValue(".5"), 0.5);
  for (const char* text : {"", "  ", "5px", "x", ".", "-", "1.2.3", "0x10", "1e3", "inf", "4 4"})
    EXPECT_FALSE(pages::NumericValue(text).has_value()) << text;
}

TEST(ColourTextTest, PassesHashFormsOfSevenOrFourAndRgbInAnyCase) {
  for (const char* text : {"#112233", "#1A5", "RGB(1,2,3)", "rgb", "Rgb(300"})
    EXPECT_TRUE(pages::PassesColourTextTest(text)) << text;
  for (const char* text : {"", "#", "#12", "#1A55", "#1122334", "112233", " #1A5", "rg"})
    EXPECT_FALSE(pages::PassesColourTextTest(text)) << text;
}

// ---------------------------------------------------------------- marker rule

TEST_F(ElementEditorsTest, TheMarkerStaysHiddenUntilItsFirstUpdate) {
  EXPECT_FALSE(form.across.shp.Visible());
  form.across.UpdateMarker("", "");
  EXPECT_TRUE(form.across.shp.Visible());
  // Nothing could be placed: the designed place stays.
  EXPECT_EQ(form.across.shp.Left(), 0);
  EXPECT_EQ(form.across.shp.Width(), 33);
}

TEST_F(ElementEditorsTest, HorizontalMarkerFramesTheMiddleOfImagesOfKnownWidths) {
  struct Case {
    int width;
    const char* start;
    const char* end;
    int left;
    int markerWidth;
  };
  for (const Case& c : {Case{100, "0", "0", 35, 102}, Case{101, "0", "0", 35, 103}, Case{200, "10", "20", 9, 172},
                        Case{20, "5", "5", 80, 12}}) {
    form.across.ShowImage(OutsideImage("w" + std::to_string(c.width) + ".png", c.width, 10));
    ASSERT_EQ(form.across.RecordedExtent(), c.width);
    form.across.UpdateMarker(c.start, c.end);
    EXPECT_EQ(form.across.shp.Left(), c.left) << c.width;
    EXPECT_EQ(form.across.shp.Width(), c.markerWidth) << c.width;
    // The lines lie on m + S - 1 and m + h - E; top and height as designed.
    EXPECT_EQ(form.across.shp.Top(), -2);
    EXPECT_EQ(form.across.shp.Height(), 40);
  }
}

TEST_F(ElementEditorsTest, MarkerSettingsThatCannotBeMadeKeepTheirPreviousValues) {
  // No image drawn yet: m = 86; the width 2 - 5 - 5 would be negative.
  form.across.UpdateMarker("5", "5");
  EXPECT_EQ(form.across.shp.Left(), 90);
  EXPECT_EQ(form.across.shp.Width(), 33);

  form.across.ShowImage(OutsideImage("w100.png", 100, 10));
  form.across.UpdateMarker("0", "0");
  // An empty start moves nothing; a valid start with an unreadable end
  // moves the left edge only.
  form.across.UpdateMarker("", "3");
  EXPECT_EQ(form.across.shp.Left(), 35);
  EXPECT_EQ(form.across.shp.Width(), 102);
  form.across.UpdateMarker("4", "four");
  EXPECT_EQ(form.across.shp.Left(), 39);
  EXPECT_EQ(form.across.shp.Width(), 102);
  // Offsets beyond the image: the marker moves, its width stays.
  form.across.UpdateMarker("60", "60");
  EXPECT_EQ(form.across.shp.Left(), 95);
  EXPECT_EQ(form.across.shp.Width(), 102);
}

TEST_F(ElementEditorsTest, VerticalMarkerMovesTopAndHeightFromTheRecordedHeight) {
  form.down.ShowImage(OutsideImage("tall.png", 300, 20));
  EXPECT_EQ(form.down.RecordedExtent(), 20);
  form.down.UpdateMarker("5", "5");
  // m = (36 - 20) \ 2 = 8: lines on rows 12 and 23.
  EXPECT_EQ(form.down.shp.Top(), 12);
  EXPECT_EQ(form.down.shp.Height(), 12);
  EXPECT_EQ(form.down.shp.Left(), -2);
  EXPECT_EQ(form.down.shp.Width(), 177);

  form.down.Clear();
  EXPECT_EQ(form.down.RecordedExtent(), 0);
  form.down.UpdateMarker("0", "0");
  EXPECT_EQ(form.down.shp.Top(), 17);
  EXPECT_EQ(form.down.shp.Height(), 2);
}

TEST_F(ElementEditorsTest, AnEmptyPathKeepsTheImageAndClearEmptiesTheBox) {
  form.across.ShowImage(OutsideImage("red.png", 40, 20, kRed));
  form.across.ShowImage("");
  EXPECT_EQ(form.across.RecordedExtent(), 40);
  EXPECT_EQ(form.across.pic.Point(86, 18), kRed);
  form.across.Clear();
  EXPECT_EQ(form.across.RecordedExtent(), 0);
  EXPECT_NE(form.across.pic.Point(86, 18), kRed);
}

// ---------------------------------------------------------------- colour rows

TEST_F(ElementEditorsTest, PaletteClickSetsTheTextAndTheTextsChangeDoesTheRest) {
  ScriptedPrompter prompts;
  prompts.AnswerColor(RGB(0x12, 0x34, 0x56));
  int changes = 0;
  form.typed.Changed = [&changes] { ++changes; };
  Click(form.typed.lblPalette.hWnd());
  ASSERT_EQ(prompts.colorDialogs.size(), 1u);
  // The dialog opened at the swatch's colour.
  EXPECT_EQ(prompts.colorDialogs[0].initial, GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(form.typed.Text(), "#123456");
  EXPECT_EQ(form.typed.Colour(), RGB(0x12, 0x34, 0x56));
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(core::gModified);
}

TEST_F(ElementEditorsTest, PickingTheColourTheTextHoldsOrCancellingChangesNothing) {
  form.typed.txt.SetText("#123456");
  core::gModified = false;
  int changes = 0;
  form.typed.Changed = [&changes] { ++changes; };
  ScriptedPrompter prompts;
  prompts.AnswerColor(RGB(0x12, 0x34, 0x56)).AnswerColor(-1);
  Click(form.typed.lblPalette.hWnd());
  Click(form.typed.lblPalette.hWnd());
  EXPECT_EQ(form.typed.Text(), "#123456");
  EXPECT_EQ(changes, 0);
  EXPECT_FALSE(core::gModified);
}

TEST_F(ElementEditorsTest, TheColourTextTestDecidesWhichTypedTextsRecolourTheSwatch) {
  form.typed.txt.SetText("#1A5");
  EXPECT_EQ(form.typed.Colour(), RGB(0x11, 0xAA, 0x55));
  form.typed.txt.SetText("#1A55");
  EXPECT_EQ(form.typed.Colour(), RGB(0x11, 0xAA, 0x55));
  form.typed.txt.SetText("rgb(1,2,3)");
  EXPECT_EQ(form.typed.Colour(), RGB(1, 2, 3));
  form.typed.txt.SetText("FF0000");
  EXPECT_EQ(form.typed.Colour(), RGB(1, 2, 3));
  form.typed.txt.SetText("#");
  EXPECT_EQ(form.typed.Colour(), RGB(1, 2, 3));
  EXPECT_TRUE(core::gModified);
}

TEST_F(ElementEditorsTest, ARowThatTintsItsTextTakesThePickedColourAsTextColour) {
  ScriptedPrompter prompts;
  prompts.AnswerColor(RGB(200, 10, 20));
  Click(form.tinted.lblPalette.hWnd());
  EXPECT_EQ(form.tinted.txt.ForeColor(), RGB(200, 10, 20));
  EXPECT_EQ(form.tinted.Text(), "#C80A14");
}

TEST_F(ElementEditorsTest, ADisabledSwatchDoesNotOpenTheDialog) {
  // The strict prompter fails the test on any dialog.
  form.typed.lblPalette.SetEnabled(false);
  form.typed.lblPalette_Click();
  EXPECT_EQ(form.typed.Text(), "");
}

// ---------------------------------------------------------------- image editor

TEST_F(ElementEditorsTest, TypingAPathMovesTheMarkerOverTheImageDrawnLast) {
  BackgroundEditor& e = form.backdrop;
  e.txtStartOffset.SetText("0");
  e.txtEndOffset.SetText("0");
  e.image.preview.ShowImage(OutsideImage("w100.png", 100, 10, kRed));
  e.txtImage.SetText("control\\other.png");
  EXPECT_EQ(e.ShpOffset.Left(), 35);
  EXPECT_EQ(e.ShpOffset.Width(), 102);
  EXPECT_EQ(e.picImage.Point(86, 18), kRed);

  // While a project loads the text changes only mark the project.
  core::gLoadingProject = true;
  core::gModified = false;
  e.txtStartOffset.SetText("10");
  EXPECT_EQ(e.ShpOffset.Left(), 35);
  EXPECT_TRUE(core::gModified);
}

TEST_F(ElementEditorsTest, BrowseShowsTheChosenImageAndPlacesTheMarkerAtItsWidth) {
  BackgroundEditor& e = form.backdrop;
  e.txtStartOffset.SetText("2");
  e.txtEndOffset.SetText("3");
  std::string outside = OutsideImage("w61.png", 61, 12, kBlue);
  std::string inside = WritePng(project + "\\control\\w121.png", 121, 12, kRed);
  ScriptedPrompter prompts;
  prompts.AnswerFile(outside).AnswerFile(inside);

  core::gModified = false;
  SendMessageA(e.cmdBrowse.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(e.txtImage.Text(), outside);
  EXPECT_EQ(e.picImage.HelpContextID(), 61);
  EXPECT_EQ(e.ShpOffset.Left(), 56 + 2 - 1);
  EXPECT_EQ(e.ShpOffset.Width(), 61 - 2 - 3 + 2);
  EXPECT_TRUE(core::gModified);
  EXPECT_EQ(prompts.fileDialogs[0].filter, core::kImageFilter);

  SendMessageA(e.cmdBrowse.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(e.txtImage.Text(), "control\\w121.png");
  EXPECT_EQ(e.ShpOffset.Left(), 26 + 2 - 1);
  EXPECT_EQ(e.ShpOffset.Width(), 121 - 2 - 3 + 2);
}

TEST_F(ElementEditorsTest, AVerticalPreviewRecordsTheChosenImagesHeight) {
  ScriptedPrompter prompts;
  prompts.AnswerFile(OutsideImage("flat.png", 150, 10));
  SendMessageA(form.sideBar.cmdBrowse.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(form.sideBar.picImage.HelpContextID(), 10);
}

TEST_F(ElementEditorsTest, ThePreviewOpensTheImageOnTheClickItsPageChose) {
  std::string file = WritePng(project + "\\control\\a.png", 10, 10, kRed);
  form.backdrop.txtImage.SetText("control\\a.png");
  form.tabBackground.txtImage.SetText("control\\a.png");

  // Single click on the Backgrounds page's boxes.
  Click(form.backdrop.picImage.hWnd());
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0], "\"mspaint.exe\" \"" + file + "\"");
  // Double click on the Tab Bar's: a single click does nothing.
  Click(form.tabBackground.picImage.hWnd());
  EXPECT_EQ(started.size(), 1u);
  DoubleClick(form.tabBackground.picImage.hWnd());
  EXPECT_EQ(started.size(), 2u);

  // A missing file, or a disabled box, opens nothing.
  form.backdrop.txtImage.SetText("control\\missing.png");
  Click(form.backdrop.picImage.hWnd());
  form.backdrop.txtImage.SetText("control\\a.png");
  form.backdrop.picImage.SetEnabled(false);
  form.backdrop.image.pic_Edit();
  EXPECT_EQ(started.size(), 2u);
}

// ---------------------------------------------------------------- styles

TEST_F(ElementEditorsTest, TransparentDisablesTheElevenEditingControlsAndImageEnablesThemAgain) {
  BackgroundEditor& e = form.backdrop;
  for (const char* item : {"Use Image", "Use Gradient", "Transparent"}) e.cboStyle.AddItem(item);
  std::vector<ui::Control*> editing = {&e.picImage,         &e.txtImage,           &e.cmdBrowse,
                                       &e.txtStartOffset,   &e.txtEndOffset,       &e.chkStretch,
                                       &e.txtStartColor,    &e.txtEndColor,        &e.lblStartColorPalette,
                                       &e.lblEndColorPalette, &e.chkGradientHorizontal};
  e.txtImage.SetText("kept.png");
  PickItem(e.cboStyle, 2);
  for (ui::Control* c : editing) EXPECT_FALSE(IsWindowEnabled(c->hWnd()));
  for (ui::Control* c : std::vector<ui::Control*>{&e.cboStyle, &e.picGradient, &e.picImageBase, &e.picBase})
    EXPECT_TRUE(IsWindowEnabled(c->hWnd()));
  EXPECT_TRUE(e.picImageBase.Visible());
  EXPECT_EQ(e.txtImage.Text(), "kept.png");
  EXPECT_TRUE(core::gModified);

  PickItem(e.cboStyle, 0);
  for (ui::Control* c : editing) EXPECT_TRUE(IsWindowEnabled(c->hWnd()));
  EXPECT_EQ(e.txtStartOffset.Text(), "0");
  EXPECT_EQ(e.txtEndOffset.Text(), "0");
  EXPECT_TRUE(e.ShpOffset.Visible());
}

TEST_F(ElementEditorsTest, GradientHidesTheImageGroupAndLeavesEmptyOffsetsEmpty) {
  BackgroundEditor& e = form.backdrop;
  for (const char* item : {"", "", ""}) e.cboStyle.AddItem(item);
  PickItem(e.cboStyle, 1);
  EXPECT_FALSE(e.picImageBase.Visible());
  EXPECT_EQ(e.txtStartOffset.Text(), "");
  // The group follows the item: the same item again keeps it hidden.
  PickItem(e.cboStyle, 1);
  EXPECT_FALSE(e.picImageBase.Visible());
  PickItem(e.cboStyle, 0);
  PickItem(e.cboStyle, 0);
  EXPECT_TRUE(e.picImageBase.Visible());
}

TEST_F(ElementEditorsTest, AnEditorThatKeepsEmptyOffsetsShowsTheImageGroupWithoutZeros) {
  BackgroundEditor& e = form.tabBackground;
  e.cboStyle.AddItem("");
  e.cboStyle.AddItem("");
  PickItem(e.cboStyle, 1);
  PickItem(e.cboStyle, 0);
  EXPECT_TRUE(e.picImageBase.Visible());
  EXPECT_EQ(e.txtStartOffset.Text(), "");
  EXPECT_EQ(e.txtEndOffset.Text(), "");
}

// ---------------------------------------------------------------- gradient preview

TEST_F(ElementEditorsTest, GradientPreviewRunsLeftToRightOrTopToBottomByTheCheckBox) {
  BackgroundEditor& e = form.backdrop;
  e.txtStartColor.SetText("#FF0000");
  e.txtEndColor.SetText("#0000FF");
  ui::PictureBox& g = e.picGradient;
  EXPECT_TRUE(Near(g.Point(0, 26), kRed));
  EXPECT_TRUE(Near(g.Point(51, 26), kBlue));
  EXPECT_TRUE(Near(g.Point(25, 0), g.Point(25, 51), 0));
  EXPECT_EQ(e.StartColor.Colour(), kRed);
  EXPECT_EQ(e.EndColor.Colour(), kBlue);

  Toggle(e.chkGradientHorizontal);
  EXPECT_TRUE(Near(g.Point(26, 0), kRed));
  EXPECT_TRUE(Near(g.Point(26, 51), kBlue));
  EXPECT_TRUE(Near(g.Point(0, 25), g.Point(51, 25), 0));
}

TEST_F(ElementEditorsTest, EmptyColourTextsShowTheWindowColourAndUnreadableOnesBlack) {
  BackgroundEditor& e = form.backdrop;
  e.txtStartColor.SetText("not a colour");
  EXPECT_EQ(e.StartColor.Colour(), RGB(0, 0, 0));
  // Both swatches are redrawn on every change: the empty end shows the
  // window colour.
  EXPECT_EQ(e.EndColor.Colour(), static_cast<COLORREF>(core::gWindowColor));
  e.txtStartColor.SetText("");
  EXPECT_EQ(e.StartColor.Colour(), static_cast<COLORREF>(core::gWindowColor));
  // Six digits without "#" are parsed here: no colour-text test.
  e.txtEndColor.SetText("00FF00");
  EXPECT_EQ(e.EndColor.Colour(), RGB(0, 255, 0));
  EXPECT_TRUE(Near(e.picGradient.Point(51, 26), RGB(0, 255, 0)));
}

TEST_F(ElementEditorsTest, WhileLoadingColourTextsDoNotRedrawButTheDirectionBoxDoes) {
  BackgroundEditor& e = form.backdrop;
  core::gLoadingProject = true;
  e.txtStartColor.SetText("#FF0000");
  e.txtEndColor.SetText("#0000FF");
  EXPECT_EQ(e.StartColor.Colour(), static_cast<COLORREF>(ui::ResolveColor(ui::kSysWindow)));
  EXPECT_FALSE(Near(e.picGradient.Point(0, 26), kRed));
  e.chkGradientHorizontal.SetValue(1);
  EXPECT_TRUE(Near(e.picGradient.Point(26, 0), kRed));
  EXPECT_TRUE(core::gModified);
}

TEST_F(ElementEditorsTest, APaletteClickOnABackgroundRedrawsThroughTheTextsChange) {
  BackgroundEditor& e = form.backdrop;
  ScriptedPrompter prompts;
  prompts.AnswerColor(static_cast<long>(kRed)).AnswerColor(static_cast<long>(kBlue));
  Click(e.lblStartColorPalette.hWnd());
  Click(e.lblEndColorPalette.hWnd());
  EXPECT_EQ(e.txtStartColor.Text(), "#FF0000");
  EXPECT_EQ(e.txtEndColor.Text(), "#0000FF");
  EXPECT_TRUE(Near(e.picGradient.Point(0, 26), kRed));
  EXPECT_TRUE(Near(e.picGradient.Point(51, 26), kBlue));
}

// ---------------------------------------------------------------- load

TEST_F(ElementEditorsTest, LoadingEachStyleFillsItsSideAndEmptiesTheOther) {
  std::string image = WritePng(project + "\\control\\thing.png", 100, 10, kRed);
  WriteIniText(
      "[Test]\r\nThing.Style=3Image\r\nThing.Image=control\\thing.png\r\nThing.Image.stretch=1\r\n"
      "Thing.Image.StartOffset=4\r\nThing.Image.EndOffset=6\r\nThing.Fill.ColorStart=#FF0000\r\n");
  core::gTextUseImage = "Image";
  core::gTextUseGradient = "Gradient";
  core::gTextTransparent = "None";
  BackgroundEditor& e = form.backdrop;
  LoadEditor(e);
  EXPECT_EQ(e.cboStyle.ListCount(), 3);
  EXPECT_EQ(e.cboStyle.List(2), "None");
  EXPECT_EQ(e.cboStyle.ListIndex(), 0);
  EXPECT_TRUE(e.picImageBase.Visible());
  EXPECT_EQ(e.txtImage.Text(), "control\\thing.png");
  EXPECT_EQ(e.chkStretch.Value(), 1);
  EXPECT_EQ(e.txtStartOffset.Text(), "4");
  EXPECT_EQ(e.txtEndOffset.Text(), "6");
  EXPECT_EQ(e.txtStartColor.Text(), "");
  EXPECT_EQ(e.picImage.Point(86, 18), kRed);
  EXPECT_EQ(e.ShpOffset.Left(), 36 + 4 - 1);
  EXPECT_EQ(e.ShpOffset.Width(), 100 - 4 - 6 + 2);

  WriteIniText(
      "[Test]\r\nThing.Style=gFiLL\r\nThing.Fill.ColorStart=#FF0000\r\nThing.Fill.ColorEnd=#0000FF\r\n"
      "Thing.Fill.Angle=90\r\nThing.Image=control\\thing.png\r\n");
  LoadEditor(e);
  EXPECT_EQ(e.cboStyle.ListIndex(), 1);
  EXPECT_FALSE(e.picImageBase.Visible());
  EXPECT_EQ(e.txtStartColor.Text(), "#FF0000");
  EXPECT_EQ(e.chkGradientHorizontal.Value(), 1);
  EXPECT_TRUE(Near(e.picGradient.Point(26, 0), kRed));
  EXPECT_TRUE(Near(e.picGradient.Point(26, 51), kBlue));
  EXPECT_EQ(e.txtImage.Text(), "");
  EXPECT_EQ(e.txtStartOffset.Text(), "");
  EXPECT_EQ(e.chkStretch.Value(), 0);
  EXPECT_EQ(e.picImage.HelpContextID(), 0);
  EXPECT_NE(e.picImage.Point(86, 18), kRed);
  // The load leaves its items as they were.
  EXPECT_EQ(e.cboStyle.ListCount(), 3);
}

TEST_F(ElementEditorsTest, AnglesOtherThanExactlyNinetyLoadAsHorizontal) {
  for (const char* angle : {"090", "90.0", "-90", "0", ""}) {
    WriteIniText(std::string("[Test]\r\nThing.Style=GFill\r\nThing.Fill.Angle=") + angle + "\r\n");
    form.backdrop.chkGradientHorizontal.SetValue(1);
    LoadEditor(form.backdrop);
    EXPECT_EQ(form.backdrop.chkGradientHorizontal.Value(), 0) << angle;
  }
}

TEST_F(ElementEditorsTest, AnInvertedAngleChecksTheBoxForEverythingButNinety) {
  WriteIniText("[SideBar]\r\nTabBackground.Style=GFill\r\nTabBackground.Fill.Angle=90\r\n");
  LoadEditor(form.sideBar);
  EXPECT_EQ(form.sideBar.chkGradientHorizontal.Value(), 0);
  WriteIniText("[SideBar]\r\nTabBackground.Style=GFill\r\nTabBackground.Fill.Angle=0\r\n");
  LoadEditor(form.sideBar);
  EXPECT_EQ(form.sideBar.chkGradientHorizontal.Value(), 1);
  core::gModified = false;
  form.sideBar.Save();
  EXPECT_EQ(SavedValue("SideBar", "TabBackground.Fill.Angle"), "0");
  Toggle(form.sideBar.chkGradientHorizontal);
  form.sideBar.Save();
  EXPECT_EQ(SavedValue("SideBar", "TabBackground.Fill.Angle"), "90");
}

TEST_F(ElementEditorsTest, TransparentLoadsOnlyWhereTheListHasTheItem) {
  WriteIniText("[Test]\r\nThing.Style=TRANSPARENT\r\n[TabBar]\r\nInactiveBackground.Style=Transparent\r\n");
  LoadEditor(form.backdrop);
  EXPECT_EQ(form.backdrop.cboStyle.ListIndex(), 2);
  EXPECT_FALSE(IsWindowEnabled(form.backdrop.txtImage.hWnd()));
  LoadEditor(form.tabBackground);
  EXPECT_EQ(form.tabBackground.cboStyle.ListCount(), 2);
  EXPECT_EQ(form.tabBackground.cboStyle.ListIndex(), 0);
  EXPECT_TRUE(form.tabBackground.picImageBase.Visible());
}

TEST_F(ElementEditorsTest, AStretchValueTheBoxCannotTakeLoadsUnticked) {
  // Nothing of the project loaded before stays.
  for (const char* stretch : {"yes", "1.5", "3", "-1", ""}) {
    WriteIniText(std::string("[Test]\r\nThing.Style=3Image\r\nThing.Image.stretch=") + stretch + "\r\n");
    form.backdrop.chkStretch.SetValue(1);
    LoadEditor(form.backdrop);
    EXPECT_EQ(form.backdrop.chkStretch.Value(), 0) << stretch;
  }
  WriteIniText("[Test]\r\nThing.Style=3Image\r\nThing.Image.stretch= 2 \r\n");
  LoadEditor(form.backdrop);
  EXPECT_EQ(form.backdrop.chkStretch.Value(), 2);
}

TEST_F(ElementEditorsTest, ATransparentElementKeepsNothingOfTheProjectLoadedBefore) {
  WritePng(project + "\\control\\thing.png", 100, 10, kRed);
  WriteIniText(
      "[Test]\r\nThing.Style=3Image\r\nThing.Image=control\\thing.png\r\nThing.Image.stretch=1\r\n"
      "Thing.Image.StartOffset=4\r\nThing.Image.EndOffset=6\r\n");
  LoadEditor(form.backdrop);
  WriteIniText("[Test]\r\nThing.Style=Transparent\r\n");
  LoadEditor(form.backdrop);
  EXPECT_EQ(form.backdrop.txtImage.Text(), "");
  EXPECT_EQ(form.backdrop.chkStretch.Value(), 0);
  EXPECT_EQ(form.backdrop.picImage.HelpContextID(), 0);

  // Switching it to an image and saving writes no image of the other
  // project.
  PickItem(form.backdrop.cboStyle, 0);
  form.backdrop.Save();
  EXPECT_EQ(SavedValue("Test", "Thing.Image"), "<none>");
  EXPECT_EQ(SavedValue("Test", "Thing.Image.StartOffset"), "0");
}

TEST_F(ElementEditorsTest, AnImageElementWithoutAnImageShowsAnEmptyBox) {
  WritePng(project + "\\control\\thing.png", 100, 10, kRed);
  WriteIniText("[Test]\r\nThing.Style=3Image\r\nThing.Image=control\\thing.png\r\n");
  LoadEditor(form.backdrop);
  WriteIniText("[Test]\r\nThing.Style=3Image\r\n");
  LoadEditor(form.backdrop);
  EXPECT_EQ(form.backdrop.picImage.HelpContextID(), 0);
  EXPECT_NE(form.backdrop.picImage.Point(86, 18), kRed);
  // No image: m = 86, offsets 0 and 0.
  EXPECT_EQ(form.backdrop.ShpOffset.Left(), 85);
  EXPECT_EQ(form.backdrop.ShpOffset.Width(), 2);
}

TEST_F(ElementEditorsTest, ALoadThatEmptiesTheImageBoxHidesItsMarkerUntilAnImageIsDrawn) {
  std::string image = WritePng(project + "\\control\\thing.png", 100, 10, kRed);
  for (const char* next : {"Thing.Style=Transparent", "Thing.Style=GFill", "Thing.Style=3Image",
                           "Thing.Style=3Image\r\nThing.Image=control\\gone.png"}) {
    WriteIniText("[Test]\r\nThing.Style=3Image\r\nThing.Image=control\\thing.png\r\n");
    LoadEditor(form.backdrop);
    ASSERT_TRUE(form.backdrop.ShpOffset.Visible());
    WriteIniText(std::string("[Test]\r\n") + next + "\r\n");
    LoadEditor(form.backdrop);
    EXPECT_FALSE(form.backdrop.ShpOffset.Visible()) << next;
    form.backdrop.txtStartOffset.SetText("7");
    EXPECT_FALSE(form.backdrop.ShpOffset.Visible()) << next;
  }
  form.backdrop.image.preview.ShowImage(image);
  form.backdrop.txtStartOffset.SetText("3");
  EXPECT_TRUE(form.backdrop.ShpOffset.Visible());
}

// ---------------------------------------------------------------- duplicate styles

TEST_F(ElementEditorsTest, DuplicateStyleCleanUpRemovesEarlierLinesInAtMostNPasses) {
  struct Case {
    int passes;
    std::vector<std::string> styles;
    std::vector<std::string> remaining;
  };
  for (const Case& c : {Case{3, {"GFill"}, {"GFill"}},
                        Case{3, {"GFill", "Transparent", "3Image", "Transparent"}, {"Transparent"}},
                        Case{3, {"a", "b", "c", "d", "e"}, {"d", "e"}},
                        Case{2, {"a", "b", "c"}, {"c"}},
                        Case{2, {"a", "b", "c", "d"}, {"c", "d"}}}) {
    std::string text = "[Test]\r\nOther=1\r\n";
    for (const std::string& s : c.styles) text += "Thing.Style=" + s + "\r\n";
    WriteIniText(text + "Thing.Image=x.png\r\n");
    BeginLoad();
    pages::CleanUpDuplicateKey("Test", "Thing.Style", c.passes);
    EndLoad();
    std::vector<std::string> left;
    std::string file = testing_support::ReadFile(core::gSkinIni);
    for (size_t at = file.find("Thing.Style="); at != std::string::npos; at = file.find("Thing.Style=", at + 1))
      left.push_back(file.substr(at + 12, file.find_first_of("\r\n", at) - at - 12));
    EXPECT_EQ(left, c.remaining) << c.styles.size() << " lines, " << c.passes << " passes";
    EXPECT_EQ(SavedValue("Test", "Other"), "1");
    EXPECT_EQ(SavedValue("Test", "Thing.Image"), "x.png");
  }
}

TEST_F(ElementEditorsTest, WithoutTheScratchCopyTheCleanUpTouchesNothing) {
  std::string text = "[Test]\r\nThing.Style=GFill\r\nThing.Style=3Image\r\n";
  WriteIniText(text);
  core::gTempIni = core::gTempFolder + "\\config.ini";
  pages::CleanUpDuplicateKey("Test", "Thing.Style", 3);
  EXPECT_EQ(testing_support::ReadFile(core::gSkinIni), text);
  EXPECT_FALSE(testing_support::Exists(core::gTempIni));
  core::gTempIni.clear();
  pages::CleanUpDuplicateKey("Test", "Thing.Style", 3);
  EXPECT_EQ(testing_support::ReadFile(core::gSkinIni), text);
}

TEST_F(ElementEditorsTest, TheEditorLoadsTheStyleThatTheCleanUpLeaves) {
  WriteIniText("[TabBar]\r\nInactiveBackground.Style=GFill\r\nInactiveBackground.Style=3Image\r\n"
               "InactiveBackground.Style=GFill\r\nInactiveBackground.Style=3Image\r\n");
  LoadEditor(form.tabBackground);
  // Two passes: the third line is read, the third and fourth remain.
  EXPECT_EQ(form.tabBackground.cboStyle.ListIndex(), 1);
  EXPECT_EQ(testing_support::ReadFile(core::gSkinIni).find("Style=GFill\r\nInactiveBackground.Style=3Image") !=
                std::string::npos,
            true);
}

// ---------------------------------------------------------------- save

TEST_F(ElementEditorsTest, EachStyleSavesItsKeysAndDeletesTheOthers) {
  WriteIniText(
      "[Test]\r\nThing.Style=3Image\r\nThing.Fill.ColorStart=#111111\r\nThing.Fill.ColorEnd=#222222\r\n"
      "Thing.Fill.Angle=90\r\nThing.Image=old.png\r\nThing.Image.stretch=1\r\nThing.Image.StartOffset=1\r\n"
      "Thing.Image.EndOffset=2\r\nThing.Mine=kept\r\n[Other]\r\nThing.Style=kept\r\n");
  BackgroundEditor& e = form.backdrop;
  LoadEditor(e);
  e.txtStartColor.SetText("not a colour");
  e.txtEndColor.SetText("#0000FF");
  PickItem(e.cboStyle, 1);
  Toggle(e.chkGradientHorizontal);
  e.Save();
  auto section = Saved()["test"];
  EXPECT_EQ(section, (std::map<std::string, std::string>{{"thing.style", "GFill"},
                                                         {"thing.fill.colorstart", "not a colour"},
                                                         {"thing.fill.colorend", "#0000FF"},
                                                         {"thing.fill.angle", "90"},
                                                         {"thing.mine", "kept"}}));

  PickItem(e.cboStyle, 0);
  e.txtImage.SetText("control\\new.png");
  e.txtStartOffset.SetText("7x");
  Toggle(e.chkStretch);
  e.Save();
  section = Saved()["test"];
  EXPECT_EQ(section, (std::map<std::string, std::string>{{"thing.style", "3Image"},
                                                         {"thing.image", "control\\new.png"},
                                                         {"thing.image.stretch", "0"},
                                                         {"thing.image.startoffset", "7x"},
                                                         {"thing.image.endoffset", "2"},
                                                         {"thing.mine", "kept"}}));

  PickItem(e.cboStyle, 2);
  e.Save();
  section = Saved()["test"];
  EXPECT_EQ(section, (std::map<std::string, std::string>{{"thing.style", "Transparent"}, {"thing.mine", "kept"}}));
  EXPECT_EQ(SavedValue("Other", "Thing.Style"), "kept");
}

TEST_F(ElementEditorsTest, ATabBarBackgroundWritesItsOwnPrefixAndKeepsItsImageKeyForAGradient) {
  WriteIniText("[TabBar]\r\nInactiveBackground.Style=3Image\r\nInactiveBackground.Image=control\\bg.png\r\n");
  LoadEditor(form.tabBackground);
  PickItem(form.tabBackground.cboStyle, 1);
  form.tabBackground.Save();
  auto section = Saved()["tabbar"];
  EXPECT_EQ(section["inactivebackground.style"], "GFill");
  EXPECT_EQ(section["inactivebackground.image"], "control\\bg.png");
  EXPECT_EQ(section.count("inactivebackground.image.startoffset"), 0u);
  // A key new to the file takes the saver's spelling.
  EXPECT_NE(testing_support::ReadFile(core::gSkinIni).find("InActiveBackground.Fill.Angle=0"), std::string::npos);
}

TEST_F(ElementEditorsTest, SavingAnOutsideImageCopiesItUnderTheDefaultNameOrTheKeysValue) {
  std::string outside = OutsideImage("mine.png", 30, 10, kBlue);
  WriteIniText("[Test]\r\nThing.Style=3Image\r\n");
  BackgroundEditor& e = form.backdrop;
  LoadEditor(e);
  e.txtImage.SetText(outside);
  core::ImageKeyResult r = e.Save();
  EXPECT_EQ(r.copiedAs, "control\\thing_bg.png");
  EXPECT_EQ(e.txtImage.Text(), "control\\thing_bg.png");
  EXPECT_EQ(SavedValue("Test", "Thing.Image"), "control\\thing_bg.png");
  EXPECT_TRUE(testing_support::Exists(project + "\\control\\thing_bg.png"));

  // With a value in the file, the file lands on that value.
  core::WriteIni(core::gSkinIni, "Test", "Thing.Image", std::string("misc\\own.png"));
  e.txtImage.SetText(outside);
  e.Save();
  EXPECT_EQ(e.txtImage.Text(), "misc\\own.png");
  EXPECT_TRUE(testing_support::Exists(project + "\\misc\\own.png"));

  // A path written from the project folder becomes relative; the box keeps
  // what it held.
  e.txtImage.SetText(project + "\\control\\thing_bg.png");
  EXPECT_TRUE(e.Save().copiedAs.empty());
  EXPECT_EQ(SavedValue("Test", "Thing.Image"), "control\\thing_bg.png");
  EXPECT_EQ(e.txtImage.Text(), project + "\\control\\thing_bg.png");

  // An empty path deletes the key; the rest is still written.
  e.txtImage.SetText("");
  e.Save();
  EXPECT_EQ(SavedValue("Test", "Thing.Image"), "<none>");
  EXPECT_EQ(SavedValue("Test", "Thing.Style"), "3Image");
  EXPECT_EQ(SavedValue("Test", "Thing.Image.StartOffset"), "0");

  // A file that is gone cannot be copied: the page hears of it.
  e.txtImage.SetText(*this / "Images\\gone.png");
  EXPECT_TRUE(e.Save().copyFailed);
}

// ---------------------------------------------------------------- names

TEST_F(ElementEditorsTest, ControlsAreFoundByTheNamesTheirPageGivesThem) {
  pages::ControlNames names;
  form.backdrop.AddNames(names);
  form.across.AddNames(names);
  form.typed.AddNames(names);
  EXPECT_EQ(names.Find("fraBackdrop"), &form.backdrop.fra);
  EXPECT_EQ(names.Find("picBackdropBase"), &form.backdrop.picBase);
  EXPECT_EQ(names.FindAs<ui::TextBox>("txtBackdropImage"), &form.backdrop.txtImage);
  EXPECT_EQ(names.FindAs<ui::TextBox>("TXTBACKDROPSTARTCOLOR"), &form.backdrop.txtStartColor);
  EXPECT_EQ(names.Find("lblBackdropEndColorPalette"), &form.backdrop.lblEndColorPalette);
  EXPECT_EQ(names.Find("chkBackdropGradientHorizontal"), &form.backdrop.chkGradientHorizontal);
  EXPECT_EQ(names.FindGraphic("shpBackdropOffset"), &form.backdrop.ShpOffset);
  EXPECT_EQ(names.Find("picAcross"), &form.across.pic);
  EXPECT_EQ(names.Find("lblTypedTextColorPalette"), &form.typed.lblPalette);
  EXPECT_EQ(names.FindAs<ui::ComboBox>("txtBackdropImage"), nullptr);
  EXPECT_EQ(names.Find("txtNothing"), nullptr);
}

}  // namespace
