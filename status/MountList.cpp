#include "status/MountList.h"

std::string MountListText(std::string_view fileBytes) {
  return std::string(fileBytes.substr(0, fileBytes.find('\0')));
}
