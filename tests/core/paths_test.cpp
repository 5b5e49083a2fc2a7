// Path helpers, the file and folder dialogs through the prompt seam,
// choosing an image for a page and opening one in the image editor.
#include <windows.h>

#include <commdlg.h>

#include <gtest/gtest.h>

#include "core/files.h"
#include "core/globals.h"
#include "core/ini.h"
#include "core/paths.h"
#include "core/window_links.h"
#include "support/files.h"
#include "support/png.h"
#include "support/program.h"
#include "support/scripted_prompter.h"
#include "ui/ui.h"

namespace {

using core::GetFullPath;

class WithProject : public testing_support::ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    core::gProjectFolder = Folder() + "\\Projects\\My Skin";
  }
};

using GetFullPathTest = WithProject;

TEST_F(GetFullPathTest, RelativePathsLieInTheProject) {
  core::gProjectFolder = "C:\\Skins\\A";
  EXPECT_EQ(GetFullPath("control\\tab_bg.png"), "C:\\Skins\\A\\control\\tab_bg.png");
  EXPECT_EQ(GetFullPath(""), "C:\\Skins\\A\\");
  // Only a drive path counts as absolute.
  EXPECT_EQ(GetFullPath("\\\\server\\a.png"), "C:\\Skins\\A\\\\\\server\\a.png");
  EXPECT_EQ(GetFullPath("D:a.png"), "C:\\Skins\\A\\D:a.png");
}

TEST_F(GetFullPathTest, DrivePathsStayAsTheyAre) {
  EXPECT_EQ(GetFullPath("D:\\pic.png"), "D:\\pic.png");
  EXPECT_EQ(GetFullPath("d:\\a b\\pic.png"), "d:\\a b\\pic.png");
}

TEST(SafeFileName, ForbiddenCharactersBecomeUnderscores) {
  EXPECT_EQ(core::SafeFileName("\\/:*?\"<>|"), "_________");
  EXPECT_EQ(core::SafeFileName("My: Skin? <v2>"), "My_ Skin_ _v2_");
  EXPECT_EQ(core::SafeFileName("plain name.zqv"), "plain name.zqv");
}

TEST(SmallHelpers, StripNullCutsAtTheFirstNul) {
  EXPECT_EQ(core::StripNull(std::string("abc\0def", 7)), "abc");
  EXPECT_EQ(core::StripNull("abc"), "abc");
  EXPECT_EQ(core::StripNull(std::string("\0x", 2)), "");
}

TEST(SmallHelpers, WordsAndLongs) {
  EXPECT_EQ(core::LoWord(0x0001FFFF), -1);
  EXPECT_EQ(core::LoWord(0x12345678), 0x5678);
  EXPECT_EQ(core::LoWord(-2), -2);
  EXPECT_EQ(core::UnsignedToInteger(32767), 32767);
  EXPECT_EQ(core::UnsignedToInteger(32768), -32768);
  EXPECT_EQ(core::UnsignedToInteger(65535), -1);
  EXPECT_EQ(core::MakeLong(5, 3), 3 * 65536 + 5);
  // A negative low word must not spill into the high word.
  EXPECT_EQ(core::MakeLong(-1, 1), 0x0001FFFF);
  EXPECT_EQ(core::MakeLong(-1, -1), -1);
  EXPECT_EQ(core::MakeLong(0, -32768), static_cast<int32_t>(0x80000000u));
  EXPECT_EQ(core::LoWord(core::MakeLong(-7, 9)), -7);
}

// ---------------------------------------------------------------- dialogs

class DialogTest : public testing_support::ProgramFolderTest {
 protected:
  testing_support::ScriptedPrompter prompter;
};

TEST_F(DialogTest, OpenDialogRequest) {
  prompter.AnswerFile("C:\\pics\\a.png");
  HWND owner = reinterpret_cast<HWND>(0x1234);
  EXPECT_EQ(core::OpenFileDialog("C:\\pics", core::kImageFilter, owner), "C:\\pics\\a.png");
  ASSERT_EQ(prompter.fileDialogs.size(), 1u);
  const ui::FileDialogRequest& r = prompter.fileDialogs[0];
  EXPECT_FALSE(r.save);
  EXPECT_EQ(r.owner, owner);
  EXPECT_EQ(r.title, "Select File");
  EXPECT_EQ(r.filter, "PNG Images (*.png)| *.png|All Image Files|*.bmp;*.gif;*.jpg;*.png");
  EXPECT_EQ(r.initialDir, "C:\\pics");
  EXPECT_EQ(r.flags, 0x80005u);
}

TEST_F(DialogTest, OpenDialogCancelAndLongPaths) {
  std::string longPath = "C:\\" + std::string(150, 'a') + "\\" + std::string(150, 'b') + ".png";
  prompter.AnswerFile("").AnswerFile(longPath);
  EXPECT_EQ(core::OpenFileDialog("", "All|*.*", nullptr), "");
  EXPECT_EQ(core::OpenFileDialog("", "All|*.*", nullptr), longPath);
}

TEST_F(DialogTest, SaveDialogRequest) {
  prompter.AnswerFile("D:\\out\\My Skin.zqv");
  EXPECT_EQ(core::SaveFileDialog("D:\\out", "Skins|*.zqv", nullptr, "My Skin.zqv"), "D:\\out\\My Skin.zqv");
  ASSERT_EQ(prompter.fileDialogs.size(), 1u);
  const ui::FileDialogRequest& r = prompter.fileDialogs[0];
  EXPECT_TRUE(r.save);
  EXPECT_EQ(r.title, "Save to");
  EXPECT_EQ(r.fileName, "My Skin.zqv");
  EXPECT_EQ(r.initialDir, "D:\\out");
  EXPECT_EQ(r.flags, 7u);
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(DialogTest, SaveDialogTakesLongNamesAndCancels) {
  std::string longName = std::string(300, 'n') + ".zqv";
  prompter.AnswerFile("");
  EXPECT_EQ(core::SaveFileDialog("", "Skins|*.zqv", nullptr, longName), "");
  EXPECT_EQ(prompter.fileDialogs.at(0).fileName, longName);
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(DialogTest, SaveDialogFailureShowsErr) {
  prompter.AnswerMessage(IDOK);
  EXPECT_EQ(core::SaveFileDialog("", "Skins|*.zqv", nullptr, std::string(40000, 'n')), "");
  EXPECT_TRUE(prompter.fileDialogs.empty());
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "err");
  EXPECT_EQ(prompter.messages[0].title, "Velmora 2 Tarnell");
  EXPECT_EQ(prompter.messages[0].type, static_cast<UINT>(MB_OK));
}

// ---------------------------------------------------------------- BrowseImage

constexpr COLORREF kBack = RGB(10, 20, 30);

class ImagePage : public ui::Form {
 public:
  ImagePage() : ui::Form("Page", 400, 100, ui::FormStyle::FixedDialog) {}
  ui::TextBox txtImage{this, {8, 8, 200, 22}};
  ui::PictureBox picImage{this, {8, 40, 173, 36}, ui::PictureBox::kNoBorder, kBack};
  std::vector<std::string> changes;
  std::vector<int> widthsSeen;

 private:
  void Bind() override {
    txtImage.Change = [this] {
      changes.push_back(txtImage.Text());
      widthsSeen.push_back(picImage.HelpContextID());
    };
  }
};

class BrowseImageTest : public WithProject {
 protected:
  void SetUp() override {
    WithProject::SetUp();
    page.Load();
    core::MainWindowGetter = [this] { return page.hWnd(); };
    inside = testing_support::WritePng(core::gProjectFolder + "\\control\\a.png", 24, 10, RGB(255, 0, 0));
    outside = testing_support::WritePng(Folder() + "\\Pictures\\b.png", 30, 12, RGB(0, 255, 0));
  }
  void TearDown() override {
    page.Unload();
    core::MainWindowGetter = nullptr;
    core::CutterWindow = nullptr;
    core::CutterShowCut = nullptr;
    WithProject::TearDown();
  }
  void Browse(HWND owner = nullptr, bool storeHeight = false) {
    core::BrowseImage(page.txtImage, page.picImage, core::kImageFilter, owner, storeHeight);
  }
  ImagePage page;
  testing_support::ScriptedPrompter prompter;
  std::string inside;
  std::string outside;
};

TEST_F(BrowseImageTest, FileInsideTheProjectBecomesRelativeWhateverTheCase) {
  std::string chosen = core::ToUpper(core::gProjectFolder) + "\\control\\a.png";
  prompter.AnswerFile(chosen);
  Browse();
  EXPECT_EQ(page.txtImage.Text(), "control\\a.png");
  EXPECT_EQ(page.picImage.HelpContextID(), 24);
  EXPECT_EQ(page.picImage.Point(74, 13), RGB(255, 0, 0));  // (173 - 24) \ 2, (36 - 10) \ 2
  EXPECT_EQ(page.picImage.Point(73, 13), kBack);
  // The folder as chosen is remembered.
  EXPECT_EQ(core::gLastImageDir, core::ToUpper(core::gProjectFolder) + "\\control");
  EXPECT_EQ(core::ReadIni(Config(), "General", "LastImageDir"), core::gLastImageDir);
}

TEST_F(BrowseImageTest, DialogIsOwnedByTheMainWindowAndStartsInTheLastFolder) {
  core::gLastImageDir = "C:\\Last";
  prompter.AnswerFile("");
  Browse();
  const ui::FileDialogRequest& r = prompter.fileDialogs.at(0);
  EXPECT_EQ(r.owner, page.hWnd());
  EXPECT_EQ(r.initialDir, "C:\\Last");
  EXPECT_EQ(r.title, "Select File");
  EXPECT_EQ(r.filter, core::kImageFilter);
}

TEST_F(BrowseImageTest, CancelChangesNothing) {
  core::gLastImageDir = "C:\\Last";
  page.txtImage.SetText("control\\old.png");
  page.changes.clear();
  prompter.AnswerFile("");
  Browse();
  EXPECT_EQ(page.txtImage.Text(), "control\\old.png");
  EXPECT_TRUE(page.changes.empty());
  EXPECT_EQ(core::gLastImageDir, "C:\\Last");
  EXPECT_FALSE(testing_support::Exists(Config()));
}

TEST_F(BrowseImageTest, FileOutsideTheProjectStaysAbsolute) {
  prompter.AnswerFile(outside);
  Browse(nullptr, true);
  EXPECT_EQ(page.txtImage.Text(), outside);
  EXPECT_EQ(page.picImage.HelpContextID(), 12);
  EXPECT_EQ(core::gLastImageDir, Folder() + "\\Pictures");
}

TEST_F(BrowseImageTest, ProjectFolderIsRemovedOnlyAsTheLeadingPart) {
  std::string chosen = "D:\\Copies\\" + core::gProjectFolder + "\\x.png";
  prompter.AnswerFile(chosen);
  Browse();
  EXPECT_EQ(page.txtImage.Text(), chosen);
}

TEST_F(BrowseImageTest, WithoutAProjectThePathStaysAsChosen) {
  core::gProjectFolder.clear();
  prompter.AnswerFile(outside);
  Browse();
  EXPECT_EQ(page.txtImage.Text(), outside);
  EXPECT_EQ(page.picImage.HelpContextID(), 30);
}

TEST_F(BrowseImageTest, ChangeRunsAfterTheDrawingEvenForTheSameFileTwice) {
  prompter.AnswerFile(inside).AnswerFile(inside);
  Browse();
  ASSERT_FALSE(page.changes.empty());
  EXPECT_EQ(page.changes.back(), "control\\a.png");
  EXPECT_EQ(page.widthsSeen.back(), 24);

  page.changes.clear();
  page.picImage.SetHelpContextID(0);
  Browse();
  ASSERT_FALSE(page.changes.empty());
  EXPECT_EQ(page.changes.back(), "control\\a.png");
  EXPECT_EQ(page.widthsSeen.back(), 24);
}

TEST_F(BrowseImageTest, TheOpenCutterShowsTheImageInsteadOfThePreview) {
  ui::Form cutter("Cutter", 100, 100);
  cutter.Load();
  std::vector<bool> showCuts;
  core::CutterWindow = [&cutter] { return cutter.hWnd(); };
  core::CutterShowCut = [&](bool reset) {
    // The file box holds the new path when the cutter reads it.
    EXPECT_EQ(page.txtImage.Text(), outside);
    showCuts.push_back(reset);
  };
  core::gCutterShown = true;
  prompter.AnswerFile(outside);
  Browse(cutter.hWnd());
  EXPECT_EQ(showCuts, std::vector<bool>{true});
  EXPECT_EQ(page.picImage.HelpContextID(), 0);
  EXPECT_EQ(page.txtImage.Text(), outside);
  EXPECT_EQ(prompter.fileDialogs.at(0).owner, cutter.hWnd());
  cutter.Unload();
}

TEST_F(BrowseImageTest, AnotherOwnerNeitherDrawsNorCuts) {
  ui::Form other("Other", 100, 100);
  other.Load();
  int showCuts = 0;
  core::CutterWindow = [&other] { return other.hWnd(); };
  core::CutterShowCut = [&](bool) { ++showCuts; };
  core::gCutterShown = false;  // the cutter is closed
  prompter.AnswerFile(outside);
  Browse(other.hWnd());
  EXPECT_EQ(showCuts, 0);
  EXPECT_EQ(page.picImage.HelpContextID(), 0);
  EXPECT_EQ(page.txtImage.Text(), outside);
  other.Unload();
}

// ---------------------------------------------------------------- EditImage

class EditImageTest : public WithProject {
 protected:
  void SetUp() override {
    WithProject::SetUp();
    core::ProcessStarter = [this](const std::string& line, int show) {
      started.push_back(line);
      shows.push_back(show);
      return true;
    };
    image = testing_support::WritePng(core::gProjectFolder + "\\control\\tab bg.png", 2, 2, 0);
  }
  void TearDown() override {
    core::ProcessStarter = saved;
    WithProject::TearDown();
  }
  std::function<bool(const std::string&, int)> saved = core::ProcessStarter;
  std::vector<std::string> started;
  std::vector<int> shows;
  std::string image;
};

TEST_F(EditImageTest, MissingFileStartsNothing) {
  core::EditImage("control\\missing.png");
  core::EditImage("");
  EXPECT_TRUE(started.empty());
}

TEST_F(EditImageTest, EditorAndFileAreQuoted) {
  core::EditImage("control\\tab bg.png");
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0], "\"mspaint.exe\" \"" + image + "\"");
  EXPECT_EQ(shows[0], SW_SHOWNORMAL);
}

TEST_F(EditImageTest, EditorPathWithBlanksIsQuotedOnce) {
  core::gImageEditor = "C:\\Program Files\\Paint Shop\\paint.exe";
  core::EditImage(image);
  core::gImageEditor = "\"C:\\Program Files\\Paint Shop\\paint.exe\"";
  core::EditImage(image);
  ASSERT_EQ(started.size(), 2u);
  EXPECT_EQ(started[0], "\"C:\\Program Files\\Paint Shop\\paint.exe\" \"" + image + "\"");
  EXPECT_EQ(started[1], started[0]);
}

TEST_F(EditImageTest, FailingStartIsIgnored) {
  core::ProcessStarter = saved;
  core::gImageEditor = Folder() + "\\no such editor.exe";
  core::EditImage(image);  // nothing to see: no crash, no message
}

}  // namespace
