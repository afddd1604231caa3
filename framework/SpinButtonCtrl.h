#pragma once
// An up-down control of a dialog.
#include <windows.h>
#include <commctrl.h>

#include "framework/Wnd.h"

class CSpinButtonCtrl : public CWnd {
 public:
  void SetRange32(int lower, int upper) { SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(lower), upper); }
  void SetBase(int base) { SendMessage(UDM_SETBASE, static_cast<WPARAM>(base)); }
  void SetPos32(int pos) { SendMessage(UDM_SETPOS32, 0, pos); }
  int GetPos32() const { return static_cast<int>(SendMessage(UDM_GETPOS32)); }
  void SetBuddy(HWND buddy) { SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy)); }
  HWND GetBuddy() const { return reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY)); }
};
