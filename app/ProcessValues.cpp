#include "app/ProcessValues.h"

namespace {
std::optional<std::string> g_exportsPath;
}  // namespace

const std::optional<std::string>& ExportsPath() { return g_exportsPath; }
void SetExportsPath(std::optional<std::string> path) { g_exportsPath = std::move(path); }
