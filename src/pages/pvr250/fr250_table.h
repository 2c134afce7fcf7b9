#pragma once
// The rows of the "250/350" page in their load and save order (their steps), its capture list,
// and the rows it only shows greyed out, since the driver of this card takes no line-in or picture
// values from the registry. Laid out like the 150/500 page, with columns of its own.

#include "pages/box_row.h"
#include "pages/filter_list_row.h"
#include "pages/shared_help.h"
#include "pages/slider_row.h"
#include "pages/table_check.h"
#include "settings/pvr250_values.h"

namespace quellon::fr250 {

inline constexpr RowColumns kColumns{12, 110, 5, 124, 150, 280, 50, 2, 334, 424, 4};
inline constexpr int kCaptionLeft = kColumns.caption_left;
inline constexpr int kCaptionWidth = kColumns.caption_width;
inline constexpr int kSliderLeft = kColumns.slider_left;
inline constexpr int kSliderWidth = kColumns.slider_width;
inline constexpr int kUnitLeft = kColumns.unit_left;
inline constexpr int kSaveLeft = kColumns.save_left;
inline constexpr int kPageWidth = 480;  // the group box fills the page
inline constexpr int kPageHeight = 320;
inline constexpr int kRuleLeft = 8;
inline constexpr int kRuleWidth = 464;

// Row tops: the slider's top edge; the other controls of a row are centred on it.
inline constexpr int kVolumeTop = 36;
inline constexpr int kLineInTop = 62;
inline constexpr int kClosedCaptionTop = 100;
inline constexpr int kPictureTop = 138;  // brightness; contrast, saturation and hue follow
inline constexpr int kRowStep = 26;
inline constexpr int kSharpnessTop = kPictureTop + 4 * kRowStep;
inline constexpr int kCaptureTop = 282;

// Every slider move shows the row's help, whoever moved the slider (the user, the value box or a
// load). The value and save boxes and the caption have pointer events of their own; the hook
// covers the slider.
inline constexpr unsigned kRowReacts = kSliderMove | kPointer | kHoverSlider;

// The driver's volume keeps two bits of its own, so this row loads and saves by hand (TFr250);
// the loader's second debug line follows its read.
inline constexpr SliderDef kTunerVolume{.step = 1,
                                        .number = 1,
                                        .caption_name = "Label2",
                                        .caption = "Volume-Tuner",
                                        .unit_name = "Label6",
                                        .min = -114,
                                        .max = 12,
                                        .design = 0,
                                        .bounds = kColumns.At(kVolumeTop),
                                        .help = kTunerVolumeHelp,
                                        .reacts = kRowReacts};

inline constexpr SliderDef kSharpness{
    .step = 2,
    .number = 2,
    .caption_name = "Label4",
    .caption = "Sharpness",
    .min = 0,
    .max = 7,
    .design = 5,
    .bounds = kColumns.At(kSharpnessTop),
    .help = FixedHelp("Sharpness",
                      "This setting changes the sharpness of livetv/recordings. For clean sources "
                      "a high value is useful, for noisy sources lower values are better\rRange: "
                      "0-7"),
    .value = &settings::pvr250::kSharpness,
    .reacts = kRowReacts};

// A click toggles the box and shows its help; the load's tick or untick does the same. It saves
// by hand (TFr250): three values.
inline constexpr BoxDef kClosedCaption{
    .step = 3,
    .box_name = "CC",
    .caption = "Closed Caption",
    .save_name = "CCchekc",
    // The caption runs from the caption column to the box, which ends where the sliders begin.
    .box_bounds = {kCaptionLeft, kClosedCaptionTop + 4, kSliderLeft + 17 - kCaptionLeft, 17},
    .save_bounds = {kSaveLeft, kClosedCaptionTop + 4, 17, 17},
    .help = FixedHelp("Closed Caption",
                      "This setting Enables/Disables Closed Caption, in wintv2k and some third "
                      "party applications.\r\rCC is added to all recordings which use the \"dvd\" "
                      "stream type, and to the live tv stream of wintv2k.\rIt also "
                      "enables/disables the viewing of CC in wintv2k"),
    .value = &settings::pvr250::kClosedCaption,
    .reacts = kSaveFocus | kClick | kPointer | kExitUnbolds};

inline constexpr FilterListDef kCaptureList{
    .caption_name = "Label3",
    .caption = "Capture Dialog",
    .list_name = "CaptureBox",
    .button_name = "Button1",
    .caption_bounds = {kCaptionLeft, kCaptureTop + 4, kCaptionWidth, 13},
    .list_bounds = {kSliderLeft, kCaptureTop, kSliderWidth + 56, 21},
    .button_bounds = {kUnitLeft + 6, kCaptureTop - 2, 75, 25},
    .kind = DeviceKind::Pvr250Capture,
    .help = FixedHelp(
        "Capture Filter Settings",
        "This opens the Capture Filter dialog, which allows the user to directly change the "
        "capture settings\r\rPlease note that it Procamp settings (Brightness, contrast, etc) can "
        "be changed without any risk, but chaning anything else is not advised\r\rThese settings "
        "are NOT saved upon reboot\r\rUsage: Select the proper Capture filter, and click the "
        "\"Open\" button")};

// Shown for completeness of the card's controls, never enabled, loaded or saved.
constexpr SliderDef Greyed(int number, const char* caption_name, const char* caption, int top) {
  return UnusedPictureRow(number, caption_name, caption, kColumns.At(top), false);
}
inline constexpr SliderDef kGreyedLineIn{.number = 3,
                                         .caption_name = "Label5",
                                         .caption = "Volume-Line in",
                                         .unit_name = "Label7",
                                         .min = -206,
                                         .max = 48,
                                         .design = -12,
                                         .bounds = kColumns.At(kLineInTop),
                                         .enabled = false};
inline constexpr SliderDef kGreyedBrightness = Greyed(5, "Label9", "Brightness", kPictureTop);
inline constexpr SliderDef kGreyedContrast =
    Greyed(6, "Label11", "Contrast", kPictureTop + kRowStep);
inline constexpr SliderDef kGreyedSaturation =
    Greyed(7, "Label12", "Saturation", kPictureTop + 2 * kRowStep);
inline constexpr SliderDef kGreyedHue = Greyed(8, "Label13", "Hue", kPictureTop + 3 * kRowStep);

static_assert(PageTableFault({Summary(kTunerVolume), Summary(kSharpness), Summary(kClosedCaption),
                              Summary(kCaptureList), Summary(kGreyedLineIn),
                              Summary(kGreyedBrightness), Summary(kGreyedContrast),
                              Summary(kGreyedSaturation), Summary(kGreyedHue)},
                             kPageWidth, kPageHeight) == TableFault::kNone);

}  // namespace quellon::fr250
