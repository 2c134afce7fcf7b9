#pragma once
// The concrete controls. Setters called by program follow the platform's rules: a slider raises its
// change event only when the position changes, a check box its click event on every state change,
// an edit its change event only when the text differs.

#include <string>
#include <vector>

#include "ui/control.h"

namespace quellon::ui {

// A command of the window's system menu (Alt+Space). An '&' in its caption marks the access key
// that follows it ("&&" is an '&' of the text).
struct MenuCommand {
  std::string caption;
  Handler run;
};

// A menu caption as the user reads it: without its access key marks.
std::string WithoutAccessKeys(const std::string& caption);

class Form : public Control {
 public:
  explicit Form(std::string name) : Control(ControlKind::Form, std::move(name), nullptr) {}
  // The window's own commands, after the system's and a separator, in this order. Set before the
  // window is made.
  std::vector<MenuCommand> system_menu;
};

class Frame : public Control {
 public:
  Frame(std::string name, Control* parent) : Control(ControlKind::Frame, std::move(name), parent) {}
};

class GroupBox : public Control {
 public:
  GroupBox(std::string name, Control* parent)
      : Control(ControlKind::GroupBox, std::move(name), parent) {}
};

class Bevel : public Control {
 public:
  Bevel(std::string name, Control* parent) : Control(ControlKind::Bevel, std::move(name), parent) {}
};

class Label : public Control {
 public:
  Label(std::string name, Control* parent) : Control(ControlKind::Label, std::move(name), parent) {}
  bool word_wrap = false;
  bool italic = false;
  int font_size = 0;  // 0: the form's font; otherwise a point size
};

class Button : public Control {
 public:
  Button(std::string name, Control* parent)
      : Control(ControlKind::Button, std::move(name), parent) {}
  // Runs the click event as a press of the button would.
  void Press() { Fire(OnClick); }
};

class CheckBox : public Control {
 public:
  CheckBox(std::string name, Control* parent)
      : Control(ControlKind::CheckBox, std::move(name), parent) {}
  bool checked() const { return checked_; }
  // Raises the click event whenever the state changes, also when set by program.
  void SetChecked(bool c);
  void Toggle() { SetChecked(!checked_); }
  bool caption_left = false;  // the caption stands left of the box

 private:
  bool checked_ = false;
};

class Slider : public Control {
 public:
  Slider(std::string name, Control* parent)
      : Control(ControlKind::Slider, std::move(name), parent) {}
  int min() const { return min_; }
  int max() const { return max_; }
  int position() const { return position_; }
  // Clamps into min..max; raises the change event only when the stored position changes.
  void SetPosition(int p);
  // Design-time range; a position outside it is clamped without an event.
  void SetRange(int min, int max);

 private:
  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
};

// Text shared by edits and editable drop-down lists. Typing goes through TypeKey: the key press
// event may discard the key; a key arriving while the whole text is selected replaces it.
class TextControl : public Control {
 public:
  using Control::Control;
  const std::string& text() const { return text_; }
  // Raises the change event only when the text differs.
  void SetText(const std::string& t);
  void SelectAll() { all_selected_ = true; }
  void TypeKey(char key);  // '\b' is backspace
  // The user replaced the text as a whole (a native edit reports only the result): as after a
  // typed key, a drop-down list has no item chosen, and the change event runs if the text differs.
  void SetTextByUser(const std::string& t);

 protected:
  virtual void TextChangedByUser() {}

 private:
  std::string text_;
  bool all_selected_ = false;
};

class Edit : public TextControl {
 public:
  Edit(std::string name, Control* parent)
      : TextControl(ControlKind::Edit, std::move(name), parent) {}
};

class ComboBox : public TextControl {
 public:
  ComboBox(std::string name, Control* parent)
      : TextControl(ControlKind::ComboBox, std::move(name), parent) {}
  const std::vector<std::string>& items() const { return items_; }
  void Clear();
  void AddItem(const std::string& item);
  int item_index() const { return item_index_; }
  // By program: selects the item and shows its text, without a change event.
  void SetItemIndex(int index);
  // By the user: selects the item and raises the change event.
  void Choose(int index);

 protected:
  void TextChangedByUser() override { SetItemIndexQuietly(-1); }

 private:
  void SetItemIndexQuietly(int index);
  std::vector<std::string> items_;
  int item_index_ = -1;
};

class Memo : public Control {
 public:
  Memo(std::string name, Control* parent) : Control(ControlKind::Memo, std::move(name), parent) {}
  const std::vector<std::string>& lines() const { return lines_; }
  void Append(const std::string& line);
  void SetLines(std::vector<std::string> lines);

 private:
  std::vector<std::string> lines_;
};

class TabControl : public Control {
 public:
  TabControl(std::string name, Control* parent)
      : Control(ControlKind::TabControl, std::move(name), parent) {}
  const std::vector<std::string>& tabs() const { return tabs_; }
  void SetTabs(std::vector<std::string> tabs);
  int tab_index() const { return tab_index_; }
  // By the user: selects the tab and raises the change event when the index changes.
  void Select(int index);

 private:
  std::vector<std::string> tabs_;
  int tab_index_ = 0;
};

}  // namespace quellon::ui
