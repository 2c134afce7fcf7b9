#include "devices/win32/com_text_win32.h"

#include <cwchar>
#include <vector>

namespace quellon {

std::string WideToAnsi(const wchar_t* text, size_t max_units) {
  if (!text) return {};
  size_t length = std::wcslen(text);
  if (length > max_units) {
    length = max_units;
    // A high surrogate left at the end would convert to a stray replacement character.
    if (length > 0 && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF) --length;
  }
  if (length == 0) return {};
  const int units = static_cast<int>(length);
  const int bytes = WideCharToMultiByte(CP_ACP, 0, text, units, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string out(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, units, out.data(), bytes, nullptr, nullptr);
  return out;
}

std::wstring AnsiToWide(const std::string& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int units = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  if (units <= 0) return {};
  std::wstring out(static_cast<size_t>(units), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, out.data(), units);
  return out;
}

GUID ToGUID(const Guid& g) {
  GUID out{};
  out.Data1 = g.data1;
  out.Data2 = g.data2;
  out.Data3 = g.data3;
  for (size_t i = 0; i < 8; ++i) out.Data4[i] = g.data4[i];
  return out;
}

Guid FromGUID(const GUID& g) {
  Guid out;
  out.data1 = g.Data1;
  out.data2 = g.Data2;
  out.data3 = g.Data3;
  for (size_t i = 0; i < 8; ++i) out.data4[i] = g.Data4[i];
  return out;
}

std::string SystemMessage(HRESULT code) {
  std::vector<char> buf(1024);
  const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, static_cast<DWORD>(code), 0, buf.data(),
                                 static_cast<DWORD>(buf.size()), nullptr);
  return std::string(buf.data(), n);
}

}  // namespace quellon
