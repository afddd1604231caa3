#pragma once
// "Mounted Clients", the first page of the client sheet: the service's mount list
// as it stands, and "Clear All" to empty it.
#include "framework/PropertyPage.h"

class CShowClients : public CPropertyPage {
 public:
  CShowClients();

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(UINT id, UINT code, HWND control) override;

 private:
  void OnClearAll();
};
