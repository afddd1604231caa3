// "Exported Printers" and "Export a Printer" driven through command 102: real
// controls, the real print-setup dialog, printcap read back byte for byte.
#include <string>
#include <vector>

#include "resources/resource.h"
#include "status/SharedWithService.h"
#include "tests/win/PrintingFixture.h"

namespace {

constexpr int kPrinterCombo = 0x470;  // the printer list of the print-setup dialog

std::string Text(HWND dialog, int id) { return CWnd::GetWindowText(GetDlgItem(dialog, id)); }
void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

std::vector<std::string> Rows(HWND dialog) {
  std::vector<std::string> rows;
  const int count = static_cast<int>(SendDlgItemMessageA(dialog, IDC_PRINTER_LIST, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[128] = "";
    SendDlgItemMessageA(dialog, IDC_PRINTER_LIST, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    rows.emplace_back(text);
  }
  return rows;
}

void SelectRow(HWND dialog, int row) { SendDlgItemMessageA(dialog, IDC_PRINTER_LIST, LB_SETCURSEL, row, 0); }

// Closes "Exported Printers" once the dialog opened from it has gone.
void CloseLater(HWND printers) { PostMessageA(printers, WM_COMMAND, IDOK, 0); }

class PrinterDialogsTest : public PrintingTest {
 protected:
  void ShowPrinters() { Frame().SendMessage(WM_COMMAND, ID_EXPORTED_PRINTERS); }
  std::string Printcap() const { return ReadFile(InstallPath(kPrintcapFileName)); }

  HWND printers_ = nullptr;  // "Exported Printers" while it is open
};

TEST_F(PrinterDialogsTest, NewEntryNamesAreCutOrRefused) {
  const struct {
    std::vector<std::string> typed;  // each typed and OK pressed; all but the last refused
    const char* stored;
  } cases[] = {
      {{"laser"}, "laser"},
      {{"a-printer-name-of-25-chars"}, "a-printer-name-of-2"},
      {{"nineteen-characters."}, "nineteen-characters"},
      {{"a.b", "", "a,b", "tab\there", "ok"}, "ok"},
  };
  StartConsole();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    std::vector<std::string> refusals;
    script_.Then([&](HWND printers) {
      printers_ = printers;
      Click(printers, IDC_PRINTER_NEW);
    });
    script_.Then([&](HWND edit) {
      EXPECT_EQ(CWnd::GetWindowText(edit), "Export a Printer");
      EXPECT_EQ(Text(edit, IDC_PRINTER_NAME), "");
      EXPECT_EQ(Text(edit, IDC_PRINTER_TEXT), "nfs-win on CUPS:nfs-win");
      EXPECT_FALSE(Checked(edit, IDC_USE_DEFAULT_PRINTER));
      for (const std::string& name : c.typed) {
        SetDlgItemTextA(edit, IDC_PRINTER_NAME, name.c_str());
        ModalScript::Press(edit, IDOK);
      }
      CloseLater(printers_);
    });
    for (size_t i = 1; i < c.typed.size(); ++i)
      script_.Then([&](HWND box) {
        refusals.push_back(CWnd::GetWindowText(box) + ": " + ModalScript::MessageText(box));
        ModalScript::Press(box, IDOK);
      });
    const std::string before = Printcap();
    ShowPrinters();
    EXPECT_EQ(Printcap(), before + c.stored + ",wineps.drv,nfs-win,CUPS:nfs-win,\r\n");
    EXPECT_EQ(refusals, std::vector<std::string>(c.typed.size() - 1, "NFS Server Error: Invalid export name."));
  }
}

TEST_F(PrinterDialogsTest, ModifyKeepsThePlaceAndDropsTheExtraField) {
  WriteFile(InstallPath(kPrintcapFileName),
            "a,wineps.drv,nfs-win,CUPS:nfs-win,keep\r\nb,wineps.drv,nfs-other,CUPS:nfs-other,x,y\r\n"
            "c,wineps.drv,nfs-win,CUPS:nfs-win,\r\n");
  StartConsole();
  script_.Then([&](HWND printers) {
    printers_ = printers;
    EXPECT_EQ(Rows(printers), (std::vector<std::string>{
                                  "a             Ready       nfs-win                         CUPS:nfs-win",
                                  "b             Ready       nfs-other                       CUPS:nfs-oth",
                                  "c             Ready       nfs-win                         CUPS:nfs-win"}));
    // Without a selection Modify and Delete do nothing.
    Click(printers, IDC_PRINTER_MODIFY);
    Click(printers, IDC_PRINTER_DELETE);
    SelectRow(printers, 1);
    Click(printers, IDC_PRINTER_MODIFY);
  });
  script_.Then([&](HWND edit) {
    EXPECT_EQ(Text(edit, IDC_PRINTER_NAME), "b");
    EXPECT_EQ(Text(edit, IDC_PRINTER_TEXT), "nfs-other on CUPS:nfs-other");
    SetDlgItemTextA(edit, IDC_PRINTER_NAME, "renamed");
    ModalScript::Press(edit, IDOK);
    CloseLater(printers_);
  });
  ShowPrinters();
  EXPECT_EQ(Printcap(),
            "a,wineps.drv,nfs-win,CUPS:nfs-win,keep\r\nrenamed,wineps.drv,nfs-other,CUPS:nfs-other,\r\n"
            "c,wineps.drv,nfs-win,CUPS:nfs-win,\r\n");
}

TEST_F(PrinterDialogsTest, DeleteAsksFirst) {
  StartConsole();
  for (const int answer : {IDNO, IDYES}) {
    script_.Then([&](HWND printers) {
      SelectRow(printers, 0);
      Click(printers, IDC_PRINTER_DELETE);
      EXPECT_EQ(Rows(printers).size(), answer == IDYES ? 1u : 2u);
      ModalScript::Press(printers, IDOK);
    });
    script_.Then([&](HWND box) {
      EXPECT_EQ(CWnd::GetWindowText(box), "Delete");
      EXPECT_EQ(ModalScript::MessageText(box), "Are you sure to delete this entryfrom exported printer list?");
      ModalScript::Press(box, answer);
    });
    ShowPrinters();
  }
  EXPECT_EQ(Printcap(), "other,wineps.drv,nfs-other,CUPS:nfs-other,\r\n");
}

TEST_F(PrinterDialogsTest, PrinterSetupAndTheDefaultPrinter) {
  StartConsole();
  script_.Then([&](HWND printers) {
    printers_ = printers;
    Click(printers, IDC_PRINTER_NEW);
  });
  script_.Then([&](HWND edit) {
    Click(edit, IDC_PRINTER_SETUP);
    EXPECT_EQ(Text(edit, IDC_PRINTER_TEXT), "nfs-other on CUPS:nfs-other");
    Click(edit, IDC_USE_DEFAULT_PRINTER);
    EXPECT_EQ(Text(edit, IDC_PRINTER_TEXT), "nfs-win on CUPS:nfs-win");
    EXPECT_FALSE(Enabled(edit, IDC_PRINTER_SETUP));
    SetDlgItemTextA(edit, IDC_PRINTER_NAME, "follows");
    ModalScript::Press(edit, IDOK);
    CloseLater(printers_);
  });
  script_.Then([&](HWND setup) {
    HWND combo = GetDlgItem(setup, kPrinterCombo);
    SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(kOtherQueue));
    SendMessageA(setup, WM_COMMAND, MAKEWPARAM(kPrinterCombo, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    ModalScript::Press(setup, IDOK);
  });
  ShowPrinters();
  EXPECT_EQ(Printcap(), std::string(kPrintcap) + "follows,default,nfs-win,CUPS:nfs-win,\r\n");

  // The box stays as the last dialog left it; unchecking keeps the printer.
  script_.Then([&](HWND printers) {
    printers_ = printers;
    Click(printers, IDC_PRINTER_NEW);
  });
  script_.Then([&](HWND edit) {
    EXPECT_TRUE(Checked(edit, IDC_USE_DEFAULT_PRINTER));
    Click(edit, IDC_USE_DEFAULT_PRINTER);
    EXPECT_TRUE(Enabled(edit, IDC_PRINTER_SETUP));
    EXPECT_EQ(Text(edit, IDC_PRINTER_TEXT), "nfs-win on CUPS:nfs-win");
    ModalScript::Press(edit, IDCANCEL);
    CloseLater(printers_);
  });
  ShowPrinters();
  EXPECT_EQ(Printcap(), std::string(kPrintcap) + "follows,default,nfs-win,CUPS:nfs-win,\r\n");
}

}  // namespace
