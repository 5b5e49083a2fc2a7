// Forms and their menus. A form is a top-level window, a modal dialog or a
// borderless page that another form embeds as a child. The C++ object
// outlives its window: Unload destroys the window and returns every control
// to its design, and the next Load builds the window again and runs
// Form_Load afresh, as VB forms do.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class MenuItem;
class MenuArray;

enum class FormStyle {
  Sizable,         // caption, sizing border, minimise and maximise buttons
  FixedSingle,     // caption, fixed border, minimise button
  FixedDialog,     // caption, fixed dialog frame, no minimise or maximise
  SizableTool,     // small caption, sizing border
  FixedTool,       // small caption, fixed border
  Borderless,      // no caption or border: an embedded page
};

enum class WindowState { Normal, Minimized, Maximized };

// VB's QueryUnload reasons.
inline constexpr int kUnloadFromControlMenu = 0;
inline constexpr int kUnloadFromCode = 1;

class Form : public Container {
 public:
  Form(std::string caption, int clientWidth, int clientHeight, FormStyle style = FormStyle::Sizable);
  ~Form() override;

  // The window handle; loads the form first when needed.
  HWND hWnd();
  HWND HwndIfLoaded() const { return hwnd_; }
  bool IsLoaded() const { return hwnd_ != nullptr; }
  // Makes the window (hidden) and runs Form_Load.
  void Load();
  // Loads and shows the form without a modal loop.
  void Show();
  // Loads and shows the form modally over owner; returns once it is hidden
  // or unloaded. The owner takes no input meanwhile, also while tests
  // answer the form through the prompt seam.
  void ShowModal(Form* owner);
  void Hide();
  // Runs Form_QueryUnload and Form_Unload; destroys the window unless one of
  // them cancels. Returns true when the form is unloaded afterwards.
  bool Unload();

  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Visible() const;
  bool IsModal() const { return modal_; }

  // Outer rectangle in pixels (screen coordinates for top-level forms).
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void Move(int left, int top, int width, int height);
  void SetLeft(int v) { Move(v, Top(), Width(), Height()); }
  void SetTop(int v) { Move(Left(), v, Width(), Height()); }
  void SetWidth(int v) { Move(Left(), Top(), v, Height()); }
  void SetHeight(int v) { Move(Left(), Top(), Width(), v); }
  // Client area in pixels.
  int ScaleWidth() const;
  int ScaleHeight() const;
  WindowState State() const;
  void SetState(WindowState s);

  Color BackColor() const { return backColor_; }
  void SetBackColor(Color c);

  // Makes a borderless form a child window of parent at its top-left
  // corner and shows it without activating it (an embedded page). In a
  // hidden container of this layer, the page's controls get their windows
  // when that container is first shown.
  void EmbedInto(HWND parent);

  // Form_KeyDown sees keys before the focused control (VB's KeyPreview).
  bool KeyPreview = false;

  HWND ContainerHwnd() const override { return hwnd_; }
  HWND ExistingContainerHwnd() const override { return hwnd_; }
  Form* OwnerForm() override { return this; }
  Color ContainerBackColor() const override { return backColor_; }

  static Form* FromHwnd(HWND hwnd);
  static int LoadedTopLevelCount();

  // Menu items register themselves with their form.
  void RegisterMenu(MenuItem* top);
  void UnregisterMenu(MenuItem* top);
  MenuItem* FindMenuItem(UINT id) const;
  UINT NextMenuId() { return nextMenuId_++; }
  void RebuildMenuBar();
  // Runs the menu item whose shortcut matches the key; true when one did.
  bool HandleShortcut(UINT vk, int shift);

  // Keyboard preview entry points used by the message loop.
  bool PreviewKeyDown(int& keyCode, int shift);
  bool PreviewKeyPress(int& keyAscii);

 protected:
  // Event handlers, VB style.
  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  virtual void Form_Deactivate() {}
  virtual void Form_Resize() {}
  virtual void Form_QueryUnload(int& /*cancel*/, int /*unloadMode*/) {}
  virtual void Form_Unload(int& /*cancel*/) {}
  virtual void Form_KeyDown(int& /*keyCode*/, int /*shift*/) {}
  virtual void Form_KeyPress(int& /*keyAscii*/) {}
  virtual void Form_Paint() {}
  // Binds the controls' handlers; runs once, before the first load.
  virtual void Bind() {}
  bool HoldsChildrenBack() const override { return holdChildren_; }
  // Messages the layer does not handle itself; true when handled.
  virtual bool WindowProc(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) {
    return false;
  }

 private:
  friend class Container;
  friend class MenuBarBatch;
  friend LRESULT CALLBACK FormWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  void WindowGone();
  DWORD Style() const;
  DWORD ExStyle() const;

  HWND hwnd_ = nullptr;
  std::string caption_;
  std::string designCaption_;
  int clientWidth_;
  int clientHeight_;
  FormStyle style_;
  Color backColor_ = kSysButtonFace;
  bool bound_ = false;
  bool modal_ = false;
  bool unloading_ = false;
  bool loadDone_ = false;  // Form_Load has run for this window
  // Embedded in a hidden container: the controls' windows wait for it.
  bool holdChildren_ = false;
  Container* host_ = nullptr;
  HWND owner_ = nullptr;
  HMENU menuBar_ = nullptr;
  int menuBatches_ = 0;      // MenuBarBatch objects alive
  bool menuBarStale_ = false;  // a rebuild was held back by a batch
  std::vector<MenuItem*> menus_;
  UINT nextMenuId_ = 1000;
  UniqueBrush backBrush_;
};

// Holds back the rebuilding of a form's menu bar while many of its items
// change at once (every caption from a language file, the list of recent
// projects): the bar is rebuilt once, when the last batch alive ends,
// instead of after every change.
class MenuBarBatch {
 public:
  explicit MenuBarBatch(Form& form);
  ~MenuBarBatch();
  MenuBarBatch(const MenuBarBatch&) = delete;
  MenuBarBatch& operator=(const MenuBarBatch&) = delete;

 private:
  Form& form_;
};

// The modal loop behind ShowModal, used by the system prompt seam.
void RunModalLoop(Form& form, Form* owner);

struct Shortcut {
  UINT vk = 0;
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  bool Empty() const { return vk == 0; }
  std::string Text() const;
  static Shortcut Ctrl(char letter) { return {static_cast<UINT>(letter), true, false, false}; }
  static Shortcut Key(UINT vk) { return {vk, false, false, false}; }
};

// A menu item: a top-level menu of a form's menu bar, a command, a
// separator (caption "-") or a sub-menu holding further items.
class MenuItem {
 public:
  MenuItem(Form* form, std::string caption);
  MenuItem(MenuItem* parent, std::string caption, Shortcut shortcut = {});
  ~MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  Shortcut Keys() const { return shortcut_; }
  // While set and false, the shortcut key goes on to the focused control.
  std::function<bool()> ShortcutApplies;
  UINT Id() const { return id_; }
  int Index() const { return index_; }
  MenuItem* ParentItem() const { return parent_; }
  Form* OwnerForm() const { return form_; }

  // Raises Click when the item and every menu above it are enabled.
  void PerformClick();
  Handler Click;

  // Internal: used by the form and by menu arrays.
  void AddChild(MenuItem* item, MenuItem* after);
  void RemoveChild(MenuItem* item);
  void Rebuild();
  HMENU BuildPopup();
  MenuItem* Find(UINT id);
  bool MatchShortcut(UINT vk, int shift, MenuItem** hit);
  void SetIndex(int i) { index_ = i; }

 private:
  void Changed();
  Form* form_;
  MenuItem* parent_;
  std::string caption_;
  Shortcut shortcut_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  UINT id_;
  int index_ = -1;
  HMENU popup_ = nullptr;
  std::vector<MenuItem*> children_;
};

// A control array of menu items (VB's Load mnuX(i)): element 0 is
// designed; further elements are loaded at run time right after the last
// one and unloaded again.
class MenuArray {
 public:
  MenuArray(MenuItem* parent, std::string caption0, Shortcut shortcut0 = {});

  MenuItem& operator()(int index);
  int UBound() const { return static_cast<int>(items_.size()) - 1; }
  int Count() const { return static_cast<int>(items_.size()); }
  // Adds element index (one above the current upper bound) with the
  // caption and look of element 0.
  MenuItem& Load(int index, const std::string& caption = "");
  void Unload(int index);

  std::function<void(int index)> Click;

 private:
  MenuItem* parent_;
  std::vector<std::unique_ptr<MenuItem>> items_;
};

}  // namespace ui
