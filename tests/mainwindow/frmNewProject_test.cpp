// The New Project dialog, shown by the main window's New command: the name
// it proposes, the templates it lists, its messages, and the project folder
// it makes from the browser's default skin or from a packed skin.
#include "mainwindow/frmNewProject.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "core/default_skin.h"
#include "core/paths.h"
#include "core/zip_test_util.h"
#include "main_window_support.h"
#include "skin_project_support.h"
#include "support/scripted_prompter.h"
#include "support/stand_in_browser.h"

namespace {

using namespace main_window_tests;
using namespace skin_project_tests;
using mainwindow::frmNewProject;
using testing_support::Exists;
using testing_support::ParseIni;
using testing_support::ReadFile;
using testing_support::ScriptedPrompter;
using Names = std::vector<std::string>;

constexpr char kDefaultLabel[] = "Velmora 2.5 Default Skin (Recommended)";

class NewProjectTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    testing_support::MakeFolders(core::gTempFolder);
    core::gBrowserFolder = testing_support::StandInBrowserFolder(testing_support::kBrowserV2);
    form.Load();
  }
  void TearDown() override {
    mainwindow::NewProjectForm().Unload();
    MainWindowTest::TearDown();
  }

  // Chooses New Project and runs driver on the dialog.
  void NewProject(ScriptedPrompter& prompts, std::function<void(frmNewProject&)> driver) {
    prompts.AnswerModal([driver](ui::Form& f) { driver(static_cast<frmNewProject&>(f)); });
    ChooseMenu(form, form.mnuNew);
  }
  static void Click(ui::CommandButton& button) { SendMessageA(button.hWnd(), BM_CLICK, 0, 0); }
  // Fills in the dialog and presses OK.
  static void Fill(frmNewProject& d, const std::string& name, const std::string& templ) {
    d.txtSkinName.SetText(name);
    d.cboTemplate.SetText(templ);
    Click(d.cmdOK);
  }
  static Names Items(const ui::ComboBox& combo) {
    Names items;
    for (int i = 0; i < combo.ListCount(); ++i) items.push_back(combo.List(i));
    return items;
  }

  std::string Projects() const { return *this / "Projects"; }
  // A project called name in Projects\folder, with a marker file.
  void ExistingProject(const std::string& name, const std::string& folder) {
    testing_support::WriteFile(Projects() + "\\" + folder + "\\pelto.ini", "[General]\r\nName=" + name + "\r\n");
    testing_support::WriteFile(Projects() + "\\" + folder + "\\mine.txt", "my own work");
  }
  // The default skin packed as a template: its folder under a name of its
  // own beside a loose file, or with pelto.ini at the archive's top.
  std::string PackedSkin(const std::string& file, bool topLevel) {
    const std::string source = *this / "Source";
    testing_support::RemoveTree(source);
    CopyTree(DefaultSkinSource(), source + "\\Ocean");
    testing_support::WriteFile(source + "\\readme.txt", "outside the skin");
    const std::string archive = *this / file;
    testing_support::MakeFolders(core::FolderOf(archive));
    if (topLevel) {
      Names names = core::gFileSystem.FileNames(source + "\\Ocean");
      for (const std::string& sub : core::gFileSystem.SubFolderNames(source + "\\Ocean")) names.push_back(sub);
      EXPECT_EQ(Pack(archive, source + "\\Ocean", names), 0);
    } else {
      EXPECT_EQ(Pack(archive, source, {"Ocean", "readme.txt"}), 0);
    }
    return archive;
  }
  // The globals a made project sets, all empty while none is made.
  Names ProjectGlobals() {
    return {core::gProjectName, core::gProjectFolder, core::gProjectFolderName, core::gSkinIni};
  }
  void ExpectNothingMade(const std::string& folderName) {
    EXPECT_FALSE(Exists(Projects() + "\\" + folderName));
    EXPECT_FALSE(Exists(core::gTempFolder + "\\" + folderName));
    EXPECT_EQ(ProjectGlobals(), (Names{"", "", "", ""}));
  }
};

// Ends the test program with a failure when the steps it guards have not
// come back within 30 seconds: a step that never ends would hang the run.
struct Deadline {
  HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread watcher{[this] {
    if (WaitForSingleObject(done, 30000) == WAIT_OBJECT_0) return;
    std::fputs("FAILED: no answer within 30 seconds\n", stderr);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
  }};
  ~Deadline() {
    SetEvent(done);
    watcher.join();
    CloseHandle(done);
  }
};

// ---------------------------------------------------------------- loading

TEST_F(NewProjectTest, ProposesTheFirstFreeNameAndTheDefaultTemplate) {
  ScriptedPrompter prompts;
  NewProject(prompts, [&](frmNewProject& d) {
    EXPECT_EQ(d.Caption(), "New Project");
    EXPECT_EQ(d.txtSkinName.Text(), "New Skin");
    EXPECT_EQ(Items(d.cboTemplate), Names{kDefaultLabel});
    EXPECT_EQ(d.cboTemplate.Text(), kDefaultLabel);
    EXPECT_EQ(d.ScaleWidth(), 454);
    EXPECT_EQ(d.ScaleHeight(), 163);
    EXPECT_EQ(GetWindow(d.hWnd(), GW_OWNER), form.hWnd());
    Click(d.cmdCancel);
  });
  ASSERT_EQ(prompts.modalForms.size(), 1u);
  EXPECT_FALSE(prompts.modalForms[0]->IsLoaded());

  ExistingProject("New Skin", "a");
  ExistingProject("new skin 1", "b");
  NewProject(prompts, [](frmNewProject& d) {
    EXPECT_EQ(d.txtSkinName.Text(), "New Skin 2");
    Click(d.cmdCancel);
  });
  for (int n = 2; n <= 10; ++n) {
    const std::string number = std::to_string(n);
    ExistingProject(std::string("New Skin ").append(number), std::string("c").append(number));
  }
  NewProject(prompts, [](frmNewProject& d) {
    EXPECT_EQ(d.txtSkinName.Text(), "New Skin 10");
    Click(d.cmdCancel);
  });
}

TEST_F(NewProjectTest, ListsSixRecentTemplatesThatStillExistThenTheDefault) {
  Names files;
  for (int i = 1; i <= 8; ++i)
    files.push_back(testing_support::WriteFile(*this / ("Skins\\skin" + std::to_string(i) + ".zqv"), "x"));
  std::string last = files[0] + "$;$" + core::ToUpper(files[0]) + "$;$" + (*this / "Skins\\gone.zqv") +
                     "$;$dEFAULT_sKIN";
  for (size_t i = 1; i < files.size(); ++i) last += "$;$" + files[i];
  Store("LastTemplates", last);

  ScriptedPrompter prompts;
  NewProject(prompts, [&](frmNewProject& d) {
    EXPECT_EQ(Items(d.cboTemplate),
              (Names{files[0], files[1], files[2], files[3], files[4], files[5], kDefaultLabel}));
    EXPECT_EQ(d.cboTemplate.Text(), files[0]);
    Click(d.cmdCancel);
  });

  // A first entry that is no longer listed leaves the default proposed.
  Store("LastTemplates", (*this / "Skins\\gone.zqv") + "$;$" + files[7]);
  NewProject(prompts, [&](frmNewProject& d) {
    EXPECT_EQ(Items(d.cboTemplate), (Names{files[7], kDefaultLabel}));
    EXPECT_EQ(d.cboTemplate.Text(), kDefaultLabel);
    Click(d.cmdCancel);
  });
}

TEST_F(NewProjectTest, ATemplateWhosePathHoldsTheDefaultsTokenOrLabelIsListedAndStoredAsItIs) {
  const Names files = {"My Skins\\Default_Skin.zqv", "My Skins\\default_skin\\" + std::string(kDefaultLabel) + ".zqv"};
  for (size_t i = 0; i < files.size(); ++i) {
    const std::string archive = PackedSkin(files[i], true);
    Store("LastTemplates", archive + "$;$Default_Skin");
    ScriptedPrompter prompts;
    NewProject(prompts, [&](frmNewProject& d) {
      EXPECT_EQ(Items(d.cboTemplate), (Names{archive, kDefaultLabel}));
      Fill(d, "Skin " + std::to_string(i), d.cboTemplate.Text());
    });
    EXPECT_EQ(core::gProjectName, "Skin " + std::to_string(i));
    EXPECT_EQ(Setting("LastTemplates"), archive + "$;$Default_Skin");
  }
}

TEST_F(NewProjectTest, TakesItsCaptionsAndTheDefaultLabelFromTheLanguageFile) {
  WriteLanguage("French",
                "New_Project=Nouveau projet\r\nNew_Skin_Name=Nom :\r\nUse_Template=Modèle :\r\nOK=Valider\r\n"
                "Cancel=Annuler\r\nDefault_Skin=Habillage par défaut\r\nBrowse=Parcourir...\r\n");
  UseLanguage("French");
  form.SetCaptions();
  Store("LastTemplates", "Default_Skin");

  ScriptedPrompter prompts;
  NewProject(prompts, [](frmNewProject& d) {
    EXPECT_EQ(d.Caption(), "Nouveau projet");
    EXPECT_EQ(d.lblSkinName.Caption(), "Nom :");
    EXPECT_EQ(d.lblTemplate.Caption(), "Modèle :");
    EXPECT_EQ(d.cmdBrowse.Caption(), "Parcourir...");
    EXPECT_EQ(d.cmdOK.Caption(), "Valider");
    EXPECT_EQ(d.cmdCancel.Caption(), "Annuler");
    EXPECT_EQ(Items(d.cboTemplate), Names{"Habillage par défaut"});
    EXPECT_EQ(d.cboTemplate.Text(), "Habillage par défaut");
    Click(d.cmdOK);
  });
  EXPECT_TRUE(Exists(Projects() + "\\New Skin\\pelto.ini"));
  EXPECT_EQ(Setting("LastTemplates"), "Default_Skin");
}

// ---------------------------------------------------------------- making

TEST_F(NewProjectTest, MakesAProjectFromTheBrowsersDefaultSkin) {
  ScriptedPrompter prompts;
  NewProject(prompts, [](frmNewProject& d) { Click(d.cmdOK); });

  const std::string folder = Projects() + "\\New Skin";
  testing_support::IniData made = ParseIni(folder + "\\pelto.ini");
  testing_support::IniData original = ParseIni(DefaultSkinSource() + "\\pelto.ini");
  EXPECT_EQ(made["general"]["name"], "New Skin");
  EXPECT_EQ(made["general"]["version"], "1.0.0");
  for (const char* key : {"author", "email", "website"}) {
    ASSERT_TRUE(made["general"].count(key)) << key;
    EXPECT_EQ(made["general"][key], "") << key;
  }
  EXPECT_EQ(made["general"]["license"], original["general"]["license"]);
  EXPECT_EQ(made["general"]["preview"], original["general"]["preview"]);
  made.erase("general");
  original.erase("general");
  EXPECT_EQ(made, original);
  EXPECT_EQ(ReadFile(folder + "\\control\\tab_bg.png"), ReadFile(DefaultSkinSource() + "\\control\\tab_bg.png"));

  EXPECT_EQ(ProjectGlobals(), (Names{"New Skin", folder, "New Skin", folder + "\\pelto.ini"}));
  EXPECT_EQ(WindowText(form.hWnd()), "New Skin - Velmora 2 Tarnell 1.2.7");
  EXPECT_EQ(Setting("LastTemplates"), "Default_Skin");
  // Neither the extracted default skin nor the work folder stays.
  EXPECT_FALSE(Exists(core::DefaultSkinFile()));
  EXPECT_EQ(core::gFileSystem.SubFolderNames(core::gTempFolder), Names{});
  EXPECT_FALSE(mainwindow::NewProjectForm().IsLoaded());
}

TEST_F(NewProjectTest, MakesAProjectFromThePackedSkinChosenWithBrowse) {
  const std::string archive = PackedSkin("Downloads\\Ocean Skin.zqv", false);
  core::gLastImportDir = *this / "Earlier";
  ScriptedPrompter prompts;
  prompts.AnswerFile(archive);
  NewProject(prompts, [&](frmNewProject& d) {
    Click(d.cmdBrowse);
    EXPECT_EQ(d.cboTemplate.Text(), archive);
    d.txtSkinName.SetText("My:Skin?");
    Click(d.cmdOK);
  });
  ASSERT_EQ(prompts.fileDialogs.size(), 1u);
  EXPECT_FALSE(prompts.fileDialogs[0].save);
  EXPECT_EQ(prompts.fileDialogs[0].initialDir, *this / "Earlier");
  EXPECT_EQ(prompts.fileDialogs[0].filter, "Velmora 2 Skin Files (*.zqv)|*.zqv");
  EXPECT_EQ(core::gLastImportDir, *this / "Downloads");
  EXPECT_EQ(Setting("LastImportDir"), *this / "Downloads");

  // pelto.ini lay one level down: it is now at the project's top, and what
  // lay beside the skin's folder is gone.
  const std::string folder = Projects() + "\\My_Skin_";
  EXPECT_EQ(ParseIni(folder + "\\pelto.ini")["general"]["name"], "My:Skin?");
  EXPECT_TRUE(Exists(folder + "\\toolbar"));
  EXPECT_EQ(core::gFileSystem.SubFolderNames(Projects()), Names{"My_Skin_"});
  EXPECT_FALSE(Exists(folder + "\\readme.txt"));
  EXPECT_EQ(core::gFileSystem.SubFolderNames(core::gTempFolder), Names{});
  EXPECT_EQ(core::gProjectFolderName, "My_Skin_");
  EXPECT_EQ(Setting("LastTemplates"), archive + "$;$Default_Skin");
  EXPECT_TRUE(Exists(archive));
}

TEST_F(NewProjectTest, ATakenFolderNameCountsOn) {
  const std::string archive = PackedSkin("Ocean.zqv", true);
  ExistingProject("Other", "My_Skin_");
  ExistingProject("Other 2", "My_Skin_1");
  ScriptedPrompter prompts;
  NewProject(prompts, [&](frmNewProject& d) { Fill(d, "My:Skin?", archive); });

  EXPECT_EQ(ParseIni(Projects() + "\\My_Skin_2\\pelto.ini")["general"]["name"], "My:Skin?");
  EXPECT_EQ(ParseIni(Projects() + "\\My_Skin_1\\pelto.ini")["general"]["name"], "Other 2");
  EXPECT_EQ(ReadFile(Projects() + "\\My_Skin_\\mine.txt"), "my own work");
  EXPECT_EQ(core::gProjectFolder, Projects() + "\\My_Skin_2");
}

TEST_F(NewProjectTest, ReplacingAProjectAsksFirstAndKeepsItsFolderName) {
  const std::string archive = PackedSkin("Ocean.zqv", true);
  ExistingProject("Blue", "Custom Folder");
  ScriptedPrompter prompts;
  prompts.AnswerMessage(IDCANCEL).AnswerMessage(IDOK);
  NewProject(prompts, [&](frmNewProject& d) {
    Fill(d, "blue", archive);
    // Cancelled: the dialog stays and the project too.
    EXPECT_TRUE(d.Visible());
    EXPECT_EQ(ReadFile(Projects() + "\\Custom Folder\\mine.txt"), "my own work");
    Click(d.cmdOK);
  });
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages[0].text, "Skin project \"blue\" already exists, do you want to replace it?");
  EXPECT_EQ(prompts.messages[0].type, static_cast<UINT>(MB_OKCANCEL));
  EXPECT_EQ(prompts.messages[0].title, "Velmora 2 Tarnell");

  const std::string folder = Projects() + "\\Custom Folder";
  EXPECT_EQ(ParseIni(folder + "\\pelto.ini")["general"]["name"], "blue");
  EXPECT_FALSE(Exists(folder + "\\mine.txt"));
  EXPECT_TRUE(Exists(folder + "\\control\\tab_bg.png"));
  EXPECT_EQ(core::gFileSystem.SubFolderNames(Projects()), Names{"Custom Folder"});
  EXPECT_EQ(core::gProjectFolderName, "Custom Folder");
  EXPECT_EQ(core::gFileSystem.SubFolderNames(core::gTempFolder), Names{});

  // A new project that cannot be moved into Projects (its unpacked folder
  // is held open) puts the one it was to replace back as it was.
  ExistingProject("Green", "Green Folder");
  testing_support::MakeFolders(core::gTempFolder + "\\Green Folder");
  HANDLE held = CreateFileA((core::gTempFolder + "\\Green Folder").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  {
    ScriptedPrompter again;
    again.AnswerMessage(IDOK).AnswerMessage(IDOK);
    NewProject(again, [&](frmNewProject& d) {
      Fill(d, "green", archive);
      Click(d.cmdCancel);
    });
    EXPECT_EQ(again.MessageTexts(), (Names{"Skin project \"green\" already exists, do you want to replace it?",
                                           "Cannot open skin template!"}));
  }
  CloseHandle(held);
  EXPECT_EQ(core::gFileSystem.FileNames(Projects() + "\\Green Folder"), (Names{"mine.txt", "pelto.ini"}));
  EXPECT_EQ(ReadFile(Projects() + "\\Green Folder\\pelto.ini"), "[General]\r\nName=Green\r\n");
  EXPECT_EQ(ReadFile(Projects() + "\\Green Folder\\mine.txt"), "my own work");
}

// ---------------------------------------------------------------- refusing

TEST_F(NewProjectTest, IncompleteEntriesAreReportedAndTheDialogStaysOpen) {
  ScriptedPrompter prompts;
  for (int i = 0; i < 4; ++i) prompts.AnswerMessage(IDOK);
  NewProject(prompts, [&](frmNewProject& d) {
    Fill(d, "", kDefaultLabel);
    EXPECT_TRUE(d.txtSkinName.HasFocus());
    Fill(d, "Blue", "");
    EXPECT_TRUE(d.cboTemplate.HasFocus() || IsChild(d.cboTemplate.hWnd(), GetFocus()));
    Fill(d, "Blue", *this / "missing.zqv");
    DWORD start = 0, end = 0;
    SendMessageA(d.cboTemplate.hWnd(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, (*this / "missing.zqv").size());
    // The default label typed in another case is taken for a file name.
    Fill(d, "Blue", core::ToLower(kDefaultLabel));
    EXPECT_TRUE(d.Visible());
    Click(d.cmdCancel);
  });
  EXPECT_EQ(prompts.MessageTexts(),
            (Names{"Please enter new skin name!", "Please enter the file path of skin template!",
                   "Cannot find specified skin template!", "Cannot find specified skin template!"}));
  for (const auto& m : prompts.messages) EXPECT_EQ(m.type, static_cast<UINT>(MB_OK));
  EXPECT_FALSE(Exists(core::DefaultSkinFile()));
  ExpectNothingMade("Blue");
}

TEST_F(NewProjectTest, ANameOfBlanksOnlyIsRefusedAsAnEmptyOne) {
  ScriptedPrompter prompts;
  prompts.AnswerMessage(IDOK);
  NewProject(prompts, [&](frmNewProject& d) {
    Fill(d, "   ", kDefaultLabel);
    EXPECT_TRUE(d.txtSkinName.HasFocus());
    Click(d.cmdCancel);
  });
  EXPECT_EQ(prompts.MessageTexts(), Names{"Please enter new skin name!"});
  EXPECT_EQ(ProjectGlobals(), (Names{"", "", "", ""}));
}

TEST_F(NewProjectTest, ANameThatWouldReadBackEmptyIsRefusedAsAnEmptyOne) {
  ScriptedPrompter prompts;
  for (int i = 0; i < 6; ++i) prompts.AnswerMessage(IDOK);
  NewProject(prompts, [&](frmNewProject& d) {
    for (const char* typed : {"\"\"", "''", "\" \"", "\v", "\f", "'\x1a'"}) {
      Fill(d, typed, kDefaultLabel);
      EXPECT_TRUE(d.txtSkinName.HasFocus()) << typed;
    }
    Click(d.cmdCancel);
  });
  EXPECT_EQ(prompts.MessageTexts(), Names(6, "Please enter new skin name!"));
  EXPECT_EQ(ProjectGlobals(), (Names{"", "", "", ""}));
}

TEST_F(NewProjectTest, ATemplateThatHoldsNoSkinLeavesEverythingAsItWas) {
  ExistingProject("Blue", "Blue");
  const std::string oldIni = ReadFile(Projects() + "\\Blue\\pelto.ini");
  const std::string notZip = testing_support::WriteFile(*this / "broken.zqv", "not an archive at all");
  // pelto.ini two levels down is too deep.
  const std::string source = *this / "Deep";
  CopyTree(DefaultSkinSource(), source + "\\a\\b");
  const std::string tooDeep = *this / "deep.zqv";
  ASSERT_EQ(Pack(tooDeep, source, {"a"}), 0);
  Store("LastTemplates", "Default_Skin");

  ScriptedPrompter prompts;
  prompts.AnswerMessage(IDOK).AnswerMessage(IDOK).AnswerMessage(IDOK);
  NewProject(prompts, [&](frmNewProject& d) {
    Fill(d, "Sea", notZip);
    // Replacing an existing project with it does not touch that project.
    Fill(d, "Blue", tooDeep);
    EXPECT_TRUE(d.Visible());
    Click(d.cmdCancel);
  });
  EXPECT_EQ(prompts.MessageTexts(),
            (Names{"Cannot open skin template!", "Skin project \"Blue\" already exists, do you want to replace it?",
                   "Cannot open skin template!"}));
  EXPECT_EQ(ReadFile(Projects() + "\\Blue\\pelto.ini"), oldIni);
  EXPECT_EQ(ReadFile(Projects() + "\\Blue\\mine.txt"), "my own work");
  ExpectNothingMade("Sea");
  EXPECT_EQ(core::gFileSystem.SubFolderNames(core::gTempFolder), Names{});
  EXPECT_EQ(Setting("LastTemplates"), "Default_Skin");
}

TEST_F(NewProjectTest, ANameWindowsKeepsForADeviceIsRefusedInTime) {
  const std::string archive = PackedSkin("Ocean.zqv", true);
  Deadline deadline;
  for (const char* name : {"con.txt", "aux.dark", "lpt1.zqv"}) {
    SCOPED_TRACE(name);
    ScriptedPrompter prompts;
    prompts.AnswerMessage(IDOK);
    NewProject(prompts, [&](frmNewProject& d) {
      Fill(d, name, archive);
      Click(d.cmdCancel);
    });
    EXPECT_EQ(prompts.MessageTexts(), Names{"Please enter new skin name!"});
    EXPECT_EQ(core::gFileSystem.SubFolderNames(Projects()), Names{});
  }
}

TEST_F(NewProjectTest, ATemplateThatUnpacksOnlyInPartLeavesTheProjectItWasToReplace) {
  std::string bytes =
      zip_test::ZipBuilder().Add("Ocean/a.png", "picture").Add("Ocean/pelto.ini", "[General]", true).Bytes();
  // The picture, the first entry, is labelled LZMA (14), which Tarnell cannot unpack.
  bytes[8] = bytes[zip_test::Le32(bytes, bytes.size() - 6) + 10] = 14;
  const std::string templ = testing_support::WriteFile(*this / "lzma.zqv", bytes);
  ExistingProject("Blue", "Blue");
  ScriptedPrompter prompts;
  prompts.AnswerMessage(IDOK).AnswerMessage(IDOK);
  NewProject(prompts, [&](frmNewProject& d) {
    Fill(d, "Blue", templ);
    Click(d.cmdCancel);
  });
  EXPECT_EQ(prompts.MessageTexts().back(), "Cannot open skin template!");
  EXPECT_EQ(ReadFile(Projects() + "\\Blue\\mine.txt"), "my own work");
  EXPECT_EQ(core::gFileSystem.SubFolderNames(core::gTempFolder), Names{});
}

// Templates as other ZIP tools write them: the project holds the skin's
// files byte for byte, and pelto.ini differs in [General] alone.
TEST_F(NewProjectTest, TemplatesFromOtherZipToolsMakeTheSkinByteForByte) {
  // bsdtar and Windows' tar begin with an entry "./" for the folder packed.
  zip_test::ZipBuilder dotFirst;
  dotFirst.Add("./", "");
  for (const auto& [rel, bytes] : testing_support::FileTree(DefaultSkinSource())) {
    std::string name = "./" + rel;
    std::replace(name.begin(), name.end(), '\\', '/');
    dotFirst.Add(bytes == "<folder>" ? name + "/" : name, bytes == "<folder>" ? "" : bytes, true);
  }
  const std::string sample = testing_support::FixturesFolder() + "\\zip\\source\\sample";
  const struct {
    const char* what;
    std::string templ, source;
    std::optional<std::string> password;
  } rows[] = {
      {"./ first", testing_support::WriteFile(*this / "dot.zqv", dotFirst.Bytes()), DefaultSkinSource(), {}},
      {"zip -P, the right password", testing_support::FixturesFolder() + "\\zip\\encrypted-skin.zip", sample, "s3cret"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    ScriptedPrompter prompts;
    if (row.password) prompts.AnswerInput(row.password);
    NewProject(prompts, [&](frmNewProject& d) { Fill(d, row.what, row.templ); });
    ASSERT_EQ(core::gProjectName, row.what);
    auto made = testing_support::FileTree(core::gProjectFolder), source = testing_support::FileTree(row.source);
    testing_support::IniData madeIni = ParseIni(core::gSkinIni), sourceIni = ParseIni(row.source + "\\pelto.ini");
    made.erase("pelto.ini");
    source.erase("pelto.ini");
    madeIni.erase("general");
    sourceIni.erase("general");
    EXPECT_TRUE(made == source);
    EXPECT_EQ(madeIni, sourceIni);
    EXPECT_EQ(core::gFileSystem.SubFolderNames(core::gTempFolder), Names{});
  }
}

// A template that would not come out whole is refused before the project
// it was to replace is touched, and leaves nothing in Projects or Temp.
TEST_F(NewProjectTest, ATemplateThatCannotComeOutWholeIsRefusedAndLeavesNothing) {
  const std::string encrypted = testing_support::FixturesFolder() + "\\zip\\encrypted-skin.zip";
  auto skin = [&](const std::string& file, std::vector<std::string> names) {
    zip_test::ZipBuilder b;
    b.Utf8Names().Add("pelto.ini", "[General]\r\nName=Ocean\r\n");
    for (const std::string& name : names) b.Add(name, name);
    return testing_support::WriteFile(*this / file, b.Bytes());
  };
  // A path exactly one character too long below Projects\Blue\, which
  // still fits below Temp\Blue\.
  std::string deep = "misc/";
  const size_t room = MAX_PATH - (Projects() + "\\Blue\\").size();
  while (deep.size() + 100 < room) deep += std::string(90, 'd') + "/";
  deep += std::string(room - deep.size() - 4, 'e') + ".png";
  ASSERT_LT((core::gTempFolder + "\\Blue\\" + deep).size(), static_cast<size_t>(MAX_PATH));
  const struct {
    const char* what;
    std::string templ;
    std::vector<std::optional<std::string>> passwords;  // one question at most, for all encrypted files
  } rows[] = {
      {"password cancelled", encrypted, {std::nullopt}},
      {"empty password", encrypted, {""}},
      {"names outside the ANSI code page",
       skin("cjk.zqv", {"misc/\xE6\x97\xA5\xE6\x9C\xAC.png", "misc/\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1.png"}), {}},
      {"a decomposed name", skin("nfd.zqv", {"misc/cafe\xCC\x81.png"}), {}},
      {"two entries on one file", skin("twice.zqv", {"misc/Back.png", "misc/back.png"}), {}},
      {"too deep below Projects", skin("deep.zqv", {deep}), {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    ExistingProject("Blue", "Blue");
    ScriptedPrompter prompts;
    prompts.AnswerMessage(IDOK).AnswerMessage(IDOK);
    for (const auto& password : row.passwords) prompts.AnswerInput(password);
    HWND dialog = nullptr;
    NewProject(prompts, [&](frmNewProject& d) {
      dialog = d.hWnd();
      Fill(d, "Blue", row.templ);
      Click(d.cmdCancel);
    });
    EXPECT_EQ(prompts.MessageTexts(), (Names{"Skin project \"Blue\" already exists, do you want to replace it?",
                                             "Cannot open skin template!"}));
    // The password is asked in front of the dialog, which waits for it.
    for (const auto& box : prompts.inputBoxes) EXPECT_EQ(box.owner, dialog);
    EXPECT_EQ(core::gFileSystem.FileNames(Projects() + "\\Blue"), (Names{"mine.txt", "pelto.ini"}));
    EXPECT_EQ(core::gFileSystem.SubFolderNames(Projects()), Names{"Blue"});
    EXPECT_EQ(core::gFileSystem.SubFolderNames(core::gTempFolder), Names{});
  }
}

TEST_F(NewProjectTest, WithoutTheBrowserAnOlderDefaultSkinServesElseNone) {
  core::gBrowserFolder.clear();
  ScriptedPrompter prompts;
  prompts.AnswerFolder("").AnswerMessage(IDOK);
  NewProject(prompts, [](frmNewProject& d) {
    Click(d.cmdOK);
    EXPECT_TRUE(d.Visible());
    Click(d.cmdCancel);
  });
  EXPECT_EQ(prompts.folderDialogs[0].owner, form.hWnd());
  EXPECT_EQ(prompts.MessageTexts(), Names{"Cannot find specified skin template!"});
  ExpectNothingMade("New Skin");

  core::gFileSystem.CopyFileTo(testing_support::StandInDefaultSkinArchive(), core::DefaultSkinFile(), true);
  prompts.AnswerFolder("");
  NewProject(prompts, [](frmNewProject& d) { Click(d.cmdOK); });
  EXPECT_EQ(ParseIni(Projects() + "\\New Skin\\pelto.ini")["general"]["name"], "New Skin");
  EXPECT_FALSE(Exists(core::DefaultSkinFile()));
}

// ---------------------------------------------------------------- keys and the command

TEST_F(NewProjectTest, EnterRunsOkOnceAndEscapeCancelsWhereverTheFocusIs) {
  ScriptedPrompter prompts;
  prompts.AnswerMessage(IDOK);
  NewProject(prompts, [](frmNewProject& d) {
    d.txtSkinName.SetText("");
    PressKey(d.txtSkinName.hWnd(), VK_RETURN);
    HWND comboEdit = GetWindow(d.cboTemplate.hWnd(), GW_CHILD);
    PressKey(comboEdit ? comboEdit : d.cboTemplate.hWnd(), VK_ESCAPE);
    EXPECT_FALSE(d.IsLoaded());
  });
  EXPECT_EQ(prompts.MessageTexts(), Names{"Please enter new skin name!"});
  ExpectNothingMade("New Skin");
}

TEST_F(NewProjectTest, NewAsksAboutUnsavedEditsFirst) {
  core::gProjectName = "Blue";
  core::gModified = true;
  ScriptedPrompter prompts;
  prompts.AnswerMessage(IDCANCEL);
  ChooseMenu(form, form.mnuNew);
  EXPECT_EQ(prompts.MessageTexts(), Names{"Do you want to save changes to \"Blue\"?"});
  EXPECT_TRUE(prompts.modalForms.empty());

  prompts.AnswerMessage(IDNO);
  NewProject(prompts, [](frmNewProject& d) { Click(d.cmdCancel); });
  EXPECT_FALSE(core::gModified);
  EXPECT_EQ(prompts.modalForms.size(), 1u);
}

}  // namespace
