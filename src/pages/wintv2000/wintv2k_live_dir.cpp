// The LiveTV buffer location row. The LiveDir text is the full path of the buffer file; the user
// changes only its folder, and the file name stays the one the viewer was last configured with.

#include "pages/wintv2000/buffer_path.h"
#include "pages/wintv2000/wintv2k.h"

namespace quellon {
namespace {

// The file name the edited path keeps: the loaded one. With nothing loaded (a fresh machine, or a
// stored path that ends in a folder) the name already in the box is kept instead of dropping it.
std::string KeptFileName(const std::string& loaded, const std::string& current) {
  const std::string name = buffer_path::FileNamePart(loaded);
  return name.empty() ? buffer_path::FileNamePart(current) : name;
}

}  // namespace

void TWintv2k::LiveDirBtnClick() {
  const auto folder = host().app().platform().BrowseForFolder("LiveTV bufferfile location");
  if (!folder || folder->empty()) return;
  // The browser gives a folder without its trailing backslash; joined with the kept file name the
  // box again holds a whole file path, which the exit rule and the save expect.
  LiveDir.SetText(buffer_path::Join(*folder, KeptFileName(LoadedLiveDir, LiveDir.text())));
}

void TWintv2k::LiveDirExit() {
  FontsNormal();
  const std::string text = LiveDir.text();
  const std::string folder = buffer_path::FolderPart(text);
  if (host().app().platform().FolderExists(folder)) {
    LiveDir.SetText(folder + KeptFileName(LoadedLiveDir, text));
    return;
  }
  host().app().platform().ShowMessage("\"" + text + "\" is not a valid directory");
  LiveDir.SetText(LoadedLiveDir);
  LiveDirCheck.SetChecked(false);
}

}  // namespace quellon
