#include "ui/controls.h"

#include <algorithm>
#include <stdexcept>

namespace quellon::ui {

std::string WithoutAccessKeys(const std::string& caption) {
  std::string text;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    text += caption[i];
  }
  return text;
}

void CheckBox::SetChecked(bool c) {
  if (c == checked_) return;
  checked_ = c;
  Notify(Property::Checked);
  Fire(OnClick);
}

void Slider::SetPosition(int p) {
  p = std::clamp(p, min_, std::max(min_, max_));
  if (p == position_) return;
  position_ = p;
  Notify(Property::Position);
  Fire(OnChange);
}

void Slider::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  position_ = std::clamp(position_, min_, max_);
  Notify(Property::Range);
}

void TextControl::SetText(const std::string& t) {
  if (t == text_) return;
  text_ = t;
  Notify(Property::Text);
  Fire(OnChange);
}

void TextControl::TypeKey(char key) {
  if (OnKeyPress) OnKeyPress(key);
  if (key == 0) return;
  std::string next = all_selected_ ? std::string() : text_;
  all_selected_ = false;
  if (key == '\b') {
    if (!next.empty()) next.pop_back();
  } else {
    next.push_back(key);
  }
  SetTextByUser(next);
}

void TextControl::SetTextByUser(const std::string& t) {
  if (t == text_) return;
  TextChangedByUser();
  SetText(t);
}

void ComboBox::Clear() {
  items_.clear();
  item_index_ = -1;
  Notify(Property::Items);
}

void ComboBox::AddItem(const std::string& item) {
  items_.push_back(item);
  Notify(Property::Items);
}

void ComboBox::SetItemIndexQuietly(int index) {
  if (index == item_index_) return;
  item_index_ = index;
  Notify(Property::ItemIndex);
}

void ComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size()))
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  SetItemIndexQuietly(index);
  // Selecting by program shows the item's text without a change event, as a native list does.
  const Handler saved = OnChange;
  OnChange = nullptr;
  SetText(index >= 0 ? items_[static_cast<size_t>(index)] : std::string());
  OnChange = saved;
}

void ComboBox::Choose(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size()))
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  SetItemIndexQuietly(index);
  // A pick leaves the item's text wholly selected: the next key typed replaces it.
  SelectAll();
  const std::string& t = items_[static_cast<size_t>(index)];
  if (t != text()) {
    SetText(t);
  } else {
    Fire(OnChange);
  }
}

void Memo::Append(const std::string& line) {
  lines_.push_back(line);
  Notify(Property::LineAdded);
}

void Memo::SetLines(std::vector<std::string> lines) {
  lines_ = std::move(lines);
  Notify(Property::Lines);
}

void TabControl::SetTabs(std::vector<std::string> tabs) {
  tabs_ = std::move(tabs);
  Notify(Property::Items);
}

void TabControl::Select(int index) {
  if (index < 0 || index >= static_cast<int>(tabs_.size()))
    throw std::out_of_range("Tab index out of bounds (" + std::to_string(index) + ")");
  if (index == tab_index_) return;
  tab_index_ = index;
  Notify(Property::TabIndex);
  Fire(OnChange);
}

}  // namespace quellon::ui
