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

// The controls that take the focus, in the order the Tab key visits them.
std::vector<int> TabOrder(HWND page) {
  std::vector<int> ids;
  HWND first = GetNextDlgTabItem(page, nullptr, FALSE);
  for (HWND control = first; control;) {
    ids.push_back(GetDlgCtrlID(control));
    control = GetNextDlgTabItem(page, control, FALSE);
    if (control == first) break;
  }
  return ids;
}

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
    EXPECT_EQ(TabLabel(sheet, 0), "User name to UID mapping");
    EXPECT_EQ(TabLabel(sheet, 1), "Group name to GID mapping");
    HWND page = CurrentPage(sheet);
    EXPECT_EQ(Items(page, IDC_MAPPING_LIST), (std::vector<std::string>{"alice::500::::", "bob::501::::"}));
    EXPECT_EQ(Items(page, IDC_DOMAIN, CB_GETCOUNT, CB_GETLBTEXT),
              std::vector<std::string>{"\\\\" + Upper(computer)});
    EXPECT_EQ(SendDlgItemMessageA(page, IDC_DOMAIN, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(Items(page, IDC_ACCOUNT_LIST), std::vector<std::string>{login_});
    EXPECT_EQ(Text(page, IDC_USER_ID), "0");
    EXPECT_EQ(TabOrder(page), (std::vector<int>{IDC_DOMAIN, IDC_ACCOUNT_LIST, IDC_USER_ID, IDC_ADD_MAPPING,
                                                IDC_MAPPING_LIST, IDC_REMOVE_MAPPING}));
    EXPECT_EQ(reinterpret_cast<HWND>(SendDlgItemMessageA(page, IDC_ID_SPIN, UDM_GETBUDDY, 0, 0)),
              GetDlgItem(page, IDC_USER_ID));
    int low = 0, high = 0;
    SendDlgItemMessageA(page, IDC_ID_SPIN, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                        reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, -32767);
    EXPECT_EQ(high, 32767);
    // The spin writes plain decimal numbers into the edit.
    SendDlgItemMessageA(page, IDC_ID_SPIN, UDM_SETPOS32, 0, -1234);
    EXPECT_EQ(Text(page, IDC_USER_ID), "-1234");
    ModalScript::Press(sheet, IDCANCEL);
  });
}

TEST_F(UserPageTest, AddedMappingsFollowTheFileOrder) {
  WriteFile(passwd_, "alice::500::::\r\nbob::501::::\r\n");
  StartConsole();
  RunSheet([&](HWND sheet) {
    HWND page = CurrentPage(sheet);
    AddMapping(page, login_, "502");
    EXPECT_EQ(Sorted(Items(page, IDC_MAPPING_LIST)),
              Sorted({"alice::500::::", "bob::501::::", login_ + "::502::::"}));
    // Neither the account's selection nor the ID changes.
    EXPECT_EQ(SendDlgItemMessageA(page, IDC_ACCOUNT_LIST, LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(Text(page, IDC_USER_ID), "502");
    ModalScript::Press(sheet, IDOK);
  });
  EXPECT_EQ(ReadFile(passwd_), "alice::500:::: \r\nbob::501:::: \r\n" + login_ + "::502:::: \r\n");
}

TEST_F(UserPageTest, AddChecksTheIdThenTheName) {
  const struct {
    const char* what;
    std::string file;
    std::string account;
    std::string id;
    bool bySpin;
    const char* message;  // null: added
  } cases[] = {
      {"no account selected", "", "", "5", false, kNoAccountSelected},
      {"UID already mapped", "alice::500::::\r\n", login_, "500", false, kMappingExists},
      {"account already mapped", login_ + "::7::::\r\n", login_, "8", false, kMappingExists},
      {"a line without ID holds -2", "alice\r\n", login_, "-2", true, kMappingExists},
      {"no number in the edit", "", login_, "", false, kEnterInteger},
      {"IDs compare as text", "alice::0500::::\r\n", login_, "500", false, nullptr},
      {"names compare exactly", Upper(login_) + "::500::::\r\n", login_, "501", false, nullptr},
      {"typed IDs beyond the spin range", "", login_, "70000", false, nullptr},
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
          std::vector<std::string> expected = Items(page, IDC_MAPPING_LIST);
          if (c.bySpin) {
            SendDlgItemMessageA(page, IDC_ID_SPIN, UDM_SETPOS32, 0, std::stoi(c.id));
            AddMapping(page, c.account, Text(page, IDC_USER_ID));
          } else {
            AddMapping(page, c.account, c.id);
          }
          if (!c.message) expected.push_back(c.account + "::" + c.id + "::::");
          EXPECT_EQ(Sorted(Items(page, IDC_MAPPING_LIST)), Sorted(expected));
          SetDlgItemTextA(page, IDC_USER_ID, "1");  // so that OK may leave the page
          ModalScript::Press(sheet, IDOK);
        },
        messages);
    EXPECT_EQ(ReadFile(passwd_).ends_with(login_ + "::" + c.id + ":::: \r\n"), c.message == nullptr);
  }
}

TEST_F(UserPageTest, RemoveTakesTheFirstRecordOfTheLinesName) {
  const struct {
    const char* what;
    std::string file;
    std::string line;     // removed
    std::string readdId;  // then added again with this ID, if any
    std::string written;
  } cases[] = {
      {"remove then add again", "alice::500::::\r\n" + login_ + "::501::::\r\n", login_ + "::501::::", "600",
       "alice::500:::: \r\n" + login_ + "::600:::: \r\n"},
      {"two lines of one name", login_ + "::500::::\r\n" + login_ + "::600::::\r\n", login_ + "::600::::", "",
       login_ + "::600:::: \r\n"},
  };
  StartConsole();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFile(passwd_, c.file);
    RunSheet([&](HWND sheet) {
      HWND page = CurrentPage(sheet);
      const std::vector<std::string> before = Items(page, IDC_MAPPING_LIST);
      RemoveMapping(page, c.line);
      std::vector<std::string> after = before;
      after.erase(std::find(after.begin(), after.end(), c.line));
      EXPECT_EQ(Items(page, IDC_MAPPING_LIST), after);
      if (!c.readdId.empty()) AddMapping(page, login_, c.readdId);
      ModalScript::Press(sheet, IDOK);
    });
    EXPECT_EQ(ReadFile(passwd_), c.written);
  }
  // Nothing selected: nothing removed.
  RunSheet(
      [&](HWND sheet) {
        HWND page = CurrentPage(sheet);
        RemoveMapping(page, "");
        EXPECT_EQ(Items(page, IDC_MAPPING_LIST).size(), 1u);
        ModalScript::Press(sheet, IDCANCEL);
      },
      {kNoAccountSelected});
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
