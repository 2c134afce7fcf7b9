#include "ui/win32/drop_down_win32.h"

#include <algorithm>
#include <string>

#include "base/win32/handles_win32.h"

namespace quellon::ui::win32 {
namespace {

std::string ItemText(HWND box, int index) {
  const auto length = SendMessageA(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length <= 0) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const auto copied = SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                   reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

// The widest item text in the box's own font.
int WidestItem(HWND box, int count) {
  quellon::win32::WindowDC dc(box);
  if (!dc) return 0;
  const auto font = reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0));
  dc.Select(font ? font : GetStockObject(SYSTEM_FONT));
  int widest = 0;
  for (int i = 0; i < count; ++i) {
    const std::string text = ItemText(box, i);
    SIZE size{};
    if (GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size))
      widest = std::max(widest, static_cast<int>(size.cx));
  }
  return widest;
}

}  // namespace

void FitDroppedWidth(HWND box, int list_height) {
  const auto count = static_cast<int>(SendMessageA(box, CB_GETCOUNT, 0, 0));
  if (count < 0) return;
  // The list's frame, a little room either side of the text, and a scroll bar when the items do
  // not all fit the list's height.
  const int frame = 2 * GetSystemMetrics(SM_CXBORDER);
  const int margins = 2 * GetSystemMetrics(SM_CXEDGE);
  const auto item_height = static_cast<int>(SendMessageA(box, CB_GETITEMHEIGHT, 0, 0));
  const bool scrolls = item_height > 0 && count * item_height > list_height - frame;
  int width = WidestItem(box, count) + margins + frame;
  if (scrolls) width += GetSystemMetrics(SM_CXVSCROLL);
  RECT closed{};
  GetWindowRect(box, &closed);
  width = std::max(width, static_cast<int>(closed.right - closed.left));
  SendMessageA(box, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(width), 0);
}

}  // namespace quellon::ui::win32
