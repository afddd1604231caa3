// nfsctl run as a script runs it, on an installation of its own: what it prints,
// its exit code, and every file it was given read back afterwards.
#include <algorithm>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>

#include "framework/FileLock.h"
#include "portable/SharedWithService.h"
#include "status/LockLine.h"
#include "status/LockRecord.h"
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
// A lock whose long numbers pass 32 bits (2^32+5 and 2^63-1): shown as 5 and -1.
const std::string kWideLockRecord(
    "\x03\0\0\0pc8\x04\0\0\0/big\0\0\0\0\x01\0\0\0\x05\0\0\0\x01\0\0\0\xff\xff\xff\xff\xff\xff\xff\x7f", 39);

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

// A window of the console's class, which nfsctl takes for a running console.
class ConsoleWindow {
 public:
  ConsoleWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kMainWindowClass;
    RegisterClassA(&windowClass);
    window_ = CreateWindowA(kMainWindowClass, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                            windowClass.hInstance, nullptr);
    EXPECT_TRUE(window_);
  }
  ~ConsoleWindow() {
    DestroyWindow(window_);
    UnregisterClassA(kMainWindowClass, GetModuleHandleA(nullptr));
  }

 private:
  HWND window_;
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
  static NfsctlResult Run(std::vector<std::string> arguments, UINT codePage = CP_ACP) {
    arguments.insert(arguments.end(), {"--install-dir", kRoot, "--system-dir", kRoot});
    NfsctlResult result = RunNfsctl(arguments, codePage);
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
    EXPECT_EQ(result.output.find('\x1b'), std::string::npos) << result.output;
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
  const Files access = {{"exports", "c:\\all;1 \r\nc:\\named alpha Beta;0 \r\n"}, {kPasswdFile, kPasswd}};
  const Row rows[] = {
      {"exports remove D:\\Data --what-if", One("exports", kExports), 0,
       "@@ -1,3 +1,2 @@\n c:\\public;0 \n # lab machines\n-d:\\data alpha beta;1 \n"},
      {"exports add public", One("exports", kExports), 2, "is not <drive>:<path>"},
      {"exports add C:\\Public\\", One("exports", kExports), 1, "c:\\public is exported already"},
      // A change in place: the line is written anew where it was, every other byte
      // kept (the comment the console would drop too); what is not given stays.
      {"exports set D:/Data/ --clients gamma --rw gamma --mode 2", One("exports", kExports), 0, "", "exports",
       "c:\\public;0 \r\n# lab machines\r\nd:\\data gamma;2 gamma\r\n"},
      {"exports set c:public --clients beta", One("exports", kExports), 0, "", "exports",
       "c:\\public beta;0 \r\n# lab machines\r\nd:\\data alpha beta;1 \r\n"},
      {"exports set c:\\public --mode 1 --what-if", One("exports", kExports), 0, "-c:\\public;0 \n+c:\\public;1 \n"},
      {"exports set e:\\absent --mode 1", One("exports", kExports), 1, "e:\\absent is not exported"},
      {"exports set c:\\public --mode 3", One("exports", kExports), 1, "refused: "},
      // An empty client list never means every client.
      {"exports add c:\\pub2 --clients ,", One("exports", kExports), 2, "without a host name"},
      // After an end-of-file mark the console would read nothing.
      {"exports add c:\\pub2", One("exports", kExports + "\x1a"), 1, "end-of-file mark"},
      // Numbers are decimal, leading zeros and all. A history that cannot be
      // written (a file in its folder's place) never stops a change: it is made,
      // and nfsctl warns that no version was kept.
      {"users add carol 0502", {{kPasswdFile, kPasswd}, {"history", "not a folder"}}, 0, "warning: no version of",
       kPasswdFile, "alice::500:::: \r\nroot::0:::: \r\ncarol::502:::: \r\n"},
      {"groups add eng 010", {}, 0, "", "drivers\\etc\\group", "eng::10:::: \r\n"},
      {"users add carol 0x10", passwd, 2, "UID \"0x10\" is not a decimal whole number"},
      // An ID that is no number is check's finding, kept as it is by a save.
      {"users add carol 502", One(kPasswdFile, "h::abc\r\n"), 0, "", kPasswdFile, "h::abc:::: \r\ncarol::502:::: \r\n"},
      // A save would lose the lines after the Ctrl+Z that the console stops at.
      {"users add carol 502", One(kPasswdFile, "alice::500:::: \r\n\x1a\r\nbob::501:::: \r\n"), 1,
       "line 2: an end-of-file mark (Ctrl+Z) ends the console's reading: the 1 line(s)"},
      {"users set alice 0600", One(kPasswdFile, "root::0:::: \r\nalice::500:::: \r\nbob::501:::: \r\n"), 0, "",
       kPasswdFile, "root::0:::: \r\nalice::600:::: \r\nbob::501:::: \r\n"},
      {"users set root 0500", passwd, 1, "(UID 500 is mapped)"},
      // The entry keeps its place and its fifth field.
      {"printers set laser --device D --driver R --port P",
       One("printcap", kPrintcap + "plotter,HPGL,Plotter,COM2:,\r\n"), 0, "", "printcap", "laser,R,D,P,keep,this\r\nplotter,HPGL,Plotter,COM2:,\r\n"},
      {"printers add laser --device D --driver R --port P", printcap, 1, "exported already"},
      {"queue delete cfA001.nfs --what-if", kJobs, 0, ""},
      {"queue delete cfA001.nfs", kJobs, 0, "", "SPOOL\\PCNFSD\\"},
      // A control file name that climbs out of the spool directory names no job.
      {"queue delete cf\\..\\..\\.nfs", kJobs, 1, "not a job id"},
      {"mounts clear", One("mountd.list", "pc7 /export\r\n"), 0, "", "mountd.list", ""},
      {unlock + " --what-if", locks, 0, "", "Unlock.NLM"},
      {unlock, locks, 0, "", "Unlock.NLM", kUnlockRequest},
      {"locks unlock pc8:/big:1:5:-1", One("Lock.NLM", kWideLockRecord), 1, "beyond 32 bits", "Unlock.NLM"},
      // A directory in the place of the file written: the failure is reported.
      {unlock, {{"Lock.NLM", kLockRecord}, {"Unlock.NLM\\kept", "x"}}, 2, "cannot append"},
      // What a host is granted, and what its IDs are mapped to.
      {"access gamma --json", access, 0,
       R"([{"access":"read-write","directory":"c:\\all","mountable":true},)"
       R"({"access":"none","directory":"c:\\named","mountable":false}])"},
      {"access beta --uid 0500 --json", access, 0, R"("mapped_to":["alice"])"},
  };
  for (const Row& row : rows) Check(row);
}

// Another writer holding the file's lock, under another spelling of its path,
// makes a change wait, then fail naming the file, even forced; so does a file
// that cannot be replaced. Nothing is written either time.
TEST_F(NfsctlTest, AChangeWaitsForAnotherWritersLockThenFailsAsDoesAReadOnlyFile) {
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
  // A file that cannot be replaced: said, and left whole.
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  const NfsctlResult readOnly = Run({"users", "add", "carol", "502"});
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(readOnly.exitCode, std::optional<DWORD>(2));
  EXPECT_NE(readOnly.output.find("cannot write " + path + ": "), std::string::npos) << readOnly.output;
  EXPECT_EQ(ReadFile(path), kPasswd);
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

  // Registry values that the console would show otherwise than stored; a text
  // "0" shows checked, and OK turns the option on.
  SetRegistryValue(kServiceKey, kMaximumReadValue, 11);
  SetRegistryValue(kServiceKey, kSupportNlmValue, "0");
  const NfsctlResult options = Run({"check", "--json"});
  EXPECT_NE(options.output.find(R"("kind":"options.out-of-range")"), std::string::npos) << options.output;
  EXPECT_NE(options.output.find(R"(\"Support NLM\" is REG_SZ \"0\")"), std::string::npos) << options.output;
  EXPECT_NE(options.output.find("its OK writes REG_DWORD 1 over it"), std::string::npos) << options.output;
}

// The console reads printcap only at its start: while its window is there a
// printcap change is refused, unless forced.
TEST_F(NfsctlTest, PrinterChangesWaitForTheConsoleToCloseUnlessForced) {
  const ConsoleWindow console;
  const std::string added = "printers add plotter --device Plotter --driver HPGL --port COM2:";
  Check({added, One("printcap", kPrintcap), 1, "the console is running"});
  Check({added + " --force", One("printcap", kPrintcap), 0, "", "printcap",
         kPrintcap + "plotter,HPGL,Plotter,COM2:,\r\n"});
  Check({"printers remove laser", One("printcap", kPrintcap), 1, "the console is running"});
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

// What a script expects of a command-line tool: a wrong word or directory is
// named with exit 2, an empty list still has its heading ([] in JSON), and an
// error under --json is one JSON object.
TEST_F(NfsctlTest, ConventionsOfACommandLineTool) {
  const Row rows[] = {
      {"bogus --json", {}, 2, R"({"code":2,"error":"unknown verb \"bogus\"; the verbs are: )"},
      {"users list", One(kPasswdFile, ""), 0, "NAME  UID\n"},
      {"users list --json", One(kPasswdFile, ""), 0, "[]"},
      {"exports add --help", {}, 0, "Options of every verb: --install-dir DIR, --system-dir DIR, --json"},
  };
  for (const Row& row : rows) Check(row);
  const NfsctlResult typo = RunNfsctl({"exports", "list", "--install-dir", "C:\\typo"});
  EXPECT_EQ(typo.exitCode, std::optional<DWORD>(2));
  EXPECT_NE(typo.output.find("--install-dir C:\\typo is no directory"), std::string::npos) << typo.output;
}

// Before a release, the evidence: which lock's client still has a mount. A
// client or a path pattern releases what it matches, --what-if lists exactly
// those requests, and a pattern that takes every lock needs --all. Text that
// clients wrote reaches the terminal with its control characters shown, not obeyed.
TEST_F(NfsctlTest, LocksShowTheirEvidenceAndPatternsReleaseWhatTheyMatch) {
  Files files = {{"Lock.NLM", ""}, {"mountd.list", "PC7  /export\r\npc8  /home\r\n"}};
  const std::pair<const char*, const char*> locks[] = {
      {"pc7", "/export/notes01"}, {"pc7", "/export/data/a"}, {"pc9", "/export/data/b"},
      {"pc7\x1b]0;owned\x07", "/x"}};
  for (const auto& [client, path] : locks) {
    LockRecord lock;
    lock.firstText = client;
    lock.secondText = path;
    lock.opaque = "ab";
    files[0].second += EncodeLockRecord(lock);
  }
  const Row rows[] = {
      {"locks list --json", files, 0, R"("client_mounted":true,"first_long":0,"first_text":"pc7")"},
      {"locks list --path /export/data/* --json", files, 0,
       R"("client_mounted":false,"first_long":0,"first_text":"pc9")"},
      {"locks list", files, 0, "pc7\\x1b]0;owned\\x07:/x"},
      {"locks list --json", files, 0, R"("first_text":"pc7\u001b]0;owned\u0007")"},
      {"mounts show --client pc7", files, 0, "PC7  /export\n"},
      {"locks unlock --path /export/data/* --what-if", files, 0,
       "would append 2 unlock request(s) to C:\\nfsctl\\Unlock.NLM:\n"
       "  pc7:/export/data/a:0:0:0\n  pc9:/export/data/b:0:0:0\n",
       "Unlock.NLM"},
      {"locks unlock --path * --what-if", files, 1, "give --all", "Unlock.NLM"},
      {"locks unlock --path /export/* --all --what-if", files, 0, "would append 3 unlock request(s)", "Unlock.NLM"},
      {"locks unlock --client nobody", files, 1, "no lock", "Unlock.NLM"},
      {"locks unlock --client PC9", files, 0, "", "Unlock.NLM", UnlockRequestFor("pc9:/export/data/b:0:0:0")},
  };
  for (const Row& row : rows) Check(row);
}

// options: set only within the console's rules.
TEST_F(NfsctlTest, OptionsAreSetOnlyWithinTheConsolesRules) {
  const Row rows[] = {
      {"options set read 11", {}, 1, ""},
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

// A name the ANSI code page cannot carry is refused whole: never stored with '?'
// or a look-alike (L for \u0141) in its place.
TEST_F(NfsctlTest, ArgumentsTheCodePageCannotCarryAreRefused) {
  const std::string passwd = std::string(kRoot) + "\\" + kPasswdFile;
  WriteFile(passwd, kPasswd);
  const NfsctlResult result = Run({"users", "add", "\xc5\x81\xc3\xb3" "d\xc5\xba", "701"}, CP_UTF8);  // a Polish city
  EXPECT_EQ(result.exitCode, std::optional<DWORD>(1)) << result.output;
  EXPECT_NE(result.output.find("cannot carry"), std::string::npos) << result.output;
  EXPECT_EQ(ReadFile(passwd), kPasswd);
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
  EXPECT_EQ(history[2]["reason"], "first one");
  EXPECT_EQ(history[2]["file"], "exports");
  // Between two versions, and from one to the file as it is now.
  const std::vector<std::string> diffs[] = {{"history", "diff", ids[1], ids[2]}, {"history", "diff", ids[0]}};
  for (const std::vector<std::string>& command : diffs) {
    const NfsctlResult diff = Run(command);
    EXPECT_NE(diff.output.find("+c:\\hand\\x1b[2J;0 \n"), std::string::npos) << diff.output;
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

}  // namespace

// A desired state exported, applied to an empty installation and exported again
// is the same document; a second apply finds nothing to change and writes nothing.
TEST_F(NfsctlTest, StateAppliedToAnEmptyInstallationExportsTheSameAndOnlyOnce) {
  const std::string root = kRoot, document = root + "-state.json";
  const std::vector<std::string> files = {root + "\\exports", root + "\\" + kPasswdFile,
                                          root + "\\drivers\\etc\\group", root + "\\printcap"};
  WriteFile(files[0], kExports);
  WriteFile(files[1], kPasswd);
  WriteFile(files[2], "staff::20:::: \r\n");
  // The "default" line is written anew with the default printer of the moment.
  WriteFile(files[3], kPrintcap + "lp,default,Old,COM1:,\r\n");
  for (const char* name : {kSupportNfs3Value, kSupportPcnfsdValue}) SetRegistryValue(kServiceKey, name, 1);
  SetRegistryValue(kServiceKey, kSupportNlmValue, 0);
  const NfsctlResult exported = Run({"state", "export"});
  ASSERT_EQ(exported.exitCode, std::optional<DWORD>(0)) << exported.output;
  WriteFile(document, exported.output);

  SetUp();
  SetRegistryValue(kServiceKey, kSupportNlmValue, 1);
  WriteProfileStringA("windows", "device", "Office Laser,HP LaserJet,LPT1:");
  const NfsctlResult first = Run({"apply", document, "--json"});
  EXPECT_EQ(first.exitCode, std::optional<DWORD>(0)) << first.output;
  const nlohmann::json report = nlohmann::json::parse(first.output, nullptr, false);
  EXPECT_EQ(report.value("changed", false), true) << first.output;
  EXPECT_EQ(report["files"].size(), 4u) << first.output;
  EXPECT_EQ(ReadFile(files[3]), kPrintcap + "lp,default,Office Laser,LPT1:,\r\n");
  EXPECT_EQ(report["options"].dump(), R"([{"from":1,"name":"nlm","to":0}])");
  EXPECT_EQ(Run({"state", "export", "--json"}).output, exported.output);

  std::vector<std::optional<std::string>> before;
  for (const std::string& file : files) before.push_back(ReadFile(file));
  const NfsctlResult second = Run({"apply", document, "--json"});
  EXPECT_EQ(second.exitCode, std::optional<DWORD>(0));
  EXPECT_EQ(second.output, R"({"changed":false,"files":[],"options":[]})");
  for (size_t i = 0; i < files.size(); ++i) EXPECT_EQ(ReadFile(files[i]), before[i]) << files[i];
  EXPECT_EQ(Run({"apply", document}).output, "unchanged\n");
  DeleteFileA(document.c_str());
  WriteProfileStringA("windows", "device", nullptr);
}

// apply changes only what the document names (and with --prune removes what it
// does not), and a document refused anywhere, or shown with --what-if, writes
// nothing at all.
TEST_F(NfsctlTest, ApplyWritesTheWholeDocumentOrNothing) {
  const std::string publicRw = R"({"directory": "c:\\public", "all_clients": true, "mode": 1})";
  auto state = [](const std::string& parts) {
    return One("state.json", R"({"schema": "nfs-server-state", "version": 1, )" + parts + "}");
  };
  auto with = [](Files files, const Files& more) {
    files.insert(files.end(), more.begin(), more.end());
    return files;
  };
  const Files installed = {{"exports", kExports}, {kPasswdFile, kPasswd}};
  const std::string apply = "apply C:\\nfsctl\\state.json";
  const Row rows[] = {
      {apply, with(installed, state(R"("exports": [)" + publicRw + R"(], "users": [{"name": "bob", "uid": "x"}])")),
       1, "users[0].uid is not a whole number"},
      // alice, whom the document does not name, keeps 500.
      {apply, with(installed, state(R"("exports": [)" + publicRw + R"(], "users": [{"name": "bob", "uid": 500}])")),
       1, "users[0].uid 500 is mapped to alice"},
      // A line appended after the mark would never be read.
      {apply, with({{"exports", kExports + "\x1a"}}, state(R"("exports": [{"directory": "f:\\new", "all_clients": true,
                                                                          "mode": 0}])")),
       1, "end-of-file mark"},
      // The console stops at the empty line: the entry appended after it would not be read.
      {apply, with(One("printcap", kPrintcap + "\r\n"), state(R"("printers": [{"name": "plotter", "driver": "HPGL",
                                                                       "device": "Plotter", "port": "COM2:"}])")),
       1, "would lose data"},
      {apply + " --what-if", with(installed, state(R"("exports": [)" + publicRw + "]")), 0,
       "-c:\\public;0 \n+c:\\public;1 \n # lab machines\n d:\\data alpha beta;1 \nchanged\n"},
      {apply, with(installed, state(R"("exports": [)" + publicRw + "]")), 0, "changed\n", "exports",
       "c:\\public;1 \r\n# lab machines\r\nd:\\data alpha beta;1 \r\n"},
      {apply + " --prune", with(installed, state(R"("exports": [)" + publicRw + "]")), 0, "changed\n", "exports",
       "c:\\public;1 \r\n# lab machines\r\n"},
      {apply + " --prune", with(installed, state(R"("users": [{"name": "alice", "uid": 500}])")), 0, "changed\n",
       kPasswdFile, "alice::500:::: \r\n"},
  };
  for (const Row& row : rows) Check(row);

  // A running console, which read printcap at its start, refuses a change of it
  // and so the whole document, unless forced; printers that match are no change.
  const ConsoleWindow console;
  const std::string laser = R"("printers": [{"name": "laser", "driver": "HP LaserJet", "device": "Office Laser",
                                             "port": "LPT1:")";
  const Files printcap = with(installed, One("printcap", kPrintcap));
  const Row whileRunning[] = {
      {apply, with(printcap, state(R"("exports": [)" + publicRw + "], " + laser + "}]")), 1, "the console is running"},
      {apply + " --force", with(printcap, state(laser + "}]")), 0, "changed\n", "printcap",
       "laser,HP LaserJet,Office Laser,LPT1:,\r\n"},
      {apply, with(printcap, state(laser + R"(, "extra": "keep,this"}])")), 0, "unchanged\n"},
  };
  for (const Row& row : whileRunning) Check(row);
}
