#include "OvCoordSystem/vectors/IGDALWriterStream.h"

#include <cpl_string.h>
#include <gdal_priv.h>
#include <ogr_spatialref.h>

namespace vectors {

IGDALWriterStream::IGDALWriterStream() = default;

IGDALWriterStream::~IGDALWriterStream()
{
    if (m_dataset) GDALClose(m_dataset);
    if (m_spatialReference) m_spatialReference->Release();
    CSLDestroy(m_layerOptions);
}

} // namespace vectors
