#include "pages/wintv2000/wintv2k_help.h"

namespace quellon::wintv2k_help {

// The remark after the range opens a parenthesis that the text never closes; the panel shows it
// that way.
HelpEntry RecordPauseSpeed() {
  return HelpEntry::Range(
      "Record/Pause dropdown speed",
      "This will shorten the time it takes for the pause/record dropdown box to appear and "
      "therefore shorten the time its takes for Pause/Record to activate\r\rRange: ",
      " (higher values represent higher dropdown speed, so quicker record/pause activation"
      "\r\r"
      "Note: if the record/pause box doesn\x92t appear, lower the setting");
}

HelpEntry SoftwareDecoder() {
  return HelpEntry::Fixed(
      "Software decoder",
      "This setting enables/disables the software decoder\rThis will stop display on monitor, but "
      "will not effect the output of the 350s tv-out \r\rSetting only applies to Pvr models");
}

HelpEntry LivePreview() {
  return HelpEntry::Fixed(
      "Live preview",
      "This setting enables/disables live preview mode\rThis will bypass the decoder and result in "
      "a 0 sec image delay as well as faster chanel change. Very useful if you plan to hook up "
      "your gameconsole. \r\rSetting only applies to Pvr models");
}

HelpEntry ForceCountry() {
  return HelpEntry::Fixed(
      "Force Country Code",
      "This setting forces a specific country code\r\rThis trick can be useful for those "
      "experience a lack of sound in wintv2k (or some third party software)\r\rForcing a country "
      "code can help if you have different windows region/language settings then the country you "
      "are in has\r\rSetting only applies to various models\r\rRange: numeric, (country "
      "codes)\rfor example : 1=USA, 31=Netherlands, 44=UK, 49=Germany");
}

HelpEntry SnapshotResolution() {
  return HelpEntry::Fixed(
      "Change Snapshot resolution",
      "With this setting you can change the resolution of snapshots in wintv2k\r\rThis trick can "
      "be useful for PAL users since the available options dont include PAL resolutions\r\rPlease "
      "not that after you apply this patch you shouldnt open the snapshot res dialog since that "
      "resets the values\r\rUsage: Appluy setting,  and then press the spacebar in wintv2k to "
      "make a snapshot");
}

HelpEntry TimeshiftChannelChange() {
  return HelpEntry::Fixed(
      "Channel Change in Timeshift / Pause mode",
      "This setting will allow channel change while in timeshift mode.\r\rIt might be that upon "
      "each channel change wintv2k will rewind to the beginning of the timeshift buffer. Not a "
      "big problem since you can simply skip to the end by pressing the appropriate button.");
}

HelpEntry LiveBuffer() {
  return HelpEntry::Fixed(
      "Change path of wintv2k LiveTV buffer file",
      "You can change the path of the temporary livetv file. This can improve performance "
      "especially if you have a separate partion / drive that is less fragmented or a drive that "
      "is faster then your c: drive.\rYou can for example make a ramdrive to wich you can then "
      "change the path to, in this way you don\x92t use the harddisk all the time anymore (look "
      "on google to find free ramdrive programs).");
}

}  // namespace quellon::wintv2k_help
