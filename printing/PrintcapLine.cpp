#include "printing/PrintcapLine.h"

#include <algorithm>
#include <optional>

namespace {

// Splits off fields the way the service's reader does: leading commas are
// skipped, so a run of commas is one separator and a field is never empty. The
// text ends at its first NUL; one pass over the bytes finds both.
class FieldSplitter {
 public:
  explicit FieldSplitter(std::string_view line) : line_(line) {}

  std::optional<std::string_view> Next() {
    while (pos_ < line_.size() && line_[pos_] == ',') ++pos_;
    if (pos_ == line_.size() || line_[pos_] == '\0') return std::nullopt;
    size_t end = pos_ + 1;
    while (end < line_.size() && line_[end] != ',' && line_[end] != '\0') ++end;
    const std::string_view field = line_.substr(pos_, end - pos_);
    pos_ = end < line_.size() && line_[end] == ',' ? end + 1 : end;
    return field;
  }

  std::string_view Rest() const {
    const std::string_view rest = line_.substr(pos_);
    return rest.substr(0, rest.find('\0'));
  }

 private:
  std::string_view line_;
  size_t pos_ = 0;
};

}  // namespace

bool ParsePrintcapLine(std::string_view line, const DefaultPrinterSource& defaultPrinter, PrinterExport& entry) {
  FieldSplitter fields(line);
  const auto name = fields.Next();
  const auto driver = fields.Next();
  const auto device = fields.Next();
  const auto port = fields.Next();
  if (!port) return false;

  entry.name = *name;
  entry.status = kPrinterReady;
  entry.useDefault = *driver == kDefaultDriverField;
  if (entry.useDefault) {
    WindowsPrinter printer = defaultPrinter();
    entry.driver = std::move(printer.driver);
    entry.device = std::move(printer.device);
    entry.port = std::move(printer.port);
  } else {
    entry.driver = *driver;
    entry.device = *device;
    entry.port = *port;
  }
  entry.extra = fields.Rest();
  return true;
}

bool IsPrintcapField(std::string_view text) {
  return !text.empty() &&
         std::none_of(text.begin(), text.end(), [](char c) { return c == ',' || static_cast<unsigned char>(c) < 32; });
}

bool IsValidExportName(std::string_view name) {
  return name.size() <= kMaxExportName && name.find('.') == std::string_view::npos && IsPrintcapField(name);
}

std::string FormatPrintcapLine(const PrinterExport& entry) {
  if (!entry.useDefault)
    return entry.name + ',' + entry.driver + ',' + entry.device + ',' + entry.port + ',' + entry.extra + "\r\n";
  // Fields 3 and 4 of a "default" line carry the default printer's device and
  // port. Where one could not stand as a field (empty, with no default printer
  // set; holding a comma) the line would read back otherwise, so it says
  // "default", which reading replaces all the same.
  const auto orDefault = [](const std::string& field) {
    return IsPrintcapField(field) ? field : kDefaultDriverField;
  };
  return entry.name + ',' + kDefaultDriverField + ',' + orDefault(entry.device) + ',' + orDefault(entry.port) +
         ',' + entry.extra + "\r\n";
}
