#include "standin_log_win32.h"

#include <windows.h>

#include <cstring>
#include <mutex>

namespace standin {
namespace {

std::mutex& Lock() {
  static std::mutex m;
  return m;
}
std::string& Log() {
  static std::string log;
  return log;
}

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = static_cast<int>(text.size());
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), n, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
  if (bytes > 0)
    WideCharToMultiByte(CP_UTF8, 0, text.data(), n, out.data(), bytes, nullptr, nullptr);
  return out;
}

}  // namespace

void RecordSet(const std::wstring& device, long property, long value, long flags) {
  const std::lock_guard<std::mutex> hold(Lock());
  Log() += Utf8(device) + "\t" + std::to_string(property) + "\t" + std::to_string(value) + "\t" +
           std::to_string(flags) + "\n";
}

}  // namespace standin

extern "C" int __stdcall StandinTakeProcampLog(char* buffer, int size) {
  const std::lock_guard<std::mutex> hold(standin::Lock());
  std::string& log = standin::Log();
  const int needed = static_cast<int>(log.size());
  if (!buffer || size < needed) return needed;
  std::memcpy(buffer, log.data(), log.size());
  log.clear();
  return needed;
}
