#pragma once
// The main window's client area: the teal header line with the export list below
// it. The pane owns the list, the two rectangles and the path of the exports file
// that the list shows.
#include <optional>
#include <string>

#include "exports/ExportListBox.h"
#include "framework/Wnd.h"

class CExportPane : public CWnd {
 public:
  // Measures the header with the frame's font metrics. exportsPath is none when
  // the install directory is too long for it.
  CExportPane(CWnd& frame, std::optional<std::string> exportsPath);
  // The list's items go while the list object is whole.
  ~CExportPane() override;

  bool Create(CWnd& frame, UINT id);
  CExportListBox& List() { return list_; }
  const std::optional<std::string>& ExportsPath() const { return exportsPath_; }

 protected:
  virtual void DrawHeader(HDC dc);
  LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
  bool OnCommand(UINT id, UINT code, HWND control) override;

 private:
  void PlaceList();

  CExportListBox list_;
  RECT listRect_{};    // where the list lies inside the pane
  RECT headerRect_{};  // the header line's box; also the size of a list row
  std::optional<std::string> exportsPath_;
  CWnd& frame_;        // the main window, which receives the list's commands
  int charWidth_ = 0;
};
