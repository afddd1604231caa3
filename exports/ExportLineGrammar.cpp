#include "exports/ExportLineGrammar.h"

#include <algorithm>

namespace {

bool IsDelimiter(char c) {
  switch (c) {
    case '\0': case '\t': case '\n': case '\r': case ' ': case '#': case ';':
      return true;
    default:
      return false;
  }
}

bool EndsLine(char c) { return c == '\0' || c == '\n' || c == '\r' || c == '#'; }

// Where the next token of the R/W list goes, once a ';' has been met.
enum class RwState { kBeforeMode, kFirstName, kMoreNames };

class LineParser {
 public:
  explicit LineParser(ExportEntry& entry) : entry_(entry) {}

  int Parse(std::string_view line, size_t scanLimit) {
    for (size_t i = 0; i < scanLimit; ++i) {
      const char c = i < line.size() ? line[i] : '\0';
      if (c == ':') {
        if (token_.size() != 1 || fields_ != 0) return -1;
        entry_.drive = static_cast<unsigned char>(token_[0]);
        fields_ = 1;
        token_.clear();
        continue;
      }
      if (!IsDelimiter(c)) {
        if (token_.size() < kMaxExportToken) token_ += c;
        continue;
      }
      DisposeToken();
      if (c == ';') {
        rw_ = RwState::kFirstName;
        token_.clear();
        // The character after ';' is the mode digit, whatever it is; at the very
        // end of the text there is none and the export stays read only.
        const char digit = i + 1 < line.size() ? line[i + 1] : '\0';
        if (digit == '\0') {
          entry_.mode = ExportEntry::kReadOnly;
          break;
        }
        entry_.mode = digit - '0';
        ++i;
      } else if (EndsLine(c)) {
        break;
      }
    }
    return fields_;
  }

 private:
  void DisposeToken() {
    if (token_.empty()) return;
    switch (rw_) {
      case RwState::kFirstName:
        entry_.rwList = token_;
        rw_ = RwState::kMoreNames;
        break;
      case RwState::kMoreNames:
        entry_.rwList += ',';
        entry_.rwList += token_;
        break;
      case RwState::kBeforeMode:
        if (fields_ == 0) return;  // a drive letter may still be followed by its colon
        if (fields_ == 1) {
          entry_.path = token_;
        } else if (fields_ == 2) {
          entry_.clients = token_;
        } else {
          entry_.clients += ", ";
          entry_.clients += token_;
        }
        ++fields_;
        break;
    }
    token_.clear();
  }

  ExportEntry& entry_;
  std::string token_;
  int fields_ = 0;
  RwState rw_ = RwState::kBeforeMode;
};

}  // namespace

int ParseExportLine(std::string_view line, size_t scanLimit, ExportEntry& entry) {
  line = line.substr(0, line.find('\0'));
  const int fields = LineParser(entry).Parse(line, scanLimit);
  if (fields == 2) entry.flags |= ExportEntry::kAllClients;
  return fields;
}

std::string FormatExportLine(const ExportEntry& entry) {
  std::string rwList = entry.rwList;
  std::replace(rwList.begin(), rwList.end(), ',', ' ');

  std::string line;
  line += static_cast<char>(entry.drive);
  line += ':';
  line += entry.path;
  if (!entry.IsExportedToAll()) {
    line += ' ';
    std::remove_copy(entry.clients.begin(), entry.clients.end(), std::back_inserter(line), ',');
  }
  line += ';';
  line += std::to_string(entry.mode);
  line += ' ';
  line += rwList;
  line += '\n';
  return line;
}
