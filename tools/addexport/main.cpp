// addexport: appends one line to the exports file of this machine's installation
// and tells a running console about it, as another program may do.
//
//   addexport "c:\\public alpha beta;1"
//
// The line is taken only when the console reads it back to an export that writes
// back as the same line, of a directory not exported yet; a refused line leaves
// the file exactly as it was.
#include <windows.h>

#include <cstdio>
#include <string>

#include "exports/AnnounceAppendedExport.h"
#include "exports/ExportEntryStream.h"
#include "exports/ExportLineGrammar.h"
#include "exports/ExportLineProblem.h"
#include "framework/AnsiLeadBytes.h"
#include "framework/AnsiText.h"
#include "framework/ChangeHistory.h"
#include "framework/FileLock.h"
#include "framework/InstallDirs.h"
#include "framework/ResMessage.h"
#include "portable/InstallPath.h"
#include "portable/SharedWithService.h"
#include "portable/UniqueFile.h"
#include "portable/WholeFile.h"

namespace {

enum ExitCode { kAdded = 0, kUsage = 1, kRefusedLine = 2, kFileError = 3 };

// The line is named in a refusal only up to this length: a long one is cut.
constexpr size_t kQuotedLine = 60;

int Fail(ExitCode code, const std::string& text) {
  std::fprintf(stderr, "addexport: %s\nNothing was written.\n", text.c_str());
  return code;
}

int Refuse(const std::string& line, const std::string& why) {
  const std::string quoted = line.size() > kQuotedLine ? line.substr(0, kQuotedLine) + "..." : line;
  return Fail(kRefusedLine, "refused \"" + quoted + "\": " + why);
}

}  // namespace

int main() {
  UseAnsiLeadBytes();
  SetChangeProgram("addexport");
  std::string problem;
  const std::optional<std::vector<std::string>> arguments = ExactAnsiArguments(problem);
  if (!arguments) return Fail(kRefusedLine, problem);
  if (arguments->size() != 2) {
    std::fprintf(stderr, "usage: addexport \"<drive>:<path> [client ...][;<mode> [rw-client ...]]\"\n");
    return kUsage;
  }
  const std::string line = (*arguments)[1];
  SetChangeAction("addexport " + line);
  if (const ExportProblem problem = ExportLineProblem(line))
    return Refuse(line, ResMessage(problem.stringId, {problem.subject}));

  // Without an install directory the console works in the root of its own
  // current drive, which need not be this program's.
  const std::string dir = IniInstallDir();
  if (dir.empty()) return Fail(kFileError, std::string(kIniFileName) + " names no install directory");
  const std::optional<std::string> path = JoinIniPath(dir, kExportsFileName, kExportsPathSize);
  if (!path) return Fail(kFileError, std::string("the install directory in ") + kIniFileName + " is too long");
  // Held from the read to the write, so that no other program writes in between;
  // released before the console, told of the line, reads the file.
  std::optional<FileLock> lock = FileLock::Take(*path);
  if (!lock) return Fail(kFileError, FileBusyText(*path));
  NoticeOutsideChange(*path);
  UniqueFile file(std::fopen(path->c_str(), "a+b"));
  if (!file) return Fail(kFileError, "cannot open " + *path + " for appending");
  std::rewind(file.get());
  const std::optional<std::string> bytes = ReadWholeFile(file.get());
  if (!bytes) return Fail(kFileError, "cannot read " + *path);
  const ExportAppend append = AppendExportLine(*bytes, line);
  if (append.refusal == ExportAppend::kEndOfFileMark)
    return Fail(kFileError, "line " + std::to_string(append.markLine) + " of " + *path +
                                " holds an end-of-file mark (Ctrl+Z): the console would not read the line");
  if (append.refusal == ExportAppend::kExportedAlready) return Refuse(line, "the directory is exported already");
  const std::string& text = append.appended;
  std::fseek(file.get(), 0, SEEK_END);
  if (std::fputs(text.c_str(), file.get()) < 0 || std::fclose(file.release()) != 0)
    return Fail(kFileError, "writing " + *path + " failed");
  RecordVersion(*path, FingerprintOf(bytes), *bytes + text);
  lock.reset();
  // The line stands; only its history is missing.
  if (const std::string unkept = TakeUnkeptVersions(); !unkept.empty())
    std::fprintf(stderr, "addexport: warning: %s\n", unkept.c_str());
  AnnounceAppendedExport();
  std::printf("added to %s\n", path->c_str());
  return kAdded;
}
