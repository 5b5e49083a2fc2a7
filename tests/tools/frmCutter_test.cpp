#include "tools/frmCutter.h"

#include <commctrl.h>
#include <gdiplus.h>
#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

#include <functional>
#include <vector>

#include "core/gdiplus_images.h"
#include "core/globals.h"
#include "core/subclass.h"
#include "core/window_links.h"
#include "support/files.h"
#include "support/png.h"
#include "support/scripted_prompter.h"
#include "tool_form_support.h"

namespace {

using namespace tool_tests;
using testing_support::PngPixels;

// An image file read back through GDI+: its size and its pixels as ARGB.
struct ImageFile {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> argb;
  uint32_t At(int x, int y) const { return argb[static_cast<size_t>(y) * width + x]; }
  // The colour without alpha, as a colour reference.
  COLORREF Colour(int x, int y) const {
    uint32_t p = At(x, y);
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  int Alpha(int x, int y) const { return static_cast<int>(At(x, y) >> 24); }
};

ImageFile ReadImage(const std::string& path) {
  ImageFile file;
  if (!core::StartGdiPlus()) return file;
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (Gdiplus::DllExports::GdipCreateBitmapFromFile(core::ToWide(path).c_str(), &bitmap) != Gdiplus::Ok) return file;
  UINT w = 0, h = 0;
  Gdiplus::DllExports::GdipGetImageWidth(bitmap, &w);
  Gdiplus::DllExports::GdipGetImageHeight(bitmap, &h);
  file.width = static_cast<int>(w);
  file.height = static_cast<int>(h);
  for (UINT y = 0; y < h; ++y)
    for (UINT x = 0; x < w; ++x) {
      Gdiplus::ARGB p = 0;
      Gdiplus::DllExports::GdipBitmapGetPixel(bitmap, static_cast<INT>(x), static_cast<INT>(y), &p);
      file.argb.push_back(p);
    }
  Gdiplus::DllExports::GdipDisposeImage(bitmap);
  return file;
}

// A PNG whose pixel colours are given by a function of their place.
std::string WriteImage(const std::string& path, int width, int height,
                       const std::function<COLORREF(int x, int y)>& colour) {
  PngPixels image(width, height, 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.At(x, y) = colour(x, y);
  return testing_support::WriteFile(path, testing_support::EncodePng(image));
}

// A colour that tells every pixel of a small image from the others.
COLORREF PlaceColour(int x, int y) { return RGB(x * 3, y * 5, 0x40); }

void Put16(std::string& s, int v) {
  s.push_back(static_cast<char>(v & 0xFF));
  s.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void Put32(std::string& s, uint32_t v) {
  for (int i = 0; i < 4; ++i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// One image of an icon file: 32-bit pixels, ARGB, row by row from the top.
struct IconImage {
  int width;
  int height;
  std::function<uint32_t(int x, int y)> argb;
};

// An icon file holding the images in the order given.
std::string WriteIcon(const std::string& path, const std::vector<IconImage>& images) {
  std::string directory;
  std::string data;
  Put16(directory, 0);
  Put16(directory, 1);
  Put16(directory, static_cast<int>(images.size()));
  uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
  for (const IconImage& i : images) {
    std::string image;
    Put32(image, 40);
    Put32(image, static_cast<uint32_t>(i.width));
    Put32(image, static_cast<uint32_t>(i.height * 2));
    Put16(image, 1);
    Put16(image, 32);
    for (int n = 0; n < 6; ++n) Put32(image, 0);
    for (int y = i.height - 1; y >= 0; --y)
      for (int x = 0; x < i.width; ++x) Put32(image, i.argb(x, y));
    image += std::string(static_cast<size_t>((i.width + 31) / 32 * 4 * i.height), '\0');
    directory.push_back(static_cast<char>(i.width));
    directory.push_back(static_cast<char>(i.height));
    Put16(directory, 0);
    Put16(directory, 1);
    Put16(directory, 32);
    Put32(directory, static_cast<uint32_t>(image.size()));
    Put32(directory, offset);
    offset += static_cast<uint32_t>(image.size());
    data += image;
  }
  return testing_support::WriteFile(path, directory + data);
}

std::string WriteIcon(const std::string& path, int width, int height,
                      const std::function<uint32_t(int x, int y)>& argb) {
  return WriteIcon(path, {{width, height, argb}});
}

void Type(ui::TextBox& box, const std::string& text) {
  SendMessageA(box.hWnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}
void Click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }
int UpDownPos(HWND upDown) { return static_cast<int>(SendMessageA(upDown, UDM_GETPOS32, 0, 0)); }

class CutterTest : public ToolFormTest {
 protected:
  void TearDown() override {
    form.Unload();
    ToolFormTest::TearDown();
  }
  // As the main window opens it.
  void Open() {
    form.Load();
    core::gCutterShown = true;
  }
  // Index of each box's up-down control.
  enum { kLeft, kTop, kWidth, kHeight, kHorizontal, kVertical };
  tools::frmCutter& form = tools::CutterForm();

  // Opens the window and shows the image as a chosen file is shown.
  void OpenWith(const std::string& path) {
    Open();
    form.txtFile.SetText(path);
    form.ShowCut(true);
  }
  std::vector<std::string> Boxes() {
    return {form.txtHorizontal.Text(), form.txtVertical.Text(), form.txtLeft.Text(),
            form.txtTop.Text(),        form.txtWidth.Text(),    form.txtHeight.Text()};
  }
  int VisibleOutlines() {
    int n = 0;
    for (int i = 0; i < tools::frmCutter::kOutlineCount; ++i) n += form.shpFrame(i).Visible() ? 1 : 0;
    return n;
  }
  ui::Rect Outline(int i) {
    ui::Shape& s = form.shpFrame(i);
    return {s.Left(), s.Top(), s.Width(), s.Height()};
  }
  // The image's place in the view after a reset.
  int OffsetX(int imageWidth) { return (form.picView.ScaleWidth() - imageWidth) / 2; }
  int OffsetY(int imageHeight) { return (form.picView.ScaleHeight() - imageHeight) / 2; }
  std::string Img(const std::string& name) { return *this / ("img\\" + name); }
};

TEST_F(CutterTest, WithoutAStoredPlaceItOpensBelowAndRightOfTheMainWindow) {
  Open();
  EXPECT_EQ(Text(Outer(form)), "370 305 360 385");
  EXPECT_EQ(GetWindow(form.hWnd(), GW_OWNER), nullptr);
  EXPECT_NE(SendMessageA(form.hWnd(), WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageA(form.hWnd(), WM_GETICON, ICON_SMALL, 0), 0);
  // Sizable and minimisable, not maximisable.
  LONG_PTR style = GetWindowLongPtrA(form.hWnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
}

TEST_F(CutterTest, ItOpensAtTheStoredPlaceWithinTheScreenAndAtLeast360By360) {
  int sw = GetSystemMetrics(SM_CXSCREEN);
  int sh = GetSystemMetrics(SM_CYSCREEN);
  struct Case {
    std::string stored;
    std::string expected;
  };
  const Case cases[] = {
      {"10 20 100 50", "10 20 360 360"},
      {"40 50 400 420", "40 50 400 420"},
      {"-3 20 400 400", "0 20 400 400"},
      {std::to_string(sw - 10) + " " + std::to_string(sh - 10) + " 400 400",
       std::to_string(sw - 400) + " " + std::to_string(sh - 400) + " 400 400"},
      {"x y", "0 0 360 360"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    Store("CutterRect", c.stored);
    Open();
    EXPECT_EQ(Text(Outer(form)), c.expected);
    form.Unload();
  }
}

TEST_F(CutterTest, ClosingRecordsWhereItWas) {
  Open();
  form.Move(21, 32, 380, 400);
  ASSERT_TRUE(form.Unload());
  EXPECT_FALSE(core::gCutterShown);
  EXPECT_EQ(Setting("CutterRect"), "21 32 380 400");
  EXPECT_EQ(Setting("NavigatorShow"), "");

  Open();
  EXPECT_EQ(Text(Outer(form)), "21 32 380 400");
}

TEST_F(CutterTest, EscapeInAnyBoxClosesIt) {
  Open();
  EXPECT_FALSE(PressKey(form.txtLeft.hWnd(), 'A'));
  EXPECT_TRUE(form.IsLoaded());
  EXPECT_TRUE(PressKey(form.txtLeft.hWnd(), VK_ESCAPE));
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_FALSE(core::gCutterShown);
  EXPECT_EQ(Setting("CutterRect"), "370 305 360 385");
}

TEST_F(CutterTest, ControlsSitInTheirContainersAtTheirDesignedPlaces) {
  Open();
  EXPECT_TRUE(SameRect(PlaceInParent(form.txtFile.hWnd()), {60, 14, 196, 22}));
  EXPECT_TRUE(SameRect(PlaceInParent(form.cmdBrowse.hWnd()), {260, 13, 74, 24}));
  EXPECT_EQ(GetParent(form.picButtons.hWnd()), form.fraButtons.hWnd());
  EXPECT_TRUE(SameRect(PlaceInParent(form.picButtons.hWnd()), {10, 13, 305, 113}));
  EXPECT_EQ(GetParent(form.txtHeight.hWnd()), form.picButtons.hWnd());
  EXPECT_TRUE(SameRect(PlaceInParent(form.txtHeight.hWnd()), {232, 88, 47, 21}));
  EXPECT_TRUE(form.optHorizontal.Value());
  EXPECT_FALSE(form.optVertical.Value());
}

TEST_F(CutterTest, TheBoxesComeFirstInTheTabOrderAndTheButtonsLast) {
  Open();
  std::vector<HWND> wanted = {form.txtFile.hWnd(),   form.txtHorizontal.hWnd(), form.txtVertical.hWnd(),
                              form.txtLeft.hWnd(),   form.txtTop.hWnd(),        form.txtWidth.hWnd(),
                              form.txtHeight.hWnd(), form.cmdBrowse.hWnd(),     form.cmdCut.hWnd()};
  std::vector<HWND> order;
  HWND h = form.txtFile.hWnd();
  for (int guard = 0; guard < 100; ++guard) {
    for (HWND w : wanted)
      if (w == h) order.push_back(h);
    h = GetNextDlgTabItem(form.hWnd(), h, FALSE);
    if (!h || h == form.txtFile.hWnd()) break;
  }
  EXPECT_EQ(order, wanted);
}

TEST_F(CutterTest, EachBoxHasItsUpDownBesideIt) {
  Open();
  struct Expected {
    ui::TextBox* box;
    ui::Rect place;
    int lower;
    int upper;
  };
  const Expected expected[] = {
      {&form.txtLeft, {120, 63, 20, 22}, 0, 1000},    {&form.txtTop, {280, 63, 20, 22}, 0, 1000},
      {&form.txtWidth, {120, 87, 20, 22}, 0, 1000},   {&form.txtHeight, {280, 87, 20, 22}, 0, 1000},
      {&form.txtHorizontal, {280, 7, 20, 22}, 1, 16}, {&form.txtVertical, {280, 31, 20, 22}, 1, 16},
  };
  for (int i = 0; i < tools::frmCutter::kUpDownCount; ++i) {
    SCOPED_TRACE(i);
    HWND upDown = form.UpDown(i);
    ASSERT_TRUE(IsWindow(upDown));
    EXPECT_EQ(GetParent(upDown), form.picButtons.hWnd());
    EXPECT_EQ(Text(PlaceInParent(upDown)), Text(expected[i].place));
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(upDown, UDM_GETBUDDY, 0, 0)), expected[i].box->hWnd());
    int lower = -1, upper = -1;
    SendMessageA(upDown, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
    EXPECT_EQ(lower, expected[i].lower);
    EXPECT_EQ(upper, expected[i].upper);
    LONG_PTR style = GetWindowLongPtrA(upDown, GWL_STYLE);
    EXPECT_TRUE(style & UDS_ARROWKEYS);
    EXPECT_FALSE(style & UDS_SETBUDDYINT);
    // No up-down writes into its box by itself.
    EXPECT_EQ(expected[i].box->Text(), "");
  }
}

TEST_F(CutterTest, AnUpDownStepIsWrittenIntoItsBox) {
  Open();
  HWND upDown = form.UpDown(kLeft);
  SendMessageA(upDown, UDM_SETPOS32, 0, 5);
  // A click on the upper arrow.
  RECT rc;
  GetClientRect(upDown, &rc);
  LPARAM upper = MAKELPARAM(rc.right / 2, rc.bottom / 4);
  SendMessageA(upDown, WM_LBUTTONDOWN, MK_LBUTTON, upper);
  SendMessageA(upDown, WM_LBUTTONUP, 0, upper);
  EXPECT_EQ(form.txtLeft.Text(), "6");

  // The arrow keys in a box step its up-down.
  SendMessageA(form.txtTop.hWnd(), WM_KEYDOWN, VK_UP, 0);
  SendMessageA(form.txtTop.hWnd(), WM_KEYUP, VK_UP, 0);
  EXPECT_EQ(form.txtTop.Text(), "1");
  SendMessageA(form.txtTop.hWnd(), WM_KEYDOWN, VK_DOWN, 0);
  SendMessageA(form.txtTop.hWnd(), WM_KEYUP, VK_DOWN, 0);
  EXPECT_EQ(form.txtTop.Text(), "0");
  EXPECT_EQ(form.txtLeft.Text(), "6");

  // Other scroll messages to the box are left alone.
  SendMessageA(form.picButtons.hWnd(), WM_VSCROLL, SB_LINEUP, 0);
  SendMessageA(form.picButtons.hWnd(), WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(form.txtLeft.hWnd()));
  EXPECT_EQ(form.txtLeft.Text(), "6");
}

TEST_F(CutterTest, ClosingRemovesTheUpDownsAndReopeningMakesThemAnew) {
  Open();
  HWND oldUpDown = form.UpDown(kWidth);
  HWND oldButtons = form.picButtons.hWnd();
  EXPECT_EQ(GetWindowLongPtrA(oldButtons, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&core::SubclassWndProc));
  form.Unload();
  EXPECT_FALSE(IsWindow(oldUpDown));
  for (int i = 0; i < tools::frmCutter::kUpDownCount; ++i) EXPECT_EQ(form.UpDown(i), nullptr);

  Open();
  EXPECT_EQ(form.txtWidth.Text(), "");
  SendMessageA(form.txtWidth.hWnd(), WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(form.txtWidth.Text(), "1");
}

TEST_F(CutterTest, GrowingTheWindowGrowsTheViewAndMovesTheButtonsDown) {
  Open();
  SetClientSize(form, 500, 400);
  EXPECT_TRUE(SameRect(form.picView.Bounds(), {12, 56, 476, 158}));
  EXPECT_EQ(form.fraButtons.Top(), 220);
  EXPECT_EQ(form.cmdCut.Top(), 364);
  EXPECT_TRUE(SameRect(PlaceInParent(form.cmdCut.hWnd()), {244, 364, 90, 25}));

  // Below the designed size nothing moves.
  SetClientSize(form, 300, 300);
  EXPECT_TRUE(SameRect(form.picView.Bounds(), {12, 56, 476, 158}));
  EXPECT_EQ(form.fraButtons.Top(), 220);
  EXPECT_EQ(form.cmdCut.Top(), 364);
}

TEST_F(CutterTest, BrowseAsksForAnImageOwnedByTheCutterAndPutsItIntoTheFileBox) {
  Open();
  EXPECT_EQ(core::CutterWindow(), form.hWnd());
  testing_support::ScriptedPrompter prompter;
  prompter.AnswerFile("C:\\Images\\strip.png").AnswerFile("");
  SendMessageA(form.cmdBrowse.hWnd(), BM_CLICK, 0, 0);
  ASSERT_EQ(prompter.fileDialogs.size(), 1u);
  EXPECT_EQ(prompter.fileDialogs[0].owner, form.hWnd());
  EXPECT_EQ(prompter.fileDialogs[0].filter,
            "Image Files|*.ico;*.bmp;*.gif;*.jpg;*.png|Icons (*.ico)|*.ico|Bitmaps (*.bmp)|*.bmp|"
            "GIF Images (*.gif)|*.gif|JPEG Images (*.jpg)|*.jpg|PNG Images (*.png)|*.png");
  EXPECT_EQ(form.txtFile.Text(), "C:\\Images\\strip.png");

  // Cancelled, nothing changes.
  SendMessageA(form.cmdBrowse.hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(form.txtFile.Text(), "C:\\Images\\strip.png");
}

TEST_F(CutterTest, WithoutALanguageFileTheDesignedCaptionsStay) {
  core::gTextBrowse = "Parcourir";
  Open();
  form.SetCaptions();
  EXPECT_EQ(WindowText(form.hWnd()), "Image Cutter");
  EXPECT_EQ(form.cmdBrowse.Caption(), "Browse...");
  EXPECT_EQ(form.lblFile.Caption(), "File :");
  EXPECT_EQ(form.optHorizontal.Caption(), "Split Horizontally to :");
  EXPECT_EQ(form.lblLeft.Caption(), "Left :");
  EXPECT_EQ(form.cmdCut.Caption(), "Cut");
}

TEST_F(CutterTest, CaptionsComeFromTheLanguageFileThenEnglishElseStayEmpty) {
  core::gTextBrowse = "Parcourir...";
  UseLanguage(
      "Cutter=Decoupeur\r\nFile=Fichier :\r\nSplit_Horizontal=Horizontal :\r\nSplit_Vertical=Vertical :\r\n"
      "Top1=Haut\r\nWidth1=Largeur\r\nHeight1=Hauteur\r\n",
      "Cut=Cut it\r\n");
  Open();
  EXPECT_EQ(WindowText(form.hWnd()), "Decoupeur");
  EXPECT_EQ(form.cmdBrowse.Caption(), "Parcourir...");
  EXPECT_EQ(form.lblFile.Caption(), "Fichier :");
  EXPECT_EQ(form.optHorizontal.Caption(), "Horizontal :");
  EXPECT_EQ(form.optVertical.Caption(), "Vertical :");
  EXPECT_EQ(form.lblTop.Caption(), "Haut :");
  EXPECT_EQ(form.lblwidth.Caption(), "Largeur :");
  EXPECT_EQ(form.lblHeight.Caption(), "Hauteur :");
  EXPECT_EQ(WindowText(form.lblHeight.hWnd()), "Hauteur :");
  EXPECT_EQ(form.cmdCut.Caption(), "Cut it");
  // In neither file.
  EXPECT_EQ(form.lblLeft.Caption(), " :");
}

// ---------------------------------------------------------------- showing

TEST_F(CutterTest, AStripIsShownCentredWithItsFramesGuessedFromItsWidth) {
  std::string path =
      WriteImage(Img("strip.png"), 64, 16, [](int x, int) { return x < 32 ? RGB(255, 0, 0) : RGB(0, 0, 255); });
  OpenWith(path);
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"4", "4", "0", "0", "16", "16"}));
  EXPECT_TRUE(form.optHorizontal.Value());
  EXPECT_EQ(form.lblDimension.Caption(), "Image : 64 x 16   Frame : 16 x 16   Custom Frame : 16 x 16");

  int x = OffsetX(64);
  int y = OffsetY(16);
  EXPECT_EQ(form.picView.Point(x, y), RGB(255, 0, 0));
  EXPECT_EQ(form.picView.Point(x + 63, y + 15), RGB(0, 0, 255));
  EXPECT_EQ(form.picView.Point(x - 1, y), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(form.picView.Point(x, y + 16), GetSysColor(COLOR_WINDOW));

  EXPECT_EQ(VisibleOutlines(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Text(Outline(i)), Text({x + 16 * i, y, 16, 16})) << i;
  EXPECT_TRUE(form.shpAll.Visible());
  EXPECT_EQ(Text({form.shpAll.Left(), form.shpAll.Top(), form.shpAll.Width(), form.shpAll.Height()}),
            Text({x, y, 64, 16}));
}

TEST_F(CutterTest, TheFrameCountIsGuessedFromTheWidthAlone) {
  struct Case {
    int width, height;
    std::vector<std::string> boxes;
  };
  const Case cases[] = {
      {16, 16, {"1", "1", "0", "0", "16", "16"}},
      {16, 32, {"4", "4", "0", "0", "4", "32"}},
      {90, 30, {"3", "3", "0", "0", "30", "30"}},
      {50, 20, {"4", "4", "0", "0", "12", "20"}},
  };
  Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
    std::string path =
        testing_support::WritePng(Img(std::to_string(c.width) + ".png"), c.width, c.height, RGB(9, 9, 9));
    form.txtFile.SetText(path);
    form.ShowCut(true);
    EXPECT_EQ(Boxes(), c.boxes);
    EXPECT_EQ(VisibleOutlines(), std::stoi(c.boxes[0]));
  }
}

TEST_F(CutterTest, AnImageLargerThanTheViewStartsOutsideItsCorner) {
  std::string path = WriteImage(Img("big.png"), 400, 120, PlaceColour);
  OpenWith(path);
  int x = OffsetX(400);
  int y = OffsetY(120);
  ASSERT_LT(x, 0);
  ASSERT_LT(y, 0);
  EXPECT_EQ(form.picView.Point(0, 0), PlaceColour(-x, -y));
  EXPECT_EQ(form.shpFrame(0).Left(), x);
}

TEST_F(CutterTest, AFileInsideTheProjectIsShownFromItsRelativePath) {
  core::gProjectFolder = *this / "project";
  WriteImage(*this / "project\\images\\strip.png", 64, 16, PlaceColour);
  OpenWith("images\\strip.png");
  EXPECT_EQ(form.txtWidth.Text(), "16");
  EXPECT_EQ(form.picView.Point(OffsetX(64) + 5, OffsetY(16) + 2), PlaceColour(5, 2));
}

TEST_F(CutterTest, AFileThatCannotBeReadShowsAnEmptyImageNotTheOneBefore) {
  OpenWith(testing_support::WritePng(Img("strip.png"), 64, 16, RGB(1, 2, 3)));
  form.txtFile.SetText(testing_support::WriteFile(Img("broken.png"), "not an image"));
  form.ShowCut(true);
  EXPECT_EQ(form.lblDimension.Caption(), "Image : 0 x 0   Frame : 0 x 0   Custom Frame : 0 x 0");
  EXPECT_EQ(form.picView.Point(form.picView.ScaleWidth() / 2, form.picView.ScaleHeight() / 2),
            GetSysColor(COLOR_WINDOW));
}

TEST_F(CutterTest, ResizingKeepsTheImageCentred) {
  std::string path = WriteImage(Img("strip.png"), 64, 16, PlaceColour);
  OpenWith(path);
  SetClientSize(form, 503, 400);
  // (475 - 64) / 2 = 205.5 rounds to the even 206.
  ASSERT_EQ(form.picView.ScaleWidth(), 475);
  int y = (form.picView.ScaleHeight() - 16) / 2;
  EXPECT_EQ(form.shpAll.Left(), 206);
  EXPECT_EQ(form.shpAll.Top(), y);
  EXPECT_EQ(form.picView.Point(206, y), PlaceColour(0, 0));
  EXPECT_EQ(form.shpFrame(1).Left(), 206 + 16);
}

// ---------------------------------------------------------------- the boxes

TEST_F(CutterTest, TheEdgeBoxesKeepTheCustomFrameInsideItsCell) {
  OpenWith(testing_support::WritePng(Img("strip.png"), 64, 16, RGB(1, 2, 3)));
  // 20 into the width of a 16-pixel cell.
  Type(form.txtWidth, "20");
  EXPECT_EQ(form.txtLeft.Text(), "0");
  EXPECT_EQ(form.txtWidth.Text(), "16");
  EXPECT_EQ(UpDownPos(form.UpDown(kLeft)), 0);
  EXPECT_EQ(UpDownPos(form.UpDown(kWidth)), 16);

  // The left edge at 10: a width of 10 moves it back to 6.
  Type(form.txtWidth, "5");
  Type(form.txtLeft, "10");
  Type(form.txtWidth, "10");
  EXPECT_EQ(form.txtLeft.Text(), "6");
  EXPECT_EQ(form.txtWidth.Text(), "10");

  // Both emptied: the frame fills its cell.
  Type(form.txtWidth, "");
  Type(form.txtLeft, "");
  EXPECT_EQ(form.txtLeft.Text(), "0");
  EXPECT_EQ(form.txtWidth.Text(), "16");

  // The same for the top edge and the height.
  Type(form.txtTop, "12");
  EXPECT_EQ(form.txtHeight.Text(), "4");
  Type(form.txtHeight, "16");
  EXPECT_EQ(form.txtTop.Text(), "0");
  EXPECT_EQ(UpDownPos(form.UpDown(kHeight)), 16);
}

TEST_F(CutterTest, NegativeEdgesCountAsZeroButANegativeHeightStaysNegative) {
  OpenWith(testing_support::WritePng(Img("strip.png"), 64, 16, RGB(1, 2, 3)));
  Type(form.txtWidth, "12");
  Type(form.txtLeft, "-3");
  EXPECT_EQ(form.txtLeft.Text(), "-3");
  EXPECT_EQ(UpDownPos(form.UpDown(kLeft)), 0);
  EXPECT_EQ(form.txtWidth.Text(), "12");

  Type(form.txtTop, "10");
  Type(form.txtHeight, "-3");
  EXPECT_EQ(form.txtHeight.Text(), "-3");
  // -3 + 10 stays inside the cell: the top is left alone.
  EXPECT_EQ(form.txtTop.Text(), "10");
  // A negative size keeps the outline's size.
  EXPECT_EQ(form.shpFrame(0).Height(), 6);
}

TEST_F(CutterTest, AnUpDownStepMovesTheOutlines) {
  OpenWith(testing_support::WritePng(Img("strip.png"), 64, 16, RGB(1, 2, 3)));
  Type(form.txtWidth, "8");
  Type(form.txtLeft, "5");
  int left = form.shpFrame(0).Left();
  SendMessageA(form.txtLeft.hWnd(), WM_KEYDOWN, VK_UP, 0);
  SendMessageA(form.txtLeft.hWnd(), WM_KEYUP, VK_UP, 0);
  EXPECT_EQ(form.txtLeft.Text(), "6");
  EXPECT_EQ(form.shpFrame(0).Left(), left + 1);
  EXPECT_EQ(form.shpFrame(2).Left(), left + 1 + 32);
  EXPECT_EQ(form.lblDimension.Caption(), "Image : 64 x 16   Frame : 16 x 16   Custom Frame : 8 x 16");
}

TEST_F(CutterTest, TheOptionsAndCountBoxesSetTheCells) {
  OpenWith(testing_support::WritePng(Img("wide.png"), 50, 60, RGB(1, 2, 3)));
  Type(form.txtHorizontal, "3");
  EXPECT_EQ(form.txtWidth.Text(), "16");
  EXPECT_EQ(UpDownPos(form.UpDown(kHorizontal)), 3);
  EXPECT_EQ(VisibleOutlines(), 3);

  // Under the horizontal split the vertical count only moves its up-down.
  Type(form.txtVertical, "5");
  EXPECT_EQ(UpDownPos(form.UpDown(kVertical)), 5);
  EXPECT_EQ(form.txtHeight.Text(), "60");

  Click(form.optVertical.hWnd());
  EXPECT_TRUE(form.optVertical.Value());
  EXPECT_FALSE(form.optHorizontal.Value());
  EXPECT_EQ(form.txtWidth.Text(), "50");
  EXPECT_EQ(form.txtHeight.Text(), "12");
  EXPECT_EQ(VisibleOutlines(), 5);
  EXPECT_EQ(form.shpFrame(1).Top() - form.shpFrame(0).Top(), 12);

  // A count of 0 under its own direction leaves the cell as it was.
  Type(form.txtVertical, "0");
  EXPECT_EQ(form.txtHeight.Text(), "12");

  // Back to the horizontal split, whose count box says 3.
  Click(form.optHorizontal.hWnd());
  EXPECT_EQ(form.txtWidth.Text(), "16");
  EXPECT_EQ(form.txtHeight.Text(), "60");
  EXPECT_EQ(VisibleOutlines(), 3);
}

TEST_F(CutterTest, NumberBoxesRoundFractionsToTheEvenNeighbour) {
  OpenWith(testing_support::WritePng(Img("strip.png"), 64, 16, RGB(1, 2, 3)));
  Type(form.txtLeft, "2.5");
  EXPECT_EQ(UpDownPos(form.UpDown(kLeft)), 2);
  Type(form.txtLeft, " 3.5 ");
  EXPECT_EQ(UpDownPos(form.UpDown(kLeft)), 4);
  Type(form.txtLeft, "0x5");
  EXPECT_EQ(UpDownPos(form.UpDown(kLeft)), 0);
}

// ---------------------------------------------------------------- cutting

class CutterCutTest : public CutterTest {
 protected:
  // The message of a finished cut, as the program words it without a
  // language file.
  static std::string Success(const std::vector<std::string>& files) {
    std::string list;
    for (const std::string& f : files) list += f + "\r\n";
    return "The following images are sucessfully saved : \r\n" + list + "\r\n Do you want to continue?";
  }
  std::vector<std::string> Frames(const std::string& base, int count) {
    std::vector<std::string> files;
    for (int i = 0; i < count; ++i) files.push_back(base + "_cut_" + std::to_string(i) + ".png");
    return files;
  }
  // Cut, expecting the failure message; nothing else is asked.
  void CutExpectingFailure() {
    testing_support::ScriptedPrompter prompter;
    prompter.AnswerMessage(IDOK);
    Click(form.cmdCut.hWnd());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Failed to split image!");
    EXPECT_EQ(prompter.messages[0].type & 0xF, static_cast<UINT>(MB_OKCANCEL));
    EXPECT_TRUE(form.IsLoaded());
  }
};

TEST_F(CutterCutTest, AHorizontalSplitWritesEachFrameBesideTheSource) {
  const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
  std::string path = WriteImage(Img("btn.png"), 64, 16, [&](int x, int) { return colours[x / 16]; });
  testing_support::WriteFile(Img("btn_cut_2.png"), "an older frame");
  OpenWith(path);

  testing_support::ScriptedPrompter prompter;
  prompter.AnswerMessage(IDOK).AnswerFile("");
  Click(form.cmdCut.hWnd());
  std::vector<std::string> files = Frames(Img("btn"), 4);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, Success(files));
  EXPECT_EQ(prompter.messages[0].title, "Velmora 2 Tarnell");
  EXPECT_EQ(prompter.messages[0].type & 0xF, static_cast<UINT>(MB_OKCANCEL));
  // OK asks for the next image.
  EXPECT_EQ(prompter.fileDialogs.size(), 1u);
  EXPECT_TRUE(form.IsLoaded());

  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(files[i]);
    ImageFile frame = ReadImage(files[i]);
    ASSERT_EQ(frame.width, 16);
    ASSERT_EQ(frame.height, 16);
    EXPECT_EQ(frame.Colour(0, 0), colours[i]);
    EXPECT_EQ(frame.Colour(15, 15), colours[i]);
  }
  EXPECT_EQ(ReadImage(path).width, 64);
}

TEST_F(CutterCutTest, AVerticalSplitCutsBandsOneAboveTheOther) {
  std::string path = WriteImage(Img("bar.png"), 20, 60, PlaceColour);
  OpenWith(path);
  Type(form.txtVertical, "3");
  Click(form.optVertical.hWnd());
  ASSERT_EQ(form.txtHeight.Text(), "20");

  testing_support::ScriptedPrompter prompter;
  prompter.AnswerMessage(IDCANCEL);
  Click(form.cmdCut.hWnd());
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, Success(Frames(Img("bar"), 3)));
  // Cancel closes the cutter.
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_FALSE(core::gCutterShown);

  for (int i = 0; i < 3; ++i) {
    ImageFile frame = ReadImage(Img("bar_cut_" + std::to_string(i) + ".png"));
    ASSERT_EQ(frame.width, 20);
    ASSERT_EQ(frame.height, 20);
    EXPECT_EQ(frame.Colour(4, 7), PlaceColour(4, 20 * i + 7)) << i;
  }
  EXPECT_FALSE(testing_support::Exists(Img("bar_cut_3.png")));
}

TEST_F(CutterCutTest, FramesOfAnUnevenStripFollowTheCellsInTwips) {
  // 50 pixels in 4 cells: 12 pixels each, starting at 0, 12, 24 and 37.
  std::string path = WriteImage(Img("odd.png"), 50, 20, PlaceColour);
  OpenWith(path);
  testing_support::ScriptedPrompter prompter;
  prompter.AnswerMessage(IDOK).AnswerFile("");
  Click(form.cmdCut.hWnd());
  const int starts[] = {0, 12, 24, 37};
  for (int i = 0; i < 4; ++i) {
    ImageFile frame = ReadImage(Img("odd_cut_" + std::to_string(i) + ".png"));
    ASSERT_EQ(frame.width, 12);
    EXPECT_EQ(frame.Colour(0, 0), PlaceColour(starts[i], 0)) << i;
  }
}

TEST_F(CutterCutTest, TheCustomFrameIsCutFromEveryCell) {
  std::string path = WriteImage(Img("btn.png"), 64, 16, PlaceColour);
  OpenWith(path);
  Type(form.txtLeft, "2");
  Type(form.txtWidth, "12");
  Type(form.txtTop, "3");
  Type(form.txtHeight, "10");
  ASSERT_EQ(Boxes(), (std::vector<std::string>{"4", "4", "2", "3", "12", "10"}));
  EXPECT_EQ(Text(Outline(1)), Text({OffsetX(64) + 18, OffsetY(16) + 3, 12, 10}));

  testing_support::ScriptedPrompter prompter;
  prompter.AnswerMessage(IDOK).AnswerFile("");
  Click(form.cmdCut.hWnd());
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    ImageFile frame = ReadImage(Img("btn_cut_" + std::to_string(i) + ".png"));
    ASSERT_EQ(frame.width, 12);
    ASSERT_EQ(frame.height, 10);
    EXPECT_EQ(frame.Colour(0, 0), PlaceColour(16 * i + 2, 3));
    EXPECT_EQ(frame.Colour(11, 9), PlaceColour(16 * i + 13, 12));
  }
}

TEST_F(CutterCutTest, AnIconIsShownAndCutThroughItsTemporaryPng) {
  // Left half half-transparent blue, right half opaque red.
  auto argb = [](int x, int) -> uint32_t { return x < 8 ? 0x800000FFu : 0xFFFF0000u; };
  std::string path = WriteIcon(Img("star.ico"), 16, 16, argb);
  OpenWith(path);
  std::string png = *this / "Temp\\star.png";
  EXPECT_EQ(form.IconPng(), png);
  ASSERT_TRUE(testing_support::Exists(png));
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"1", "1", "0", "0", "16", "16"}));
  EXPECT_EQ(form.picView.Point(OffsetX(16) + 12, OffsetY(16) + 3), RGB(255, 0, 0));

  testing_support::ScriptedPrompter prompter;
  prompter.AnswerMessage(IDOK).AnswerFile("");
  Click(form.cmdCut.hWnd());
  std::vector<std::string> files = Frames(Img("star"), 1);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, Success(files));
  EXPECT_FALSE(testing_support::Exists(png));

  ImageFile frame = ReadImage(files[0]);
  ASSERT_EQ(frame.width, 16);
  ASSERT_EQ(frame.height, 16);
  EXPECT_EQ(frame.Colour(3, 3), RGB(0, 0, 255));
  EXPECT_NEAR(frame.Alpha(3, 3), 0x80, 1);
  EXPECT_EQ(frame.Colour(12, 3), RGB(255, 0, 0));
  EXPECT_EQ(frame.Alpha(12, 3), 0xFF);
}

TEST_F(CutterCutTest, AnIconIsTakenAtTheSmallIconSize) {
  ASSERT_EQ(GetSystemMetrics(SM_CXSMICON), 16);
  OpenWith(WriteIcon(Img("two.ico"), {{32, 32, [](int, int) { return 0xFF0000FFu; }},
                                      {16, 16, [](int, int) { return 0xFFFF0000u; }}}));
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"1", "1", "0", "0", "16", "16"}));
  EXPECT_EQ(form.picView.Point(OffsetX(16) + 8, OffsetY(16) + 8), RGB(255, 0, 0));
}

TEST_F(CutterCutTest, AnotherIconOfTheSameNameIsNeverCutFromTheOldPng) {
  OpenWith(WriteIcon(Img("a\\star.ico"), 16, 16, [](int, int) { return 0xFF00FF00u; }));
  // Typed in, not chosen: the next redraw and the cut take the icon named now.
  form.txtFile.SetText(WriteIcon(Img("b\\star.ico"), 16, 16, [](int, int) { return 0xFFFF0000u; }));
  form.ShowCut(false);
  EXPECT_EQ(form.picView.Point(OffsetX(16) + 1, OffsetY(16) + 1), RGB(255, 0, 0));

  testing_support::ScriptedPrompter prompter;
  prompter.AnswerMessage(IDOK).AnswerFile("");
  Click(form.cmdCut.hWnd());
  EXPECT_EQ(ReadImage(Img("b\\star_cut_0.png")).Colour(1, 1), RGB(255, 0, 0));
  EXPECT_FALSE(testing_support::Exists(Img("a\\star_cut_0.png")));
}

TEST_F(CutterCutTest, ADotInAFolderNameDoesNotShortenTheFrameNames) {
  std::string path = WriteImage(Img("my.images\\strip"), 32, 8, PlaceColour);
  OpenWith(path);
  testing_support::ScriptedPrompter prompter;
  prompter.AnswerMessage(IDOK).AnswerFile("");
  Click(form.cmdCut.hWnd());
  EXPECT_EQ(prompter.messages.at(0).text, Success(Frames(path, 4)));
  EXPECT_TRUE(testing_support::Exists(path + "_cut_3.png"));
  EXPECT_FALSE(testing_support::Exists(Img("my_cut_0.png")));
}

TEST_F(CutterCutTest, ASourceNamedLikeAFrameIsNeverReplaced) {
  std::string path = WriteImage(Img("btn_cut_0.png"), 64, 16, PlaceColour);
  OpenWith(path);
  testing_support::ScriptedPrompter prompter;
  prompter.AnswerMessage(IDOK).AnswerFile("");
  Click(form.cmdCut.hWnd());
  EXPECT_EQ(prompter.messages.at(0).text, Success(Frames(Img("btn_cut_0"), 4)));
  EXPECT_EQ(ReadImage(path).width, 64);
}

TEST_F(CutterCutTest, BoxesThatGiveNoFramesFailAndWriteNothing) {
  std::string path = WriteImage(Img("btn.png"), 64, 16, PlaceColour);
  OpenWith(path);
  struct Case {
    ui::TextBox* box;
    std::string text;
  };
  const Case cases[] = {
      {&form.txtWidth, "abc"}, {&form.txtHeight, ""},      {&form.txtHeight, "-3"},
      {&form.txtLeft, "x"},    {&form.txtHorizontal, "0"}, {&form.txtHorizontal, "17"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Type(*c.box, c.text);
    CutExpectingFailure();
    EXPECT_FALSE(testing_support::Exists(Img("btn_cut_0.png")));
    form.ShowCut(true);
  }
}

TEST_F(CutterCutTest, FramesOutsideTheImageFailAndWriteNothing) {
  std::string path = WriteImage(Img("btn.png"), 64, 16, PlaceColour);
  OpenWith(path);
  // The file shrank since it was shown: its frames no longer fit.
  WriteImage(path, 40, 16, PlaceColour);
  CutExpectingFailure();
  EXPECT_FALSE(testing_support::Exists(Img("btn_cut_0.png")));
}

TEST_F(CutterCutTest, ASourceThatCannotBeReadFails) {
  std::string path = WriteImage(Img("btn.png"), 64, 16, PlaceColour);
  OpenWith(path);
  DeleteFileA(path.c_str());
  CutExpectingFailure();
  testing_support::WriteFile(path, "no longer an image");
  CutExpectingFailure();
  EXPECT_FALSE(testing_support::Exists(Img("btn_cut_0.png")));
}

TEST_F(CutterCutTest, AFrameThatCannotBeWrittenFailsTheCut) {
  std::string path = WriteImage(Img("btn.png"), 64, 16, PlaceColour);
  testing_support::MakeFolders(Img("btn_cut_1.png"));
  OpenWith(path);
  CutExpectingFailure();
}

TEST_F(CutterCutTest, TheMessagesComeFromTheLanguageFile) {
  UseLanguage("Split_Success=Saved:$files-$files?\r\n", "Split_Failed=No luck\r\n");
  core::gAppTitle = "Tarnell";
  std::string path = WriteImage(Img("btn.png"), 32, 8, PlaceColour);
  OpenWith(path);
  testing_support::ScriptedPrompter prompter;
  prompter.AnswerMessage(IDOK).AnswerFile("").AnswerMessage(IDCANCEL);
  Click(form.cmdCut.hWnd());
  std::string list;
  for (const std::string& f : Frames(Img("btn"), 4)) list += f + "\r\n";
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Saved:\r\n" + list + "\r\n-\r\n" + list + "\r\n?");
  EXPECT_EQ(prompter.messages[0].title, "Tarnell");

  Type(form.txtWidth, "none");
  Click(form.cmdCut.hWnd());
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[1].text, "No luck");
  EXPECT_TRUE(form.IsLoaded());
}

TEST_F(CutterCutTest, WithoutAFileTheCutDoesNothing) {
  Open();
  testing_support::ScriptedPrompter prompter;
  Click(form.cmdCut.hWnd());
  EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
