#include "exports/ExportRowText.h"

namespace {
constexpr size_t kPathColumn = 5;
constexpr size_t kClientsColumn = 36;
constexpr size_t kWholePath = kClientsColumn - kPathColumn;  // 31
constexpr size_t kPathTail = kWholePath - 3;                  // after "..."
constexpr int kExtentMargin = 40;
}  // namespace

std::string FormatExportRow(const ExportEntry& entry) {
  std::string line(kPathColumn, ' ');
  line[3] = static_cast<char>(entry.drive | 0x20);
  line[4] = ':';
  if (entry.path.size() <= kWholePath)
    line += entry.path;
  else
    line += "..." + entry.path.substr(entry.path.size() - kPathTail);
  line.resize(kClientsColumn, ' ');

  const std::string& clients =
      entry.IsExportedToAll() ? std::string("<exported to all clients>") : entry.clients;
  const size_t room = kMaxExportRow - kClientsColumn;
  if (clients.size() <= room)
    line += clients;
  else
    line += clients.substr(0, room - 3) + "...";
  return line;
}

int WidenExtent(int extentChars, const ExportEntry& entry) {
  const int length = static_cast<int>(entry.clients.size());
  return length > extentChars - kExtentMargin ? length + kExtentMargin : extentChars;
}
