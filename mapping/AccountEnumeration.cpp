#include "mapping/AccountEnumeration.h"

#include <lm.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "framework/AnsiText.h"
#include "framework/Messages.h"
#include "resources/resource.h"

namespace {

struct NetBufferFree {
  void operator()(BYTE* buffer) const noexcept { NetApiBufferFree(buffer); }
};
using NetBuffer = std::unique_ptr<BYTE, NetBufferFree>;

// Narrow names live in 256-byte buffers, NUL included; the computer name of the
// machine entry shares its buffer with the two backslashes before it.
constexpr size_t kNameBytes = 256;
constexpr size_t kComputerNameBytes = 254;
constexpr int kEntryChars = 256;

// One enumeration call of this preferred size per fill, with no resume: a large
// domain shows its first batch only, which keeps the page's wait short and the
// list small.
constexpr DWORD kPreferredBytes = 4096;

// Every level-0 entry is a single pointer to a wide name.
static_assert(sizeof(USER_INFO_0) == sizeof(LPWSTR) && sizeof(GROUP_INFO_0) == sizeof(LPWSTR) &&
              sizeof(LOCALGROUP_INFO_0) == sizeof(LPWSTR));

struct NarrowName {
  std::string text;
  bool storable;
};

// The name in the ANSI code page, cut to maxBytes with its NUL at a character
// boundary. A name the code page cannot carry exactly is listed with '?' for
// what it lacks, but not storable: it would be written as another name; a cut
// one neither. Whether the mapping file can hold a name is the Add's test.
NarrowName Narrow(const wchar_t* wide, size_t maxBytes) {
  const std::optional<std::string> exact = ExactAnsi(wide);
  std::string text;
  if (exact) {
    text = *exact;
  } else if (const int needed = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, nullptr, 0, nullptr,
                                                     nullptr);
             needed > 0) {
    text.assign(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, text.data(), needed, nullptr, nullptr);
    text.resize(std::strlen(text.c_str()));
  }
  size_t end = 0;
  while (end < text.size()) {
    const size_t step = IsDBCSLeadByte(static_cast<BYTE>(text[end])) ? 2 : 1;
    if (end + step > maxBytes - 1) break;
    end += step;
  }
  const bool cut = end < text.size();
  text.resize(end);
  return {text, exact && !cut};
}

void AddEntry(HWND combo, const std::string& text) {
  SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// The primary domain as its controller names it; a controller that refuses to
// say (level 503 needs administrator rights there) is reported.
void AddPrimaryDomain(HWND combo) {
  LPBYTE raw = nullptr;
  NetGetDCName(nullptr, nullptr, &raw);
  const NetBuffer controller(raw);
  if (!controller) return;
  raw = nullptr;
  NetServerGetInfo(reinterpret_cast<LPWSTR>(controller.get()), 503, &raw);
  const NetBuffer info(raw);
  if (!info) {
    AfxMessageBox(IDS_NOT_ADMINISTRATOR);
    return;
  }
  AddEntry(combo, Narrow(reinterpret_cast<const SERVER_INFO_503*>(info.get())->sv503_domain, kNameBytes).text);
}

std::string SelectedEntry(HWND combo) {
  const LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  char text[kNameBytes] = "";
  if (index != CB_ERR && SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0) < LRESULT{kNameBytes})
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return text;
}

struct Accounts {
  NetBuffer buffer;
  DWORD count = 0;
};

// Users of either place; the global groups of a domain controller, or the local
// groups of the machine.
Accounts Enumerate(AccountKind kind, bool domain, LPCWSTR server) {
  LPBYTE raw = nullptr;
  DWORD read = 0, total = 0;
  if (kind == AccountKind::kUsers)
    NetUserEnum(server, 0, FILTER_NORMAL_ACCOUNT, &raw, kPreferredBytes, &read, &total, nullptr);
  else if (domain)
    NetGroupEnum(server, 0, &raw, kPreferredBytes, &read, &total, nullptr);
  else
    NetLocalGroupEnum(server, 0, &raw, kPreferredBytes, &read, &total, nullptr);
  return {NetBuffer(raw), raw ? read : 0};
}

}  // namespace

void FillDomainCombo(CWnd& page) {
  LPBYTE raw = nullptr;
  NetServerGetInfo(nullptr, 101, &raw);
  const NetBuffer info(raw);
  HWND combo = page.GetDlgItem(IDC_DOMAIN);
  if (!combo) {
    AfxMessageBox(IDS_DIALOG_INIT_FAILED);
    return;
  }
  if (info) {
    const auto& server = *reinterpret_cast<const SERVER_INFO_101*>(info.get());
    if (!(server.sv101_type & SV_TYPE_DOMAIN_CTRL))
      AddEntry(combo, "\\\\" + Narrow(server.sv101_name, kComputerNameBytes).text);
    if (!(server.sv101_type & SV_TYPE_SERVER_NT)) AddPrimaryDomain(combo);
  }
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
}

void FillAccountList(CWnd& page, AccountKind kind) {
  HWND combo = page.GetDlgItem(IDC_DOMAIN);
  if (!combo) return;
  const std::string entry = SelectedEntry(combo);
  wchar_t wide[kEntryChars] = L"";
  if (!MultiByteToWideChar(CP_ACP, 0, entry.c_str(), -1, wide, kEntryChars)) wide[0] = L'\0';

  // With no entry, or no controller for the domain, there is no place to ask.
  Accounts accounts;
  NetBuffer controller;
  if (!entry.empty() && entry[0] != '\\') {
    LPBYTE raw = nullptr;
    NetGetDCName(nullptr, wide, &raw);
    controller.reset(raw);
    if (controller) accounts = Enumerate(kind, true, reinterpret_cast<LPCWSTR>(controller.get()));
  } else if (!entry.empty()) {
    accounts = Enumerate(kind, false, wide);
  }

  HWND list = page.GetDlgItem(IDC_ACCOUNT_LIST);
  if (!list) return;
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  const auto* names = reinterpret_cast<const LPWSTR*>(accounts.buffer.get());
  for (DWORD i = 0; i < accounts.count; ++i) {
    const NarrowName name = Narrow(names[i], kNameBytes);
    const LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.text.c_str()));
    if (index >= 0 && !name.storable) SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), kUnstorableAccount);
  }
}
