// The ZIP format as Tarnell's archiver and extractor write and read it:
// record signatures and layouts, little-endian fields, DOS date and time,
// entry-name encodings, the central directory of an archive held in memory,
// and the traditional PKWARE decryption.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace core::ziplib {

inline constexpr uint32_t kLocalHeaderSig = 0x04034b50;
inline constexpr uint32_t kCentralHeaderSig = 0x02014b50;
inline constexpr uint32_t kEndOfCentralSig = 0x06054b50;
inline constexpr uint32_t kZip64EndSig = 0x06064b50;
inline constexpr uint32_t kZip64LocatorSig = 0x07064b50;
inline constexpr uint32_t kDataDescriptorSig = 0x08074b50;

inline constexpr size_t kLocalHeaderSize = 30;
inline constexpr size_t kCentralHeaderSize = 46;
inline constexpr size_t kEndOfCentralSize = 22;
inline constexpr size_t kZip64LocatorSize = 20;
inline constexpr size_t kZip64EndSize = 56;

inline constexpr uint16_t kMethodStored = 0;
inline constexpr uint16_t kMethodDeflated = 8;

inline constexpr uint16_t kFlagEncrypted = 0x0001;
inline constexpr uint16_t kFlagDataDescriptor = 0x0008;
inline constexpr uint16_t kFlagStrongEncryption = 0x0040;
inline constexpr uint16_t kFlagMaskedHeader = 0x2000;  // local header values hidden by an encrypted directory
inline constexpr uint16_t kFlagUtf8 = 0x0800;

// The "made by" host systems whose names are in the OEM code page.
inline constexpr uint8_t kHostFat = 0;
inline constexpr uint8_t kHostHpfs = 6;
inline constexpr uint8_t kHostNtfs = 11;
inline constexpr uint8_t kHostVfat = 14;

inline constexpr uint32_t kMax32 = 0xFFFFFFFFu;
inline constexpr uint16_t kMax16 = 0xFFFFu;

// Size of the header in front of traditionally encrypted data.
inline constexpr size_t kCryptHeaderSize = 12;

inline uint16_t Get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline uint32_t Get32(const uint8_t* p) { return Get16(p) | (static_cast<uint32_t>(Get16(p + 2)) << 16); }
inline uint64_t Get64(const uint8_t* p) { return Get32(p) | (static_cast<uint64_t>(Get32(p + 4)) << 32); }
void Put16(std::string& out, uint16_t v);
void Put32(std::string& out, uint32_t v);
void Poke32(char* p, uint32_t v);

// DOS date and time packed as date << 16 | time, in local time.
uint32_t DosDateTimeOf(const FILETIME& utc);
// The UTC time of a DOS date and time; false for an impossible one.
bool FileTimeOfDos(uint32_t dosDateTime, FILETIME& utc);
// The UTC time of a Unix time stamp.
FILETIME FileTimeOfUnix(int64_t seconds);

// Entry names: Tarnell's strings are in the ANSI code page; names that are
// not plain ASCII go into archives as UTF-8 with the UTF-8 flag.
bool IsAscii(const std::string& s);
bool IsUtf8(const std::string& s);
std::string AnsiToUtf8(const std::string& s);
// Text of another code page (CP_UTF8, CP_OEMCP) in the ANSI code page.
// Characters the ANSI code page lacks become "_" or a look-alike; exact
// tells whether the result still stands for the same characters.
std::string ToAnsi(const std::string& s, UINT codePage, bool& exact);

// One entry of a central directory.
struct CentralEntry {
  uint16_t madeBy = 0;
  uint16_t versionNeeded = 0;
  uint16_t flags = 0;
  uint16_t method = 0;
  uint32_t dosTime = 0;  // date << 16 | time
  uint32_t crc = 0;
  uint64_t compressedSize = 0;
  uint64_t size = 0;
  uint16_t internalAttributes = 0;
  uint32_t externalAttributes = 0;
  uint64_t localOffset = 0;
  std::string rawName;  // the name's bytes as stored
  std::string name;     // in the ANSI code page
  bool nameExact = true;  // false when name stands for other characters than the stored name
  bool hasUnixTime = false;
  int64_t unixTime = 0;  // modification time from the extended time stamp
  bool extraDamaged = false;  // a block of the extra field runs past the room left

  bool IsFolder() const { return !rawName.empty() && (rawName.back() == '/' || rawName.back() == '\\'); }
  bool IsEncrypted() const { return (flags & kFlagEncrypted) != 0; }
  bool IsText() const { return (internalAttributes & 1) != 0; }
};

// An archive file mapped into memory, read-only.
class MappedFile {
 public:
  MappedFile() = default;
  ~MappedFile();
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;
  // False when the file cannot be opened; an empty file opens with size 0.
  bool Open(const std::string& path);
  void Close();
  const uint8_t* Data() const { return data_; }
  uint64_t Size() const { return size_; }

 private:
  HANDLE file_ = INVALID_HANDLE_VALUE;
  HANDLE mapping_ = nullptr;
  const uint8_t* data_ = nullptr;
  uint64_t size_ = 0;
};

enum class DirectoryStatus { kOk, kNotZip, kCorrupt, kUnsupported };

// The central directory of an archive: its entries in stored order and the
// archive comment. Every offset and size is checked against the file, so a
// damaged archive gives kCorrupt or kNotZip, never a read outside it. The
// entries are read from the whole of the directory's stated extent, and an
// entry count in the end records that disagrees with them is damage; a
// ZIP64 locator or end record naming more than one disk gives kUnsupported.
struct CentralDirectory {
  std::vector<CentralEntry> entries;
  std::string comment;
  uint64_t start = 0;  // where the central directory begins
};
DirectoryStatus ReadCentralDirectory(const uint8_t* data, uint64_t size, CentralDirectory& out);

// Where an entry's data begins (after its local header), or 0 when the
// local header is missing, damaged or its data runs past the central
// directory.
uint64_t DataOffset(const uint8_t* data, uint64_t size, uint64_t directoryStart, const CentralEntry& entry);

// For an entry whose DataOffset is not 0: whether its local header gives
// the same name, method and encryption as the central entry and, unless a
// data descriptor defers them, the same CRC and sizes.
bool LocalHeaderAgrees(const uint8_t* data, const CentralEntry& entry);

// For each entry of the directory, whether its local header and data share
// bytes with another entry's: such entries would let an archive expand by
// reusing its data. Folders and entries without a sound local header take
// no part.
std::vector<bool> OverlappingEntries(const uint8_t* data, uint64_t size, const CentralDirectory& directory);

// The traditional PKWARE stream cipher, for reading encrypted entries.
class ZipCrypto {
 public:
  explicit ZipCrypto(const std::string& password);
  // Decrypts the 12-byte header; true when its check byte fits the entry.
  bool CheckHeader(const uint8_t* header, const CentralEntry& entry);
  void Decrypt(const uint8_t* in, uint8_t* out, size_t n);

 private:
  void Update(uint8_t c);
  uint8_t NextMask() const;
  uint32_t keys_[3];
};

}  // namespace core::ziplib
