#pragma once

class QTextCodec;

namespace vectors {

// Text encoding codes of the writer streams.
enum TextEncoding
{
    Utf8Encoding = 0,
    Latin1Encoding = 1,
    SystemEncoding = 2,
    Local8BitEncoding = 3
};

// The codec of the attribute text and field names a GDAL stream hands to a layer that stores the
// bytes as it gets them: UTF-8 for code 0, Latin-1 for 1, the system codec for 2, and for 3
// GB18030, whose bytes the layers' "ENCODING=CP936" declares.
QTextCodec* gdalTextCodec(int code);

// The codec of a text file: UTF-8 for code 0, Latin-1 for 1, the system codec for 2 and the
// local 8-bit code page for every other code.
QTextCodec* fileTextCodec(int code);

} // namespace vectors
