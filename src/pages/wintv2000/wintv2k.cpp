#include "pages/wintv2000/wintv2k.h"

namespace quellon {

TWintv2k::TWintv2k(ui::Control* parent, PageHost& host) : Page("FrameWintv2k", parent, host) {
  SetBounds({0, 0, wintv2k::kPageWidth, wintv2k::kPageHeight});
  GroupBox1.SetBounds({0, 0, wintv2k::kPageWidth, wintv2k::kPageHeight});
  GroupBox1.SetCaption("Wintv2000");
  Label1.SetCaption("Save setting");
  Label1.SetBounds({388, 18, 84, 13});
  Bevel1.SetBounds({8, 68, 464, 2});
  Bevel2.SetBounds({8, 130, 464, 2});
  Bevel3.SetBounds({8, 230, 464, 2});
}

}  // namespace quellon
