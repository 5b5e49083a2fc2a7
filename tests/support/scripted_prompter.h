// A prompter that answers every modal interaction from a script written by
// the test, and records what was asked. An unscripted prompt fails the test
// and is answered with Cancel (or OK for a plain message box).
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/prompts.h"

namespace testing_support {

class ScriptedPrompter : public ui::Prompter {
 public:
  // Installs itself; the destructor puts the previous prompter back and
  // fails the test when scripted answers were left unused.
  ScriptedPrompter();
  ~ScriptedPrompter() override;

  // Answers, used in the order given, each by the next prompt of its kind.
  ScriptedPrompter& AnswerMessage(int button);
  ScriptedPrompter& AnswerFile(std::string path);      // "" = cancel
  ScriptedPrompter& AnswerFolder(std::string folder);  // "" = cancel
  ScriptedPrompter& AnswerColor(long color);           // -1 = cancel
  ScriptedPrompter& AnswerInput(std::optional<std::string> text);
  // Runs driver on a modal form while it is shown; the driver must close it.
  ScriptedPrompter& AnswerModal(std::function<void(ui::Form&)> driver);

  std::vector<ui::MessageBoxRequest> messages;
  std::vector<ui::FileDialogRequest> fileDialogs;
  std::vector<ui::FolderRequest> folderDialogs;
  std::vector<ui::ColorRequest> colorDialogs;
  std::vector<ui::InputBoxRequest> inputBoxes;
  std::vector<ui::Form*> modalForms;

  // Texts of the message boxes shown, in order.
  std::vector<std::string> MessageTexts() const;
  size_t Unused() const;

  int ShowMessage(const ui::MessageBoxRequest& request) override;
  std::string FileDialog(const ui::FileDialogRequest& request) override;
  std::string BrowseFolder(const ui::FolderRequest& request) override;
  long PickColor(const ui::ColorRequest& request) override;
  std::optional<std::string> InputBox(const ui::InputBoxRequest& request) override;
  void RunModal(ui::Form& form, ui::Form* owner) override;

 private:
  ui::Prompter* previous_;
  std::deque<int> messageAnswers_;
  std::deque<std::string> fileAnswers_;
  std::deque<std::string> folderAnswers_;
  std::deque<long> colorAnswers_;
  std::deque<std::optional<std::string>> inputAnswers_;
  std::deque<std::function<void(ui::Form&)>> modalDrivers_;
};

// The prompter in force when a test installed none: every prompt fails.
class StrictPrompter : public ui::Prompter {
 public:
  int ShowMessage(const ui::MessageBoxRequest& request) override;
  std::string FileDialog(const ui::FileDialogRequest& request) override;
  std::string BrowseFolder(const ui::FolderRequest& request) override;
  long PickColor(const ui::ColorRequest& request) override;
  std::optional<std::string> InputBox(const ui::InputBoxRequest& request) override;
  void RunModal(ui::Form& form, ui::Form* owner) override;
};

ui::Prompter* CurrentPrompter();

}  // namespace testing_support
