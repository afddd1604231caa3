#include "framework/AnsiText.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <memory>

namespace {
struct LocalMemoryFree {
  void operator()(LPWSTR* arguments) const noexcept { LocalFree(arguments); }
};

// An argument the ANSI code page cannot carry, named in printable ASCII: every
// other character as \uXXXX.
std::string Escaped(std::wstring_view wide) {
  std::string text;
  for (const wchar_t c : wide) {
    if (c >= 0x20 && c < 0x7F) {
      text += static_cast<char>(c);
    } else {
      char code[8];
      std::snprintf(code, sizeof code, "\\u%04X", static_cast<unsigned>(c));
      text += code;
    }
  }
  return text;
}
}  // namespace

std::optional<std::string> ExactAnsi(std::wstring_view wide) {
  wide = wide.substr(0, wide.find(L'\0'));
  if (wide.empty()) return std::string();
  const int length = static_cast<int>(wide.size());
  const int needed =
      WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return std::nullopt;
  std::string text(static_cast<size_t>(needed), '\0');
  BOOL usedDefault = FALSE;
  if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, text.data(), needed, nullptr,
                          &usedDefault) != needed ||
      usedDefault)
    return std::nullopt;
  return text;
}

std::optional<std::vector<std::string>> ExactAnsiArguments(std::string& problem) {
  int count = 0;
  const std::unique_ptr<LPWSTR, LocalMemoryFree> wide(CommandLineToArgvW(GetCommandLineW(), &count));
  if (!wide) {
    problem = "the command line cannot be read";
    return std::nullopt;
  }
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i) {
    std::optional<std::string> argument = ExactAnsi(wide.get()[i]);
    if (!argument) {
      problem = "argument " + std::to_string(i) + " \"" + Escaped(wide.get()[i]) + "\" holds characters that the "
                "ANSI code page (" + std::to_string(GetACP()) + ") cannot carry";
      return std::nullopt;
    }
    arguments.push_back(std::move(*argument));
  }
  return arguments;
}
