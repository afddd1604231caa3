#include "exports/ExportPane.h"

#include <cstring>

#include "exports/ExportRowText.h"
#include "framework/Handles.h"
#include "resources/resource.h"

namespace {
const COLORREF kHeaderText = RGB(255, 255, 255);
const COLORREF kHeaderBackground = RGB(0, 128, 128);
constexpr int kHeaderLength = sizeof kExportListHeader - 1;
}  // namespace

CExportPane::CExportPane(std::unique_ptr<CExportListBox>& listSlot, RECT& listRect, RECT& headerRect,
                         CWnd& frame)
    : listSlot_(listSlot), listRect_(listRect), headerRect_(headerRect), frame_(frame) {
  ClientDC dc(frame.m_hWnd);
  SIZE extent{};
  {
    SelectedObject font(dc.get(), GetStockObject(ANSI_FIXED_FONT));
    GetTextExtentPointA(dc.get(), kExportListHeader, kHeaderLength, &extent);
  }
  charWidth_ = extent.cx / kHeaderLength;
  headerRect_ = RECT{0, 0, extent.cx + 4, extent.cy + 2};
  listRect_ = RECT{};
}

bool CExportPane::Create(CWnd& frame, UINT id) {
  const std::string windowClass = CWnd::RegisterWndClass(
      CS_DBLCLKS | CS_VREDRAW, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr);
  return !windowClass.empty() &&
         CreateEx(0, windowClass.c_str(), nullptr, WS_CHILD | WS_VISIBLE, RECT{}, frame.m_hWnd, id);
}

void CExportPane::DrawHeader(HDC dc) {
  RECT band = headerRect_;
  band.right = std::max(band.right, listRect_.right);
  // The header scrolls with the list's columns.
  const int scrolled = listSlot_ ? GetScrollPos(listSlot_->m_hWnd, SB_HORZ) : 0;
  ExtTextOutA(dc, -scrolled, 0, ETO_OPAQUE, &band, kExportListHeader, kHeaderLength, nullptr);
  MoveToEx(dc, 0, 0, nullptr);
  LineTo(dc, 0, band.bottom);
  LineTo(dc, band.right, band.bottom);
}

void CExportPane::PlaceList() {
  GetClientRect(m_hWnd, &listRect_);
  listRect_.top = headerRect_.bottom + 1;
  MoveWindow(listSlot_->m_hWnd, listRect_.left, listRect_.top, listRect_.right - listRect_.left,
             listRect_.bottom - listRect_.top, TRUE);
}

LRESULT CExportPane::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE: {
      listSlot_ = std::make_unique<CExportListBox>(listRect_, headerRect_);
      listSlot_->Create(*this, charWidth_);
      return 0;
    }
    case WM_DESTROY:
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(m_hWnd, &paint);
      {
        TextColors colors(dc, kHeaderText, kHeaderBackground);
        SelectedObject font(dc, GetStockObject(ANSI_FIXED_FONT));
        SelectedObject pen(dc, GetStockObject(BLACK_PEN));
        DrawHeader(dc);
      }
      EndPaint(m_hWnd, &paint);
      return 0;
    }
    case WM_SIZE:
      if ((wp == SIZE_RESTORED || wp == SIZE_MAXIMIZED) && listSlot_ && listSlot_->m_hWnd) PlaceList();
      return 0;
  }
  return CWnd::WindowProc(msg, wp, lp);
}

bool CExportPane::OnCommand(UINT id, UINT code, HWND) {
  if (id != IDC_EXPORT_LIST) return false;
  if (code == LBN_DBLCLK && listSlot_->GetCurSel() != LB_ERR)
    frame_.SendMessage(WM_COMMAND, ID_EXPORT_EDIT, 0);
  else if (code == LBN_SELCHANGE)
    frame_.SendMessage(WM_COMMAND, ID_EXPORT_SELCHANGE, 0);
  return true;
}
