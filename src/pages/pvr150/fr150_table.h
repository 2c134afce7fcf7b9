#pragma once
// The rows of the "150/500" page, in the order the loader and the saver visit them (their steps):
// what each shows, where it sits, how it reacts, its help, and the value it is stored as. The
// group box's coordinates, Tahoma 8pt at 96 DPI: the rows, 26 pixels apart, read caption, slider,
// value box, unit, save box, the save boxes in one column under their heading.

#include "pages/box_row.h"
#include "pages/shared_help.h"
#include "pages/slider_row.h"
#include "pages/table_check.h"
#include "settings/pvr150_values.h"

namespace quellon::fr150 {

inline constexpr RowColumns kColumns{8, 120, 5, 132, 150, 288, 50, 2, 342, 436, 4};
inline constexpr int kCaptionLeft = kColumns.caption_left;
inline constexpr int kSaveLeft = kColumns.save_left;
inline constexpr int kRuleWidth = 472;
inline constexpr int kPageWidth = 488;

// Row tops: the slider's top edge; the other controls of a row are centred on it.
inline constexpr int kRowStep = 26;
inline constexpr int kTunerTop = 30;
inline constexpr int kLeftTop = kTunerTop + kRowStep;
inline constexpr int kLinkTop = kLeftTop + kRowStep;
inline constexpr int kRightTop = kLinkTop + kRowStep;
inline constexpr int kAutoGainTop = kRightTop + kRowStep;
inline constexpr int kTargetTop = kAutoGainTop + kRowStep;
inline constexpr int kPictureRuleTop = kTargetTop + 32;
inline constexpr int kPictureTop = kPictureRuleTop + 26;  // brightness; then contrast, ...
inline constexpr int kOptionsRuleTop = kPictureTop + 5 * kRowStep + 6;
inline constexpr int kOptionsTop = kOptionsRuleTop + 8;
inline constexpr int kButtonTop = kOptionsTop + 26;
inline constexpr int kMotionBlurTop = kButtonTop + 34;
inline constexpr int kPageHeight = kMotionBlurTop + 34;

// A check box whose caption stands left of the box, as the page's options do.
constexpr ui::Rect Option(int left, int width, int top) {
  return {left, top + 4, width, 17};
}

inline constexpr unsigned kRowReacts = kSaveFocus | kHover;

inline constexpr SliderDef kTunerVolume{.step = 1,
                                        .number = 1,
                                        .caption_name = "Label2",
                                        .caption = "Volume-Tuner",
                                        .unit_name = "Label1",
                                        .min = -114,
                                        .max = 12,
                                        .design = 0,
                                        .bounds = kColumns.At(kTunerTop),
                                        .help = kTunerVolumeHelp,
                                        .value = &settings::pvr150::kTunerVolume,
                                        .reacts = kRowReacts | kSliderMove};

inline constexpr SliderDef kLineInLeft{
    .step = 2,
    .number = 3,
    .caption_name = "Label5",
    .caption = "Volume-Line in (L)",
    .unit_name = "Label6",
    .min = -206,
    .max = 48,
    .design = -12,
    .kind = RowKind::HalfStep,
    .bounds = kColumns.At(kLeftTop),
    .help = RangedHelp("Recording volume Line-in (Left)",
                       "This setting changes the volume of the left channel of the line-in, in "
                       "wintv2k (and some third party applications).\r\rRange: ",
                       "dB,  0.5 dB steps\r\rIf \"Channels Linked\" is checked, this setting also "
                       "applies to the volume of the right channel\rCurrently Channels Linked "
                       "cannot be disabled"),
    .value = &settings::pvr150::kLineInLeft,
    .reacts = kRowReacts | kSliderMove};

// While linked, moving the left channel drags the right one along; the right channel's own
// value, loaded next, then overrides that.
inline constexpr SliderDef kLineInRight{
    .step = 3,
    .number = 4,
    .caption_name = "Label7",
    .caption = "Volume-Line in (R)",
    .unit_name = "Label8",
    .min = -206,
    .max = 48,
    .design = -12,
    .kind = RowKind::HalfStep,
    .bounds = kColumns.At(kRightTop),
    .help = RangedHelp("Recording volume Line-in (Right)",
                       "This setting changes the volume of the right channel of the line-in, in "
                       "wintv2k (and some third party applications).\r\rRange: ",
                       "dB,  0.5 dB steps"),
    .value = &settings::pvr150::kLineInRight,
    .reacts = kRowReacts | kSliderMove};

// No help of its own: entering it only makes its caption bold.
inline constexpr BoxDef kAutoGain{.step = 4,
                                  .box_name = "AutoGain",
                                  .caption = "Automatic Gain",
                                  .save_name = "AGCSave",
                                  .box_bounds = Option(kCaptionLeft, 112, kAutoGainTop),
                                  .save_bounds = Option(kSaveLeft, 17, kAutoGainTop),
                                  .design_checked = true,
                                  .value = &settings::pvr150::kAutoGain,
                                  .reacts = kSaveFocus | kHover | kExitResets};

inline constexpr SliderDef kAgcTarget{
    .step = 5,
    .number = 10,
    .caption_name = "Label14",
    .caption = "AGC Target level",
    .min = -16,
    .max = 0,
    .design = -5,
    .bounds = kColumns.At(kTargetTop),
    .help = RangedHelp("Automatic Gain, Target level",
                       "This setting changes target level of the automatic gain, in wintv2k and "
                       "some third party applications.\r\rRange: ",
                       "\r(values 0 to -3 have the same result, due to limitations of the AGC)"),
    .value = &settings::pvr150::kAgcTarget,
    .reacts = kRowReacts};

// The picture values. The loader's first debug line follows the sharpness; the defaults of the
// "Load and Set Defaults" button are the design positions.
inline constexpr SliderDef kSharpness{
    .step = 6,
    .number = 2,
    .caption_name = "Label4",
    .caption = "Sharpness",
    .min = 0,
    .max = 7,
    .design = 5,
    .bounds = kColumns.At(kPictureTop + 4 * kRowStep),
    .help = FixedHelp("Sharpness",
                      "This setting changes the sharpness of livetv/recordings.\r\rFor clean "
                      "sources a high value is useful, for noisy sources lower values are "
                      "better\r\rRange: 0-7"),
    .value = &settings::pvr150::kSharpness,
    .reacts = kRowReacts,
    .logs_load = true,
    .procamp = ProcampProperty::Sharpness};

inline constexpr SliderDef kBrightness{
    .step = 7,
    .number = 5,
    .caption_name = "Label9",
    .caption = "Brightness",
    .min = -128,
    .max = 128,
    .design = 0,
    .bounds = kColumns.At(kPictureTop),
    .help = RangedHelp("Brightness",
                       "This setting changes the Brightness, in some third party "
                       "applications.\r\rRange: "),
    .value = &settings::pvr150::kBrightness,
    .reacts = kRowReacts,
    .procamp = ProcampProperty::Brightness,
    .wintv2k_copy = &settings::pvr150::kWintv2kBrightness};

inline constexpr SliderDef kContrast{
    .step = 8,
    .number = 6,
    .caption_name = "Label11",
    .caption = "Contrast",
    .min = 0,
    .max = 255,
    .design = 128,
    .bounds = kColumns.At(kPictureTop + kRowStep),
    .help = RangedHelp("Contrast",
                       "This setting changes the Contrast, in some third party "
                       "applications.\r\rRange: "),
    .value = &settings::pvr150::kContrast,
    .reacts = kRowReacts,
    .procamp = ProcampProperty::Contrast,
    .wintv2k_copy = &settings::pvr150::kWintv2kContrast};

inline constexpr SliderDef kSaturation{
    .step = 9,
    .number = 7,
    .caption_name = "Label12",
    .caption = "Saturation",
    .min = 0,
    .max = 255,
    .design = 128,
    .bounds = kColumns.At(kPictureTop + 2 * kRowStep),
    .help = RangedHelp("Saturation",
                       "This setting changes the Saturation, in some third party "
                       "applications.\r\rRange: "),
    .value = &settings::pvr150::kSaturation,
    .reacts = kRowReacts,
    .procamp = ProcampProperty::Saturation,
    .wintv2k_copy = &settings::pvr150::kWintv2kSaturation};

inline constexpr SliderDef kHue{
    .step = 10,
    .number = 8,
    .caption_name = "Label13",
    .caption = "Hue",
    .min = -128,
    .max = 128,
    .design = 0,
    .bounds = kColumns.At(kPictureTop + 3 * kRowStep),
    .help = RangedHelp("Hue",
                       "This setting changes the Hue, in some third party "
                       "applications.\r\rRange: "),
    .value = &settings::pvr150::kHue,
    .reacts = kRowReacts,
    .procamp = ProcampProperty::Hue,
    .wintv2k_copy = &settings::pvr150::kWintv2kHue};

// What a save does with the ticked picture values besides writing them for the driver: push them
// into the capture filters, then write WinTV2000's copies.
inline constexpr BoxDef kSetFilter{
    .step = 11,
    .box_name = "SetFilter",
    .caption = "Set Capture Filter",
    .box_bounds = Option(kCaptionLeft, 120, kOptionsTop),
    .design_checked = true,
    .help = FixedHelp(
        "Set Procamp Settings in Filter",
        "If this setting is checked, all Procamp (Brightness, Contrast, etc) settings that are "
        "being saved are also set in the Capture Filter\rThis change has the effect that not only "
        "MCE 2005, but also some other programs  are affect by changes made, it will also cause "
        "inmidiate changes in current recordings\r\rAlternatively, these procamp settings can "
        "also be changed using the capture filter found on the advanded settings page"),
    .reacts = kHover};

inline constexpr BoxDef kSetWintv2kProcamp{
    .step = 12,
    .box_name = "SetWintv2kProcamp",
    .caption = "Set Wintv2k",
    .box_bounds = Option(kCaptionLeft + 160, 96, kOptionsTop),
    .design_checked = true,
    .help = FixedHelp(
        "Set Procamp Settings in Wintv2k",
        "If this setting is checked, all Procamp (Brightness, Contrast, etc) settings that are "
        "being saved are also set in the Wintv2k Filter\rThis change has the effect that not only "
        "MCE 2005, but also Wintv2k (if wintv2k is not currently active, if it is, select \"Set "
        "Capture Filter\" as well\r\rAlternatively, these procamp settings can also be changed "
        "using the capture filter found on the advanded settings page"),
    .reacts = kHover};

// Hidden: never shown, loaded, saved or hovered.
inline constexpr SliderDef kMotionBlur{
    .number = 9,
    .caption_name = "Label3",
    .caption = "Motion blur",
    .min = 0,
    .max = 8,
    .design = 8,
    .bounds = kColumns.At(kMotionBlurTop),
    .help = RangedHelp("Motion blur",
                       "This setting changes the motion blur, in wintv2k and some third party "
                       "applications.\r\rRange: "),
    .reacts = kSaveFocus,
    .visible = false};

static_assert(PageTableFault({Summary(kTunerVolume), Summary(kLineInLeft), Summary(kLineInRight),
                              Summary(kAutoGain), Summary(kAgcTarget), Summary(kSharpness),
                              Summary(kBrightness), Summary(kContrast), Summary(kSaturation),
                              Summary(kHue), Summary(kSetFilter), Summary(kSetWintv2kProcamp),
                              Summary(kMotionBlur)},
                             kPageWidth, kPageHeight) == TableFault::kNone);

}  // namespace quellon::fr150
