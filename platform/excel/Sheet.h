#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

namespace libxl {

// One worksheet of a Book. Rows and columns count from 0; an .xls sheet has 65536 rows and
// 256 columns. Writing a cell again replaces its value. A failed write leaves the sheet as it
// was, answers false and leaves the reason in the book's errorMessage().
class OVPLATFORM_EXPORT Sheet
{
public:
    // Writes a text cell (at most 32767 UTF-16 units; null is refused). An empty text leaves
    // the cell empty, as Excel does. GDAL's XLS reader (libfreexl) reads only texts of up to
    // 8221 UTF-16 units, or 16444 when every character is Latin-1.
    virtual bool writeStr(int row, int col, const wchar_t* value) = 0;
    // Writes a number cell; NaN and infinities are refused, Excel cannot store them.
    virtual bool writeNum(int row, int col, double value) = 0;

protected:
    virtual ~Sheet() = default; // sheets belong to their book
};

} // namespace libxl
