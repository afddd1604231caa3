#pragma once
// The application object: start-up and shut-down hooks, the message loop and the
// main window it owns, and the application's own commands.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/CmdTarget.h"
#include "framework/FrameWnd.h"
#include "framework/MessageLoop.h"

class CWinApp : public CCmdTarget {
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
  int Run() { return loop_.Run(); }
  CMessageLoop& Loop() { return loop_; }

  // Takes the main window: it becomes AfxGetMainWnd, and the commands it does not
  // handle come to the application.
  void SetMainWnd(std::unique_ptr<CFrameWnd> frame);

  // Application commands, after the main window's own.
  bool OnCmdMsg(UINT id) override;
  std::optional<bool> QueryCommand(UINT id) const override;

  // Registers a window class that is unregistered with the application object.
  bool RegisterClass(const WNDCLASSA& windowClass);

  HINSTANCE m_hInstance;
  std::string m_appName;  // string AFX_IDS_APP_TITLE

 private:
  CMessageLoop loop_;  // outlives the main window, which leaves it when destroyed

 public:
  std::unique_ptr<CFrameWnd> m_pMainWnd;

 protected:
  void OnAppExit();

 private:
  std::vector<std::string> registeredClasses_;
};

// The one application object of the process, or null.
CWinApp* AfxGetApp();

// The body of WinMain: InitApplication, InitInstance, Run, ExitInstance.
int AfxWinMain();
