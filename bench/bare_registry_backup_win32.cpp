// The bare backup: each key that holds catalogue values opened once and read with RegEnumValueA,
// data included, one call per value it holds; every value formatted as a .reg line in memory; the
// text widened to UTF-16 as a .reg file is, and written with one WriteFile, as a backup that keeps
// the newest 50 must write it (WriteBackupFile). The keys of the plain settings are handed over;
// the device keys are found as they are read, in one walk: the instances the save writes into are
// found as the save finds them (each lists its subkeys: the backup must hold exactly what the save
// may write) and their "DriverData" read then, and a media driver key is read whole and kept when
// it holds the closed-caption marker.

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bare_registry_win32.h"

namespace bench {
namespace {

void AppendHex(const BYTE* data, DWORD size, std::string* text) {
  static const char kDigits[] = "0123456789abcdef";
  for (DWORD i = 0; i < size; ++i) {
    if (i > 0) text->push_back(',');
    text->push_back(kDigits[data[i] >> 4]);
    text->push_back(kDigits[data[i] & 15]);
  }
}

// Appends the key's section and values; with `marker`, only a key that holds that value.
void AppendKey(const std::string& path, std::string* text, const char* marker = nullptr,
               HKEY parent = HKEY_LOCAL_MACHINE, const std::string& below = {}) {
  HKEY key = nullptr;
  ++BareCalls().open;
  const std::string opened = below.empty() ? path : below;
  if (RegOpenKeyExA(parent, opened.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  std::string section = "\r\n[HKEY_LOCAL_MACHINE\\" + path + "]\r\n";
  static char name[16384];
  static BYTE data[1 << 16];
  bool marked = marker == nullptr;
  for (DWORD i = 0;; ++i) {
    DWORD length = sizeof name, type = REG_NONE, size = sizeof data;
    ++BareCalls().enum_value;
    if (RegEnumValueA(key, i, name, &length, nullptr, &type, data, &size) != ERROR_SUCCESS) break;
    marked = marked || SameName(name, marker);
    section += '"';
    section += name;
    section += "\"=hex(" + std::to_string(type) + "):";
    AppendHex(data, size, &section);
    section += "\r\n";
  }
  Close(key);
  if (marked) *text += section;
}

void AppendDeviceKeys(std::string* text) {
  if (HKEY class_key = OpenFull(HKEY_LOCAL_MACHINE, kMediaClass)) {
    char instance[256];
    for (DWORD i = 0;; ++i) {
      DWORD length = sizeof instance;
      ++BareCalls().enum_key;
      if (RegEnumKeyExA(class_key, i, instance, &length, nullptr, nullptr, nullptr, nullptr) !=
          ERROR_SUCCESS)
        break;
      if (!TakesFanOut(class_key, instance)) continue;
      const std::string data = std::string(instance, length) + "\\DriverData";
      AppendKey(std::string(kMediaClass) + "\\" + data, text, nullptr, class_key, data);
    }
    Close(class_key);
  }
  const std::string media = "System\\CurrentControlSet\\Services\\Class\\MEDIA";
  for (const std::string& device : SubKeysOf(media))
    AppendKey(media + "\\" + device + "\\Driver", text, "EnableVIMProtection");
  const std::string classes = "System\\CurrentControlSet\\Control\\Class";
  for (const std::string& setup_class : SubKeysOf(classes))
    for (const std::string& instance : SubKeysOf(classes + "\\" + setup_class))
      AppendKey(classes + "\\" + setup_class + "\\" + instance + "\\Driver", text,
                "EnableVIMProtection");
}

// The numbers of the backups in the folder ("bare-N.reg"), oldest first.
std::vector<unsigned long> ListBackups(const std::string& folder) {
  std::vector<unsigned long> numbers;
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return numbers;
  do {
    unsigned long number = 0;
    if (std::sscanf(found.cFileName, "bare-%lu.reg", &number) == 1) numbers.push_back(number);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

bool IsLink(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// Written as any backup that keeps the newest 50 must be: the folder listed once (a name after
// the newest, and the oldest to remove), the folder and its parent looked at for a link, the
// text written once into a temporary file, flushed to the disk and renamed when complete, so that
// neither a half-written backup nor, after a power cut, an empty one is ever listed, and the
// oldest beyond 50 removed.
void WriteBackupFile(const std::string& folder, const std::wstring& text) {
  const std::vector<unsigned long> numbers = ListBackups(folder);
  if (IsLink(folder.substr(0, folder.rfind('\\'))) || IsLink(folder)) return;
  const std::string name =
      folder + "\\bare-" + std::to_string(numbers.empty() ? 1 : numbers.back() + 1);
  const HANDLE out = CreateFileA((name + ".tmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(out, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &written, nullptr);
  FlushFileBuffers(out);
  CloseHandle(out);
  MoveFileExA((name + ".tmp").c_str(), (name + ".reg").c_str(), MOVEFILE_WRITE_THROUGH);
  if (numbers.size() + 1 > 50)
    DeleteFileA((folder + "\\bare-" + std::to_string(numbers.front()) + ".reg").c_str());
}

}  // namespace

void BareBackup(const std::vector<std::string>& keys, const std::string& folder) {
  std::string text = "Windows Registry Editor Version 5.00\r\n";
  for (const std::string& key : keys) AppendKey(key, &text);
  AppendDeviceKeys(&text);
  std::wstring wide(text.size() + 1, L'\xfeff');
  const int chars = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                        wide.data() + 1, static_cast<int>(text.size()));
  wide.resize(static_cast<std::size_t>(chars) + 1);
  WriteBackupFile(folder, wide);
}

}  // namespace bench
