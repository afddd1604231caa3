#pragma once
// Texts of the string table and the application's message boxes.
#include <windows.h>

#include <string>

// The string-table text with that id (at most 255 characters); empty when missing.
std::string LoadResString(UINT id);

// The type a message box is shown with: the exclamation icon is added when the
// type names no icon and its buttons are OK, OK/Cancel, Yes/No or Yes/No/Cancel.
UINT MessageBoxTypeWithIcon(UINT type);

// A message box with the application's caption (string AFX_IDS_APP_TITLE), owned
// by the main window's active popup; returns the button pressed.
int AfxMessageBox(UINT stringId, UINT type = MB_OK);
int AfxMessageBox(const std::string& text, UINT type = MB_OK);
