#include "printing/ProfileDevice.h"

#include <algorithm>
#include <string>

namespace {
// The field up to the next comma, and value moved past that comma.
std::string TakeField(std::string_view& value) {
  const size_t end = std::min(value.find(','), value.size());
  std::string field(value.substr(0, end));
  value.remove_prefix(std::min(end + 1, value.size()));
  return field;
}
}  // namespace

WindowsPrinter ParseProfileDevice(std::string_view value) {
  value = value.substr(0, std::min(value.find('\0'), kMaxProfileDevice));
  WindowsPrinter printer;
  printer.device = TakeField(value);
  printer.driver = TakeField(value);
  printer.port = TakeField(value);
  return printer;
}
