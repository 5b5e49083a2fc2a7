// The Colors page: what can be seen of it, its captions, the fifteen text
// colour rows and loading and saving [Colors], alone and inside the main
// window.
#include "pages/tabbar_colors/frmColor.h"

#include <gtest/gtest.h>

#include "colors_page_support.h"
#include "core/ini.h"
#include "mainwindow/embedded_pages.h"
#include "mainwindow/project_support.h"
#include "support/scripted_prompter.h"

namespace {

using namespace colors_tests;
using editor_tests::Click;
using pages::frmColor;
using testing_support::ReadFile;

TEST_F(ColorPageTest, OnlyTheTextColoursShowAndALoadGoesBackToSubPageZero) {
  auto shown = [](ui::Control& c) { return (GetWindowLongPtrA(c.hWnd(), GWL_STYLE) & WS_VISIBLE) != 0; };
  EXPECT_TRUE(shown(page.fraTextColor));
  EXPECT_FALSE(shown(page.MenuItemChecked.fra));
  EXPECT_FALSE(shown(page.MenuItemHover.fra));
  Click(page.lblPage(1).hWnd());
  EXPECT_TRUE(page.picTabs(1).Visible());
  WriteIniText("[Colors]\r\n");
  LoadPage();
  EXPECT_FALSE(page.picTabs(1).Visible());
  EXPECT_EQ(ui::ResolveColor(page.lblPage(0).BackColor()), GetSysColor(COLOR_HIGHLIGHT));
  for (int i = 0; i < frmColor::kSubPages; ++i) EXPECT_FALSE(shown(page.lblPage(i))) << i;
}

TEST_F(ColorPageTest, CaptionsComeFromTheLanguageFileThenFromEnglish) {
  page.SetCaptions();  // no language file: the designed captions stay
  EXPECT_EQ(page.MenuItemHover.fra.Caption(), "Menu Item Hover");
  core::gLanguageFile = testing_support::WriteFile(
      *this / "Languages\\Deutsch.ini",
      "[General]\r\nCaption_Bar=Titel:\r\nTab_Normal=Reiter inaktiv:\r\nStatus_Address_Text=Adresse:\r\n"
      "Start_Color=Anfang:\r\nEnd_Color=Ende:\r\nBorder_Color=Rand:\r\nMenu_Item_Checked=Markiert\r\n"
      "Colors_Note=Farben.\r\nText_Colors=Textfarbe\r\n");
  page.SetCaptions();
  // Selectors and sub-page 1 are never captioned; a key neither this file
  // nor English.ini (none yet) knows empties its caption.
  std::vector<std::string> captions;
  for (ui::CaptionedControl* c : std::initializer_list<ui::CaptionedControl*>{
           &page.TextRow(0).lblCaption, &page.TextRow(3).lblCaption, &page.TextRow(14).lblCaption,
           &page.lblStartColor(0), &page.lblStartColor(1), &page.lblEndColor(0), &page.lblEndColor(1),
           &page.lblBorderColor(0), &page.lblBorderColor(1), &page.MenuItemChecked.fra, &page.lblNote(0),
           &page.fraTextColor, &page.lblPage(1), &page.ToolbarSeparator.fra, &page.TextRow(1).lblCaption,
           &page.MenuItemHover.fra})
    captions.push_back(c->Caption());
  EXPECT_EQ(captions, (std::vector<std::string>{"Titel:", "Reiter inaktiv:", "Adresse:", "Anfang:", "Anfang:", "Ende:",
                                                "Ende:", "Rand:", "Rand:", "Markiert", "Farben.", "Textfarbe", "2",
                                                "Toolbar Separator", "", ""}));
  InstallEnglish();
  page.SetCaptions();
  EXPECT_EQ(page.TextRow(1).lblCaption.Caption(), "Tab Active:");
  EXPECT_EQ(page.MenuItemHover.fra.Caption(), "Menu Item Hover");
}

TEST_F(ColorPageTest, EveryKeyRoundTripsAsTypedAndUnknownKeysSurvive) {
  // The first rows: a load parses every value for the swatch, also bare
  // digits that typing would not take, and drops blanks around it.
  const char* first[4] = {"1A2B3C", "   #0000FF   ", "rgb(300,0,1)", "nonsense"};
  const COLORREF swatches[4] = {RGB(0x1A, 0x2B, 0x3C), RGB(0, 0, 255), RGB(255, 0, 1), 0};
  auto stored = [&first](int k) { return k < 4 ? std::string(first[k]) : "#" + std::to_string(200000 + k); };
  // Row 10 is emptied by the user and saved so.
  auto typed = [](int k) { return k == 10 ? std::string() : "#" + std::to_string(100 + k); };
  const char* gradients[6] = {"#F00", "  ffd86e", "rgb( 201, 162, 58 )", "#E3E", "RGB(300,0,0)", "not a colour"};
  std::string text = "[Colors]\r\nUnknown.Color=#ABCDEF\r\n";
  for (int k = 0; k < frmColor::kTextRows; ++k) text += std::string(kRowKeys[k].key) + "=" + stored(k) + "\r\n";
  for (int i = 0; i < 6; ++i) text += std::string(kGradientKeys[i]) + "=" + gradients[i] + "\r\n";
  WriteIniText(text + "[Other]\r\nCaption.Text=left alone\r\n");
  LoadPage();
  for (int k = 0; k < frmColor::kTextRows; ++k) EXPECT_EQ(Row(k).Text(), k == 1 ? "#0000FF" : stored(k)) << k;
  for (int k = 0; k < 4; ++k) EXPECT_EQ(static_cast<COLORREF>(Row(k).Colour()), swatches[k]) << k;

  for (int k = 0; k < frmColor::kTextRows; ++k) Type(Row(k).txt, typed(k));
  page.SaveColor();
  auto saved = Saved();
  auto& section = saved["colors"];
  EXPECT_EQ(section.size(), 22u);
  EXPECT_EQ(section["unknown.color"], "#ABCDEF");
  EXPECT_EQ(saved["other"]["caption.text"], "left alone");
  for (int k = 0; k < frmColor::kTextRows; ++k) EXPECT_EQ(section[core::ToLower(kRowKeys[k].key)], typed(k)) << k;
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(section[core::ToLower(kGradientKeys[i])], i == 1 ? "ffd86e" : gradients[i]) << kGradientKeys[i];
  // The pressed key read is the one replaced: the section holds it once.
  std::string file = core::ToLower(ReadFile(core::gSkinIni));
  EXPECT_EQ(file.find("toolbar.pressed.text="), file.rfind("toolbar.pressed.text="));
}

TEST_F(ColorPageTest, TypingRecoloursTheSwatchOnlyForTextsThatPassTheColourTest) {
  // "#" with six or three digits, or "rgb" in any case (also unfinished, read
  // as black); any other text leaves the swatch as it was. Each text goes in
  // at once, as a paste puts it.
  const COLORREF kBefore = RGB(0x10, 0x20, 0x30);
  pages::ColorRow& row = Row(3);
  using Case = std::pair<const char*, COLORREF>;  // typed, swatch
  for (auto [typed, swatch] :
       {Case{"#112233", RGB(0x11, 0x22, 0x33)}, Case{"#1A5", RGB(0x11, 0xAA, 0x55)}, Case{"RGB(1,2,3)", RGB(1, 2, 3)},
        Case{"rGb(0,0,200)", RGB(0, 0, 200)}, Case{"rgb(", 0}, Case{"", kBefore}, Case{"#", kBefore},
        Case{"#12", kBefore}, Case{"#1A55", kBefore}, Case{"#1122334", kBefore}, Case{"112233", kBefore},
        Case{" #1A5", kBefore}, Case{"rg", kBefore}}) {
    SCOPED_TRACE(typed);
    SendMessageA(row.txt.hWnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("#102030"));
    ASSERT_EQ(static_cast<COLORREF>(row.Colour()), kBefore);
    core::gModified = false;
    SendMessageA(row.txt.hWnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed));
    EXPECT_TRUE(core::gModified);
    EXPECT_EQ(static_cast<COLORREF>(row.Colour()), swatch);
  }
}

class ColorsInMainWindowTest : public main_window_tests::ProjectTest {};

TEST_F(ColorsInMainWindowTest, OpeningAProjectFillsThePageAndSavingWritesItBack) {
  std::string folder = DefaultSkinProject("Default");
  testing_support::IniData original = testing_support::ParseIni(folder + "\\pelto.ini");
  Open(folder);
  frmColor& page = *mainwindow::gColorsPage;
  EXPECT_FALSE(core::gModified);
  EXPECT_EQ(page.TextRow(14).colour.Text(), "#0033CC");
  EXPECT_EQ(page.MenuItemHover.BorderColor.Text(), "#7DA2CE");
  EXPECT_EQ(page.MenuItemChecked.picGradient.Point(0, 0), RGB(0xC9, 0xA2, 0x3A));

  // Typing marks the project; only a text that passes the colour test
  // recolours the swatch.
  form.ActivateTab(4);
  pages::ColorRow& caption = page.TextRow(0).colour;
  Type(caption.txt, "FF0000");
  EXPECT_TRUE(core::gModified);
  EXPECT_EQ(static_cast<COLORREF>(caption.Colour()), RGB(0x66, 0x66, 0x66));
  Type(caption.txt, "#123");
  EXPECT_EQ(static_cast<COLORREF>(caption.Colour()), RGB(0x11, 0x22, 0x33));
  {
    testing_support::ScriptedPrompter prompts;
    prompts.AnswerColor(static_cast<long>(RGB(0x80, 0, 0x10)));
    Click(page.TextRow(11).colour.lblPalette.hWnd());
  }
  Save();
  EXPECT_FALSE(core::gModified);
  auto expected = original["colors"];
  expected["caption.text"] = "#123";
  expected["menu.hover.text"] = "#800010";
  EXPECT_EQ(Saved()["colors"], expected);

  // Nothing of one project stays in the page when another opens: a missing
  // or empty key loads its default, and a save writes all twenty-one keys.
  Open(WriteProject("Other", "[General]\r\nName=Other\r\n[Colors]\r\nTab.Hover.Text=\r\nMenu.Hover.Border=\r\n"));
  for (int k = 0; k < frmColor::kTextRows; ++k) EXPECT_EQ(page.TextRow(k).colour.Text(), kRowKeys[k].readDefault) << k;
  EXPECT_EQ(page.MenuItemHover.BorderColor.Text(), "");
  Save();
  auto other = Saved()["colors"];
  EXPECT_EQ(other.size(), 21u);
  for (int k = 0; k < frmColor::kTextRows; ++k)
    EXPECT_EQ(other[core::ToLower(kRowKeys[k].key)], kRowKeys[k].readDefault) << k;
  for (const char* key : kGradientKeys) {
    ASSERT_EQ(other.count(core::ToLower(key)), 1u) << key;
    EXPECT_EQ(other[core::ToLower(key)], "") << key;
  }
  EXPECT_NE(ReadFile(core::gSkinIni).find("Toolbar.pressed.Text="), std::string::npos);
  Open(folder);
  EXPECT_EQ(page.TextRow(0).colour.Text(), "#123");
  EXPECT_EQ(page.TextRow(11).colour.Text(), "#800010");
}

TEST_F(ColorsInMainWindowTest, AValueLongerThanOneWriteTakesShowsInItsBoxAndASaveKeepsIt) {
  const std::string caption = "#" + std::string(34999, '6');
  Open(WriteProject("Long", "[General]\r\nName=Long\r\n[Colors]\r\nCaption.Text=" + caption + "\r\n"));
  ui::TextBox& box = mainwindow::gColorsPage->TextRow(0).colour.txt;
  ASSERT_TRUE(IsWindow(box.hWnd()));
  EXPECT_EQ(box.Text(), caption);
  form.txtAuthor.SetText("Me");
  Save();
  EXPECT_FALSE(core::gModified);
  EXPECT_EQ(Saved()["colors"]["caption.text"], caption);
  EXPECT_EQ(Saved()["general"]["author"], "Me");
}

}  // namespace
