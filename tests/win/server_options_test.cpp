// "Server Options" opened by command 105 against the registry of the test prefix:
// what the dialog shows for what is stored, and what OK and Cancel leave there.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "status/SharedWithService.h"
#include "tests/win/ConsoleFixture.h"

namespace {

using namespace std::literals;

const std::vector<std::string> kItems = {"default", "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",
                                         "10",      "12", "14", "16", "18", "20", "22", "24", "26", "28",
                                         "30",      "32", "36", "40", "44", "48", "52", "56", "60", "64"};

constexpr const char* kValueNames[] = {kSupportNfs3Value, kSupportPcnfsdValue, kSupportNlmValue,
                                       kMaximumReadValue, kMaximumWriteValue};
constexpr int kChecks[] = {IDC_SUPPORT_NFS3, IDC_ENABLE_PCNFSD, IDC_ENABLE_NLM};

RegistryValue Dword(uint32_t value) {
  std::string bytes(4, '\0');
  for (size_t i = 0; i < 4; ++i) bytes[i] = static_cast<char>(value >> (8 * i));
  return {REG_DWORD, bytes};
}

// What the dialog shows: the three boxes, then the read and write sizes.
struct Shown {
  std::array<bool, 3> checks;
  std::string read, write;
  bool operator==(const Shown&) const = default;
};

std::string Selected(HWND dialog, int id) {
  HWND combo = GetDlgItem(dialog, id);
  const LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return "(none)";
  std::string text(static_cast<size_t>(SendMessageA(combo, CB_GETLBTEXTLEN, index, 0)), '\0');
  SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  return text;
}

Shown ShownIn(HWND dialog) {
  Shown shown{};
  for (size_t i = 0; i < 3; ++i) shown.checks[i] = IsDlgButtonChecked(dialog, kChecks[i]) == BST_CHECKED;
  shown.read = Selected(dialog, IDC_MAX_READ);
  shown.write = Selected(dialog, IDC_MAX_WRITE);
  return shown;
}

void Choose(HWND dialog, int id, size_t item) { SendDlgItemMessageA(dialog, id, CB_SETCURSEL, item, 0); }

class ServerOptionsTest : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    DeleteRegistryKey(kServiceKey);
  }

  // Opens the dialog with command 105, runs act on it, then presses button.
  void WithDialog(std::function<void(HWND dialog)> act, int button) {
    script_.Then([this, act, button](HWND dialog) {
      EXPECT_EQ(CWnd::GetWindowText(dialog), "Server Options");
      EXPECT_EQ(GetWindow(dialog, GW_OWNER), Frame().m_hWnd);
      act(dialog);
      ModalScript::Press(dialog, button);
    });
    Command(ID_SERVER_OPTIONS);
    EXPECT_EQ(script_.PendingSteps(), 0u);
  }
  Shown Open() {
    Shown shown{};
    WithDialog([&](HWND dialog) { shown = ShownIn(dialog); }, IDCANCEL);
    return shown;
  }
  static std::vector<std::optional<RegistryValue>> Stored() {
    std::vector<std::optional<RegistryValue>> values;
    for (const char* name : kValueNames) values.push_back(QueryRegistryValue(kServiceKey, name));
    return values;
  }
  static std::vector<std::optional<RegistryValue>> Dwords(const std::vector<uint32_t>& values) {
    std::vector<std::optional<RegistryValue>> dwords;
    for (uint32_t value : values) dwords.push_back(Dword(value));
    return dwords;
  }
};

TEST_F(ServerOptionsTest, ShowsWhatIsStoredAndWritesAllFiveBackOnOk) {
  const struct {
    const char* what;
    std::vector<std::pair<const char*, RegistryValue>> stored;
    Shown shown;
    std::vector<uint32_t> written;  // the five values, in dialog order
  } cases[] = {
      {"an empty key", {}, {{true, true, true}, "default", "default"}, {1, 1, 1, 0, 0}},
      {"sizes out of range or not offered",
       {{kSupportNfs3Value, Dword(0)}, {kSupportNlmValue, Dword(7)}, {kMaximumReadValue, Dword(100)},
        {kMaximumWriteValue, Dword(34)}},
       {{false, true, true}, "64", "default"},
       {0, 1, 1, 64, 0}},
      {"negative and offered sizes",
       {{kSupportPcnfsdValue, Dword(0)}, {kMaximumReadValue, Dword(static_cast<uint32_t>(-5))},
        {kMaximumWriteValue, Dword(8)}},
       {{true, false, true}, "default", "8"},
       {1, 0, 1, 0, 8}},
      {"sizes the list does not offer",
       {{kMaximumReadValue, Dword(11)}, {kMaximumWriteValue, Dword(50)}},
       {{true, true, true}, "default", "default"},
       {1, 1, 1, 0, 0}},
      {"values of other types or sizes count as missing",
       {{kSupportNfs3Value, {REG_SZ, "0\0"s}},
        {kSupportPcnfsdValue, {REG_BINARY, "\0\0\0\0"s}},
        {kSupportNlmValue, {REG_QWORD, std::string(8, '\0')}},
        {kMaximumReadValue, {REG_DWORD, "\x08\0"s}},
        {kMaximumWriteValue, {REG_BINARY, "\x08\0\0\0"s}}},
       {{true, true, true}, "default", "default"},
       {1, 1, 1, 0, 0}},
  };
  StartConsole();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DeleteRegistryKey(kServiceKey);
    SetRegistryValue(kServiceKey, "unrelated", REG_SZ, "x"s);
    for (const auto& [name, value] : c.stored) SetRegistryValue(kServiceKey, name, value.type, value.bytes);
    WithDialog([&](HWND dialog) { EXPECT_EQ(ShownIn(dialog), c.shown); }, IDOK);
    EXPECT_EQ(Stored(), Dwords(c.written));
  }
}

TEST_F(ServerOptionsTest, WithoutTheKeyShowsDefaultsAndOkWritesNothing) {
  StartConsole();
  WithDialog(
      [](HWND dialog) {
        EXPECT_EQ(ShownIn(dialog), (Shown{{true, true, true}, "default", "default"}));
        Choose(dialog, IDC_MAX_READ, 8);
      },
      IDOK);
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kServiceKey, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
}

TEST_F(ServerOptionsTest, CancelWritesNothing) {
  SetRegistryValue(kServiceKey, kSupportNfs3Value, REG_DWORD, Dword(1).bytes);
  SetRegistryValue(kServiceKey, kMaximumReadValue, REG_DWORD, Dword(100).bytes);
  SetRegistryValue(kServiceKey, kMaximumWriteValue, REG_SZ, "8\0"s);
  const auto before = Stored();
  StartConsole();
  WithDialog(
      [](HWND dialog) {
        // A click on a box only toggles it.
        for (int id : kChecks) SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
        SendDlgItemMessageA(dialog, IDC_SUPPORT_NFS3, BM_CLICK, 0, 0);
        EXPECT_EQ(ShownIn(dialog), (Shown{{true, false, false}, "64", "default"}));
        Choose(dialog, IDC_MAX_READ, 3);
        Choose(dialog, IDC_MAX_WRITE, 4);
      },
      IDCANCEL);
  EXPECT_EQ(Stored(), before);
}

TEST_F(ServerOptionsTest, EveryItemOfBothListsIsStoredAndShownAgain) {
  SetRegistryValue(kServiceKey, kSupportNfs3Value, REG_DWORD, Dword(1).bytes);
  StartConsole();
  WithDialog(
      [](HWND dialog) {
        for (int id : {IDC_MAX_READ, IDC_MAX_WRITE}) {
          std::vector<std::string> items;
          HWND combo = GetDlgItem(dialog, id);
          for (LRESULT i = 0; i < SendMessageA(combo, CB_GETCOUNT, 0, 0); ++i) {
            char text[16] = "";
            SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            items.push_back(text);
          }
          EXPECT_EQ(items, kItems) << id;
        }
      },
      IDCANCEL);

  for (size_t item = 0; item < kItems.size(); ++item) {
    const size_t other = kItems.size() - 1 - item;
    SCOPED_TRACE(kItems[item]);
    WithDialog(
        [&](HWND dialog) {
          Choose(dialog, IDC_MAX_READ, item);
          Choose(dialog, IDC_MAX_WRITE, other);
        },
        IDOK);
    auto number = [](const std::string& text) { return text == "default" ? 0u : std::stoul(text); };
    EXPECT_EQ(QueryRegistryValue(kServiceKey, kMaximumReadValue), Dword(number(kItems[item])));
    EXPECT_EQ(QueryRegistryValue(kServiceKey, kMaximumWriteValue), Dword(number(kItems[other])));
    EXPECT_EQ(Open(), (Shown{{true, true, true}, kItems[item], kItems[other]}));
  }
}

}  // namespace
