#include "tools/nfsctl/Report.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace {

std::string AnsiToUtf8(const std::string& text) {
  if (text.empty()) return text;
  const int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring buffer(static_cast<size_t>(wide), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), buffer.data(), wide);
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, buffer.data(), wide, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, buffer.data(), wide, utf8.data(), bytes, nullptr, nullptr);
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
  if (value.is_string()) return value.get<std::string>();
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

void PrintRecords(const std::vector<Record>& records, bool json) {
  if (json) {
    PrintJson(Record(records));
    return;
  }
  if (records.empty()) return;
  std::vector<std::string> keys;
  for (auto it = records[0].begin(); it != records[0].end(); ++it) keys.push_back(it.key());
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

void PrintWouldDo(const std::string& text, bool json) {
  if (json)
    PrintJson({{"written", false}, {"would", text}});
  else
    std::fputs(("would " + text + "\n").c_str(), stdout);
}

int Fail(ExitCode code, const std::string& message) {
  std::fprintf(stderr, "nfsctl: %s\n", message.c_str());
  return code;
}
