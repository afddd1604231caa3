// A replacement netapi32.dll for the tests: the machine and its Windows NT
// domain as a domain controller would describe them, which cannot exist here.
// The test names its scenario in the environment variable NETAPI_DOUBLE before
// the console asks; every call is appended to NETAPI_DOUBLE_CALLS.
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

struct Machine {
  const wchar_t* name;
  DWORD type;
};

constexpr DWORD kWorkstation = SV_TYPE_WORKSTATION | SV_TYPE_SERVER | SV_TYPE_NT;
constexpr wchar_t kController[] = L"\\\\PDC1";
constexpr wchar_t kDomain[] = L"LABDOM";

std::wstring Variable(const wchar_t* name) {
  wchar_t value[32768] = L"";
  GetEnvironmentVariableW(name, value, 32768);
  return value;
}

std::wstring Scenario() { return Variable(L"NETAPI_DOUBLE"); }

void Log(const std::wstring& call) {
  SetEnvironmentVariableW(L"NETAPI_DOUBLE_CALLS", (Variable(L"NETAPI_DOUBLE_CALLS") + call + L"\n").c_str());
}

std::wstring Text(LPCWSTR text) { return text ? text : L"null"; }

Machine ThisMachine() {
  const std::wstring scenario = Scenario();
  if (scenario == L"controller") return {L"PDC1", kWorkstation | SV_TYPE_DOMAIN_CTRL};
  if (scenario == L"server") return {L"WKS1", kWorkstation | SV_TYPE_SERVER_NT};
  return {L"WKS1", kWorkstation};
}

bool HasDomain() { return Scenario() != L"nodomain"; }

enum class Place { kMachine, kController, kUnknown };

Place PlaceOf(LPCWSTR server) {
  if (!server || !*server) return Place::kMachine;
  const std::wstring name = server;
  if (HasDomain() && name == kController) return Place::kController;
  if (name == L"\\\\" + std::wstring(ThisMachine().name)) {
    return ThisMachine().type & SV_TYPE_DOMAIN_CTRL ? Place::kController : Place::kMachine;
  }
  return Place::kUnknown;
}

std::vector<std::wstring> DomainUsers() {
  if (Scenario() != L"bigdomain") return {L"dave", L"erin"};
  std::vector<std::wstring> users;
  for (int i = 0; i < 400; ++i) users.push_back(L"dom" + std::to_wstring(1000 + i).substr(1));
  return users;
}

std::vector<std::wstring> LocalUsers() {
  if (Scenario() == L"foreign") return {L"alice", L"J\u00fcrgen", L"\u0141ukasz", L"\u65e5\u672c", L"a:b"};
  return {L"Administrator", L"alice", L"bob", L"carol"};
}

// One buffer as the real calls return it: the array of level-0 entries (each a
// pointer) followed by the names they point at.
LPBYTE Allocate(DWORD bytes) {
  LPVOID buffer = nullptr;
  NetApiBufferAllocate(bytes, &buffer);
  return static_cast<LPBYTE>(buffer);
}

LPWSTR CopyString(const std::wstring& text) {
  auto* copy = reinterpret_cast<LPWSTR>(Allocate(static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))));
  std::memcpy(copy, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  return copy;
}

// A server information structure and the one name it points at, in one buffer.
template <class Info>
Info* AllocateInfo(LPWSTR Info::*field, const std::wstring& name) {
  const DWORD bytes = static_cast<DWORD>(sizeof(Info) + (name.size() + 1) * sizeof(wchar_t));
  LPBYTE buffer = Allocate(bytes);
  auto* info = reinterpret_cast<Info*>(buffer);
  info->*field = reinterpret_cast<LPWSTR>(buffer + sizeof(Info));
  std::memcpy(info->*field, name.c_str(), (name.size() + 1) * sizeof(wchar_t));
  return info;
}

// As many names as fit into prefmaxlen bytes, like the real calls: the rest is
// left for a resumed call, which the status ERROR_MORE_DATA announces.
NET_API_STATUS ReturnNames(const std::vector<std::wstring>& names, DWORD prefmaxlen, LPBYTE* bufptr,
                           LPDWORD entriesread, LPDWORD totalentries) {
  size_t count = 0, bytes = 0;
  while (count < names.size()) {
    const size_t more = sizeof(LPWSTR) + (names[count].size() + 1) * sizeof(wchar_t);
    if (prefmaxlen != MAX_PREFERRED_LENGTH && bytes + more > prefmaxlen) break;
    bytes += more;
    ++count;
  }
  LPBYTE buffer = Allocate(static_cast<DWORD>(bytes ? bytes : 1));
  auto* entries = reinterpret_cast<LPWSTR*>(buffer);
  auto* text = reinterpret_cast<wchar_t*>(buffer + count * sizeof(LPWSTR));
  for (size_t i = 0; i < count; ++i) {
    entries[i] = text;
    std::memcpy(text, names[i].c_str(), (names[i].size() + 1) * sizeof(wchar_t));
    text += names[i].size() + 1;
  }
  *bufptr = buffer;
  *entriesread = static_cast<DWORD>(count);
  *totalentries = static_cast<DWORD>(names.size());
  return count < names.size() ? ERROR_MORE_DATA : NERR_Success;
}

std::wstring EnumCall(const wchar_t* name, LPCWSTR server, DWORD level, DWORD prefmaxlen, const void* resume) {
  return std::wstring(name) + L" " + Text(server) + L" level=" + std::to_wstring(level) +
         L" pref=" + std::to_wstring(prefmaxlen) + L" resume=" + (resume ? L"set" : L"null");
}

}  // namespace

extern "C" {

NET_API_STATUS WINAPI NetApiBufferAllocate(DWORD ByteCount, LPVOID* Buffer) {
  *Buffer = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, ByteCount ? ByteCount : 1);
  return *Buffer ? NERR_Success : ERROR_NOT_ENOUGH_MEMORY;
}

NET_API_STATUS WINAPI NetApiBufferFree(LPVOID Buffer) {
  if (Buffer) HeapFree(GetProcessHeap(), 0, Buffer);
  return NERR_Success;
}

NET_API_STATUS WINAPI NetServerGetInfo(LMSTR servername, DWORD level, LPBYTE* bufptr) {
  Log(L"NetServerGetInfo " + Text(servername) + L" level=" + std::to_wstring(level));
  *bufptr = nullptr;
  const Place place = PlaceOf(servername);
  if (place == Place::kUnknown) return ERROR_BAD_NETPATH;
  if (level == 101) {
    const Machine machine = place == Place::kMachine ? ThisMachine() : Machine{L"PDC1", kWorkstation | SV_TYPE_DOMAIN_CTRL};
    auto* info = AllocateInfo(&SERVER_INFO_101::sv101_name, machine.name);
    info->sv101_platform_id = PLATFORM_ID_NT;
    info->sv101_version_major = 4;
    info->sv101_type = machine.type;
    *bufptr = reinterpret_cast<LPBYTE>(info);
    return NERR_Success;
  }
  if (level == 503) {
    if (place != Place::kController || Scenario() == L"refuses503") return ERROR_ACCESS_DENIED;
    auto* info = AllocateInfo(&SERVER_INFO_503::sv503_domain, kDomain);
    *bufptr = reinterpret_cast<LPBYTE>(info);
    return NERR_Success;
  }
  return ERROR_INVALID_LEVEL;
}

NET_API_STATUS WINAPI NetGetDCName(LPCWSTR servername, LPCWSTR domainname, LPBYTE* bufptr) {
  Log(L"NetGetDCName " + Text(servername) + L" " + Text(domainname));
  *bufptr = nullptr;
  if (!HasDomain() || (domainname && std::wstring(domainname) != kDomain)) return NERR_DCNotFound;
  *bufptr = reinterpret_cast<LPBYTE>(CopyString(kController));
  return NERR_Success;
}

NET_API_STATUS WINAPI NetUserEnum(LPCWSTR servername, DWORD level, DWORD filter, LPBYTE* bufptr, DWORD prefmaxlen,
                                  LPDWORD entriesread, LPDWORD totalentries, LPDWORD resume_handle) {
  Log(EnumCall(L"NetUserEnum", servername, level, prefmaxlen, resume_handle) + L" filter=" + std::to_wstring(filter));
  *bufptr = nullptr;
  *entriesread = *totalentries = 0;
  const Place place = PlaceOf(servername);
  if (place == Place::kUnknown) return ERROR_BAD_NETPATH;
  if (level != 0) return ERROR_INVALID_LEVEL;
  return ReturnNames(place == Place::kController ? DomainUsers() : LocalUsers(), prefmaxlen, bufptr, entriesread,
                     totalentries);
}

NET_API_STATUS WINAPI NetGroupEnum(LPCWSTR servername, DWORD level, LPBYTE* bufptr, DWORD prefmaxlen,
                                   LPDWORD entriesread, LPDWORD totalentries, PDWORD_PTR resume_handle) {
  Log(EnumCall(L"NetGroupEnum", servername, level, prefmaxlen, resume_handle));
  *bufptr = nullptr;
  *entriesread = *totalentries = 0;
  if (PlaceOf(servername) != Place::kController) return ERROR_ACCESS_DENIED;
  return ReturnNames({L"Domain Admins", L"Domain Users"}, prefmaxlen, bufptr, entriesread, totalentries);
}

NET_API_STATUS WINAPI NetLocalGroupEnum(LPCWSTR servername, DWORD level, LPBYTE* bufptr, DWORD prefmaxlen,
                                        LPDWORD entriesread, LPDWORD totalentries, PDWORD_PTR resumehandle) {
  Log(EnumCall(L"NetLocalGroupEnum", servername, level, prefmaxlen, resumehandle));
  *bufptr = nullptr;
  *entriesread = *totalentries = 0;
  const Place place = PlaceOf(servername);
  if (place == Place::kUnknown) return ERROR_BAD_NETPATH;
  return ReturnNames({L"Administrators", L"Guests", L"Users"}, prefmaxlen, bufptr, entriesread, totalentries);
}

}  // extern "C"
