#include "pages/backgrounds/frmBackground.h"

#include <stdexcept>

#include "core/globals.h"
#include "core/ini.h"

namespace pages {

using namespace core;

namespace {

// The fifteen elements of [Backgrounds], in the order the section is
// loaded and saved.
struct ElementRow {
  const char* stem;
  const char* caption;     // designed frame caption
  const char* captionKey;  // its language key
  const char* prefix;      // INI key prefix, read and written
  const char* defaultStyle;
  const char* defaultFile;  // of an image copied into "control"
  int groupIndex;           // index in the panel array picBkgndBase
  int groupHeight;
};

constexpr ElementRow kElements[frmBackground::kElementCount] = {
    {"MainBkgnd", "Main Panel", "Main_Panel", "MainPanel", "3Image", "mainpanel_bg.png", 0, 129},
    {"BtnBkgndNormal", "Button Normal", "Normal_Button", "Button.Normal", "transparent", "button_bg_normal.png", 12,
     121},
    {"BtnBkgndHover", "Button Hover", "Hover_Button", "Button.Hover", "transparent", "button_bg_hover.png", 4, 121},
    // Read and written under the prefix the browser's own skins use.
    {"BtnBkgndDisable", "Button Disabled", "Disable_Button", "Button.Disable", "transparent",
     "button_bg_disable.png", 13, 121},
    {"BtnBkgndPressed", "Button Pressed", "Pressed_Button", "Button.Pressed", "transparent",
     "button_bg_pressed.png", 5, 121},
    {"BtnBkgndChecked", "Button Checked", "Checked_Button", "Button.Checked", "transparent",
     "button_bg_checked.png", 6, 121},
    {"MenuItemBkgndHover", "Menu Item Hover", "Hover_Menu_Item", "MenuItem.Hover", "transparent",
     "menuitem_bg_hover.png", 3, 121},
    {"MenuBkgnd", "Menu Background", "Menu_Background", "Menu", "transparent", "menu_bg.png", 2, 121},
    {"WebToolbarBkgnd", "Web Toolbar", "Web_Toolbar", "WebBar", "transparent", "webbar_bg.png", 8, 121},
    {"StatusBarBkgnd", "Status Bar", "Status_Bar", "StatusBar", "transparent", "statusbar_bg.png", 7, 129},
    {"FloatBarBkgnd", "Float Toolbar", "Float_Toolbar", "FloatBar", "transparent", "floatbar_bg.png", 10, 129},
    // Saved like the others, under the name of the browser's own file.
    {"FavBarBkgnd", "Favorites Bar", "Fav_Bar", "FavBar", "transparent", "favbar_bg.png", 14, 129},
    {"FindInPageBkgnd", "Find in Page Bar", "Find_In_Page", "FindInPageBar", "transparent", "findinpage_bg.png", 9,
     129},
    {"MenuBarBkgnd", "Menu/Caption Bar", "Menu_Bar", "MenuBar", "transparent", "menubar_bg.png", 1, 121},
    {"ToolBarBkgnd", "Other Toolbars", "Other_Bar", "ToolBar", "transparent", "toolbar_bg.png", 11, 129},
};

// The order in which SetCaptions gives the frames their captions.
constexpr const char* kCaptionOrder[frmBackground::kElementCount] = {
    "FindInPageBkgnd", "FloatBarBkgnd",  "FavBarBkgnd",     "BtnBkgndNormal",     "BtnBkgndDisable",
    "MenuBkgnd",       "MenuItemBkgndHover", "WebToolbarBkgnd", "StatusBarBkgnd", "ToolBarBkgnd",
    "MenuBarBkgnd",    "MainBkgnd",      "BtnBkgndHover",   "BtnBkgndPressed",    "BtnBkgndChecked",
};

const ElementRow& Row(const std::string& stem) {
  for (const ElementRow& row : kElements)
    if (stem == row.stem) return row;
  throw std::logic_error("no background element " + stem);
}

int RowIndex(const std::string& stem) { return static_cast<int>(&Row(stem) - kElements); }

// The main panel is always drawn: it has no transparent style.
bool IsMainPanel(const ElementRow& row) { return std::string(row.stem) == "MainBkgnd"; }

}  // namespace

BackgroundEditorDesign frmBackground::ElementDesign(const std::string& stem, int left, int top) {
  const ElementRow& row = Row(stem);
  BackgroundEditorDesign d;
  d.stem = row.stem;
  d.frameCaption = row.caption;
  d.frame = {left, top, 361, 152};
  d.colourGroupName = "picBkgndBase(" + std::to_string(row.groupIndex) + ")";
  d.colourGroupHeight = row.groupHeight;
  d.marker = {0, -2, 33, 40};
  d.transparentItem = !IsMainPanel(row);
  d.editOnDoubleClick = false;
  d.zeroEmptyOffsets = true;
  d.gradientCheckCaption = "Use Vertical Gradient";
  d.keys.section = "Backgrounds";
  d.keys.readPrefix = row.prefix;
  d.keys.writePrefix = row.prefix;
  d.keys.defaultStyle = row.defaultStyle;
  d.keys.subFolder = "control";
  d.keys.defaultFile = row.defaultFile;
  d.keys.cleanupPasses = IsMainPanel(row) ? 2 : 3;
  return d;
}

frmBackground::frmBackground() {
  // Panel 3 comes to lie in front of panel 0, panel 2 in front of panel 1.
  SetSubPages(picTabs, lblPage, kPanelTop);
  names_.AddArray("picTabs", picTabs);
  names_.AddArray("fraNote", fraNote);
  names_.AddArray("picNote", picNote);
  names_.AddArrays({{"lblPage", lblPage}, {"lblNote", lblNote}, {"lblImage", lblImage}, {"lblFile", lblFile},
                    {"lblStartOffset", lblStartOffset}, {"lblEndOffset", lblEndOffset}, {"lblStyle", lblStyle},
                    {"lblStartColor", lblStartColor}, {"lblEndColor", lblEndColor}});
  for (int i = 0; i < kElementCount; ++i) Element(i).AddNames(names_);
}

BackgroundEditor& frmBackground::Element(int index) {
  static constexpr BackgroundEditor frmBackground::*kEditors[kElementCount] = {
      &frmBackground::MainBkgnd,       &frmBackground::BtnBkgndNormal,     &frmBackground::BtnBkgndHover,
      &frmBackground::BtnBkgndDisable, &frmBackground::BtnBkgndPressed,    &frmBackground::BtnBkgndChecked,
      &frmBackground::MenuItemBkgndHover, &frmBackground::MenuBkgnd,       &frmBackground::WebToolbarBkgnd,
      &frmBackground::StatusBarBkgnd,  &frmBackground::FloatBarBkgnd,      &frmBackground::FavBarBkgnd,
      &frmBackground::FindInPageBkgnd, &frmBackground::MenuBarBkgnd,       &frmBackground::ToolBarBkgnd,
  };
  if (index < 0 || index >= kElementCount) throw std::out_of_range("no background element");
  return this->*kEditors[index];
}

ui::PictureBox& frmBackground::picBkgndBase(int index) {
  for (int i = 0; i < kElementCount; ++i)
    if (kElements[i].groupIndex == index) return Element(i).picBase;
  throw std::out_of_range("no colour group");
}

ui::ControlArray<ui::Label>::Factory frmBackground::CaptionLabels(ui::PictureBox BackgroundEditor::*group,
                                                                   ui::Rect rect, const char* caption) {
  return [this, group, rect, caption](int i) {
    auto label = std::make_unique<ui::Label>(&(Element(i).*group), rect, caption);
    label->SetBackColor(ui::kSysWindow);
    return label;
  };
}

void frmBackground::SetCaptions() {
  if (gLanguageFile.empty()) return;
  SetSharedCaptions({{"Image", lblImage},
                     {"File", lblFile},
                     {"Start_Offset", lblStartOffset},
                     {"End_Offset", lblEndOffset},
                     {"Style", lblStyle},
                     {"Start_Color", lblStartColor},
                     {"End_Color", lblEndColor}});
  lblNote(0).SetCaption(GetLangString("Backgrounds_Note"));
  for (const char* stem : kCaptionOrder) {
    BackgroundEditor& editor = Element(RowIndex(stem));
    editor.fra.SetCaption(GetLangString(Row(stem).captionKey));
    editor.cmdBrowse.SetCaption(gTextBrowse);
    editor.chkStretch.SetCaption(gTextStretch);
    editor.chkGradientHorizontal.SetCaption(gTextVerticalGradient);
  }
}

void frmBackground::LoadBackground() {
  lblPage_MouseDown(0, 1, 1, 1.0f, 1.0f);
  for (int i = 0; i < kElementCount; ++i) {
    Element(i).Load();
    // The window stays responsive while a project loads.
    ui::DoEvents();
  }
}

void frmBackground::SaveBackground() {
  m_UncopiedImages.clear();
  for (int i = 0; i < kElementCount; ++i) {
    BackgroundEditor& editor = Element(i);
    std::string path = editor.txtImage.Text();
    if (editor.Save().copyFailed) m_UncopiedImages.push_back(path);
  }
}

}  // namespace pages
