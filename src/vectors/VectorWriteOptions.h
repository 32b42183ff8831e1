#pragma once

#include "OvCoordSystem/vectors/VectorCoordParameters.h"
#include "OvCoordSystem/vectors/VectorPointList.h"

#include <QString>
#include <QVector>

// How the vector writer writes: the output file, text-format options, clipping and coordinate
// systems.
struct VectorWriteOptions
{
    // Positions in textOptions with a fixed meaning.
    enum TextOption
    {
        TextDelimiter = 5, // TXT/CSV delimiter: 0 ",", 1 tab, 2 " ", 3 ":", 4 ";"
        TextDatSeparator = 6, // DAT separator line: 0 a line holding " ", otherwise an empty line
        TextOptionCount = 9
    };

    QString path; // the output file; its suffix selects the format
    // After a successful write, show the file in the system file browser.
    bool openFolderAfterWrite = true;
    // Passed to the writer stream; see TextOption.
    int textOptions[TextOptionCount] = { -1, -1, -1, -1, -1, 0, 1, 0, 3 };
    bool clip = false; // clip the features with clipPolygons before writing
    QVector<VectorPointList> clipPolygons;
    VectorCoordParameters coordParameters;
    // KML and KMZ text: 0 declared "gb2312" with GB18030 bytes (what Google Earth reads), 1 UTF-8
    // (what GDAL's expat-based KML readers, and so QGIS, accept).
    int kmlEncoding = 0;
};
