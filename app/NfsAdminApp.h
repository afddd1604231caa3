#pragma once
// The console's application object: start-up in its fixed order, help and About.
#include <span>

#include "framework/CommandTable.h"
#include "framework/WinApp.h"

class CNfsAdminApp : public CWinApp {
 public:
  BOOL InitInstance() override;
  int ExitInstance() override;
  BOOL InitApplication() override;

  bool OnCmdMsg(UINT id) override;
  std::optional<bool> QueryCommand(UINT id) const override;

 private:
  void OnHelp();
  void OnAppAbout();
  static std::span<const CommandEntry<CNfsAdminApp>> Commands();
};
