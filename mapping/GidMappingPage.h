#pragma once
// The second page of the mapping sheet: Windows NT groups to UNIX GIDs, kept in
// the group file.
#include "mapping/MappingPage.h"

class CGidMappingPage : public CMappingPage {
 public:
  CGidMappingPage();
};
