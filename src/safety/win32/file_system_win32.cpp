#include "safety/win32/file_system_win32.h"

// clang-format off
#include <windows.h>
#include <ntsecapi.h>  // RtlGenRandom; needs the types of windows.h
#include <shlobj.h>    // needs the types of windows.h
// clang-format on

#include <algorithm>
#include <cstdio>
#include <optional>

#include "base/win32/handles_win32.h"

namespace quellon {
namespace {

using win32::UniqueFile;
using win32::UniqueFind;

// Larger files are no .reg file the program wrote or will read.
constexpr LONGLONG kLargestRead = 64LL << 20;

// The code comes first and the other arguments build nothing, so that a call written as
// Fail(GetLastError(), ...) reads the error before anything else can change it.
[[noreturn]] void Fail(DWORD code, const char* action, const std::string& path) {
  throw FileError(action, path, SystemErrorText(code), code);
}

// Opens the file itself, never what a link at `path` leads to.
UniqueFile Open(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
  return UniqueFile(CreateFileA(path.c_str(), access, share, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
}

bool IsReparsePoint(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// ".tmp" and eight hex digits from the system's random numbers: a name nobody can plant before.
std::string RandomSuffix(const std::string& path) {
  unsigned long random = 0;
  if (!RtlGenRandom(&random, sizeof random)) Fail(ERROR_GEN_FAILURE, "write", path);
  char suffix[16];
  std::snprintf(suffix, sizeof suffix, ".%08lx.tmp", random);
  return suffix;
}

// Reads up to `bytes` bytes from the file's start; fewer when it shrank meanwhile.
std::string ReadUpTo(HANDLE file, std::size_t bytes, const std::string& path) {
  std::string contents(bytes, '\0');
  std::size_t done = 0;
  while (done < contents.size()) {
    DWORD got = 0;
    if (!ReadFile(file, contents.data() + done, static_cast<DWORD>(contents.size() - done), &got,
                  nullptr)) {
      Fail(GetLastError(), "read", path);
    }
    if (got == 0) break;
    done += got;
  }
  contents.resize(done);
  return contents;
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Where the folders below a path's root start: after "C:\" or "\\server\share\".
std::size_t FirstFolder(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':') return path.size() > 2 && path[2] == '\\' ? 3 : 2;
  if (path.starts_with("\\\\")) {
    const std::size_t share = path.find('\\', 2);
    const std::size_t end = share == std::string::npos ? share : path.find('\\', share + 1);
    return end == std::string::npos ? path.size() : end + 1;
  }
  return path.starts_with('\\') ? 1 : 0;
}

void WriteAll(HANDLE file, std::string_view contents, const std::string& path) {
  while (!contents.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size(), 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file, contents.data(), chunk, &written, nullptr))
      Fail(GetLastError(), "write", path);
    if (written == 0) Fail(ERROR_WRITE_FAULT, "write", path);
    contents.remove_prefix(written);
  }
  if (!FlushFileBuffers(file)) Fail(GetLastError(), "write", path);
}

}  // namespace

std::string SystemErrorText(std::uint32_t code) {
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  const std::unique_ptr<char, decltype(&LocalFree)> owned(text, &LocalFree);
  std::string result = length && text ? std::string(text, length) : "";
  while (!result.empty() &&
         (result.back() == '\r' || result.back() == '\n' || result.back() == ' '))
    result.pop_back();
  return result.empty() ? "error " + std::to_string(code) : result;
}

std::string Win32FileSystem::Resolve(const std::string& path) const {
  if (base_.empty() || FirstFolder(path) > 0) return path;
  return base_ + "\\" + path;
}

std::string Win32FileSystem::LocalAppData() {
  char buffer[MAX_PATH + 1] = {};
  const DWORD length = GetEnvironmentVariableA("LOCALAPPDATA", buffer, sizeof buffer);
  if (length > 0 && length < sizeof buffer) return buffer;
  const auto folder_path = win32::SystemFunction<decltype(SHGetFolderPathA)>(
      win32::SystemDll::kShell32, "SHGetFolderPathA");
  const HRESULT found =
      folder_path(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer);
  if (found != S_OK || buffer[0] == '\0') {
    Fail(static_cast<DWORD>(HRESULT_CODE(found)), "find the folder", "%LOCALAPPDATA%");
  }
  return buffer;
}

void Win32FileSystem::MakeFolders(const std::string& path) {
  const std::string full = Resolve(path);
  // Every backup finds its folder there: one look instead of a failing create per level.
  if (IsFolder(full)) return;
  for (std::size_t end = full.find('\\', FirstFolder(full));; end = full.find('\\', end + 1)) {
    const std::string level = full.substr(0, end);
    if (!level.empty() && !CreateDirectoryA(level.c_str(), nullptr)) {
      const DWORD code = GetLastError();
      if (code == ERROR_ALREADY_EXISTS && !IsFolder(level))
        throw FileError("create the folder", level, kFileInTheWay, code);
      if (code != ERROR_ALREADY_EXISTS) Fail(code, "create the folder", level);
    }
    if (end == std::string::npos || end + 1 == full.size()) return;
  }
}

std::vector<std::string> Win32FileSystem::List(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  const std::string pattern = Resolve(folder) + "\\*";
  const UniqueFind search(FindFirstFileA(pattern.c_str(), &found));
  if (!search) {
    const DWORD code = GetLastError();
    // A file where the folder belongs holds no backups either; making the folder then says why.
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND || !IsFolder(Resolve(folder)))
      return names;
    Fail(code, "list the folder", folder);
  }
  do {
    if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0)
      names.emplace_back(found.cFileName);
  } while (FindNextFileA(search.get(), &found));
  if (GetLastError() != ERROR_NO_MORE_FILES) Fail(GetLastError(), "list the folder", folder);
  return names;
}

bool Win32FileSystem::IsLink(const std::string& path) {
  return IsReparsePoint(GetFileAttributesA(Resolve(path).c_str()));
}

bool Win32FileSystem::Exists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(Resolve(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Opens the file for reading, refusing a link; `size` is its size then.
UniqueFile Win32FileSystem::OpenToRead(const std::string& path, long long* size) const {
  UniqueFile file = Open(Resolve(path), GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  if (!file) Fail(GetLastError(), "read", path);
  BY_HANDLE_FILE_INFORMATION information{};
  if (!GetFileInformationByHandle(file.get(), &information)) Fail(GetLastError(), "read", path);
  if (IsReparsePoint(information.dwFileAttributes)) throw LinkRefused("read", path);
  LARGE_INTEGER found{};
  if (!GetFileSizeEx(file.get(), &found)) Fail(GetLastError(), "read", path);
  *size = found.QuadPart;
  return file;
}

std::string Win32FileSystem::Read(const std::string& path) {
  long long size = 0;
  const UniqueFile file = OpenToRead(path, &size);
  if (size > kLargestRead) {
    throw FileError("read", path, "The file is larger than 64 MB.", ERROR_FILE_TOO_LARGE);
  }
  return ReadUpTo(file.get(), static_cast<std::size_t>(size), path);
}

std::string Win32FileSystem::ReadStart(const std::string& path, std::size_t bytes) {
  long long size = 0;
  const UniqueFile file = OpenToRead(path, &size);
  return ReadUpTo(file.get(), std::min<std::size_t>(bytes, static_cast<std::size_t>(size)), path);
}

// The temporary file beside the target keeps the move on one volume, where it replaces the target
// in one step. It is made new (CREATE_NEW) under a random name, so that nothing planted in the
// folder beforehand, a link least of all, is opened in its place.
void Win32FileSystem::Write(const std::string& path, std::string_view contents) {
  const std::string target = Resolve(path);
  std::string temporary;
  UniqueFile created;
  for (int attempt = 0; !created && attempt < 8; ++attempt) {
    temporary = target + RandomSuffix(path);
    created = Open(temporary, GENERIC_WRITE, 0, CREATE_NEW);
    if (!created && GetLastError() != ERROR_FILE_EXISTS) Fail(GetLastError(), "write", path);
  }
  if (!created) Fail(ERROR_FILE_EXISTS, "write", path);
  std::optional<FileError> failed;
  {
    const UniqueFile file = std::move(created);
    try {
      WriteAll(file.get(), contents, path);
    } catch (const FileError& e) {
      failed = e;
    }
  }  // closed before it can be deleted
  if (failed) {
    DeleteFileA(temporary.c_str());
    throw *failed;
  }
  if (!MoveFileExA(temporary.c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const DWORD code = GetLastError();
    DeleteFileA(temporary.c_str());
    Fail(code, "write", path);
  }
}

void Win32FileSystem::Remove(const std::string& path) {
  if (!DeleteFileA(Resolve(path).c_str())) Fail(GetLastError(), "delete", path);
}

LocalTime Win32FileSystem::Now() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace quellon
