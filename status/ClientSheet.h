#pragma once
// "Clients Information": what the NFS service reports about its clients, the
// mounted clients first and the current locks second. Its buttons only close it.
#include "framework/PropertySheet.h"
#include "status/ShowClients.h"
#include "status/ShowLocks.h"

class CClientSheet : public CPropertySheet {
 public:
  CClientSheet(const char* caption, CWnd* parent, UINT selectPage);

 private:
  CShowClients clients_;
  CShowLocks locks_;
};
