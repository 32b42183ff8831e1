#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"
#include "OvCoordSystem/excel/Sheet.h"

namespace libxl {

// An Excel 97-2003 (.xls, BIFF8) workbook built in memory and saved in one go. Failures answer
// false or null and leave an English reason in errorMessage() ("ok" when the last call worked).
class OVPLATFORM_EXPORT Book
{
public:
    // Appends a worksheet; null when the name is empty, longer than 31 characters, contains
    // one of : \ / ? * [ ], starts or ends with an apostrophe, or names an existing sheet
    // (ignoring case). The book owns the sheet.
    virtual Sheet* addSheet(const wchar_t* name) = 0;
    virtual Sheet* getSheet(int index) const = 0;
    virtual int sheetCount() const = 0;
    // Writes the workbook to filename; an existing file is replaced only once the new one is
    // complete. A book without sheets is not saved (Excel cannot open one).
    virtual bool save(const wchar_t* filename) = 0;
    virtual const char* errorMessage() const = 0;
    // Destroys the book and its sheets.
    virtual void release() = 0;

protected:
    virtual ~Book() = default;
};

} // namespace libxl

// Creates an empty .xls workbook; release it with release(). Null only when memory runs out.
OVPLATFORM_EXPORT libxl::Book* xlCreateBookW();
