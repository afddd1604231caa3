// hostedit.exe: edits the system's hosts file, the one the console reads its
// client host names from.
#include <windows.h>

#include <string>

#include "exports/HostNames.h"
#include "framework/AnsiLeadBytes.h"
#include "framework/ChangeHistory.h"
#include "framework/SystemDirectory.h"
#include "tools/hostedit/HostEditor.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  UseAnsiLeadBytes();
  SetChangeProgram("hostedit");
  const std::optional<std::string> system = SystemDirectory();
  if (!system) return 1;
  const std::string path = *system + kHostsFileName;
  // One editor per file: a second start brings the first forward.
  if (HWND running = FindWindowA("#32770", HostEditor::Caption(path).c_str())) {
    if (IsIconic(running)) ShowWindow(running, SW_RESTORE);
    SetForegroundWindow(running);
    return 0;
  }
  HostEditor editor(path);
  return editor.Run(instance) ? 0 : 1;
}
