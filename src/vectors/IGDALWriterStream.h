#pragma once

#include "OvCoordSystem/vectors/IWriterStream.h"

#include <QMap>

class GDALDataset;
class OGRSpatialReference;

namespace vectors {

// A writer stream onto a GDAL/OGR dataset. The dataset is owned and closed by close(); layers
// belong to the dataset.
class OVCOORD_EXPORT IGDALWriterStream : public IWriterStream
{
public:
    IGDALWriterStream();
    ~IGDALWriterStream() override;

    // Creates the current layer named NAME (the complete base name of the path when empty), with
    // the spatial reference of the target side when reprojecting, of the source side otherwise.
    virtual bool createLayer(const QString& name) = 0;
    // Adds a layer creation option NAME=VALUE; false for a null name or value. Without any, layers
    // are created with "ENCODING=CP936".
    virtual bool setLayerOption(const char* name, const char* value) = 0;

    GDALDataset* dataset() const { return m_dataset; }
    OGRLayer* currentLayer() const { return m_layer; }

protected:
    GDALDataset* m_dataset = nullptr;
    OGRLayer* m_layer = nullptr; // owned by the dataset
    OGRSpatialReference* m_spatialReference = nullptr; // attached to created layers
    char** m_layerOptions = nullptr; // GDAL name=value list
    QMap<QString, OGRLayer*> m_folderLayers; // made by createFolderLayer, owned by the dataset
};

} // namespace vectors
