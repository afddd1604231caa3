#include "tests/win/PrintingFixture.h"

#include "printing/SpoolFiles.h"
#include "status/SharedWithService.h"

const char PrintingTest::kPrintcap[] =
    "lp,wineps.drv,nfs-win,CUPS:nfs-win,\r\nother,wineps.drv,nfs-other,CUPS:nfs-other,\r\n";

void PrintingTest::SetUp() {
  ConsoleTest::SetUp();
  CreateDirectoryA(InstallPath(kSpoolDirName).c_str(), nullptr);
  CreateDirectoryA(kSpoolDir, nullptr);
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA(SpoolFile("*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string path = SpoolFile(found.cFileName);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveDirectoryA(path.c_str());
      else
        DeleteFileA(path.c_str());
    } while (FindNextFileA(find, &found));
    FindClose(find);
  }
  WriteFile(InstallPath(kPrintcapFileName), kPrintcap);
  SetBanner(0);
}

void PrintingTest::DropJob(const TestJob& job, int minute) {
  // A hostile name is never written: it could reach a device or another folder.
  if (IsSafeDataFileName(job.dataFileName)) WriteFile(SpoolFile(job.dataFileName), job.data);
  const std::string control = SpoolFile(job.controlFileName);
  WriteFile(control, job.dataFileName + "\n" + job.requestId + "\n" + job.userName + "\n" +
                         job.printerName + "\nshort\n42\n");
  SYSTEMTIME at{2026, 12, 0, 6, 10, static_cast<WORD>(minute), 0, 0};
  FILETIME time;
  SystemTimeToFileTime(&at, &time);
  HANDLE file = CreateFileA(control.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  SetFileTime(file, nullptr, nullptr, &time);
  CloseHandle(file);
}

bool PrintingTest::Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void PrintingTest::SetBanner(int value) {
  WritePrivateProfileStringA(kIniPcnfsdSection, kIniBannerKey, std::to_string(value).c_str(), kIniFileName);
}
