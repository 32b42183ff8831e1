#pragma once

#include "OvCoordSystem/host/annotation/GeometryData.h"
#include "OvCoordSystem/host/search/DivisionInfo.h"

#include <QCommandLineOption>
#include <QList>
#include <QPolygonF>
#include <QString>

#include <vector>

class ILocationDataSearchModule;
class QCommandLineParser;

// A division named on the command line, for the commands that work on one: the "--divisions"
// option, finding the data, resolving CODE or NAME and reading the boundary.
class DivisionLookup
{
public:
    // COMMAND names the command in messages ("division", "share").
    explicit DivisionLookup(const char* command);

    // Adds "--divisions FILE" to PARSER.
    void addOptions(QCommandLineParser& parser) const;
    // Opens the data PARSER points at (or the default); false after a message saying where it
    // looked.
    bool open(const QCommandLineParser& parser);
    // The division that ARGUMENT (six digits, a name, or the start of a name) stands for; false
    // after a message when there is none. Several matches: the first, the others named.
    bool resolve(const QString& argument, tagDivisionInfo* info);
    // The polygons of the division's boundary, one per part, in the data's order.
    std::vector<CGeometryData> parts(const tagDivisionInfo& info);

    ILocationDataSearchModule* search() const { return m_search; }
    // PARTS as polygons (x, y of every point).
    static QList<QPolygonF> polygons(const std::vector<CGeometryData>& parts);
    // Text of the host's modules (GB18030) as a QString.
    static QString fromHost(const std::string& text);

private:
    const char* m_command;
    QCommandLineOption m_divisions;
    ILocationDataSearchModule* m_search;
};
