// The Buttons page: selecting toolbar, tab-bar and window buttons, editing
// their images, offset, padding and draw-background flag in the icon
// tables, and saving. Its replace command is tested with the Icons page's.
#include <gtest/gtest.h>

#include <tuple>

#include "core/files.h"
#include "core/globals.h"
#include "core/program.h"
#include "icon_pages_support.h"
#include "pages/element_editors.h"

namespace {

using namespace main_window_tests;
using namespace core;
using testing_support::ReadFile;
using Strings = std::vector<std::string>;

const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);

using ButtonsPageTest = IconPagesTest;

TEST_F(ButtonsPageTest, AnyMouseButtonSelectsAndFillsTheEditorsWhoseEditsGoIntoTheTablesAndASaveWritesThem) {
  std::string folder = DefaultSkinProject("Default");
  gFileSystem.RemoveFile(folder + "\\toolbar\\24_forward.png", true);
  WriteIni(folder + "\\pelto.ini", "Icons", "Refresh.Pressed", std::nullopt);
  WriteIni(folder + "\\pelto.ini", "Icons", "Refresh.Disable", "toolbar\\missing.png");
  WriteIni(folder + "\\pelto.ini", "Icons", "Forward.drawbackground", "0");
  WriteIni(folder + "\\pelto.ini", "Icons", "Back.Offset", "5");
  WriteIni(folder + "\\pelto.ini", "Icons", "Forward.Offset", "7 8");
  testing_support::WritePng(folder + "\\misc\\blue.png", 10, 10, kBlue);
  Open(folder);
  form.ActivateTab(mainwindow::frmTarnell::kButtonsPage);
  EXPECT_TRUE(Highlighted(form.picBigIcon(0)));
  EXPECT_NE(Centre(form.picBigIcon(0)), kHighlightColour);
  // The selected button's four state images show in their previews.
  for (ui::PictureBox* preview : {&form.picNormal, &form.picHover, &form.picDisable, &form.picPressed})
    EXPECT_NE(Centre(*preview), GetSysColor(COLOR_BTNFACE));
  // Double-clicking a preview opens its image in the editor, when there is one.
  Press(form.picBigIcon(3));
  for (ui::PictureBox* preview : {&form.picPressed, &form.picDisable, &form.picHover}) DoubleClick(*preview);
  EXPECT_EQ(started, Strings{"\"mspaint.exe\" \"" + folder + "\\toolbar\\24_refresh_hover.png\""});

  Press(form.picBigIcon(9), WM_RBUTTONDOWN);
  EXPECT_TRUE(Highlighted(form.picBigIcon(9)));
  EXPECT_TRUE(Plain(form.picBigIcon(3)));
  EXPECT_EQ(form.txtButtonName.Text() + " " + form.txtNormal.Text(), "Feed toolbar\\24_feed.png");
  // A button without its image is highlighted only while selected.
  Press(form.picBigIcon(1));
  EXPECT_EQ(Centre(form.picBigIcon(1)), kHighlightColour);
  Press(form.picWinIcon(1));
  EXPECT_TRUE(Missing(form.picBigIcon(1)));
  EXPECT_TRUE(Highlighted(form.picWinIcon(1)));
  EXPECT_EQ((Strings{form.txtButtonName.Text(), form.txtLeftOffset.Text(), form.txtTopOffset.Text(),
                     form.txtTopPadding.Text(), form.txtRightPadding.Text(), form.txtBottomPadding.Text(),
                     form.txtLeftPadding.Text()}),
            (Strings{"MenuMinimize", "0", "1", "0", "0", "0", "0"}));
  // The draw-background box shows the stored flag; buttons without the key
  // show it clear and disabled and keep their flag.
  gTabButtonDrawBG[3] = "1";
  using Case = std::tuple<const char*, ui::PictureBox&, int, bool>;  // name, tile, box value, enabled
  for (auto [name, tile, value, enabled] :
       {Case{"TabCloseAll", form.picTabIcon(3), 0, false}, Case{"TabNew", form.picTabIcon(4), 0, false},
        Case{"a window button", form.picWinIcon(0), 0, false}, Case{"Forward", form.picBigIcon(1), 0, true},
        Case{"TabSideBar", form.picTabIcon(1), 1, true}}) {
    SCOPED_TRACE(name);
    Press(form.picBigIcon(0));
    ASSERT_EQ(form.chkDrawBG.Value(), ui::CheckBox::kChecked);
    Press(tile);
    EXPECT_EQ(form.chkDrawBG.Value(), value);
    EXPECT_EQ(form.chkDrawBG.Enabled(), enabled);
  }
  EXPECT_EQ(gTabButtonDrawBG[3], "1");
  // It reads the flag as every page does, in the user's decimal mark; a text
  // that is no state leaves the box as the last button had it.
  auto separator = pages::DecimalSeparator;
  using Flag = std::tuple<const char*, const char*, ui::PictureBox&, int>;  // mark, text, button before, box value
  for (auto [mark, text, before, value] :
       {Flag{",", "1,0", form.picBigIcon(1), 1}, Flag{".", "0x1", form.picBigIcon(1), 0},
        Flag{".", "1e0", form.picBigIcon(1), 0}, Flag{".", "1.5", form.picBigIcon(1), 0},
        Flag{".", "1.5", form.picBigIcon(0), 1}, Flag{".", " 1 ", form.picBigIcon(1), 1},
        Flag{".", "1.0", form.picBigIcon(1), 1}}) {
    SCOPED_TRACE(text);
    pages::DecimalSeparator = [mark] { return std::string(mark); };
    gTabButtonDrawBG[1] = text;
    Press(before);
    Press(form.picTabIcon(1));
    EXPECT_EQ(form.chkDrawBG.Value(), value);
  }
  pages::DecimalSeparator = separator;
  EXPECT_FALSE(gModified);
  // Selecting a button again refills the editors and changes nothing.
  Press(form.picWinIcon(1));
  form.txtNormal.SetText("typed");
  gModified = gWinButtonChanged[1] = false;
  gWinButtonNormal[1] = "control\\win_minimize.png";
  Press(form.picWinIcon(1));
  EXPECT_EQ(form.txtNormal.Text(), "control\\win_minimize.png");
  EXPECT_FALSE(gModified || gWinButtonChanged[1]);
  // An index that is no tile of the group selects nothing.
  form.picWinIcon_MouseDown(7, 1, 1, 1.0f, 1.0f);
  EXPECT_TRUE(Highlighted(form.picWinIcon(1)));
  // An offset with one field leaves the top box as the last button had it.
  Press(form.picBigIcon(1));
  Press(form.picBigIcon(0));
  EXPECT_EQ(form.txtLeftOffset.Text() + " " + form.txtTopOffset.Text(), "5 8");
  EXPECT_EQ(gToolbarOffset[0], "5");
  // A file of the project is stored relative in any letter case, one outside
  // as it is; a cancelled dialog changes nothing.
  COLORREF normalPreview = Centre(form.picNormal);
  Browse(form.cmdDisable, ToUpper(folder) + "\\misc\\blue.png");
  EXPECT_EQ(form.txtDisable.Text(), "misc\\blue.png");
  EXPECT_EQ((std::vector<bool>{gToolbarChanged[0], gModified}), (std::vector<bool>{true, true}));
  EXPECT_EQ(Centre(form.picDisable), kBlue);
  EXPECT_EQ((Strings{Setting("LastImageDir"), gLastImageDir}), Strings(2, ToUpper(folder) + "\\misc"));
  std::string art = testing_support::WritePng(*this / "Art\\red.png", 24, 24, kRed);
  Browse(form.cmdPressed, art);
  EXPECT_EQ(Centre(form.picPressed), kRed);
  Browse(form.cmdPressed, "");
  EXPECT_EQ(form.txtPressed.Text(), art);
  // Only the Normal image shows on the tile; its preview stays as it was.
  EXPECT_NE(Centre(form.picBigIcon(0)), kBlue);
  Type(form.txtNormal, "misc\\blue.png");
  EXPECT_TRUE(Highlighted(form.picBigIcon(0)));
  EXPECT_EQ(Centre(form.picBigIcon(0)), kBlue);
  EXPECT_EQ(Centre(form.picNormal), normalPreview);
  // Offset and padding fields are stored trimmed, all zeros as empty.
  using Step = std::tuple<ui::TextBox&, const char*, const char*, const char*>;  // box, typed, offset, padding
  for (auto [box, typed, offset, padding] :
       {Step{form.txtLeftOffset, "6", "6 8", "3 3 3 3"}, Step{form.txtTopOffset, "0", "6 0", "3 3 3 3"},
        Step{form.txtLeftOffset, " 0 ", "", "3 3 3 3"}, Step{form.txtLeftOffset, "ab ", "ab 0", "3 3 3 3"},
        Step{form.txtLeftOffset, " 2 ", "2 0", "3 3 3 3"}, Step{form.txtTopOffset, "", "2 0", "3 3 3 3"},
        Step{form.txtTopOffset, "1", "2 1", "3 3 3 3"}, Step{form.txtLeftOffset, " ", "0 1", "3 3 3 3"},
        Step{form.txtLeftOffset, "2", "2 1", "3 3 3 3"}, Step{form.txtTopPadding, "1", "2 1", "1 3 3 3"},
        Step{form.txtRightPadding, "0", "2 1", "1 0 3 3"}, Step{form.txtBottomPadding, "0", "2 1", "1 0 0 3"},
        Step{form.txtTopPadding, " ", "2 1", "0 0 0 3"}, Step{form.txtTopPadding, "1", "2 1", "1 0 0 3"},
        Step{form.txtLeftPadding, "", "2 1", "1 0 0 0"}, Step{form.txtTopPadding, "0", "2 1", ""}}) {
    SCOPED_TRACE(std::string("typed '") + typed + "', offset " + offset + ", padding " + padding);
    Type(box, typed);
    // An emptied or blank box shows 0 at once; nothing checks for numbers.
    EXPECT_EQ(box.Text(), IsBlank(typed) ? "0" : typed);
    EXPECT_EQ(gToolbarOffset[0], offset);
    EXPECT_EQ(gToolbarPadding[0], padding);
  }
  // The flag box stores 0 or 1 for the selected button.
  Click(form.chkDrawBG);
  Press(form.picTabIcon(2));
  Click(form.chkDrawBG);
  EXPECT_FALSE(gTabButtonChanged[2]);

  Press(form.picBigIcon(0));
  Save();
  auto icons = Saved()["icons"];
  EXPECT_EQ(
      (Strings{icons["back"], icons["back.disable"], icons["back.pressed"], icons["back.hover"], icons["back.offset"],
               icons["back.drawbackground"], icons["tabclose.drawbackground"], icons["forward.padding"]}),
      (Strings{"misc\\blue.png", "misc\\blue.png", "toolbar\\24_back_pressed.png", "toolbar\\24_back_hover.png", "2 1",
               "0", "0", "3 3 3 3"}));
  EXPECT_EQ(ReadFile(folder + "\\toolbar\\24_back_pressed.png"), ReadFile(art));
  EXPECT_EQ(icons.count("back.padding") + icons.count("refresh.drawbackground"), 0u);
  EXPECT_EQ(icons["tabsidebar.drawbackground"], "1.0");  // written back as it was
  EXPECT_EQ(form.txtPressed.Text(), "toolbar\\24_back_pressed.png");
  EXPECT_FALSE(gModified);
}

}  // namespace
