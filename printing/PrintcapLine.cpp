#include "printing/PrintcapLine.h"

#include <algorithm>

namespace {

// Splits off fields the way the service's reader does: leading commas are
// skipped, so a run of commas is one separator and a field is never empty.
class FieldSplitter {
 public:
  explicit FieldSplitter(std::string_view line) : line_(line) {}

  std::optional<std::string_view> Next() {
    pos_ = std::min(line_.find_first_not_of(',', pos_), line_.size());
    if (pos_ == line_.size()) return std::nullopt;
    const size_t end = std::min(line_.find(',', pos_), line_.size());
    const std::string_view field = line_.substr(pos_, end - pos_);
    pos_ = end == line_.size() ? end : end + 1;
    return field;
  }

  std::string_view Rest() const { return line_.substr(pos_); }

 private:
  std::string_view line_;
  size_t pos_ = 0;
};

}  // namespace

std::optional<PrinterExport> ParsePrintcapLine(std::string_view line,
                                               const DefaultPrinterSource& defaultPrinter) {
  FieldSplitter fields(line.substr(0, line.find('\0')));
  auto name = fields.Next();
  auto driver = fields.Next();
  auto device = fields.Next();
  auto port = fields.Next();
  if (!port) return std::nullopt;

  // Built in place from the fields: the file may hold thousands of lines.
  if (*driver == kDefaultDriverField) {
    WindowsPrinter printer = defaultPrinter();
    return PrinterExport{std::string(*name), kPrinterReady, 1, std::move(printer.driver), std::move(printer.device),
                         std::move(printer.port), std::string(fields.Rest())};
  }
  return PrinterExport{std::string(*name), kPrinterReady, 0, std::string(*driver), std::string(*device),
                       std::string(*port), std::string(fields.Rest())};
}

bool IsPrintcapField(std::string_view text) {
  return !text.empty() &&
         std::none_of(text.begin(), text.end(), [](char c) { return c == ',' || static_cast<unsigned char>(c) < 32; });
}

std::string FormatPrintcapLine(const PrinterExport& entry) {
  const std::string& driver = entry.useDefault ? std::string(kDefaultDriverField) : entry.driver;
  return entry.name + ',' + driver + ',' + entry.device + ',' + entry.port + ',' + entry.extra + "\r\n";
}
