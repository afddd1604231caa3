#pragma once
// One thing the checker found: what the console or the service would lose or
// misread, and where.
#include <cstddef>
#include <string>

struct Finding {
  // error: data is misread or lost (now, or at the console's next save);
  // warning: read as written, but probably not what the administrator meant.
  enum Severity { kError, kWarning };
  Severity severity = kError;
  std::string kind;     // stable name, e.g. "exports.skipped"
  std::string file;     // the path as this tool found it
  size_t line = 0;      // 1-based; 0 when the finding is not about one line
  std::string message;  // one line
};

inline const char* SeverityName(Finding::Severity severity) {
  return severity == Finding::kError ? "error" : "warning";
}
