// The two menu-item highlight gradients of the Colors page: loaded into
// editors nobody sees, painted as a vertical gradient inside a frame of the
// border colour, and written back as they were loaded.
#include <gtest/gtest.h>

#include "colors_page_support.h"
#include "support/scripted_prompter.h"

namespace {

using namespace colors_tests;
using editor_tests::Click;
using editor_tests::Near;
using pages::MenuItemGradient;
using testing_support::ScriptedPrompter;

const COLORREF kOther = RGB(250, 240, 230);

// The preview's frame, top row, bottom row and centre column.
struct Preview {
  COLORREF frameTop, frameLeft, frameRight, frameBottom, top, bottom;
};
Preview Read(MenuItemGradient& g) {
  ui::PictureBox& p = g.picGradient;
  return {p.Point(26, 0), p.Point(0, 26), p.Point(51, 26), p.Point(26, 51), p.Point(26, 1), p.Point(26, 50)};
}

class GradientTest : public ColorPageTest {
 protected:
  void SetUp() override {
    ColorPageTest::SetUp();
    core::gWindowColor = kOther;
  }
};

TEST_F(GradientTest, TheEditorsHoldTheirControlsUnderTheirNames) {
  for (MenuItemGradient* g : {&page.MenuItemChecked, &page.MenuItemHover}) {
    std::string G = g->Group();
    EXPECT_EQ(page.FindControl("fraMenuItem" + G), &g->fra);
    EXPECT_EQ(page.FindControl("picMenuItem" + G + "Base"), &g->picBase);
    EXPECT_EQ(page.FindControl("picMenuItem" + G + "Gradient"), &g->picGradient);
    EXPECT_EQ(page.FindControl("txtMenuItem" + G + "StartColor"), &g->StartColor.txt);
    EXPECT_EQ(page.FindControl("lblMenuItem" + G + "BorderColorPalette"), &g->BorderColor.lblPalette);
    EXPECT_EQ(g->picGradient.ScaleWidth(), 52);
    EXPECT_EQ(g->picGradient.ScaleHeight(), 52);
    EXPECT_EQ(static_cast<COLORREF>(g->StartColor.Colour()), GetSysColor(COLOR_WINDOW));
  }
  EXPECT_EQ(page.MenuItemHover.fra.Top(), 224);
}

TEST_F(GradientTest, ALoadPaintsEachPreviewFromItsThreeColours) {
  WriteIniText(
      "[Colors]\r\nMenu.Checked.Start=#FF0000\r\nMenu.Checked.End=#0000FF\r\nMenu.Checked.Border=#00FF00\r\n"
      "Menu.Hover.Start=#000000\r\nMenu.Hover.End=#FFFFFF\r\nMenu.Hover.Border=#808000\r\n");
  LoadPage();
  Preview c = Read(page.MenuItemChecked);
  for (COLORREF edge : {c.frameTop, c.frameLeft, c.frameRight, c.frameBottom}) EXPECT_EQ(edge, RGB(0, 255, 0));
  EXPECT_TRUE(Near(c.top, RGB(255, 0, 0), 8));
  EXPECT_TRUE(Near(c.bottom, RGB(0, 0, 255), 8));
  // The colour runs down, the same across a row.
  EXPECT_EQ(page.MenuItemChecked.picGradient.Point(1, 20), page.MenuItemChecked.picGradient.Point(50, 20));
  Preview h = Read(page.MenuItemHover);
  EXPECT_EQ(h.frameBottom, RGB(0x80, 0x80, 0));
  EXPECT_TRUE(Near(h.top, RGB(0, 0, 0), 8));
  EXPECT_TRUE(Near(h.bottom, RGB(255, 255, 255), 8));
  EXPECT_EQ(page.MenuItemHover.picGradient.BackColor(), RGB(0x80, 0x80, 0));
  EXPECT_EQ(page.MenuItemChecked.StartColor.Colour(), RGB(255, 0, 0));
  EXPECT_EQ(page.MenuItemHover.BorderColor.Colour(), RGB(0x80, 0x80, 0));
}

TEST_F(GradientTest, EmptyTextsPaintThePlainWindowColour) {
  WriteIniText("[Colors]\r\nMenu.Hover.Start=#FF0000\r\nMenu.Hover.End=#0000FF\r\n");
  LoadPage();
  // All three empty: one plain square.
  Preview c = Read(page.MenuItemChecked);
  for (COLORREF pixel : {c.frameTop, c.frameLeft, c.frameRight, c.frameBottom, c.top, c.bottom}) EXPECT_EQ(pixel, kOther);
  for (pages::ColorRow* row :
       {&page.MenuItemChecked.StartColor, &page.MenuItemChecked.EndColor, &page.MenuItemChecked.BorderColor})
    EXPECT_EQ(static_cast<COLORREF>(row->Colour()), kOther);
  // Only the border empty: a window-coloured frame around the gradient.
  Preview h = Read(page.MenuItemHover);
  EXPECT_EQ(h.frameTop, kOther);
  EXPECT_EQ(h.frameRight, kOther);
  EXPECT_EQ(static_cast<COLORREF>(page.MenuItemHover.BorderColor.Colour()), kOther);
  EXPECT_TRUE(Near(h.top, RGB(255, 0, 0), 8));
  EXPECT_TRUE(Near(h.bottom, RGB(0, 0, 255), 8));
}

TEST_F(GradientTest, ThePainterParsesTextsTheColourTestWouldReject) {
  WriteIniText("[Colors]\r\nMenu.Checked.Border=#000000\r\n");
  LoadPage();
  core::gModified = false;
  // Six digits without "#": a text row would keep its swatch, the painter
  // parses it.
  Type(page.MenuItemChecked.StartColor.txt, "FF0000");
  EXPECT_EQ(page.MenuItemChecked.StartColor.Colour(), RGB(255, 0, 0));
  EXPECT_TRUE(Near(Read(page.MenuItemChecked).top, RGB(255, 0, 0), 8));
  // Unreadable text is black.
  Type(page.MenuItemChecked.EndColor.txt, "blue");
  EXPECT_EQ(page.MenuItemChecked.EndColor.Colour(), 0);
  EXPECT_TRUE(Near(Read(page.MenuItemChecked).bottom, RGB(0, 0, 0), 8));
  EXPECT_TRUE(core::gModified);
}

TEST_F(GradientTest, TypingRepaintsAtEveryKeyButDuringALoadOnlyTheBorderPaints) {
  WriteIniText("[Colors]\r\nMenu.Hover.Start=#000000\r\nMenu.Hover.End=#000000\r\nMenu.Hover.Border=#000000\r\n");
  LoadPage();
  MenuItemGradient& g = page.MenuItemHover;
  HWND h = g.StartColor.txt.hWnd();
  SendMessageA(h, EM_SETSEL, 0, -1);
  core::gModified = false;
  SendMessageA(h, WM_CHAR, '#', 1);
  EXPECT_TRUE(core::gModified);
  for (char key : {'F', '0'}) SendMessageA(h, WM_CHAR, key, 1);
  EXPECT_EQ(g.StartColor.Colour(), 0);  // "#F0" parses as nothing
  SendMessageA(h, WM_CHAR, '0', 1);     // "#F00"
  EXPECT_TRUE(Near(Read(g).top, RGB(255, 0, 0), 8));

  core::gLoadingProject = true;
  core::gModified = false;
  Type(g.EndColor.txt, "#00FF00");
  EXPECT_TRUE(core::gModified);
  EXPECT_TRUE(Near(Read(g).bottom, RGB(0, 0, 0), 8));
  EXPECT_EQ(g.EndColor.Colour(), 0);
  Type(g.BorderColor.txt, "#0000FF");
  EXPECT_EQ(Read(g).frameLeft, RGB(0, 0, 255));
  EXPECT_TRUE(Near(Read(g).bottom, RGB(0, 255, 0), 8));
  core::gLoadingProject = false;
}

TEST_F(GradientTest, ALoadWithTheSameBorderStillRepaintsThePreview) {
  WriteIniText("[Colors]\r\nMenu.Checked.Start=#FF0000\r\nMenu.Checked.End=#FF0000\r\nMenu.Checked.Border=#000000\r\n");
  LoadPage();
  EXPECT_TRUE(Near(Read(page.MenuItemChecked).top, RGB(255, 0, 0), 8));
  WriteIniText("[Colors]\r\nMenu.Checked.Start=#0000FF\r\nMenu.Checked.End=#0000FF\r\nMenu.Checked.Border=#000000\r\n");
  LoadPage();
  EXPECT_TRUE(Near(Read(page.MenuItemChecked).top, RGB(0, 0, 255), 8));
  EXPECT_TRUE(Near(Read(page.MenuItemChecked).bottom, RGB(0, 0, 255), 8));
}

TEST_F(GradientTest, APaletteClickSetsTheTextAndACancelChangesNothing) {
  WriteIniText("[Colors]\r\nMenu.Hover.Border=#7DA2CE\r\n");
  LoadPage();
  core::gModified = false;
  pages::ColorRow& start = page.MenuItemChecked.StartColor;
  pages::ColorRow& border = page.MenuItemHover.BorderColor;
  ScriptedPrompter prompts;
  prompts.AnswerColor(-1).AnswerColor(-1).AnswerColor(static_cast<long>(RGB(0x12, 0x34, 0x56)));
  Click(start.lblPalette.hWnd());
  EXPECT_EQ(prompts.colorDialogs.back().initial, kOther);
  EXPECT_EQ(start.Text(), "");
  EXPECT_EQ(static_cast<COLORREF>(start.Colour()), kOther);
  Click(border.lblPalette.hWnd());
  EXPECT_EQ(border.Text(), "#7DA2CE");
  EXPECT_EQ(Read(page.MenuItemHover).frameTop, RGB(0x7D, 0xA2, 0xCE));
  EXPECT_FALSE(core::gModified);

  Click(border.lblPalette.hWnd());
  EXPECT_EQ(prompts.colorDialogs.back().initial, RGB(0x7D, 0xA2, 0xCE));
  EXPECT_EQ(border.Text(), "#123456");
  EXPECT_EQ(Read(page.MenuItemHover).frameTop, RGB(0x12, 0x34, 0x56));
  EXPECT_TRUE(core::gModified);
}

TEST_F(GradientTest, TheSixValuesPassThroughASaveAsLoaded) {
  const char* values[6] = {"#FFF3C4", "  ffd86e", "rgb( 201, 162, 58 )", "#E3E", "", "not a colour"};
  std::string text = "[Colors]\r\n";
  for (int i = 0; i < 6; ++i)
    if (i != 4) text += std::string(kGradientKeys[i]) + "=" + values[i] + "\r\n";
  WriteIniText(text);
  LoadPage();
  page.SaveColor();
  auto section = Saved()["colors"];
  EXPECT_EQ(section["menu.checked.start"], "#FFF3C4");
  EXPECT_EQ(section["menu.checked.end"], "ffd86e");
  EXPECT_EQ(section["menu.checked.border"], "rgb( 201, 162, 58 )");
  EXPECT_EQ(section["menu.hover.start"], "#E3E");
  // An absent key is written back with an empty value.
  ASSERT_EQ(section.count("menu.hover.end"), 1u);
  EXPECT_EQ(section["menu.hover.end"], "");
  EXPECT_EQ(section["menu.hover.border"], "not a colour");
  EXPECT_EQ(page.MenuItemChecked.EndColor.Colour(), RGB(0xFF, 0xD8, 0x6E));
  EXPECT_EQ(page.MenuItemChecked.BorderColor.Colour(), RGB(201, 162, 58));
}

}  // namespace
