// The Backgrounds page: section [Backgrounds] of pelto.ini, embedded as
// page 5 of the main window. Fifteen window elements of the browser, each an
// image, a gradient or transparent, one BackgroundEditor each, on four
// sub-pages chosen by the selector labels "1" to "4" under them.
#pragma once

#include <string>
#include <vector>

#include "pages/element_editors.h"
#include "pages/embedded_page.h"

namespace pages {

class frmBackground : public EmbeddedPage {
 public:
  static constexpr int kSubPages = 4;
  static constexpr int kElementCount = 15;
  // Where the panels of sub-pages 1 to 3 lie (the load puts them there).
  static constexpr int kPanelTop = 80;

  frmBackground();

  // ---- Sub-page panels. Panel 0 fills the page and holds the note, the
  // sub-page-0 editors, the selectors and panels 1 and 2; panel 3 lies on
  // the page itself. Panel 1 is designed below the page.
  ui::ControlArray<ui::PictureBox> picTabs{kSubPages, [this](int i) {
    static constexpr ui::Rect kPanels[kSubPages] = {
        {0, 0, 766, 508}, {0, 508, 766, 377}, {0, 80, 766, 377}, {0, 80, 766, 377}};
    ui::Container* parent = (i == 1 || i == 2) ? static_cast<ui::Container*>(&picTabs(0)) : this;
    return std::make_unique<ui::PictureBox>(parent, kPanels[i], ui::PictureBox::kNoBorder, ui::kSysWindow);
  }};

  // ---- Sub-page 0: the note above the editors.
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
    auto note = std::make_unique<ui::Label>(
        &picNote(i), ui::Rect{8, 12, 713, 33},
        "This section consists of 4 pages which define the background of button, menu and toolbars.");
    note->SetBackColor(ui::kSysWindow);
    return note;
  }};

  // ---- The element editors, sub-page by sub-page, each at its place.
  // Sub-page 0 ("1"), below the note.
  BackgroundEditor MainBkgnd{&picTabs(0), ElementDesign("MainBkgnd", 16, 88)};
  BackgroundEditor MenuBarBkgnd{&picTabs(0), ElementDesign("MenuBarBkgnd", 392, 88)};
  BackgroundEditor MenuBkgnd{&picTabs(0), ElementDesign("MenuBkgnd", 16, 258)};
  BackgroundEditor MenuItemBkgndHover{&picTabs(0), ElementDesign("MenuItemBkgndHover", 392, 258)};
  // Sub-page 1 ("2").
  BackgroundEditor BtnBkgndHover{&picTabs(1), ElementDesign("BtnBkgndHover", 16, 8)};
  BackgroundEditor BtnBkgndPressed{&picTabs(1), ElementDesign("BtnBkgndPressed", 392, 8)};
  BackgroundEditor BtnBkgndChecked{&picTabs(1), ElementDesign("BtnBkgndChecked", 16, 178)};
  BackgroundEditor StatusBarBkgnd{&picTabs(1), ElementDesign("StatusBarBkgnd", 392, 178)};
  // Sub-page 2 ("3").
  BackgroundEditor WebToolbarBkgnd{&picTabs(2), ElementDesign("WebToolbarBkgnd", 16, 8)};
  BackgroundEditor FindInPageBkgnd{&picTabs(2), ElementDesign("FindInPageBkgnd", 392, 8)};
  BackgroundEditor FloatBarBkgnd{&picTabs(2), ElementDesign("FloatBarBkgnd", 16, 178)};
  BackgroundEditor ToolBarBkgnd{&picTabs(2), ElementDesign("ToolBarBkgnd", 392, 178)};
  // Sub-page 3 ("4"); its bottom-right place stays empty.
  BackgroundEditor BtnBkgndNormal{&picTabs(3), ElementDesign("BtnBkgndNormal", 16, 8)};
  BackgroundEditor BtnBkgndDisable{&picTabs(3), ElementDesign("BtnBkgndDisable", 392, 8)};
  BackgroundEditor FavBarBkgnd{&picTabs(3), ElementDesign("FavBarBkgnd", 16, 178)};

  // ---- Selectors of the sub-pages, under the panels.
  ui::ControlArray<ui::Label> lblPage{kSubPages, [this](int i) {
    auto selector = std::make_unique<ui::Label>(&picTabs(0), ui::Rect{16 + 32 * i, 480, 25, 17},
                                                std::to_string(i + 1), ui::Label::kAlignCenter);
    selector->AddStyle(WS_BORDER);
    PaintSelector(*selector, i == 0);
    return selector;
  }};

  // ---- Caption labels of the editors: member i lies in the editor of
  // element i (Element(i)).
  ui::ControlArray<ui::Label> lblImage{kElementCount, CaptionLabels(&BackgroundEditor::picImageBase,
                                                                    BackgroundEditor::kImageLabel, "Image :")};
  ui::ControlArray<ui::Label> lblFile{kElementCount, CaptionLabels(&BackgroundEditor::picImageBase,
                                                                   BackgroundEditor::kFileLabel, "File :")};
  ui::ControlArray<ui::Label> lblStartOffset{
      kElementCount,
      CaptionLabels(&BackgroundEditor::picImageBase, BackgroundEditor::kStartOffsetLabel, "Start Offset :")};
  ui::ControlArray<ui::Label> lblEndOffset{
      kElementCount,
      CaptionLabels(&BackgroundEditor::picImageBase, BackgroundEditor::kEndOffsetLabel, "End Offset :")};
  ui::ControlArray<ui::Label> lblStyle{kElementCount, CaptionLabels(&BackgroundEditor::picBase,
                                                                    BackgroundEditor::kStyleLabel, "Style :")};
  ui::ControlArray<ui::Label> lblStartColor{
      kElementCount, CaptionLabels(&BackgroundEditor::picBase, BackgroundEditor::kStartColorLabel, "Start Color :")};
  ui::ControlArray<ui::Label> lblEndColor{
      kElementCount, CaptionLabels(&BackgroundEditor::picBase, BackgroundEditor::kEndColorLabel, "End Color :")};

  // ---- The page contract.
  void SetCaptions() override;
  // Fills the page from [Backgrounds] of gSkinIni while a project loads.
  void LoadBackground();
  // Writes [Backgrounds] of gSkinIni from the page.
  void SaveBackground();

  // The editors in the order the section is loaded and saved (0 to 14).
  BackgroundEditor& Element(int index);
  // The colour group of the designed panel array picBkgndBase (0 to 14).
  ui::PictureBox& picBkgndBase(int index);
  // The images from outside the project that the last save could not copy
  // into it.
  const std::vector<std::string>& UncopiedImages() const { return m_UncopiedImages; }

 private:
  // The design of an element editor from the page's element table.
  static BackgroundEditorDesign ElementDesign(const std::string& stem, int left, int top);
  // The factory of a caption label array: member i in the given group of
  // Element(i).
  ui::ControlArray<ui::Label>::Factory CaptionLabels(ui::PictureBox BackgroundEditor::*group, ui::Rect rect,
                                                     const char* caption);

  std::vector<std::string> m_UncopiedImages;
};

}  // namespace pages
