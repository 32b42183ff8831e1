#pragma once

#include <string>

// What the division search knows of a division besides its boundary.
struct tagDivisionInfo
{
    std::string code; // six digits (see tagAdCode)
    std::string name; // GB18030, like every string the host modules hand out
    int level = 0; // 1 province, 2 city, 3 county
    std::string parent; // the code of the division above; empty for a province
};
