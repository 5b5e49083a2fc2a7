#include "tools/frmCutter.h"

#include <commctrl.h>
#include <gdiplus.h>
#include <objbase.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "core/errors.h"
#include "core/files.h"
#include "core/globals.h"
#include "core/ini.h"
#include "core/messages.h"
#include "core/numbers.h"
#include "core/paths.h"
#include "core/program.h"
#include "core/window_icons.h"
#include "core/window_links.h"
#include "tools/tool_window.h"

namespace tools {

using namespace core;

namespace {

// Outer size and offset from the main window's corner of a cutter that has
// no stored place; the smallest size a stored place may give.
constexpr int kDefaultWidth = 360;
constexpr int kDefaultHeight = 385;
constexpr POINT kOffsetFromMain{270, 255};
constexpr int kMinSize = 360;
// The designed client area: below it, resizing moves nothing.
constexpr int kDesignWidth = 345;
constexpr int kDesignHeight = 324;

// Up-down controls: child, visible, stepped by the arrow keys in the box;
// the program, not the control, writes the position into the box.
constexpr DWORD kUpDownStyle = WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS;
constexpr int kUpDownWidth = 20;
constexpr int kUpDownHeight = 22;
struct UpDownRange {
  int lower;
  int upper;
};
constexpr UpDownRange kUpDownRanges[frmCutter::kUpDownCount] = {{0, 1000}, {0, 1000}, {0, 1000},
                                                                {0, 1000}, {1, 16},   {1, 16}};

constexpr char kImageFiles[] =
    "Image Files|*.ico;*.bmp;*.gif;*.jpg;*.png|Icons (*.ico)|*.ico|Bitmaps (*.bmp)|*.bmp|"
    "GIF Images (*.gif)|*.gif|JPEG Images (*.jpg)|*.jpg|PNG Images (*.png)|*.png";

// The up-down controls' places in m_hUpDown.
enum { kUpLeft, kUpTop, kUpWidth, kUpHeight, kUpHorizontal, kUpVertical };

constexpr int kHorizontal = 1;
constexpr int kVertical = 2;

constexpr wchar_t kPngEncoder[] = L"{557CF406-1A04-11D3-9A73-0000F81EF32E}";

constexpr char kSuccessText[] = "The following images are sucessfully saved : $files Do you want to continue?";
constexpr char kFailedText[] = "Failed to split image!";

namespace gp = Gdiplus::DllExports;

void SendToBottom(HWND hwnd) { SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE); }

// The value of a number box: a number as the pages read one (the user's
// decimal mark included), rounded to a whole number (an exact half to the
// even one) that fits 16 bits; nothing for any other text.
std::optional<int> BoxValue(const ui::TextBox& box) {
  std::optional<double> value = NumericValue(box.Text());
  if (!value) return std::nullopt;
  double rounded = std::nearbyint(*value);
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) return std::nullopt;
  return static_cast<int>(rounded);
}

// x / 2 rounded to the nearest whole number, an exact half to the even one.
int HalfRoundedEven(int x) { return static_cast<int>(std::nearbyint(x / 2.0)); }

bool IsIconPath(const std::string& path) {
  return path.size() >= 4 && EqualsNoCase(path.substr(path.size() - 4), ".ico");
}

// The temporary PNG of an icon: its file name in the Temp folder, every
// ".ico" in it turned into ".png".
std::string IconPngPath(const std::string& iconPath) {
  size_t slash = iconPath.find_last_of('\\');
  std::string name = slash == std::string::npos ? "\\" + iconPath : iconPath.substr(slash);
  return gTempFolder + ReplaceAllNoCase(name, ".ico", ".png");
}

// The frames' common name: the path without the extension of its file
// name. A dot in a folder name does not start an extension.
std::string FrameBaseName(const std::string& path) {
  size_t dot = path.find_last_of('.');
  size_t slash = path.find_last_of('\\');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path;
  return path.substr(0, dot);
}

// Loads an image file into gGdipImage; false when it cannot be loaded.
bool LoadSharedImage(const std::string& path) {
  DisposeGdiObjects();
  try {
    gGdipStatus = CheckGdipStatus(static_cast<int32_t>(gp::GdipLoadImageFromFile(ToWide(path).c_str(), &gGdipImage)));
  } catch (const AppError&) {
    gGdipImage = nullptr;
    return false;
  }
  return gGdipImage != nullptr;
}

struct BitmapDeleter {
  void operator()(Gdiplus::GpBitmap* bitmap) const { gp::GdipDisposeImage(bitmap); }
};
using BitmapPtr = std::unique_ptr<Gdiplus::GpBitmap, BitmapDeleter>;

// An icon loaded from a file, with the two bitmaps of its information.
struct IconParts {
  HICON icon = nullptr;
  ICONINFO info{};
  ~IconParts() {
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (icon) DestroyIcon(icon);
  }
};

}  // namespace

frmCutter::frmCutter() : ui::Form("Image Cutter", kDesignWidth, kDesignHeight, ui::FormStyle::Sizable) {
  // Escape closes the window from any of its boxes.
  KeyPreview = true;
  // An image chosen through the Browse button of this window is shown here.
  CutterWindow = [this] { return HwndIfLoaded(); };
  CutterShowCut = [this](bool reset) { ShowCut(reset); };
}

frmCutter::~frmCutter() {
  CutterWindow = nullptr;
  CutterShowCut = nullptr;
}

ui::TextBox& frmCutter::Buddy(int i) {
  ui::TextBox* boxes[kUpDownCount] = {&txtLeft, &txtTop, &txtWidth, &txtHeight, &txtHorizontal, &txtVertical};
  return *boxes[i];
}

void frmCutter::Bind() {
  cmdBrowse.Click = [this] { cmdBrowse_Click(); };
  cmdCut.Click = [this] { cmdCut_Click(); };
  optHorizontal.Click = [this] { optHorizontal_Click(); };
  optVertical.Click = [this] { optVertical_Click(); };
  txtLeft.Change = [this] { txtLeft_Change(); };
  txtTop.Change = [this] { txtTop_Change(); };
  txtWidth.Change = [this] { txtWidth_Change(); };
  txtHeight.Change = [this] { txtHeight_Change(); };
  txtHorizontal.Change = [this] { txtHorizontal_Change(); };
  txtVertical.Change = [this] { txtVertical_Change(); };
}

void frmCutter::SetCaptions() {
  if (gLanguageFile.empty()) return;
  cmdBrowse.SetCaption(gTextBrowse);
  lblFile.SetCaption(GetLangString("File"));
  SetCaption(GetLangString("Cutter"));
  optHorizontal.SetCaption(GetLangString("Split_Horizontal"));
  optVertical.SetCaption(GetLangString("Split_Vertical"));
  lblLeft.SetCaption(GetLangString("Left1") + " :");
  lblTop.SetCaption(GetLangString("Top1") + " :");
  lblwidth.SetCaption(GetLangString("Width1") + " :");
  lblHeight.SetCaption(GetLangString("Height1") + " :");
  cmdCut.SetCaption(GetLangString("Cut"));
}

std::string frmCutter::SourcePath(bool fresh) {
  std::string text = txtFile.Text();
  if (text.empty()) return {};
  if (fresh || text != m_SourceText) {
    m_SourcePath = GetFullPath(text);
  } else if (!EqualsNoCase(GetFullPath(text), m_SourcePath)) {
    text = ProjectRelativePath(m_SourcePath);
    txtFile.SetText(text);
  }
  m_SourceText = text;
  return m_SourcePath;
}

void frmCutter::ShowCut(bool reset) {
  std::string path = SourcePath(reset);
  if (path.empty()) return;
  picView.Cls();
  if (IsIconPath(path)) {
    // The icon is shown through its PNG, made anew with a reset and
    // whenever the PNG at hand is not that of this icon.
    bool current = EqualsNoCase(m_IconSource, path) && gFileSystem.FileExists(m_IconPng);
    if (reset || !current) SaveIconToPng();
    path = m_IconPng;
  }

  int count = m_FrameCount;
  if (StartGdiPlus()) {
    if (reset) {
      ResetCut(path);
      count = m_FrameCount;
    }
    // The redraws nested in the reset have come and gone: the image is
    // loaded afresh for the drawing.
    DrawImage(path);
    DisposeGdiObjects();
    StopGdiPlus();
  }

  lblDimension.SetCaption("Image : " + std::to_string(m_ImageWidth) + " x " + std::to_string(m_ImageHeight) +
                          "   Frame : " + std::to_string(m_FrameWidth) + " x " + std::to_string(m_FrameHeight) +
                          "   Custom Frame : " + txtWidth.Text() + " x " + txtHeight.Text());
  PlaceOutlines(reset, count);
  shpAll.Move(m_OffsetX, m_OffsetY, m_ImageWidth, m_ImageHeight);
  shpAll.SetVisible(true);
  picView.Refresh();
}

void frmCutter::ResetCut(const std::string& imagePath) {
  int width = 0;
  int height = 0;
  if (LoadSharedImage(imagePath)) {
    try {
      width = GetImageWidth(gGdipImage);
      height = GetImageHeight(gGdipImage);
    } catch (const AppError&) {
      width = height = 0;
    }
  }
  DisposeGdiObjects();
  // An image that cannot be read counts as empty rather than as the size
  // of the image shown before.
  m_ImageWidth = width;
  m_ImageHeight = height;
  m_OffsetX = (picView.ScaleWidth() - width) / 2;
  m_OffsetY = (picView.ScaleHeight() - height) / 2;

  optHorizontal.SetValue(true);
  m_Direction = kHorizontal;
  // The number of frames is guessed from the width: 16 x 16 is one icon,
  // other strips hold four frames, or three when four does not divide them.
  int count = 4;
  if (width == 16 && height == 16)
    count = 1;
  else if (width % 4 != 0 && width % 3 == 0)
    count = 3;
  m_FrameCount = count;
  m_FrameWidth = width / count;
  m_FrameHeight = height;

  // Each box that changes runs its own handler, which redraws.
  txtHorizontal.SetText(std::to_string(count));
  txtVertical.SetText(std::to_string(count));
  txtLeft.SetText("0");
  txtTop.SetText("0");
  txtWidth.SetText(std::to_string(m_FrameWidth));
  txtHeight.SetText(std::to_string(m_FrameHeight));
}

void frmCutter::DrawImage(const std::string& imagePath) {
  if (!LoadSharedImage(imagePath)) return;
  HDC dc = picView.hDC();
  if (!dc) return;
  try {
    gGdipStatus = CheckGdipStatus(static_cast<int32_t>(gp::GdipCreateFromHDC(dc, &gGdipGraphics)));
  } catch (const AppError&) {
    gGdipGraphics = nullptr;
    return;
  }
  // The stored size, whatever size the file has now.
  gp::GdipDrawImageRectI(gGdipGraphics, gGdipImage, m_OffsetX, m_OffsetY, m_ImageWidth, m_ImageHeight);
}

POINT frmCutter::FrameOrigin(int i, int count, int left, int top) const {
  if (count < 1) return {left, top};
  // The cells are laid out in twips, as the outlines are placed.
  long long t = std::max(1, gTwipsPerPixel);
  if (m_Direction == kHorizontal) {
    long long cellTwips = static_cast<long long>(m_ImageWidth) * t / count;
    return {left + static_cast<LONG>(i * cellTwips / t), top};
  }
  long long startTwips = std::llrint(static_cast<double>(i) * m_ImageHeight * t / count);
  return {left, top + static_cast<LONG>(startTwips / t)};
}

void frmCutter::PlaceOutlines(bool reset, int count) {
  long long t = std::max(1, gTwipsPerPixel);
  std::optional<int> left = reset ? 0 : BoxValue(txtLeft);
  std::optional<int> top = reset ? 0 : BoxValue(txtTop);
  std::optional<int> width;
  std::optional<int> height;
  if (!reset) {
    width = BoxValue(txtWidth);
    height = BoxValue(txtHeight);
  } else if (count >= 1 && m_Direction == kHorizontal) {
    width = static_cast<int>(static_cast<long long>(m_ImageWidth) * t / count / t);
    height = m_ImageHeight;
  } else if (count >= 1) {
    width = m_ImageWidth;
    height = static_cast<int>(static_cast<long long>(m_ImageHeight) * t / count / t);
  }

  for (int i = 0; i < kOutlineCount; ++i) {
    ui::Shape& outline = shpFrame(i);
    if (i >= count) {
      outline.SetVisible(false);
      continue;
    }
    outline.SetVisible(true);
    // A value that cannot be worked out keeps the outline's last one.
    POINT origin = FrameOrigin(i, count, left.value_or(0), top.value_or(0));
    int x = left ? origin.x + m_OffsetX : outline.Left();
    int y = top ? origin.y + m_OffsetY : outline.Top();
    int w = width && *width >= 0 ? *width : outline.Width();
    int h = height && *height >= 0 ? *height : outline.Height();
    outline.Move(x, y, w, h);
  }
}

void frmCutter::SetUpDownPos(int upDown, int pos) {
  HWND h = m_hUpDown[static_cast<size_t>(upDown)];
  if (h) SendMessageA(h, UDM_SETPOS, 0, static_cast<LPARAM>(pos));
}

void frmCutter::FrameEdgeChange(ui::TextBox& box, int cell, ui::TextBox& partner, int upDown, bool raiseNegative) {
  int value = BoxValue(box).value_or(0);
  if (raiseNegative && value < 0) value = 0;
  // The box and its partner together stay inside the cell: the partner
  // gives way, and when the box alone fills the cell the partner is 0.
  std::optional<int> other = BoxValue(partner);
  if (cell > 0 && (!other || value + *other > cell)) {
    partner.SetText(std::to_string(cell - value));
    if (value >= cell) {
      value = cell;
      partner.SetText("0");
    }
  }
  SetUpDownPos(upDown, value);
  ShowCut(false);
}

void frmCutter::txtLeft_Change() { FrameEdgeChange(txtLeft, m_FrameWidth, txtWidth, kUpLeft, true); }
void frmCutter::txtTop_Change() { FrameEdgeChange(txtTop, m_FrameHeight, txtHeight, kUpTop, true); }
void frmCutter::txtWidth_Change() { FrameEdgeChange(txtWidth, m_FrameWidth, txtLeft, kUpWidth, true); }
void frmCutter::txtHeight_Change() { FrameEdgeChange(txtHeight, m_FrameHeight, txtTop, kUpHeight, false); }

void frmCutter::txtHorizontal_Change() {
  std::optional<int> count = BoxValue(txtHorizontal);
  SetUpDownPos(kUpHorizontal, count.value_or(0));
  if (m_Direction != kHorizontal) return;
  if (count) m_FrameCount = *count;
  // No cell size comes of a count below one.
  if (m_FrameCount >= 1) m_FrameWidth = m_ImageWidth / m_FrameCount;
  txtWidth.SetText(std::to_string(m_FrameWidth));
}

void frmCutter::txtVertical_Change() {
  std::optional<int> count = BoxValue(txtVertical);
  SetUpDownPos(kUpVertical, count.value_or(0));
  if (m_Direction != kVertical) return;
  if (count) m_FrameCount = *count;
  if (m_FrameCount >= 1) m_FrameHeight = m_ImageHeight / m_FrameCount;
  txtHeight.SetText(std::to_string(m_FrameHeight));
}

void frmCutter::optHorizontal_Click() {
  m_Direction = kHorizontal;
  if (std::optional<int> count = BoxValue(txtHorizontal)) m_FrameCount = *count;
  if (m_FrameCount >= 1) m_FrameWidth = m_ImageWidth / m_FrameCount;
  m_FrameHeight = m_ImageHeight;
  txtWidth.SetText(std::to_string(m_FrameWidth));
  txtHeight.SetText(std::to_string(m_FrameHeight));
}

void frmCutter::optVertical_Click() {
  m_Direction = kVertical;
  if (std::optional<int> count = BoxValue(txtVertical)) m_FrameCount = *count;
  if (m_FrameCount >= 1) m_FrameHeight = m_ImageHeight / m_FrameCount;
  m_FrameWidth = m_ImageWidth;
  txtWidth.SetText(std::to_string(m_FrameWidth));
  txtHeight.SetText(std::to_string(m_FrameHeight));
}

void frmCutter::cmdCut_Click() {
  std::string path = SourcePath(false);
  if (path.empty()) return;
  bool icon = IsIconPath(path);
  if (!StartGdiPlus()) {
    if (icon) gFileSystem.RemoveFile(m_IconPng, false);
    return;
  }
  std::vector<std::string> files;
  bool done = CutFrames(path, files);
  DisposeGdiObjects();
  StopGdiPlus();

  if (!done) {
    std::string text = GetLangString("Split_Failed");
    ShowMessage(text.empty() ? kFailedText : text, MB_OKCANCEL, hWnd());
    return;
  }
  if (icon) gFileSystem.RemoveFile(m_IconPng, false);
  std::string list;
  for (const std::string& file : files) list += file + "\r\n";
  std::string text = GetLangString("Split_Success");
  if (text.empty()) text = kSuccessText;
  text = ReplaceAll(text, "$files", "\r\n" + list + "\r\n");
  if (ShowMessage(text, MB_OKCANCEL, hWnd()) == IDCANCEL)
    Unload();
  else
    cmdBrowse_Click();
}

bool frmCutter::CutFrames(const std::string& sourcePath, std::vector<std::string>& files) {
  // Every frame is checked before any file is written, so a cut that cannot
  // be made writes nothing. A frame whose clone or save fails ends the cut
  // there and reports it; the frames written before it stay.
  int count = m_FrameCount;
  if (count < 1 || count > kOutlineCount) return false;
  std::optional<int> left = BoxValue(txtLeft);
  std::optional<int> top = BoxValue(txtTop);
  std::optional<int> width = BoxValue(txtWidth);
  std::optional<int> height = BoxValue(txtHeight);
  if (!width || !height || *width < 1 || *height < 1) return false;

  // An icon is cut from its PNG, made afresh from the icon now named.
  std::string imagePath = sourcePath;
  if (IsIconPath(sourcePath)) {
    SaveIconToPng();
    if (!StartGdiPlus()) return false;
    imagePath = m_IconPng;
  }
  if (!LoadSharedImage(imagePath)) return false;
  int imageWidth = 0;
  int imageHeight = 0;
  try {
    imageWidth = GetImageWidth(gGdipImage);
    imageHeight = GetImageHeight(gGdipImage);
  } catch (const AppError&) {
    return false;
  }

  std::vector<RECT> frames;
  for (int i = 0; i < count; ++i) {
    POINT origin = FrameOrigin(i, count, left.value_or(0), top.value_or(0));
    if (!left) origin.x = shpFrame(i).Left() - m_OffsetX;
    if (!top) origin.y = shpFrame(i).Top() - m_OffsetY;
    RECT r{origin.x, origin.y, origin.x + *width, origin.y + *height};
    if (r.left < 0 || r.top < 0 || r.right > imageWidth || r.bottom > imageHeight) return false;
    frames.push_back(r);
  }
  // Every frame name is longer than the source's name without its
  // extension by "_cut_": no frame can replace the source itself.
  std::string base = FrameBaseName(sourcePath);

  Gdiplus::PixelFormat format = 0;
  if (gp::GdipGetImagePixelFormat(gGdipImage, &format) != Gdiplus::Ok) return false;
  auto* bitmap = static_cast<Gdiplus::GpBitmap*>(gGdipImage);
  for (int i = 0; i < count; ++i) {
    const RECT& r = frames[static_cast<size_t>(i)];
    Gdiplus::GpBitmap* rawFrame = nullptr;
    if (gp::GdipCloneBitmapAreaI(r.left, r.top, r.right - r.left, r.bottom - r.top, format, bitmap, &rawFrame) !=
        Gdiplus::Ok)
      return false;
    BitmapPtr frame(rawFrame);
    std::string file = base + "_cut_" + std::to_string(i) + ".png";
    try {
      SaveImageAsPng(frame.get(), file);
    } catch (const AppError&) {
      return false;
    }
    files.push_back(file);
  }
  return true;
}

void frmCutter::SaveImageAsPng(GdipImage* image, const std::string& path) {
  CLSID encoder{};
  if (CLSIDFromString(kPngEncoder, &encoder) != S_OK) return;
  // Written beside path first, and put in its place only once complete: a
  // write that fails (a disk that fills up) leaves a file there as it was.
  const std::string scratch = gFileSystem.WriteScratch(path, [&](const std::string& name) {
    gGdipStatus =
        CheckGdipStatus(static_cast<int32_t>(gp::GdipSaveImageToFile(image, ToWide(name).c_str(), &encoder, nullptr)));
    return true;
  });
  if (!gFileSystem.PutInPlace(scratch, path)) gGdipStatus = CheckGdipStatus(Gdiplus::Win32Error);
}

void frmCutter::SaveIconToPng() {
  std::string path = SourcePath(false);
  if (path.empty()) return;
  m_IconPng = IconPngPath(path);
  m_IconSource = path;
  // No PNG of an earlier icon of the same name may stand in for this one.
  gFileSystem.RemoveFile(m_IconPng, true);
  if (!gFileSystem.FolderExists(gTempFolder)) gFileSystem.CreateFolder(gTempFolder);
  if (!StartGdiPlus()) return;

  // The small icon of the file, as the shell shows it: the image of the
  // system's small-icon size, whichever image the file holds first.
  IconParts parts;
  parts.icon = static_cast<HICON>(LoadImageA(nullptr, path.c_str(), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), LR_LOADFROMFILE));
  if (!parts.icon || !GetIconInfo(parts.icon, &parts.info)) {
    StopGdiPlus();
    return;
  }

  Gdiplus::GpBitmap* rawColour = nullptr;
  BitmapPtr colour;
  Gdiplus::PixelFormat format = 0;
  if (parts.info.hbmColor && gp::GdipCreateBitmapFromHBITMAP(parts.info.hbmColor, nullptr, &rawColour) == Gdiplus::Ok) {
    colour.reset(rawColour);
    if (gp::GdipGetImagePixelFormat(colour.get(), &format) != Gdiplus::Ok) format = 0;
  }

  bool written = false;
  if (format == PixelFormat32bppRGB) {
    // The fourth byte of each pixel is the icon's alpha, which this format
    // ignores: the rows are copied and read again as ARGB.
    UINT width = 0;
    UINT height = 0;
    Gdiplus::BitmapData data{};
    if (gp::GdipGetImageWidth(colour.get(), &width) == Gdiplus::Ok &&
        gp::GdipGetImageHeight(colour.get(), &height) == Gdiplus::Ok && width > 0 && height > 0) {
      Gdiplus::GpRect all(0, 0, static_cast<INT>(width), static_cast<INT>(height));
      if (gp::GdipBitmapLockBits(colour.get(), &all, Gdiplus::ImageLockModeRead, PixelFormat32bppRGB, &data) ==
          Gdiplus::Ok) {
        size_t rowBytes = static_cast<size_t>(width) * 4;
        std::vector<BYTE> pixels(rowBytes * height);
        bool realAlpha = false;
        for (UINT y = 0; y < height; ++y) {
          const BYTE* row = static_cast<const BYTE*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride;
          std::copy(row, row + rowBytes, pixels.begin() + static_cast<ptrdiff_t>(y * rowBytes));
          for (UINT x = 0; x < width && !realAlpha; ++x) realAlpha = row[x * 4 + 3] > 0 && row[x * 4 + 3] < 255;
        }
        gp::GdipBitmapUnlockBits(colour.get(), &data);
        Gdiplus::GpBitmap* rawArgb = nullptr;
        if (realAlpha &&
            gp::GdipCreateBitmapFromScan0(static_cast<INT>(width), static_cast<INT>(height), static_cast<INT>(rowBytes),
                                          PixelFormat32bppARGB, pixels.data(), &rawArgb) == Gdiplus::Ok) {
          BitmapPtr argb(rawArgb);
          written = true;
          try {
            SaveImageAsPng(argb.get(), m_IconPng);
          } catch (const AppError&) {
            // Nothing to show; the icon stays without its PNG.
          }
        }
      }
    }
  }
  if (!written) {
    // Without an alpha channel of its own the icon's mask gives the
    // transparency.
    Gdiplus::GpBitmap* rawIcon = nullptr;
    if (gp::GdipCreateBitmapFromHICON(parts.icon, &rawIcon) == Gdiplus::Ok) {
      BitmapPtr fromIcon(rawIcon);
      try {
        SaveImageAsPng(fromIcon.get(), m_IconPng);
      } catch (const AppError&) {
        // As above.
      }
    }
  }
  colour.reset();
  StopGdiPlus();
}

void frmCutter::Form_Load() {
  HWND self = hWnd();
  SetWindowIcons(self, "AAA", false);
  // A window opened anew names no file yet.
  m_SourceText.clear();
  m_SourcePath.clear();
  // Resizable and minimisable, but not maximisable.
  SetWindowLongPtrA(self, GWL_STYLE, GetWindowLongPtrA(self, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_MAXIMIZEBOX));
  SetWindowPos(self, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);

  ui::Rect r = ToolWindowPlace(ReadIni(ConfigIni(), "General", "CutterRect"), kMinSize, kMinSize, kOffsetFromMain,
                               kDefaultWidth, kDefaultHeight);
  Move(r.left, r.top, r.width, r.height);

  // Tab order: the boxes first, the option buttons after them, the two
  // command buttons last.
  SendToBottom(optHorizontal.hWnd());
  SendToBottom(optVertical.hWnd());
  SendToBottom(cmdBrowse.hWnd());
  SendToBottom(cmdCut.hWnd());

  CreateUpDowns();
  SetCaptions();
  AttachUpDownSubclass();
}

void frmCutter::CreateUpDowns() {
  for (int i = 0; i < kUpDownCount; ++i) {
    ui::TextBox& box = Buddy(i);
    int x = box.Left() + box.Width() + 1;
    int y = box.Top() - 1;
    HWND h = CreateWindowExA(0, UPDOWN_CLASSA, "", kUpDownStyle, x, y, kUpDownWidth, kUpDownHeight, picButtons.hWnd(),
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    m_hUpDown[static_cast<size_t>(i)] = h;
    if (!h) continue;
    SendMessageA(h, UDM_SETBUDDY, reinterpret_cast<WPARAM>(box.hWnd()), 0);
    // Taking a buddy may resize the control to its default width.
    MoveWindow(h, x, y, kUpDownWidth, kUpDownHeight, TRUE);
    SendMessageA(h, UDM_SETRANGE32, static_cast<WPARAM>(kUpDownRanges[i].lower),
                 static_cast<LPARAM>(kUpDownRanges[i].upper));
    SendMessageA(h, UDM_SETPOS32, 0, 0);
  }
}

void frmCutter::DestroyUpDowns() {
  for (HWND& h : m_hUpDown) {
    if (h) DestroyWindow(h);
    h = nullptr;
  }
}

void frmCutter::AttachUpDownSubclass() {
  DetachUpDownSubclass();
  try {
    AttachMessage(this, picButtons.hWnd(), WM_VSCROLL);
  } catch (const AppError&) {
    // The up-downs still step; their boxes just do not follow.
  }
}

void frmCutter::DetachUpDownSubclass() { DetachMessage(this, picButtons.hWnd(), WM_VSCROLL); }

LRESULT frmCutter::WindowProc(HWND hwnd, UINT msg, WPARAM, LPARAM lParam) {
  if (msg != WM_VSCROLL || hwnd != picButtons.hWnd() || !lParam) return 0;
  for (int i = 0; i < kUpDownCount; ++i) {
    HWND upDown = m_hUpDown[static_cast<size_t>(i)];
    if (upDown && reinterpret_cast<HWND>(lParam) == upDown) {
      LRESULT pos = SendMessageA(upDown, UDM_GETPOS, 0, 0);
      Buddy(i).SetText(std::to_string(static_cast<int16_t>(LOWORD(pos))));
      break;
    }
  }
  return 0;
}

void frmCutter::cmdBrowse_Click() { BrowseImage(txtFile, picView, kImageFiles, hWnd(), false); }

void frmCutter::Form_Resize() {
  int w = ScaleWidth();
  int h = ScaleHeight();
  if (h > kDesignHeight) {
    cmdCut.SetTop(h - 36);
    fraButtons.SetTop(h - 180);
    picView.SetHeight(h - 242);
  }
  if (w > kDesignWidth) picView.SetWidth(w - 24);
  m_OffsetX = HalfRoundedEven(picView.ScaleWidth() - m_ImageWidth);
  m_OffsetY = HalfRoundedEven(picView.ScaleHeight() - m_ImageHeight);
  ShowCut(false);
}

void frmCutter::Form_KeyDown(int& keyCode, int) {
  if (keyCode == VK_ESCAPE) Unload();
}

void frmCutter::Form_Unload(int&) {
  gCutterShown = false;
  WriteIni(ConfigIni(), "General", "CutterRect", WindowRectText(*this));
  DetachUpDownSubclass();
  DestroyUpDowns();
}

frmCutter& CutterForm() {
  static frmCutter form;
  return form;
}

}  // namespace tools
