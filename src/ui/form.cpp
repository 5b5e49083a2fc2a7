#include "ui/form.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>

#include "ui/app.h"
#include "ui/prompts.h"

namespace ui {

namespace {

// The form behind each window, looked up on every message and every key:
// kept in the process, where a window property would cost a call into the
// window server each time.
std::unordered_map<HWND, Form*>& FormWindows() {
  static std::unordered_map<HWND, Form*> forms;
  return forms;
}

std::vector<Form*>& AllForms() {
  static std::vector<Form*> forms;
  return forms;
}

std::string KeyName(UINT vk) {
  if (vk >= VK_F1 && vk <= VK_F24) {
    std::string name("F");
    name.append(std::to_string(vk - VK_F1 + 1));
    return name;
  }
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return std::string(1, static_cast<char>(vk));
  switch (vk) {
    case VK_DELETE: return "Del";
    case VK_INSERT: return "Ins";
    default: return {};
  }
}

// Keeps the owner of a modal form from taking input while it lives, from
// the modal form's load on, and gives the owner its input back however the
// modal form ends. An owner that was disabled already is left to whoever
// disabled it.
class OwnerLock {
 public:
  explicit OwnerLock(HWND owner) : owner_(owner && IsWindowEnabled(owner) ? owner : nullptr) {
    if (owner_) EnableWindow(owner_, FALSE);
  }
  ~OwnerLock() {
    if (owner_ && IsWindow(owner_)) EnableWindow(owner_, TRUE);
  }
  OwnerLock(const OwnerLock&) = delete;
  OwnerLock& operator=(const OwnerLock&) = delete;

 private:
  HWND owner_;
};

}  // namespace

// ---------------------------------------------------------------- Form

Form::Form(std::string caption, int clientWidth, int clientHeight, FormStyle style)
    : caption_(std::move(caption)),
      designCaption_(caption_),
      clientWidth_(clientWidth),
      clientHeight_(clientHeight),
      style_(style) {
  AllForms().push_back(this);
}

Form::~Form() {
  if (hwnd_) {
    HWND h = hwnd_;
    FormWindows().erase(h);
    hwnd_ = nullptr;
    DestroyWindow(h);
  }
  if (host_) host_->RemoveEmbedded(this);
  auto& all = AllForms();
  all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

Form* Form::FromHwnd(HWND hwnd) {
  if (!hwnd) return nullptr;
  auto it = FormWindows().find(hwnd);
  return it == FormWindows().end() ? nullptr : it->second;
}

int Form::LoadedTopLevelCount() {
  int n = 0;
  for (Form* f : AllForms())
    if (f->hwnd_ && !(GetWindowLongPtrA(f->hwnd_, GWL_STYLE) & WS_CHILD)) ++n;
  return n;
}

DWORD Form::Style() const {
  switch (style_) {
    case FormStyle::Sizable: return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    case FormStyle::FixedSingle: return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    case FormStyle::FixedDialog: return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN;
    case FormStyle::SizableTool: return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
    case FormStyle::FixedTool: return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    case FormStyle::Borderless: return WS_POPUP | WS_CLIPCHILDREN;
  }
  return WS_OVERLAPPEDWINDOW;
}

DWORD Form::ExStyle() const {
  DWORD ex = WS_EX_CONTROLPARENT;
  if (style_ == FormStyle::FixedDialog) ex |= WS_EX_DLGMODALFRAME;
  if (style_ == FormStyle::SizableTool || style_ == FormStyle::FixedTool) ex |= WS_EX_TOOLWINDOW;
  return ex;
}

HWND Form::hWnd() {
  Load();
  return hwnd_;
}

void Form::Load() {
  if (hwnd_) return;
  EnsureWindowClasses();
  if (!bound_) {
    bound_ = true;
    Bind();
  }
  designCaption_ = caption_;
  RECT rc{0, 0, clientWidth_, clientHeight_};
  AdjustWindowRectEx(&rc, Style(), !menus_.empty(), ExStyle());
  bool popup = (Style() & WS_POPUP) != 0;
  int x = popup ? 0 : CW_USEDEFAULT;
  int y = popup ? 0 : CW_USEDEFAULT;
  HWND h = CreateWindowExA(ExStyle(), kFormClass, caption_.c_str(), Style(), x, y, rc.right - rc.left,
                           rc.bottom - rc.top, owner_, nullptr, GetModuleHandleA(nullptr), this);
  if (!h) return;
  if (!menus_.empty()) {
    RebuildMenuBar();
    // The menu bar may wrap: keep the designed client size.
    RECT want{0, 0, clientWidth_, clientHeight_};
    AdjustWindowRectEx(&want, Style(), TRUE, ExStyle());
    SetWindowPos(h, nullptr, 0, 0, want.right - want.left, want.bottom - want.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  CreateChildren();
  Form_Load();
  if (!hwnd_) return;
  loadDone_ = true;
  Form_Resize();
}

void Form::Show() {
  Load();
  if (!hwnd_) return;
  bool child = (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_CHILD) != 0;
  ShowWindow(hwnd_, child ? SW_SHOWNA : SW_SHOW);
}

void Form::ShowModal(Form* owner) {
  if (modal_) return;
  owner_ = owner ? owner->HwndIfLoaded() : nullptr;
  OwnerLock lock(owner_);
  Load();
  if (!hwnd_) return;
  if (owner_) SetWindowLongPtrA(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner_));
  modal_ = true;
  Prompts().RunModal(*this, owner);
  modal_ = false;
}

void RunModalLoop(Form& form, Form* owner) {
  HWND ownerHwnd = owner ? owner->HwndIfLoaded() : nullptr;
  if (ownerHwnd) EnableWindow(ownerHwnd, FALSE);
  form.Show();
  MSG msg;
  while (form.IsLoaded() && form.Visible()) {
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (!PreTranslate(msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  if (ownerHwnd && IsWindow(ownerHwnd)) {
    EnableWindow(ownerHwnd, TRUE);
    SetActiveWindow(ownerHwnd);
  }
}

void Form::Hide() {
  if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

bool Form::Unload() {
  if (!hwnd_) return true;
  if (unloading_) return false;
  unloading_ = true;
  int cancel = 0;
  Form_QueryUnload(cancel, kUnloadFromCode);
  if (!cancel) Form_Unload(cancel);
  unloading_ = false;
  if (cancel) return false;
  if (hwnd_) DestroyWindow(hwnd_);
  return hwnd_ == nullptr;
}

void Form::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (hwnd_) SetWindowTextA(hwnd_, caption.c_str());
}

bool Form::Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }

namespace {
RECT OuterRect(HWND h) {
  RECT rc{};
  GetWindowRect(h, &rc);
  if (GetWindowLongPtrA(h, GWL_STYLE) & WS_CHILD) MapWindowPoints(HWND_DESKTOP, GetParent(h), reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}
}  // namespace

int Form::Left() const { return hwnd_ ? OuterRect(hwnd_).left : 0; }
int Form::Top() const { return hwnd_ ? OuterRect(hwnd_).top : 0; }
int Form::Width() const {
  if (!hwnd_) return clientWidth_;
  RECT rc = OuterRect(hwnd_);
  return rc.right - rc.left;
}
int Form::Height() const {
  if (!hwnd_) return clientHeight_;
  RECT rc = OuterRect(hwnd_);
  return rc.bottom - rc.top;
}

void Form::Move(int left, int top, int width, int height) {
  if (hwnd_) MoveWindow(hwnd_, left, top, width, height, TRUE);
}

int Form::ScaleWidth() const {
  if (!hwnd_) return clientWidth_;
  RECT rc;
  GetClientRect(hwnd_, &rc);
  return rc.right;
}

int Form::ScaleHeight() const {
  if (!hwnd_) return clientHeight_;
  RECT rc;
  GetClientRect(hwnd_, &rc);
  return rc.bottom;
}

WindowState Form::State() const {
  if (!hwnd_) return WindowState::Normal;
  if (IsIconic(hwnd_)) return WindowState::Minimized;
  if (IsZoomed(hwnd_)) return WindowState::Maximized;
  return WindowState::Normal;
}

void Form::SetState(WindowState s) {
  if (!hwnd_) return;
  ShowWindow(hwnd_, s == WindowState::Minimized ? SW_MINIMIZE : s == WindowState::Maximized ? SW_MAXIMIZE : SW_RESTORE);
}

void Form::SetBackColor(Color c) {
  backColor_ = c;
  backBrush_.reset();
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Form::EmbedInto(HWND parent) {
  auto* hostControl = Control::FromHwnd(parent);
  auto* host = dynamic_cast<Container*>(hostControl);
  if (!hwnd_ && host) {
    holdChildren_ = !hostControl->Visible();
    host_ = host;
    host->AddEmbedded(this);
  }
  Load();
  if (!hwnd_) return;
  LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE);
  SetWindowLongPtrA(hwnd_, GWL_STYLE, (style & ~static_cast<LONG_PTR>(WS_POPUP)) | WS_CHILD);
  SetParent(hwnd_, parent);
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
}

bool Form::PreviewKeyDown(int& keyCode, int shift) {
  Form_KeyDown(keyCode, shift);
  return keyCode == 0;
}

bool Form::PreviewKeyPress(int& keyAscii) {
  Form_KeyPress(keyAscii);
  return keyAscii == 0;
}

void Form::WindowGone() {
  if (hwnd_) FormWindows().erase(hwnd_);
  hwnd_ = nullptr;
  ReturnHeldChildren();
  if (host_) host_->RemoveEmbedded(this);
  host_ = nullptr;
  holdChildren_ = false;
  loadDone_ = false;
  menuBar_ = nullptr;
  owner_ = nullptr;
  caption_ = designCaption_;
  backBrush_.reset();
  ResetGraphics();
  if (QuitWhenLastFormCloses() && LoadedTopLevelCount() == 0) PostQuitMessage(0);
}

LRESULT Form::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND self = hwnd_;
  LRESULT result = 0;
  if (msg == WM_NCDESTROY) {
    LRESULT r = DefWindowProcA(self, msg, wParam, lParam);
    WindowGone();
    return r;
  }
  if (ReflectToChild(msg, wParam, lParam, result)) return result;
  if (WindowProc(msg, wParam, lParam, result)) return result;
  switch (msg) {
    case WM_COMMAND:
      if (lParam == 0 && HIWORD(wParam) == 0) {
        if (MenuItem* item = FindMenuItem(LOWORD(wParam))) item->PerformClick();
        return 0;
      }
      break;
    case WM_CLOSE: {
      int cancel = 0;
      if (unloading_) return 0;
      unloading_ = true;
      Form_QueryUnload(cancel, kUnloadFromControlMenu);
      if (!cancel) Form_Unload(cancel);
      unloading_ = false;
      if (!cancel && IsWindow(self)) DestroyWindow(self);
      return 0;
    }
    case WM_ACTIVATE: {
      LRESULT r = DefWindowProcA(self, msg, wParam, lParam);
      if (LOWORD(wParam) != WA_INACTIVE)
        Form_Activate();
      else
        Form_Deactivate();
      return r;
    }
    case WM_SIZE:
      if (loadDone_) Form_Resize();
      return 0;
    case WM_ERASEBKGND: {
      RECT rc;
      GetClientRect(self, &rc);
      if (!backBrush_) backBrush_.reset(CreateSolidBrush(ResolveColor(backColor_)));
      FillRect(reinterpret_cast<HDC>(wParam), &rc, backBrush_.get());
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(self, &ps);
      PaintGraphics(dc);
      EndPaint(self, &ps);
      return 0;
    }
    case WM_SETCURSOR:
      if (CurrentMousePointer() == MousePointer::Hourglass) {
        SetCursor(LoadCursorA(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return DefWindowProcA(self, msg, wParam, lParam);
}

LRESULT CALLBACK FormWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Form* self = nullptr;
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
    self = static_cast<Form*>(cs->lpCreateParams);
    if (self) {
      self->hwnd_ = hwnd;
      FormWindows()[hwnd] = self;
    }
  } else {
    self = Form::FromHwnd(hwnd);
  }
  try {
    if (self && self->hwnd_ == hwnd) return self->Dispatch(msg, wParam, lParam);
  } catch (...) {
    ReportHandlerException();
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// ---------------------------------------------------------------- menus

void Form::RegisterMenu(MenuItem* top) {
  menus_.push_back(top);
  RebuildMenuBar();
}

void Form::UnregisterMenu(MenuItem* top) {
  menus_.erase(std::remove(menus_.begin(), menus_.end(), top), menus_.end());
}

MenuItem* Form::FindMenuItem(UINT id) const {
  for (MenuItem* m : menus_)
    if (MenuItem* hit = m->Find(id)) return hit;
  return nullptr;
}

void Form::RebuildMenuBar() {
  if (!hwnd_) return;
  if (menuBatches_ > 0) {
    menuBarStale_ = true;
    return;
  }
  menuBarStale_ = false;
  HMENU bar = CreateMenu();
  for (MenuItem* m : menus_) {
    if (!m->Visible()) continue;
    UINT flags = MF_POPUP | MF_STRING | (m->Enabled() ? 0u : static_cast<UINT>(MF_GRAYED));
    AppendMenuA(bar, flags, reinterpret_cast<UINT_PTR>(m->BuildPopup()), m->Caption().c_str());
  }
  HMENU old = menuBar_;
  menuBar_ = bar;
  SetMenu(hwnd_, bar);
  if (old) DestroyMenu(old);
  DrawMenuBar(hwnd_);
}

MenuBarBatch::MenuBarBatch(Form& form) : form_(form) { ++form_.menuBatches_; }

MenuBarBatch::~MenuBarBatch() {
  if (--form_.menuBatches_ == 0 && form_.menuBarStale_) form_.RebuildMenuBar();
}

bool Form::HandleShortcut(UINT vk, int shift) {
  for (MenuItem* m : menus_) {
    MenuItem* hit = nullptr;
    if (m->MatchShortcut(vk, shift, &hit) && hit) {
      hit->PerformClick();
      return true;
    }
  }
  return false;
}

std::string Shortcut::Text() const {
  if (Empty()) return {};
  std::string s;
  if (ctrl) s.append("Ctrl+");
  if (shift) s.append("Shift+");
  if (alt) s.append("Alt+");
  s.append(KeyName(vk));
  return s;
}

MenuItem::MenuItem(Form* form, std::string caption)
    : form_(form), parent_(nullptr), caption_(std::move(caption)), id_(form->NextMenuId()) {
  form_->RegisterMenu(this);
}

MenuItem::MenuItem(MenuItem* parent, std::string caption, Shortcut shortcut)
    : form_(parent->form_),
      parent_(parent),
      caption_(std::move(caption)),
      shortcut_(shortcut),
      id_(parent->form_->NextMenuId()) {
  parent_->AddChild(this, nullptr);
}

MenuItem::~MenuItem() {
  if (parent_)
    parent_->RemoveChild(this);
  else
    form_->UnregisterMenu(this);
}

void MenuItem::AddChild(MenuItem* item, MenuItem* after) {
  auto it = std::find(children_.begin(), children_.end(), after);
  if (after && it != children_.end())
    children_.insert(it + 1, item);
  else
    children_.push_back(item);
  Changed();
}

void MenuItem::RemoveChild(MenuItem* item) {
  children_.erase(std::remove(children_.begin(), children_.end(), item), children_.end());
  Changed();
}

void MenuItem::Changed() { form_->RebuildMenuBar(); }

void MenuItem::SetCaption(const std::string& caption) {
  caption_ = caption;
  Changed();
}

void MenuItem::SetChecked(bool v) {
  checked_ = v;
  Changed();
}

void MenuItem::SetEnabled(bool v) {
  enabled_ = v;
  Changed();
}

void MenuItem::SetVisible(bool v) {
  visible_ = v;
  Changed();
}

void MenuItem::PerformClick() {
  for (MenuItem* m = this; m; m = m->parent_)
    if (!m->enabled_ || !m->visible_) return;
  if (Click) Click();
}

HMENU MenuItem::BuildPopup() {
  HMENU popup = CreatePopupMenu();
  for (MenuItem* c : children_) {
    if (!c->visible_) continue;
    if (c->caption_ == "-") {
      AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::string text = c->caption_;
    if (!c->shortcut_.Empty()) {
      text.push_back('\t');
      text.append(c->shortcut_.Text());
    }
    UINT flags = MF_STRING | (c->enabled_ ? 0u : static_cast<UINT>(MF_GRAYED)) | (c->checked_ ? static_cast<UINT>(MF_CHECKED) : 0u);
    if (!c->children_.empty())
      AppendMenuA(popup, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(c->BuildPopup()), text.c_str());
    else
      AppendMenuA(popup, flags, c->id_, text.c_str());
  }
  popup_ = popup;
  return popup;
}

MenuItem* MenuItem::Find(UINT id) {
  if (id_ == id) return this;
  for (MenuItem* c : children_)
    if (MenuItem* hit = c->Find(id)) return hit;
  return nullptr;
}

bool MenuItem::MatchShortcut(UINT vk, int shift, MenuItem** hit) {
  if (!visible_) return false;
  if (!shortcut_.Empty() && shortcut_.vk == vk && shortcut_.ctrl == ((shift & kCtrlMask) != 0) &&
      shortcut_.shift == ((shift & kShiftMask) != 0) && shortcut_.alt == ((shift & kAltMask) != 0)) {
    if (ShortcutApplies && !ShortcutApplies()) return false;
    for (MenuItem* m = this; m; m = m->parent_)
      if (!m->enabled_) return false;
    *hit = this;
    return true;
  }
  for (MenuItem* c : children_)
    if (c->MatchShortcut(vk, shift, hit)) return true;
  return false;
}

MenuArray::MenuArray(MenuItem* parent, std::string caption0, Shortcut shortcut0) : parent_(parent) {
  items_.push_back(std::make_unique<MenuItem>(parent, std::move(caption0), shortcut0));
  items_[0]->SetIndex(0);
  items_[0]->Click = [this] {
    if (Click) Click(0);
  };
}

MenuItem& MenuArray::operator()(int index) { return *items_.at(static_cast<size_t>(index)); }

MenuItem& MenuArray::Load(int index, const std::string& caption) {
  if (index != Count()) throw std::out_of_range("menu array elements are loaded in order");
  MenuItem* after = items_.back().get();
  auto item = std::make_unique<MenuItem>(parent_, caption);
  // The constructor appended it; move it right after the last element.
  parent_->RemoveChild(item.get());
  parent_->AddChild(item.get(), after);
  item->SetIndex(index);
  item->Click = [this, index] {
    if (Click) Click(index);
  };
  items_.push_back(std::move(item));
  return *items_.back();
}

void MenuArray::Unload(int index) {
  if (index <= 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
  for (int i = 1; i < Count(); ++i) {
    items_[static_cast<size_t>(i)]->SetIndex(i);
    items_[static_cast<size_t>(i)]->Click = [this, i] {
      if (Click) Click(i);
    };
  }
}

}  // namespace ui
