// The Colors page: section [Colors] of pelto.ini, embedded as page 4 of the
// main window. Fifteen text colours of the browser's window parts, one
// colour row each (text and swatch), and the six colours of the two
// menu-item highlight gradients, held by two editors that the page keeps
// out of sight and writes back as they were loaded.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "pages/element_editors.h"
#include "pages/embedded_page.h"

namespace pages {

// One text-colour row: its caption label lbl<Row>TextColor and the colour
// row txt<Row>TextColor with the swatch lbl<Row>TextColorPalette. The text
// re-colours the swatch through the colour-text test.
struct TextColorRow {
  TextColorRow(ui::Container* parent, int k);
  ui::Label lblCaption;
  ColorRow colour;
};

// One menu-item highlight gradient (G = "Checked" or "Hover"): the frame
// fraMenuItem<G> with its base box picMenuItem<G>Base, the start, end and
// border colour rows txtMenuItem<G>StartColor ... and the preview
// picMenuItem<G>Gradient, a vertical gradient from the start to the end
// colour inside a one-pixel frame of the border colour.
class MenuItemGradient {
 public:
  MenuItemGradient(ui::Container* parent, const std::string& group, int top);

  ui::Frame fra;
  ui::PictureBox picBase;
  ColorRow StartColor;
  ColorRow EndColor;
  ColorRow BorderColor;
  ui::PictureBox picGradient;

  const std::string& Group() const { return group_; }
  // The three swatches from their texts (the window colour for an empty
  // text, any other text parsed), then the preview: cleared to the border
  // colour, the gradient inside it.
  void Paint();

  void AddNames(ControlNames& names);

 private:
  std::string group_;
};

// One of the three frames of sub-page 1 (Toolbar Separator, Toolbar
// Gripper, Menu Separator): designed controls that nothing reads, writes,
// captions or reacts to; they belong to no section of pelto.ini.
class InertSeparatorFrame {
 public:
  InertSeparatorFrame(ui::Container* parent, const std::string& stem, const std::string& caption, int left,
                      int top);

  ui::Frame fra;
  ui::PictureBox picBase;
  ui::Label lblStyle;
  ui::ComboBox cboStyle;
  ui::Label lblColor;
  ui::TextBox txtColor;
  ui::Label lblColorPalette;
  ui::Label lblShadowColor;
  ui::TextBox txtShadowColor;
  ui::Label lblShadowColorPalette;
  ui::Label lblPercent;
  ui::TextBox txtPercent;
  ui::Label lblWidth;
  ui::TextBox txtWidth;
  ui::Label lblGap;
  ui::TextBox txtGap;
  ui::PictureBox picView;

  void AddNames(ControlNames& names);

 private:
  std::string stem_;
};

class frmColor : public EmbeddedPage {
 public:
  static constexpr int kSubPages = 2;
  static constexpr int kTextRows = 15;
  static constexpr int kRowStep = 25;

  frmColor();

  // ---- Sub-page panels. Panel 0 fills the page and holds everything else;
  // panel 1 lies below the page's lower edge and never comes into view.
  ui::ControlArray<ui::PictureBox> picTabs{kSubPages, [this](int i) {
    if (i == 0)
      return std::make_unique<ui::PictureBox>(this, ui::Rect{0, 0, 766, 508}, ui::PictureBox::kNoBorder,
                                              ui::kSysWindow);
    return std::make_unique<ui::PictureBox>(&picTabs(0), ui::Rect{0, 747, 766, 394});
  }};

  // ---- Sub-page 0: the note.
  ui::ControlArray<ui::Frame> fraNote{1, [this](int) {
    auto frame = std::make_unique<ui::Frame>(&picTabs(0), ui::Rect{16, 16, 737, 57});
    frame->SetBackColor(ui::kSysWindow);
    return frame;
  }};
  ui::ControlArray<ui::PictureBox> picNote{1, [this](int i) {
    return std::make_unique<ui::PictureBox>(&fraNote(i), ui::Rect{3, 10, 730, 44}, ui::PictureBox::kNoBorder,
                                            ui::kSysWindow);
  }};
  ui::ControlArray<ui::Label> lblNote{1, [this](int i) {
    auto note = std::make_unique<ui::Label>(&picNote(i), ui::Rect{8, 12, 713, 33},
                                            "This section defines text colors and other colors used by Velmora.");
    note->SetBackColor(ui::kSysWindow);
    return note;
  }};

  // ---- The Text Color frame with the fifteen rows.
  ui::Frame fraTextColor{&picTabs(0), {16, 88, 361, 400}, "Text Color"};
  ui::PictureBox picTextColorBase{&fraTextColor, {3, 14, 353, 379}, ui::PictureBox::kNoBorder, ui::kSysWindow};

  // ---- The menu-item highlight gradients, never shown.
  MenuItemGradient MenuItemChecked{&picTabs(0), "Checked", 88};
  MenuItemGradient MenuItemHover{&picTabs(0), "Hover", 224};
  // Their caption labels: member 0 in the checked editor, 1 in the hover
  // editor.
  ui::ControlArray<ui::Label> lblStartColor{2, GradientLabels(13, "Start Color:")};
  ui::ControlArray<ui::Label> lblEndColor{2, GradientLabels(43, "End Color:")};
  ui::ControlArray<ui::Label> lblBorderColor{2, GradientLabels(73, "Border Color:")};

  // ---- Sub-page 1: inert frames.
  InertSeparatorFrame ToolbarSeparator{&picTabs(1), "ToolbarSeparator", "Toolbar Separator", 16, 8};
  InertSeparatorFrame ToolbarGripper{&picTabs(1), "ToolbarGripper", "Toolbar Gripper", 392, 8};
  InertSeparatorFrame MenuSeparator{&picTabs(1), "MenuSeparator", "Menu Separator", 16, 184};

  // ---- Selectors of the sub-pages, never shown.
  ui::ControlArray<ui::Label> lblPage{kSubPages, [this](int i) {
    auto selector = std::make_unique<ui::Label>(&picTabs(0), ui::Rect{16 + 32 * i, 480, 25, 17},
                                                std::to_string(i + 1), ui::Label::kAlignCenter);
    selector->AddStyle(WS_BORDER);
    PaintSelector(*selector, i == 0);
    selector->SetVisible(false);
    return selector;
  }};

  // ---- The page contract.
  void SetCaptions() override;
  // Fills the page from [Colors] of gSkinIni.
  void LoadColor();
  // Writes the 21 keys of [Colors] of gSkinIni as the page holds them.
  void SaveColor();

  // Row k of the row table (0 Caption ... 14 StatusAddress).
  TextColorRow& TextRow(int k) { return *rows_.at(static_cast<size_t>(k)); }

 private:
  ui::ControlArray<ui::Label>::Factory GradientLabels(int top, const char* caption);
  MenuItemGradient& Gradient(int index) { return index == 0 ? MenuItemChecked : MenuItemHover; }
  void Bind() override;
  void PaintCheckedGradient() { MenuItemChecked.Paint(); }
  void PaintHoverGradient() { MenuItemHover.Paint(); }

  // Made after picTextColorBase, in the order of the row table.
  std::vector<std::unique_ptr<TextColorRow>> rows_ = MakeRows();
  std::vector<std::unique_ptr<TextColorRow>> MakeRows();
};

}  // namespace pages
