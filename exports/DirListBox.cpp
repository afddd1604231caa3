#include "exports/DirListBox.h"

#include <io.h>

#include <memory>
#include <vector>

#include "exports/DirectoryPath.h"
#include "framework/Handles.h"

namespace {
std::vector<FoundEntry> FindEntries(const std::string& pattern) {
  std::vector<FoundEntry> found;
  _finddata_t data{};
  const intptr_t search = _findfirst(pattern.c_str(), &data);
  if (search == -1) return found;
  do {
    found.push_back({data.name, (data.attrib & _A_SUBDIR) != 0});
  } while (_findnext(search, &data) == 0);
  _findclose(search);
  return found;
}

const std::string* ItemName(ULONG_PTR data) { return reinterpret_cast<const std::string*>(data); }
}  // namespace

int CDirListBox::FillDirList(const std::string& pattern) {
  ResetContent();
  int added = 0;
  for (const std::string& name : DirectoryItems(pattern, FindEntries(pattern)))
    added += AddRecord(std::make_unique<std::string>(name)) >= 0 ? 1 : 0;
  return added;
}

std::optional<std::string> CDirListBox::SelectedName() const {
  const int index = GetCurSel();
  if (index == LB_ERR) return std::nullopt;
  const std::string* name = RecordAt(index);
  if (!name) return std::nullopt;
  return *name;
}

void CDirListBox::DrawItem(const DRAWITEMSTRUCT& item) {
  if (item.itemAction != ODA_DRAWENTIRE && item.itemAction != ODA_SELECT) return;
  if (item.itemID == static_cast<UINT>(-1) || !item.itemData) return;
  const std::string& name = *ItemName(item.itemData);
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  TextColors colors(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT),
                    GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  ExtTextOutA(item.hDC, item.rcItem.left, item.rcItem.top + 1, ETO_OPAQUE, &item.rcItem,
              name.c_str(), static_cast<UINT>(name.size()), nullptr);
}

// Byte by byte as unsigned characters: upper case before lower case, "." and
// ".." before letters.
int CDirListBox::CompareItem(const COMPAREITEMSTRUCT& items) {
  const int order = ItemName(items.itemData1)->compare(*ItemName(items.itemData2));
  return order < 0 ? -1 : order > 0 ? 1 : 0;
}
