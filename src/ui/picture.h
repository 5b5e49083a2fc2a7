// Picture boxes and the windowless shapes and lines drawn over them.
#pragma once

#include "ui/control.h"

namespace ui {

// A container with a persistent off-screen bitmap (VB's AutoRedraw): what
// is drawn on hDC() stays until Cls, and the window repaints from it. The
// bitmap is made, filled with the back colour, when hDC() is first asked
// for; until then the box paints its back colour.
class PictureBox : public Control, public Container {
 public:
  enum Border { kNoBorder, kFixedSingle };
  PictureBox(Container* parent, Rect rect, Border border = kNoBorder, Color back = kSysButtonFace);
  ~PictureBox() override;

  // The persistent bitmap's device context.
  HDC hDC();
  // Fills the bitmap with the back colour.
  void Cls();
  // Repaints the window from the bitmap.
  void Refresh();
  // Setting the back colour also clears the picture.
  void SetBackColor(Color c) override;
  // The colour of one pixel of the persistent image (VB's Point method);
  // CLR_INVALID outside it.
  COLORREF Point(int x, int y);
  // Client area in pixels.
  int ScaleWidth() const;
  int ScaleHeight() const;
  Border BorderStyle() const { return border_; }

  int HelpContextID() const { return helpContextId_; }
  void SetHelpContextID(int v) { helpContextId_ = v; }

  HWND ContainerHwnd() const override { return hWnd(); }
  HWND ExistingContainerHwnd() const override { return HwndIfCreated(); }
  Form* OwnerForm() override { return ParentForm(); }
  Color ContainerBackColor() const override { return BackColor(); }

  Handler Click;
  Handler DblClick;
  Handler Resize;

 protected:
  CreateParams GetCreateParams() const override;
  bool IsOwnClass() const override { return true; }
  bool HoldsChildrenBack() const override { return !Visible(); }
  void CaptureDesign() override;
  void ResetToDesign() override;
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool ClicksFromMouse() const override { return true; }
  void RaiseMouseClick() override {
    if (Click) Click();
  }
  void RaiseDblClick() override {
    if (DblClick) DblClick();
  }

 private:
  void EnsureBitmap(int width, int height);
  void ReleaseBitmap();
  Border border_;
  int helpContextId_ = 0;
  int designHelpContextId_ = 0;
  HDC memDc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  int bitmapWidth_ = 0;
  int bitmapHeight_ = 0;
};

// VB's Shape control: a rectangle outline (or filled rectangle) drawn by
// its container.
class Shape : public Graphic {
 public:
  Shape(Container* parent, Rect rect, Color borderColor = kSysWindowText, int borderWidth = 1,
        bool visible = true);

  Color BorderColor() const { return borderColor_; }
  void SetBorderColor(Color c);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int w);
  // A filled shape; without a border when borderWidth is 0.
  void SetFill(Color c);
  void Paint(HDC dc) const override;

 private:
  Color borderColor_;
  int borderWidth_;
  bool filled_ = false;
  Color fillColor_ = 0;
};

// VB's Image control: a picture drawn by its container, without a window
// of its own (the mouse reaches the container through it).
class Image : public Graphic {
 public:
  Image(Container* parent, Rect rect);
  // The image shows the bitmap from its top-left corner, clipped to its
  // rectangle; it takes the bitmap over.
  void SetPicture(UniqueBitmap picture);
  bool HasPicture() const { return static_cast<bool>(picture_); }
  void Paint(HDC dc) const override;

 private:
  UniqueBitmap picture_;
};

// VB's Line control.
class Line : public Graphic {
 public:
  Line(Container* parent, int x1, int y1, int x2, int y2, Color color = kSysWindowText);
  int X1() const { return x1_; }
  int Y1() const { return y1_; }
  int X2() const { return x2_; }
  int Y2() const { return y2_; }
  void SetPoints(int x1, int y1, int x2, int y2);
  void Paint(HDC dc) const override;
  void ResetToDesign() override;

 private:
  int x1_, y1_, x2_, y2_;
  int design_[4];
  Color color_;
};

}  // namespace ui
