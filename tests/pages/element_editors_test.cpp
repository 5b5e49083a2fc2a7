// The shared element editors on a small form of their own. What a page adds
// (prefixes, angles, clean-up passes, image copies, saves) is tested there.
#include "pages/element_editors.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "core/paths.h"
#include "editor_support.h"
#include "support/png.h"
#include "support/scripted_prompter.h"

namespace {

using namespace editor_tests;
using pages::BackgroundEditor;
using testing_support::WritePng;

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 128, 0);

// Where a marker stands: left, top, width, height.
std::tuple<int, int, int, int> Place(const ui::Shape& s) { return {s.Left(), s.Top(), s.Width(), s.Height()}; }

class EditorForm : public ui::Form {
 public:
  EditorForm() : ui::Form("", 760, 520, ui::FormStyle::Borderless) {}

  ui::PictureBox base{this, {0, 0, 760, 520}, ui::PictureBox::kNoBorder, ui::kSysWindow};
  pages::ColorRow tinted{
      &base, {"txtTintedColor", "lblTintedColorPalette", {380, 300, 153, 22}, {540, 300, 38, 23}, true, true}};
  // A Backgrounds-page element of section [Test] under the prefix Thing.
  BackgroundEditor backdrop{&base, {.stem = "Backdrop", .frameCaption = "Backdrop", .frame = {0, 0, 361, 152},
                                    .colourGroupName = "picBackdropBase", .transparentItem = true,
                                    .keys = {.section = "Test", .readPrefix = "Thing", .writePrefix = "Thing",
                                             .defaultFile = "thing.png"}}};
  // A tab image with a vertical marker, opened on a double click.
  pages::TabImageEditor strip{
      &base, {"Strip", "Strip", {370, 0, 361, 182}, 36, {-2, 0, 177, 17}, pages::MarkerAxis::Vertical}};
};

class ElementEditorsTest : public ProjectFolderTest {
 protected:
  ElementEditorsTest() { form.Load(); }
  ~ElementEditorsTest() override {
    form.Unload();
    core::ProcessStarter = starter_;
  }
  void LoadEditor() {
    BeginLoad();
    form.backdrop.Load();
    EndLoad();
  }

  EditorForm form;
  std::vector<std::string> started;

 private:
  std::function<bool(const std::string&, int)> starter_ =
      std::exchange(core::ProcessStarter, [this](const std::string& line, int) {
        started.push_back(line);
        return true;
      });
};

TEST_F(ElementEditorsTest, TheMarkerFramesTheMiddleOfTheImageDrawnLastAndKeepsWhatItCannotPlace) {
  pages::OffsetMarkerPreview& p = form.backdrop.image.preview;
  EXPECT_FALSE(p.shp.Visible());
  // Lines on m + S - 1 and m + h - E, m = (173 - h) \ 2, rounded; a text
  // that is not a plain number (blanks, sign and fraction allowed) places
  // nothing. Width 0 draws nothing and keeps the image drawn last.
  using Case = std::tuple<int, const char*, const char*, int, int>;
  for (auto [width, start, end, left, markerWidth] :
       {Case{0, "", "", 0, 33}, Case{0, "5", "5", 90, 33}, Case{100, "0", "0", 35, 102}, Case{0, "", "3", 35, 102},
        Case{0, "4", "four", 39, 102}, Case{0, "60", "60", 95, 102}, Case{0, " 7 ", "2.5", 42, 93},
        Case{0, "5px", "1e3", 42, 93}, Case{0, "-3", "0x10", 32, 93}, Case{0, ".5", "inf", 36, 93},
        Case{0, "1.2.3", "4 4", 36, 93}, Case{0, ".", "-", 36, 93}, Case{0, "x", "  ", 36, 93},
        Case{101, "0", "0", 35, 103}, Case{200, "10", "20", 9, 172}, Case{20, "5", "5", 80, 12}}) {
    SCOPED_TRACE(testing::Message() << width << " " << start << "/" << end);
    p.ShowImage(width ? WritePng(*this / ("Images\\w" + std::to_string(width) + ".png"), width, 10, kGreen) : "");
    p.UpdateMarker(start, end);
    EXPECT_TRUE(p.shp.Visible());
    EXPECT_EQ(Place(p.shp), std::tuple(left, -2, markerWidth, 40));
  }
  p.ShowImage("");
  EXPECT_EQ(p.pic.Point(86, 18), kGreen);
}

TEST_F(ElementEditorsTest, APickedColourTintsTheRowsTextAndADisabledSwatchOpensNothing) {
  testing_support::ScriptedPrompter prompts;
  prompts.AnswerColor(RGB(200, 10, 20));
  Click(form.tinted.lblPalette.hWnd());
  EXPECT_EQ(form.tinted.txt.ForeColor(), RGB(200, 10, 20));
  EXPECT_EQ(form.tinted.Text(), "#C80A14");
  // The dialog starts at the row's colour; a cancel changes nothing.
  prompts.AnswerColor(-1);
  core::gModified = false;
  Click(form.tinted.lblPalette.hWnd());
  EXPECT_EQ(prompts.colorDialogs.back().initial, RGB(200, 10, 20));
  EXPECT_EQ(form.tinted.Text(), "#C80A14");
  EXPECT_FALSE(core::gModified);
  // A third dialog would be unscripted and fail the test.
  form.tinted.lblPalette.SetEnabled(false);
  form.tinted.lblPalette_Click();
  EXPECT_EQ(prompts.colorDialogs.size(), 2u);
}

TEST_F(ElementEditorsTest, BrowseDrawsIntoAVerticalPreviewAndTheClickItsPageChoseOpensTheImage) {
  pages::MarkedImageEditor& e = form.strip.image;
  e.txtStartOffset.SetText("5");
  e.txtEndOffset.SetText("5");
  std::string flat = WritePng(*this / "Images\\flat.png", 150, 20, kGreen);
  testing_support::ScriptedPrompter prompts;
  prompts.AnswerFile(flat);
  core::gModified = false;
  SendMessageA(e.cmdBrowse.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(e.txtImage.Text(), flat);
  // m = (36 - 20) \ 2 = 8: lines on rows 12 and 23; across as designed.
  EXPECT_EQ(Place(e.shp), std::tuple(-2, 12, 177, 12));
  EXPECT_TRUE(core::gModified);
  // A typed offset moves it at once.
  e.txtEndOffset.SetText("2");
  EXPECT_EQ(Place(e.shp), std::tuple(-2, 12, 177, 15));

  // The tab image opens on a double click, the Backgrounds element on a
  // single one; a disabled box opens nothing.
  Click(e.pic.hWnd());
  EXPECT_TRUE(started.empty());
  DoubleClick(e.pic.hWnd());
  form.backdrop.txtImage.SetText(flat);
  Click(form.backdrop.picImage.hWnd());
  EXPECT_EQ(started, std::vector<std::string>(2, "\"mspaint.exe\" \"" + flat + "\""));
  form.backdrop.picImage.SetEnabled(false);
  form.backdrop.image.pic_Edit();
  EXPECT_EQ(started.size(), 2u);
}

TEST_F(ElementEditorsTest, TheStyleListSetsWhatCanBeEditedAndTheGradientFollowsTheColourTextsButNotWhileLoading) {
  BackgroundEditor& e = form.backdrop;
  for (const char* item : {"Use Image", "Use Gradient", "Transparent"}) e.cboStyle.AddItem(item);
  std::vector<ui::Control*> editing = {&e.picImage,      &e.txtImage,      &e.cmdBrowse,            &e.txtStartOffset,
                                       &e.txtEndOffset,   &e.chkStretch,    &e.txtStartColor,        &e.txtEndColor,
                                       &e.lblStartColorPalette, &e.lblEndColorPalette, &e.chkGradientHorizontal};
  e.txtImage.SetText("kept.png");
  // Transparent disables the eleven editing controls and changes nothing
  // else; the image group follows the item picked, also when picked again;
  // the image style fills empty offsets with "0".
  using Case = std::tuple<int, bool, bool, const char*>;
  for (auto [item, enabled, imageGroup, offset] :
       {Case{2, false, true, ""}, Case{1, true, false, ""}, Case{1, true, false, ""}, Case{0, true, true, "0"},
        Case{0, true, true, "0"}}) {
    SCOPED_TRACE(item);
    core::gModified = false;
    PickItem(e.cboStyle, item);
    for (ui::Control* control : editing) EXPECT_EQ(IsWindowEnabled(control->hWnd()) != FALSE, enabled);
    for (ui::Control* control : std::vector<ui::Control*>{&e.cboStyle, &e.picGradient, &e.picImageBase, &e.picBase})
      EXPECT_TRUE(IsWindowEnabled(control->hWnd()));
    EXPECT_EQ(e.picImageBase.Visible(), imageGroup);
    EXPECT_EQ(e.txtStartOffset.Text(), offset);
    EXPECT_EQ(e.txtEndOffset.Text(), offset);
    EXPECT_EQ(e.txtImage.Text(), "kept.png");
    EXPECT_TRUE(core::gModified);
  }
  EXPECT_TRUE(e.ShpOffset.Visible());

  // The gradient: no colour-text test here, six digits without "#" are read.
  ui::PictureBox& g = e.picGradient;
  e.txtStartColor.SetText("#FF0000");
  e.txtEndColor.SetText("0000FF");
  EXPECT_EQ(e.EndColor.Colour(), kBlue);
  EXPECT_TRUE(Near(g.Point(0, 26), kRed));
  EXPECT_TRUE(Near(g.Point(51, 26), kBlue));
  EXPECT_TRUE(Near(g.Point(25, 0), g.Point(25, 51), 0));
  // While a project loads only the direction box redraws.
  core::gLoadingProject = true;
  core::gModified = false;
  e.txtStartColor.SetText("#00FF00");
  EXPECT_EQ(e.StartColor.Colour(), kRed);
  EXPECT_TRUE(Near(g.Point(0, 26), kRed));
  EXPECT_TRUE(core::gModified);
  Toggle(e.chkGradientHorizontal);
  EXPECT_EQ(e.StartColor.Colour(), RGB(0, 255, 0));
  EXPECT_TRUE(Near(g.Point(26, 0), RGB(0, 255, 0)));
  EXPECT_TRUE(Near(g.Point(26, 51), kBlue));
}

TEST_F(ElementEditorsTest, NothingOfTheProjectLoadedBeforeStaysInTheEditor) {
  BackgroundEditor& e = form.backdrop;
  std::string image = WritePng(project + "\\control\\thing.png", 100, 10, kRed);
  // Angles other than exactly 90 load as horizontal; stretch values the box
  // cannot take load unticked. An emptied box hides its marker until an
  // image is drawn: at its designed place, or where the image style puts it
  // over no image (m = 86, offsets 0). Styles are read in any letter case.
  for (std::string next : {"GFill\r\nThing.Fill.Angle=090", "GFill\r\nThing.Fill.Angle=90.0",
                           "GFill\r\nThing.Fill.Angle=-90", "3Image", "3Image\r\nThing.Image=control\\gone.png",
                           "3Image\r\nThing.Image.stretch=yes", "3Image\r\nThing.Image.stretch=1.5",
                           "3Image\r\nThing.Image.stretch=3", "3Image\r\nThing.Image.stretch=-1", "gFiLL",
                           "Transparent", "tRaNsPaReNt"}) {
    SCOPED_TRACE(next);
    bool asImage = next.starts_with("3Image");
    WriteIniText(
        "[Test]\r\nThing.Style=3Image\r\nThing.Image=control\\thing.png\r\nThing.Image.stretch=1\r\n"
        "Thing.Image.StartOffset=4\r\nThing.Image.EndOffset=6\r\n");
    LoadEditor();
    ASSERT_EQ(e.chkStretch.Value(), 1);
    ASSERT_TRUE(e.ShpOffset.Visible());
    e.txtStartColor.SetText("#FF0000");
    e.chkGradientHorizontal.SetValue(1);

    WriteIniText("[Test]\r\nThing.Style=" + next + "\r\n");
    LoadEditor();
    EXPECT_EQ(e.txtImage.Text(), next.ends_with("gone.png") ? "control\\gone.png" : "");
    EXPECT_EQ(e.txtStartOffset.Text(), asImage ? "0" : "");
    EXPECT_EQ(e.txtEndOffset.Text(), asImage ? "0" : "");
    EXPECT_EQ(e.chkStretch.Value(), 0);
    EXPECT_EQ(e.txtStartColor.Text(), "");
    EXPECT_EQ(e.chkGradientHorizontal.Value(), 0);
    EXPECT_EQ(e.picImage.HelpContextID(), 0);
    EXPECT_NE(e.picImage.Point(86, 18), kRed);
    EXPECT_FALSE(e.ShpOffset.Visible());
    EXPECT_EQ(Place(e.ShpOffset), asImage ? std::tuple(85, -2, 2, 40) : std::tuple(0, -2, 33, 40));
    e.txtStartOffset.SetText("7");
    EXPECT_FALSE(e.ShpOffset.Visible());
  }
  // The transparent element switched to an image saves no image or offset
  // of the other project.
  PickItem(e.cboStyle, 0);
  e.Save();
  EXPECT_EQ(SavedValue("Test", "Thing.Image"), "<none>");
  EXPECT_EQ(SavedValue("Test", "Thing.Image.EndOffset"), "0");
  e.image.preview.ShowImage(image);
  e.txtStartOffset.SetText("3");
  EXPECT_TRUE(e.ShpOffset.Visible());

  WriteIniText("[Test]\r\nThing.Style=3Image\r\nThing.Image.stretch= 2 \r\n");
  LoadEditor();
  EXPECT_EQ(e.chkStretch.Value(), 2);
}

TEST_F(ElementEditorsTest, OffsetsAndFlagsLoadAsTheUsersNumbersAndOnesThatCannotBePlacedLeaveTheMarker) {
  BackgroundEditor& e = form.backdrop;
  auto separator = pages::DecimalSeparator;
  // Loaded offsets 0/0 put the marker at m - 1 with width h + 2 (m = 86 over
  // an image 32,768 wide or more, as over none); a place or width that does
  // not fit an int keeps the designed one (left 0, width 33).
  using Case = std::tuple<const char*, int, const char*, const char*, const char*, int, int, int>;
  for (auto [mark, width, stretch, start, end, left, markerWidth, ticked] :
       {Case{".", 100, "1.0", "-99999999999", "0", 0, 33, 1}, Case{".", 100, " 1 ", "5", "-99999999999", 40, 33, 1},
        Case{".", 100, "2.00", "2147483612", "-2147483612", 2147483647, 102, 2},
        Case{".", 100, "0", "2147483613", "-2147483613", 0, 102, 0}, Case{".", 32767, "1.", "0", "0", -1, 32769, 1},
        Case{".", 32768, "one", "0", "0", 85, 2, 0}, Case{",", 100, "1,0", "2,5", "2.5", 38, 97, 1}}) {
    SCOPED_TRACE(testing::Message() << width << " " << start << "/" << end << " " << stretch);
    pages::DecimalSeparator = [mark] { return std::string(mark); };
    std::string image = "control\\w" + std::to_string(width) + ".png";
    WritePng(project + "\\" + image, width, 10, kGreen);
    WriteIniText("[Test]\r\nThing.Style=3Image\r\nThing.Image=" + image + "\r\nThing.Image.stretch=" + stretch +
                 "\r\nThing.Image.StartOffset=" + start + "\r\nThing.Image.EndOffset=" + end + "\r\n");
    LoadEditor();
    EXPECT_EQ(Place(e.ShpOffset), std::tuple(left, -2, markerWidth, 40));
    EXPECT_EQ(e.chkStretch.Value(), ticked);
    e.Save();
    EXPECT_EQ(SavedValue("Test", "Thing.Image.stretch"), std::to_string(ticked));
  }
  pages::DecimalSeparator = separator;
}

}  // namespace
