// "Server Options" opened by command 105 against the registry of the test prefix:
// what the dialog shows for what is stored, and what OK and Cancel leave there.
#include "resources/resource.h"
#include "status/SharedWithService.h"
#include "tests/win/ConsoleFixture.h"

namespace {

using namespace std::literals;
using Strings = std::vector<std::string>;

RegistryValue Dword(uint32_t value) {
  return {REG_DWORD, std::string(reinterpret_cast<const char*>(&value), 4)};
}

TEST_F(ConsoleTest, ServerOptionsShowWhatIsStoredAndOkWritesAllFiveBack) {
  const char* const names[] = {kSupportNfs3Value, kSupportPcnfsdValue, kSupportNlmValue, kMaximumReadValue,
                               kMaximumWriteValue};
  const Strings defaults = {"1", "1", "1", "default", "default"};
  const struct {
    std::vector<RegistryValue> stored;  // in the order of names; none: no key at all
    Strings shown;                      // the three boxes (1 checked), then the two sizes
    std::vector<uint32_t> written;      // none: nothing written
  } cases[] = {
      {{}, defaults, {}},
      {{Dword(0), Dword(1), Dword(7), Dword(100), Dword(34)},
       {"0", "1", "1", "64", "default"},
       {0, 1, 1, 64, 0}},
      {{Dword(1), Dword(0), Dword(1), Dword(static_cast<uint32_t>(-5)), Dword(8)},
       {"1", "0", "1", "default", "8"},
       {1, 0, 1, 0, 8}},
      // Another type or size counts as missing.
      {{{REG_DWORD_BIG_ENDIAN, std::string(4, '\0')},
        {REG_BINARY, "\0\0\0\0"s},
        {REG_QWORD, std::string(8, '\0')},
        {REG_DWORD, "\x08\0"s},
        Dword(11)},
       defaults,
       {1, 1, 1, 0, 0}},
  };
  StartConsole();
  for (const auto& c : cases) {
    DeleteRegistryKey(kServiceKey);
    for (size_t i = 0; i < c.stored.size(); ++i)
      SetRegistryValue(kServiceKey, names[i], c.stored[i].bytes, c.stored[i].type);
    // Cancel never writes, whatever was changed; OK writes all five values.
    for (int button : {IDCANCEL, IDOK}) {
      Expect(button, [&](HWND dialog) {
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), Frame().m_hWnd);
        Strings shown;
        for (int id : {IDC_SUPPORT_NFS3, IDC_ENABLE_PCNFSD, IDC_ENABLE_NLM})
          shown.push_back(Checked(dialog, id) ? "1" : "0");
        for (int id : {IDC_MAX_READ, IDC_MAX_WRITE}) shown.push_back(Text(dialog, id));
        EXPECT_EQ(shown, c.shown);
        if (button == IDCANCEL) Click(dialog, IDC_ENABLE_NLM);
      });
      Command(ID_SERVER_OPTIONS);
      for (size_t i = 0; i < 5; ++i) {
        const auto expected = c.written.empty() || button == IDCANCEL
                                  ? (i < c.stored.size() ? std::optional(c.stored[i]) : std::nullopt)
                                  : std::optional(Dword(c.written[i]));
        EXPECT_EQ(QueryRegistryValue(kServiceKey, names[i]), expected) << names[i];
      }
    }
  }
}

}  // namespace
