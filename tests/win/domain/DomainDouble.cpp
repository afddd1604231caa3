// A replacement netapi32.dll for the tests: the machine and its Windows NT
// domain as a domain controller would describe them, which cannot exist here.
// The test names its scenario in the environment variable NETAPI_DOUBLE before
// the console asks:
//
//   workstation  WKS1, member of LABDOM whose controller is \\PDC1
//   server       WKS1 as a server that is not a controller, in LABDOM
//   controller   PDC1 itself, the primary domain controller of LABDOM
//   refuses503   a workstation whose controller refuses level 503
//   nodomain     a workstation in no domain
//   bigdomain    a workstation whose domain has 400 users
//   foreign      a workstation with local users outside the ANSI code page
#include <windows.h>
#include <lm.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr DWORD kWorkstation = SV_TYPE_WORKSTATION | SV_TYPE_SERVER | SV_TYPE_NT;
constexpr wchar_t kController[] = L"\\\\PDC1";

std::wstring Scenario() {
  wchar_t value[64] = L"";
  GetEnvironmentVariableW(L"NETAPI_DOUBLE", value, 64);
  return value;
}

bool IsController() { return Scenario() == L"controller"; }

enum class Place { kMachine, kController, kUnknown };

Place PlaceOf(LPCWSTR server) {
  const std::wstring name = server ? server : L"";
  if (name.empty() || (name == L"\\\\WKS1" && !IsController())) return Place::kMachine;
  if (Scenario() != L"nodomain" && name == kController) return Place::kController;
  return Place::kUnknown;
}

LPBYTE Allocate(size_t bytes) {
  return static_cast<LPBYTE>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, bytes + 1));
}

// One buffer as the real calls return it: the fixed part (level-0 entries are a
// single pointer each) followed by the names they point at. As many names as fit
// into prefmaxlen bytes; the rest is left for a resumed call, which the status
// ERROR_MORE_DATA announces.
NET_API_STATUS ReturnNames(const std::vector<std::wstring>& names, DWORD prefmaxlen, LPBYTE* bufptr,
                           LPDWORD entriesread, size_t fixed = sizeof(LPWSTR)) {
  size_t count = 0, bytes = 0;
  for (; count < names.size(); ++count) {
    const size_t more = fixed + (names[count].size() + 1) * sizeof(wchar_t);
    if (prefmaxlen != MAX_PREFERRED_LENGTH && bytes + more > prefmaxlen) break;
    bytes += more;
  }
  LPBYTE buffer = *bufptr = Allocate(bytes);
  auto* text = reinterpret_cast<wchar_t*>(buffer + count * fixed);
  for (size_t i = 0; i < count; ++i) {
    *reinterpret_cast<LPWSTR*>(buffer + i * fixed) = text;
    std::memcpy(text, names[i].c_str(), (names[i].size() + 1) * sizeof(wchar_t));
    text += names[i].size() + 1;
  }
  if (entriesread) *entriesread = static_cast<DWORD>(count);
  return count < names.size() ? ERROR_MORE_DATA : NERR_Success;
}

}  // namespace

extern "C" {

NET_API_STATUS WINAPI NetApiBufferAllocate(DWORD ByteCount, LPVOID* Buffer) {
  *Buffer = Allocate(ByteCount);
  return NERR_Success;
}

NET_API_STATUS WINAPI NetApiBufferFree(LPVOID Buffer) {
  if (Buffer) HeapFree(GetProcessHeap(), 0, Buffer);
  return NERR_Success;
}

NET_API_STATUS WINAPI NetServerGetInfo(LMSTR servername, DWORD level, LPBYTE* bufptr) {
  *bufptr = nullptr;
  const Place place = PlaceOf(servername);
  if (place == Place::kUnknown) return ERROR_BAD_NETPATH;
  if (level == 101) {
    const bool controller = place == Place::kController || IsController();
    ReturnNames({controller ? L"PDC1" : L"WKS1"}, MAX_PREFERRED_LENGTH, bufptr, nullptr,
                sizeof(SERVER_INFO_101));
    auto* info = reinterpret_cast<SERVER_INFO_101*>(*bufptr);
    info->sv101_name = *reinterpret_cast<LPWSTR*>(*bufptr);  // where ReturnNames put it
    info->sv101_platform_id = PLATFORM_ID_NT;
    info->sv101_version_major = 4;
    info->sv101_type = controller                ? kWorkstation | SV_TYPE_DOMAIN_CTRL
                       : Scenario() == L"server" ? kWorkstation | SV_TYPE_SERVER_NT
                                                 : kWorkstation;
    return NERR_Success;
  }
  if (level != 503) return ERROR_INVALID_LEVEL;
  if (place != Place::kController || Scenario() == L"refuses503") return ERROR_ACCESS_DENIED;
  ReturnNames({L"LABDOM"}, MAX_PREFERRED_LENGTH, bufptr, nullptr, sizeof(SERVER_INFO_503));
  auto* info = reinterpret_cast<SERVER_INFO_503*>(*bufptr);
  info->sv503_domain = *reinterpret_cast<LPWSTR*>(*bufptr);
  return NERR_Success;
}

NET_API_STATUS WINAPI NetGetDCName(LPCWSTR, LPCWSTR domainname, LPBYTE* bufptr) {
  *bufptr = nullptr;
  if (Scenario() == L"nodomain" || (domainname && std::wstring(domainname) != L"LABDOM"))
    return NERR_DCNotFound;
  *bufptr = Allocate(sizeof kController);
  std::memcpy(*bufptr, kController, sizeof kController);
  return NERR_Success;
}

NET_API_STATUS WINAPI NetUserEnum(LPCWSTR servername, DWORD level, DWORD filter, LPBYTE* bufptr,
                                  DWORD prefmaxlen, LPDWORD entriesread, LPDWORD totalentries, LPDWORD) {
  *bufptr = nullptr;
  *entriesread = *totalentries = 0;
  const Place place = PlaceOf(servername);
  if (place == Place::kUnknown || level != 0 || filter != FILTER_NORMAL_ACCOUNT)
    return ERROR_INVALID_PARAMETER;
  std::vector<std::wstring> users = {L"Administrator", L"alice", L"bob", L"carol"};
  if (Scenario() == L"foreign") users = {L"alice", L"J\u00fcrgen", L"\u0141ukasz", L"\u65e5\u672c", L"a:b"};
  if (place == Place::kController) users = {L"dave", L"erin"};
  if (place == Place::kController && Scenario() == L"bigdomain") {
    users.clear();
    for (int i = 0; i < 400; ++i) users.push_back(L"dom" + std::to_wstring(1000 + i).substr(1));
  }
  return ReturnNames(users, prefmaxlen, bufptr, entriesread);
}

NET_API_STATUS WINAPI NetGroupEnum(LPCWSTR servername, DWORD, LPBYTE* bufptr, DWORD prefmaxlen,
                                   LPDWORD entriesread, LPDWORD totalentries, PDWORD_PTR) {
  *bufptr = nullptr;
  *entriesread = *totalentries = 0;
  if (PlaceOf(servername) != Place::kController) return ERROR_ACCESS_DENIED;
  return ReturnNames({L"Domain Admins", L"Domain Users"}, prefmaxlen, bufptr, entriesread);
}

NET_API_STATUS WINAPI NetLocalGroupEnum(LPCWSTR servername, DWORD, LPBYTE* bufptr, DWORD prefmaxlen,
                                        LPDWORD entriesread, LPDWORD totalentries, PDWORD_PTR) {
  *bufptr = nullptr;
  *entriesread = *totalentries = 0;
  if (PlaceOf(servername) == Place::kUnknown) return ERROR_BAD_NETPATH;
  return ReturnNames({L"Administrators", L"Guests", L"Users"}, prefmaxlen, bufptr, entriesread);
}

}  // extern "C"
