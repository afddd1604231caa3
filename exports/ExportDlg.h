#pragma once
// "NFS Server Export": edits one export's directory, clients and access rights.
#include <string>
#include <vector>

#include "exports/DirListBox.h"
#include "exports/ExportChoice.h"
#include "framework/ComboBox.h"
#include "framework/Dialog.h"

class CExportDlg : public CDialog {
 public:
  // Owned by the main window, as every modal window opened without a parent.
  CExportDlg();

  // Set by the caller before DoModal; after OK, what the user chose.
  ExportChoice m_choice;
  // After OK: the path to store, the short form when the path text has a blank.
  const std::string& StoredPath() const { return storedPath_; }

 protected:
  BOOL OnInitDialog() override;
  bool DoDataExchange(CDataExchange& dx) override;
  bool OnCommand(UINT id, UINT code, HWND control) override;
  void OnOK() override;

 private:
  void OnDriveChange();
  void OnDirectoryClick();
  void OnDirectoryDoubleClick();
  void OnAllClients();
  void OnClear();
  void OnPickHost(CListBox& list, int editId);
  void OnAccess();

  void FocusField(int field);
  static void FillNames(CListBox& list, std::vector<std::string> names);
  int FillDirectoryList();
  void ShowDirectory();
  void EnableClientControls();
  void EnableRwListControls();

  CComboBox drives_;     // 121: "D:" items
  CDirListBox dirList_;
  CListBox hostList_;    // 142: the hosts file's names
  std::vector<std::string> hosts_;  // the names of list 142, as read
  CListBox candidates_;  // 143: the names the R/W list may take
  std::string directory_;  // the browser's current directory, ending in a backslash
  std::string storedPath_;
};
