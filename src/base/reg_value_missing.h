#pragma once
// The marker of a missing integer, RegValueMissing: the debug lines of a load print it for a value
// that was not there. A stored -9999 is the marker itself, and the readers give nothing for it as
// for a missing value. The registry readers and the pages' debug lines share this one name.

namespace quellon {

inline constexpr int RegValueMissing = -9999;

}  // namespace quellon
