// The real console printing the job that waits in its spool directory when it
// starts, through Wine's spooler into the tests' CUPS queue, watched from outside.
#include "tests/e2e/ConsoleProcess.h"
#include "tests/win/CupsCapture.h"

namespace {

using PrintingProcessTest = ConsoleProcessTest;

TEST_F(PrintingProcessTest, AWaitingJobPrintsAtStartAndLeavesTheSpoolDirectory) {
  CupsCapture capture(kProcessQueue);
  WriteBytes(File("printcap"),
             std::string("lp,wineps.drv,") + kProcessQueue + ",CUPS:" + kProcessQueue + ",\r\n");
  WritePrivateProfileStringA("PCNFSD", "banner", "0", "norvo.ini");
  const std::string spool = File("SPOOL\\PCNFSD\\");
  WriteBytes(spool + "dfA001", "data of A001");
  WriteBytes(spool + "cfA001.nfs", "dfA001\nreq\nalice\nlp\nx\n1\n");

  ASSERT_TRUE(StartConsole());
  // An empty banner page, then the data as it was.
  const std::vector<CapturedJob> printed = capture.Take(2);
  ASSERT_EQ(printed.size(), 2u);
  EXPECT_EQ(printed[1].bytes, "data of A001");
  for (const char* gone : {"cfA001.nfs", "dfA001"})
    EXPECT_TRUE(WaitUntil([&] { return !ReadFile(spool + gone); })) << gone;
}

}  // namespace
