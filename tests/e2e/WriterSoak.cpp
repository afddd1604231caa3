#include "tests/e2e/WriterSoak.h"

#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <sstream>
#include <thread>
#include <vector>

#include "framework/FrameworkIds.h"
#include "portable/SharedWithService.h"
#include "resources/resource.h"
#include "tests/common/EmptyFolder.h"
#include "tests/e2e/ConsoleProcess.h"

namespace {

constexpr char kSoakDir[] = "C:\\nfs-soak";
constexpr char kConsoleCaption[] = "NFS Server Message";
constexpr char kDeleteQuestion[] = "Do you want to delete the selected entry?";
// Exports the console deletes, first in its list (drive C: sorts before the tools' E: and F:).
constexpr int kOldExports = 400;

std::string OldDirectory(int i) { return kSoakDir + std::string("\\old") + std::to_string(1000 + i); }

// The console's windows, driven from outside as a user would.
class ConsoleDriver {
 public:
  explicit ConsoleDriver(HWND console)
      : console_(console), list_(GetDlgItem(GetDlgItem(console, AFX_IDW_PANE_FIRST), IDC_EXPORT_LIST)) {}

  // The first export deleted, after the question; false with problem set otherwise.
  bool DeleteFirst(std::string& problem) {
    SendMessageA(list_, LB_SETCURSEL, 0, 0);
    PostMessageA(console_, WM_COMMAND, ID_EXPORT_DELETE, 0);
    return Expect(kDeleteQuestion, IDYES, problem);
  }
  // The first export edited and confirmed unchanged: the file is written from the list.
  bool EditFirst(std::string& problem) {
    SendMessageA(list_, LB_SETCURSEL, 0, 0);
    PostMessageA(console_, WM_COMMAND, ID_EXPORT_EDIT, 0);
    HWND editor = nullptr;
    if (!WaitUntil([&] { return (editor = FindWindowA("#32770", "NFS Server Export")) && IsWindowVisible(editor); })) {
      problem = "the export editor did not show up";
      return false;
    }
    Click(editor, IDOK);
    return Expect("The change will not become effective until the NFS Server Service restarts from Control Panel.",
                  IDOK, problem);
  }

 private:
  static bool Expect(const std::string& text, int button, std::string& problem) {
    const std::string shown = AnswerMessage(kConsoleCaption, button);
    if (shown == text) return true;
    problem = "the console showed \"" + shown + "\"";
    return false;
  }
  HWND console_, list_;
};

}  // namespace

SoakResult RunWriterSoak(DWORD milliseconds) {
  SoakResult result;
  CreateDirectoryA(kSoakDir, nullptr);
  EmptyFolder(kSoakDir);
  std::string exports;
  for (int i = 0; i < kOldExports; ++i) {
    CreateDirectoryA(OldDirectory(i).c_str(), nullptr);
    exports += "c:" + OldDirectory(i).substr(2) + ";0 \r\n";
  }
  const std::string path = std::string(kSoakDir) + "\\" + kExportsFileName;
  WriteFile(path, exports);
  WritePrivateProfileStringA(kIniInstallSection, kIniInstallDirKey, kSoakDir, kIniFileName);

  Process process(BuildPath("app\\nfsadmin.exe"));
  HWND console = nullptr;
  if (!WaitUntil([&] { return (console = FindWindowA(kMainWindowClass, nullptr)) && IsWindowVisible(console); })) {
    result.problem = "the console did not start";
    return result;
  }
  ConsoleDriver driver(console);

  std::atomic<bool> stop{false};
  std::mutex mutex;
  std::vector<std::string> added;
  const auto addLoop = [&](char drive, const std::function<bool(const std::string&)>& add) {
    for (int i = 0; !stop; ++i) {
      const std::string directory = std::string(1, drive) + ":\\n" + std::to_string(i);
      const bool done = add(directory);
      const std::lock_guard<std::mutex> guard(mutex);
      ++result.operations;
      if (done)
        added.push_back(directory);
      else
        ++result.failed;
    }
  };
  std::thread addexport(addLoop, 'e', [](const std::string& directory) {
    return Process(BuildPath("tools\\addexport.exe"), {directory + ";0"}, "NUL").Wait() == std::optional<DWORD>(0);
  });
  std::thread nfsctl(addLoop, 'f', [](const std::string& directory) {
    return RunNfsctl({"exports", "add", directory}).exitCode == std::optional<DWORD>(0);
  });

  const DWORD start = GetTickCount();
  for (int change = 0; GetTickCount() - start < milliseconds && result.problem.empty(); ++change) {
    // The last old export stays for the edits.
    const bool done = change % 2 == 0 && change / 2 < kOldExports - 1 ? driver.DeleteFirst(result.problem)
                                                                      : driver.EditFirst(result.problem);
    const std::lock_guard<std::mutex> guard(mutex);
    result.operations += done;
  }
  stop = true;
  addexport.join();
  nfsctl.join();
  // What the console lists reaches the file: a line it took twice shows there.
  if (result.problem.empty()) driver.EditFirst(result.problem);
  PostMessageA(console, WM_CLOSE, 0, 0);
  process.Wait();

  // Each line with its CR.
  std::map<std::string, int> counts;
  std::istringstream lines(ReadFile(path).value_or(""));
  for (std::string line; std::getline(lines, line);) ++counts[line];
  for (const auto& [line, count] : counts) result.doubled += count - 1;
  result.added = static_cast<int>(added.size());
  for (const std::string& directory : added) {
    const bool listed = counts.count(directory + ";0\r") || counts.count(directory + ";0 \r");
    result.lost += !listed;
  }
  return result;
}
