#include "tools/nfsctl/Report.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "portable/VisibleText.h"

namespace {

bool g_jsonErrors = false;

// The C0 controls, DEL, and the bytes that are C1 controls in a single-byte
// ANSI code page (in 1252 the few it leaves undefined).
const ByteSet& TerminalControls() {
  static const ByteSet controls = [] {
    ByteSet set = AsciiControlBytes();
    for (int byte = 0x80; byte <= 0xff; ++byte) {
      const char narrow = static_cast<char>(byte);
      wchar_t wide = 0;
      if (!IsDBCSLeadByte(static_cast<BYTE>(byte)) &&
          MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &narrow, 1, &wide, 1) == 1 && wide >= 0x80 &&
          wide <= 0x9f)
        set.set(static_cast<size_t>(byte));
    }
    return set;
  }();
  return controls;
}

std::string Visible(const std::string& text) { return VisibleText(text, TerminalControls()); }

std::string WideToUtf8(const std::wstring& wide) {
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                        nullptr, nullptr);
  std::string utf8(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), bytes, nullptr, nullptr);
  return utf8;
}

// A character of the code page (one byte, or a lead byte and its trail) as
// UTF-8; bytes that convert to nothing become the text \xNN, so a name is never lost.
std::string AnsiToUtf8(const std::string& text) {
  std::string utf8;
  for (size_t i = 0; i < text.size();) {
    const size_t length = IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < text.size() ? 2 : 1;
    wchar_t wide[2];
    const int converted =
        MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data() + i, static_cast<int>(length), wide, 2);
    if (converted > 0)
      utf8 += WideToUtf8(std::wstring(wide, static_cast<size_t>(converted)));
    else
      for (size_t byte = i; byte < i + length; ++byte) {
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(text[byte]));
        utf8 += escaped;
      }
    i += length;
  }
  return utf8;
}

Record ToUtf8(const Record& value) {
  if (value.is_string()) return AnsiToUtf8(value.get<std::string>());
  if (!value.is_structured()) return value;
  Record converted = value.is_array() ? Record::array() : Record::object();
  for (auto it = value.begin(); it != value.end(); ++it) {
    if (value.is_array())
      converted.push_back(ToUtf8(*it));
    else
      converted[AnsiToUtf8(it.key())] = ToUtf8(it.value());
  }
  return converted;
}

// A table cell: texts as they are, lists joined by commas, switches as yes/no.
std::string Cell(const Record& value) {
  if (value.is_string()) return Visible(value.get<std::string>());
  if (value.is_boolean()) return value.get<bool>() ? "yes" : "no";
  if (value.is_null()) return "-";
  if (value.is_array()) {
    std::string joined;
    for (const Record& item : value) joined += (joined.empty() ? "" : ",") + Cell(item);
    return joined;
  }
  return value.dump();
}

std::string Heading(std::string name) {
  std::replace(name.begin(), name.end(), '_', ' ');
  std::transform(name.begin(), name.end(), name.begin(), [](char c) { return static_cast<char>(std::toupper(c)); });
  return name;
}

}  // namespace

void PrintJson(const Record& document) {
  std::fputs((ToUtf8(document).dump(2) + "\n").c_str(), stdout);
}

std::vector<std::string> KeysOf(const Record& record) {
  std::vector<std::string> keys;
  for (auto it = record.begin(); it != record.end(); ++it) keys.push_back(it.key());
  return keys;
}

void PrintRecords(const std::vector<Record>& records, bool json, const std::vector<std::string>& columns) {
  if (json) {
    PrintJson(records.empty() ? Record::array() : Record(records));
    return;
  }
  const std::vector<std::string> keys = records.empty() ? columns : KeysOf(records[0]);
  if (keys.empty()) return;
  std::vector<std::vector<std::string>> rows{{}};
  for (const std::string& key : keys) rows[0].push_back(Heading(key));
  for (const Record& record : records) {
    rows.emplace_back();
    for (const std::string& key : keys) rows.back().push_back(Cell(record.value(key, Record())));
  }
  std::vector<size_t> widths(keys.size());
  for (const auto& row : rows)
    for (size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
  // One write: under Wine each write to a redirected standard output costs milliseconds.
  std::string table;
  for (const auto& row : rows) {
    std::string line;
    for (size_t i = 0; i < row.size(); ++i) {
      line += row[i];
      if (i + 1 < row.size()) line += std::string(widths[i] - row[i].size() + 2, ' ');
    }
    line.erase(line.find_last_not_of(' ') + 1);
    table += line + "\n";
  }
  std::fputs(table.c_str(), stdout);
}

void PrintText(const std::string& text) {
  ByteSet controls = TerminalControls();
  controls.reset('\n').reset('\t');
  // A CR LF pair is a line end (the text-mode stream writes it back), not a control.
  std::string lines = text;
  for (size_t at = lines.find("\r\n"); at != std::string::npos; at = lines.find("\r\n", at)) lines.erase(at, 1);
  std::fputs(VisibleText(lines, controls).c_str(), stdout);
}

void PrintWouldDo(const std::string& text, bool json) {
  if (json)
    PrintJson({{"written", false}, {"would", text}});
  else
    std::fputs(("would " + Visible(text) + "\n").c_str(), stdout);
}

void Note(const std::string& message) { std::fprintf(stderr, "nfsctl: %s\n", Visible(message).c_str()); }

void ReportErrorsAsJson(bool json) { g_jsonErrors = json; }

int Fail(ExitCode code, const std::string& message, const std::string& file) {
  if (g_jsonErrors) {
    const Record error{{"error", message}, {"file", file.empty() ? Record() : Record(file)}, {"code", code}};
    std::fputs((ToUtf8(error).dump() + "\n").c_str(), stderr);
  } else {
    std::fprintf(stderr, "nfsctl: %s\n", Visible(message).c_str());
  }
  return code;
}
