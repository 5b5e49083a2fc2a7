#include "core/files.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <utility>

namespace core {

FileSystem gFileSystem;

namespace {

std::vector<std::string> List(const std::string& folder, bool folders) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = fd.cFileName;
    if (name == "." || name == "..") continue;
    bool isFolder = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (isFolder == folders) names.push_back(name);
  } while (FindNextFileA(h, &fd));
  FindClose(h);
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_LESS_THAN;
  });
  return names;
}

// True when path is marked read-only or is a folder: no file may take its
// place.
bool Unreplaceable(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}

// The longest path the ANSI file functions take.
constexpr size_t kLongestPath = MAX_PATH - 1;
// Names found taken, one after another, before the search gives up.
constexpr int kTakenNames = 1000;
constexpr char kScratchExtension[] = ".tmp";

}  // namespace

std::string MakeScratchBeside(const std::string& path, const std::function<bool(const std::string&)>& make) {
  // Every scratch name made in this process, in lower case.
  static std::set<std::string> made;
  const std::string folder = FolderOf(path) + "\\~";
  int taken = 0;
  for (unsigned long long number = 1; taken < kTakenNames; ++number) {
    std::string name = folder + std::to_string(number) + kScratchExtension;
    if (name.size() > kLongestPath) name.resize(name.size() - strlen(kScratchExtension));
    if (!made.insert(ToLower(name)).second) continue;
    if (make(name)) return name;
    // Not taken: the folder cannot take the file.
    if (GetFileAttributesA(name.c_str()) == INVALID_FILE_ATTRIBUTES) return {};
    ++taken;
  }
  return {};
}

std::string NewScratchFile(const std::string& path) {
  return MakeScratchBeside(path, [](const std::string& name) {
    HANDLE h = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
  });
}

bool IsScratchName(const std::string& name) {
  std::string stem = name;
  const size_t extension = strlen(kScratchExtension);
  if (stem.size() > extension && EqualsNoCase(stem.substr(stem.size() - extension), kScratchExtension))
    stem.resize(stem.size() - extension);
  return stem.size() > 1 && stem[0] == '~' && stem.find_first_not_of("0123456789", 1) == std::string::npos;
}

bool FlushedToDisk(const std::string& file) {
  HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  bool flushed = FlushFileBuffers(h) != 0;
  CloseHandle(h);
  return flushed;
}

bool FileSystem::FileExists(const std::string& path) const {
  if (path.empty()) return false;
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileSystem::FolderExists(const std::string& path) const {
  if (path.empty()) return false;
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileSystem::CanWrite(const std::string& path) const {
  if (path.empty()) return false;
  DWORD a = GetFileAttributesA(path.c_str());
  if (a == INVALID_FILE_ATTRIBUTES || (a & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) return false;
  // The attribute alone does not tell whether another program holds it.
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  return true;
}

bool FileSystem::CreateFolder(const std::string& path) const {
  return CreateDirectoryA(path.c_str(), nullptr) || FolderExists(path);
}

bool FileSystem::RemoveFile(const std::string& path, bool force) const {
  if (force) {
    DWORD a = GetFileAttributesA(path.c_str());
    if (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_READONLY))
      SetFileAttributesA(path.c_str(), a & ~FILE_ATTRIBUTE_READONLY);
  }
  return DeleteFileA(path.c_str()) != 0;
}

bool FileSystem::RemoveFiles(const std::string& folder, bool force) const {
  bool all = true;
  for (const auto& name : FileNames(folder)) all = RemoveFile(folder + "\\" + name, force) && all;
  return all;
}

bool FileSystem::RemoveFolder(const std::string& path, bool force) const {
  if (!FolderExists(path)) return false;
  RemoveFiles(path, force);
  for (const auto& sub : SubFolderNames(path)) RemoveFolder(path + "\\" + sub, force);
  if (force) SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryA(path.c_str());
  return !FolderExists(path);
}

bool FileSystem::CopyFileTo(const std::string& from, const std::string& to, bool overwrite) const {
  return CopyFileA(from.c_str(), to.c_str(), overwrite ? FALSE : TRUE) != 0;
}

bool FileSystem::MoveFileTo(const std::string& from, const std::string& to) const {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_COPY_ALLOWED) != 0;
}

std::string FileSystem::WriteScratch(const std::string& to,
                                     const std::function<bool(const std::string&)>& write) const {
  if (Unreplaceable(to)) return {};
  // Removed unless it comes out complete, also when write throws.
  struct Scratch {
    std::string name;
    ~Scratch() {
      if (!name.empty()) DeleteFileA(name.c_str());
    }
  } scratch{NewScratchFile(to)};
  if (scratch.name.empty() || !write(scratch.name)) return {};
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(scratch.name.c_str(), GetFileExInfoStandard, &data)) return {};
  const long long size = (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  // Larger than the room left: the disk filled up on the way.
  if ((scratchRoom >= 0 && size > scratchRoom) || !FlushedToDisk(scratch.name)) return {};
  return std::exchange(scratch.name, {});
}

std::string FileSystem::CopyToScratch(const std::string& from, const std::string& to) const {
  return WriteScratch(to, [&from](const std::string& scratch) {
    HANDLE source = CreateFileA(from.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (source == INVALID_HANDLE_VALUE) return false;
    HANDLE target = CreateFileA(scratch.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    std::vector<char> buffer(1 << 16);
    bool ok = target != INVALID_HANDLE_VALUE;
    while (ok) {
      DWORD read = 0;
      if (!ReadFile(source, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr)) ok = false;
      if (!ok || read == 0) break;
      DWORD written = 0;
      // Short of what was read: the disk is full.
      ok = WriteFile(target, buffer.data(), read, &written, nullptr) && written == read;
    }
    if (target != INVALID_HANDLE_VALUE) CloseHandle(target);
    CloseHandle(source);
    return ok;
  });
}

bool FileSystem::PutInPlace(const std::string& scratch, const std::string& to) const {
  if (scratch.empty()) return false;
  const bool placed =
      !Unreplaceable(to) && MoveFileExA(scratch.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!placed) DeleteFileA(scratch.c_str());
  return placed;
}

bool FileSystem::ReplaceWithCopy(const std::string& from, const std::string& to) const {
  return PutInPlace(CopyToScratch(from, to), to);
}

bool FileSystem::MoveFolderTo(const std::string& from, const std::string& to) const {
  return MoveFileExA(from.c_str(), to.c_str(), 0) != 0;
}

std::vector<std::string> FileSystem::SubFolderNames(const std::string& folder) const { return List(folder, true); }
std::vector<std::string> FileSystem::FileNames(const std::string& folder) const { return List(folder, false); }

bool EqualsNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && ToLower(a) == ToLower(b);
}

std::string ToLower(std::string s) {
  if (!s.empty()) CharLowerBuffA(s.data(), static_cast<DWORD>(s.size()));
  return s;
}

std::string ToUpper(std::string s) {
  if (!s.empty()) CharUpperBuffA(s.data(), static_cast<DWORD>(s.size()));
  return s;
}

size_t FindNoCase(const std::string& hay, const std::string& needle, size_t from) {
  return ToLower(hay).find(ToLower(needle), from);
}

std::string ReplaceAll(std::string text, const std::string& what, const std::string& with) {
  if (what.empty()) return text;
  size_t pos = 0;
  while ((pos = text.find(what, pos)) != std::string::npos) {
    text.replace(pos, what.size(), with);
    pos += with.size();
  }
  return text;
}

bool IsBlank(const std::string& text) { return ProfileTrimmed(text).empty(); }

namespace {

std::string TrimmedOf(const std::string& text, const char* blanks) {
  size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return {};
  size_t last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

}  // namespace

std::string Trimmed(const std::string& text) { return TrimmedOf(text, " \t"); }

std::string ProfileTrimmed(const std::string& text) { return TrimmedOf(text, " \t\n\v\f\r\x1a"); }

std::string ReplaceAllNoCase(const std::string& text, const std::string& what, const std::string& with) {
  if (what.empty()) return text;
  std::string out;
  std::string lowText = ToLower(text);
  std::string lowWhat = ToLower(what);
  size_t pos = 0;
  for (;;) {
    size_t hit = lowText.find(lowWhat, pos);
    if (hit == std::string::npos) break;
    out.append(text, pos, hit - pos);
    out += with;
    pos = hit + what.size();
  }
  out.append(text, pos, std::string::npos);
  return out;
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  if (separator.empty()) return {text};
  size_t pos = 0;
  for (;;) {
    size_t hit = text.find(separator, pos);
    if (hit == std::string::npos) {
      parts.push_back(text.substr(pos));
      return parts;
    }
    parts.push_back(text.substr(pos, hit - pos));
    pos = hit + separator.size();
  }
}

std::string FolderOf(const std::string& path) {
  auto slash = path.find_last_of('\\');
  return slash == std::string::npos ? path : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  auto slash = path.find_last_of('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::optional<FileIdentity> IdentityOf(const std::string& path) {
  if (path.empty()) return std::nullopt;
  // No access asked for: a file that another program holds can be looked at.
  HANDLE h = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info{};
  const bool known = GetFileInformationByHandle(h, &info);
  CloseHandle(h);
  if (!known) return std::nullopt;
  FileIdentity id;
  id.volume = info.dwVolumeSerialNumber;
  id.index = (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  id.size = (static_cast<unsigned long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  return id;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::optional<FileIdentity> first = IdentityOf(a);
  std::optional<FileIdentity> second = first ? IdentityOf(b) : std::nullopt;
  return second && first->SameFileAs(*second);
}

}  // namespace core
