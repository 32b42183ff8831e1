#include "OvCoordSystem/host/Vector3D.h"
#include "OvCoordSystem/host/annotation/GeometryData.h"
#include "OvCoordSystem/host/annotation/IAnnotationFeature.h"
#include "OvCoordSystem/host/app/ConfigIni.h"
#include "OvCoordSystem/host/app/OvLog.h"
#include "OvCoordSystem/host/app/TextConvert.h"
#include "OvCoordSystem/host/search/AdCode.h"
#include "OvCoordSystem/host/search/ILocationDataSearchModule.h"

#include <QFile>
#include <QTemporaryDir>

#include <gdal_priv.h>
#include <gtest/gtest.h>
#include <ogrsf_frmts.h>

#include <memory>

namespace {

using Codes = std::vector<std::string>;
const std::string kBundled = OV_TEST_DATA_DIR "/divisions/divisions.gpkg";

std::string Gb(const char* utf8)
{
    return ConvertQStringToStdString(QString::fromUtf8(utf8), "GB18030");
}

Codes CodesOf(const std::vector<tagDivisionInfo>& infos)
{
    Codes codes;
    for (const tagDivisionInfo& info : infos)
        codes.push_back(info.code);
    return codes;
}

// Each test reads the bundled data unless it says otherwise, with its own configuration folder
// and the log caught.
class DivisionSearch : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("OV_CONFIG_DIR", dir.path().toUtf8());
        qunsetenv("OV_DIVISIONS");
        module->SetDataFile(std::string());
        OvSetLogSink([this](OvLogLevel level, const std::string& text) {
            if (level == OvLogLevel::Error) errors.push_back(text);
        });
    }
    void TearDown() override
    {
        OvSetLogSink(nullptr);
        module->SetDataFile(std::string());
        qunsetenv("OV_CONFIG_DIR");
    }
    std::unique_ptr<IAnnotationFeature> query(const char* code)
    {
        return std::unique_ptr<IAnnotationFeature>(module->QueryDivision(code, 1));
    }
    QTemporaryDir dir;
    ILocationDataSearchModule* module = GetOrCreateLocationDataSearchModule();
    std::vector<std::string> errors;
};

TEST(AdCode, LevelsAndEnclosingCodes)
{
    // level/code/province/city: a bad code keeps nothing.
    for (const auto& [code, expected] :
        { std::pair { "110000", "1/110000/110000/" }, { "469001", "3/469001/460000/469000" },
            { "000000", "0///" }, { "", "0///" }, { "1101050", "0///" }, { "11o105", "0///" } }) {
        const tagAdCode ad { std::string(code) };
        const std::string parts[]
            = { std::to_string(ad.level), ad.code, ad.GetProvinceCode(), ad.GetCityCode() };
        EXPECT_EQ(parts[0] + "/" + parts[1] + "/" + parts[2] + "/" + parts[3], expected) << code;
    }
}

// One closed ring per polygon. Counts from the GeoPackage (ogrinfo, ST_NumGeometries and
// ST_NPoints): Sansha has 220 islands and reefs; Chaoyang's 429 points include a hole of 4,
// which is not a part.
TEST_F(DivisionSearch, OnePartPerPolygonWithCodesAndLevels)
{
    const struct
    {
        const char* code;
        int level;
        const char* parent;
        int polygons, vertices;
    } cases[] = { { "460300", 2, "460000", 220, 4252 }, { "110105", 3, "110100", 3, 425 },
        { "469005", 3, "469000", 8, 760 }, { "460000", 1, "", 230, 4858 } };
    for (const auto& c : cases) {
        const auto feature = query(c.code);
        tagDivisionInfo info;
        ASSERT_TRUE(feature && module->FindDivision(c.code, info)) << c.code;
        EXPECT_TRUE(info.level == c.level && info.parent == c.parent) << c.code;
        EXPECT_EQ(feature->GetName(), info.name);
        ASSERT_EQ(feature->GetGeometryCount(), c.polygons) << c.code;
        int vertices = 0;
        for (int i = 0; i < c.polygons; ++i) {
            CGeometryData part;
            ASSERT_TRUE(feature->GetGeometry(part, i) && part.GetSize() >= 4);
            EXPECT_EQ(part.At(0), part.At(part.GetSize() - 1)) << c.code << " part " << i;
            vertices += part.GetSize();
        }
        EXPECT_EQ(vertices, c.vertices) << c.code;
    }
    // Bad codes and levels give nothing, and no error.
    for (const char* code : { "abcdef", "999999", "110100 " }) {
        tagDivisionInfo info;
        EXPECT_TRUE(!query(code) && !module->FindDivision(code, info)) << code;
    }
    EXPECT_TRUE(!module->QueryDivision(std::string("110105\0", 7), 1)
        && !module->QueryDivision("110105", 0) && errors.empty());
}

TEST_F(DivisionSearch, NamesExactFirstThenPrefixAndChildren)
{
    EXPECT_EQ(
        CodesOf(module->FindDivisionsByName(Gb("北京市"), 10)), (Codes { "110000", "110100" }));
    // Prefix matches by level, then code (Haidian 110108 before Haitang 460202); the limit holds.
    EXPECT_EQ(CodesOf(module->FindDivisionsByName(Gb("海"), 3)),
        (Codes { "460000", "460100", "110108" }));
    // No wildcard characters, no quoting trouble, nothing for nothing.
    for (const char* name : { "%", "北京'", "" })
        EXPECT_TRUE(module->FindDivisionsByName(Gb(name), 5).empty()) << name;
    EXPECT_EQ(CodesOf(module->ListDivisions("")), (Codes { "110000", "460000" }));
    EXPECT_EQ(module->ListDivisions("460000").size(), 5u);
    EXPECT_TRUE(module->ListDivisions("x' OR '1'='1").empty());
}

// A GeoPackage with one layer of division fields and a feature per (code, rings); a ring is
// (x, y) pairs, closed by the writer.
void WriteGeoPackage(const std::string& path, const char* layerName,
    const std::vector<std::pair<const char*, std::vector<std::vector<double>>>>& divisions)
{
    GDALAllRegister();
    GDALDatasetUniquePtr data(GetGDALDriverManager()->GetDriverByName("GPKG")->Create(
        path.c_str(), 0, 0, 0, GDT_Unknown, nullptr));
    OGRLayer* layer = data->CreateLayer(layerName, nullptr, wkbMultiPolygon, nullptr);
    for (const char* name : { "code", "name", "parent" }) {
        OGRFieldDefn field(name, OFTString);
        layer->CreateField(&field);
    }
    OGRFieldDefn level("level", OFTInteger);
    layer->CreateField(&level);
    for (const auto& [code, rings] : divisions) {
        OGRFeature feature(layer->GetLayerDefn());
        feature.SetField("code", code);
        OGRMultiPolygon multi;
        for (const std::vector<double>& points : rings) {
            OGRLinearRing ring;
            for (size_t i = 0; i + 1 < points.size(); i += 2)
                ring.addPoint(points[i], points[i + 1]);
            ring.addPoint(points[0], points[1]);
            OGRPolygon polygon;
            polygon.addRing(&ring);
            multi.addGeometry(&polygon);
        }
        if (!rings.empty()) feature.SetGeometry(&multi);
        EXPECT_EQ(layer->CreateFeature(&feature), OGRERR_NONE);
    }
}

// Points with NaN never leave the store; a ring with less than three corners left is no part,
// and a division with no part is no feature.
TEST_F(DivisionSearch, NanPointsAreDroppedMissingOrCorruptDataIsLoggedAndEmpty)
{
    const double nan = std::nan("");
    const std::string path = (dir.path() + "/nan.gpkg").toStdString();
    WriteGeoPackage(path, "divisions",
        { { "110101", { { 0, 0, 1, 0, nan, 5, 1, 1, 0, 1 }, { 2, 2, 3, nan, 3, 3 } } },
            { "110102", { { nan, nan, 1, 1, 2, 2 } } }, { "110103", {} } });
    module->SetDataFile(path);
    const auto feature = query("110101");
    ASSERT_TRUE(feature && feature->GetGeometryCount() == 1);
    CGeometryData part;
    feature->GetGeometry(part, 0);
    EXPECT_EQ(part.GetPoints(),
        (std::vector<CVector3D> { { 0, 0 }, { 1, 0 }, { 1, 1 }, { 0, 1 }, { 0, 0 } }));
    EXPECT_TRUE(!query("110102") && !query("110103") && errors.empty());

    // Missing or corrupt data is logged once and gives nothing.
    const std::string missing = (dir.path() + "/missing.gpkg").toStdString();
    const std::string corrupt = (dir.path() + "/corrupt.gpkg").toStdString();
    QFile file(QString::fromStdString(corrupt));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("SQLite format 3\0", 16) + QByteArray(4000, '\x7f'));
    file.close();
    const std::string otherLayer = (dir.path() + "/other.gpkg").toStdString();
    WriteGeoPackage(otherLayer, "places", { { "110101", { { 0, 0, 1, 0, 1, 1 } } } });
    for (const std::string& path : { missing, corrupt, otherLayer }) {
        errors.clear();
        module->SetDataFile(path);
        EXPECT_EQ(query("110105"), nullptr) << path;
        EXPECT_TRUE(module->ListDivisions("").empty() && module->GetDataFile().empty());
        ASSERT_EQ(errors.size(), 1u) << path; // once, not per query
        EXPECT_NE(errors[0].find(path), std::string::npos) << errors[0];
    }
    // Back to the bundled data, found without any setting.
    module->SetDataFile(std::string());
    EXPECT_EQ(module->GetDataFile(), kBundled);
    qputenv("OV_DIVISIONS", missing.c_str());
    module->SetDataFile(std::string());
    EXPECT_EQ(module->GetSearchedFiles(), Codes { missing });
    EXPECT_EQ(query("110105"), nullptr);
}

TEST_F(DivisionSearch, LocalPositionFromConfigurationOrBeijing)
{
    const CVector3D beijing(116.407526, 39.904030, 0.0);
    for (const auto& [text, expected] :
        { std::pair("", beijing), std::pair("110.35, 20.02", CVector3D(110.35, 20.02, 0.0)),
            std::pair("200,20", beijing), std::pair("x,y", beijing) }) {
        if (*text) ConfigIni::setConfig("LocationSearch", "LocalPosition", text);
        CVector3D position;
        module->GetLocalPosition(position);
        EXPECT_EQ(position, expected) << text;
    }
}

} // namespace
