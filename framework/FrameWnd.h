#pragma once
// A top-level frame: toolbars at the top, a status bar at the bottom, one pane in
// between; accelerators, command routing to itself then to the application, and
// toolbar buttons enabled by whether their command may run.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/ControlBars.h"
#include "framework/Handles.h"
#include "framework/Wnd.h"

class CFrameWnd : public CWnd {
 public:
  // Creates the frame hidden, at the default position and size.
  bool Create(LPCSTR className, LPCSTR title, DWORD style);
  bool LoadAccelTable(UINT id);

  // Offers keyboard messages to the accelerator table; true when one was used.
  virtual bool PreTranslateMessage(MSG& msg);

  // Places the bars and the pane in the client area.
  void RecalcLayout();
  // The status pane's text; the idle prompt is string AFX_IDS_IDLEMESSAGE.
  void SetMessageText(const std::string& text);
  void SetMessageText(UINT stringId);
  // Whether command id may run now: the frame's answer, else the application's.
  bool IsCommandEnabled(UINT id) const;
  // Enables each toolbar button by IsCommandEnabled.
  void UpdateCommandButtons();

 protected:
  // WM_CREATE: creates the pane and shows the idle prompt; -1 fails creation.
  virtual int OnCreate(const CREATESTRUCTA& create);
  // Creates the pane with id AFX_IDW_PANE_FIRST; false fails creation.
  virtual bool OnCreateClient() = 0;
  // The frame's own commands.
  virtual bool RunCommand(UINT id);
  virtual std::optional<bool> QueryCommand(UINT id) const;
  // The string shown in the status pane while a command's button is pressed.
  virtual UINT PromptStringId(UINT id) const { return id; }

  // Bars laid out by the frame, top to bottom; not owned.
  void AddTopBar(CToolBar& bar) { topBars_.push_back(&bar); }
  void SetStatusBar(CStatusBar& bar) { statusBar_ = &bar; }

  LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
  bool OnCommand(UINT id, UINT code, HWND control) override;
  bool OnNotify(const NMHDR& header, LRESULT& result) override;

 private:
  std::vector<CToolBar*> topBars_;
  CStatusBar* statusBar_ = nullptr;
  UniqueAccel accel_;
};
