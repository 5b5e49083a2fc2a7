// Helpers for the ZIP tests: archives crafted byte by byte (names and
// damage of the test's choosing), a reader of an archive's central
// directory that shares no code with Tarnell's, test data and folder
// comparison.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zip_test {

struct RawEntry {
  std::string name;
  uint16_t flags = 0;
  uint16_t method = 0;
  uint32_t crc = 0;
  uint32_t compressedSize = 0;
  uint32_t size = 0;
  uint32_t localOffset = 0;
};

inline uint32_t Le32(const std::string& s, size_t p) {
  return static_cast<uint32_t>(static_cast<unsigned char>(s[p]) | (static_cast<unsigned char>(s[p + 1]) << 8) |
                               (static_cast<unsigned char>(s[p + 2]) << 16) |
                               (static_cast<uint32_t>(static_cast<unsigned char>(s[p + 3])) << 24));
}
inline uint16_t Le16(const std::string& s, size_t p) {
  return static_cast<uint16_t>(static_cast<unsigned char>(s[p]) | (static_cast<unsigned char>(s[p + 1]) << 8));
}

// The entries of an archive without comment, as its central directory
// lists them.
inline std::vector<RawEntry> CentralEntries(const std::string& zip) {
  std::vector<RawEntry> entries;
  if (zip.size() < 22) return entries;
  size_t eocd = zip.size() - 22;
  if (Le32(zip, eocd) != 0x06054b50) return entries;
  size_t p = Le32(zip, eocd + 16);
  uint16_t count = Le16(zip, eocd + 10);
  for (uint16_t i = 0; i < count && p + 46 <= zip.size() && Le32(zip, p) == 0x02014b50; ++i) {
    RawEntry e;
    e.flags = Le16(zip, p + 8);
    e.method = Le16(zip, p + 10);
    e.crc = Le32(zip, p + 16);
    e.compressedSize = Le32(zip, p + 20);
    e.size = Le32(zip, p + 24);
    e.localOffset = Le32(zip, p + 42);
    uint16_t n = Le16(zip, p + 28);
    e.name = zip.substr(p + 46, n);
    entries.push_back(e);
    p += 46 + n + Le16(zip, p + 30) + Le16(zip, p + 32);
  }
  return entries;
}

inline std::vector<std::string> EntryNames(const std::string& zip) {
  std::vector<std::string> names;
  for (const auto& e : CentralEntries(zip)) names.push_back(e.name);
  return names;
}

inline std::string RawDeflate(const std::string& data) {
  z_stream z{};
  deflateInit2(&z, 6, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&z, data.size()) + 16, '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

// Builds an archive entry by entry, each stored or deflated, optionally
// with a wrong CRC.
class ZipBuilder {
 public:
  // The entries added from now on carry the flag for UTF-8 names.
  ZipBuilder& Utf8Names() {
    flags_ = 0x0800;
    return *this;
  }
  ZipBuilder& Add(const std::string& name, const std::string& data, bool deflated = false, bool badCrc = false) {
    uint32_t crc = static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
    if (badCrc) crc ^= 0x5A5A5A5A;
    std::string payload = deflated ? RawDeflate(data) : data;
    uint32_t offset = static_cast<uint32_t>(body_.size());
    std::string fields;
    Put16(fields, 20);
    Put16(fields, flags_);
    Put16(fields, deflated ? 8 : 0);
    Put16(fields, 0x4800);  // 09:00
    Put16(fields, 0x5865);  // 2024-03-05
    Put32(fields, crc);
    Put32(fields, static_cast<uint32_t>(payload.size()));
    Put32(fields, static_cast<uint32_t>(data.size()));
    Put16(fields, static_cast<uint16_t>(name.size()));
    Put16(fields, 0);
    Put32(body_, 0x04034b50);
    body_ += fields + name + payload;
    Put32(central_, 0x02014b50);
    Put16(central_, 20);
    central_ += fields;
    Put16(central_, 0);
    Put16(central_, 0);
    Put16(central_, 0);
    Put32(central_, 0);
    Put32(central_, offset);
    central_ += name;
    ++count_;
    return *this;
  }
  std::string Bytes() const {
    std::string end;
    Put32(end, 0x06054b50);
    Put16(end, 0);
    Put16(end, 0);
    Put16(end, count_);
    Put16(end, count_);
    Put32(end, static_cast<uint32_t>(central_.size()));
    Put32(end, static_cast<uint32_t>(body_.size()));
    Put16(end, 0);
    return body_ + central_ + end;
  }

 private:
  static void Put16(std::string& s, uint16_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>(v >> 8);
  }
  static void Put32(std::string& s, uint32_t v) {
    Put16(s, static_cast<uint16_t>(v & 0xFFFF));
    Put16(s, static_cast<uint16_t>(v >> 16));
  }
  std::string body_;
  std::string central_;
  uint16_t count_ = 0;
  uint16_t flags_ = 0;
};

// Bytes that do not compress.
inline std::string RandomBytes(size_t n, uint32_t seed) {
  std::string s(n, '\0');
  uint32_t x = seed * 2654435761u + 1;
  for (auto& c : s) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    c = static_cast<char>(x >> 24);
  }
  return s;
}

// Text that compresses well.
inline std::string TextBytes(size_t n) {
  std::string s;
  for (int i = 0; s.size() < n; ++i) s += "Tab.Normal.Image.StartOffset=" + std::to_string(i % 97) + "\r\n";
  s.resize(n);
  return s;
}

}  // namespace zip_test
