#include "tools/hostedit/HostEditor.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "framework/Handles.h"
#include "portable/UniqueFile.h"
#include "portable/WholeFile.h"
#include "tools/hostedit/HostEditRes.h"
#include "tools/hostedit/HostsCheck.h"
#include "portable/SaveWholeFile.h"

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
}  // namespace

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
  UniqueFile file(std::fopen(path_.c_str(), "rb"));
  if (!file) {
    if (errno == ENOENT) return true;
    Say("The hosts file " + path_ + " cannot be read: " + std::strerror(errno) + ".",
        MB_ICONSTOP);
    return false;
  }
  const std::optional<std::string> text = ReadWholeFile(file.get());
  if (!text) {
    Say("The hosts file " + path_ + " cannot be read.", MB_ICONSTOP);
    return false;
  }
  file_ = HostsFile::Parse(*text);
  return true;
}

void HostEditor::OnInitDialog() {
  SetWindowTextA(dialog_, (std::string(kCaption) + " - " + path_).c_str());
  const INT tabStop = 90;
  SendDlgItemMessageA(dialog_, IDC_ENTRIES, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
  FillList(-1);
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
  file_.Add(std::move(entry));
  FillList(static_cast<int>(file_.EntryCount()) - 1);
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
  file_.Change(static_cast<size_t>(index), std::move(entry));
  FillList(index);
  SetChanged(true);
}

void HostEditor::OnRemove() {
  const int index = SelectedEntry();
  if (index < 0) {
    Say("Select the entry to remove.");
    return;
  }
  file_.Remove(static_cast<size_t>(index));
  const int count = static_cast<int>(file_.EntryCount());
  FillList(index < count ? index : count - 1);
  OnSelect();
  SetChanged(true);
}

bool HostEditor::Save() {
  const std::string error = SaveWholeFile(path_, file_.Format());
  if (!error.empty()) {
    Say("The hosts file " + path_ + " could not be saved (" + error +
        "). The file on disk is unchanged.");
    return false;
  }
  SetChanged(false);
  return true;
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
  entry.address = address;
  return true;
}

int HostEditor::SelectedEntry() const {
  const LRESULT selected = SendDlgItemMessageA(dialog_, IDC_ENTRIES, LB_GETCURSEL, 0, 0);
  return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

// The list shows the entries in file order, so an item's index is its entry's.
void HostEditor::FillList(int select) {
  const HWND list = GetDlgItem(dialog_, IDC_ENTRIES);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (size_t i = 0; i < file_.EntryCount(); ++i) {
    const HostsEntry& entry = file_.Entry(i);
    const std::string text = entry.address + "\t" + JoinNames(entry);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(select), 0);
}

void HostEditor::SetChanged(bool changed) {
  changed_ = changed;
  SetDlgItemTextA(dialog_, IDC_STATE, changed ? "Changed, not saved." : "");
}

void HostEditor::Say(const std::string& text, UINT icon) const {
  MessageBoxA(dialog_, text.c_str(), kCaption, MB_OK | icon);
}
