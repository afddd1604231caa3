#include "mapping/MappingPage.h"

#include <optional>
#include <utility>

#include "framework/DataExchange.h"
#include "framework/Messages.h"
#include "framework/SharedFileSave.h"
#include "framework/SystemDirectory.h"
#include "mapping/MappingLine.h"
#include "framework/UnreadLinesQuestion.h"
#include "mapping/MappingList.h"
#include "resources/resource.h"

namespace {
constexpr int kSpinLowest = -32767;
constexpr int kSpinHighest = 32767;
}  // namespace

CMappingPage::CMappingPage(const MappingPageKind& kind) : CPropertyPage(kind.templateId), kind_(kind) {}

BOOL CMappingPage::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  LoadMappings();
  return TRUE;
}

bool CMappingPage::DoDataExchange(CDataExchange& dx) { return DDX_Int(dx, kind_.idEdit, m_nId); }

bool CMappingPage::OnCommand(UINT id, UINT code, HWND control) {
  if (id == IDC_DOMAIN && code == CBN_SELCHANGE) {
    OnSelchangeDomain();
    return true;
  }
  if (id == IDC_ADD_MAPPING && code == BN_CLICKED) {
    OnAdd();
    return true;
  }
  if (id == IDC_REMOVE_MAPPING && code == BN_CLICKED) {
    OnRemove();
    return true;
  }
  return CPropertyPage::OnCommand(id, code, control);
}

bool CMappingPage::OnApply() { return SaveMappings(); }
void CMappingPage::OnCancel() { DiscardMappings(); }

std::string CMappingPage::DisplayLine(const CUserInfo& record) const {
  return record.m_strName + "::" + record.m_strId + kind_.displayEnd;
}

std::optional<std::string> CMappingPage::FilePath() const {
  const std::optional<std::string> system = SystemDirectory();
  return system ? MappingFilePath(*system, kind_.file) : std::nullopt;
}

// The edit already shows m_nId (the base's first exchange).
void CMappingPage::LoadMappings() {
  if (m_spin.SubclassDlgItem(IDC_ID_SPIN, this)) {
    m_spin.SetRange32(kSpinLowest, kSpinHighest);
    m_spin.SetBase(10);
    m_spin.SetPos32(0);
  }
  if (!mappingList_.SubclassDlgItem(IDC_MAPPING_LIST, this)) {
    AfxMessageBox(IDS_DIALOG_INIT_FAILED);
    return;
  }
  accounts_.SubclassDlgItem(IDC_ACCOUNT_LIST, this);
  if (const std::optional<std::string> path = FilePath()) {
    file_.emplace(*path, ReadMode::kBinary);
    m_mappings = ReadMappingRecords(file_->Load().bytes.value_or(""));
  }
  ShowMappings();
  FillDomainCombo(*this);
  FillAccountList(*this, kind_.accounts);
}

void CMappingPage::OnSelchangeDomain() { FillAccountList(*this, kind_.accounts); }

void CMappingPage::OnAdd() {
  if (!accounts_.m_hWnd || !mappingList_.m_hWnd) return;
  // An ID the edit does not hold is asked for again; the member's old value is
  // never used for it.
  if (!UpdateData(true)) return;
  const int selected = accounts_.GetCurSel();
  if (selected == LB_ERR) {
    AfxMessageBox(IDS_NO_ACCOUNT_SELECTED);
    return;
  }
  CUserInfo record;
  record.m_strName = accounts_.GetText(selected);
  record.m_strId = MappingIdText(m_nId);
  // A name the file would give back as another one is never written.
  if (reinterpret_cast<LPARAM>(accounts_.GetItemDataPtr(selected)) == kUnstorableAccount ||
      MappingNameProblem(record.m_strName, record.m_strId)) {
    AfxMessageBox(IDS_UNSTORABLE_ACCOUNT);
    return;
  }
  // Against every record, read or added.
  if (FindMappingConflict(m_mappings, record.m_strName, record.m_strId) != MappingConflict::kNone) {
    AfxMessageBox(IDS_MAPPING_EXISTS);
    return;
  }
  mappingList_.AddString(DisplayLine(record).c_str());
  m_mappings.push_back(std::move(record));
}

// The line names the account; of several records with that name the first in
// file order goes, whichever line was chosen.
void CMappingPage::OnRemove() {
  if (!mappingList_.m_hWnd) return;
  const int selected = mappingList_.GetCurSel();
  if (selected == LB_ERR) {
    AfxMessageBox(IDS_NO_ACCOUNT_SELECTED);
    return;
  }
  const std::string line = mappingList_.GetText(selected);
  const std::string name = line.substr(0, line.find(':'));
  mappingList_.DeleteString(selected);
  if (const std::optional<size_t> first = FirstMappingNamed(m_mappings, name))
    m_mappings.erase(m_mappings.begin() + static_cast<std::ptrdiff_t>(*first));
}

// False keeps the sheet open: the file was reloaded, the administrator edits on,
// or another program held it too long. A failed write closes it, as it always
// has, and so does No to dropping the lines the reader stopped before.
bool CMappingPage::SaveMappings() {
  if (!file_) {
    AfxMessageBox(IDS_MAPPING_WRITE_FAILED);
    return true;
  }
  if (!MayDropUnreadLines(file_->Path(), &FindMappingReadStop)) return true;
  switch (SaveSharedFile(*file_, [this] { return MappingFileBytes(m_mappings); }).outcome) {
    case SaveOutcome::kWritten:
      return true;
    case SaveOutcome::kWriteFailed:
      AfxMessageBox(IDS_MAPPING_WRITE_FAILED);
      return true;
    case SaveOutcome::kReload:
      m_mappings = ReadMappingRecords(file_->Load().bytes.value_or(""));
      ShowMappings();
      return false;
    case SaveOutcome::kKeepEditing:
    case SaveOutcome::kNotWritten:
      return false;
  }
  return false;
}

void CMappingPage::ShowMappings() {
  mappingList_.ResetContent();
  CListBox::BulkAdd bulk(mappingList_, m_mappings.size());
  for (const CUserInfo& record : m_mappings) mappingList_.AddString(DisplayLine(record).c_str());
}

void CMappingPage::DiscardMappings() { m_mappings.clear(); }
