#pragma once
// A console started in-process on a test installation: its own install
// directory, "norvo.ini" and registry values, written by the test itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
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

  std::unique_ptr<CNfsAdminApp> app_;
  ModalScript script_;
};

// Whole-file helpers; text is written and compared byte for byte.
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
void SetRegistryString(const char* key, const char* value, const std::string& data);
void DeleteRegistryKey(const char* key);
