#pragma once
// The values of the "Wintv2k" page: settings of the TV viewing application.

#include "settings/keys.h"
#include "settings/stored_value.h"

namespace quellon::settings::wintv2k {

// The software decoder is on unless the viewer says otherwise.
inline constexpr BoxValue kPlayLocal{{keys::kTvWnd, "TV_Out_PlayLocal"},
                                     {&CheckedWhenOneOrMissing, &OneOrZero}};
inline constexpr BoxValue kLivePreview{{keys::kTvWnd, "LivePreview"}, kOneOrZero};
// A stored code ticks "Force Country" and fills its box; unticked, a save deletes the value.
inline constexpr Value kCountryCode{keys::kTvWndCountry, "AllChannelsCountryCode"};
// Values other than 0 and 1 are not the viewer's; the box keeps what it shows.
inline constexpr BoxValue kSlipChannelChange{{keys::kPreferencesSlip, "Allow_SlipChannelChange"},
                                             {&OnWhenOneOffWhenZeroOrMissing, &OneOrZero}};
inline constexpr Value kLiveFileName{keys::kTvWnd, "LiveFileName", Type::Text};
inline constexpr SliderValue kAnimateStep{{keys::kPreferences, "Animate_Step"}, kSame};
inline constexpr Value kSnapshotWidth{keys::kPreferences, "SnapshotWidth"};
inline constexpr Value kSnapshotHeight{keys::kPreferences, "SnapshotHeight"};

}  // namespace quellon::settings::wintv2k
