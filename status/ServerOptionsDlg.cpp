#include "status/ServerOptionsDlg.h"

#include "framework/ChangeHistory.h"
#include "resources/resource.h"
#include "status/ServerOptionSizes.h"
#include "status/ServerOptionsStore.h"

namespace {

// The controls in the order of the values.
constexpr int kSwitchControls[] = {IDC_SUPPORT_NFS3, IDC_ENABLE_PCNFSD, IDC_ENABLE_NLM};
constexpr int kSizeControls[] = {IDC_MAX_READ, IDC_MAX_WRITE};

}  // namespace

CServerOptionsDlg::CServerOptionsDlg() : CDialog(IDD_SERVER_OPTIONS) {}

BOOL CServerOptionsDlg::OnInitDialog() {
  readSizes_.SubclassDlgItem(IDC_MAX_READ, this);
  writeSizes_.SubclassDlgItem(IDC_MAX_WRITE, this);
  for (CComboBox* sizes : {&readSizes_, &writeSizes_})
    for (const char* item : kBufferSizeItems) sizes->AddString(item);
  ReadRegistry();
  return CDialog::OnInitDialog();
}

void CServerOptionsDlg::OnOK() {
  if (!UpdateData(true)) return;
  WriteRegistry();
  EndDialog(IDOK);
}

bool CServerOptionsDlg::DoDataExchange(CDataExchange& dx) {
  for (size_t i = 0; i < switches_.size(); ++i)
    if (!DDX_Check(dx, kSwitchControls[i], switches_[i])) return false;
  for (size_t i = 0; i < sizeItems_.size(); ++i)
    if (!DDX_CBIndex(dx, kSizeControls[i], sizeItems_[i])) return false;
  return true;
}

// Missing values, and values that are not 4-byte integers, keep the defaults:
// every switch on, both sizes "default". A switch other than 0 shows checked.
void CServerOptionsDlg::ReadRegistry() {
  const auto values = OptionValuesShown(ReadServerOptions());
  for (size_t i = 0; i < switches_.size(); ++i) switches_[i] = values[i];
  for (size_t i = 0; i < sizeItems_.size(); ++i) sizeItems_[i] = BufferSizeItemFor(values[kFirstSizeOption + i]);
}

// The service's installation makes the key; without it (or without the right to
// set values) nothing is written and the dialog closes as usual.
void CServerOptionsDlg::WriteRegistry() const {
  std::array<int32_t, kServerOptionCount> values{};
  for (size_t i = 0; i < switches_.size(); ++i) values[i] = switches_[i] ? 1 : 0;
  for (size_t i = 0; i < sizeItems_.size(); ++i) values[kFirstSizeOption + i] = BufferSizeOfItem(sizeItems_[i]);
  if (WriteServerOptions(values)) RecordServerOptions();
}
