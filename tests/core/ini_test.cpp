// INI access and language texts.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "core/globals.h"
#include "core/ini.h"
#include "support/program.h"

namespace {

using testing_support::ParseIni;
using testing_support::WriteFile;

class IniTest : public testing_support::ProgramFolderTest {
 protected:
  std::string File() const { return *this / "test.ini"; }
};

TEST_F(IniTest, SectionsAndKeysMatchWithoutRegardToCase) {
  WriteFile(File(), "[General]\r\nName=Blue Sky\r\n");
  EXPECT_EQ(core::ReadIni(File(), "general", "NAME"), "Blue Sky");
  core::WriteIni(File(), "GENERAL", "name", std::string("Green"));
  EXPECT_EQ(core::ReadIni(File(), "General", "Name"), "Green");
  EXPECT_EQ(ParseIni(File())["general"].size(), 1u);
}

TEST_F(IniTest, MissingOrEmptyValuesReadAsTheDefault) {
  WriteFile(File(), "[General]\r\nEmpty=\r\n");
  EXPECT_EQ(core::ReadIni(File(), "General", "Empty", "dflt"), "dflt");
  EXPECT_EQ(core::ReadIni(File(), "General", "Absent", "dflt"), "dflt");
  EXPECT_EQ(core::ReadIni(*this / "no-such-file.ini", "General", "Name", "dflt"), "dflt");
  EXPECT_EQ(core::ReadIni(File(), "General", "Absent"), "");
}

TEST_F(IniTest, NoValueDeletesTheKeyWhileAnEmptyTextKeepsIt) {
  WriteFile(File(), "[General]\r\nA=1\r\nB=2\r\n");
  core::WriteIni(File(), "General", "A", std::nullopt);
  core::WriteIni(File(), "General", "B", std::string());
  auto ini = ParseIni(File());
  EXPECT_EQ(ini["general"].count("a"), 0u);
  ASSERT_EQ(ini["general"].count("b"), 1u);
  EXPECT_EQ(ini["general"]["b"], "");
  EXPECT_EQ(core::ReadIni(File(), "General", "B", "dflt"), "dflt");
}

TEST_F(IniTest, WritingCreatesTheFileAndTheSection) {
  core::WriteIni(*this / "new.ini", "Colors", "Menu.Text", std::string("#FF0000"));
  EXPECT_EQ(ParseIni(*this / "new.ini")["colors"]["menu.text"], "#FF0000");
}

TEST_F(IniTest, OfDuplicateKeysTheFirstIsReadAndTheFirstDeleted) {
  WriteFile(File(), "[TabBar]\r\nX.Style=GFill\r\nX.Style=3Image\r\n");
  EXPECT_EQ(core::ReadIni(File(), "TabBar", "X.Style"), "GFill");
  core::WriteIni(File(), "TabBar", "X.Style", std::nullopt);
  EXPECT_EQ(core::ReadIni(File(), "TabBar", "X.Style"), "3Image");
}

TEST_F(IniTest, LongValuesComeBackWhole) {
  std::string exact(1023, 'x');
  std::string longer = std::string(3000, 'y') + "$;$end";
  core::WriteIni(File(), "General", "Exact", exact);
  core::WriteIni(File(), "General", "LastProjects", longer);
  EXPECT_EQ(core::ReadIni(File(), "General", "Exact"), exact);
  // A value cut on reading and written back would lose the older projects.
  EXPECT_EQ(core::ReadIni(File(), "General", "LastProjects"), longer);
  // The longest value a write can store.
  std::string most(32766, 'z');
  EXPECT_TRUE(core::WriteIni(File(), "General", "Most", most));
  EXPECT_EQ(core::ReadIni(File(), "General", "Most"), most);
}

TEST_F(IniTest, LineBreaksAreWrittenAsBlanks) {
  core::WriteIni(File(), "General", "License", std::string("line one\r\nline two\nthree\rfour"));
  EXPECT_EQ(core::ReadIni(File(), "General", "License"), "line one line two three four");
  EXPECT_EQ(ParseIni(File())["general"].size(), 1u);
}

TEST_F(IniTest, WritesThatCannotLandAreReportedToEveryWatchAlive) {
  WriteFile(File(), "[General]\r\nA=1\r\n");
  core::IniWriteWatch outer;
  EXPECT_TRUE(core::WriteIni(File(), "General", "B", std::string("2")));
  EXPECT_TRUE(core::WriteIni(File(), "General", "A", std::nullopt));
  EXPECT_EQ(outer.Failures(), 0);

  ASSERT_TRUE(SetFileAttributesA(File().c_str(), FILE_ATTRIBUTE_READONLY));
  {
    core::IniWriteWatch inner;
    EXPECT_FALSE(core::WriteIni(File(), "General", "B", std::string("3")));
    EXPECT_FALSE(core::WriteIni(File(), "General", "B", std::nullopt));
    EXPECT_FALSE(core::WriteIni(*this / "no-such-folder\\new.ini", "General", "C", std::string("4")));
    EXPECT_EQ(inner.Failures(), 3);
  }
  SetFileAttributesA(File().c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_FALSE(core::WriteIni("", "General", "D", std::string("5")));
  EXPECT_EQ(outer.Failures(), 4);
  EXPECT_EQ(ParseIni(File())["general"]["b"], "2");
}

class LangTest : public testing_support::ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    WriteFile(*this / "Languages\\English.ini", "[General]\r\nExit=Exit\r\nBrowse=Browse...\r\n");
    WriteFile(*this / "Languages\\French.ini", "[General]\r\nBrowse=Parcourir...\r\nName=Tarnell FR\r\n");
    core::gLanguageFile = *this / "Languages\\French.ini";
  }
};

TEST_F(LangTest, TextsComeFromTheLanguageFileThenEnglishThenNothing) {
  EXPECT_EQ(core::GetLangString("browse"), "Parcourir...");
  EXPECT_EQ(core::GetLangString("Exit"), "Exit");
  EXPECT_EQ(core::GetLangString("No_Such_Key"), "");
  EXPECT_EQ(core::GetEnglishLangString("Browse"), "Browse...");
  EXPECT_EQ(core::LangText("No_Such_Key", "Built-in"), "Built-in");
  EXPECT_EQ(core::LangText("Browse", "Built-in"), "Parcourir...");
}

TEST_F(LangTest, WithoutALanguageFileOnlyEnglishIniIsRead) {
  core::gLanguageFile.clear();
  EXPECT_EQ(core::GetLangString("Browse"), "Browse...");
  EXPECT_EQ(core::GetLangString("Name"), "");
}

TEST_F(LangTest, WithNoEnglishIniEitherTheBuiltInTextShows) {
  DeleteFileA((*this / "Languages\\English.ini").c_str());
  EXPECT_EQ(core::GetLangString("Exit"), "");
  EXPECT_EQ(core::LangText("Exit", "Exit"), "Exit");
}

TEST_F(LangTest, TextsReadAsTheProfileFunctionsGiveThemAndFollowAChangedFile) {
  WriteFile(*this / "Languages\\French.ini",
            "[General]\r\nBrowse = \"Parcourir...\" \r\nExit=Quitter\r\nexit=Sortir\r\n[Other]\r\nName=Autre\r\n");
  for (const auto& [key, text] : std::vector<std::pair<std::string, std::string>>{
           {"Browse", "Parcourir..."}, {"EXIT", "Quitter"}, {"Name", ""}})
    EXPECT_EQ(core::GetLangString(key), text) << key;
  WriteFile(*this / "Languages\\French.ini", "[General]\r\nExit=Fermer le programme\r\n");
  EXPECT_EQ(core::GetLangString("Exit"), "Fermer le programme");
}

}  // namespace
