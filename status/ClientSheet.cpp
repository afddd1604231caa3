#include "status/ClientSheet.h"

CClientSheet::CClientSheet(const char* caption, CWnd* parent, UINT selectPage)
    : CPropertySheet(caption, parent, selectPage) {
  AddPage(clients_);
  AddPage(locks_);
}
