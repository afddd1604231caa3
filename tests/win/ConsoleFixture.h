#pragma once
// A console started in-process on a test installation: its own install
// directory, "norvo.ini" and registry values, written by the test itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/MainFrame.h"
#include "app/NfsAdminApp.h"
#include "tests/common/RegistryValues.h"
#include "tests/common/WholeFiles.h"

class ConsoleTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The install directory of this test, made empty; "norvo.ini" points at it.
  static constexpr char kInstallDir[] = "C:\\nfs-test";
  std::string InstallPath(const char* name) const { return std::string(kInstallDir) + name; }

  // Runs start-up as WinMain would, up to the message loop.
  void StartConsole();
  CMainFrame& Frame() const;
  CExportListBox& List() const { return Frame().ExportList(); }
  // Dispatches everything queued, through the application's pre-translation.
  void Pump();
  // Sends a command to the main window, as its toolbar or accelerator would.
  void Command(UINT id);
  // A key pressed and released in target, as the keyboard sends it.
  void Key(HWND target, WPARAM key);
  // Modal dialogs and message boxes that this thread shows are handed, each once
  // it runs its modal loop, to the next scripted step. A window that finds no
  // step is closed with IDCANCEL and reported, so no test waits on a window.
  // Expect adds a step that runs act on the next window, then presses button in
  // it (none for 0); ExpectBox, one that expects a message box with caption and
  // text and answers it with button; ExpectMessage, the console's message box.
  void Expect(int button, std::function<void(HWND)> act);
  void ExpectBox(const std::string& caption, const std::string& text, int button = IDOK);
  void ExpectMessage(const std::string& text, int button = IDOK) {
    ExpectBox("NFS Server Message", text, button);
  }
  // The question of a save that finds path changed by another program since it was read.
  void ExpectChangedQuestion(const std::string& path, int answer);

  std::unique_ptr<CNfsAdminApp> app_;
};

// Helpers for steps: a message box's text, and pressing a button by id.
std::string MessageText(HWND box);
void Press(HWND window, int buttonId);

// The item texts of a list box or a combo box.
std::vector<std::string> Items(HWND dialog, int id);
// A control's notification to its dialog, as the control sends it.
void Notify(HWND dialog, int id, UINT code);
// Selects the item with text in a list box (none for an empty text), as a click does.
void Pick(HWND dialog, int id, const std::string& text);
// Selects the entry with text in a combo box, which then notifies code as the user's choice does.
void Choose(HWND dialog, int id, const std::string& text, UINT code = CBN_SELCHANGE);
inline std::string Text(HWND dialog, int id) { return CWnd::GetWindowText(GetDlgItem(dialog, id)); }
inline void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }
inline bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
inline bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

// A file of the system's "drivers\etc" folder: hosts, passwd, group.
std::string EtcFile(const char* name);
