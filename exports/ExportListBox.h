#pragma once
// The main window's list of exports: owner-drawn, sorted by the export order,
// owning the ExportEntry of each item.
#include <memory>
#include <vector>

#include "exports/ExportEntry.h"
#include "framework/ListBox.h"

class CExportListBox : public CListBox {
 public:
  // The two rectangles belong to the main frame; they outlive the list.
  CExportListBox(const RECT& listRect, const RECT& headerRect) : listRect_(listRect), headerRect_(headerRect) {}

  bool Create(CWnd& pane, int charWidth);

  // Many additions in a row: room reserved, no drawing until the end.
  class BulkAdd {
   public:
    BulkAdd(CExportListBox& list, size_t count);
    ~BulkAdd();
    BulkAdd(const BulkAdd&) = delete;
    BulkAdd& operator=(const BulkAdd&) = delete;

   private:
    CExportListBox& list_;
  };

  // Adds entry at its sorted place; the list owns it from then on. The index, or LB_ERR.
  int AddEntry(std::unique_ptr<ExportEntry> entry);
  // Adds entry after the last item without sorting: for filling the list with
  // entries already in its order.
  int AppendEntry(std::unique_ptr<ExportEntry> entry);
  ExportEntry* Entry(int index) const { return static_cast<ExportEntry*>(GetItemDataPtr(index)); }
  std::vector<const ExportEntry*> Entries() const;

  // The horizontal scroll range: the longest clients text plus a margin.
  void ResetExtent() { extentChars_ = 0; }
  void WidenExtentFor(const ExportEntry& entry);
  int ExtentChars() const { return extentChars_; }

 protected:
  void DrawItem(const DRAWITEMSTRUCT& item) override;
  void MeasureItem(MEASUREITEMSTRUCT& item) override;
  int CompareItem(const COMPAREITEMSTRUCT& items) override;
  void DeleteItem(const DELETEITEMSTRUCT& item) override;
  LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void EraseUncoveredArea(HDC dc);

  const RECT& listRect_;
  const RECT& headerRect_;
  int charWidth_ = 0;
  int extentChars_ = 0;
};
