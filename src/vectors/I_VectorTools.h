#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/vectors/VectorCoordParameters.h"
#include "OvCoordSystem/vectors/VectorLayerData.h"
#include "OvCoordSystem/vectors/VectorPointList.h"
#include "OvCoordSystem/vectors/VectorReadOptions.h"
#include "OvCoordSystem/vectors/VectorWriteOptions.h"

#include <QMap>
#include <QPointF>
#include <QString>
#include <QVariantMap>
#include <QVector>

class I_VectorToolObserver;

// The one interface of every toolkit tool. Tools come from createVectorTool and go back through
// releaseVectorTool; a tool serves one operation. A tool answers only the operations of its kind:
// the others do nothing and return an empty result (see I_VectorToolsReal).
class OVCOORD_EXPORT I_VectorTools
{
public:
    // Writes LAYERS to OPTIONS.path; the suffix selects the format.
    virtual void writeLayers(
        const QVector<VectorLayerData>& layers, const VectorWriteOptions& options)
        = 0;
    // Writes one layer to OPTIONS.path.
    virtual void writeLayer(const VectorLayerData& layer, const VectorWriteOptions& options) = 0;
    // The WKT of an EPSG code; empty when GDAL does not know the code.
    virtual QString getWktByEpsg(int epsg) = 0;
    // EPSG code -> display name of the systems of one catalogue; see I_GEOTools.
    virtual QMap<int, QString> getCoordSysCatalog(
        int kind, int datum, bool zoneNumbers, int zoneWidth, bool north)
        = 0;
    // Converts POINTS from the system of one EPSG code to another into XS and YS (cleared first);
    // false when the conversion cannot be made.
    virtual bool convertCoordinates(int sourceEpsg, int targetEpsg, QVector<double>& xs,
        QVector<double>& ys, const QVector<QPointF>& points)
        = 0;
    // Prepares GDAL for raster work.
    virtual void initEnvironment() = 0;
    // Facts about a vector file (layers, feature counts, ...).
    virtual QVariantMap readFileInfo(const QString& path) = 0;
    // The tool reports progress to OBSERVER (not owned) from now on; null stops the reports.
    virtual void setObserver(I_VectorToolObserver* observer) = 0;
    // Asks a running worker to stop.
    virtual void cancel() = 0;
    virtual QVector<VectorLayerData> readLayers(const VectorReadOptions& options) = 0;
    // Reprojects LAYERS in place from the source to the target system of PARAMETERS.
    virtual bool transformData(
        QVector<VectorLayerData>& layers, const VectorCoordParameters& parameters)
        = 0;
    // Reprojects a vector file into TARGETPATH.
    virtual bool transformFile(const QString& sourcePath, const QString& targetPath,
        const VectorCoordParameters& parameters)
        = 0;
    // Reprojects a raster file into TARGETPATH in the system of an EPSG code.
    virtual bool transformRasterFile(
        const QString& sourcePath, const QString& targetPath, int targetEpsg)
        = 0;
    virtual bool reprojectRaster(
        const QString& sourcePath, const QString& targetPath, int targetEpsg)
        = 0;
    // Clips a vector file by CLIPPOLYGONS into TARGETPATH.
    virtual bool cutVector(const QString& sourcePath, const QString& targetPath,
        const QVector<VectorPointList>& clipPolygons)
        = 0;
    // A coordinate-parameter record for writing from SOURCECOORDSYS to TARGETCOORDSYS
    // (VECTOR_COORDSYS values).
    virtual VectorCoordParameters defaultCoordParameters(int sourceCoordSys, int targetCoordSys)
        = 0;
    // Analyses a grid of ELEVATIONS (metres; NaN for no data) and writes the minimum, maximum and
    // mean into the three doubles of STATISTICS, which stay untouched when there is nothing to
    // analyse.
    virtual void analyzeDem(const QVector<double>& elevations, double* statistics) = 0;
    // Cuts a raster file along CUTLINE into TARGETPATH.
    virtual bool cutRaster(
        const QString& sourcePath, const QString& targetPath, const VectorPointList& cutline)
        = 0;
    virtual ~I_VectorTools();
};
