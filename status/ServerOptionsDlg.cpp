#include "status/ServerOptionsDlg.h"

#include "framework/ChangeHistory.h"
#include "framework/RegKey.h"
#include "portable/SharedWithService.h"
#include "resources/resource.h"
#include "status/ServerOptionSizes.h"

namespace {

struct OptionValue {
  const char* name;
  int controlId;
};

// In the order of the members they are exchanged with.
constexpr OptionValue kSwitches[] = {{kSupportNfs3Value, IDC_SUPPORT_NFS3},
                                     {kSupportPcnfsdValue, IDC_ENABLE_PCNFSD},
                                     {kSupportNlmValue, IDC_ENABLE_NLM}};
constexpr OptionValue kSizes[] = {{kMaximumReadValue, IDC_MAX_READ}, {kMaximumWriteValue, IDC_MAX_WRITE}};

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
    if (!DDX_Check(dx, kSwitches[i].controlId, switches_[i])) return false;
  for (size_t i = 0; i < sizeItems_.size(); ++i)
    if (!DDX_CBIndex(dx, kSizes[i].controlId, sizeItems_[i])) return false;
  return true;
}

// Missing values, and values that are not 4-byte integers, keep the defaults:
// every switch on, both sizes "default". A switch other than 0 shows checked.
void CServerOptionsDlg::ReadRegistry() {
  switches_.fill(1);
  sizeItems_.fill(0);
  CRegKey key;
  if (!key.Open(HKEY_LOCAL_MACHINE, kServiceKey, KEY_QUERY_VALUE)) return;
  for (size_t i = 0; i < switches_.size(); ++i)
    if (const auto value = key.QueryDword(kSwitches[i].name)) switches_[i] = *value != 0;
  for (size_t i = 0; i < sizeItems_.size(); ++i)
    if (const auto value = key.QueryDword(kSizes[i].name))
      sizeItems_[i] = BufferSizeItemFor(static_cast<int32_t>(*value));
}

// The service's installation makes the key; without it (or without the right to
// set values) nothing is written and the dialog closes as usual.
void CServerOptionsDlg::WriteRegistry() const {
  CRegKey key;
  if (!key.Open(HKEY_LOCAL_MACHINE, kServiceKey, KEY_SET_VALUE)) return;
  for (size_t i = 0; i < switches_.size(); ++i) key.SetDword(kSwitches[i].name, switches_[i] ? 1 : 0);
  for (size_t i = 0; i < sizeItems_.size(); ++i)
    key.SetDword(kSizes[i].name, static_cast<DWORD>(BufferSizeOfItem(sizeItems_[i])));
  RecordServerOptions();
}
