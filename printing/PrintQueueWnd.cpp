#include "printing/PrintQueueWnd.h"

#include <memory>

#include "framework/MainWindow.h"
#include "printing/BannerSetting.h"
#include "printing/ExportedPrintersDlg.h"
#include "printing/PrintQueue.h"
#include "printing/PrintingPaths.h"
#include "printing/StartPrinting.h"
#include "resources/resource.h"

namespace {
constexpr char kTitle[] = "PCNFSD Printer Queue";
constexpr char kPausedTitle[] = "PCNFSD Printer Queue [PAUSED]";
constexpr COLORREF kLightGrey = RGB(192, 192, 192);

// The one queue window object, created at the first opening and kept for the
// process: a run of the queue may be inside its handlers when it is closed and
// opened again, so the object is reused rather than replaced.
std::unique_ptr<CPrintQueueWnd> g_queueWindow;
}  // namespace

void OpenPrintQueue() {
  if (!PrintingIsOn()) return;
  if (!g_queueWindow) {
    g_queueWindow = std::make_unique<CPrintQueueWnd>();
    // While the window is open it shows each change of the queue.
    SetQueueChangedHandler([] {
      if (g_queueWindow->m_hWnd) g_queueWindow->FillQueueList();
    });
  }
  CPrintQueueWnd& window = *g_queueWindow;
  if (window.m_hWnd) {
    ShowWindow(window.m_hWnd, SW_SHOWNORMAL);
    SetForegroundWindow(window.m_hWnd);
  } else if (!window.Create()) {
    return;
  }
  window.ShowPausedState();
  window.FillQueueList();
}

CPrintQueueWnd::CPrintQueueWnd() : CModelessDialog(IDD_PRINT_QUEUE) {}

BOOL CPrintQueueWnd::OnInitDialog() {
  list_.SubclassDlgItem(IDC_JOB_LIST, this);
  CheckDlgButton(m_hWnd, IDC_BANNER_PAGE, BannerSetting() != 0 ? BST_CHECKED : BST_UNCHECKED);
  brush_.reset(CreateSolidBrush(kLightGrey));
  SetDlgItemText(IDC_SPOOL_DIRECTORY, CurrentPrintingPaths().spoolDirectory);
  SetFocus(list_.m_hWnd);
  return FALSE;
}

void CPrintQueueWnd::FillQueueList() {
  list_.ResetContent();
  const std::vector<std::string> rows = ReadQueueRows();
  CListBox::BulkAdd bulk(list_, rows.size());
  for (const std::string& row : rows) list_.AddString(row.c_str());
}

void CPrintQueueWnd::ShowPausedState() { SetWindowTextA(m_hWnd, QueuePaused() ? kPausedTitle : kTitle); }

LRESULT CPrintQueueWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    // The window, its buttons and its texts are light grey; the list keeps its colours.
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (brush_) {
        SetBkColor(reinterpret_cast<HDC>(wp), kLightGrey);
        return reinterpret_cast<LRESULT>(brush_.get());
      }
      break;
  }
  return CModelessDialog::WindowProc(msg, wp, lp);
}

bool CPrintQueueWnd::OnCommand(UINT id, UINT code, HWND control) {
  if (code != BN_CLICKED) return CModelessDialog::OnCommand(id, code, control);
  switch (id) {
    case IDC_JOB_DELETE:
      OnDeleteJob();
      return true;
    case IDC_JOB_ABORT:
      SetWindowTextA(m_hWnd, kPausedTitle);
      PauseQueue();
      return true;
    case IDC_JOB_RESUME:
      SetWindowTextA(m_hWnd, kTitle);
      ResumeQueue();
      return true;
    case IDC_BANNER_PAGE:
      WriteBannerSetting(IsDlgButtonChecked(m_hWnd, IDC_BANNER_PAGE) == BST_CHECKED);
      return true;
    case IDC_QUEUE_HELP:
      ::SendMessageA(AfxGetMainWnd(), WM_COMMAND, ID_HELP, 0);
      return true;
    case IDC_QUEUE_PRINTERS:
      ShowExportedPrinters(this);
      return true;
    case IDC_QUEUE_CLOSE:
      OnCancel();
      return true;
  }
  return CModelessDialog::OnCommand(id, code, control);
}

void CPrintQueueWnd::OnDeleteJob() {
  const int row = list_.GetCurSel();
  if (row == LB_ERR) return;
  DeleteQueuedJob(list_.GetText(row));
  list_.DeleteString(row);
}
