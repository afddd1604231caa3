#include "tools/hostedit/HostsCheck.h"

#include <algorithm>
#include <optional>

#include "exports/HostNames.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::string Quoted(std::string_view text) { return std::string(1, '"').append(text) += '"'; }

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (size_t pos; (pos = text.find(separator, start)) != std::string_view::npos; start = pos + 1)
    parts.push_back(text.substr(start, pos - start));
  parts.push_back(text.substr(start));
  return parts;
}

bool IsIpv4(std::string_view text) {
  const auto parts = Split(text, '.');
  if (parts.size() != 4) return false;
  for (std::string_view part : parts) {
    if (part.empty() || part.size() > 3 || !std::all_of(part.begin(), part.end(), IsDigit))
      return false;
    if (part.size() > 1 && part[0] == '0') return false;
    int value = 0;
    for (char c : part) value = value * 10 + (c - '0');
    if (value > 255) return false;
  }
  return true;
}

// Groups of 1 to 4 hex digits separated by ':', at most one "::" standing for one
// or more zero groups, and optionally an IPv4 address in place of the last two.
bool IsIpv6(std::string_view text) {
  size_t groups = 0;
  const size_t lastColon = text.rfind(':');
  if (lastColon != std::string_view::npos && text.find('.', lastColon) != std::string_view::npos) {
    if (!IsIpv4(text.substr(lastColon + 1))) return false;
    groups = 2;
    // Keep a "::" before the IPv4 part whole; drop a single separating ':'.
    const bool gapBefore = lastColon > 0 && text[lastColon - 1] == ':';
    text = text.substr(0, gapBefore ? lastColon + 1 : lastColon);
  }
  const size_t gap = text.find("::");
  if (gap != std::string_view::npos && text.find("::", gap + 1) != std::string_view::npos)
    return false;
  auto countGroups = [&groups](std::string_view side) {
    if (side.empty()) return true;
    for (std::string_view group : Split(side, ':')) {
      if (group.empty() || group.size() > 4 || !std::all_of(group.begin(), group.end(), IsHexDigit))
        return false;
      ++groups;
    }
    return true;
  };
  if (gap == std::string_view::npos)
    return !text.empty() && countGroups(text) && groups == 8;
  return countGroups(text.substr(0, gap)) && countGroups(text.substr(gap + 2)) && groups < 8;
}

}  // namespace

std::string CheckAddress(std::string_view address) {
  if (address.empty()) return "Type the address of the host.";
  if (IsIpv4(address) || IsIpv6(address)) return {};
  return Quoted(address) +
         " is not an address. Type an IPv4 address such as 192.168.1.20 "
         "or an IPv6 address such as fe80::1.";
}

std::string CheckHostName(std::string_view name) {
  if (name.size() > 253)
    return "The host name " + Quoted(name.substr(0, 20)) + "... is longer than 253 characters.";
  for (std::string_view label : Split(name, '.')) {
    if (label.empty())
      return "The host name " + Quoted(name) + " has an empty part between dots.";
    if (label.size() > 63)
      return "The host name " + Quoted(name) + " has a part longer than 63 characters.";
    for (char c : label) {
      if (!IsLetter(c) && !IsDigit(c) && c != '-' && c != '_')
        return "The host name " + Quoted(name) +
               " may hold only letters, digits, '-', '_' and dots.";
    }
    if (label.front() == '-' || label.back() == '-')
      return "A part of the host name " + Quoted(name) + " starts or ends with '-'.";
  }
  return {};
}

std::string CheckHostNames(std::string_view text, std::vector<std::string>& names) {
  std::vector<std::string> found;
  for (std::string_view part : Split(text, ' ')) {
    if (part.empty()) continue;
    if (std::string error = CheckHostName(part); !error.empty()) return error;
    found.emplace_back(part);
  }
  if (found.empty()) return "Type at least one host name.";
  names = std::move(found);
  return {};
}

std::string CheckListedName(std::string_view address, const std::vector<std::string>& names) {
  const std::optional<std::string> listed = HostNameOfLine(std::string(address) + '\t' + names.front() + '\n');
  if (listed == names.front()) return {};
  return "The console's export editor will list this entry as " + Quoted(listed.value_or("")) + ", not " +
         Quoted(names.front()) + ": it takes the first word of a line that starts with a letter. "
         "Take the entry all the same?";
}
