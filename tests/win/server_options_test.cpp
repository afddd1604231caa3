// "Server Options" opened by command 105 against the registry of the test prefix:
// what the dialog shows for what is stored, and what OK and Cancel leave there.
#include "resources/resource.h"
#include "status/SharedWithService.h"
#include "tests/win/ConsoleFixture.h"

namespace {

using namespace std::literals;
using Strings = std::vector<std::string>;
using Stored = std::vector<std::optional<RegistryValue>>;

constexpr const char* kValueNames[] = {kSupportNfs3Value, kSupportPcnfsdValue, kSupportNlmValue,
                                       kMaximumReadValue, kMaximumWriteValue};
const Strings kDefaults = {"checked", "checked", "checked", "default", "default"};

RegistryValue Dword(uint32_t value) { return {REG_DWORD, std::string(reinterpret_cast<const char*>(&value), 4)}; }

Stored StoredValues() {
  Stored values;
  for (const char* name : kValueNames) values.push_back(QueryRegistryValue(kServiceKey, name));
  return values;
}

// What the dialog shows: "checked" or "cleared" for each box, then the two sizes.
Strings Shown(HWND dialog) {
  Strings shown;
  for (int id : {IDC_SUPPORT_NFS3, IDC_ENABLE_PCNFSD, IDC_ENABLE_NLM}) shown.push_back(Checked(dialog, id) ? "checked" : "cleared");
  for (int id : {IDC_MAX_READ, IDC_MAX_WRITE}) shown.push_back(Text(dialog, id));
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
    Expect([this, act](HWND dialog) {
      EXPECT_EQ(GetWindow(dialog, GW_OWNER), Frame().m_hWnd);
      act(dialog);
    }, button);
    Command(ID_SERVER_OPTIONS);
  }
};

TEST_F(ServerOptionsTest, ShowsWhatIsStoredAndWritesAllFiveBackOnOk) {
  const struct {
    std::vector<std::pair<const char*, RegistryValue>> stored;
    Strings shown;
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
      // Another type or size counts as missing.
      {{{kSupportNfs3Value, {REG_SZ, "0"}},
        {kSupportPcnfsdValue, {REG_BINARY, "\0\0\0\0"s}},
        {kSupportNlmValue, {REG_QWORD, std::string(8, '\0')}},
        {kMaximumReadValue, {REG_DWORD, "\x08\0"s}}},
       kDefaults,
       {1, 1, 1, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown[3] + " " + c.shown[4]);
    DeleteRegistryKey(kServiceKey);
    SetRegistryValue(kServiceKey, "other", "x");
    for (const auto& [name, value] : c.stored) SetRegistryValue(kServiceKey, name, value.bytes, value.type);
    WithDialog(IDOK, [&](HWND dialog) { EXPECT_EQ(Shown(dialog), c.shown); });
    Stored written;
    for (uint32_t value : c.written) written.push_back(Dword(value));
    EXPECT_EQ(StoredValues(), written);
  }
  // The items stand for their sizes.
  WithDialog(IDOK, [](HWND dialog) {
    SendDlgItemMessageA(dialog, IDC_MAX_READ, CB_SETCURSEL, 29, 0);
    SendDlgItemMessageA(dialog, IDC_MAX_WRITE, CB_SETCURSEL, 11, 0);
  });
  EXPECT_EQ(QueryRegistryValue(kServiceKey, kMaximumReadValue), Dword(64));
  EXPECT_EQ(QueryRegistryValue(kServiceKey, kMaximumWriteValue), Dword(12));
}

TEST_F(ServerOptionsTest, WithoutTheKeyOkWritesNothingAndCancelNeverWrites) {
  WithDialog(IDOK, [](HWND dialog) {
    EXPECT_EQ(Shown(dialog), kDefaults);
    SendDlgItemMessageA(dialog, IDC_MAX_READ, CB_SETCURSEL, 8, 0);
  });
  EXPECT_EQ(StoredValues(), Stored(5));
  SetRegistryValue(kServiceKey, kMaximumReadValue, Dword(100).bytes, REG_DWORD);
  const Stored before = StoredValues();
  WithDialog(IDCANCEL, [](HWND dialog) {
    // A click only toggles its box.
    for (int id : {IDC_SUPPORT_NFS3, IDC_ENABLE_PCNFSD, IDC_ENABLE_NLM, IDC_SUPPORT_NFS3}) Click(dialog, id);
    EXPECT_EQ(Shown(dialog), (Strings{"checked", "cleared", "cleared", "64", "default"}));
    SendDlgItemMessageA(dialog, IDC_MAX_READ, CB_SETCURSEL, 3, 0);
  });
  EXPECT_EQ(StoredValues(), before);
}

}  // namespace
