#include "portable/VersionStore.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <tuple>
#include <unordered_map>

#include "portable/AsciiCase.h"
#include "portable/SaveWholeFile.h"
#include "portable/TextLine.h"
#include "portable/UniqueFile.h"
#include "portable/WholeFile.h"
#include "portable/VisibleText.h"
#include "portable/WholeNumber.h"

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#include <process.h>
#else
#include <dirent.h>
#include <unistd.h>
#endif

namespace {
constexpr std::string_view kMagic = "nfs-version 1\n";
constexpr std::string_view kSuffix = ".ver";

#ifdef _WIN32
constexpr char kSeparator = '\\';
int MakeFolder(const std::string& path) { return _mkdir(path.c_str()); }
int OpenNew(const std::string& path) { return _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, 0644); }
int ProcessId() { return _getpid(); }
std::FILE* StreamOf(int handle) { return _fdopen(handle, "wb"); }
void CloseDescriptor(int handle) { _close(handle); }
#else
constexpr char kSeparator = '/';
int MakeFolder(const std::string& path) { return mkdir(path.c_str(), 0755); }
int OpenNew(const std::string& path) { return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644); }
int ProcessId() { return getpid(); }
std::FILE* StreamOf(int handle) { return fdopen(handle, "wb"); }
void CloseDescriptor(int handle) { close(handle); }
#endif

// The plain files of folder by name, with their sizes. A directory search gives
// the sizes on Windows, where one stat per file would cost as much as reading it.
std::vector<std::pair<std::string, uint64_t>> FilesIn(const std::string& folder) {
  std::vector<std::pair<std::string, uint64_t>> files;
#ifdef _WIN32
  _finddatai64_t found;
  const intptr_t search = _findfirsti64((folder + "\\*").c_str(), &found);
  if (search == -1) return files;
  do {
    if (!(found.attrib & _A_SUBDIR)) files.emplace_back(found.name, static_cast<uint64_t>(found.size));
  } while (_findnexti64(search, &found) == 0);
  _findclose(search);
#else
  DIR* dir = opendir(folder.c_str());
  if (!dir) return files;
  while (const dirent* item = readdir(dir)) {
    struct stat info {};
    if (stat((folder + kSeparator + item->d_name).c_str(), &info) == 0 && S_ISREG(info.st_mode))
      files.emplace_back(item->d_name, static_cast<uint64_t>(info.st_size));
  }
  closedir(dir);
#endif
  return files;
}

// One version file of the folder, as its name says.
struct Entry {
  std::string fileName;
  std::string id;
  std::string file;
  uint64_t size = 0;
  // Time, then process id and counter as numbers: the order in which versions were kept.
  std::tuple<std::string, uint64_t, uint64_t> order;
};

std::vector<Entry> Entries(const std::string& folder) {
  std::vector<Entry> entries;
  for (auto& [name, size] : FilesIn(folder)) {
    const size_t dot = name.find('.');
    if (dot == std::string::npos || !name.ends_with(kSuffix) || dot + kSuffix.size() >= name.size()) continue;
    Entry entry{name, name.substr(0, dot), name.substr(dot + 1, name.size() - dot - 1 - kSuffix.size()), size, {}};
    const size_t pid = entry.id.find('-'), counter = entry.id.rfind('-');
    const auto number = [&entry](size_t from) {
      return from == std::string::npos ? 0 : std::strtoull(entry.id.c_str() + from + 1, nullptr, 10);
    };
    entry.order = {entry.id.substr(0, pid), number(pid), number(counter)};
    entries.push_back(std::move(entry));
  }
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.order > b.order; });
  return entries;
}

bool SameFile(std::string_view a, std::string_view b) { return EqualsIgnoringAsciiCase(a, b); }

// "20261207T083431123", "2026-12-07T08:34:31.123Z" and "2026-12-07 09:34:31.123".
struct Stamp {
  std::string name, utc, local;
};
Stamp Now() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const int millis =
      static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
  const auto format = [seconds, millis](bool utc, const char* pattern, const char* millisPattern) {
    std::tm parts{};
    if (const std::tm* converted = utc ? std::gmtime(&seconds) : std::localtime(&seconds)) parts = *converted;
    char text[40];
    const size_t length = std::strftime(text, sizeof text, pattern, &parts);
    std::snprintf(text + length, sizeof text - length, millisPattern, millis);
    return std::string(text);
  };
  return {format(true, "%Y%m%dT%H%M%S", "%03d"), format(true, "%Y-%m-%dT%H:%M:%S", ".%03dZ"),
          format(false, "%Y-%m-%d %H:%M:%S", ".%03d")};
}

// Lines of after that before lacks, and lines of before that after lacks,
// each line counted as often as it occurs.
std::pair<size_t, size_t> AddedRemoved(std::string_view before, std::string_view after) {
  const std::vector<std::string_view> old = LinesOf(before), now = LinesOf(after);
  // Most changes touch a few lines: the shared head and tail need no counting.
  size_t head = 0, tail = 0;
  while (head < old.size() && head < now.size() && old[head] == now[head]) ++head;
  while (tail < old.size() - head && tail < now.size() - head &&
         old[old.size() - 1 - tail] == now[now.size() - 1 - tail])
    ++tail;
  std::unordered_map<std::string_view, long> count;
  for (size_t i = head; i < old.size() - tail; ++i) ++count[old[i]];
  size_t added = 0;
  for (size_t i = head; i < now.size() - tail; ++i)
    if (--count[now[i]] < 0) ++added;
  size_t removed = 0;
  for (const auto& [line, left] : count)
    if (left > 0) removed += static_cast<size_t>(left);
  return {added, removed};
}

std::string HeaderLine(std::string_view key, std::string_view value) {
  return std::string(key) + ": " + VisibleText(value, AsciiControlBytes()) + "\n";
}

// The header of the version file at path; none when it is not one.
std::optional<Version> ReadHeader(const std::string& path, std::string id) {
  UniqueFile file(std::fopen(path.c_str(), "rb"));
  if (!file) return std::nullopt;
  std::string head;
  char chunk[1024];
  size_t end = std::string::npos;
  while (end == std::string::npos) {
    const size_t read = std::fread(chunk, 1, sizeof chunk, file.get());
    if (read == 0) return std::nullopt;
    head.append(chunk, read);
    end = head.find("\n\n");
  }
  if (!head.starts_with(kMagic)) return std::nullopt;
  Version version;
  version.id = std::move(id);
  std::string_view lines = std::string_view(head).substr(kMagic.size(), end + 1 - kMagic.size());
  while (!lines.empty()) {
    const std::string_view line = lines.substr(0, lines.find('\n'));
    lines.remove_prefix(line.size() + 1);
    const size_t colon = line.find(": ");
    if (colon == std::string_view::npos) continue;
    const std::string_view key = line.substr(0, colon);
    const std::string value(line.substr(colon + 2));
    if (key == "file") version.file = value;
    else if (key == "path") version.path = value;
    else if (key == "utc") version.utc = value;
    else if (key == "local") version.local = value;
    else if (key == "account") version.origin.account = value;
    else if (key == "machine") version.origin.machine = value;
    else if (key == "program") version.origin.program = value;
    else if (key == "action") version.origin.action = value;
    else if (key == "reason") version.origin.reason = value;
    else if (key == "previous") version.previousHash = value;
    else if (key == "new") version.newHash = value;
    else if (key == "added") version.added = static_cast<size_t>(ParseWholeNumber(value).value_or(0));
    else if (key == "removed") version.removed = static_cast<size_t>(ParseWholeNumber(value).value_or(0));
  }
  return version;
}

// The headers already read, one line each in the folder's "headers.cache": a
// listing then opens no version file it has seen. Versions never change once
// kept, so a cached header stays true; one whose version is gone is dropped at
// the next write of the cache, and a missing or unreadable cache is only slower.
constexpr char kHeaderCache[] = "headers.cache";
constexpr std::string_view kCacheMagic = "nfs-header-cache 1\n";

std::vector<std::string*> FieldsOf(Version& version) {
  return {&version.id,     &version.file,           &version.path,           &version.utc,
          &version.local,  &version.origin.account, &version.origin.machine, &version.origin.program,
          &version.origin.action, &version.origin.reason, &version.previousHash, &version.newHash};
}

std::unordered_map<std::string, Version> ReadHeaderCache(const std::string& folder) {
  std::unordered_map<std::string, Version> cached;
  const PathRead read = ReadWholeFileAt(folder + kSeparator + kHeaderCache);
  if (!read.bytes || !read.bytes->starts_with(kCacheMagic)) return cached;
  // Header values never hold a tab or a line end: they are kept escaped.
  for (const std::string_view line : LinesOf(std::string_view(*read.bytes).substr(kCacheMagic.size()))) {
    Version version;
    std::vector<std::string*> fields = FieldsOf(version);
    std::string added, removed;
    fields.push_back(&added);
    fields.push_back(&removed);
    size_t start = 0, field = 0;
    for (; field < fields.size() && start <= line.size(); ++field) {
      const size_t end = std::min(line.find('\t', start), line.size());
      fields[field]->assign(line.substr(start, end - start));
      start = end + 1;
    }
    if (field != fields.size() || start != line.size() + 1) continue;
    version.added = static_cast<size_t>(ParseWholeNumber(added).value_or(0));
    version.removed = static_cast<size_t>(ParseWholeNumber(removed).value_or(0));
    std::string id = version.id;
    cached.emplace(std::move(id), std::move(version));
  }
  return cached;
}

void WriteHeaderCache(const std::string& folder, std::vector<Version> versions) {
  std::string text(kCacheMagic);
  for (Version& version : versions) {
    for (const std::string* field : FieldsOf(version)) text += *field + '\t';
    text += std::to_string(version.added) + '\t' + std::to_string(version.removed) + '\n';
  }
  SaveWholeFile(folder + kSeparator + kHeaderCache, text);
}

std::string NameOf(std::string_view id, std::string_view file) {
  return std::string(id) + "." + std::string(file) + std::string(kSuffix);
}
}  // namespace

std::string VersionFileName(std::string_view path) {
  const size_t slash = path.find_last_of("\\/");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string HashText(const FileFingerprint& fingerprint) {
  if (!fingerprint.exists) return "none";
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(fingerprint.hash));
  return text;
}

std::string VersionStore::Record(const VersionOrigin& origin, const std::string& file, const std::string& path,
                                 const FileFingerprint& previous, std::string_view bytes) const {
  if (MakeFolder(folder_) != 0 && errno != EEXIST) return "cannot make " + folder_ + ": " + std::strerror(errno);
  struct stat folder {};
  if (stat(folder_.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode)) return folder_ + " is not a folder";
  std::string before;
  if (const std::optional<Version> last = Newest(file))
    if (std::optional<std::string> kept = Bytes(last->id)) before = std::move(*kept);
  const auto [added, removed] = AddedRemoved(before, bytes);

  const Stamp stamp = Now();
  std::string header(kMagic);
  header += HeaderLine("file", file) + HeaderLine("path", path) + HeaderLine("utc", stamp.utc) +
            HeaderLine("local", stamp.local) + HeaderLine("account", origin.account) +
            HeaderLine("machine", origin.machine) + HeaderLine("program", origin.program) +
            HeaderLine("action", origin.action) + HeaderLine("reason", origin.reason) +
            HeaderLine("previous", HashText(previous)) +
            HeaderLine("new", HashText(FingerprintOf(std::string(bytes)))) +
            HeaderLine("added", std::to_string(added)) + HeaderLine("removed", std::to_string(removed)) + "\n";

  // Shared by the threads of one program; other programs differ by process id,
  // and a clash with one of another machine takes the next number.
  static std::atomic<unsigned> counter{0};
  std::string id, name;
  int handle = -1;
  for (int attempt = 0; attempt < 1000 && handle < 0; ++attempt) {
    id = stamp.name + "-" + std::to_string(ProcessId()) + "-" + std::to_string(++counter);
    name = folder_ + kSeparator + NameOf(id, file);
    handle = OpenNew(name);
    if (handle < 0 && errno != EEXIST) return "cannot create " + name + ": " + std::strerror(errno);
  }
  if (handle < 0) return "cannot create a version file in " + folder_;
  UniqueFile out(StreamOf(handle));
  if (!out) {
    CloseDescriptor(handle);
    std::remove(name.c_str());
    return "cannot write " + name;
  }
  const bool written = std::fwrite(header.data(), 1, header.size(), out.get()) == header.size() &&
                       std::fwrite(bytes.data(), 1, bytes.size(), out.get()) == bytes.size();
  if (std::fclose(out.release()) != 0 || !written) {
    const std::string error = std::strerror(errno);
    std::remove(name.c_str());
    return "cannot write " + name + ": " + error;
  }

  // The oldest go first; the one just kept stays whatever its size.
  std::vector<Entry> entries = Entries(folder_);
  size_t ofFile = 0;
  uint64_t total = 0;
  for (Entry& entry : entries) {
    if (SameFile(entry.file, file) && ++ofFile > retention_.versionsPerFile) {
      std::remove((folder_ + kSeparator + entry.fileName).c_str());
      continue;
    }
    if (entry.id != id && total + entry.size > retention_.totalBytes) {
      std::remove((folder_ + kSeparator + entry.fileName).c_str());
      continue;
    }
    total += entry.size;
  }
  return {};
}

std::vector<Version> VersionStore::List(std::string_view file) const {
  std::unordered_map<std::string, Version> cached = ReadHeaderCache(folder_);
  std::vector<Version> versions, known;
  bool read = false;
  for (Entry& entry : Entries(folder_)) {
    std::optional<Version> version;
    if (const auto hit = cached.find(entry.id); hit != cached.end()) {
      version = std::move(hit->second);
    } else if (file.empty() || SameFile(entry.file, file)) {
      version = ReadHeader(folder_ + kSeparator + entry.fileName, entry.id);
      read |= version.has_value();
    }
    if (!version) continue;
    if (file.empty() || SameFile(entry.file, file)) versions.push_back(*version);
    known.push_back(std::move(*version));
  }
  if (read || known.size() != cached.size()) WriteHeaderCache(folder_, std::move(known));
  return versions;
}

std::optional<Version> VersionStore::Newest(std::string_view file) const {
  for (Entry& entry : Entries(folder_))
    if (SameFile(entry.file, file))
      if (std::optional<Version> version = ReadHeader(folder_ + kSeparator + entry.fileName, std::move(entry.id)))
        return version;
  return std::nullopt;
}

std::vector<Version> VersionStore::NewestOfEachFile() const {
  std::vector<Version> newest;
  std::vector<std::string> seen;
  for (Entry& entry : Entries(folder_)) {
    const auto same = [&entry](const std::string& file) { return SameFile(file, entry.file); };
    if (std::any_of(seen.begin(), seen.end(), same)) continue;
    seen.push_back(entry.file);
    if (std::optional<Version> version = ReadHeader(folder_ + kSeparator + entry.fileName, std::move(entry.id)))
      newest.push_back(std::move(*version));
  }
  return newest;
}

std::optional<Version> VersionStore::Find(std::string_view id) const {
  for (Entry& entry : Entries(folder_))
    if (entry.id == id) return ReadHeader(folder_ + kSeparator + entry.fileName, std::move(entry.id));
  return std::nullopt;
}

std::optional<std::string> VersionStore::Bytes(std::string_view id) const {
  for (const Entry& entry : Entries(folder_)) {
    if (entry.id != id) continue;
    UniqueFile file(std::fopen((folder_ + kSeparator + entry.fileName).c_str(), "rb"));
    if (!file) return std::nullopt;
    std::optional<std::string> content = ReadWholeFile(file.get());
    if (!content) return std::nullopt;
    const size_t end = content->find("\n\n");
    if (!content->starts_with(kMagic) || end == std::string::npos) return std::nullopt;
    return content->substr(end + 2);
  }
  return std::nullopt;
}
