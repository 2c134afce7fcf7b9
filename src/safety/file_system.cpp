#include "safety/file_system.h"

#include <chrono>
#include <string>

namespace quellon {

LocalTime AddSeconds(const LocalTime& time, long long seconds) {
  using namespace std::chrono;
  const sys_days day = year_month_day(year(time.year), month(static_cast<unsigned>(time.month)),
                                      std::chrono::day(static_cast<unsigned>(time.day)));
  const sys_seconds then =
      day + hours(time.hour) + minutes(time.minute) + std::chrono::seconds(time.second + seconds);
  const sys_days then_day = floor<days>(then);
  const year_month_day date(then_day);
  const hh_mm_ss clock(then - then_day);
  return {static_cast<int>(date.year()),
          static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day())),
          static_cast<int>(clock.hours().count()),
          static_cast<int>(clock.minutes().count()),
          static_cast<int>(clock.seconds().count())};
}

const std::error_category& FileCategory() {
  class Category : public std::error_category {
   public:
    const char* name() const noexcept override { return "files"; }
    std::string message(int code) const override { return "Windows error " + std::to_string(code); }
  };
  static const Category category;
  return category;
}

FileError::FileError(const std::string& action, const std::string& path, const std::string& reason,
                     std::uint32_t code)
    : StatusError(static_cast<int>(code), FileCategory(),
                  "Cannot " + action + " \"" + path + "\": " + reason),
      path_(path) {}

FileError LinkRefused(const std::string& action, const std::string& path) {
  constexpr std::uint32_t kReparsePointEncountered = 4395;  // ERROR_REPARSE_POINT_ENCOUNTERED
  return FileError(action, path,
                   "It is a link to another place (a junction or symbolic link), which Quellon "
                   "does not follow.",
                   kReparsePointEncountered);
}

}  // namespace quellon
