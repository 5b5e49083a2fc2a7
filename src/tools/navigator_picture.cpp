#include "tools/navigator_picture.h"

#include <span>

namespace tools {

namespace {

// Small pictures drawn inside a square, on a grid of 16 x 16 units.
enum class Glyph { Left, Right, Up, Down, Ring, Disc, Cross, Minus, Square, Page, Folder, Star, House, Lens, Lines };

enum class Kind { Fill, Gradient, Frame, Text, Bold, Icon };

struct Item {
  Kind kind;
  int x, y, w, h;  // an icon's square is w x w
  COLORREF colour;
  COLORREF colour2 = 0;  // the gradient's bottom colour
  const char* text = "";
  Glyph glyph = Glyph::Disc;
};

constexpr Item Fill(int x, int y, int w, int h, COLORREF c) { return {Kind::Fill, x, y, w, h, c}; }
constexpr Item Gradient(int x, int y, int w, int h, COLORREF top, COLORREF bottom) {
  return {Kind::Gradient, x, y, w, h, top, bottom};
}
constexpr Item Frame(int x, int y, int w, int h, COLORREF c) { return {Kind::Frame, x, y, w, h, c}; }
constexpr Item Text(int x, int y, int w, const char* text, COLORREF c) { return {Kind::Text, x, y, w, 17, c, 0, text}; }
constexpr Item Bold(int x, int y, int w, const char* text, COLORREF c) { return {Kind::Bold, x, y, w, 17, c, 0, text}; }
constexpr Item Icon(Glyph g, int x, int y, int size, COLORREF c) { return {Kind::Icon, x, y, size, size, c, 0, "", g}; }

constexpr COLORREF kFrameLine = RGB(96, 120, 160);
constexpr COLORREF kBody = RGB(214, 223, 236);
constexpr COLORREF kLight = RGB(246, 248, 252);
constexpr COLORREF kShade = RGB(206, 217, 234);
constexpr COLORREF kBarTop = RGB(200, 212, 232);
constexpr COLORREF kBarBottom = RGB(176, 192, 218);
constexpr COLORREF kLine = RGB(160, 176, 200);
constexpr COLORREF kText = RGB(51, 51, 51);
constexpr COLORREF kNavy = RGB(30, 50, 100);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kBlue = RGB(46, 104, 180);
constexpr COLORREF kGreen = RGB(58, 150, 60);
constexpr COLORREF kRed = RGB(200, 50, 40);
constexpr COLORREF kYellow = RGB(226, 172, 36);

// The browser window, back to front. Comments name the map's pieces that
// the items lie in.
constexpr Item kPicture[] = {
    Fill(0, 0, 735, 355, kBody), Frame(0, 0, 735, 355, kFrameLine),
    // Caption and menu bar: icon, caption, menu names, window buttons.
    Gradient(3, 3, 729, 25, kLight, kShade), Icon(Glyph::Disc, 10, 9, 16, kBlue), Icon(Glyph::Ring, 10, 9, 16, kWhite),
    Bold(29, 11, 145, "Velmora 2 - Home Page", kNavy),
    Text(317, 10, 273, "File   Edit   View   Favorites   Tools   Help", kText),
    Icon(Glyph::Disc, 625, 9, 15, kBlue), Icon(Glyph::Minus, 651, 9, 15, kText), Icon(Glyph::Square, 675, 9, 15, kText),
    Fill(697, 8, 27, 17, kRed), Icon(Glyph::Cross, 703, 9, 15, kWhite),
    // Main tool bar: new, back, forward, history, refresh, stop, home, undo.
    Gradient(3, 28, 729, 33, kLight, kShade), Icon(Glyph::Page, 16, 34, 22, kBlue),
    Icon(Glyph::Left, 59, 34, 22, kGreen), Icon(Glyph::Right, 89, 34, 22, kGreen), Icon(Glyph::Down, 121, 39, 12, kText),
    Icon(Glyph::Ring, 145, 34, 22, kGreen), Icon(Glyph::Disc, 175, 34, 22, kRed), Icon(Glyph::Cross, 179, 38, 14, kWhite),
    Icon(Glyph::House, 215, 34, 22, kBlue), Icon(Glyph::Left, 245, 34, 22, kYellow),
    // Address combo box with its text and drop-down button; go button.
    Fill(285, 34, 209, 25, kWhite), Frame(285, 34, 209, 25, kLine), Icon(Glyph::Page, 289, 38, 16, kBlue),
    Text(307, 38, 158, "http://www.velmora.com/", kText), Gradient(467, 35, 26, 23, kLight, kShade),
    Icon(Glyph::Down, 474, 42, 12, kText), Icon(Glyph::Right, 497, 37, 19, kGreen),
    // Search box and its buttons.
    Fill(522, 35, 160, 25, kWhite), Frame(522, 35, 160, 25, kLine), Text(528, 39, 150, "Search", kGrey),
    Icon(Glyph::Lens, 686, 38, 19, kBlue), Icon(Glyph::Square, 708, 40, 14, kYellow),
    // Tab bar: side bar button, active tab (animation, text, close), normal
    // tab, tab bar buttons.
    Gradient(13, 61, 713, 32, kBarTop, kBarBottom), Frame(17, 68, 16, 16, kBlue), Fill(17, 68, 5, 16, kBlue),
    Fill(38, 63, 273, 30, kWhite), Frame(38, 63, 273, 31, kLine), Icon(Glyph::Ring, 46, 70, 15, kBlue),
    Bold(66, 69, 217, "Velmora 2 - Home Page", kText), Icon(Glyph::Cross, 290, 71, 13, kText),
    Gradient(311, 65, 252, 26, kLight, kShade), Frame(311, 65, 252, 27, kLine), Icon(Glyph::Page, 380, 70, 15, kGrey),
    Text(399, 69, 150, "Blank Page", kText), Icon(Glyph::Lines, 680, 70, 15, kText), Icon(Glyph::Cross, 707, 71, 13, kText),
    // Side bar: title, tab strip with its two tabs, favorites.
    Gradient(5, 93, 209, 25, kLight, kShade), Bold(12, 97, 150, "Favorites", kText), Icon(Glyph::Cross, 196, 100, 11, kText),
    Fill(36, 118, 178, 205, kWhite), Gradient(6, 118, 30, 205, kBarTop, kBarBottom), Fill(8, 120, 28, 33, kWhite),
    Icon(Glyph::Star, 12, 128, 18, kYellow), Icon(Glyph::Ring, 12, 161, 18, kGrey), Icon(Glyph::Minus, 12, 161, 9, kGrey),
    Text(66, 123, 140, "Add to Favorites", kText), Icon(Glyph::Folder, 44, 170, 16, kYellow),
    Text(64, 170, 130, "Skins", kText), Icon(Glyph::Folder, 44, 190, 16, kYellow), Icon(Glyph::Page, 48, 194, 10, kWhite),
    Text(64, 190, 130, "Velmora", kText), Icon(Glyph::Page, 44, 210, 16, kBlue), Text(64, 210, 130, "Velmora Home Page", kText),
    // Web tool bar: navigation buttons, then font size, encoding, content
    // control, favorites, form filler, screenshot, clean history.
    Gradient(214, 93, 513, 25, kLight, kShade), Icon(Glyph::Left, 219, 96, 16, kGreen), Icon(Glyph::Right, 239, 96, 16, kGreen),
    Icon(Glyph::Up, 260, 96, 16, kBlue), Bold(373, 96, 14, "A", kBlue), Text(388, 96, 54, "Font Size", kText),
    Icon(Glyph::Ring, 445, 97, 15, kBlue), Text(462, 96, 56, "Encoding", kText), Icon(Glyph::Square, 521, 97, 15, kGreen),
    Text(538, 96, 96, "Content Control", kText), Icon(Glyph::Star, 639, 97, 15, kYellow),
    Icon(Glyph::Lines, 663, 97, 15, kBlue), Icon(Glyph::Disc, 687, 97, 15, kGrey), Icon(Glyph::Cross, 710, 98, 13, kRed),
    // Find-in-page bar.
    Gradient(214, 118, 497, 25, kBarTop, kBarBottom), Icon(Glyph::Lens, 219, 121, 19, kBlue), Text(245, 122, 40, "Find:", kText),
    Fill(285, 121, 150, 19, kWhite), Frame(285, 121, 150, 19, kLine), Icon(Glyph::Cross, 697, 124, 11, kText),
    // The page, then an opened menu over it with its hovered item.
    Fill(214, 143, 512, 180, kWhite), Fill(213, 143, 1, 180, kLine), Fill(539, 143, 188, 121, kLight), Frame(539, 143, 188, 121, kGrey),
    Text(566, 145, 150, "New Tab", kText), Gradient(541, 163, 183, 25, RGB(255, 236, 180), RGB(250, 210, 120)),
    Frame(541, 163, 183, 25, kYellow), Text(566, 167, 150, "Open File...", kText), Text(566, 189, 150, "Save Page As...", kText),
    Text(566, 208, 150, "Print...", kText), Fill(545, 228, 177, 1, kLine), Text(566, 231, 150, "Work Offline", kText),
    Text(566, 246, 150, "Exit", kText),
    // Status bar: address text, progress, status buttons.
    Gradient(13, 324, 713, 25, kLight, kShade), Icon(Glyph::Disc, 15, 331, 10, kGreen),
    Text(27, 328, 257, "http://www.velmora.com/", kText), Frame(287, 329, 129, 15, kLine), Fill(288, 330, 89, 13, kGreen),
    Icon(Glyph::Down, 473, 330, 14, kGreen), Icon(Glyph::Disc, 496, 330, 14, kYellow), Icon(Glyph::Square, 519, 330, 14, kBlue),
    Icon(Glyph::Page, 542, 330, 14, kBlue), Icon(Glyph::Folder, 565, 330, 14, kYellow), Icon(Glyph::Disc, 592, 330, 14, kRed),
    Icon(Glyph::Lens, 620, 330, 14, kBlue),
};

// The outline of each filled glyph on the 16-unit grid.
constexpr POINT kLeft[] = {{0, 8}, {7, 1}, {7, 5}, {16, 5}, {16, 11}, {7, 11}, {7, 15}};
constexpr POINT kRight[] = {{16, 8}, {9, 1}, {9, 5}, {0, 5}, {0, 11}, {9, 11}, {9, 15}};
constexpr POINT kUp[] = {{8, 0}, {15, 7}, {11, 7}, {11, 16}, {5, 16}, {5, 7}, {1, 7}};
constexpr POINT kDown[] = {{0, 4}, {16, 4}, {8, 12}};
constexpr POINT kPage[] = {{2, 0}, {11, 0}, {14, 3}, {14, 16}, {2, 16}};
constexpr POINT kFolder[] = {{0, 3}, {6, 3}, {8, 5}, {16, 5}, {16, 15}, {0, 15}};
constexpr POINT kStar[] = {{8, 0}, {10, 6}, {16, 6}, {11, 10}, {13, 16}, {8, 12}, {3, 16}, {5, 10}, {0, 6}, {6, 6}};
constexpr POINT kHouse[] = {{8, 1}, {16, 8}, {13, 8}, {13, 15}, {3, 15}, {3, 8}, {0, 8}};

std::span<const POINT> Outline(Glyph g) {
  switch (g) {
    case Glyph::Left: return kLeft;
    case Glyph::Right: return kRight;
    case Glyph::Up: return kUp;
    case Glyph::Down: return kDown;
    case Glyph::Page: return kPage;
    case Glyph::Folder: return kFolder;
    case Glyph::Star: return kStar;
    case Glyph::House: return kHouse;
    default: return {};
  }
}

void DrawGlyph(HDC dc, const Item& item) {
  const int x = item.x, y = item.y, s = item.w;
  auto at = [&](int gx, int gy) { return POINT{x + gx * s / 16, y + gy * s / 16}; };
  ui::UniquePen pen(CreatePen(PS_SOLID, s >= 14 ? 2 : 1, item.colour));
  ui::UniqueBrush brush(CreateSolidBrush(item.glyph == Glyph::Page ? kWhite : item.colour));
  ui::SelectGuard p(dc, pen.get());
  ui::SelectGuard b(dc, brush.get());
  std::span<const POINT> outline = Outline(item.glyph);
  if (!outline.empty()) {
    POINT points[16];
    for (size_t i = 0; i < outline.size(); ++i) points[i] = at(outline[i].x, outline[i].y);
    Polygon(dc, points, static_cast<int>(outline.size()));
    return;
  }
  ui::SelectGuard hollow(dc, GetStockObject(NULL_BRUSH));
  switch (item.glyph) {
    case Glyph::Ring: Ellipse(dc, x + 1, y + 1, x + s - 1, y + s - 1); break;
    case Glyph::Disc: {
      ui::SelectGuard filled(dc, brush.get());
      Ellipse(dc, x, y, x + s, y + s);
      break;
    }
    case Glyph::Cross:
      MoveToEx(dc, x + 2, y + 2, nullptr);
      LineTo(dc, x + s - 2, y + s - 2);
      MoveToEx(dc, x + s - 3, y + 2, nullptr);
      LineTo(dc, x + 1, y + s - 2);
      break;
    case Glyph::Minus:
      MoveToEx(dc, x + 3, y + s / 2, nullptr);
      LineTo(dc, x + s - 3, y + s / 2);
      break;
    case Glyph::Square: Rectangle(dc, x + 2, y + 2, x + s - 2, y + s - 2); break;
    case Glyph::Lens:
      Ellipse(dc, x + 1, y + 1, x + s * 2 / 3, y + s * 2 / 3);
      MoveToEx(dc, x + s * 2 / 3 - 2, y + s * 2 / 3 - 2, nullptr);
      LineTo(dc, x + s - 1, y + s - 1);
      break;
    case Glyph::Lines:
      for (int row = 1; row <= 3; ++row) {
        MoveToEx(dc, x + 2, y + row * s / 4, nullptr);
        LineTo(dc, x + s - 2, y + row * s / 4);
      }
      break;
    default: break;
  }
}

ui::UniqueFont MakeFont(bool bold) {
  return ui::UniqueFont(CreateFontA(-11, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_DONTCARE, "Segoe UI"));
}

void Draw(HDC dc, const Item& item, HFONT plain, HFONT bold) {
  RECT r{item.x, item.y, item.x + item.w, item.y + item.h};
  switch (item.kind) {
    case Kind::Fill: {
      ui::UniqueBrush brush(CreateSolidBrush(item.colour));
      FillRect(dc, &r, brush.get());
      break;
    }
    case Kind::Gradient: {
      TRIVERTEX v[2] = {{r.left, r.top, static_cast<COLOR16>(GetRValue(item.colour) << 8),
                         static_cast<COLOR16>(GetGValue(item.colour) << 8),
                         static_cast<COLOR16>(GetBValue(item.colour) << 8), 0},
                        {r.right, r.bottom, static_cast<COLOR16>(GetRValue(item.colour2) << 8),
                         static_cast<COLOR16>(GetGValue(item.colour2) << 8),
                         static_cast<COLOR16>(GetBValue(item.colour2) << 8), 0}};
      GRADIENT_RECT g{0, 1};
      GradientFill(dc, v, 2, &g, 1, GRADIENT_FILL_RECT_V);
      break;
    }
    case Kind::Frame: {
      ui::UniqueBrush brush(CreateSolidBrush(item.colour));
      FrameRect(dc, &r, brush.get());
      break;
    }
    case Kind::Text:
    case Kind::Bold: {
      ui::SelectGuard font(dc, item.kind == Kind::Bold ? bold : plain);
      SetTextColor(dc, item.colour);
      DrawTextA(dc, item.text, -1, &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
      break;
    }
    case Kind::Icon: DrawGlyph(dc, item); break;
  }
}

}  // namespace

ui::UniqueBitmap MakeBrowserPicture() {
  ui::WindowDC screen(nullptr);
  ui::UniqueBitmap picture(CreateCompatibleBitmap(screen.get(), kBrowserPictureWidth, kBrowserPictureHeight));
  ui::UniqueDC dc(CreateCompatibleDC(screen.get()));
  if (!picture || !dc) return {};
  ui::UniqueFont plain = MakeFont(false);
  ui::UniqueFont bold = MakeFont(true);
  ui::SelectGuard select(dc.get(), picture.get());
  SetBkMode(dc.get(), TRANSPARENT);
  for (const Item& item : kPicture) Draw(dc.get(), item, plain.get(), bold.get());
  return picture;
}

ui::UniqueBitmap MakeAddFavIcon(HBITMAP picture, int left, int top, int size) {
  ui::WindowDC screen(nullptr);
  ui::UniqueBitmap icon(CreateCompatibleBitmap(screen.get(), size, size));
  ui::UniqueDC dc(CreateCompatibleDC(screen.get()));
  ui::UniqueDC source(CreateCompatibleDC(screen.get()));
  if (!icon || !dc || !source) return {};
  ui::SelectGuard target(dc.get(), icon.get());
  {
    ui::SelectGuard from(source.get(), picture);
    BitBlt(dc.get(), 0, 0, size, size, source.get(), left, top, SRCCOPY);
  }
  // A star with a green plus at its lower right.
  int star = size * 3 / 4;
  Draw(dc.get(), Icon(Glyph::Star, 2, 2, star, kYellow), nullptr, nullptr);
  Draw(dc.get(), Fill(size - 9, size - 13, 3, 11, kGreen), nullptr, nullptr);
  Draw(dc.get(), Fill(size - 13, size - 9, 11, 3, kGreen), nullptr, nullptr);
  return icon;
}

}  // namespace tools
