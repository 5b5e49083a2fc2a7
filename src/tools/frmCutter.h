// The Image Cutter: a modeless tool window that splits an image strip into
// equal frames. The user picks an image (an icon is shown and cut through a
// PNG made of it in the Temp folder), sees it with the outlines of its
// frames, chooses the direction and the number of frames, narrows the part
// of every cell that is kept with four number boxes and their up-down
// controls, and presses Cut: every frame is written as a PNG file beside
// the source image.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/gdiplus_images.h"
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
  static constexpr int kOutlineCount = 16;
  ui::ControlArray<ui::Shape> shpFrame{
      kOutlineCount,
      [this](int) { return std::make_unique<ui::Shape>(&picView, ui::Rect{}, ui::kSysHighlight, 1, false); }};
  ui::Shape shpAll{&picView, {}, RGB(224, 224, 224), 1, false};
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
  // Draws the image named in txtFile (see SourcePath) into picView and
  // places the frame outlines; with reset it first takes the image's size
  // anew and resets the direction, the frame count and the four frame boxes.
  void ShowCut(bool reset);
  // Writes the PNG of the icon named in txtFile into the Temp folder and
  // remembers its path (IconPng); silent when the icon cannot be read.
  void SaveIconToPng();
  const std::string& IconPng() const { return m_IconPng; }

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
  void Bind() override;
  void cmdBrowse_Click();
  void cmdCut_Click();
  void optHorizontal_Click();
  void optVertical_Click();
  void txtLeft_Change();
  void txtTop_Change();
  void txtWidth_Change();
  void txtHeight_Change();
  void txtHorizontal_Change();
  void txtVertical_Change();

  // The frame-edge rule shared by the four edge boxes: box against its
  // partner inside a cell of the given size.
  void FrameEdgeChange(ui::TextBox& box, int cell, ui::TextBox& partner, int upDown, bool raiseNegative);
  void SetUpDownPos(int upDown, int pos);

  // ShowCut's parts: the size and the settings of a new image, the image
  // drawn at the offsets, and the outlines.
  void ResetCut(const std::string& imagePath);
  void DrawImage(const std::string& imagePath);
  void PlaceOutlines(bool reset, int count);
  // Where frame i starts in the image, for frames whose own part starts at
  // left, top inside their cell.
  POINT FrameOrigin(int i, int count, int left, int top) const;
  // The full path of the image the window works on: the file txtFile named
  // when it was chosen or typed, a relative name taken inside the project
  // open then. fresh: the name is taken anew, as a chosen file is. After a
  // switch of projects the window keeps its file, and the box then names it
  // as it lies from the project now open (its full path when outside it).
  std::string SourcePath(bool fresh);
  // The Cut button's work: true when every frame was written; files lists
  // the frames written. A frame that fails ends the cut; the frames written
  // before it stay. A Left or Top box that cannot be read cuts every frame
  // at its outline's edge, which that box left where it was.
  bool CutFrames(const std::string& sourcePath, std::vector<std::string>& files);
  // Writes image to path as a PNG, replacing a file there only once the new
  // one is complete; a failure raises AppError (CheckGdipStatus).
  void SaveImageAsPng(core::GdipImage* image, const std::string& path);
  ui::TextBox& Buddy(int i);
  void CreateUpDowns();
  void DestroyUpDowns();
  void AttachUpDownSubclass();
  void DetachUpDownSubclass();

  std::array<HWND, kUpDownCount> m_hUpDown{};
  int m_ImageWidth = 0;
  int m_ImageHeight = 0;
  int m_OffsetX = 0;
  int m_OffsetY = 0;
  int m_FrameWidth = 0;
  int m_FrameHeight = 0;
  int m_FrameCount = 0;
  int m_Direction = 0;  // 1 = cells side by side, 2 = one above the other
  std::string m_IconPng;
  std::string m_IconSource;  // the icon m_IconPng was made from
  std::string m_SourceText;  // txtFile's text when m_SourcePath was taken
  std::string m_SourcePath;
};

// The one cutter window, created on first use.
frmCutter& CutterForm();

}  // namespace tools
