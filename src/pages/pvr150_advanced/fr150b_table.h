#pragma once
// The rows of the "150/500 Advanced" page, in the order the loader and the saver visit them (their
// steps), and the two filter lists. Bounds are in pixels at 96 DPI, in the group box's client
// coordinates. The texts are shown exactly as the driver's users have always read them, slips
// included.

#include "pages/box_row.h"
#include "pages/filter_list_row.h"
#include "pages/slider_row.h"
#include "pages/table_check.h"
#include "settings/pvr150_advanced_values.h"

namespace quellon::fr150b {

// The captions reach as far right as the control beside them allows, so that they keep their last
// letters in bold and under fonts wider than Tahoma 8pt (the system's message font on newer
// systems). Only the empty space to their right becomes part of their hover regions.
inline constexpr int kStaticBoxWidth = 160;        // the box sits at its right end
inline constexpr int kControlLeft = 156;        // sliders and lists, right of the longest caption
inline constexpr int kLevelCaptionWidth = 142;  // up to the slider
inline constexpr int kListCaptionWidth = 140;   // up to the list
inline constexpr int kValueLeft = 312;          // the value boxes, right of the sliders
inline constexpr int kRuleLeft = 373;           // the vertical line in front of the save column
inline constexpr int kSaveLeft = 392;           // the save boxes
// The device lists reach up to their "Open" buttons, which end before the save column: wide
// enough for the lists' headings ("-> Select Capture Source") under the wider system fonts.
inline constexpr int kOpenWidth = 45;
inline constexpr int kListWidth = kSaveLeft - 4 - kOpenWidth - 3 - kControlLeft;

// Rows: the top of each row's tallest control. The "Save setting" heading stands below the
// group box's caption line and above the first row.
inline constexpr int kHeadingTop = 12;
inline constexpr int kStaticTemporalTop = 26;
inline constexpr int kTemporalLevelTop = kStaticTemporalTop + 23;
inline constexpr int kStaticSpatialTop = kTemporalLevelTop + 29;
inline constexpr int kSpatialLevelTop = kStaticSpatialTop + 20;
inline constexpr int kDividerTop = kSpatialLevelTop + 28;  // the line below the filter rows
inline constexpr int kCaptureListTop = kDividerTop + 8;
inline constexpr int kEncoderListTop = kCaptureListTop + 32;
inline constexpr int kGroupHeight = kEncoderListTop + 33;
inline constexpr ui::Rect kGroup{4, 4, 437, kGroupHeight};  // the group box the rows stand in

inline constexpr BoxDef kStaticTemporal{
    .step = 1,
    .box_name = "StatTemp",
    .caption = "Static Temporal Filter",
    .save_name = "StatTempCheck",
    .box_bounds = {10, kStaticTemporalTop, kStaticBoxWidth, 17},
    .save_bounds = {kSaveLeft, kStaticTemporalTop, 17, 17},
    .design_checked = true,
    .help = FixedHelp("Set static or dynamic temporal filtering",
                      "This setting set temporal filtering to static or dynamic.  If static is set "
                      "the level can be set using the setting below\r\rTemporal filtering can be "
                      "used to change the so called Motion Blur"),
    .value = &settings::pvr150_advanced::kIsStaticTemporal,
    .reacts = kSaveFocus | kHover};

inline constexpr SliderDef kTemporalLevel{
    .step = 2,
    .number = 9,
    .caption_name = "Label3",
    .caption = "Temporal Filter (Blur)",
    .min = 0,
    .max = 31,
    .design = 8,
    .bounds = {{12, kTemporalLevelTop + 5, kLevelCaptionWidth, 13},
               {kControlLeft, kTemporalLevelTop, 150, 26},
               {kValueLeft, kTemporalLevelTop + 1, 33, 21},
               {},
               {kSaveLeft, kTemporalLevelTop, 17, 17}},
    .help = RangedHelp("Temporal filtering / Motion blur",
                       "This setting changes the Temporal filtering / Motion blur, in wintv2k and "
                       "some third party applications.\r\rRange: "),
    .value = &settings::pvr150_advanced::kStaticTemporalLevel,
    .reacts = kSaveFocus | kHover,
    .filled = true};

// The save box has no help of its own: focusing it leaves the panel.
inline constexpr BoxDef kStaticSpatial{
    .step = 3,
    .box_name = "StatSpat",
    .caption = "Static Spatial Filter",
    .save_name = "StatSpatCheck",
    .box_bounds = {10, kStaticSpatialTop, kStaticBoxWidth, 17},
    .save_bounds = {kSaveLeft, kStaticSpatialTop, 17, 17},
    .design_checked = true,
    .help = FixedHelp("Set static or dynamic Spatial filtering",
                      "This setting set Spatial filtering to static or dynamic.  If static is set "
                      "the level can be set using the setting below\r"),
    .value = &settings::pvr150_advanced::kIsStaticSpatial,
    .reacts = kHover};

inline constexpr SliderDef kSpatialLevel{
    .step = 4,
    .number = 5,
    .caption_name = "Label9",
    .caption = "Spatial Filter",
    .min = 0,
    .max = 15,
    .design = 0,
    .bounds = {{12, kSpatialLevelTop + 4, kLevelCaptionWidth, 13},
               {kControlLeft, kSpatialLevelTop, 150, 25},
               {kValueLeft, kSpatialLevelTop, 33, 21},
               {},
               {kSaveLeft, kSpatialLevelTop + 4, 17, 17}},
    .help = RangedHelp("Spatial filtering",
                       "This setting changes the Spatial filtering, in wintv2k and some third "
                       "party applications.\r\rRange: "),
    .value = &settings::pvr150_advanced::kStaticSpatialLevel,
    .reacts = kSaveFocus | kHover,
    .filled = true};

inline constexpr FilterListDef kCaptureList{
    .caption_name = "Label15",
    .caption = "Capture settings",
    .list_name = "CaptureBox",
    .button_name = "Button1",
    .save_name = "CaptureBoxCheck",
    .caption_bounds = {12, kCaptureListTop + 4, kListCaptionWidth, 13},
    .list_bounds = {kControlLeft, kCaptureListTop, kListWidth, 21},
    .button_bounds = {kControlLeft + kListWidth + 3, kCaptureListTop, kOpenWidth, 21},
    .save_bounds = {kSaveLeft, kCaptureListTop, 17, 17},
    .kind = DeviceKind::Pvr150Capture,
    .help = FixedHelp(
        "Capture Filter Settings",
        "This opens the Capture Filter dialog, which allows the user to change the capture "
        "settings\r\rPlease note that it Procamp settings (Brightness, contrast, etc) can be "
        "changed without any risk, but chaning anything else is not advised\r\rThese settings are "
        "saved upon reboot\r\rUsage: Select the proper Capture filter, and click the \"Open\" "
        "button")};

inline constexpr FilterListDef kEncoderList{
    .caption_name = "Label16",
    .caption = "Encoder settings",
    .list_name = "EncoderBox",
    .button_name = "Button2",
    .save_name = "EncoderBoxCheck",
    .caption_bounds = {12, kEncoderListTop + 4, kListCaptionWidth, 13},
    .list_bounds = {kControlLeft, kEncoderListTop, kListWidth, 21},
    .button_bounds = {kControlLeft + kListWidth + 3, kEncoderListTop, kOpenWidth, 21},
    .save_bounds = {kSaveLeft, kEncoderListTop, 17, 17},
    .kind = DeviceKind::Pvr150Encoder,
    .help = FixedHelp(
        "Encoder Settings",
        "This opens the Encode Filter dialog, which allows the user to change the encoder "
        "settings\r\rSettings iclude advanced filter setting, like the temporal, spatial and "
        "median filters\r\rThese settings are saved upon reboot\r\rUsage: Select the proper "
        "Encoder filter, and click the \"Open\" button")};

static_assert(PageTableFault({Summary(kStaticTemporal), Summary(kTemporalLevel),
                              Summary(kStaticSpatial), Summary(kSpatialLevel),
                              Summary(kCaptureList), Summary(kEncoderList)},
                             kGroup.width, kGroup.height) == TableFault::kNone);

}  // namespace quellon::fr150b
