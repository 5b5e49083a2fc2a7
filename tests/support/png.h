// PNG files made by tests at run time: a small encoder over zlib, so that
// image tests need no binary fixtures and can state the resolution a file
// claims (its pHYs chunk).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

// An image of opaque pixels, row by row from the top, as colour references.
struct PngPixels {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;
  PngPixels(int w, int h, COLORREF fill) : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}
  COLORREF& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The bytes of a 24-bit RGB PNG; with dpi above 0 it carries a pHYs chunk
// stating that resolution.
std::string EncodePng(const PngPixels& image, int dpi = 0);
// Writes a PNG of one colour; returns the path.
std::string WritePng(const std::string& path, int width, int height, COLORREF colour, int dpi = 0);

}  // namespace testing_support
