#pragma once
// The rows of the "Wintv2k" page, in the order the loader and the saver visit them (their steps),
// byte for byte as the panel shows their help (Windows-1252). Bounds are in the group box's client
// coordinates; rows lie about 26 pixels apart, captions on the left, the value controls from
// x = 184, the save boxes in one column under "Save setting".

#include "pages/box_row.h"
#include "pages/help_entry.h"
#include "pages/slider_row.h"
#include "pages/table_check.h"
#include "settings/wintv2k_values.h"

namespace quellon::wintv2k {

inline constexpr int kPageWidth = 480;  // the group box fills the page
inline constexpr int kPageHeight = 364;

// The slider rows; they have no unit labels.
inline constexpr RowColumns kColumns{16, 164, 6, 184, 136, 326, 50, 1, 0, 424, 3};
inline constexpr int kSaveColumn = kColumns.save_left;
inline constexpr int kValueColumn = kColumns.slider_left;

// A setting that is itself a check box: its caption stands left of it, its save box in the
// column. The pointer over either, or the focus in either, shows its help; leaving either sets its
// own caption normal.
constexpr BoxDef Option(int step, const char* box, const char* caption, const char* save, int top,
                        HelpEntry help, const settings::BoxValue* value, unsigned reacts) {
  return {.step = step,
          .box_name = box,
          .caption = caption,
          .save_name = save,
          .box_bounds = {16, top, 188, 17},
          .save_bounds = {kSaveColumn, top, 17, 17},
          .help = help,
          .value = value,
          .reacts = kSaveFocus | kPointer | kExitUnbolds | reacts};
}

// A click on the software decoder or its save box shows its help as well.
inline constexpr BoxDef kSoftwareDecoder = Option(
    1, "Softdec", "Software Decoder", "softDecCheck", 78,
    FixedHelp("Software decoder",
              "This setting enables/disables the software decoder\rThis will stop display on "
              "monitor, but will not effect the output of the 350s tv-out \r\rSetting only applies "
              "to Pvr models"),
    &settings::wintv2k::kPlayLocal, kClick | kClickSave);

inline constexpr BoxDef kLivePreview = Option(
    2, "livepreview", "Live preview", "livepreviewCheck", 104,
    FixedHelp("Live preview",
              "This setting enables/disables live preview mode\rThis will bypass the decoder and "
              "result in a 0 sec image delay as well as faster chanel change. Very useful if you "
              "plan to hook up your gameconsole. \r\rSetting only applies to Pvr models"),
    &settings::wintv2k::kLivePreview, 0);

// Step 3, the forced country code, is a row of its own (CountryCodeRow).
inline constexpr int kCountryCodeStep = 3;
inline constexpr HelpEntry kCountryCodeHelp = FixedHelp(
    "Force Country Code",
    "This setting forces a specific country code\r\rThis trick can be useful for those experience "
    "a lack of sound in wintv2k (or some third party software)\r\rForcing a country code can help "
    "if you have different windows region/language settings then the country you are in "
    "has\r\rSetting only applies to various models\r\rRange: numeric, (country codes)\rfor "
    "example : 1=USA, 31=Netherlands, 44=UK, 49=Germany");

inline constexpr BoxDef kTimeshiftChannelChange = Option(
    4, "pausechannel", "Timeshift Channel Change", "pausechannelCheck", 140,
    FixedHelp("Channel Change in Timeshift / Pause mode",
              "This setting will allow channel change while in timeshift mode.\r\rIt might be that "
              "upon each channel change wintv2k will rewind to the beginning of the timeshift "
              "buffer. Not a big problem since you can simply skip to the end by pressing the "
              "appropriate button."),
    &settings::wintv2k::kSlipChannelChange, 0);

// Step 5, the LiveTV buffer file, is a row of its own (BufferPathRow).
inline constexpr int kBufferPathStep = 5;
inline constexpr HelpEntry kBufferPathHelp = FixedHelp(
    "Change path of wintv2k LiveTV buffer file",
    "You can change the path of the temporary livetv file. This can improve performance especially "
    "if you have a separate partion / drive that is less fragmented or a drive that is faster then "
    "your c: drive.\rYou can for example make a ramdrive to wich you can then change the path to, "
    "in this way you don\x92t use the harddisk all the time anymore (look on google to find free "
    "ramdrive programs).");

// The remark after the range opens a parenthesis that the text never closes; the panel shows it
// that way. The save box has no exit action: its caption stays bold until another help action or
// the row's exit resets it.
inline constexpr SliderDef kDropSpeed{
    .step = 6,
    .number = 1,
    .caption_name = "Label2",
    .caption = "Record/Pause Drop Speed",
    .min = 0,
    .max = 128,
    .design = 6,
    .bounds = kColumns.At(166),
    .help = RangedHelp("Record/Pause dropdown speed",
                       "This will shorten the time it takes for the pause/record dropdown box to "
                       "appear and therefore shorten the time its takes for Pause/Record to "
                       "activate\r\rRange: ",
                       " (higher values represent higher dropdown speed, so quicker record/pause "
                       "activation\r\rNote: if the record/pause box doesn\x92t appear, lower the "
                       "setting"),
    .value = &settings::wintv2k::kAnimateStep,
    .reacts = kSaveFocus | kHover};

// Step 7, the snapshot size, is a row of its own (SnapshotRow).
inline constexpr int kSnapshotStep = 7;
inline constexpr HelpEntry kSnapshotHelp = FixedHelp(
    "Change Snapshot resolution",
    "With this setting you can change the resolution of snapshots in wintv2k\r\rThis trick can be "
    "useful for PAL users since the available options dont include PAL resolutions\r\rPlease not "
    "that after you apply this patch you shouldnt open the snapshot res dialog since that resets "
    "the values\r\rUsage: Appluy setting,  and then press the spacebar in wintv2k to make a "
    "snapshot");

// Brightness, contrast and saturation rows: part of the page, never shown, so never focused,
// loaded or saved.
constexpr SliderDef Hidden(int number, const char* caption_name, const char* caption, int top) {
  return UnusedPictureRow(number, caption_name, caption, kColumns.At(top), true);
}
inline constexpr SliderDef kHiddenBrightness = Hidden(5, "Label7", "Brightness", 276);
inline constexpr SliderDef kHiddenContrast = Hidden(6, "Label8", "Contrast", 302);
inline constexpr SliderDef kHiddenSaturation = Hidden(7, "Label9", "Saturation", 328);

// The rows written as code (wintv2k_rows.h) take part with their steps.
static_assert(PageTableFault({StepOnly(kCountryCodeStep), Summary(kSoftwareDecoder),
                              Summary(kLivePreview), Summary(kTimeshiftChannelChange),
                              StepOnly(kBufferPathStep), Summary(kDropSpeed),
                              StepOnly(kSnapshotStep), Summary(kHiddenBrightness),
                              Summary(kHiddenContrast), Summary(kHiddenSaturation)},
                             kPageWidth, kPageHeight) == TableFault::kNone);

}  // namespace quellon::wintv2k
