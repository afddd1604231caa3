// "Server Options" opened by command 105 against the registry of the test prefix:
// what the dialog shows for what is stored, and what OK and Cancel leave there.
#include <functional>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "status/SharedWithService.h"
#include "tests/win/ConsoleFixture.h"

namespace {

using namespace std::literals;
using Stored = std::vector<std::optional<RegistryValue>>;

constexpr const char* kValueNames[] = {kSupportNfs3Value, kSupportPcnfsdValue, kSupportNlmValue,
                                       kMaximumReadValue, kMaximumWriteValue};

RegistryValue Dword(uint32_t value) { return {REG_DWORD, std::string(reinterpret_cast<const char*>(&value), 4)}; }

Stored Dwords(const std::vector<uint32_t>& values) {
  Stored dwords;
  for (uint32_t value : values) dwords.push_back(Dword(value));
  return dwords;
}

Stored StoredValues() {
  Stored values;
  for (const char* name : kValueNames) values.push_back(QueryRegistryValue(kServiceKey, name));
  return values;
}

// What the dialog shows: "checked" or "cleared" for each box, then the two sizes.
std::vector<std::string> Shown(HWND dialog) {
  std::vector<std::string> shown;
  for (int id : {IDC_SUPPORT_NFS3, IDC_ENABLE_PCNFSD, IDC_ENABLE_NLM})
    shown.push_back(IsDlgButtonChecked(dialog, id) == BST_CHECKED ? "checked" : "cleared");
  for (int id : {IDC_MAX_READ, IDC_MAX_WRITE}) {
    char text[16] = "(none)";
    const LRESULT item = SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0);
    SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text));
    shown.push_back(text);
  }
  return shown;
}

class ServerOptionsTest : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    DeleteRegistryKey(kServiceKey);
    StartConsole();
  }
  // Opens the dialog with command 105, runs act on it, then presses button.
  void WithDialog(int button, std::function<void(HWND dialog)> act) {
    script_.Then([this, button, act](HWND dialog) {
      EXPECT_EQ(GetWindow(dialog, GW_OWNER), Frame().m_hWnd);
      act(dialog);
      ModalScript::Press(dialog, button);
    });
    Command(ID_SERVER_OPTIONS);
  }
};

const std::vector<std::string> kDefaults = {"checked", "checked", "checked", "default", "default"};

TEST_F(ServerOptionsTest, ShowsWhatIsStoredAndWritesAllFiveBackOnOk) {
  const struct {
    std::vector<std::pair<const char*, RegistryValue>> stored;
    std::vector<std::string> shown;
    std::vector<uint32_t> written;
  } cases[] = {
      {{}, kDefaults, {1, 1, 1, 0, 0}},
      {{{kSupportNfs3Value, Dword(0)}, {kSupportNlmValue, Dword(7)}, {kMaximumReadValue, Dword(100)},
        {kMaximumWriteValue, Dword(34)}},
       {"cleared", "checked", "checked", "64", "default"},
       {0, 1, 1, 64, 0}},
      {{{kSupportPcnfsdValue, Dword(0)}, {kMaximumReadValue, Dword(static_cast<uint32_t>(-5))},
        {kMaximumWriteValue, Dword(8)}},
       {"checked", "cleared", "checked", "default", "8"},
       {1, 0, 1, 0, 8}},
      {{{kMaximumReadValue, Dword(11)}, {kMaximumWriteValue, Dword(50)}}, kDefaults, {1, 1, 1, 0, 0}},
      // Another type or size counts as missing.
      {{{kSupportNfs3Value, {REG_SZ, "0\0"s}},
        {kSupportPcnfsdValue, {REG_BINARY, "\0\0\0\0"s}},
        {kSupportNlmValue, {REG_QWORD, std::string(8, '\0')}},
        {kMaximumReadValue, {REG_DWORD, "\x08\0"s}},
        {kMaximumWriteValue, {REG_BINARY, "\x08\0\0\0"s}}},
       kDefaults,
       {1, 1, 1, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown[3] + " " + c.shown[4]);
    DeleteRegistryKey(kServiceKey);
    SetRegistryValue(kServiceKey, "other", REG_SZ, "x"s);
    for (const auto& [name, value] : c.stored) SetRegistryValue(kServiceKey, name, value.type, value.bytes);
    WithDialog(IDOK, [&](HWND dialog) { EXPECT_EQ(Shown(dialog), c.shown); });
    EXPECT_EQ(StoredValues(), Dwords(c.written));
  }
}

TEST_F(ServerOptionsTest, WithoutTheKeyOkWritesNothingAndCancelNeverWrites) {
  WithDialog(IDOK, [](HWND dialog) {
    EXPECT_EQ(Shown(dialog), kDefaults);
    SendDlgItemMessageA(dialog, IDC_MAX_READ, CB_SETCURSEL, 8, 0);
  });
  EXPECT_EQ(StoredValues(), Stored(5));

  SetRegistryValue(kServiceKey, kMaximumReadValue, REG_DWORD, Dword(100).bytes);
  SetRegistryValue(kServiceKey, kMaximumWriteValue, REG_SZ, "8\0"s);
  const Stored before = StoredValues();
  WithDialog(IDCANCEL, [](HWND dialog) {
    // A click only toggles its box.
    for (int id : {IDC_SUPPORT_NFS3, IDC_ENABLE_PCNFSD, IDC_ENABLE_NLM, IDC_SUPPORT_NFS3})
      SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
    EXPECT_EQ(Shown(dialog), (std::vector<std::string>{"checked", "cleared", "cleared", "64", "default"}));
    SendDlgItemMessageA(dialog, IDC_MAX_READ, CB_SETCURSEL, 3, 0);
  });
  EXPECT_EQ(StoredValues(), before);
}

TEST_F(ServerOptionsTest, EveryItemOfBothListsIsStoredAndShownAgain) {
  const std::vector<std::string> items = {"default", "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",
                                          "10",      "12", "14", "16", "18", "20", "22", "24", "26", "28",
                                          "30",      "32", "36", "40", "44", "48", "52", "56", "60", "64"};
  SetRegistryValue(kServiceKey, "other", REG_SZ, "x"s);
  for (size_t read = 0; read < items.size(); ++read) {
    const size_t write = items.size() - 1 - read;
    WithDialog(IDOK, [&](HWND dialog) {
      SendDlgItemMessageA(dialog, IDC_MAX_READ, CB_SETCURSEL, read, 0);
      SendDlgItemMessageA(dialog, IDC_MAX_WRITE, CB_SETCURSEL, write, 0);
    });
    auto size = [&](size_t item) { return Dword(item ? std::stoul(items[item]) : 0); };
    EXPECT_EQ(QueryRegistryValue(kServiceKey, kMaximumReadValue), size(read));
    EXPECT_EQ(QueryRegistryValue(kServiceKey, kMaximumWriteValue), size(write));
    WithDialog(IDCANCEL, [&](HWND dialog) {
      EXPECT_EQ(Shown(dialog), (std::vector<std::string>{"checked", "checked", "checked", items[read], items[write]}));
    });
  }
}

}  // namespace
