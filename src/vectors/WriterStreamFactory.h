#pragma once

#include "OvCoordSystem/OvGlobal.h"

#include <QString>

namespace vectors {

class IWriterStream;

// The stream family of a path's suffix (compared without case).
enum WriterFormat
{
    GdalFormat = 0, // every suffix not named below: a GDAL/OGR dataset
    TextFormat = 1, // "TXT", "DAT", "CSV", "XLS"
    GpxFormat = 2 // "GPX"
};
OVCOORD_EXPORT int writerFormatCode(const QString& path);

// The GDAL driver that writes files with PATH's suffix: "ESRI Shapefile" (SHP), "DXF", "LIBKML"
// (KML, KMZ), "GPX", "MapInfo File" (TAB, MIF), "XLSX", "OGR_GMT" (GMT), "GEOJSON"; empty for
// any other suffix.
OVCOORD_EXPORT QString gdalDriverName(const QString& path);

// The text encoding code of PATH's format: 0 (UTF-8) for KML, KMZ, GPX, GMT, DXF and GEOJSON,
// 3 (the local 8-bit code page) for every other suffix.
OVCOORD_EXPORT int textEncodingCode(const QString& path);

// A new stream for PATH: TextWriter for TXT, CSV and DAT, ExcelWriter for XLS, GPXWriter for
// GPX, GDALWriter for everything else. Never null.
OVCOORD_EXPORT IWriterStream* createWriterStream(const QString& path);

// The stream held in the slot of PATH's family (text: TXT, DAT, CSV, XLS; GDAL: all others),
// created and stored there when the slot is empty. The slot keeps the stream across writes.
OVCOORD_EXPORT IWriterStream* sharedWriterStream(const QString& path);

// Destroys STREAM and empties both slots, destroying the streams they held. A stream already
// destroyed this way, or null, is ignored, so a pointer from sharedWriterStream may still be
// handed in afterwards; it must not be used any more.
OVCOORD_EXPORT void releaseWriterStream(IWriterStream* stream);

} // namespace vectors
