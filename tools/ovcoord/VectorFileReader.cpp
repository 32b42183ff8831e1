#include "VectorFileReader.h"

#include "OvCoordSystem/vectors/FeatureGeometry.h"

#include <QFile>
#include <QSet>
#include <QTextCodec>

#include <cpl_conv.h>
#include <cpl_error.h>
#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <memory>

namespace {

constexpr int kMaxDbfWidth = 254;

int recordFieldType(OGRFieldType type)
{
    switch (type) {
    case OFTInteger:
        return VectorLayerData::IntegerField;
    case OFTInteger64:
        return VectorLayerData::Integer64Field;
    case OFTReal:
        return VectorLayerData::RealField;
    default:
        return VectorLayerData::StringField;
    }
}

QVariant fieldValue(OGRFeature& feature, int index, int recordType)
{
    switch (recordType) {
    case VectorLayerData::IntegerField:
        return feature.GetFieldAsInteger(index);
    case VectorLayerData::Integer64Field:
        return static_cast<qlonglong>(feature.GetFieldAsInteger64(index));
    case VectorLayerData::RealField:
        return feature.GetFieldAsDouble(index);
    default:
        return QString::fromUtf8(feature.GetFieldAsString(index));
    }
}

// The library switches Shapefile recoding off for its own writing; reading for the command line
// wants GDAL's default (the .cpg code page to UTF-8) while the file is read.
class DefaultShapeEncoding
{
public:
    DefaultShapeEncoding()
        : m_saved(CPLGetConfigOption("SHAPE_ENCODING", nullptr) ? 1 : 0)
        , m_value(CPLGetConfigOption("SHAPE_ENCODING", ""))
    {
        CPLSetConfigOption("SHAPE_ENCODING", nullptr);
    }
    ~DefaultShapeEncoding()
    {
        CPLSetConfigOption("SHAPE_ENCODING", m_saved ? m_value.constData() : nullptr);
    }
    DefaultShapeEncoding(const DefaultShapeEncoding&) = delete;
    DefaultShapeEncoding& operator=(const DefaultShapeEncoding&) = delete;

private:
    const int m_saved;
    const QByteArray m_value;
};

struct DatasetCloser
{
    void operator()(GDALDataset* dataset) const { GDALClose(dataset); }
};

VectorLayerData readLayer(OGRLayer& source, VectorFileContents& contents)
{
    QTextCodec* gb18030 = QTextCodec::codecForName("GB18030");
    VectorLayerData layer;
    layer.name = QString::fromUtf8(source.GetName());
    OGRFeatureDefn* definition = source.GetLayerDefn();
    QVector<QString> names;
    QVector<int> types;
    int nameField = -1, remarkField = -1;
    for (int i = 0; i < definition->GetFieldCount(); ++i) {
        const OGRFieldDefn* field = definition->GetFieldDefn(i);
        names.append(QString::fromUtf8(field->GetNameRef()));
        types.append(recordFieldType(field->GetType()));
        layer.fieldTypes.insert(names.last(), types.last());
        if (names.last().compare(QLatin1String("NAME"), Qt::CaseInsensitive) == 0) nameField = i;
        if (names.last().compare(QLatin1String("REMARK"), Qt::CaseInsensitive) == 0)
            remarkField = i;
    }

    QSet<int> families;
    source.ResetReading();
    for (std::unique_ptr<OGRFeature> feature(source.GetNextFeature()); feature;
         feature.reset(source.GetNextFeature())) {
        VectorFeatureData record;
        if (!vectors::setFeatureGeometry(record, feature->GetGeometryRef())) {
            ++contents.skippedCount;
            continue;
        }
        for (int i = 0; i < names.size(); ++i) {
            if (!feature->IsFieldSetAndNotNull(i)) continue;
            const QVariant value = fieldValue(*feature, i, types[i]);
            record.attributes.insert(names[i], value);
            if (types[i] == VectorLayerData::StringField) {
                const int width = qMin(gb18030->fromUnicode(value.toString()).size(), kMaxDbfWidth);
                if (width > layer.fieldWidths.value(names[i], 0))
                    layer.fieldWidths.insert(names[i], width);
            }
        }
        if (nameField >= 0) record.name = record.attributes.value(names[nameField]).toString();
        if (remarkField >= 0)
            record.remark = record.attributes.value(names[remarkField]).toString();
        const bool multi = record.geometryType >= VectorFeatureData::MultiPoint;
        families.insert(record.geometryType - (multi ? VectorFeatureData::MultiPoint : 0));
        layer.features.append(record);
        ++contents.featureCount;
    }
    static const int kKindOfFamily[3]
        = { VectorLayerData::Points, VectorLayerData::Lines, VectorLayerData::Polygons };
    layer.kind = families.size() == 1 ? kKindOfFamily[*families.begin()] : VectorLayerData::Mixed;
    return layer;
}

} // namespace

VectorFileContents readVectorFile(const QString& path)
{
    VectorFileContents contents;
    DefaultShapeEncoding shapeEncoding;
    CPLErrorHandlerPusher quiet(CPLQuietErrorHandler);
    CPLErrorReset();
    std::unique_ptr<GDALDataset, DatasetCloser> dataset(
        GDALDataset::Open(QFile::encodeName(path).constData(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
    if (!dataset) {
        const QString reason = QString::fromUtf8(CPLGetLastErrorMsg());
        contents.error
            = reason.isEmpty() ? QStringLiteral("not a vector file GDAL can read") : reason;
        return contents;
    }
    for (int i = 0; i < dataset->GetLayerCount(); ++i)
        contents.layers.append(readLayer(*dataset->GetLayer(i), contents));
    return contents;
}
