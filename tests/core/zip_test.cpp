// clsZip and clsUnzip: properties, numbered errors, the archives they
// write, round trips, the questions they ask and the texts they leave.
#include "core/zip.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>

#include "core/errors.h"
#include "core/files.h"
#include "core/messages.h"
#include "core/zip_archive.h"
#include "core/zip_extract.h"
#include "support/files.h"
#include "support/scripted_prompter.h"
#include "zip_test_util.h"

namespace {

using core::AppError;
using core::clsUnzip;
using core::clsZip;
using testing_support::ReadFile;
using testing_support::TempFolder;
using testing_support::WriteFile;

// Every file (with its bytes) and folder ("<folder>") below root, by
// relative path.
void Collect(const std::string& root, const std::string& rel, std::map<std::string, std::string>& out) {
  std::string folder = rel.empty() ? root : root + "\\" + rel;
  for (const auto& f : core::gFileSystem.FileNames(folder)) {
    std::string r = rel.empty() ? f : rel + "\\" + f;
    out[r] = ReadFile(root + "\\" + r);
  }
  for (const auto& d : core::gFileSystem.SubFolderNames(folder)) {
    std::string r = rel.empty() ? d : rel + "\\" + d;
    out[r] = "<folder>";
    Collect(root, r, out);
  }
}

std::map<std::string, std::string> Tree(const std::string& root) {
  std::map<std::string, std::string> out;
  Collect(root, "", out);
  return out;
}

void SetModified(const std::string& path, WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
  SYSTEMTIME local{year, month, 0, day, hour, minute, second, 0};
  FILETIME lft, ft;
  SystemTimeToFileTime(&local, &lft);
  LocalFileTimeToFileTime(&lft, &ft);
  HANDLE h = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
  SetFileTime(h, nullptr, nullptr, &ft);
  CloseHandle(h);
}

FILETIME Modified(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA d{};
  GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &d);
  return d.ftLastWriteTime;
}

int64_t SecondsOf(const FILETIME& ft) {
  return static_cast<int64_t>(((static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime) / 10000000ULL);
}

class ZipTest : public ::testing::Test {
 protected:
  // Packs folder name (a folder directly in temp_) into zip.
  int32_t Pack(const std::string& name, const std::string& zip) {
    clsZip z;
    z.SetZipFileName(zip);
    z.SetRootDirectory(temp_.Path() + "\\");
    z.AddFile(name);
    return z.MakeZipFile();
  }
  std::string Zip(const std::string& name) const { return temp_ / (name + ".zip"); }

  TempFolder temp_;
};

TEST_F(ZipTest, NewClsZipHasNoNamesAndTheRootAsRootDirectory) {
  clsZip z;
  EXPECT_EQ(z.ZipFileCount(), 0);
  EXPECT_EQ(z.RootDirectory(), "\\");
  EXPECT_EQ(z.ZipFileName(), "");
  EXPECT_FALSE(z.UpdatingZip());
  EXPECT_FALSE(z.RecurseFolders());
  EXPECT_FALSE(z.Encrypted());
  EXPECT_FALSE(z.IncludeSystemFiles());
  z.SetUpdatingZip(true);
  z.SetEncrypted(true);
  EXPECT_TRUE(z.UpdatingZip());
  EXPECT_TRUE(z.Encrypted());
}

TEST_F(ZipTest, NewClsUnzipHasTheDocumentedDefaults) {
  clsUnzip u;
  EXPECT_FALSE(u.ExtractNewer());
  EXPECT_FALSE(u.SpaceToUnderScore());
  EXPECT_FALSE(u.PromptOverwrite());
  EXPECT_EQ(u.MessageLevel(), 2);
  EXPECT_FALSE(u.WriteToStdOut());
  EXPECT_FALSE(u.TestZip());
  EXPECT_EQ(u.ExtractList(), 0);
  EXPECT_FALSE(u.ExtractOnlyNewer());
  EXPECT_FALSE(u.DisplayComment());
  EXPECT_TRUE(u.HonorDirectories());
  EXPECT_TRUE(u.OverWriteFiles());
  EXPECT_FALSE(u.ConvertCRtoCRLF());
  EXPECT_FALSE(u.Verbose());
  EXPECT_TRUE(u.CaseSensitive());
  EXPECT_EQ(u.Privilege(), 0);
  EXPECT_EQ(u.ZipFileName(), "");
  EXPECT_EQ(u.ExtractDir(), "");
}

TEST_F(ZipTest, AddingANameAgainInOtherLetterCaseRaisesAndKeepsTheList) {
  clsZip z;
  z.AddFile("MySkin");
  try {
    z.AddFile("MYSKIN");
    FAIL() << "no error raised";
  } catch (const AppError& e) {
    EXPECT_EQ(e.Number(), -2147219503);
    EXPECT_EQ(e.Source(), "CGZip::AddFile");
    EXPECT_EQ(e.Description(), "File is already in Zip List");
  }
  EXPECT_EQ(z.ZipFileCount(), 1);
}

TEST_F(ZipTest, RemovingANameNotListedRaisesAndListedNamesGoWithoutRegardToCase) {
  clsZip z;
  z.AddFile("a");
  z.AddFile("b");
  try {
    z.RemoveFile("c");
    FAIL() << "no error raised";
  } catch (const AppError& e) {
    EXPECT_EQ(e.Number(), -2147219502);
    EXPECT_EQ(e.Source(), "CGZip::RemoveFile");
    EXPECT_EQ(e.Description(), "File is not in Zip List");
  }
  EXPECT_EQ(z.ZipFileCount(), 2);
  z.RemoveFile("A");
  EXPECT_EQ(z.ZipFileCount(), 1);
  z.AddFile("a");  // may come back once removed
  EXPECT_EQ(z.ZipFileCount(), 2);
}

TEST_F(ZipTest, MoreThanAHundredNamesRaiseError9FromMakeZipFile) {
  clsZip z;
  z.SetZipFileName(Zip("many"));
  z.SetRootDirectory(temp_.Path() + "\\");
  for (int i = 0; i < 101; ++i) z.AddFile("file" + std::to_string(i));
  try {
    z.MakeZipFile();
    FAIL() << "no error raised";
  } catch (const AppError& e) {
    EXPECT_EQ(e.Number(), 9);
    EXPECT_EQ(e.Source(), "CGZipFiles::MakeZipFile");
  }
  EXPECT_FALSE(testing_support::Exists(Zip("many")));

  // A hundred fit.
  z.RemoveFile("file100");
  for (int i = 0; i < 100; ++i) WriteFile(temp_ / ("file" + std::to_string(i)), std::to_string(i));
  EXPECT_EQ(z.MakeZipFile(), 0);
  EXPECT_EQ(zip_test::EntryNames(ReadFile(Zip("many"))).size(), 100u);
}

TEST_F(ZipTest, CountsBeyondSixteenBitsRaiseOverflowFromUnzip) {
  WriteFile(temp_ / "F\\a.txt", "a");
  ASSERT_EQ(Pack("F", Zip("f")), 0);
  auto expectOverflow = [&](clsUnzip& u) {
    try {
      u.Unzip(Zip("f"), temp_ / "out");
      FAIL() << "no error raised";
    } catch (const AppError& e) {
      EXPECT_EQ(e.Number(), 6);
      EXPECT_EQ(e.Source(), "CGUnZipFiles::Unzip");
    }
  };
  clsUnzip a;
  a.SetMessageLevel(32768);
  expectOverflow(a);
  clsUnzip b;
  b.SetExtractList(-32769);
  expectOverflow(b);
  clsUnzip c;
  c.SetPrivilege(100000);
  expectOverflow(c);
  EXPECT_FALSE(testing_support::Exists(temp_ / "out\\F\\a.txt"));

  clsUnzip d;
  d.SetMessageLevel(32767);
  EXPECT_EQ(d.Unzip(Zip("f"), temp_ / "out"), 0);
}

TEST_F(ZipTest, PackingAFolderNamesEveryEntryAfterItAndLeavesHiddenAndSystemFilesOut) {
  WriteFile(temp_ / "Skin\\pelto.ini", "[General]\r\nName=Skin\r\n");
  WriteFile(temp_ / "Skin\\toolbar\\back.png", zip_test::RandomBytes(300, 1));
  testing_support::MakeFolders(temp_ / "Skin\\misc\\empty");
  WriteFile(temp_ / "Skin\\hidden.txt", "h");
  WriteFile(temp_ / "Skin\\system.txt", "s");
  WriteFile(temp_ / "Skin\\secret\\inner.txt", "i");
  ASSERT_TRUE(SetFileAttributesA((temp_ / "Skin\\hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(SetFileAttributesA((temp_ / "Skin\\system.txt").c_str(), FILE_ATTRIBUTE_SYSTEM));
  ASSERT_TRUE(SetFileAttributesA((temp_ / "Skin\\secret").c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN));

  clsZip z;
  z.SetZipFileName(Zip("skin"));
  z.SetRootDirectory(temp_.Path() + "\\");
  z.AddFile("Skin");
  ASSERT_EQ(z.MakeZipFile(), 0);

  auto names = zip_test::EntryNames(ReadFile(Zip("skin")));
  std::vector<std::string> expected = {"Skin/", "Skin/misc/", "Skin/misc/empty/", "Skin/pelto.ini", "Skin/toolbar/",
                                       "Skin/toolbar/back.png"};
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, expected);
}

TEST_F(ZipTest, FilesOfEverySizeComeBackByteForByte) {
  std::map<std::string, std::string> files = {
      {"empty.txt", ""},
      {"one.bin", "x"},
      {"random.bin", zip_test::RandomBytes(3 * 1024 * 1024 + 17, 7)},
      {"text.ini", zip_test::TextBytes(2 * 1024 * 1024 + 5)},
      {"zeros.dat", std::string(5 * 1024 * 1024, '\0')},
      {"chunk-1.bin", zip_test::RandomBytes(256 * 1024 - 1, 3)},
      {"chunk.txt", zip_test::TextBytes(256 * 1024)},
      {"chunk+1.txt", zip_test::TextBytes(256 * 1024 + 1)},
      {"toolbar\\icon.png", zip_test::TextBytes(4000)},
      {"control\\photo.JPG", zip_test::RandomBytes(5000, 9)},
  };
  for (const auto& [name, data] : files) WriteFile(temp_ / ("Skin\\" + name), data);
  ASSERT_EQ(Pack("Skin", Zip("skin")), 0);

  // Images are stored as they are, other files deflated when it helps.
  std::map<std::string, uint16_t> methods;
  for (const auto& e : zip_test::CentralEntries(ReadFile(Zip("skin")))) methods[e.name] = e.method;
  EXPECT_EQ(methods["Skin/toolbar/icon.png"], 0);
  EXPECT_EQ(methods["Skin/control/photo.JPG"], 0);
  EXPECT_EQ(methods["Skin/text.ini"], 8);
  EXPECT_EQ(methods["Skin/zeros.dat"], 8);
  EXPECT_EQ(methods["Skin/random.bin"], 0);
  EXPECT_EQ(methods["Skin/one.bin"], 0);

  clsUnzip u;
  ASSERT_EQ(u.Unzip(Zip("skin"), temp_ / "out"), 0);
  auto tree = Tree(temp_ / "out\\Skin");
  for (const auto& [name, data] : files) {
    ASSERT_TRUE(tree.count(name)) << name;
    EXPECT_TRUE(tree[name] == data) << name << " differs";
  }
}

TEST_F(ZipTest, ExtractedFilesGetTheirModificationTimesBack) {
  WriteFile(temp_ / "Skin\\pelto.ini", "x");
  SetModified(temp_ / "Skin\\pelto.ini", 2021, 6, 15, 13, 45, 20);
  ASSERT_EQ(Pack("Skin", Zip("skin")), 0);
  clsUnzip u;
  ASSERT_EQ(u.Unzip(Zip("skin"), temp_ / "out"), 0);
  EXPECT_EQ(SecondsOf(Modified(temp_ / "out\\Skin\\pelto.ini")), SecondsOf(Modified(temp_ / "Skin\\pelto.ini")));
}

TEST_F(ZipTest, UnzipUsesTheStoredNamesUnlessGivenOthers) {
  WriteFile(temp_ / "A\\a.txt", "first");
  WriteFile(temp_ / "B\\b.txt", "second");
  ASSERT_EQ(Pack("A", Zip("a")), 0);
  ASSERT_EQ(Pack("B", Zip("b")), 0);

  clsUnzip u;
  u.SetZipFileName(Zip("a"));
  u.SetExtractDir(temp_ / "one");
  EXPECT_EQ(u.Unzip(), 0);
  EXPECT_EQ(ReadFile(temp_ / "one\\A\\a.txt"), "first");

  EXPECT_EQ(u.Unzip(Zip("b"), temp_ / "two"), 0);
  EXPECT_EQ(ReadFile(temp_ / "two\\B\\b.txt"), "second");
  EXPECT_EQ(u.ZipFileName(), Zip("b"));
  EXPECT_EQ(u.ExtractDir(), temp_ / "two");

  EXPECT_EQ(u.Unzip(Zip("a")), 0);  // only the archive replaced
  EXPECT_EQ(ReadFile(temp_ / "two\\A\\a.txt"), "first");
}

TEST_F(ZipTest, ExistingFilesAreOverwrittenWithoutAQuestionByDefault) {
  WriteFile(temp_ / "Skin\\pelto.ini", "new");
  ASSERT_EQ(Pack("Skin", Zip("skin")), 0);
  WriteFile(temp_ / "out\\Skin\\pelto.ini", "old and longer");
  ASSERT_TRUE(SetFileAttributesA((temp_ / "out\\Skin\\pelto.ini").c_str(), FILE_ATTRIBUTE_READONLY));
  clsUnzip u;  // any question would fail the test
  EXPECT_EQ(u.Unzip(Zip("skin"), temp_ / "out"), 0);
  EXPECT_EQ(ReadFile(temp_ / "out\\Skin\\pelto.ini"), "new");
}

TEST_F(ZipTest, WithoutOverwritingEachExistingFileIsAskedForUntilCancel) {
  for (const char* n : {"a", "b", "c", "d", "e"}) WriteFile(temp_ / "S\\" + n + ".txt", std::string("new ") + n);
  ASSERT_EQ(Pack("S", Zip("s")), 0);
  for (const char* n : {"a", "b", "c", "d"}) WriteFile(temp_ / "out\\S\\" + n + ".txt", std::string("old ") + n);

  testing_support::ScriptedPrompter prompts;
  prompts.AnswerMessage(IDYES).AnswerMessage(IDNO).AnswerMessage(IDCANCEL);
  clsUnzip u;
  u.SetOverWriteFiles(false);
  EXPECT_EQ(u.Unzip(Zip("s"), temp_ / "out"), 0);

  ASSERT_EQ(prompts.messages.size(), 3u);  // d is not asked for after Cancel
  EXPECT_EQ(prompts.messages[0].text, "Overwrite " + temp_ / "out\\S\\a.txt" + "?");
  EXPECT_EQ(prompts.messages[0].title, "VBUnZip32 - File Already Exists!");
  EXPECT_EQ(prompts.messages[0].type, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONWARNING));
  EXPECT_EQ(prompts.messages[1].text, "Overwrite " + temp_ / "out\\S\\b.txt" + "?");
  EXPECT_EQ(prompts.messages[2].text, "Overwrite " + temp_ / "out\\S\\c.txt" + "?");
  EXPECT_EQ(ReadFile(temp_ / "out\\S\\a.txt"), "new a");
  EXPECT_EQ(ReadFile(temp_ / "out\\S\\b.txt"), "old b");
  EXPECT_EQ(ReadFile(temp_ / "out\\S\\c.txt"), "old c");
  EXPECT_EQ(ReadFile(temp_ / "out\\S\\d.txt"), "old d");
  EXPECT_EQ(ReadFile(temp_ / "out\\S\\e.txt"), "new e");  // new files need no question
}

TEST_F(ZipTest, WithoutHonoringFoldersEveryFileLandsInTheTargetFolder) {
  WriteFile(temp_ / "Skin\\pelto.ini", "ini");
  WriteFile(temp_ / "Skin\\toolbar\\back.png", "png");
  testing_support::MakeFolders(temp_ / "Skin\\misc\\empty");
  ASSERT_EQ(Pack("Skin", Zip("skin")), 0);
  clsUnzip u;
  u.SetHonorDirectories(false);
  EXPECT_EQ(u.Unzip(Zip("skin"), temp_ / "flat"), 0);
  std::map<std::string, std::string> expected = {{"back.png", "png"}, {"pelto.ini", "ini"}};
  EXPECT_EQ(Tree(temp_ / "flat"), expected);
}

TEST_F(ZipTest, ListingWritesAHeaderAndOneEightyColumnLinePerEntry) {
  WriteFile(temp_ / "Skin\\pelto.ini", std::string(123, 'i'));
  std::string longName = "a_very_long_image_name_that_goes_on_and_on_beyond_fifty.png";
  WriteFile(temp_ / "Skin\\" + longName, std::string(1234567, 'p'));
  SetModified(temp_ / "Skin\\pelto.ini", 2024, 3, 5, 9, 7, 30);
  SetModified(temp_ / "Skin\\" + longName, 2009, 11, 28, 23, 59, 58);
  clsZip z;
  z.SetZipFileName(Zip("skin"));
  z.SetRootDirectory(temp_ / "Skin\\");
  z.AddFile("pelto.ini");
  z.AddFile(longName);
  ASSERT_EQ(z.MakeZipFile(), 0);

  clsUnzip u;
  u.SetExtractList(1);
  EXPECT_EQ(u.Unzip(Zip("skin"), temp_ / "out"), 0);
  //                   1        10        20        30        40        50        60        70        80
  //                   |        |         |         |         |         |         |         |         |
  std::string header = "Filename:                                           Size     Date     Time      ";
  std::string first  = "pelto.ini                                             123  03/05/24   9:07      ";
  std::string second = "a_very_long_image_name_that_goes_on_and_on_beyond_1234567  11/28/09  23:59      ";
  EXPECT_EQ(core::mdlZip::gUnzipListing, header + "\r\n" + first + "\r\n" + second + "\r\n");
  EXPECT_EQ(core::mdlZip::gUnzipListCount, 2);
  EXPECT_FALSE(testing_support::Exists(temp_ / "out\\pelto.ini"));
}

TEST_F(ZipTest, GetLastMessageHoldsOnlyTheLastPackingsText) {
  WriteFile(temp_ / "First\\first.txt", "1");
  WriteFile(temp_ / "Second\\second.txt", "2");
  clsZip a;
  a.SetZipFileName(Zip("first"));
  a.SetRootDirectory(temp_.Path() + "\\");
  a.AddFile("First");
  ASSERT_EQ(a.MakeZipFile(), 0);
  EXPECT_NE(a.GetLastMessage().find("First/first.txt"), std::string::npos) << a.GetLastMessage();

  clsZip b;
  b.SetZipFileName(Zip("second"));
  b.SetRootDirectory(temp_.Path() + "\\");
  b.AddFile("Second");
  ASSERT_EQ(b.MakeZipFile(), 0);
  EXPECT_EQ(a.GetLastMessage(), b.GetLastMessage());
  EXPECT_NE(b.GetLastMessage().find("Second/second.txt"), std::string::npos);
  EXPECT_EQ(b.GetLastMessage().find("first"), std::string::npos) << b.GetLastMessage();

  // Quiet unpacking (the default) prints nothing; all messages come with
  // Windows line ends.
  clsUnzip quiet;
  ASSERT_EQ(quiet.Unzip(Zip("first"), temp_ / "out"), 0);
  EXPECT_EQ(quiet.GetLastMessage(), "");
  clsUnzip loud;
  loud.SetMessageLevel(0);
  ASSERT_EQ(loud.Unzip(Zip("first"), temp_ / "out"), 0);
  EXPECT_NE(loud.GetLastMessage().find("first.txt\r\n"), std::string::npos) << loud.GetLastMessage();
}

TEST_F(ZipTest, PackingFailuresGiveNonZeroAndLeaveNoArchive) {
  clsZip missing;
  missing.SetZipFileName(Zip("missing"));
  missing.SetRootDirectory(temp_.Path() + "\\");
  missing.AddFile("NoSuchFolder");
  EXPECT_EQ(missing.MakeZipFile(), core::ziplib::kZipNameNotFound);
  EXPECT_FALSE(testing_support::Exists(Zip("missing")));

  WriteFile(temp_ / "F\\a.txt", "a");
  EXPECT_EQ(Pack("F", temp_ / "no\\such\\folder\\f.zip"), core::ziplib::kZipCreateError);

  clsZip empty;
  empty.SetZipFileName(Zip("empty"));
  EXPECT_EQ(empty.MakeZipFile(), core::ziplib::kZipNothingToDo);

  // Nothing but the archive is left in the folder.
  std::map<std::string, std::string> tree = Tree(temp_.Path());
  for (const auto& [name, data] : tree) EXPECT_TRUE(name.rfind("F", 0) == 0) << "left behind: " << name;
}

TEST_F(ZipTest, AFolderThatCannotBeListedFailsThePacking) {
  // F\<a>\<b>, made with the wide calls: <b>'s path is past the 260
  // characters the ANSI calls take, so it cannot be listed.
  const std::string a = temp_ / ("F\\" + std::string(248 - temp_.Path().size(), 'a'));
  const std::string b = a + "\\" + std::string(60, 'b');
  for (const std::string& folder : {temp_ / "F", a, b})
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + std::wstring(folder.begin(), folder.end())).c_str(), nullptr));
  EXPECT_EQ(Pack("F", Zip("F")), core::ziplib::kZipNameNotFound);
  EXPECT_FALSE(testing_support::Exists(Zip("F")));
  RemoveDirectoryW((L"\\\\?\\" + std::wstring(b.begin(), b.end())).c_str());
}

TEST_F(ZipTest, PackingIntoAnExistingArchiveReplacesNewerEntriesAndKeepsTheOthers) {
  WriteFile(temp_ / "keep.txt", "kept");
  WriteFile(temp_ / "change.txt", "version 1");
  SetModified(temp_ / "change.txt", 2020, 1, 1, 10, 0, 0);
  clsZip first;
  first.SetZipFileName(Zip("u"));
  first.SetRootDirectory(temp_.Path());
  first.AddFile("keep.txt");
  first.AddFile("change.txt");
  ASSERT_EQ(first.MakeZipFile(), 0);

  // Update mode takes only a newer file.
  WriteFile(temp_ / "change.txt", "version 2");
  SetModified(temp_ / "change.txt", 2019, 1, 1, 10, 0, 0);
  clsZip update;
  update.SetZipFileName(Zip("u"));
  update.SetRootDirectory(temp_.Path());
  update.SetUpdatingZip(true);
  update.AddFile("change.txt");
  ASSERT_EQ(update.MakeZipFile(), 0);
  clsUnzip u;
  ASSERT_EQ(u.Unzip(Zip("u"), temp_ / "out1"), 0);
  EXPECT_EQ(ReadFile(temp_ / "out1\\change.txt"), "version 1");

  SetModified(temp_ / "change.txt", 2021, 1, 1, 10, 0, 0);
  ASSERT_EQ(update.MakeZipFile(), 0);
  ASSERT_EQ(u.Unzip(Zip("u"), temp_ / "out2"), 0);
  EXPECT_EQ(ReadFile(temp_ / "out2\\change.txt"), "version 2");
  EXPECT_EQ(ReadFile(temp_ / "out2\\keep.txt"), "kept");
  EXPECT_EQ(zip_test::EntryNames(ReadFile(Zip("u"))), (std::vector<std::string>{"keep.txt", "change.txt"}));
}

TEST_F(ZipTest, TestingAndPrintingReadTheArchiveWithoutWritingFiles) {
  WriteFile(temp_ / "S\\note.txt", "line one\nline two\n");
  ASSERT_EQ(Pack("S", Zip("s")), 0);

  clsUnzip test;
  test.SetTestZip(true);
  test.SetMessageLevel(1);
  EXPECT_EQ(test.Unzip(Zip("s"), temp_ / "out"), 0);
  EXPECT_NE(test.GetLastMessage().find("No errors detected"), std::string::npos) << test.GetLastMessage();

  clsUnzip print;
  print.SetWriteToStdOut(true);
  EXPECT_EQ(print.Unzip(Zip("s"), temp_ / "out"), 0);
  EXPECT_NE(print.GetLastMessage().find("line one"), std::string::npos) << print.GetLastMessage();
  EXPECT_FALSE(testing_support::Exists(temp_ / "out\\S\\note.txt"));
}

TEST_F(ZipTest, NamesOutsideAsciiTravelAsUtf8) {
  std::string name = "caf\xE9.txt";  // e acute in the ANSI code page
  WriteFile(temp_ / "S\\" + name, "coffee");
  ASSERT_EQ(Pack("S", Zip("s")), 0);
  auto entries = zip_test::CentralEntries(ReadFile(Zip("s")));
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1].name, "S/caf\xC3\xA9.txt");
  EXPECT_TRUE(entries[1].flags & 0x0800);
  clsUnzip u;
  ASSERT_EQ(u.Unzip(Zip("s"), temp_ / "out"), 0);
  EXPECT_EQ(ReadFile(temp_ / "out\\S\\" + name), "coffee");
}

}  // namespace
