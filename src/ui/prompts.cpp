#include "ui/prompts.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

#include "ui/controls.h"
#include "ui/form.h"

namespace ui {

namespace {

Prompter* gPrompter = nullptr;

SystemPrompter& System() {
  static SystemPrompter system;
  return system;
}

// VB's InputBox: a prompt, a text box, OK and Cancel.
class InputBoxForm : public Form {
  // Declared before the controls, which are built from it.
  InputBoxRequest request_;

 public:
  explicit InputBoxForm(const InputBoxRequest& r)
      : Form(r.title, 375, 120, FormStyle::FixedDialog), request_(r) {
    KeyPreview = true;
  }
  Label lblPrompt{this, {8, 8, 270, 70}, request_.prompt};
  CommandButton cmdOK{this, {288, 8, 78, 24}, "OK"};
  CommandButton cmdCancel{this, {288, 38, 78, 24}, "Cancel"};
  TextBox txtValue{this, {8, 88, 358, 22}, request_.defaultText};
  std::optional<std::string> answer;

 private:
  void Bind() override {
    cmdOK.Click = [this] {
      answer = txtValue.Text();
      Unload();
    };
    cmdCancel.Click = [this] { Unload(); };
  }
  void Form_Load() override {
    txtValue.SetFocus();
    txtValue.SelectAll();
  }
  void Form_KeyDown(int& key, int) override {
    if (key == VK_RETURN) {
      key = 0;
      cmdOK.PerformClick();
    } else if (key == VK_ESCAPE) {
      key = 0;
      cmdCancel.PerformClick();
    }
  }
};

}  // namespace

Prompter& Prompts() { return gPrompter ? *gPrompter : System(); }

void SetPrompter(Prompter* prompter) { gPrompter = prompter; }

int MsgBox(const std::string& text, UINT type, const std::string& title, HWND owner) {
  return Prompts().ShowMessage({owner, text, title, type});
}

int SystemPrompter::ShowMessage(const MessageBoxRequest& r) {
  return MessageBoxA(r.owner, r.text.c_str(), r.title.c_str(), r.type);
}

std::string SystemPrompter::FileDialog(const FileDialogRequest& r) {
  // Long paths fit: the buffer is far larger than MAX_PATH.
  std::vector<char> file(32768, '\0');
  r.fileName.copy(file.data(), file.size() - 1);
  std::vector<char> title(32768, '\0');
  std::string filter = r.filter;
  for (char& c : filter)
    if (c == '|') c = '\0';
  filter.push_back('\0');
  filter.push_back('\0');
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = r.owner;
  ofn.hInstance = GetModuleHandleA(nullptr);
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrFileTitle = title.data();
  ofn.nMaxFileTitle = static_cast<DWORD>(title.size());
  ofn.lpstrInitialDir = r.initialDir.empty() ? nullptr : r.initialDir.c_str();
  ofn.lpstrTitle = r.title.c_str();
  ofn.Flags = r.flags;
  BOOL ok = r.save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  if (!ok) return {};
  return std::string(file.data());
}

std::string SystemPrompter::BrowseFolder(const FolderRequest& r) {
  LPITEMIDLIST root = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(r.owner, r.rootCsidl, &root))) root = nullptr;
  char display[MAX_PATH] = {};
  BROWSEINFOA bi{};
  bi.hwndOwner = r.owner;
  bi.pidlRoot = root;
  bi.pszDisplayName = display;
  bi.lpszTitle = r.title.c_str();
  bi.ulFlags = r.flags;
  LPITEMIDLIST chosen = SHBrowseForFolderA(&bi);
  std::string result;
  if (chosen) {
    char path[MAX_PATH] = {};
    if (SHGetPathFromIDListA(chosen, path)) result = path;
    CoTaskMemFree(chosen);
  }
  if (root) CoTaskMemFree(root);
  return result;
}

long SystemPrompter::PickColor(const ColorRequest& r) {
  std::array<COLORREF, 16> custom = r.custom;
  CHOOSECOLORA cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = r.owner;
  cc.rgbResult = r.initial;
  cc.lpCustColors = custom.data();
  cc.Flags = r.flags;
  if (!ChooseColorA(&cc)) return -1;
  return static_cast<long>(cc.rgbResult);
}

std::optional<std::string> SystemPrompter::InputBox(const InputBoxRequest& r) {
  InputBoxForm form(r);
  form.Load();
  if (r.owner) SetWindowLongPtrA(form.hWnd(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(r.owner));
  RunModalLoop(form, Form::FromHwnd(r.owner));
  return form.answer;
}

void SystemPrompter::RunModal(Form& form, Form* owner) { RunModalLoop(form, owner); }

}  // namespace ui
