#include "tools/frmCutter.h"

#include <commctrl.h>
#include <gdiplus.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <tuple>
#include <vector>

#include "core/files.h"
#include "core/gdiplus_images.h"
#include "core/globals.h"
#include "core/numbers.h"
#include "core/project_loader.h"
#include "core/subclass.h"
#include "core/window_links.h"
#include "support/files.h"
#include "support/png.h"
#include "support/scripted_prompter.h"
#include "tool_form_support.h"

namespace {

using namespace tool_tests;
namespace gp = Gdiplus::DllExports;

// A colour that tells every pixel of a small image from the others, and a
// PNG with every pixel in it.
COLORREF PlaceColour(int x, int y) { return RGB(x * 3, y * 5, 0x40); }
std::string WriteImage(const std::string& path, int width, int height) {
  testing_support::PngPixels image(width, height, 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.At(x, y) = PlaceColour(x, y);
  return testing_support::WriteFile(path, testing_support::EncodePng(image));
}

// An image file read through GDI+.
struct ImageFile {
  Gdiplus::GpBitmap* bitmap = nullptr;
  UINT width = 0, height = 0;
  explicit ImageFile(const std::string& path) {
    if (core::StartGdiPlus()) gp::GdipCreateBitmapFromFile(core::ToWide(path).c_str(), &bitmap);
    gp::GdipGetImageWidth(bitmap, &width);
    gp::GdipGetImageHeight(bitmap, &height);
  }
  ~ImageFile() { gp::GdipDisposeImage(bitmap); }
  std::string Size() const { return std::to_string(width) + " x " + std::to_string(height); }
  Gdiplus::ARGB At(int x, int y) const {
    Gdiplus::ARGB p = 0;
    gp::GdipBitmapGetPixel(bitmap, x, y, &p);
    return p;
  }
  COLORREF Colour(int x, int y) const { return RGB(At(x, y) >> 16 & 0xFF, At(x, y) >> 8 & 0xFF, At(x, y) & 0xFF); }
};

// Little-endian fields, each a value and its size in bytes.
void Put(std::string& s, std::initializer_list<std::pair<uint32_t, int>> fields) {
  for (auto [value, bytes] : fields)
    for (int i = 0; i < bytes; ++i) s.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// An icon file of square 32-bit images, in the order given: each its size,
// then the ARGB colours of its left half and of its right half.
std::string WriteIcon(const std::string& path, const std::vector<std::array<uint32_t, 3>>& images) {
  std::string directory, data;
  Put(directory, {{0, 2}, {1, 2}, {static_cast<uint32_t>(images.size()), 2}});
  for (auto [size, left, right] : images) {
    std::string image;
    Put(image, {{40, 4}, {size, 4}, {size * 2, 4}, {1, 2}, {32, 2}});
    image.append(24, '\0');
    for (uint32_t n = 0; n < size * size; ++n) Put(image, {{n % size < size / 2 ? left : right, 4}});
    image.append((size + 31) / 32 * 4 * size, '\0');
    uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size() + data.size());
    Put(directory, {{size, 1}, {size, 1}, {0, 2}, {1, 2}, {32, 2}, {uint32_t(image.size()), 4}, {offset, 4}});
    data += image;
  }
  return testing_support::WriteFile(path, directory + data);
}

// The frames' paths as a finished cut lists them, and its message without a
// language file.
std::string FrameList(const std::string& base, int count) {
  std::string list;
  for (int i = 0; i < count; ++i) list += base + "_cut_" + std::to_string(i) + ".png\r\n";
  return list;
}
std::string Saved(const std::string& list) {
  return "The following images are sucessfully saved : \r\n" + list + "\r\n Do you want to continue?";
}

// The user's decimal mark while it lives.
struct DecimalMark {
  explicit DecimalMark(const char* mark) : saved(core::DecimalSeparator) {
    core::DecimalSeparator = [mark] { return std::string(mark); };
  }
  ~DecimalMark() { core::DecimalSeparator = saved; }
  std::function<std::string()> saved;
};

std::string Place(const ui::Shape& s) { return Text({s.Left(), s.Top(), s.Width(), s.Height()}); }
// Text typed into a box, or without text a click.
void Act(ui::Control* control, const char* typed) {
  SendMessageA(control->hWnd(), typed ? WM_SETTEXT : BM_CLICK, 0, reinterpret_cast<LPARAM>(typed));
}

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
  // The counts, left, top, width and height.
  std::string Boxes() {
    std::string s = form.txtHorizontal.Text();
    for (ui::TextBox* box : {&form.txtVertical, &form.txtLeft, &form.txtTop, &form.txtWidth, &form.txtHeight})
      s.append(" ").append(box->Text());
    return s;
  }
  int VisibleOutlines() {
    int n = 0;
    for (int i = 0; i < tools::frmCutter::kOutlineCount; ++i) n += form.shpFrame(i).Visible() ? 1 : 0;
    return n;
  }
  // An outline's place in the image.
  ui::Rect Outline(int i, int imageWidth, int imageHeight) {
    ui::Shape& s = form.shpFrame(i);
    return {s.Left() - OffsetX(imageWidth), s.Top() - OffsetY(imageHeight), s.Width(), s.Height()};
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
      // Stored on a larger screen: sized to this one, wholly on it.
      {"30 40 " + std::to_string(sw + 640) + " 400", "0 40 " + std::to_string(sw) + " 400"},
      {"0 0 99999 99999", "0 0 " + std::to_string(sw) + " " + std::to_string(sh)},
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
  std::vector<HWND> wanted = {form.txtFile.hWnd(),  form.txtHorizontal.hWnd(), form.txtVertical.hWnd(),
                              form.txtLeft.hWnd(),  form.txtTop.hWnd(),        form.txtWidth.hWnd(),
                              form.txtHeight.hWnd(), form.cmdBrowse.hWnd(),    form.cmdCut.hWnd()};
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

// ---------------------------------------------------------------- showing and cutting

TEST_F(CutterTest, AnImageIsShownWithItsFramesGuessedAndCutIntoThemBesideIt) {
  // Named relative to the project, as a chosen file inside it is.
  core::gProjectFolder = *this / "img";
  // Under a German setting, whose decimal mark is the comma.
  DecimalMark german(",");
  struct Case {
    const char* file;
    int width, height;
    const char* guessed;
    std::vector<std::pair<ui::Control*, const char*>> typed;  // or clicked, without text
    const char* outlines;                                     // in the image: left top width height
  };
  const Case cases[] = {
      {"one.png", 16, 16, "1 1 0 0 16 16", {}, "0 0 16 16"},
      {"tall.png", 16, 32, "4 4 0 0 4 32", {}, "0 0 4 32, 4 0 4 32, 8 0 4 32, 12 0 4 32"},
      {"three.png", 90, 30, "3 3 0 0 30 30", {}, "0 0 30 30, 30 0 30 30, 60 0 30 30"},
      // Four frames wherever four divides the width, even where three does too.
      {"twelve.png", 48, 16, "4 4 0 0 12 16", {}, "0 0 12 16, 12 0 12 16, 24 0 12 16, 36 0 12 16"},
      {"wide.png", 96, 24, "4 4 0 0 24 24", {}, "0 0 24 24, 24 0 24 24, 48 0 24 24, 72 0 24 24"},
      // 50 pixels in 4 cells, laid out in twips.
      {"odd.png", 50, 20, "4 4 0 0 12 20", {}, "0 0 12 20, 12 0 12 20, 24 0 12 20, 37 0 12 20"},
      // Larger than the view: it starts outside the view's corner.
      {"big.png", 400, 120, "4 4 0 0 100 120", {}, "0 0 100 120, 100 0 100 120, 200 0 100 120, 300 0 100 120"},
      // The custom frame, from every cell.
      {"custom.png", 64, 16, "4 4 0 0 16 16",
       {{&form.txtLeft, "2"}, {&form.txtWidth, "12"}, {&form.txtTop, "3"}, {&form.txtHeight, "10"}},
       "2 3 12 10, 18 3 12 10, 34 3 12 10, 50 3 12 10"},
      {"bar.png", 20, 60, "4 4 0 0 5 60", {{&form.txtVertical, "3"}, {&form.optVertical, nullptr}},
       "0 0 20 20, 0 20 20 20, 0 40 20 20"},
      // A dot in a folder name does not shorten the frames' names.
      {"my.images\\strip", 32, 8, "4 4 0 0 8 8", {}, "0 0 8 8, 8 0 8 8, 16 0 8 8, 24 0 8 8"},
      // A source named like a frame is never replaced.
      {"a_cut_0.png", 32, 8, "4 4 0 0 8 8", {}, "0 0 8 8, 8 0 8 8, 16 0 8 8, 24 0 8 8"},
      // The regional mark: 2,5 frames are 2, the half to the even neighbour.
      {"comma.png", 64, 16, "4 4 0 0 16 16", {{&form.txtHorizontal, "2,5"}}, "0 0 32 16, 32 0 32 16"},
      // An edge that cannot be read leaves its outlines, and the frames, where they were.
      {"leftx.png", 64, 16, "4 4 0 0 16 16", {{&form.txtLeft, "2"}, {&form.txtLeft, "x"}},
       "2 0 14 16, 18 0 14 16, 34 0 14 16, 50 0 14 16"},
      {"topx.png", 64, 16, "4 4 0 0 16 16", {{&form.txtTop, "3"}, {&form.txtTop, ""}},
       "0 3 16 13, 16 3 16 13, 32 3 16 13, 48 3 16 13"},
  };
  Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    std::string path = WriteImage(Img(c.file), c.width, c.height);
    std::string base = path.ends_with(".png") ? path.substr(0, path.size() - 4) : path;
    // An older frame of the same name is replaced.
    testing_support::WriteFile(base + "_cut_0.png", "an older frame");
    form.txtFile.SetText(c.file);
    form.ShowCut(true);
    EXPECT_EQ(Boxes(), c.guessed);
    EXPECT_TRUE(form.optHorizontal.Value());
    // The image's corners and the view beside them, where the view shows them.
    int x = OffsetX(c.width), y = OffsetY(c.height);
    for (POINT p : {POINT{x - 1, y}, POINT{x, y}, POINT{x + c.width - 1, y + c.height - 1}, POINT{x, y + c.height}}) {
      p = {std::clamp<LONG>(p.x, 0, form.picView.ScaleWidth() - 1),
           std::clamp<LONG>(p.y, 0, form.picView.ScaleHeight() - 1)};
      bool inImage = p.x >= x && p.x < x + c.width && p.y >= y && p.y < y + c.height;
      EXPECT_EQ(form.picView.Point(p.x, p.y), inImage ? PlaceColour(p.x - x, p.y - y) : GetSysColor(COLOR_WINDOW));
    }
    EXPECT_EQ(Place(form.shpAll), Text({x, y, c.width, c.height}));
    for (auto [control, typed] : c.typed) Act(control, typed);
    std::string outlines;
    for (int i = 0; i < VisibleOutlines(); ++i) outlines += (i ? ", " : "") + Text(Outline(i, c.width, c.height));
    EXPECT_EQ(outlines, c.outlines);

    // Each frame is the part of the image under its outline. OK asks for
    // the next image.
    testing_support::ScriptedPrompter prompter;
    prompter.AnswerMessage(IDOK).AnswerFile("");
    Act(&form.cmdCut, nullptr);
    int count = VisibleOutlines();
    EXPECT_EQ(prompter.MessageTexts(), std::vector<std::string>{Saved(FrameList(base, count))});
    for (int i = 0; i < count; ++i) {
      ImageFile frame(base + "_cut_" + std::to_string(i) + ".png");
      ui::Rect r = Outline(i, c.width, c.height);
      ASSERT_EQ(frame.Size(), std::to_string(r.width) + " x " + std::to_string(r.height)) << i;
      EXPECT_EQ(frame.Colour(0, 0), PlaceColour(r.left, r.top)) << i;
      EXPECT_EQ(frame.Colour(r.width - 1, r.height - 1), PlaceColour(r.left + r.width - 1, r.top + r.height - 1)) << i;
    }
    EXPECT_FALSE(testing_support::Exists(base + "_cut_" + std::to_string(count) + ".png"));
    EXPECT_EQ(ImageFile(path).Size(), std::to_string(c.width) + " x " + std::to_string(c.height));
  }
}

TEST_F(CutterTest, AFileChosenInOneProjectIsStillShownAndCutThereAfterAnotherProjectIsOpened) {
  // Two projects holding the same file name, each its own strip.
  std::string a = *this / "Projects\\A", b = *this / "Projects\\B";
  std::string chosen = WriteImage(a + "\\control\\full_frame.png", 64, 16);
  testing_support::WritePng(b + "\\control\\full_frame.png", 96, 24, RGB(0, 255, 0));
  core::gProjectFolder = a;
  Open();
  testing_support::ScriptedPrompter prompter;
  prompter.AnswerFile(chosen);
  Act(&form.cmdBrowse, nullptr);
  EXPECT_EQ(form.txtFile.Text(), "control\\full_frame.png");

  core::gProjectFolder = b;
  // Redrawn, the view shows the chosen strip, which the box now names in full.
  SetClientSize(form, 400, 400);
  int x = (form.picView.ScaleWidth() - 64) / 2, y = (form.picView.ScaleHeight() - 16) / 2;
  EXPECT_EQ(form.picView.Point(x + 1, y + 1), PlaceColour(1, 1));
  EXPECT_EQ(form.txtFile.Text(), chosen);

  prompter.AnswerMessage(IDOK).AnswerFile("");
  Act(&form.cmdCut, nullptr);
  EXPECT_EQ(prompter.MessageTexts(), std::vector<std::string>{Saved(FrameList(a + "\\control\\full_frame", 4))});
  for (int i = 0; i < 4; ++i) {
    ImageFile frame(a + "\\control\\full_frame_cut_" + std::to_string(i) + ".png");
    ASSERT_EQ(frame.Size(), "16 x 16") << i;
    EXPECT_EQ(frame.Colour(15, 15), PlaceColour(16 * i + 15, 15)) << i;
  }
  EXPECT_EQ(core::gFileSystem.FileNames(b + "\\control"), std::vector<std::string>{"full_frame.png"});
}

TEST_F(CutterTest, OnceAnotherProjectIsOpenTheBoxNamesTheFileChosenBeforeInFull) {
  core::gProjectFolder = *this / "Projects\\A";
  std::string chosen = WriteImage(core::gProjectFolder + "\\control\\full_frame.png", 64, 16);
  Open();
  testing_support::ScriptedPrompter prompter;
  prompter.AnswerFile(chosen);
  Act(&form.cmdBrowse, nullptr);
  ASSERT_EQ(form.txtFile.Text(), "control\\full_frame.png");
  core::gProjectFolder = *this / "Projects\\B";
  core::LoadProject();
  EXPECT_EQ(form.txtFile.Text(), chosen);
}

TEST_F(CutterTest, TheBoxesKeepTheCustomFrameInsideItsCellAndTheCountsSetTheCells) {
  OpenWith(WriteImage(Img("strip.png"), 64, 16));
  // The boxes, their up-downs, and the outlines: how many show, and the
  // first one's place in the image.
  auto state = [&] {
    std::string s = Boxes() + " |";
    for (int i : {kHorizontal, kVertical, kLeft, kTop, kWidth, kHeight})
      s.append(" ").append(std::to_string(SendMessageA(form.UpDown(i), UDM_GETPOS32, 0, 0)));
    return s + " | " + std::to_string(VisibleOutlines()) + ": " + Text(Outline(0, 64, 16));
  };
  // What is typed into a box or clicked (no text), and the state after it.
  const std::tuple<ui::Control*, const char*, const char*> steps[] = {
      // 20 into the width of a 16-pixel cell.
      {&form.txtWidth, "20", "4 4 0 0 16 16 | 4 4 0 0 16 16 | 4: 0 0 16 16"},
      // The left edge at 10, then a width of 10 moves it back to 6.
      {&form.txtLeft, "10", "4 4 10 0 6 16 | 4 4 10 0 6 16 | 4: 10 0 6 16"},
      {&form.txtWidth, "10", "4 4 6 0 10 16 | 4 4 6 0 10 16 | 4: 6 0 10 16"},
      // Both emptied: the frame fills its cell.
      {&form.txtWidth, "", "4 4 6 0  16 | 4 4 6 0 0 16 | 4: 6 0 10 16"},
      {&form.txtLeft, "", "4 4 0 0 16 16 | 4 4 0 0 16 16 | 4: 0 0 16 16"},
      {&form.txtTop, "12", "4 4 0 12 16 4 | 4 4 0 12 16 4 | 4: 0 12 16 4"},
      {&form.txtHeight, "16", "4 4 0 0 16 16 | 4 4 0 0 16 16 | 4: 0 0 16 16"},
      // A negative edge counts as 0; a negative height stays negative, and
      // the outline keeps its height.
      {&form.txtWidth, "12", "4 4 0 0 12 16 | 4 4 0 0 12 16 | 4: 0 0 12 16"},
      {&form.txtLeft, "-3", "4 4 -3 0 12 16 | 4 4 0 0 12 16 | 4: -3 0 12 16"},
      {&form.txtTop, "10", "4 4 -3 10 12 6 | 4 4 0 10 12 6 | 4: -3 10 12 6"},
      {&form.txtHeight, "-3", "4 4 -3 10 12 -3 | 4 4 0 10 12 0 | 4: -3 10 12 6"},
      // Fractions round to the even neighbour; other text counts as 0.
      {&form.txtLeft, "2.5", "4 4 2.5 10 12 -3 | 4 4 2 10 12 0 | 4: 2 10 12 6"},
      {&form.txtLeft, " 3.5 ", "4 4  3.5  10 12 -3 | 4 4 4 10 12 0 | 4: 4 10 12 6"},
      {&form.txtLeft, "0x5", "4 4 0x5 10 12 -3 | 4 4 0 10 12 0 | 4: 4 10 12 6"},
      // A count sets the cells of its own direction only, and 0 leaves them.
      {&form.txtHorizontal, "3", "3 4 0 10 21 -3 | 3 4 0 10 21 0 | 3: 0 10 21 6"},
      {&form.txtVertical, "5", "3 5 0 10 21 -3 | 3 5 0 10 21 0 | 3: 0 10 21 6"},
      {&form.optVertical, nullptr, "3 5 0 0 64 3 | 3 5 0 0 64 3 | 5: 0 0 64 3"},
      {&form.txtVertical, "0", "3 0 0 0 64 3 | 3 1 0 0 64 3 | 5: 0 0 64 3"},
      {&form.optHorizontal, nullptr, "3 0 0 0 21 16 | 3 1 0 0 21 16 | 3: 0 0 21 16"},
  };
  for (auto [control, typed, expected] : steps) {
    SCOPED_TRACE(typed ? typed : "click");
    Act(control, typed);
    EXPECT_EQ(state(), expected);
  }
  EXPECT_TRUE(form.optHorizontal.Value());
  EXPECT_FALSE(form.optVertical.Value());
  EXPECT_EQ(form.shpFrame(2).Left() - form.shpFrame(0).Left(), 2 * 21);
  EXPECT_EQ(form.lblDimension.Caption(), "Image : 64 x 16   Frame : 21 x 16   Custom Frame : 21 x 16");

  // Resized, the image stays centred: (475 - 64) / 2 = 205.5 rounds to the
  // even 206.
  SetClientSize(form, 503, 400);
  ASSERT_EQ(form.picView.ScaleWidth(), 475);
  int y = (form.picView.ScaleHeight() - 16) / 2;
  EXPECT_EQ(Place(form.shpAll), Text({206, y, 64, 16}));
  EXPECT_EQ(form.shpFrame(1).Left(), 206 + 21);
  EXPECT_EQ(form.picView.Point(206, y), PlaceColour(0, 0));
  // A file that cannot be read shows an empty image, not the size of the one before.
  form.txtFile.SetText(testing_support::WriteFile(Img("broken.png"), "not an image"));
  form.ShowCut(true);
  EXPECT_EQ(form.lblDimension.Caption(), "Image : 0 x 0   Frame : 0 x 0   Custom Frame : 0 x 0");
  EXPECT_EQ(form.picView.Point(206, y), GetSysColor(COLOR_WINDOW));
}

TEST_F(CutterTest, AnIconIsShownAndCutAtTheSmallIconSizeThroughAPngOfItsOwn) {
  ASSERT_EQ(GetSystemMetrics(SM_CXSMICON), 16);
  OpenWith(WriteIcon(Img("a\\star.ico"), {{16, 0xFF00FF00u, 0xFF00FF00u}}));
  // Another icon of the same name, typed in, not chosen: the redraw and the
  // cut take it, not the PNG made of the first. Its 16-pixel image, after a
  // 32-pixel one, is half-transparent blue on the left and red on the right.
  form.txtFile.SetText(WriteIcon(Img("star.ico"), {{32, 0xFF00FF00u, 0xFF00FF00u}, {16, 0x800000FFu, 0xFFFF0000u}}));
  form.ShowCut(false);
  std::string png = *this / "Temp\\star.png";
  ASSERT_TRUE(testing_support::Exists(png));
  EXPECT_EQ(Boxes(), "1 1 0 0 16 16");
  EXPECT_EQ(form.picView.Point(OffsetX(16) + 12, OffsetY(16) + 3), RGB(255, 0, 0));

  testing_support::ScriptedPrompter prompter;
  prompter.AnswerMessage(IDOK).AnswerFile("");
  Act(&form.cmdCut, nullptr);
  EXPECT_EQ(prompter.MessageTexts(), std::vector<std::string>{Saved(FrameList(Img("star"), 1))});
  EXPECT_FALSE(testing_support::Exists(png));
  ImageFile frame(Img("star_cut_0.png"));
  ASSERT_EQ(frame.Size(), "16 x 16");
  EXPECT_EQ(frame.Colour(3, 3), RGB(0, 0, 255));
  EXPECT_NEAR(static_cast<int>(frame.At(3, 3) >> 24), 0x80, 1);
  EXPECT_EQ(frame.At(12, 3), 0xFFFF0000u);
}

TEST_F(CutterTest, ACutOntoAFullDiskKeepsTheFrameItWasToReplace) {
  const std::string older = testing_support::WriteFile(Img("anim_cut_0.png"), "a frame of an earlier cut");
  OpenWith(WriteImage(Img("anim.png"), 64, 16));
  core::gFileSystem.scratchRoom = 40;
  testing_support::ScriptedPrompter prompter;
  prompter.AnswerMessage(IDCANCEL);
  Act(&form.cmdCut, nullptr);
  core::gFileSystem.scratchRoom = -1;
  EXPECT_EQ(prompter.MessageTexts(), std::vector<std::string>{"Failed to split image!"});
  EXPECT_EQ(testing_support::ReadFile(older), "a frame of an earlier cut");
  EXPECT_EQ(core::gFileSystem.FileNames(*this / "img"), (std::vector<std::string>{"anim.png", "anim_cut_0.png"}));
}

TEST_F(CutterTest, ACutThatCannotBeMadeSaysSoAndWritesNothingAndTheMessagesComeFromTheLanguageFile) {
  // Without a file it does nothing: no prompt is scripted here.
  Open();
  Act(&form.cmdCut, nullptr);
  std::string path = Img("btn.png");
  const std::pair<const char*, std::function<void()>> spoilers[] = {
      {"width abc", [&] { Act(&form.txtWidth, "abc"); }},
      {"no height", [&] { Act(&form.txtHeight, ""); }},
      {"height -3", [&] { Act(&form.txtHeight, "-3"); }},
      {"0 frames", [&] { Act(&form.txtHorizontal, "0"); }},
      {"17 frames", [&] { Act(&form.txtHorizontal, "17"); }},
      // Since it was shown the file shrank, went, or stopped being an image.
      {"shrunk", [&] { WriteImage(path, 40, 16); }},
      {"deleted", [&] { DeleteFileA(path.c_str()); }},
      {"not an image", [&] { testing_support::WriteFile(path, "no longer an image"); }},
      {"a frame that cannot be written", [&] { testing_support::MakeFolders(Img("btn_cut_0.png")); }},
  };
  for (const auto& [what, spoil] : spoilers) {
    SCOPED_TRACE(what);
    OpenWith(WriteImage(path, 64, 16));
    spoil();
    // Cancel keeps the window.
    testing_support::ScriptedPrompter prompter;
    prompter.AnswerMessage(IDCANCEL);
    Act(&form.cmdCut, nullptr);
    EXPECT_EQ(prompter.MessageTexts(), std::vector<std::string>{"Failed to split image!"});
    EXPECT_EQ(prompter.messages.at(0).type & 0xF, static_cast<UINT>(MB_OKCANCEL));
    EXPECT_TRUE(form.IsLoaded());
    for (const std::string& file : core::gFileSystem.FileNames(*this / "img")) EXPECT_EQ(file, "btn.png");
  }

  // Cancel after a cut closes the window.
  UseLanguage("Split_Success=Saved:$files-$files?\r\n", "Split_Failed=No luck\r\n");
  core::gAppTitle = "Tarnell";
  OpenWith(WriteImage(Img("strip.png"), 32, 8));
  testing_support::ScriptedPrompter prompter;
  prompter.AnswerMessage(IDCANCEL).AnswerMessage(IDCANCEL);
  Act(&form.txtWidth, "none");
  Act(&form.cmdCut, nullptr);
  Act(&form.txtWidth, "8");
  Act(&form.cmdCut, nullptr);
  std::string list = FrameList(Img("strip"), 4);
  EXPECT_EQ(prompter.MessageTexts(),
            (std::vector<std::string>{"No luck", "Saved:\r\n" + list + "\r\n-\r\n" + list + "\r\n?"}));
  EXPECT_EQ(prompter.messages.at(1).title, "Tarnell");
  EXPECT_EQ(prompter.messages.at(1).type & 0xF, static_cast<UINT>(MB_OKCANCEL));
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_FALSE(core::gCutterShown);
}

}  // namespace
