#pragma once

#include "OvCoordSystem/vectors/I_VectorTools.h"

// The default body of every tool operation: nothing done, empty results. Constructing it prepares
// GDAL's vector drivers.
class OVCOORD_EXPORT I_VectorToolsReal : public I_VectorTools
{
public:
    I_VectorToolsReal();

    void writeLayers(
        const QVector<VectorLayerData>& layers, const VectorWriteOptions& options) override;
    void writeLayer(const VectorLayerData& layer, const VectorWriteOptions& options) override;
    QString getWktByEpsg(int epsg) override;
    QMap<int, QString> getCoordSysCatalog(
        int kind, int datum, bool zoneNumbers, int zoneWidth, bool north) override;
    // Clears XS and YS and returns false.
    bool convertCoordinates(int sourceEpsg, int targetEpsg, QVector<double>& xs,
        QVector<double>& ys, const QVector<QPointF>& points) override;
    void initEnvironment() override;
    QVariantMap readFileInfo(const QString& path) override;
    void setObserver(I_VectorToolObserver* observer) override;
    void cancel() override;
    QVector<VectorLayerData> readLayers(const VectorReadOptions& options) override;
    bool transformData(
        QVector<VectorLayerData>& layers, const VectorCoordParameters& parameters) override;
    bool transformFile(const QString& sourcePath, const QString& targetPath,
        const VectorCoordParameters& parameters) override;
    bool transformRasterFile(
        const QString& sourcePath, const QString& targetPath, int targetEpsg) override;
    bool reprojectRaster(
        const QString& sourcePath, const QString& targetPath, int targetEpsg) override;
    bool cutVector(const QString& sourcePath, const QString& targetPath,
        const QVector<VectorPointList>& clipPolygons) override;
    // A record holding its default values.
    VectorCoordParameters defaultCoordParameters(int sourceCoordSys, int targetCoordSys) override;
    void analyzeDem(const QVector<double>& elevations, double* statistics) override;
    bool cutRaster(const QString& sourcePath, const QString& targetPath,
        const VectorPointList& cutline) override;
    ~I_VectorToolsReal() override;
};
