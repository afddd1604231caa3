#include "exports/ExportListBox.h"

#include <algorithm>

#include "exports/ExportRowText.h"
#include "exports/ExportOrder.h"
#include "framework/Handles.h"
#include "resources/resource.h"

namespace {
const COLORREF kSelectedText = RGB(255, 255, 255);
const COLORREF kSelectedBackground = RGB(184, 134, 11);
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_SORT |
                             LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT;
}  // namespace

bool CExportListBox::Create(CWnd& pane, const RECT& rect, SIZE row, int charWidth) {
  row_ = row;
  charWidth_ = charWidth;
  return CreateEx(0, "LISTBOX", nullptr, kListStyle, rect, pane.m_hWnd, IDC_EXPORT_LIST);
}

std::vector<const ExportEntry*> CExportListBox::Entries() const {
  std::vector<const ExportEntry*> entries;
  for (int i = 0, count = GetCount(); i < count; ++i) entries.push_back(RecordAt(i));
  return entries;
}

void CExportListBox::WidenExtentFor(const ExportEntry& entry) {
  const int widened = WidenExtent(extentChars_, entry);
  if (widened == extentChars_) return;
  extentChars_ = widened;
  SetHorizontalExtent(charWidth_ * extentChars_);
}

void CExportListBox::DrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_LISTBOX || item.CtlID != IDC_EXPORT_LIST) return;
  if (item.itemAction != ODA_DRAWENTIRE && item.itemAction != ODA_SELECT) return;
  const auto* entry = reinterpret_cast<const ExportEntry*>(item.itemData);
  if (!entry || item.itemID == static_cast<UINT>(-1)) return;

  const std::string line = FormatExportRow(*entry);
  SelectedObject font(item.hDC, GetStockObject(ANSI_FIXED_FONT));
  auto draw = [&] {
    ExtTextOutA(item.hDC, item.rcItem.left, item.rcItem.top + 1, ETO_OPAQUE, &item.rcItem,
                line.c_str(), static_cast<UINT>(line.size()), nullptr);
  };
  if (item.itemState & ODS_SELECTED) {
    TextColors selected(item.hDC, kSelectedText, kSelectedBackground);
    draw();
  } else {
    draw();
  }
}

void CExportListBox::MeasureItem(MEASUREITEMSTRUCT& item) {
  item.itemWidth = static_cast<UINT>(row_.cx);
  item.itemHeight = static_cast<UINT>(row_.cy);
}

int CExportListBox::CompareItem(const COMPAREITEMSTRUCT& items) {
  return CompareExportEntries(*reinterpret_cast<const ExportEntry*>(items.itemData1),
                              *reinterpret_cast<const ExportEntry*>(items.itemData2));
}

// Items paint their own rows opaquely; only the rest of the client area needs erasing.
void CExportListBox::EraseUncoveredArea(HDC dc) {
  RECT area{};
  GetClientRect(m_hWnd, &area);
  const int itemHeight = static_cast<int>(SendMessage(LB_GETITEMHEIGHT, 0));
  const int rows = GetCount() - static_cast<int>(SendMessage(LB_GETTOPINDEX));
  area.top = std::max<LONG>(area.top, std::min<LONG>(area.bottom, rows * itemHeight));
  if (area.top < area.bottom) FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
}

LRESULT CExportListBox::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      EraseUncoveredArea(reinterpret_cast<HDC>(wp));
      return TRUE;
    case WM_HSCROLL: {
      // The pane's header, above the list, follows the horizontal scrolling.
      const LRESULT result = Default();
      const HWND pane = GetParent(m_hWnd);
      RECT band{};
      GetClientRect(pane, &band);
      RECT self{};
      GetWindowRect(m_hWnd, &self);
      MapWindowPoints(nullptr, pane, reinterpret_cast<POINT*>(&self), 2);
      band.bottom = self.top;
      InvalidateRect(pane, &band, FALSE);
      return result;
    }
  }
  return CListBox::WindowProc(msg, wp, lp);
}
