// hostedit.exe: edits the system's hosts file, the one the console reads its
// client host names from.
#include <windows.h>

#include <string>

#include "exports/HostNames.h"
#include "tools/hostedit/HostEditor.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  char system[MAX_PATH];
  const UINT length = GetSystemDirectoryA(system, sizeof system);
  if (length == 0 || length >= sizeof system) return 1;
  HostEditor editor(std::string(system, length) + kHostsFileName);
  return editor.Run(instance) ? 0 : 1;
}
