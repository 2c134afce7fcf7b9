#include "standin_setup_win32.h"

#include <cstdlib>
#include <stdexcept>

#include "base/win32/handles_win32.h"

namespace quellon {
namespace {

constexpr const char* kClasses = "Software\\Classes\\CLSID\\";
constexpr const char* kProxy = "{17CCA71B-ECD7-11D0-B908-00A0C9223196}";
constexpr const char* kPage = "{6D3A5C14-2F0B-4E8A-9C71-5B2E8D40A613}";
constexpr const char* kCategories = "{DA4E3DA0-D07D-11D0-BD50-00A0C911CE86}";
constexpr const char* kVideoInput = "{860BB310-5D01-11D0-BD3B-00A0C911CE86}";
constexpr const char* kEncoder = "{19689BF6-C384-48FD-AD51-90E58C79F70B}";

using quellon::win32::UniqueKey;

UniqueKey CreateKey(const std::string& path) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      &key, nullptr) != ERROR_SUCCESS)
    throw std::runtime_error("cannot create " + path);
  return UniqueKey(key);
}

void SetText(const UniqueKey& key, const char* name, const std::string& text) {
  RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>(text.size() + 1));
}

void SetDword(const UniqueKey& key, const char* name, DWORD value) {
  RegSetValueExA(key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                 sizeof value);
}

bool GetText(const UniqueKey& key, const char* name, std::string& text) {
  char buf[MAX_PATH * 2] = "";
  DWORD size = sizeof buf - 1;
  if (RegQueryValueExA(key.get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(buf), &size) !=
      ERROR_SUCCESS)
    return false;
  text = buf;
  return true;
}

std::string Utf8ToAnsi(const std::string& text) {
  if (text.empty()) return {};
  const int n = static_cast<int>(text.size());
  std::wstring wide(
      static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), n, nullptr, 0)), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), n, wide.data(), static_cast<int>(wide.size()));
  const int w = static_cast<int>(wide.size());
  std::string out(static_cast<size_t>(
                      WideCharToMultiByte(CP_ACP, 0, wide.data(), w, nullptr, 0, nullptr, nullptr)),
                  '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), w, out.data(), static_cast<int>(out.size()), nullptr,
                      nullptr);
  return out;
}

std::string Server(const char* clsid) {
  return std::string(kClasses) + clsid + "\\InprocServer32";
}

}  // namespace

std::string StandinPrefix::DllPath() {
  std::string path = QUELLON_STANDIN_DLL;
  for (char& c : path)
    if (c == '/') c = '\\';
  // The cross build names a Unix path; Wine shows the Unix root as drive Z:.
  if (!path.empty() && path[0] == '\\') path = "Z:" + path;
  return path;
}

StandinPrefix::StandinPrefix() {
  {
    const UniqueKey proxy = CreateKey(Server(kProxy));
    had_proxy_server_ = GetText(proxy, nullptr, old_proxy_server_);
    SetText(proxy, nullptr, DllPath());
    SetText(proxy, "ThreadingModel", "Both");
  }
  const std::string page = std::string(kClasses) + kPage;
  SetText(CreateKey(page), nullptr, "Quellon stand-in page");
  keys_.push_back(page);
  const UniqueKey server = CreateKey(Server(kPage));
  SetText(server, nullptr, DllPath());
  SetText(server, "ThreadingModel", "Both");
  keys_.push_back(Server(kPage));
  // The encoder category is listed among the system's categories only where a card installs it.
  const std::string category = std::string(kClasses) + kCategories + "\\Instance\\" + kEncoder;
  const UniqueKey encoder = CreateKey(category);
  SetText(encoder, "FriendlyName", "Encoder");
  SetText(encoder, "CLSID", kEncoder);
  keys_.push_back(category);
}

StandinPrefix::~StandinPrefix() {
  for (auto it = keys_.rbegin(); it != keys_.rend(); ++it)
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, it->c_str());
  if (had_proxy_server_) {
    SetText(CreateKey(Server(kProxy)), nullptr, old_proxy_server_);
  } else {
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, Server(kProxy).c_str());
  }
}

void StandinPrefix::Add(const StandinDevice& device) {
  // The enumerator lists instances in the order of their key names.
  char id[32];
  wsprintfA(id, "Quellon stand-in %04d", ++added_);
  const std::string path =
      std::string(kClasses) + (device.encoder ? kEncoder : kVideoInput) + "\\Instance\\" + id;
  const UniqueKey key = CreateKey(path);
  keys_.push_back(path);
  SetText(key, "FriendlyName", device.name);
  if (!device.clsid.empty()) SetText(key, "CLSID", device.clsid);
  if (!device.procamp) SetDword(key, "StandinNoProcAmp", 1);
  if (!device.pages) SetDword(key, "StandinNoPages", 1);
}

std::string StandinPrefix::TakeProcampLog() {
  using Take = int(__stdcall*)(char*, int);
  HMODULE dll = GetModuleHandleA("quellon_standin.dll");
  if (!dll) return {};  // never loaded: no filter was made
  const auto take =
      reinterpret_cast<Take>(reinterpret_cast<void*>(GetProcAddress(dll, "StandinTakeProcampLog")));
  if (!take) throw std::runtime_error("the stand-in exports no log");
  std::string log(static_cast<size_t>(take(nullptr, 0)), '\0');
  take(log.data(), static_cast<int>(log.size()));
  return log;
}

bool StandinPrefix::AllReleased() {
  using CanUnload = HRESULT(__stdcall*)();
  HMODULE dll = GetModuleHandleA("quellon_standin.dll");
  if (!dll) return true;  // never loaded: nothing was made
  const auto can_unload =
      reinterpret_cast<CanUnload>(reinterpret_cast<void*>(GetProcAddress(dll, "DllCanUnloadNow")));
  if (!can_unload) throw std::runtime_error("the stand-in exports no DllCanUnloadNow");
  return can_unload() == S_OK;
}

std::vector<StandinPrefix::Set> StandinPrefix::TakeProcampSets() {
  std::vector<Set> sets;
  const std::string log = TakeProcampLog();
  size_t at = 0;
  while (at < log.size()) {
    const size_t end = log.find('\n', at);
    const std::string line = log.substr(at, end - at);
    at = end == std::string::npos ? log.size() : end + 1;
    const size_t t3 = line.rfind('\t');
    const size_t t2 = line.rfind('\t', t3 - 1);
    const size_t t1 = line.rfind('\t', t2 - 1);
    if (t1 == std::string::npos || t2 == std::string::npos || t3 == std::string::npos) continue;
    sets.push_back({Utf8ToAnsi(line.substr(0, t1)), std::atoi(line.substr(t1 + 1).c_str()),
                    std::atoi(line.substr(t2 + 1).c_str()),
                    std::atoi(line.substr(t3 + 1).c_str())});
  }
  return sets;
}

}  // namespace quellon
