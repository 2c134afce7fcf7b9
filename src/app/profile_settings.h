#pragma once
// The settings a profile names: one per row of the window's pages that the save writes, named by
// its page's tab and its caption, with its value as the page's value box shows it. Made from a
// main window's own rows, so that the names, ranges and conversions are the window's, listed once.
// The options that act on devices ("Set Capture Filter") are none of them.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quellon {

class TForm1;

class ProfileSetting {
 public:
  ProfileSetting(std::string section, std::string name, int save_rank)
      : section_(std::move(section)), name_(std::move(name)), save_rank_(save_rank) {}
  virtual ~ProfileSetting() = default;
  ProfileSetting(const ProfileSetting&) = delete;
  ProfileSetting& operator=(const ProfileSetting&) = delete;

  const std::string& section() const { return section_; }
  const std::string& name() const { return name_; }
  // Where the save visits the row: a later rank saves after an earlier one.
  int save_rank() const { return save_rank_; }
  // An option steers the save but stores nothing of its own and has no save box.
  virtual bool option() const { return false; }

  // The value as the page shows it now; nothing when it shows none a save would write.
  virtual std::optional<std::string> Shown() const = 0;
  // Why a profile's value cannot be taken ("is not a whole number from 0 to 7"); empty when it can.
  virtual std::string Fault(std::string_view value) const = 0;
  // Puts a value Fault accepted into the row and ticks the row's save box.
  virtual void Fill(std::string_view value) = 0;

 private:
  std::string section_;
  std::string name_;
  int save_rank_;
};

using ProfileSettings = std::vector<std::unique_ptr<ProfileSetting>>;

// The settings of the form's pages: the pages in the order of their tabs, within a page the rows
// in the order the window shows them.
ProfileSettings SettingsOf(TForm1& form);

}  // namespace quellon
