#include "tools/nfsctl/PrintcapCheck.h"

#include <set>

#include "portable/TextLine.h"
#include "printing/PrintcapFile.h"
#include "printing/PrintcapLine.h"
#include "tools/nfsctl/TextPieces.h"

std::vector<Finding> CheckPrintcapFile(const std::string& path, std::string_view rawBytes,
                                       const WindowsPrinter& defaultPrinter) {
  std::vector<Finding> findings;
  auto report = [&](Finding::Severity severity, const char* kind, size_t line, std::string message) {
    findings.push_back({severity, kind, path, line, std::move(message)});
  };
  std::set<std::string> names;
  const std::optional<ReadStop> stop = FindPrintcapReadStop(rawBytes);
  const std::vector<TextPiece> pieces =
      NumberedPieces(rawBytes.substr(0, stop ? stop->offset : rawBytes.size()), kMaxPrintcapLine);
  for (size_t i = 0; i < pieces.size(); ++i) {
    const TextPiece& piece = pieces[i];
    if (!piece.EndsLine() && i + 1 < pieces.size())
      report(Finding::kError, "printcap.line-split", piece.line,
             "longer than 509 characters: the console reads the rest as another line");
    const std::string_view line = WithoutLineEnd(piece.text);
    PrinterExport entry;
    ParsePrintcapLine(line, [&] { return defaultPrinter; }, entry);
    if (entry.useDefault && defaultPrinter.driver.empty())
      report(Finding::kWarning, "printcap.default-without-printer", piece.line,
             entry.name + " follows the default printer, but none is set: its jobs cannot be printed");
    if (!names.insert(entry.name).second)
      report(Finding::kWarning, "printcap.duplicate-name", piece.line,
             entry.name + " is exported already: jobs for it go to the first entry of that name");
  }
  // Reported even when nothing follows it: each start of the console shows the error.
  if (stop)
    report(Finding::kError, "printcap.unreadable", stop->line,
           "lacks one of name, driver, device and port: the console stops with internal error 1005, and " +
               NotShownText(*stop));
  return findings;
}

std::optional<std::string> PrintcapSaveLoss(const std::string& path, std::string_view rawBytes) {
  // What is lost does not depend on the default printer.
  for (const Finding& finding : CheckPrintcapFile(path, rawBytes, {}))
    if (finding.severity == Finding::kError) return "line " + std::to_string(finding.line) + ": " + finding.message;
  return std::nullopt;
}
