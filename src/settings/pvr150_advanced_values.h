#pragma once
// The values of the "150/500 Advanced" page. The driver reads its filter settings from the
// "DriverData" key of every card instance, so all four are on every device instance; the registry
// holds the slider position as it is, and 1 or 0 for a static box.

#include "settings/stored_value.h"

namespace quellon::settings::pvr150_advanced {

// Static is the driver's own default, so a missing value ticks the box. Values other than 0 and 1
// mean nothing to the driver; the box then keeps what it shows.
inline constexpr Flag kStaticFlag{&OnWhenOneOrMissingOffWhenZero, &OneOrZero};

inline constexpr BoxValue kIsStaticTemporal{
    {nullptr, "IsStaticTemporal", Type::Dword, Where::FanOut}, kStaticFlag};
inline constexpr SliderValue kStaticTemporalLevel{
    {nullptr, "StaticTemporalLevel", Type::Dword, Where::FanOut}, kSame};
inline constexpr BoxValue kIsStaticSpatial{{nullptr, "IsStaticSpatial", Type::Dword, Where::FanOut},
                                           kStaticFlag};
inline constexpr SliderValue kStaticSpatialLevel{
    {nullptr, "StaticSpatialLevel", Type::Dword, Where::FanOut}, kSame};

}  // namespace quellon::settings::pvr150_advanced
