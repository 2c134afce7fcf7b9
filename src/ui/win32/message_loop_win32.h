#pragma once
// The program's message loop: every message taken from the queue goes to the application's hook
// first, then to keyboard navigation, then to its window.

#include <windows.h>

#include "ui/application.h"
#include "ui/win32/mirror_win32.h"

namespace quellon::ui::win32 {

class MessageLoop {
 public:
  MessageLoop(Application& app, Win32Mirror& mirror) : app_(app), mirror_(mirror) {}

  // Until the form is closed; returns the exit code it was closed with.
  int Run();
  // Handles what is queued now and returns when the queue is empty.
  void RunPending();
  // One message, as the loop handles it.
  void Handle(const MSG& msg);

  // Pointer moves the hook has been shown so far.
  unsigned mouse_moves() const { return mouse_moves_; }

 private:
  Application& app_;
  Win32Mirror& mirror_;
  unsigned mouse_moves_ = 0;
};

}  // namespace quellon::ui::win32
