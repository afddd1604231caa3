// What the export list draws, and its geometry, read back from real drawing.
#include <vector>

#include "exports/ExportRowText.h"
#include "framework/FrameworkIds.h"
#include "resources/resource.h"
#include "status/SharedWithService.h"
#include "tests/win/ConsoleFixture.h"

namespace {

// One text drawn into a metafile, with the colours in force.
struct DrawnText {
  std::string text;
  COLORREF textColor;
  COLORREF backgroundColor;
};

int CALLBACK CollectTexts(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
  static COLORREF text = 0, background = 0;
  auto* texts = reinterpret_cast<std::vector<DrawnText>*>(data);
  switch (record->iType) {
    case EMR_SETTEXTCOLOR: text = reinterpret_cast<const EMRSETTEXTCOLOR*>(record)->crColor; break;
    case EMR_SETBKCOLOR: background = reinterpret_cast<const EMRSETTEXTCOLOR*>(record)->crColor; break;
    case EMR_EXTTEXTOUTA: {
      const auto* out = reinterpret_cast<const EMREXTTEXTOUTA*>(record);
      const char* chars = reinterpret_cast<const char*>(record) + out->emrtext.offString;
      texts->push_back({std::string(chars, out->emrtext.nChars), text, background});
      break;
    }
    case EMR_EXTTEXTOUTW: {  // some GDIs record narrow text in its wide form
      const auto* out = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
      const auto* chars = reinterpret_cast<const wchar_t*>(reinterpret_cast<const char*>(record) +
                                                           out->emrtext.offString);
      std::string narrow(out->emrtext.nChars, '\0');
      WideCharToMultiByte(CP_ACP, 0, chars, static_cast<int>(out->emrtext.nChars), narrow.data(),
                          static_cast<int>(narrow.size()), nullptr, nullptr);
      texts->push_back({narrow, text, background});
      break;
    }
  }
  return 1;
}

class ExportListWindowTest : public ConsoleTest {
 protected:
  // Has the list draw item index into a metafile, as the list box would.
  std::vector<DrawnText> DrawItem(int index, UINT state) {
    HDC meta = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_LISTBOX;
    item.CtlID = IDC_EXPORT_LIST;
    item.itemID = static_cast<UINT>(index);
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = List().m_hWnd;
    item.hDC = meta;
    item.rcItem = RECT{0, 0, 600, 16};
    item.itemData = reinterpret_cast<ULONG_PTR>(List().RecordAt(index));
    SendMessageA(GetParent(List().m_hWnd), WM_DRAWITEM, IDC_EXPORT_LIST, reinterpret_cast<LPARAM>(&item));
    HENHMETAFILE drawn = CloseEnhMetaFile(meta);
    std::vector<DrawnText> texts;
    EnumEnhMetaFile(nullptr, drawn, &CollectTexts, &texts, nullptr);
    DeleteEnhMetaFile(drawn);
    return texts;
  }
};

TEST_F(ExportListWindowTest, ItemsDrawTheirLineInTheSelectionColours) {
  WriteFile(InstallPath(kExportsFileName),
            "D:\\Upper;0 \r\nc:\\data\\engineering\\cad-models\\final eng01 eng02;0 \r\n");
  StartConsole();
  ASSERT_EQ(List().GetCount(), 2);

  std::vector<DrawnText> drawn = DrawItem(1, 0);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].text, FormatExportRow(*List().RecordAt(1)));
  EXPECT_EQ(drawn[0].text.substr(0, 9), "   c:...e");

  drawn = DrawItem(0, ODS_SELECTED);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].text.substr(0, 36), "   d:\\Upper                         ");
  EXPECT_EQ(drawn[0].text.substr(36), "<exported to all clients>");
  EXPECT_EQ(drawn[0].textColor, RGB(255, 255, 255));
  EXPECT_EQ(drawn[0].backgroundColor, RGB(184, 134, 11));
}

TEST_F(ExportListWindowTest, GeometryHeaderBandAndExtent) {
  WriteFile(InstallPath(kExportsFileName), "c:\\a alpha beta;0 \r\nc:\\b gamma;0 \r\n");
  StartConsole();
  HWND pane = GetDlgItem(Frame().m_hWnd, AFX_IDW_PANE_FIRST);
  ASSERT_TRUE(pane);

  // The header is 54 fixed-pitch characters plus margins; the list sits just below it.
  HDC dc = GetDC(pane);
  HGDIOBJ old = SelectObject(dc, GetStockObject(ANSI_FIXED_FONT));
  SIZE header{};
  GetTextExtentPointA(dc, kExportListHeader, 54, &header);
  SelectObject(dc, old);
  const int charWidth = header.cx / 54;
  EXPECT_EQ(List().SendMessage(LB_GETITEMHEIGHT), header.cy + 2);
  RECT list{};
  GetWindowRect(List().m_hWnd, &list);
  MapWindowPoints(nullptr, pane, reinterpret_cast<POINT*>(&list), 2);
  EXPECT_EQ(list.top, header.cy + 2 + 1);

  // The extent covers the longest clients text ("alpha, beta") plus 40 characters.
  EXPECT_EQ(List().SendMessage(LB_GETHORIZONTALEXTENT), charWidth * (11 + 40));

  // Once sized, the teal band reaches the pane's right edge.
  RECT client{};
  GetClientRect(pane, &client);
  RedrawWindow(pane, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(GetPixel(dc, client.right - 2, 2), RGB(0, 128, 128));
  EXPECT_EQ(GetPixel(dc, 0, 2), RGB(0, 0, 0));  // the black line down the left edge
  ReleaseDC(pane, dc);
}

TEST_F(ExportListWindowTest, HeaderFollowsTheListsHorizontalScrolling) {
  WriteFile(InstallPath(kExportsFileName), "c:\\a " + std::string(300, 'h') + ";0 \r\n");
  StartConsole();
  HWND pane = GetParent(List().m_hWnd);
  HDC dc = GetDC(pane);
  auto headerRow = [&] {
    RedrawWindow(pane, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    std::vector<COLORREF> row;
    for (int x = 0; x < 300; ++x) row.push_back(GetPixel(dc, x, 6));
    return row;
  };
  const std::vector<COLORREF> before = headerRow();
  for (int i = 0; i < 5; ++i) List().SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
  const int scrolled = GetScrollPos(List().m_hWnd, SB_HORZ);
  ASSERT_GT(scrolled, 0);
  const std::vector<COLORREF> after = headerRow();
  ReleaseDC(pane, dc);
  // What stood at x + scrolled now stands at x (the left edge line aside).
  for (int x = 1; x + scrolled < 300; ++x) ASSERT_EQ(after[x], before[x + scrolled]) << "column " << x;
}

TEST_F(ExportListWindowTest, DoubleClickEditsOnlyWithASelection) {
  WriteFile(InstallPath(kExportsFileName), "c:\\a;0 \r\n");
  StartConsole();
  HWND pane = GetParent(List().m_hWnd);
  // With no selection the pane sends nothing: no dialog may show up.
  SendMessageA(pane, WM_COMMAND, MAKEWPARAM(IDC_EXPORT_LIST, LBN_DBLCLK),
               reinterpret_cast<LPARAM>(List().m_hWnd));
  Pump();
  EXPECT_TRUE(script_.Unexpected().empty());

  // With a selection it opens the editor on that item.
  List().SetCurSel(0);
  script_.Then([](HWND dialog) {
    EXPECT_EQ(CWnd::GetWindowText(GetDlgItem(dialog, IDC_PATH)), "\\a");
    ModalScript::Press(dialog, IDCANCEL);
  });
  SendMessageA(pane, WM_COMMAND, MAKEWPARAM(IDC_EXPORT_LIST, LBN_DBLCLK),
               reinterpret_cast<LPARAM>(List().m_hWnd));
  Pump();
}

}  // namespace
