#pragma once
// A list box that owns one record per item: the item data points at it, and
// deleting the item (DeleteString, ResetContent, destroying the list) frees it,
// exactly once, in the delete-item callback.
#include <memory>

#include "framework/ListBox.h"

template <class Record>
class COwningListBox : public CListBox {
 public:
  // Adds record at the list's place for it: for a list with strings text is the
  // item's text, otherwise the record is the item. The index, or LB_ERR (the
  // record is then freed).
  int AddRecord(std::unique_ptr<Record> record, const char* text = nullptr) {
    const int index = text ? AddString(text) : AddItemData(record.get());
    return Adopt(index, std::move(record), text != nullptr);
  }
  // Inserts at index (-1: the end) without sorting.
  int InsertRecord(int index, std::unique_ptr<Record> record, const char* text = nullptr) {
    const LPARAM item = text ? reinterpret_cast<LPARAM>(text) : reinterpret_cast<LPARAM>(record.get());
    const int at = static_cast<int>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), item));
    return Adopt(at, std::move(record), text != nullptr);
  }
  Record* RecordAt(int index) const {
    const LRESULT data = SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index));
    return data == LB_ERR ? nullptr : reinterpret_cast<Record*>(data);
  }

 protected:
  void DeleteItem(const DELETEITEMSTRUCT& item) override { delete reinterpret_cast<Record*>(item.itemData); }

 private:
  int Adopt(int index, std::unique_ptr<Record> record, bool hasText) {
    if (index < 0) return LB_ERR;
    if (hasText &&
        SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(record.get())) == LB_ERR) {
      DeleteString(index);
      return LB_ERR;
    }
    record.release();
    return index;
  }
};
