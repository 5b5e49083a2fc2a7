// Hostile and damaged archives: no entry may land outside the target
// folder, and no damage may crash the extractor or pass as success.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "core/files.h"
#include "core/zip.h"
#include "core/zip_extract.h"
#include "support/files.h"
#include "support/scripted_prompter.h"
#include "zip_test_util.h"

namespace {

using core::clsUnzip;
using testing_support::Exists;
using testing_support::ReadFile;
using testing_support::TempFolder;
using testing_support::WriteFile;
using zip_test::ZipBuilder;

// Declines every password question (a damaged flag may mark any entry as
// encrypted) and lets no other prompt through.
class DecliningPrompter : public testing_support::StrictPrompter {
 public:
  DecliningPrompter() { ui::SetPrompter(this); }
  ~DecliningPrompter() override { ui::SetPrompter(testing_support::CurrentPrompter()); }
  std::optional<std::string> InputBox(const ui::InputBoxRequest&) override { return std::nullopt; }
};

class ZipSafetyTest : public ::testing::Test {
 protected:
  // Extracts bytes (written as an archive) into temp_\box\target.
  int32_t Extract(const std::string& bytes, bool honorDirectories = true) {
    WriteFile(temp_ / "archive.zip", bytes);
    clsUnzip u;
    u.SetHonorDirectories(honorDirectories);
    return u.Unzip(temp_ / "archive.zip", Target());
  }
  std::string Target() const { return temp_ / "box\\target"; }
  // Everything in temp_\box other than the target folder.
  std::vector<std::string> Escaped() const {
    std::vector<std::string> names = core::gFileSystem.FileNames(temp_ / "box");
    for (const auto& d : core::gFileSystem.SubFolderNames(temp_ / "box"))
      if (d != "target") names.push_back(d);
    return names;
  }
  std::string ValidArchive() const {
    return ZipBuilder()
        .Add("Skin/", "")
        .Add("Skin/pelto.ini", zip_test::TextBytes(3000), true)
        .Add("Skin/toolbar/back.png", zip_test::RandomBytes(700, 5))
        .Add("Skin/misc/notes.txt", zip_test::TextBytes(900), true)
        .Bytes();
  }

  TempFolder temp_;
};

TEST_F(ZipSafetyTest, EntriesThatWouldLeaveTheTargetFolderAreRefused) {
  const char* hostile[] = {"../evil.txt",   "..\\evil.txt",  "a/../../evil.txt", "a/./../../evil.txt",
                           "C:/evil.txt",   "C:evil.txt",    "/evil.txt",        "\\evil.txt",
                           "sub/.../evil",  "sub/ .. /evil", "good.txt:stream",  "sub/CON",
                           "sub/nul.txt",   "COM1.png",      "..",               "./../evil.txt"};
  for (const char* name : hostile) {
    SCOPED_TRACE(name);
    for (bool honor : {true, false}) {
      EXPECT_EQ(Extract(ZipBuilder().Add(name, "evil").Add("inside/good.txt", "good").Bytes(), honor),
                core::ziplib::kUnzipUnsafeName);
      EXPECT_TRUE(Escaped().empty()) << "written outside: " << Escaped()[0];
      EXPECT_EQ(ReadFile(Target() + (honor ? "\\inside\\good.txt" : "\\good.txt")), "good");
      EXPECT_FALSE(Exists(temp_ / "evil.txt"));
      EXPECT_FALSE(Exists("C:\\evil.txt"));
      EXPECT_FALSE(Exists("\\evil.txt"));
      testing_support::RemoveTree(temp_ / "box");
    }
  }
}

TEST_F(ZipSafetyTest, HarmlessOddNamesStayInside) {
  EXPECT_EQ(Extract(ZipBuilder().Add("./a//b/./c.txt", "c").Add("win\\style\\d.txt", "d").Add("q?.txt", "q").Bytes()),
            0);
  EXPECT_EQ(ReadFile(Target() + "\\a\\b\\c.txt"), "c");
  EXPECT_EQ(ReadFile(Target() + "\\win\\style\\d.txt"), "d");
  EXPECT_EQ(ReadFile(Target() + "\\q_.txt"), "q");
}

TEST_F(ZipSafetyTest, MissingEmptyAndForeignFilesAreNotArchives) {
  clsUnzip u;
  EXPECT_EQ(u.Unzip(temp_ / "nothing.zip", Target()), core::ziplib::kUnzipNotArchive);
  EXPECT_EQ(Extract(""), core::ziplib::kUnzipNotArchive);
  EXPECT_EQ(Extract(zip_test::RandomBytes(10000, 11)), core::ziplib::kUnzipNotArchive);
  EXPECT_EQ(Extract("[General]\r\nName=not a zip\r\n"), core::ziplib::kUnzipNotArchive);
  EXPECT_TRUE(core::gFileSystem.FileNames(Target()).empty());
}

TEST_F(ZipSafetyTest, ACrcErrorFailsAndLeavesNoFileThatLooksComplete) {
  std::string data = zip_test::TextBytes(5000);
  for (bool deflated : {false, true}) {
    SCOPED_TRACE(deflated ? "deflated" : "stored");
    WriteFile(Target() + "\\bad.txt", "an older copy");
    EXPECT_EQ(Extract(ZipBuilder().Add("good.txt", "fine").Add("bad.txt", data, deflated, true).Bytes()),
              core::ziplib::kUnzipCorrupt);
    EXPECT_FALSE(Exists(Target() + "\\bad.txt"));
    EXPECT_EQ(ReadFile(Target() + "\\good.txt"), "fine");
  }
}

TEST_F(ZipSafetyTest, DamagedCompressedDataFailsAndLeavesNoFile) {
  std::string bytes = ZipBuilder().Add("damaged.txt", zip_test::TextBytes(50000), true).Bytes();
  // Overwrite part of the deflate stream, past its first block header.
  for (size_t i = 60; i < 90; ++i) bytes[i] = static_cast<char>(0xFF);
  EXPECT_NE(Extract(bytes), 0);
  EXPECT_FALSE(Exists(Target() + "\\damaged.txt"));
}

TEST_F(ZipSafetyTest, SizesThatLieAreCaught) {
  std::string data = zip_test::TextBytes(4000);
  std::string bytes = ZipBuilder().Add("a.txt", data, true).Bytes();
  // The central directory's size field: claim one byte less, then more.
  size_t central = zip_test::Le32(bytes, bytes.size() - 22 + 16);
  for (uint32_t claimed : {3999u, 4001u, 0x7FFFFFFFu}) {
    std::string lying = bytes;
    for (int i = 0; i < 4; ++i) lying[central + 24 + i] = static_cast<char>((claimed >> (8 * i)) & 0xFF);
    EXPECT_EQ(Extract(lying), core::ziplib::kUnzipCorrupt) << claimed;
    EXPECT_FALSE(Exists(Target() + "\\a.txt"));
  }
  // A local header offset past the end.
  std::string offset = bytes;
  offset[central + 42 + 3] = 0x70;
  EXPECT_EQ(Extract(offset), core::ziplib::kUnzipCorrupt);
  // More entries announced than the directory holds.
  std::string count = bytes;
  count[count.size() - 22 + 10] = 5;
  count[count.size() - 22 + 8] = 5;
  EXPECT_EQ(Extract(count), core::ziplib::kUnzipCorrupt);
}

TEST_F(ZipSafetyTest, EveryTruncationFailsWithoutCrashing) {
  std::string bytes = ValidArchive();
  WriteFile(temp_ / "whole.zip", bytes);
  clsUnzip whole;
  whole.SetTestZip(true);
  ASSERT_EQ(whole.Unzip(temp_ / "whole.zip", Target()), 0);
  for (size_t n = 0; n < bytes.size(); ++n) {
    WriteFile(temp_ / "cut.zip", bytes.substr(0, n));
    clsUnzip u;
    u.SetTestZip(true);
    ASSERT_NE(u.Unzip(temp_ / "cut.zip", Target()), 0) << "cut at " << n;
  }
}

TEST_F(ZipSafetyTest, FlippedBytesNeverCrashAndDamagedFileDataIsAlwaysFound) {
  std::string bytes = ValidArchive();
  // Where the files' data lie (the last byte of a deflate stream may be
  // padding, so it is left out).
  std::vector<std::pair<size_t, size_t>> data;
  for (const auto& e : zip_test::CentralEntries(bytes)) {
    size_t start = e.localOffset + 30 + e.name.size();
    if (e.compressedSize > 1) data.emplace_back(start, start + e.compressedSize - 1);
  }
  ASSERT_EQ(data.size(), 3u);
  DecliningPrompter prompts;
  for (size_t i = 0; i < bytes.size(); ++i) {
    std::string damaged = bytes;
    damaged[i] = static_cast<char>(damaged[i] ^ 0xA5);
    WriteFile(temp_ / "flip.zip", damaged);
    clsUnzip u;
    u.SetTestZip(true);
    int32_t rc = u.Unzip(temp_ / "flip.zip", Target());
    for (const auto& [from, to] : data) {
      if (i >= from && i < to) {
        EXPECT_NE(rc, 0) << "flip at " << i << " passed";
      }
    }
  }
  // Extracting damaged copies writes nothing damaged.
  auto [from, to] = data[1];
  std::string damaged = bytes;
  damaged[(from + to) / 2] = static_cast<char>(damaged[(from + to) / 2] ^ 0xA5);
  EXPECT_EQ(Extract(damaged), core::ziplib::kUnzipCorrupt);
  EXPECT_FALSE(Exists(Target() + "\\Skin\\toolbar\\back.png"));
  EXPECT_TRUE(Exists(Target() + "\\Skin\\pelto.ini"));
}

// Each kind of damage, made in a sound archive by changing the bytes that
// matter, fails and writes nothing for the damaged entry "ab/COM~~.txt".
TEST_F(ZipSafetyTest, EveryKindOfDamageIsReportedAndWritesNothingForTheDamagedEntry) {
  const std::string sound =
      ZipBuilder().Add("keep.txt", "kept").Add("ab/COM~~.txt", zip_test::TextBytes(2000), true).Bytes();
  const size_t eocd = sound.size() - 22;
  const size_t central = zip_test::Le32(sound, eocd + 16) + 46 + 8;  // the damaged entry's central record
  const size_t local = zip_test::CentralEntries(sound)[1].localOffset;
  auto poke = [](std::string& s, size_t at, uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) s[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  using namespace core::ziplib;
  struct Case {
    const char* what;
    int result;
    std::function<void(std::string&)> damage;
  } cases[] = {
      {"end record counts one entry less", kUnzipCorrupt,
       [&](std::string& z) {
         poke(z, eocd + 8, 1, 2);
         poke(z, eocd + 10, 1, 2);
       }},
      {"local header names another file", kUnzipCorrupt, [&](std::string& z) { z.replace(local + 30, 3, "../"); }},
      {"needs version 6.3", kUnzipUnsupported, [&](std::string& z) { poke(z, central + 6, 63, 2); }},
      {"two entries share one local entry", kUnzipCorrupt,
       [&](std::string& z) {
         std::string record = z.substr(central, eocd - central);
         poke(z, eocd + 8, 3, 2);
         poke(z, eocd + 10, 3, 2);
         poke(z, eocd + 12, zip_test::Le32(z, eocd + 12) + record.size(), 4);
         z.insert(eocd, record);
       }},
      {"the first entry's data holds the next two", kUnzipCorrupt,
       [&](std::string& z) {
         z = ZipBuilder().Add("keep.txt", "kept").Add("b.txt", "b").Add("ab/COM~~.txt", "inside").Bytes();
         const size_t dir = zip_test::Le32(z, z.size() - 6);
         // keep.txt's data reaches the directory: its sizes, local then central.
         for (size_t at : {18, 22}) poke(z, at, dir - 38, 4);
         for (size_t at : {20, 24}) poke(z, dir + at, dir - 38, 4);
       }},
      {"ZIP64 declares 2^62 bytes", kUnzipWriteError,
       [&](std::string& z) {
         poke(z, eocd + 12, zip_test::Le32(z, eocd + 12) + 12, 4);
         poke(z, central + 24, 0xFFFFFFFF, 4);
         poke(z, central + 30, 12, 2);
         z.insert(central + 46 + 12, std::string("\x01\0\x08\0\0\0\0\0\0\0\0\x40", 12));
       }},
      {"superscript device name", kUnzipUnsafeName,
       [&](std::string& z) {
         for (size_t name : {local + 30, central + 46}) z.replace(name + 6, 2, "\xC2\xB2");  // COM²
         poke(z, local + 6, 0x0800, 2);  // UTF-8 names
         poke(z, central + 8, 0x0800, 2);
       }},
      {"path too long", kUnzipWriteError,
       [&](std::string& z) {
         std::string deep = "ab/";
         for (int i = 0; i < 60; ++i) deep += "abcdefgh/";
         z = ZipBuilder().Add("keep.txt", "kept").Add(deep + "COM~~.txt", "deep").Bytes();
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string damaged = sound;
    c.damage(damaged);
    EXPECT_EQ(Extract(damaged), c.result);
    EXPECT_FALSE(Exists(Target() + "\\ab"));
    EXPECT_TRUE(Escaped().empty());
    testing_support::RemoveTree(temp_ / "box");
  }
}

}  // namespace
