#include "app/MainFrame.h"

#include "app/InstallDirs.h"
#include "exports/ExportCommands.h"
#include "exports/ExportListStore.h"
#include "framework/Messages.h"
#include "framework/WinApp.h"
#include "resources/resource.h"
#include "status/ClientSheet.h"
#include "status/ServerOptionsDlg.h"
#include "status/SharedWithService.h"

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
      {ID_CLIENTS, &CMainFrame::OnClients},
      {ID_SERVER_OPTIONS, &CMainFrame::OnServerOptions},
      {ID_HOSTS_EDITOR, &CMainFrame::OnHostsEditor},
  };
  return kCommands;
}

bool CMainFrame::RunCommand(UINT id) { return ::RunCommand(*this, Commands(), id); }

std::optional<bool> CMainFrame::QueryCommand(UINT id) const {
  return ::QueryCommand(*this, Commands(), id);
}

UINT CMainFrame::PromptStringId(UINT id) const { return id == ID_HELP ? IDS_HELP_PROMPT : id; }

bool CMainFrame::OnCreateClient() {
  pane_ = std::make_unique<CExportPane>(list_, listRect_, headerRect_, *this);
  return pane_->Create(*this, AFX_IDW_PANE_FIRST);
}

int CMainFrame::OnCreate(const CREATESTRUCTA& create) {
  if (CFrameWnd::OnCreate(create) == -1) return -1;
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
      AppendLastExport(*list_);
      return 0;
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

bool CMainFrame::HasSelection() const { return list_ && list_->GetCurSel() != LB_ERR; }

void CMainFrame::OnNew() { NewExport(*this, *list_); }
void CMainFrame::OnEdit() { EditExport(*this, *list_); }

void CMainFrame::OnDelete() {
  if (AfxMessageBox(IDS_DELETE_QUESTION, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  const int index = list_->GetCurSel();
  if (index == LB_ERR) return;
  list_->DeleteString(index);
  if (list_->SetCurSel(index) == LB_ERR) list_->SetCurSel(index - 1);
  InvalidateRect(pane_->m_hWnd, nullptr, TRUE);
  WriteExportsFile(*list_);
}

void CMainFrame::OnSelectionChanged() {
  SetMessageText(LoadResString(IDS_READY).substr(0, 63));
  UpdateWindow(StatusBar().m_hWnd);
}

void CMainFrame::OnSelectPrevious() {
  const int index = list_->GetCurSel();
  if (index >= 1) list_->SetCurSel(index - 1);
}

void CMainFrame::OnSelectNext() {
  const int index = list_->GetCurSel();
  if (list_->GetCount() - 1 > index) list_->SetCurSel(index + 1);
}

// The sheet and the dialog read and write their own files and values.
void CMainFrame::OnClients() { CClientSheet("Clients Information", nullptr, 0).DoModal(); }
void CMainFrame::OnServerOptions() { CServerOptionsDlg().DoModal(); }

void CMainFrame::OnHostsEditor() {
  if (std::optional<std::string> program = RegistryInstallPath(kHostEditorFileName))
    WinExec(("\"" + *program + "\"").c_str(), SW_SHOWNORMAL);
}

void CMainFrame::OnClose() {
  ShowWindow(m_hWnd, SW_HIDE);
  ShowOwnedPopups(m_hWnd, FALSE);
  SetWindowPos(m_hWnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  PostQuitMessage(0);
}
