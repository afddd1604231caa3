#pragma once
// The hosts editor's window: the entries of one hosts file, edited in memory and
// written whole only when the administrator saves.
#include <windows.h>

#include <string>

#include "framework/SharedFile.h"
#include "tools/hostedit/HostsFile.h"

class HostEditor {
 public:
  explicit HostEditor(std::string path) : path_(std::move(path)), disk_(path_) {}

  // Shows the window until it is closed; false when the file could not be read.
  bool Run(HINSTANCE instance);
  // The window's caption for the file at path: how a second editor finds the first.
  static std::string Caption(const std::string& path);

 private:
  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;
  bool Load();
  bool Readable(const PathRead& read) const;
  void Reload();
  void OnInitDialog();
  void OnCommand(int id, int code);
  void OnSelect();
  void OnAdd();
  void OnChange();
  void OnRemove();
  bool Save();
  void OnClose();

  // The entry typed into the address and names fields; on a bad one shows why,
  // focuses its field and returns false.
  bool ReadTypedEntry(HostsEntry& entry);
  int SelectedEntry() const;
  void FillList(int select);
  void ShowKeptLines();
  void SetChanged(bool changed);
  void Say(const std::string& text, UINT icon = MB_ICONEXCLAMATION) const;

  HWND dialog_ = nullptr;
  std::string path_;
  HostsFile file_;
  SharedFile disk_;  // the file as loaded or last saved
  bool changed_ = false;
};
