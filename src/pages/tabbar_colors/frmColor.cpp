#include "pages/tabbar_colors/frmColor.h"

#include <utility>

#include "core/colors.h"
#include "core/globals.h"
#include "core/ini.h"

namespace pages {

using namespace core;

namespace {

constexpr const char* kSection = "Colors";

// The fifteen text colours, in the order they are shown, loaded and saved.
struct RowDesign {
  const char* stem;        // control names: txt<stem>TextColor ...
  const char* caption;     // designed caption of the row's label
  const char* captionKey;  // its language key
  const char* readKey;
  const char* writtenKey;
  const char* readDefault;
};

constexpr RowDesign kRows[frmColor::kTextRows] = {
    {"Caption", "Caption:", "Caption_Bar", "Caption.Text", "Caption.Text", "#666666"},
    {"TabActive", "Tab Active:", "Tab_Active", "Tab.Active.Text", "Tab.Active.Text", "#000000"},
    {"TabHover", "Tab Hover:", "Tab_Hover", "Tab.Hover.Text", "Tab.Hover.Text", "#000066"},
    {"TabInactive", "Tab Inactive:", "Tab_Normal", "Tab.Normal.Text", "Tab.Normal.Text", "#333333"},
    {"ToolbarNormal", "Toolbar Normal:", "Toolbar_Normal", "Toolbar.Normal.Text", "Toolbar.Normal.Text", "#333333"},
    {"ToolbarDisable", "Toolbar Disable:", "Toolbar_Disable", "Toolbar.Disable.Text", "Toolbar.Disable.Text",
     "#999999"},
    {"ToolbarHover", "Toolbar Hover:", "Toolbar_Hover", "Toolbar.Hover.Text", "Toolbar.Hover.Text", "#000000"},
    {"ToolbarChecked", "Toolbar Checked:", "Toolbar_Checked", "Toolbar.Checked.Text", "Toolbar.Checked.Text",
     "#000000"},
    // Written in the spelling the browser's own skins use; keys match
    // without regard to case, so the value read is the one replaced.
    {"ToolbarPressed", "Toolbar Pressed:", "Toolbar_Pressed", "Toolbar.Pressed.Text", "Toolbar.pressed.Text",
     "#000000"},
    {"MenuNormal", "Menu Normal:", "Menu_Normal", "Menu.Normal.Text", "Menu.Normal.Text", "#333333"},
    {"MenuDisable", "Menu Disable:", "Menu_Disable", "Menu.Disable.Text", "Menu.Disable.Text", "#999999"},
    {"MenuHover", "Menu Hover:", "Menu_Hover", "Menu.Hover.Text", "Menu.Hover.Text", "#000000"},
    {"MenuChecked", "Menu Checked:", "Menu_Checked", "Menu.Checked.Text", "Menu.Checked.Text", "#000000"},
    {"ComboBox", "Comb Box:", "Combo_Box", "ComboBox.Text", "ComboBox.Text", "#333333"},
    {"StatusAddress", "Status Bar Address:", "Status_Address_Text", "Status.Address.Text", "Status.Address.Text",
     "#000000"},
};

// VB's Trim: blanks only.
std::string TrimBlanks(const std::string& text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Read(const std::string& key, const std::string& def) {
  return TrimBlanks(ReadIni(gSkinIni, kSection, key, def));
}

void Write(const std::string& key, const ColorRow& row) { WriteIni(gSkinIni, kSection, key, row.Text()); }

template <class C>
C& OnWindowColour(C& control) {
  control.SetBackColor(ui::kSysWindow);
  return control;
}

}  // namespace

// ---------------------------------------------------------------- rows

TextColorRow::TextColorRow(ui::Container* parent, int k)
    : lblCaption(parent, {8, 4 + frmColor::kRowStep * k + 3, 137, 17}, kRows[k].caption),
      colour(parent, {std::string("txt") + kRows[k].stem + "TextColor",
                      std::string("lbl") + kRows[k].stem + "TextColorPalette",
                      {152, 4 + frmColor::kRowStep * k, 153, 22},
                      {312, 4 + frmColor::kRowStep * k, 38, 23},
                      true, false, ui::kSysButtonFace}) {
  OnWindowColour(lblCaption);
}

// ---------------------------------------------------------------- gradients

MenuItemGradient::MenuItemGradient(ui::Container* parent, const std::string& group, int top)
    : fra(parent, {392, top, 361, 120}, "Menu Item " + group),
      picBase(&fra, {3, 16, 353, 97}, ui::PictureBox::kNoBorder, ui::kSysWindow),
      StartColor(&picBase, {"txtMenuItem" + group + "StartColor", "lblMenuItem" + group + "StartColorPalette",
                            {112, 10, 133, 22}, {252, 10, 33, 23}, false, false, ui::kSysWindow}),
      EndColor(&picBase, {"txtMenuItem" + group + "EndColor", "lblMenuItem" + group + "EndColorPalette",
                          {112, 40, 133, 22}, {252, 40, 33, 23}, false, false, ui::kSysWindow}),
      BorderColor(&picBase, {"txtMenuItem" + group + "BorderColor", "lblMenuItem" + group + "BorderColorPalette",
                             {112, 70, 133, 22}, {252, 70, 33, 23}, false, false, ui::kSysWindow}),
      // No border of its own: the gradient's one-pixel frame lies on the
      // box's outer edge.
      picGradient(&picBase, {292, 10, 52, 52}, ui::PictureBox::kNoBorder, ui::kSysWindow),
      group_(group) {
  OnWindowColour(fra);
  fra.SetVisible(false);
}

void MenuItemGradient::Paint() {
  StartColor.ShowTextColour();
  EndColor.ShowTextColour();
  BorderColor.ShowTextColour();
  picGradient.SetBackColor(static_cast<ui::Color>(BorderColor.Colour()));
  DrawGradient(picGradient, StartColor.Colour(), EndColor.Colour(), 1, true);
}

void MenuItemGradient::AddNames(ControlNames& names) {
  names.Add("fraMenuItem" + group_, fra);
  names.Add("picMenuItem" + group_ + "Base", picBase);
  names.Add("picMenuItem" + group_ + "Gradient", picGradient);
  StartColor.AddNames(names);
  EndColor.AddNames(names);
  BorderColor.AddNames(names);
}

// ---------------------------------------------------------------- sub-page 1

InertSeparatorFrame::InertSeparatorFrame(ui::Container* parent, const std::string& stem,
                                         const std::string& caption, int left, int top)
    : fra(parent, {left, top, 361, 152}, caption),
      picBase(&fra, {3, 16, 353, 129}, ui::PictureBox::kNoBorder, ui::kSysWindow),
      lblStyle(&picBase, {8, 13, 81, 17}, "Style:"),
      cboStyle(&picBase, {112, 9, 233, 23}),
      lblColor(&picBase, {8, 43, 81, 17}, "Color:"),
      txtColor(&picBase, {112, 40, 133, 22}),
      lblColorPalette(&picBase, {252, 40, 33, 23}),
      lblShadowColor(&picBase, {8, 73, 81, 17}, "Shadow Color:"),
      txtShadowColor(&picBase, {112, 70, 133, 22}),
      lblShadowColorPalette(&picBase, {252, 70, 33, 23}),
      lblPercent(&picBase, {8, 103, 81, 17}, "Percent:"),
      txtPercent(&picBase, {112, 100, 33, 22}),
      lblWidth(&picBase, {146, 103, 65, 17}, "Width:", ui::Label::kAlignCenter),
      txtWidth(&picBase, {212, 100, 33, 22}),
      lblGap(&picBase, {246, 103, 65, 17}, "Gap:", ui::Label::kAlignCenter),
      txtGap(&picBase, {312, 100, 33, 22}),
      picView(&picBase, {292, 40, 52, 52}, ui::PictureBox::kNoBorder, RGB(0xF2, 0xF2, 0xF2)),
      stem_(stem) {
  OnWindowColour(fra);
  for (ui::Label* label : {&lblStyle, &lblColor, &lblShadowColor, &lblPercent, &lblWidth, &lblGap})
    OnWindowColour(*label);
  lblColorPalette.AddStyle(WS_BORDER);
  lblShadowColorPalette.AddStyle(WS_BORDER);
}

void InertSeparatorFrame::AddNames(ControlNames& names) {
  names.Add("fra" + stem_, fra);
  names.Add("pic" + stem_ + "Base", picBase);
  names.Add("cbo" + stem_ + "Style", cboStyle);
  names.Add("txt" + stem_ + "Color", txtColor);
  names.Add("lbl" + stem_ + "ColorPalette", lblColorPalette);
  names.Add("txt" + stem_ + "ShadowColor", txtShadowColor);
  names.Add("lbl" + stem_ + "ShadowColorPalette", lblShadowColorPalette);
  names.Add("txt" + stem_ + "Percent", txtPercent);
  names.Add("txt" + stem_ + "Width", txtWidth);
  names.Add("txt" + stem_ + "Gap", txtGap);
  names.Add("pic" + stem_ + "View", picView);
}

// ---------------------------------------------------------------- the page

frmColor::frmColor() {
  OnWindowColour(fraTextColor);
  // Its sub-page panels stay where they were designed.
  SetSubPages(picTabs, lblPage);
  names_.AddArray("picTabs", picTabs);
  names_.AddArray("fraNote", fraNote);
  names_.AddArray("picNote", picNote);
  names_.AddArrays({{"lblPage", lblPage}, {"lblNote", lblNote}, {"lblStartColor", lblStartColor},
                    {"lblEndColor", lblEndColor}, {"lblBorderColor", lblBorderColor}});
  names_.Add("fraTextColor", fraTextColor);
  names_.Add("picTextColorBase", picTextColorBase);
  for (int k = 0; k < kTextRows; ++k) {
    names_.Add(std::string("lbl") + kRows[k].stem + "TextColor", TextRow(k).lblCaption);
    TextRow(k).colour.AddNames(names_);
  }
  MenuItemChecked.AddNames(names_);
  MenuItemHover.AddNames(names_);
  ToolbarSeparator.AddNames(names_);
  ToolbarGripper.AddNames(names_);
  MenuSeparator.AddNames(names_);
}

std::vector<std::unique_ptr<TextColorRow>> frmColor::MakeRows() {
  std::vector<std::unique_ptr<TextColorRow>> rows;
  for (int k = 0; k < kTextRows; ++k) rows.push_back(std::make_unique<TextColorRow>(&picTextColorBase, k));
  return rows;
}

ui::ControlArray<ui::Label>::Factory frmColor::GradientLabels(int top, const char* caption) {
  return [this, top, caption](int i) {
    auto label = std::make_unique<ui::Label>(&Gradient(i).picBase, ui::Rect{8, top, 105, 17}, caption);
    label->SetBackColor(ui::kSysWindow);
    return label;
  };
}

void frmColor::Bind() {
  // Typing a start or end colour repaints its preview unless a project is
  // loading; the border repaints always, so that a load paints each preview
  // once its three texts are in.
  MenuItemChecked.StartColor.Changed = [this] {
    if (!gLoadingProject) PaintCheckedGradient();
  };
  MenuItemChecked.EndColor.Changed = [this] {
    if (!gLoadingProject) PaintCheckedGradient();
  };
  MenuItemChecked.BorderColor.Changed = [this] { PaintCheckedGradient(); };
  MenuItemHover.StartColor.Changed = [this] {
    if (!gLoadingProject) PaintHoverGradient();
  };
  MenuItemHover.EndColor.Changed = [this] {
    if (!gLoadingProject) PaintHoverGradient();
  };
  MenuItemHover.BorderColor.Changed = [this] { PaintHoverGradient(); };
}

void frmColor::SetCaptions() {
  if (gLanguageFile.empty()) return;
  SetSharedCaptions({{"Start_Color", lblStartColor}, {"End_Color", lblEndColor}, {"Border_Color", lblBorderColor}});
  MenuItemChecked.fra.SetCaption(GetLangString("Menu_Item_Checked"));
  MenuItemHover.fra.SetCaption(GetLangString("Menu_Item_Hover"));
  lblNote(0).SetCaption(GetLangString("Colors_Note"));
  fraTextColor.SetCaption(GetLangString("Text_Colors"));
  for (int k = 0; k < kTextRows; ++k) TextRow(k).lblCaption.SetCaption(GetLangString(kRows[k].captionKey));
}

void frmColor::LoadColor() {
  lblPage_MouseDown(0, 1, 1, 1.0f, 1.0f);
  for (int k = 0; k < kTextRows; ++k) {
    ColorRow& row = TextRow(k).colour;
    std::string s = Read(kRows[k].readKey, kRows[k].readDefault);
    row.txt.SetText(s);
    row.SetColour(ParseColor(s));
  }
  for (MenuItemGradient* editor : {&MenuItemChecked, &MenuItemHover}) {
    const std::string prefix = "Menu." + editor->Group() + ".";
    for (auto [row, suffix] : {std::pair{&editor->StartColor, "Start"}, std::pair{&editor->EndColor, "End"},
                               std::pair{&editor->BorderColor, "Border"}}) {
      std::string s = Read(prefix + suffix, "");
      row->txt.SetText(s);
      row->SetColour(s.empty() ? static_cast<int32_t>(gWindowColor) : ParseColor(s));
    }
  }
  // The border's Change paints a preview only when the border text differs
  // from the one shown: with the same border but other start or end colours
  // the preview would keep the previous project's gradient.
  PaintCheckedGradient();
  PaintHoverGradient();
}

void frmColor::SaveColor() {
  for (int k = 0; k < kTextRows; ++k) Write(kRows[k].writtenKey, TextRow(k).colour);
  for (MenuItemGradient* editor : {&MenuItemHover, &MenuItemChecked}) {
    const std::string prefix = "Menu." + editor->Group() + ".";
    Write(prefix + "Start", editor->StartColor);
    Write(prefix + "End", editor->EndColor);
    Write(prefix + "Border", editor->BorderColor);
  }
}

}  // namespace pages
