#pragma once
// RAII owners for the handles the console opens, one type per kind of handle.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <type_traits>

struct RegKeyCloser {
  void operator()(HKEY key) const noexcept { RegCloseKey(key); }
};
using UniqueRegKey = std::unique_ptr<std::remove_pointer_t<HKEY>, RegKeyCloser>;

struct AccelCloser {
  void operator()(HACCEL accel) const noexcept { DestroyAcceleratorTable(accel); }
};
using UniqueAccel = std::unique_ptr<std::remove_pointer_t<HACCEL>, AccelCloser>;

struct ImageListCloser {
  void operator()(HIMAGELIST list) const noexcept { ImageList_Destroy(list); }
};
using UniqueImageList = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListCloser>;

struct GdiObjectCloser {
  void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectCloser>;

// A device context of a window's client area, released on scope exit.
class ClientDC {
 public:
  explicit ClientDC(HWND wnd) : wnd_(wnd), dc_(GetDC(wnd)) {}
  ~ClientDC() { if (dc_) ReleaseDC(wnd_, dc_); }
  ClientDC(const ClientDC&) = delete;
  ClientDC& operator=(const ClientDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
};

// An object selected into a DC for a scope; the previous one comes back at its end.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() { SelectObject(dc_, previous_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Text and background colours of a DC set for a scope.
class TextColors {
 public:
  TextColors(HDC dc, COLORREF text, COLORREF background)
      : dc_(dc), text_(SetTextColor(dc, text)), background_(SetBkColor(dc, background)) {}
  ~TextColors() {
    SetTextColor(dc_, text_);
    SetBkColor(dc_, background_);
  }
  TextColors(const TextColors&) = delete;
  TextColors& operator=(const TextColors&) = delete;

 private:
  HDC dc_;
  COLORREF text_;
  COLORREF background_;
};
