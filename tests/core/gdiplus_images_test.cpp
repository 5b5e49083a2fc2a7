// Drawing image files into picture boxes, the GDI+ services the image
// cutter shares, and JPEG writing. Pixels are read back from the boxes'
// persistent bitmaps.
#include <windows.h>

#include <objbase.h>

#include <gdiplus.h>

#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/gdiplus_images.h"
#include "core/globals.h"
#include "support/files.h"
#include "support/png.h"
#include "support/program.h"
#include "ui/ui.h"

namespace {

using testing_support::WritePng;

constexpr COLORREF kBack = RGB(10, 20, 30);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);

class PictureForm : public ui::Form {
 public:
  PictureForm() : ui::Form("Pictures", 420, 200, ui::FormStyle::FixedDialog) {}
  ui::PictureBox picIcon{this, {0, 0, 33, 33}, ui::PictureBox::kNoBorder, kBack};
  ui::PictureBox picPreview{this, {40, 0, 173, 36}, ui::PictureBox::kNoBorder, kBack};
  ui::PictureBox picSquare{this, {220, 0, 60, 60}, ui::PictureBox::kNoBorder, kBack};
  ui::PictureBox picFramed{this, {40, 60, 173, 38}, ui::PictureBox::kFixedSingle, kBack};
};

class LoadImageToPictureTest : public testing_support::ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    core::gProjectFolder = Folder() + "\\Project";
    form.Load();
  }
  void TearDown() override {
    form.Unload();
    ProgramFolderTest::TearDown();
  }
  // A one-colour PNG inside the project; returns its relative path.
  std::string ProjectPng(const std::string& name, int w, int h, COLORREF colour, int dpi = 0) {
    WritePng(core::gProjectFolder + "\\control\\" + name, w, h, colour, dpi);
    return "control\\" + name;
  }
  PictureForm form;
};

TEST_F(LoadImageToPictureTest, CentresOnTheOuterSizeWithTruncatedMargins) {
  // (33 - 24) \ 2 = 4 on both axes.
  core::LoadImageToPicture(ProjectPng("icon.png", 24, 24, kRed), form.picIcon, -1, false);
  EXPECT_EQ(form.picIcon.Point(3, 10), kBack);
  EXPECT_EQ(form.picIcon.Point(4, 10), kRed);
  EXPECT_EQ(form.picIcon.Point(27, 10), kRed);
  EXPECT_EQ(form.picIcon.Point(28, 10), kBack);
  EXPECT_EQ(form.picIcon.Point(10, 3), kBack);
  EXPECT_EQ(form.picIcon.Point(10, 4), kRed);
  EXPECT_EQ(form.picIcon.Point(10, 28), kBack);
  EXPECT_EQ(form.picIcon.HelpContextID(), 24);
}

TEST_F(LoadImageToPictureTest, BorderIsPartOfTheSizeThatCentres) {
  // Outer 173 x 38, client 169 x 34: the margin (173 - 25) \ 2 = 74 counts
  // from the client's edge.
  core::LoadImageToPicture(ProjectPng("strip.png", 25, 10, kRed), form.picFramed, -1, false);
  EXPECT_EQ(form.picFramed.Point(73, 20), kBack);
  EXPECT_EQ(form.picFramed.Point(74, 20), kRed);
  // (38 - 10) \ 2 = 14: rows 14 to 23.
  EXPECT_EQ(form.picFramed.Point(74, 13), kBack);
  EXPECT_EQ(form.picFramed.Point(74, 14), kRed);
  EXPECT_EQ(form.picFramed.Point(74, 23), kRed);
  EXPECT_EQ(form.picFramed.Point(74, 24), kBack);
}

TEST_F(LoadImageToPictureTest, WiderImageStartsAtTheLeftEdgeAndIsCut) {
  core::LoadImageToPicture(ProjectPng("wide.png", 200, 20, kRed), form.picPreview, -1, false);
  EXPECT_EQ(form.picPreview.HelpContextID(), 200);
  EXPECT_EQ(form.picPreview.Point(0, 8), kRed);
  EXPECT_EQ(form.picPreview.Point(172, 27), kRed);
  EXPECT_EQ(form.picPreview.Point(0, 7), kBack);
  EXPECT_EQ(form.picPreview.Point(0, 28), kBack);
}

TEST_F(LoadImageToPictureTest, StoreHeightRecordsTheHeight) {
  core::LoadImageToPicture(ProjectPng("tall.png", 16, 120, kRed), form.picPreview, -1, true);
  EXPECT_EQ(form.picPreview.HelpContextID(), 120);
  // Taller than the box: from the top; (173 - 16) \ 2 = 78 across.
  EXPECT_EQ(form.picPreview.Point(78, 0), kRed);
  EXPECT_EQ(form.picPreview.Point(77, 0), kBack);
  EXPECT_EQ(form.picPreview.Point(93, 35), kRed);
  EXPECT_EQ(form.picPreview.Point(94, 35), kBack);
}

TEST_F(LoadImageToPictureTest, FixedOffsetPlacesTheImageWhateverTheBoxSize) {
  core::LoadImageToPicture(ProjectPng("misc.png", 8, 8, kRed), form.picPreview, 4, false);
  EXPECT_EQ(form.picPreview.Point(4, 4), kRed);
  EXPECT_EQ(form.picPreview.Point(11, 11), kRed);
  EXPECT_EQ(form.picPreview.Point(3, 4), kBack);
  EXPECT_EQ(form.picPreview.Point(4, 3), kBack);
  EXPECT_EQ(form.picPreview.Point(12, 4), kBack);
}

TEST_F(LoadImageToPictureTest, DrawsAtNaturalPixelSizeWhateverTheStatedResolution) {
  // 30 x 30 at 300 dpi: drawn by resolution it would shrink to 10 x 10.
  core::LoadImageToPicture(ProjectPng("print.png", 30, 30, kRed, 300), form.picSquare, -1, false);
  EXPECT_EQ(form.picSquare.HelpContextID(), 30);
  EXPECT_EQ(form.picSquare.Point(15, 15), kRed);
  EXPECT_EQ(form.picSquare.Point(44, 44), kRed);
  EXPECT_EQ(form.picSquare.Point(45, 44), kBack);
  EXPECT_EQ(form.picSquare.Point(14, 15), kBack);
}

TEST_F(LoadImageToPictureTest, KeepsEveryPixelOfTheImage) {
  testing_support::PngPixels pixels(4, 4, kRed);
  pixels.At(0, 0) = kGreen;
  pixels.At(3, 3) = kGreen;
  testing_support::WriteFile(core::gProjectFolder + "\\control\\corners.png", testing_support::EncodePng(pixels));
  core::LoadImageToPicture("control\\corners.png", form.picIcon, -1, false);
  // (33 - 4) \ 2 = 14.
  EXPECT_EQ(form.picIcon.Point(14, 14), kGreen);
  EXPECT_EQ(form.picIcon.Point(15, 14), kRed);
  EXPECT_EQ(form.picIcon.Point(17, 17), kGreen);
}

TEST_F(LoadImageToPictureTest, EmptyPathLeavesDrawingAndWidth) {
  core::LoadImageToPicture(ProjectPng("icon.png", 24, 24, kRed), form.picIcon, -1, false);
  core::LoadImageToPicture("", form.picIcon, -1, false);
  EXPECT_EQ(form.picIcon.Point(10, 10), kRed);
  EXPECT_EQ(form.picIcon.HelpContextID(), 24);
}

TEST_F(LoadImageToPictureTest, MissingOrCorruptFileClearsAndRecordsZero) {
  std::string good = ProjectPng("icon.png", 24, 24, kRed);
  testing_support::WriteFile(core::gProjectFolder + "\\control\\broken.png", "\x89PNG\r\n\x1a\nnot really");
  testing_support::WriteFile(core::gProjectFolder + "\\control\\empty.png", "");
  for (const char* bad : {"control\\missing.png", "control\\broken.png", "control\\empty.png"}) {
    SCOPED_TRACE(bad);
    core::LoadImageToPicture(good, form.picIcon, -1, true);
    core::LoadImageToPicture(bad, form.picIcon, -1, true);
    EXPECT_EQ(form.picIcon.Point(10, 10), kBack);
    EXPECT_EQ(form.picIcon.HelpContextID(), 0);
  }
}

TEST_F(LoadImageToPictureTest, LeavesTheCuttersImageAndTokenAlone) {
  // The image cutter keeps its image in the shared globals across draws.
  std::string full = WritePng(Folder() + "\\cut.png", 50, 7, kRed);
  ASSERT_TRUE(core::StartGdiPlus());
  ULONG_PTR token = core::gGdipToken;
  EXPECT_NE(token, 0u);
  ASSERT_EQ(Gdiplus::DllExports::GdipLoadImageFromFile(core::ToWide(full).c_str(), &core::gGdipImage), Gdiplus::Ok);

  core::LoadImageToPicture(ProjectPng("icon.png", 24, 24, kRed), form.picIcon, -1, false);
  core::LoadImageToPicture("control\\missing.png", form.picIcon, -1, false);

  EXPECT_EQ(core::gGdipToken, token);
  ASSERT_NE(core::gGdipImage, nullptr);
  EXPECT_EQ(core::GetImageWidth(core::gGdipImage), 50);
  EXPECT_EQ(core::GetImageHeight(core::gGdipImage), 7);
  core::DisposeGdiObjects();
  EXPECT_EQ(core::gGdipImage, nullptr);
  core::StopGdiPlus();
  EXPECT_EQ(core::gGdipToken, 0u);
}

TEST_F(LoadImageToPictureTest, StopGdiPlusDoesNotEndTheSession) {
  ASSERT_TRUE(core::StartGdiPlus());
  core::StopGdiPlus();
  core::StopGdiPlus();
  EXPECT_EQ(core::gGdipToken, 0u);
  core::LoadImageToPicture(ProjectPng("icon.png", 24, 24, kRed), form.picIcon, -1, false);
  EXPECT_EQ(form.picIcon.Point(10, 10), kRed);
}

TEST(GdipStatus, OkPassesThroughAndFailuresRaiseNumberedErrors) {
  EXPECT_EQ(core::CheckGdipStatus(0), 0);
  try {
    core::CheckGdipStatus(10);
    FAIL() << "no error raised";
  } catch (const core::AppError& e) {
    EXPECT_EQ(e.Number(), 1058);
    EXPECT_EQ(e.Source(), core::ExeBaseName() + ".GDIP");
    EXPECT_EQ(e.Description(), "GDI+ Error 10");
  }
}

TEST(GdipStatus, SizeOfNoImageRaises) {
  ASSERT_TRUE(core::StartGdiPlus());
  try {
    core::GetImageWidth(nullptr);
    FAIL() << "no error raised";
  } catch (const core::AppError& e) {
    EXPECT_EQ(e.Number(), 1048 + Gdiplus::InvalidParameter);
    EXPECT_EQ(e.Description(), "GDI+ Error 2");
  }
  EXPECT_THROW(core::GetImageHeight(nullptr), core::AppError);
  core::StopGdiPlus();
}

// ---------------------------------------------------------------- JPEG

class SavePictureAsJpegTest : public ::testing::Test {
 protected:
  void SetUp() override {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = 40;
    bi.bmiHeader.biHeight = -30;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap.reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_TRUE(bitmap);
    // Blue as BGRA bytes.
    auto* pixels = static_cast<uint32_t*>(bits);
    for (int i = 0; i < 40 * 30; ++i) pixels[i] = 0x000000FF;
  }
  testing_support::TempFolder folder;
  ui::UniqueBitmap bitmap;
};

TEST_F(SavePictureAsJpegTest, WritesADecodableJpegOfTheBitmapsSize) {
  std::string path = folder / "Preview.jpg";
  testing_support::WriteFile(path, "an older preview");
  core::SavePictureAsJpeg(bitmap.get(), path, 98);

  EXPECT_EQ(testing_support::ReadFile(path).substr(0, 2), "\xFF\xD8");
  Gdiplus::GpImage* image = nullptr;
  ASSERT_EQ(Gdiplus::DllExports::GdipLoadImageFromFile(core::ToWide(path).c_str(), &image), Gdiplus::Ok);
  EXPECT_EQ(core::GetImageWidth(image), 40);
  EXPECT_EQ(core::GetImageHeight(image), 30);
  Gdiplus::ARGB argb = 0;
  Gdiplus::DllExports::GdipBitmapGetPixel(static_cast<Gdiplus::GpBitmap*>(image), 20, 15, &argb);
  EXPECT_GT(argb & 0xFF, 0xE0u);          // blue
  EXPECT_LT((argb >> 16) & 0xFF, 0x20u);  // red
  Gdiplus::DllExports::GdipDisposeImage(image);
}

TEST_F(SavePictureAsJpegTest, ImpossibleLocationRaisesError5) {
  try {
    core::SavePictureAsJpeg(bitmap.get(), folder / "no such folder\\Preview.jpg", 98);
    FAIL() << "no error raised";
  } catch (const core::AppError& e) {
    EXPECT_EQ(e.Number(), 5);
    EXPECT_EQ(e.Description().rfind("Cannot save the image. GDI+ Error:", 0), 0u) << e.Description();
    std::string status = e.Description().substr(std::string("Cannot save the image. GDI+ Error:").size());
    EXPECT_FALSE(status.empty());
    EXPECT_EQ(status.find_first_not_of("0123456789"), std::string::npos) << status;
  }
  EXPECT_FALSE(testing_support::Exists(folder / "no such folder"));
}

TEST_F(SavePictureAsJpegTest, NoBitmapRaisesError5) {
  EXPECT_THROW(
      {
        try {
          core::SavePictureAsJpeg(nullptr, folder / "Preview.jpg", 98);
        } catch (const core::AppError& e) {
          EXPECT_EQ(e.Number(), 5);
          throw;
        }
      },
      core::AppError);
}

}  // namespace
