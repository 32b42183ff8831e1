#include "OvCoordSystem/vectors/I_VectorToolsReal.h"

#include "OvCoordSystem/vectors/GdalEnvironment_p.h"
#include "OvCoordSystem/vectors/I_VectorToolObserver.h"

I_VectorToolObserver::~I_VectorToolObserver() = default;

I_VectorTools::~I_VectorTools() = default;

I_VectorToolsReal::I_VectorToolsReal()
{
    vectors::initGdalEnvironment(vectors::GdalVectorMode);
}

I_VectorToolsReal::~I_VectorToolsReal() = default;

void I_VectorToolsReal::writeLayers(const QVector<VectorLayerData>&, const VectorWriteOptions&) { }

void I_VectorToolsReal::writeLayer(const VectorLayerData&, const VectorWriteOptions&) { }

QString I_VectorToolsReal::getWktByEpsg(int)
{
    return QString();
}

QMap<int, QString> I_VectorToolsReal::getCoordSysCatalog(int, int, bool, int, bool)
{
    return QMap<int, QString>();
}

bool I_VectorToolsReal::convertCoordinates(
    int, int, QVector<double>& xs, QVector<double>& ys, const QVector<QPointF>&)
{
    xs.clear();
    ys.clear();
    return false;
}

void I_VectorToolsReal::initEnvironment() { }

QVariantMap I_VectorToolsReal::readFileInfo(const QString&)
{
    return QVariantMap();
}

void I_VectorToolsReal::setObserver(I_VectorToolObserver*) { }

void I_VectorToolsReal::cancel() { }

QVector<VectorLayerData> I_VectorToolsReal::readLayers(const VectorReadOptions&)
{
    return QVector<VectorLayerData>();
}

bool I_VectorToolsReal::transformData(QVector<VectorLayerData>&, const VectorCoordParameters&)
{
    return false;
}

bool I_VectorToolsReal::transformFile(const QString&, const QString&, const VectorCoordParameters&)
{
    return false;
}

bool I_VectorToolsReal::transformRasterFile(const QString&, const QString&, int)
{
    return false;
}

bool I_VectorToolsReal::reprojectRaster(const QString&, const QString&, int)
{
    return false;
}

bool I_VectorToolsReal::cutVector(const QString&, const QString&, const QVector<VectorPointList>&)
{
    return false;
}

VectorCoordParameters I_VectorToolsReal::defaultCoordParameters(int, int)
{
    return VectorCoordParameters();
}

void I_VectorToolsReal::analyzeDem(const QVector<double>&, double*) { }

bool I_VectorToolsReal::cutRaster(const QString&, const QString&, const VectorPointList&)
{
    return false;
}
