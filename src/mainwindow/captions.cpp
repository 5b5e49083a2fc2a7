// The window's captions in the chosen language, and the Language menu that
// chooses it while the program runs.
//
// Every caption of the window is one row of CaptionTable: where its text
// comes from (a language key, or a shared caption text set by an earlier
// row) and what shows it. Rows run in order.
#include <functional>

#include "core/files.h"
#include "core/globals.h"
#include "core/ini.h"
#include "core/program.h"
#include "mainwindow/embedded_pages.h"
#include "mainwindow/frmTarnell.h"
#include "tools/frmCutter.h"
#include "tools/frmNavigator.h"

namespace mainwindow {

using namespace core;

namespace {

using TextSource = std::function<std::string()>;
using CaptionTarget = std::function<void(const std::string&)>;

struct CaptionRow {
  TextSource text;
  CaptionTarget target;
};

// The text of a language key, exactly as the language files give it: a key
// that neither holds gives an empty caption.
TextSource Lang(const char* key) {
  return [key] { return GetLangString(key); };
}
// The text of a language key followed by a fixed suffix.
TextSource Lang(const char* key, const char* suffix) {
  return [key, suffix] { return GetLangString(key) + suffix; };
}
// A shared caption text, read when its row runs.
inline TextSource Shared(const std::string& text) {
  return [&text] { return text; };
}

// Anything with a caption: menu items, labels, buttons, check boxes, frames.
template <class C>
CaptionTarget To(C& control) {
  return [&control](const std::string& text) { control.SetCaption(text); };
}
// Every element of a control array, one text for all.
template <class C>
CaptionTarget ToEach(ui::ControlArray<C>& controls) {
  return [&controls](const std::string& text) { controls.ForEach([&text](C& c) { c.SetCaption(text); }); };
}
// A shared caption text that the pages, the tool windows and the dialogs
// read.
CaptionTarget Into(std::string& text) {
  return [&text](const std::string& value) { text = value; };
}

std::vector<CaptionRow> CaptionTable(frmTarnell& f) {
  return {
      // Menus.
      {Lang("File_Menu"), To(f.mnuFile)},
      {Lang("New_Project", "..."), To(f.mnuNew)},
      {Lang("Open_Project"), To(f.mnuOpen)},
      {Lang("Save_Project"), To(f.mnuSave)},
      {Lang("Make_Skin"), To(f.mnuMake)},
      {Lang("Run_Skin"), To(f.mnuRun)},
      {Lang("Exit"), To(f.mnuExit)},
      {Lang("Tools"), To(f.mnuToolS)},
      {Lang("Navigator"), To(f.mnuNavigator)},
      {Lang("Cutter"), To(f.mnuCutter)},
      {Lang("Open_Folder"), To(f.mnuFolder)},
      {Lang("Options"), To(f.mnuOption)},
      {Lang("Open_Last"), To(f.mnuAutoOpen)},
      {Lang("Set_VelFolder"), To(f.mnuSetVel)},
      {Lang("Set_Editor"), To(f.mnuEditor)},
      {Lang("Language"), To(f.mnuLanguage)},
      {Lang("Help"), To(f.mnuHelp)},
      {Lang("Skin_Reference"), To(f.mnuReference)},
      {Lang("Skin_Download"), To(f.mnuDownload)},
      {Lang("Skin_Forum"), To(f.mnuForum)},
      {Lang("Feedback"), To(f.mnuFeedback)},
      {Lang("About"), To(f.mnuAbout)},

      // Labels that several pages share come here, each array with one
      // text for all its elements.
      {Lang("Image"), ToEach(f.lblImage)},
      {Lang("File"), ToEach(f.lblFile)},
      {Lang("Start_Offset"), ToEach(f.lblStartOffset)},
      {Lang("End_Offset"), ToEach(f.lblEndOffset)},
      {Lang("Padding"), ToEach(f.lblPadding)},
      {Lang("Start_Out"), ToEach(f.lblStartOut)},
      {Lang("End_Out"), ToEach(f.lblEndOut)},
      {Lang("Style"), ToEach(f.lblStyle)},
      // The padding marks of the inactive, then the active side-bar tab.
      {Lang("Top"), To(f.lblTop(0))},
      {Lang("Left"), To(f.lblLeft(0))},
      {Lang("Bottom"), To(f.lblBottom(0))},
      {Lang("right"), To(f.lblRight(0))},
      {Lang("Top"), To(f.lblTop(1))},
      {Lang("Left"), To(f.lblLeft(1))},
      {Lang("Bottom"), To(f.lblBottom(1))},
      {Lang("right"), To(f.lblRight(1))},

      // Shared caption texts, for the rows below and for the other windows.
      {Lang("Browse"), Into(gTextBrowse)},
      {Lang("Stretch"), Into(gTextStretch)},
      {Lang("Use_Image"), Into(gTextUseImage)},
      {Lang("Use_Gradient"), Into(gTextUseGradient)},
      {Lang("Transparent"), Into(gTextTransparent)},
      {Lang("Vertical_Gradient"), Into(gTextVerticalGradient)},

      // The window's own pages follow, page by page: General, Frame,
      // Buttons, Icons, Side Bar, Combo Box, Progress; each begins with its
      // note. Browse buttons take Shared(gTextBrowse), stretch check boxes
      // Shared(gTextStretch).

      // General page.
      {Lang("General_Note"), To(f.lblNote(0))},
      {Lang("General_Note1"), To(f.lblTip(0))},
      {Lang("General_Note2"), To(f.lblTip(1))},
      {Lang("Skin_Preview"), To(f.fraPreview)},
      {Lang("Skin_Name"), To(f.lblName)},
      {Lang("Skin_Version"), To(f.lblVersion)},
      {Lang("Skin_Author"), To(f.lblAuthor)},
      {Lang("Email"), To(f.lblEmail)},
      {Lang("Website"), To(f.lblWebsite)},
      {Lang("Skin_Preview_Image"), To(f.lblPreview)},
      {Lang("License"), To(f.lblLicense)},
      {Shared(gTextBrowse), To(f.cmdPreviewBrowse)},
      {Lang("Note"), To(f.fraImportant)},
      {Lang("Capture_Preview"), To(f.cmdCreatePreview)},

      // Frame page.
      {Lang("Frame_Note"), To(f.lblNote(1))},
      {Lang("Window_Frame"), To(f.fraFrame)},
      {Lang("Frame_Width"), To(f.lblFrameWidth)},
      {Lang("Corner_Radius"), To(f.lblFrameRadius)},
      {Lang("Corner_Size"), To(f.lblFrameCorner)},
      {Lang("Frame_Image"), To(f.lblFrameImage)},
      {Shared(gTextBrowse), To(f.cmdFrameBrowse)},
      {Lang("Loading"), To(f.fraLoading)},
      {Lang("Loading_Image"), To(f.lblLoading)},
      {Shared(gTextBrowse), To(f.cmdLoadingBrowse)},

      // Buttons page.
      {Lang("Buttons_Note"), To(f.lblNote(2))},
      {Lang("Toolbar_Buttons"), To(f.fraBigIcon)},
      {Lang("Tabbar_Buttons"), To(f.fraTabIcon)},
      {Lang("Window_Buttons"), To(f.fraWinControl)},
      {Lang("Button_Name"), To(f.lblButtonName)},
      {Lang("Button_Normal"), To(f.lblNormal)},
      {Lang("Button_Hover"), To(f.lblHover)},
      {Lang("Button_Disable"), To(f.lblDisable)},
      {Lang("Button_Pressed"), To(f.lblPressed)},
      {Lang("Left1"), To(f.lblLeftOffset)},
      {Lang("Top1"), To(f.lblTopOffset)},
      {Lang("Left1"), To(f.lblLeftPadding)},
      {Lang("Top1"), To(f.lblTopPadding)},
      {Lang("Right1"), To(f.lblRightPadding)},
      {Lang("Bottom1"), To(f.lblBottomPadding)},
      {Shared(gTextBrowse), To(f.cmdNormal)},
      {Shared(gTextBrowse), To(f.cmdHover)},
      {Shared(gTextBrowse), To(f.cmdDisable)},
      {Shared(gTextBrowse), To(f.cmdPressed)},
      {Lang("Button_Offset"), To(f.lblOffset)},
      {Lang("Draw_Background"), To(f.chkDrawBG)},
      {Lang("Replace_Missing"), To(f.cmdReplaceButton)},

      // Icons page.
      {Lang("Icons_Note"), To(f.lblNote(3))},
      {Lang("Toolbar_Buttons"), To(f.fraSmallIcon)},
      {Lang("Misc_Icons"), To(f.fraMiscIcon)},
      {Lang("Icon"), To(f.lblSmallIcon)},
      {Shared(gTextBrowse), To(f.cmdSmallBrowse)},
      {[&f] { return f.cmdReplaceButton.Caption(); }, To(f.cmdReplaceIcons)},

      // Side Bar page.
      {Lang("SideBar_Note"), To(f.lblNote(4))},
      {Lang("Active_Tab"), To(f.SideBarTabActive.fra)},
      {Lang("Normal_Tab"), To(f.SideBarTabNormal.fra)},
      {Lang("Tab_Background"), To(f.SideBarTabBkgnd.fra)},
      {Lang("Title_Background"), To(f.SideBarTitleBkgnd.fra)},
      {Shared(gTextBrowse), To(f.SideBarTabActive.image.cmdBrowse)},
      {Shared(gTextBrowse), To(f.SideBarTabNormal.image.cmdBrowse)},
      {Shared(gTextBrowse), To(f.SideBarTabBkgnd.cmdBrowse)},
      {Shared(gTextBrowse), To(f.SideBarTitleBkgnd.cmdBrowse)},
      {Shared(gTextStretch), To(f.SideBarTabActive.image.chkStretch)},
      {Shared(gTextStretch), To(f.SideBarTabNormal.image.chkStretch)},
      {Shared(gTextStretch), To(f.SideBarTabBkgnd.chkStretch)},
      {Shared(gTextStretch), To(f.SideBarTitleBkgnd.chkStretch)},
      {Shared(gTextVerticalGradient), To(f.SideBarTabBkgnd.chkGradientHorizontal)},
      {Shared(gTextVerticalGradient), To(f.SideBarTitleBkgnd.chkGradientHorizontal)},
      {Lang("Start_Color"), ToEach(f.lblStartColor)},
      {Lang("End_Color"), ToEach(f.lblEndColor)},
      {Lang("Flip_Settings1"), To(f.chkFlipSettings)},

      // Combo Box page.
      {Lang("ComboBox_Note"), To(f.lblNote(5))},
      {Lang("Normal_Background"), To(f.fraComboNormal)},
      {Lang("Hover_Background"), To(f.fraComboHover)},
      {Lang("Drop_Down"), To(f.fraComboDropDown)},
      {Lang("Normal"), To(f.lblComboDropDownNormal)},
      {Lang("Hover"), To(f.lblComboDropDownHover)},
      {Shared(gTextBrowse), To(f.ComboNormal.cmdBrowse)},
      {Shared(gTextBrowse), To(f.ComboHover.cmdBrowse)},
      {Shared(gTextBrowse), To(f.cmdComboDropDownNormalBrowse)},
      {Shared(gTextBrowse), To(f.cmdComboDropDownHoverBrowse)},
      {Shared(gTextStretch), To(f.ComboNormal.chkStretch)},
      {Shared(gTextStretch), To(f.ComboHover.chkStretch)},

      // Progress page.
      {Lang("Progress_Note"), To(f.lblNote(6))},
      {Lang("Foreground_Image"), To(f.fraProgressFG)},
      {Lang("Background_Image"), To(f.fraProgressBg)},
      {Shared(gTextBrowse), To(f.ProgressFG.cmdBrowse)},
      {Shared(gTextBrowse), To(f.ProgressBg.cmdBrowse)},
      {Shared(gTextStretch), To(f.ProgressFG.chkStretch)},
      {Shared(gTextStretch), To(f.ProgressBg.chkStretch)},
      {Lang("Show_Percent"), To(f.chkProgressShowPercent)},
      {Lang("Text_Color"), To(f.lblProgressTextColor)},
  };
}

}  // namespace

void frmTarnell::SetCaptions() {
  ui::MenuBarBatch menus(*this);
  if (gLanguageFile.empty()) {
    // The designed captions stay; only the tabs need their English texts.
    SetTabTexts(false);
    gAppTitle = kFixedTitle;
    return;
  }
  gAppTitle = GetLangString("Name");
  if (gProjectName.empty())
    SetCaption(gAppTitle + " " + gAppVersion);
  else
    SetProjectCaption();
  for (const CaptionRow& row : CaptionTable(*this)) row.target(row.text());
  SetTabTexts(true);
}

void frmTarnell::SetProjectCaption() { SetCaption(gProjectName + " - " + gAppTitle + " " + gAppVersion); }

void frmTarnell::LoadLanguageItems() {
  ui::MenuBarBatch menus(*this);
  while (mnuLangList.UBound() > 0) mnuLangList.Unload(mnuLangList.UBound());
  mnuLangList(0).SetChecked(true);
  for (const std::string& file : gFileSystem.FileNames(LanguagesFolder())) {
    if (file.size() < 4 || ToLower(file.substr(file.size() - 4)) != ".ini") continue;
    std::string name = file.substr(0, file.size() - 4);
    // English is item 0 already.
    if (ToLower(name) == "english") continue;
    ui::MenuItem& item = mnuLangList.Load(mnuLangList.UBound() + 1, name);
    if (EqualsNoCase(name, gLanguage)) {
      item.SetChecked(true);
      mnuLangList(0).SetChecked(false);
    }
  }
}

void frmTarnell::mnuLangList_Click(int index) {
  std::string name = mnuLangList(index).Caption();
  std::string path = LanguagesFolder() + "\\" + name + ".ini";
  // A language file deleted since the start changes nothing.
  if (!gFileSystem.FileExists(path)) return;
  WriteIni(ConfigIni(), "General", "Language", name);
  for (int i = 0; i <= mnuLangList.UBound(); ++i) mnuLangList(i).SetChecked(i == index);
  gLanguage = name;
  gLanguageFile = path;
  // The main window first: the others read the shared caption texts.
  SetCaptions();
  if (gTabBarPage) gTabBarPage->SetCaptions();
  if (gBackgroundsPage) gBackgroundsPage->SetCaptions();
  if (gColorsPage) gColorsPage->SetCaptions();
  // A tool window that is closed takes its captions when it next opens.
  if (gNavigatorShown) tools::NavigatorForm().SetCaptions();
  if (gCutterShown) tools::CutterForm().SetCaptions();
}

}  // namespace mainwindow
