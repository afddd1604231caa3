#pragma once
// A list box control; owner-drawn lists override the four callbacks, which the
// parent window reflects here.
#include <string>

#include "framework/Wnd.h"

class CListBox : public CWnd {
 public:
  int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
  int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
  // LB_ERR when index is out of range (index -1 clears the selection).
  int SetCurSel(int index) { return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index))); }
  int AddString(const char* text) { return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
  // For lists without strings: the item data is the pointer.
  int AddItemData(const void* data) { return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(data))); }
  int DeleteString(int index) { return static_cast<int>(SendMessage(LB_DELETESTRING, static_cast<WPARAM>(index))); }
  void ResetContent() { SendMessage(LB_RESETCONTENT); }
  void* GetItemDataPtr(int index) const {
    return reinterpret_cast<void*>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index)));
  }
  DWORD_PTR GetItemData(int index) const {
    return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index)));
  }
  int SetItemData(int index, DWORD_PTR data) {
    return static_cast<int>(SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
  }
  std::string GetText(int index) const;
  void SetHorizontalExtent(int pixels) { SendMessage(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(pixels)); }

  // Many additions in a row: room reserved, no drawing until the end. A list
  // that redraws and resizes its scroll bar at each addition takes seconds for
  // thousands of rows.
  class BulkAdd {
   public:
    BulkAdd(CListBox& list, size_t count);
    ~BulkAdd();
    BulkAdd(const BulkAdd&) = delete;
    BulkAdd& operator=(const BulkAdd&) = delete;

   private:
    CListBox& list_;
  };

 protected:
  virtual void DrawItem(const DRAWITEMSTRUCT& item);
  virtual void MeasureItem(MEASUREITEMSTRUCT& item);
  virtual int CompareItem(const COMPAREITEMSTRUCT& items);
  virtual void DeleteItem(const DELETEITEMSTRUCT& item);

  bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};
