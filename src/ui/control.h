// The base of Tarnell's control layer: controls placed at designed pixel
// positions inside containers, raising VB-style events (Click, Change,
// MouseDown ...) by the layer's own rules rather than by whatever
// notifications Windows happens to send.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/gdi.h"

namespace ui {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// A colour: an RGB COLORREF, or a reference to a system colour
// (0x80000000 plus the GetSysColor index), resolved when drawn.
using Color = uint32_t;
inline constexpr Color kSysScrollBar = 0x80000000;
inline constexpr Color kSysWindow = 0x80000005;
inline constexpr Color kSysWindowText = 0x80000008;
inline constexpr Color kSysHighlight = 0x8000000D;
inline constexpr Color kSysButtonFace = 0x8000000F;
inline constexpr Color kSysButtonText = 0x80000012;
inline constexpr Color kSys3DHighlight = 0x80000014;
COLORREF ResolveColor(Color c);

// VB mouse button and shift-state bits.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;
int CurrentShiftState();

using Handler = std::function<void()>;
using MouseHandler = std::function<void(int button, int shift, int x, int y)>;
using KeyHandler = std::function<void(int& keyCode, int shift)>;
using KeyPressHandler = std::function<void(int& keyAscii)>;

class Container;
class Form;
class Graphic;

// One child window. Controls are declared as members of their form with
// their designed rectangle; the window is made when the container's window
// is (or, inside a hidden container, when that is first shown), and when it
// is destroyed the control returns to its designed state, ready for the
// next load of the form. Everything a control holds (text, value, colours,
// place) lives in the object, so a control works the same before its
// window exists.
class Control {
 public:
  Control(Container* parent, Rect rect);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // The control's window. Asked for while its hidden container still holds
  // the windows of its children back, it makes them now.
  HWND hWnd() const;
  // The window if it has been made; makes nothing.
  HWND HwndIfCreated() const { return hwnd_; }
  Container* Parent() const { return parent_; }
  Form* ParentForm() const;
  // Position inside a control array, -1 for a single control.
  int Index() const { return index_; }
  void SetIndex(int index) { index_ = index; }

  int Left() const { return rect_.left; }
  int Top() const { return rect_.top; }
  int Width() const { return rect_.width; }
  int Height() const { return rect_.height; }
  Rect Bounds() const { return rect_; }
  void SetLeft(int v) { Move(v, rect_.top, rect_.width, rect_.height); }
  void SetTop(int v) { Move(rect_.left, v, rect_.width, rect_.height); }
  void SetWidth(int v) { Move(rect_.left, rect_.top, v, rect_.height); }
  void SetHeight(int v) { Move(rect_.left, rect_.top, rect_.width, v); }
  virtual void Move(int left, int top, int width, int height);

  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  void SetFocus();
  bool HasFocus() const;
  // Puts the control in front of its siblings (VB's ZOrder 0); a control
  // whose window is not made yet comes to the front when it is.
  void BringToFront();

  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color c);
  Color BackColor() const { return backColor_; }
  virtual void SetBackColor(Color c);
  void SetFontBold(bool bold);
  void SetTabStop(bool v) { tabStop_ = v; }
  // Extra window styles, applied when the window is made.
  void AddStyle(DWORD style, DWORD exStyle = 0) {
    extraStyle_ |= style;
    extraExStyle_ |= exStyle;
  }

  MouseHandler MouseDown;
  MouseHandler MouseUp;
  MouseHandler MouseMove;
  KeyHandler KeyDown;
  KeyHandler KeyUp;
  KeyPressHandler KeyPress;
  Handler GotFocus;
  Handler LostFocus;

  static Control* FromHwnd(HWND hwnd);

  // Called by the container once its own window exists.
  void CreateWindowNow();

 protected:
  struct CreateParams {
    const char* className = "STATIC";
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string text;
    // Height of the window when it differs from the designed height
    // (a drop-down combo box includes its list).
    int windowHeight = -1;
  };
  virtual CreateParams GetCreateParams() const = 0;
  // True for window classes registered by this layer.
  virtual bool IsOwnClass() const { return false; }
  // Records the current state as the one to return to when the window is
  // destroyed; runs just before the window is made.
  virtual void CaptureDesign() {}
  // Push state that the creation parameters do not carry into the window.
  virtual void AfterCreate() {}
  // The window is gone: back to the designed state.
  virtual void ResetToDesign() {}
  // Notifications from the control's own window, reflected by its container.
  virtual void OnCommand(WORD /*code*/) {}
  virtual bool OnNotify(NMHDR* /*hdr*/, LRESULT& /*result*/) { return false; }
  virtual bool OnScroll(UINT /*msg*/, WPARAM /*wParam*/) { return false; }
  virtual HBRUSH OnCtlColor(HDC dc);
  // Messages sent to the control's own window. Return true when handled.
  virtual bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Raises Click from a press and release of the left button inside the
  // control (labels, pictures, frames); buttons raise it from BN_CLICKED.
  virtual bool ClicksFromMouse() const { return false; }
  virtual void RaiseMouseClick() {}
  virtual void RaiseDblClick() {}

  LRESULT CallDefault(UINT msg, WPARAM wParam, LPARAM lParam);
  HFONT Font() const;
  Container* parent_;
  Rect rect_;

 private:
  friend class Container;
  friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT CALLBACK ControlSubclassProc(HWND, UINT, WPARAM, LPARAM);
  friend bool ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  bool HandleCommon(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void WindowGone();
  // Records the current state as the design to return to, for the control
  // and every control inside it; once per load of the form.
  void KeepDesign();
  // Back to the design: the window is gone, or was never made.
  void ReturnToDesign();

  HWND hwnd_ = nullptr;
  bool designKept_ = false;
  bool frontOnCreate_ = false;
  int index_ = -1;
  bool visible_ = true;
  bool enabled_ = true;
  bool tabStop_ = true;
  bool pressed_ = false;
  bool bold_ = false;
  DWORD extraStyle_ = 0;
  DWORD extraExStyle_ = 0;
  Color foreColor_ = kSysButtonText;
  Color backColor_ = kSysButtonFace;
  Rect designRect_;
  bool designVisible_ = true;
  bool designEnabled_ = true;
  Color designFore_ = kSysButtonText;
  Color designBack_ = kSysButtonFace;
  UniqueBrush backBrush_;
  UniqueFont boldFont_;
};

// Anything that holds controls: forms, frames and picture boxes.
//
// A container that is hidden when its window is made (a page panel, a
// sub-page) holds the windows of its children back until it is first shown
// or one of them is asked for its window: most of a program's controls lie
// on pages that are not showing, and every window costs time to make. The
// children's design is recorded at the form's load all the same. Forms
// embedded in a hidden container's window do the same, and are given their
// windows when that container is shown.
class Container {
 public:
  Container() = default;
  virtual ~Container();
  Container(const Container&) = delete;
  Container& operator=(const Container&) = delete;

  // The container's window, made now if it is still owed.
  virtual HWND ContainerHwnd() const = 0;
  // The container's window if it exists; makes nothing.
  virtual HWND ExistingContainerHwnd() const = 0;
  virtual Form* OwnerForm() = 0;
  virtual Color ContainerBackColor() const = 0;

  const std::vector<Control*>& Children() const { return children_; }
  void Register(Control* c) { children_.push_back(c); }
  void Unregister(Control* c);
  void Register(Graphic* g) { graphics_.push_back(g); }
  void Unregister(Graphic* g);
  // Repaints the container where the windowless graphics lie.
  void InvalidateGraphics();
  // Once the container's own window exists: records the children's design
  // and makes their windows, unless the container holds them back.
  void CreateChildren();
  // True while the children's windows are held back.
  bool HoldsChildren() const { return holding_; }
  // Makes the windows held back so far, and those of the forms embedded in
  // the container; nothing before the container has a window.
  void Reveal();
  // Makes the held windows when a child is asked for its own.
  void MakeWindowsFor(const Control* child);
  // A form embedded in the container's window (Form::EmbedInto).
  void AddEmbedded(Form* form);
  void RemoveEmbedded(Form* form);
  void PaintGraphics(HDC dc) const;
  // The container's window is gone: its graphics return to their design.
  void ResetGraphics();

 protected:
  // Whether the children's windows wait for the container to be shown.
  virtual bool HoldsChildrenBack() const { return false; }
  // The container's window is gone: children whose windows were never made
  // return to their design too.
  void ReturnHeldChildren();

 private:
  friend class Control;
  void CreateChildWindows();
  std::vector<Control*> children_;
  std::vector<Graphic*> graphics_;
  std::vector<Form*> embedded_;
  bool holding_ = false;
};

// Windowless shapes and lines, drawn by their container above its own
// content and below its child windows.
class Graphic {
 public:
  Graphic(Container* parent, Rect rect);
  virtual ~Graphic();
  Graphic(const Graphic&) = delete;
  Graphic& operator=(const Graphic&) = delete;

  int Left() const { return rect_.left; }
  int Top() const { return rect_.top; }
  int Width() const { return rect_.width; }
  int Height() const { return rect_.height; }
  void SetLeft(int v);
  void SetTop(int v);
  void SetWidth(int v);
  void SetHeight(int v);
  void Move(int left, int top, int width, int height);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  int Index() const { return index_; }
  void SetIndex(int index) { index_ = index; }
  virtual void Paint(HDC dc) const = 0;
  virtual void ResetToDesign() {
    rect_ = designRect_;
    visible_ = designVisible_;
  }
  // Fixes the current state as the designed one (set-up code that runs
  // before the form is first shown).
  void KeepAsDesign() {
    designRect_ = rect_;
    designVisible_ = visible_;
  }

 protected:
  void Changed();
  friend class Container;
  Container* parent_;
  Rect rect_;
  Rect designRect_;
  bool visible_ = true;
  bool designVisible_ = true;
  int index_ = -1;
};

// Hands a notification that a child sent to its parent back to the child's
// control object. Every container's window procedure calls it first.
bool ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

// The control layer's default font (Segoe UI, 9 points).
HFONT DefaultFont();

}  // namespace ui
