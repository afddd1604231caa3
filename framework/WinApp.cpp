#include "framework/WinApp.h"

#include <commctrl.h>

#include "framework/FrameworkIds.h"
#include "framework/MainWindow.h"
#include "framework/Messages.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }

CWinApp::CWinApp() : m_hInstance(GetModuleHandleA(nullptr)) { g_app = this; }

CWinApp::~CWinApp() {
  m_pMainWnd.reset();
  AfxSetMainWnd(nullptr);
  for (const std::string& name : registeredClasses_) UnregisterClassA(name.c_str(), m_hInstance);
  if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitApplication() {
  m_appName = LoadResString(AFX_IDS_APP_TITLE);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_WIN95_CLASSES};
  if (InitCommonControlsEx(&controls)) return TRUE;
  // Said in plain text: a platform this old may lack the string table's support too.
  MessageBoxA(nullptr, "The common controls (COMCTL32.DLL) could not be initialised; the program cannot start.",
              m_appName.empty() ? "Error" : m_appName.c_str(), MB_OK | MB_ICONSTOP);
  return FALSE;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() {
  if (m_pMainWnd) m_pMainWnd->DestroyWindow();
  return 0;
}

void CWinApp::SetMainWnd(std::unique_ptr<CFrameWnd> frame) {
  m_pMainWnd = std::move(frame);
  AfxSetMainWnd(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr);
  if (m_pMainWnd) m_pMainWnd->SetNextCommandTarget(this);
}

bool CWinApp::OnCmdMsg(UINT id) {
  if (id != ID_APP_EXIT) return false;
  OnAppExit();
  return true;
}

std::optional<bool> CWinApp::QueryCommand(UINT id) const {
  if (id == ID_APP_EXIT) return true;
  return std::nullopt;
}

void CWinApp::OnAppExit() {
  if (m_pMainWnd && m_pMainWnd->m_hWnd) m_pMainWnd->SendMessage(WM_CLOSE);
}

bool CWinApp::RegisterClass(const WNDCLASSA& windowClass) {
  if (!::RegisterClassA(&windowClass)) return false;
  registeredClasses_.emplace_back(windowClass.lpszClassName);
  return true;
}

int AfxWinMain() {
  CWinApp* app = AfxGetApp();
  if (!app || !app->InitApplication()) return 0;
  if (!app->InitInstance()) return app->ExitInstance();
  app->Run();
  return app->ExitInstance();
}
