// Packs and unpacks a generated skin folder with clsZip and clsUnzip and
// prints the times and the archive size, one "key value" line each, for
// bench/run-zip-bench to set beside Info-ZIP's.
//
// Usage: zip_bench WORK_FOLDER [REPETITIONS]
// The skin is generated as WORK_FOLDER\skin\BenchSkin: a pelto.ini and a
// few hundred real PNG images (RGBA, zlib-deflated filtered scanlines) of
// the sizes a skin has: small icons, button strips, bars and backgrounds.
// Each time is the best of the repetitions. Beside them it prints the
// least that any packer or unpacker must spend on this machine: reading
// every file once, and creating and writing every file once (under Wine
// each file opened or created costs several calls into its server).
#include <windows.h>

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/files.h"
#include "core/zip.h"

namespace {

uint32_t gSeed = 12345;
uint32_t Next() {
  gSeed ^= gSeed << 13;
  gSeed ^= gSeed >> 17;
  gSeed ^= gSeed << 5;
  return gSeed;
}

void PutBe32(std::string& s, uint32_t v) {
  for (int i = 3; i >= 0; --i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void Chunk(std::string& png, const char* type, const std::string& data) {
  PutBe32(png, static_cast<uint32_t>(data.size()));
  std::string body = std::string(type, 4) + data;
  png += body;
  PutBe32(png, static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()))));
}

// A PNG file of an RGBA image, rows filtered with "Sub" as image editors
// mostly choose for such images, deflated at the given level.
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

enum class Kind { Icon, Strip, Bar, Backdrop };

// Image content: a soft shape on a transparent ground (icons, button
// strips), a gradient (bars) or a textured picture (backgrounds).
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

int MakeSkin(const std::string& folder, uint64_t& bytes) {
  for (const char* sub : {"", "\\toolbar", "\\control", "\\misc"}) CreateDirectoryA((folder + sub).c_str(), nullptr);
  int files = 0;
  auto add = [&](const std::string& rel, const std::string& data) {
    WriteBytes(folder + "\\" + rel, data);
    bytes += data.size();
    ++files;
  };
  // Libraries and editors write PNGs at zlib's default level or its best.
  auto level = [] { return (Next() % 3 == 0) ? 9 : 6; };
  for (int i = 0; i < 90; ++i) {
    int size = (i % 3 == 0) ? 16 : 24;
    add("toolbar\\button" + std::to_string(i) + ".png", Png(size * 5, size, Picture(size * 5, size, Kind::Strip), level()));
  }
  for (int i = 0; i < 80; ++i) add("toolbar\\icon" + std::to_string(i) + ".png", Png(16, 16, Picture(16, 16, Kind::Icon), level()));
  for (int i = 0; i < 90; ++i) {
    int w = 20 + static_cast<int>(Next() % 180), h = 16 + static_cast<int>(Next() % 24);
    add("control\\bar" + std::to_string(i) + ".png", Png(w, h, Picture(w, h, Kind::Bar), level()));
  }
  for (int i = 0; i < 40; ++i) {
    int w = 60 + static_cast<int>(Next() % 240), h = 40 + static_cast<int>(Next() % 180);
    add("misc\\background" + std::to_string(i) + ".png", Png(w, h, Picture(w, h, Kind::Backdrop), level()));
  }
  std::string ini = "[General]\r\nName=Bench Skin\r\nAuthor=Tarnell\r\nVersion=1.0\r\n\r\n";
  for (const char* section : {"Global", "Icons", "Icons16", "TabBar", "Colors", "Backgrounds", "SideBar", "ComboBox", "Progress"}) {
    ini += std::string("[") + section + "]\r\n";
    for (int i = 0; i < 60; ++i) {
      ini += "Element" + std::to_string(i) + ".Image=toolbar\\button" + std::to_string(i) + ".png\r\n";
      ini += "Element" + std::to_string(i) + ".Image.StartOffset=" + std::to_string(Next() % 9) + "\r\n";
      ini += "Element" + std::to_string(i) + ".Fill.ColorStart=#" + std::to_string(100000 + Next() % 900000) + "\r\n";
    }
    ini += "\r\n";
  }
  add("pelto.ini", ini);
  return files;
}

double Seconds(LARGE_INTEGER a, LARGE_INTEGER b) {
  static LARGE_INTEGER f = [] {
    LARGE_INTEGER q;
    QueryPerformanceFrequency(&q);
    return q;
  }();
  return static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

// Every file below folder, by path relative to it.
void ListFiles(const std::string& folder, const std::string& rel, std::vector<std::string>& out) {
  std::string here = rel.empty() ? folder : folder + "\\" + rel;
  for (const auto& f : core::gFileSystem.FileNames(here)) out.push_back(rel.empty() ? f : rel + "\\" + f);
  for (const auto& d : core::gFileSystem.SubFolderNames(here)) ListFiles(folder, rel.empty() ? d : rel + "\\" + d, out);
}

// What any packer must do at least: open, read and close every file.
double ReadFloor(const std::string& folder, const std::vector<std::string>& files) {
  std::vector<char> buffer(1 << 20);
  LARGE_INTEGER a, b;
  QueryPerformanceCounter(&a);
  for (const auto& f : files) {
    HANDLE h = CreateFileA((folder + "\\" + f).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD got = 0;
    while (ReadFile(h, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) && got > 0) {
    }
    CloseHandle(h);
  }
  QueryPerformanceCounter(&b);
  return Seconds(a, b);
}

// What any unpacker must do at least: make the folders, create, write and
// close every file (the contents held in memory beforehand).
double WriteFloor(const std::string& from, const std::string& to, const std::vector<std::string>& files) {
  std::vector<std::string> data;
  for (const auto& f : files) {
    std::ifstream in(from + "\\" + f, std::ios::binary);
    data.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  core::gFileSystem.RemoveFolder(to, true);
  LARGE_INTEGER a, b;
  QueryPerformanceCounter(&a);
  CreateDirectoryA(to.c_str(), nullptr);
  for (const char* sub : {"\\toolbar", "\\control", "\\misc"}) CreateDirectoryA((to + sub).c_str(), nullptr);
  for (size_t i = 0; i < files.size(); ++i) {
    HANDLE h = CreateFileA((to + "\\" + files[i]).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, data[i].data(), static_cast<DWORD>(data[i].size()), &written, nullptr);
    CloseHandle(h);
  }
  QueryPerformanceCounter(&b);
  return Seconds(a, b);
}

int CountFiles(const std::string& folder) {
  int n = static_cast<int>(core::gFileSystem.FileNames(folder).size());
  for (const auto& d : core::gFileSystem.SubFolderNames(folder)) n += CountFiles(folder + "\\" + d);
  return n;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: zip_bench WORK_FOLDER [REPETITIONS]\n");
    return 2;
  }
  std::string work = argv[1];
  int reps = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  std::string skinRoot = work + "\\skin";
  std::string archive = work + "\\tarnell.zqv";
  std::string out = work + "\\out-tarnell";
  core::gFileSystem.RemoveFolder(skinRoot, true);
  CreateDirectoryA(work.c_str(), nullptr);
  CreateDirectoryA(skinRoot.c_str(), nullptr);
  uint64_t bytes = 0;
  int files = MakeSkin(skinRoot + "\\BenchSkin", bytes);

  double pack = 1e9, unpack = 1e9;
  for (int i = 0; i < reps; ++i) {
    DeleteFileA(archive.c_str());
    core::clsZip zip;
    zip.SetZipFileName(archive);
    zip.SetUpdatingZip(false);
    zip.SetRootDirectory(skinRoot + "\\");
    zip.AddFile("BenchSkin");
    LARGE_INTEGER a, b;
    QueryPerformanceCounter(&a);
    int rc = zip.MakeZipFile();
    QueryPerformanceCounter(&b);
    if (rc != 0) {
      std::fprintf(stderr, "packing failed with %d\n", rc);
      return 1;
    }
    pack = std::min(pack, Seconds(a, b));
  }
  for (int i = 0; i < reps; ++i) {
    core::gFileSystem.RemoveFolder(out, true);
    core::clsUnzip unzip;
    unzip.SetHonorDirectories(true);
    LARGE_INTEGER a, b;
    QueryPerformanceCounter(&a);
    int rc = unzip.Unzip(archive, out);
    QueryPerformanceCounter(&b);
    if (rc != 0) {
      std::fprintf(stderr, "unpacking failed with %d\n", rc);
      return 1;
    }
    unpack = std::min(unpack, Seconds(a, b));
  }
  if (CountFiles(out + "\\BenchSkin") != files) {
    std::fprintf(stderr, "unpacking gave %d files, not %d\n", CountFiles(out + "\\BenchSkin"), files);
    return 1;
  }
  std::vector<std::string> list;
  ListFiles(skinRoot + "\\BenchSkin", "", list);
  double readFloor = 1e9, writeFloor = 1e9;
  for (int i = 0; i < reps; ++i) {
    readFloor = std::min(readFloor, ReadFloor(skinRoot + "\\BenchSkin", list));
    writeFloor = std::min(writeFloor, WriteFloor(skinRoot + "\\BenchSkin", work + "\\floor", list));
  }
  WIN32_FILE_ATTRIBUTE_DATA d{};
  GetFileAttributesExA(archive.c_str(), GetFileExInfoStandard, &d);
  std::printf("files %d\n", files);
  std::printf("source_bytes %llu\n", static_cast<unsigned long long>(bytes));
  std::printf("tarnell_pack_seconds %.6f\n", pack);
  std::printf("tarnell_unpack_seconds %.6f\n", unpack);
  std::printf("tarnell_archive_bytes %lu\n", d.nFileSizeLow);
  std::printf("read_floor_seconds %.6f\n", readFloor);
  std::printf("write_floor_seconds %.6f\n", writeFloor);
  return 0;
}
