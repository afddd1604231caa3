#pragma once
// What the tool prints: records as a plain table or as JSON, and messages on
// standard error with the exit code that goes with them.
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

// Exit codes: success (or nothing found), refused (or problems found), bad usage
// or a file or key that cannot be read or written.
enum ExitCode { kExitOk = 0, kExitRefused = 1, kExitFailed = 2 };

// One record: field names stay the same from release to release.
using Record = nlohmann::ordered_json;

// A table with a column per field of the first record, or a JSON array. Texts
// are in the ANSI code page; JSON receives them as UTF-8, where a byte the code
// page cannot convert becomes the text \xNN. In a table, control characters
// are shown as \xNN (see VisibleText).
// Without records a table is its heading, of columns.
void PrintRecords(const std::vector<Record>& records, bool json, const std::vector<std::string>& columns);

// The field names of record, in order: a list's columns when it is empty.
std::vector<std::string> KeysOf(const Record& record);

// Text of many lines taken from files (a diff, a version), with its control
// characters shown as \xNN but its line ends and tabs kept.
void PrintText(const std::string& text);

// One JSON document (an object), converted to UTF-8 like PrintRecords.
void PrintJson(const Record& document);

// What --what-if would do, for a change that is not a text file's: a line of
// text, or {"written": false, "would": text} with --json.
void PrintWouldDo(const std::string& text, bool json);

// "nfsctl: <message>" on standard error, control characters shown as \xNN:
// what the user should know of a change that was made.
void Note(const std::string& message);

// Errors as one JSON object, for --json: set once the command line is read.
void ReportErrorsAsJson(bool json);

// "nfsctl: <message>" on standard error, control characters shown as \xNN; or,
// for --json, {"error": message, "file": file or null, "code": code}. Returns code.
int Fail(ExitCode code, const std::string& message, const std::string& file = {});
