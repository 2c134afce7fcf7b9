#include "ui/application.h"

#include <exception>
#include <stdexcept>
#include <vector>

#include "ui/controls.h"

namespace quellon::ui {
namespace {

// The containers from the form down to (not including) the control, outermost first.
std::vector<Control*> ChainOf(Control* c) {
  std::vector<Control*> chain;
  for (Control* p = c; p; p = p->parent()) chain.insert(chain.begin(), p);
  return chain;
}

}  // namespace

void Application::SetFocus(Control& control) {
  if (!control.CanTakeFocus())
    throw std::runtime_error("Cannot focus a disabled or invisible window");
  MoveFocus(&control);
}

void Application::TabInto(Control& control) {
  SetFocus(control);
  if (auto* text = dynamic_cast<TextControl*>(&control)) text->SelectAll();
}

void Application::DefocusWithin(Control& container) {
  if (focused_ && container.Contains(focused_)) MoveFocus(container.parent());
}

void Application::MoveFocus(Control* to) {
  if (to == focused_) return;
  const std::vector<Control*> old_chain = ChainOf(focused_);
  const std::vector<Control*> new_chain = ChainOf(to);
  size_t shared = 0;
  while (shared < old_chain.size() && shared < new_chain.size() &&
         old_chain[shared] == new_chain[shared])
    ++shared;
  // Exit events innermost first; the focus is already on its way while they run.
  for (size_t i = old_chain.size(); i > shared; --i) {
    focused_ = old_chain[i - 1]->parent();
    if (old_chain[i - 1]->OnExit) old_chain[i - 1]->OnExit();
  }
  for (size_t i = shared; i < new_chain.size(); ++i) {
    focused_ = new_chain[i];
    if (new_chain[i]->OnEnter) new_chain[i]->OnEnter();
  }
  focused_ = to && to->IsContainer() ? nullptr : to;
}

void Application::ProcessMessages() {
  while (!queue_.empty()) {
    const Message m = queue_.front();
    queue_.pop_front();
    Run([&] {
      if (hook_) {
        const MessageHook hook = hook_;  // the hook may replace itself while it runs
        hook(m);
      }
      Dispatch(m);
    });
  }
}

void Application::Dispatch(const Message& m) {
  if (m.kind != Message::Kind::MouseMove || !m.target) return;
  Control* target = m.target;
  if (target != pointer_over_) {
    pointer_over_ = target;
    if (target->OnMouseEnter) target->OnMouseEnter();
  }
  if (target->OnMouseMove) target->OnMouseMove();
}

void Application::Run(const std::function<void()>& work) {
  try {
    work();
  } catch (const std::exception& e) {
    platform_.ShowError(e.what());
  }
}

}  // namespace quellon::ui
