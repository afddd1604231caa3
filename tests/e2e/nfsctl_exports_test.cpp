// nfsctl exports: what it writes is what the console reads; what it refuses
// leaves the file as it was.
#include <cstdio>
#include <memory>

#include "exports/ExportEntryStream.h"
#include "status/SharedWithService.h"
#include "tests/e2e/ConsoleProcess.h"
#include "tests/e2e/NfsctlRun.h"

namespace {

constexpr char kInitial[] = "c:\\public;0 \r\n# lab machines\r\nd:\\data alpha beta;1 \r\n";

class NfsctlExportsTest : public NfsctlTest {
 protected:
  void SetUp() override {
    NfsctlTest::SetUp();
    WriteBytes(Exports(), kInitial);
  }
  std::string Exports() const { return InstallFile("exports"); }

  // The entries the console's own reader takes from the file.
  std::vector<ExportEntry> ConsoleEntries() const {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(Exports().c_str(), "r"), &std::fclose);
    return file ? ReadExportEntries(file.get()) : std::vector<ExportEntry>{};
  }
};

TEST_F(NfsctlExportsTest, AddedExportIsReadByTheConsoleAsGiven) {
  const NfsctlResult added = Run({"exports", "add", "e:\\new", "--clients", "alpha,Beta", "gamma", "--rw", "beta"});
  ASSERT_EQ(added.exitCode, 0u) << added.err;
  EXPECT_EQ(ReadFile(Exports()), std::string(kInitial) + "e:\\new alpha Beta gamma;2 beta\r\n");
  const std::vector<ExportEntry> entries = ConsoleEntries();
  ASSERT_EQ(entries.size(), 3u);
  const ExportEntry& entry = entries.back();
  EXPECT_EQ(entry.drive, 'e');
  EXPECT_EQ(entry.path, "\\new");
  EXPECT_EQ(entry.clients, "alpha, Beta, gamma");
  EXPECT_FALSE(entry.IsExportedToAll());
  EXPECT_EQ(entry.mode, ExportEntry::kReadWriteList);
  EXPECT_EQ(entry.rwList, "beta");

  // To all clients, read/write; after a last line without its line end.
  WriteBytes(Exports(), "c:\\public;0 ");
  ASSERT_EQ(Run({"exports", "add", "c:\\pub2", "--mode", "1"}).exitCode, 0u);
  EXPECT_EQ(ReadFile(Exports()), "c:\\public;0 \r\nc:\\pub2;1 \r\n");
}

TEST_F(NfsctlExportsTest, RefusalsLeaveTheFileAsItWas) {
  const std::string longName(128, 'h');
  struct Case {
    std::vector<std::string> arguments;
    DWORD exitCode;
    const char* message;
  };
  const Case cases[] = {
      {{"exports", "add", "c:\\with blank"}, 1, "it contains a blank"},
      {{"exports", "add", "c:\\a#b"}, 1, "cannot carry a tab, '#'"},
      {{"exports", "add", "c:\\a:b"}, 1, "A colon may only follow"},
      {{"exports", "add", "c:\\x", "--clients", "al;pha"}, 1, "Cannot store the host name al;pha"},
      {{"exports", "add", "c:\\x", "--clients", "tab\there"}, 1, "Cannot store the host name tab\there"},
      {{"exports", "add", "c:\\x", "--clients", longName}, 1, "longer than 127"},
      {{"exports", "add", "c:\\x", "--mode", "3"}, 1, "mode 0, 1 or 2"},
      {{"exports", "add", "1:\\x"}, 1, "not a letter"},
      {{"exports", "add", "C:\\Public\\"}, 1, "c:\\public is exported already"},
      {{"exports", "add", "public"}, 2, "is not <drive>:<path>"},
      {{"exports", "add", "c:\\x", "--mode", "rw"}, 2, "--mode"},
      {{"exports", "add"}, 2, "PATH is required"},
      {{"exports", "remove", "e:\\absent"}, 1, "is not exported"},
      {{"exports", "frobnicate"}, 2, "A subcommand is required"},
  };
  for (const Case& c : cases) {
    const NfsctlResult result = Run(c.arguments);
    EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments.back() << ": " << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    EXPECT_EQ(ReadFile(Exports()), kInitial);
  }
}

TEST_F(NfsctlExportsTest, WhatIfShowsTheDiffAndWritesNothing) {
  const NfsctlResult add = Run({"exports", "add", "e:\\new", "--what-if"});
  EXPECT_EQ(add.exitCode, 0u);
  EXPECT_EQ(add.out, "--- " + Exports() + "\n+++ " + Exports() +
                         "\n@@ -1,3 +1,4 @@\n c:\\public;0 \n # lab machines\n d:\\data alpha beta;1 \n+e:\\new;0 \n");
  const NfsctlResult remove = Run({"exports", "remove", "D:\\DATA", "--what-if"});
  EXPECT_EQ(remove.exitCode, 0u);
  EXPECT_NE(remove.out.find("\n-d:\\data alpha beta;1 \n"), std::string::npos) << remove.out;
  EXPECT_EQ(ReadFile(Exports()), kInitial);
}

TEST_F(NfsctlExportsTest, RemoveKeepsEveryOtherLineByteForByte) {
  ASSERT_EQ(Run({"exports", "remove", "D:\\Data"}).exitCode, 0u);
  EXPECT_EQ(ReadFile(Exports()), "c:\\public;0 \r\n# lab machines\r\n");
}

TEST_F(NfsctlExportsTest, JsonListHasOneObjectPerExport) {
  const nlohmann::json list = RunJson({"exports", "list"});
  ASSERT_TRUE(list.is_array()) << list;
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0]["directory"], "c:\\public");
  EXPECT_EQ(list[0]["all_clients"], true);
  EXPECT_EQ(list[1]["clients"], nlohmann::json({"alpha", "beta"}));
  EXPECT_EQ(list[1]["mode"], 1);
  EXPECT_EQ(list[1]["access"], "read-write");
}

TEST(NfsctlLookups, ExportsFileIsFoundThroughNorvoIni) {
  CreateDirectoryA("C:\\ini-install", nullptr);
  WriteBytes("C:\\ini-install\\exports", "c:\\viaini;0 \r\n");
  WritePrivateProfileStringA(kIniInstallSection, kIniInstallDirKey, "C:\\ini-install", kIniFileName);
  const NfsctlResult list = RunNfsctl({"exports", "list"});
  EXPECT_EQ(list.exitCode, 0u);
  EXPECT_NE(list.out.find("c:\\viaini"), std::string::npos) << list.out;
  // Without the registry install directory its files cannot be found.
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kInstallDirKey);
  const NfsctlResult mounts = RunNfsctl({"mounts", "show"});
  EXPECT_EQ(mounts.exitCode, 2u);
  EXPECT_NE(mounts.err.find("Installation Directory"), std::string::npos) << mounts.err;
  // With it, they are found there.
  SetRegistryInstallDir("C:\\ini-install\\");
  WriteBytes("C:\\ini-install\\mountd.list", "pc7 /export\n");
  EXPECT_EQ(RunNfsctl({"mounts", "show"}).out, "pc7 /export\n");
}

}  // namespace
