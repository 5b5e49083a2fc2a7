// The Image Cutter: a modeless tool window that splits an image strip into
// equal frames. This is the window: its controls, its place in Config.ini,
// its captions, resizing, the Escape key, the Browse button and the up-down
// controls beside the number boxes, whose steps come back into the boxes
// through window subclassing.
#pragma once

#include <array>

#include "core/subclass.h"
#include "ui/ui.h"

namespace tools {

class frmCutter : public ui::Form, public core::ISubclass {
 public:
  frmCutter();
  ~frmCutter() override;

  ui::Label lblFile{this, {12, 17, 49, 17}, "File :"};
  ui::TextBox txtFile{this, {60, 14, 196, 22}};
  ui::CommandButton cmdBrowse{this, {260, 13, 74, 24}, "Browse..."};
  ui::Label lblDimension{this, {12, 39, 321, 17}};
  ui::PictureBox picView{this, {12, 56, 321, 82}, ui::PictureBox::kFixedSingle, ui::kSysWindow};
  ui::Frame fraButtons{this, {12, 144, 321, 137}};
  ui::PictureBox picButtons{&fraButtons, {10, 13, 305, 113}};
  ui::OptionButton optHorizontal{&picButtons, {0, 8, 233, 17}, "Split Horizontally to :", true};
  ui::TextBox txtHorizontal{&picButtons, {232, 8, 47, 21}};
  ui::OptionButton optVertical{&picButtons, {0, 34, 233, 17}, "Split Vertically to :"};
  ui::TextBox txtVertical{&picButtons, {232, 32, 47, 21}};
  ui::Label lblLeft{&picButtons, {0, 67, 73, 17}, "Left :"};
  ui::TextBox txtLeft{&picButtons, {72, 64, 47, 21}};
  ui::Label lblTop{&picButtons, {160, 67, 73, 17}, "Top :"};
  ui::TextBox txtTop{&picButtons, {232, 64, 47, 21}};
  ui::Label lblwidth{&picButtons, {0, 91, 73, 17}, "Width :"};
  ui::TextBox txtWidth{&picButtons, {72, 88, 47, 21}};
  ui::Label lblHeight{&picButtons, {160, 91, 73, 17}, "Height :"};
  ui::TextBox txtHeight{&picButtons, {232, 88, 47, 21}};
  ui::CommandButton cmdCut{this, {244, 288, 90, 25}, "Cut"};

  // Every caption from the language file; nothing while no language file
  // is in use.
  void SetCaptions();
  // Draws the image named in txtFile into picView; with reset it first
  // takes the image's size anew and resets the cut settings.
  void ShowCut(bool reset);

  // The up-down controls, in the order txtLeft, txtTop, txtWidth,
  // txtHeight, txtHorizontal, txtVertical; null while the window is closed.
  static constexpr int kUpDownCount = 6;
  HWND UpDown(int i) const { return m_hUpDown[static_cast<size_t>(i)]; }

  // Subclassing client of picButtons: the up-downs' steps. The box's own
  // window procedure runs first.
  int32_t MsgResponse() const override { return kPreviousBefore; }
  void SetMsgResponse(int32_t) override {}
  LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

 protected:
  void Form_Load() override;
  void Form_Resize() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_Unload(int& cancel) override;
  using ui::Form::WindowProc;

 private:
  void Bind() override { cmdBrowse.Click = [this] { cmdBrowse_Click(); }; }
  void cmdBrowse_Click();
  ui::TextBox& Buddy(int i);
  void CreateUpDowns();
  void DestroyUpDowns();
  void AttachUpDownSubclass();
  void DetachUpDownSubclass();

  std::array<HWND, kUpDownCount> m_hUpDown{};
};

// The one cutter window, created on first use.
frmCutter& CutterForm();

}  // namespace tools
