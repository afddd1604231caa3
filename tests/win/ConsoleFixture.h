#pragma once
// A console started in-process on a test installation: its own install
// directory, "norvo.ini" and registry values, written by the test itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "app/MainFrame.h"
#include "app/NfsAdminApp.h"
#include "tests/win/ModalScript.h"

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
  // Adds a step that expects the next window to be the console's message box with
  // text, and answers it with button.
  void ExpectMessage(const std::string& text, int button = IDOK);

  std::unique_ptr<CNfsAdminApp> app_;
  ModalScript script_;
};

// Whole-file helpers; text is written and compared byte for byte.
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
void SetRegistryString(const char* key, const char* value, const std::string& data);
// Any type with any bytes, as a hand-edited registry may hold; the key is made
// when missing.
void SetRegistryValue(const char* key, const char* value, DWORD type, const std::string& bytes);
struct RegistryValue {
  DWORD type;
  std::string bytes;
  bool operator==(const RegistryValue&) const = default;
};
// None when the key or the value is missing.
std::optional<RegistryValue> QueryRegistryValue(const char* key, const char* value);
void DeleteRegistryKey(const char* key);
