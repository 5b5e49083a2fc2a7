// What the project tests share: the main window loaded in a fresh program
// folder, project folders written by the test (or copied from the default
// skin), and the File menu driven as the user drives it.
#pragma once

#include <windows.h>

#include <string>

#include "core/files.h"
#include "core/paths.h"
#include "main_window_support.h"
#include "support/scripted_prompter.h"

namespace main_window_tests {

class ProjectTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    testing_support::MakeFolders(core::gTempFolder);
    savedStarter_ = core::ProcessStarter;
    core::ProcessStarter = [this](const std::string& commandLine, int) {
      started.push_back(commandLine);
      return true;
    };
    form.Load();
  }
  void TearDown() override {
    core::ProcessStarter = savedStarter_;
    MainWindowTest::TearDown();
  }

  // A project folder under Projects\ holding pelto.ini with the text given;
  // returns the folder.
  std::string WriteProject(const std::string& name, const std::string& ini) {
    std::string folder = *this / ("Projects\\" + name);
    testing_support::WriteFile(folder + "\\pelto.ini", ini);
    return folder;
  }
  // A project with only a name.
  std::string NamedProject(const std::string& name) { return WriteProject(name, "[General]\r\nName=" + name + "\r\n"); }
  // A copy of the default skin, a complete project with every image.
  std::string DefaultSkinProject(const std::string& name) {
    std::string folder = *this / ("Projects\\" + name);
    CopyTree(testing_support::SourceFolder() + "\\tests\\fixtures\\default-skin\\default", folder);
    return folder;
  }

  // File, Open Project, answering the file dialog with folder\pelto.ini.
  void Open(const std::string& folder) {
    testing_support::ScriptedPrompter prompts;
    prompts.AnswerFile(folder + "\\pelto.ini");
    ChooseMenu(form, form.mnuOpen);
  }
  void Save() { ChooseMenu(form, form.mnuSave); }
  testing_support::IniData Saved() const { return testing_support::ParseIni(core::gSkinIni); }

  // Commands started in place of new processes.
  std::vector<std::string> started;

 private:
  static void CopyTree(const std::string& from, const std::string& to) {
    testing_support::MakeFolders(to);
    for (const std::string& file : core::gFileSystem.FileNames(from))
      core::gFileSystem.CopyFileTo(from + "\\" + file, to + "\\" + file, true);
    for (const std::string& sub : core::gFileSystem.SubFolderNames(from)) CopyTree(from + "\\" + sub, to + "\\" + sub);
  }
  std::function<bool(const std::string&, int)> savedStarter_;
};

}  // namespace main_window_tests
