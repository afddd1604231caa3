#pragma once
// The main window's list of exports: owner-drawn, sorted by the export order,
// owning the ExportEntry of each item.
#include <memory>
#include <vector>

#include "exports/ExportEntry.h"
#include "framework/OwningListBox.h"

class CExportListBox : public COwningListBox<ExportEntry> {
 public:
  // Every row has the size row; charWidth is the font's average character width.
  bool Create(CWnd& pane, const RECT& rect, SIZE row, int charWidth);

  // AddRecord puts an entry at its sorted place (found by binary search through
  // CompareItem); the list owns it from then on.
  std::vector<const ExportEntry*> Entries() const;

  // The horizontal scroll range: the longest clients text plus a margin.
  void ResetExtent() { extentChars_ = 0; }
  void WidenExtentFor(const ExportEntry& entry);

 protected:
  void DrawItem(const DRAWITEMSTRUCT& item) override;
  void MeasureItem(MEASUREITEMSTRUCT& item) override;
  int CompareItem(const COMPAREITEMSTRUCT& items) override;
  LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void EraseUncoveredArea(HDC dc);

  SIZE row_{};
  int charWidth_ = 0;
  int extentChars_ = 0;
};
