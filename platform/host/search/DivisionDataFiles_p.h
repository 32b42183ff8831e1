#pragma once

#include <string>
#include <vector>

// The GeoPackages the division search may read, in order of preference: explicitPath alone when
// given, else the file named by OV_DIVISIONS alone when set, else the bundled file where an
// installed package keeps it (beside the library, beside the program) and in the source tree.
std::vector<std::string> DivisionDataFiles(const std::string& explicitPath);
