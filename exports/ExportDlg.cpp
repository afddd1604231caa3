#include "exports/ExportDlg.h"

#include <algorithm>

#include "exports/ClientList.h"
#include "exports/DirectoryPath.h"
#include "exports/ExportLineProblem.h"
#include "exports/PickerSources.h"
#include "framework/Messages.h"
#include "framework/ResMessage.h"
#include "resources/resource.h"

namespace {
// The drive item of a drive index: C: for 0.
std::string DriveItemText(int driveIndex) { return {static_cast<char>('C' + driveIndex), ':'}; }

void SelectDriveItem(CComboBox& drives, int driveIndex) {
  drives.SetCurSel(drives.FindStringExact(-1, DriveItemText(driveIndex).c_str()));
}
}  // namespace

CExportDlg::CExportDlg() : CDialog(IDD_EXPORT) {}

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
  dirList_.SubclassDlgItem(IDC_DIR_LIST, this);
  hostList_.SubclassDlgItem(IDC_HOST_LIST, this);
  candidates_.SubclassDlgItem(IDC_RW_CANDIDATES, this);

  drives_.SubclassDlgItem(IDC_DRIVE_LIST, this);
  FillDriveList(drives_);
  SelectDriveItem(drives_, m_choice.driveIndex);

  // Shown whether or not the directory exists.
  directory_ = StartDirectory(m_choice.DriveLetter(), m_choice.pathText);
  FillDirectoryList();
  ShowDirectory();

  EnableClientControls();
  EnableRwListControls();
  hosts_ = ReadHostNames();
  FillNames(hostList_, hosts_);
  FillNames(candidates_, m_choice.allClients ? hosts_ : SplitClientList(GetDlgItemText(IDC_CLIENTS_TEXT)));
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
// in its short form. Whatever the file cannot carry as it is keeps the dialog open
// with the reason: it would be written so that it reads back as something else.
void CExportDlg::OnOK() {
  if (!UpdateData(true)) return;
  storedPath_ = m_choice.pathText;
  if (PathNeedsShortForm(storedPath_)) {
    const std::string full = DriveColon(m_choice.DriveLetter()) + m_choice.pathText;
    if (const std::optional<std::string> shortPath = ShortPathName(full)) storedPath_ = shortPath->substr(2);
  }
  ExportEntry stored;
  StoreChoice(m_choice, storedPath_, stored);
  if (const ExportProblem problem = ExportEntryProblem(stored)) {
    AfxMessageBox(ResMessage(problem.stringId, {problem.subject}), MB_OK | MB_ICONEXCLAMATION);
    FocusField(problem.field);
    return;
  }
  EndDialog(IDOK);
}

void CExportDlg::FocusField(int field) {
  switch (field) {
    case ExportProblem::kPath:
      ::SetFocus(GetDlgItem(IDC_PATH));
      break;
    case ExportProblem::kClients:
      ::SetFocus(GetDlgItem(IDC_CLIENTS_TEXT));
      break;
    case ExportProblem::kRwList:
      ::SetFocus(GetDlgItem(IDC_RW_LIST_TEXT));
      break;
    case ExportProblem::kMode:
      ::SetFocus(GetDlgItem(IDC_READ_ONLY));
      break;
  }
}

void CExportDlg::OnDriveChange() {
  const int index = drives_.GetCurSel();
  if (index == CB_ERR) return;
  const std::string item = drives_.GetLBText(index);
  if (item.empty()) return;
  const DriveByte letter = static_cast<DriveByte>(item[0]);
  const std::optional<std::string> directory = DriveCurrentDirectory(letter);
  if (!directory) {
    SelectDriveItem(drives_, m_choice.driveIndex);
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
  // A path past the browser's limits leaves the field as it was: arrow keys
  // pass over such names without a box; a double click says why.
  if (const std::optional<std::string> text = ClickedPathText(directory_, *name))
    SetDlgItemText(IDC_PATH, *text);
}

void CExportDlg::OnDirectoryDoubleClick() {
  const std::optional<std::string> name = dirList_.SelectedName();
  if (!name) return;
  const DirectoryMove move = MoveForDoubleClick(directory_, *name);
  if (move.kind == DirectoryMove::kStay) return;
  if (move.kind == DirectoryMove::kRefuse) {
    AfxMessageBox(IDS_PATH_TOO_LONG, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  const std::string kept = directory_;
  directory_ = move.directory;
  if (FillDirectoryList() > 0) {
    ShowDirectory();
    return;
  }
  directory_ = kept;
  AfxMessageBox(IDS_INVALID_DIRECTORY, MB_OK | MB_ICONEXCLAMATION);
  FillDirectoryList();
}

void CExportDlg::OnAllClients() {
  m_choice.allClients = IsDlgButtonChecked(m_hWnd, IDC_ALL_CLIENTS) == BST_CHECKED ? 1 : 0;
  EnableClientControls();
  // List 143 sorts as list 142 does, so the hosts file's names give its items.
  FillNames(candidates_, m_choice.allClients ? hosts_ : SplitClientList(GetDlgItemText(IDC_CLIENTS_TEXT)));
}

void CExportDlg::OnClear() {
  SetDlgItemText(IDC_CLIENTS_TEXT, "");
  SetDlgItemText(IDC_RW_LIST_TEXT, "");
  candidates_.ResetContent();
}

// A name that would take the text past its limit is refused whole, never cut.
void CExportDlg::OnPickHost(CListBox& list, int editId) {
  const int index = list.GetCurSel();
  if (index == LB_ERR) return;
  const std::string name = list.GetText(index);
  std::string text = GetDlgItemText(editId);
  if (!AppendPickedHost(text, name)) {
    AfxMessageBox(editId == IDC_CLIENTS_TEXT ? IDS_EXPORT_CLIENTS_TOO_LONG : IDS_EXPORT_RW_LIST_TOO_LONG,
                  MB_OK | MB_ICONEXCLAMATION);
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

// A hosts file may hold thousands of names: they are put in the sorted list's
// order here (its own comparison, equal names in file order) and appended with
// no drawing until all are in, instead of being inserted one by one.
void CExportDlg::FillNames(CListBox& list, std::vector<std::string> names) {
  std::stable_sort(names.begin(), names.end(),
                   [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; });
  list.SendMessage(WM_SETREDRAW, FALSE);
  list.ResetContent();
  list.SendMessage(LB_INITSTORAGE, names.size(), 0);
  for (const std::string& name : names)
    list.SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name.c_str()));
  list.SendMessage(WM_SETREDRAW, TRUE);
  InvalidateRect(list.m_hWnd, nullptr, TRUE);
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
