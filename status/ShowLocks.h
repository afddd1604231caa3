#pragma once
// "Current Locks", the second page of the client sheet: the locks the service's
// lock manager holds for remote clients, and "Remove" to ask it to release one.
#include "framework/ListBox.h"
#include "framework/PropertyPage.h"

class CShowLocks : public CPropertyPage {
 public:
  CShowLocks();

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(UINT id, UINT code, HWND control) override;

 private:
  void OnRemove();

  CListBox locks_;
};
