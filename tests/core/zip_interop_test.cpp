// Interoperability with Info-ZIP: archives made by Debian's zip at build
// time (deflated, stored, with data descriptors, streamed, without folder
// entries, encrypted) are extracted here; and archives written here are
// checked by Debian's unzip in the host test zip_interop_infozip.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <map>
#include <string>

#include "core/files.h"
#include "core/messages.h"
#include "core/zip.h"
#include "core/zip_extract.h"
#include "support/files.h"
#include "support/scripted_prompter.h"
#include "zip_test_util.h"

namespace {

using core::clsUnzip;
using core::clsZip;
using testing_support::FixturesFolder;
using testing_support::ReadFile;
using testing_support::TempFolder;
using testing_support::WriteFile;

std::string ZipFixtures() { return FixturesFolder() + "\\zip"; }

void Collect(const std::string& root, const std::string& rel, bool folders, std::map<std::string, std::string>& out) {
  std::string folder = rel.empty() ? root : root + "\\" + rel;
  for (const auto& f : core::gFileSystem.FileNames(folder)) {
    std::string r = rel.empty() ? f : rel + "\\" + f;
    out[r] = ReadFile(root + "\\" + r);
  }
  for (const auto& d : core::gFileSystem.SubFolderNames(folder)) {
    std::string r = rel.empty() ? d : rel + "\\" + d;
    if (folders) out[r] = "<folder>";
    Collect(root, r, folders, out);
  }
}

std::map<std::string, std::string> Tree(const std::string& root, bool folders = true) {
  std::map<std::string, std::string> out;
  Collect(root, "", folders, out);
  return out;
}

void CopyTree(const std::string& from, const std::string& to) {
  testing_support::MakeFolders(to);
  for (const auto& f : core::gFileSystem.FileNames(from)) core::gFileSystem.CopyFileTo(from + "\\" + f, to + "\\" + f, true);
  for (const auto& d : core::gFileSystem.SubFolderNames(from)) CopyTree(from + "\\" + d, to + "\\" + d);
}

TEST(ZipInterop, ExtractsWhatInfoZipWrites) {
  auto expected = Tree(ZipFixtures() + "\\source\\sample");
  ASSERT_TRUE(expected.count("misc\\deep\\empty")) << "reference archives missing in " << ZipFixtures();
  for (const char* mode : {"deflate", "stored", "descriptors", "streamed", "nodirs"}) {
    SCOPED_TRACE(mode);
    TempFolder out;
    clsUnzip u;
    ASSERT_EQ(u.Unzip(ZipFixtures() + "\\" + mode + ".zip", out.Path()), 0) << u.GetLastMessage();
    // Without folder entries, empty folders cannot come back.
    bool folders = std::string(mode) != "nodirs";
    EXPECT_TRUE(Tree(out / "sample", folders) == Tree(ZipFixtures() + "\\source\\sample", folders));
  }
}

TEST(ZipInterop, ADeclinedPasswordIsNotAskedForAgainInTheSameExtraction) {
  TempFolder out;
  testing_support::ScriptedPrompter prompts;
  prompts.AnswerInput("");
  clsUnzip u;
  EXPECT_EQ(u.Unzip(ZipFixtures() + "\\encrypted.zip", out.Path()), core::ziplib::kUnzipBadPassword);
  ASSERT_EQ(prompts.inputBoxes.size(), 1u);  // two encrypted entries, one question
  EXPECT_EQ(prompts.inputBoxes[0].prompt, "Please Enter The Password!");
  EXPECT_EQ(prompts.inputBoxes[0].title, core::MessageTitle());
  EXPECT_EQ(core::mdlZip::gUnzipPasswordCancelled, 1);
  EXPECT_FALSE(testing_support::Exists(out / "secret\\one.txt"));
  EXPECT_FALSE(testing_support::Exists(out / "secret\\two.txt"));

  // The next extraction asks again; Cancel declines as well.
  prompts.AnswerInput(std::nullopt);
  EXPECT_EQ(u.Unzip(), core::ziplib::kUnzipBadPassword);
  EXPECT_EQ(prompts.inputBoxes.size(), 2u);
}

TEST(ZipInterop, TheRightPasswordOpensEveryEncryptedEntry) {
  TempFolder out;
  testing_support::ScriptedPrompter prompts;
  prompts.AnswerInput("wrong").AnswerInput("secret");
  clsUnzip u;
  EXPECT_EQ(u.Unzip(ZipFixtures() + "\\encrypted.zip", out.Path()), 0) << u.GetLastMessage();
  EXPECT_EQ(prompts.inputBoxes.size(), 2u);  // the second entry reuses the password
  EXPECT_TRUE(Tree(out / "secret") == Tree(ZipFixtures() + "\\locked\\secret"));
}

// The title and the prompt that the real input box showed.
std::string gBoxTitle, gBoxPrompt;

BOOL CALLBACK FindShownBox(HWND window, LPARAM found) {
  if (!IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// A timer's tick inside the box's own message loop: types the password
// and clicks OK, as a person would.
void CALLBACK AnswerTheShownBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindShownBox, reinterpret_cast<LPARAM>(&box));
  if (!box) return;
  KillTimer(nullptr, timer);
  char text[256] = {};
  GetWindowTextA(box, text, sizeof text);
  gBoxTitle = text;
  GetWindowTextA(FindWindowExA(box, nullptr, "Static", nullptr), text, sizeof text);
  gBoxPrompt = text;
  for (char c : std::string("secret")) SendMessageA(FindWindowExA(box, nullptr, "Edit", nullptr), WM_CHAR, c, 0);
  SendMessageA(FindWindowExA(box, nullptr, "Button", "OK"), BM_CLICK, 0, 0);
}

TEST(ZipInterop, ThePasswordIsAskedWithARealInputBox) {
  TempFolder out;
  ui::SetPrompter(nullptr);
  SetTimer(nullptr, 0, USER_TIMER_MINIMUM, AnswerTheShownBox);
  clsUnzip u;
  EXPECT_EQ(u.Unzip(ZipFixtures() + "\\encrypted.zip", out.Path()), 0) << u.GetLastMessage();
  ui::SetPrompter(testing_support::CurrentPrompter());
  EXPECT_EQ(gBoxTitle, core::MessageTitle());
  EXPECT_EQ(gBoxPrompt, "Please Enter The Password!");
  HWND left = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindShownBox, reinterpret_cast<LPARAM>(&left));
  EXPECT_EQ(left, nullptr);
  EXPECT_TRUE(Tree(out / "secret") == Tree(ZipFixtures() + "\\locked\\secret"));
}

// Run by the CTest test zip_interop_write, which names the folder; the
// host test zip_interop_infozip then checks each NAME.zip against NAME.src.
TEST(ZipInterop, WritesArchivesForInfoZip) {
  const char* unixOut = std::getenv("TARNELL_ZIP_INTEROP_OUT");
  if (!unixOut || !*unixOut) GTEST_SKIP() << "run through the CTest test zip_interop_write";
  std::string out = testing_support::WinePath(unixOut);
  testing_support::RemoveTree(out);
  testing_support::MakeFolders(out);
  auto pack = [&](const std::string& archive, const std::string& folder) {
    clsZip z;
    z.SetZipFileName(out + "\\" + archive + ".zip");
    z.SetRootDirectory(out + "\\" + archive + ".src\\");
    z.AddFile(folder);
    return z.MakeZipFile();
  };

  // The sample skin.
  CopyTree(ZipFixtures() + "\\source\\sample", out + "\\sample.src\\sample");
  EXPECT_EQ(pack("sample", "sample"), 0);

  // Sizes from nothing to several megabytes, odd names, empty folders.
  std::string sizes = out + "\\sizes.src\\Sizes";
  WriteFile(sizes + "\\empty.txt", "");
  WriteFile(sizes + "\\one.bin", "1");
  WriteFile(sizes + "\\random.bin", zip_test::RandomBytes(2 * 1024 * 1024 + 3, 21));
  WriteFile(sizes + "\\pelto.ini", zip_test::TextBytes(3 * 1024 * 1024 + 1));
  WriteFile(sizes + "\\toolbar\\image.png", zip_test::RandomBytes(40000, 22));
  WriteFile(sizes + "\\misc\\read me.txt", "spaces in the name");
  WriteFile(sizes + "\\misc\\caf\xE9.txt", "not plain ASCII");
  testing_support::MakeFolders(sizes + "\\control\\empty");
  EXPECT_EQ(pack("sizes", "Sizes"), 0);

  // Entries carried over from an existing archive.
  WriteFile(out + "\\added.src\\first\\a.txt", zip_test::TextBytes(5000));
  WriteFile(out + "\\added.src\\second\\b.txt", zip_test::TextBytes(7000));
  EXPECT_EQ(pack("added", "first"), 0);
  EXPECT_EQ(pack("added", "second"), 0);
}

}  // namespace
