#pragma once
// Where a console command of quellon.exe writes. The program is a window program, so Windows gives
// it no console of its own: a standard handle it inherited (output redirected to a file or a pipe)
// is used as it is, otherwise the console of the process that started it, when there is one.
// Without either the text goes nowhere and only the exit code tells.

#include <windows.h>

#include <string_view>

#include "base/win32/handles_win32.h"

namespace quellon {

class ConsoleStreams {
 public:
  ConsoleStreams();
  void WriteOut(std::string_view text) const { Write(out_, text); }
  void WriteErr(std::string_view text) const { Write(err_, text); }

 private:
  static void Write(HANDLE to, std::string_view text);

  win32::UniqueHandle console_;  // the parent's console, when it is used
  HANDLE out_ = nullptr;
  HANDLE err_ = nullptr;
};

}  // namespace quellon
