#include "devices/sys_dev_enum.h"

namespace quellon {

std::string CutFriendlyName(std::string name) {
  if (name.size() > kMaxFriendlyName) name.resize(kMaxFriendlyName);
  return name;
}

TSysDevEnum::TSysDevEnum(DeviceSystem& system) : system_(system) {
  categories_ = Enumerate(kActiveMovieCategories);
}

std::vector<DeviceEntry> TSysDevEnum::Enumerate(const Guid& category) {
  std::vector<DeviceEntry> entries;
  for (const DeviceProperties& p : system_.EnumerateCategory(category)) {
    DeviceEntry e;
    if (p.friendly_name) e.FriendlyName = CutFriendlyName(*p.friendly_name);
    if (p.clsid) e.CLSID = system_.ClsidFromString(*p.clsid);
    entries.push_back(std::move(e));
  }
  return entries;
}

void TSysDevEnum::LoadCategory(const Guid& category) {
  current_ = category;
  filters_.clear();
  filters_ = Enumerate(category);
}

void TSysDevEnum::LoadCategoryAt(int i) {
  LoadCategory(CategoryAt(i).CLSID);
}

std::unique_ptr<DeviceMoniker> TSysDevEnum::FilterMonikerAt(int i) {
  if (i < 0 || i >= FilterCount()) return nullptr;
  return system_.MonikerAt(current_, i);
}

}  // namespace quellon
