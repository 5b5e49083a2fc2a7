#include "ui/control.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <unordered_map>

#include "ui/app.h"
#include "ui/form.h"

namespace ui {

LRESULT CALLBACK ControlSubclassProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);

namespace {

// The control behind each window, and for a system control (an edit, a
// button ...) the window procedure it had before the control took its
// messages. Looked up on every message, so kept in the process: a window
// property would cost a call into the window server each time. An entry
// lives until the window's last message; its control is cleared as soon as
// the control lets go of the window.
struct WindowEntry {
  Control* control = nullptr;
  WNDPROC previous = nullptr;
};

std::unordered_map<HWND, WindowEntry>& Windows() {
  static std::unordered_map<HWND, WindowEntry> windows;
  return windows;
}

void ForgetControl(HWND hwnd) {
  auto it = Windows().find(hwnd);
  if (it != Windows().end()) it->second.control = nullptr;
}

int MouseButtonsFromWParam(WPARAM w) {
  int b = 0;
  if (w & MK_LBUTTON) b |= kLeftButton;
  if (w & MK_RBUTTON) b |= kRightButton;
  if (w & MK_MBUTTON) b |= kMiddleButton;
  return b;
}

}  // namespace

COLORREF ResolveColor(Color c) {
  if (c & 0x80000000u) return GetSysColor(static_cast<int>(c & 0xFF));
  return static_cast<COLORREF>(c & 0xFFFFFF);
}

int CurrentShiftState() {
  int s = 0;
  if (GetKeyState(VK_SHIFT) < 0) s |= kShiftMask;
  if (GetKeyState(VK_CONTROL) < 0) s |= kCtrlMask;
  if (GetKeyState(VK_MENU) < 0) s |= kAltMask;
  return s;
}

HFONT DefaultFont() {
  static UniqueFont font = [] {
    HDC screen = GetDC(nullptr);
    int height = -MulDiv(9, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return UniqueFont(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, "Segoe UI"));
  }();
  return font.get();
}

// ---------------------------------------------------------------- Control

Control::Control(Container* parent, Rect rect)
    : parent_(parent), rect_(rect), designRect_(rect) {
  if (parent_) parent_->Register(this);
}

Control::~Control() {
  if (hwnd_) {
    HWND h = hwnd_;
    ForgetControl(h);
    hwnd_ = nullptr;
    DestroyWindow(h);
  }
  if (parent_) parent_->Unregister(this);
}

Form* Control::ParentForm() const { return parent_ ? parent_->OwnerForm() : nullptr; }

Control* Control::FromHwnd(HWND hwnd) {
  if (!hwnd) return nullptr;
  auto it = Windows().find(hwnd);
  return it == Windows().end() ? nullptr : it->second.control;
}

HWND Control::hWnd() const {
  if (!hwnd_ && parent_) parent_->MakeWindowsFor(this);
  return hwnd_;
}

void Control::KeepDesign() {
  if (designKept_) return;
  designKept_ = true;
  designRect_ = rect_;
  designVisible_ = visible_;
  designEnabled_ = enabled_;
  designFore_ = foreColor_;
  designBack_ = backColor_;
  CaptureDesign();
  if (auto* self = dynamic_cast<Container*>(this))
    for (Control* c : self->children_) c->KeepDesign();
}

void Control::CreateWindowNow() {
  if (hwnd_ || !parent_) return;
  HWND parentHwnd = parent_->ExistingContainerHwnd();
  if (!parentHwnd || parent_->HoldsChildren()) {
    // The window comes with its container's (or with its showing); the
    // design is that of the form's load.
    Form* form = ParentForm();
    if (form && form->IsLoaded()) KeepDesign();
    return;
  }
  EnsureWindowClasses();
  KeepDesign();
  CreateParams p = GetCreateParams();
  DWORD style = p.style | WS_CHILD | extraStyle_;
  if (visible_) style |= WS_VISIBLE;
  if (!enabled_) style |= WS_DISABLED;
  if (tabStop_) style |= WS_TABSTOP;
  int height = p.windowHeight >= 0 ? p.windowHeight : rect_.height;
  auto create = [&](const char* text) {
    return CreateWindowExA(p.exStyle | extraExStyle_, p.className, text, style, rect_.left, rect_.top, rect_.width,
                           height, parentHwnd, nullptr, GetModuleHandleA(nullptr), IsOwnClass() ? this : nullptr);
  };
  HWND h = create(p.text.c_str());
  if (!h && !p.text.empty()) {
    // CreateWindowExA takes no text of 32,767 characters or more, which a
    // window holds all the same: it comes once the window exists, before
    // the control hears from it.
    h = create("");
    if (h) SetWindowTextA(h, p.text.c_str());
  }
  if (!h) return;
  if (!IsOwnClass()) {
    hwnd_ = h;
    WindowEntry& entry = Windows()[h];
    entry.control = this;
    entry.previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlSubclassProc)));
  }
  SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
  if (frontOnCreate_) {
    frontOnCreate_ = false;
    BringToFront();
  }
  AfterCreate();
  if (auto* self = dynamic_cast<Container*>(this)) self->CreateChildren();
}

HFONT Control::Font() const { return bold_ && boldFont_ ? boldFont_.get() : DefaultFont(); }

void Control::SetFontBold(bool bold) {
  bold_ = bold;
  if (bold && !boldFont_) {
    LOGFONTA lf{};
    GetObjectA(DefaultFont(), sizeof lf, &lf);
    lf.lfWeight = FW_BOLD;
    boldFont_.reset(CreateFontIndirectA(&lf));
  }
  if (hwnd_) SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
}

void Control::Move(int left, int top, int width, int height) {
  rect_ = {left, top, width, height};
  if (hwnd_) MoveWindow(hwnd_, left, top, width, height, TRUE);
}

void Control::SetVisible(bool v) {
  visible_ = v;
  // A container about to show makes the windows it held back first.
  if (v)
    if (auto* self = dynamic_cast<Container*>(this)) self->Reveal();
  if (hwnd_) ShowWindow(hwnd_, v ? SW_SHOWNA : SW_HIDE);
}

void Control::SetEnabled(bool v) {
  enabled_ = v;
  if (hwnd_) EnableWindow(hwnd_, v);
}

void Control::SetFocus() {
  if (HWND h = hWnd()) ::SetFocus(h);
}

void Control::BringToFront() {
  if (hwnd_)
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  else
    frontOnCreate_ = true;
}

bool Control::HasFocus() const {
  HWND f = GetFocus();
  return hwnd_ && (f == hwnd_ || IsChild(hwnd_, f));
}

void Control::SetForeColor(Color c) {
  foreColor_ = c;
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Control::SetBackColor(Color c) {
  backColor_ = c;
  backBrush_.reset();
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

HBRUSH Control::OnCtlColor(HDC dc) {
  SetTextColor(dc, ResolveColor(foreColor_));
  SetBkColor(dc, ResolveColor(backColor_));
  if (!backBrush_) backBrush_.reset(CreateSolidBrush(ResolveColor(backColor_)));
  return backBrush_.get();
}

LRESULT Control::CallDefault(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!hwnd_) return 0;
  auto it = Windows().find(hwnd_);
  if (it == Windows().end() || !it->second.previous) return DefWindowProcA(hwnd_, msg, wParam, lParam);
  return CallWindowProcA(it->second.previous, hwnd_, msg, wParam, lParam);
}

bool Control::HandleMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

void Control::WindowGone() {
  if (hwnd_) ForgetControl(hwnd_);
  hwnd_ = nullptr;
  ReturnToDesign();
}

void Control::ReturnToDesign() {
  pressed_ = false;
  frontOnCreate_ = false;
  rect_ = designRect_;
  visible_ = designVisible_;
  enabled_ = designEnabled_;
  foreColor_ = designFore_;
  backColor_ = designBack_;
  backBrush_.reset();
  if (auto* self = dynamic_cast<Container*>(this)) {
    self->ResetGraphics();
    self->ReturnHeldChildren();
  }
  ResetToDesign();
  designKept_ = false;
}

LRESULT Control::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND self = hwnd_;
  if (msg == WM_NCDESTROY) {
    LRESULT r = CallDefault(msg, wParam, lParam);
    WindowGone();
    return r;
  }
  LRESULT result = 0;
  if (dynamic_cast<Container*>(this) && ReflectToChild(msg, wParam, lParam, result)) return result;
  if (HandleMessage(msg, wParam, lParam, result)) return result;
  if (HandleCommon(msg, wParam, lParam, result)) return result;
  // A handler may have destroyed the window on the way.
  if (!IsWindow(self) || hwnd_ != self) return 0;
  return CallDefault(msg, wParam, lParam);
}

bool Control::HandleCommon(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  HWND self = hwnd_;
  auto gone = [&] { return !IsWindow(self) || hwnd_ != self; };
  int x = GET_X_LPARAM(lParam);
  int y = GET_Y_LPARAM(lParam);
  // The key state costs a call into the window server: it is read only
  // for the messages that report it.
  auto shift = [] { return CurrentShiftState(); };
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      int button = msg == WM_LBUTTONDOWN ? kLeftButton : msg == WM_RBUTTONDOWN ? kRightButton : kMiddleButton;
      if (ClicksFromMouse() && button == kLeftButton) {
        pressed_ = true;
        SetCapture(self);
      }
      if (MouseDown) MouseDown(button, shift(), x, y);
      if (gone()) return result = 0, true;
      return ClicksFromMouse();
    }
    case WM_LBUTTONDBLCLK:
      if (ClicksFromMouse()) {
        pressed_ = false;
        RaiseDblClick();
        return result = 0, true;
      }
      if (MouseDown) MouseDown(kLeftButton, shift(), x, y);
      return gone() ? (result = 0, true) : false;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      int button = msg == WM_LBUTTONUP ? kLeftButton : msg == WM_RBUTTONUP ? kRightButton : kMiddleButton;
      bool click = false;
      if (ClicksFromMouse() && button == kLeftButton) {
        RECT rc;
        GetClientRect(self, &rc);
        POINT pt{x, y};
        click = pressed_ && PtInRect(&rc, pt);
        pressed_ = false;
        if (GetCapture() == self) ReleaseCapture();
      }
      if (MouseUp) MouseUp(button, shift(), x, y);
      if (gone()) return result = 0, true;
      if (click) RaiseMouseClick();
      if (gone()) return result = 0, true;
      return ClicksFromMouse();
    }
    case WM_MOUSEMOVE:
      if (MouseMove) MouseMove(MouseButtonsFromWParam(wParam), shift(), x, y);
      return gone() ? (result = 0, true) : false;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (KeyDown) {
        int key = static_cast<int>(wParam);
        KeyDown(key, shift());
        if (gone() || key == 0) return result = 0, true;
      }
      return false;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (KeyUp) {
        int key = static_cast<int>(wParam);
        KeyUp(key, shift());
        if (gone() || key == 0) return result = 0, true;
      }
      return false;
    case WM_CHAR:
      if (KeyPress) {
        int ascii = static_cast<int>(wParam);
        KeyPress(ascii);
        if (gone() || ascii == 0) return result = 0, true;
        if (ascii != static_cast<int>(wParam)) {
          result = CallDefault(msg, static_cast<WPARAM>(ascii), lParam);
          return true;
        }
      }
      return false;
    case WM_SETFOCUS:
      result = CallDefault(msg, wParam, lParam);
      if (GotFocus) GotFocus();
      return true;
    case WM_KILLFOCUS:
      result = CallDefault(msg, wParam, lParam);
      if (LostFocus) LostFocus();
      return true;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != self) pressed_ = false;
      return false;
    default:
      return false;
  }
}

LRESULT CALLBACK ControlSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto it = Windows().find(hwnd);
  if (it == Windows().end()) return DefWindowProcA(hwnd, msg, wParam, lParam);
  Control* self = it->second.control;
  WNDPROC previous = it->second.previous;
  LRESULT result = 0;
  try {
    if (self && self->hwnd_ == hwnd)
      result = self->Dispatch(msg, wParam, lParam);
    else
      result = CallWindowProcA(previous, hwnd, msg, wParam, lParam);
  } catch (...) {
    ReportHandlerException();
  }
  if (msg == WM_NCDESTROY) Windows().erase(hwnd);
  return result;
}

LRESULT CALLBACK ControlWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Control* self = nullptr;
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
    self = static_cast<Control*>(cs->lpCreateParams);
    if (self) {
      self->hwnd_ = hwnd;
      Windows()[hwnd].control = self;
    }
  } else {
    self = Control::FromHwnd(hwnd);
  }
  LRESULT result = 0;
  try {
    result = self ? self->Dispatch(msg, wParam, lParam) : DefWindowProcA(hwnd, msg, wParam, lParam);
  } catch (...) {
    ReportHandlerException();
    result = 0;
  }
  if (msg == WM_NCDESTROY) Windows().erase(hwnd);
  return result;
}

bool ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND:
      if (lParam) {
        if (Control* c = Control::FromHwnd(reinterpret_cast<HWND>(lParam))) {
          c->OnCommand(HIWORD(wParam));
          result = 0;
          return true;
        }
      }
      return false;
    case WM_NOTIFY: {
      auto* hdr = reinterpret_cast<NMHDR*>(lParam);
      if (hdr) {
        if (Control* c = Control::FromHwnd(hdr->hwndFrom)) return c->OnNotify(hdr, result);
      }
      return false;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (lParam) {
        if (Control* c = Control::FromHwnd(reinterpret_cast<HWND>(lParam))) {
          if (c->OnScroll(msg, wParam)) return result = 0, true;
        }
      }
      return false;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      if (Control* c = Control::FromHwnd(reinterpret_cast<HWND>(lParam))) {
        if (HBRUSH b = c->OnCtlColor(reinterpret_cast<HDC>(wParam))) {
          result = reinterpret_cast<LRESULT>(b);
          return true;
        }
      }
      return false;
    default:
      return false;
  }
}

// ---------------------------------------------------------------- Container

void Container::Unregister(Control* c) {
  children_.erase(std::remove(children_.begin(), children_.end(), c), children_.end());
}

void Container::Unregister(Graphic* g) {
  graphics_.erase(std::remove(graphics_.begin(), graphics_.end(), g), graphics_.end());
}

Container::~Container() {
  for (Form* form : embedded_) form->host_ = nullptr;
  // Controls that outlive their container (a control array frees its
  // elements in index order, a child may come after its parent) must not
  // reach back into it.
  for (Control* c : children_) c->parent_ = nullptr;
  for (Graphic* g : graphics_) g->parent_ = nullptr;
}

void Container::CreateChildren() {
  for (Control* c : children_) c->KeepDesign();
  holding_ = HoldsChildrenBack();
  if (!holding_) CreateChildWindows();
}

void Container::CreateChildWindows() {
  // Copy: a child's creation may register further controls.
  std::vector<Control*> kids = children_;
  for (Control* c : kids) c->CreateWindowNow();
}

void Container::Reveal() {
  if (holding_ && ExistingContainerHwnd()) {
    holding_ = false;
    CreateChildWindows();
  }
  std::vector<Form*> forms = embedded_;
  for (Form* form : forms) form->Reveal();
}

void Container::MakeWindowsFor(const Control* child) {
  // The container's own window first: it may itself be held back by its
  // container, and making it may make the child's too.
  if (!ContainerHwnd() || child->hwnd_ || !holding_) return;
  holding_ = false;
  CreateChildWindows();
}

void Container::AddEmbedded(Form* form) {
  if (std::find(embedded_.begin(), embedded_.end(), form) == embedded_.end()) embedded_.push_back(form);
}

void Container::RemoveEmbedded(Form* form) {
  embedded_.erase(std::remove(embedded_.begin(), embedded_.end(), form), embedded_.end());
}

void Container::ReturnHeldChildren() {
  holding_ = false;
  for (Control* c : children_)
    if (!c->hwnd_ && c->designKept_) c->ReturnToDesign();
}

void Container::PaintGraphics(HDC dc) const {
  for (const Graphic* g : graphics_)
    if (g->Visible()) g->Paint(dc);
}

void Container::ResetGraphics() {
  for (Graphic* g : graphics_) g->ResetToDesign();
}

void Container::InvalidateGraphics() {
  if (HWND h = ExistingContainerHwnd()) InvalidateRect(h, nullptr, FALSE);
}

// ---------------------------------------------------------------- Graphic

Graphic::Graphic(Container* parent, Rect rect) : parent_(parent), rect_(rect), designRect_(rect) {
  if (parent_) parent_->Register(this);
}

Graphic::~Graphic() {
  if (parent_) parent_->Unregister(this);
}

void Graphic::Changed() {
  if (parent_) parent_->InvalidateGraphics();
}

void Graphic::SetLeft(int v) { Move(v, rect_.top, rect_.width, rect_.height); }
void Graphic::SetTop(int v) { Move(rect_.left, v, rect_.width, rect_.height); }
void Graphic::SetWidth(int v) { Move(rect_.left, rect_.top, v, rect_.height); }
void Graphic::SetHeight(int v) { Move(rect_.left, rect_.top, rect_.width, v); }

void Graphic::Move(int left, int top, int width, int height) {
  rect_ = {left, top, width, height};
  Changed();
}

void Graphic::SetVisible(bool v) {
  if (visible_ == v) return;
  visible_ = v;
  Changed();
}

}  // namespace ui
