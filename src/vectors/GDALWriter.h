#pragma once

#include "vectors/IGDALWriterStream.h"

#include <QByteArray>
#include <QVector>

class OGRFeatureDefn;

namespace vectors {

// Writes features into a GDAL/OGR dataset whose driver is chosen by the path's suffix
// (Shapefile, DXF, MapInfo, GMT, GeoJSON, ...). An existing file of the same name is deleted
// before the dataset is created.
class OVCOORD_EXPORT GDALWriter : public IGDALWriterStream
{
public:
    GDALWriter();
    ~GDALWriter() override;

    bool writeFeatureToLayer(VCTFeature& feature, OGRLayer* layer) override;
    bool writeFeature(VCTFeature& feature) override;
    bool copyFeature(OGRFeature* feature, OGRLayer* layer) override;
    bool copyFeatureWithLabel(OGRFeature* feature) override;
    bool open() override;
    void close() override;
    void copyFields(OGRLayer* layer) override;
    bool createDataset(const QString& path) override;
    OGRLayer* createFolderLayer(const QString& name) override;
    bool createLayer(const QString& name) override;
    bool setLayerOption(const char* name, const char* value) override;

protected:
    // The bytes GDAL receives for attribute text and field names of this stream's encoding:
    // UTF-8 for code 0 (the drivers of those formats take UTF-8), GB18030 otherwise (the code
    // page the layers declare with ENCODING=CP936).
    QByteArray encodeText(const QString& text) const;
    // Creates the stream's fields on LAYER; a field that cannot be created is logged and skipped.
    void createFields(OGRLayer* layer);
    // Creates a layer of DATASET; null (with the error text) on failure.
    OGRLayer* makeLayer(const QString& name, int geometryType, char** options);
    // Copies FEATURE's fields, style and geometry (reprojected when asked) into a new feature of
    // LAYER; STYLE, when not null, replaces the style string.
    bool copyInto(OGRFeature* feature, OGRLayer* layer, const QByteArray* style);
    // Fills FEATURE's attributes, style and geometry from SOURCE; false when the geometry cannot
    // be reprojected. KEEPZ keeps the third dimension.
    bool fillFeature(OGRFeature& feature, VCTFeature& source, bool keepZ);
    // Creates FEATURE in LAYER; false (with the error text) when the driver refuses it.
    bool createIn(OGRLayer* layer, OGRFeature* feature);

private:
    // The attribute name of each field of the layer definition, decoded once per layer.
    const QVector<QString>& fieldNames(OGRFeatureDefn* definition);
    OGRFeatureDefn* m_namesFor = nullptr;
    QVector<QString> m_fieldNames;
    // WGS 84, assigned to every written geometry; made on first use.
    OGRSpatialReference* m_wgs84 = nullptr;
};

} // namespace vectors
