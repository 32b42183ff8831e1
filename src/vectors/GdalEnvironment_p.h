#pragma once

namespace vectors {

enum GdalEnvironmentMode
{
    GdalVectorMode = 0, // also (re)sets the vector drivers' options
    GdalRasterMode = 1 // leaves the vector drivers' options as they are
};

// Prepares GDAL once per process: the first call registers every driver, points GDAL_DATA at
// "data" under the current directory when that folder exists, reads file names in the local
// 8-bit encoding and sends GDAL's debug log to "vuzudur.log" under the current directory. In
// GdalVectorMode every call then sets the vector drivers' options (Shapefile text unrecoded, DXF
// in UTF-8 without hatches, LIBKML without doc.kml, with external styles keyed "highlight").
// Not guarded against two first calls at once: the first tool is made on one thread.
void initGdalEnvironment(int mode);

} // namespace vectors
