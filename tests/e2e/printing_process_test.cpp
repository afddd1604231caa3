// The real console printing the jobs that wait in its spool directory when it
// starts, through Wine's spooler into the tests' CUPS queue, watched from outside.
#include <fstream>
#include <string>
#include <vector>

#include "tests/e2e/ConsoleProcess.h"
#include "tests/win/CupsCapture.h"

namespace {

class PrintingProcessTest : public ConsoleProcessTest {
 protected:
  static constexpr char kSpoolDir[] = "C:\\nfs-e2e\\SPOOL\\PCNFSD";
  static constexpr char kPrintcapPath[] = "C:\\nfs-e2e\\printcap";
  static constexpr char kPrintcap[] = "lp,wineps.drv,nfs-e2e,CUPS:nfs-e2e,\r\n";

  void SetUp() override {
    ConsoleProcessTest::SetUp();
    CreateDirectoryA("C:\\nfs-e2e\\SPOOL", nullptr);
    CreateDirectoryA(kSpoolDir, nullptr);
    Write(kPrintcapPath, kPrintcap);
    WritePrivateProfileStringA("PCNFSD", "banner", "0", "norvo.ini");
  }

  static std::string Spool(const std::string& name) { return std::string(kSpoolDir) + "\\" + name; }
  static void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

  // A control file naming dataFileName, written at minute of 10:00.
  static void DropControl(const std::string& name, const std::string& dataFileName, int minute) {
    Write(Spool(name), dataFileName + "\nreq\nalice\nlp\nx\n1\n");
    SYSTEMTIME at{2026, 12, 0, 6, 10, static_cast<WORD>(minute), 0, 0};
    FILETIME time;
    SystemTimeToFileTime(&at, &time);
    HANDLE file = CreateFileA(Spool(name).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SetFileTime(file, nullptr, nullptr, &time);
    CloseHandle(file);
  }

  static bool Responsive(HWND console) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(console, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result) != 0;
  }
};

TEST_F(PrintingProcessTest, WaitingJobsPrintInOrderAtStartAndHostileOnesTouchNothing) {
  CupsCapture capture(kProcessQueue);
  const struct {
    const char* control;
    const char* data;
    int minute;
  } jobs[] = {{"cf0003.nfs", "df0003", 3}, {"cf0001.nfs", "df0001", 1}, {"cf0002.nfs", "df0002", 2}};
  for (const auto& job : jobs) {
    Write(Spool(job.data), std::string("data of ") + job.data);
    DropControl(job.control, job.data, job.minute);
  }
  // Data file names a PC client should never get through: none of these files
  // may be printed or deleted.
  CreateDirectoryA(Spool("subdir").c_str(), nullptr);
  Write(Spool("x"), "must not print");
  DropControl("cfH001.nfs", "..\\printcap", 0);
  DropControl("cfH002.nfs", "C:x", 0);
  DropControl("cfH003.nfs", "subdir", 0);

  HWND console = StartConsole();
  ASSERT_TRUE(console);
  const std::vector<CapturedJob> printed = capture.Take(6);
  ASSERT_EQ(printed.size(), 6u);
  EXPECT_EQ(printed[1].bytes, "data of df0001");
  EXPECT_EQ(printed[3].bytes, "data of df0002");
  EXPECT_EQ(printed[5].bytes, "data of df0003");
  EXPECT_TRUE(WaitUntil([&] { return !Exists(Spool("cf0003.nfs")) && !Exists(Spool("df0003")); }, kTimeout));
  for (const char* gone : {"cf0001.nfs", "df0001", "cf0002.nfs", "df0002", "cfH001.nfs", "cfH002.nfs", "cfH003.nfs"})
    EXPECT_FALSE(Exists(Spool(gone))) << gone;
  EXPECT_EQ(ReadFile(kPrintcapPath), kPrintcap);
  EXPECT_EQ(ReadFile(Spool("x")), "must not print");
  EXPECT_TRUE(Exists(Spool("subdir")));
  EXPECT_TRUE(Responsive(console));
  RemoveDirectoryA(Spool("subdir").c_str());
  DeleteFileA(Spool("x").c_str());
}

TEST_F(PrintingProcessTest, AJobThatCannotBeOpenedStopsTheRunWithItsBox) {
  CupsCapture capture(kProcessQueue);
  Write(Spool("df0010"), "locked job");
  DropControl("cf0010.nfs", "df0010", 1);
  Write(Spool("df0011"), "later job");
  DropControl("cf0011.nfs", "df0011", 2);
  HANDLE lock = CreateFileA(Spool("cf0010.nfs").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);

  console_ = std::make_unique<Process>("\"" + BuildPath("app\\nfsadmin.exe") + "\"");
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (box = FindWindowA("#32770", "Can not open file cf0010.nfs")) != nullptr; },
                        kTimeout));
  CloseHandle(lock);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  HWND console = WaitForConsoleWindow(kTimeout);
  ASSERT_TRUE(console);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, kTimeout));
  EXPECT_TRUE(Responsive(console));
  // The run stopped at the job: both jobs wait for the next run.
  EXPECT_TRUE(capture.Take(1, 1000).empty());
  for (const char* waiting : {"cf0010.nfs", "df0010", "cf0011.nfs", "df0011"}) {
    EXPECT_TRUE(Exists(Spool(waiting))) << waiting;
    DeleteFileA(Spool(waiting).c_str());
  }
}

}  // namespace
