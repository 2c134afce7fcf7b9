// The checks every page table passes at compile time, on tables that break them.

#include <gtest/gtest.h>

#include "pages/pvr150/fr150_table.h"
#include "pages/table_check.h"

namespace quellon {
namespace {

TEST(PageTableCheck, RefusesSharedStepsNumbersAndNamesAndRowsOffThePage) {
  using namespace fr150;
  const auto fault = [](const SliderDef& extra) {
    return PageTableFault({Summary(kTunerVolume), Summary(kAutoGain), Summary(extra)}, kPageWidth,
                          kPageHeight);
  };
  EXPECT_EQ(fault(kMotionBlur), TableFault::kNone);

  SliderDef copy = kMotionBlur;
  copy.step = kTunerVolume.step;
  EXPECT_EQ(fault(copy), TableFault::kStepTwice);
  copy = kMotionBlur;
  copy.number = kTunerVolume.number;
  EXPECT_EQ(fault(copy), TableFault::kNumberTwice);
  copy = kMotionBlur;
  copy.caption_name = kAutoGain.save_name;
  EXPECT_EQ(fault(copy), TableFault::kNameTwice) << "a name of another row";
  copy = kMotionBlur;
  copy.unit_name = copy.caption_name;
  EXPECT_EQ(fault(copy), TableFault::kNameTwice) << "a name twice in one row";
  copy = kMotionBlur;
  copy.bounds.save.left = kPageWidth - copy.bounds.save.width + 1;
  EXPECT_EQ(fault(copy), TableFault::kOutsidePage) << "past the right edge";
  copy = kMotionBlur;
  copy.bounds.caption.top = -1;
  EXPECT_EQ(fault(copy), TableFault::kOutsidePage) << "above the page";
}

}  // namespace
}  // namespace quellon
