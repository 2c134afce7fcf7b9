#include "ui/win32/message_loop_win32.h"

#include <exception>

namespace quellon::ui::win32 {

int MessageLoop::Run() {
  MSG msg{};
  for (;;) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    if (got < 0) return 1;
    Handle(msg);
  }
}

void MessageLoop::RunPending() {
  MSG msg{};
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop that owns the quit
      return;
    }
    Handle(msg);
  }
}

void MessageLoop::Handle(const MSG& msg) {
  // The hook gets its message through the application, which also raises the pointer's enter
  // and move events of the control under it and reports an error that escapes them.
  Message m;
  // A move over a control's border (an edit's sunken edge) is a move over the control as well.
  const bool move = msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE;
  m.kind = move ? Message::Kind::MouseMove : Message::Kind::Other;
  m.target = mirror_.ControlOf(msg.hwnd);
  if (m.kind == Message::Kind::MouseMove) ++mouse_moves_;
  mirror_.Dispatch([&] {
    app_.Post(m);
    app_.ProcessMessages();
  });
  if (mirror_.Navigate(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

}  // namespace quellon::ui::win32
