#pragma once

#include "OvCoordSystem/vectors/IGDALWriterStream.h"

#include <QByteArray>
#include <QVector>

#include <memory>

class QTextCodec;
class QTextEncoder;

namespace vectors {

class StyleStringCache;

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
    // The codec of the attribute text and field names LAYER receives: UTF-8 when the layer takes
    // UTF-8 (and recodes it into its declared encoding itself), otherwise the codec of the
    // stream's encoding (GB18030 for code 3, the bytes "ENCODING=CP936" declares).
    QTextCodec* layerCodec(OGRLayer* layer) const;
    // Creates the stream's fields on LAYER; a field that cannot be created is logged and skipped.
    void createFields(OGRLayer* layer);
    // Creates a layer of DATASET; null (with the error text) on failure.
    OGRLayer* makeLayer(const QString& name, int geometryType, char** options);
    // Copies FEATURE's fields, style and geometry (reprojected when asked) into a new feature of
    // LAYER; STYLE, when not null, replaces the style string.
    bool copyInto(OGRFeature* feature, OGRLayer* layer, const QByteArray* style);
    // Fills FEATURE, a new feature of LAYER, with SOURCE's attributes, style and geometry; false
    // when the geometry cannot be reprojected. KEEPZ keeps the third dimension.
    bool fillFeature(OGRFeature& feature, VCTFeature& source, OGRLayer* layer, bool keepZ);
    // Creates FEATURE in LAYER; false (with the error text) when the driver refuses it.
    bool createIn(OGRLayer* layer, OGRFeature* feature);

private:
    // The attribute name of each field of LAYER, decoded once per layer.
    const QVector<QString>& fieldNames(OGRLayer* layer);

    OGRLayer* m_namesFor = nullptr;
    QVector<QString> m_fieldNames;
    // Encodes attribute text for the layer of m_fieldNames; keeps its converter between features.
    std::unique_ptr<QTextEncoder> m_textEncoder;
    std::unique_ptr<StyleStringCache> m_styles;
    // WGS 84, assigned to every written geometry; made on first use.
    OGRSpatialReference* m_wgs84 = nullptr;
};

} // namespace vectors
