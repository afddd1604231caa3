#include "framework/PropertySheet.h"

#include <commctrl.h>

#include "framework/MainWindow.h"

INT_PTR CPropertySheet::DoModal() {
  std::vector<PROPSHEETPAGEA> pages;
  for (CPropertyPage* page : pages_) pages.push_back(page->SheetPage());
  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_HASHELP;
  header.hwndParent = AfxGetSafeOwner(parent_ ? parent_->m_hWnd : nullptr);
  header.hInstance = GetModuleHandleA(nullptr);
  header.pszCaption = caption_.c_str();
  header.nPages = static_cast<UINT>(pages.size());
  header.nStartPage = selectPage_;
  header.ppsp = pages.data();
  const INT_PTR result = PropertySheetA(&header);
  if (result < 0) return -1;
  return result > 0 ? IDOK : IDCANCEL;
}
