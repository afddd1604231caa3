#pragma once
// Exchange between a dialog's controls and its members. Each function returns
// false when the control's value cannot be taken; the member then keeps its old
// value and the control gets the focus.
#include <string>

#include "framework/Wnd.h"

class CDataExchange {
 public:
  CDataExchange(CWnd& dialog, bool saveAndValidate) : dialog_(dialog), m_bSaveAndValidate(saveAndValidate) {}

  HWND Control(int id) const { return dialog_.GetDlgItem(id); }
  // Focuses the control whose value was refused; returns false for the caller.
  bool Fail(int id) const;

 private:
  CWnd& dialog_;

 public:
  const bool m_bSaveAndValidate;
};

// Edit text; a control text over maxChars is refused (0: no limit).
bool DDX_Text(CDataExchange& dx, int id, std::string& value, size_t maxChars = 0);
// Check box state, 0 or 1.
bool DDX_Check(CDataExchange& dx, int id, int& value);
// Index of the checked button of the radio group that starts with firstId; -1 for none.
bool DDX_Radio(CDataExchange& dx, int firstId, int& value);
// A whole number in an edit; anything else is refused with "Please enter an integer.".
bool DDX_Int(CDataExchange& dx, int id, int& value);
// The same, refused also outside min..max with a message that gives the range.
bool DDX_IntInRange(CDataExchange& dx, int id, int& value, int min, int max);
// The selected item of a combo box; -1 for none.
bool DDX_CBIndex(CDataExchange& dx, int id, int& index);
