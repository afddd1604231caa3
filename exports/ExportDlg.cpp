#include "exports/ExportDlg.h"

#include "exports/ClientList.h"
#include "exports/DirectoryPath.h"
#include "exports/PickerSources.h"
#include "framework/Messages.h"
#include "resources/resource.h"

namespace {
// The drive item of a drive index: C: for 0.
std::string DriveItemText(int driveIndex) { return {static_cast<char>('C' + driveIndex), ':'}; }

void SelectDriveItem(HWND drives, int driveIndex) {
  const std::string item = DriveItemText(driveIndex);
  const LRESULT found = SendMessageA(drives, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(item.c_str()));
  SendMessageA(drives, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
}
}  // namespace

CExportDlg::CExportDlg(CWnd* parent) : CDialog(IDD_EXPORT, parent) {}

bool CExportDlg::DoDataExchange(CDataExchange& dx) {
  int access = m_choice.access;
  if (!DDX_Check(dx, IDC_ALL_CLIENTS, m_choice.allClients) ||
      !DDX_Text(dx, IDC_PATH, m_choice.pathText) ||
      !DDX_Text(dx, IDC_CLIENTS_TEXT, m_choice.clientsText) ||
      !DDX_Text(dx, IDC_RW_LIST_TEXT, m_choice.rwListText) || !DDX_Radio(dx, IDC_READ_ONLY, access))
    return false;
  // A mode from the file that no button stands for stays until the user picks one.
  if (access >= 0) m_choice.access = access;
  return true;
}

BOOL CExportDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  // Typing stops at the limit; a longer text loaded from the file stays whole.
  SendDlgItemMessageA(m_hWnd, IDC_CLIENTS_TEXT, EM_LIMITTEXT, kMaxClientListText, 0);
  SendDlgItemMessageA(m_hWnd, IDC_RW_LIST_TEXT, EM_LIMITTEXT, kMaxClientListText, 0);
  dirList_.SubclassDlgItem(IDC_DIR_LIST, this);
  hostList_.SubclassDlgItem(IDC_HOST_LIST, this);
  candidates_.SubclassDlgItem(IDC_RW_CANDIDATES, this);

  const HWND drives = GetDlgItem(IDC_DRIVE_LIST);
  FillDriveList(drives);
  SelectDriveItem(drives, m_choice.driveIndex);

  // Shown whether or not the directory exists.
  directory_ = StartDirectory(m_choice.DriveLetter(), m_choice.pathText);
  FillDirectoryList();
  ShowDirectory();

  EnableClientControls();
  EnableRwListControls();
  for (const std::string& name : ReadHostNames()) {
    hostList_.AddString(name.c_str());
    if (m_choice.allClients) candidates_.AddString(name.c_str());
  }
  if (!m_choice.allClients) {
    for (const std::string& name : SplitClientList(GetDlgItemText(IDC_CLIENTS_TEXT)))
      candidates_.AddString(name.c_str());
  }
  return TRUE;
}

bool CExportDlg::OnCommand(UINT id, UINT code, HWND control) {
  switch (id) {
    case IDC_DRIVE_LIST:
      if (code == CBN_CLOSEUP) OnDriveChange();
      return true;
    case IDC_DIR_LIST:
      if (code == LBN_SELCHANGE) OnDirectoryClick();
      if (code == LBN_DBLCLK) OnDirectoryDoubleClick();
      return true;
    case IDC_HOST_LIST:
      if (code == LBN_DBLCLK) OnPickHost(hostList_, IDC_CLIENTS_TEXT);
      return true;
    case IDC_RW_CANDIDATES:
      if (code == LBN_DBLCLK) OnPickHost(candidates_, IDC_RW_LIST_TEXT);
      return true;
  }
  if (code != BN_CLICKED) return CDialog::OnCommand(id, code, control);
  switch (id) {
    case IDC_ALL_CLIENTS:
      OnAllClients();
      return true;
    case IDC_CLEAR:
      OnClear();
      return true;
    case IDC_READ_ONLY:
    case IDC_READ_WRITE:
    case IDC_RW_LIST_ACCESS:
      OnAccess();
      return true;
  }
  return CDialog::OnCommand(id, code, control);
}

// The exports file separates its fields by blanks, so a path with one is stored
// in its short form; without a short form OK is refused and nothing is lost.
void CExportDlg::OnOK() {
  if (!UpdateData(true)) return;
  storedPath_ = m_choice.pathText;
  if (PathNeedsShortForm(storedPath_)) {
    const std::string full = DriveColon(m_choice.DriveLetter()) + m_choice.pathText;
    const std::optional<std::string> shortPath = ShortPathName(full);
    if (!shortPath) {
      std::string text = LoadResString(IDS_NO_SHORT_PATH);
      text.replace(text.find("%s"), 2, full);
      AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
      return;
    }
    storedPath_ = shortPath->substr(2);
  }
  EndDialog(IDOK);
}

void CExportDlg::OnDriveChange() {
  const HWND drives = GetDlgItem(IDC_DRIVE_LIST);
  const LRESULT index = ::SendMessageA(drives, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return;
  // Drive items are "D:", so the text has room.
  char item[8] = "";
  ::SendMessageA(drives, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item));
  const DriveByte letter = static_cast<DriveByte>(item[0]);
  const std::optional<std::string> directory = DriveCurrentDirectory(letter);
  if (!directory) {
    SelectDriveItem(drives, m_choice.driveIndex);
    return;
  }
  directory_ = *directory;
  m_choice.driveIndex = letter - 'C';
  FillDirectoryList();
  ShowDirectory();
}

void CExportDlg::OnDirectoryClick() {
  const std::optional<std::string> name = dirList_.SelectedName();
  if (!name) return;
  if (const std::optional<std::string> text = ClickedPathText(directory_, *name))
    SetDlgItemText(IDC_PATH, *text);
  else
    AfxMessageBox(IDS_INVALID_DIRECTORY, MB_OK | MB_ICONEXCLAMATION);
}

void CExportDlg::OnDirectoryDoubleClick() {
  const std::optional<std::string> name = dirList_.SelectedName();
  if (!name) return;
  const DirectoryMove move = MoveForDoubleClick(directory_, *name);
  if (move.kind == DirectoryMove::kStay) return;
  if (move.kind == DirectoryMove::kEnter) {
    const std::string kept = directory_;
    directory_ = move.directory;
    if (FillDirectoryList() > 0) {
      ShowDirectory();
      return;
    }
    directory_ = kept;
  }
  AfxMessageBox(IDS_INVALID_DIRECTORY, MB_OK | MB_ICONEXCLAMATION);
  FillDirectoryList();
}

void CExportDlg::OnAllClients() {
  m_choice.allClients =
      SendDlgItemMessageA(m_hWnd, IDC_ALL_CLIENTS, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
  EnableClientControls();
  candidates_.ResetContent();
  if (m_choice.allClients) {
    for (int i = 0, count = hostList_.GetCount(); i < count; ++i)
      candidates_.AddString(hostList_.GetText(i).c_str());
  } else {
    for (const std::string& name : SplitClientList(GetDlgItemText(IDC_CLIENTS_TEXT)))
      candidates_.AddString(name.c_str());
  }
}

void CExportDlg::OnClear() {
  SetDlgItemText(IDC_CLIENTS_TEXT, "");
  SetDlgItemText(IDC_RW_LIST_TEXT, "");
  candidates_.ResetContent();
}

// A name that would take the text past its limit is refused whole, with a beep.
void CExportDlg::OnPickHost(CListBox& list, int editId) {
  const int index = list.GetCurSel();
  if (index == LB_ERR) return;
  const std::string name = list.GetText(index);
  std::string text = GetDlgItemText(editId);
  if (!AppendPickedHost(text, name)) {
    MessageBeep(MB_OK);
    return;
  }
  if (&list == &hostList_) candidates_.AddString(name.c_str());
  SetDlgItemText(editId, text);
}

void CExportDlg::OnAccess() {
  UpdateData(true);
  EnableRwListControls();
}

int CExportDlg::FillDirectoryList() {
  const std::optional<std::string> pattern = ListPattern(directory_);
  if (!pattern) {
    dirList_.ResetContent();
    return 0;
  }
  return dirList_.FillDirList(*pattern);
}

void CExportDlg::ShowDirectory() { SetDlgItemText(IDC_PATH, DirectoryDisplayText(directory_)); }

void CExportDlg::EnableClientControls() {
  const bool listed = !m_choice.allClients;
  for (int id : {IDC_AUTHORIZED_LABEL, IDC_CLIENTS_LABEL, IDC_CLIENTS_TEXT, IDC_HOST_LIST, IDC_CLEAR})
    EnableDlgItem(id, listed);
}

void CExportDlg::EnableRwListControls() {
  const bool rwList = m_choice.access == ExportEntry::kReadWriteList;
  EnableDlgItem(IDC_RW_LIST_TEXT, rwList);
  EnableDlgItem(IDC_RW_CANDIDATES, rwList);
}
