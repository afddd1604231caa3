#include "exports/ExportLineGrammar.h"

#include <algorithm>
#include <array>

#include "exports/DriveByte.h"

namespace {

// What each byte is to the parser, as a table: it asks for every byte of a line.
enum ByteKind : unsigned char { kToken, kDelimiter, kColon };
constexpr std::array<ByteKind, 256> kByteKinds = [] {
  std::array<ByteKind, 256> table{};
  for (const unsigned char c : {'\0', '\t', '\n', '\r', ' ', '#', ';'}) table[c] = kDelimiter;
  table[':'] = kColon;
  return table;
}();

ByteKind KindOf(char c) { return kByteKinds[static_cast<unsigned char>(c)]; }
bool IsDelimiter(char c) { return KindOf(c) == kDelimiter; }

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
        if (length_ != 1 || fields_ != 0) return -1;
        entry_.drive = static_cast<DriveByte>(token_[0]);
        fields_ = 1;
        length_ = 0;
        continue;
      }
      if (!IsDelimiter(c)) {
        // The whole run of token characters at once, kept up to the token's limit.
        size_t end = i + 1;
        const size_t stop = std::min(line.size(), scanLimit);
        while (end < stop && IsExportTokenCharacter(line[end])) ++end;
        const size_t kept = std::min(end - i, kMaxExportToken - length_);
        std::copy_n(line.data() + i, kept, token_ + length_);
        length_ += kept;
        i = end - 1;
        continue;
      }
      DisposeToken();
      if (c == ';') {
        rw_ = RwState::kFirstName;
        length_ = 0;
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
    if (length_ == 0) return;
    const std::string_view token(token_, length_);
    switch (rw_) {
      case RwState::kFirstName:
        entry_.rwList = token;
        rw_ = RwState::kMoreNames;
        break;
      case RwState::kMoreNames:
        entry_.rwList += ',';
        entry_.rwList += token;
        break;
      case RwState::kBeforeMode:
        if (fields_ == 0) return;  // a drive letter may still be followed by its colon
        if (fields_ == 1) {
          entry_.path = token;
        } else if (fields_ == 2) {
          entry_.clients = token;
        } else {
          entry_.clients += ", ";
          entry_.clients += token;
        }
        ++fields_;
        break;
    }
    length_ = 0;
  }

  ExportEntry& entry_;
  // The token being read; a fixed buffer, as tokens never pass kMaxExportToken.
  char token_[kMaxExportToken];
  size_t length_ = 0;
  int fields_ = 0;
  RwState rw_ = RwState::kBeforeMode;
};

// The mode as the reader takes it back: the one character after ';'. A mode the
// editor stores is a digit; any other came from the file as its character and
// goes back as that character, so that a rewrite never changes what the service
// reads (17 written as "17" would read back as 1, Read/Write, with an R/W list
// "7"). A mode that was a line end goes back as the ';' ending its line.
void AppendModeAndRwList(const ExportEntry& entry, std::string& line) {
  line += ';';
  const int code = '0' + entry.mode;
  if (code == '\n' || code == '\r') return;
  line += static_cast<char>(code);
  line += ' ';
  std::replace_copy(entry.rwList.begin(), entry.rwList.end(), std::back_inserter(line), ',', ' ');
}

}  // namespace

bool IsExportTokenCharacter(char c) { return KindOf(c) == kToken; }

std::optional<std::string_view> FirstOverlongExportToken(std::string_view line) {
  size_t start = 0;
  for (size_t i = 0; i <= line.size(); ++i) {
    const char c = i < line.size() ? line[i] : '\0';
    if (IsExportTokenCharacter(c)) continue;
    if (i - start > kMaxExportToken) return line.substr(start, i - start);
    if (EndsLine(c)) break;
    if (c == ';') ++i;
    start = i + 1;
  }
  return std::nullopt;
}

int ParseExportLine(std::string_view line, size_t scanLimit, ExportEntry& entry) {
  // A NUL ends the text: the parser takes it for the end of the line.
  const int fields = LineParser(entry).Parse(line, scanLimit);
  if (fields == 2) entry.flags |= ExportEntry::kAllClients;
  return fields;
}

std::string FormatExportLine(const ExportEntry& entry) {
  std::string line;
  line += static_cast<char>(entry.drive);
  line += ':';
  line += entry.path;
  if (!entry.IsExportedToAll()) {
    line += ' ';
    std::remove_copy(entry.clients.begin(), entry.clients.end(), std::back_inserter(line), ',');
  }
  AppendModeAndRwList(entry, line);
  line += '\n';
  return line;
}
