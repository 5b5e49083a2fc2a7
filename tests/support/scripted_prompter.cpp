#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

namespace testing_support {

namespace {

ui::Prompter* gCurrent = nullptr;

void Install(ui::Prompter* p) {
  gCurrent = p;
  ui::SetPrompter(p);
}

int UnscriptedMessage(const ui::MessageBoxRequest& r) {
  ADD_FAILURE() << "unscripted message box: \"" << r.text << "\" titled \"" << r.title << "\"";
  UINT buttons = r.type & MB_TYPEMASK;
  return buttons == MB_OK ? IDOK : IDCANCEL;
}

void CloseUnscripted(ui::Form& form) {
  ADD_FAILURE() << "unscripted modal form \"" << form.Caption() << "\"";
  form.Unload();
}

}  // namespace

ui::Prompter* CurrentPrompter() { return gCurrent; }

ScriptedPrompter::ScriptedPrompter() : previous_(gCurrent) { Install(this); }

ScriptedPrompter::~ScriptedPrompter() {
  Install(previous_);
  EXPECT_EQ(Unused(), 0u) << "scripted answers left unused";
}

size_t ScriptedPrompter::Unused() const {
  return messageAnswers_.size() + fileAnswers_.size() + folderAnswers_.size() + colorAnswers_.size() +
         inputAnswers_.size() + modalDrivers_.size();
}

ScriptedPrompter& ScriptedPrompter::AnswerMessage(int button) {
  messageAnswers_.push_back(button);
  return *this;
}
ScriptedPrompter& ScriptedPrompter::AnswerFile(std::string path) {
  fileAnswers_.push_back(std::move(path));
  return *this;
}
ScriptedPrompter& ScriptedPrompter::AnswerFolder(std::string folder) {
  folderAnswers_.push_back(std::move(folder));
  return *this;
}
ScriptedPrompter& ScriptedPrompter::AnswerColor(long color) {
  colorAnswers_.push_back(color);
  return *this;
}
ScriptedPrompter& ScriptedPrompter::AnswerInput(std::optional<std::string> text) {
  inputAnswers_.push_back(std::move(text));
  return *this;
}
ScriptedPrompter& ScriptedPrompter::AnswerModal(std::function<void(ui::Form&)> driver) {
  modalDrivers_.push_back(std::move(driver));
  return *this;
}

std::vector<std::string> ScriptedPrompter::MessageTexts() const {
  std::vector<std::string> texts;
  for (const auto& m : messages) texts.push_back(m.text);
  return texts;
}

int ScriptedPrompter::ShowMessage(const ui::MessageBoxRequest& r) {
  messages.push_back(r);
  if (messageAnswers_.empty()) return UnscriptedMessage(r);
  int answer = messageAnswers_.front();
  messageAnswers_.pop_front();
  return answer;
}

std::string ScriptedPrompter::FileDialog(const ui::FileDialogRequest& r) {
  fileDialogs.push_back(r);
  if (fileAnswers_.empty()) {
    ADD_FAILURE() << "unscripted file dialog \"" << r.title << "\"";
    return {};
  }
  std::string answer = fileAnswers_.front();
  fileAnswers_.pop_front();
  return answer;
}

std::string ScriptedPrompter::BrowseFolder(const ui::FolderRequest& r) {
  folderDialogs.push_back(r);
  if (folderAnswers_.empty()) {
    ADD_FAILURE() << "unscripted folder dialog \"" << r.title << "\"";
    return {};
  }
  std::string answer = folderAnswers_.front();
  folderAnswers_.pop_front();
  return answer;
}

long ScriptedPrompter::PickColor(const ui::ColorRequest& r) {
  colorDialogs.push_back(r);
  if (colorAnswers_.empty()) {
    ADD_FAILURE() << "unscripted colour dialog";
    return -1;
  }
  long answer = colorAnswers_.front();
  colorAnswers_.pop_front();
  return answer;
}

std::optional<std::string> ScriptedPrompter::InputBox(const ui::InputBoxRequest& r) {
  inputBoxes.push_back(r);
  if (inputAnswers_.empty()) {
    ADD_FAILURE() << "unscripted input box \"" << r.prompt << "\"";
    return std::nullopt;
  }
  auto answer = inputAnswers_.front();
  inputAnswers_.pop_front();
  return answer;
}

void ScriptedPrompter::RunModal(ui::Form& form, ui::Form*) {
  modalForms.push_back(&form);
  if (modalDrivers_.empty()) return CloseUnscripted(form);
  auto driver = std::move(modalDrivers_.front());
  modalDrivers_.pop_front();
  form.Show();
  driver(form);
  if (form.IsLoaded() && form.Visible()) {
    ADD_FAILURE() << "modal form \"" << form.Caption() << "\" was left open by the test";
    form.Unload();
  }
}

int StrictPrompter::ShowMessage(const ui::MessageBoxRequest& r) { return UnscriptedMessage(r); }

std::string StrictPrompter::FileDialog(const ui::FileDialogRequest& r) {
  ADD_FAILURE() << "unscripted file dialog \"" << r.title << "\"";
  return {};
}

std::string StrictPrompter::BrowseFolder(const ui::FolderRequest& r) {
  ADD_FAILURE() << "unscripted folder dialog \"" << r.title << "\"";
  return {};
}

long StrictPrompter::PickColor(const ui::ColorRequest&) {
  ADD_FAILURE() << "unscripted colour dialog";
  return -1;
}

std::optional<std::string> StrictPrompter::InputBox(const ui::InputBoxRequest& r) {
  ADD_FAILURE() << "unscripted input box \"" << r.prompt << "\"";
  return std::nullopt;
}

void StrictPrompter::RunModal(ui::Form& form, ui::Form*) { CloseUnscripted(form); }

void InstallStrictPrompter() {
  static StrictPrompter strict;
  Install(&strict);
}

}  // namespace testing_support
