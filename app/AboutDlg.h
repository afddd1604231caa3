#pragma once
// "About NFS Server": the product line and the version the installation recorded.
#include "framework/Dialog.h"

class CAboutDlg : public CDialog {
 public:
  CAboutDlg();

 protected:
  BOOL OnInitDialog() override;
};
