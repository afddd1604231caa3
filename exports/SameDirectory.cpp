#include "exports/SameDirectory.h"

#include "portable/AsciiCase.h"
#include "portable/MbcsText.h"

namespace {

bool IsLead(char c) { return LeadBytes()[static_cast<unsigned char>(c)]; }
bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

std::string CanonicalPath(std::string_view path) {
  std::string canonical;
  std::string component;
  const auto endComponent = [&] {
    if (!component.empty() && component != ".") canonical += '\\' + component;
    component.clear();
  };
  for (size_t i = 0; i < path.size(); ++i) {
    if (IsLead(path[i]) && i + 1 < path.size()) {
      component += path[i];
      component += path[++i];
    } else if (IsSeparator(path[i])) {
      endComponent();
    } else {
      component += path[i];
    }
  }
  endComponent();
  return canonical.empty() ? "\\" : canonical;
}

std::string DirectoryKey(const ExportEntry& entry) {
  std::string form{AsciiLower(static_cast<char>(entry.drive)), ':'};
  const std::string path = CanonicalPath(entry.path);
  for (size_t i = 0; i < path.size(); ++i) {
    if (IsLead(path[i]) && i + 1 < path.size()) {
      form += path[i];
      form += path[++i];
    } else {
      form += AsciiLower(path[i]);
    }
  }
  return form;
}

bool SameDirectory(const ExportEntry& a, const ExportEntry& b) { return DirectoryKey(a) == DirectoryKey(b); }

const ExportEntry* FindSameDirectory(const std::vector<ExportEntry>& entries, const ExportEntry& entry) {
  const std::string form = DirectoryKey(entry);
  for (const ExportEntry& existing : entries)
    if (DirectoryKey(existing) == form) return &existing;
  return nullptr;
}
