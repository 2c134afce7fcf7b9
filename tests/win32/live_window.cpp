#include "live_window.h"

namespace quellon::testing {

TestForm::TestForm() : ui::Form("TestForm") {
  SetCaption("Window test");
  SetBounds({0, 0, 400, 300});
  tabs.SetTabs({"One", "Two"});
  tabs.SetBounds({0, 0, 400, 24});
  group.SetBounds({10, 30, 380, 200});
  group.SetCaption("Group");
  caption.SetBounds({10, 20, 100, 13});
  caption.SetCaption("Caption");
  slider.SetRange(-114, 12);
  slider.SetPosition(-20);
  slider.SetBounds({120, 16, 150, 24});
  edit.SetBounds({280, 16, 60, 21});
  box.SetBounds({10, 60, 100, 17});
  box.SetCaption("Box");
  box.caption_left = true;
  list.SetBounds({120, 60, 150, 21});
  list.AddItem("First");
  list.AddItem("Second");
  outside.SetBounds({10, 240, 100, 21});
  button.SetBounds({290, 240, 100, 28});
  button.SetCaption("Press");
}

LiveWindow::LiveWindow(ui::Form& form) {
  mirror = std::make_unique<ui::win32::Win32Mirror>(app, form, GetModuleHandleA(nullptr));
  platform.AttachMirror(mirror.get());
  loop = std::make_unique<ui::win32::MessageLoop>(app, *mirror);
  mirror->Show(SW_SHOWNORMAL);
  Pump();
}

LiveWindow::~LiveWindow() {
  platform.AttachMirror(nullptr);
  loop.reset();
  mirror.reset();
  // Closing the form ends the program's loop with a quit message; the next test's must not see it.
  MSG msg{};
  while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

void LiveWindow::Pump(DWORD ms) {
  const DWORD start = GetTickCount();
  do {
    loop->RunPending();
    Sleep(1);
  } while (GetTickCount() - start < ms);
}

void LiveWindow::Post(HWND to, UINT message, WPARAM wp, LPARAM lp) {
  PostMessageA(to, message, wp, lp);
  Pump();
}

void LiveWindow::TypeInto(HWND edit, const std::string& keys) {
  for (const char key : keys) Post(edit, WM_CHAR, static_cast<unsigned char>(key), 1);
}

bool LiveWindow::MovePointerTo(int x, int y) {
  POINT screen{mirror->Scale(x), mirror->Scale(y)};
  ClientToScreen(mirror->form_window(), &screen);
  const unsigned before = loop->mouse_moves();
  SetCursorPos(screen.x, screen.y);
  // The hook reads the pointer when it runs: nothing is handled before the system has it there.
  POINT now{};
  const DWORD start = GetTickCount();
  while (GetCursorPos(&now) && (now.x != screen.x || now.y != screen.y) &&
         GetTickCount() - start < 2000)
    Sleep(5);
  while (loop->mouse_moves() == before && GetTickCount() - start < 3000) Pump(5);
  return loop->mouse_moves() != before;
}

}  // namespace quellon::testing
