// Message-sequence tests of the widget model: each test records the events the controls raise and
// compares them with the exact order the page logic relies on.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/headless_platform.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/hit_test.h"

namespace quellon::ui {
namespace {

using Log = std::vector<std::string>;

class EventSequence : public ::testing::Test {
 protected:
  void Watch(Control& c) {
    const std::string n = c.name();
    c.OnEnter = [this, n] { log.push_back(n + ".enter"); };
    c.OnExit = [this, n] { log.push_back(n + ".exit"); };
    c.OnClick = [this, n] { log.push_back(n + ".click"); };
    c.OnChange = [this, n] { log.push_back(n + ".change"); };
    c.OnMouseMove = [this, n] { log.push_back(n + ".mousemove"); };
    c.OnMouseEnter = [this, n] { log.push_back(n + ".mouseenter"); };
  }

  HeadlessPlatform platform;
  Application app{platform};
  Form form{"Form1"};
  Frame frame{"Frame", &form};
  GroupBox group{"Group", &frame};
  Slider slider{"Slider", &group};
  Edit edit{"Edit", &group};
  CheckBox box{"Box", &form};
  Log log;
};

TEST_F(EventSequence, FocusIntoGroupBoxEntersContainersOutermostFirst) {
  for (Control* c :
       {static_cast<Control*>(&frame), static_cast<Control*>(&group),
        static_cast<Control*>(&slider), static_cast<Control*>(&edit), static_cast<Control*>(&box)})
    Watch(*c);
  app.SetFocus(box);
  app.SetFocus(slider);
  app.SetFocus(edit);  // inside the same group: no container events
  app.SetFocus(box);
  EXPECT_EQ(log, (Log{"Box.enter", "Box.exit", "Frame.enter", "Group.enter", "Slider.enter",
                      "Slider.exit", "Edit.enter", "Edit.exit", "Group.exit", "Frame.exit",
                      "Box.enter"}));
  EXPECT_EQ(app.focused(), &box);
}

TEST_F(EventSequence, HidingAContainerTakesTheFocusOutOfIt) {
  Watch(group);
  Watch(edit);
  app.SetFocus(edit);
  log.clear();
  app.DefocusWithin(frame);
  EXPECT_EQ(log, (Log{"Edit.exit", "Group.exit"}));
  EXPECT_EQ(app.focused(), nullptr);
}

TEST_F(EventSequence, HiddenOrDisabledControlsRefuseTheFocus) {
  Watch(edit);
  edit.SetEnabled(false);
  EXPECT_THROW(app.SetFocus(edit), std::runtime_error);
  edit.SetEnabled(true);
  group.SetVisible(false);
  EXPECT_THROW(app.SetFocus(edit), std::runtime_error);
  EXPECT_TRUE(log.empty());
}

TEST_F(EventSequence, ProgramChangesRaiseEventsOnlyWhenTheValueChanges) {
  Watch(slider);
  Watch(edit);
  Watch(box);
  slider.SetRange(-10, 10);
  slider.SetPosition(0);   // unchanged
  slider.SetPosition(25);  // clamped to 10
  slider.SetPosition(10);  // unchanged after clamping
  edit.SetText("a");
  edit.SetText("a");
  box.SetChecked(true);
  box.SetChecked(true);
  box.SetChecked(false);  // a check box reports every change of state, by program too
  EXPECT_EQ(log, (Log{"Slider.change", "Edit.change", "Box.click", "Box.click"}));
  EXPECT_EQ(slider.position(), 10);
}

TEST_F(EventSequence, ChainedHandlersEndWhenNothingChanges) {
  slider.SetRange(0, 100);
  int slider_changes = 0;
  int edit_changes = 0;
  slider.OnChange = [&] {
    ++slider_changes;
    edit.SetText(std::to_string(slider.position()));
  };
  edit.OnChange = [&] {
    ++edit_changes;
    slider.SetPosition(std::stoi(edit.text()));
  };
  slider.SetPosition(42);
  EXPECT_EQ(slider_changes, 1);
  EXPECT_EQ(edit_changes, 1);
  EXPECT_EQ(edit.text(), "42");
}

TEST_F(EventSequence, TypingReplacesASelectionAndHonoursDiscardedKeys) {
  Watch(edit);
  edit.SetText("123");
  log.clear();
  edit.OnKeyPress = [](char& key) {
    if (key == 'x') key = 0;
  };
  app.TabInto(edit);
  edit.TypeKey('4');  // replaces the selected "123"
  edit.TypeKey('x');  // discarded
  edit.TypeKey('5');
  edit.TypeKey('\b');
  edit.TypeKey('\b');
  edit.TypeKey('\b');  // nothing left to delete: no change
  EXPECT_EQ(edit.text(), "");
  EXPECT_EQ(log, (Log{"Edit.enter", "Edit.change", "Edit.change", "Edit.change", "Edit.change"}));
}

TEST_F(EventSequence, ComboBoxSelectionByProgramIsSilentByUserIsNot) {
  ComboBox list{"List", &form};
  Watch(list);
  list.AddItem("heading");
  list.AddItem("device");
  list.SetItemIndex(1);
  EXPECT_EQ(list.text(), "device");
  EXPECT_TRUE(log.empty());
  list.Choose(0);
  EXPECT_EQ(log, (Log{"List.change"}));
  list.TypeKey('x');  // typed text leaves no item selected
  EXPECT_EQ(list.item_index(), -1);
  EXPECT_THROW(list.SetItemIndex(2), std::out_of_range);
}

// A native list reports only the text the user left, e.g. none after deleting all of it.
TEST_F(EventSequence, TextReplacedByTheUserLeavesNoItemChosenBeforeTheChangeEvent) {
  ComboBox list{"List", &form};
  list.AddItem("heading");
  list.AddItem("device");
  list.SetItemIndex(1);
  list.OnChange = [&] {
    log.push_back("change '" + list.text() + "' " + std::to_string(list.item_index()));
  };
  list.SetTextByUser("device");  // the same text: nothing happened
  EXPECT_EQ(list.item_index(), 1);
  list.SetTextByUser("");
  EXPECT_EQ(list.item_index(), -1);
  EXPECT_EQ(log, (Log{"change '' -1"}));
  Watch(edit);
  edit.SetTextByUser("7");
  edit.SetTextByUser("7");
  EXPECT_EQ(log, (Log{"change '' -1", "Edit.change"}));
}

TEST_F(EventSequence, HookSeesEveryQueuedMessageBeforeDispatch) {
  Watch(edit);
  edit.SetBounds({10, 10, 50, 20});
  group.SetBounds({5, 5, 200, 100});
  frame.SetBounds({100, 100, 300, 300});
  app.SetHook([this](const Message& m) {
    log.push_back(m.kind == Message::Kind::MouseMove ? "hook.mousemove" : "hook.other");
  });
  Control* target = ControlAt(form, {100 + 5 + 10, 100 + 5 + 10});
  EXPECT_EQ(target, &edit);
  app.Post({Message::Kind::MouseMove, target});
  app.Post({Message::Kind::MouseMove, target});
  app.Post({Message::Kind::Other, nullptr});
  app.ProcessMessages();
  EXPECT_EQ(log, (Log{"hook.mousemove", "Edit.mouseenter", "Edit.mousemove", "hook.mousemove",
                      "Edit.mousemove", "hook.other"}));
  app.ClearHook();
  log.clear();
  app.Post({Message::Kind::MouseMove, &group});
  app.ProcessMessages();
  EXPECT_EQ(log, Log{});  // the group box has no handlers of its own
}

TEST_F(EventSequence, PointerRoutingExcludesFarEdgesAndSkipsDisabledControls) {
  group.SetBounds({0, 0, 200, 100});
  frame.SetBounds({0, 0, 300, 300});
  edit.SetBounds({10, 10, 50, 20});
  EXPECT_EQ(ControlAt(form, {60, 30}), &group);  // the far corner belongs to the neighbour
  EXPECT_EQ(ControlAt(form, {59, 29}), &edit);
  edit.SetEnabled(false);
  EXPECT_EQ(ControlAt(form, {20, 20}), &group);
}

TEST_F(EventSequence, EscapingErrorsAreReportedAndTheProgramGoesOn) {
  bool after = false;
  app.Run([] { throw std::runtime_error("Failed to set data for 'X'"); });
  app.Run([&] { after = true; });
  const auto shown = platform.TakeShown();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].kind, HeadlessPlatform::Shown::Kind::Error);
  EXPECT_EQ(shown[0].text, "Failed to set data for 'X'");
  EXPECT_TRUE(after);
}

}  // namespace
}  // namespace quellon::ui
