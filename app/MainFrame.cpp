#include "app/MainFrame.h"

#include "exports/ExportCommands.h"
#include "exports/ExportListStore.h"
#include "framework/InstallDirs.h"
#include "framework/Messages.h"
#include "framework/WinApp.h"
#include "mapping/MappingSheet.h"
#include "portable/SharedWithService.h"
#include "printing/ExportedPrintersDlg.h"
#include "printing/PrintQueueWnd.h"
#include "resources/resource.h"
#include "status/ClientSheet.h"
#include "status/ServerOptionsDlg.h"

namespace {
constexpr UINT kExportsButtons[] = {
    ID_EXPORT_NEW, ID_SEPARATOR, ID_EXPORT_EDIT, ID_SEPARATOR, ID_EXPORT_DELETE, ID_SEPARATOR,
    ID_PRINT_QUEUE, ID_SEPARATOR, ID_EXPORTED_PRINTERS, ID_SEPARATOR, ID_HELP};
constexpr UINT kServerButtons[] = {
    ID_MAPPING, ID_SEPARATOR, ID_CLIENTS, ID_SEPARATOR, ID_SERVER_OPTIONS, ID_SEPARATOR,
    ID_HOSTS_EDITOR, ID_SEPARATOR, ID_APP_ABOUT, ID_SEPARATOR, ID_APP_EXIT};
constexpr SIZE kButtonSize{74, 21};
constexpr SIZE kImageSize{48, 15};

bool CreateToolBar(CToolBar& bar, CWnd& frame, UINT bitmapId, std::span<const UINT> buttons) {
  if (!bar.Create(frame, AFX_IDW_TOOLBAR)) return false;
  bar.SetSizes(kButtonSize, kImageSize);
  return bar.LoadBitmap(bitmapId) && bar.SetButtons(buttons);
}
}  // namespace

CMainFrame::CMainFrame() = default;
CMainFrame::~CMainFrame() = default;

std::span<const CommandEntry<CMainFrame>> CMainFrame::Commands() {
  static constexpr CommandEntry<CMainFrame> kCommands[] = {
      {ID_EXPORT_NEW, &CMainFrame::OnNew},
      {ID_EXPORT_EDIT, &CMainFrame::OnEdit, &CMainFrame::HasSelection},
      {ID_EXPORT_DELETE, &CMainFrame::OnDelete, &CMainFrame::HasSelection},
      {ID_EXPORT_SELCHANGE, &CMainFrame::OnSelectionChanged},
      {ID_SELECT_PREVIOUS, &CMainFrame::OnSelectPrevious},
      {ID_SELECT_NEXT, &CMainFrame::OnSelectNext},
      {ID_MAPPING, &CMainFrame::OnMapping},
      {ID_CLIENTS, &CMainFrame::OnClients},
      {ID_SERVER_OPTIONS, &CMainFrame::OnServerOptions},
      {ID_HOSTS_EDITOR, &CMainFrame::OnHostsEditor},
      {ID_PRINT_QUEUE, &CMainFrame::OnPrintQueue},
      {ID_EXPORTED_PRINTERS, &CMainFrame::OnExportedPrinters},
  };
  return kCommands;
}

bool CMainFrame::RunCommand(UINT id) { return ::RunCommand(*this, Commands(), id); }

std::optional<bool> CMainFrame::QueryCommand(UINT id) const {
  return ::QueryCommand(*this, Commands(), id);
}

UINT CMainFrame::PromptStringId(UINT id) const { return id == ID_HELP ? IDS_HELP_PROMPT : id; }

bool CMainFrame::CreatePane() {
  pane_ = std::make_unique<CExportPane>(*this, IniInstallPath(kExportsFileName, kExportsPathSize));
  return pane_->Create(*this, AFX_IDW_PANE_FIRST);
}

int CMainFrame::OnCreate(const CREATESTRUCTA& create) {
  if (CFrameWnd::OnCreate(create) == -1 || !CreatePane()) return -1;
  if (!CreateToolBar(exportsBar_, *this, IDR_MAINFRAME, kExportsButtons)) return -1;
  if (!CreateToolBar(serverBar_, *this, IDB_TOOLBAR_SERVER, kServerButtons)) return -1;
  AddTopBar(exportsBar_);
  AddTopBar(serverBar_);
  if (!statusBar_.Create(*this, AFX_IDW_STATUS_BAR) || !statusBar_.SetOnePane()) return -1;
  SetStatusBar(statusBar_);
  LoadAccelTable(IDR_MAINFRAME);
  return 0;
}

LRESULT CMainFrame::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_DESTROY:
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wp) AfxGetApp()->ExitInstance();
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_SIZE: {
      const LRESULT result = CFrameWnd::WindowProc(msg, wp, lp);
      RepaintToolBarEnd();
      return result;
    }
    case kExportAppendedMessage:
      if (pane_->ExportsPath()) AppendLastExport(*pane_->ExportsPath(), pane_->List());
      return 0;
    case WM_SETFOCUS:
      // Back from a dialog or another program: the keys go to the list, as before.
      if (pane_ && pane_->List().m_hWnd) {
        SetFocus(pane_->List().m_hWnd);
        return 0;
      }
      break;
  }
  return CFrameWnd::WindowProc(msg, wp, lp);
}

// The toolbar control leaves stale pixels right of its last button when the
// frame is resized; repaint from the separator before help onwards.
void CMainFrame::RepaintToolBarEnd() {
  if (!exportsBar_.m_hWnd) return;
  RECT area{};
  GetClientRect(exportsBar_.m_hWnd, &area);
  const int help = exportsBar_.CommandToIndex(ID_HELP);
  if (help < 1) return;
  area.left = exportsBar_.GetItemRect(help - 1).right - 1;
  InvalidateRect(exportsBar_.m_hWnd, &area, TRUE);
}

bool CMainFrame::HasSelection() const { return pane_ && pane_->List().GetCurSel() != LB_ERR; }

void CMainFrame::OnNew() { NewExport(*pane_); }
void CMainFrame::OnEdit() { EditExport(*pane_); }
void CMainFrame::OnDelete() { DeleteExport(*pane_); }

void CMainFrame::OnSelectionChanged() {
  SetMessageText(LoadResString(IDS_READY).substr(0, 63));
  UpdateWindow(StatusBar().m_hWnd);
}

void CMainFrame::OnSelectPrevious() {
  CExportListBox& list = pane_->List();
  const int index = list.GetCurSel();
  if (index >= 1) list.SetCurSel(index - 1);
}

void CMainFrame::OnSelectNext() {
  CExportListBox& list = pane_->List();
  const int index = list.GetCurSel();
  if (list.GetCount() - 1 > index) list.SetCurSel(index + 1);
}

// The sheet reads and writes the mapping files itself; its result is of no use here.
void CMainFrame::OnMapping() {
  CMappingSheet sheet("Uid&GID Mapping", nullptr, 0);
  sheet.DoModal();
}

// The sheet and the dialog read and write their own files and values.
void CMainFrame::OnClients() { CClientSheet("Clients Information", nullptr, 0).DoModal(); }
void CMainFrame::OnServerOptions() { CServerOptionsDlg().DoModal(); }

void CMainFrame::OnHostsEditor() {
  if (std::optional<std::string> program = RegistryInstallPath(kHostEditorFileName))
    WinExec(("\"" + *program + "\"").c_str(), SW_SHOWNORMAL);
}

void CMainFrame::OnPrintQueue() { OpenPrintQueue(); }
void CMainFrame::OnExportedPrinters() { ShowExportedPrinters(this); }

void CMainFrame::OnClose() {
  ShowWindow(m_hWnd, SW_HIDE);
  ShowOwnedPopups(m_hWnd, FALSE);
  SetWindowPos(m_hWnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  PostQuitMessage(0);
}
