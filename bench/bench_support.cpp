#include "bench_support.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <fstream>

namespace bench {

namespace {
uint32_t gSeed = 12345;

void PutBe32(std::string& s, uint32_t v) {
  for (int i = 3; i >= 0; --i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void Chunk(std::string& png, const char* type, const std::string& data) {
  PutBe32(png, static_cast<uint32_t>(data.size()));
  std::string body = std::string(type, 4) + data;
  png += body;
  PutBe32(png, static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()))));
}
}  // namespace

uint32_t Next() {
  gSeed ^= gSeed << 13;
  gSeed ^= gSeed >> 17;
  gSeed ^= gSeed << 5;
  return gSeed;
}

std::string Png(int w, int h, const std::vector<uint8_t>& rgba, int level) {
  std::string raw;
  raw.reserve(static_cast<size_t>(h) * (w * 4 + 1));
  for (int y = 0; y < h; ++y) {
    raw += '\1';
    const uint8_t* row = &rgba[static_cast<size_t>(y) * w * 4];
    for (int i = 0; i < w * 4; ++i) raw += static_cast<char>(row[i] - (i >= 4 ? row[i - 4] : 0));
  }
  uLongf n = compressBound(static_cast<uLong>(raw.size()));
  std::string idat(n, '\0');
  compress2(reinterpret_cast<Bytef*>(idat.data()), &n, reinterpret_cast<const Bytef*>(raw.data()),
            static_cast<uLong>(raw.size()), level);
  idat.resize(n);
  std::string ihdr;
  PutBe32(ihdr, static_cast<uint32_t>(w));
  PutBe32(ihdr, static_cast<uint32_t>(h));
  ihdr += std::string("\x08\x06\x00\x00\x00", 5);
  std::string png = "\x89PNG\r\n\x1a\n";
  Chunk(png, "IHDR", ihdr);
  Chunk(png, "IDAT", idat);
  Chunk(png, "IEND", "");
  return png;
}

std::vector<uint8_t> Picture(int w, int h, Kind kind) {
  std::vector<uint8_t> p(static_cast<size_t>(w) * h * 4);
  uint8_t r0 = Next() & 0xFF, g0 = Next() & 0xFF, b0 = Next() & 0xFF;
  int frames = kind == Kind::Strip ? std::max(1, w / h) : 1;
  int fw = w / frames;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      uint8_t* px = &p[(static_cast<size_t>(y) * w + x) * 4];
      int noise = static_cast<int>(Next() % 5) - 2;
      switch (kind) {
        case Kind::Icon:
        case Kind::Strip: {
          int fx = x % fw, frame = x / fw;
          double dx = fx - fw / 2.0 + 0.5, dy = y - h / 2.0 + 0.5, r = std::min(fw, h) / 2.0 - 1;
          double d = r - std::sqrt(dx * dx + dy * dy);
          int a = d >= 1 ? 255 : d <= 0 ? 0 : static_cast<int>(d * 255);
          px[0] = static_cast<uint8_t>(std::clamp(r0 + frame * 20 + y * 3 + noise, 0, 255));
          px[1] = static_cast<uint8_t>(std::clamp(g0 + fx * 2 + noise, 0, 255));
          px[2] = static_cast<uint8_t>(std::clamp(b0 - y * 2 + noise, 0, 255));
          px[3] = static_cast<uint8_t>(a);
          if (a == 0) px[0] = px[1] = px[2] = 0;
          break;
        }
        case Kind::Bar:
          px[0] = static_cast<uint8_t>(r0 + y * 60 / h);
          px[1] = static_cast<uint8_t>(g0 + y * 40 / h);
          px[2] = static_cast<uint8_t>(b0 + x * 8 / w);
          px[3] = 255;
          break;
        case Kind::Backdrop:
          px[0] = static_cast<uint8_t>(std::clamp(r0 / 2 + x * 100 / w + noise * 3, 0, 255));
          px[1] = static_cast<uint8_t>(std::clamp(g0 / 2 + y * 100 / h + noise * 3, 0, 255));
          px[2] = static_cast<uint8_t>(std::clamp(b0 / 2 + ((x / 8 + y / 8) % 2) * 30 + noise * 3, 0, 255));
          px[3] = 255;
          break;
      }
    }
  }
  return p;
}

void WriteBytes(const std::string& path, const std::string& data) {
  std::ofstream(path, std::ios::binary) << data;
}

double Seconds(LARGE_INTEGER a, LARGE_INTEGER b) {
  static LARGE_INTEGER f = [] {
    LARGE_INTEGER q;
    QueryPerformanceFrequency(&q);
    return q;
  }();
  return static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

LARGE_INTEGER Now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t;
}

double SecondsSince(LARGE_INTEGER a) { return Seconds(a, Now()); }

}  // namespace bench
