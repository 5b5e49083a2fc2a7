// The life of a project in the main window: opening by dialog and from the
// recent projects, the save question, saving (and saves that fail), save
// and close asked for while a project loads, the options around them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <tuple>

#include "core/globals.h"
#include "core/icon_catalogue.h"
#include "core/project_host.h"
#include "icon_pages_support.h"
#include "mainwindow/embedded_pages.h"
#include "project_support.h"

namespace {

using namespace main_window_tests;
using testing_support::ReadFile;
using testing_support::ScriptedPrompter;
using testing_support::WriteFile;
using Texts = std::vector<std::string>;

const char kOpenFail[] =
    "Cannot read pelto.ini. If it is encoded in UTF-8, convert it to ANSI or Unicode and open again.";

class LifeTest : public ProjectTest {};

TEST_F(LifeTest, TheSaveQuestionYesSavesTheOldProjectBeforeTheNewOneOpens) {
  std::string blue = NamedProject("Blue");
  std::string red = NamedProject("Red");
  Open(blue);
  form.txtVersion.SetText("2.0");
  {
    ScriptedPrompter prompts;
    prompts.AnswerMessage(IDYES).AnswerFile(red + "\\pelto.ini");
    ChooseMenu(form, form.mnuOpen);
    EXPECT_EQ(prompts.MessageTexts(), Texts{"Do you want to save changes to \"Blue\"?"});
    EXPECT_EQ(prompts.messages[0].type, static_cast<UINT>(MB_YESNOCANCEL));
  }
  EXPECT_EQ(testing_support::ParseIni(blue + "\\pelto.ini")["general"]["version"], "2.0");
  EXPECT_EQ(core::gProjectName, "Red");
  EXPECT_EQ(form.txtVersion.Text(), "");
  EXPECT_FALSE(core::gModified);
}

TEST_F(LifeTest, TheSaveQuestionNoDropsTheEditsAndCancelKeepsEverything) {
  std::string blue = NamedProject("Blue");
  std::string red = NamedProject("Red");
  std::string before = ReadFile(blue + "\\pelto.ini");
  Open(blue);
  form.txtVersion.SetText("2.0");
  {
    // Cancel: no file dialog, nothing changes.
    ScriptedPrompter prompts;
    prompts.AnswerMessage(IDCANCEL);
    ChooseMenu(form, form.mnuOpen);
  }
  EXPECT_EQ(core::gProjectName, "Blue");
  EXPECT_EQ(form.txtVersion.Text(), "2.0");
  EXPECT_TRUE(core::gModified);
  {
    ScriptedPrompter prompts;
    prompts.AnswerMessage(IDNO).AnswerFile(red + "\\pelto.ini");
    ChooseMenu(form, form.mnuOpen);
  }
  EXPECT_EQ(ReadFile(blue + "\\pelto.ini"), before);
  EXPECT_EQ(core::gProjectName, "Red");
  EXPECT_FALSE(core::gModified);
}

TEST_F(LifeTest, APeltoIniWithoutANameIsRefusedAndTheOpenProjectKeepsWorking) {
  std::string blue = NamedProject("Blue");
  std::string nameless = WriteProject("Nameless", "[General]\r\nVersion=1\r\n[Global]\r\nCustomFrame.Width=9\r\n");
  Open(blue);
  form.txtVersion.SetText("2.0");
  {
    ScriptedPrompter prompts;
    prompts.AnswerMessage(IDNO).AnswerFile(nameless + "\\pelto.ini").AnswerMessage(IDOK);
    ChooseMenu(form, form.mnuOpen);
    EXPECT_EQ(prompts.MessageTexts(), (Texts{"Do you want to save changes to \"Blue\"?", kOpenFail}));
    EXPECT_EQ(prompts.messages[1].type, static_cast<UINT>(MB_OK));
  }
  EXPECT_EQ(core::gProjectName, "Blue");
  EXPECT_EQ(core::gProjectFolder, blue);
  EXPECT_EQ(core::gSkinIni, blue + "\\pelto.ini");
  EXPECT_EQ(WindowText(form.hWnd()), "Blue - Velmora 2 Tarnell 1.2.7");
  EXPECT_EQ(form.txtFrameWidth.Text(), "");
  EXPECT_EQ(Setting("LastOpenDir"), nameless);

  form.txtAuthor.SetText("Me");
  Save();
  EXPECT_EQ(testing_support::ParseIni(blue + "\\pelto.ini")["general"]["author"], "Me");
  EXPECT_EQ(testing_support::ParseIni(nameless + "\\pelto.ini")["general"].count("author"), 0u);
}

TEST_F(LifeTest, WithTheShippedEnglishFileAnOpenFailureStillSaysPeltoIniCannotBeRead) {
  InstallEnglish();
  const std::string nameless = WriteProject("Nameless", "[General]\r\nVersion=1\r\n") + "\\pelto.ini";
  for (const std::string& file : {nameless, *this / "Gone\\pelto.ini"}) {
    ScriptedPrompter prompts;
    prompts.AnswerFile(file).AnswerMessage(IDOK);
    ChooseMenu(form, form.mnuOpen);
    EXPECT_EQ(prompts.MessageTexts(), Texts{kOpenFail}) << file;
  }
}

TEST_F(LifeTest, WithoutAProjectSaveAndOpenFolderDoNothing) {
  core::gModified = true;
  form.mnuSave_Click();
  // Nothing was saved, so nothing claims so.
  EXPECT_TRUE(core::gModified);
  ChooseMenu(form, form.mnuFolder);
  EXPECT_TRUE(started.empty());

  core::gModified = false;
  std::string blue = NamedProject("Blue");
  Open(blue);
  ChooseMenu(form, form.mnuFolder);
  EXPECT_EQ(started, Texts{"explorer.exe \"" + blue + "\""});
}

// pelto.ini as the profile functions (the browser's among them) read it,
// from a copy under a name they have not read before: each section's keys
// in lower case with their text, the first of duplicate keys.
testing_support::IniData ReadAsProfile(const std::string& ini) {
  static int copies = 0;
  const std::string copy = ini + ".read" + std::to_string(++copies);
  EXPECT_TRUE(CopyFileA(ini.c_str(), copy.c_str(), FALSE));
  testing_support::IniData data;
  for (const std::string& section : core::IniSectionNames(copy))
    for (const std::string& line : core::IniSectionLines(copy, section)) {
      size_t equals = line.find('=');
      data[core::ToLower(section)].emplace(core::ToLower(line.substr(0, equals)),
                                           equals == std::string::npos ? "" : line.substr(equals + 1));
    }
  DeleteFileA(copy.c_str());
  return data;
}

TEST_F(LifeTest, OddButValidPeltoIniFilesSaveTheEditAndKeepEveryOtherKey) {
  // The file, the Author typed (which reads back as "Edited"), the file
  // hidden.
  const std::string body = "[General]\r\nName=Odd\r\nAuthor=Someone\r\n[Global]\r\nCustomFrame.Width=4\r\n"
                           "[Custom]\r\nMine=kept\r\nQuoted=\" spaced \"\r\n";
  auto utf16 = [](const std::string& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : text) bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    return bytes;
  };
  std::string big = body + "[Big]\r\n";
  for (int i = 0; big.size() < 1100000; ++i) big += "Key" + std::to_string(i) + "=a value of the big section\r\n";
  auto emptyHeader = [&body](const std::string& header) {
    return core::ReplaceAll(body, "[Global]", header + "\r\nStray=1\r\n[Global]");
  };
  const struct {
    std::string file;
    const char* typed;
    bool hidden = false;
  } rows[] = {
      {core::ReplaceAll(body, "\r\n", "\n"), "Edited"},
      {core::ReplaceAll(body, "\r\n", "\r"), "Edited"},
      {utf16(body, false), "Edited"},
      {utf16(body, true), "Edited"},
      {"\xEF\xBB\xBF" + body, "Edited"},
      {core::ReplaceAll(body, "Someone\r\n", "Someone\r\nAuthor=Second\r\nMine=1\r\nMine=2\r\n"), "Edited"},
      {body + "[General]\r\nVersion=2\r\n[Custom]\r\nMine=again\r\n", "Edited"},
      {big, "Edited"},
      {body + "[Notes]\r\njust a line\r\nKey=1\r\n", "Edited"},
      {"Loose=1\r\n" + body, "Edited"},
      {body, "Edited", true},
      {body, "\fEdited\v"},
      {body, "\vEdited\x1a"},
      {body, "\x1a" "Edited\f"},
      {emptyHeader("[]"), "Edited"},
      {emptyHeader("[ ]"), "Edited"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(&row - rows);
    const std::string folder = WriteProject("Odd", row.file);
    const std::string ini = folder + "\\pelto.ini";
    if (row.hidden) SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_HIDDEN);
    testing_support::IniData expected = ReadAsProfile(ini);
    Open(folder);
    form.txtAuthor.SetText(row.typed);
    {
      ScriptedPrompter prompts;
      Save();
      EXPECT_EQ(prompts.MessageTexts(), Texts{});
    }
    EXPECT_FALSE(core::gModified);
    expected["general"]["author"] = "Edited";
    testing_support::IniData saved = ReadAsProfile(ini);
    for (const auto& [section, keys] : expected)
      for (const auto& [key, value] : keys) EXPECT_EQ(saved[section][key], value) << section << "." << key;
    core::gModified = false;
    testing_support::RemoveTree(folder);
  }
}

TEST_F(LifeTest, ASaveThatCannotWritePeltoIniSaysSoAndKeepsTheProjectModified) {
  std::string blue = NamedProject("Blue");
  std::string ini = blue + "\\pelto.ini";
  Open(blue);
  form.txtVersion.SetText("2.0");
  ASSERT_TRUE(SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY));
  std::string failure = "Cannot save the project to \"" + ini + "\".\r\n\r\nThe project keeps its unsaved changes.";
  {
    ScriptedPrompter prompts;
    prompts.AnswerMessage(IDOK);
    Save();
    EXPECT_EQ(prompts.MessageTexts(), Texts{failure});
  }
  EXPECT_TRUE(core::gModified);
  EXPECT_EQ(testing_support::ParseIni(ini)["general"].count("version"), 0u);
  {
    // Closing asks; a save that fails again keeps the window open.
    ScriptedPrompter prompts;
    prompts.AnswerMessage(IDYES).AnswerMessage(IDOK);
    EXPECT_FALSE(form.Unload());
    EXPECT_EQ(prompts.MessageTexts(), (Texts{"Do you want to save changes to \"Blue\"?", failure}));
  }
  EXPECT_TRUE(form.IsLoaded());
  EXPECT_TRUE(core::gModified);

  SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
  Save();
  EXPECT_FALSE(core::gModified);
  EXPECT_EQ(testing_support::ParseIni(ini)["general"]["version"], "2.0");
}

TEST_F(LifeTest, ASaveIntoAProjectFolderThatIsGoneSaysSo) {
  std::string blue = NamedProject("Blue");
  Open(blue);
  testing_support::RemoveTree(blue);
  ScriptedPrompter prompts;
  prompts.AnswerMessage(IDOK);
  Save();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text.rfind("Cannot save the project to \"" + blue + "\\pelto.ini\".", 0), 0u);
  EXPECT_TRUE(core::gModified);
  EXPECT_FALSE(testing_support::Exists(blue));
}

TEST_F(LifeTest, AnImageThatCannotBeCopiedIntoTheProjectFailsTheSave) {
  std::string blue = WriteProject("Blue", "[General]\r\nName=Blue\r\n[Global]\r\nAnimateLoading=control\\a.png\r\n");
  Open(blue);
  std::string missing = *this / "Art\\missing.png";
  form.txtLoading.SetText(missing);
  {
    ScriptedPrompter prompts;
    prompts.AnswerMessage(IDOK);
    Save();
    EXPECT_EQ(prompts.MessageTexts(),
              Texts{"Cannot copy \"" + missing + "\" into the project.\r\n\r\nThe project keeps its unsaved changes."});
  }
  EXPECT_TRUE(core::gModified);
  EXPECT_EQ(Saved()["global"]["animateloading"], "control\\a.png");
  EXPECT_EQ(form.txtLoading.Text(), missing);
}

// Another program holding a file open, sharing it for reading only.
HANDLE Hold(const std::string& path) {
  return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

// Every file under folder, by its path inside it, with its bytes; every
// folder, by its path and a "\".
std::map<std::string, std::string> Contents(const std::string& folder, const std::string& inside = "") {
  std::map<std::string, std::string> files;
  for (const std::string& name : core::gFileSystem.FileNames(folder))
    files[inside + name] = ReadFile(folder + "\\" + name);
  for (const std::string& sub : core::gFileSystem.SubFolderNames(folder)) {
    files[inside + sub + "\\"] = "";
    files.merge(Contents(folder + "\\" + sub, inside + sub + "\\"));
  }
  return files;
}

TEST_F(LifeTest, ASaveThatCannotCompleteKeepsPeltoIniAndThePictureItWasToReplace) {
  // pelto.ini cannot be written (read-only, held open by another program),
  // the disk fills up while the INI writer rewrites it (which cuts it short
  // and reports success), or while a picture is copied in; a licence pasted
  // in is one character longer than pelto.ini holds in a value.
  // Or pelto.ini fails only as it is put in place, after the pictures are
  // copied: held open by a program that shares every access (as viewers and
  // indexers do), or cut short. Or the picture to replace is marked
  // read-only, or held open as the save puts the new one in its place.
  enum class Fault {
    ReadOnly, Held, IniShort, PictureShort, TooLong,
    HeldSharingAll, IniShortAfterPictures, PictureReadOnly, PictureHeld
  };
  const std::string art = WriteFile(*this / "Art\\new.png", std::string(120000, 'n'));
  std::string licence;
  for (int line = 0; line < 468; ++line) licence += std::string(69, 'L') + "\r\n";
  licence += std::string(32767 - 468 * 70, 'L');
  for (Fault fault : {Fault::ReadOnly, Fault::Held, Fault::IniShort, Fault::PictureShort, Fault::TooLong,
                      Fault::HeldSharingAll, Fault::IniShortAfterPictures, Fault::PictureReadOnly,
                      Fault::PictureHeld}) {
    SCOPED_TRACE(static_cast<int>(fault));
    const bool pictureFault =
        fault == Fault::PictureShort || fault == Fault::PictureReadOnly || fault == Fault::PictureHeld;
    const bool lateFault = fault == Fault::HeldSharingAll || fault == Fault::IniShortAfterPictures;
    const std::string blue = WriteProject("Blue", "[General]\r\nName=Blue\r\nAuthor=Someone\r\n[Global]\r\n"
                                                  "CustomFrame.Image=control\\main_frame.png\r\n");
    const std::string ini = blue + "\\pelto.ini";
    const std::string frame = WriteFile(blue + "\\control\\main_frame.png", "the frame");
    if (lateFault) core::WriteIni(ini, "Global", "AnimateLoading", std::string("anim\\loading.png"));
    Open(blue);
    form.txtAuthor.SetText("Someone who writes a long name into the box");
    if (fault == Fault::TooLong) form.txtLicense.SetText(licence);
    // Pictures are copied before pelto.ini is written: with pelto.ini
    // writable, the box keeps its picture.
    form.txtFrameImage.SetText(fault == Fault::IniShort ? "control\\main_frame.png" : art);
    // A picture for a key that names a file in a folder still to be made
    // too: neither stays behind.
    if (lateFault) form.txtLoading.SetText(art);
    if (fault == Fault::PictureReadOnly) SetFileAttributesA(frame.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string before = ReadFile(ini);
    const std::map<std::string, std::string> project = Contents(blue);
    HANDLE held = fault == Fault::Held ? Hold(ini) : fault == Fault::PictureHeld ? Hold(frame) : INVALID_HANDLE_VALUE;
    if (fault == Fault::HeldSharingAll)
      held = CreateFileA(ini.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (fault == Fault::ReadOnly) SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY);
    core::gIniDiskRoom = fault == Fault::IniShort || fault == Fault::IniShortAfterPictures ? 64 : -1;
    core::gFileSystem.scratchRoom = fault == Fault::PictureShort ? 70000 : -1;
    {
      ScriptedPrompter prompts;
      prompts.AnswerMessage(IDOK);
      Save();
      core::gIniDiskRoom = core::gFileSystem.scratchRoom = -1;
      EXPECT_EQ(prompts.MessageTexts(),
                Texts{(pictureFault ? "Cannot copy \"" + art + "\" into the project."
                       : fault == Fault::TooLong
                           ? "Cannot save \"License\" of [General]: pelto.ini holds at most 32766 characters in one value."
                           : "Cannot save the project to \"" + ini + "\".") +
                      "\r\n\r\nThe project keeps its unsaved changes."});
    }
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
    const bool frameReadOnly = GetFileAttributesA(frame.c_str()) & FILE_ATTRIBUTE_READONLY;
    SetFileAttributesA(frame.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(frameReadOnly, fault == Fault::PictureReadOnly);
    EXPECT_TRUE(core::gModified);
    EXPECT_TRUE(ReadFile(frame) == "the frame");
    EXPECT_EQ(Saved()["global"]["customframe.image"], "control\\main_frame.png");
    EXPECT_TRUE(pictureFault || ReadFile(ini) == before);
    // Every file of the project as it was, byte for byte; the boxes still
    // hold the pictures given, for a later save.
    std::map<std::string, std::string> after = Contents(blue);
    if (pictureFault) after["pelto.ini"] = project.at("pelto.ini");
    EXPECT_TRUE(after == project);
    EXPECT_EQ(form.txtFrameImage.Text(), fault == Fault::IniShort ? "control\\main_frame.png" : art);
    // No scratch file is left.
    EXPECT_EQ(core::gFileSystem.FileNames(blue), Texts{"pelto.ini"});
    EXPECT_EQ(core::gFileSystem.FileNames(blue + "\\control"), Texts{"main_frame.png"});
    core::gModified = false;
    testing_support::RemoveTree(blue);
  }
}

TEST_F(LifeTest, ASaveThatCanCompleteIsNeverRefusedAndLeavesNoScratchBehind) {
  // pelto.ini, or the picture a save replaces, a few characters short of
  // the longest path there is; files left by a session that was ended under
  // the names a save's scratch files take first; pelto.ini removed by
  // another program while the project is open.
  const std::string leftover = "left by a session that was ended";
  const std::string root = *this / "Projects\\";
  struct Row {
    const char* what;
    size_t folderLength;
    const char* frame;  // the picture the Frame page replaces
    std::map<std::string, std::string> leftovers;
    bool removed;
  };
  const char* const kFrame = "control\\main_frame.png";
  const Row rows[] = {
      {"pelto.ini of 257 characters", 247, "f.png", {}, false},
      {"a picture of 257 characters", 234, kFrame, {}, false},
      {"scratch names taken", 0, kFrame,
       {{"~1.tmp", leftover}, {"~3.tmp", leftover}, {"control\\~1.tmp", leftover}}, false},
      {"pelto.ini removed", 0, kFrame, {}, true},
  };
  const std::string art = WriteFile(*this / "Art\\new.png", "the new picture");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const std::string name = "Row" + std::to_string(&row - rows);
    const std::string blue =
        root + name + std::string(row.folderLength ? row.folderLength - root.size() - name.size() : 0, 'x');
    WriteFile(blue + "\\pelto.ini", "[General]\r\nName=Blue\r\n[Global]\r\nCustomFrame.Image=" + std::string(row.frame));
    std::map<std::string, std::string> expected = row.leftovers;
    for (const auto& [file, text] : row.leftovers) WriteFile(blue + "\\" + file, text);
    WriteFile(blue + "\\" + row.frame, "the frame");
    Open(blue);
    if (row.removed) DeleteFileA((blue + "\\pelto.ini").c_str());
    form.txtAuthor.SetText("Someone");
    form.txtFrameImage.SetText(art);
    form.txtFrameWidth.SetText("5");
    Save();
    EXPECT_FALSE(core::gModified);
    auto saved = Saved();
    EXPECT_EQ(saved["general"]["name"], "Blue");
    EXPECT_EQ(saved["general"]["author"], "Someone");
    EXPECT_EQ(saved["global"]["customframe.image"], row.frame);
    EXPECT_EQ(saved["global"]["customframe.width"], "5");
    EXPECT_EQ(form.txtFrameImage.Text(), row.frame);
    // Nothing else came or changed.
    expected[row.frame] = "the new picture";
    std::map<std::string, std::string> files = Contents(blue);
    std::erase_if(files, [](const auto& file) { return file.first == "pelto.ini" || file.first.ends_with("\\"); });
    EXPECT_EQ(files, expected);
    core::gModified = false;
    testing_support::RemoveTree(blue);
  }
}

class ImageSaveTest : public IconPagesTest {};

TEST_F(ImageSaveTest, ASaveCopiesOnlyPicturesTheUserGaveAndWritesLoadedPathsBackAsTheyStand) {
  struct Row {
    ui::TextBox* box;
    const char* section;
    const char* key;
    const char* copiedAs;  // where a picture the user gives goes
  };
  const Row rows[] = {
      {&form.txtFrameImage, "Global", "CustomFrame.Image", "control\\main_frame.png"},
      {&form.txtPreview, "General", "Preview", "Preview.png"},
      {&mainwindow::gTabBarPage->TabActive.txtImage, "TabBar", "Tab.Active.Image", "control\\tab_active.png"},
      {&mainwindow::gBackgroundsPage->MainBkgnd.txtImage, "Backgrounds", "MainPanel.Image", "control\\mainpanel_bg.png"},
      {&form.SideBarTabNormal.image.txtImage, "SideBar", "Tab.Normal.Image", "control\\sidebar_tab_normal.png"},
      {&form.ComboNormal.txtImage, "ComboBox", "Background.Normal.Image", "control\\combo_bg_normal.png"},
      {&form.txtHover, "Icons", "Back.Hover", "toolbar\\24_Back_hover.png"}};
  // A skin naming files of the user's by their full paths.
  std::string folder = WriteProject("Own", "[General]\r\nName=Own\r\n[Icons]\r\nBack=toolbar\\24_Back.png\r\n");
  std::string ini = folder + "\\pelto.ini";
  auto mine = [this](const Row& r) { return *this / ("Mine\\" + std::string(r.key)); };
  for (const Row& r : rows) core::WriteIni(ini, r.section, r.key, WriteFile(mine(r), r.key));
  Open(folder);
  // The Back button changes, its loaded hover image stays.
  Type(form.txtPressed, "toolbar\\p.png");
  Save();
  EXPECT_EQ(core::gFileSystem.FileNames(folder), Texts{"pelto.ini"});
  EXPECT_EQ(core::gFileSystem.SubFolderNames(folder), Texts{});
  for (const Row& r : rows) {
    EXPECT_EQ(core::ReadIni(ini, r.section, r.key), mine(r));
    EXPECT_EQ(r.box->Text(), mine(r));
  }
  // Pictures the user gives are copied in.
  for (const Row& r : rows) r.box->SetText(WriteFile(*this / ("Given\\" + std::string(r.key) + ".png"), r.section));
  Save();
  for (const Row& r : rows) {
    SCOPED_TRACE(r.key);
    EXPECT_EQ(core::ReadIni(ini, r.section, r.key), r.copiedAs);
    EXPECT_EQ(ReadFile(folder + "\\" + r.copiedAs), r.section);
    EXPECT_EQ(r.box->Text(), r.copiedAs);
  }
  // A full path into the project, loaded and left alone in a page box or in
  // an untouched state of a changed button, is stored relative; nothing is
  // copied and every file stays as it was.
  const Row inside[] = {rows[0], rows[2], rows[6]};
  for (const Row& r : inside) core::WriteIni(ini, r.section, r.key, folder + "\\" + r.copiedAs);
  Open(folder);
  Type(form.txtPressed, "toolbar\\p2.png");
  auto files = [&folder] {
    Texts all;
    for (const char* sub : {"", "\\control", "\\toolbar"})
      for (const std::string& name : core::gFileSystem.FileNames(folder + sub))
        if (name != "pelto.ini") all.push_back(name + "=" + ReadFile(folder + sub + "\\" + name));
    std::sort(all.begin(), all.end());
    return all;
  };
  const Texts before = files();
  Save();
  for (const Row& r : inside) EXPECT_EQ(core::ReadIni(ini, r.section, r.key), r.copiedAs) << r.key;
  EXPECT_EQ(files(), before);
}

TEST_F(ImageSaveTest, AnIconButtonOrPreviewCopyNeverReplacesAPictureAnotherKeyNames) {
  // What pelto.ini holds after the name, the tile selected first, the box
  // given a picture, and what its key names after the save.
  using Case = std::tuple<const char*, ui::PictureBox*, ui::TextBox*, const char*, const char*, const char*>;
  ui::TextBox* small = &form.txtSmallPath;
  ui::TextBox* tabActive = &mainwindow::gTabBarPage->TabActive.txtImage;
  const Case cases[] = {
      {"[Global]\r\nCustomFrame.Image=toolbar\\16_Back.png\r\n[Icons16]\r\nBack=toolbar\\16_Back.png\r\n",
       &form.picSmallIcon(0), small, "Icons16", "Back", "toolbar\\16_Back2.png"},
      {"[TabBar]\r\nTab.Hover.Image=toolbar\\24_Back_hover.png\r\n"
       "[Icons]\r\nBack=toolbar\\24_Back.png\r\nBack.Hover=toolbar\\24_Back_hover.png\r\n",
       nullptr, &form.txtHover, "Icons", "Back.Hover", "toolbar\\24_Back_hover2.png"},
      // The derived name, or the preview's, is taken.
      {"[TabBar]\r\nTab.Hover.Image=toolbar\\24_Back_hover.png\r\n[Icons]\r\nBack=toolbar\\24_Back.png\r\n", nullptr,
       &form.txtHover, "Icons", "Back.Hover", "toolbar\\24_Back_hover2.png"},
      {"[Global]\r\nCustomFrame.Image=Preview.png\r\n", nullptr, &form.txtPreview, "General", "Preview",
       "Preview2.png"},
      // Both entries of one key share their file; without sharing, the copy
      // replaces the key's own file.
      {"[Icons16]\r\nOpenInNew=misc\\16_OpenInNew.png\r\n", &form.picMiscIcon(56), small, "Icons16", "OpenInNew",
       "misc\\16_OpenInNew.png"},
      {"Preview=shot.png\r\n[Icons16]\r\nBack=toolbar\\16_Back.png\r\n", &form.picSmallIcon(0), small, "Icons16",
       "Back", "toolbar\\16_Back.png"},
      // A quoted value names its file: a key no page saves, an unchanged
      // icon, the preview.
      {"[Extra]\r\nPicture=\"toolbar\\16_Back.png\"\r\n[Icons16]\r\nBack=toolbar\\16_Back.png\r\n",
       &form.picSmallIcon(0), small, "Icons16", "Back", "toolbar\\16_Back2.png"},
      {"[TabBar]\r\nTab.Pinned.Image='toolbar\\24_Back_hover.png'\r\n"
       "[Icons]\r\nBack=toolbar\\24_Back.png\r\nBack.Hover=toolbar\\24_Back_hover.png\r\n",
       nullptr, &form.txtHover, "Icons", "Back.Hover", "toolbar\\24_Back_hover2.png"},
      {"[Icons16]\r\nBack=\"control\\tab_active.png\"\r\n[TabBar]\r\nTab.Active.Image=control\\tab_active.png\r\n",
       nullptr, tabActive, "TabBar", "Tab.Active.Image", "control\\tab_active2.png"},
      {"Preview=\"toolbar\\16_Back.png\"\r\n[Icons16]\r\nBack=toolbar\\16_Back.png\r\n", &form.picSmallIcon(0),
       small, "Icons16", "Back", "toolbar\\16_Back2.png"},
      // A key of the same section that no page saves.
      {"[TabBar]\r\nTab.Active.Image=control\\tab_active.png\r\nTab.Pinned.Image=control\\tab_active.png\r\n",
       nullptr, tabActive, "TabBar", "Tab.Active.Image", "control\\tab_active2.png"}};
  std::string art = WriteFile(*this / "Art\\new.png", "the new picture");
  for (auto [sections, tile, box, section, key, saved] : cases) {
    SCOPED_TRACE(std::string(sections) + key);
    std::string text = std::string("[General]\r\nName=Shared\r\n") + sections;
    std::string folder = WriteProject("Shared", text);
    // Every file the project names holds its own name.
    auto values = testing_support::ParseIniText(text);
    values["general"].erase("name");
    for (auto& [s, keys] : values)
      for (auto& [k, value] : keys) value = core::ProfileValue(value);  // as Tarnell reads them
    for (const auto& [s, keys] : values)
      for (const auto& [k, value] : keys) WriteFile(folder + "\\" + value, value);
    Open(folder);
    Save();
    std::string plain = ReadFile(core::gSkinIni);
    if (tile) Press(*tile);
    box->SetText(art);
    Save();
    EXPECT_EQ((Texts{core::ReadIni(core::gSkinIni, section, key), box->Text(), ReadFile(folder + "\\" + saved)}),
              (Texts{saved, saved, "the new picture"}));
    EXPECT_EQ(core::gMiscIconPaths[30], core::gMiscIconPaths[56]);
    for (const auto& [s, keys] : values)
      for (const auto& [k, value] : keys)
        EXPECT_TRUE(value == saved || ReadFile(folder + "\\" + value) == value) << value;
    // A key that keeps its file leaves pelto.ini as a plain save wrote it.
    EXPECT_TRUE(values[core::ToLower(section)][core::ToLower(key)] != saved || ReadFile(core::gSkinIni) == plain);
    testing_support::RemoveTree(folder);
  }
}

TEST_F(ImageSaveTest, APictureNeverLandsOnPeltoIniOrAFolderAndABoxCountsAsItWillBeRead) {
  // What pelto.ini holds after the name, the tile selected first, the texts
  // typed, and what the key names after the save and that file holds.
  // {A}: a new picture outside; {P}, {U}: the project folder as it is and
  // in capitals.
  using Typed = std::vector<std::pair<ui::TextBox*, const char*>>;
  struct Case {
    const char* ini;
    ui::PictureBox* tile;
    Typed typed;
    const char* section;
    const char* key;
    const char* saved;
    const char* holds;
  };
  ui::TextBox* small = &form.txtSmallPath;
  ui::TextBox* tabHover = &mainwindow::gTabBarPage->TabHover.txtImage;
  const char* const kNew = "the new picture";
  const Case cases[] = {
      // pelto.ini in any form, or a folder, as the key's file.
      {"[Global]\r\nCustomFrame.Image=pelto.ini\r\n", nullptr, {{&form.txtFrameImage, "{A}"}}, "Global",
       "CustomFrame.Image", "control\\main_frame.png", kNew},
      {"[TabBar]\r\nTab.Hover.Image=control\\..\\PELTO.INI\r\n", nullptr, {{tabHover, "{A}"}}, "TabBar",
       "Tab.Hover.Image", "control\\tab_hover.png", kNew},
      {"[Icons16]\r\nHome=Pelto.Ini\r\n", &form.picSmallIcon(5), {{small, "{A}"}}, "Icons16", "Home",
       "toolbar\\16_Home.png", kNew},
      {"[Icons16]\r\nHome=toolbar\r\n", &form.picSmallIcon(5), {{small, "{A}"}}, "Icons16", "Home",
       "toolbar\\16_Home.png", kNew},
      {"[Global]\r\nCustomFrame.Image=control\r\n", nullptr, {{&form.txtFrameImage, "{A}"}}, "Global",
       "CustomFrame.Image", "control\\main_frame.png", kNew},
      // A box typed in quotes names its file; a normal image typed with
      // blanks around it gives the hover image its folder.
      {"[Icons]\r\nBack=toolbar\\24_Back.png\r\nBack.Hover=toolbar\\24_Back_hover.png\r\n", nullptr,
       {{tabHover, "\"toolbar\\24_Back_hover.png\""}, {&form.txtHover, "{A}"}}, "Icons", "Back.Hover",
       "toolbar\\24_Back_hover2.png", kNew},
      {"[Icons]\r\nBack=toolbar\\24_Back.png\r\n", nullptr,
       {{&form.txtNormal, " toolbar\\24_Back.png "}, {&form.txtHover, "{A}"}}, "Icons", "Back.Hover",
       "toolbar\\24_Back_hover.png", kNew},
      // A full path typed in quotes, as Explorer copies one, is copied in.
      {"", nullptr, {{&form.txtLoading, "\"{A}\""}}, "Global", "AnimateLoading", "control\\animate_loading.png", kNew},
      {"", nullptr, {{&form.txtNormal, "\"{A}\""}}, "Icons", "Back", "toolbar\\24_Back.png", kNew},
      {"", &form.picSmallIcon(5), {{small, " \"{A}\" "}}, "Icons16", "Home", "toolbar\\16_Home.png", kNew},
      {"", nullptr, {{&form.txtPreview, "\"{A}\""}}, "General", "Preview", "Preview.png", kNew},
      // A full path into the project in other letter case is stored relative;
      // one that climbs out of it is any other full path.
      {"[TabBar]\r\nTab.Hover.Image=control\\tab_hover.png\r\n", nullptr, {{tabHover, "{U}\\control\\tab_active.png"}},
       "TabBar", "Tab.Hover.Image", "control\\tab_active.png", "control\\tab_active.png"},
      {"", &form.picSmallIcon(5), {{small, "{U}\\toolbar\\24_Back.png"}}, "Icons16", "Home", "toolbar\\24_Back.png",
       "toolbar\\24_Back.png"},
      {"", nullptr, {{&form.txtFrameImage, "{P}\\..\\Outside\\own.png"}}, "Global", "CustomFrame.Image",
       "control\\main_frame.png", "own"},
      {"[Global]\r\nCustomFrame.Image={P}\\..\\Outside\\own.png\r\n", nullptr, {}, "Global", "CustomFrame.Image",
       "{P}\\..\\Outside\\own.png", "own"},
      {"[Icons]\r\nBack=toolbar\\24_Back.png\r\nBack.Hover={P}\\..\\Outside\\own.png\r\n", nullptr,
       {{&form.txtPressed, "toolbar\\p.png"}}, "Icons", "Back.Hover", "{P}\\..\\Outside\\own.png", "own"}};
  const std::string folder = *this / "Projects\\Shared";
  auto expand = [&](std::string text) {
    text = core::ReplaceAll(text, "{A}", *this / "Art\\new.png");
    text = core::ReplaceAll(text, "{U}", core::ToUpper(folder));
    return core::ReplaceAll(text, "{P}", folder);
  };
  // Files of the project, each holding its own name.
  const Texts own = {"toolbar\\24_Back.png", "toolbar\\24_Back_hover.png", "control\\tab_active.png"};
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    WriteFile(*this / "Art\\new.png", kNew);
    WriteFile(*this / "Projects\\Outside\\own.png", "own");
    WriteProject("Shared", expand(std::string("[General]\r\nName=Shared\r\n") + c.ini));
    for (const std::string& name : own) WriteFile(folder + "\\" + name, name);
    Open(folder);
    if (c.tile) Press(*c.tile);
    for (const auto& [box, text] : c.typed) Type(*box, expand(text));
    Save();
    EXPECT_EQ(Saved()["general"]["name"], "Shared");
    const std::string saved = expand(c.saved);
    EXPECT_EQ(core::ReadIni(core::gSkinIni, c.section, c.key), saved);
    EXPECT_EQ(ReadFile(core::GetFullPath(saved)), c.holds);
    for (const std::string& name : own)
      EXPECT_TRUE(name == saved || ReadFile(folder + "\\" + name) == name) << name;
    testing_support::RemoveTree(folder);
  }
}

// The main window as the loader's host, recording the loads and letting a
// test act inside one of them, as a user does while messages run.
class WatchedHost : public core::ProjectHost {
 public:
  explicit WatchedHost(mainwindow::frmTarnell& form) : form_(form) { core::SetProjectHost(this); }
  ~WatchedHost() override { core::SetProjectHost(&form_); }
  Texts calls;
  std::map<std::string, std::function<void()>> during;

  void EnableProjectCommands() override { form_.EnableProjectCommands(); }
  void LoadGeneral() override { Run("LoadGeneral", [this] { form_.LoadGeneral(); }); }
  void LoadFrame() override { Run("LoadFrame", [this] { form_.LoadFrame(); }); }
  void LoadSideBar() override { Run("LoadSideBar", [this] { form_.LoadSideBar(); }); }
  void LoadCombo() override { Run("LoadCombo", [this] { form_.LoadCombo(); }); }
  void LoadProgress() override { Run("LoadProgress", [this] { form_.LoadProgress(); }); }
  void UpdateProjectList() override { Run("UpdateProjectList", [this] { form_.UpdateProjectList(); }); }
  void LoadColor() override { Run("LoadColor", [this] { form_.LoadColor(); }); }
  void LoadBackground() override { Run("LoadBackground", [this] { form_.LoadBackground(); }); }
  void LoadTabBar() override { Run("LoadTabBar", [this] { form_.LoadTabBar(); }); }
  void mnuSave_Click() override { Run("mnuSave_Click", [this] { form_.mnuSave_Click(); }); }
  void UnloadMainWindow() override { Run("UnloadMainWindow", [this] { form_.UnloadMainWindow(); }); }

 private:
  void Run(const std::string& call, const std::function<void()>& work) {
    calls.push_back(call);
    work();
    if (auto hook = during.find(call); hook != during.end()) hook->second();
  }
  mainwindow::frmTarnell& form_;
};

class LoadRequestTest : public LifeTest {
 protected:
  void PostSave() { PostMessageA(form.hWnd(), WM_COMMAND, MAKEWPARAM(form.mnuSave.Id(), 0), 0); }
  void PostClose() { PostMessageA(form.hWnd(), WM_CLOSE, 0, 0); }
};

TEST_F(LoadRequestTest, SaveAndCloseDuringALoadLoadEverythingThenSaveOnceThenClose) {
  std::string blue = NamedProject("Blue");
  std::string before = ReadFile(blue + "\\pelto.ini");
  WatchedHost host(form);
  bool unsavedWhileLoading = false;
  host.during["LoadFrame"] = [&] {
    PostSave();
    PostClose();
  };
  host.during["UpdateProjectList"] = [&] {
    // Both requests have run by now; they only wait for the load's end.
    unsavedWhileLoading = core::gSaveRequested && core::gExitRequested && ReadFile(blue + "\\pelto.ini") == before;
  };
  Open(blue);

  EXPECT_TRUE(unsavedWhileLoading);
  EXPECT_EQ(host.calls, (Texts{"LoadGeneral", "LoadFrame", "LoadSideBar", "LoadCombo", "LoadProgress",
                               "UpdateProjectList", "LoadColor", "LoadBackground", "LoadTabBar", "mnuSave_Click",
                               "UnloadMainWindow"}));
  // The save wrote the Frame page's keys, which the project did not have.
  EXPECT_EQ(testing_support::ParseIni(blue + "\\pelto.ini")["global"].count("customframe.width"), 1u);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_FALSE(core::gModified);
  EXPECT_FALSE(core::gSaveRequested);
  EXPECT_FALSE(core::gExitRequested);
}

TEST_F(LoadRequestTest, ACloseDuringALoadSkipsTheRemainingLoadsAndClosesWithoutSaving) {
  std::string blue = NamedProject("Blue");
  std::string before = ReadFile(blue + "\\pelto.ini");
  WatchedHost host(form);
  host.during["LoadGeneral"] = [&] { PostClose(); };
  Open(blue);
  EXPECT_EQ(host.calls, (Texts{"LoadGeneral", "LoadFrame", "LoadSideBar", "LoadCombo", "LoadProgress",
                               "UpdateProjectList", "UnloadMainWindow"}));
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(ReadFile(blue + "\\pelto.ini"), before);
}

TEST_F(LoadRequestTest, OtherCommandsWaitForNoLoad) {
  std::string blue = NamedProject("Blue");
  WatchedHost host(form);
  // A second Open while the first load runs would start a load inside it.
  host.during["LoadFrame"] = [&] { PostMessageA(form.hWnd(), WM_COMMAND, MAKEWPARAM(form.mnuOpen.Id(), 0), 0); };
  Open(blue);
  EXPECT_EQ(core::gProjectName, "Blue");
  EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "LoadGeneral"), 1);
}

TEST_F(LifeTest, OpeningAProjectTakesNoKeysFromItAfterAStaleOrHeldScratchCopy) {
  // A project with three style lines for the tab background (the first two
  // go on opening) and one for the title.
  const std::string text =
      "[General]\r\nName=Side\r\n[SideBar]\r\nTabBackground.Style=Transparent\r\n"
      "TabBackground.Style=Transparent\r\nTabBackground.Style=GFill\r\nTitleBackground.Style=GFill\r\n";
  const testing_support::IniData unchanged = testing_support::ParseIniText(text);
  Open(WriteProject("First", text));
  const testing_support::IniData cleanedUp = Saved();
  const std::string scratch = core::gTempFolder + "\\config.ini";
  // What comes before the load: a read-only project opened, or the scratch
  // copy of another held open by another program; and when that program
  // lets go of the scratch copy.
  enum class LetGo { Never, DuringTheLoad, AfterTheLoad };
  const struct {
    const char* name;
    bool readOnlyBefore;
    bool heldBefore;
    LetGo letGo;
    bool cleaned;
  } cases[] = {
      {"after a read-only project", true, false, LetGo::Never, true},
      {"a left-over copy held at the start, let go during the load", false, true, LetGo::DuringTheLoad, false},
      {"the fresh copy held from the middle of the load", false, false, LetGo::AfterTheLoad, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.readOnlyBefore) {
      const std::string full = DefaultSkinProject("Full");
      SetFileAttributesA((full + "\\pelto.ini").c_str(), FILE_ATTRIBUTE_READONLY);
      Open(full);
    }
    HANDLE held = INVALID_HANDLE_VALUE;
    if (c.heldBefore) {
      WriteFile(scratch, "[SideBar]\r\nTitleBackground.Style=GFill\r\nTitleBackground.Style=GFill\r\n");
      held = Hold(scratch);
    }
    const std::string side = WriteProject("Side", text);
    {
      WatchedHost host(form);
      host.during["LoadGeneral"] = [&] {
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        held = c.letGo == LetGo::AfterTheLoad ? Hold(scratch) : INVALID_HANDLE_VALUE;
      };
      Open(side);
    }
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    EXPECT_EQ(Saved(), c.cleaned ? cleanedUp : unchanged);
    SetFileAttributesA((*this / "Projects\\Full\\pelto.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

// ---------------------------------------------------------------- recent projects and options

TEST_F(LifeTest, RecentProjectsAreListedNewestFirstAndOpenFromTheMenu) {
  std::string blue = NamedProject("Blue");
  std::string red = NamedProject("Red & Black");
  std::string green = NamedProject("Green");
  Open(blue);
  Open(red);
  Open(green);
  auto listed = [this] {
    Texts items;
    for (int i = 1; i <= form.mnuProjectList.UBound(); ++i) items.push_back(form.mnuProjectList(i).Caption());
    return items;
  };
  EXPECT_EQ(listed(), (Texts{"1. Green", "2. Red && Black", "3. Blue", "-"}));

  ChooseMenu(form, form.mnuProjectList(3));
  EXPECT_EQ(core::gProjectName, "Blue");
  EXPECT_EQ(listed(), (Texts{"1. Blue", "2. Green", "3. Red && Black", "-"}));

  // A project deleted since: the menu no longer offers it, and it leaves
  // the stored list at the next load.
  testing_support::RemoveTree(red);
  {
    ScriptedPrompter prompts;
    prompts.AnswerMessage(IDOK);
    ChooseMenu(form, form.mnuProjectList(3));
    EXPECT_EQ(prompts.MessageTexts(), Texts{kOpenFail});
  }
  EXPECT_EQ(core::gProjectName, "Blue");
  EXPECT_EQ(listed(), (Texts{"1. Blue", "2. Green", "-"}));
  Open(green);
  EXPECT_EQ(Setting("LastProjects"), "Green$,$" + green + "$;$Blue$,$" + blue);
}

TEST_F(LifeTest, NamesEndingInHalfASeparatorAreListedAndOpenFromTheMenu) {
  const Texts names = {"Shop$,", "Shop$;"};
  Texts folders;
  for (size_t i = 0; i < names.size(); ++i) {
    folders.push_back(WriteProject("Shop" + std::to_string(i), "[General]\r\nName=" + names[i] + "\r\n"));
    Open(folders.back());
  }
  Open(NamedProject("alpha"));
  auto listed = [this] {
    Texts items;
    for (int i = 1; i <= form.mnuProjectList.UBound(); ++i) items.push_back(form.mnuProjectList(i).Caption());
    return items;
  };
  ASSERT_EQ(listed(), (Texts{"1. alpha", "2. Shop$;", "3. Shop$,", "-"}));
  // The oldest comes first each time.
  for (size_t i = 0; i < names.size(); ++i) {
    ChooseMenu(form, form.mnuProjectList(3));
    EXPECT_EQ(core::gProjectName, names[i]);
    EXPECT_EQ(core::gProjectFolder, folders[i]);
  }
}

TEST_F(LifeTest, FoldersEndingInHalfASeparatorAreListedAndOpenFromTheMenu) {
  // A project's folder and name, and whether an earlier run listed it rather
  // than it being opened first.
  const std::tuple<std::string, std::string, bool> cases[] = {
      {"Shop$;", "Shop$;", false}, {"Shop$;", "Shop", false}, {"Shop$,", "Shop$,", false}, {"Shop$;", "Shop", true}};
  const std::string alpha = NamedProject("Alpha Test Skin");
  for (const auto& [folder, name, storedEarlier] : cases) {
    SCOPED_TRACE(folder + " " + name);
    const std::string shop = WriteProject(folder, "[General]\r\nName=" + name + "\r\n");
    core::gLastProjects = storedEarlier ? name + "$,$" + shop : "";
    if (!storedEarlier) Open(shop);
    Open(alpha);
    ChooseMenu(form, form.mnuProjectList(2));
    EXPECT_EQ(core::gProjectFolder, shop);
    // As the next start reads the list.
    core::gLastProjects = Setting("LastProjects");
    form.UpdateProjectList();
    ASSERT_EQ(form.mnuProjectList.UBound(), 3);
    EXPECT_EQ(form.mnuProjectList(1).Caption(), "1. " + name);
    ChooseMenu(form, form.mnuProjectList(2));
    EXPECT_EQ(core::gProjectFolder, alpha);
  }
}

TEST_F(LifeTest, TheReopenOptionIsStoredAndOpensTheLastProjectAtTheNextStart) {
  std::string blue = NamedProject("Blue");
  Open(NamedProject("Red"));
  Open(blue);
  ChooseMenu(form, form.mnuAutoOpen);
  EXPECT_TRUE(form.mnuAutoOpen.Checked());
  EXPECT_EQ(Setting("ReOpenLast"), "1");
  ChooseMenu(form, form.mnuAutoOpen);
  EXPECT_FALSE(form.mnuAutoOpen.Checked());
  EXPECT_EQ(testing_support::ParseIni(Config())["general"].count("reopenlast"), 0u);
  ChooseMenu(form, form.mnuAutoOpen);
  form.Unload();

  core::gProjectName.clear();
  Store("NavigatorShow", "0");
  form.Show();
  EXPECT_TRUE(form.mnuAutoOpen.Checked());
  EXPECT_EQ(core::gProjectName, "Blue");
  EXPECT_EQ(form.txtName.Text(), "Blue");
  EXPECT_EQ(WindowText(form.hWnd()), "Blue - Velmora 2 Tarnell 1.2.7");
}

}  // namespace
