#pragma once
// Names of the files in the spool directory. Their names come from PC clients
// through the service, so each is checked before the console touches a file.
#include <string>
#include <string_view>

// The longest control file name that the console handles; longer ones are passed over.
constexpr size_t kMaxControlFileName = 13;

// A name of the form cf*.nfs (any case): a control file the service wrote.
bool MatchesControlFilePattern(std::string_view name);
// Such a name of at most kMaxControlFileName bytes that IsSafeSpoolFileName
// takes: cf\..\..\.nfs matches the pattern but names a file elsewhere.
bool IsHandledControlFileName(std::string_view name);

// A spool file name (a data file's, or a control file's given on a command
// line) that names a file of the spool directory and nothing else: not empty,
// not "." or "..", no '\', '/' or ':' (double-byte characters respected), and no
// device name such as PRN or COM1. A job whose data file name fails this is
// never printed; only its control file is removed.
bool IsSafeSpoolFileName(std::string_view name);

// The spool directory, "\", the file name.
std::string MakeSpoolPath(std::string_view spoolDirectory, std::string_view fileName);
