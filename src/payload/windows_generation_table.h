// The Windows generation (0, 1, 5, 6, 7, 8, 10, 11) of a version number and service-pack text.
#pragma once

#include <string_view>

namespace lp {

// Classifies a Windows version: 11 and 10 by build number from major 10 on, 8/7/6 by minor
// version for majors 6 to 9, 5 for 5.1 and later with "Service Pack 3", 1 for other 5.x from
// 5.1 on, 0 for anything older.
int ClassifyWindowsGeneration(unsigned long major, unsigned long minor, unsigned long build,
                              std::wstring_view servicePack);

}  // namespace lp
