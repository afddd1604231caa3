// The mapping sheet on the local machine: Wine's own NETAPI32 lists the machine
// and its one user account, the login that runs the test; the passwd and group
// files are the real ones of the test's prefix.
#include <algorithm>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/win/MappingSheetFixture.h"

namespace {

const char kWriteFailed[] = "Cannot write to mapping files passwd and group !";

std::string Login() {
  char name[256] = "";
  DWORD size = sizeof name;
  GetUserNameA(name, &size);
  return name;
}

std::string Upper(std::string text) {
  CharUpperA(text.data());
  return text;
}

std::string Text(HWND page, int id) { return CWnd::GetWindowText(GetDlgItem(page, id)); }

class UserPageTest : public MappingSheetTest {
 protected:
  const std::string login_ = Login();
};

TEST_F(UserPageTest, ShowsTheFileTheMachineAndItsAccounts) {
  WriteFile(passwd_, "alice::500::::\r\nbob::501::::\r\n");
  StartConsole();
  char computer[MAX_COMPUTERNAME_LENGTH + 1] = "";
  DWORD size = sizeof computer;
  GetComputerNameA(computer, &size);
  RunSheet([&](HWND sheet) {
    EXPECT_EQ(TabLabel(sheet, 1), "Group name to GID mapping");
    HWND page = CurrentPage(sheet);
    EXPECT_EQ(Items(page, IDC_MAPPING_LIST), (std::vector<std::string>{"alice::500::::", "bob::501::::"}));
    EXPECT_EQ(Items(page, IDC_DOMAIN, CB_GETCOUNT, CB_GETLBTEXT),
              std::vector<std::string>{"\\\\" + Upper(computer)});
    EXPECT_EQ(Items(page, IDC_ACCOUNT_LIST), std::vector<std::string>{login_});
    // The spin writes plain decimal numbers into the edit, within its range.
    EXPECT_EQ(Text(page, IDC_USER_ID), "0");
    SendDlgItemMessageA(page, IDC_ID_SPIN, UDM_SETPOS32, 0, -40000);
    EXPECT_EQ(Text(page, IDC_USER_ID), "-32767");
    ModalScript::Press(sheet, IDCANCEL);
  });
}

TEST_F(UserPageTest, AddChecksTheIdThenTheNameAndAppendsInFileOrder) {
  const struct {
    const char* what;
    std::string file;
    std::string account;  // none selected when empty
    std::string id;
    const char* message;  // null: added
    std::string written;  // after OK
  } cases[] = {
      {"added after the file's lines", "alice::500::::\r\nbob::501::::\r\n", login_, "502", nullptr,
       "alice::500:::: \r\nbob::501:::: \r\n" + login_ + "::502:::: \r\n"},
      {"no account selected", "", "", "5", kNoAccountSelected, ""},
      {"UID already mapped", "alice::500::::\r\n", login_, "500", kMappingExists, "alice::500:::: \r\n"},
      {"account already mapped", login_ + "::7::::\r\n", login_, "8", kMappingExists, login_ + "::7:::: \r\n"},
      {"a line without ID holds -2", "alice\r\n", login_, "-2", kMappingExists, "alice::-2:::: \r\n"},
      {"no number in the edit", "", login_, "", kEnterInteger, ""},
      {"IDs compare as text", "alice::0500::::\r\n", login_, "500", nullptr,
       "alice::0500:::: \r\n" + login_ + "::500:::: \r\n"},
      {"names compare exactly", Upper(login_) + "::500::::\r\n", login_, "501", nullptr,
       Upper(login_) + "::500:::: \r\n" + login_ + "::501:::: \r\n"},
      {"typed IDs beyond the spin range", "", login_, "70000", nullptr, login_ + "::70000:::: \r\n"},
  };
  StartConsole();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFile(passwd_, c.file);
    std::vector<std::string> messages;
    if (c.message) messages.push_back(c.message);
    RunSheet(
        [&](HWND sheet) {
          HWND page = CurrentPage(sheet);
          AddMapping(page, c.account, c.id);
          const std::vector<std::string> lines = Items(page, IDC_MAPPING_LIST);
          EXPECT_EQ(std::count(lines.begin(), lines.end(), c.account + "::" + c.id + "::::"), c.message ? 0 : 1);
          SetDlgItemTextA(page, IDC_USER_ID, "1");  // so that OK may leave the page
          ModalScript::Press(sheet, IDOK);
        },
        messages);
    EXPECT_EQ(ReadFile(passwd_), c.written);
  }
}

TEST_F(UserPageTest, RemoveTakesTheFirstRecordOfTheLinesName) {
  const struct {
    const char* what;
    std::string file;
    std::string line;     // removed; none selected when empty
    std::string readdId;  // then added again with this ID, if any
    std::string written;
  } cases[] = {
      {"remove then add again", "alice::500::::\r\n" + login_ + "::501::::\r\n", login_ + "::501::::", "600",
       "alice::500:::: \r\n" + login_ + "::600:::: \r\n"},
      {"two lines of one name", login_ + "::500::::\r\n" + login_ + "::600::::\r\n", login_ + "::600::::", "",
       login_ + "::600:::: \r\n"},
      {"nothing selected", "alice::500::::\r\n", "", "", "alice::500:::: \r\n"},
  };
  StartConsole();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFile(passwd_, c.file);
    std::vector<std::string> messages;
    if (c.line.empty()) messages.push_back(kNoAccountSelected);
    RunSheet(
        [&](HWND sheet) {
          HWND page = CurrentPage(sheet);
          std::vector<std::string> lines = Items(page, IDC_MAPPING_LIST);
          lines.erase(std::remove(lines.begin(), lines.end(), c.line), lines.end());
          RemoveMapping(page, c.line);
          EXPECT_EQ(Items(page, IDC_MAPPING_LIST), lines);
          if (!c.readdId.empty()) AddMapping(page, login_, c.readdId);
          ModalScript::Press(sheet, IDOK);
        },
        messages);
    EXPECT_EQ(ReadFile(passwd_), c.written);
  }
}

class MappingSheetBehaviourTest : public MappingSheetTest {};

TEST_F(MappingSheetBehaviourTest, OkWritesThePagesThatWereShownAndCancelNone) {
  const std::string unixPasswd = "root:x:0:0:root:/root:/bin/sh\nalice:x:500:100::/home/alice:/bin/sh\n";
  const std::string unixGroup = "staff:x:20:alice,bob\nwheel:x:10:root\n";
  WriteFile(passwd_, unixPasswd);
  WriteFile(group_, unixGroup);
  StartConsole();

  // Changes on both tabs, then Cancel: neither file changes.
  RunSheet([&](HWND sheet) {
    RemoveMapping(CurrentPage(sheet), "root::0::::");
    ChoosePage(sheet, 1);
    HWND group = CurrentPage(sheet);
    EXPECT_EQ(Items(group, IDC_MAPPING_LIST), (std::vector<std::string>{"staff::20:", "wheel::10:"}));
    RemoveMapping(group, "wheel::10:");
    ModalScript::Press(sheet, IDCANCEL);
  });
  EXPECT_EQ(ReadFile(passwd_), unixPasswd);
  EXPECT_EQ(ReadFile(group_), unixGroup);

  // OK at once: the group page was never shown, so its file is left alone.
  RunSheet([](HWND sheet) { ModalScript::Press(sheet, IDOK); });
  EXPECT_EQ(ReadFile(passwd_), "root::0:::: \r\nalice::500:::: \r\n");
  EXPECT_EQ(ReadFile(group_), unixGroup);

  // The next opening shows what the last one wrote; visiting the group tab
  // rewrites the group file too, in the seven-field form.
  RunSheet([](HWND sheet) {
    EXPECT_EQ(Items(CurrentPage(sheet), IDC_MAPPING_LIST),
              (std::vector<std::string>{"alice::500::::", "root::0::::"}));
    ChoosePage(sheet, 1);
    ModalScript::Press(sheet, IDOK);
  });
  EXPECT_EQ(ReadFile(group_), "staff::20:::: \r\nwheel::10:::: \r\n");
}

TEST_F(MappingSheetBehaviourTest, APageIsNotLeftWhileItsIdIsNoWholeNumber) {
  WriteFile(group_, "staff::20::::\r\n");
  StartConsole();
  RunSheet(
      [&](HWND sheet) {
        HWND user = CurrentPage(sheet);
        SetDlgItemTextA(user, IDC_USER_ID, "");
        ChoosePage(sheet, 1);
        EXPECT_EQ(CurrentPageIndex(sheet), 0);
        ModalScript::Press(sheet, IDOK);
        EXPECT_TRUE(IsWindowVisible(sheet));
        EXPECT_EQ(ReadFile(passwd_), "");

        SetDlgItemTextA(user, IDC_USER_ID, " 12\t");
        ChoosePage(sheet, 1);
        ASSERT_EQ(CurrentPageIndex(sheet), 1);
        HWND group = CurrentPage(sheet);
        EXPECT_EQ(Text(group, IDC_GROUP_ID), "0");
        // The group edit takes any characters; letters keep the page.
        SetDlgItemTextA(group, IDC_GROUP_ID, "abc");
        ChoosePage(sheet, 0);
        EXPECT_EQ(CurrentPageIndex(sheet), 1);
        SetDlgItemTextA(group, IDC_GROUP_ID, "7");
        ChoosePage(sheet, 0);
        EXPECT_EQ(Text(user, IDC_USER_ID), "12");
        ChoosePage(sheet, 1);
        EXPECT_EQ(Text(group, IDC_GROUP_ID), "7");
        // Cancel is never refused.
        SetDlgItemTextA(group, IDC_GROUP_ID, "x");
        ModalScript::Press(sheet, IDCANCEL);
      },
      {kEnterInteger, kEnterInteger, kEnterInteger});
  EXPECT_EQ(GetFileAttributesA(passwd_.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(ReadFile(group_), "staff::20::::\r\n");
}

TEST_F(MappingSheetBehaviourTest, AFileThatCannotBeWrittenIsReportedAndKept) {
  WriteFile(passwd_, "alice::500::::\r\n");
  StartConsole();
  // Another program reads the file and lets nobody replace it meanwhile.
  HANDLE held = CreateFileA(passwd_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  RunSheet(
      [](HWND sheet) {
        EXPECT_EQ(Items(CurrentPage(sheet), IDC_MAPPING_LIST), std::vector<std::string>{"alice::500::::"});
        ModalScript::Press(sheet, IDOK);
      },
      {kWriteFailed});
  CloseHandle(held);
  EXPECT_EQ(ReadFile(passwd_), "alice::500::::\r\n");
}

}  // namespace
