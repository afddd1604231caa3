// nfsctl check: one seeded file per kind of finding, each reported on its line;
// the demo installation reports nothing. nfsctl access: what each host is granted.
#include "status/LockRecord.h"
#include "status/SharedWithService.h"
#include "tests/e2e/ConsoleProcess.h"
#include "tests/e2e/NfsctlRun.h"

namespace {

std::string Repeated(const std::string& text, int times) {
  std::string repeated;
  while (times-- > 0) repeated += text;
  return repeated;
}

class NfsctlCheckTest : public NfsctlTest {
 protected:
  void SetUp() override {
    NfsctlTest::SetUp();
    WriteProfileStringA("windows", "device", nullptr);
    for (const char* name : {kSupportNfs3Value, kSupportPcnfsdValue, kSupportNlmValue}) SetServiceDword(name, 1);
    for (const char* name : {kMaximumReadValue, kMaximumWriteValue}) SetServiceDword(name, 8);
  }

  // The findings of check on a fresh installation holding the one file.
  nlohmann::json FindingsWith(const std::string& relativePath, const std::string& bytes, int index) const {
    const std::string root = "C:\\case" + std::to_string(index);
    WriteBytes(root + "\\" + relativePath, bytes);
    CreateDirectoryA((root + "\\SPOOL").c_str(), nullptr);
    CreateDirectoryA((root + "\\SPOOL\\PCNFSD").c_str(), nullptr);
    const NfsctlResult result = RunNfsctl({"check", "--json", "--install-dir", root, "--system-dir", root});
    EXPECT_EQ(result.exitCode, 1u) << relativePath;
    return nlohmann::json::parse(result.out, nullptr, false);
  }
};

TEST_F(NfsctlCheckTest, EachKindOfFindingIsReportedOnItsLine) {
  const LockRecord lock{"pc7", "/export", "", 1, 2, 3};
  struct Case {
    const char* file;
    std::string bytes;
    const char* kind;
    int line;
  };
  const Case cases[] = {
      {"exports", "c:\\ok;0 \r\nnopath\r\n", "exports.skipped", 2},
      {"exports", "c:\\ok;0 \r\nc:\\x:y;0 \r\n", "exports.skipped", 2},
      {"exports", "# lab\r\n", "exports.comment", 1},
      {"exports", "c:\\ok;0 \r\nc:\\x;5 \r\n", "exports.mode", 2},
      {"exports", "c:\\" + std::string(200, 'x') + ";0 \r\n", "exports.token-cut", 1},
      {"exports", "c:\\a;0 \r\nc:\\b;0 \r\nC:\\A\\ h;1 \r\n", "exports.duplicate", 3},
      {"exports", "c:\\a" + Repeated(" h", 550) + ";0 \r\n", "exports.line-split", 1},
      {"drivers\\etc\\passwd", "a::1:::: \r\n\r\nb::2:::: \r\n", "passwd.empty-line", 2},
      {"drivers\\etc\\passwd", "a::1\r\nb::1\r\n", "passwd.duplicate-id", 2},
      {"drivers\\etc\\passwd", "a::1\r\na::2\r\n", "passwd.duplicate-name", 2},
      {"drivers\\etc\\passwd", "a::1\r\nroot:x:0:0::/:/bin/sh\r\n", "passwd.id-zero", 2},
      {"drivers\\etc\\group", "g::5\r\n:x:6\r\n", "group.no-name", 2},
      {"drivers\\etc\\group", "g::5\r\nh::6:" + std::string(300, 'm') + "\r\n", "group.line-split", 2},
      {"printcap", "a,b,c,d,\r\nbad\r\nz,y,x,w,\r\n", "printcap.unreadable", 2},
      {"printcap", "a,b,c,d,\r\np,default,x,y,\r\n", "printcap.default-without-printer", 2},
      {"printcap", "a,b,c,d,\r\na,e,f,g,\r\n", "printcap.duplicate-name", 2},
      {"SPOOL\\PCNFSD\\cfA001.nfs", "..\\boot.ini\nr\nu\np\nx\n1\n", "spool.unsafe-data-file", 1},
      {"SPOOL\\PCNFSD\\cfB001.nfs", "dfB001\nr\nu\np\nx\n1\n", "spool.missing-data-file", 1},
      {"SPOOL\\PCNFSD\\dfC001", "data", "spool.orphan-data-file", 0},
      {"SPOOL\\PCNFSD\\cf0123456789.nfs", "df\n", "spool.long-control-name", 0},
      {"Lock.NLM", EncodeLockRecord(lock) + "abc", "locks.truncated-tail", 0},
  };
  int index = 0;
  for (const Case& c : cases) {
    const nlohmann::json findings = FindingsWith(c.file, c.bytes, index++);
    ASSERT_TRUE(findings.is_array()) << c.kind;
    const auto found = std::find_if(findings.begin(), findings.end(), [&](const auto& f) { return f["kind"] == c.kind; });
    ASSERT_NE(found, findings.end()) << c.kind << ": " << findings.dump(1);
    EXPECT_EQ((*found)["line"], c.line) << c.kind;
    EXPECT_NE((*found)["file"].get<std::string>().find(c.file), std::string::npos) << (*found)["file"];
    EXPECT_FALSE((*found)["message"].get<std::string>().empty());
  }
}

TEST_F(NfsctlCheckTest, OptionValuesTheConsoleWouldChangeAreReported) {
  SetServiceDword(kMaximumReadValue, 11);
  SetServiceValue(kSupportNlmValue, REG_SZ, "1", 2);
  const nlohmann::json findings = RunJson({"check"});
  ASSERT_EQ(findings.size(), 2u) << findings.dump(1);
  EXPECT_EQ(findings[0]["kind"], "options.wrong-type");
  EXPECT_NE(findings[0]["message"].get<std::string>().find(kSupportNlmValue), std::string::npos);
  EXPECT_EQ(findings[1]["kind"], "options.out-of-range");

  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kServiceKey);
  const NfsctlResult missing = Run({"check"});
  EXPECT_EQ(missing.exitCode, 1u);
  EXPECT_NE(missing.out.find("options.key-missing"), std::string::npos) << missing.out;
}

TEST(NfsctlDemoCheck, TheDemoInstallationReportsNothing) {
  const std::string demo = std::string("Z:") + NFS_SOURCE_DIR + "\\demo\\";
  Process import("regedit /s \"" + demo + "registry.reg\"");
  ASSERT_EQ(import.Wait(kTimeout), std::optional<DWORD>(0));
  // Where scripts/demo.sh puts each file of demo/.
  const std::pair<const char*, const char*> files[] = {
      {"exports", "exports"},         {"printcap", "printcap"},
      {"mountd.list", "mountd.list"}, {"Lock.NLM", "Lock.NLM"},
      {"spool\\cfA017.nfs", "SPOOL\\PCNFSD\\cfA017.nfs"}, {"spool\\dfA017", "SPOOL\\PCNFSD\\dfA017"},
      {"spool\\cfA018.nfs", "SPOOL\\PCNFSD\\cfA018.nfs"}, {"spool\\dfA018", "SPOOL\\PCNFSD\\dfA018"}};
  for (const auto& [source, target] : files)
    WriteBytes(std::string("C:\\Norvo\\NFS\\") + target, ReadFile(demo + source));
  // The demo's CUPS queue, which Wine makes the default printer.
  WriteProfileStringA("windows", "device", "demo-laser,wineps.drv,CUPS:demo-laser");
  ASSERT_TRUE(CopyFileA((demo + "norvo.ini").c_str(), "C:\\windows\\norvo.ini", FALSE));
  const NfsctlResult check = RunNfsctl({"check"});
  EXPECT_EQ(check.exitCode, 0u) << check.out << check.err;
  EXPECT_EQ(check.out, "nothing found: the console and the service read every file as written\n");
}

TEST_F(NfsctlTest, AccessAnswersPerHostAndExport) {
  WriteBytes(InstallFile("exports"), "c:\\all;1 \r\nc:\\named alpha Beta;0 \r\nc:\\rw alpha beta;2 BETA\r\n");
  WriteBytes(PasswdPath(), "alice::500:::: \r\nroot::0:::: \r\n");
  struct Case {
    const char* host;
    const char* all;
    const char* named;
    const char* rw;
  };
  const Case cases[] = {
      {"ALPHA", "read-write", "read-only", "read-only"},   // named in other case; not in the R/W list
      {"beta", "read-write", "read-only", "read-write"},   // R/W list member, other case
      {"gamma", "read-write", "none", "none"},             // not listed
  };
  for (const Case& c : cases) {
    const nlohmann::json answer = RunJson({"access", c.host});
    ASSERT_TRUE(answer.is_object()) << c.host;
    const nlohmann::json& exports = answer["exports"];
    ASSERT_EQ(exports.size(), 3u);
    EXPECT_EQ(exports[0]["access"], c.all) << c.host;
    EXPECT_EQ(exports[1]["access"], c.named) << c.host;
    EXPECT_EQ(exports[1]["mountable"], std::string(c.named) != "none") << c.host;
    EXPECT_EQ(exports[2]["access"], c.rw) << c.host;
  }
  EXPECT_EQ(RunJson({"access", "beta", "--uid", "500"})["mapping"]["mapped_to"], nlohmann::json({"alice"}));
  const NfsctlResult root = Run({"access", "beta", "--uid", "0"});
  EXPECT_NE(root.out.find("UID 0 is mapped to root\nwarning: ID 0 is the UNIX superuser's"), std::string::npos)
      << root.out;
  EXPECT_NE(Run({"access", "beta", "--gid", "7"}).out.find("GID 7: no mapping in"), std::string::npos);
  EXPECT_EQ(Run({"access", "beta", "--uid", "1", "--gid", "1"}).exitCode, 2u);
}

}  // namespace
