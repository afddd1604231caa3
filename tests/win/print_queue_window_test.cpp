// The "PCNFSD Printer Queue" window opened by command 5: its rows, Delete, the
// banner setting, Abort and Resume with real jobs through the real spooler.
#include <string>
#include <vector>

#include "printing/PrintQueue.h"
#include "resources/resource.h"
#include "status/SharedWithService.h"
#include "tests/win/PrintingFixture.h"

namespace {

constexpr char kTitle[] = "PCNFSD Printer Queue";
constexpr char kPausedTitle[] = "PCNFSD Printer Queue [PAUSED]";

std::vector<std::string> Rows(HWND queue) {
  std::vector<std::string> rows;
  const int count = static_cast<int>(SendDlgItemMessageA(queue, IDC_JOB_LIST, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[256] = "";
    SendDlgItemMessageA(queue, IDC_JOB_LIST, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    rows.emplace_back(text);
  }
  return rows;
}

void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }

int CountQueueWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), [](HWND wnd, LPARAM counter) {
    if (CWnd::GetWindowText(wnd).rfind(kTitle, 0) == 0) ++*reinterpret_cast<int*>(counter);
    return TRUE;
  }, reinterpret_cast<LPARAM>(&count));
  return count;
}

std::string IniBanner() {
  char value[16] = "";
  GetPrivateProfileStringA(kIniPcnfsdSection, kIniBannerKey, "", value, sizeof value, kIniFileName);
  return value;
}

class QueueWindowTest : public PrintingTest {
 protected:
  // Opens the window with command 5 and returns it.
  HWND OpenQueue() {
    Frame().SendMessage(WM_COMMAND, ID_PRINT_QUEUE);
    Pump();
    HWND queue = FindWindowA("#32770", nullptr);
    while (queue && CWnd::GetWindowText(queue).rfind(kTitle, 0) != 0)
      queue = FindWindowExA(nullptr, queue, "#32770", nullptr);
    return queue;
  }
};

TEST_F(QueueWindowTest, RowsSortedByControlFileAndASecondCommandRefillsTheSameWindow) {
  StartConsole();
  DropJob({"cfB001.nfs", "dfB001", "b", "bob"});
  DropJob({"cfA002.nfs", "dfA002", "a", "carol", "lp", "id with blanks"}, 1);
  HWND queue = OpenQueue();
  ASSERT_TRUE(queue);
  EXPECT_EQ(CWnd::GetWindowText(queue), kTitle);
  EXPECT_EQ(CWnd::GetWindowText(GetDlgItem(queue, IDC_SPOOL_DIRECTORY)), kSpoolDir);
  EXPECT_EQ(Rows(queue), (std::vector<std::string>{
                             "ID: cfA002.nfs     User: with      Filename: dfA002",
                             "ID: cfB001.nfs     User: bob      Filename: dfB001"}));
  EXPECT_EQ(GetFocus(), GetDlgItem(queue, IDC_JOB_LIST));

  DropJob({"cfA001.nfs", "dfA001", "c", "dave"}, 2);
  EXPECT_EQ(OpenQueue(), queue);
  EXPECT_EQ(CountQueueWindows(), 1);
  EXPECT_EQ(Rows(queue).size(), 3u);

  // Light grey behind the window and its texts; the list keeps its own colours.
  HDC dc = GetDC(queue);
  for (const UINT message : {WM_CTLCOLORDLG, WM_CTLCOLORSTATIC, WM_CTLCOLORBTN}) {
    LOGBRUSH brush{};
    GetObjectA(reinterpret_cast<HBRUSH>(SendMessageA(queue, message, reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(queue))),
               sizeof brush, &brush);
    EXPECT_EQ(brush.lbColor, RGB(192, 192, 192)) << message;
  }
  ReleaseDC(queue, dc);

  // Escape inside the window closes it; the next command opens it again.
  PostMessageA(GetDlgItem(queue, IDC_JOB_LIST), WM_KEYDOWN, VK_ESCAPE, 0);
  Pump();
  EXPECT_FALSE(IsWindow(queue));
  queue = OpenQueue();
  ASSERT_TRUE(queue);
  EXPECT_EQ(Rows(queue).size(), 3u);
  Click(queue, IDC_QUEUE_CLOSE);
  EXPECT_FALSE(IsWindow(queue));
}

TEST_F(QueueWindowTest, DeleteRemovesBothFilesAndTheBannerSettingIsWrittenAtOnce) {
  StartConsole();
  DropJob({"cfD001.nfs", "dfD001", "x"});
  DropJob({"cfD002.nfs", "dfD002", "y"}, 1);
  HWND queue = OpenQueue();
  ASSERT_TRUE(queue);

  Click(queue, IDC_JOB_DELETE);  // no row selected: nothing happens
  EXPECT_EQ(Rows(queue).size(), 2u);
  SendDlgItemMessageA(queue, IDC_JOB_LIST, LB_SETCURSEL, 1, 0);
  Click(queue, IDC_JOB_DELETE);
  EXPECT_EQ(Rows(queue), std::vector<std::string>{"ID: cfD001.nfs     User: alice      Filename: dfD001"});
  EXPECT_FALSE(Exists(SpoolFile("cfD002.nfs")));
  EXPECT_FALSE(Exists(SpoolFile("dfD002")));
  EXPECT_TRUE(Exists(SpoolFile("dfD001")));

  EXPECT_EQ(IsDlgButtonChecked(queue, IDC_BANNER_PAGE), BST_UNCHECKED);
  Click(queue, IDC_BANNER_PAGE);
  EXPECT_EQ(IniBanner(), "1");
  Click(queue, IDC_BANNER_PAGE);
  EXPECT_EQ(IniBanner(), "0");

  // Printers opens the exported printers, owned by the queue window.
  script_.Then([queue](HWND printers) {
    EXPECT_EQ(GetWindow(printers, GW_OWNER), queue);
    EXPECT_EQ(CWnd::GetWindowText(printers), "Exported Printers");
    ModalScript::Press(printers, IDOK);
  });
  Click(queue, IDC_QUEUE_PRINTERS);
}

TEST_F(QueueWindowTest, AbortPausesAndResumePrints) {
  StartConsole();
  HWND queue = OpenQueue();
  ASSERT_TRUE(queue);
  CupsCapture capture(kTestQueue);

  // On an idle queue Abort only pauses: the waiting jobs stay.
  Click(queue, IDC_JOB_ABORT);
  EXPECT_EQ(CWnd::GetWindowText(queue), kPausedTitle);
  EXPECT_TRUE(QueuePaused());
  DropJob({"cfP001.nfs", "dfP001", "first"});
  DropJob({"cfP002.nfs", "dfP002", "second"}, 1);
  Click(queue, IDC_QUEUE_CLOSE);
  queue = OpenQueue();
  EXPECT_EQ(CWnd::GetWindowText(queue), kPausedTitle);
  EXPECT_EQ(Rows(queue).size(), 2u);

  // Abort pressed while a run goes on reaches it before its first job: that job
  // is dropped, the run stops, and the later job waits for Resume.
  Pump();
  PostMessageA(GetDlgItem(queue, IDC_JOB_ABORT), BM_CLICK, 0, 0);
  script_.Then([](HWND box) {
    EXPECT_EQ(ModalScript::MessageText(box), "Abort cfP001.nfs!");
    EXPECT_EQ(CWnd::GetWindowText(box), "Abort cfP001.nfs!");
    ModalScript::Press(box, IDOK);
  });
  Click(queue, IDC_JOB_RESUME);
  EXPECT_EQ(CWnd::GetWindowText(queue), kPausedTitle);
  EXPECT_FALSE(Exists(SpoolFile("cfP001.nfs")));
  EXPECT_FALSE(Exists(SpoolFile("dfP001")));
  EXPECT_EQ(Rows(queue), std::vector<std::string>{"ID: cfP002.nfs     User: alice      Filename: dfP002"});

  // Resume pressed again while the run goes on starts no second run inside it:
  // each job prints once.
  DropJob({"cfP003.nfs", "dfP003", "third"}, 2);
  Pump();
  PostMessageA(GetDlgItem(queue, IDC_JOB_RESUME), BM_CLICK, 0, 0);
  Click(queue, IDC_JOB_RESUME);
  EXPECT_EQ(CWnd::GetWindowText(queue), kTitle);
  EXPECT_FALSE(QueuePaused());
  std::vector<CapturedJob> jobs = capture.Take(4);
  ASSERT_EQ(jobs.size(), 4u);
  EXPECT_EQ(jobs[1].bytes, "second");
  EXPECT_EQ(jobs[3].bytes, "third");
  EXPECT_TRUE(capture.Take(1, 1000).empty());
  EXPECT_TRUE(Rows(queue).empty());
  EXPECT_FALSE(Exists(SpoolFile("cfP002.nfs")));
}

}  // namespace
