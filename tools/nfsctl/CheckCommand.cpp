// check: every shared file and value, read the way the console and the service
// read them, and what they would lose or misread.
#include <cstdio>
#include <map>

#include "portable/SharedWithService.h"
#include "portable/UniqueFile.h"
#include "printing/ControlFile.h"
#include "printing/SpoolFiles.h"
#include "tools/nfsctl/Commands.h"
#include "tools/nfsctl/ExportsCheck.h"
#include "tools/nfsctl/FileChange.h"
#include "tools/nfsctl/LockFileCheck.h"
#include "tools/nfsctl/MappingCheck.h"
#include "tools/nfsctl/OptionsCheck.h"
#include "tools/nfsctl/PrintcapCheck.h"
#include "tools/nfsctl/Report.h"
#include "tools/nfsctl/SpoolCheck.h"
#include "tools/nfsctl/SpoolDirectory.h"

namespace {

class Checker {
 public:
  explicit Checker(const Installation& where) : where_(where) {}

  std::vector<Finding> Run() {
    CheckFile(where_.ExportsPath(), "exports", [](const std::string& path, const std::string& bytes) {
      return CheckExportsFile(path, bytes);
    });
    CheckFile(where_.MappingPath(MappingFileKind::kPasswd), "passwd", [](const std::string& path, const std::string& bytes) {
      return CheckMappingFile(path, bytes, "passwd", "UID");
    });
    CheckFile(where_.MappingPath(MappingFileKind::kGroup), "group", [](const std::string& path, const std::string& bytes) {
      return CheckMappingFile(path, bytes, "group", "GID");
    });
    const WindowsPrinter defaultPrinter = Installation::DefaultPrinter();
    CheckFile(where_.PrintcapPath(), "printcap", [&](const std::string& path, const std::string& bytes) {
      return CheckPrintcapFile(path, bytes, defaultPrinter);
    });
    CheckSpool();
    CheckFile(where_.RegistryFilePath(kLockFileName), "locks", [](const std::string& path, const std::string& bytes) {
      return CheckLockFile(path, bytes);
    });
    for (Finding& finding : CheckServerOptions()) findings_.push_back(std::move(finding));
    return std::move(findings_);
  }

 private:
  template <class Check>
  void CheckFile(const Located& located, const char* what, Check check) {
    if (!located.path) {
      findings_.push_back({Finding::kError, std::string(what) + ".not-found", what, 0, located.problem});
      return;
    }
    std::string problem;
    const std::optional<std::string> bytes = ReadFileBytes(*located.path, problem);
    if (!bytes) {
      findings_.push_back({Finding::kError, std::string(what) + ".unreadable", *located.path, 0, problem});
      return;
    }
    for (Finding& finding : check(*located.path, *bytes)) findings_.push_back(std::move(finding));
  }

  void CheckSpool() {
    const Located spool = where_.SpoolDirectory();
    if (!spool.path) {
      findings_.push_back({Finding::kError, "spool.not-found", "spool", 0, spool.problem});
      return;
    }
    const std::vector<std::string> names = SpoolFileNames(*spool.path, "*");
    std::map<std::string, std::string> dataFileOf;
    for (const std::string& name : names) {
      if (!IsHandledControlFileName(name)) continue;
      UniqueFile file(std::fopen(MakeSpoolPath(*spool.path, name).c_str(), "rb"));
      if (file) dataFileOf[name] = ReadControlFile(ReadControlFileBytes(file.get()), name).dataFileName;
    }
    for (Finding& finding : CheckSpoolFiles(*spool.path, names, dataFileOf)) findings_.push_back(std::move(finding));
  }

  const Installation& where_;
  std::vector<Finding> findings_;
};

int Check(const Settings& settings) {
  const Installation where = settings.Where();
  const std::vector<Finding> findings = Checker(where).Run();
  std::vector<Record> records;
  for (const Finding& finding : findings)
    records.push_back({{"severity", SeverityName(finding.severity)},
                       {"file", finding.file},
                       {"line", finding.line},
                       {"kind", finding.kind},
                       {"message", finding.message}});
  PrintRecords(records, settings.json, {});
  if (!settings.json && findings.empty()) std::printf("nothing found: the console and the service read every file as written\n");
  return findings.empty() ? kExitOk : kExitRefused;
}

}  // namespace

void AddCheckCommand(CLI::App& app, const Settings& settings, int& exitCode) {
  app.add_subcommand("check", "Report what the console or the service would lose or misread")->callback([&] {
    exitCode = Check(settings);
  });
}
