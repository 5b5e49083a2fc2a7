// The Colors page's two menu-item highlight gradients, painted at each load
// and from any typed text.
#include <gtest/gtest.h>

#include "colors_page_support.h"
#include "core/colors.h"

namespace {

using namespace colors_tests;
using editor_tests::Near;
using pages::MenuItemGradient;

const COLORREF kOther = RGB(250, 240, 230);

// The preview: a frame of the border colour around a gradient from start
// (top) to end (bottom); the swatches show the three colours.
void ExpectPreview(const std::string& when, MenuItemGradient& g, COLORREF border, COLORREF start, COLORREF end) {
  SCOPED_TRACE(g.Group() + " " + when);
  ui::PictureBox& p = g.picGradient;
  for (COLORREF edge : {p.Point(26, 0), p.Point(0, 26), p.Point(51, 26), p.Point(26, 51)}) EXPECT_EQ(edge, border);
  EXPECT_TRUE(Near(p.Point(26, 1), start, 8));
  EXPECT_TRUE(Near(p.Point(26, 50), end, 8));
  EXPECT_EQ(static_cast<COLORREF>(g.StartColor.Colour()), start);
  EXPECT_EQ(static_cast<COLORREF>(g.EndColor.Colour()), end);
  EXPECT_EQ(static_cast<COLORREF>(g.BorderColor.Colour()), border);
}

TEST_F(ColorPageTest, EachLoadPaintsThePreviewsAndEmptyTextsShowTheWindowColour) {
  core::gWindowColor = kOther;
  // In the order of kGradientKeys. The second load keeps the checked border
  // and changes its gradient, which must still repaint.
  const char* loads[3][6] = {{"#FF0000", "#0000FF", "#00FF00", "#000000", "#FFFFFF", "#808000"},
                             {"#0000FF", "#0000FF", "#00FF00", "#FF0000", "#0000FF", ""},
                             {"", "", "", "", "", ""}};
  for (auto& load : loads) {
    std::string text = "[Colors]\r\n";
    for (int i = 0; i < 6; ++i) text += std::string(kGradientKeys[i]) + "=" + load[i] + "\r\n";
    WriteIniText(text);
    LoadPage();
    auto want = [&load](int i) { return *load[i] ? COLORREF(core::ParseColor(load[i])) : kOther; };
    ExpectPreview(text, page.MenuItemChecked, want(2), want(0), want(1));
    ExpectPreview(text, page.MenuItemHover, want(5), want(3), want(4));
  }
}

TEST_F(ColorPageTest, TypingRepaintsFromAnyTextButDuringALoadOnlyTheBorderRepaints) {
  core::gWindowColor = kOther;
  WriteIniText("[Colors]\r\nMenu.Hover.End=#FFFFFF\r\n");
  LoadPage();
  MenuItemGradient& g = page.MenuItemHover;
  // Bare digits, which a text row would not take, and unreadable text: black.
  Type(g.StartColor.txt, "FF0000");
  Type(g.EndColor.txt, "blue");
  ExpectPreview("typed", g, kOther, RGB(255, 0, 0), 0);
  core::gLoadingProject = true;
  core::gModified = false;
  Type(g.EndColor.txt, "#00FF00");
  EXPECT_TRUE(core::gModified);
  ExpectPreview("end typed while loading", g, kOther, RGB(255, 0, 0), 0);
  Type(g.BorderColor.txt, "#0000FF");
  core::gLoadingProject = false;
  ExpectPreview("border typed while loading", g, RGB(0, 0, 255), RGB(255, 0, 0), RGB(0, 255, 0));
}

}  // namespace
