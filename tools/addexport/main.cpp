// addexport: appends one line to the exports file of this machine's installation
// and tells a running console about it, as another program may do.
//
//   addexport "c:\\public alpha beta;1"
//
// The line is checked with the console's own grammar before the file is touched;
// a refused line leaves the file exactly as it was.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/InstallDirs.h"
#include "exports/AnnounceAppendedExport.h"
#include "exports/ExportLineGrammar.h"
#include "framework/Handles.h"
#include "portable/UniqueFile.h"
#include "status/SharedWithService.h"

namespace {

enum ExitCode { kAdded = 0, kUsage = 1, kRefusedLine = 2, kFileError = 3 };

// The console reads an announced line in pieces of this many characters.
constexpr size_t kMaxAnnouncedLine = 509;

int Refuse(const char* reason, const std::string& line) {
  std::fprintf(stderr, "addexport: refused \"%s\": %s\nNothing was written.\n", line.c_str(), reason);
  return kRefusedLine;
}

// Why the console would not take line as an export, or null when it would.
const char* Problem(const std::string& line) {
  if (line.find_first_of("\r\n") != std::string::npos) return "it holds a line break";
  if (line.size() > kMaxAnnouncedLine) return "it is longer than 509 characters";
  ExportEntry entry;
  const int fields = ParseExportLine(line, kAppendScanLimit, entry);
  if (fields < 0) return "a colon may only follow the one-letter drive";
  if (!IsAcceptedExportLine(fields)) return "it needs a drive and a path, as in c:\\public";
  return nullptr;
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
  if (const char* problem = Problem(line)) return Refuse(problem, line);

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
