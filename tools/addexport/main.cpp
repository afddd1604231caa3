// addexport: appends one line to the exports file of this machine's installation
// and tells a running console about it, as another program may do.
//
//   addexport "c:\\public alpha beta;1"
//
// The line is taken only when the console reads it back to an export that writes
// back as the same line; a refused line leaves the file exactly as it was.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/InstallDirs.h"
#include "exports/AnnounceAppendedExport.h"
#include "exports/ExportLineProblem.h"
#include "exports/ResMessage.h"
#include "framework/Handles.h"
#include "portable/UniqueFile.h"
#include "status/SharedWithService.h"

namespace {

enum ExitCode { kAdded = 0, kUsage = 1, kRefusedLine = 2, kFileError = 3 };

// The line is named in a refusal only up to this length: a long one is cut.
constexpr size_t kQuotedLine = 60;

int Refuse(const ExportProblem& problem, const std::string& line) {
  const std::string quoted = line.size() > kQuotedLine ? line.substr(0, kQuotedLine) + "..." : line;
  std::fprintf(stderr, "addexport: refused \"%s\": %s\nNothing was written.\n", quoted.c_str(),
               ResMessage(problem.stringId, {problem.subject}).c_str());
  return kRefusedLine;
}

bool EndsWithLineBreak(std::FILE* file) {
  if (std::fseek(file, -1, SEEK_END) != 0) return true;  // empty file
  return std::fgetc(file) == '\n';
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: addexport \"<drive>:<path> [client ...][;<mode> [rw-client ...]]\"\n");
    return kUsage;
  }
  const std::string line = argv[1];
  if (const ExportProblem problem = ExportLineProblem(line)) return Refuse(problem, line);

  const std::optional<std::string> path = IniInstallPath(kExportsFileName, kExportsPathSize);
  if (!path) {
    std::fprintf(stderr, "addexport: the install directory in %s is too long\n", kIniFileName);
    return kFileError;
  }
  UniqueFile file(std::fopen(path->c_str(), "a+b"));
  if (!file) {
    std::fprintf(stderr, "addexport: cannot open %s for appending\n", path->c_str());
    return kFileError;
  }
  // A last line without its line end would otherwise run into the new one.
  const std::string text = (EndsWithLineBreak(file.get()) ? "" : "\r\n") + line + "\r\n";
  std::fseek(file.get(), 0, SEEK_END);
  if (std::fputs(text.c_str(), file.get()) < 0 || std::fclose(file.release()) != 0) {
    std::fprintf(stderr, "addexport: writing %s failed\n", path->c_str());
    return kFileError;
  }
  AnnounceAppendedExport();
  std::printf("added to %s\n", path->c_str());
  return kAdded;
}
