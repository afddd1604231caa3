#pragma once
// The desired-state document that `nfsctl state export` writes and `nfsctl apply`
// takes (docs/state-schema.md), read into what the files and the registry would
// hold. Every value is checked by the same rules the other verbs use before
// anything is written, so a document is taken whole or refused whole.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exports/ExportEntry.h"
#include "exports/ExportLineProblem.h"
#include "mapping/UserInfo.h"
#include "printing/PrinterExport.h"
#include "status/ServerOptions.h"

inline constexpr char kStateSchema[] = "nfs-server-state";
inline constexpr int kStateVersion = 1;

// The options' names in the document, in the order of kServerOptionNames.
inline constexpr std::array<const char*, kServerOptionCount> kStateOptionNames = {"nfs3", "pcnfsd", "nlm", "read",
                                                                                  "write"};

// A part left out of the document is left alone on the server.
struct DesiredState {
  std::optional<std::vector<ExportEntry>> exports;
  std::optional<std::vector<CUserInfo>> users;
  std::optional<std::vector<CUserInfo>> groups;
  std::array<std::optional<int32_t>, kServerOptionCount> options;
  // An entry that follows the default printer holds no printer: it takes the
  // Windows default printer when it is written.
  std::optional<std::vector<PrinterExport>> printers;
};

// Why a document is refused: where in it (exports[3].mode), and either the text
// or an export refusal whose message is the string table's.
struct StateProblem {
  std::string where;
  std::string text;
  ExportProblem exportProblem;
};

// The document's UTF-8 text in the ANSI code page; none when a character has no
// counterpart there.
using ToAnsi = std::function<std::optional<std::string>(const std::string& utf8)>;

// The document read and checked whole; none, with the first refusal in problem.
std::optional<DesiredState> ReadDesiredState(std::string_view document, const ToAnsi& toAnsi, StateProblem& problem);
