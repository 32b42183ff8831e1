#pragma once

#include "OvCoordSystem/vectors/I_VectorToolsReal.h"

#include <QObject>

namespace vectors {
class DemAnalyser;
}

// The geographic tool (tool kinds 6, 7 and 8): WKT of EPSG codes, the coordinate-system
// catalogues, coordinate conversion between EPSG systems, raster reprojection and elevation
// analysis.
class OVCOORD_EXPORT I_GEOTools : public QObject, public I_VectorToolsReal
{
    Q_OBJECT
public:
    explicit I_GEOTools(QObject* parent = nullptr);
    ~I_GEOTools() override;

    // The WKT (GDAL's default form) of an EPSG code; codes that only ESRI numbers, such as 54004
    // World Mercator, are found too. Empty for a code GDAL does not know.
    QString getWktByEpsg(int epsg) override;
    // KIND 0 Gauss-Krueger (DATUM 0 Beijing 1954, 1 Xian 1980, 2 CGCS 2000; ZONEWIDTH 3 or
    // else 6; ZONENUMBERS names zones by number instead of central meridian), 1 world
    // projections, 2 WGS 84 UTM (northern zones when NORTH is set), 3 geographic systems; other
    // kinds or datums give an empty catalogue.
    QMap<int, QString> getCoordSysCatalog(
        int kind, int datum, bool zoneNumbers, int zoneWidth, bool north) override;
    // Through OGR; longitude or easting is x on both sides.
    bool convertCoordinates(int sourceEpsg, int targetEpsg, QVector<double>& xs,
        QVector<double>& ys, const QVector<QPointF>& points) override;
    // Prepares GDAL for raster work (the vector drivers' options are left alone).
    void initEnvironment() override;
    void setObserver(I_VectorToolObserver* observer) override;
    // Stops a running elevation analysis.
    void cancel() override;
    // Warps a raster GDAL can read into a GeoTIFF at TARGETPATH in the system of TARGETEPSG
    // (nearest neighbour); false when the source cannot be read, the code is unknown or the
    // file cannot be written.
    bool reprojectRaster(
        const QString& sourcePath, const QString& targetPath, int targetEpsg) override;
    // The two systems, their EPSG codes where the system has one (WGS 84 geographic 4326, Web
    // Mercator 3857), and reprojection when they differ.
    VectorCoordParameters defaultCoordParameters(int sourceCoordSys, int targetCoordSys) override;
    // Runs the analysis on a worker thread and waits for it in a local event loop; progress goes
    // to the observer.
    void analyzeDem(const QVector<double>& elevations, double* statistics) override;

public slots:
    void onComplete(int percent);
    void onErr(const QString& message);

private:
    I_VectorToolObserver* m_observer = nullptr;
    vectors::DemAnalyser* m_analyser = nullptr; // while analyzeDem runs
};
