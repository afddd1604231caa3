#include "tools/hostedit/HostEditor.h"

#include <cstring>

#include "framework/Handles.h"
#include "tools/hostedit/HostEditRes.h"
#include "tools/hostedit/HostsCheck.h"

namespace {
constexpr char kCaption[] = "Hosts Editor";

std::string ItemText(HWND dialog, int id) {
  const HWND control = GetDlgItem(dialog, id);
  std::string text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::string JoinNames(const HostsEntry& entry) {
  std::string names;
  for (const std::string& name : entry.names) names += (names.empty() ? "" : " ") + name;
  return names;
}

std::string RowText(const HostsEntry& entry) { return entry.address + "\t" + JoinNames(entry); }
}  // namespace

std::string HostEditor::Caption(const std::string& path) { return std::string(kCaption) + " - " + path; }

bool HostEditor::Run(HINSTANCE instance) {
  if (!Load()) return false;
  DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_HOSTEDIT), nullptr, DialogProc,
                  reinterpret_cast<LPARAM>(this));
  return true;
}

INT_PTR CALLBACK HostEditor::DialogProc(HWND dialog, UINT message, WPARAM wParam,
                                        LPARAM lParam) noexcept {
  if (message == WM_INITDIALOG) {
    auto* editor = reinterpret_cast<HostEditor*>(lParam);
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    editor->dialog_ = dialog;
    editor->OnInitDialog();
    return TRUE;
  }
  auto* editor = reinterpret_cast<HostEditor*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (!editor) return FALSE;
  switch (message) {
    case WM_COMMAND:
      editor->OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_CLOSE:
      editor->OnClose();
      return TRUE;
    case WM_NCDESTROY:
      editor->dialog_ = nullptr;
      return FALSE;
  }
  return FALSE;
}

// A missing file is an empty one, created by the first save; any other failure
// to read it ends the editor before anything could be lost.
bool HostEditor::Load() {
  const PathRead read = disk_.Load();
  if (!Readable(read)) return false;
  file_ = HostsFile::Parse(read.bytes.value_or(""));
  return true;
}

// False, having said why, when the file exists but cannot be read.
bool HostEditor::Readable(const PathRead& read) const {
  if (read.bytes || read.Missing()) return true;
  Say("The hosts file " + path_ + " cannot be read" + (read.error ? std::string(": ") + std::strerror(read.error) : "") +
          ".",
      MB_ICONSTOP);
  return false;
}

void HostEditor::Reload() {
  if (!Load()) return;
  FillList(-1);
  ShowKeptLines();
  SetChanged(false);
}

void HostEditor::OnInitDialog() {
  SetWindowTextA(dialog_, Caption(path_).c_str());
  const INT tabStop = 90;
  SendDlgItemMessageA(dialog_, IDC_ENTRIES, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
  FillList(-1);
  ShowKeptLines();
  SetChanged(false);
}

void HostEditor::OnCommand(int id, int code) {
  switch (id) {
    case IDC_ENTRIES:
      if (code == LBN_SELCHANGE) OnSelect();
      break;
    case IDC_ADD:
      OnAdd();
      break;
    case IDC_CHANGE:
      OnChange();
      break;
    case IDC_REMOVE:
      OnRemove();
      break;
    case IDC_SAVE:
      Save();
      break;
    case IDCANCEL:
      OnClose();
      break;
  }
}

void HostEditor::OnSelect() {
  const int index = SelectedEntry();
  if (index < 0) return;
  const HostsEntry& entry = file_.Entry(static_cast<size_t>(index));
  SetDlgItemTextA(dialog_, IDC_ADDRESS, entry.address.c_str());
  SetDlgItemTextA(dialog_, IDC_NAMES, JoinNames(entry).c_str());
}

void HostEditor::OnAdd() {
  HostsEntry entry;
  if (!ReadTypedEntry(entry)) return;
  const std::string row = RowText(entry);
  file_.Add(std::move(entry));
  const LRESULT index = SendDlgItemMessageA(dialog_, IDC_ENTRIES, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
  SendDlgItemMessageA(dialog_, IDC_ENTRIES, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SetChanged(true);
}

void HostEditor::OnChange() {
  const int index = SelectedEntry();
  if (index < 0) {
    Say("Select the entry to change.");
    return;
  }
  HostsEntry entry;
  if (!ReadTypedEntry(entry)) return;
  entry.comment = file_.Entry(static_cast<size_t>(index)).comment;
  const std::string row = RowText(entry);
  file_.Change(static_cast<size_t>(index), std::move(entry));
  SendDlgItemMessageA(dialog_, IDC_ENTRIES, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  SendDlgItemMessageA(dialog_, IDC_ENTRIES, LB_INSERTSTRING, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(row.c_str()));
  SendDlgItemMessageA(dialog_, IDC_ENTRIES, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SetChanged(true);
}

void HostEditor::OnRemove() {
  const int index = SelectedEntry();
  if (index < 0) {
    Say("Select the entry to remove.");
    return;
  }
  file_.Remove(static_cast<size_t>(index));
  SendDlgItemMessageA(dialog_, IDC_ENTRIES, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  const int count = static_cast<int>(file_.EntryCount());
  SendDlgItemMessageA(dialog_, IDC_ENTRIES, LB_SETCURSEL, static_cast<WPARAM>(index < count ? index : count - 1), 0);
  OnSelect();
  SetChanged(true);
}

// Another editor or program may have written the file since it was loaded: its
// change is not dropped without the administrator's word. The file's lock is
// held from the comparison to the write, never while the question is shown.
bool HostEditor::Save() {
  for (;;) {
    std::optional<FileLock> lock = FileLock::Take(path_);
    if (!lock) {
      Say("The hosts file could not be saved: " + FileBusyText(path_) + ".");
      return false;
    }
    const PathRead disk = disk_.ReadDisk(*lock);
    if (!Readable(disk)) return false;
    if (!disk_.Unchanged(disk)) {
      lock.reset();
      const int answer = MessageBoxA(
          dialog_,
          ("The hosts file " + path_ + " was changed by another program since it was opened.\n\n"
           "Yes: reload it, losing the changes made here.\nNo: overwrite it with the entries shown here.\n"
           "Cancel: keep editing without saving.").c_str(),
          kCaption, MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3);
      if (answer == IDYES) Reload();
      if (answer != IDNO) return false;
      // Asked again should the file change once more before the lock is back.
      disk_.Remember(disk);
      continue;
    }
    const std::string error = disk_.Write(*lock, file_.Format());
    if (!error.empty()) {
      Say("The hosts file " + path_ + " could not be saved: " + error + ".");
      return false;
    }
    SetChanged(false);
    return true;
  }
}

void HostEditor::OnClose() {
  if (changed_) {
    const int answer = MessageBoxA(dialog_, "Save the changes to the hosts file?", kCaption,
                                   MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL || (answer == IDYES && !Save())) return;
  }
  EndDialog(dialog_, IDCANCEL);
}

bool HostEditor::ReadTypedEntry(HostsEntry& entry) {
  const std::string address = ItemText(dialog_, IDC_ADDRESS);
  std::string error = CheckAddress(address);
  int field = IDC_ADDRESS;
  if (error.empty()) {
    error = CheckHostNames(ItemText(dialog_, IDC_NAMES), entry.names);
    field = IDC_NAMES;
  }
  if (!error.empty()) {
    Say(error);
    SetFocus(GetDlgItem(dialog_, field));
    return false;
  }
  const std::string listed = CheckListedName(address, entry.names);
  if (!listed.empty() && MessageBoxA(dialog_, listed.c_str(), kCaption, MB_YESNO | MB_ICONQUESTION) != IDYES)
    return false;
  entry.address = address;
  return true;
}

int HostEditor::SelectedEntry() const {
  const LRESULT selected = SendDlgItemMessageA(dialog_, IDC_ENTRIES, LB_GETCURSEL, 0, 0);
  return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

// The list shows the entries in file order, so an item's index is its entry's.
// A hosts file may hold thousands: no drawing until all are in.
void HostEditor::FillList(int select) {
  const HWND list = GetDlgItem(dialog_, IDC_ENTRIES);
  const size_t count = file_.EntryCount();
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  SendMessageA(list, LB_INITSTORAGE, count, 0);
  for (size_t i = 0; i < count; ++i)
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(RowText(file_.Entry(i)).c_str()));
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(select), 0);
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void HostEditor::ShowKeptLines() {
  const size_t kept = file_.KeptLineCount();
  const std::string text = kept == 0   ? ""
                           : kept == 1 ? "1 line kept unchanged that cannot be edited here."
                                       : std::to_string(kept) + " lines kept unchanged that cannot be edited here.";
  SetDlgItemTextA(dialog_, IDC_KEPT, text.c_str());
}

void HostEditor::SetChanged(bool changed) {
  changed_ = changed;
  SetDlgItemTextA(dialog_, IDC_STATE, changed ? "Changed, not saved." : "");
}

void HostEditor::Say(const std::string& text, UINT icon) const {
  MessageBoxA(dialog_, text.c_str(), kCaption, MB_OK | icon);
}
