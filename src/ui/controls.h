// The standard controls of Tarnell's forms. Each raises its events by the
// layer's rules:
//  - TextBox: Change when its text changes, by the user or by SetText, and
//    never when SetText writes the text it already holds.
//  - CheckBox: Click when its value changes, by a user's click or SetValue.
//  - OptionButton: Click when it becomes selected.
//  - ComboBox: Click when the user picks an item and whenever SetListIndex
//    runs; Change when the user edits the text of an editable combo box or
//    SetText changes it. AddItem, RemoveItem and Clear raise nothing.
//  - CommandButton: Click when pressed.
#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

// A control that shows a caption; the caption is part of its design.
class CaptionedControl : public Control {
 public:
  std::string Caption() const { return caption_; }
  virtual void SetCaption(const std::string& caption);

 protected:
  CaptionedControl(Container* parent, Rect rect, std::string caption);
  void CaptureDesign() override { designCaption_ = caption_; }
  void ResetToDesign() override { caption_ = designCaption_; }
  std::string caption_;

 private:
  std::string designCaption_;
};

class Label : public CaptionedControl {
 public:
  enum Alignment { kAlignLeft, kAlignRight, kAlignCenter };
  Label(Container* parent, Rect rect, std::string caption = "", Alignment align = kAlignLeft);

  // A transparent label shows its container's colour behind its text.
  void SetTransparent(bool t) { transparent_ = t; }

  Handler Click;
  Handler DblClick;

 protected:
  CreateParams GetCreateParams() const override;
  HBRUSH OnCtlColor(HDC dc) override;
  bool ClicksFromMouse() const override { return true; }
  void RaiseMouseClick() override {
    if (Click) Click();
  }
  void RaiseDblClick() override {
    if (DblClick) DblClick();
  }

 private:
  Alignment align_;
  bool transparent_ = false;
};

class TextBox : public Control {
 public:
  enum Options : unsigned {
    kPlain = 0,
    kMultiLine = 1,
    kVScroll = 2,
    kHScroll = 4,
    kLocked = 8,
    kNoBorder = 16,
    kCenter = 32,
  };
  TextBox(Container* parent, Rect rect, std::string text = "", unsigned options = kPlain);

  std::string Text() const;
  // Sets the text; raises Change once when it differs from the current text.
  void SetText(const std::string& text);
  int SelStart() const;
  int SelLength() const;
  void SetSelection(int start, int length);
  void SelectAll() { SetSelection(0, static_cast<int>(Text().size())); }
  bool Locked() const { return locked_; }
  void SetLocked(bool locked);
  bool MultiLine() const { return (options_ & kMultiLine) != 0; }

  Handler Change;

 protected:
  CreateParams GetCreateParams() const override;
  void CaptureDesign() override { designText_ = text_; }
  void ResetToDesign() override;
  void OnCommand(WORD code) override;
  HBRUSH OnCtlColor(HDC dc) override;

 private:
  void RaiseChange();
  std::string text_;  // the text while no window exists
  std::string designText_;
  unsigned options_;
  bool locked_;
  int muted_ = 0;
};

class CommandButton : public CaptionedControl {
 public:
  CommandButton(Container* parent, Rect rect, std::string caption = "");
  // Raises Click, as a press of the button does (VB's Value = True).
  void PerformClick();
  // The button that Enter presses in its form.
  void SetDefault(bool d) { default_ = d; }

  Handler Click;

 protected:
  CreateParams GetCreateParams() const override;
  void OnCommand(WORD code) override;

 private:
  bool default_ = false;
};

class CheckBox : public CaptionedControl {
 public:
  static constexpr int kUnchecked = 0;
  static constexpr int kChecked = 1;
  static constexpr int kGrayed = 2;
  CheckBox(Container* parent, Rect rect, std::string caption = "", int value = kUnchecked);

  int Value() const { return value_; }
  // Sets the value; raises Click when it changes.
  void SetValue(int value);

  Handler Click;

 protected:
  CreateParams GetCreateParams() const override;
  void CaptureDesign() override {
    CaptionedControl::CaptureDesign();
    designValue_ = value_;
  }
  void AfterCreate() override;
  void ResetToDesign() override;
  void OnCommand(WORD code) override;

 private:
  int value_;
  int designValue_;
};

class OptionButton : public CaptionedControl {
 public:
  OptionButton(Container* parent, Rect rect, std::string caption = "", bool value = false);

  bool Value() const { return value_; }
  // Selecting an option clears the other options of its container and
  // raises Click; clearing one raises nothing.
  void SetValue(bool value);

  Handler Click;

 protected:
  CreateParams GetCreateParams() const override;
  void CaptureDesign() override {
    CaptionedControl::CaptureDesign();
    designValue_ = value_;
  }
  void AfterCreate() override;
  void ResetToDesign() override;
  void OnCommand(WORD code) override;

 private:
  void SetCheckSilently(bool value);
  bool value_;
  bool designValue_;
};

class ComboBox : public Control {
 public:
  enum Style { kDropdownCombo = 0, kSimpleCombo = 1, kDropdownList = 2 };
  ComboBox(Container* parent, Rect rect, Style style = kDropdownList);

  void AddItem(const std::string& item, int index = -1);
  void RemoveItem(int index);
  void Clear();
  int ListCount() const { return static_cast<int>(items_.size()); }
  std::string List(int index) const;
  int ListIndex() const { return listIndex_; }
  // Selects an item (-1 for none) and raises Click, also for the same index.
  void SetListIndex(int index);
  std::string Text() const;
  // Editable styles: sets the edit text, raising Change when it differs.
  // Drop-down lists select the item of that text, as VB does.
  void SetText(const std::string& text);
  void SetSelection(int start, int length);

  Handler Click;
  Handler Change;
  Handler DropDown;

 protected:
  CreateParams GetCreateParams() const override;
  void AfterCreate() override;
  void ResetToDesign() override;
  void OnCommand(WORD code) override;
  HBRUSH OnCtlColor(HDC dc) override;

 public:
  void Move(int left, int top, int width, int height) override;

 private:
  Style style_;
  std::vector<std::string> items_;
  int listIndex_ = -1;
  std::string text_;
  int muted_ = 0;
};

// A captioned frame that groups controls; its children are positioned
// relative to its top-left corner.
class Frame : public CaptionedControl, public Container {
 public:
  Frame(Container* parent, Rect rect, std::string caption = "", bool border = true);

  void SetCaption(const std::string& caption) override;

  HWND ContainerHwnd() const override { return hWnd(); }
  HWND ExistingContainerHwnd() const override { return HwndIfCreated(); }
  Form* OwnerForm() override { return ParentForm(); }
  Color ContainerBackColor() const override { return BackColor(); }

  Handler Click;

 protected:
  CreateParams GetCreateParams() const override;
  bool IsOwnClass() const override { return true; }
  bool HoldsChildrenBack() const override { return !Visible(); }
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool ClicksFromMouse() const override { return true; }
  void RaiseMouseClick() override {
    if (Click) Click();
  }

 private:
  bool border_;
};

}  // namespace ui
