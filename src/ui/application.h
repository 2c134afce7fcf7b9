#pragma once
// The application object: keyboard focus with its enter/exit events, the one message-hook slot, the
// message queue, and the default report of errors that escape an event handler.

#include <deque>
#include <functional>
#include <string>

#include "ui/control.h"
#include "ui/message.h"
#include "ui/platform.h"

namespace quellon::ui {

using MessageHook = std::function<void(const Message&)>;

class Application {
 public:
  explicit Application(Platform& platform) : platform_(platform) {}

  Platform& platform() const { return platform_; }

  Control* focused() const { return focused_; }
  // Moves the keyboard focus. Exit events run from the old control outward up to the container
  // shared with the new one; enter events then run from the outermost new container inward, so a
  // group box hears of the focus before its control does. Throws when the control cannot take it.
  void SetFocus(Control& control);
  // The user tabs into the control: as SetFocus, and an edit's whole text becomes selected.
  void TabInto(Control& control);
  // Focus leaves every control below `container` (it is being hidden): exit events run.
  void DefocusWithin(Control& container);

  void SetHook(MessageHook hook) { hook_ = std::move(hook); }
  void ClearHook() { hook_ = nullptr; }
  bool HasHook() const { return static_cast<bool>(hook_); }
  // Tag of whoever installed the hook, for diagnostics and tests.
  void SetHookOwner(std::string owner) { hook_owner_ = std::move(owner); }
  const std::string& hook_owner() const { return hook_owner_; }

  void Post(Message m) { queue_.push_back(m); }
  // Takes every queued message: the hook sees it first, then it is dispatched to its target.
  void ProcessMessages();

  // Runs a piece of work as the message loop would run a handler: an exception that escapes ends
  // the work, its text goes to the error box, and the program carries on.
  void Run(const std::function<void()>& work);

 private:
  void Dispatch(const Message& m);
  void MoveFocus(Control* to);

  Platform& platform_;
  Control* focused_ = nullptr;
  Control* pointer_over_ = nullptr;
  MessageHook hook_;
  std::string hook_owner_;
  std::deque<Message> queue_;
};

}  // namespace quellon::ui
