// The mapping pages on machines of a Windows NT domain, which the replacement
// netapi32.dll beside this program describes (see DomainDouble.cpp for the
// scenarios): the domain combo box by the machine's role, the accounts of each
// entry, the one 4096-byte batch, and names the ANSI code page cannot carry.
#include <sstream>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/win/MappingSheetFixture.h"

namespace {

const char kNotAdministrator[] = "You must be one of  Administrators group to run this program !";
const char kUnstorable[] = "This account name cannot be stored in the mapping file.";
const std::vector<std::string> kLocalUsers = {"Administrator", "alice", "bob", "carol"};
const std::vector<std::string> kDomainUsers = {"dave", "erin"};

std::string Variable(const char* name) {
  char value[32768] = "";
  GetEnvironmentVariableA(name, value, sizeof value);
  return value;
}

std::vector<std::string> Entries(HWND page) { return Items(page, IDC_DOMAIN, CB_GETCOUNT, CB_GETLBTEXT); }

// Picks an entry of the domain combo box as the user does.
void ChooseEntry(HWND page, const std::string& entry) {
  ASSERT_NE(SendDlgItemMessageA(page, IDC_DOMAIN, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>(entry.c_str())),
            CB_ERR)
      << entry;
  Notify(page, IDC_DOMAIN, CBN_SELCHANGE);
}

class DomainTest : public MappingSheetTest {
 protected:
  void Scenario(const char* name) {
    SetEnvironmentVariableA("NETAPI_DOUBLE", name);
    SetEnvironmentVariableA("NETAPI_DOUBLE_CALLS", nullptr);
  }
  // The platform calls made since the scenario was set, one per line.
  static std::vector<std::string> Calls() {
    std::vector<std::string> calls;
    std::istringstream lines(Variable("NETAPI_DOUBLE_CALLS"));
    for (std::string line; std::getline(lines, line);) calls.push_back(line);
    return calls;
  }
};

TEST_F(DomainTest, TheComboBoxFollowsTheMachinesRole) {
  const struct {
    const char* scenario;
    std::vector<std::string> entries;
    const char* message;
    std::vector<std::string> accounts;  // of the first entry
  } cases[] = {
      {"workstation", {"\\\\WKS1", "LABDOM"}, nullptr, kLocalUsers},
      {"server", {"\\\\WKS1"}, nullptr, kLocalUsers},
      {"controller", {"LABDOM"}, nullptr, kDomainUsers},
      {"refuses503", {"\\\\WKS1"}, kNotAdministrator, kLocalUsers},
      {"nodomain", {"\\\\WKS1"}, nullptr, kLocalUsers},
  };
  StartConsole();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.scenario);
    Scenario(c.scenario);
    // The page asks while it is being created, before the sheet shows.
    if (c.message) ExpectMessage(c.message);
    ScriptSheet([&](HWND sheet) {
      HWND page = CurrentPage(sheet);
      EXPECT_EQ(Entries(page), c.entries);
      EXPECT_EQ(SendDlgItemMessageA(page, IDC_DOMAIN, CB_GETCURSEL, 0, 0), 0);
      EXPECT_EQ(Items(page, IDC_ACCOUNT_LIST), c.accounts);
      ModalScript::Press(sheet, IDCANCEL);
    });
    OpenSheet();
  }
}

TEST_F(DomainTest, EachEntryListsItsOwnAccountsAndGroups) {
  Scenario("workstation");
  WriteFile(passwd_, "alice::500::::\r\n");
  StartConsole();
  RunSheet([](HWND sheet) {
    HWND users = CurrentPage(sheet);
    ChooseEntry(users, "LABDOM");
    EXPECT_EQ(Items(users, IDC_ACCOUNT_LIST), kDomainUsers);
    ChooseEntry(users, "\\\\WKS1");
    EXPECT_EQ(Items(users, IDC_ACCOUNT_LIST), kLocalUsers);
    EXPECT_EQ(Items(users, IDC_MAPPING_LIST), std::vector<std::string>{"alice::500::::"});

    ChoosePage(sheet, 1);
    HWND groups = CurrentPage(sheet);
    EXPECT_EQ(Items(groups, IDC_ACCOUNT_LIST), (std::vector<std::string>{"Administrators", "Guests", "Users"}));
    ChooseEntry(groups, "LABDOM");
    EXPECT_EQ(Items(groups, IDC_ACCOUNT_LIST), (std::vector<std::string>{"Domain Admins", "Domain Users"}));

    // A domain whose controller cannot be found any more: the list is emptied.
    SetEnvironmentVariableA("NETAPI_DOUBLE", "nodomain");
    ChooseEntry(groups, "LABDOM");
    EXPECT_TRUE(Items(groups, IDC_ACCOUNT_LIST).empty());
    ModalScript::Press(sheet, IDCANCEL);
  });
}

TEST_F(DomainTest, ALargeDomainShowsItsFirstBatchOnly) {
  Scenario("bigdomain");
  StartConsole();
  RunSheet([](HWND sheet) {
    HWND page = CurrentPage(sheet);
    ChooseEntry(page, "LABDOM");
    // Each entry takes a pointer and six wide characters with their NUL: 186
    // of them fit into 4096 bytes.
    std::vector<std::string> firstBatch;
    for (int i = 0; i < 186; ++i) firstBatch.push_back("dom" + std::to_string(1000 + i).substr(1));
    EXPECT_EQ(Items(page, IDC_ACCOUNT_LIST), firstBatch);
    EXPECT_EQ(Calls().back(), "NetUserEnum \\\\PDC1 level=0 pref=4096 resume=null filter=2");
    ModalScript::Press(sheet, IDCANCEL);
  });
}

TEST_F(DomainTest, NamesTheFileCannotCarryAreListedButNotMapped) {
  ASSERT_EQ(GetACP(), 1252u) << "run with LC_ALL=C";
  Scenario("foreign");
  StartConsole();
  RunSheet(
      [](HWND sheet) {
        HWND page = CurrentPage(sheet);
        EXPECT_EQ(Sorted(Items(page, IDC_ACCOUNT_LIST)), Sorted({"??", "?ukasz", "J\xfcrgen", "a:b", "alice"}));
        AddMapping(page, "J\xfcrgen", "1");
        AddMapping(page, "?ukasz", "2");
        AddMapping(page, "??", "3");
        AddMapping(page, "a:b", "4");
        EXPECT_EQ(Items(page, IDC_MAPPING_LIST), std::vector<std::string>{"J\xfcrgen::1::::"});
        ModalScript::Press(sheet, IDOK);
      },
      {kUnstorable, kUnstorable, kUnstorable});
  EXPECT_EQ(ReadFile(passwd_), "J\xfcrgen::1:::: \r\n");
}

TEST_F(DomainTest, GroupPageMapsALocalGroup) {
  Scenario("workstation");
  WriteFile(group_, "staff::20::::\r\n");
  StartConsole();
  RunSheet([](HWND sheet) {
    ChoosePage(sheet, 1);
    HWND page = CurrentPage(sheet);
    EXPECT_EQ(Items(page, IDC_MAPPING_LIST), std::vector<std::string>{"staff::20:"});
    AddMapping(page, "Administrators", "0");
    EXPECT_EQ(Items(page, IDC_MAPPING_LIST), (std::vector<std::string>{"Administrators::0:", "staff::20:"}));
    ModalScript::Press(sheet, IDOK);
  });
  EXPECT_EQ(ReadFile(group_), "staff::20:::: \r\nAdministrators::0:::: \r\n");
}

}  // namespace
