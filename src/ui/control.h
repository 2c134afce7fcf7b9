#pragma once
// The widget model: every control the pages use, with the event semantics the page logic relies on.
// A native backend can mirror a control by attaching a ControlObserver; the model stays the truth.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/geometry.h"

namespace quellon::ui {

enum class ControlKind {
  Form,
  TabControl,
  Label,
  Button,
  CheckBox,
  Slider,
  Edit,
  ComboBox,
  GroupBox,
  Frame,
  Bevel,
  Memo,
};

// What changed on a control, so that a native mirror can update just that.
enum class Property {
  Bounds,
  Visible,
  Enabled,
  Bold,
  Caption,
  Text,
  Checked,
  Position,
  Range,
  Items,
  ItemIndex,
  TabIndex,
  Lines,
  LineAdded,  // one line at the end; the others are as they were
};

class Control;

class ControlObserver {
 public:
  virtual ~ControlObserver() = default;
  virtual void Changed(Control& control, Property property) = 0;
};

using Handler = std::function<void()>;
// A key press handler may set the key to 0 to discard it.
using KeyHandler = std::function<void(char& key)>;

class Control {
 public:
  Control(ControlKind kind, std::string name, Control* parent);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlKind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  Control* parent() const { return parent_; }
  const std::vector<Control*>& children() const { return children_; }

  const Rect& bounds() const { return bounds_; }
  void SetBounds(Rect r);
  int left() const { return bounds_.left; }
  int top() const { return bounds_.top; }
  int width() const { return bounds_.width; }
  int height() const { return bounds_.height; }
  void SetLeft(int x) { SetBounds({x, bounds_.top, bounds_.width, bounds_.height}); }
  void SetTop(int y) { SetBounds({bounds_.left, y, bounds_.width, bounds_.height}); }

  bool visible() const { return visible_; }
  void SetVisible(bool v);
  bool enabled() const { return enabled_; }
  void SetEnabled(bool e);
  bool bold() const { return bold_; }
  void SetBold(bool b);
  const std::string& caption() const { return caption_; }
  void SetCaption(const std::string& c);
  // What a screen reader calls the control: its own accessible name, or else its caption. Rows
  // name the controls that have no caption of their own after the row.
  const std::string& AccessibleName() const {
    return accessible_name_.empty() ? caption_ : accessible_name_;
  }
  void SetAccessibleName(std::string name) { accessible_name_ = std::move(name); }
  // A short text shown while the pointer rests on the control, also while it is disabled. Set
  // before the control's window is made.
  const std::string& hint() const { return hint_; }
  void SetHint(std::string hint) { hint_ = std::move(hint); }

  // Visible and enabled here and in every container above.
  bool Showing() const;
  bool EnabledInTree() const;
  bool IsContainer() const;
  bool CanTakeFocus() const;
  bool Contains(const Control* other) const;  // other is this or lies below it

  // Offset of this control's client origin from the form's client origin.
  Point OriginInForm() const;

  // Finds a descendant by name, depth first (this control included).
  Control* Find(const std::string& name);

  void SetObserver(ControlObserver* o) { observer_ = o; }
  ControlObserver* observer() const { return observer_; }

  Handler OnEnter;
  Handler OnExit;
  Handler OnClick;
  Handler OnChange;
  Handler OnMouseMove;
  Handler OnMouseEnter;
  KeyHandler OnKeyPress;

 protected:
  void Notify(Property p);
  static void Fire(const Handler& h) {
    if (h) h();
  }

 private:
  ControlKind kind_;
  std::string name_;
  Control* parent_;
  std::vector<Control*> children_;
  Rect bounds_;
  bool visible_ = true;
  bool enabled_ = true;
  bool bold_ = false;
  std::string caption_;
  std::string accessible_name_;
  std::string hint_;
  ControlObserver* observer_ = nullptr;
};

}  // namespace quellon::ui
