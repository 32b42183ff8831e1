#pragma once

#include <QList>
#include <QPolygonF>
#include <QString>

// The host's record of one tile download. The task identity (I_ExportTools::getTaskId) is built
// from the fields up to and including imageType, in this order; the custom-naming fields belong
// to the tile saver.
struct DownloadTask
{
    qint64 createTime = 0; // creation time of the task (milliseconds since the epoch)
    double extent[4] = { 0.0, 0.0, 0.0, 0.0 }; // minimum x, minimum y, maximum x, maximum y
    QString name;
    QList<int> levels; // map levels to download
    int mapType = 0; // ENUM_MAP_TYPE
    int exportType = 0; // EXPORTTYPE: tile layout of the saved store
    QList<QPolygonF> polygons; // the download range, one polygon per part
    int imageType = 0; // E_SAVE_IMAGE_TYPE

    // Custom tile naming.
    QString namingPattern; // "{z}", "{x}" and "{y}" with optional offsets, e.g. "{z-1}/{x}_{y}"
    bool hexadecimal = false; // column and row numbers in hexadecimal
    bool upperCase = false; // hexadecimal letters in upper case
    bool zeroFill = false; // numbers padded with zeros
};
