#include "tests/win/MappingSheetFixture.h"

#include <algorithm>

#include "resources/resource.h"

void MappingSheetTest::SetUp() {
  ConsoleTest::SetUp();
  DeleteFileA(passwd_.c_str());
  DeleteFileA(group_.c_str());
}

std::string MappingSheetTest::SystemFile(const char* name) {
  char system[MAX_PATH];
  GetSystemDirectoryA(system, sizeof system);
  return std::string(system) + "\\drivers\\etc\\" + name;
}

void MappingSheetTest::RunSheet(std::function<void(HWND sheet)> step, const std::vector<std::string>& messages) {
  ScriptSheet(std::move(step));
  for (const std::string& text : messages) ExpectMessage(text);
  OpenSheet();
}

void MappingSheetTest::ScriptSheet(std::function<void(HWND sheet)> step) {
  script_.Then([step](HWND sheet) {
    EXPECT_EQ(CWnd::GetWindowText(sheet), "Uid&GID Mapping");
    step(sheet);
  });
}

void MappingSheetTest::OpenSheet() { Command(ID_MAPPING); }

HWND CurrentPage(HWND sheet) { return PropSheet_GetCurrentPageHwnd(sheet); }

int CurrentPageIndex(HWND sheet) {
  return static_cast<int>(SendMessageA(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(CurrentPage(sheet)), 0));
}

void ChoosePage(HWND sheet, int index) { PropSheet_SetCurSel(sheet, nullptr, index); }

std::string TabLabel(HWND sheet, int index) {
  char text[128] = "";
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(PropSheet_GetTabControl(sheet), TCM_GETITEMA, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&item));
  return text;
}

namespace {
void Pick(HWND page, int listId, const std::string& text) {
  LRESULT index = LB_ERR;
  if (!text.empty()) {
    index = SendDlgItemMessageA(page, listId, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>(text.c_str()));
    EXPECT_NE(index, LB_ERR) << text;
  }
  SendDlgItemMessageA(page, listId, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}
}  // namespace

int IdEdit(HWND page) { return GetDlgItem(page, IDC_USER_ID) ? IDC_USER_ID : IDC_GROUP_ID; }

void AddMapping(HWND page, const std::string& account, const std::string& id) {
  Pick(page, IDC_ACCOUNT_LIST, account);
  SetDlgItemTextA(page, IdEdit(page), id.c_str());
  ModalScript::Press(page, IDC_ADD_MAPPING);
}

void RemoveMapping(HWND page, const std::string& line) {
  Pick(page, IDC_MAPPING_LIST, line);
  ModalScript::Press(page, IDC_REMOVE_MAPPING);
}

std::vector<std::string> Sorted(std::vector<std::string> items) {
  std::sort(items.begin(), items.end());
  return items;
}
