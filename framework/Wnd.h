#pragma once
// The base of every window object: binds an HWND to a C++ object and turns
// messages into virtual calls.
#include <windows.h>

#include <string>

class CWnd {
 public:
  CWnd() = default;
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // The object bound to wnd, or null.
  static CWnd* FromHandle(HWND wnd);

  // A class for windows bound by CWnd, named after its attributes and registered
  // once per process; empty when registration failed.
  static std::string RegisterWndClass(UINT style, HCURSOR cursor, HBRUSH background, HICON icon);

  // Creates a window of one of our classes or of a system class; the object is
  // bound before the window's first message. A rect whose left is CW_USEDEFAULT
  // leaves position and size to the system.
  bool CreateEx(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, const RECT& rect,
                HWND parent, UINT id);
  // Binds this object to an existing control of a dialog.
  bool SubclassDlgItem(UINT id, CWnd* parent);
  bool DestroyWindow();

  HWND m_hWnd = nullptr;
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  std::string GetWindowText() const;
  static std::string GetWindowText(HWND wnd);
  std::string GetDlgItemText(int id) const { return GetWindowText(GetDlgItem(id)); }
  void SetDlgItemText(int id, const std::string& text) { ::SetDlgItemTextA(m_hWnd, id, text.c_str()); }
  void EnableDlgItem(int id, bool enable) { EnableWindow(GetDlgItem(id), enable); }
  LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const {
    return ::SendMessageA(m_hWnd, msg, wp, lp);
  }

  // The window procedure of every bound window.
  static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;

 protected:
  virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
  // The previous procedure's (or the dialog manager's) handling of the current message.
  virtual LRESULT Default();

  // WM_COMMAND; true when handled.
  virtual bool OnCommand(UINT id, UINT code, HWND control);
  // WM_NOTIFY; true when handled, with the result.
  virtual bool OnNotify(const NMHDR& header, LRESULT& result);
  // Owner-draw callbacks that the parent reflects to the control they concern.
  virtual bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  // After the last message, once the window is gone.
  virtual void PostNcDestroy() {}

  // Binds this object to wnd; system classes are subclassed.
  void Attach(HWND wnd);
  // Binds a dialog, whose procedure stays the dialog manager's.
  void AttachDialog(HWND wnd);
  // Runs WindowProc for one message with it as the current message.
  LRESULT Dispatch(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
  const MSG& CurrentMessage() const { return current_; }

 private:
  void Detach();
  bool ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  static LRESULT CALLBACK CreationHook(int code, WPARAM wp, LPARAM lp) noexcept;

  WNDPROC superProc_ = nullptr;  // the class's own procedure, or DefWindowProcA for ours
  MSG current_{};
};
