// ovcoord shift: points between WGS84, GCJ02 and BD09 through the correction engines.

#include "Command.h"

#include "OvCoordSystem/coord/CoordSysCorrectEngine.h"
#include "OvCoordSystem/geodesy/OffsetFormulas.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

enum class Datum
{
    Wgs84,
    Gcj02,
    Bd09
};

// Points converted per call of the engines' array operations.
constexpr int kChunkPoints = 8192;
constexpr int kDefaultPrecision = 9;
constexpr int kMaxPrecision = 17;
// Longest piece of a bad line quoted back.
constexpr size_t kQuoteLimit = 80;

bool parseDatum(const QString& text, Datum& datum)
{
    const QString name = text.toLower();
    if (name == QLatin1String("wgs84"))
        datum = Datum::Wgs84;
    else if (name == QLatin1String("gcj02"))
        datum = Datum::Gcj02;
    else if (name == QLatin1String("bd09"))
        datum = Datum::Bd09;
    else
        return false;
    return true;
}

std::string_view trimmed(std::string_view s)
{
    const char* space = " \t\r\n";
    const size_t first = s.find_first_not_of(space);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(space) - first + 1);
}

// A whole field as a finite number; a leading '+' is allowed.
bool parseNumber(std::string_view field, double& value)
{
    field = trimmed(field);
    if (field.size() > 1 && field[0] == '+' && field[1] != '-') field.remove_prefix(1);
    const char* end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, value);
    return error == std::errc() && stop == end && std::isfinite(value);
}

enum class LineKind
{
    Point,
    Skip, // empty or a comment
    NotAPoint,
    OutOfRange
};

// "LNG,LAT" or "LNG LAT" (any spaces or tabs between); lng and lat are set only for a point.
LineKind parsePoint(std::string_view line, double& lng, double& lat)
{
    line = trimmed(line);
    if (line.empty() || line[0] == '#') return LineKind::Skip;
    std::string_view first;
    std::string_view second;
    const size_t comma = line.find(',');
    if (comma != std::string_view::npos) {
        first = line.substr(0, comma);
        second = line.substr(comma + 1);
        if (second.find(',') != std::string_view::npos) return LineKind::NotAPoint;
    } else {
        const size_t gap = line.find_first_of(" \t");
        if (gap == std::string_view::npos) return LineKind::NotAPoint;
        first = line.substr(0, gap);
        second = trimmed(line.substr(gap));
        if (second.find_first_of(" \t") != std::string_view::npos) return LineKind::NotAPoint;
    }
    double x;
    double y;
    if (!parseNumber(first, x) || !parseNumber(second, y)) return LineKind::NotAPoint;
    if (!geodesy::InLngLatRange(x, y)) return LineKind::OutOfRange;
    lng = x;
    lat = y;
    return LineKind::Point;
}

using EnginePtr = std::unique_ptr<coordinate::ICoordSysCorrectEngine,
    void (*)(coordinate::ICoordSysCorrectEngine*)>;

// Shifts chunks of points with the engines' array operations, each point as if on its own: the
// engines stop at the first point they cannot shift, so each run of shiftable points goes in one
// call and the points between runs stay as they are.
class Shifter
{
public:
    Shifter(Datum from, Datum to)
        : m_from(from)
        , m_to(to)
        , m_gcj02(coordinate::CreateCorrectEngine(0), coordinate::DestroyCorrectEngine)
        , m_bd09(coordinate::CreateCorrectEngine(1), coordinate::DestroyCorrectEngine)
    { }

    void shift(double* x, double* y, int count)
    {
        if (m_from == m_to) return;
        if (m_from == Datum::Bd09)
            m_bd09->BD09ToGCJ02(x, y, count);
        else if (m_from == Datum::Wgs84)
            eachRun(
                x, y, count, geodesy::InGcj02Area, &coordinate::ICoordSysCorrectEngine::FromWGS84);
        // The points are in GCJ02 now.
        if (m_to == Datum::Bd09)
            m_bd09->GCJ02ToBD09(x, y, count);
        else if (m_to == Datum::Wgs84)
            eachRun(
                x, y, count, geodesy::InLngLatRange, &coordinate::ICoordSysCorrectEngine::ToWGS84);
    }

private:
    using Step = bool (coordinate::ICoordSysCorrectEngine::*)(double*, double*, int);

    void eachRun(double* x, double* y, int count, bool (*shiftable)(double, double), Step step)
    {
        int start = 0;
        while (start < count) {
            int stop = start;
            while (stop < count && shiftable(x[stop], y[stop]))
                ++stop;
            ((*m_gcj02).*step)(x + start, y + start, stop - start);
            start = stop + 1;
        }
    }

    Datum m_from;
    Datum m_to;
    EnginePtr m_gcj02;
    EnginePtr m_bd09;
};

// Collects points and writes them shifted, a chunk at a time.
class ChunkedOutput
{
public:
    ChunkedOutput(Shifter& shifter, int precision)
        : m_shifter(shifter)
        , m_precision(precision)
    {
        m_x.reserve(kChunkPoints);
        m_y.reserve(kChunkPoints);
    }

    void add(double x, double y)
    {
        m_x.push_back(x);
        m_y.push_back(y);
        if (static_cast<int>(m_x.size()) == kChunkPoints) flush();
    }

    void flush()
    {
        const int count = static_cast<int>(m_x.size());
        m_shifter.shift(m_x.data(), m_y.data(), count);
        char line[2 * (kMaxPrecision + 32)];
        for (int i = 0; i < count; ++i) {
            const int length = std::snprintf(
                line, sizeof line, "%.*f,%.*f\n", m_precision, m_x[i], m_precision, m_y[i]);
            std::fwrite(line, 1, static_cast<size_t>(length), stdout);
        }
        m_x.clear();
        m_y.clear();
    }

private:
    Shifter& m_shifter;
    int m_precision;
    std::vector<double> m_x;
    std::vector<double> m_y;
};

// Reports a bad point on standard error; where is "line" or "argument".
void reportBad(const char* where, long long number, LineKind kind, std::string_view text)
{
    const std::string quoted(trimmed(text).substr(0, kQuoteLimit));
    err() << "ovcoord shift: " << where << " " << number << ": "
          << (kind == LineKind::OutOfRange ? "longitude or latitude out of range"
                                           : "not a point (LNG,LAT or LNG LAT)")
          << ": '" << QString::fromLocal8Bit(quoted.data(), static_cast<int>(quoted.size()))
          << "'\n";
    err().flush();
}

int run(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Shifts points between the WGS84, GCJ02 and BD09 longitude/latitude systems (degrees).\n"
        "\n"
        "A POINT is LNG,LAT. Without POINT arguments the points are read from standard input,\n"
        "one per line as LNG,LAT or LNG LAT; empty lines and lines starting with # are skipped.\n"
        "Each point is written as one LNG,LAT line. A WGS84 point outside the GCJ02 area gets\n"
        "no GCJ02 offset. A line or argument that is no point is reported on standard error\n"
        "and skipped, and the exit status is then 1. Put -- before points with a negative\n"
        "longitude."));
    const QCommandLineOption from(QStringLiteral("from"),
        QStringLiteral("System of the input points: wgs84, gcj02 or bd09."), QStringLiteral("SYS"));
    const QCommandLineOption to(QStringLiteral("to"),
        QStringLiteral("System of the output points: wgs84, gcj02 or bd09."),
        QStringLiteral("SYS"));
    const QCommandLineOption precision(QStringLiteral("precision"),
        QStringLiteral("Decimals written (0 to %1; default %2).")
            .arg(kMaxPrecision)
            .arg(kDefaultPrecision),
        QStringLiteral("N"), QString::number(kDefaultPrecision));
    parser.addOption(from);
    parser.addOption(to);
    parser.addOption(precision);
    parser.addPositionalArgument(QStringLiteral("POINT"),
        QStringLiteral("Points to shift (LNG,LAT)."), QStringLiteral("[POINT...]"));

    int status = ExitOk;
    if (!parseCommandLine(parser, "shift", args, &status)) return status;

    Datum fromDatum;
    Datum toDatum;
    bool precisionOk = false;
    const int decimals = parser.value(precision).toInt(&precisionOk);
    QString problem;
    if (!parser.isSet(from) || !parser.isSet(to))
        problem = QStringLiteral("--from and --to are required");
    else if (!parseDatum(parser.value(from), fromDatum))
        problem = QStringLiteral("unknown system '%1' for --from").arg(parser.value(from));
    else if (!parseDatum(parser.value(to), toDatum))
        problem = QStringLiteral("unknown system '%1' for --to").arg(parser.value(to));
    else if (!precisionOk || decimals < 0 || decimals > kMaxPrecision)
        problem
            = QStringLiteral("--precision must be a whole number from 0 to %1").arg(kMaxPrecision);
    if (!problem.isEmpty()) return usageError("shift", problem);

    Shifter shifter(fromDatum, toDatum);
    ChunkedOutput output(shifter, decimals);
    bool allPoints = true;
    // Arguments must all be points; input lines may also be empty or comments.
    const auto take
        = [&](std::string_view text, const char* where, long long number, bool mustBePoint) {
              double x;
              double y;
              LineKind kind = parsePoint(text, x, y);
              if (kind == LineKind::Skip && mustBePoint) kind = LineKind::NotAPoint;
              if (kind == LineKind::Point) {
                  output.add(x, y);
              } else if (kind != LineKind::Skip) {
                  reportBad(where, number, kind, text);
                  allPoints = false;
              }
          };

    const QStringList points = parser.positionalArguments();
    if (!points.isEmpty()) {
        for (int i = 0; i < points.size(); ++i)
            take(points[i].toStdString(), "argument", i + 1, true);
    } else {
        std::ios::sync_with_stdio(false);
        std::string line;
        for (long long number = 1; std::getline(std::cin, line); ++number)
            take(line, "line", number, false);
    }
    output.flush();
    std::fflush(stdout);
    return allPoints ? ExitOk : ExitFailure;
}

const CommandRegistrar registrar(
    Command { "shift", "Shift points between WGS84, GCJ02 and BD09", run });

} // namespace
