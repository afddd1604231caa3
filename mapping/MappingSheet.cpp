#include "mapping/MappingSheet.h"

CMappingSheet::CMappingSheet(const char* caption, CWnd* parent, UINT selectPage)
    : CPropertySheet(caption, parent, selectPage) {
  AddPage(m_uidPage);
  AddPage(m_gidPage);
}
