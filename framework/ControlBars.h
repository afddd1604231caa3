#pragma once
// The frame's toolbar and status bar, thin over the common controls.
#include <windows.h>

#include <span>
#include <string>

#include "framework/Handles.h"
#include "framework/Wnd.h"

class CToolBar : public CWnd {
 public:
  // A toolbar laid out by its frame (not by the control).
  bool Create(CWnd& parent, UINT id);
  // Button and image sizes; before LoadBitmap, which splits the strip by the image width.
  void SetSizes(SIZE button, SIZE image);
  // The strip's light grey (192, 192, 192) is transparent, so that disabled
  // buttons show a greyed picture rather than a block.
  bool LoadBitmap(UINT bitmapId);
  // Buttons left to right: command ids, ID_SEPARATOR for a separator. Button i
  // shows image i of the strip, separators taking none.
  bool SetButtons(std::span<const UINT> ids);

  int CommandToIndex(UINT id) const;
  RECT GetItemRect(int index) const;
  int Height() const;
  void EnableButton(UINT id, bool enabled);
  bool IsButtonEnabled(UINT id) const;
  std::span<const UINT> ButtonIds() const { return ids_; }

 private:
  SIZE buttonSize_{};
  SIZE imageSize_{};
  int imageCount_ = 0;
  UniqueImageList images_;
  std::span<const UINT> ids_;
};

class CStatusBar : public CWnd {
 public:
  bool Create(CWnd& parent, UINT id);
  // One pane stretching over the whole bar.
  bool SetOnePane();
  void SetPaneText(const std::string& text);
  std::string GetPaneText() const;
  int Height() const;
};
