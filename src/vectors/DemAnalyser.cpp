#include "OvCoordSystem/vectors/DemAnalyser_p.h"

#include <cmath>
#include <limits>

namespace vectors {
namespace {
// Values between two progress reports and interruption checks.
constexpr int kChunk = 1 << 16;
} // namespace

DemAnalyser::DemAnalyser(const QVector<double>& elevations, QObject* parent)
    : QThread(parent)
    , m_elevations(elevations)
{ }

void DemAnalyser::run()
{
    const int count = m_elevations.size();
    double minimum = std::numeric_limits<double>::infinity();
    double maximum = -minimum;
    double sum = 0.0;
    int used = 0;
    for (int start = 0; start < count; start += kChunk) {
        if (isInterruptionRequested()) {
            emit errMessage(QStringLiteral("elevation analysis cancelled"));
            return;
        }
        const int end = qMin(count, start + kChunk);
        for (int i = start; i < end; ++i) {
            const double value = m_elevations[i];
            if (!std::isfinite(value)) continue;
            minimum = qMin(minimum, value);
            maximum = qMax(maximum, value);
            sum += value;
            ++used;
        }
        if (end < count) emit complete(static_cast<int>(100.0 * end / count));
    }
    if (used == 0) {
        emit errMessage(QStringLiteral("no elevation values to analyse"));
        return;
    }
    m_minimum = minimum;
    m_maximum = maximum;
    m_mean = sum / used;
    m_hasResult = true;
    emit complete(100);
}

} // namespace vectors
