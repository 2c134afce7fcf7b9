#pragma once

namespace quellon::ui {

class Control;

// A message taken from the application's queue. Only pointer moves matter to the program's logic;
// everything else is passed through as Other.
struct Message {
  enum class Kind { MouseMove, Other };
  Kind kind = Kind::Other;
  Control* target = nullptr;  // the control the message is addressed to, if any
};

}  // namespace quellon::ui
