#include "OvCoordSystem/host/search/AdCode.h"

#include <algorithm>

tagAdCode::tagAdCode(const std::string& text)
{
    const bool digits = text.size() == 6
        && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits || text.compare(0, 2, "00") == 0) return;
    code = text;
    level = text.compare(2, 4, "0000") == 0 ? 1 : text.compare(4, 2, "00") == 0 ? 2 : 3;
}

std::string tagAdCode::GetProvinceCode() const
{
    return level == 0 ? std::string() : code.substr(0, 2) + "0000";
}

std::string tagAdCode::GetCityCode() const
{
    return level < 2 ? std::string() : code.substr(0, 4) + "00";
}
