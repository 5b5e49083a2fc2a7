#include "core/browser_lookup.h"

#include <objbase.h>
#include <oleauto.h>
#include <tlhelp32.h>
#include <wbemcli.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/browser.h"
#include "core/files.h"

namespace core {

namespace {

// A signed part with at least `digits` digits; the sign stands before the
// leading zeros.
std::string Padded(int16_t value, int digits) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%s%0*d", value < 0 ? "-" : "", digits, std::abs(static_cast<int>(value)));
  return buf;
}

// Releases a COM interface when it goes.
template <typename T>
struct ComRef {
  T* p = nullptr;
  ComRef() = default;
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() {
    if (p) p->Release();
  }
  T** operator&() { return &p; }
  T* operator->() const { return p; }
};

struct Bstr {
  BSTR s;
  explicit Bstr(const wchar_t* text) : s(SysAllocString(text)) {}
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  ~Bstr() { SysFreeString(s); }
};

std::wstring Widen(const std::string& text) {
  int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (n <= 0) return {};
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), n);
  wide.resize(static_cast<size_t>(n - 1));
  return wide;
}

std::string Narrow(const wchar_t* text) {
  int n = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return {};
  std::string narrow(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), n, nullptr, nullptr);
  narrow.resize(static_cast<size_t>(n - 1));
  return narrow;
}

using PathList = std::vector<std::optional<std::string>>;

// The ExecutablePath of every process that the browser query returns, in
// WMI's order. Nothing when WMI cannot be reached, refuses the query or
// does not know the property (Wine's WMI lists processes without it).
std::optional<PathList> WmiBrowserPaths() {
  ComRef<IWbemLocator> locator;
  if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                              reinterpret_cast<void**>(&locator))))
    return std::nullopt;
  ComRef<IWbemServices> services;
  Bstr ns(L"ROOT\\CIMV2");
  if (FAILED(locator->ConnectServer(ns.s, nullptr, nullptr, nullptr, 0, nullptr, nullptr, &services)))
    return std::nullopt;
  CoSetProxyBlanket(services.p, RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                    RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);

  Bstr language(L"WQL");
  Bstr query(Widen(kBrowserProcessQuery).c_str());
  ComRef<IEnumWbemClassObject> processes;
  if (FAILED(services->ExecQuery(language.s, query.s, WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
                                 &processes)))
    return std::nullopt;

  PathList paths;
  for (;;) {
    ComRef<IWbemClassObject> process;
    ULONG returned = 0;
    HRESULT hr = processes->Next(static_cast<LONG>(WBEM_INFINITE), 1, &process, &returned);
    if (FAILED(hr)) return std::nullopt;
    if (returned == 0) break;
    VARIANT value;
    VariantInit(&value);
    if (FAILED(process->Get(L"ExecutablePath", 0, &value, nullptr, nullptr))) return std::nullopt;
    if (value.vt == VT_BSTR && value.bstrVal && *value.bstrVal)
      paths.emplace_back(Narrow(value.bstrVal));
    else
      paths.emplace_back(std::nullopt);  // a process the caller may not inspect
    VariantClear(&value);
  }
  return paths;
}

// The same list from the tool-help snapshot of the running processes.
std::optional<PathList> SnapshotBrowserPaths() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return std::nullopt;
  PathList paths;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (!EqualsNoCase(NameOf(entry.szExeFile), kBrowserExeName)) continue;
    std::optional<std::string> path;
    if (HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID)) {
      char buf[MAX_PATH * 2];
      DWORD size = sizeof buf;
      if (QueryFullProcessImageNameA(process, 0, buf, &size) && size > 0) path = std::string(buf, size);
      CloseHandle(process);
    }
    paths.push_back(std::move(path));
  }
  CloseHandle(snapshot);
  return paths;
}

// Initialises COM on this thread for as long as it lives, when nobody has.
class ComScope {
 public:
  ComScope() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  ~ComScope() {
    if (ok_) CoUninitialize();
  }

 private:
  bool ok_;
};

}  // namespace

std::string FileVersionText(DWORD versionMS, DWORD versionLS) {
  const auto major = static_cast<int16_t>(HIWORD(versionMS));
  const auto minor = static_cast<int16_t>(LOWORD(versionMS));
  const auto build = static_cast<int16_t>(HIWORD(versionLS));
  const auto revision = static_cast<int16_t>(LOWORD(versionLS));
  std::string text = std::to_string(major) + "." + Padded(minor, 2) + ".";
  if (build > 0) return text + Padded(build, 4) + "." + Padded(revision, 2);
  return text + Padded(revision, 4);
}

std::string GetFileVersion(const std::string& path) {
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
  if (size == 0) return {};
  std::vector<BYTE> info(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, info.data())) return {};
  void* block = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(info.data(), "\\", &block, &length) || !block || length < sizeof(VS_FIXEDFILEINFO)) return {};
  VS_FIXEDFILEINFO fixed;
  std::memcpy(&fixed, block, sizeof fixed);
  return FileVersionText(fixed.dwFileVersionMS, fixed.dwFileVersionLS);
}

std::string FirstBrowserOfVersion2(const std::vector<std::optional<std::string>>& paths) {
  for (const auto& path : paths) {
    if (!path) continue;
    if (GetFileVersion(*path).rfind(kBrowserVersionPrefix, 0) == 0) return *path;
  }
  return {};
}

std::string GetBrowserExePath() {
  ComScope com;
  std::optional<PathList> paths = WmiBrowserPaths();
  if (!paths) paths = SnapshotBrowserPaths();
  return paths ? FirstBrowserOfVersion2(*paths) : std::string();
}

}  // namespace core
