#include "framework/ChangeHistory.h"

#include <windows.h>

#include <utility>

#include "framework/FileLock.h"
#include "framework/InstallDirs.h"
#include "framework/RegKey.h"
#include "portable/SharedWithService.h"
#include "portable/VersionStore.h"
#include "portable/WholeFile.h"

namespace {
struct ChangeContext {
  VersionOrigin origin;
  std::optional<std::string> installDir;
  std::string unkept;
};
ChangeContext& Context() {
  static ChangeContext context = [] {
    ChangeContext made;
    char name[256];
    DWORD size = sizeof name;
    if (GetUserNameA(name, &size)) made.origin.account = name;
    size = sizeof name;
    if (GetComputerNameA(name, &size)) made.origin.machine = name;
    return made;
  }();
  return context;
}

void Keep(const VersionOrigin& origin, const std::string& file, const std::string& path,
          const FileFingerprint& previous, std::string_view bytes) {
  const std::optional<VersionStore> store = HistoryStore();
  const std::string error = store ? store->Record(origin, file, path, previous, bytes)
                                  : "norvo.ini names no install directory to keep a history in";
  if (error.empty()) return;
  std::string& unkept = Context().unkept;
  unkept += (unkept.empty() ? "" : "\n") + ("no version of " + path + " was kept: " + error);
}
}  // namespace

void SetChangeProgram(std::string program) { Context().origin.program = std::move(program); }

void SetChangeAction(std::string action) { Context().origin.action = std::move(action); }

void SetChangeActionFromCommand(HWND window, UINT id, UINT code, HWND control) {
  const auto plain = [](std::string text) {
    text = text.substr(0, text.find('\t'));  // no accelerator
    std::erase(text, '&');
    return text;
  };
  char text[128] = "";
  if (control && code == BN_CLICKED) {
    GetWindowTextA(control, text, sizeof text);
    char caption[128] = "";
    // A property page's caption is its sheet's.
    HWND top = GetAncestor(window, GA_ROOT);
    GetWindowTextA(top ? top : window, caption, sizeof caption);
    SetChangeAction(plain(caption) + ": " + plain(text));
  } else if (!control && GetMenu(window) && GetMenuStringA(GetMenu(window), id, text, sizeof text, MF_BYCOMMAND)) {
    SetChangeAction(plain(text));
  }
}

void SetChangeReason(std::string reason) { Context().origin.reason = std::move(reason); }

void SetHistoryInstallDir(std::string installDir) { Context().installDir = std::move(installDir); }

std::optional<VersionStore> HistoryStore() {
  const std::string dir = Context().installDir ? *Context().installDir : IniInstallDir();
  if (dir.empty()) return std::nullopt;
  return VersionStore(dir + (dir.ends_with('\\') || dir.ends_with('/') ? "" : "\\") + "history");
}

void RecordVersion(const std::string& path, const FileFingerprint& previous, std::string_view bytes) {
  Keep(Context().origin, VersionFileName(path), path, previous, bytes);
}

void NoticeOutsideChange(const std::string& path) {
  // Read again under the lock, in which writers keep their version once
  // written: a write half recorded is never taken for an outside change.
  const std::optional<FileLock> lock = FileLock::Take(path);
  if (!lock) return;
  const std::optional<std::string> disk = ReadWholeFileAt(path).bytes;
  // A file deleted outside is not kept: the next write brings it back.
  if (!disk) return;
  const FileFingerprint now = FingerprintOf(disk);
  const std::optional<VersionStore> store = HistoryStore();
  const std::optional<Version> newest = store ? store->Newest(VersionFileName(path)) : std::nullopt;
  if (newest && newest->newHash == HashText(now)) return;
  VersionOrigin outside = Context().origin;
  outside.action = "found by " + outside.program + (outside.action.empty() ? "" : ": " + outside.action);
  outside.program = "changed outside";
  outside.reason.clear();
  // Who changed it is unknown: the account and machine are those that noticed.
  FileFingerprint previous;
  if (newest && newest->newHash != "none") {
    previous.exists = true;
    previous.hash = std::strtoull(newest->newHash.c_str(), nullptr, 16);
  }
  Keep(outside, VersionFileName(path), path, previous, *disk);
}

void RecordServerOptions() {
  CRegKey key;
  const bool open = key.Open(HKEY_LOCAL_MACHINE, kServiceKey, KEY_QUERY_VALUE);
  std::string values;
  for (const char* name :
       {kSupportNfs3Value, kSupportPcnfsdValue, kSupportNlmValue, kMaximumReadValue, kMaximumWriteValue}) {
    const std::optional<DWORD> value = open ? key.QueryDword(name) : std::nullopt;
    values += std::string(name) + "=" + (value ? std::to_string(*value) : "missing") + "\r\n";
  }
  Keep(Context().origin, "options", std::string("HKEY_LOCAL_MACHINE\\") + kServiceKey, {}, values);
}

std::string TakeUnkeptVersions() { return std::exchange(Context().unkept, {}); }
