// nfsctl users and groups: the console's line form, its refusals, and real UNIX files.
#include "mapping/MappingFile.h"
#include "tests/e2e/ConsoleProcess.h"
#include "tests/e2e/NfsctlRun.h"

namespace {

constexpr char kPasswd[] = "alice::500:::: \r\nroot:x:0:0:root:/root:/bin/sh\r\n";

class NfsctlMappingTest : public NfsctlTest {
 protected:
  void SetUp() override {
    NfsctlTest::SetUp();
    WriteBytes(PasswdPath(), kPasswd);
  }
};

TEST_F(NfsctlMappingTest, AddAndRemoveWriteTheConsolesLineForm) {
  ASSERT_EQ(Run({"users", "add", "carol", "502"}).exitCode, 0u);
  // Every line in the console's seven-field form, CR LF as text mode writes it.
  EXPECT_EQ(ReadFile(PasswdPath()), "alice::500:::: \r\nroot::0:::: \r\ncarol::502:::: \r\n");
  const std::vector<CUserInfo> read = ReadMappingFile(PasswdPath());
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(read[2].m_strName, "carol");
  EXPECT_EQ(read[2].m_strId, "502");

  ASSERT_EQ(Run({"users", "remove", "alice"}).exitCode, 0u);
  EXPECT_EQ(ReadFile(PasswdPath()), "root::0:::: \r\ncarol::502:::: \r\n");

  // The group file gets the same seven-field line; a missing file is created.
  ASSERT_EQ(Run({"groups", "add", "staff", "20"}).exitCode, 0u);
  EXPECT_EQ(ReadFile(GroupPath()), "staff::20:::: \r\n");
  const nlohmann::json groups = RunJson({"groups", "list"});
  EXPECT_EQ(groups, nlohmann::json::parse(R"([{"name":"staff","gid":"20"}])"));
}

TEST_F(NfsctlMappingTest, RefusalsLeaveTheFileAsItWas) {
  struct Case {
    std::vector<std::string> arguments;
    DWORD exitCode;
    const char* message;
  };
  const Case cases[] = {
      // The ID is tested before the name.
      {{"users", "add", "alice", "0"}, 1, "(UID 0 is mapped)"},
      {{"users", "add", "alice", "501"}, 1, "(alice is mapped)"},
      {{"users", "add", "a:b", "501"}, 1, "':'"},
      {{"users", "add", std::string(250, 'n'), "501"}, 1, "longer than 255"},
      {{"users", "add", "bob", "five"}, 2, "ID"},
      {{"users", "add", "bob", "4294967296"}, 2, "ID"},
      {{"users", "remove", "Alice"}, 1, "Alice is not mapped"},
  };
  for (const Case& c : cases) {
    const NfsctlResult result = Run(c.arguments);
    EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments[2] << ": " << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    EXPECT_EQ(ReadFile(PasswdPath()), kPasswd);
  }
  // Exact comparison: Alice is not alice, and 0500 is not 500.
  WriteBytes(PasswdPath(), "alice::0500:::: \r\n");
  EXPECT_EQ(Run({"users", "add", "Alice", "500"}).exitCode, 0u);
}

TEST_F(NfsctlMappingTest, ASaveThatWouldLoseLinesIsRefused) {
  const std::string passwd = "alice::500:::: \r\n\r\nbob::501:::: \r\n";
  WriteBytes(PasswdPath(), passwd);
  const NfsctlResult result = Run({"users", "add", "carol", "502"});
  EXPECT_EQ(result.exitCode, 1u);
  EXPECT_NE(result.err.find("line 2"), std::string::npos) << result.err;
  EXPECT_EQ(ReadFile(PasswdPath()), passwd);
  // What-if shows the rewrite it would make, and writes nothing.
  WriteBytes(PasswdPath(), kPasswd);
  const NfsctlResult whatIf = Run({"users", "remove", "alice", "--what-if"});
  EXPECT_EQ(whatIf.exitCode, 0u);
  EXPECT_NE(whatIf.out.find("\n-alice::500:::: \n-root:x:0:0:root:/root:/bin/sh\n+root::0:::: \n"), std::string::npos)
      << whatIf.out;
  EXPECT_EQ(ReadFile(PasswdPath()), kPasswd);
}

// This machine's own UNIX files: seven and four fields, member lists.
TEST_F(NfsctlMappingTest, ThisMachinesPasswdAndGroupAreShownOrReported) {
  for (const auto& [unix, copy, verb] : {std::tuple{"Z:\\etc\\passwd", PasswdPath(), "users"},
                                         std::tuple{"Z:\\etc\\group", GroupPath(), "groups"}}) {
    ASSERT_TRUE(CopyFileA(unix, copy.c_str(), FALSE)) << unix;
    const nlohmann::json list = RunJson({verb, "list"});
    ASSERT_TRUE(list.is_array()) << verb;
    const nlohmann::json findings = RunJson({"check"});
    ASSERT_TRUE(findings.is_array());
    // Each line is shown by its name, or a finding names its line.
    const std::string bytes = ReadFile(copy);
    size_t line = 0;
    for (size_t start = 0; start < bytes.size(); start = bytes.find('\n', start) + 1) {
      ++line;
      const std::string name = bytes.substr(start, bytes.find_first_of(":\n", start) - start);
      const bool shown = std::any_of(list.begin(), list.end(), [&](const auto& r) { return r["name"] == name; });
      const bool reported = std::any_of(findings.begin(), findings.end(), [&](const auto& f) {
        return f["file"] == copy && f["line"] == line;
      });
      EXPECT_TRUE(shown || reported) << unix << " line " << line;
      if (bytes.find('\n', start) == std::string::npos) break;
    }
  }
}

}  // namespace
