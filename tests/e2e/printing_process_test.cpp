// The real console printing the jobs that wait in its spool directory when it
// starts, through Wine's spooler into the tests' CUPS queue, watched from outside.
#include "tests/e2e/ConsoleProcess.h"
#include "tests/win/CupsCapture.h"

namespace {

using PrintingProcessTest = ConsoleProcessTest;

TEST_F(PrintingProcessTest, WaitingJobsPrintOldestFirstAtStartAndLeaveTheSpoolDirectory) {
  CupsCapture capture(kProcessQueue);
  WriteBytes(File("printcap"), std::string("lp,wineps.drv,") + kProcessQueue + ",CUPS:" + kProcessQueue + ",\r\n");
  WritePrivateProfileStringA("PCNFSD", "banner", "0", "norvo.ini");
  const std::string spool = File("SPOOL\\PCNFSD\\");
  for (int minute : {2, 1}) {
    const std::string job = "A00" + std::to_string(minute);
    WriteBytes(spool + "df" + job, "data of " + job);
    WriteBytes(spool + "cf" + job + ".nfs", "df" + job + "\nreq\nalice\nlp\nx\n1\n");
    SYSTEMTIME at{2026, 12, 0, 6, 10, static_cast<WORD>(minute), 0, 0};
    FILETIME time;
    SystemTimeToFileTime(&at, &time);
    HANDLE file = CreateFileA((spool + "cf" + job + ".nfs").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    SetFileTime(file, nullptr, nullptr, &time);
    CloseHandle(file);
  }

  ASSERT_TRUE(StartConsole());
  // Each job is an empty banner page, then its data.
  const std::vector<CapturedJob> printed = capture.Take(4);
  ASSERT_EQ(printed.size(), 4u);
  EXPECT_EQ(printed[1].bytes, "data of A001");
  EXPECT_EQ(printed[3].bytes, "data of A002");
  for (const char* gone : {"cfA001.nfs", "dfA001", "cfA002.nfs", "dfA002"})
    EXPECT_TRUE(WaitUntil([&] { return !ReadFile(spool + gone); })) << gone;
}

}  // namespace
