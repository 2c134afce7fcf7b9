#include "ui/win32/fonts_win32.h"

#include "ui/win32/screen_win32.h"

namespace quellon::ui::win32 {

FontSet::FontSet(int dpi) : dpi_(dpi) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    base_ = metrics.lfMessageFont;
  } else {
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof base_, &base_);
  }
  // The system's font is sized for the system's DPI; a window drawn smaller to fit its screen
  // shrinks it alike.
  const int system_dpi = SystemDpi();
  if (dpi_ != system_dpi) base_.lfHeight = MulDiv(base_.lfHeight, dpi_, system_dpi);
}

HFONT FontSet::Get(bool bold, bool italic, int point_size) {
  const auto key = std::make_tuple(bold, italic, point_size);
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second.get();
  LOGFONTA lf = base_;
  lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = italic ? TRUE : FALSE;
  if (point_size > 0) lf.lfHeight = -MulDiv(point_size, dpi_, 72);
  HFONT font = CreateFontIndirectA(&lf);
  if (!font) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  return fonts_.emplace(key, quellon::win32::UniqueFont(font)).first->second.get();
}

}  // namespace quellon::ui::win32
