#pragma once
// "Server Options": the service's three switches and its largest read and write
// sizes, read from the registry when the dialog opens and written back on OK.
#include <array>

#include "framework/ComboBox.h"
#include "framework/Dialog.h"

class CServerOptionsDlg : public CDialog {
 public:
  CServerOptionsDlg();

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  bool DoDataExchange(CDataExchange& dx) override;

 private:
  void ReadRegistry();
  void WriteRegistry() const;

  CComboBox readSizes_;
  CComboBox writeSizes_;
  // Only between a registry access and the controls: set when the dialog opens,
  // read back at OK.
  std::array<int, 3> switches_{};
  std::array<int, 2> sizeItems_{};
};
