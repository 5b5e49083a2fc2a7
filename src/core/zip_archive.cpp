#include "core/zip_archive.h"

#include <windows.h>

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "core/files.h"
#include "core/zip_format.h"

namespace core::ziplib {

namespace {

constexpr size_t kChunk = 256 * 1024;
// Messages go to the print callback in pieces of at most this size, at
// least this often while there is something to say.
constexpr size_t kPrintPiece = 4000;
constexpr ULONGLONG kPrintIntervalMs = 50;
constexpr size_t kWriteBuffer = 1024 * 1024;
// Windows attributes, format 2.0. (Info-ZIP reads UTF-8 names of FAT
// entries as OEM text, so NTFS it is.)
constexpr uint16_t kMadeBy = (kHostNtfs << 8) | 20;
constexpr uint16_t kVersionDeflate = 20;
constexpr uint16_t kVersionStored = 10;

// Writes the archive through a large buffer; headers written earlier can
// be patched and the end cut off, in the buffer or on disk.
class ArchiveWriter {
 public:
  explicit ArchiveWriter(HANDLE file) : file_(file) { buffer_.reserve(kWriteBuffer); }
  uint64_t Tell() const { return flushed_ + buffer_.size(); }
  bool Failed() const { return failed_; }

  void Write(const void* data, size_t n) {
    if (failed_) return;
    if (buffer_.size() + n > kWriteBuffer) {
      Flush();
      if (n >= kWriteBuffer) {
        WriteRaw(data, n);
        flushed_ += n;
        return;
      }
    }
    buffer_.append(static_cast<const char*>(data), n);
  }
  void Write(const std::string& s) { Write(s.data(), s.size()); }

  void PatchAt(uint64_t pos, const std::string& bytes) {
    if (failed_) return;
    size_t n = bytes.size();
    size_t onDisk = pos < flushed_ ? static_cast<size_t>(std::min<uint64_t>(flushed_ - pos, n)) : 0;
    if (onDisk > 0) {
      Seek(pos);
      WriteRaw(bytes.data(), onDisk);
      Seek(flushed_);
    }
    if (onDisk < n) std::memcpy(&buffer_[static_cast<size_t>(pos + onDisk - flushed_)], bytes.data() + onDisk, n - onDisk);
  }

  void Truncate(uint64_t pos) {
    if (failed_) return;
    if (pos >= flushed_) {
      buffer_.resize(static_cast<size_t>(pos - flushed_));
      return;
    }
    buffer_.clear();
    Seek(pos);
    if (!SetEndOfFile(file_)) failed_ = true;
    flushed_ = pos;
  }

  void Flush() {
    if (failed_ || buffer_.empty()) return;
    WriteRaw(buffer_.data(), buffer_.size());
    flushed_ += buffer_.size();
    buffer_.clear();
  }

 private:
  void WriteRaw(const void* data, size_t n) {
    const char* p = static_cast<const char*>(data);
    while (n > 0 && !failed_) {
      DWORD part = static_cast<DWORD>(std::min<size_t>(n, 1u << 30));
      DWORD written = 0;
      if (!WriteFile(file_, p, part, &written, nullptr) || written != part) failed_ = true;
      p += part;
      n -= part;
    }
  }
  void Seek(uint64_t pos) {
    LARGE_INTEGER li;
    li.QuadPart = static_cast<LONGLONG>(pos);
    if (!SetFilePointerEx(file_, li, nullptr, FILE_BEGIN)) failed_ = true;
  }

  HANDLE file_;
  std::string buffer_;
  uint64_t flushed_ = 0;
  bool failed_ = false;
};

struct Item {
  std::string path;   // on disk
  std::string entry;  // entry name in the ANSI code page, "/" between parts, folders end in "/"
  bool folder = false;
  FILETIME modified{};
  DWORD attributes = 0;
};

// What the central directory needs of an entry already written.
struct Written {
  std::string name;  // as stored
  uint16_t versionNeeded = 0;
  uint16_t flags = 0;
  uint16_t method = 0;
  uint32_t dosTime = 0;
  uint32_t crc = 0;
  uint32_t compressedSize = 0;
  uint32_t size = 0;
  uint16_t internalAttributes = 0;
  uint32_t externalAttributes = 0;
  uint32_t offset = 0;
};

uint64_t SizeOf(DWORD high, DWORD low) { return (static_cast<uint64_t>(high) << 32) | low; }

bool IsAbsolute(const std::string& name) {
  return (name.size() >= 2 && name[1] == ':') || (!name.empty() && (name[0] == '\\' || name[0] == '/'));
}

// The entry name of a listed name: "/" between parts, no drive, no leading
// slash, no "." or ".." parts.
std::string EntryNameOf(std::string name) {
  std::replace(name.begin(), name.end(), '\\', '/');
  if (name.size() >= 2 && name[1] == ':') name.erase(0, 2);
  std::string result;
  for (const auto& part : Split(name, "/")) {
    if (part.empty() || part == "." || part == "..") continue;
    if (!result.empty()) result += '/';
    result += part;
  }
  return result;
}

std::string FullPathOf(const std::string& path) {
  char buf[MAX_PATH * 2];
  DWORD n = GetFullPathNameA(path.c_str(), sizeof buf, buf, nullptr);
  return n > 0 && n < sizeof buf ? std::string(buf, n) : path;
}

bool IsCompressedImage(const std::string& name) {
  auto dot = name.find_last_of('.');
  if (dot == std::string::npos) return false;
  std::string ext = ToLower(name.substr(dot + 1));
  return ext == "png" || ext == "jpg" || ext == "jpeg" || ext == "gif";
}

uint16_t ExternalOf(const Item& item) {
  return item.folder ? FILE_ATTRIBUTE_DIRECTORY
                     : static_cast<uint16_t>(item.attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
}

std::string LocalHeader(const Written& w) {
  std::string h;
  Put32(h, kLocalHeaderSig);
  Put16(h, w.versionNeeded);
  Put16(h, w.flags);
  Put16(h, w.method);
  Put32(h, w.dosTime);  // time, then date
  Put32(h, w.crc);
  Put32(h, w.compressedSize);
  Put32(h, w.size);
  Put16(h, static_cast<uint16_t>(w.name.size()));
  Put16(h, 0);
  h += w.name;
  return h;
}

void AppendCentral(std::string& central, const Written& w, uint16_t madeBy) {
  Put32(central, kCentralHeaderSig);
  Put16(central, madeBy);
  Put16(central, w.versionNeeded);
  Put16(central, w.flags);
  Put16(central, w.method);
  Put32(central, w.dosTime);
  Put32(central, w.crc);
  Put32(central, w.compressedSize);
  Put32(central, w.size);
  Put16(central, static_cast<uint16_t>(w.name.size()));
  Put16(central, 0);  // extra
  Put16(central, 0);  // comment
  Put16(central, 0);  // disk
  Put16(central, w.internalAttributes);
  Put32(central, w.externalAttributes);
  Put32(central, w.offset);
  central += w.name;
}

class Packer {
 public:
  explicit Packer(const ArchiveRequest& r) : request_(r) {}
  ~Packer() {
    if (deflating_) deflateEnd(&z_);
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    // Whatever went wrong, no half-written archive stays behind.
    if (!tempFull_.empty() && !moved_) DeleteFileA(tempFull_.c_str());
  }
  int Run();
  // Hands every message still held to the print callback.
  void FlushMessages();

 private:
  // The callback may let window messages run, which costs time on every
  // call: messages are gathered and handed over now and then.
  void Print(const std::string& text) {
    pending_ += text;
    if (pending_.size() >= kPrintPiece || GetTickCount64() - lastPrint_ >= kPrintIntervalMs) FlushMessages();
  }
  std::string PathOf(const std::string& name) const;
  // The archive, its temporary file or the file to leave out, whatever
  // path leads to it; size is the file's size in bytes.
  bool IsOwnArchive(const std::string& path, uint64_t size) const;
  void AddItem(Item item);
  int Walk(const std::string& folder, const std::string& prefix);
  int Collect();
  int WriteItem(const Item& item, bool replacing);
  int WriteFileData(HANDLE file, uint64_t size, bool compress, Written& w);
  int CopyOld(const CentralEntry& e);
  int WriteArchive();

  const ArchiveRequest& request_;
  std::string root_;
  std::string zipFull_;
  std::string tempFull_;
  // The files IsOwnArchive looks for, those that exist.
  std::vector<FileIdentity> ownFiles_;
  std::vector<Item> items_;
  std::unordered_set<std::string> seen_;  // lower-case entry names
  MappedFile old_;
  CentralDirectory oldDirectory_;
  HANDLE file_ = INVALID_HANDLE_VALUE;
  bool moved_ = false;
  std::unique_ptr<ArchiveWriter> out_;
  std::string central_;
  uint64_t count_ = 0;
  std::vector<char> readBuffer_ = std::vector<char>(kChunk);
  std::vector<unsigned char> deflateBuffer_ = std::vector<unsigned char>(kChunk);
  z_stream z_{};
  bool deflating_ = false;
  std::string pending_;
  ULONGLONG lastPrint_ = GetTickCount64();
};

void Packer::FlushMessages() {
  lastPrint_ = GetTickCount64();
  if (!request_.print) return pending_.clear();
  for (size_t at = 0; at < pending_.size(); at += kPrintPiece) {
    std::string piece = pending_.substr(at, kPrintPiece);
    request_.print(piece.c_str(), static_cast<unsigned long>(piece.size()));
  }
  pending_.clear();
}

// A folder in the letter case it has on disk (the same folder on Windows;
// under Wine every other spelling costs a search of each folder on the way).
std::string DiskCaseOf(const std::string& folder) {
  char buf[MAX_PATH * 2];
  DWORD n = GetLongPathNameA(folder.c_str(), buf, sizeof buf);
  return n > 0 && n < sizeof buf ? std::string(buf, n) : folder;
}

std::string Packer::PathOf(const std::string& name) const {
  if (IsAbsolute(name) || root_.empty()) return name;
  const std::string& root = root_;
  return (root.back() == '\\' || root.back() == '/') ? root + name : root + "\\" + name;
}

bool Packer::IsOwnArchive(const std::string& path, uint64_t size) const {
  // Files are compared, not their spellings; only a file of the size of
  // one of them is opened to be looked at.
  auto sized = [size](const FileIdentity& own) { return own.size == size; };
  if (std::none_of(ownFiles_.begin(), ownFiles_.end(), sized)) return false;
  std::optional<FileIdentity> id = IdentityOf(path);
  auto same = [&id](const FileIdentity& own) { return own.SameFileAs(*id); };
  return id && std::any_of(ownFiles_.begin(), ownFiles_.end(), same);
}

void Packer::AddItem(Item item) {
  if (item.entry.empty()) return;
  if (!seen_.insert(ToLower(item.entry)).second) return;
  items_.push_back(std::move(item));
}

int Packer::Walk(const std::string& folder, const std::string& prefix) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileExA((folder + "\\*").c_str(), FindExInfoBasic, &fd, FindExSearchNameMatch, nullptr,
                              FIND_FIRST_EX_LARGE_FETCH);
  if (h == INVALID_HANDLE_VALUE) {
    // Nothing matched: a folder without even "." and "..", such as an empty
    // drive root. Any other failure (a path too long for the ANSI calls, a
    // folder gone or locked) would leave its files silently out.
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return kZipOk;
    Print("zip error: could not open folder for reading: " + folder + "\n");
    return kZipNameNotFound;
  }
  std::vector<WIN32_FIND_DATAA> children;
  do {
    if (!std::strcmp(fd.cFileName, ".") || !std::strcmp(fd.cFileName, "..")) continue;
    if (fd.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
    children.push_back(fd);
  } while (FindNextFileA(h, &fd));
  FindClose(h);
  std::sort(children.begin(), children.end(), [](const WIN32_FIND_DATAA& a, const WIN32_FIND_DATAA& b) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.cFileName, -1, b.cFileName, -1) == CSTR_LESS_THAN;
  });
  for (const auto& child : children) {
    Item item;
    item.path = folder + "\\" + child.cFileName;
    item.folder = (child.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    item.entry = prefix + child.cFileName + (item.folder ? "/" : "");
    item.modified = child.ftLastWriteTime;
    item.attributes = child.dwFileAttributes;
    if (!item.folder && IsOwnArchive(item.path, SizeOf(child.nFileSizeHigh, child.nFileSizeLow))) continue;
    // The program's own scratch files (left by a session that was ended)
    // belong to no skin.
    if (!item.folder && IsScratchName(child.cFileName)) continue;
    std::string entry = item.entry;
    std::string path = item.path;
    bool folder = item.folder;
    AddItem(std::move(item));
    if (!folder) continue;
    int rc = Walk(path, entry);
    if (rc != kZipOk) return rc;
  }
  return kZipOk;
}

int Packer::Collect() {
  for (const auto& name : request_.names) {
    std::string trimmed = name;
    while (trimmed.size() > 1 && (trimmed.back() == '\\' || trimmed.back() == '/') &&
           !(trimmed.size() == 3 && trimmed[1] == ':'))
      trimmed.pop_back();
    std::string path = PathOf(trimmed);
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (trimmed.empty() || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
      Print("zip error: name not matched: " + name + "\n");
      return kZipNameNotFound;
    }
    Item item;
    item.path = path;
    item.folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    item.entry = EntryNameOf(trimmed);
    std::string prefix = item.entry.empty() ? "" : item.entry + "/";
    if (item.folder) item.entry = prefix;
    item.modified = data.ftLastWriteTime;
    item.attributes = data.dwFileAttributes;
    if (!item.folder && IsOwnArchive(path, SizeOf(data.nFileSizeHigh, data.nFileSizeLow))) continue;
    bool folder = item.folder;
    AddItem(std::move(item));
    if (!folder) continue;
    int rc = Walk(path, prefix);
    if (rc != kZipOk) return rc;
  }
  return kZipOk;
}

// Copies or deflates the file's data to the archive, filling in the CRC,
// the sizes and the method actually used.
int Packer::WriteFileData(HANDLE file, uint64_t size, bool compress, Written& w) {
  uint64_t dataStart = out_->Tell();
  for (int pass = 0; pass < 2; ++pass) {
    bool deflating = compress && pass == 0;
    LARGE_INTEGER zero{};
    if (pass == 1 && !SetFilePointerEx(file, zero, nullptr, FILE_BEGIN)) return kZipReadError;
    uLong crc = crc32(0, nullptr, 0);
    uint64_t done = 0;
    if (deflating) {
      if (!deflating_) {
        if (deflateInit2(&z_, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY) != Z_OK)
          return kZipNoMemory;
        deflating_ = true;
      } else {
        deflateReset(&z_);
      }
    }
    bool finished = false;
    while (!finished) {
      DWORD want = static_cast<DWORD>(std::min<uint64_t>(kChunk, size - done));
      DWORD got = 0;
      if (want > 0 && (!ReadFile(file, readBuffer_.data(), want, &got, nullptr) || got != want)) return kZipReadError;
      done += got;
      crc = crc32(crc, reinterpret_cast<const Bytef*>(readBuffer_.data()), got);
      finished = done == size;
      if (!deflating) {
        out_->Write(readBuffer_.data(), got);
        continue;
      }
      z_.next_in = reinterpret_cast<Bytef*>(readBuffer_.data());
      z_.avail_in = got;
      int flush = finished ? Z_FINISH : Z_NO_FLUSH;
      for (;;) {
        z_.next_out = deflateBuffer_.data();
        z_.avail_out = static_cast<uInt>(deflateBuffer_.size());
        int rc = deflate(&z_, flush);
        if (rc == Z_STREAM_ERROR) return kZipNoMemory;
        out_->Write(deflateBuffer_.data(), deflateBuffer_.size() - z_.avail_out);
        if (flush == Z_FINISH ? rc == Z_STREAM_END : z_.avail_out != 0) break;
      }
    }
    if (out_->Failed()) return kZipWriteError;
    uint64_t written = out_->Tell() - dataStart;
    if (deflating && written >= size) {
      // Deflate did not help: store the file instead.
      out_->Truncate(dataStart);
      continue;
    }
    if (written >= kMax32) return kZipTooBig;
    w.method = deflating ? kMethodDeflated : kMethodStored;
    w.versionNeeded = deflating ? kVersionDeflate : kVersionStored;
    w.crc = static_cast<uint32_t>(crc);
    w.compressedSize = static_cast<uint32_t>(written);
    w.size = static_cast<uint32_t>(size);
    return kZipOk;
  }
  return kZipOk;
}

int Packer::WriteItem(const Item& item, bool replacing) {
  if (out_->Tell() >= kMax32) return kZipTooBig;
  Written w;
  w.name = IsAscii(item.entry) ? item.entry : AnsiToUtf8(item.entry);
  w.flags = IsAscii(item.entry) ? 0 : kFlagUtf8;
  w.dosTime = DosDateTimeOf(item.modified);
  w.externalAttributes = ExternalOf(item);
  w.offset = static_cast<uint32_t>(out_->Tell());
  std::string verb = replacing ? "updating: " : "  adding: ";
  if (item.folder) {
    w.versionNeeded = kVersionDeflate;
    out_->Write(LocalHeader(w));
    AppendCentral(central_, w, kMadeBy);
    ++count_;
    Print(verb + item.entry + " (stored 0%)\n");
    return out_->Failed() ? kZipWriteError : kZipOk;
  }
  HANDLE file = CreateFileA(item.path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    Print("zip error: could not open for reading: " + item.path + "\n");
    return kZipNameNotFound;
  }
  LARGE_INTEGER size{};
  int rc = GetFileSizeEx(file, &size) ? kZipOk : kZipReadError;
  if (rc == kZipOk && static_cast<uint64_t>(size.QuadPart) >= kMax32) rc = kZipTooBig;
  if (rc == kZipOk) {
    out_->Write(LocalHeader(w));  // sizes and CRC follow once known
    bool compress = size.QuadPart > 0 && !IsCompressedImage(item.entry);
    rc = WriteFileData(file, static_cast<uint64_t>(size.QuadPart), compress, w);
  }
  CloseHandle(file);
  if (rc != kZipOk) {
    if (rc == kZipReadError) Print("zip error: could not read " + item.path + "\n");
    return rc;
  }
  out_->PatchAt(w.offset, LocalHeader(w));
  AppendCentral(central_, w, kMadeBy);
  ++count_;
  if (w.method == kMethodDeflated) {
    int percent = static_cast<int>((static_cast<uint64_t>(w.size - w.compressedSize) * 100) / w.size);
    Print(verb + item.entry + " (deflated " + std::to_string(percent) + "%)\n");
  } else {
    Print(verb + item.entry + " (stored 0%)\n");
  }
  return out_->Failed() ? kZipWriteError : kZipOk;
}

// Takes an entry of the existing archive over unchanged.
int Packer::CopyOld(const CentralEntry& e) {
  uint64_t start = DataOffset(old_.Data(), old_.Size(), oldDirectory_.start, e);
  if (start == 0) {
    Print("zip error: damaged entry in the existing archive: " + e.name + "\n");
    return kZipBadArchive;
  }
  if (e.compressedSize >= kMax32 || e.size >= kMax32 || out_->Tell() >= kMax32) return kZipTooBig;
  Written w;
  w.name = e.rawName;
  w.versionNeeded = e.versionNeeded;
  w.flags = e.flags;
  w.method = e.method;
  w.dosTime = e.dosTime;
  w.crc = e.crc;
  w.compressedSize = static_cast<uint32_t>(e.compressedSize);
  w.size = static_cast<uint32_t>(e.size);
  w.internalAttributes = e.internalAttributes;
  w.externalAttributes = e.externalAttributes;
  w.offset = static_cast<uint32_t>(out_->Tell());
  out_->Write(LocalHeader(w));
  out_->Write(old_.Data() + start, static_cast<size_t>(e.compressedSize));
  if (e.flags & kFlagDataDescriptor) {
    std::string d;
    Put32(d, kDataDescriptorSig);
    Put32(d, w.crc);
    Put32(d, w.compressedSize);
    Put32(d, w.size);
    out_->Write(d);
  }
  AppendCentral(central_, w, e.madeBy);
  ++count_;
  return out_->Failed() ? kZipWriteError : kZipOk;
}

int Packer::WriteArchive() {
  std::vector<bool> done(items_.size(), false);
  std::unordered_map<std::string, size_t> byName;
  for (size_t i = 0; i < items_.size(); ++i) byName.emplace(ToLower(items_[i].entry), i);
  for (const auto& e : oldDirectory_.entries) {
    auto it = byName.find(ToLower(e.name));
    int rc;
    if (it == byName.end()) {
      rc = CopyOld(e);
    } else {
      const Item& item = items_[it->second];
      done[it->second] = true;
      bool newer = DosDateTimeOf(item.modified) > e.dosTime;
      rc = (request_.update && !newer) ? CopyOld(e) : WriteItem(item, true);
    }
    if (rc != kZipOk) return rc;
  }
  for (size_t i = 0; i < items_.size(); ++i) {
    if (done[i]) continue;
    int rc = WriteItem(items_[i], false);
    if (rc != kZipOk) return rc;
  }
  uint64_t cdOffset = out_->Tell();
  if (count_ > kMax16 || cdOffset >= kMax32 || central_.size() >= kMax32 - cdOffset) return kZipTooBig;
  out_->Write(central_);
  std::string end;
  Put32(end, kEndOfCentralSig);
  Put16(end, 0);
  Put16(end, 0);
  Put16(end, static_cast<uint16_t>(count_));
  Put16(end, static_cast<uint16_t>(count_));
  Put32(end, static_cast<uint32_t>(central_.size()));
  Put32(end, static_cast<uint32_t>(cdOffset));
  std::string comment = oldDirectory_.comment.substr(0, kMax16);
  Put16(end, static_cast<uint16_t>(comment.size()));
  end += comment;
  out_->Write(end);
  out_->Flush();
  return out_->Failed() ? kZipWriteError : kZipOk;
}

int Packer::Run() {
  if (request_.zipName.empty()) {
    Print("zip error: no archive name\n");
    return kZipBadName;
  }
  if (request_.names.empty()) {
    Print("zip error: Nothing to do!\n");
    return kZipNothingToDo;
  }
  root_ = request_.rootDir.empty() ? std::string() : DiskCaseOf(request_.rootDir);
  zipFull_ = FullPathOf(request_.zipName);
  char temp[MAX_PATH];
  if (!GetTempFileNameA(FolderOf(zipFull_).c_str(), "zi", 0, temp)) {
    Print("zip error: could not create " + request_.zipName + "\n");
    return kZipCreateError;
  }
  tempFull_ = FullPathOf(temp);
  for (const std::string& own : {zipFull_, tempFull_, request_.leaveOut})
    if (std::optional<FileIdentity> id = IdentityOf(own)) ownFiles_.push_back(*id);
  int rc = Collect();
  if (rc == kZipOk && GetFileAttributesA(zipFull_.c_str()) != INVALID_FILE_ATTRIBUTES) {
    if (!old_.Open(zipFull_) || ReadCentralDirectory(old_.Data(), old_.Size(), oldDirectory_) != DirectoryStatus::kOk) {
      Print("zip error: not a readable zip archive: " + request_.zipName + "\n");
      rc = kZipBadArchive;
    }
  }
  if (rc == kZipOk) {
    file_ = CreateFileA(tempFull_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file_ == INVALID_HANDLE_VALUE) rc = kZipCreateError;
  }
  if (rc == kZipOk) {
    out_ = std::make_unique<ArchiveWriter>(file_);
    rc = WriteArchive();
  }
  if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
  file_ = INVALID_HANDLE_VALUE;
  old_.Close();
  if (rc != kZipOk) return rc;
  if (!MoveFileExA(tempFull_.c_str(), zipFull_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED)) {
    Print("zip error: could not create " + request_.zipName + "\n");
    return kZipCreateError;
  }
  moved_ = true;
  return kZipOk;
}

}  // namespace

int Archive(const ArchiveRequest& request) {
  try {
    Packer packer(request);
    int rc = packer.Run();
    packer.FlushMessages();
    return rc;
  } catch (const std::bad_alloc&) {
    return kZipNoMemory;
  }
}

}  // namespace core::ziplib
