#pragma once
// The main window's client area: the teal header line with the export list below it.
#include <memory>

#include "exports/ExportListBox.h"
#include "framework/Wnd.h"

class CExportPane : public CWnd {
 public:
  // The list slot and the rectangles belong to the frame; the pane creates the
  // list into the slot. Measures the header with the frame's font metrics.
  CExportPane(std::unique_ptr<CExportListBox>& listSlot, RECT& listRect, RECT& headerRect, CWnd& frame);

  bool Create(CWnd& frame, UINT id);
  int CharWidth() const { return charWidth_; }

 protected:
  virtual void DrawHeader(HDC dc);
  LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
  bool OnCommand(UINT id, UINT code, HWND control) override;

 private:
  void PlaceList();

  std::unique_ptr<CExportListBox>& listSlot_;
  RECT& listRect_;
  RECT& headerRect_;
  CWnd& frame_;      // the main window, which receives the list's commands
  int charWidth_ = 0;
};
