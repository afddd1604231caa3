#pragma once
// The export editor's directory list: owner-drawn and sorted, each item owning
// the name of one sub-directory or one of the pseudo-entries "." and "..".
#include <optional>
#include <string>

#include "framework/OwningListBox.h"

class CDirListBox : public COwningListBox<std::string> {
 public:
  // Empties the list, then lists the directories that pattern (a directory
  // followed by "*.*") matches; returns the number of items added.
  int FillDirList(const std::string& pattern);
  // The name of the selected item; none without a selection.
  std::optional<std::string> SelectedName() const;

 protected:
  void DrawItem(const DRAWITEMSTRUCT& item) override;
  int CompareItem(const COMPAREITEMSTRUCT& items) override;
};
