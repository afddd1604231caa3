#include "exports/ExportLineProblem.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "exports/ClientList.h"
#include "exports/ExportLineGrammar.h"
#include "resources/resource.h"

namespace {

bool IsControl(char c) { return static_cast<unsigned char>(c) < 32; }

// What a path or host name token cannot hold, apart from the blank a short form
// does away with: what ends it, and a colon other than the drive's, which makes
// the line malformed.
bool IsTokenBreaker(char c) { return IsControl(c) || (!IsExportTokenCharacter(c) && c != ' '); }

ExportProblem Problem(unsigned stringId, ExportProblem::Field field, std::string subject = {}) {
  return ExportProblem{stringId, std::move(subject), field};
}

ExportProblem ListProblem(const std::string& text, unsigned tooLongId, ExportProblem::Field field) {
  for (const std::string& name : ClientListNames(text))
    if (std::any_of(name.begin(), name.end(), IsTokenBreaker))
      return Problem(IDS_EXPORT_HOST_CHARACTER, field, name);
  if (text.size() > kMaxClientListText) return Problem(tooLongId, field);
  return {};
}

bool IsLineBlank(char c) { return c == ' ' || c == '\t'; }

// A line as the administrator means it: blanks and tabs between fields are one
// blank, none before the ';', and a missing mode is mode 0.
std::string Canonical(std::string_view line) {
  std::string text;
  for (char c : line) {
    if (!IsLineBlank(c)) {
      if (c == ';' && !text.empty() && text.back() == ' ') text.pop_back();
      text += c;
    } else if (!text.empty() && text.back() != ' ') {
      text += ' ';
    }
  }
  if (!text.empty() && text.back() == ' ') text.pop_back();
  if (text.find(';') == std::string::npos) text += ";0";
  return text;
}

}  // namespace

ExportProblem ExportEntryProblem(const ExportEntry& entry) {
  const std::string path = std::string{static_cast<char>(entry.drive), ':'} + entry.path;
  if (entry.path.empty()) return Problem(IDS_EXPORT_PATH_EMPTY, ExportProblem::kPath);
  if (std::any_of(entry.path.begin(), entry.path.end(), IsTokenBreaker))
    return Problem(IDS_EXPORT_PATH_CHARACTER, ExportProblem::kPath, path);
  if (entry.path.find(' ') != std::string::npos)
    return Problem(IDS_NO_SHORT_PATH, ExportProblem::kPath, path);
  if (entry.path.size() > kMaxExportToken)
    return Problem(IDS_EXPORT_PATH_TOO_LONG, ExportProblem::kPath, path);
  if (!entry.IsExportedToAll()) {
    // Without a name the line would read back as exported to every client.
    if (ClientListNames(entry.clients).empty()) return Problem(IDS_EXPORT_NO_CLIENTS, ExportProblem::kClients);
    if (ExportProblem problem = ListProblem(entry.clients, IDS_EXPORT_CLIENTS_TOO_LONG, ExportProblem::kClients))
      return problem;
  }
  if (ExportProblem problem = ListProblem(entry.rwList, IDS_EXPORT_RW_LIST_TOO_LONG, ExportProblem::kRwList))
    return problem;
  if (entry.mode < ExportEntry::kReadOnly || entry.mode > ExportEntry::kReadWriteList)
    return Problem(IDS_EXPORT_MODE, ExportProblem::kMode);
  return {};
}

ExportProblem ExportLineProblem(std::string_view line) {
  if (std::any_of(line.begin(), line.end(), [](char c) { return IsControl(c) && c != '\t'; }))
    return Problem(IDS_EXPORT_LINE_CONTROL, ExportProblem::kLine);
  if (line.size() > kMaxAnnouncedExportLine) return Problem(IDS_EXPORT_LINE_TOO_LONG, ExportProblem::kLine);
  if (line.find('#') != std::string_view::npos) return Problem(IDS_EXPORT_LINE_COMMENT, ExportProblem::kLine);
  if (const std::optional<std::string_view> token = FirstOverlongExportToken(line))
    return Problem(IDS_EXPORT_TOKEN_TOO_LONG, ExportProblem::kLine, std::string(token->substr(0, 40)) + "...");
  if (std::count(line.begin(), line.end(), ';') > 1)
    return Problem(IDS_EXPORT_LINE_SEMICOLONS, ExportProblem::kLine);

  // Read as the console reads an appended line: with its line end.
  ExportEntry entry;
  const int fields = ParseExportLine(std::string(line) + "\n", kAppendScanLimit, entry);
  if (fields < 0) return Problem(IDS_EXPORT_LINE_COLON, ExportProblem::kLine);
  if (!IsAcceptedExportLine(fields)) return Problem(IDS_EXPORT_LINE_NO_PATH, ExportProblem::kLine);
  if (ExportProblem problem = ExportEntryProblem(entry)) return problem;

  std::string written = FormatExportLine(entry);
  written = Canonical(written.substr(0, written.size() - 1));  // without its line end
  if (Canonical(line) != written) return Problem(IDS_EXPORT_LINE_READ_BACK, ExportProblem::kLine, written);
  return {};
}
