// nfsctl printers and queue: printcap as the console reads it, and the spool
// directory's jobs deleted as the queue window deletes them.
#include <cstdio>

#include "printing/PrintcapFile.h"
#include "tests/e2e/ConsoleProcess.h"
#include "tests/e2e/NfsctlRun.h"

namespace {

constexpr char kPrintcap[] = "laser,HP LaserJet,Office Laser,LPT1:,keep,this\r\n";

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class NfsctlPrintersTest : public NfsctlTest {
 protected:
  void SetUp() override {
    NfsctlTest::SetUp();
    WriteBytes(InstallFile("printcap"), kPrintcap);
    WriteProfileStringA("windows", "device", nullptr);  // no default printer
  }
  std::string Printcap() const { return ReadFile(InstallFile("printcap")); }
};

TEST_F(NfsctlPrintersTest, AddedPrintersAreReadByTheConsoleAsGiven) {
  ASSERT_EQ(Run({"printers", "add", "plotter", "--device", "Big Plotter", "--driver", "HPGL", "--port", "COM2:"}).exitCode, 0u);
  WriteProfileStringA("windows", "device", "Queue7,wineps.drv,CUPS:Queue7");
  ASSERT_EQ(Run({"printers", "add", "any", "--default"}).exitCode, 0u);
  EXPECT_EQ(Printcap(), std::string(kPrintcap) + "plotter,HPGL,Big Plotter,COM2:,\r\nany,default,Queue7,CUPS:Queue7,\r\n");

  PrinterExportTable table;
  std::FILE* file = std::fopen(InstallFile("printcap").c_str(), "r");
  ASSERT_TRUE(file);
  EXPECT_EQ(ReadPrintcapEntries(file, [] { return WindowsPrinter{"wineps.drv", "Queue7", "CUPS:Queue7"}; }, table), 0);
  std::fclose(file);
  ASSERT_EQ(table.Entries().size(), 3u);
  EXPECT_EQ(table.Entries()[1].device, "Big Plotter");
  EXPECT_EQ(table.Entries()[2].useDefault, 1);

  // Removing keeps the other entries and their fifth field.
  const NfsctlResult removed = Run({"printers", "remove", "plotter"});
  ASSERT_EQ(removed.exitCode, 0u) << removed.err;
  EXPECT_EQ(Printcap(), std::string(kPrintcap) + "any,default,Queue7,CUPS:Queue7,\r\n");
  const nlohmann::json list = RunJson({"printers", "list"});
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0]["extra"], "keep,this");
  EXPECT_EQ(list[1]["default"], true);
}

TEST_F(NfsctlPrintersTest, RefusalsLeaveTheFileAsItWas) {
  struct Case {
    std::vector<std::string> arguments;
    DWORD exitCode;
    const char* message;
  };
  const Case cases[] = {
      {{"printers", "add", "any", "--default"}, 1, "no default printer"},
      {{"printers", "add", "a.b", "--device", "D", "--driver", "R", "--port", "P"}, 1, "no '.'"},
      {{"printers", "add", std::string(20, 'n'), "--device", "D", "--driver", "R", "--port", "P"}, 1, "1 to 19"},
      {{"printers", "add", "p", "--device", "D,E", "--driver", "R", "--port", "P"}, 1, "without ','"},
      {{"printers", "add", "laser", "--device", "D", "--driver", "R", "--port", "P"}, 1, "exported already"},
      {{"printers", "add", "p", "--device", "D", "--driver", "R"}, 2, "--port"},
      {{"printers", "add", "p", "--default", "--device", "D", "--driver", "R", "--port", "P"}, 2, "excludes"},
      {{"printers", "add", "p"}, 2, "needs --device"},
      {{"printers", "remove", "absent"}, 1, "not exported"},
  };
  for (const Case& c : cases) {
    const NfsctlResult result = Run(c.arguments);
    EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments[2] << ": " << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    EXPECT_EQ(Printcap(), kPrintcap);
  }
  // A line the console stops at would take the lines after it with the next save.
  const std::string broken = "laser,HP,Office,LPT1:,\r\n\r\nother,HP,Second,LPT2:,\r\n";
  WriteBytes(InstallFile("printcap"), broken);
  const NfsctlResult result = Run({"printers", "remove", "laser"});
  EXPECT_EQ(result.exitCode, 1u);
  EXPECT_NE(result.err.find("line 2"), std::string::npos) << result.err;
  EXPECT_EQ(Printcap(), broken);
}

TEST_F(NfsctlPrintersTest, QueueListsAndDeletesJobsWithTheSafeNameCheck) {
  WriteBytes(SpoolFile("cfA001.nfs"), "dfA001\nreq1\nbob\nlaser\nx\n1\n");
  WriteBytes(SpoolFile("dfA001"), "data");
  WriteBytes(SpoolFile("cfB002.nfs"), "..\\outside\nreq2\neve\nlaser\nx\n2\n");
  WriteBytes(InstallFile("SPOOL\\outside"), "not a job");

  const nlohmann::json jobs = RunJson({"queue", "list"});
  EXPECT_EQ(jobs, nlohmann::json::parse(R"([{"id":"cfA001.nfs","user":"bob","data_file":"dfA001"},
                                            {"id":"cfB002.nfs","user":"eve","data_file":"..\\outside"}])"));

  EXPECT_EQ(Run({"queue", "delete", "cfA001.nfs", "--what-if"}).exitCode, 0u);
  EXPECT_TRUE(Exists(SpoolFile("cfA001.nfs")) && Exists(SpoolFile("dfA001")));
  EXPECT_EQ(Run({"queue", "delete", "cfA001.nfs"}).exitCode, 0u);
  EXPECT_FALSE(Exists(SpoolFile("cfA001.nfs")) || Exists(SpoolFile("dfA001")));
  // A data file name that leads out of the spool directory is not followed.
  EXPECT_EQ(Run({"queue", "delete", "cfB002.nfs"}).exitCode, 0u);
  EXPECT_FALSE(Exists(SpoolFile("cfB002.nfs")));
  EXPECT_TRUE(Exists(InstallFile("SPOOL\\outside")));

  EXPECT_EQ(Run({"queue", "delete", "cfB002.nfs"}).exitCode, 1u);
  EXPECT_EQ(Run({"queue", "delete", "notes.txt"}).exitCode, 1u);
}

}  // namespace
