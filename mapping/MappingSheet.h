#pragma once
// The modal sheet of command 103: the user page, then the group page. Each page
// reads its file when first shown and writes it at OK.
#include "framework/PropertySheet.h"
#include "mapping/GidMappingPage.h"
#include "mapping/UidMappingPage.h"

class CMappingSheet : public CPropertySheet {
 public:
  CMappingSheet(const char* caption, CWnd* parent, UINT selectPage);

  CUidMappingPage m_uidPage;
  CGidMappingPage m_gidPage;
};
