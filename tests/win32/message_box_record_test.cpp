// The Windows scenario driver records the text of the real message boxes the program shows and
// answers them, so that a script goes on as the headless one does.

#include <gtest/gtest.h>
#include <windows.h>

#include "registry/reg_codes.h"
#include "scenario/win32/window_driver_win32.h"

namespace quellon::scenario {
namespace {

WindowDriver* g_driver = nullptr;
void CALLBACK Answer(HWND, UINT, UINT_PTR, DWORD) {
  g_driver->AnswerBoxes();
}

TEST(MessageBoxRecord, TextOfTheRealBoxIsRecordedWithItsBytesAndLineBreaks) {
  WindowDriver driver(GetModuleHandleA(nullptr));
  g_driver = &driver;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, &Answer);
  ui::win32::Win32Platform platform;
  platform.ShowMessage("Don\x92t\rstop");
  platform.ShowError("Failed to set data for 'X'");
  KillTimer(nullptr, timer);
  EXPECT_EQ(driver.TakeShown(), (std::vector<std::string>{"message \"Don\\x92t\\rstop\"",
                                                          "error \"Failed to set data for 'X'\""}));
}

TEST(MessageBoxRecord, ProgramBoxesAreAnsweredAndTheScriptGoesOn) {
  WindowDriver driver(GetModuleHandleA(nullptr));
  driver.Start();
  driver.Click("Form1.Save");
  EXPECT_EQ(driver.TakeShown(), (std::vector<std::string>{"message \"Settings saved\""}));
  driver.ProgramFaults().FailWritesOf("HcwSaveEncoderSettings", kErrorAccessDenied);
  driver.Click("Form1.Save");
  EXPECT_EQ(
      driver.TakeShown(),
      (std::vector<std::string>{"error \"Failed to set data for 'HcwSaveEncoderSettings'\""}));
  EXPECT_EQ(driver.Property("Form1.Save", "Enabled"), "true");
}

}  // namespace
}  // namespace quellon::scenario
