#pragma once
// A console on a test installation whose printcap exports the tests' CUPS queues
// and whose spool directory the test fills with jobs before or after start-up.
#include <string>

#include "tests/win/ConsoleFixture.h"
#include "tests/win/CupsCapture.h"

struct TestJob {
  std::string controlFileName;
  std::string dataFileName;
  std::string data;
  std::string userName = "alice";
  std::string printerName = "lp";
  std::string requestId = "17";
};

class PrintingTest : public ConsoleTest {
 protected:
  static constexpr char kSpoolDir[] = "C:\\nfs-test\\SPOOL\\PCNFSD";
  // printcap with "lp" on the tests' default queue and "other" on the other one.
  static const char kPrintcap[];

  void SetUp() override;

  std::string SpoolFile(const std::string& name) const { return std::string(kSpoolDir) + "\\" + name; }
  // Writes the job's data file, then its control file, written at minute of 10:00.
  void DropJob(const TestJob& job, int minute = 0);
  static bool Exists(const std::string& path);
  void SetBanner(int value);
};
