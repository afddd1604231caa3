#include "framework/DataExchange.h"

#include "framework/FrameworkIds.h"
#include "framework/Messages.h"
#include "portable/WholeNumber.h"

bool CDataExchange::Fail(int id) const {
  SetFocus(Control(id));
  return false;
}

bool DDX_Text(CDataExchange& dx, int id, std::string& value, size_t maxChars) {
  HWND control = dx.Control(id);
  if (!control) return dx.Fail(id);
  if (!dx.m_bSaveAndValidate) {
    if (maxChars) SendMessageA(control, EM_LIMITTEXT, maxChars, 0);
    return SetWindowTextA(control, value.c_str()) != 0;
  }
  std::string text = CWnd::GetWindowText(control);
  if (maxChars && text.size() > maxChars) return dx.Fail(id);
  value = std::move(text);
  return true;
}

bool DDX_Check(CDataExchange& dx, int id, int& value) {
  HWND control = dx.Control(id);
  if (!control) return dx.Fail(id);
  if (dx.m_bSaveAndValidate)
    value = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
  else
    SendMessageA(control, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  return true;
}

bool DDX_Radio(CDataExchange& dx, int firstId, int& value) {
  HWND button = dx.Control(firstId);
  if (!button) return dx.Fail(firstId);
  // The group runs from the first button to the next control with WS_GROUP.
  int index = 0, checked = -1;
  do {
    if (dx.m_bSaveAndValidate) {
      if (SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) checked = index;
    } else {
      SendMessageA(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    button = GetWindow(button, GW_HWNDNEXT);
    ++index;
  } while (button && !(GetWindowLongA(button, GWL_STYLE) & WS_GROUP) &&
           (SendMessageA(button, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON));
  if (dx.m_bSaveAndValidate) value = checked;
  return true;
}

bool DDX_Int(CDataExchange& dx, int id, int& value) {
  HWND control = dx.Control(id);
  if (!control) return dx.Fail(id);
  if (!dx.m_bSaveAndValidate) return SetWindowTextA(control, std::to_string(value).c_str()) != 0;
  const std::optional<int> typed = ParseWholeNumber(CWnd::GetWindowText(control));
  if (!typed) {
    AfxMessageBox(AFX_IDP_PARSE_INT);
    return dx.Fail(id);
  }
  value = *typed;
  return true;
}

bool DDX_IntInRange(CDataExchange& dx, int id, int& value, int min, int max) {
  if (!dx.m_bSaveAndValidate) return DDX_Int(dx, id, value);
  int typed = value;
  if (!DDX_Int(dx, id, typed)) return false;
  if (typed < min || typed > max) {
    std::string text = LoadResString(AFX_IDP_PARSE_INT_RANGE);
    text.replace(text.find("%1"), 2, std::to_string(min));
    text.replace(text.find("%2"), 2, std::to_string(max));
    AfxMessageBox(text);
    return dx.Fail(id);
  }
  value = typed;
  return true;
}

bool DDX_CBIndex(CDataExchange& dx, int id, int& index) {
  HWND control = dx.Control(id);
  if (!control) return dx.Fail(id);
  if (dx.m_bSaveAndValidate)
    index = static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0));
  else
    SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  return true;
}
