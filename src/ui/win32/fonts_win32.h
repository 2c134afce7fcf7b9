#pragma once
// The fonts of the window: the system's message font at the window's DPI, and its bold, italic and
// sized variants, made once each and kept for the window's lifetime.

#include <windows.h>

#include <map>
#include <tuple>

#include "base/win32/handles_win32.h"

namespace quellon::ui::win32 {

class FontSet {
 public:
  explicit FontSet(int dpi);
  // point_size 0 is the message font's own size.
  HFONT Get(bool bold, bool italic, int point_size);

 private:
  LOGFONTA base_{};
  int dpi_;
  std::map<std::tuple<bool, bool, int>, quellon::win32::UniqueFont> fonts_;
};

}  // namespace quellon::ui::win32
