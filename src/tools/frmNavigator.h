// The Skin Navigator: a modeless tool window that shows a clickable
// picture of the whole browser window. This is the window around the
// picture: its controls, its place and open state in Config.ini, its
// captions and the Escape key.
#pragma once

#include "ui/ui.h"

namespace tools {

class frmNavigator : public ui::Form {
 public:
  frmNavigator();

  ui::PictureBox picScrollBox{this, {0, 0, 735, 353}};
  ui::PictureBox picClient{&picScrollBox, {0, 0, 735, 353}};
  ui::Label lblDescription{&picClient, {232, 168, 281, 86}, kDescription};
  ui::Shape shpTextBackground{&picClient, {224, 160, 297, 97}, ui::kSysButtonFace, 0};
  ui::PictureBox picStatus{this, {0, 353, 735, 25}};
  ui::Label lblStatus{&picStatus, {4, 4, 728, 16}};
  ui::Shape shpStatus{&picStatus, {0, 3, 735, 19}, ui::kSys3DHighlight};
  ui::Line Line1{&picStatus, 0, 0, 736, 0, ui::kSys3DHighlight};
  ui::Line Line2{&picStatus, 0, 2, 736, 2, kSys3DShadow};

  // The window title and the description from the language file; nothing
  // while no language file is in use.
  void SetCaptions();

  static constexpr char kDescription[] =
      "Skin Navigator provides convinient access to the skin properties of some key interface "
      "elements. Press F2 to show Skin Navigator, and click an element to go to the relevant skin "
      "properties.";

 protected:
  void Form_Load() override;
  void Form_Resize() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_Unload(int& cancel) override;

 private:
  static constexpr ui::Color kSys3DShadow = 0x80000010;
};

// The one navigator window, created on first use.
frmNavigator& NavigatorForm();

}  // namespace tools
