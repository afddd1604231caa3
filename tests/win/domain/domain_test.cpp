// The mapping sheet opened through command 103, on the real passwd and group
// files of the test's prefix and on machines of a Windows NT domain, which the
// replacement netapi32.dll beside this program describes (see DomainDouble.cpp
// for the scenarios).
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/win/ConsoleFixture.h"

namespace {

using Names = std::vector<std::string>;
const char kNotAdministrator[] = "You must be one of  Administrators group to run this program !";
const char kUnstorable[] = "This account name cannot be stored in the mapping file.";
const Names kLocalUsers = {"Administrator", "alice", "bob", "carol"};
const Names kDomainUsers = {"dave", "erin"};

HWND CurrentPage(HWND sheet) { return PropSheet_GetCurrentPageHwnd(sheet); }
void ChoosePage(HWND sheet, int index) { PropSheet_SetCurSel(sheet, nullptr, index); }
int IdEdit(HWND page) { return GetDlgItem(page, IDC_USER_ID) ? IDC_USER_ID : IDC_GROUP_ID; }

// Picks account in the account list (none for an empty name), puts id into the
// ID edit and clicks Add.
void AddMapping(HWND page, const std::string& account, const std::string& id) {
  Pick(page, IDC_ACCOUNT_LIST, account);
  SetDlgItemTextA(page, IdEdit(page), id.c_str());
  Press(page, IDC_ADD_MAPPING);
}

class MappingSheetTest : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    DeleteFileA(passwd_.c_str());
    DeleteFileA(group_.c_str());
    Scenario("workstation");
  }
  static void Scenario(const char* name) { SetEnvironmentVariableA("NETAPI_DOUBLE", name); }
  // Opens the sheet and runs step in it; the message boxes with the texts given
  // are expected, in that order, while it runs. Returns once the sheet is closed.
  void RunSheet(const Names& messages, std::function<void(HWND sheet)> step) {
    Expect(0, [this, step](HWND sheet) {
      EXPECT_EQ(GetWindow(sheet, GW_OWNER), Frame().m_hWnd);
      EXPECT_FALSE(IsWindowEnabled(Frame().m_hWnd));
      EXPECT_FALSE(IsWindowVisible(GetDlgItem(sheet, 0x3021))) << "Apply is never offered";
      step(sheet);
    });
    for (const std::string& text : messages) ExpectMessage(text);
    Command(ID_MAPPING);
  }
  const std::string passwd_ = EtcFile("passwd"), group_ = EtcFile("group");
};

TEST_F(MappingSheetTest, TheComboBoxFollowsTheMachinesRole) {
  // Each entry takes a pointer and six wide characters with their NUL: 186 of
  // them fit into the one batch of 4096 bytes.
  Names firstBatch;
  for (int i = 0; i < 186; ++i) firstBatch.push_back("dom" + std::to_string(1000 + i).substr(1));
  const struct {
    const char* scenario;
    Names entries;
    const char* message;
    const char* chosen;  // the entry whose accounts are listed; null: the first
    Names accounts;
  } cases[] = {
      {"workstation", {"\\\\WKS1", "LABDOM"}, nullptr, "LABDOM", kDomainUsers},
      {"server", {"\\\\WKS1"}, nullptr, nullptr, kLocalUsers},
      {"controller", {"LABDOM"}, nullptr, nullptr, kDomainUsers},
      {"refuses503", {"\\\\WKS1"}, kNotAdministrator, nullptr, kLocalUsers},
      {"nodomain", {"\\\\WKS1"}, nullptr, nullptr, kLocalUsers},
      {"bigdomain", {"\\\\WKS1", "LABDOM"}, nullptr, "LABDOM", firstBatch},
  };
  StartConsole();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.scenario);
    Scenario(c.scenario);
    // The page asks while it is being created, before the sheet shows.
    if (c.message) ExpectMessage(c.message);
    RunSheet({}, [&](HWND sheet) {
      HWND page = CurrentPage(sheet);
      EXPECT_EQ(Items(page, IDC_DOMAIN), c.entries);
      EXPECT_EQ(Text(page, IDC_DOMAIN), c.entries[0]);
      if (c.chosen) Choose(page, IDC_DOMAIN, c.chosen);
      EXPECT_EQ(Items(page, IDC_ACCOUNT_LIST), c.accounts);
      Press(sheet, IDCANCEL);
    });
  }
}

// Another program's change of passwd while the sheet is open is not written over
// unseen: OK asks; Cancel writes nothing and keeps the sheet open, Yes shows the
// file's lines instead of the page's, No writes the page's over the change.
TEST_F(MappingSheetTest, OkAfterAnotherProgramChangedTheFileAsks) {
  WriteFile(passwd_, "alice::500:::: \r\n");
  StartConsole();
  const std::string changed = "alice::500:::: \r\ndave::700:::: \r\n";
  RunSheet({}, [&](HWND sheet) {
    HWND page = CurrentPage(sheet);
    AddMapping(page, "bob", "501");
    WriteFile(passwd_, changed);
    ExpectChangedQuestion(passwd_, IDCANCEL);
    Press(sheet, IDOK);
    EXPECT_EQ(ReadFile(passwd_), changed);
    ExpectChangedQuestion(passwd_, IDYES);
    Press(sheet, IDOK);
    EXPECT_EQ(Items(page, IDC_MAPPING_LIST), (Names{"alice::500::::", "dave::700::::"}));
    AddMapping(page, "bob", "501");
    WriteFile(passwd_, "carol::502:::: \r\n");
    ExpectChangedQuestion(passwd_, IDNO);
    Press(sheet, IDOK);
  });
  EXPECT_EQ(ReadFile(passwd_), changed + "bob::501:::: \r\n");
}

TEST_F(MappingSheetTest, OkWritesThePagesThatWereShownCancelNoneAndAFailedWriteIsReported) {
  ASSERT_EQ(GetACP(), 1252u) << "run with LC_ALL=C";
  const std::string unixPasswd = "root:x:0:0:root:/root:/bin/sh\nalice:x:500:100::/home/alice:/bin/sh\n";
  const std::string unixGroup = "staff:x:20:alice,bob\nwheel:x:10:root\n";
  WriteFile(passwd_, unixPasswd);
  WriteFile(group_, unixGroup);
  StartConsole();
  // Changes on both tabs, then Cancel: neither file changes. Each entry of the
  // group page lists its own groups; one whose controller is gone, none.
  RunSheet({}, [&](HWND sheet) {
    Pick(CurrentPage(sheet), IDC_MAPPING_LIST, "root::0::::");
    Press(CurrentPage(sheet), IDC_REMOVE_MAPPING);
    ChoosePage(sheet, 1);
    HWND groups = CurrentPage(sheet);
    EXPECT_EQ(Items(groups, IDC_ACCOUNT_LIST), (Names{"Administrators", "Guests", "Users"}));
    Choose(groups, IDC_DOMAIN, "LABDOM");
    EXPECT_EQ(Items(groups, IDC_ACCOUNT_LIST), (Names{"Domain Admins", "Domain Users"}));
    Scenario("nodomain");
    Choose(groups, IDC_DOMAIN, "LABDOM");
    EXPECT_EQ(Items(groups, IDC_ACCOUNT_LIST), Names{});
    Pick(groups, IDC_MAPPING_LIST, "wheel::10:");
    Press(groups, IDC_REMOVE_MAPPING);
    Press(sheet, IDCANCEL);
  });
  EXPECT_EQ(ReadFile(passwd_), unixPasswd);
  EXPECT_EQ(ReadFile(group_), unixGroup);
  // Names the file cannot carry are listed but not mapped; a mapping is appended
  // to the file while the list shows them sorted, case aside. The group page was
  // never shown, so its file is left alone.
  Scenario("foreign");
  RunSheet({"No account is selected !", kUnstorable, kUnstorable}, [this](HWND sheet) {
    HWND page = CurrentPage(sheet);
    Names listed = Items(page, IDC_ACCOUNT_LIST);
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (Names{"??", "?ukasz", "J\xfcrgen", "a:b", "alice"}));
    // A box raised from inside the sheet is owned by it, not hidden behind it.
    Expect(IDOK, [sheet](HWND box) {
      EXPECT_EQ(MessageText(box) + (GetWindow(box, GW_OWNER) == sheet ? "" : " (not owned)"), kUnstorable);
    });
    for (const char* name : {"", "?ukasz", "??", "a:b", "J\xfcrgen"}) AddMapping(page, name, "1");
    EXPECT_EQ(Items(page, IDC_MAPPING_LIST), (Names{"alice::500::::", "J\xfcrgen::1::::", "root::0::::"}));
    Press(sheet, IDOK);
  });
  const std::string written = "root::0:::: \r\nalice::500:::: \r\nJ\xfcrgen::1:::: \r\n";
  EXPECT_EQ(ReadFile(passwd_), written);
  EXPECT_EQ(ReadFile(group_), unixGroup);
  // A reader that lets others write, as the C library opens files, does not
  // stop the save: the file is rewritten in place.
  HANDLE reader = CreateFileA(group_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  RunSheet({}, [](HWND sheet) {
    ChoosePage(sheet, 1);
    AddMapping(CurrentPage(sheet), "Administrators", "0");
    EXPECT_EQ(Items(CurrentPage(sheet), IDC_MAPPING_LIST),
              (Names{"Administrators::0:", "staff::20:", "wheel::10:"}));
    Press(sheet, IDOK);
  });
  CloseHandle(reader);
  EXPECT_EQ(ReadFile(group_), "staff::20:::: \r\nwheel::10:::: \r\nAdministrators::0:::: \r\n");
  // Another program reads the file and lets nobody replace it meanwhile.
  HANDLE held =
      CreateFileA(passwd_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  RunSheet({"Please enter an integer."}, [this](HWND sheet) {
    // OK leaves no page whose ID is no whole number.
    HWND page = CurrentPage(sheet);
    SetDlgItemTextA(page, IDC_USER_ID, "12x");
    Press(sheet, IDOK);
    SetDlgItemTextA(page, IDC_USER_ID, " -42\t");
    ExpectMessage("Cannot write to mapping files passwd and group !");
    Press(sheet, IDOK);
  });
  CloseHandle(held);
  EXPECT_EQ(ReadFile(passwd_), written);
}

// The lines after an empty line or a Ctrl+Z were never read: OK names the line
// and how many lines the write drops, and asks for each file.
TEST_F(MappingSheetTest, OkAsksBeforeDroppingTheLinesTheReaderStoppedBefore) {
  const std::string passwd = "alice::500:::: \r\n\r\nbob::501:::: \r\ncarol::502:::: \r\n";
  const std::string group = "staff::20:::: \r\n\x1a\r\nwheel::10:::: \r\n";
  WriteFile(passwd_, passwd);
  WriteFile(group_, group);
  StartConsole();
  RunSheet({}, [&](HWND sheet) {
    ChoosePage(sheet, 1);
    AddMapping(CurrentPage(sheet), "Administrators", "0");
    ExpectMessage("Line 2 of " + passwd_ +
                      " is empty: nothing after it was read, so writing the file now drops 2 line(s) after it.\n\n"
                      "Write the file anyway?",
                  IDNO);
    ExpectMessage("Line 2 of " + group_ +
                      " holds an end-of-file mark (Ctrl+Z): nothing after it was read, so writing the file now "
                      "drops 1 line(s) after it.\n\nWrite the file anyway?",
                  IDYES);
    Press(sheet, IDOK);
  });
  EXPECT_EQ(ReadFile(passwd_), passwd);
  EXPECT_EQ(ReadFile(group_), "staff::20:::: \r\nAdministrators::0:::: \r\n");
}

}  // namespace
