#pragma once
// What a file holds once it matches the desired state: an entry the document
// names (an export by its directory, a mapping or a printer by its name) is changed in its
// place when it differs, a new one is appended, and one it does not name is kept,
// or removed with prune. A server that matches already gets back its bytes.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exports/ExportEntry.h"
#include "mapping/UserInfo.h"
#include "printing/PrinterExport.h"
#include "tools/nfsctl/DesiredState.h"

// The exports file's bytes made to hold desired. Lines the console does not read
// as an export (comments) are kept, and so is every line left as it was, byte
// for byte; a directory exported twice keeps its first line only. The caller
// refuses a file whose reader stops before its end.
std::string MergedExportsFile(std::string_view bytes, const std::vector<ExportEntry>& desired, bool prune);

// The mapping records made to hold desired; none, with problem naming the
// document's entry, when a kept mapping holds the ID of one of its names.
// part is "users" or "groups", idField "uid" or "gid".
std::optional<std::vector<CUserInfo>> MergedMappings(const std::vector<CUserInfo>& current,
                                                     const std::vector<CUserInfo>& desired, bool prune,
                                                     const std::string& part, const char* idField,
                                                     StateProblem& problem);

// printcap's bytes made to hold desired, line by line as the console reads them:
// every line left as it was stays byte for byte, and a second line of a name the
// document names is dropped. An entry that follows the default printer matches
// any "default" line of its name and is written with defaultPrinter, as the
// console writes it; none, with problem naming the document's entry, when one is
// to be written and no default printer is set. The caller refuses a file whose
// save would lose data.
std::optional<std::string> MergedPrintcapFile(std::string_view bytes, const std::vector<PrinterExport>& desired,
                                              bool prune, const WindowsPrinter& defaultPrinter,
                                              StateProblem& problem);
