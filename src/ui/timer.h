// VB's Timer control: raises Tick every Interval milliseconds while it is
// enabled and its form is loaded.
#pragma once

#include <windows.h>

#include "ui/control.h"

namespace ui {

class Form;

class Timer {
 public:
  Timer(Form* form, int interval = 0, bool enabled = true);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  int Interval() const { return interval_; }
  void SetInterval(int ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Running() const { return id_ != 0; }

  Handler Tick;

 private:
  static void CALLBACK Proc(HWND, UINT, UINT_PTR id, DWORD);
  void Restart();
  Form* form_;
  int interval_;
  bool enabled_;
  UINT_PTR id_ = 0;
};

}  // namespace ui
