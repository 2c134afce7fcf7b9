// quellon.com: the console front end of quellon.exe. cmd and PowerShell do not wait for a window
// program, so its output lands after their next prompt and its exit code is lost; they wait for a
// console program, and take quellon.com before quellon.exe when "quellon" is typed (.COM comes
// first in PATHEXT). This program starts quellon.exe from its own folder with the same arguments,
// lets it write to this console's standard handles, waits for it and ends with its exit code.
// Without arguments it only starts the window.
//
// It is a few system calls and stays small: no C++ strings, streams or exceptions of its own, whose
// library code would make it several times larger than all it does. Its buffers, on the stack, are
// fixed at the longest path and command line Windows has.

#include <windows.h>

#include <cstdlib>
#include <cwchar>

#include "base/win32/handles_win32.h"

// As in quellon.exe: the runtime's handler for an uncaught exception would bring the demangler,
// and nothing here throws.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
  std::abort();
}
}  // namespace __gnu_cxx

namespace {

using quellon::win32::UniqueHandle;

constexpr int kExitFailure = 1;
// ERROR_ELEVATION_REQUIRED, which the headers declare from Vista on only: the build targets XP.
constexpr DWORD kElevationRequired = 740;
// The longest path and the longest command line, in characters with the terminating null.
constexpr std::size_t kLongest = 32768;

// Standard error, as bytes; a message that cannot be written leaves the exit code to tell.
void Say(const char* text) {
  const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
  DWORD written = 0;
  for (DWORD left = lstrlenA(text); left > 0; text += written, left -= written) {
    if (!WriteFile(err, text, left, &written, nullptr) || written == 0) return;
  }
}

// A path in the ANSI code page, like every other text of the program.
void SayPath(const wchar_t* path) {
  char bytes[kLongest * 2];
  if (WideCharToMultiByte(CP_ACP, 0, path, -1, bytes, sizeof bytes, nullptr, nullptr) > 0)
    Say(bytes);
}

// "WHAT: the system's reason" on a line of its own; the exit code of a failure.
int Fail(const char* what, DWORD code) {
  char reason[512];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                code, 0, reason, sizeof reason, nullptr);
  while (length > 0 && (reason[length - 1] == '\r' || reason[length - 1] == '\n')) --length;
  reason[length] = '\0';
  Say(what);
  Say(": ");
  if (length > 0) {
    Say(reason);
  } else {
    char number[16];
    char* digit = number + sizeof number;
    *--digit = '\0';
    do *--digit = static_cast<char>('0' + code % 10);
    while ((code /= 10) != 0);
    Say("error ");
    Say(digit);
  }
  Say("\r\n");
  return kExitFailure;
}

// What follows the program's own name on the command line, as the runtimes of Windows programs
// split it: a name in quotes ends at the next quote, one without at the first blank. Passed on as
// it was typed, it gives quellon.exe the very arguments this program was given, quotes and all.
const wchar_t* Arguments(const wchar_t* line) {
  if (*line == L'"') {
    for (++line; *line && *line != L'"';) ++line;
    if (*line) ++line;
  } else {
    while (*line && *line != L' ' && *line != L'\t') ++line;
  }
  while (*line == L' ' || *line == L'\t') ++line;
  return line;
}

// quellon.exe beside this program, into `exe`; false when the path cannot be had.
bool ExeBesideThis(wchar_t (&exe)[kLongest]) {
  const DWORD length = GetModuleFileNameW(nullptr, exe, kLongest);
  if (length == 0 || length >= kLongest) {
    Fail("The folder of quellon.com could not be read",
         length == 0 ? GetLastError() : ERROR_INSUFFICIENT_BUFFER);
    return false;
  }
  wchar_t* name = std::wcsrchr(exe, L'\\');
  name = name ? name + 1 : exe;
  static constexpr wchar_t kExe[] = L"quellon.exe";
  if (static_cast<std::size_t>(name - exe) + sizeof kExe / sizeof *kExe > kLongest) {
    Fail("The folder of quellon.com could not be read", ERROR_FILENAME_EXCED_RANGE);
    return false;
  }
  std::wcscpy(name, kExe);
  return true;
}

// The standard handles are handed to quellon.exe, so they must be inheritable. A console handle of
// Windows 7 and older is no kernel handle and cannot be: quellon.exe then finds this program's
// console by itself (console_win32).
void MakeInheritable(HANDLE handle) {
  if (handle && handle != INVALID_HANDLE_VALUE)
    SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
}

int Run() {
  wchar_t exe[kLongest];
  if (!ExeBesideThis(exe)) return kExitFailure;
  const wchar_t* arguments = Arguments(GetCommandLineW());
  const bool command = *arguments != L'\0';

  // The path in quotes (a path holds none) keeps the blanks of "Program Files" in one name.
  wchar_t line[kLongest];
  if (std::wcslen(exe) + std::wcslen(arguments) + 4 > kLongest)
    return Fail("The command line is too long", ERROR_FILENAME_EXCED_RANGE);
  std::wcscpy(line, L"\"");
  std::wcscat(line, exe);
  std::wcscat(line, command ? L"\" " : L"\"");
  std::wcscat(line, arguments);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (command) {
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_FORCEOFFFEEDBACK;  // no busy pointer
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    for (HANDLE h : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) MakeInheritable(h);
  }
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(exe, line, nullptr, nullptr, command, 0, nullptr, nullptr, &startup,
                      &started)) {
    const DWORD code = GetLastError();
    if (code == kElevationRequired) {
      Say("quellon.exe needs administrator rights: run quellon from an administrator command "
          "prompt.\r\n");
      return kExitFailure;
    }
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) {
      SayPath(exe);
      Say(" is missing: quellon.com runs the quellon.exe of its own folder.\r\n");
      return kExitFailure;
    }
    return Fail("quellon.exe could not be started", code);
  }
  const UniqueHandle process(started.hProcess);
  const UniqueHandle thread(started.hThread);
  if (!command) return 0;  // the window runs on by itself

  // Ctrl+C goes to every program of the console, not to quellon.exe, which has none: this one
  // waits on, so that a command is never left running behind the next prompt. Should the handler
  // not be set, Ctrl+C only ends the wait early.
  SetConsoleCtrlHandler(nullptr, TRUE);
  if (WaitForSingleObject(process.get(), INFINITE) != WAIT_OBJECT_0)
    return Fail("quellon.com could not wait for quellon.exe", GetLastError());
  DWORD exit_code = 0;
  if (!GetExitCodeProcess(process.get(), &exit_code))
    return Fail("The exit code of quellon.exe could not be read", GetLastError());
  return static_cast<int>(exit_code);
}

}  // namespace

int main() {
  return Run();
}
