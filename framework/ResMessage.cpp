#include "framework/ResMessage.h"

#include "framework/Messages.h"

std::string ResMessage(UINT id, std::initializer_list<std::string_view> values) {
  std::string text = LoadResString(id);
  size_t at = 0;
  for (std::string_view value : values) {
    at = text.find("%s", at);
    if (at == std::string::npos) break;
    text.replace(at, 2, value);
    at += value.size();
  }
  return text;
}
