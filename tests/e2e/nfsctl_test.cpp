// nfsctl run as a script runs it, on an installation of its own: what it prints,
// its exit code, and every file it was given read back afterwards.
#include <algorithm>
#include <iterator>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>

#include "framework/FileLock.h"
#include "portable/SharedWithService.h"
#include "tests/common/EmptyFolder.h"
#include "tests/e2e/ConsoleProcess.h"

namespace {

// Files of the installation by their relative path, and their bytes.
using Files = std::vector<std::pair<std::string, std::string>>;
Files One(const std::string& path, const std::string& bytes) { return {{path, bytes}}; }

constexpr char kRoot[] = "C:\\nfsctl";
const char* const kPasswdFile = "drivers\\etc\\passwd";
const char* const kControl = "SPOOL\\PCNFSD\\cfA001.nfs";
const std::string kExports = "c:\\public;0 \r\n# lab machines\r\nd:\\data alpha beta;1 \r\n";
const std::string kPasswd = "alice::500:::: \r\nroot:x:0:0:root:/root:/bin/sh\r\n";
const std::string kPrintcap = "laser,HP LaserJet,Office Laser,LPT1:,keep,this\r\n";
const Files kJobs = {{kControl, "dfA001\nreq1\nbob\nlaser\nx\n1\n"}, {"SPOOL\\PCNFSD\\dfA001", "data"}};
// A record of the service's lock file (pc7 holds /export/notes01: 412, 0, 100)
// and the unlock request that the console appends for it.
const std::string kLockRecord(
    "\x03\0\0\0pc7\x0f\0\0\0/export/notes01\x02\0\0\0ab\x9c\x01\0\0\0\0\0\0\0\0\0\0\x64\0\0\0\0\0\0\0", 52);
const std::string kUnlockRequest(
    "\x03\0\0\0pc7\x0f\0\0\0/export/notes01\x14\0\0\0pc7\0/export/notes01\0"
    "\x9c\x01\0\0\0\0\0\0\0\0\0\0\x64\0\0\0\0\0\0\0",
    70);

// A run of nfsctl: its arguments (split at blanks), the files prepared, the exit
// code, a piece of what it printed, and the path (or folder) of the files that
// differ afterwards with their bytes (none: gone); every other prepared file
// must be left as it was.
struct Row {
  std::string command;
  Files files;
  DWORD exitCode;
  std::string output;
  std::string changed = "";
  std::optional<std::string> after = {};
};

class NfsctlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EmptyFolder(kRoot);
    for (const char* folder : {"", "\\SPOOL", "\\SPOOL\\PCNFSD", "\\drivers", "\\drivers\\etc"})
      CreateDirectoryA((kRoot + std::string(folder)).c_str(), nullptr);
    WriteProfileStringA("windows", "device", nullptr);  // no default printer
    for (const char* name : {kMaximumReadValue, kMaximumWriteValue}) SetRegistryValue(kServiceKey, name, 8);
  }
  // nfsctl on the test installation; JSON output comes back on one line.
  static NfsctlResult Run(std::vector<std::string> arguments) {
    arguments.insert(arguments.end(), {"--install-dir", kRoot, "--system-dir", kRoot});
    NfsctlResult result = RunNfsctl(arguments);
    const nlohmann::json json = nlohmann::json::parse(result.output, nullptr, false);
    if (!json.is_discarded()) result.output = json.dump();
    return result;
  }
  void Check(const Row& row) {
    SCOPED_TRACE(row.command);
    SetUp();
    for (const auto& [name, bytes] : row.files) WriteFile(std::string(kRoot) + "\\" + name, bytes);
    std::istringstream words(row.command);
    const NfsctlResult result = Run({std::istream_iterator<std::string>(words), {}});
    EXPECT_EQ(result.exitCode, std::optional<DWORD>(row.exitCode)) << result.output;
    EXPECT_NE(result.output.find(row.output), std::string::npos) << row.output << " not in " << result.output;
    bool prepared = false;
    for (const auto& [name, bytes] : row.files) {
      const bool changes = !row.changed.empty() && name.rfind(row.changed, 0) == 0;
      prepared |= changes;
      EXPECT_EQ(ReadFile(std::string(kRoot) + "\\" + name), changes ? row.after : bytes) << name;
    }
    if (!prepared && !row.changed.empty()) {
      EXPECT_EQ(ReadFile(std::string(kRoot) + "\\" + row.changed), row.after) << row.changed;
    }
  }
};

TEST_F(NfsctlTest, EachVerbWritesExactlyWhatTheConsoleReadsAndRefusalsChangeNothing) {
  const Files passwd = One(kPasswdFile, kPasswd), printcap = One("printcap", kPrintcap);
  const Files locks = One("Lock.NLM", kLockRecord);
  const std::string unlock = "locks unlock pc7:/export/notes01:412:0:100";
  const Row rows[] = {
      {"exports remove D:\\Data --what-if", One("exports", kExports), 0,
       "@@ -1,3 +1,2 @@\n c:\\public;0 \n # lab machines\n-d:\\data alpha beta;1 \n"},
      {"exports add public", One("exports", kExports), 2, "is not <drive>:<path>"},
      {"exports add C:\\Public\\", One("exports", kExports), 1, "c:\\public is exported already"},
      {"exports remove e:\\absent", One("exports", kExports), 1, "is not exported"},
      // An empty client list never means every client.
      {"exports add c:\\pub2 --clients ,", One("exports", kExports), 2, "without a host name"},
      // After an end-of-file mark the console would read nothing.
      {"exports add c:\\pub2", One("exports", kExports + "\x1a"), 1, "end-of-file mark"},
      // After a last line without its line end.
      {"exports add c:\\pub2 --mode 1", One("exports", "c:\\public;0 "), 0, "", "exports",
       "c:\\public;0 \r\nc:\\pub2;1 \r\n"},
      {"users add carol 502", passwd, 0, "", kPasswdFile,
       "alice::500:::: \r\nroot::0:::: \r\ncarol::502:::: \r\n"},
      // A save would lose the lines after the empty one that the console stops at.
      {"users add carol 502", One(kPasswdFile, "alice::500:::: \r\n\r\nbob::501:::: \r\n"), 1, "lose data"},
      {"printers add plotter --device Plotter --driver HPGL --port COM2:", printcap, 0, "", "printcap",
       kPrintcap + "plotter,HPGL,Plotter,COM2:,\r\n"},
      {"printers add laser --device D --driver R --port P", printcap, 1, "exported already"},
      {"queue delete cfA001.nfs --what-if", kJobs, 0, ""},
      {"queue delete cfA001.nfs", kJobs, 0, "", "SPOOL\\PCNFSD\\"},
      {"queue delete notes.txt", kJobs, 1, ""},
      {"mounts clear", One("mountd.list", "pc7 /export\r\n"), 0, "", "mountd.list", ""},
      {unlock + " --what-if", locks, 0, "", "Unlock.NLM"},
      {unlock, locks, 0, "", "Unlock.NLM", kUnlockRequest},
      {"locks unlock pc8:/x:1:0:0", locks, 1, "no lock", "Unlock.NLM"},
  };
  for (const Row& row : rows) Check(row);
}

// Another writer holding the file's lock, under another spelling of its path,
// makes a change wait, then fail naming the file, even forced; nothing is written.
TEST_F(NfsctlTest, AChangeWaitsForAnotherWritersLockThenFails) {
  const std::string path = std::string(kRoot) + "\\" + kPasswdFile;
  WriteFile(path, kPasswd);
  std::optional<FileLock> lock = FileLock::Take("c:/NFSCTL/drivers/etc/./PASSWD");
  ASSERT_TRUE(lock);
  const DWORD start = GetTickCount();
  const NfsctlResult waited = Run({"users", "add", "carol", "502", "--force"});
  EXPECT_GE(GetTickCount() - start, FileLock::kWaitMilliseconds);
  EXPECT_EQ(waited.exitCode, std::optional<DWORD>(2));
  EXPECT_NE(waited.output.find("changing " + path + " for more than"), std::string::npos) << waited.output;
  EXPECT_EQ(ReadFile(path), kPasswd);
  lock.reset();
  EXPECT_EQ(Run({"users", "add", "carol", "502"}).exitCode, std::optional<DWORD>(0));
}

// check finds each file where the console finds it and names a finding by its
// file and line (the kinds of finding are the core tests').
TEST_F(NfsctlTest, CheckReportsEachFindingOnItsLine) {
  const std::pair<Files, std::string> cases[] = {
      {One("exports", "c:\\ok;0 \r\nnopath\r\n"), R"("kind":"exports.skipped","line":2)"},
      {One(kPasswdFile, "a::1\r\nb::1\r\n"), R"("kind":"passwd.duplicate-id","line":2)"},
      {One("drivers\\etc\\group", "g::5\r\n:x:6\r\n"), R"("kind":"group.no-name","line":2)"},
      {One("printcap", "a,b,c,d,\r\nbad\r\nz,y,x,w,\r\n"), R"("kind":"printcap.unreadable","line":2)"},
      {One(kControl, "..\\boot.ini\nr\nu\np\nx\n1\n"), R"("kind":"spool.unsafe-data-file","line":1)"},
      {One("Lock.NLM", kLockRecord + "abc"), R"("kind":"locks.truncated-tail")"},
  };
  for (const auto& [files, finding] : cases) Check({"check --json", files, 1, finding});

  // Registry values that the console would show otherwise than stored.
  SetRegistryValue(kServiceKey, kMaximumReadValue, 11);
  SetRegistryValue(kServiceKey, kSupportNlmValue, "1");
  const NfsctlResult options = Run({"check", "--json"});
  EXPECT_NE(options.output.find(R"("kind":"options.out-of-range")"), std::string::npos) << options.output;
  EXPECT_NE(options.output.find(R"("kind":"options.wrong-type")"), std::string::npos) << options.output;
}

// The demo installation, where scripts/demo.sh puts it and found as the console
// finds it, holds nothing that check reports.
TEST(NfsctlDemo, CheckFindsNothingInTheDemoInstallation) {
  const std::string demo = std::string("Z:") + NFS_SOURCE_DIR + "\\demo\\";
  ASSERT_EQ(Process("regedit", {"/s", demo + "registry.reg"}).Wait(), std::optional<DWORD>(0));
  for (const char* name : {"exports", "printcap", "mountd.list", "Lock.NLM"})
    WriteFile(std::string("C:\\Norvo\\NFS\\") + name, *ReadFile(demo + name));
  for (const char* name : {"cfA017.nfs", "dfA017", "cfA018.nfs", "dfA018"})
    WriteFile(std::string("C:\\Norvo\\NFS\\SPOOL\\PCNFSD\\") + name, *ReadFile(demo + "spool\\" + name));
  // The demo's CUPS queue, which Wine makes the default printer.
  WriteProfileStringA("windows", "device", "demo-laser,wineps.drv,CUPS:demo-laser");
  ASSERT_TRUE(CopyFileA((demo + "norvo.ini").c_str(), "C:\\windows\\norvo.ini", FALSE));
  const NfsctlResult check = RunNfsctl({"check"});
  EXPECT_EQ(check.exitCode, std::optional<DWORD>(0)) << check.output;
  EXPECT_EQ(check.output, "nothing found: the console and the service read every file as written\n");
}

// access: what a host is granted, and what its IDs are mapped to.
TEST_F(NfsctlTest, AccessAnswersPerHostAndExport) {
  const Files files = {{"exports", "c:\\all;1 \r\nc:\\named alpha Beta;0 \r\nc:\\rw alpha beta;2 BETA\r\n"},
                       {kPasswdFile, "alice::500:::: \r\nroot::0:::: \r\n"}};
  const Row rows[] = {
      {"access gamma --json", files, 0,
       R"([{"access":"read-write","directory":"c:\\all","mountable":true},)"
       R"({"access":"none","directory":"c:\\named","mountable":false})"},
      {"access beta --uid 500 --json", files, 0, R"("mapped_to":["alice"])"},
  };
  for (const Row& row : rows) Check(row);
}

// options: shown as the console shows them, set only within its rules.
TEST_F(NfsctlTest, OptionsAreSetOnlyWithinTheConsolesRules) {
  const Row rows[] = {
      {"options set read 11", {}, 1, ""},
      {"options set read x", {}, 2, ""},
      {"options set write 36 --what-if", {}, 0, "from 8 to 36"},
  };
  for (const Row& row : rows) {
    Check(row);
    EXPECT_EQ(RegistryDword(kServiceKey, kMaximumWriteValue), std::optional<DWORD>(8)) << row.command;
  }
  EXPECT_EQ(Run({"options", "set", "Maximum Write", "36"}).exitCode, std::optional<DWORD>(0));
  EXPECT_EQ(RegistryDword(kServiceKey, kMaximumWriteValue), std::optional<DWORD>(36));
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kServiceKey);
  EXPECT_EQ(Run({"options", "set", "read", "8"}).exitCode, std::optional<DWORD>(2));
  EXPECT_NE(Run({"check"}).output.find("options.key-missing"), std::string::npos);
}

// Every change is kept: two of nfsctl's and a hand edit, noticed as made
// outside; each diffs against the one before, content escaped; a restore puts
// the first version's bytes back and is kept itself.
TEST_F(NfsctlTest, HistoryKeepsEveryChangeAndRestoresOne) {
  const std::string exports = std::string(kRoot) + "\\exports";
  ASSERT_EQ(Run({"exports", "add", "c:\\one", "--reason", "first one"}).exitCode, std::optional<DWORD>(0));
  const std::optional<std::string> first = ReadFile(exports);
  ASSERT_EQ(Run({"exports", "add", "c:\\two"}).exitCode, std::optional<DWORD>(0));
  WriteFile(exports, *ReadFile(exports) + "c:\\hand\x1b[2J;0 \r\n");

  const nlohmann::json history = nlohmann::json::parse(Run({"history", "--json"}).output, nullptr, false);
  ASSERT_TRUE(history.is_array() && history.size() == 3) << history.dump();
  std::vector<std::string> ids;
  for (const auto& version : history) ids.insert(ids.begin(), version["id"].get<std::string>());
  EXPECT_EQ(history[0]["program"], "changed outside");
  EXPECT_EQ(history[1]["program"], "nfsctl");
  EXPECT_EQ(history[2]["reason"], "first one");
  EXPECT_EQ(history[2]["file"], "exports");
  const std::pair<std::vector<std::string>, std::string> diffs[] = {
      {{ids[0], ids[1]}, "+c:\\two;"},
      {{ids[1], ids[2]}, "+c:\\hand\\x1B[2J;0 \n"},
      {{ids[0]}, "+c:\\hand\\x1B[2J;0 \n"},  // against the file as it is now
  };
  for (const auto& [versions, line] : diffs) {
    std::vector<std::string> command = {"history", "diff"};
    command.insert(command.end(), versions.begin(), versions.end());
    const NfsctlResult diff = Run(command);
    EXPECT_NE(diff.output.find(line), std::string::npos) << diff.output;
    EXPECT_EQ(diff.output.find('\x1b'), std::string::npos);
  }
  const NfsctlResult shown = Run({"history", "show", ids[2]});
  EXPECT_NE(shown.output.find("program: changed outside"), std::string::npos) << shown.output;
  EXPECT_EQ(shown.output.find('\x1b'), std::string::npos) << shown.output;

  EXPECT_EQ(Run({"restore", ids[0]}).exitCode, std::optional<DWORD>(0));
  EXPECT_EQ(ReadFile(exports), first);
  const NfsctlResult audit = Run({"audit", "--csv"});
  EXPECT_EQ(std::count(audit.output.begin(), audit.output.end(), '\n'), 5) << audit.output;
  EXPECT_NE(audit.output.find("nfsctl restore " + ids[0]), std::string::npos) << audit.output;
  EXPECT_EQ(Run({"history", "show", "nosuchid"}).exitCode, std::optional<DWORD>(2));
}

// A history that cannot be written (a file in its folder's place) never stops
// a change: it is made, and nfsctl warns that no version was kept.
TEST_F(NfsctlTest, AChangeIsMadeWhenItsHistoryCannotBeKept) {
  Check({"users add carol 502", {{kPasswdFile, kPasswd}, {"history", "not a folder"}}, 0, "warning: no version of",
         kPasswdFile, "alice::500:::: \r\nroot::0:::: \r\ncarol::502:::: \r\n"});
}

// Twenty changes at once each keep their version, and none is taken for a
// change made outside: only the file as the first of them found it is.
TEST_F(NfsctlTest, ParallelChangesEachKeepTheirVersion) {
  WriteFile(std::string(kRoot) + "\\" + kPasswdFile, kPasswd);
  std::vector<std::unique_ptr<Process>> writers;
  for (int i = 0; i < 20; ++i)
    writers.push_back(std::make_unique<Process>(
        BuildPath("tools\\nfsctl\\nfsctl.exe"),
        std::vector<std::string>{"users", "add", "user" + std::to_string(i), std::to_string(600 + i), "--install-dir",
                                 kRoot, "--system-dir", kRoot}));
  for (const auto& writer : writers) EXPECT_EQ(writer->Wait(), std::optional<DWORD>(0));
  const nlohmann::json history = nlohmann::json::parse(Run({"history", "passwd", "--json"}).output, nullptr, false);
  ASSERT_TRUE(history.is_array() && history.size() == 21) << history.dump();
  for (size_t i = 0; i < 20; ++i) EXPECT_EQ(history[i]["program"], "nfsctl") << i;
  EXPECT_EQ(history[20]["program"], "changed outside");
}

}  // namespace
