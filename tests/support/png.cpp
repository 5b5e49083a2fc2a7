#include "support/png.h"

#include <zlib.h>

#include "support/files.h"

namespace testing_support {

namespace {

void PutBigEndian(std::string& out, uint32_t value) {
  out += static_cast<char>(value >> 24);
  out += static_cast<char>(value >> 16);
  out += static_cast<char>(value >> 8);
  out += static_cast<char>(value);
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
  PutBigEndian(out, static_cast<uint32_t>(data.size()));
  std::string body = std::string(type, 4) + data;
  out += body;
  PutBigEndian(out, static_cast<uint32_t>(
                        crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()))));
}

}  // namespace

std::string EncodePng(const PngPixels& image, int dpi) {
  std::string png = "\x89PNG\r\n\x1a\n";

  std::string header;
  PutBigEndian(header, static_cast<uint32_t>(image.width));
  PutBigEndian(header, static_cast<uint32_t>(image.height));
  header += '\x08';  // bit depth
  header += '\x02';  // colour type: RGB
  header += std::string(3, '\0');  // deflate, adaptive filters, no interlace
  PutChunk(png, "IHDR", header);

  if (dpi > 0) {
    auto perMetre = static_cast<uint32_t>(dpi / 0.0254 + 0.5);
    std::string phys;
    PutBigEndian(phys, perMetre);
    PutBigEndian(phys, perMetre);
    phys += '\x01';  // unit: metre
    PutChunk(png, "pHYs", phys);
  }

  std::string raw;
  for (int y = 0; y < image.height; ++y) {
    raw += '\0';  // filter: none
    for (int x = 0; x < image.width; ++x) {
      COLORREF c = image.pixels[static_cast<size_t>(y) * image.width + x];
      raw += static_cast<char>(GetRValue(c));
      raw += static_cast<char>(GetGValue(c));
      raw += static_cast<char>(GetBValue(c));
    }
  }
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  std::string packed(size, '\0');
  compress2(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(raw.data()),
            static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION);
  packed.resize(size);
  PutChunk(png, "IDAT", packed);
  PutChunk(png, "IEND", "");
  return png;
}

std::string WritePng(const std::string& path, int width, int height, COLORREF colour, int dpi) {
  return WriteFile(path, EncodePng(PngPixels(width, height, colour), dpi));
}

}  // namespace testing_support
