#pragma once
// What the export editor edits, and its exchange with an ExportEntry for the New
// and Edit commands.
#include <string>

#include "exports/DriveByte.h"
#include "exports/ExportEntry.h"

struct ExportChoice {
  int allClients = 0;       // check box "Exported to All Clients", 0 or 1
  std::string pathText;     // without drive and colon
  std::string clientsText;  // as typed
  std::string rwListText;   // as typed
  int access = ExportEntry::kReadOnly;  // index of the checked access radio button
  int driveIndex = 0;       // the drive letter minus 'c': 0 for C:

  // The drive letter the choice stands for: lower case for a drive the user
  // picked; an entry's upper-case letter is kept until then.
  DriveByte DriveLetter() const { return static_cast<DriveByte>('c' + driveIndex); }
};

// A new export: to all clients, drive C:, read only, every text empty.
ExportChoice ChoiceForNewExport();

// The choice that shows entry as it is.
ExportChoice ChoiceOfEntry(const ExportEntry& entry);

// Fills entry from choice after OK. storedPath is the path to keep: the path text,
// or its short form when the text holds a blank (see PathNeedsShortForm).
void StoreChoice(const ExportChoice& choice, const std::string& storedPath, ExportEntry& entry);

// The exports file separates its fields by blanks, so a path with a blank is
// stored in its short (8.3) form.
bool PathNeedsShortForm(const std::string& pathText);
