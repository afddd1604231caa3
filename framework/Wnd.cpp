#include "framework/Wnd.h"

#include <commctrl.h>

#include <cstdio>

#include "framework/ChangeHistory.h"
#include "framework/UnkeptVersionsBox.h"

// A bound window's object is in its GWLP_USERDATA, which the framework reserves
// for itself on every window it creates or subclasses: reading it takes no trip
// to the window manager, and list boxes ask for it on every comparison.
namespace {
// The object whose window CreateEx is creating on this thread.
thread_local CWnd* t_creating = nullptr;
}  // namespace

std::string CWnd::RegisterWndClass(UINT style, HCURSOR cursor, HBRUSH background, HICON icon) {
  // Room for the style and three 64-bit handles in hexadecimal; bounded all the same.
  char name[96];
  std::snprintf(name, sizeof name, "NfsConsole:%x:%p:%p:%p", style, static_cast<void*>(cursor),
                static_cast<void*>(background), static_cast<void*>(icon));
  WNDCLASSA existing{};
  if (GetClassInfoA(GetModuleHandleA(nullptr), name, &existing)) return name;
  WNDCLASSA windowClass{};
  windowClass.style = style;
  windowClass.lpfnWndProc = &CWnd::WndProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hIcon = icon;
  windowClass.hCursor = cursor;
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  return RegisterClassA(&windowClass) ? name : std::string();
}

CWnd::~CWnd() {
  if (m_hWnd && IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::FromHandle(HWND wnd) {
  return wnd ? reinterpret_cast<CWnd*>(GetWindowLongPtrA(wnd, GWLP_USERDATA)) : nullptr;
}

void CWnd::Attach(HWND wnd) {
  m_hWnd = wnd;
  SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  auto proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(wnd, GWLP_WNDPROC));
  if (proc == &CWnd::WndProc) {
    superProc_ = DefWindowProcA;
  } else {
    superProc_ = proc;
    SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::WndProc));
  }
}

void CWnd::AttachDialog(HWND wnd) {
  m_hWnd = wnd;
  SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void CWnd::Detach() {
  if (superProc_ && superProc_ != DefWindowProcA)
    SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(superProc_));
  SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
  m_hWnd = nullptr;
  superProc_ = nullptr;
}

LRESULT CALLBACK CWnd::CreationHook(int code, WPARAM wp, LPARAM lp) noexcept {
  if (code == HCBT_CREATEWND && t_creating) {
    CWnd* wnd = t_creating;
    t_creating = nullptr;
    wnd->Attach(reinterpret_cast<HWND>(wp));
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

bool CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style,
                    const RECT& rect, HWND parent, UINT id) {
  HHOOK hook = SetWindowsHookExA(WH_CBT, &CWnd::CreationHook, nullptr, GetCurrentThreadId());
  if (!hook) return false;
  // A rectangle whose left is CW_USEDEFAULT leaves position and size to the system.
  const bool byDefault = rect.left == CW_USEDEFAULT;
  t_creating = this;
  HWND wnd = CreateWindowExA(exStyle, className, title, style, rect.left,
                             byDefault ? CW_USEDEFAULT : rect.top,
                             byDefault ? CW_USEDEFAULT : rect.right - rect.left,
                             byDefault ? CW_USEDEFAULT : rect.bottom - rect.top, parent,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                             GetModuleHandleA(nullptr), nullptr);
  t_creating = nullptr;
  UnhookWindowsHookEx(hook);
  return wnd != nullptr;
}

bool CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  HWND control = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
  if (!control || FromHandle(control)) return false;
  Attach(control);
  return true;
}

bool CWnd::DestroyWindow() { return m_hWnd && ::DestroyWindow(m_hWnd); }

std::string CWnd::GetWindowText() const { return GetWindowText(m_hWnd); }

std::string CWnd::GetWindowText(HWND wnd) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(wnd)) + 1, '\0');
  text.resize(static_cast<size_t>(::GetWindowTextA(wnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

LRESULT CALLBACK CWnd::WndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  CWnd* object = FromHandle(wnd);
  return object ? object->Dispatch(wnd, msg, wp, lp) : DefWindowProcA(wnd, msg, wp, lp);
}

LRESULT CWnd::Dispatch(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  const MSG outer = current_;
  current_ = MSG{wnd, msg, wp, lp, 0, {}};
  const LRESULT result = WindowProc(msg, wp, lp);
  current_ = outer;
  if (msg == WM_NCDESTROY) {
    Detach();
    PostNcDestroy();
  }
  return result;
}

LRESULT CWnd::Default() {
  return CallWindowProcA(superProc_, current_.hwnd, current_.message, current_.wParam,
                         current_.lParam);
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  switch (msg) {
    case WM_COMMAND: {
      // Kept with the versions of any shared file the command changes; and the
      // user is told, once it has ended, if none could be kept.
      SetChangeActionFromCommand(m_hWnd, LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
      const bool handled = OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
      ShowUnkeptVersions();
      if (handled) return 0;
      break;
    }
    case WM_NOTIFY:
      if (OnNotify(*reinterpret_cast<const NMHDR*>(lp), result)) return result;
      break;
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
      if (ReflectToChild(msg, wp, lp, result)) return result;
      break;
  }
  return Default();
}

bool CWnd::ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  HWND child = nullptr;
  switch (msg) {
    case WM_DRAWITEM: child = reinterpret_cast<DRAWITEMSTRUCT*>(lp)->hwndItem; break;
    case WM_COMPAREITEM: child = reinterpret_cast<COMPAREITEMSTRUCT*>(lp)->hwndItem; break;
    case WM_DELETEITEM: child = reinterpret_cast<DELETEITEMSTRUCT*>(lp)->hwndItem; break;
    case WM_MEASUREITEM: child = GetDlgItem(static_cast<int>(reinterpret_cast<MEASUREITEMSTRUCT*>(lp)->CtlID)); break;
  }
  CWnd* object = FromHandle(child);
  return object && object->OnChildNotify(msg, wp, lp, result);
}

bool CWnd::OnCommand(UINT, UINT, HWND) { return false; }
bool CWnd::OnNotify(const NMHDR&, LRESULT&) { return false; }
bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT&) { return false; }
