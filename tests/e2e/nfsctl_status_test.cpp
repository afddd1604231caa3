// nfsctl mounts, locks and options: the service's files and the registry values.
#include "status/LockLine.h"
#include "status/LockRecord.h"
#include "status/SharedWithService.h"
#include "tests/e2e/ConsoleProcess.h"
#include "tests/e2e/NfsctlRun.h"

namespace {

using NfsctlStatusTest = NfsctlTest;

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST_F(NfsctlStatusTest, MountsAreShownAndCleared) {
  WriteBytes(InstallFile("mountd.list"), std::string("pc7 /export\r\npc9 /home\r\n\0junk", 29));
  const NfsctlResult shown = Run({"mounts", "show"});
  EXPECT_EQ(shown.exitCode, 0u);
  EXPECT_EQ(shown.out, "pc7 /export\npc9 /home\n");
  EXPECT_EQ(Run({"mounts", "clear", "--what-if"}).exitCode, 0u);
  EXPECT_EQ(ReadFile(InstallFile("mountd.list")).size(), 29u);
  EXPECT_EQ(Run({"mounts", "clear"}).exitCode, 0u);
  EXPECT_TRUE(Exists(InstallFile("mountd.list")));
  EXPECT_EQ(ReadFile(InstallFile("mountd.list")), "");
}

TEST_F(NfsctlStatusTest, UnlockAppendsTheRecordTheConsoleAppends) {
  const LockRecord pc7{"pc7", "/export/notes01", std::string(20, 'o'), 412, 0, 100};
  const LockRecord ws{"workstation12", "/home/a", "", 1, 4294967296, 2147483648};
  WriteBytes(InstallFile("Lock.NLM"), EncodeLockRecord(pc7) + EncodeLockRecord(ws) + "strays");

  const nlohmann::json locks = RunJson({"locks", "list"});
  ASSERT_EQ(locks.size(), 2u);
  EXPECT_EQ(locks[0]["lock"], "pc7:/export/notes01:412:0:100");
  EXPECT_EQ(locks[1]["lock"], "workstation12:/home/a:1:0:-2147483648");

  const std::string line = "pc7:/export/notes01:412:0:100";
  EXPECT_EQ(Run({"locks", "unlock", line, "--what-if"}).exitCode, 0u);
  EXPECT_FALSE(Exists(InstallFile("Unlock.NLM")));
  ASSERT_EQ(Run({"locks", "unlock", line}).exitCode, 0u);
  ASSERT_EQ(Run({"locks", "unlock", line}).exitCode, 0u);
  const std::string request = EncodeLockRecord(*UnlockRequestFor(line));
  EXPECT_EQ(request.size(), 70u);
  EXPECT_EQ(ReadFile(InstallFile("Unlock.NLM")), request + request);

  const NfsctlResult unknown = Run({"locks", "unlock", "pc8:/x:1:0:0"});
  EXPECT_EQ(unknown.exitCode, 1u);
  EXPECT_NE(unknown.err.find("no lock"), std::string::npos) << unknown.err;
}

using NfsctlOptionsTest = NfsctlTest;

TEST_F(NfsctlOptionsTest, ValuesAreShownAsTheConsoleShowsThemAndSetWithItsRules) {
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kServiceKey);
  const NfsctlResult missing = Run({"options", "set", "read", "8"});
  EXPECT_EQ(missing.exitCode, 2u);
  EXPECT_NE(missing.err.find("is missing"), std::string::npos) << missing.err;
  EXPECT_EQ(Run({"options", "get"}).exitCode, 2u);

  SetServiceDword(kSupportNfs3Value, 0);
  SetServiceDword(kMaximumWriteValue, 100);
  SetServiceValue(kMaximumReadValue, REG_SZ, "32", 3);
  const nlohmann::json options = RunJson({"options", "get"});
  ASSERT_EQ(options.size(), 5u);
  EXPECT_EQ(options[0]["console_shows"], 0);
  EXPECT_EQ(options[1]["state"], "missing");
  EXPECT_EQ(options[1]["console_shows"], 1);
  EXPECT_EQ(options[3]["state"], "other-type");
  EXPECT_EQ(options[4]["stored"], 100);
  EXPECT_EQ(options[4]["console_shows"], 64);

  struct Case {
    std::vector<std::string> arguments;
    DWORD exitCode;
  };
  const Case refused[] = {
      {{"options", "set", "read", "11"}, 1}, {{"options", "set", "write", "65"}, 1},
      {{"options", "set", "nlm", "2"}, 1},   {{"options", "set", "speed", "1"}, 2},
      {{"options", "set", "read", "x"}, 2},
  };
  for (const Case& c : refused) EXPECT_EQ(Run(c.arguments).exitCode, c.exitCode) << c.arguments[2];
  const nlohmann::json whatIf = RunJson({"options", "set", "write", "36", "--what-if"});
  EXPECT_EQ(whatIf["written"], false);
  EXPECT_EQ(whatIf["would"], "set \"Maximum Write\" from 100 to 36");
  EXPECT_EQ(ServiceDword(kMaximumWriteValue), 100u);

  EXPECT_EQ(Run({"options", "set", "Maximum Write", "36"}).exitCode, 0u);
  EXPECT_EQ(Run({"options", "set", "pcnfsd", "0"}).exitCode, 0u);
  EXPECT_EQ(ServiceDword(kMaximumWriteValue), 36u);
  EXPECT_EQ(ServiceDword(kSupportPcnfsdValue), 0u);
}

}  // namespace
