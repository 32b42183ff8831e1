#include "OvCoordSystem/vectors/IWriterStream.h"

#include "OvCoordSystem/vectors/Reprojection.h"

#include <QFileInfo>

namespace vectors {

IWriterStream::IWriterStream() = default;

IWriterStream::~IWriterStream() = default;

OGRErr IWriterStream::reprojectGeometry(OGRGeometry* geometry)
{
    if (!m_reprojector)
        m_reprojector.reset(
            new GeometryReprojector(m_parameters.coordParameters, m_parameters.falseEasting));
    return m_reprojector->reproject(geometry);
}

bool IWriterStream::writeFeatureToLayer(VCTFeature&, OGRLayer*)
{
    return false;
}

bool IWriterStream::copyFeature(OGRFeature*, OGRLayer*)
{
    return false;
}

void IWriterStream::setParameters(const WriterParameters& parameters)
{
    m_parameters = parameters;
    m_suffix = QFileInfo(parameters.path).suffix().toUpper();
    m_reprojector.reset();
}

void IWriterStream::setReproject(bool reproject)
{
    m_reproject = reproject;
}

void IWriterStream::setEncoding(int code)
{
    m_encoding = code;
}

void IWriterStream::setFields(const QList<WriterField>& fields)
{
    m_fields = fields;
}

void IWriterStream::copyFields(OGRLayer*) { }

bool IWriterStream::createDataset(const QString&)
{
    return false;
}

OGRLayer* IWriterStream::createFolderLayer(const QString&)
{
    return nullptr;
}

int IWriterStream::reserved() const
{
    return 0;
}

} // namespace vectors
