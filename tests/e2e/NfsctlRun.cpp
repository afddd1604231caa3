#include "tests/e2e/NfsctlRun.h"

#include "status/SharedWithService.h"
#include "tests/e2e/ConsoleProcess.h"

namespace {

// The quoting that CommandLineToArgvW and the C runtime undo.
std::string Quoted(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');
  return quoted + "\"";
}

HANDLE InheritableFile(const std::string& path) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
}

void MakeFolders(const std::string& path) {
  for (size_t slash = path.find('\\', 3); slash != std::string::npos; slash = path.find('\\', slash + 1))
    CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
}

// Text-mode output ends its lines with CR LF.
std::string WithLfLineEnds(std::string text) {
  for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) text.erase(at, 1);
  return text;
}

}  // namespace

NfsctlResult RunNfsctl(const std::vector<std::string>& arguments) {
  std::string commandLine = Quoted(BuildPath("tools\\nfsctl\\nfsctl.exe"));
  for (const std::string& argument : arguments) commandLine += " " + Quoted(argument);
  char folder[MAX_PATH];
  GetTempPathA(sizeof folder, folder);
  const std::string outPath = std::string(folder) + "nfsctl-out.txt", errPath = std::string(folder) + "nfsctl-err.txt";

  NfsctlResult result;
  HANDLE out = InheritableFile(outPath), err = InheritableFile(errPath);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = out;
  startup.hStdError = err;
  PROCESS_INFORMATION info{};
  if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info)) {
    if (WaitForSingleObject(info.hProcess, kTimeout) == WAIT_OBJECT_0) GetExitCodeProcess(info.hProcess, &result.exitCode);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
  }
  CloseHandle(out);
  CloseHandle(err);
  result.out = WithLfLineEnds(ReadFile(outPath));
  result.err = WithLfLineEnds(ReadFile(errPath));
  return result;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  MakeFolders(path);
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

void SetServiceValue(const char* name, DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kServiceKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != 0)
    return;
  RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}

DWORD ServiceDword(const char* name) {
  HKEY key = nullptr;
  DWORD value = 0xDEAD, type = 0, size = sizeof value;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kServiceKey, 0, KEY_QUERY_VALUE, &key) != 0) return value;
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != 0 || type != REG_DWORD)
    value = 0xDEAD;
  RegCloseKey(key);
  return value;
}

void NfsctlTest::SetUp() {
  // Short: the console refuses an install directory over 60 characters for printcap.
  // A folder no earlier test made: the tests of one prefix run one after another.
  CreateDirectoryA("C:\\nfsctl", nullptr);
  std::string root;
  for (int n = 1; root.empty(); ++n)
    if (CreateDirectoryA(("C:\\nfsctl\\" + std::to_string(n)).c_str(), nullptr)) root = "C:\\nfsctl\\" + std::to_string(n);
  installDir_ = root + "\\install";
  systemDir_ = root + "\\system";
  MakeFolders(installDir_ + "\\SPOOL\\PCNFSD\\");
  MakeFolders(systemDir_ + "\\drivers\\etc\\");
}

NfsctlResult NfsctlTest::Run(std::vector<std::string> arguments) const {
  arguments.insert(arguments.end(), {"--install-dir", installDir_, "--system-dir", systemDir_});
  return RunNfsctl(arguments);
}

nlohmann::json NfsctlTest::RunJson(std::vector<std::string> arguments) const {
  arguments.push_back("--json");
  nlohmann::json parsed = nlohmann::json::parse(Run(arguments).out, nullptr, false);
  return parsed.is_discarded() ? nullptr : parsed;
}
