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
//   manyusers    a workstation with 10,000 local users
//   foreign      a workstation with local users outside the ANSI code page
#include <windows.h>
#include <lm.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::wstring>;

std::wstring Scenario() {
  wchar_t value[64] = L"";
  GetEnvironmentVariableW(L"NETAPI_DOUBLE", value, 64);
  return value;
}

// Where a call is directed: the machine itself, the domain's controller, or
// nowhere known.
enum class Place { kMachine, kController, kUnknown };

Place PlaceOf(LPCWSTR server) {
  const std::wstring name = server ? server : L"";
  if (name.empty() || (name == L"\\\\WKS1" && Scenario() != L"controller")) return Place::kMachine;
  return Scenario() != L"nodomain" && name == L"\\\\PDC1" ? Place::kController : Place::kUnknown;
}

// One buffer as the real calls return it: fixed parts of the given size, each
// starting with a pointer to its name, followed by the names. As many as fit
// into prefmaxlen bytes; the rest is left for a resumed call, which the status
// ERROR_MORE_DATA announces.
NET_API_STATUS ReturnNames(const Names& names, DWORD prefmaxlen, LPBYTE* bufptr, LPDWORD entriesread,
                           size_t fixed = sizeof(LPWSTR)) {
  size_t count = 0, bytes = 0;
  for (; count < names.size(); ++count) {
    const size_t more = fixed + (names[count].size() + 1) * sizeof(wchar_t);
    if (prefmaxlen != MAX_PREFERRED_LENGTH && bytes + more > prefmaxlen) break;
    bytes += more;
  }
  LPBYTE buffer = *bufptr = static_cast<LPBYTE>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, bytes + 1));
  auto* text = reinterpret_cast<wchar_t*>(buffer + count * fixed);
  for (size_t i = 0; i < count; ++i) {
    *reinterpret_cast<LPWSTR*>(buffer + i * fixed) = text;
    text = std::wcscpy(text, names[i].c_str()) + names[i].size() + 1;
  }
  if (entriesread) *entriesread = static_cast<DWORD>(count);
  return count < names.size() ? ERROR_MORE_DATA : NERR_Success;
}

// The accounts of one kind at the place a call is directed to.
NET_API_STATUS Enumerate(LPCWSTR server, const Names& machine, const Names& controller, LPBYTE* bufptr,
                         DWORD prefmaxlen, LPDWORD entriesread, LPDWORD totalentries) {
  *bufptr = nullptr;
  *entriesread = *totalentries = 0;
  const Place place = PlaceOf(server);
  if (place == Place::kUnknown || (place == Place::kMachine && machine.empty())) return ERROR_ACCESS_DENIED;
  return ReturnNames(place == Place::kMachine ? machine : controller, prefmaxlen, bufptr, entriesread);
}

}  // namespace

extern "C" {

NET_API_STATUS WINAPI NetApiBufferFree(LPVOID Buffer) {
  if (Buffer) HeapFree(GetProcessHeap(), 0, Buffer);
  return NERR_Success;
}

NET_API_STATUS WINAPI NetServerGetInfo(LMSTR servername, DWORD level, LPBYTE* bufptr) {
  *bufptr = nullptr;
  const Place place = PlaceOf(servername);
  const bool controller = place == Place::kController || Scenario() == L"controller";
  if (place == Place::kUnknown || (level == 503 && (!controller || Scenario() == L"refuses503")))
    return ERROR_ACCESS_DENIED;
  if (level == 503) {
    ReturnNames({L"LABDOM"}, MAX_PREFERRED_LENGTH, bufptr, nullptr, sizeof(SERVER_INFO_503));
    reinterpret_cast<SERVER_INFO_503*>(*bufptr)->sv503_domain = *reinterpret_cast<LPWSTR*>(*bufptr);
    return NERR_Success;
  }
  // Level 101: the name is the second field, after the platform.
  ReturnNames({controller ? L"PDC1" : L"WKS1"}, MAX_PREFERRED_LENGTH, bufptr, nullptr,
              sizeof(SERVER_INFO_101));
  auto* info = reinterpret_cast<SERVER_INFO_101*>(*bufptr);
  info->sv101_name = *reinterpret_cast<LPWSTR*>(*bufptr);
  info->sv101_platform_id = PLATFORM_ID_NT;
  info->sv101_type = SV_TYPE_WORKSTATION | SV_TYPE_SERVER | SV_TYPE_NT |
                     (controller                ? SV_TYPE_DOMAIN_CTRL
                      : Scenario() == L"server" ? SV_TYPE_SERVER_NT
                                                : 0);
  return NERR_Success;
}

NET_API_STATUS WINAPI NetGetDCName(LPCWSTR, LPCWSTR domainname, LPBYTE* bufptr) {
  *bufptr = nullptr;
  if (Scenario() == L"nodomain" || (domainname && std::wstring(domainname) != L"LABDOM"))
    return NERR_DCNotFound;
  *bufptr = static_cast<LPBYTE>(HeapAlloc(GetProcessHeap(), 0, sizeof L"\\\\PDC1"));
  std::wcscpy(reinterpret_cast<LPWSTR>(*bufptr), L"\\\\PDC1");
  return NERR_Success;
}

NET_API_STATUS WINAPI NetUserEnum(LPCWSTR servername, DWORD level, DWORD filter, LPBYTE* bufptr,
                                  DWORD prefmaxlen, LPDWORD entriesread, LPDWORD totalentries, LPDWORD) {
  Names local = {L"Administrator", L"alice", L"bob", L"carol"}, domain = {L"dave", L"erin"};
  if (Scenario() == L"foreign") local = {L"alice", L"J\u00fcrgen", L"\u0141ukasz", L"\u65e5\u672c", L"a:b"};
  if (Scenario() == L"bigdomain") domain.clear();
  for (int i = 0; Scenario() == L"bigdomain" && i < 400; ++i)
    domain.push_back(L"dom" + std::to_wstring(1000 + i).substr(1));
  if (Scenario() == L"manyusers")
    for (int i = 0; i < 10000; ++i) local.push_back(L"user" + std::to_wstring(i));
  if (level != 0 || filter != FILTER_NORMAL_ACCOUNT) return ERROR_INVALID_PARAMETER;
  return Enumerate(servername, local, domain, bufptr, prefmaxlen, entriesread, totalentries);
}

// Global groups exist on a controller only; local groups on the machine.
NET_API_STATUS WINAPI NetGroupEnum(LPCWSTR servername, DWORD, LPBYTE* bufptr, DWORD prefmaxlen,
                                   LPDWORD entriesread, LPDWORD totalentries, PDWORD_PTR) {
  return Enumerate(servername, {}, {L"Domain Admins", L"Domain Users"}, bufptr, prefmaxlen, entriesread,
                   totalentries);
}

NET_API_STATUS WINAPI NetLocalGroupEnum(LPCWSTR servername, DWORD, LPBYTE* bufptr, DWORD prefmaxlen,
                                        LPDWORD entriesread, LPDWORD totalentries, PDWORD_PTR) {
  const Names groups = {L"Administrators", L"Guests", L"Users"};
  return Enumerate(servername, groups, groups, bufptr, prefmaxlen, entriesread, totalentries);
}

}  // extern "C"
