// The checks every page table passes at compile time, on tables that break them.

#include <gtest/gtest.h>

#include "pages/pvr150/fr150_table.h"
#include "pages/table_check.h"

namespace quellon {
namespace {

TEST(PageTableCheck, RefusesSharedStepsNumbersAndNamesAndRowsOffThePage) {
  using namespace fr150;
  const auto sound = [](const SliderDef& extra) {
    return PageTableIsSound({Summary(kTunerVolume), Summary(kAutoGain), Summary(extra)}, kPageWidth,
                            kPageHeight);
  };
  EXPECT_TRUE(sound(kMotionBlur));

  SliderDef copy = kMotionBlur;
  copy.step = kTunerVolume.step;
  EXPECT_FALSE(sound(copy)) << "a step twice";
  copy = kMotionBlur;
  copy.number = kTunerVolume.number;
  EXPECT_FALSE(sound(copy)) << "a control number twice";
  copy = kMotionBlur;
  copy.caption_name = kAutoGain.save_name;
  EXPECT_FALSE(sound(copy)) << "a name of another row";
  copy = kMotionBlur;
  copy.unit_name = copy.caption_name;
  EXPECT_FALSE(sound(copy)) << "a name twice in one row";
  copy = kMotionBlur;
  copy.bounds.save.left = kPageWidth - copy.bounds.save.width + 1;
  EXPECT_FALSE(sound(copy)) << "past the right edge";
  copy = kMotionBlur;
  copy.bounds.caption.top = -1;
  EXPECT_FALSE(sound(copy)) << "above the page";
}

}  // namespace
}  // namespace quellon
