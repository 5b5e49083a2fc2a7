// The main window: its menu bar, the ten-page tab strip over the page
// panels, the three pages it embeds, the tool windows it opens, its
// captions in the chosen language and its closing sequence.
//
// The form's code lies in several files, one concern each:
//   frmTarnell.cpp        loading, first activation, resizing, closing, the
//                         menu bindings and the tool windows
//   tab_strip.cpp         the native tab strip and page switching
//   embedded_pages.cpp    the Colors, Backgrounds and Tab Bar pages
//   captions.cpp          captions from the language file, the Language menu
//   project_commands.cpp  New, Open, Save, recent projects, the save question
//   skin_commands.cpp     Make, Run, browser folder, image editor, help
//   page_notes.cpp        the notes at the top of the window's own pages
//   general_frame_pages.cpp  the General and Frame pages
//   shared_labels.cpp     the labels that several pages share
//   buttons_page.cpp      the Buttons page
//   icons_page.cpp        the Icons page and the replacing of missing images
//   icon_pages.cpp        what the Buttons and Icons pages share
//   navigator_jumps.cpp   what the Skin Navigator's jumps do in the window
//   sidebar_page.cpp      the Side Bar page
//   combo_progress_pages.cpp  the Combo Box and Progress pages
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/icon_catalogue.h"
#include "core/navigator_host.h"
#include "core/project_host.h"
#include "core/subclass.h"
#include "pages/element_editors.h"
#include "ui/ui.h"

namespace mainwindow {

class frmTarnell : public ui::Form,
                   public core::ISubclass,
                   public core::ProjectHost,
                   public core::IconHost,
                   public core::NavigatorHost {
 public:
  // Pages and tabs share their index: 0 General, 1 Frame, 2 Buttons,
  // 3 Icons, 4 Colors, 5 Backgrounds, 6 Tab Bar, 7 Side Bar, 8 Combo Box,
  // 9 Progress.
  static constexpr int kPageCount = 10;
  static constexpr int kButtonsPage = 2;
  static constexpr int kIconsPage = 3;
  static constexpr int kColorsPage = 4;
  static constexpr int kBackgroundsPage = 5;
  static constexpr int kTabBarPage = 6;
  static constexpr int kSideBarPage = 7;
  static constexpr int kComboPage = 8;
  static constexpr int kProgressPage = 9;

  frmTarnell();
  ~frmTarnell() override;

  // ---- Menu bar
  ui::MenuItem mnuFile{this, "File"};
  ui::MenuItem mnuNew{&mnuFile, "New Project...", ui::Shortcut::Ctrl('N')};
  ui::MenuItem mnuOpen{&mnuFile, "Open Project...", ui::Shortcut::Ctrl('O')};
  ui::MenuItem mnuSave{&mnuFile, "Save Project", ui::Shortcut::Ctrl('S')};
  ui::MenuItem mnuFileSep1{&mnuFile, "-"};
  ui::MenuItem mnuMake{&mnuFile, "Make Skin"};
  ui::MenuItem mnuRun{&mnuFile, "Run Skin", ui::Shortcut::Key(VK_F5)};
  // Element 0 separates Run from the recent projects, which follow it with
  // a closing separator of their own.
  ui::MenuArray mnuProjectList{&mnuFile, "-"};
  ui::MenuItem mnuExit{&mnuFile, "Exit", ui::Shortcut::Ctrl('X')};
  ui::MenuItem mnuToolS{this, "Tools"};
  ui::MenuItem mnuNavigator{&mnuToolS, "Open Skin Navigator", ui::Shortcut::Key(VK_F2)};
  ui::MenuItem mnuCutter{&mnuToolS, "Open Image Cutter", ui::Shortcut::Key(VK_F3)};
  ui::MenuItem mnuToolSep1{&mnuToolS, "-"};
  ui::MenuItem mnuFolder{&mnuToolS, "Open Project Folder", ui::Shortcut::Key(VK_F4)};
  ui::MenuItem mnuOption{this, "Options"};
  ui::MenuItem mnuAutoOpen{&mnuOption, "Open Last Project on Startup"};
  ui::MenuItem mnuOptionSep3{&mnuOption, "-"};
  ui::MenuItem mnuSetVel{&mnuOption, "Set Velmora Folder..."};
  ui::MenuItem mnuEditor{&mnuOption, "Set Image Editor..."};
  ui::MenuItem mnuOptionSep1{&mnuOption, "-"};
  ui::MenuItem mnuLanguage{&mnuOption, "Language"};
  // Element 0 is English; one more element per other language file.
  ui::MenuArray mnuLangList{&mnuLanguage, "English"};
  ui::MenuItem mnuHelp{this, "Help"};
  ui::MenuItem mnuReference{&mnuHelp, "Velmora 2 Skin Reference"};
  ui::MenuItem mnuDownload{&mnuHelp, "Velmora 2 Skin Download"};
  ui::MenuItem mnuForum{&mnuHelp, "Velmora Skin Forum"};
  ui::MenuItem mnuHelpSep1{&mnuHelp, "-"};
  ui::MenuItem mnuFeedback{&mnuHelp, "Feedback"};
  ui::MenuItem mnuAbout{&mnuHelp, "About..."};

  // ---- Page panels, laid over the tab strip's body. Panel 0 shows
  // disabled until a project is loaded; the others are hidden.
  ui::ControlArray<ui::PictureBox> picTabs{kPageCount, [this](int i) {
    auto panel = std::make_unique<ui::PictureBox>(this, ui::Rect{9, 28, 766, 508});
    if (i == 0)
      panel->SetEnabled(false);
    else
      panel->SetVisible(false);
    return panel;
  }};

  // ---- Page notes: a note frame at the top of each of the window's own
  // pages (General, Frame, Buttons, Icons, Side Bar, Combo Box, Progress).
  // Note i lies on the panel and carries the text that page_notes.cpp gives
  // for it.
  ui::ControlArray<ui::Frame> fraNote{NoteCount(), [this](int i) {
    return std::make_unique<ui::Frame>(&picTabs(NotePanel(i)), ui::Rect{16, 16, 737, 57});
  }};
  ui::ControlArray<ui::PictureBox> picNote{NoteCount(), [this](int i) {
    return std::make_unique<ui::PictureBox>(&fraNote(i), ui::Rect{3, 10, 730, 44});
  }};
  ui::ControlArray<ui::Label> lblNote{NoteCount(), [this](int i) {
    return std::make_unique<ui::Label>(&picNote(i), ui::Rect{8, 12, 713, 33}, NoteText(i));
  }};

  // ---- General page (panel 0): [General] of pelto.ini.
  ui::Label lblName{&picTabs(0), {248, 98, 113, 17}, "Skin Name :"};
  ui::TextBox txtName{&picTabs(0), {368, 95, 385, 22}};
  ui::Label lblVersion{&picTabs(0), {248, 128, 113, 17}, "Version :"};
  ui::TextBox txtVersion{&picTabs(0), {368, 125, 385, 22}};
  ui::Label lblAuthor{&picTabs(0), {248, 158, 113, 17}, "Author :"};
  ui::TextBox txtAuthor{&picTabs(0), {368, 155, 385, 22}};
  ui::Label lblEmail{&picTabs(0), {248, 188, 113, 17}, "Email :"};
  ui::TextBox txtEmail{&picTabs(0), {368, 185, 385, 22}};
  ui::Label lblWebsite{&picTabs(0), {248, 218, 113, 17}, "Website :"};
  ui::TextBox txtWebsite{&picTabs(0), {368, 215, 385, 22}};
  ui::Label lblLicense{&picTabs(0), {248, 278, 113, 17}, "License :"};
  ui::TextBox txtLicense{&picTabs(0), {368, 275, 385, 58}, "", ui::TextBox::kMultiLine | ui::TextBox::kVScroll};
  ui::Label lblPreview{&picTabs(0), {248, 248, 113, 17}, "Preview Image :"};
  ui::TextBox txtPreview{&picTabs(0), {368, 245, 233, 22}};
  ui::CommandButton cmdPreviewBrowse{&picTabs(0), {681, 244, 73, 24}, "Browse..."};
  ui::Frame fraPreview{&picTabs(0), {16, 88, 233, 246}, "Skin Preview"};
  ui::PictureBox picPreview{&fraPreview, {6, 17, 220, 220}};
  ui::CommandButton cmdCreatePreview{&picTabs(0), {605, 244, 73, 24}, "Capture"};
  ui::Frame fraImportant{&picTabs(0), {32, 384, 697, 73}, "Note"};
  ui::PictureBox picTipBase{&fraImportant, {2, 16, 692, 54}};
  ui::ControlArray<ui::Label> lblTip{2, [this](int i) {
    static const char* const kTips[] = {
        "1. Some skin options are not provided to simplify skin creation. Please refer to skin reference "
        "where necessary.",
        "2. All images can be double clicked to open in custom image editor."};
    auto tip = std::make_unique<ui::Label>(&picTipBase, ui::Rect{8, 6 + 20 * i, 673, 17}, kTips[i]);
    tip->SetForeColor(RGB(0, 0, 255));
    return tip;
  }};

  // ---- Frame page (panel 1): [Global] of pelto.ini.
  ui::Frame fraFrame{&picTabs(1), {16, 88, 233, 222}, "Window Frame"};
  ui::PictureBox picFrame{&fraFrame, {6, 17, 220, 192}};
  ui::Label lblFrameWidth{&picTabs(1), {256, 98, 193, 17}, "Frame Width :"};
  ui::TextBox txtFrameWidth{&picTabs(1), {456, 95, 297, 22}};
  ui::Label lblFrameRadius{&picTabs(1), {248, 128, 201, 17}, "Frame Round Corner Radius :"};
  ui::TextBox txtFrameRadius{&picTabs(1), {456, 125, 297, 22}};
  ui::Label lblFrameCorner{&picTabs(1), {248, 158, 201, 17}, "Frame Image Corner Size :"};
  ui::TextBox txtFrameCorner{&picTabs(1), {456, 155, 297, 22}};
  ui::Label lblFrameImage{&picTabs(1), {248, 188, 201, 17}, "Frame Image Path :"};
  ui::TextBox txtFrameImage{&picTabs(1), {456, 185, 221, 22}};
  ui::CommandButton cmdFrameBrowse{&picTabs(1), {681, 184, 73, 24}, "Browse..."};
  ui::Frame fraLoading{&picTabs(1), {16, 328, 233, 75}, "Loading"};
  ui::PictureBox picLoading{&fraLoading, {6, 17, 220, 48}};
  ui::Label lblLoading{&picTabs(1), {248, 338, 201, 17}, "Loading Image Path :"};
  ui::TextBox txtLoading{&picTabs(1), {456, 335, 221, 22}};
  ui::CommandButton cmdLoadingBrowse{&picTabs(1), {681, 334, 73, 24}, "Browse..."};

  // ---- Buttons page (panel 2): the buttons of [Icons], edited in the icon
  // catalogue's tables. The selected button's tile has the highlight colour.
  ui::Frame fraBigIcon{&picTabs(2), {16, 88, 331, 180}, "ToolBar Buttons"};
  ui::PictureBox picBigIconBase{&fraBigIcon, {2, 20, 327, 157}};
  ui::ControlArray<ui::PictureBox> picBigIcon{core::kToolbarCount, [this](int i) {
    return std::make_unique<ui::PictureBox>(&picBigIconBase, ui::Rect{8 + 40 * (i % 8), 40 * (i / 8), 33, 33});
  }};
  ui::Frame fraTabIcon{&picTabs(2), {16, 280, 331, 59}, "TabBar Buttons"};
  ui::PictureBox picTabIconBase{&fraTabIcon, {2, 20, 327, 36}};
  ui::ControlArray<ui::PictureBox> picTabIcon{core::kTabButtonCount, [this](int i) {
    return std::make_unique<ui::PictureBox>(&picTabIconBase, ui::Rect{8 + 40 * i, 0, 33, 33});
  }};
  ui::Frame fraWinControl{&picTabs(2), {16, 352, 331, 59}, "Window Buttons"};
  ui::PictureBox picWinIconBase{&fraWinControl, {2, 20, 327, 36}};
  ui::ControlArray<ui::PictureBox> picWinIcon{core::kWinButtonCount, [this](int i) {
    return std::make_unique<ui::PictureBox>(&picWinIconBase, ui::Rect{8 + 56 * i, 0, 49, 33});
  }};
  ui::Label lblButtonName{&picTabs(2), {352, 98, 81, 17}, "Button :"};
  ui::TextBox txtButtonName{&picTabs(2), {438, 95, 315, 22}, "", ui::TextBox::kLocked};
  // The state rows stand in the order Normal, Hover, Pressed, Disable.
  ui::Label lblNormal{&picTabs(2), {352, 135, 81, 17}, "Normal :"};
  ui::TextBox txtNormal{&picTabs(2), {438, 132, 201, 22}};
  ui::CommandButton cmdNormal{&picTabs(2), {643, 131, 73, 24}, "Browse..."};
  ui::PictureBox picNormal{&picTabs(2), {718, 127, 42, 33}};
  ui::Label lblHover{&picTabs(2), {352, 172, 81, 17}, "Hover :"};
  ui::TextBox txtHover{&picTabs(2), {438, 169, 201, 22}};
  ui::CommandButton cmdHover{&picTabs(2), {643, 168, 73, 24}, "Browse..."};
  ui::PictureBox picHover{&picTabs(2), {718, 164, 42, 33}};
  ui::Label lblPressed{&picTabs(2), {352, 209, 81, 17}, "Pressed :"};
  ui::TextBox txtPressed{&picTabs(2), {438, 206, 201, 22}};
  ui::CommandButton cmdPressed{&picTabs(2), {643, 205, 73, 24}, "Browse..."};
  ui::PictureBox picPressed{&picTabs(2), {718, 201, 42, 33}};
  ui::Label lblDisable{&picTabs(2), {352, 246, 81, 17}, "Disable :"};
  ui::TextBox txtDisable{&picTabs(2), {438, 243, 201, 22}};
  ui::CommandButton cmdDisable{&picTabs(2), {643, 242, 73, 24}, "Browse..."};
  ui::PictureBox picDisable{&picTabs(2), {718, 238, 42, 33}};
  ui::Label lblOffset{&picTabs(2), {352, 283, 81, 17}, "Offset :"};
  ui::Label lblLeftOffset{&picTabs(2), {446, 283, 42, 17}, "Left", ui::Label::kAlignRight};
  ui::TextBox txtLeftOffset{&picTabs(2), {492, 280, 24, 22}};
  ui::Label lblTopOffset{&picTabs(2), {526, 283, 42, 17}, "Top", ui::Label::kAlignRight};
  ui::TextBox txtTopOffset{&picTabs(2), {572, 280, 24, 22}};
  ui::Label lblTopPadding{&picTabs(2), {446, 320, 42, 17}, "Top", ui::Label::kAlignRight};
  ui::TextBox txtTopPadding{&picTabs(2), {492, 317, 24, 22}};
  ui::Label lblRightPadding{&picTabs(2), {526, 320, 42, 17}, "Right", ui::Label::kAlignRight};
  ui::TextBox txtRightPadding{&picTabs(2), {572, 317, 24, 22}};
  ui::Label lblBottomPadding{&picTabs(2), {600, 320, 48, 17}, "Bottom", ui::Label::kAlignRight};
  ui::TextBox txtBottomPadding{&picTabs(2), {652, 317, 24, 22}};
  ui::Label lblLeftPadding{&picTabs(2), {680, 320, 45, 17}, "Left", ui::Label::kAlignRight};
  ui::TextBox txtLeftPadding{&picTabs(2), {729, 317, 24, 22}};
  ui::CheckBox chkDrawBG{&picTabs(2), {436, 354, 313, 17}, "Draw button background behind button image"};
  ui::CommandButton cmdReplaceButton{&picTabs(2), {435, 386, 319, 25}, "Replace missing icons with default icons"};

  // ---- Icons page (panel 3): the icons of [Icons16], edited in the icon
  // catalogue's tables. The selected icon's tile has the highlight colour.
  ui::Frame fraSmallIcon{&picTabs(3), {16, 88, 331, 149}, "ToolBar Buttons"};
  ui::PictureBox picSmallIconBase{&fraSmallIcon, {2, 18, 327, 128}};
  ui::ControlArray<ui::PictureBox> picSmallIcon{core::kSmallIconCount, [this](int i) {
    return std::make_unique<ui::PictureBox>(&picSmallIconBase, ui::Rect{8 + 32 * (i % 10), 32 * (i / 10), 25, 25});
  }};
  ui::Frame fraMiscIcon{&picTabs(3), {16, 248, 331, 245}, "Other Icons"};
  ui::PictureBox picMiscIconBase{&fraMiscIcon, {2, 18, 327, 224}};
  ui::ControlArray<ui::PictureBox> picMiscIcon{core::kMiscIconCount, [this](int i) {
    return std::make_unique<ui::PictureBox>(&picMiscIconBase, ui::Rect{8 + 32 * (i % 10), 32 * (i / 10), 25, 25});
  }};
  ui::Label lblSmallIcon{&picTabs(3), {352, 98, 81, 17}, "Icon :"};
  ui::TextBox txtSmallButton{&picTabs(3), {438, 95, 315, 22}, "", ui::TextBox::kLocked};
  ui::TextBox txtSmallPath{&picTabs(3), {438, 132, 239, 22}};
  ui::CommandButton cmdSmallBrowse{&picTabs(3), {681, 131, 73, 24}, "Browse..."};
  ui::CommandButton cmdReplaceIcons{&picTabs(3), {435, 210, 319, 25}, "Replace missing icons with default icons"};

  // ---- Side Bar page (panel 7): [SideBar] of pelto.ini. The tabs and the
  // tab background are strips marked across their height, the title
  // background across its width.
  pages::TabImageEditor SideBarTabNormal{&picTabs(7), SideBarTabDesign("SideBarTabNormal", "Inactive Tab", 392)};
  pages::TabImageEditor SideBarTabActive{&picTabs(7), SideBarTabDesign("SideBarTabActive", "Active Tab", 16)};
  pages::BackgroundEditor SideBarTabBkgnd{&picTabs(7), SideBarBackgroundDesign(false)};
  pages::BackgroundEditor SideBarTitleBkgnd{&picTabs(7), SideBarBackgroundDesign(true)};
  ui::CheckBox chkFlipSettings{&picTabs(7), {16, 456, 361, 17}, "Flip tab appearance when side bar is on the right"};

  // ---- Combo Box page (panel 8): [ComboBox] of pelto.ini.
  ui::Frame fraComboNormal{&picTabs(8), {16, 88, 361, 122}, "Normal Background"};
  ui::PictureBox picComboNormalBase{&fraComboNormal, kImageFrameBase, ui::PictureBox::kNoBorder, ui::kSysWindow};
  pages::MarkedImageEditor ComboNormal{&picComboNormalBase, FilePathImageDesign("ComboNormal")};
  ui::Frame fraComboHover{&picTabs(8), {392, 88, 361, 122}, "Hover Background"};
  ui::PictureBox picComboHoverBase{&fraComboHover, kImageFrameBase, ui::PictureBox::kNoBorder, ui::kSysWindow};
  pages::MarkedImageEditor ComboHover{&picComboHoverBase, FilePathImageDesign("ComboHover")};
  ui::Frame fraComboDropDown{&picTabs(8), {16, 228, 361, 122}, "Drop Down"};
  ui::PictureBox picComboDropDownBase{&fraComboDropDown, kImageFrameBase, ui::PictureBox::kNoBorder, ui::kSysWindow};
  ui::Label lblComboDropDownNormal{&picComboDropDownBase, {8, 13, 81, 17}, "Normal :"};
  ui::TextBox txtComboDropDownNormal{&picComboDropDownBase, {96, 10, 173, 22}};
  ui::CommandButton cmdComboDropDownNormalBrowse{&picComboDropDownBase, {273, 9, 73, 24}, "Browse..."};
  ui::Label lblComboDropDownHover{&picComboDropDownBase, {8, 43, 81, 17}, "Hover :"};
  ui::TextBox txtComboDropDownHover{&picComboDropDownBase, {96, 40, 173, 22}};
  ui::CommandButton cmdComboDropDownHoverBrowse{&picComboDropDownBase, {273, 39, 73, 24}, "Browse..."};
  ui::PictureBox picComboDropDownNormal{&picComboDropDownBase, {96, 66, 84, 30}, ui::PictureBox::kNoBorder,
                                        ui::kSysWindow};
  ui::PictureBox picComboDropDownHover{&picComboDropDownBase, {185, 66, 84, 30}, ui::PictureBox::kNoBorder,
                                       ui::kSysWindow};

  // ---- Progress page (panel 9): [Progress] of pelto.ini.
  ui::Frame fraProgressFG{&picTabs(9), {16, 88, 361, 122}, "Foreground Image"};
  ui::PictureBox picProgressFGBase{&fraProgressFG, kImageFrameBase, ui::PictureBox::kNoBorder, ui::kSysWindow};
  pages::MarkedImageEditor ProgressFG{&picProgressFGBase, FilePathImageDesign("ProgressFG")};
  ui::Frame fraProgressBg{&picTabs(9), {392, 88, 361, 122}, "Background Image"};
  ui::PictureBox picProgressBgBase{&fraProgressBg, kImageFrameBase, ui::PictureBox::kNoBorder, ui::kSysWindow};
  pages::MarkedImageEditor ProgressBg{&picProgressBgBase, FilePathImageDesign("ProgressBg")};
  ui::CheckBox chkProgressShowPercent{&picTabs(9), {27, 228, 361, 17}, "Show download percent on progress bar"};
  ui::Label lblProgressTextColor{&picTabs(9), {27, 261, 81, 17}, "Text Color :"};
  pages::ColorRow ProgressTextColor{&picTabs(9), {"txtProgressTextColor", "lblProgressTextColorPalette",
                                                  {115, 258, 149, 22}, {271, 258, 33, 23}, true, true}};

  // ---- Labels that several pages share: one text for every element of an
  // array. shared_labels.cpp places each element on its page.
  ui::ControlArray<ui::Label> lblImage = SharedLabels("lblImage", "Image :");
  ui::ControlArray<ui::Label> lblFile = SharedLabels("lblFile", "File :");
  ui::ControlArray<ui::Label> lblStartOffset = SharedLabels("lblStartOffset", "Start Offset :");
  ui::ControlArray<ui::Label> lblEndOffset = SharedLabels("lblEndOffset", "End Offset :");
  ui::ControlArray<ui::Label> lblPadding = SharedLabels("lblPadding", "Padding :");
  ui::ControlArray<ui::Label> lblStartOut = SharedLabels("lblStartOut", "Start Out :");
  ui::ControlArray<ui::Label> lblEndOut = SharedLabels("lblEndOut", "End Out :");
  ui::ControlArray<ui::Label> lblStyle = SharedLabels("lblStyle", "Style :");
  ui::ControlArray<ui::Label> lblTop = SharedLabels("lblTop", "(T)");
  ui::ControlArray<ui::Label> lblRight = SharedLabels("lblRight", "(R)");
  ui::ControlArray<ui::Label> lblBottom = SharedLabels("lblBottom", "(B)");
  ui::ControlArray<ui::Label> lblLeft = SharedLabels("lblLeft", "(L)");
  ui::ControlArray<ui::Label> lblStartColor = SharedLabels("lblStartColor", "Start Color :");
  ui::ControlArray<ui::Label> lblEndColor = SharedLabels("lblEndColor", "End Color :");

  // ---- Public members

  // Shows page index and selects its tab. Callers check that a project is
  // open.
  void ActivateTab(int index) override;
  // Shows the Skin Navigator, or restores it when it is open already.
  void mnuNavigator_Click();
  // Shows the Image Cutter, or restores it when it is open already.
  void mnuCutter_Click();
  // Every caption of the window from the language file, the program title
  // and the shared caption texts; with no language file, only the tab texts
  // and the program title.
  void SetCaptions();
  // The window title while a project is open: the project name, " - ", the
  // program title, a blank and the version.
  void SetProjectCaption();
  // Brings the window to the front with the focus.
  void SetFocus();
  // The native tab strip; null while the window is closed.
  HWND TabStrip() const { return m_hTabStrip; }
  // The controls of the window's own pages by the names their tables give
  // them ("txtSideBarTabNormalImage"), for the Skin Navigator and tests.
  ui::Control* FindControl(const std::string& name) const { return names_.Find(name); }
  template <class T>
  T* FindAs(const std::string& name) const {
    return names_.FindAs<T>(name);
  }
  ui::Graphic* FindGraphic(const std::string& name) const { return names_.FindGraphic(name); }

  // The offset markers of the Side Bar, Combo Box and Progress pages, each
  // placed from its preview's recorded extent and its two offset texts.
  void UpdateSideBarNormalTabMarker() { SideBarTabNormal.image.UpdateOffsetMarker(); }
  void UpdateSideBarActiveTabMarker() { SideBarTabActive.image.UpdateOffsetMarker(); }
  void UpdateSideBarTabBkgndMarker() { SideBarTabBkgnd.UpdateOffsetMarker(); }
  void UpdateSideBarTitleBkgndMarker() { SideBarTitleBkgnd.UpdateOffsetMarker(); }
  void UpdateComboNormalMarker() { ComboNormal.UpdateOffsetMarker(); }
  void UpdateComboHoverMarker() { ComboHover.UpdateOffsetMarker(); }
  void UpdateProgressFGMarker() { ProgressFG.UpdateOffsetMarker(); }
  void UpdateProgressBgMarker() { ProgressBg.UpdateOffsetMarker(); }
  // The Side Bar's gradient previews: both swatches and the gradient box.
  void DrawSideBarTabBkgndGradient() { SideBarTabBkgnd.UpdateGradientPreview(); }
  void DrawSideBarTitleBkgndGradient() { SideBarTitleBkgnd.UpdateGradientPreview(); }

  // ---- Saving. Runs the savers of every page after the General page once
  // as a rehearsal into plan (core::ImageKeyPlan), which then knows what
  // each image box is about to name: the save and the Skin Preview's OK
  // count them alike.
  void RehearseSave(core::ImageKeyPlan& plan);
  // Runs every saver as a rehearsal, before the save touches any file; a
  // value longer than pelto.ini can hold (core::kIniValueLimit) is named
  // to the user, and true then: nothing is saved.
  bool RefuseValuesTooLong();

  // ---- Project loading (core::ProjectHost)
  void EnableProjectCommands() override;
  void LoadGeneral() override;
  void LoadFrame() override;
  void LoadSideBar() override;
  void LoadCombo() override;
  void LoadProgress() override;
  void UpdateProjectList() override;
  void LoadColor() override;
  void LoadBackground() override;
  void LoadTabBar() override;
  void mnuSave_Click() override;
  void UnloadMainWindow() override;

  // ---- The Skin Navigator's jumps (core::NavigatorHost); pages by index.
  void BringMainWindowBack() override;
  void ShowSubPage(int page, int subPage) override;
  void SelectIconEntry(int group, int index) override;
  int StyleIndex(int page, const std::string& combo) override;
  void FocusControl(int page, const std::string& name, int length) override;

  // ---- The icon catalogue's pages (core::IconHost). The selection
  // handlers are the tiles' mouse-down events; only the index counts, so
  // the skin navigator and the icon load select through them as a click
  // does.
  ui::PictureBox* IconTile(int group, int index) override;
  void picBigIcon_MouseDown(int index, int button, int shift, float x, float y) override;
  void picTabIcon_MouseDown(int index, int button, int shift, float x, float y);
  void picWinIcon_MouseDown(int index, int button, int shift, float x, float y);
  void picSmallIcon_MouseDown(int index, int button, int shift, float x, float y) override;
  void picMiscIcon_MouseDown(int index, int button, int shift, float x, float y);
  // Refills the path boxes of the selected button and icon from the tables.
  void UpdateTextBox() override;
  // Returns a highlighted small or misc icon tile to its plain look.
  void clearSmallIconHighlight();

  // ---- Subclassing client of the tab strip: its mouse presses never reach
  // the strip's own window procedure.
  int32_t MsgResponse() const override { return kPreviousNotCalled; }
  void SetMsgResponse(int32_t) override {}
  LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Resize() override;
  void Form_Unload(int& cancel) override;
  using ui::Form::WindowProc;

 private:
  void Bind() override;

  // Menu commands. While the window is closing none of them runs; while a
  // project loads only Save and Exit do (they record their request), so
  // that no second load can start inside the first.
  enum class WhileLoading { Ignored, Runs };
  bool CommandIgnored(WhileLoading rule) const;
  ui::Handler Command(void (frmTarnell::*handler)(), WhileLoading rule = WhileLoading::Ignored);

  // File menu.
  void mnuNew_Click();
  void mnuOpen_Click();
  void mnuMake_Click();
  void mnuRun_Click();
  void mnuProjectList_Click(int index);
  void mnuExit_Click();
  // Tools and Options menus.
  void mnuFolder_Click();
  void mnuAutoOpen_Click();
  void mnuSetVel_Click();
  void mnuEditor_Click();
  void mnuLangList_Click(int index);
  // Help menu.
  void mnuReference_Click();
  void mnuDownload_Click();
  void mnuForum_Click();
  void mnuFeedback_Click();
  void mnuAbout_Click();

  // Packs the open project into a skin file the user chooses (Make), or
  // into the work folder and starts the browser on it (run).
  void MakeSkin(bool run);
  // Opens an address in the browser, else in Internet Explorer.
  void OpenUrl(const std::string& url);

  // The project life cycle.
  void OpenProject(const std::string& path);
  // Asks whether to save unsaved edits; true when the user cancelled, or
  // when the save that the user asked for failed.
  bool ConfirmSave(const std::string& message);
  // Runs every page's saver; true when everything was written. A save that
  // failed in part says so and leaves the project marked modified.
  bool SaveProject();
  // The savers of every page but General, in the order of the save; what
  // could not be copied goes into m_UncopiedImages.
  void SavePagesAfterGeneral();

  // Savers of the window's own pages.
  void SaveGeneral();
  void SaveFrame();
  void SaveSideBar();
  void SaveCombo();
  void SaveProgress();

  // The page notes: how many, and each one's panel and designed text.
  static int NoteCount();
  static int NotePanel(int note);
  static const char* NoteText(int note);

  // The General and Frame pages.
  void BindGeneralFramePages();
  void GeneralFrameText_Change();
  void cmdPreviewBrowse_Click();
  void cmdCreatePreview_Click();
  void cmdFrameBrowse_Click();
  void cmdLoadingBrowse_Click();
  void picPreview_DblClick();
  void picFrame_DblClick();
  void picLoading_DblClick();
  void SaveName();
  void SavePreview();
  // An image key of a page, stored through the image key rules with the
  // key's default file (to a free name from spareFile on where another key
  // names that file); an image that could not be copied into the project
  // counts as a failed save.
  void SavePageImage(ui::TextBox& box, const std::string& section, const std::string& key,
                     const std::string& spareFile = "");

  // The labels of a shared array, each on its page.
  ui::ControlArray<ui::Label> SharedLabels(const char* array, const char* caption);
  // The page panels, the notes and the shared labels by their names
  // ("picTabs(7)", "lblNote(4)", "lblFile(11)").
  void AddSharedNames();

  // The Side Bar page.
  static pages::TabImageDesign SideBarTabDesign(const char* stem, const char* caption, int left);
  // The tab background, or with title the title background.
  static pages::BackgroundEditorDesign SideBarBackgroundDesign(bool title);
  void BindSideBarPage();
  void chkFlipSettings_Click();

  // The Combo Box and Progress pages: frames laid out as the Tab Bar's, an
  // image with its marker on a base filling each frame.
  static constexpr ui::Rect kImageFrameBase{3, 16, 353, 99};
  static pages::ImageEditorDesign FilePathImageDesign(const std::string& stem);
  void BindComboProgressPages();
  void txtComboDropDown_Change();
  void cmdComboDropDownNormalBrowse_Click();
  void cmdComboDropDownHoverBrowse_Click();
  void picComboDropDownNormal_DblClick();
  void picComboDropDownHover_DblClick();
  void chkProgressShowPercent_Click();
  // An editor's own save that could not copy the image at path into the
  // project counts as a failed save.
  void KeepUncopied(const core::ImageKeyResult& result, const std::string& path);

  // The Buttons page.
  void BindButtonsPage();
  ui::ControlArray<ui::PictureBox>* IconTiles(int group);
  void SelectButton(int group, int index);
  void clearButtonHighlight();
  void FindSelectedButton();
  void UpdateButtonOffset();
  void UpdateButtonPadding();
  void StoreButtonStateImage(core::ButtonState state, ui::TextBox& box);
  void BrowseButtonStateImage(ui::TextBox& box, ui::PictureBox& preview);
  void EditButtonStateImage(core::ButtonState state);
  void txtNormal_Change();
  void txtHover_Change();
  void txtDisable_Change();
  void txtPressed_Change();
  void cmdNormal_Click();
  void cmdHover_Click();
  void cmdDisable_Click();
  void cmdPressed_Click();
  void picNormal_DblClick();
  void picHover_DblClick();
  void picDisable_DblClick();
  void picPressed_DblClick();
  void OffsetBoxChanged(ui::TextBox& box);
  void PaddingBoxChanged(ui::TextBox& box);
  void txtLeftOffset_Change();
  void txtTopOffset_Change();
  void txtTopPadding_Change();
  void txtRightPadding_Change();
  void txtBottomPadding_Change();
  void txtLeftPadding_Change();
  void chkDrawBG_Click();
  void cmdReplaceButton_Click();

  // The Icons page.
  void BindIconsPage();
  void SelectIcon(int group, int index);
  void FindSelectedIcon();
  // Sets an icon's path and marks it changed, together with the other
  // entry of a misc pair (both are one key).
  void SetIconPath(int group, int index, const std::string& path);
  void picSmallIcon_DblClick(int index);
  void picMiscIcon_DblClick(int index);
  void txtSmallPath_Change();
  void cmdSmallBrowse_Click();
  void cmdReplaceIcons_Click();
  // Unpacks the browser's default skin into Temp\Default.
  void UnpackDefaultSkin();
  // A tile whose image the replace commands filled in: the selection keeps
  // its highlight, others take the plain look.
  void ShowReplacedTile(int group, int index, const std::string& path);

  // The tab strip.
  void CreateTabStrip();
  void SetTabTexts(bool fromLanguageFile);
  void AttachTabStrip();
  void RemoveTabStrip();

  // The controls of the General, Frame, Buttons and Icons pages by name.
  void AddOwnPageNames();
  // A control of page index by name: an embedded page's own, else the
  // window's.
  ui::Control* PageControl(int page, const std::string& name) const;

  // The embedded pages.
  void EmbedPages();
  void ReleasePages();

  // The Language menu's items for the files of Languages\.
  void LoadLanguageItems();

  // The menus as designed: captions, checks and enabled states, without
  // run-time elements of the menu arrays.
  struct MenuDesign {
    ui::MenuItem* item;
    std::string caption;
    bool checked;
    bool enabled;
  };
  void KeepMenuDesign();
  void RestoreMenuDesign();

  // Filled by each page's binding with the names of its controls.
  pages::ControlNames names_;
  HWND m_hTabStrip = nullptr;
  ui::UniqueFont m_TabStripFont;  // lives as long as the strip
  bool m_Activated = false;
  bool m_Closing = false;
  // The first recent project the File menu lists, as "name$,$folder".
  std::string m_FirstRecentProject;
  // The entry each element of mnuProjectList shows ("" for separators).
  std::vector<std::string> m_ProjectEntries;
  std::vector<MenuDesign> m_MenuDesign;
  // Images that the running save could not copy into the project.
  std::vector<std::string> m_UncopiedImages;
};

// The one main window, created on first use.
frmTarnell& MainForm();

// What a save that failed in part tells the user: the project's pelto.ini
// could not be written (unwrittenIni, "" when it was), the images that
// could not be copied into the project.
std::string SaveFailureText(const std::string& unwrittenIni, const std::vector<std::string>& uncopied);

}  // namespace mainwindow
