#include "ui/controls.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/app.h"

namespace ui {

namespace {

std::string WindowText(HWND h) {
  int n = GetWindowTextLengthA(h);
  if (n <= 0) return {};
  std::string s(static_cast<size_t>(n) + 1, '\0');
  int got = GetWindowTextA(h, s.data(), n + 1);
  s.resize(static_cast<size_t>(std::max(got, 0)));
  return s;
}

}  // namespace

// ---------------------------------------------------------------- CaptionedControl

CaptionedControl::CaptionedControl(Container* parent, Rect rect, std::string caption)
    : Control(parent, rect), caption_(std::move(caption)), designCaption_(caption_) {}

void CaptionedControl::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (HwndIfCreated()) SetWindowTextA(HwndIfCreated(), caption.c_str());
}

// ---------------------------------------------------------------- Label

Label::Label(Container* parent, Rect rect, std::string caption, Alignment align)
    : CaptionedControl(parent, rect, std::move(caption)), align_(align) {
  SetTabStop(false);
}

Control::CreateParams Label::GetCreateParams() const {
  DWORD align = align_ == kAlignRight ? SS_RIGHT : align_ == kAlignCenter ? SS_CENTER : SS_LEFT;
  return {"STATIC", align | SS_NOTIFY, 0, caption_};
}

HBRUSH Label::OnCtlColor(HDC dc) {
  if (!transparent_ || !parent_) return Control::OnCtlColor(dc);
  SetTextColor(dc, ResolveColor(ForeColor()));
  SetBkMode(dc, TRANSPARENT);
  SetDCBrushColor(dc, ResolveColor(parent_->ContainerBackColor()));
  return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
}

// ---------------------------------------------------------------- TextBox

TextBox::TextBox(Container* parent, Rect rect, std::string text, unsigned options)
    : Control(parent, rect),
      text_(std::move(text)),
      designText_(text_),
      options_(options),
      locked_((options & kLocked) != 0) {
  SetForeColor(kSysWindowText);
  SetBackColor(kSysWindow);
}

Control::CreateParams TextBox::GetCreateParams() const {
  DWORD style = 0;
  if (options_ & kMultiLine)
    style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  else
    style |= ES_AUTOHSCROLL;
  if (options_ & kVScroll) style |= WS_VSCROLL;
  if (options_ & kHScroll) style |= WS_HSCROLL;
  if (options_ & kCenter) style |= ES_CENTER;
  if (locked_) style |= ES_READONLY;
  DWORD ex = (options_ & kNoBorder) ? 0 : WS_EX_CLIENTEDGE;
  return {"EDIT", style, ex, text_};
}

void TextBox::ResetToDesign() {
  text_ = designText_;
  locked_ = (options_ & kLocked) != 0;
}

std::string TextBox::Text() const { return HwndIfCreated() ? WindowText(HwndIfCreated()) : text_; }

void TextBox::SetText(const std::string& text) {
  if (text == Text()) return;
  text_ = text;
  if (HwndIfCreated()) {
    ++muted_;
    SetWindowTextA(HwndIfCreated(), text.c_str());
    --muted_;
  }
  RaiseChange();
}

void TextBox::RaiseChange() {
  if (Change) Change();
}

void TextBox::OnCommand(WORD code) {
  if (code == EN_CHANGE && muted_ == 0) {
    text_ = Text();
    RaiseChange();
  }
}

HBRUSH TextBox::OnCtlColor(HDC dc) {
  if (ForeColor() == kSysWindowText && BackColor() == kSysWindow) return nullptr;
  return Control::OnCtlColor(dc);
}

int TextBox::SelStart() const {
  DWORD start = 0, end = 0;
  if (HwndIfCreated()) SendMessageA(HwndIfCreated(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(start);
}

int TextBox::SelLength() const {
  DWORD start = 0, end = 0;
  if (HwndIfCreated()) SendMessageA(HwndIfCreated(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TextBox::SetSelection(int start, int length) {
  if (HwndIfCreated()) SendMessageA(HwndIfCreated(), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start + length));
}

void TextBox::SetLocked(bool locked) {
  locked_ = locked;
  if (HwndIfCreated()) SendMessageA(HwndIfCreated(), EM_SETREADONLY, locked, 0);
}

// ---------------------------------------------------------------- CommandButton

CommandButton::CommandButton(Container* parent, Rect rect, std::string caption)
    : CaptionedControl(parent, rect, std::move(caption)) {}

Control::CreateParams CommandButton::GetCreateParams() const {
  return {"BUTTON", static_cast<DWORD>(default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0, caption_};
}

void CommandButton::PerformClick() {
  if (Click) Click();
}

void CommandButton::OnCommand(WORD code) {
  if (code == BN_CLICKED) PerformClick();
}

// ---------------------------------------------------------------- CheckBox

CheckBox::CheckBox(Container* parent, Rect rect, std::string caption, int value)
    : CaptionedControl(parent, rect, std::move(caption)), value_(value), designValue_(value) {}

Control::CreateParams CheckBox::GetCreateParams() const {
  // A manual three-state box: the layer, not Windows, decides the state.
  return {"BUTTON", BS_3STATE, 0, caption_};
}

void CheckBox::AfterCreate() { SendMessageA(HwndIfCreated(), BM_SETCHECK, static_cast<WPARAM>(value_), 0); }

void CheckBox::ResetToDesign() {
  CaptionedControl::ResetToDesign();
  value_ = designValue_;
}

void CheckBox::SetValue(int value) {
  if (value == value_) return;
  value_ = value;
  if (HwndIfCreated()) SendMessageA(HwndIfCreated(), BM_SETCHECK, static_cast<WPARAM>(value), 0);
  if (Click) Click();
}

void CheckBox::OnCommand(WORD code) {
  if (code == BN_CLICKED) SetValue(value_ == kChecked ? kUnchecked : kChecked);
}

// ---------------------------------------------------------------- OptionButton

OptionButton::OptionButton(Container* parent, Rect rect, std::string caption, bool value)
    : CaptionedControl(parent, rect, std::move(caption)), value_(value), designValue_(value) {}

Control::CreateParams OptionButton::GetCreateParams() const {
  return {"BUTTON", BS_RADIOBUTTON, 0, caption_};
}

void OptionButton::AfterCreate() { SendMessageA(HwndIfCreated(), BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0); }

void OptionButton::ResetToDesign() {
  CaptionedControl::ResetToDesign();
  value_ = designValue_;
}

void OptionButton::SetCheckSilently(bool value) {
  value_ = value;
  if (HwndIfCreated()) SendMessageA(HwndIfCreated(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void OptionButton::SetValue(bool value) {
  if (!value) {
    SetCheckSilently(false);
    return;
  }
  if (value_) return;
  for (Control* c : parent_->Children()) {
    if (auto* o = dynamic_cast<OptionButton*>(c); o && o != this) o->SetCheckSilently(false);
  }
  SetCheckSilently(true);
  if (Click) Click();
}

void OptionButton::OnCommand(WORD code) {
  if (code == BN_CLICKED) SetValue(true);
}

// ---------------------------------------------------------------- ComboBox

ComboBox::ComboBox(Container* parent, Rect rect, Style style) : Control(parent, rect), style_(style) {
  SetForeColor(kSysWindowText);
  SetBackColor(kSysWindow);
}

Control::CreateParams ComboBox::GetCreateParams() const {
  DWORD style = WS_VSCROLL;
  switch (style_) {
    case kDropdownCombo: style |= CBS_DROPDOWN | CBS_AUTOHSCROLL; break;
    case kSimpleCombo: style |= CBS_SIMPLE | CBS_AUTOHSCROLL; break;
    case kDropdownList: style |= CBS_DROPDOWNLIST; break;
  }
  CreateParams p{"COMBOBOX", style, 0, ""};
  if (style_ != kSimpleCombo) p.windowHeight = rect_.height + 200;
  return p;
}

void ComboBox::Move(int left, int top, int width, int height) {
  rect_ = {left, top, width, height};
  if (HwndIfCreated()) MoveWindow(HwndIfCreated(), left, top, width, style_ == kSimpleCombo ? height : height + 200, TRUE);
}

void ComboBox::AfterCreate() {
  ++muted_;
  for (const auto& item : items_) SendMessageA(HwndIfCreated(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  SendMessageA(HwndIfCreated(), CB_SETCURSEL, static_cast<WPARAM>(listIndex_), 0);
  if (style_ != kDropdownList && listIndex_ < 0) SetWindowTextA(HwndIfCreated(), text_.c_str());
  --muted_;
}

void ComboBox::ResetToDesign() {
  items_.clear();
  listIndex_ = -1;
  text_.clear();
}

void ComboBox::AddItem(const std::string& item, int index) {
  if (index < 0 || index > ListCount()) index = ListCount();
  items_.insert(items_.begin() + index, item);
  if (listIndex_ >= index) ++listIndex_;
  if (HwndIfCreated()) {
    ++muted_;
    SendMessageA(HwndIfCreated(), CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item.c_str()));
    --muted_;
  }
}

void ComboBox::RemoveItem(int index) {
  if (index < 0 || index >= ListCount()) return;
  items_.erase(items_.begin() + index);
  if (index == listIndex_) {
    listIndex_ = -1;
    if (style_ == kDropdownList) text_.clear();
  } else if (index < listIndex_) {
    --listIndex_;
  }
  if (HwndIfCreated()) {
    ++muted_;
    SendMessageA(HwndIfCreated(), CB_DELETESTRING, static_cast<WPARAM>(index), 0);
    --muted_;
  }
}

void ComboBox::Clear() {
  items_.clear();
  listIndex_ = -1;
  text_.clear();
  if (HwndIfCreated()) {
    ++muted_;
    SendMessageA(HwndIfCreated(), CB_RESETCONTENT, 0, 0);
    if (style_ != kDropdownList) SetWindowTextA(HwndIfCreated(), "");
    --muted_;
  }
}

std::string ComboBox::List(int index) const {
  if (index < 0 || index >= ListCount()) return {};
  return items_[static_cast<size_t>(index)];
}

void ComboBox::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) return;
  listIndex_ = index;
  text_ = index >= 0 ? items_[static_cast<size_t>(index)] : std::string();
  if (HwndIfCreated()) {
    ++muted_;
    SendMessageA(HwndIfCreated(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (style_ != kDropdownList) SetWindowTextA(HwndIfCreated(), text_.c_str());
    --muted_;
  }
  if (Click) Click();
}

std::string ComboBox::Text() const {
  if (style_ == kDropdownList) return listIndex_ >= 0 ? items_[static_cast<size_t>(listIndex_)] : std::string();
  return HwndIfCreated() ? WindowText(HwndIfCreated()) : text_;
}

void ComboBox::SetText(const std::string& text) {
  if (style_ == kDropdownList) {
    auto it = std::find(items_.begin(), items_.end(), text);
    if (it != items_.end()) SetListIndex(static_cast<int>(it - items_.begin()));
    return;
  }
  if (text == Text()) return;
  text_ = text;
  auto it = std::find(items_.begin(), items_.end(), text);
  listIndex_ = it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
  if (HwndIfCreated()) {
    ++muted_;
    SendMessageA(HwndIfCreated(), CB_SETCURSEL, static_cast<WPARAM>(listIndex_), 0);
    SetWindowTextA(HwndIfCreated(), text.c_str());
    --muted_;
  }
  if (Change) Change();
}

void ComboBox::SetSelection(int start, int length) {
  if (HwndIfCreated() && style_ != kDropdownList) SendMessageA(HwndIfCreated(), CB_SETEDITSEL, 0, MAKELPARAM(start, start + length));
}

void ComboBox::OnCommand(WORD code) {
  if (muted_) return;
  switch (code) {
    case CBN_SELCHANGE: {
      LRESULT sel = SendMessageA(HwndIfCreated(), CB_GETCURSEL, 0, 0);
      listIndex_ = sel == CB_ERR ? -1 : static_cast<int>(sel);
      text_ = listIndex_ >= 0 ? items_[static_cast<size_t>(listIndex_)] : std::string();
      if (Click) Click();
      break;
    }
    case CBN_EDITCHANGE: {
      text_ = Text();
      auto it = std::find(items_.begin(), items_.end(), text_);
      listIndex_ = it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
      if (Change) Change();
      break;
    }
    case CBN_DROPDOWN:
      if (DropDown) DropDown();
      break;
    default:
      break;
  }
}

HBRUSH ComboBox::OnCtlColor(HDC dc) {
  if (ForeColor() == kSysWindowText && BackColor() == kSysWindow) return nullptr;
  return Control::OnCtlColor(dc);
}

// ---------------------------------------------------------------- Frame

Frame::Frame(Container* parent, Rect rect, std::string caption, bool border)
    : CaptionedControl(parent, rect, std::move(caption)), border_(border) {
  SetTabStop(false);
}

Control::CreateParams Frame::GetCreateParams() const {
  return {kFrameClass, WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, caption_};
}

void Frame::SetCaption(const std::string& caption) {
  CaptionedControl::SetCaption(caption);
  if (HwndIfCreated()) InvalidateRect(HwndIfCreated(), nullptr, TRUE);
}

bool Frame::HandleMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
  if (msg == WM_ERASEBKGND) {
    result = 1;
    return true;
  }
  if (msg != WM_PAINT) return false;
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(HwndIfCreated(), &ps);
  RECT rc;
  GetClientRect(HwndIfCreated(), &rc);
  SetDCBrushColor(dc, ResolveColor(BackColor()));
  FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  if (border_) {
    SelectGuard font(dc, Font());
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    RECT edge = rc;
    edge.top = tm.tmHeight / 2;
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    if (!caption_.empty()) {
      SetTextColor(dc, ResolveColor(ForeColor()));
      SetBkColor(dc, ResolveColor(BackColor()));
      SetBkMode(dc, OPAQUE);
      RECT text{8, 0, rc.right - 8, tm.tmHeight};
      DrawTextA(dc, (" " + caption_ + " ").c_str(), -1, &text, DT_LEFT | DT_SINGLELINE | DT_TOP);
    }
  }
  PaintGraphics(dc);
  EndPaint(HwndIfCreated(), &ps);
  result = 0;
  return true;
}

}  // namespace ui
