#include "ui/control.h"

#include <algorithm>

namespace quellon::ui {

Control::Control(ControlKind kind, std::string name, Control* parent)
    : kind_(kind), name_(std::move(name)), parent_(parent) {
  if (parent_) parent_->children_.push_back(this);
}

Control::~Control() {
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  for (Control* child : children_) child->parent_ = nullptr;
}

void Control::Notify(Property p) {
  if (observer_) observer_->Changed(*this, p);
}

void Control::SetBounds(Rect r) {
  if (r == bounds_) return;
  bounds_ = r;
  Notify(Property::Bounds);
}

void Control::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  Notify(Property::Visible);
}

void Control::SetEnabled(bool e) {
  if (e == enabled_) return;
  enabled_ = e;
  Notify(Property::Enabled);
}

void Control::SetBold(bool b) {
  if (b == bold_) return;
  bold_ = b;
  Notify(Property::Bold);
}

void Control::SetCaption(const std::string& c) {
  if (c == caption_) return;
  caption_ = c;
  Notify(Property::Caption);
}

bool Control::Showing() const {
  for (const Control* c = this; c; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

bool Control::EnabledInTree() const {
  for (const Control* c = this; c; c = c->parent_)
    if (!c->enabled_) return false;
  return true;
}

bool Control::IsContainer() const {
  return kind_ == ControlKind::Form || kind_ == ControlKind::GroupBox ||
         kind_ == ControlKind::Frame;
}

bool Control::CanTakeFocus() const {
  switch (kind_) {
    case ControlKind::TabControl:
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::Slider:
    case ControlKind::Edit:
    case ControlKind::ComboBox:
    case ControlKind::Memo:
      return Showing() && EnabledInTree();
    default:
      return false;
  }
}

bool Control::Contains(const Control* other) const {
  for (const Control* c = other; c; c = c->parent_)
    if (c == this) return true;
  return false;
}

Point Control::OriginInForm() const {
  Point p;
  for (const Control* c = this; c && c->kind_ != ControlKind::Form; c = c->parent_) {
    p.x += c->bounds_.left;
    p.y += c->bounds_.top;
  }
  return p;
}

Control* Control::Find(const std::string& name) {
  if (name_ == name) return this;
  for (Control* child : children_)
    if (Control* found = child->Find(name)) return found;
  return nullptr;
}

}  // namespace quellon::ui
