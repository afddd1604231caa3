#include "framework/ControlBars.h"

#include <commctrl.h>

#include <vector>

#include "framework/FrameworkIds.h"

namespace {
// Space around the buttons inside the bar.
constexpr int kToolBarBorder = 3;
}  // namespace

bool CToolBar::Create(CWnd& parent, UINT id) {
  const DWORD style = WS_CHILD | WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
  if (!CreateEx(0, TOOLBARCLASSNAMEA, nullptr, style, RECT{}, parent.m_hWnd, id)) return false;
  SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
  return true;
}

void CToolBar::SetSizes(SIZE button, SIZE image) {
  buttonSize_ = button;
  imageSize_ = image;
  SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(image.cx, image.cy));
  SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(button.cx, button.cy));
}

bool CToolBar::LoadBitmap(UINT bitmapId) {
  if (imageSize_.cx <= 0) return false;
  HBITMAP strip = ::LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId));
  if (!strip) return false;
  BITMAP info{};
  GetObjectA(strip, sizeof info, &info);
  imageCount_ = info.bmWidth / imageSize_.cx;
  images_.reset(ImageList_Create(imageSize_.cx, imageSize_.cy, ILC_COLOR24 | ILC_MASK, imageCount_, 0));
  const bool added = images_ && ImageList_AddMasked(images_.get(), strip, RGB(192, 192, 192)) != -1;
  DeleteObject(strip);
  if (!added) return false;
  SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_.get()));
  return true;
}

bool CToolBar::SetButtons(std::span<const UINT> ids) {
  std::vector<TBBUTTON> buttons;
  int image = 0;
  for (UINT id : ids) {
    TBBUTTON button{};
    button.idCommand = static_cast<int>(id);
    if (id == ID_SEPARATOR) {
      button.fsStyle = TBSTYLE_SEP;
    } else {
      if (image >= imageCount_) return false;
      button.iBitmap = image++;
      button.fsStyle = TBSTYLE_BUTTON;
      button.fsState = TBSTATE_ENABLED;
    }
    buttons.push_back(button);
  }
  ids_ = ids;
  return SendMessage(TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data())) != 0;
}

int CToolBar::CommandToIndex(UINT id) const {
  return static_cast<int>(SendMessage(TB_COMMANDTOINDEX, id));
}

RECT CToolBar::GetItemRect(int index) const {
  RECT rect{};
  SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
  return rect;
}

int CToolBar::Height() const { return buttonSize_.cy + 2 * kToolBarBorder; }

void CToolBar::EnableButton(UINT id, bool enabled) {
  if (IsButtonEnabled(id) != enabled) SendMessage(TB_ENABLEBUTTON, id, MAKELPARAM(enabled, 0));
}

bool CToolBar::IsButtonEnabled(UINT id) const { return SendMessage(TB_ISBUTTONENABLED, id) != 0; }

bool CStatusBar::Create(CWnd& parent, UINT id) {
  const DWORD style = WS_CHILD | WS_VISIBLE | CCS_BOTTOM | SBARS_SIZEGRIP;
  return CreateEx(0, STATUSCLASSNAMEA, nullptr, style, RECT{}, parent.m_hWnd, id);
}

bool CStatusBar::SetOnePane() {
  int right = -1;
  return SendMessage(SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&right)) != 0;
}

void CStatusBar::SetPaneText(const std::string& text) {
  SendMessage(SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string CStatusBar::GetPaneText() const {
  const auto length = LOWORD(SendMessage(SB_GETTEXTLENGTHA, 0));
  std::string text(length + 1u, '\0');
  SendMessage(SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text.data()));
  text.resize(length);
  return text;
}

int CStatusBar::Height() const {
  RECT rect{};
  ::GetWindowRect(m_hWnd, &rect);
  return rect.bottom - rect.top;
}
