#include "scenario/model_driver.h"

#include <algorithm>

#include "scenario/control_path.h"
#include "scenario/property_format.h"
#include "scenario/script.h"
#include "ui/hit_test.h"

namespace quellon::scenario {

ModelDriver::ModelDriver() = default;
ModelDriver::~ModelDriver() = default;

TForm1& ModelDriver::Form() {
  if (!form_) throw UsageError("the window has not been started");
  return *form_;
}

ui::Control& ModelDriver::Find(const std::string& path) {
  return FindControl(Form(), path);
}

template <class T>
T& ModelDriver::FindAs(const std::string& path, const char* what) {
  auto* c = dynamic_cast<T*>(&Find(path));
  if (!c) throw UsageError(path + " is not " + what);
  return *c;
}

// The user cannot reach a hidden or disabled control; the keys then go nowhere.
void ModelDriver::FocusLikeUser(ui::Control& c) {
  if (app_.focused() != &c && c.CanTakeFocus()) app_.TabInto(c);
}

void ModelDriver::Start() {
  if (form_) throw UsageError("the window is already started");
  form_ = std::make_unique<TForm1>(app_, faults_, devices_, files_);
  app_.Run([&] { form_->FormActivate(); });
}

void ModelDriver::Activate() {
  app_.Run([&] { Form().FormActivate(); });
}

void ModelDriver::SelectTab(int index) {
  TForm1& form = Form();
  if (index < 0 || index >= static_cast<int>(form.TabControl1.tabs().size()))
    throw UsageError("no tab " + std::to_string(index));
  app_.Run([&] {
    app_.SetFocus(form.TabControl1);
    form.TabControl1.Select(index);
  });
}

void ModelDriver::Focus(const std::string& control) {
  ui::Control& c = Find(control);
  app_.Run([&] { FocusLikeUser(c); });
}

void ModelDriver::Type(const std::string& control, const std::string& keys) {
  auto& text = FindAs<ui::TextControl>(control, "a text box");
  app_.Run([&] { FocusLikeUser(text); });
  for (const char key : keys) {
    // Each key is its own message: a failing handler loses that key only.
    app_.Run([&] {
      if (app_.focused() == &text) text.TypeKey(key);
    });
  }
}

void ModelDriver::Paste(const std::string& control, const std::string& value) {
  auto& text = FindAs<ui::TextControl>(control, "a text box");
  app_.Run([&] { FocusLikeUser(text); });
  app_.Run([&] {
    if (app_.focused() == &text) text.SetText(value);
  });
}

void ModelDriver::Click(const std::string& control) {
  ui::Control& c = Find(control);
  if (!c.Showing() || !c.EnabledInTree()) return;  // a click on a disabled control goes nowhere
  app_.Run([&] {
    if (c.CanTakeFocus()) app_.SetFocus(c);
  });
  app_.Run([&] {
    if (auto* box = dynamic_cast<ui::CheckBox*>(&c)) box->Toggle();
    if (auto* button = dynamic_cast<ui::Button*>(&c)) button->Press();
  });
}

void ModelDriver::Slide(const std::string& control, int position) {
  auto& slider = FindAs<ui::Slider>(control, "a slider");
  app_.Run([&] { FocusLikeUser(slider); });
  app_.Run([&] { slider.SetPosition(position); });
}

void ModelDriver::Choose(const std::string& control, int index) {
  auto& list = FindAs<ui::ComboBox>(control, "a drop-down list");
  if (index < 0 || index >= static_cast<int>(list.items().size()))
    throw UsageError(control + " has no item " + std::to_string(index));
  app_.Run([&] { FocusLikeUser(list); });
  app_.Run([&] { list.Choose(index); });
}

void ModelDriver::PointAt(const std::string& control, std::optional<ui::Point> offset) {
  ui::Control& c = Find(control);
  const ui::Point origin = c.parent() ? c.parent()->OriginInForm() : ui::Point{};
  const ui::Point local = offset ? ui::Point{c.left() + offset->x, c.top() + offset->y}
                                 : ui::Point{c.left() + c.width() / 2, c.top() + c.height() / 2};
  const ui::Point at{origin.x + local.x, origin.y + local.y};
  platform_.SetCursorPos(at);
  app_.Post({ui::Message::Kind::MouseMove, ui::ControlAt(Form(), at)});
  app_.ProcessMessages();
}

void ModelDriver::ChooseMenu(const std::string& caption) {
  const std::vector<ui::MenuCommand>& menu = Form().system_menu;
  const auto chosen = std::find_if(menu.begin(), menu.end(), [&](const ui::MenuCommand& c) {
    return ui::WithoutAccessKeys(c.caption) == caption;
  });
  if (chosen == menu.end()) throw UsageError("the system menu has no command " + Quote(caption));
  app_.Run(chosen->run);
}

std::string ModelDriver::Property(const std::string& control, const std::string& property) {
  return FormatProperty(Find(control), property, app_);
}

std::string ModelDriver::InfoTitle() {
  return Form().InfoLabelTitle.caption();
}
std::string ModelDriver::InfoBody() {
  return Form().InfoLabelContent.caption();
}
std::vector<std::string> ModelDriver::MemoLines() {
  return Form().Memo1.lines();
}

std::vector<std::string> ModelDriver::VisibleFrames() {
  std::vector<std::string> names;
  for (ui::Control* child : Form().children())
    if (child->kind() == ui::ControlKind::Frame && child->visible()) names.push_back(child->name());
  return names;
}

std::string ModelDriver::HookOwner() {
  return app_.HasHook() ? app_.hook_owner() : "";
}

std::vector<std::string> ModelDriver::TakeShown() {
  std::vector<std::string> lines;
  for (const auto& shown : platform_.TakeShown()) {
    using Kind = ui::HeadlessPlatform::Shown::Kind;
    const char* tag = shown.kind == Kind::Message    ? "message"
                      : shown.kind == Kind::Error    ? "error"
                      : shown.kind == Kind::Confirm  ? "confirm"
                      : shown.kind == Kind::Browse   ? "browse"
                      : shown.kind == Kind::SaveFile ? "save-file"
                      : shown.kind == Kind::OpenFile ? "open-file"
                      : shown.kind == Kind::List     ? "list"
                      : shown.kind == Kind::ListRow  ? "row"
                                                     : "property-frame";
    lines.push_back(std::string(tag) + " " + Quote(shown.text));
  }
  return lines;
}

void ModelDriver::AddDevice(const DeviceDef& device) {
  SimulatedDevice d;
  d.category = device.encoder ? kEncoderCategory : kVideoInputDeviceCategory;
  d.name = device.name;
  d.clsid = device.clsid;
  d.procamp = device.procamp;
  d.pages = device.pages;
  devices_.AddDevice(std::move(d));
}

std::vector<ProcampSet> ModelDriver::TakeProcamp() {
  std::vector<ProcampSet> sets;
  for (const ProcampCall& c : devices_.TakeProcampCalls())
    sets.push_back({c.device, c.property, c.value, c.flags});
  return sets;
}

std::vector<std::string> ModelDriver::GraphFilters() {
  return Form().FilterGraph1.FilterNames();
}

}  // namespace quellon::scenario
