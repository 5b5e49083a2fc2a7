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

#include "bench_support.h"
#include "core/files.h"
#include "core/zip.h"

using namespace bench;

namespace {

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
