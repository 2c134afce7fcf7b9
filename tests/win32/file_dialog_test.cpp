// The system's file dialogs behind Platform::ChooseFile, answered as a user would: a name typed
// into the save dialog comes back as a full path with the file type's extension added, an existing
// file chosen in the open dialog comes back as it is, and Cancel gives nothing.

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "ui/win32/file_dialogs_win32.h"

namespace quellon {
namespace {

// What the user does in the dialog of this title: types `name` and presses OK, or cancels.
struct UserAnswer {
  std::string title;
  std::optional<std::string> name;
  bool answered = false;
  int ticks_since = 0;
};
UserAnswer* g_answer = nullptr;

void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR, DWORD) {
  const HWND dialog = FindWindowA(nullptr, g_answer->title.c_str());
  if (!dialog || !IsWindowVisible(dialog)) return;
  if (g_answer->answered) {
    // Still up two seconds after the answer: it did not take, and the test ends with a failure
    // rather than waiting for ever.
    if (++g_answer->ticks_since == 40) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return;
  }
  g_answer->answered = true;
  if (g_answer->name) {
    SendMessageA(dialog, CDM_SETCONTROLTEXT, cmb13,
                 reinterpret_cast<LPARAM>(g_answer->name->c_str()));
  }
  PostMessageA(dialog, WM_COMMAND, g_answer->name ? IDOK : IDCANCEL, 0);
}

std::optional<std::string> Choose(bool save, std::optional<std::string> typed) {
  UserAnswer answer{save ? "Export to .reg file" : "Import from .reg file", std::move(typed)};
  g_answer = &answer;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, &AnswerDialog);
  const auto chosen = ui::ChooseFileWin32(
      nullptr, {save, answer.title, "Registration files (*.reg)", "*.reg", "reg"});
  KillTimer(nullptr, timer);
  g_answer = nullptr;
  EXPECT_TRUE(answer.answered) << answer.title;
  return chosen;
}

TEST(FileDialogs, GiveTheChosenFileWithItsExtensionOrNothing) {
  char temp[MAX_PATH] = {};
  ASSERT_NE(0u, GetTempPathA(sizeof temp, temp));
  const std::string folder =
      std::string(temp) + "quellon-dialog-" + std::to_string(GetCurrentProcessId());
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  const std::string file = folder + "\\settings.reg";

  EXPECT_EQ(Choose(true, folder + "\\settings"), file);
  const HANDLE made = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(made, INVALID_HANDLE_VALUE);
  CloseHandle(made);
  EXPECT_EQ(Choose(false, file), file);
  EXPECT_EQ(Choose(false, std::nullopt), std::nullopt);

  DeleteFileA(file.c_str());
  RemoveDirectoryA(folder.c_str());
}

}  // namespace
}  // namespace quellon
