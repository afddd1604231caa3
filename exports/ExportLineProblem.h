#pragma once
// What the exports file cannot carry. A value that would be written so that it
// reads back as something else (a host name or path holding a delimiter of the
// line, a token the reader would cut, a mode no button stands for) is refused
// before anything is stored or written. The export editor, addexport and nfsctl
// all ask here.
#include <string>
#include <string_view>

#include "exports/ExportEntry.h"

// Why a value is refused: the string-table message (its "%s", if any, stands for
// subject), the host name, path or piece of line concerned, and the editor field
// it belongs to. stringId 0: nothing is wrong.
struct ExportProblem {
  enum Field { kLine, kPath, kClients, kRwList, kMode };

  unsigned stringId = 0;
  std::string subject;
  Field field = kLine;

  explicit operator bool() const { return stringId != 0; }
};

// The longest line the console reads back when another program announces it: its
// reader takes 509 characters at a time, the line end among them.
constexpr size_t kMaxAnnouncedExportLine = 508;

// For an entry about to be stored and written whole.
ExportProblem ExportEntryProblem(const ExportEntry& entry);

// For a line about to be appended to the exports file (without its line end):
// nothing is wrong only when the console reads it to an entry that the file can
// carry and that writes back as the same line.
ExportProblem ExportLineProblem(std::string_view line);
