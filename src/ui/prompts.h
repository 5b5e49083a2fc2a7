// The one seam for every modal interaction: message boxes, file and folder
// dialogs, the colour dialog, the input box and modal forms. The program
// calls Prompts(); tests install a prompter that answers from a script, so
// that no test ever waits for a person.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>

namespace ui {

class Form;

struct MessageBoxRequest {
  HWND owner = nullptr;
  std::string text;
  std::string title;
  UINT type = MB_OK;  // MB_OK, MB_YESNOCANCEL, MB_OKCANCEL ... and icon bits
};

struct FileDialogRequest {
  bool save = false;
  HWND owner = nullptr;
  std::string title;
  std::string filter;  // pairs of description and pattern separated by "|"
  std::string initialDir;
  std::string fileName;  // proposed name (save dialogs)
  DWORD flags = 0;       // OFN_ flags
};

struct FolderRequest {
  HWND owner = nullptr;
  std::string title;
  UINT flags = 0;     // BIF_ flags
  int rootCsidl = 0;  // shell special folder of the root (0 = desktop)
};

struct ColorRequest {
  HWND owner = nullptr;
  COLORREF initial = 0;
  DWORD flags = 0;  // CC_ flags
  std::array<COLORREF, 16> custom{};
};

struct InputBoxRequest {
  HWND owner = nullptr;
  std::string prompt;
  std::string title;
  std::string defaultText;
};

class Prompter {
 public:
  virtual ~Prompter() = default;
  // Returns the button pressed: IDOK, IDCANCEL, IDYES, IDNO ...
  virtual int ShowMessage(const MessageBoxRequest& request) = 0;
  // Returns the chosen path, "" when cancelled.
  virtual std::string FileDialog(const FileDialogRequest& request) = 0;
  // Returns the chosen folder, "" when cancelled.
  virtual std::string BrowseFolder(const FolderRequest& request) = 0;
  // Returns the chosen colour, -1 when cancelled.
  virtual long PickColor(const ColorRequest& request) = 0;
  // Returns the text entered, nothing when cancelled.
  virtual std::optional<std::string> InputBox(const InputBoxRequest& request) = 0;
  // Runs a modal form until it is hidden or unloaded.
  virtual void RunModal(Form& form, Form* owner) = 0;
};

// The prompter in use: the system's own unless a test installed another.
Prompter& Prompts();
// Installs a prompter; nullptr puts the system's back.
void SetPrompter(Prompter* prompter);

// The system's dialogs.
class SystemPrompter : public Prompter {
 public:
  int ShowMessage(const MessageBoxRequest& request) override;
  std::string FileDialog(const FileDialogRequest& request) override;
  std::string BrowseFolder(const FolderRequest& request) override;
  long PickColor(const ColorRequest& request) override;
  std::optional<std::string> InputBox(const InputBoxRequest& request) override;
  void RunModal(Form& form, Form* owner) override;
};

// Convenience: a message box through the seam.
int MsgBox(const std::string& text, UINT type, const std::string& title, HWND owner = nullptr);

}  // namespace ui
