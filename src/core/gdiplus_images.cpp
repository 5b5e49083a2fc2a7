#include "core/gdiplus_images.h"

#include <objbase.h>

#include <gdiplus.h>

#include <algorithm>
#include <memory>

#include "core/errors.h"
#include "core/paths.h"
#include "ui/picture.h"

namespace core {

namespace gp = Gdiplus::DllExports;

ULONG_PTR gGdipToken = 0;
GdipImage* gGdipImage = nullptr;
GdipGraphics* gGdipGraphics = nullptr;
int32_t gGdipStatus = 0;

namespace {

constexpr wchar_t kJpegEncoder[] = L"{557CF401-1A04-11D3-9A73-0000F81EF32E}";
constexpr wchar_t kEncoderQuality[] = L"{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}";
// EncoderParameterValueTypeLong: one 32-bit value.
constexpr ULONG kValueTypeLong = 4;

// The program's one GDI+ session: started by its first user, shut down when
// the program ends.
class GdiPlusSession {
 public:
  static GdiPlusSession& Instance() {
    static GdiPlusSession session;
    return session;
  }
  ~GdiPlusSession() {
    if (!token_) return;
    DisposeGdiObjects();
    Gdiplus::GdiplusShutdown(token_);
  }
  GdiPlusSession(const GdiPlusSession&) = delete;
  GdiPlusSession& operator=(const GdiPlusSession&) = delete;

  // Starts GDI+ when it does not run yet; the status of that start.
  int32_t Ensure() {
    if (token_) return 0;
    Gdiplus::GdiplusStartupInput input;  // version 1, no debug callback
    ULONG_PTR token = 0;
    auto status = static_cast<int32_t>(Gdiplus::GdiplusStartup(&token, &input, nullptr));
    if (status == 0) token_ = token;
    return status;
  }
  ULONG_PTR Token() const { return token_; }

 private:
  GdiPlusSession() = default;
  ULONG_PTR token_ = 0;
};

struct ImageDeleter {
  void operator()(Gdiplus::GpImage* image) const { gp::GdipDisposeImage(image); }
};
struct GraphicsDeleter {
  void operator()(Gdiplus::GpGraphics* graphics) const { gp::GdipDeleteGraphics(graphics); }
};
using ImagePtr = std::unique_ptr<Gdiplus::GpImage, ImageDeleter>;
using GraphicsPtr = std::unique_ptr<Gdiplus::GpGraphics, GraphicsDeleter>;

ImagePtr LoadImageFile(const std::string& path) {
  Gdiplus::GpImage* image = nullptr;
  if (gp::GdipLoadImageFromFile(ToWide(path).c_str(), &image) != Gdiplus::Ok) return nullptr;
  return ImagePtr(image);
}

// A pixel extent as the 16-bit number the previews keep; 0 when it does not
// fit.
int Extent16(UINT extent) { return extent <= INT16_MAX ? static_cast<int>(extent) : 0; }

// Half the free space of one axis, truncated toward zero, never below 0.
int CentredStart(int boxExtent, int imageExtent) { return std::max(0, (boxExtent - imageExtent) / 2); }

}  // namespace

std::wstring ToWide(const std::string& text) {
  if (text.empty()) return {};
  int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

bool StartGdiPlus() {
  if (GdiPlusSession::Instance().Ensure() != 0) return false;
  gGdipToken = GdiPlusSession::Instance().Token();
  return true;
}

void StopGdiPlus() { gGdipToken = 0; }

void DisposeGdiObjects() {
  if (gGdipGraphics) {
    gp::GdipDeleteGraphics(gGdipGraphics);
    gGdipGraphics = nullptr;
  }
  if (gGdipImage) {
    gp::GdipDisposeImage(gGdipImage);
    gGdipImage = nullptr;
  }
}

int32_t CheckGdipStatus(int32_t status) {
  if (status != 0)
    throw AppError(1048 + status, ExeBaseName() + ".GDIP", "GDI+ Error " + std::to_string(status));
  return status;
}

int32_t GetImageWidth(GdipImage* image) {
  UINT width = 0;
  gGdipStatus = CheckGdipStatus(static_cast<int32_t>(gp::GdipGetImageWidth(image, &width)));
  return static_cast<int32_t>(width);
}

int32_t GetImageHeight(GdipImage* image) {
  UINT height = 0;
  gGdipStatus = CheckGdipStatus(static_cast<int32_t>(gp::GdipGetImageHeight(image, &height)));
  return static_cast<int32_t>(height);
}

void LoadImageToPicture(const std::string& path, ui::PictureBox& picture, int offset, bool storeHeight) {
  if (path.empty()) return;
  std::string full = GetFullPath(path);
  if (GdiPlusSession::Instance().Ensure() != 0) return;
  picture.Cls();

  // Local objects only: gGdipImage and gGdipGraphics may be in use by the
  // image cutter.
  ImagePtr image = LoadImageFile(full);
  UINT width = 0;
  UINT height = 0;
  if (image && (gp::GdipGetImageWidth(image.get(), &width) != Gdiplus::Ok ||
                gp::GdipGetImageHeight(image.get(), &height) != Gdiplus::Ok)) {
    image.reset();
    width = height = 0;
  }
  // Each extent is kept as a 16-bit number: one that does not fit is 0, and
  // the box records, centres and draws that.
  int w = Extent16(width);
  int h = Extent16(height);
  picture.SetHelpContextID(storeHeight ? h : w);
  if (!image) return;

  int x = offset;
  int y = offset;
  if (offset < 0) {
    x = CentredStart(picture.Width(), w);
    y = CentredStart(picture.Height(), h);
  }
  Gdiplus::GpGraphics* rawGraphics = nullptr;
  HDC dc = picture.hDC();
  if (dc && gp::GdipCreateFromHDC(dc, &rawGraphics) == Gdiplus::Ok) {
    GraphicsPtr graphics(rawGraphics);
    // The pixel size given explicitly: GdipDrawImage would scale the image
    // by the resolution stored in the file.
    gp::GdipDrawImageRectI(graphics.get(), image.get(), x, y, w, h);
  }
  image.reset();
  picture.Refresh();
}

void SavePictureAsJpeg(HBITMAP bitmap, const std::string& path, int32_t quality) {
  int32_t status = GdiPlusSession::Instance().Ensure();
  if (status == 0) {
    Gdiplus::GpBitmap* image = nullptr;
    status = static_cast<int32_t>(gp::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image));
    if (status == 0) {
      CLSID encoder{};
      CLSIDFromString(kJpegEncoder, &encoder);
      ULONG value = static_cast<ULONG>(quality);
      Gdiplus::EncoderParameters parameters{};
      parameters.Count = 1;
      CLSIDFromString(kEncoderQuality, &parameters.Parameter[0].Guid);
      parameters.Parameter[0].NumberOfValues = 1;
      parameters.Parameter[0].Type = kValueTypeLong;
      parameters.Parameter[0].Value = &value;
      status = static_cast<int32_t>(gp::GdipSaveImageToFile(image, ToWide(path).c_str(), &encoder, &parameters));
      gp::GdipDisposeImage(image);
    }
  }
  if (status != 0) throw AppError(5, ExeBaseName(), "Cannot save the image. GDI+ Error:" + std::to_string(status));
}

}  // namespace core
