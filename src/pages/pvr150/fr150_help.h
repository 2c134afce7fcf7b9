#pragma once
// The help texts of the "150/500" page, one per row and option.

#include "pages/help_entry.h"

namespace quellon {

// The entry of setting row 1 to 10 (row 9 is the hidden motion-blur row).
HelpEntry Fr150RowHelp(int row);
const HelpEntry& SetFilterHelp();
const HelpEntry& SetWintv2kProcampHelp();

}  // namespace quellon
