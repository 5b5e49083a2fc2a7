#include "core/colors.h"

#include <commdlg.h>

#include <optional>

#include "core/files.h"
#include "core/window_links.h"
#include "ui/picture.h"
#include "ui/prompts.h"

namespace core {

namespace {

std::string TrimBlanks(const std::string& text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// A decimal 16-bit integer with an optional sign; nothing when the text is
// no such number.
std::optional<int> ParseInt16(const std::string& text) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > 32768) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > 32767) return std::nullopt;
  return static_cast<int>(value);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Two hexadecimal digits at pos; nothing when they are not there.
std::optional<int> HexByte(const std::string& text, size_t pos) {
  if (pos + 2 > text.size()) return std::nullopt;
  int high = HexDigit(text[pos]);
  int low = HexDigit(text[pos + 1]);
  if (high < 0 || low < 0) return std::nullopt;
  return high * 16 + low;
}

int32_t ColourOf(int r, int g, int b) { return r + g * 256 + b * 65536; }

int32_t ParseRgbForm(std::string text) {
  auto paren = text.find('(');
  if (paren != std::string::npos) text = text.substr(paren + 1);
  text = ReplaceAll(text, ")", "");
  auto parts = Split(text, ",");
  if (parts.size() < 3) return 0;
  int rgb[3];
  for (int i = 0; i < 3; ++i) {
    auto value = ParseInt16(TrimBlanks(parts[static_cast<size_t>(i)]));
    // The classic RGB function rejects negative components and clips the
    // others at 255.
    if (!value || *value < 0) return 0;
    rgb[i] = std::min(*value, 255);
  }
  return ColourOf(rgb[0], rgb[1], rgb[2]);
}

int32_t ParseHexForm(std::string text) {
  if (!text.empty() && text[0] == '#') text.erase(0, 1);
  if (text.size() == 3) text = {text[0], text[0], text[1], text[1], text[2], text[2]};
  if (text.size() < 4) return 0;
  // Red and green from the front, blue from the end: "1234" reads 12 34 34,
  // and of eight digits the third pair is skipped.
  auto red = HexByte(text, 0);
  auto green = HexByte(text, 2);
  auto blue = HexByte(text, text.size() - 2);
  if (!red || !green || !blue) return 0;
  return ColourOf(*red, *green, *blue);
}

}  // namespace

int32_t ParseColor(const std::string& text) {
  if (EqualsNoCase(text.substr(0, 3), "RGB")) return ParseRgbForm(text);
  return ParseHexForm(text);
}

std::string ColorToHex(int32_t colour) {
  static const char kDigits[] = "0123456789ABCDEF";
  auto bits = static_cast<uint32_t>(colour);
  std::string hex = "#";
  for (int shift : {0, 8, 16}) {
    unsigned byte = (bits >> shift) & 0xFF;
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 0xF];
  }
  return hex;
}

int32_t PickColor(int32_t initial) {
  ui::ColorRequest request;
  request.owner = MainWindowHandle();
  request.initial = static_cast<COLORREF>(initial);
  request.flags = CC_RGBINIT;
  request.custom.fill(GetSysColor(COLOR_BTNFACE));
  request.custom[0] = static_cast<COLORREF>(initial);
  long chosen = ui::Prompts().PickColor(request);
  return chosen < 0 ? -1 : static_cast<int32_t>(chosen);
}

void DrawGradient(ui::PictureBox& picture, int32_t startColour, int32_t endColour, int mode, bool inset) {
  int w = picture.Width();
  int h = picture.Height();
  int d = inset ? 1 : 0;
  // Each 8-bit component in the high byte of its 16-bit channel; alpha 0.
  auto vertex = [](int x, int y, int32_t colour) {
    auto c = static_cast<uint32_t>(colour);
    TRIVERTEX v{};
    v.x = x;
    v.y = y;
    v.Red = static_cast<COLOR16>((c & 0xFF) << 8);
    v.Green = static_cast<COLOR16>(((c >> 8) & 0xFF) << 8);
    v.Blue = static_cast<COLOR16>(((c >> 16) & 0xFF) << 8);
    v.Alpha = 0;
    return v;
  };
  TRIVERTEX vertices[2] = {vertex(d, d, startColour), vertex(w - d, h - d, endColour)};
  GRADIENT_RECT rect{0, 1};
  HDC dc = picture.hDC();
  if (dc) GradientFill(dc, vertices, 2, &rect, 1, mode == 1 ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
  picture.Refresh();
}

}  // namespace core
