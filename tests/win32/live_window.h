#pragma once
// A small form mirrored into real windows, with its message loop, for the window tests.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/controls.h"
#include "ui/win32/message_loop_win32.h"
#include "ui/win32/mirror_win32.h"
#include "ui/win32/platform_win32.h"

namespace quellon::testing {

// Boxes are recorded instead of shown: a box nobody answers would stop the test run.
class RecordingPlatform : public ui::win32::Win32Platform {
 public:
  void ShowMessage(const std::string& text) override { shown.push_back("message " + text); }
  void ShowError(const std::string& text) override { shown.push_back("error " + text); }
  std::vector<std::string> shown;
};

class TestForm : public ui::Form {
 public:
  TestForm();
  ui::TabControl tabs{"tabs", this};
  ui::GroupBox group{"group", this};
  ui::Label caption{"caption", &group};
  ui::Slider slider{"slider", &group};
  ui::Edit edit{"edit", &group};
  ui::CheckBox box{"box", &group};
  ui::ComboBox list{"list", &group};
  ui::Edit outside{"outside", this};
  ui::Button button{"button", this};
};

// The form, its mirror and its loop; the window is shown and active.
class LiveWindow {
 public:
  explicit LiveWindow(ui::Form& form);
  ~LiveWindow();

  HWND Window(const ui::Control& c) const { return mirror->WindowOf(c); }
  // Handles the queue for at least `ms` milliseconds.
  void Pump(DWORD ms = 30);
  // Posts a message and handles the queue, as a user's action arrives.
  void Post(HWND to, UINT message, WPARAM wp, LPARAM lp);
  void TypeInto(HWND edit, const std::string& keys);
  // The pointer moves to a point in the form's client area; true when the loop saw the move.
  bool MovePointerTo(int x, int y);

  RecordingPlatform platform;
  ui::Application app{platform};
  std::unique_ptr<ui::win32::Win32Mirror> mirror;
  std::unique_ptr<ui::win32::MessageLoop> loop;
};

}  // namespace quellon::testing
