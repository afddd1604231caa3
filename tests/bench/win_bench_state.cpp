// apply of a document that the server already matches (10,000 exports, 5,000 user
// mappings) against listing the same files with exports list plus users list.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/bench/PairedRuns.h"
#include "tests/common/EmptyFolder.h"
#include "tests/common/WholeFiles.h"
#include "tests/e2e/ConsoleProcess.h"

namespace {

constexpr char kRoot[] = "C:\\benchstate";

std::vector<std::string> Arguments(std::vector<std::string> arguments) {
  arguments.insert(arguments.end(), {"--install-dir", kRoot, "--system-dir", kRoot, "--json"});
  return arguments;
}

double Milliseconds(const std::vector<std::vector<std::string>>& runs) {
  const auto start = std::chrono::steady_clock::now();
  for (const auto& arguments : runs) RunNfsctl(Arguments(arguments));
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int pairs = argc > 1 ? std::atoi(argv[1]) : 7;
  const std::string root = kRoot;
  EmptyFolder(kRoot);
  for (const char* folder : {"\\drivers", "\\drivers\\etc"}) CreateDirectoryA((root + folder).c_str(), nullptr);
  std::string exports, passwd;
  for (int i = 0; i < 10000; ++i)
    exports += "c:\\export" + std::to_string(i) + (i % 2 ? " alpha beta;2 alpha" : ";0 ") + "\r\n";
  for (int i = 0; i < 5000; ++i) passwd += "user" + std::to_string(i) + "::" + std::to_string(1000 + i) + ":::: \r\n";
  WriteFile(root + "\\exports", exports);
  WriteFile(root + "\\drivers\\etc\\passwd", passwd);
  const NfsctlResult document = RunNfsctl(Arguments({"state", "export"}));
  WriteFile(root + "\\state.json", document.output);
  // A figure for an apply that failed, or changed something, would compare nothing.
  const NfsctlResult once = RunNfsctl(Arguments({"apply", root + "\\state.json"}));
  std::printf("apply on the matching server: exit %lu, %s", once.exitCode.value_or(~0ul), once.output.c_str());
  ComparePairs("apply, server matches", pairs, [&] { return Milliseconds({{"apply", root + "\\state.json"}}); },
               [&] { return Milliseconds({{"exports", "list"}, {"users", "list"}}); });
  return 0;
}
