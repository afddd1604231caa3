#pragma once
// A combo box control of a dialog.
#include <string>

#include "framework/Wnd.h"

class CComboBox : public CWnd {
 public:
  int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
  int AddString(const char* text) { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
  // The first item equal to text, ignoring case as the control does, after start; CB_ERR for none.
  int FindStringExact(int start, const char* text) const {
    return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)));
  }
  int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
  // CB_ERR when index is out of range (index -1 clears the selection).
  int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }
  std::string GetLBText(int index) const;
  void ResetContent() { SendMessage(CB_RESETCONTENT); }
  int SetItemData(int index, DWORD_PTR data) { return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data))); }
  DWORD_PTR GetItemData(int index) const { return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index))); }
};
