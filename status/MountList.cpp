#include "status/MountList.h"

std::string MountListText(std::string_view fileBytes) {
  return std::string(fileBytes.substr(0, fileBytes.find('\0')));
}

std::string MountListDisplayText(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) shown += '\r';
    shown += text[i];
  }
  return shown;
}
