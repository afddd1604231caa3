#include "framework/WinApp.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/FrameworkIds.h"
#include "framework/Messages.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }

CWinApp::CWinApp() : m_hInstance(GetModuleHandleA(nullptr)) { g_app = this; }

CWinApp::~CWinApp() {
  m_pMainWnd.reset();
  for (const std::string& name : registeredClasses_) UnregisterClassA(name.c_str(), m_hInstance);
  if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitApplication() {
  m_appName = LoadResString(AFX_IDS_APP_TITLE);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_WIN95_CLASSES};
  return InitCommonControlsEx(&controls);
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() {
  if (m_pMainWnd) m_pMainWnd->DestroyWindow();
  return 0;
}

bool CWinApp::PreTranslateMessage(MSG& msg) {
  HWND top = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (!top) return false;
  if (m_pMainWnd && top == m_pMainWnd->m_hWnd) return m_pMainWnd->PreTranslateMessage(msg);
  for (HWND dialog : modeless_)
    if (top == dialog) return IsDialogMessageA(dialog, &msg) != 0;
  return false;
}

void CWinApp::OnIdle() {
  if (m_pMainWnd && m_pMainWnd->m_hWnd) m_pMainWnd->UpdateCommandButtons();
}

int CWinApp::Run() {
  MSG msg;
  for (;;) {
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) OnIdle();
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    if (got == -1) return -1;
    if (!PreTranslateMessage(msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
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

void CWinApp::SetDialogBkColor(COLORREF background, COLORREF text) {
  dialogBrush_.reset(CreateSolidBrush(background));
  dialogBackground_ = background;
  dialogText_ = text;
}

void CWinApp::AddModelessDialog(HWND dialog) { modeless_.push_back(dialog); }

void CWinApp::RemoveModelessDialog(HWND dialog) { std::erase(modeless_, dialog); }

bool CWinApp::RegisterClass(const WNDCLASSA& windowClass) {
  if (!::RegisterClassA(&windowClass)) return false;
  registeredClasses_.emplace_back(windowClass.lpszClassName);
  return true;
}

std::string CWinApp::RegisterWndClass(UINT style, HCURSOR cursor, HBRUSH background, HICON icon) {
  char name[64];
  wsprintfA(name, "NfsConsole:%x:%p:%p:%p", style, cursor, background, icon);
  if (std::find(registeredClasses_.begin(), registeredClasses_.end(), name) != registeredClasses_.end())
    return name;
  WNDCLASSA windowClass{};
  windowClass.style = style;
  windowClass.lpfnWndProc = &CWnd::WndProc;
  windowClass.hInstance = m_hInstance;
  windowClass.hIcon = icon;
  windowClass.hCursor = cursor;
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  return RegisterClass(windowClass) ? name : std::string();
}

int AfxWinMain() {
  CWinApp* app = AfxGetApp();
  if (!app || !app->InitApplication()) return 0;
  if (!app->InitInstance()) return app->ExitInstance();
  app->Run();
  return app->ExitInstance();
}
