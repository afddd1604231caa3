#pragma once
// The application object: start-up and shut-down hooks, the message loop with
// pre-translation per top-level window, application commands and dialog colours.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/FrameWnd.h"
#include "framework/Handles.h"

class CWinApp {
 public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  virtual BOOL InitApplication();
  virtual BOOL InitInstance();
  // Returns the process exit code.
  virtual int ExitInstance();

  // The message loop, until WM_QUIT; returns its exit code.
  int Run();
  // Offers msg to the frame's accelerators or to a modeless dialog; true when used.
  bool PreTranslateMessage(MSG& msg);
  // When the queue is empty: brings the toolbar buttons up to date.
  void OnIdle();

  // Application commands, after the main window's own.
  virtual bool OnCmdMsg(UINT id);
  virtual std::optional<bool> QueryCommand(UINT id) const;

  // Dialog background and text colours for the whole application.
  void SetDialogBkColor(COLORREF background = RGB(192, 192, 192), COLORREF text = RGB(0, 0, 0));
  HBRUSH DialogBrush() const { return dialogBrush_.get(); }
  COLORREF DialogBackgroundColor() const { return dialogBackground_; }
  COLORREF DialogTextColor() const { return dialogText_; }

  // Modeless dialogs whose keyboard messages go through IsDialogMessage.
  void AddModelessDialog(HWND dialog);
  void RemoveModelessDialog(HWND dialog);

  // Registers a window class that is unregistered with the application object.
  bool RegisterClass(const WNDCLASSA& windowClass);
  // A class for windows bound by CWnd, named after its attributes and registered
  // once; empty when registration failed.
  std::string RegisterWndClass(UINT style, HCURSOR cursor, HBRUSH background, HICON icon);

  HINSTANCE m_hInstance;
  std::string m_appName;                 // string AFX_IDS_APP_TITLE
  std::unique_ptr<CFrameWnd> m_pMainWnd;

 protected:
  void OnAppExit();

 private:
  std::vector<HWND> modeless_;
  std::vector<std::string> registeredClasses_;
  UniqueBrush dialogBrush_;
  COLORREF dialogBackground_ = 0;
  COLORREF dialogText_ = 0;
};

// The one application object of the process, or null.
CWinApp* AfxGetApp();

// The body of WinMain: InitApplication, InitInstance, Run, ExitInstance.
int AfxWinMain();
