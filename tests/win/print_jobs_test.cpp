// Jobs of the spool directory printed through Wine's real spooler into the tests'
// CUPS queues, read back from what the queue received.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "printing/BannerPage.h"
#include "printing/PrintQueue.h"
#include "printing/PrinterExports.h"
#include "printing/StartPrinting.h"
#include "status/SharedWithService.h"
#include "tests/win/PrintingFixture.h"

namespace {

std::string AllByteValues() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  return bytes;
}

std::string Repeated(const std::string& piece, size_t size) {
  std::string bytes;
  while (bytes.size() < size) bytes += piece;
  bytes.resize(size);
  return bytes;
}

// A job printed with the banner setting 0 arrives as an empty PostScript document
// (started and ended, no page) followed by the raw documen
void ExpectEmptyBanner(const CapturedJob& banner, const std::string& controlFileName) {
  EXPECT_TRUE(banner.IsPostScript());
  EXPECT_NE(banner.bytes.find("%%Title: " + controlFileName), std::string::npos);
  EXPECT_EQ(banner.bytes.find("%%Page:"), std::string::npos) << "a banner page with the setting 0";
}

// ghostscript reads the blanks and hyphens of Wine's PostScript fonts back as
// no-break spaces and soft hyphens (UTF-8).
std::string Plain(std::string text) {
  for (const auto& [from, to] : {std::pair<std::string, char>{"\xC2\xA0", ' '}, {"\xC2\xAD", '-'}})
    for (size_t at; (at = text.find(from)) != std::string::npos;) text.replace(at, from.size(), 1, to);
  return text;
}

// The printed lines of a banner, as ghostscript reads them back: blank rows
// dropped, each line without the margin blank and trailing blanks.
std::vector<std::string> TextLines(const std::string& utf8) {
  const std::string text = Plain(utf8);
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    line.erase(line.find_last_not_of(" \r") + 1);
    if (line.empty()) continue;
    lines.push_back(line.substr(line[0] == ' ' ? 1 : 0));
  }
  return lines;
}

// Characters per line of the test queue's printer DC, as the banner page uses i
int CharsPerLine() {
  HDC dc = CreateDCA(kWineDriver, kTestQueue, CupsPort(kTestQueue).c_str(), nullptr);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  const int width = GetDeviceCaps(dc, HORZRES) / metrics.tmAveCharWidth;
  DeleteDC(dc);
  return width;
}

bool IsBannerDate(const std::string& text) {
  char day[4], month[4];
  int date, hours, minutes, seconds, year;
  return text.size() == 24 && std::sscanf(text.c_str(), "%3s %3s %2d %2d:%2d:%2d %4d", day, month, &date,
                                          &hours, &minutes, &seconds, &year) == 7;
}

TEST_F(PrintingTest, StartUpMakesTheSpoolDirectoryOrStaysQuiet) {
  const std::string spoolParent = InstallPath(kSpoolDirName);
  RemoveDirectoryA(kSpoolDir);
  RemoveDirectoryA(spoolParent.c_str());
  // A line without its fourth field stops the reading with internal error 1005.
  WriteFile(InstallPath(kPrintcapFileName), "lp,wineps.drv,nfs-win,CUPS:nfs-win,\r\nbroken,d,v\r\n");
  std::string shown;
  script_.Then([&shown](HWND box) {
    shown = CWnd::GetWindowText(box) + ": " + ModalScript::MessageText(box);
    ModalScript::Press(box, IDOK);
  });
  StartConsole();
  EXPECT_TRUE(Exists(kSpoolDir));
  EXPECT_EQ(shown,
            "NFS Server Internal Error: NFS & Printer Server internal error #1005. Please call Norvo technical "
            "support.");
  EXPECT_EQ(PrinterExports().Entries().size(), 1u);

  // A file where SPOOL should be: printing does not start, and says nothing.
  SetCurrentDirectoryA("C:\\");  // the run left the spool directory current
  RemoveDirectoryA(kSpoolDir);
  RemoveDirectoryA(spoolParent.c_str());
  WriteFile(spoolParent, "not a directory");
  StartPrinting();
  EXPECT_FALSE(Exists(kSpoolDir));
  DeleteFileA(spoolParent.c_str());
}

TEST_F(PrintingTest, WaitingJobsPrintAtStartUpByteExactAfterAnEmptyBanner) {
  const std::vector<std::string> data = {
      AllByteValues(),
      std::string("\r\n\r\n\n\n\r\r\x1a\x1a\0\0\0\0ab\r\n\x1a", 19),
      Repeated("0123456789abcdef", 1024),
      "",
      Repeated(AllByteValues() + "\r\n\x1a", 10 * 1024 * 1024),
  };
  CupsCapture capture(kTestQueue);
  for (size_t i = 0; i < data.size(); ++i)
    DropJob({"cfA00" + std::to_string(i) + ".nfs", "dfA00" + std::to_string(i), data[i]},
            static_cast<int>(i));
  StartConsole();

  // The empty data file still opens and closes a raw document, but CUPS takes no
  // job without data, so it leaves only its banner documen
  const std::vector<CapturedJob> jobs = capture.Take(2 * data.size() - 1, 60000);
  ASSERT_EQ(jobs.size(), 2 * data.size() - 1);
  size_t next = 0;
  for (size_t i = 0; i < data.size(); ++i) {
    SCOPED_TRACE(i);
    ExpectEmptyBanner(jobs[next++], "cfA00" + std::to_string(i) + ".nfs");
    if (!data[i].empty()) EXPECT_TRUE(jobs[next++].bytes == data[i]) << "raw bytes differ";
    EXPECT_FALSE(Exists(SpoolFile("cfA00" + std::to_string(i) + ".nfs")));
    EXPECT_FALSE(Exists(SpoolFile("dfA00" + std::to_string(i))));
  }
}

TEST_F(PrintingTest, BannerPageShowsTheJobAsTheLayoutSays) {
  const int width = CharsPerLine();
  const std::string kLongUser(3 * ((width - 1) / 8) + 2, 'w');
  const struct {
    const char* user;
    std::string userName;
  } cases[] = {{"a short name with a hyphen and a digit", "ab-1"},
               {"a name over several block rows", kLongUser},
               {"an empty name", ""}};
  SetBanner(1);
  CupsCapture capture(kTestQueue);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.user);
    DropJob({"cfB001.nfs", "dfB001", "data", c.userName, "lp", "req-42"});
    if (!app_) StartConsole(); else ProcessPrintQueue();
    const std::vector<CapturedJob> jobs = capture.Take(2);
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[1].bytes, "data");
    const std::vector<std::string> printed = TextLines(jobs[0].text);

    std::vector<std::string> expected;
    for (const BannerLine& line : LayoutBannerPage(width, {c.userName, "req-42", "DATE", "dfB001"})) {
      std::string text = line.text.substr(0, line.text.find_last_not_of(' ') + 1);
      if (!text.empty()) expected.push_back(text);
    }
    ASSERT_EQ(printed.size(), expected.size()) << jobs[0].text;
    for (size_t i = 0; i < expected.size(); ++i) {
      if (expected[i] == "DATE")
        EXPECT_TRUE(IsBannerDate(printed[i])) << printed[i];
      else
        EXPECT_EQ(printed[i], expected[i]) << i;
    }
  }
}

TEST_F(PrintingTest, OldestFirstAndEqualTimesInEnumerationOrder) {
  CupsCapture capture(kTestQueue);
  DropJob({"cfC002.nfs", "dfC002", "at 10:02"}, 2);
  DropJob({"cfC01a.nfs", "dfC01a", "first at 10:01"}, 1);
  DropJob({"cfC01b.nfs", "dfC01b", "second at 10:01"}, 1);
  std::vector<std::string> tied;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA(SpoolFile("cfC01*.nfs").c_str(), &found);
  do tied.push_back(found.cFileName);
  while (FindNextFileA(find, &found));
  FindClose(find);
  ASSERT_EQ(tied.size(), 2u);

  StartConsole();
  const std::vector<CapturedJob> jobs = capture.Take(6);
  ASSERT_EQ(jobs.size(), 6u);
  const auto dataOf = [](const std::string& control) {
    return control == "cfC01a.nfs" ? "first at 10:01" : "second at 10:01";
  };
  EXPECT_EQ(jobs[1].bytes, dataOf(tied[0]));
  EXPECT_EQ(jobs[3].bytes, dataOf(tied[1]));
  EXPECT_EQ(jobs[5].bytes, "at 10:02");
}

// Each case: the jobs dropped, the boxes the run shows (text and caption), what
// the queue receives (the raw data of each job printed, banners aside), and the
// control files that stay in the spool directory.
struct FailureCase {
  const char* situation;
  std::function<void()> prepare;
  std::vector<std::pair<std::string, std::string>> boxes;
  size_t documents;
  std::vector<std::string> rawData;
  std::vector<std::string> remaining;
};

TEST_F(PrintingTest, FailuresOfARunAsTheTableSays) {
  const TestJob kLater{"cfZ999.nfs", "dfZ999", "the job after it", "alice", "lp"};
  const std::string kMissingPath = std::string(kSpoolDir) + "\\dfgone";
  HANDLE lock = INVALID_HANDLE_VALUE;
  const FailureCase cases[] = {
      {"printer not exported: removed without a message, the run goes on",
       [&] {
         DropJob({"cfA001.nfs", "dfA001", "nowhere", "bob", "nosuch"});
         DropJob(kLater, 1);
       },
       {}, 2, {"the job after it"}, {}},
      {"no banner document: the job is removed, the run goes on",
       [&] {
         WriteFile(InstallPath(kPrintcapFileName), std::string(kPrintcap) + "screen,DISPLAY,DISPLAY,x,\r\n");
         DropJob({"cfA001.nfs", "dfA001", "never", "bob", "screen"});
         DropJob(kLater, 1);
       },
       {{"Can not start the job cfA001.nfs for printing", "Can not start the job cfA001.nfs for printing"}},
       2, {"the job after it"}, {}},
      {"data file missing: the raw document is aborted and the run stops at its removal",
       [&] {
         DropJob({"cfA001.nfs", "dfgone", ""});
         DeleteFileA(SpoolFile("dfgone").c_str());
         DropJob(kLater, 1);
       },
       {{"Can not open the file " + kMissingPath + " for printing",
         "Can not open the file " + kMissingPath + " for printing"}},
       1, {}, {"cfZ999.nfs"}},
      {"control file locked: the job stays and the run stops",
       [&] {
         DropJob({"cfA001.nfs", "dfA001", "locked"});
         DropJob(kLater, 1);
         lock = CreateFileA(SpoolFile("cfA001.nfs").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                               nullptr);
       },
       {{"Can not open file cfA001.nfs", "Can not open file cfA001.nfs"}}, 0, {}, {"cfA001.nfs", "cfZ999.nfs"}},
      {"hostile data file names: the control files go, nothing else is touched",
       [&] {
         CreateDirectoryA(SpoolFile("subdir").c_str(), nullptr);
         DropJob({"cfH001.nfs", "..\\printcap", ""});
         DropJob({"cfH002.nfs", "C:x", ""}, 1);
         DropJob({"cfH003.nfs", "subdir", ""}, 2);
         DropJob({"cfH004.nfs", "PRN", ""}, 3);
         DropJob({"cfH005.nfs", "", ""}, 4);
         DropJob(kLater, 5);
       },
       {}, 2, {"the job after it"}, {}},
  };
  CupsCapture capture(kTestQueue);
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.situation);
    SetUp();
    c.prepare();
    std::vector<std::pair<std::string, std::string>> shown;
    for (size_t i = 0; i < c.boxes.size(); ++i)
      script_.Then([&shown](HWND box) {
        shown.emplace_back(ModalScript::MessageText(box), CWnd::GetWindowText(box));
        ModalScript::Press(box, IDOK);
      });
    if (!app_) StartConsole(); else {
      ReadPrintcap();
      ProcessPrintQueue();
    }
    if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
    lock = INVALID_HANDLE_VALUE;
    EXPECT_EQ(shown, c.boxes);

    // Nothing printed runs ahead of the last document expected, so once that has
    // arrived everything has.
    const std::vector<CapturedJob> jobs = capture.Take(c.documents, c.documents ? 20000 : 1000);
    ASSERT_EQ(jobs.size(), c.documents);
    std::vector<std::string> raw;
    for (const CapturedJob& job : jobs)
      if (!job.IsPostScript()) raw.push_back(job.bytes);
    EXPECT_EQ(raw, c.rawData);

    std::vector<std::string> remaining;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(SpoolFile("cf*.nfs").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
      do remaining.push_back(found.cFileName);
      while (FindNextFileA(find, &found));
      FindClose(find);
    }
    std::sort(remaining.begin(), remaining.end());
    EXPECT_EQ(remaining, c.remaining);
  }
  EXPECT_EQ(ReadFile(InstallPath(kPrintcapFileName)), std::string(kPrintcap));
  EXPECT_TRUE(Exists(SpoolFile("subdir")));
}

}  // namespace
