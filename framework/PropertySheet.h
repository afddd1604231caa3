#pragma once
// A modal property sheet over the system's PropertySheetA. The pages are members
// of the derived sheet, added in order; the sheet does not own them.
#include <string>
#include <vector>

#include "framework/PropertyPage.h"

class CPropertySheet {
 public:
  // Without a parent the sheet is owned by the main window.
  CPropertySheet(const char* caption, CWnd* parent = nullptr, UINT selectPage = 0)
      : caption_(caption), parent_(parent), selectPage_(selectPage) {}
  virtual ~CPropertySheet() = default;
  CPropertySheet(const CPropertySheet&) = delete;
  CPropertySheet& operator=(const CPropertySheet&) = delete;

  void AddPage(CPropertyPage& page) { pages_.push_back(&page); }

  // IDOK or IDCANCEL once the sheet has closed; -1 when it could not be shown.
  // No Apply button: the pages save only on OK.
  INT_PTR DoModal();

 private:
  std::string caption_;
  CWnd* parent_;  // not owned
  UINT selectPage_;
  std::vector<CPropertyPage*> pages_;  // members of the derived sheet
};
