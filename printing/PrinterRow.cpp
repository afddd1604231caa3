#include "printing/PrinterRow.h"

#include <string_view>

namespace {
// Where each value starts and how much of it is shown; blanks between them.
struct Column {
  size_t start;
  size_t width;
};
constexpr Column kName{0, 13};
constexpr Column kStatus{14, 11};
constexpr Column kDevice{26, 31};
constexpr Column kPort{58, 12};

void Put(std::string& row, Column column, std::string_view value) {
  value = value.substr(0, column.width);
  row.replace(column.start, value.size(), value);
}
}  // namespace

std::string FormatPrinterRow(const PrinterExport& entry) {
  std::string row(kPrinterRowWidth, ' ');
  Put(row, kName, entry.name);
  Put(row, kStatus, entry.status);
  Put(row, kDevice, entry.device);
  Put(row, kPort, entry.port);
  return row;
}
