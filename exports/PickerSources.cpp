#include "exports/PickerSources.h"

#include <direct.h>
#include <io.h>

#include "exports/DirectoryPath.h"
#include "exports/HostNames.h"
#include "framework/Handles.h"
#include "framework/SystemDirectory.h"
#include "portable/UniqueFile.h"

namespace {
// Whether a search of pattern finds anything: a removable drive without a medium
// or an empty root finds nothing.
bool FindsAnything(const char* pattern) {
  _finddata_t data{};
  const intptr_t search = _findfirst(pattern, &data);
  if (search == -1) return false;
  _findclose(search);
  return true;
}
}  // namespace

void FillDriveList(CComboBox& combo) {
  for (char letter = 'C'; letter <= 'Z'; ++letter) {
    const char root[] = {letter, ':', '\\', '\0'};
    const UINT type = GetDriveTypeA(root);
    if (type == DRIVE_UNKNOWN || type == DRIVE_NO_ROOT_DIR) continue;
    const char probe[] = {static_cast<char>(letter | 0x20), ':', '\\', '*', '.', '*', '\0'};
    if (!FindsAnything(probe)) continue;
    const char item[] = {letter, ':', '\0'};
    combo.AddString(item);
  }
}

std::optional<std::string> DriveCurrentDirectory(DriveByte letter) {
  // Room for more than the limit, so that a longer answer is refused, not cut.
  char answer[MAX_PATH];
  const int drive = (letter & ~0x20) - 'A' + 1;
  if (!_getdcwd(drive, answer, sizeof answer)) return std::nullopt;
  return DriveDirectory(answer);
}

std::vector<std::string> ReadHostNames() {
  const std::optional<std::string> system = SystemDirectory();
  if (!system) return {};
  const UniqueFile file(std::fopen((*system + kHostsFileName).c_str(), "r"));
  return file ? ReadHostNamesFrom(file.get()) : std::vector<std::string>{};
}

std::optional<std::string> ShortPathName(const std::string& path) {
  char shortPath[MAX_PATH];
  const DWORD length = GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
  if (length == 0 || length >= sizeof shortPath) return std::nullopt;
  return std::string(shortPath, length);
}
