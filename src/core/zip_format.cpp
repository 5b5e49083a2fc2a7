#include "core/zip_format.h"

#include <zlib.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace core::ziplib {

void Put16(std::string& out, uint16_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8));
}

void Put32(std::string& out, uint32_t v) {
  Put16(out, static_cast<uint16_t>(v & 0xFFFF));
  Put16(out, static_cast<uint16_t>(v >> 16));
}

void Poke32(char* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

uint32_t DosDateTimeOf(const FILETIME& utc) {
  FILETIME local;
  WORD date = 0;
  WORD time = 0;
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToDosDateTime(&local, &date, &time)) {
    // 1980-01-01 00:00, the earliest a DOS time can say.
    return (static_cast<uint32_t>((1 << 5) | 1) << 16);
  }
  return (static_cast<uint32_t>(date) << 16) | time;
}

bool FileTimeOfDos(uint32_t dosDateTime, FILETIME& utc) {
  FILETIME local;
  WORD date = static_cast<WORD>(dosDateTime >> 16);
  WORD time = static_cast<WORD>(dosDateTime & 0xFFFF);
  if (date == 0) return false;
  return DosDateTimeToFileTime(date, time, &local) && LocalFileTimeToFileTime(&local, &utc);
}

FILETIME FileTimeOfUnix(int64_t seconds) {
  // FILETIME counts 100 ns steps from 1601-01-01.
  uint64_t t = static_cast<uint64_t>(seconds + 11644473600LL) * 10000000ULL;
  FILETIME ft;
  ft.dwLowDateTime = static_cast<DWORD>(t & 0xFFFFFFFF);
  ft.dwHighDateTime = static_cast<DWORD>(t >> 32);
  return ft;
}

bool IsAscii(const std::string& s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsUtf8(const std::string& s) {
  if (s.empty()) return true;
  return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, s.data(), static_cast<int>(s.size()), nullptr, 0) > 0;
}

namespace {

std::wstring Widen(const std::string& s, UINT codePage) {
  if (s.empty()) return {};
  int n = MultiByteToWideChar(codePage, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(std::max(n, 0)), L'\0');
  if (n > 0) MultiByteToWideChar(codePage, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

std::string Narrow(const std::wstring& w, UINT codePage) {
  if (w.empty()) return {};
  const char* fallback = codePage == CP_UTF8 ? nullptr : "_";
  int n = WideCharToMultiByte(codePage, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, fallback, nullptr);
  std::string s(static_cast<size_t>(std::max(n, 0)), '\0');
  if (n > 0) WideCharToMultiByte(codePage, 0, w.data(), static_cast<int>(w.size()), s.data(), n, fallback, nullptr);
  return s;
}

}  // namespace

std::string AnsiToUtf8(const std::string& s) { return Narrow(Widen(s, CP_ACP), CP_UTF8); }
std::string ToAnsi(const std::string& s, UINT codePage, bool& exact) {
  const std::wstring wide = Widen(s, codePage);
  std::string ansi = Narrow(wide, CP_ACP);
  exact = Widen(ansi, CP_ACP) == wide;
  return ansi;
}

MappedFile::~MappedFile() { Close(); }

bool MappedFile::Open(const std::string& path) {
  Close();
  file_ = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                      FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file_ == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file_, &size)) {
    Close();
    return false;
  }
  size_ = static_cast<uint64_t>(size.QuadPart);
  if (size_ == 0) return true;
  mapping_ = CreateFileMappingA(file_, nullptr, PAGE_READONLY, 0, 0, nullptr);
  if (mapping_) data_ = static_cast<const uint8_t*>(MapViewOfFile(mapping_, FILE_MAP_READ, 0, 0, 0));
  if (!data_) {
    Close();
    return false;
  }
  return true;
}

void MappedFile::Close() {
  if (data_) UnmapViewOfFile(data_);
  if (mapping_) CloseHandle(mapping_);
  if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
  data_ = nullptr;
  mapping_ = nullptr;
  file_ = INVALID_HANDLE_VALUE;
  size_ = 0;
}

namespace {

// The position of the end-of-central-directory record: the last signature
// whose comment ends within the file.
bool FindEndOfCentral(const uint8_t* data, uint64_t size, uint64_t& pos) {
  if (size < kEndOfCentralSize) return false;
  uint64_t lowest = size > kEndOfCentralSize + 0xFFFF ? size - kEndOfCentralSize - 0xFFFF : 0;
  for (uint64_t p = size - kEndOfCentralSize + 1; p-- > lowest;) {
    if (Get32(data + p) != kEndOfCentralSig) continue;
    if (p + kEndOfCentralSize + Get16(data + p + 20) <= size) {
      pos = p;
      return true;
    }
  }
  return false;
}

// Calls visit(tag, value, length) for each block of an extra field until it
// answers true. False when a block's length runs past the room left; a
// tail too short for a block header is padding and passes.
template <typename Visit>
bool WalkExtra(const uint8_t* extra, size_t length, Visit visit) {
  size_t p = 0;
  while (p + 4 <= length) {
    uint16_t tag = Get16(extra + p);
    uint16_t len = Get16(extra + p + 2);
    if (len > length - p - 4) return false;
    if (visit(tag, extra + p + 4, len)) return true;
    p += 4 + len;
  }
  return true;
}

constexpr uint16_t kTagZip64 = 0x0001;
constexpr uint16_t kTagUnixTime = 0x5455;

// Replaces each field that holds its 32-bit maximum by the next 64-bit
// value of the ZIP64 extra block, in the order given. False when the block
// is missing or short.
bool ApplyZip64Extra(const uint8_t* extra, size_t length, std::initializer_list<uint64_t*> fields) {
  bool found = false;
  bool complete = true;
  WalkExtra(extra, length, [&](uint16_t tag, const uint8_t* v, uint16_t len) {
    if (tag != kTagZip64) return false;
    found = true;
    size_t at = 0;
    for (uint64_t* f : fields) {
      if (*f != kMax32) continue;
      if (len - at < 8) {
        complete = false;
        break;
      }
      *f = Get64(v + at);
      at += 8;
    }
    return true;
  });
  return found && complete;
}

void ReadUnixTime(const uint8_t* extra, size_t length, CentralEntry& e) {
  WalkExtra(extra, length, [&](uint16_t tag, const uint8_t* v, uint16_t len) {
    // Extended time stamp: flags, then the modification time first.
    if (tag != kTagUnixTime || len < 5 || !(v[0] & 1)) return false;
    e.hasUnixTime = true;
    e.unixTime = static_cast<int32_t>(Get32(v + 1));
    return true;
  });
}

// exact turns false when the ANSI name stands for other characters.
std::string DecodeName(const std::string& raw, uint16_t flags, uint8_t host, bool& exact) {
  exact = true;
  if (IsAscii(raw)) return raw;
  if (flags & kFlagUtf8) return ToAnsi(raw, CP_UTF8, exact);
  if (host == kHostFat || host == kHostHpfs || host == kHostNtfs || host == kHostVfat)
    return ToAnsi(raw, CP_OEMCP, exact);
  // Other systems (Unix) store the bytes of their own locale, today UTF-8.
  return IsUtf8(raw) ? ToAnsi(raw, CP_UTF8, exact) : raw;
}

}  // namespace

DirectoryStatus ReadCentralDirectory(const uint8_t* data, uint64_t size, CentralDirectory& out) {
  out = CentralDirectory{};
  uint64_t eocd = 0;
  if (!data || !FindEndOfCentral(data, size, eocd)) return DirectoryStatus::kNotZip;
  const uint8_t* e = data + eocd;
  uint16_t disk = Get16(e + 4);
  uint16_t cdDisk = Get16(e + 6);
  uint64_t count = Get16(e + 10);
  uint64_t cdSize = Get32(e + 12);
  uint64_t cdOffset = Get32(e + 16);
  std::optional<uint64_t> zip64Count;
  out.comment.assign(reinterpret_cast<const char*>(e + 22), Get16(e + 20));
  if (count == kMax16 || cdSize == kMax32 || cdOffset == kMax32) {
    // ZIP64: the locator sits right before the classic record.
    if (eocd < kZip64LocatorSize || Get32(data + eocd - kZip64LocatorSize) != kZip64LocatorSig)
      return DirectoryStatus::kCorrupt;
    const uint8_t* locator = data + eocd - kZip64LocatorSize;
    // The disk holding the ZIP64 end record and the number of disks (some
    // writers give 0 for one disk).
    if (Get32(locator + 4) != 0 || Get32(locator + 16) > 1) return DirectoryStatus::kUnsupported;
    uint64_t z = Get64(locator + 8);
    // The ZIP64 end record ends before the locator.
    uint64_t zipEnd = eocd - kZip64LocatorSize;
    if (z > zipEnd || zipEnd - z < kZip64EndSize || Get32(data + z) != kZip64EndSig) return DirectoryStatus::kCorrupt;
    disk = static_cast<uint16_t>(std::min<uint32_t>(Get32(data + z + 16), kMax16));
    cdDisk = static_cast<uint16_t>(std::min<uint32_t>(Get32(data + z + 20), kMax16));
    zip64Count = Get64(data + z + 32);
    cdSize = Get64(data + z + 40);
    cdOffset = Get64(data + z + 48);
  }
  if (disk != 0 || cdDisk != 0) return DirectoryStatus::kUnsupported;  // split archives
  if (cdOffset > eocd || cdSize > eocd - cdOffset) return DirectoryStatus::kCorrupt;
  out.start = cdOffset;
  uint64_t p = cdOffset;
  const uint64_t end = cdOffset + cdSize;
  while (p < end) {
    if (end - p < kCentralHeaderSize || Get32(data + p) != kCentralHeaderSig) return DirectoryStatus::kCorrupt;
    const uint8_t* h = data + p;
    CentralEntry entry;
    entry.madeBy = Get16(h + 4);
    entry.versionNeeded = Get16(h + 6);
    entry.flags = Get16(h + 8);
    entry.method = Get16(h + 10);
    entry.dosTime = (static_cast<uint32_t>(Get16(h + 14)) << 16) | Get16(h + 12);
    entry.crc = Get32(h + 16);
    entry.compressedSize = Get32(h + 20);
    entry.size = Get32(h + 24);
    uint16_t nameLen = Get16(h + 28);
    uint16_t extraLen = Get16(h + 30);
    uint16_t commentLen = Get16(h + 32);
    entry.internalAttributes = Get16(h + 36);
    entry.externalAttributes = Get32(h + 38);
    entry.localOffset = Get32(h + 42);
    uint64_t total = kCentralHeaderSize + nameLen + extraLen + commentLen;
    if (end - p < total) return DirectoryStatus::kCorrupt;
    const uint8_t* extra = h + kCentralHeaderSize + nameLen;
    bool needsZip64 = entry.size == kMax32 || entry.compressedSize == kMax32 || entry.localOffset == kMax32;
    if (needsZip64 && !ApplyZip64Extra(extra, extraLen, {&entry.size, &entry.compressedSize, &entry.localOffset}))
      return DirectoryStatus::kCorrupt;
    entry.extraDamaged = !WalkExtra(extra, extraLen, [](uint16_t, const uint8_t*, uint16_t) { return false; });
    ReadUnixTime(extra, extraLen, entry);
    entry.rawName.assign(reinterpret_cast<const char*>(h + kCentralHeaderSize), nameLen);
    entry.name = DecodeName(entry.rawName, entry.flags, static_cast<uint8_t>(entry.madeBy >> 8), entry.nameExact);
    out.entries.push_back(std::move(entry));
    p += total;
  }
  // Every count must name the entries found. Without ZIP64 some writers let
  // the 16-bit count wrap past 65535 entries.
  uint64_t found = out.entries.size();
  if (zip64Count ? (*zip64Count != found || (count != kMax16 && count != (found & kMax16))) : count != (found & kMax16))
    return DirectoryStatus::kCorrupt;
  return DirectoryStatus::kOk;
}

uint64_t DataOffset(const uint8_t* data, uint64_t size, uint64_t directoryStart, const CentralEntry& entry) {
  uint64_t limit = std::min(size, directoryStart);
  uint64_t p = entry.localOffset;
  if (p > limit || limit - p < kLocalHeaderSize || Get32(data + p) != kLocalHeaderSig) return 0;
  uint64_t start = p + kLocalHeaderSize + Get16(data + p + 26) + Get16(data + p + 28);
  if (start > limit || limit - start < entry.compressedSize) return 0;
  return start;
}

bool LocalHeaderAgrees(const uint8_t* data, const CentralEntry& entry) {
  const uint8_t* h = data + entry.localOffset;
  uint16_t flags = Get16(h + 6);
  uint16_t nameLen = Get16(h + 26);
  const uint16_t encryption = kFlagEncrypted | kFlagStrongEncryption;
  if (Get16(h + 8) != entry.method || (flags & encryption) != (entry.flags & encryption)) return false;
  if (std::string_view(reinterpret_cast<const char*>(h + kLocalHeaderSize), nameLen) != entry.rawName) return false;
  if (flags & kFlagDataDescriptor) return true;
  uint64_t compressed = Get32(h + 18);
  uint64_t size = Get32(h + 22);
  if (compressed == kMax32 || size == kMax32) {
    // A local ZIP64 block should hold both sizes; some writers give only
    // those at their maximum.
    const uint8_t* extra = h + kLocalHeaderSize + nameLen;
    uint16_t extraLen = Get16(h + 28);
    bool both = false;
    WalkExtra(extra, extraLen, [&](uint16_t tag, const uint8_t*, uint16_t len) {
      if (tag != kTagZip64) return false;
      both = len >= 16;
      return true;
    });
    if (both) size = compressed = kMax32;
    if (!ApplyZip64Extra(extra, extraLen, {&size, &compressed})) return false;
  }
  return Get32(h + 14) == entry.crc && compressed == entry.compressedSize && size == entry.size;
}

std::vector<bool> OverlappingEntries(const uint8_t* data, uint64_t size, const CentralDirectory& directory) {
  struct Span {
    uint64_t from;
    uint64_t to;
    size_t index;
  };
  std::vector<Span> spans;
  for (size_t i = 0; i < directory.entries.size(); ++i) {
    const CentralEntry& e = directory.entries[i];
    uint64_t start = e.IsFolder() ? 0 : DataOffset(data, size, directory.start, e);
    if (start != 0) spans.push_back({e.localOffset, start + e.compressedSize, i});
  }
  std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.from < b.from; });
  // Each span is compared with the one reaching furthest before it: every
  // entry that overlaps another is marked, and so is the other.
  std::vector<bool> overlapping(directory.entries.size(), false);
  const Span* furthest = nullptr;
  for (const Span& s : spans) {
    if (furthest && s.from < furthest->to) overlapping[s.index] = overlapping[furthest->index] = true;
    if (!furthest || s.to > furthest->to) furthest = &s;
  }
  return overlapping;
}

ZipCrypto::ZipCrypto(const std::string& password) : keys_{305419896u, 591751049u, 878082192u} {
  for (char c : password) Update(static_cast<uint8_t>(c));
}

void ZipCrypto::Update(uint8_t c) {
  static const z_crc_t* table = get_crc_table();
  keys_[0] = table[(keys_[0] ^ c) & 0xFF] ^ (keys_[0] >> 8);
  keys_[1] = (keys_[1] + (keys_[0] & 0xFF)) * 134775813u + 1;
  keys_[2] = table[(keys_[2] ^ (keys_[1] >> 24)) & 0xFF] ^ (keys_[2] >> 8);
}

uint8_t ZipCrypto::NextMask() const {
  uint32_t t = (keys_[2] & 0xFFFF) | 2;
  return static_cast<uint8_t>(((t * (t ^ 1)) >> 8) & 0xFF);
}

void ZipCrypto::Decrypt(const uint8_t* in, uint8_t* out, size_t n) {
  for (size_t i = 0; i < n; ++i) {
    uint8_t c = static_cast<uint8_t>(in[i] ^ NextMask());
    Update(c);
    out[i] = c;
  }
}

bool ZipCrypto::CheckHeader(const uint8_t* header, const CentralEntry& entry) {
  uint8_t plain[kCryptHeaderSize];
  Decrypt(header, plain, kCryptHeaderSize);
  // With a data descriptor the check byte is the high byte of the DOS time.
  uint8_t expected = (entry.flags & kFlagDataDescriptor) ? static_cast<uint8_t>((entry.dosTime >> 8) & 0xFF)
                                                         : static_cast<uint8_t>(entry.crc >> 24);
  return plain[kCryptHeaderSize - 1] == expected;
}

}  // namespace core::ziplib
