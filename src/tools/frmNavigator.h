// The Skin Navigator: a modeless tool window that shows a clickable
// picture of the whole browser window. Pointing at one of the picture's 39
// pieces outlines it and names it in the status strip; releasing the left
// button over it steers the main window (through core::NavigatorHost) to
// the page and control that edit it. The picture scrolls smoothly behind
// two scroll bars when the window is smaller than it. The window remembers
// its place and open state in Config.ini.
#pragma once

#include <memory>

#include "core/scroll_bars.h"
#include "tools/navigator_map.h"
#include "ui/ui.h"

namespace tools {

class frmNavigator : public ui::Form {
 public:
  frmNavigator();

  ui::PictureBox picScrollBox{this, {0, 0, 735, 353}};
  ui::PictureBox picClient{&picScrollBox, {0, 0, 735, 353}};
  // The pieces of the picture; a piece that lies in another is its child.
  ui::ControlArray<ui::PictureBox> picMaps{PieceCreationOrder(), [this](int i) {
    int parent = Piece(i).parent;
    ui::Container* container = parent < 0 ? static_cast<ui::Container*>(&picClient) : &picMaps(parent);
    return std::make_unique<ui::PictureBox>(container, PiecePlace(i));
  }};
  // The outline of each piece, shown while the mouse is over it.
  ui::ControlArray<ui::Shape> shpMaps{kPieceCount, [this](int i) {
    ui::Rect box = Piece(i).box;
    return std::make_unique<ui::Shape>(&picMaps(i), ui::Rect{0, 0, box.width, box.height}, ui::kSysHighlight, 3,
                                       false);
  }};
  ui::Label lblDescription{&picClient, {232, 168, 281, 86}, kDescription};
  ui::Shape shpTextBackground{&picClient, {224, 160, 297, 97}, ui::kSysButtonFace, 0};
  ui::Image imgAddFav{&picClient, {37, 119, 25, 25}};
  ui::PictureBox picStatus{this, {0, 353, 735, 25}};
  ui::Label lblStatus{&picStatus, {4, 4, 728, 16}};
  ui::Shape shpStatus{&picStatus, {0, 3, 735, 19}, ui::kSys3DHighlight};
  ui::Line Line1{&picStatus, 0, 0, 736, 0, ui::kSys3DHighlight};
  ui::Line Line2{&picStatus, 0, 2, 736, 2, kSys3DShadow};
  // Smooth scrolling of the picture, one timer an axis.
  ui::Timer tmrVertical{this, 10, false};
  ui::Timer tmrHorizontal{this, 10, false};

  // The window title and the description from the language file; nothing
  // while no language file is in use.
  void SetCaptions();

  static constexpr char kDescription[] =
      "Skin Navigator provides convinient access to the skin properties of some key interface "
      "elements. Press F2 to show Skin Navigator, and click an element to go to the relevant skin "
      "properties.";

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Resize() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_Unload(int& cancel) override;

 private:
  static constexpr ui::Color kSys3DShadow = 0x80000010;

  void Bind() override;
  // Draws the browser picture into the picture box and every piece.
  void DrawMap();

  void picScrollBox_Resize();
  // Shows each bar that the picture needs in the viewport's inside as it is
  // now, sized to it, and hides the other.
  void FitBars();
  void picMaps_MouseMove(int index);
  void picMaps_MouseUp(int index, int button, int shift, int x, int y);
  // Hides the outline and empties the status strip.
  void ClearHighlight();
  void m_cScroll_Change(int32_t& eBar);
  void m_cScroll_Scroll(int32_t& eBar);
  void tmrVertical_Timer();
  void tmrHorizontal_Timer();

  // The scroll bars of picScrollBox: bar 0 horizontal, bar 1 vertical, in
  // pixels by which the picture is scrolled. Exists while the window does.
  std::unique_ptr<core::clsScrollBars> m_cScroll;
  // The outlined piece; -1 for none.
  int m_iCurrentMap = -1;
  // Where the smooth scrolls move picClient's left and top edges.
  int m_lTargetLeft = 0;
  int m_lTargetTop = 0;
  // Set while the bars are being fitted to the viewport: showing a bar
  // resizes the viewport's inside, which must not start the fitting again.
  bool m_bFittingBars = false;
  // The browser picture, drawn once.
  ui::UniqueBitmap m_Picture;
};

// The one navigator window, created on first use.
frmNavigator& NavigatorForm();

}  // namespace tools
