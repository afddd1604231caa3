#include "framework/ListBox.h"

std::string CListBox::GetText(int index) const {
  const LRESULT length = SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length == LB_ERR) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT copied =
      SendMessage(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<size_t>(copied));
  return text;
}

CListBox::BulkAdd::BulkAdd(CListBox& list, size_t count) : list_(list) {
  list_.SendMessage(WM_SETREDRAW, FALSE);
  list_.SendMessage(LB_INITSTORAGE, count, 0);
}

CListBox::BulkAdd::~BulkAdd() {
  list_.SendMessage(WM_SETREDRAW, TRUE);
  InvalidateRect(list_.m_hWnd, nullptr, TRUE);
}

void CListBox::DrawItem(const DRAWITEMSTRUCT&) {}
void CListBox::MeasureItem(MEASUREITEMSTRUCT&) {}
int CListBox::CompareItem(const COMPAREITEMSTRUCT&) { return 0; }
void CListBox::DeleteItem(const DELETEITEMSTRUCT&) {}

bool CListBox::OnChildNotify(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_DRAWITEM: DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp)); result = TRUE; return true;
    case WM_MEASUREITEM: MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp)); result = TRUE; return true;
    case WM_COMPAREITEM: result = CompareItem(*reinterpret_cast<const COMPAREITEMSTRUCT*>(lp)); return true;
    case WM_DELETEITEM: DeleteItem(*reinterpret_cast<const DELETEITEMSTRUCT*>(lp)); result = TRUE; return true;
  }
  return false;
}
