// Printing on a test installation whose printcap exports the tests' CUPS queues:
// jobs of the spool directory printed through Wine's real spooler and read back
// from what the queue received, the queue window of command 5 and the printer
// dialogs of command 102, with printcap read back byte for byte.
#include <string>
#include <vector>

#include "portable/SharedWithService.h"
#include "printing/PrintQueue.h"
#include "printing/PrinterExports.h"
#include "printing/PrintingPaths.h"
#include "resources/resource.h"
#include "tests/win/ConsoleFixture.h"
#include "tests/win/CupsCapture.h"

namespace {

using Strings = std::vector<std::string>;
constexpr char kSpoolDir[] = "C:\\nfs-test\\SPOOL\\PCNFSD";
constexpr char kTitle[] = "PCNFSD Printer Queue";

struct TestJob {
  std::string controlFileName, dataFileName, data, userName = "alice", printerName = "lp", requestId = "17";
};

class PrintingTest : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();  // empties the install directory, the spool directory with it
    CreateDirectoryA(InstallPath(kSpoolDirName).c_str(), nullptr);
    CreateDirectoryA(kSpoolDir, nullptr);
    // "lp" on the tests' default queue.
    WriteFile(InstallPath(kPrintcapFileName), "lp,wineps.drv,nfs-win,CUPS:nfs-win,\r\n");
    WritePrivateProfileStringA(kIniPcnfsdSection, kIniBannerKey, "0", kIniFileName);
  }
  static std::string SpoolFile(const std::string& name) { return std::string(kSpoolDir) + "\\" + name; }
  std::string Printcap() const { return ReadFile(InstallPath(kPrintcapFileName)).value_or(""); }
  // Writes the job's data file, then its control file. The tests' jobs are
  // dropped in name order, which is also the order of their times.
  static void DropJob(const TestJob& job) {
    WriteFile(SpoolFile(job.dataFileName), job.data);
    WriteFile(SpoolFile(job.controlFileName), job.dataFileName + "\n" + job.requestId + "\n" + job.userName +
                                                  "\n" + job.printerName + "\nshort\n42\n");
  }
  // Opens the queue window with command 5 and returns it, when it is not paused.
  HWND OpenQueue() {
    Command(ID_PRINT_QUEUE);
    return FindWindowA("#32770", kTitle);
  }
  // Presses button in "Exported Printers" (with row selected), runs edit in the
  // window that opens, and closes "Exported Printers" after it.
  void EditPrinter(int button, int row, std::function<void(HWND edit)> edit) {
    Expect(0, [=, this](HWND printers) {
      printers_ = printers;
      SendDlgItemMessageA(printers, IDC_PRINTER_LIST, LB_SETCURSEL, row, 0);
      Click(printers, button);
    });
    Expect(0, [=, this](HWND window) {
      edit(window);
      PostMessageA(printers_, WM_COMMAND, IDOK, 0);  // handled once this window has gone
    });
    Command(ID_EXPORTED_PRINTERS);
  }
  HWND printers_ = nullptr;
};

TEST_F(PrintingTest, JobsPrintByteExactAfterTheirBannerAndThoseForALaterPrinterWait) {
  std::string allBytes;
  for (int i = 0; i < 300 * 256; ++i) allBytes += static_cast<char>(i);
  const Strings data = {allBytes, std::string("\r\n\r\n\n\n\r\r\x1a\x1a\0\0\0\0ab\r\n\x1a", 19), ""};
  CupsCapture capture(kTestQueue);
  for (size_t i = 0; i < data.size(); ++i)
    DropJob({"cfA00" + std::to_string(i) + ".nfs", "dfA00" + std::to_string(i), data[i]});
  StartConsole();
  // With the banner setting 0 a job is an empty PostScript document (no page),
  // then the raw one; CUPS takes no job without data, so the empty data file
  // leaves only its banner document.
  const std::vector<CapturedJob> jobs = capture.Take(5);
  ASSERT_EQ(jobs.size(), 5u);
  for (size_t i = 0; i < data.size(); ++i) {
    EXPECT_NE(jobs[2 * i].bytes.find("%%Title: cfA00" + std::to_string(i) + ".nfs"), std::string::npos);
    EXPECT_EQ(jobs[2 * i].bytes.find("%%Page:"), std::string::npos) << "a banner page with the setting 0";
  }
  EXPECT_TRUE(jobs[1].bytes == data[0] && jobs[3].bytes == data[1]) << "raw bytes differ";
  // With the setting 1 the banner page shows the request.
  WritePrivateProfileStringA(kIniPcnfsdSection, kIniBannerKey, "1", kIniFileName);
  DropJob({"cfB001.nfs", "dfB001", "data", "ab1", "lp", "req42"});
  ProcessPrintQueue();
  const std::vector<CapturedJob> bannered = capture.Take(2);
  ASSERT_EQ(bannered.size(), 2u);
  EXPECT_EQ(bannered[1].bytes, "data");
  EXPECT_NE(bannered[0].text.find("req42"), std::string::npos) << bannered[0].text;

  // The console reads printcap only at start-up: a printer another program
  // exported since then is not in its table, and its jobs wait for the console's
  // next start instead of being deleted unprinted, while the run goes on.
  WriteFile(InstallPath(kPrintcapFileName),
            "lp,wineps.drv,nfs-win,CUPS:nfs-win,\r\nlate,wineps.drv,nfs-win,CUPS:nfs-win,\r\n");
  DropJob({"cfC001.nfs", "dfC001", "for late", "bob", "late"});
  DropJob({"cfC002.nfs", "dfC002", "for lp"});
  EXPECT_EQ(ProcessPrintQueue(), 0);
  const std::vector<CapturedJob> printed = capture.Take(2);
  ASSERT_EQ(printed.size(), 2u);
  EXPECT_EQ(printed[1].bytes, "for lp");
  EXPECT_TRUE(Exists(SpoolFile("cfC001.nfs")) && Exists(SpoolFile("dfC001")));
  EXPECT_FALSE(Exists(SpoolFile("cfC002.nfs")));
}

TEST_F(PrintingTest, ABrokenPrintcapAJobForNoExportedPrinterAndAMissingDataFile) {
  // Start-up makes the spool directory, and a printcap line without its fourth
  // field stops the reading with internal error 1005.
  RemoveDirectoryA(kSpoolDir);
  RemoveDirectoryA(InstallPath(kSpoolDirName).c_str());
  WriteFile(InstallPath(kPrintcapFileName), "lp,wineps.drv,nfs-win,CUPS:nfs-win,\r\nbroken,d,v\r\n");
  ExpectBox("NFS Server Internal Error",
            "NFS & Printer Server internal error #1005. Please call Norvo technical support.");
  StartConsole();
  // A change would drop the line the reading stopped at: asked first, and No
  // leaves table and file alone.
  const std::string printcap = Printcap();
  EditPrinter(IDC_PRINTER_DELETE, 0, [this](HWND box) {
    EXPECT_EQ(CWnd::GetWindowText(box) + ": " + MessageText(box),
              "Delete: Are you sure to delete this entryfrom exported printer list?");
    ExpectMessage("Line 2 of " + InstallPath(kPrintcapFileName) +
                      " lacks one of name, driver, device and port: nothing from there on was read, so writing "
                      "the file now drops 1 line(s).\n\nWrite the file anyway?",
                  IDNO);
    Press(box, IDYES);
  });
  EXPECT_EQ(PrinterExports().Entries().size(), 1u);
  EXPECT_EQ(Printcap(), printcap);
  CupsCapture capture(kTestQueue);
  // A job for a printer that is not exported goes without a message, one whose
  // data file lies outside the spool directory prints its banner and is refused,
  // and a directory named like a job is passed over: the run goes on.
  DropJob({"cfA001.nfs", "dfA001", "nowhere", "bob", "nosuch"});
  DropJob({"cfA002.nfs", "..\\outside", "not to be printed"});
  CreateDirectoryA(SpoolFile("cfA000.nfs").c_str(), nullptr);
  DropJob({"cfZ999.nfs", "dfZ999", "the job after it"});
  const std::string refused = "Can not open the file " + SpoolFile("..\\outside") + " for printing";
  ExpectBox(refused, refused);
  ProcessPrintQueue();
  const std::vector<CapturedJob> printed = capture.Take(3);
  ASSERT_EQ(printed.size(), 3u);
  EXPECT_EQ(printed[2].bytes, "the job after it");
  EXPECT_FALSE(Exists(SpoolFile("cfA001.nfs")) || Exists(SpoolFile("cfA002.nfs")) ||
               Exists(SpoolFile("cfZ999.nfs")) || Exists(SpoolFile("dfZ999")));
  EXPECT_TRUE(Exists(SpoolFile("..\\outside")));
  RemoveDirectoryA(SpoolFile("cfA000.nfs").c_str());
  // A missing data file: the raw document is aborted and the run stops at the job's removal.
  DropJob({"cfA001.nfs", "dfgone", ""});
  DeleteFileA(SpoolFile("dfgone").c_str());
  DropJob({"cfZ999.nfs", "dfZ999", "the job after it"});
  const std::string box = "Can not open the file " + SpoolFile("dfgone") + " for printing";
  ExpectBox(box, box);
  ProcessPrintQueue();
  const std::vector<CapturedJob> aborted = capture.Take(2, 1000);
  ASSERT_EQ(aborted.size(), 1u);
  EXPECT_EQ(aborted[0].bytes.rfind("%!PS", 0), 0u) << aborted[0].bytes;
  EXPECT_FALSE(Exists(SpoolFile("cfA001.nfs")));
  EXPECT_TRUE(Exists(SpoolFile("cfZ999.nfs")));
}

// A directory the printcap path has no room for is refused, not cut: nothing of
// printing runs, and each way into it says why.
TEST_F(PrintingTest, AnInstallDirectoryTooLongForPrintcapTurnsPrintingOff) {
  const auto useDir = [](size_t length) {
    const std::string dir = "C:\\" + std::string(length - 3, 'd');
    WritePrivateProfileStringA(kIniInstallSection, kIniInstallDirKey, dir.c_str(), kIniFileName);
  };
  useDir(70);
  const char off[] =
      "Printing is off: the install directory in norvo.ini is longer than the 69 characters that the path of "
      "printcap has room for. Move the installation to a shorter directory.";
  ExpectMessage(off);
  StartConsole();
  for (const UINT command : {ID_PRINT_QUEUE, ID_EXPORTED_PRINTERS}) {
    ExpectMessage(off);
    Command(command);
  }
  EXPECT_FALSE(FindWindowA("#32770", kTitle));
  useDir(69);
  EXPECT_TRUE(BuildPrintingPaths());
}

TEST_F(PrintingTest, QueueWindowRowsDeleteKeysAndASecondCommandRefillsIt) {
  WriteFile(InstallPath(kExportsFileName), "c:\\a;0 \r\nc:\\b;0 \r\n");
  StartConsole();
  List().SetCurSel(0);
  DropJob({"cfB001.nfs", "dfB001", "b", "bob"});
  DropJob({"cfA002.nfs", "dfA002", "a", "carol", "lp", "id with blanks"});
  HWND queue = OpenQueue();
  ASSERT_TRUE(queue);
  EXPECT_EQ(Items(queue, IDC_JOB_LIST), (Strings{"ID: cfA002.nfs     User: with      Filename: dfA002",
                                                 "ID: cfB001.nfs     User: bob      Filename: dfB001"}));
  DropJob({"cfA001.nfs", "dfA001", "c", "dave"});
  EXPECT_EQ(OpenQueue(), queue);
  SendDlgItemMessageA(queue, IDC_JOB_LIST, LB_SETCURSEL, 2, 0);
  Click(queue, IDC_JOB_DELETE);
  EXPECT_FALSE(Exists(SpoolFile("cfB001.nfs")) || Exists(SpoolFile("dfB001")));
  EXPECT_EQ(Items(queue, IDC_JOB_LIST).size(), 2u);
  // The modeless window keeps its keys: Tab stays inside it, and the main window's
  // Down accelerator stays out of its way. Enter leaves it open, Escape closes it;
  // the loop goes on.
  SetFocus(GetDlgItem(queue, IDC_JOB_LIST));
  Key(GetFocus(), VK_RETURN);
  EXPECT_TRUE(IsWindow(queue));
  Key(GetFocus(), VK_TAB);
  EXPECT_TRUE(IsChild(queue, GetFocus()));
  Key(GetFocus(), VK_DOWN);
  EXPECT_EQ(List().GetCurSel(), 0);
  Key(GetFocus(), VK_ESCAPE);
  EXPECT_FALSE(IsWindow(queue));
  SetFocus(List().m_hWnd);
  Key(List().m_hWnd, VK_DOWN);
  EXPECT_EQ(List().GetCurSel(), 1);
}

TEST_F(PrintingTest, AbortPausesAndResumePrints) {
  StartConsole();
  HWND queue = OpenQueue();
  ASSERT_TRUE(queue);
  CupsCapture capture(kTestQueue);
  // On an idle queue Abort only pauses: the jobs dropped then wait.
  Click(queue, IDC_JOB_ABORT);
  DropJob({"cfP001.nfs", "dfP001", "first"});
  DropJob({"cfP002.nfs", "dfP002", "second"});
  // Abort pressed while the run of Resume goes on reaches it before its first
  // job: that job is dropped, the run stops, and the later job waits.
  PostMessageA(GetDlgItem(queue, IDC_JOB_ABORT), BM_CLICK, 0, 0);
  ExpectBox("Abort cfP001.nfs!", "Abort cfP001.nfs!");
  Click(queue, IDC_JOB_RESUME);
  EXPECT_EQ(CWnd::GetWindowText(queue), std::string(kTitle) + " [PAUSED]");
  EXPECT_FALSE(Exists(SpoolFile("cfP001.nfs")) || Exists(SpoolFile("dfP001")));
  EXPECT_EQ(Items(queue, IDC_JOB_LIST), Strings{"ID: cfP002.nfs     User: alice      Filename: dfP002"});
  Click(queue, IDC_JOB_RESUME);
  EXPECT_EQ(CWnd::GetWindowText(queue), kTitle);
  const std::vector<CapturedJob> jobs = capture.Take(3, 3000);
  ASSERT_EQ(jobs.size(), 2u);
  EXPECT_EQ(jobs[1].bytes, "second");
}

TEST_F(PrintingTest, PrinterNamesAreCutOrRefusedModifyKeepsThePlaceAndTheDefaultPrinterFollows) {
  // Modify keeps a line's place and drops a field past the fourth.
  WriteFile(
      InstallPath(kPrintcapFileName),
      "a,wineps.drv,nfs-win,CUPS:nfs-win,\r\nb,wineps.drv,nfs-other,CUPS:nfs-other,x,y\r\nc,d,n,p,\r\n");
  StartConsole();
  EditPrinter(IDC_PRINTER_MODIFY, 1, [&](HWND edit) {
    EXPECT_EQ(Text(edit, IDC_PRINTER_NAME) + " " + Text(edit, IDC_PRINTER_TEXT),
              "b nfs-other on CUPS:nfs-other");
    SetDlgItemTextA(edit, IDC_PRINTER_NAME, "renamed");
    Press(edit, IDOK);
  });
  for (const int answer : {IDNO, IDYES})
    EditPrinter(IDC_PRINTER_DELETE, 0, [&](HWND box) { Press(box, answer); });
  // A printer another program exported since start-up is asked about, never
  // dropped unseen: Cancel writes nothing, Yes reloads printcap with it.
  const std::string path = InstallPath(kPrintcapFileName);
  const std::string added = Printcap() + "plotter,HPGL,Plotter,COM2:,\r\n";
  WriteFile(path, added);
  for (const int answer : {IDCANCEL, IDYES})
    EditPrinter(IDC_PRINTER_DELETE, 0, [&](HWND box) {
      ExpectChangedQuestion(path, answer);
      Press(box, IDYES);
    });
  // Each name typed and OK pressed: all but the last refused, the last cut.
  EditPrinter(IDC_PRINTER_NEW, -1, [&](HWND edit) {
    EXPECT_EQ(Text(edit, IDC_PRINTER_TEXT), "nfs-win on CUPS:nfs-win");
    for (const char* name : {"a.b", "", "a,b", "tab\there"}) {
      ExpectBox("NFS Server Error", "Invalid export name.");
      SetDlgItemTextA(edit, IDC_PRINTER_NAME, name);
      Press(edit, IDOK);
    }
    SetDlgItemTextA(edit, IDC_PRINTER_NAME, "a-printer-name-of-25-chars");
    Press(edit, IDOK);
  });
  // The default printer instead of one of its own.
  EditPrinter(IDC_PRINTER_NEW, -1, [](HWND edit) {
    Click(edit, IDC_USE_DEFAULT_PRINTER);
    EXPECT_FALSE(Enabled(edit, IDC_PRINTER_SETUP));
    SetDlgItemTextA(edit, IDC_PRINTER_NAME, "follows");
    Press(edit, IDOK);
  });
  // Without a Windows default printer the entry would lack its device and port,
  // and printcap could not be read at the next start: refused.
  char device[256] = "";
  GetProfileStringA("windows", "device", "", device, sizeof device);
  WriteProfileStringA("windows", "device", nullptr);
  EditPrinter(IDC_PRINTER_NEW, -1, [this](HWND edit) {
    EXPECT_EQ(Text(edit, IDC_PRINTER_TEXT), "");
    ExpectBox("NFS Server Error",
              "No printer is chosen, or its name, driver or port holds a comma, which printcap cannot keep: the "
              "entry could not be read back. Choose another printer.");
    SetDlgItemTextA(edit, IDC_PRINTER_NAME, "nowhere");
    Press(edit, IDOK);
    Press(edit, IDCANCEL);
  });
  WriteProfileStringA("windows", "device", device);
  EXPECT_EQ(
      Printcap(),
      "renamed,wineps.drv,nfs-other,CUPS:nfs-other,\r\nc,d,n,p,\r\nplotter,HPGL,Plotter,COM2:,\r\n"
      "a-printer-name-of-2,wineps.drv,nfs-win,CUPS:nfs-win,\r\nfollows,default,nfs-win,CUPS:nfs-win,\r\n");
}

}  // namespace
