#pragma once
// A top-level frame: toolbars at the top, a status bar at the bottom, one pane in
// between; accelerators, command routing to itself then to the application, and
// toolbar buttons enabled by whether their command may run.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/CmdTarget.h"
#include "framework/ControlBars.h"
#include "framework/Handles.h"
#include "framework/MessageLoop.h"
#include "framework/Wnd.h"

class CFrameWnd : public CWnd, public CMessageFilter, public CIdleHandler {
 public:
  ~CFrameWnd() override { LeaveLoop(); }

  // Creates the frame hidden, at the default position and size; it joins the
  // thread's message loop until its window is destroyed.
  bool Create(LPCSTR className, LPCSTR title, DWORD style);
  bool LoadAccelTable(UINT id);
  // Where the commands go that the frame itself does not handle; not owned.
  void SetNextCommandTarget(CCmdTarget* next) { next_ = next; }

  // Offers keyboard messages of the frame's own windows to its accelerators;
  // true when one was used.
  bool PreTranslateMessage(MSG& msg) override;
  // Brings the toolbar buttons up to date.
  void OnIdle() override { UpdateCommandButtons(); }

  // Places the bars and the pane in the client area.
  void RecalcLayout();
  // The status pane's text; the idle prompt is string AFX_IDS_IDLEMESSAGE.
  void SetMessageText(const std::string& text);
  void SetMessageText(UINT stringId);
  // Whether command id may run now: the frame's answer, else the next target's.
  bool IsCommandEnabled(UINT id) const;
  // Enables each toolbar button by IsCommandEnabled.
  void UpdateCommandButtons();

 protected:
  // WM_CREATE, once the window exists: the bars and the pane (id
  // AFX_IDW_PANE_FIRST) are made here; -1 fails creation.
  virtual int OnCreate(const CREATESTRUCTA&) { return 0; }
  // The frame's own commands.
  virtual bool RunCommand(UINT id);
  virtual std::optional<bool> QueryCommand(UINT id) const;
  // The string shown in the status pane while a command's button is pressed.
  virtual UINT PromptStringId(UINT id) const { return id; }

  // Bars laid out by the frame, top to bottom; not owned.
  void AddTopBar(CToolBar& bar) { topBars_.push_back(&bar); }
  // The status bar starts with the idle prompt.
  void SetStatusBar(CStatusBar& bar);

  LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
  bool OnCommand(UINT id, UINT code, HWND control) override;
  bool OnNotify(const NMHDR& header, LRESULT& result) override;

 private:
  std::vector<CToolBar*> topBars_;
  CStatusBar* statusBar_ = nullptr;
  void LeaveLoop();

  UniqueAccel accel_;
  CCmdTarget* next_ = nullptr;
  CMessageLoop* loop_ = nullptr;  // the loop it joined; not owned
};
