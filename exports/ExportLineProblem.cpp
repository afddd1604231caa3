#include "exports/ExportLineProblem.h"

#include <algorithm>

#include "exports/ClientList.h"
#include "exports/ExportLineGrammar.h"

namespace {

bool IsSeparatorOrControl(char c) {
  return static_cast<unsigned char>(c) < 32 || c == ' ' || c == '#' || c == ';' || c == ':' ||
         c == ',';
}

std::optional<std::string> TokenProblem(const std::string& what, const std::string& token) {
  if (token.empty()) return what + " is empty";
  if (std::any_of(token.begin(), token.end(), IsSeparatorOrControl))
    return what + " \"" + token + "\" holds a blank, TAB, '#', ';', ':', ',' or control character";
  if (token.size() > kMaxExportToken)
    return what + " is longer than " + std::to_string(kMaxExportToken) + " characters";
  return std::nullopt;
}

// The names of a clients or R/W list text, each checked, and the written text.
std::optional<std::string> ListProblem(const char* what, const std::string& text) {
  std::string written;
  for (const std::string& name : SplitClientList(text)) {
    if (auto problem = TokenProblem(std::string(what) + " name", name)) return problem;
    written += (written.empty() ? "" : " ") + name;
  }
  if (written.size() > kMaxExportToken)
    return std::string("the ") + what + " is longer than " + std::to_string(kMaxExportToken) +
           " characters as written";
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ExportLineProblem(const ExportEntry& entry) {
  const bool letter = (entry.drive >= 'a' && entry.drive <= 'z') || (entry.drive >= 'A' && entry.drive <= 'Z');
  if (!letter) return "the drive is not a letter";
  if (auto problem = TokenProblem("the path", entry.path)) return problem;
  if (!entry.IsExportedToAll()) {
    if (SplitClientList(entry.clients).empty()) return "no client is named";
    if (auto problem = ListProblem("client list", entry.clients)) return problem;
  }
  if (auto problem = ListProblem("R/W list", entry.rwList)) return problem;
  if (entry.mode < ExportEntry::kReadOnly || entry.mode > ExportEntry::kReadWriteList)
    return "the mode is not 0 (read only), 1 (read/write) or 2 (R/W list)";
  if (FormatExportLine(entry).size() - 1 > kMaxAnnouncedExportLine)
    return "the line is longer than " + std::to_string(kMaxAnnouncedExportLine) + " characters";
  return std::nullopt;
}
