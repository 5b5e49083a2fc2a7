// Colour texts, the colour dialog request and gradient previews.
#include <windows.h>

#include <commdlg.h>

#include <gtest/gtest.h>

#include "core/colors.h"
#include "core/window_links.h"
#include "support/scripted_prompter.h"
#include "ui/ui.h"

namespace {

using core::ColorToHex;
using core::ParseColor;

constexpr int32_t kRedValue = 255;

TEST(ParseColor, HashAndBareSixDigitsInAnyCase) {
  EXPECT_EQ(ParseColor("#FF0000"), kRedValue);
  EXPECT_EQ(ParseColor("ff0000"), kRedValue);
  EXPECT_EQ(ParseColor("#0000ff"), 0xFF0000);
  EXPECT_EQ(ParseColor("#A1B2C3"), 0xA1 + 0xB2 * 256 + 0xC3 * 65536);
}

TEST(ParseColor, ThreeDigitsAreEachDoubled) {
  EXPECT_EQ(ParseColor("#F00"), kRedValue);
  EXPECT_EQ(ParseColor("1A5"), 0x11 + 0xAA * 256 + 0x55 * 65536);
}

TEST(ParseColor, OtherLengthsTakeRedAndGreenFromTheFrontAndBlueFromTheEnd) {
  EXPECT_EQ(ParseColor("#1234"), 0x12 + 0x34 * 256 + 0x34 * 65536);
  EXPECT_EQ(ParseColor("#11223344"), 0x11 + 0x22 * 256 + 0x44 * 65536);
  EXPECT_EQ(ParseColor("12345"), 0x12 + 0x34 * 256 + 0x45 * 65536);
}

TEST(ParseColor, RgbForm) {
  EXPECT_EQ(ParseColor("rgb( 0, 128 ,255 )"), 0 + 128 * 256 + 255 * 65536);
  EXPECT_EQ(ParseColor("RGB(1,2,3)"), 1 + 2 * 256 + 3 * 65536);
  EXPECT_EQ(ParseColor("Rgb(1,2,3,4)"), 1 + 2 * 256 + 3 * 65536);
  // Components above 255 count as 255.
  EXPECT_EQ(ParseColor("RGB(300,0,0)"), 255);
  EXPECT_EQ(ParseColor("RGB(32767,0,0)"), 255);
}

TEST(ParseColor, UnreadableTextIsBlackNeverMinusOne) {
  for (const char* text : {"", "#", "#1", "#12", "#GG0000", " #FF0000", "RGB(1,2)", "RGB(1,x,3)", "RGB(-1,0,0)",
                           "RGB(32768,0,0)", "RGB(1,,3)", "RGB", "red", "#FFFFFG"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ParseColor(text), 0);
  }
}

TEST(ColorToHex, SixUpperCaseDigitsRedFirst) {
  EXPECT_EQ(ColorToHex(255), "#FF0000");
  EXPECT_EQ(ColorToHex(0), "#000000");
  EXPECT_EQ(ColorToHex(255 + 16 * 65536), "#FF0010");
  EXPECT_EQ(ColorToHex(ParseColor("#a1b2c3")), "#A1B2C3");
  // Higher bits are ignored.
  EXPECT_EQ(ColorToHex(static_cast<int32_t>(0x80000005u)), "#050000");
}

// ---------------------------------------------------------------- dialog

class PickColorTest : public ::testing::Test {
 protected:
  void TearDown() override { core::MainWindowGetter = nullptr; }
  testing_support::ScriptedPrompter prompter;
};

TEST_F(PickColorTest, CancelGivesMinusOne) {
  prompter.AnswerColor(-1);
  EXPECT_EQ(core::PickColor(0x123456), -1);
}

TEST_F(PickColorTest, ChosenColourIsReturned) {
  prompter.AnswerColor(0x00C08040);
  EXPECT_EQ(core::PickColor(0), 0x00C08040);
}

TEST_F(PickColorTest, DialogStartsAtTheInitialColourOwnedByTheMainWindow) {
  ui::Form main("Main", 100, 100);
  main.Load();
  core::MainWindowGetter = [&main] { return main.hWnd(); };
  prompter.AnswerColor(-1);
  core::PickColor(0x00336699);

  ASSERT_EQ(prompter.colorDialogs.size(), 1u);
  const ui::ColorRequest& request = prompter.colorDialogs[0];
  EXPECT_EQ(request.owner, main.hWnd());
  EXPECT_EQ(request.initial, 0x00336699u);
  EXPECT_EQ(request.flags, static_cast<DWORD>(CC_RGBINIT));
  EXPECT_EQ(request.custom[0], 0x00336699u);
  for (size_t i = 1; i < request.custom.size(); ++i) EXPECT_EQ(request.custom[i], GetSysColor(COLOR_BTNFACE)) << i;
  main.Unload();
}

TEST_F(PickColorTest, NoMainWindowMeansNoOwner) {
  prompter.AnswerColor(-1);
  core::PickColor(0);
  ASSERT_EQ(prompter.colorDialogs.size(), 1u);
  EXPECT_EQ(prompter.colorDialogs[0].owner, nullptr);
}

// ---------------------------------------------------------------- gradients

constexpr COLORREF kBack = RGB(10, 20, 30);

class GradientForm : public ui::Form {
 public:
  GradientForm() : ui::Form("Gradients", 200, 100, ui::FormStyle::FixedDialog) {}
  ui::PictureBox picGradient{this, {0, 0, 100, 20}, ui::PictureBox::kNoBorder, kBack};
};

class DrawGradientTest : public ::testing::Test {
 protected:
  void SetUp() override { form.Load(); }
  void TearDown() override { form.Unload(); }
  COLORREF At(int x, int y) { return form.picGradient.Point(x, y); }
  GradientForm form;
};

TEST_F(DrawGradientTest, HorizontalRunsFromLeftToRight) {
  core::DrawGradient(form.picGradient, RGB(0, 0, 0), RGB(255, 255, 255), 0, false);
  EXPECT_EQ(At(0, 0), RGB(0, 0, 0));
  EXPECT_GT(GetRValue(At(99, 0)), 245);
  EXPECT_GT(GetRValue(At(99, 19)), 245);
  EXPECT_LT(GetRValue(At(25, 10)), GetRValue(At(75, 10)));
  // Every row alike.
  EXPECT_EQ(At(40, 0), At(40, 19));
}

TEST_F(DrawGradientTest, VerticalRunsFromTopToBottomOverTheBoxHeight) {
  core::DrawGradient(form.picGradient, RGB(0, 0, 0), RGB(255, 255, 255), 1, false);
  EXPECT_EQ(At(50, 0), RGB(0, 0, 0));
  // The gradient ends at the box's bottom, not a box-width further down.
  EXPECT_GT(GetRValue(At(50, 19)), 230);
  EXPECT_LT(GetRValue(At(50, 5)), GetRValue(At(50, 15)));
  // Every column alike.
  EXPECT_EQ(At(0, 10), At(99, 10));
}

TEST_F(DrawGradientTest, InsetLeavesAOnePixelEdge) {
  core::DrawGradient(form.picGradient, RGB(255, 0, 0), RGB(0, 0, 255), 0, true);
  for (int x : {0, 50, 99}) {
    EXPECT_EQ(At(x, 0), kBack) << x;
    EXPECT_EQ(At(x, 19), kBack) << x;
  }
  for (int y : {0, 10, 19}) {
    EXPECT_EQ(At(0, y), kBack) << y;
    EXPECT_EQ(At(99, y), kBack) << y;
  }
  // Filled from (1, 1) to (99, 19), exclusive.
  EXPECT_EQ(At(1, 1), RGB(255, 0, 0));
  EXPECT_GT(GetBValue(At(98, 18)), 240);
  EXPECT_LT(GetRValue(At(98, 18)), 15);
}

TEST_F(DrawGradientTest, InsetVerticalChangesFromTopRowToBottomRow) {
  core::DrawGradient(form.picGradient, RGB(255, 0, 0), RGB(0, 0, 255), 1, true);
  EXPECT_EQ(At(50, 1), RGB(255, 0, 0));
  EXPECT_GT(GetBValue(At(50, 18)), 230);
  EXPECT_EQ(At(1, 10), At(98, 10));
  EXPECT_EQ(At(50, 0), kBack);
  EXPECT_EQ(At(50, 19), kBack);
}

TEST_F(DrawGradientTest, PaintsOverWhatWasThere) {
  core::DrawGradient(form.picGradient, RGB(0, 255, 0), RGB(0, 255, 0), 0, false);
  core::DrawGradient(form.picGradient, RGB(255, 0, 0), RGB(255, 0, 0), 0, true);
  EXPECT_EQ(At(0, 0), RGB(0, 255, 0));
  EXPECT_EQ(At(50, 10), RGB(255, 0, 0));
}

}  // namespace
