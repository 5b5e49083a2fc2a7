#include "ui/picture.h"

#include <algorithm>

#include "ui/app.h"

namespace ui {

PictureBox::PictureBox(Container* parent, Rect rect, Border border, Color back)
    : Control(parent, rect), border_(border) {
  SetTabStop(false);
  Control::SetBackColor(back);
}

PictureBox::~PictureBox() { ReleaseBitmap(); }

Control::CreateParams PictureBox::GetCreateParams() const {
  DWORD ex = WS_EX_CONTROLPARENT | (border_ == kFixedSingle ? WS_EX_CLIENTEDGE : 0);
  return {kPictureClass, WS_CLIPCHILDREN | WS_CLIPSIBLINGS, ex, ""};
}

int PictureBox::ScaleWidth() const {
  if (!HwndIfCreated()) return std::max(0, Width() - (border_ == kFixedSingle ? 4 : 0));
  RECT rc;
  GetClientRect(HwndIfCreated(), &rc);
  return rc.right;
}

int PictureBox::ScaleHeight() const {
  if (!HwndIfCreated()) return std::max(0, Height() - (border_ == kFixedSingle ? 4 : 0));
  RECT rc;
  GetClientRect(HwndIfCreated(), &rc);
  return rc.bottom;
}

void PictureBox::ReleaseBitmap() {
  if (memDc_) {
    SelectObject(memDc_, oldBitmap_);
    DeleteDC(memDc_);
  }
  if (bitmap_) DeleteObject(bitmap_);
  memDc_ = nullptr;
  bitmap_ = nullptr;
  oldBitmap_ = nullptr;
  bitmapWidth_ = bitmapHeight_ = 0;
}

void PictureBox::EnsureBitmap(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (memDc_ && width <= bitmapWidth_ && height <= bitmapHeight_) return;
  int w = std::max(width, bitmapWidth_);
  int h = std::max(height, bitmapHeight_);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dc || !bmp) {
    if (dc) DeleteDC(dc);
    if (bmp) DeleteObject(bmp);
    return;
  }
  HGDIOBJ old = SelectObject(dc, bmp);
  RECT all{0, 0, w, h};
  SetDCBrushColor(dc, ResolveColor(BackColor()));
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  if (memDc_) BitBlt(dc, 0, 0, bitmapWidth_, bitmapHeight_, memDc_, 0, 0, SRCCOPY);
  ReleaseBitmap();
  memDc_ = dc;
  bitmap_ = bmp;
  oldBitmap_ = old;
  bitmapWidth_ = w;
  bitmapHeight_ = h;
}

HDC PictureBox::hDC() {
  EnsureBitmap(ScaleWidth(), ScaleHeight());
  return memDc_;
}

void PictureBox::Cls() {
  // Without a bitmap the box shows its back colour already.
  if (!memDc_) {
    Refresh();
    return;
  }
  HDC dc = memDc_;
  RECT all{0, 0, bitmapWidth_, bitmapHeight_};
  SetDCBrushColor(dc, ResolveColor(BackColor()));
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  Refresh();
}

void PictureBox::Refresh() {
  if (HwndIfCreated()) {
    InvalidateRect(HwndIfCreated(), nullptr, FALSE);
    UpdateWindow(HwndIfCreated());
  }
}

void PictureBox::SetBackColor(Color c) {
  Control::SetBackColor(c);
  Cls();
}

COLORREF PictureBox::Point(int x, int y) {
  HDC dc = hDC();
  if (!dc || x < 0 || y < 0 || x >= ScaleWidth() || y >= ScaleHeight()) return CLR_INVALID;
  return GetPixel(dc, x, y);
}

void PictureBox::CaptureDesign() {
  designHelpContextId_ = helpContextId_;
  // A load of the form starts from an empty picture. What is drawn after
  // it stays, also while the window is not made yet (a box on a page not
  // shown so far): the bitmap is made when first drawn on and kept.
  ReleaseBitmap();
}

void PictureBox::ResetToDesign() {
  helpContextId_ = designHelpContextId_;
  ReleaseBitmap();
}

bool PictureBox::HandleMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
  switch (msg) {
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(HwndIfCreated(), &ps);
      if (memDc_) {
        BitBlt(dc, 0, 0, ScaleWidth(), ScaleHeight(), memDc_, 0, 0, SRCCOPY);
      } else {
        SetDCBrushColor(dc, ResolveColor(BackColor()));
        FillRect(dc, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
      }
      PaintGraphics(dc);
      EndPaint(HwndIfCreated(), &ps);
      result = 0;
      return true;
    }
    case WM_SIZE:
      if (memDc_) EnsureBitmap(ScaleWidth(), ScaleHeight());
      if (Resize) Resize();
      result = 0;
      return true;
    case WM_SETCURSOR:
      if (CurrentMousePointer() == MousePointer::Hourglass) {
        SetCursor(LoadCursorA(nullptr, IDC_WAIT));
        result = TRUE;
        return true;
      }
      return false;
    default:
      return false;
  }
}

// ---------------------------------------------------------------- Shape

Shape::Shape(Container* parent, Rect rect, Color borderColor, int borderWidth, bool visible)
    : Graphic(parent, rect), borderColor_(borderColor), borderWidth_(borderWidth) {
  visible_ = visible;
  designVisible_ = visible;
}

void Shape::SetBorderColor(Color c) {
  borderColor_ = c;
  Changed();
}

void Shape::SetBorderWidth(int w) {
  borderWidth_ = w;
  Changed();
}

void Shape::SetFill(Color c) {
  filled_ = true;
  fillColor_ = c;
  Changed();
}

void Shape::Paint(HDC dc) const {
  UniquePen pen(borderWidth_ > 0 ? CreatePen(PS_INSIDEFRAME, borderWidth_, ResolveColor(borderColor_))
                                 : static_cast<HPEN>(nullptr));
  UniqueBrush brush(filled_ ? CreateSolidBrush(ResolveColor(fillColor_)) : static_cast<HBRUSH>(nullptr));
  SelectGuard p(dc, pen ? static_cast<HGDIOBJ>(pen.get()) : GetStockObject(NULL_PEN));
  SelectGuard b(dc, brush ? static_cast<HGDIOBJ>(brush.get()) : GetStockObject(NULL_BRUSH));
  // Without a pen, Rectangle leaves out the right and bottom edge.
  int extra = pen ? 0 : 1;
  // The edges in 64 bits, since any place and extent may be set; one far
  // outside every box is drawn at a bound GDI takes, where it is not seen
  // either.
  auto edge = [](long long v) {
    constexpr long long kFar = 1 << 26;
    return static_cast<int>(std::clamp(v, -kFar, kFar));
  };
  long long left = rect_.left;
  long long top = rect_.top;
  Rectangle(dc, edge(left), edge(top), edge(left + rect_.width + extra), edge(top + rect_.height + extra));
}

// ---------------------------------------------------------------- Image

Image::Image(Container* parent, Rect rect) : Graphic(parent, rect) {}

void Image::SetPicture(UniqueBitmap picture) {
  picture_ = std::move(picture);
  Changed();
}

void Image::Paint(HDC dc) const {
  if (!picture_) return;
  UniqueDC source(CreateCompatibleDC(dc));
  if (!source) return;
  SelectGuard select(source.get(), picture_.get());
  BitBlt(dc, rect_.left, rect_.top, rect_.width, rect_.height, source.get(), 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------- Line

Line::Line(Container* parent, int x1, int y1, int x2, int y2, Color color)
    : Graphic(parent, {x1, y1, x2 - x1, y2 - y1}), x1_(x1), y1_(y1), x2_(x2), y2_(y2), design_{x1, y1, x2, y2}, color_(color) {}

void Line::SetPoints(int x1, int y1, int x2, int y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  Changed();
}

void Line::ResetToDesign() {
  Graphic::ResetToDesign();
  x1_ = design_[0];
  y1_ = design_[1];
  x2_ = design_[2];
  y2_ = design_[3];
}

void Line::Paint(HDC dc) const {
  UniquePen pen(CreatePen(PS_SOLID, 1, ResolveColor(color_)));
  SelectGuard p(dc, pen.get());
  MoveToEx(dc, x1_, y1_, nullptr);
  LineTo(dc, x2_, y2_);
}

}  // namespace ui
