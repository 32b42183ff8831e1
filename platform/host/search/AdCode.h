#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <string>

// An administrative division code of GB/T 2260: six digits, two for the province, two for the
// city within it and two for the county within the city; trailing "00" pairs stand for the
// division above the county: "110000" Beijing, "460300" Sansha (a city), "110105" a district.
struct OVPLATFORM_EXPORT tagAdCode
{
    // The six digits; empty when the text was not a division code.
    std::string code;
    // 1 province (xx0000), 2 city (xxxx00), 3 county; 0 when the text was not a division code.
    int level = 0;

    tagAdCode() = default;
    // Takes exactly six ASCII digits whose province pair is not "00"; anything else (empty,
    // shorter, longer, other characters) gives level 0 and an empty code.
    explicit tagAdCode(const std::string& text);

    // The code of the province the division lies in (its own code for a province); empty at
    // level 0.
    std::string GetProvinceCode() const;
    // The code of the city the division lies in (its own code for a city); empty for a
    // province and at level 0.
    std::string GetCityCode() const;
};
