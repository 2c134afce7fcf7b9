#include "app/win32/console_win32.h"

#include <string>

namespace quellon {
namespace {

bool Usable(HANDLE h) {
  return h != nullptr && h != INVALID_HANDLE_VALUE && GetFileType(h) != FILE_TYPE_UNKNOWN;
}

}  // namespace

ConsoleStreams::ConsoleStreams()
    : out_(GetStdHandle(STD_OUTPUT_HANDLE)), err_(GetStdHandle(STD_ERROR_HANDLE)) {
  if (Usable(out_) && Usable(err_)) return;
  if (AttachConsole(ATTACH_PARENT_PROCESS)) {
    HANDLE console =
        CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (console != INVALID_HANDLE_VALUE) console_.reset(console);
  }
  if (!Usable(out_)) out_ = console_.get();
  if (!Usable(err_)) err_ = console_.get();
}

// Lines end in CR LF, as text files and consoles on Windows expect.
void ConsoleStreams::Write(HANDLE to, std::string_view text) {
  if (to == nullptr) return;
  std::string bytes;
  for (char c : text) {
    if (c == '\n') bytes += '\r';
    bytes += c;
  }
  DWORD written = 0;
  for (std::size_t at = 0; at < bytes.size(); at += written) {
    if (!WriteFile(to, bytes.data() + at, static_cast<DWORD>(bytes.size() - at), &written,
                   nullptr) ||
        written == 0) {
      return;  // a closed pipe or a full disk: the exit code still tells the caller
    }
  }
}

}  // namespace quellon
