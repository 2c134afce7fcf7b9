#include "app/profile_settings.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "app/form1.h"
#include "app/profile_text.h"
#include "app/profile_values.h"
#include "pages/number_format.h"
#include "pages/wintv2000/buffer_path.h"

namespace quellon {
namespace {

namespace pv = profile_values;

// The longest path the buffer file may have: the system's limit on a path, without its zero.
constexpr std::size_t kLongestPath = 259;

std::string Quoted(std::string_view value) {
  return "\"" + std::string(value) + "\" ";
}

// A slider row: a whole number, or a half-step value, within the slider's range.
class SliderSetting : public ProfileSetting {
 public:
  SliderSetting(std::string section, int rank, SliderRow& row)
      : ProfileSetting(std::move(section), row.caption.caption(), rank), row_(row) {}

  std::optional<std::string> Shown() const override { return Format(row_.slider.position()); }

  std::string Fault(std::string_view value) const override {
    const std::optional<int> position = Position(value);
    if (position && *position >= row_.slider.min() && *position <= row_.slider.max()) return "";
    const std::string range =
        "from " + Format(row_.slider.min()) + " to " + Format(row_.slider.max());
    return Quoted(value) + (halves() ? "is not a number " + range + " in steps of 0.5"
                                     : "is not a whole number " + range);
  }

  void Fill(std::string_view value) override {
    row_.slider.SetPosition(*Position(value));
    row_.FillEditBox();
    row_.save.SetChecked(true);
  }

 private:
  bool halves() const { return row_.def().kind == RowKind::HalfStep; }
  std::optional<int> Position(std::string_view value) const {
    return halves() ? pv::Halves(value) : pv::WholeNumber(value);
  }
  std::string Format(int position) const {
    return halves() ? pv::FormatHalves(position) : std::to_string(position);
  }

  SliderRow& row_;
};

// A setting that is a check box, with its save box; or an option, without one.
class BoxSetting : public ProfileSetting {
 public:
  BoxSetting(std::string section, int rank, BoxRow& row)
      : ProfileSetting(std::move(section), row.box.caption(), rank), row_(row) {}

  bool option() const override { return row_.SaveBox() == nullptr; }
  std::optional<std::string> Shown() const override { return pv::FormatOnOff(row_.box.checked()); }
  std::string Fault(std::string_view value) const override {
    return pv::OnOff(value) ? "" : Quoted(value) + "is not on or off";
  }
  void Fill(std::string_view value) override {
    row_.box.SetChecked(*pv::OnOff(value));
    if (ui::CheckBox* save = row_.SaveBox()) save->SetChecked(true);
  }

 private:
  BoxRow& row_;
};

// "Force Country": off, or the code that is forced.
class CountrySetting : public ProfileSetting {
 public:
  CountrySetting(std::string section, int rank, CountryCodeRow& row)
      : ProfileSetting(std::move(section), row.ForceCountry.caption(), rank), row_(row) {}

  std::optional<std::string> Shown() const override {
    if (!row_.ForceCountry.checked()) return "off";
    const std::optional<int> code = pv::Digits(row_.ForceCountryEdit.text());
    return code ? std::optional<std::string>(std::to_string(*code)) : std::nullopt;
  }
  std::string Fault(std::string_view value) const override {
    if (pv::OnOff(value) == false || pv::Digits(value)) return "";
    return Quoted(value) + "is not off or a country code (digits)";
  }
  // The window deletes the code when "Force Country" is unticked and its save box ticked; the save
  // box takes a tick only beside a code, and without one there is nothing to delete.
  void Fill(std::string_view value) override {
    const std::optional<int> code = pv::Digits(value);
    row_.ForceCountry.SetChecked(code.has_value());
    if (code) row_.ForceCountryEdit.SetText(std::to_string(*code));
    if (!row_.ForceCountryEdit.text().empty()) row_.ForceCountryCheck.SetChecked(true);
  }

 private:
  CountryCodeRow& row_;
};

// "LiveTV buffer location": the full path of the buffer file.
class BufferPathSetting : public ProfileSetting {
 public:
  BufferPathSetting(std::string section, int rank, BufferPathRow& row)
      : ProfileSetting(std::move(section), row.Label3.caption(), rank), row_(row) {}

  std::optional<std::string> Shown() const override {
    const std::string& path = row_.LiveDir.text();
    return Fault(path).empty() ? std::optional<std::string>(path) : std::nullopt;
  }
  std::string Fault(std::string_view value) const override {
    const std::string path(value);
    const bool plain =
        std::ranges::none_of(path, [](unsigned char c) { return c < 0x20 || c == 0x7F; });
    if (plain && path.size() <= kLongestPath && !buffer_path::FolderPart(path).empty() &&
        !buffer_path::FileNamePart(path).empty())
      return "";
    return Quoted(value) + "is not the full path of a file";
  }
  void Fill(std::string_view value) override {
    row_.LiveDir.SetText(std::string(value));
    row_.LiveDirCheck.SetChecked(true);
  }

 private:
  BufferPathRow& row_;
};

// "Snapshot resolution": WIDTH:HEIGHT, as the page shows the two boxes.
class SnapshotSetting : public ProfileSetting {
 public:
  SnapshotSetting(std::string section, int rank, SnapshotRow& row)
      : ProfileSetting(std::move(section), row.Label4.caption(), rank), row_(row) {}

  std::optional<std::string> Shown() const override {
    const auto width = pv::Digits(row_.Hres.text());
    const auto height = pv::Digits(row_.VRes.text());
    if (!width || !height) return std::nullopt;
    return std::to_string(*width) + ":" + std::to_string(*height);
  }
  std::string Fault(std::string_view value) const override {
    return Size(value) ? "" : Quoted(value) + "is not WIDTH:HEIGHT (digits)";
  }
  void Fill(std::string_view value) override {
    const auto [width, height] = *Size(value);
    row_.Hres.SetText(std::to_string(width));
    row_.VRes.SetText(std::to_string(height));
    row_.SnapResCheck.SetChecked(true);
  }

 private:
  static std::optional<std::pair<int, int>> Size(std::string_view value) {
    const std::size_t colon = value.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const auto trim = [](std::string_view t) {
      while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
      while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
      return t;
    };
    const auto width = pv::Digits(trim(value.substr(0, colon)));
    const auto height = pv::Digits(trim(value.substr(colon + 1)));
    if (!width || !height) return std::nullopt;
    return std::pair{*width, *height};
  }

  SnapshotRow& row_;
};

// The row's setting, or none for a row a profile does not carry: one the save does not visit, or
// an option that acts on devices.
std::unique_ptr<ProfileSetting> SettingOf(const std::string& section, int rank, Row& row) {
  if (row.step() == 0 || dynamic_cast<TFr150::SetFilterRow*>(&row)) return nullptr;
  if (auto* slider = dynamic_cast<SliderRow*>(&row))
    return std::make_unique<SliderSetting>(section, rank, *slider);
  if (auto* box = dynamic_cast<BoxRow*>(&row))
    return std::make_unique<BoxSetting>(section, rank, *box);
  if (auto* country = dynamic_cast<CountryCodeRow*>(&row))
    return std::make_unique<CountrySetting>(section, rank, *country);
  if (auto* path = dynamic_cast<BufferPathRow*>(&row))
    return std::make_unique<BufferPathSetting>(section, rank, *path);
  if (auto* snapshot = dynamic_cast<SnapshotRow*>(&row))
    return std::make_unique<SnapshotSetting>(section, rank, *snapshot);
  throw std::logic_error("a saved row that no profile setting describes");
}

}  // namespace

ProfileSettings SettingsOf(TForm1& form) {
  const std::array<Page*, 4> order = form.PagesInOrder();
  ProfileSettings settings;
  const std::vector<std::string>& tabs = form.TabControl1.tabs();
  for (int tab = 0; tab < static_cast<int>(tabs.size()); ++tab) {
    Page* page = form.PageAt(tab);
    if (!page) continue;
    const int page_rank = static_cast<int>(std::ranges::find(order, page) - order.begin());
    std::set<std::string> names;
    for (Row* row : page->rows()) {
      auto setting = SettingOf(tabs[tab], page_rank * 1000 + row->step(), *row);
      if (!setting) continue;
      if (!names.insert(setting->name()).second)
        throw std::logic_error(tabs[tab] + " has two settings named " + setting->name());
      settings.push_back(std::move(setting));
    }
  }
  return settings;
}

}  // namespace quellon
