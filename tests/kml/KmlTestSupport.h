#pragma once

#include "../vectors/VectorTestSupport.h"

#include "OvCoordSystem/kml/IcdKml.h"
#include "OvCoordSystem/kml/XmlStringStream.h"

#include <QTextCodec>

#include <string>

using namespace vectortest;

inline std::string localPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// Writes OBJECT with a string stream and answers the text.
inline std::string saveToString(CXmlMessageObject& object, int encoding = CXmlStream::EncodingUtf8)
{
    CXmlStringStream stream;
    stream.setEncoding(encoding);
    stream.setTabIndent(false);
    return stream.save(&object) ? stream.text() : std::string("<save failed>");
}

// Reads TEXT into OBJECT; false when the stream refused.
template <class T>
bool loadFromString(const std::string& text, T& object, int encoding = CXmlStream::EncodingUtf8)
{
    CXmlStringStream stream(text);
    stream.setEncoding(encoding);
    return stream.load(&object);
}

// A placemark with every field and every contained element away from its default.
inline CICD_PLACEMARK fullPlacemark(const std::string& name)
{
    CICD_PLACEMARK placemark;
    placemark.name = name;
    placemark.visibility = 0;
    placemark.description = "a & b < c &#x41; &#x<b>"; // references stay literal
    placemark.styleUrl = "#s1";
    placemark.point.coordinates = "116.391,39.907,0";
    placemark.point.drawOrder = 2;
    placemark.lookAt.longitude = 116.391;
    placemark.lookAt.latitude = 39.907;
    placemark.lookAt.altitude = 100.5;
    placemark.lookAt.heading = -30.25;
    placemark.lookAt.tilt = 45;
    placemark.lookAt.range = 1000.125;
    placemark.lookAt.altitudeMode = "relativeToGround";
    placemark.lineString.tessellate = 0;
    placemark.lineString.coordinates = "116.1,39.1,0 116.2,39.2,0";
    placemark.polygon.tessellate = 0;
    placemark.polygon.outerBoundaryIs.linearRing.coordinates
        = "116,39,0 117,39,0 117,40,0 116,39,0";

    CICD_STYLE& style = placemark.style;
    style.id = "&#x3c;inline";
    style.iconStyle.color = "ff00ff00";
    style.iconStyle.scale = 1.5f;
    style.iconStyle.icon.href = "icon.png";
    style.iconStyle.icon.viewBoundScale = 0.75f;
    style.iconStyle.hotSpot.x = 0.5;
    style.iconStyle.hotSpot.y = 1;
    style.iconStyle.hotSpot.xunits = "fraction";
    style.iconStyle.hotSpot.yunits = "pixels";
    style.listStyle.bgColor = "ff112233";
    style.listStyle.itemIcon.href = "item.png";
    style.lineStyle.color = "ff0000ff";
    style.lineStyle.width = 2.5f;
    style.polyStyle.color = "7f00ff00";
    style.polyStyle.fill = 0;
    style.labelStyle.color = "ffffffff";
    style.labelStyle.scale = 0.8f;

    placemark.multiGeometry.lineStrings = { placemark.lineString, CICD_LINE_STRING() };
    placemark.multiGeometry.points = { placemark.point, CICD_POINT() };
    placemark.multiGeometry.polygons = { placemark.polygon };
    placemark.track.coords = { "116.1 39.1 0", "116.2 39.2 10" };
    return placemark;
}

inline CICD_GROUNDOVERLAY fullGroundOverlay()
{
    CICD_GROUNDOVERLAY overlay;
    overlay.name = "overlay";
    overlay.description = "scan";
    overlay.color = "80ffffff";
    overlay.altitudeMode = "clampToGround";
    overlay.region.latLonAltBox.north = 40;
    overlay.region.latLonAltBox.south = 39;
    overlay.region.latLonAltBox.east = 117;
    overlay.region.latLonAltBox.west = 116;
    overlay.region.latLonAltBox.altitudeMode = "absolute";
    overlay.region.lod.minLodPixels = 128;
    overlay.icon.href = "scan.png";
    overlay.icon.viewBoundScale = 0.5f;
    overlay.latLonBox.north = 40.5;
    overlay.latLonBox.south = 39.5;
    overlay.latLonBox.east = 117.25;
    overlay.latLonBox.west = 116.75;
    overlay.latLonBox.rotation = 12.5;
    return overlay;
}

// A document with every class of the model, each away from its defaults, and empty list items
// beside full ones.
inline CICD_KML fullKml()
{
    CICD_KML kml;
    kml.xmlns = "http://www.opengis.net/kml/2.2";
    kml.xmlnsGx = "http://www.google.com/kml/ext/2.2";
    kml.xmlnsKml = "http://www.opengis.net/kml/2.2";
    kml.xmlnsAtom = "http://www.w3.org/2005/Atom";

    CICD_STYLE_MAP styleMap;
    styleMap.id = "map";
    CICD_PAIR normal;
    normal.key = "normal";
    normal.styleUrl = "#s1";
    CICD_PAIR highlight;
    highlight.key = "highlight";
    highlight.styleUrl = "#s2";
    styleMap.pairs = { normal, highlight, CICD_PAIR() };

    CICD_NETWORKLINK link;
    link.name = "tiles";
    link.description = "more";
    link.link.href = "http://example.invalid/more.kml";

    CICD_DOCUMENT inner;
    inner.name = "inner";

    CICD_FOLDER subFolder;
    subFolder.name = "sub";
    subFolder.placemarks = { fullPlacemark("deep") };

    CICD_FOLDER folder;
    folder.name = "first name";
    folder.secondName = "second name";
    folder.visibility = 0;
    folder.open = 1;
    folder.placemarks = { fullPlacemark("in folder"), CICD_PLACEMARK() };
    folder.documents = { inner };
    folder.folders = { subFolder, CICD_FOLDER() };
    folder.styles = { fullPlacemark("").style };
    folder.styleMaps = { styleMap };
    folder.groundOverlays = { fullGroundOverlay(), CICD_GROUNDOVERLAY() };

    CICD_DOCUMENT document;
    document.name = "document";
    document.visibility = 0;
    document.open = 1;
    document.placemarks = { fullPlacemark("one"), CICD_PLACEMARK(), fullPlacemark("three") };
    document.networkLinks = { link, CICD_NETWORKLINK() };
    document.folders = { folder };
    document.styles = { fullPlacemark("").style, CICD_STYLE() };
    document.styleMaps = { styleMap };
    document.documents = { inner, CICD_DOCUMENT() };

    kml.documents = { document };
    kml.folders = { folder };
    kml.placemarks = { fullPlacemark("top") };
    return kml;
}

inline VectorFeatureData feature(int geometryType, const QList<VectorPointList>& parts,
    const QString& name = QString(), const QString& remark = QString())
{
    VectorFeatureData record;
    record.geometryType = geometryType;
    record.parts = parts;
    if (!name.isNull()) record.attributes.insert(QStringLiteral("NAME"), name);
    if (!remark.isNull()) record.attributes.insert(QStringLiteral("REMARK"), remark);
    return record;
}

// A closed five-point square of SIZE degrees with its south-west corner at X, Y.
inline VectorPointList square(double x, double y, double size = 0.01)
{
    return { CVector3D(x, y), CVector3D(x + size, y), CVector3D(x + size, y + size),
        CVector3D(x, y + size), CVector3D(x, y) };
}

inline QString fromGb18030(const std::string& bytes)
{
    return QTextCodec::codecForName("GB18030")->toUnicode(bytes.data(), int(bytes.size()));
}

// Extracts ENTRY of the archive ZIP to the file TARGET; false when unzip failed.
inline bool extractEntry(const QString& zip, const QString& entry, const QString& target)
{
    const ProgramRun unzip
        = runProgram(QStringLiteral("unzip"), { QStringLiteral("-p"), zip, entry });
    return unzip.exitCode == 0 && writeFile(target, unzip.out);
}
