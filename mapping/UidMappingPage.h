#pragma once
// The first page of the mapping sheet: Windows NT user accounts to UNIX UIDs,
// kept in the passwd file.
#include "mapping/MappingPage.h"

class CUidMappingPage : public CMappingPage {
 public:
  CUidMappingPage();
};
