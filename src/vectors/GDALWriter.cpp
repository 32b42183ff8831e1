#include "OvCoordSystem/vectors/GDALWriter.h"

#include "OvCoordSystem/geodesy/GdalImport.h"
#include "OvCoordSystem/vectors/WriterErrors_p.h"

#include "OvCoordSystem/vectors/Reprojection.h"
#include "OvCoordSystem/vectors/StyleStrings_p.h"
#include "OvCoordSystem/vectors/VCTFeature.h"
#include "OvCoordSystem/vectors/VCTGeometry.h"
#include "OvCoordSystem/vectors/WriterEncoding_p.h"
#include "OvCoordSystem/vectors/WriterStreamFactory.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QTextCodec>

#include <cpl_error.h>
#include <cpl_string.h>
#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <memory>

namespace vectors {
namespace {

struct FeatureDeleter
{
    void operator()(OGRFeature* feature) const { OGRFeature::DestroyFeature(feature); }
};
using FeaturePtr = std::unique_ptr<OGRFeature, FeatureDeleter>;

// Decimals of a real field; a double holds no more significant digits.
constexpr int kMaxRealPrecision = 15;

OGRwkbGeometryType layerGeometryType(int kind)
{
    switch (kind) {
    case WriterParameters::PointGeometry:
        return wkbPoint;
    case WriterParameters::LineGeometry:
        return wkbLineString;
    case WriterParameters::PolygonGeometry:
        return wkbPolygon;
    default:
        return wkbUnknown;
    }
}

QByteArray layerNameBytes(const QString& name, int encoding)
{
    switch (encoding) {
    case Utf8Encoding:
        return name.toUtf8();
    case Latin1Encoding:
        return name.toLatin1();
    default:
        return name.toLocal8Bit();
    }
}

// The DXF label of a copied point: its "NAME" in Arial, a tiny size the reader scales.
QByteArray dxfPointLabel(const OGRFeature& feature)
{
    const int index = feature.GetFieldIndex("NAME");
    const QByteArray name(index >= 0 ? feature.GetFieldAsString(index) : "");
    return QByteArray("LABEL(f:Arial,s:0.001,t:") + name
        + QByteArray(",c:#fffffb,b:#ffffff,bo,it,un,st,o:#ffffff)");
}

} // namespace

GDALWriter::GDALWriter()
    : m_styles(new StyleStringCache)
{
    m_encoding = Local8BitEncoding;
}

GDALWriter::~GDALWriter()
{
    close();
    if (m_wgs84) m_wgs84->Release();
}

QTextCodec* GDALWriter::layerCodec(OGRLayer* layer) const
{
    if (layer && layer->TestCapability(OLCStringsAsUTF8)) return gdalTextCodec(Utf8Encoding);
    return gdalTextCodec(m_encoding);
}

bool GDALWriter::createDataset(const QString& path)
{
    GDALDriver* driver = nullptr;
    const QString driverName = gdalDriverName(path);
    if (!driverName.isEmpty())
        driver = GetGDALDriverManager()->GetDriverByName(driverName.toLatin1().constData());
    if (!driver) {
        m_errorText = writererrors::kUnsupportedFormat;
        return false;
    }
    close();
    const QByteArray file = path.toLocal8Bit();
    if (QFileInfo::exists(path)) {
        // The driver knows a format's side files (.shx, .dbf, .prj, .cpg; .dat, .map, .id);
        // a file it does not recognise is removed by name.
        {
            const EkGDALUtilityNS::CQuietGdalErrors quiet;
            driver->Delete(file.constData());
        }
        QFile::remove(path);
    }
    m_dataset = driver->Create(file.constData(), 0, 0, 0, GDT_Unknown, nullptr);
    if (!m_dataset) {
        m_errorText = writererrors::kCreateFileFailed;
        return false;
    }
    return true;
}

bool GDALWriter::open()
{
    const QString& path = m_parameters.path;
    qDebug().noquote() << QStringLiteral("VuzUdur:") + path;
    if (path.isEmpty()) {
        m_errorText = writererrors::kCreateFileFailed;
        return false;
    }
    if (!createDataset(path) || !createLayer(QString())) return false;
    createFields(m_layer);
    return true;
}

OGRLayer* GDALWriter::makeLayer(const QString& name, int geometryType, char** options)
{
    if (!m_dataset) {
        m_errorText = writererrors::kCreateLayerFailed;
        return nullptr;
    }
    if (m_spatialReference) m_spatialReference->Release();
    m_spatialReference
        = createSideReference(m_parameters.coordParameters, m_parameters.falseEasting, m_reproject);
    if (m_spatialReference && m_spatialReference->Validate() != OGRERR_NONE) {
        m_spatialReference->Release();
        m_spatialReference = nullptr;
    }
    const QString layerName
        = name.isEmpty() ? QFileInfo(m_parameters.path).completeBaseName() : name;
    OGRLayer* layer = m_dataset->CreateLayer(layerNameBytes(layerName, m_encoding).constData(),
        m_spatialReference, OGRwkbGeometryType(geometryType), options);
    if (!layer) m_errorText = writererrors::kCreateLayerFailed;
    return layer;
}

bool GDALWriter::createLayer(const QString& name)
{
    char** defaults = CSLSetNameValue(nullptr, "ENCODING", "CP936");
    OGRLayer* layer = makeLayer(name, layerGeometryType(m_parameters.geometryKind),
        m_layerOptions ? m_layerOptions : defaults);
    CSLDestroy(defaults);
    if (!layer) return false;
    m_layer = layer;
    return true;
}

OGRLayer* GDALWriter::createFolderLayer(const QString& name)
{
    // A folder asked for again is the one already made: its features join it.
    if (OGRLayer* made = m_folderLayers.value(name)) {
        m_layer = made;
        return made;
    }
    char** options = CSLSetNameValue(nullptr, "FOLDER", "YES");
    OGRLayer* layer = makeLayer(name, wkbUnknown, options);
    CSLDestroy(options);
    if (!layer) return nullptr;
    m_folderLayers.insert(name, layer);
    m_layer = layer;
    createFields(layer);
    return layer;
}

bool GDALWriter::setLayerOption(const char* name, const char* value)
{
    if (!name || !value) return false;
    m_layerOptions = CSLSetNameValue(m_layerOptions, name, value);
    return true;
}

void GDALWriter::createFields(OGRLayer* layer)
{
    if (!layer) return;
    QTextCodec* codec = layerCodec(layer);
    for (const WriterField& field : qAsConst(m_fields)) {
        OGRFieldDefn definition(
            codec->fromUnicode(field.name).constData(), OGRFieldType(field.type));
        definition.SetWidth(qMax(0, field.width));
        // Without a precision a fixed-width real keeps no decimals: half the width goes to them.
        if (definition.GetType() == OFTReal)
            definition.SetPrecision(qBound(0, field.width / 2, kMaxRealPrecision));
        const EkGDALUtilityNS::CQuietGdalErrors quiet;
        const OGRErr error = layer->CreateField(&definition);
        if (error != OGRERR_NONE) qDebug() << "Create field failed!";
    }
}

void GDALWriter::copyFields(OGRLayer* layer)
{
    if (!layer || !m_layer) return;
    OGRFeatureDefn* definition = layer->GetLayerDefn();
    for (int i = 0; i < definition->GetFieldCount(); ++i) {
        const EkGDALUtilityNS::CQuietGdalErrors quiet;
        const OGRErr error = m_layer->CreateField(definition->GetFieldDefn(i));
        if (error != OGRERR_NONE) qDebug() << "Create field failed!";
    }
}

const QVector<QString>& GDALWriter::fieldNames(OGRLayer* layer)
{
    OGRFeatureDefn* definition = layer->GetLayerDefn();
    if (layer != m_namesFor || m_fieldNames.size() != definition->GetFieldCount()) {
        QTextCodec* codec = layerCodec(layer);
        m_textEncoder.reset(codec->makeEncoder(QTextCodec::IgnoreHeader));
        m_fieldNames.resize(definition->GetFieldCount());
        for (int i = 0; i < m_fieldNames.size(); ++i)
            m_fieldNames[i] = codec->toUnicode(definition->GetFieldDefn(i)->GetNameRef());
        m_namesFor = layer;
    }
    return m_fieldNames;
}

bool GDALWriter::fillFeature(OGRFeature& feature, VCTFeature& source, OGRLayer* layer, bool keepZ)
{
    OGRFeatureDefn* definition = feature.GetDefnRef();
    const QVector<QString>& names = fieldNames(layer);
    const QMap<QString, QVariant>& attributes = source.attributes();
    for (int i = 0; i < names.size(); ++i) {
        const auto found = attributes.constFind(names[i]);
        if (found == attributes.constEnd() || found->isNull()) continue;
        switch (definition->GetFieldDefn(i)->GetType()) {
        case OFTInteger:
            feature.SetField(i, found->toInt());
            break;
        case OFTReal:
            feature.SetField(i, found->toDouble());
            break;
        case OFTString:
            feature.SetField(i, m_textEncoder->fromUnicode(found->toString()).constData());
            break;
        case OFTInteger64:
            feature.SetField(i, GIntBig(found->toLongLong()));
            break;
        default:
            break;
        }
    }
    VCTGeometry* vct = source.geometry();
    if (source.hasStyle()) {
        const QByteArray& style = m_styles->styleString(source.style(), vct->geometryKind(),
            pathSuffix(), m_parameters.coordParameters.targetCoordSys);
        if (!style.isEmpty()) feature.SetStyleString(style.constData());
    }
    // The feature gets its own copy, so the caller's geometry stays as it was.
    feature.SetGeometry(vct->getOgrGeometry());
    OGRGeometry* geometry = feature.GetGeometryRef();
    if (!geometry) return false;
    if (m_reproject && reprojectGeometry(geometry) != OGRERR_NONE) {
        m_errorText = writererrors::kReprojectFailed;
        return false;
    }
    if (!keepZ) geometry->flattenTo2D();
    if (!m_wgs84) {
        m_wgs84 = new OGRSpatialReference();
        m_wgs84->SetWellKnownGeogCS("WGS84");
        m_wgs84->SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    }
    geometry->assignSpatialReference(m_wgs84);
    return true;
}

bool GDALWriter::createIn(OGRLayer* layer, OGRFeature* feature)
{
    CPLErrorReset();
    OGRErr error;
    {
        const EkGDALUtilityNS::CQuietGdalErrors quiet;
        error = layer->CreateFeature(feature);
    }
    if (error == OGRERR_NONE) return true;
    m_errorText = writererrors::kWriteFailed;
    return false;
}

bool GDALWriter::writeFeatureToLayer(VCTFeature& feature, OGRLayer* layer)
{
    if (!feature.geometry() || !feature.geometry()->getOgrGeometry()) {
        m_errorText = writererrors::kInvalidGeometry;
        return false;
    }
    FeaturePtr created(layer ? OGRFeature::CreateFeature(layer->GetLayerDefn()) : nullptr);
    if (!created) {
        m_errorText = writererrors::kFeatureFailed;
        return false;
    }
    return fillFeature(*created, feature, layer, false) && createIn(layer, created.get());
}

bool GDALWriter::writeFeature(VCTFeature& feature)
{
    return writeFeatureToLayer(feature, m_layer);
}

bool GDALWriter::copyInto(OGRFeature* feature, OGRLayer* layer, const QByteArray* style)
{
    if (!feature || !layer) {
        m_errorText = writererrors::kFeatureFailed;
        return false;
    }
    if (!feature->GetGeometryRef()) {
        m_errorText = writererrors::kInvalidGeometry;
        return false;
    }
    FeaturePtr copy(OGRFeature::CreateFeature(layer->GetLayerDefn()));
    if (!copy) {
        m_errorText = writererrors::kFeatureFailed;
        return false;
    }
    copy->SetFrom(feature);
    if (style) copy->SetStyleString(style->constData());
    if (m_reproject && reprojectGeometry(copy->GetGeometryRef()) != OGRERR_NONE) {
        m_errorText = writererrors::kReprojectFailed;
        return false;
    }
    return createIn(layer, copy.get());
}

bool GDALWriter::copyFeature(OGRFeature* feature, OGRLayer* layer)
{
    return copyInto(feature, layer, nullptr);
}

bool GDALWriter::copyFeatureWithLabel(OGRFeature* feature)
{
    const bool dxf = m_dataset && m_dataset->GetDriver()
        && EQUAL(m_dataset->GetDriver()->GetDescription(), "DXF");
    const OGRGeometry* geometry = feature ? feature->GetGeometryRef() : nullptr;
    if (dxf && geometry && wkbFlatten(geometry->getGeometryType()) == wkbPoint) {
        const QByteArray label = dxfPointLabel(*feature);
        return copyInto(feature, m_layer, &label);
    }
    return copyInto(feature, m_layer, nullptr);
}

void GDALWriter::close()
{
    m_layer = nullptr;
    m_folderLayers.clear();
    m_namesFor = nullptr;
    if (!m_dataset) return;
    CPLErrorReset();
    {
        const EkGDALUtilityNS::CQuietGdalErrors quiet;
        m_dataset->FlushCache();
        GDALClose(m_dataset);
    }
    m_dataset = nullptr;
    if (CPLGetLastErrorType() == CE_Failure) m_errorText = writererrors::kWriteFailed;
}

} // namespace vectors
