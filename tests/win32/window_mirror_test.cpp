// The native window follows the model and the user's actions on it become the model's events,
// once each and in the model's order.

#include <gtest/gtest.h>
#include <windows.h>

// clang-format off
#include <commctrl.h>  // needs the types of windows.h
// clang-format on

#include <string>
#include <vector>

#include "base/win32/handles_win32.h"
#include "live_window.h"
#include "ui/win32/text_win32.h"

namespace quellon::testing {
namespace {

using ui::win32::WindowText;

class WindowMirror : public ::testing::Test {
 protected:
  TestForm form;
  LiveWindow live{form};
  HWND W(const ui::Control& c) { return live.Window(c); }
};

TEST_F(WindowMirror, NativeWindowsStartAsTheModelAndNestLikeIt) {
  EXPECT_EQ(SendMessageA(W(form.slider), TBM_GETRANGEMIN, 0, 0), -114);
  EXPECT_EQ(SendMessageA(W(form.slider), TBM_GETRANGEMAX, 0, 0), 12);
  EXPECT_EQ(SendMessageA(W(form.slider), TBM_GETPOS, 0, 0), -20);
  EXPECT_EQ(GetParent(W(form.slider)), W(form.group));
  EXPECT_EQ(GetParent(W(form.group)), live.mirror->form_window());
  EXPECT_TRUE(GetWindowLongA(W(form.box), GWL_STYLE) & BS_LEFTTEXT);
  EXPECT_EQ(SendMessageA(W(form.list), CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageA(W(form.tabs), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(WindowText(live.mirror->form_window()), "Window test");
  form.caption.SetCaption("two\rlines");
  EXPECT_EQ(WindowText(W(form.caption)), "two\r\nlines");
  // A group box's controls are placed in its own coordinates.
  RECT r{};
  GetWindowRect(W(form.slider), &r);
  MapWindowPoints(nullptr, W(form.group), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, live.mirror->Scale(120));
  EXPECT_EQ(r.top, live.mirror->Scale(16));
}

TEST_F(WindowMirror, TypedKeysChangeTheModelOnceEachAndProgramTextsAreNotEchoed) {
  std::vector<std::string> seen;
  form.edit.OnChange = [&] {
    seen.push_back(form.edit.text());
    if (form.edit.text() == "007") form.edit.SetText("7");  // canonical form while typing
  };
  SetFocus(W(form.edit));
  live.TypeInto(W(form.edit), "0071");
  // The handler's own text leaves the caret at the end, where the next key goes.
  EXPECT_EQ(seen, (std::vector<std::string>{"0", "00", "007", "7", "71"}));
  EXPECT_EQ(WindowText(W(form.edit)), "71");
  // Setting the same text again natively reports a change; the model hears nothing.
  SetWindowTextA(W(form.edit), "71");
  live.Pump();
  EXPECT_EQ(seen.size(), 5u);
  form.edit.SetText("5");
  live.Pump();
  EXPECT_EQ(seen.back(), "5");
  EXPECT_EQ(seen.size(), 6u);
  EXPECT_EQ(WindowText(W(form.edit)), "5");
}

TEST_F(WindowMirror, KeyPressEventSeesEveryKeyFirstAndMayDropOrChangeIt) {
  form.edit.OnKeyPress = [](char& key) {
    if (key == 'x') key = 0;
    if (key == 'a') key = 'b';
  };
  SetFocus(W(form.edit));
  live.TypeInto(W(form.edit), "xax");
  EXPECT_EQ(form.edit.text(), "b");
  EXPECT_EQ(WindowText(W(form.edit)), "b");
}

TEST_F(WindowMirror, CheckBoxClicksToggleOnceAndProgramStatesRaiseNoNativeClick) {
  int clicks = 0;
  form.box.OnClick = [&] { ++clicks; };
  live.Post(W(form.box), BM_CLICK, 0, 0);
  EXPECT_TRUE(form.box.checked());
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(SendMessageA(W(form.box), BM_GETCHECK, 0, 0), BST_CHECKED);
  form.box.SetChecked(false);  // the model's own click event
  live.Pump();
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(SendMessageA(W(form.box), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(WindowMirror, SliderFollowsTheThumbAndTheProgram) {
  int changes = 0;
  form.slider.OnChange = [&] { ++changes; };
  const HWND slider = W(form.slider);
  SendMessageA(slider, TBM_SETPOS, TRUE, -100);
  live.Post(W(form.group), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 0),
            reinterpret_cast<LPARAM>(slider));
  live.Post(W(form.group), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
            reinterpret_cast<LPARAM>(slider));
  EXPECT_EQ(form.slider.position(), -100);
  EXPECT_EQ(changes, 1);
  form.slider.SetPosition(100);  // clamped by the model to 12
  EXPECT_EQ(SendMessageA(slider, TBM_GETPOS, 0, 0), 12);
  form.slider.SetRange(-206, 48);
  EXPECT_EQ(SendMessageA(slider, TBM_GETRANGEMIN, 0, 0), -206);
  EXPECT_EQ(SendMessageA(slider, TBM_GETPOS, 0, 0), 12);
}

TEST_F(WindowMirror, FocusEventsRunInTheModelsOrderAndProgramFocusMovesTheNativeOne) {
  std::vector<std::string> events;
  form.outside.OnExit = [&] { events.push_back("exit outside"); };
  form.group.OnEnter = [&] { events.push_back("enter group"); };
  form.edit.OnEnter = [&] { events.push_back("enter edit"); };
  SetFocus(W(form.outside));
  live.Pump();
  SetFocus(W(form.edit));
  live.Pump();
  EXPECT_EQ(events, (std::vector<std::string>{"exit outside", "enter group", "enter edit"}));
  EXPECT_EQ(live.app.focused(), &form.edit);
  form.button.OnClick = [&] { live.app.SetFocus(form.box); };
  live.Post(W(form.button), BM_CLICK, 0, 0);
  EXPECT_EQ(live.app.focused(), &form.box);
  EXPECT_EQ(GetFocus(), W(form.box));
}

TEST_F(WindowMirror, TabKeyWalksTheControlsInTheModelsOrder) {
  SetFocus(W(form.slider));
  live.Pump();
  live.Post(W(form.slider), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(live.app.focused(), &form.edit);
  EXPECT_EQ(GetFocus(), W(form.edit));
  form.box.SetVisible(false);  // hidden controls are passed over
  live.Post(W(form.edit), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(live.app.focused(), &form.list);
}

TEST_F(WindowMirror, DropDownChoiceAndTypingReachTheModel) {
  int changes = 0;
  form.list.OnChange = [&] { ++changes; };
  SendMessageA(W(form.list), CB_SETCURSEL, 1, 0);
  live.Post(W(form.group), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(W(form.list)), CBN_SELCHANGE),
            reinterpret_cast<LPARAM>(W(form.list)));
  EXPECT_EQ(form.list.item_index(), 1);
  EXPECT_EQ(form.list.text(), "Second");
  EXPECT_EQ(changes, 1);
  // Typing leaves no item chosen.
  const HWND edit = FindWindowExA(W(form.list), nullptr, "Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  SetFocus(edit);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  live.TypeInto(edit, "Z");
  EXPECT_EQ(form.list.text(), "Z");
  EXPECT_EQ(form.list.item_index(), -1);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(live.app.focused(), &form.list);
}

TEST_F(WindowMirror, EditingAChosenItemsTextDropsTheChoiceAndKeepsTheCaret) {
  std::vector<std::string> seen;
  form.list.OnChange = [&] { seen.push_back(form.list.text()); };
  form.list.SetItemIndex(1);
  const HWND list = W(form.list);
  const HWND edit = FindWindowExA(list, nullptr, "Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  SetFocus(edit);
  SendMessageA(list, CB_SETEDITSEL, 0, MAKELPARAM(3, 3));
  live.TypeInto(edit, "x");
  EXPECT_EQ(form.list.item_index(), -1);
  EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(WindowText(list), "Secxond");
  const auto caret = static_cast<DWORD>(SendMessageA(list, CB_GETEDITSEL, 0, 0));
  EXPECT_EQ(LOWORD(caret), 4);
  EXPECT_EQ(HIWORD(caret), 4);
  // Deleting the whole text of a chosen item is a change to no text and no item.
  form.list.SetItemIndex(0);
  SendMessageA(list, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  live.TypeInto(edit, "\b");
  EXPECT_EQ(form.list.item_index(), -1);
  EXPECT_EQ(form.list.text(), "");
  EXPECT_EQ(WindowText(list), "");
  EXPECT_EQ(seen, (std::vector<std::string>{"Secxond", ""}));
}

TEST_F(WindowMirror, ClickedTabSelectsOnceAndProgramSelectionShows) {
  int changes = 0;
  form.tabs.OnChange = [&] { ++changes; };
  RECT item{};
  SendMessageA(W(form.tabs), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  live.Post(W(form.tabs), WM_LBUTTONDOWN, MK_LBUTTON, at);
  live.Post(W(form.tabs), WM_LBUTTONUP, 0, at);
  EXPECT_EQ(form.tabs.tab_index(), 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(live.app.focused(), &form.tabs);
  form.tabs.Select(0);
  EXPECT_EQ(SendMessageA(W(form.tabs), TCM_GETCURSEL, 0, 0), 0);
}

// A group box with a rule that runs beneath an edit, as the pages draw rules between their rows.
class RuleForm : public ui::Form {
 public:
  RuleForm() : ui::Form("RuleForm") {
    SetBounds({0, 0, 300, 200});
    group.SetBounds({10, 10, 280, 170});
    group.SetCaption("Group");
    across.SetBounds({8, 60, 264, 2});
    down.SetBounds({50, 16, 2, 140});
    edit.SetBounds({8, 20, 100, 21});
  }
  ui::GroupBox group{"group", this};
  ui::Bevel across{"across", &group};
  ui::Bevel down{"down", &group};
  ui::Edit edit{"edit", &group};
};

// What of a window's client area can be drawn on: NULLREGION when nothing.
int VisiblePart(HWND window, RECT* box) {
  const win32::WindowDC dc(window);
  return GetClipBox(dc.get(), box);
}

TEST(WindowMirrorRules, RulesInAGroupBoxShowAndHideNothingElse) {
  RuleForm form;
  LiveWindow live{form};
  const HWND frame = FindWindowExA(live.Window(form.group), nullptr, "Button", nullptr);
  ASSERT_NE(frame, nullptr);
  RECT box{};
  RECT client{};
  // The rule nothing covers shows whole; the one beneath the edit shows outside it.
  ASSERT_EQ(VisiblePart(live.Window(form.across), &box), SIMPLEREGION);
  GetClientRect(live.Window(form.across), &client);
  EXPECT_TRUE(EqualRect(&box, &client));
  EXPECT_NE(VisiblePart(live.Window(form.down), &box), NULLREGION);
  ASSERT_NE(VisiblePart(live.Window(form.edit), &box), NULLREGION);
  GetClientRect(live.Window(form.edit), &client);
  EXPECT_TRUE(EqualRect(&box, &client));
  // The box's frame and caption still show around them.
  EXPECT_NE(VisiblePart(frame, &box), NULLREGION);
}

// A log, as the main window keeps one.
class LogForm : public ui::Form {
 public:
  LogForm() : ui::Form("LogForm") {
    SetBounds({0, 0, 300, 200});
    log.SetBounds({10, 10, 200, 100});
  }
  ui::Memo log{"log", this};
};

// A line added to the log goes in at the end, whatever is selected, and alone: what the window
// already shows is not written again.
TEST(WindowMirrorLog, ALineAddedToALogIsWrittenAlone) {
  LogForm form;
  LiveWindow live{form};
  form.log.SetLines({"one"});
  form.log.Append("two");
  EXPECT_EQ(WindowText(live.Window(form.log)), "one\r\ntwo");
  SetWindowTextA(live.Window(form.log), "one\r\nTWO");
  SendMessageA(live.Window(form.log), EM_SETSEL, 0, 0);
  form.log.Append("three");
  EXPECT_EQ(WindowText(live.Window(form.log)), "one\r\nTWO\r\nthree");
}

// A page that starts hidden, between two buttons, as the main window's pages lie among its
// fixed controls.
class PagedForm : public ui::Form {
 public:
  PagedForm() : ui::Form("PagedForm") {
    SetBounds({0, 0, 300, 200});
    before.SetBounds({10, 10, 100, 28});
    page.SetBounds({0, 0, 300, 150});
    page.SetVisible(false);
    slider.SetBounds({10, 10, 150, 24});
    edit.SetBounds({10, 40, 60, 21});
    box.SetBounds({10, 70, 100, 17});
    after.SetBounds({10, 160, 100, 28});
  }
  ui::Button before{"before", this};
  ui::Frame page{"page", this};
  ui::Slider slider{"slider", &page};
  ui::Edit edit{"edit", &page};
  ui::CheckBox box{"box", &page};
  ui::Button after{"after", this};
};

TEST(WindowMirrorPages, AHiddenPageIsMadeWhenFirstShownWithTheStateItHasThen) {
  PagedForm form;
  LiveWindow live{form};
  int changes = 0;
  form.edit.OnChange = [&] { ++changes; };
  EXPECT_EQ(live.Window(form.page), nullptr);
  form.slider.SetRange(-10, 10);
  form.slider.SetPosition(-4);
  form.edit.SetText("abc");
  form.box.SetChecked(true);
  form.box.SetEnabled(false);
  EXPECT_EQ(live.Window(form.slider), nullptr);
  form.page.SetVisible(true);
  live.Pump();
  EXPECT_EQ(SendMessageA(live.Window(form.slider), TBM_GETRANGEMIN, 0, 0), -10);
  EXPECT_EQ(SendMessageA(live.Window(form.slider), TBM_GETPOS, 0, 0), -4);
  EXPECT_EQ(WindowText(live.Window(form.edit)), "abc");
  EXPECT_EQ(SendMessageA(live.Window(form.box), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_FALSE(IsWindowEnabled(live.Window(form.box)));
  EXPECT_TRUE(IsWindowVisible(live.Window(form.edit)));
  EXPECT_EQ(changes, 1);  // the model's own, before; making the windows raised none
  // In the stacking order it lies where it would have been made in turn.
  EXPECT_EQ(GetWindow(live.Window(form.after), GW_HWNDNEXT), live.Window(form.page));
  EXPECT_EQ(GetWindow(live.Window(form.page), GW_HWNDNEXT), live.Window(form.before));
}

TEST_F(WindowMirror, AnErrorInAHandlerIsReportedAndTheLoopGoesOn) {
  form.button.OnClick = [] { throw std::runtime_error("Failed to set data for 'X'"); };
  live.Post(W(form.button), BM_CLICK, 0, 0);
  live.Post(W(form.button), BM_CLICK, 0, 0);
  EXPECT_EQ(live.platform.shown, (std::vector<std::string>{"error Failed to set data for 'X'",
                                                           "error Failed to set data for 'X'"}));
}

}  // namespace
}  // namespace quellon::testing
