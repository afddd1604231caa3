#pragma once
// The console's only top-level window: two toolbars, the status bar and the
// export list; every command arrives here.
#include <memory>
#include <span>

#include "exports/ExportPane.h"
#include "framework/CommandTable.h"
#include "framework/ControlBars.h"
#include "framework/FrameWnd.h"

class CMainFrame : public CFrameWnd {
 public:
  CMainFrame();
  ~CMainFrame() override;

  CExportPane& ExportPane() { return *pane_; }
  CExportListBox& ExportList() { return pane_->List(); }
  CToolBar& ExportsToolBar() { return exportsBar_; }
  CToolBar& ServerToolBar() { return serverBar_; }
  CStatusBar& StatusBar() { return statusBar_; }

 protected:
  int OnCreate(const CREATESTRUCTA& create) override;
  bool RunCommand(UINT id) override;
  std::optional<bool> QueryCommand(UINT id) const override;
  UINT PromptStringId(UINT id) const override;
  LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  // The export pane with its list, id AFX_IDW_PANE_FIRST.
  bool CreatePane();
  bool HasSelection() const;
  void OnNew();
  void OnEdit();
  void OnDelete();
  void OnSelectionChanged();
  void OnSelectPrevious();
  void OnSelectNext();
  void OnMapping();
  void OnClients();
  void OnServerOptions();
  void OnHostsEditor();
  void OnPrintQueue();
  void OnExportedPrinters();
  void OnClose();
  void RepaintToolBarEnd();
  static std::span<const CommandEntry<CMainFrame>> Commands();

  CToolBar exportsBar_;
  CToolBar serverBar_;
  CStatusBar statusBar_;
  std::unique_ptr<CExportPane> pane_;
};
