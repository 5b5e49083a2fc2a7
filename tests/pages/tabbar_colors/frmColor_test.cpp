// The Colors page: its single sub-page, its captions, the fifteen text
// colour rows (the colour-text test, the colour dialog) and loading and
// saving [Colors], alone and inside the main window.
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
using pages::ColorRow;
using pages::frmColor;
using testing_support::ReadFile;
using testing_support::ScriptedPrompter;
using testing_support::WriteFile;

const COLORREF kHighlight = GetSysColor(COLOR_HIGHLIGHT);
const COLORREF kHighlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
const COLORREF kWindow = GetSysColor(COLOR_WINDOW);
const COLORREF kButtonFace = GetSysColor(COLOR_BTNFACE);

// The colour of a "#RRGGBB" text.
COLORREF HexColour(const std::string& text) {
  auto part = [&text](int at) { return static_cast<BYTE>(std::stoi(text.substr(at, 2), nullptr, 16)); };
  return RGB(part(1), part(3), part(5));
}

// ---------------------------------------------------------------- shell

TEST_F(ColorPageTest, RowsStandInTableOrderUnderTheirNamesOneUnderTheOther) {
  for (int k = 0; k < frmColor::kTextRows; ++k) {
    std::string stem = kRowKeys[k].stem;
    ColorRow& row = Row(k);
    EXPECT_EQ(page.FindControl("txt" + stem + "TextColor"), &row.txt) << stem;
    EXPECT_EQ(page.FindControl("lbl" + stem + "TextColorPalette"), &row.lblPalette) << stem;
    EXPECT_EQ(page.FindControl("lbl" + stem + "TextColor"), &page.TextRow(k).lblCaption) << stem;
    EXPECT_EQ(row.txt.Parent(), &page.picTextColorBase);
    EXPECT_EQ(row.txt.Top(), 4 + 25 * k);
    EXPECT_EQ(row.lblPalette.Top(), 4 + 25 * k);
    EXPECT_EQ(page.TextRow(k).lblCaption.Top(), 7 + 25 * k);
    // Until the first load the text is empty and the swatch button-face.
    EXPECT_EQ(row.Text(), "");
    EXPECT_EQ(static_cast<COLORREF>(row.Colour()), kButtonFace) << stem;
  }
  EXPECT_EQ(page.TextRow(13).lblCaption.Caption(), "Comb Box:");
  EXPECT_EQ(page.TextRow(3).lblCaption.Caption(), "Tab Inactive:");
  // The navigator's targets are reachable by name.
  for (const char* name : {"txtCaptionTextColor", "txtTabActiveTextColor", "txtTabInactiveTextColor",
                           "txtToolbarNormalTextColor", "txtMenuNormalTextColor", "txtComboBoxTextColor",
                           "txtStatusAddressTextColor"})
    EXPECT_NE(page.FindAs<ui::TextBox>(name), nullptr) << name;
}

TEST_F(ColorPageTest, OnlyTheNoteAndTheTextColorFrameCanBeSeen) {
  auto shown = [](ui::Control& c) { return (GetWindowLongPtrA(c.hWnd(), GWL_STYLE) & WS_VISIBLE) != 0; };
  EXPECT_TRUE(shown(page.fraNote(0)));
  EXPECT_TRUE(shown(page.fraTextColor));
  EXPECT_TRUE(shown(page.TextRow(14).colour.lblPalette));
  EXPECT_FALSE(page.MenuItemChecked.fra.Visible());
  EXPECT_FALSE(page.MenuItemHover.fra.Visible());
  EXPECT_FALSE(shown(page.MenuItemChecked.fra));
  EXPECT_FALSE(shown(page.MenuItemHover.fra));
  for (int i = 0; i < frmColor::kSubPages; ++i) EXPECT_FALSE(shown(page.lblPage(i))) << i;
  // Panel 1 shows as designed, but below the page's lower edge.
  EXPECT_TRUE(page.picTabs(1).Visible());
  RECT rc{};
  GetWindowRect(page.picTabs(1).hWnd(), &rc);
  MapWindowPoints(HWND_DESKTOP, page.picTabs(0).hWnd(), reinterpret_cast<POINT*>(&rc), 2);
  EXPECT_GE(rc.top, frmColor::kHeight);
  EXPECT_EQ(page.FindControl("txtToolbarGripperShadowColor"), &page.ToolbarGripper.txtShadowColor);
  EXPECT_EQ(page.ToolbarGripper.txtShadowColor.Parent(), &page.ToolbarGripper.picBase);
  EXPECT_EQ(page.lblStartColor(1).Parent(), &page.MenuItemHover.picBase);
}

TEST_F(ColorPageTest, LoadingSelectsSubPageZero) {
  WriteIniText("[Colors]\r\n");
  LoadPage();
  EXPECT_FALSE(page.picTabs(1).Visible());
  EXPECT_TRUE(page.picTabs(0).Visible());
  EXPECT_EQ(ui::ResolveColor(page.lblPage(0).BackColor()), kHighlight);
  EXPECT_EQ(ui::ResolveColor(page.lblPage(0).ForeColor()), kHighlightText);
  EXPECT_EQ(ui::ResolveColor(page.lblPage(1).BackColor()), kWindow);
}

TEST_F(ColorPageTest, AnyButtonOnAnInvisibleSelectorStillSwitchesTheSubPage) {
  HWND second = page.lblPage(1).hWnd();
  SendMessageA(second, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 3));
  SendMessageA(second, WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_TRUE(page.picTabs(1).Visible());
  EXPECT_EQ(ui::ResolveColor(page.lblPage(1).BackColor()), kHighlight);
  EXPECT_EQ(ui::ResolveColor(page.lblPage(0).BackColor()), kWindow);
  Click(page.lblPage(0).hWnd());
  EXPECT_FALSE(page.picTabs(1).Visible());
  EXPECT_TRUE(page.picTabs(0).Visible());
  EXPECT_FALSE(page.lblPage(1).Visible());
}

// ---------------------------------------------------------------- captions

TEST_F(ColorPageTest, WithoutALanguageFileTheDesignedCaptionsStay) {
  page.SetCaptions();
  EXPECT_EQ(page.TextRow(0).lblCaption.Caption(), "Caption:");
  EXPECT_EQ(page.TextRow(14).lblCaption.Caption(), "Status Bar Address:");
  EXPECT_EQ(page.fraTextColor.Caption(), "Text Color");
  EXPECT_EQ(page.MenuItemChecked.fra.Caption(), "Menu Item Checked");
  EXPECT_EQ(page.MenuItemHover.fra.Caption(), "Menu Item Hover");
  EXPECT_EQ(page.lblBorderColor(1).Caption(), "Border Color:");
  EXPECT_EQ(page.lblNote(0).Caption(), "This section defines text colors and other colors used by Velmora.");
}

TEST_F(ColorPageTest, ALanguageFileCaptionsEveryLabelAndFrameAndAMissingKeyEmptiesIt) {
  core::gLanguageFile = WriteFile(*this / "Languages\\Deutsch.ini",
                                  "[General]\r\nCaption_Bar=Titel:\r\nTab_Normal=Reiter inaktiv:\r\n"
                                  "Status_Address_Text=Adresse:\r\nStart_Color=Anfang:\r\nEnd_Color=Ende:\r\n"
                                  "Border_Color=Rand:\r\nMenu_Item_Checked=Markiert\r\nColors_Note=Farben.\r\n"
                                  "Text_Colors=Textfarbe\r\n");
  page.SetCaptions();
  EXPECT_EQ(page.TextRow(0).lblCaption.Caption(), "Titel:");
  EXPECT_EQ(page.TextRow(3).lblCaption.Caption(), "Reiter inaktiv:");
  EXPECT_EQ(page.TextRow(14).lblCaption.Caption(), "Adresse:");
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(page.lblStartColor(i).Caption(), "Anfang:");
    EXPECT_EQ(page.lblEndColor(i).Caption(), "Ende:");
    EXPECT_EQ(page.lblBorderColor(i).Caption(), "Rand:");
  }
  EXPECT_EQ(page.MenuItemChecked.fra.Caption(), "Markiert");
  EXPECT_EQ(page.lblNote(0).Caption(), "Farben.");
  EXPECT_EQ(page.fraTextColor.Caption(), "Textfarbe");
  // Neither this file nor English.ini (none here) knows these keys.
  EXPECT_EQ(page.MenuItemHover.fra.Caption(), "");
  EXPECT_EQ(page.TextRow(1).lblCaption.Caption(), "");
  // Selectors and sub-page 1 are never captioned.
  EXPECT_EQ(page.lblPage(1).Caption(), "2");
  EXPECT_EQ(page.ToolbarSeparator.fra.Caption(), "Toolbar Separator");
}

TEST_F(ColorPageTest, AKeyMissingFromTheLanguageFileComesFromEnglish) {
  InstallEnglish();
  core::gLanguageFile = WriteFile(*this / "Languages\\Deutsch.ini", "[General]\r\nMenu_Hover=Menü Hover:\r\n");
  page.SetCaptions();
  EXPECT_EQ(page.TextRow(11).lblCaption.Caption(), "Menü Hover:");
  EXPECT_EQ(page.TextRow(13).lblCaption.Caption(), "Comb Box:");
  EXPECT_EQ(page.TextRow(3).lblCaption.Caption(), "Tab Inactive:");
  EXPECT_EQ(page.MenuItemHover.fra.Caption(), "Menu Item Hover");
}

// ---------------------------------------------------------------- load

TEST_F(ColorPageTest, WithoutTheSectionTheDefaultsLoadAndSavingWritesAllTwentyOneKeys) {
  core::gWindowColor = RGB(250, 240, 230);
  WriteIniText("[General]\r\nName=Test\r\n");
  LoadPage();
  for (int k = 0; k < frmColor::kTextRows; ++k) {
    EXPECT_EQ(Row(k).Text(), kRowKeys[k].readDefault) << kRowKeys[k].stem;
    EXPECT_EQ(Row(k).Colour(), HexColour(kRowKeys[k].readDefault)) << kRowKeys[k].stem;
  }
  for (auto [key, row] : GradientRows()) {
    EXPECT_EQ(row->Text(), "") << key;
    EXPECT_EQ(static_cast<COLORREF>(row->Colour()), RGB(250, 240, 230)) << key;
  }
  // The load's change handlers mark the project modified.
  EXPECT_TRUE(core::gModified);

  page.SaveColor();
  auto saved = Saved();
  auto& section = saved["colors"];
  EXPECT_EQ(section.size(), 21u);
  for (int k = 0; k < frmColor::kTextRows; ++k)
    EXPECT_EQ(section[core::ToLower(kRowKeys[k].key)], kRowKeys[k].readDefault) << kRowKeys[k].key;
  for (const char* key : kGradientKeys) {
    ASSERT_EQ(section.count(core::ToLower(key)), 1u) << key;
    EXPECT_EQ(section[core::ToLower(key)], "") << key;
  }
  EXPECT_EQ(saved["general"]["name"], "Test");
  EXPECT_NE(ReadFile(core::gSkinIni).find("Toolbar.pressed.Text="), std::string::npos);
}

TEST_F(ColorPageTest, EveryKeyRoundTripsAsTypedAndUnknownKeysSurvive) {
  std::string text = "[Colors]\r\nUnknown.Color=#ABCDEF\r\n";
  for (int k = 0; k < frmColor::kTextRows; ++k) {
    char value[16];
    snprintf(value, sizeof value, "#%06X", 0x010203 * (k + 1));
    text += std::string(kRowKeys[k].key) + "=" + value + "\r\n";
  }
  const char* gradientValues[6] = {"#F00", "rgb(0, 255, 0)", "0000FF", "#FFF3C4", "RGB(300,0,0)", "#7DA2CE"};
  for (int i = 0; i < 6; ++i) text += std::string(kGradientKeys[i]) + "=" + gradientValues[i] + "\r\n";
  WriteIniText(text + "[Other]\r\nCaption.Text=left alone\r\n");
  LoadPage();
  for (int k = 0; k < frmColor::kTextRows; ++k) {
    char value[16];
    snprintf(value, sizeof value, "#%06X", 0x010203 * (k + 1));
    EXPECT_EQ(Row(k).Text(), value) << kRowKeys[k].stem;
  }
  EXPECT_EQ(page.MenuItemChecked.EndColor.Text(), "rgb(0, 255, 0)");
  EXPECT_EQ(page.MenuItemHover.EndColor.Text(), "RGB(300,0,0)");

  // Each row gets a value of its own.
  for (int k = 0; k < frmColor::kTextRows; ++k) Type(Row(k).txt, "#" + std::to_string(100 + k));
  page.SaveColor();
  auto saved = Saved();
  auto& section = saved["colors"];
  EXPECT_EQ(section.size(), 22u);
  EXPECT_EQ(section["unknown.color"], "#ABCDEF");
  EXPECT_EQ(saved["other"]["caption.text"], "left alone");
  for (int k = 0; k < frmColor::kTextRows; ++k)
    EXPECT_EQ(section[core::ToLower(kRowKeys[k].key)], "#" + std::to_string(100 + k)) << kRowKeys[k].key;
  for (int i = 0; i < 6; ++i) EXPECT_EQ(section[core::ToLower(kGradientKeys[i])], gradientValues[i]);

  // Reopened, each row shows what it saved.
  LoadPage();
  for (int k = 0; k < frmColor::kTextRows; ++k) EXPECT_EQ(Row(k).Text(), "#" + std::to_string(100 + k));
}

TEST_F(ColorPageTest, EachColourFormLoadsWithItsColourInTheSwatch) {
  WriteIniText(
      "[Colors]\r\nCaption.Text=#1A2B3C\r\nTab.Active.Text=#1A5\r\nTab.Hover.Text=RGB(10, 20, 30)\r\n"
      "Tab.Normal.Text=rgb(300,0,1)\r\nToolbar.Normal.Text=1A2B3C\r\nToolbar.Disable.Text=nonsense\r\n"
      "Toolbar.Hover.Text=   #0000FF   \r\nToolbar.Checked.Text=Rgb(1,2)\r\n");
  LoadPage();
  EXPECT_EQ(Row(0).Colour(), RGB(0x1A, 0x2B, 0x3C));
  EXPECT_EQ(Row(1).Colour(), RGB(0x11, 0xAA, 0x55));
  EXPECT_EQ(Row(2).Colour(), RGB(10, 20, 30));
  EXPECT_EQ(Row(3).Colour(), RGB(255, 0, 1));
  // Without "#": the load parses every value.
  EXPECT_EQ(Row(4).Text(), "1A2B3C");
  EXPECT_EQ(Row(4).Colour(), RGB(0x1A, 0x2B, 0x3C));
  // What cannot be read is black, kept as typed.
  EXPECT_EQ(Row(5).Text(), "nonsense");
  EXPECT_EQ(Row(5).Colour(), 0);
  EXPECT_EQ(Row(7).Colour(), 0);
  // Blanks around a value are dropped on the way in and stay dropped.
  EXPECT_EQ(Row(6).Text(), "#0000FF");
  EXPECT_EQ(Row(6).Colour(), RGB(0, 0, 255));
  page.SaveColor();
  EXPECT_EQ(SavedValue("Colors", "Toolbar.Hover.Text"), "#0000FF");
  EXPECT_NE(ReadFile(core::gSkinIni).find("Toolbar.Hover.Text=#0000FF\r\n"), std::string::npos);
  EXPECT_EQ(SavedValue("Colors", "Tab.Hover.Text"), "RGB(10, 20, 30)");
}

TEST_F(ColorPageTest, AnEmptyValueLoadsTheDefaultAndAnEmptiedTextIsSavedEmpty) {
  WriteIniText("[Colors]\r\nTab.Hover.Text=\r\nMenu.Disable.Text=#123456\r\nMenu.Hover.Border=\r\n");
  LoadPage();
  EXPECT_EQ(Row(2).Text(), "#000066");
  EXPECT_EQ(Row(10).Text(), "#123456");
  Type(Row(10).txt, "");
  EXPECT_EQ(Row(10).Text(), "");
  page.SaveColor();
  EXPECT_EQ(SavedValue("Colors", "Menu.Disable.Text"), "");
  EXPECT_EQ(SavedValue("Colors", "Tab.Hover.Text"), "#000066");
  LoadPage();
  EXPECT_EQ(Row(10).Text(), "#999999");
}

TEST_F(ColorPageTest, ThePressedToolbarKeyIsReadInEitherCaseAndWrittenWithASmallP) {
  for (const char* key : {"Toolbar.Pressed.Text", "toolbar.pressed.text"}) {
    WriteIniText(std::string("[Colors]\r\n") + key + "=#010101\r\n");
    LoadPage();
    EXPECT_EQ(Row(8).Text(), "#010101") << key;
    Type(Row(8).txt, "#020202");
    page.SaveColor();
    // The value read is the one replaced: the section holds the key once.
    std::string file = ReadFile(core::gSkinIni);
    EXPECT_EQ(core::ToLower(file).find("toolbar.pressed.text="), core::ToLower(file).rfind("toolbar.pressed.text="));
    EXPECT_EQ(SavedValue("Colors", "Toolbar.Pressed.Text"), "#020202") << key;
  }
}

// ---------------------------------------------------------------- typing and the colour dialog

TEST_F(ColorPageTest, TypingRecoloursTheSwatchOnlyForTextsThatPassTheColourTest) {
  WriteIniText("[Colors]\r\nCaption.Text=#102030\r\n");
  LoadPage();
  core::gModified = false;
  ColorRow& row = Row(0);
  HWND h = row.txt.hWnd();

  struct Step {
    char key;
    COLORREF swatch;
  };
  // "#1A5" turns it to the doubled digits; a fourth digit fails the test and
  // leaves it; the sixth passes again.
  SendMessageA(h, EM_SETSEL, 0, -1);
  for (Step s : {Step{'#', RGB(0x10, 0x20, 0x30)}, Step{'1', RGB(0x10, 0x20, 0x30)}, Step{'A', RGB(0x10, 0x20, 0x30)},
                 Step{'5', RGB(0x11, 0xAA, 0x55)}, Step{'B', RGB(0x11, 0xAA, 0x55)}, Step{'6', RGB(0x11, 0xAA, 0x55)},
                 Step{'7', RGB(0x1A, 0x5B, 0x67)}}) {
    core::gModified = false;
    SendMessageA(h, WM_CHAR, static_cast<unsigned char>(s.key), 1);
    EXPECT_TRUE(core::gModified) << s.key;
    EXPECT_EQ(static_cast<COLORREF>(row.Colour()), s.swatch) << row.Text();
  }
  EXPECT_EQ(row.Text(), "#1A5B67");

  // Six digits without "#" fail the test as typed.
  Type(row.txt, "FF0000");
  EXPECT_EQ(static_cast<COLORREF>(row.Colour()), RGB(0x1A, 0x5B, 0x67));
  // "rgb" in any case passes, also while incomplete.
  Type(row.txt, "rGb(0,0,200)");
  EXPECT_EQ(static_cast<COLORREF>(row.Colour()), RGB(0, 0, 200));
  // A "#" text of the right length that is no colour reads as black.
  Type(row.txt, "#GGGGGG");
  EXPECT_EQ(row.Colour(), 0);
  Type(row.txt, "");
  EXPECT_EQ(row.Colour(), 0);
}

TEST_F(ColorPageTest, APickedColourBecomesTheTextAndTheSwatchAndMarksTheProject) {
  WriteIniText("[Colors]\r\nStatus.Address.Text=#0033CC\r\n");
  LoadPage();
  core::gModified = false;
  ColorRow& row = Row(14);
  ScriptedPrompter prompts;
  prompts.AnswerColor(static_cast<long>(RGB(0xAB, 0xCD, 0xEF)));
  Click(row.lblPalette.hWnd());
  ASSERT_EQ(prompts.colorDialogs.size(), 1u);
  EXPECT_EQ(prompts.colorDialogs[0].initial, RGB(0x00, 0x33, 0xCC));
  EXPECT_EQ(row.Text(), "#ABCDEF");
  EXPECT_EQ(static_cast<COLORREF>(row.Colour()), RGB(0xAB, 0xCD, 0xEF));
  EXPECT_TRUE(core::gModified);
  page.SaveColor();
  EXPECT_EQ(SavedValue("Colors", "Status.Address.Text"), "#ABCDEF");
}

TEST_F(ColorPageTest, ADialogOnAnUnloadedRowStartsAtTheButtonFaceColour) {
  ScriptedPrompter prompts;
  prompts.AnswerColor(static_cast<long>(RGB(1, 2, 3)));
  Click(Row(5).lblPalette.hWnd());
  ASSERT_EQ(prompts.colorDialogs.size(), 1u);
  EXPECT_EQ(prompts.colorDialogs[0].initial, kButtonFace);
  EXPECT_EQ(Row(5).Text(), "#010203");
}

TEST_F(ColorPageTest, ACancelledDialogOrTheSameColourChangesNothing) {
  WriteIniText("[Colors]\r\nMenu.Normal.Text=1A2B3C\r\nComboBox.Text=#00FF00\r\n");
  LoadPage();
  core::gModified = false;
  ScriptedPrompter prompts;
  prompts.AnswerColor(-1).AnswerColor(static_cast<long>(RGB(0, 255, 0)));
  Click(Row(9).lblPalette.hWnd());
  EXPECT_EQ(Row(9).Text(), "1A2B3C");
  EXPECT_EQ(static_cast<COLORREF>(Row(9).Colour()), RGB(0x1A, 0x2B, 0x3C));
  EXPECT_FALSE(core::gModified);
  // The same colour gives the same text: no change, nothing marked.
  Click(Row(13).lblPalette.hWnd());
  EXPECT_EQ(Row(13).Text(), "#00FF00");
  EXPECT_FALSE(core::gModified);
  EXPECT_EQ(prompts.colorDialogs.size(), 2u);
}

// ---------------------------------------------------------------- in the main window

class ColorsInMainWindowTest : public main_window_tests::ProjectTest {
 protected:
  frmColor& Page() { return *mainwindow::gColorsPage; }
};

TEST_F(ColorsInMainWindowTest, OpeningAProjectFillsThePageAndSavingWritesItBack) {
  std::string folder = DefaultSkinProject("Default");
  testing_support::IniData original = testing_support::ParseIni(folder + "\\pelto.ini");
  Open(folder);
  frmColor& page = Page();
  EXPECT_EQ(GetParent(page.hWnd()), form.picTabs(mainwindow::frmTarnell::kColorsPage).hWnd());
  EXPECT_FALSE(core::gModified);
  EXPECT_EQ(page.TextRow(14).colour.Text(), "#0033CC");
  EXPECT_EQ(page.MenuItemHover.BorderColor.Text(), "#7DA2CE");
  EXPECT_EQ(page.MenuItemChecked.picGradient.Point(0, 0), RGB(0xC9, 0xA2, 0x3A));

  form.ActivateTab(4);
  Type(page.TextRow(0).colour.txt, "#123");
  EXPECT_EQ(static_cast<COLORREF>(page.TextRow(0).colour.Colour()), RGB(0x11, 0x22, 0x33));
  {
    ScriptedPrompter prompts;
    prompts.AnswerColor(static_cast<long>(RGB(0x80, 0, 0x10)));
    Click(page.TextRow(11).colour.lblPalette.hWnd());
  }
  EXPECT_TRUE(core::gModified);
  Save();
  EXPECT_FALSE(core::gModified);

  auto expected = original["colors"];
  expected["caption.text"] = "#123";
  expected["menu.hover.text"] = "#800010";
  EXPECT_EQ(Saved()["colors"], expected);

  // Reopened, the page shows what was saved.
  Open(NamedProject("Other"));
  EXPECT_EQ(page.TextRow(0).colour.Text(), "#666666");
  EXPECT_EQ(page.MenuItemHover.BorderColor.Text(), "");
  Open(folder);
  EXPECT_EQ(page.TextRow(0).colour.Text(), "#123");
  EXPECT_EQ(page.TextRow(11).colour.Text(), "#800010");
  EXPECT_EQ(page.MenuItemHover.BorderColor.Text(), "#7DA2CE");
}

TEST_F(ColorsInMainWindowTest, F2FromATextOfThePageOpensTheNavigator) {
  Open(DefaultSkinProject("Default"));
  form.ActivateTab(4);
  main_window_tests::PressKey(Page().TextRow(2).colour.txt.hWnd(), VK_F2);
  EXPECT_TRUE(core::gNavigatorShown);
}

}  // namespace
