#pragma once
// A per-class table from command id to handler, with an optional predicate that
// says whether the command may run now.
#include <optional>
#include <span>

template <class T>
struct CommandEntry {
  unsigned id;
  void (T::*run)();
  bool (T::*enabled)() const = nullptr;
};

// Runs the handler of id; false when the table has none.
template <class T>
bool RunCommand(T& target, std::span<const CommandEntry<T>> table, unsigned id) {
  for (const CommandEntry<T>& entry : table) {
    if (entry.id != id) continue;
    if (!entry.enabled || (target.*entry.enabled)()) (target.*entry.run)();
    return true;
  }
  return false;
}

// Whether id may run now; none when the table has no handler for it.
template <class T>
std::optional<bool> QueryCommand(const T& target, std::span<const CommandEntry<T>> table, unsigned id) {
  for (const CommandEntry<T>& entry : table)
    if (entry.id == id) return !entry.enabled || (target.*entry.enabled)();
  return std::nullopt;
}
