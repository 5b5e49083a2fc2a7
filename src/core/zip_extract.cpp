#include "core/zip_extract.h"

#include <windows.h>

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <optional>
#include <unordered_set>
#include <vector>

#include "core/files.h"
#include "core/paths.h"
#include "core/zip_format.h"

namespace core::ziplib {

namespace {

constexpr size_t kChunk = 256 * 1024;
constexpr size_t kPrintPiece = 32768;
constexpr int kPasswordTries = 3;
constexpr size_t kPasswordSize = 256;
// The newest "version needed to extract" read here: 4.5, ZIP64.
constexpr unsigned kVersionReadable = 45;

// The path of an entry below the target folder, with "\" between parts;
// "" for a name of the target folder itself ("./"); nothing when the name
// could reach outside it. Characters that Windows does not allow in names
// become "_".
std::optional<std::string> SafeRelativePath(std::string name, bool spaceToUnderscore) {
  std::replace(name.begin(), name.end(), '\\', '/');
  if (name.empty() || name[0] == '/' || name.find(':') != std::string::npos) return std::nullopt;
  std::string result;
  for (std::string part : Split(name, "/")) {
    if (part.empty() || part == ".") continue;
    std::string trimmed = part;
    while (!trimmed.empty() && (trimmed.back() == ' ' || trimmed.back() == '.')) trimmed.pop_back();
    if (trimmed.empty() || IsDeviceName(trimmed)) return std::nullopt;  // "..", "...", " " and devices
    for (char& c : part) {
      unsigned char u = static_cast<unsigned char>(c);
      if (u < 0x20 || std::strchr("<>\"|?*", c)) c = '_';
      if (spaceToUnderscore && c == ' ') c = '_';
    }
    if (!result.empty()) result += '\\';
    result += part;
  }
  return result;
}

// The "A" functions take paths shorter than MAX_PATH.
bool PathTooLong(const std::string& path) { return path.size() >= MAX_PATH; }

std::string FullPathOf(const std::string& path) {
  char buf[MAX_PATH * 2];
  DWORD n = GetFullPathNameA(path.c_str(), sizeof buf, buf, nullptr);
  return n > 0 && n < sizeof buf ? std::string(buf, n) : std::string();
}

std::string MethodName(uint16_t method) {
  if (method == kMethodStored) return "Stored";
  if (method == kMethodDeflated) return "Defl:N";
  return "Unk:" + std::to_string(method);
}

// The entry's modification time: the exact time stamp when it has one,
// else its DOS time.
bool EntryTime(const CentralEntry& e, FILETIME& ft) {
  if (e.hasUnixTime) {
    ft = FileTimeOfUnix(e.unixTime);
    return true;
  }
  return FileTimeOfDos(e.dosTime, ft);
}

uint64_t Ticks(const FILETIME& ft) { return (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime; }

// The bytes the files of the archive declare, at most UINT64_MAX.
uint64_t DeclaredTotal(const CentralDirectory& dir) {
  uint64_t total = 0;
  for (const auto& e : dir.entries)
    if (!e.IsFolder()) total = e.size > UINT64_MAX - total ? UINT64_MAX : total + e.size;
  return total;
}

// The bytes free to this user on the drive of a folder, asked of the
// nearest folder above it that exists; nothing when Windows cannot tell.
std::optional<uint64_t> FreeSpaceFor(std::string folder) {
  for (;;) {
    ULARGE_INTEGER available;
    if (GetDiskFreeSpaceExA(folder.c_str(), &available, nullptr, nullptr)) return available.QuadPart;
    std::string parent = FolderOf(folder);
    if (parent.empty() || parent.size() >= folder.size()) return std::nullopt;
    folder = parent;
  }
}

class Extractor {
 public:
  Extractor(const UnzipOptions& o, const UnzipCallbacks& c) : o_(o), c_(c) {}
  ~Extractor() {
    if (inflating_) inflateEnd(&z_);
  }
  int Run();

 private:
  void Fail(int code) { result_ = std::max(result_, code); }
  void Print(const std::string& text) {
    if (c_.print) c_.print(text.c_str(), static_cast<unsigned long>(text.size()));
  }
  void Line(const std::string& text) {
    Print(text);
    Print("\n");
  }
  void Info(const std::string& text) {
    if (o_.quiet <= 0) Line(text);
  }
  void Error(const std::string& text) {
    if (!verifying_) Line(text);
  }

  bool Writing() const { return !o_.test && !o_.toStdOut; }
  bool MakeFolders(const std::string& path);
  int PrepareTarget();
  void ListEntries();
  void PrintZipInfo();
  // Refuses, after a message, an entry that cannot be read: false then.
  bool Readable(const CentralEntry& e);
  void ProcessEntry(const CentralEntry& e, bool overlapping);
  bool Unlock(const CentralEntry& e, const uint8_t* header, std::optional<ZipCrypto>& crypto);
  // Decodes the entry's data into the file (or the test or the print
  // callback): kUnzipOk, or after a message kUnzipCorrupt or kUnzipWriteError.
  int Decode(const CentralEntry& e, const uint8_t* data, uint64_t length, std::optional<ZipCrypto>& crypto,
              HANDLE file);
  bool Emit(const CentralEntry& e, const uint8_t* p, size_t n, HANDLE file);
  bool WriteAll(HANDLE file, const void* p, size_t n);
  HANDLE CreateTarget(const std::string& path);

  const UnzipOptions& o_;
  const UnzipCallbacks& c_;
  int result_ = kUnzipOk;
  MappedFile archive_;
  CentralDirectory dir_;
  std::string base_;    // full path of the target folder, no trailing "\"
  std::string prefix_;  // base_ ending in "\"
  // The longer of prefix_ and the folder the files will be moved to,
  // ending in "\": every path must fit below both.
  std::string lengthPrefix_;
  std::unordered_set<std::string> files_;  // lower-case full paths of the files written
  std::unordered_set<std::string> folders_;  // lower-case folders known to exist
  std::optional<std::string> password_;
  bool verifying_ = false;  // decoding only to check a password
  bool overwriteAll_ = false;
  bool overwriteNone_ = false;
  z_stream z_{};
  bool inflating_ = false;
  // Per entry while decoding.
  uLong crc_ = 0;
  uint64_t produced_ = 0;
  bool lastWasCr_ = false;
  std::vector<uint8_t> out_ = std::vector<uint8_t>(kChunk);
  std::vector<uint8_t> plain_ = std::vector<uint8_t>(kChunk);
  std::string converted_;
};

bool Extractor::MakeFolders(const std::string& path) {
  if (path.size() <= base_.size()) return true;
  std::string key = ToLower(path);
  if (folders_.count(key)) return true;
  if (!CreateDirectoryA(path.c_str(), nullptr)) {
    DWORD err = GetLastError();
    if (err == ERROR_PATH_NOT_FOUND) {
      if (!MakeFolders(FolderOf(path)) || !CreateDirectoryA(path.c_str(), nullptr)) return false;
    } else {
      DWORD a = GetFileAttributesA(path.c_str());
      if (a == INVALID_FILE_ATTRIBUTES || !(a & FILE_ATTRIBUTE_DIRECTORY)) return false;
    }
  }
  folders_.insert(key);
  return true;
}

// A folder with every missing folder above it.
bool CreateFolderPath(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  if (a != INVALID_FILE_ATTRIBUTES) return (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
  std::string parent = FolderOf(path);
  if (parent.size() < path.size() && parent.size() >= 3 && !CreateFolderPath(parent)) return false;
  return CreateDirectoryA(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

// Resolves and makes the target folder, once the files of the archive are
// known to fit on its drive: kUnzipOk, or after a message kUnzipWriteError.
int Extractor::PrepareTarget() {
  base_ = FullPathOf(o_.extractDir.empty() ? std::string(".") : o_.extractDir);
  if (!base_.empty()) {
    while (base_.size() > 3 && base_.back() == '\\') base_.pop_back();
    prefix_ = base_.back() == '\\' ? base_ : base_ + "\\";
    std::string moved = o_.finalDir.empty() ? std::string() : FullPathOf(o_.finalDir);
    if (!moved.empty() && moved.back() != '\\') moved += '\\';
    lengthPrefix_ = moved.size() > prefix_.size() ? moved : prefix_;
    uint64_t declared = DeclaredTotal(dir_);
    std::optional<uint64_t> available = FreeSpaceFor(base_);
    if (available && declared > *available) {
      Error("error:  " + o_.zipName + " declares " + std::to_string(declared) + " bytes of files, more than the " +
            std::to_string(*available) + " bytes free on the target drive");
      return kUnzipWriteError;
    }
    if (CreateFolderPath(base_)) return kUnzipOk;
  }
  Error("error:  cannot create folder " + o_.extractDir);
  return kUnzipWriteError;
}

void Extractor::ListEntries() {
  for (const auto& e : dir_.entries) {
    unsigned factor = 0;
    if (e.size > 0 && e.compressedSize < e.size) factor = static_cast<unsigned>(100 - (e.compressedSize * 100) / e.size);
    unsigned date = e.dosTime >> 16;
    unsigned time = e.dosTime & 0xFFFF;
    c_.list(e.size, e.compressedSize, factor, (date >> 5) & 0x0F, date & 0x1F, 1980 + (date >> 9), time >> 11,
            (time >> 5) & 0x3F, e.IsText() ? 't' : 'b', e.name.c_str(), MethodName(e.method).c_str(), e.crc,
            e.IsEncrypted() ? 'E' : ' ');
  }
}

void Extractor::PrintZipInfo() {
  Line("Archive:  " + o_.zipName);
  Line("Zip file size: " + std::to_string(archive_.Size()) + " bytes, number of entries: " +
       std::to_string(dir_.entries.size()));
  for (const auto& e : dir_.entries) {
    unsigned date = e.dosTime >> 16;
    unsigned time = e.dosTime & 0xFFFF;
    char line[160];
    std::snprintf(line, sizeof line, "%10llu %10llu %-7s %c %02u-%02u-%02u %02u:%02u %08lx ",
                  static_cast<unsigned long long>(e.size), static_cast<unsigned long long>(e.compressedSize),
                  MethodName(e.method).c_str(), e.IsEncrypted() ? 'E' : '-', (1980 + (date >> 9)) % 100,
                  (date >> 5) & 0x0F, date & 0x1F, time >> 11, (time >> 5) & 0x3F, static_cast<unsigned long>(e.crc));
    Line(line + e.name);
  }
}

HANDLE Extractor::CreateTarget(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED) {
    // A read-only, hidden or system file in the way: clear it and try again.
    DWORD a = GetFileAttributesA(path.c_str());
    if (a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY) &&
        (a & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) &&
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL))
      h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  return h;
}

bool Extractor::WriteAll(HANDLE file, const void* p, size_t n) {
  const char* q = static_cast<const char*>(p);
  while (n > 0) {
    DWORD part = static_cast<DWORD>(std::min<size_t>(n, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, q, part, &written, nullptr) || written != part) return false;
    q += part;
    n -= part;
  }
  return true;
}

// Counts and checks a piece of the entry's plain data and hands it on.
bool Extractor::Emit(const CentralEntry& e, const uint8_t* p, size_t n, HANDLE file) {
  produced_ += n;
  if (produced_ > e.size) return true;  // reported as damaged by Decode
  crc_ = crc32(crc_, p, static_cast<uInt>(n));
  if (o_.test || verifying_) return true;
  if (o_.convertLineEnds && e.IsText()) {
    converted_.clear();
    for (size_t i = 0; i < n; ++i) {
      if (p[i] == '\n' && !lastWasCr_) converted_ += '\r';
      converted_ += static_cast<char>(p[i]);
      lastWasCr_ = p[i] == '\r';
    }
    p = reinterpret_cast<const uint8_t*>(converted_.data());
    n = converted_.size();
  }
  if (o_.toStdOut) {
    for (size_t at = 0; at < n; at += kPrintPiece)
      Print(std::string(reinterpret_cast<const char*>(p) + at, std::min(kPrintPiece, n - at)));
    return true;
  }
  return WriteAll(file, p, n);
}

int Extractor::Decode(const CentralEntry& e, const uint8_t* data, uint64_t length, std::optional<ZipCrypto>& crypto,
                      HANDLE file) {
  crc_ = crc32(0, nullptr, 0);
  produced_ = 0;
  lastWasCr_ = false;
  bool deflated = e.method == kMethodDeflated;
  if (deflated) {
    if (!inflating_) {
      if (inflateInit2(&z_, -MAX_WBITS) != Z_OK) throw std::bad_alloc();
      inflating_ = true;
    } else {
      inflateReset(&z_);
    }
  }
  auto writeFailed = [&] {
    Error("  error:  cannot write " + e.name);
    return kUnzipWriteError;
  };
  // Output beyond the entry's size ends the decoding: the entry is damaged.
  bool ended = !deflated;
  uint64_t done = 0;
  while (done < length && produced_ <= e.size && !(deflated && ended)) {
    size_t n = static_cast<size_t>(std::min<uint64_t>(kChunk, length - done));
    const uint8_t* in = data + done;
    if (crypto) {
      crypto->Decrypt(in, plain_.data(), n);
      in = plain_.data();
    }
    done += n;
    if (!deflated) {
      if (!Emit(e, in, n, file)) return writeFailed();
      continue;
    }
    z_.next_in = const_cast<Bytef*>(in);
    z_.avail_in = static_cast<uInt>(n);
    while (z_.avail_in > 0 && !ended && produced_ <= e.size) {
      z_.next_out = out_.data();
      z_.avail_out = static_cast<uInt>(out_.size());
      int rc = inflate(&z_, Z_NO_FLUSH);
      if (rc != Z_OK && rc != Z_STREAM_END) {
        Error("  error:  invalid compressed data in " + e.name);
        return kUnzipCorrupt;
      }
      if (!Emit(e, out_.data(), out_.size() - z_.avail_out, file)) return writeFailed();
      ended = rc == Z_STREAM_END;
    }
  }
  // The stream may still hold output after the last input.
  while (deflated && !ended && produced_ <= e.size) {
    z_.next_out = out_.data();
    z_.avail_out = static_cast<uInt>(out_.size());
    int rc = inflate(&z_, Z_NO_FLUSH);
    size_t n = out_.size() - z_.avail_out;
    if (n > 0 && !Emit(e, out_.data(), n, file)) return writeFailed();
    ended = rc == Z_STREAM_END;
    if (n == 0 && !ended) break;
  }
  if (!ended || produced_ != e.size) {
    Error("  error:  " + e.name + " is damaged: its data ends early or runs on");
    return kUnzipCorrupt;
  }
  if (static_cast<uint32_t>(crc_) != e.crc) {
    char text[64];
    std::snprintf(text, sizeof text, "bad CRC %08lx  (should be %08lx)", static_cast<unsigned long>(crc_),
                  static_cast<unsigned long>(e.crc));
    Error("  error:  " + e.name + "  " + text);
    return kUnzipCorrupt;
  }
  return kUnzipOk;
}

// Finds a password that opens the entry: the one that opened an earlier
// entry, else what the password callback gives, a few times at most.
bool Extractor::Unlock(const CentralEntry& e, const uint8_t* header, std::optional<ZipCrypto>& crypto) {
  auto opens = [&](const std::string& password) {
    crypto.emplace(password);
    if (!crypto->CheckHeader(header, e)) return false;
    // One wrong password in 256 passes the check byte: decode once to be
    // sure before anything is written.
    std::optional<ZipCrypto> probe = crypto;
    verifying_ = true;
    int rc = Decode(e, header + kCryptHeaderSize, e.compressedSize - kCryptHeaderSize, probe, INVALID_HANDLE_VALUE);
    verifying_ = false;
    return rc == kUnzipOk;
  };
  if (password_ && opens(*password_)) return true;
  for (int attempt = 0; attempt < kPasswordTries && c_.password; ++attempt) {
    char buffer[kPasswordSize + 1] = {};
    std::string prompt = attempt == 0 ? "Enter password for " : "Password incorrect--reenter for ";
    if (c_.password(buffer, static_cast<int>(kPasswordSize), prompt.c_str(), e.name.c_str()) != 0) break;
    std::string answer(buffer, strnlen(buffer, kPasswordSize));
    if (opens(answer)) {
      password_ = answer;
      return true;
    }
  }
  crypto.reset();
  return false;
}

bool Extractor::Readable(const CentralEntry& e) {
  unsigned version = e.versionNeeded & 0xFF;
  if (version > kVersionReadable) {
    Error("   skipping: " + e.name + "  need PK compat. v" + std::to_string(version / 10) + "." +
          std::to_string(version % 10) + " (can do v4.5)");
    Fail(kUnzipUnsupported);
  } else if (e.method != kMethodStored && e.method != kMethodDeflated) {
    Error("   skipping: " + e.name + "  unsupported compression method " + std::to_string(e.method));
    Fail(kUnzipUnsupported);
  } else if (!e.IsEncrypted() && (e.flags & (kFlagStrongEncryption | kFlagMaskedHeader))) {
    Error("   skipping: " + e.name + "  damaged: encryption flags without the encryption flag");
    Fail(kUnzipCorrupt);
  } else if (e.IsEncrypted() && (e.flags & (kFlagStrongEncryption | kFlagMaskedHeader))) {
    Error("   skipping: " + e.name + "  unsupported encryption");
    Fail(kUnzipUnsupported);
  } else if (e.extraDamaged) {
    Error("   skipping: " + e.name + "  damaged: a block of its extra field runs past the field's end");
    Fail(kUnzipCorrupt);
  } else {
    return true;
  }
  return false;
}

void Extractor::ProcessEntry(const CentralEntry& e, bool overlapping) {
  if (!Readable(e)) return;
  std::string target;
  if (Writing()) {
    if (!e.nameExact) {
      Error("   skipping: " + e.name + "  (the name has characters this system's code page lacks)");
      return Fail(kUnzipUnsafeName);
    }
    auto rel = SafeRelativePath(e.name, o_.spaceToUnderscore != 0);
    if (rel && rel->empty() && e.IsFolder()) return;  // the target folder itself
    if (rel && !o_.honorDirectories) rel = NameOf(*rel);
    if (rel && PathTooLong(lengthPrefix_ + *rel)) {
      Error("   error:  cannot create " + lengthPrefix_ + *rel + "  (the path is too long)");
      return Fail(kUnzipWriteError);
    }
    std::string full = rel ? FullPathOf(prefix_ + *rel) : std::string();
    if (!rel || full.size() <= prefix_.size() || !EqualsNoCase(full.substr(0, prefix_.size()), prefix_)) {
      Error("   skipping: " + e.name + "  (the name would leave the target folder)");
      return Fail(kUnzipUnsafeName);
    }
    // Windows does not tell names apart by letter case.
    if (!e.IsFolder() && !files_.insert(ToLower(full)).second) {
      Error("   skipping: " + e.name + "  (an earlier entry names the same file)");
      return Fail(kUnzipUnsafeName);
    }
    target = prefix_ + *rel;
  }
  uint64_t start = DataOffset(archive_.Data(), archive_.Size(), dir_.start, e);
  if (start == 0 || (!e.IsFolder() && e.IsEncrypted() && e.compressedSize < kCryptHeaderSize)) {
    Error("  error:  " + e.name + " has a damaged local header or its data is missing");
    return Fail(kUnzipCorrupt);
  }
  if (!LocalHeaderAgrees(archive_.Data(), e)) {
    Error("  error:  " + e.name + " is damaged: its local header disagrees with the central directory");
    return Fail(kUnzipCorrupt);
  }
  if (overlapping) {
    Error("  error:  " + e.name + " shares its data with another entry (possible zip bomb)");
    return Fail(kUnzipCorrupt);
  }
  if (e.IsFolder()) {
    if (o_.test) {
      Info("    testing: " + e.name + "   OK");
    } else if (Writing() && o_.honorDirectories) {
      if (!MakeFolders(target)) {
        Error("   error:  cannot create folder " + target);
        return Fail(kUnzipWriteError);
      }
      Info("   creating: " + target);
    }
    return;
  }
  if (Writing()) {
    bool askFirst = o_.extractOnlyNewer || o_.freshen || !o_.overwrite;
    WIN32_FILE_ATTRIBUTE_DATA existing;
    if (askFirst && GetFileAttributesExA(target.c_str(), GetFileExInfoStandard, &existing)) {
      FILETIME entryTime;
      bool newer = !EntryTime(e, entryTime) || Ticks(entryTime) / 20000000 > Ticks(existing.ftLastWriteTime) / 20000000;
      if ((o_.extractOnlyNewer || o_.freshen) && !newer) return;
      if (!o_.overwrite && !o_.extractOnlyNewer && !overwriteAll_) {
        if (overwriteNone_) return;
        std::vector<char> name(target.begin(), target.end());
        name.push_back('\0');
        int answer = c_.replace ? c_.replace(name.data(), static_cast<unsigned>(name.size())) : kReplaceNo;
        if (answer == kReplaceNone) overwriteNone_ = true;
        if (answer == kReplaceAll) overwriteAll_ = true;
        if (answer != kReplaceYes && answer != kReplaceAll) return;
      }
    } else if (o_.freshen) {
      return;  // freshening makes no new files
    }
  }
  const uint8_t* data = archive_.Data() + start;
  uint64_t length = e.compressedSize;
  std::optional<ZipCrypto> crypto;
  if (e.IsEncrypted()) {
    if (!Unlock(e, data, crypto)) {
      Error("   skipping: " + e.name + "  incorrect password or none given");
      return Fail(kUnzipBadPassword);
    }
    data += kCryptHeaderSize;
    length -= kCryptHeaderSize;
  }
  HANDLE file = INVALID_HANDLE_VALUE;
  if (Writing()) {
    if (o_.honorDirectories && !MakeFolders(FolderOf(target))) {
      Error("   error:  cannot create folder " + FolderOf(target));
      return Fail(kUnzipWriteError);
    }
    file = CreateTarget(target);
    if (file == INVALID_HANDLE_VALUE) {
      Error("   error:  cannot create " + target);
      return Fail(kUnzipWriteError);
    }
  }
  int rc = kUnzipOk;
  try {
    rc = Decode(e, data, length, crypto, file);
  } catch (...) {
    if (file != INVALID_HANDLE_VALUE) {
      CloseHandle(file);
      DeleteFileA(target.c_str());
    }
    throw;
  }
  if (file != INVALID_HANDLE_VALUE) {
    FILETIME ft;
    if (rc == kUnzipOk && EntryTime(e, ft)) SetFileTime(file, nullptr, nullptr, &ft);
    CloseHandle(file);
    // A file whose data is damaged must not look complete.
    if (rc != kUnzipOk) DeleteFileA(target.c_str());
  }
  if (rc != kUnzipOk) return Fail(rc);
  if (o_.test)
    Info("    testing: " + e.name + "   OK");
  else if (Writing())
    Info(std::string(e.method == kMethodDeflated ? "  inflating: " : " extracting: ") + target);
}

int Extractor::Run() {
  if (o_.zipName.empty() || !archive_.Open(o_.zipName)) {
    Error("unzip:  cannot find or open " + o_.zipName);
    return kUnzipNotArchive;
  }
  switch (ReadCentralDirectory(archive_.Data(), archive_.Size(), dir_)) {
    case DirectoryStatus::kOk:
      break;
    case DirectoryStatus::kNotZip:
      Error("  End-of-central-directory signature not found: " + o_.zipName + " is not a zip archive");
      return kUnzipNotArchive;
    case DirectoryStatus::kCorrupt:
      Error("error:  " + o_.zipName + " has a damaged central directory");
      return kUnzipCorrupt;
    case DirectoryStatus::kUnsupported:
      Error("error:  " + o_.zipName + " is part of a split archive");
      return kUnzipUnsupported;
  }
  if (o_.comment) {
    Line(dir_.comment);
    return kUnzipOk;
  }
  if (o_.zipInfo) {
    PrintZipInfo();
    return kUnzipOk;
  }
  if (o_.list) {
    if (c_.list) ListEntries();
    return kUnzipOk;
  }
  Info("Archive:  " + o_.zipName);
  if (Writing()) {
    int rc = PrepareTarget();
    if (rc != kUnzipOk) return rc;
  }
  std::vector<bool> overlapping = OverlappingEntries(archive_.Data(), archive_.Size(), dir_);
  for (size_t i = 0; i < dir_.entries.size(); ++i) {
    const CentralEntry& e = dir_.entries[i];
    if (c_.service && c_.service(e.name.c_str(), e.size) != 0) {
      Fail(kUnzipAborted);
      break;
    }
    ProcessEntry(e, overlapping[i]);
  }
  if (o_.test && o_.quiet <= 1) {
    if (result_ == kUnzipOk)
      Line("No errors detected in compressed data of " + o_.zipName + ".");
    else
      Line("At least one error was detected in " + o_.zipName + ".");
  }
  return result_;
}

}  // namespace

int Extract(const UnzipOptions& options, const UnzipCallbacks& callbacks) {
  try {
    Extractor extractor(options, callbacks);
    return extractor.Run();
  } catch (const std::bad_alloc&) {
    return kUnzipNoMemory;
  }
}

}  // namespace core::ziplib
