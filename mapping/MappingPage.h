#pragma once
// What the user and the group mapping pages have in common: the mappings of one
// file, the accounts of one place, adding and removing mappings, and writing the
// file when the sheet is confirmed.
#include <optional>
#include <string>
#include <vector>

#include "framework/ListBox.h"
#include "framework/PropertyPage.h"
#include "framework/SharedFile.h"
#include "framework/SpinButtonCtrl.h"
#include "mapping/AccountEnumeration.h"
#include "mapping/MappingFile.h"
#include "mapping/UserInfo.h"

// What tells the two pages apart.
struct MappingPageKind {
  UINT templateId;
  int idEdit;              // the UID or GID edit
  MappingFileKind file;
  AccountKind accounts;
  const char* displayEnd;  // what follows "name::id" in the mapping list
};

class CMappingPage : public CPropertyPage {
 public:
  explicit CMappingPage(const MappingPageKind& kind);

 protected:
  BOOL OnInitDialog() override;
  bool DoDataExchange(CDataExchange& dx) override;
  bool OnCommand(UINT id, UINT code, HWND control) override;
  bool OnApply() override;
  void OnCancel() override;

 private:
  void LoadMappings();
  void OnSelchangeDomain();
  void OnAdd();
  void OnRemove();
  bool SaveMappings();
  void DiscardMappings();
  void ShowMappings();
  std::string DisplayLine(const CUserInfo& record) const;
  std::optional<std::string> FilePath() const;

  const MappingPageKind kind_;
  std::optional<SharedFile> file_;  // none: its path does not fit
  CSpinButtonCtrl m_spin;
  CListBox accounts_;
  CListBox mappingList_;
  int m_nId = 0;
  // The records of the file in file order, then the added ones in the order of
  // adding: the order the file is written in. The mapping list sorts its lines.
  std::vector<CUserInfo> m_mappings;
};
