// The two ways a range leaves the library: the whole share exchange against the local reference
// service (key request, request key, RSA and AES, both POSTs, decoding), and the range export of
// a 100,000-vertex division to Shapefile and KML through toExportDownRange.
#include "OvCoordSystem/coord/ExportTools.h"
#include "OvCoordSystem/locate/LocateThread.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// A division of 100,000 vertices in four parts, the density of the division boundaries.
QList<QPolygonF> largeDivision()
{
    QList<QPolygonF> parts;
    for (int p = 0; p < 4; ++p) {
        QPolygonF ring;
        for (int i = 0; i < 25000; ++i) {
            const double t = 2 * M_PI * i / 25000;
            ring << QPointF(110 + p + 0.4 * std::cos(t),
                30 + 0.3 * std::sin(t) * (1 + 0.01 * std::sin(t * 400)));
        }
        parts << ring;
    }
    return parts;
}

void BM_ShareExchange(benchmark::State& state)
{
    QProcess service;
    service.start(QStringLiteral("/usr/bin/python3"),
        { QStringLiteral(OV_SOURCE_DIR "/tools/share-service/share_service.py") });
    if (!service.waitForReadyRead(20000)) {
        state.SkipWithError("reference service did not start");
        return;
    }
    const QByteArray port = service.readLine().trimmed().mid(5);
    qputenv("OV_SHARE_SERVICE", "http://127.0.0.1:" + port);
    QTemporaryDir data;
    qputenv("OV_DATA_DIR", data.path().toUtf8());
    const QByteArray body = CLocateThread::RangeRequestBody(116.2, 39.8, 116.6, 40.1, "110105");
    int failures = 0;
    for (auto _ : state) {
        CLocateThread worker;
        QEventLoop loop;
        QObject::connect(&worker, &CLocateThread::SigFinished, &loop,
            [&](int code, const QString&, const QString&) { failures += code != 0; });
        QObject::connect(&worker, &QThread::finished, &loop, &QEventLoop::quit);
        worker.SetRequestBody(body);
        worker.start();
        loop.exec();
    }
    if (failures) state.SkipWithError("an exchange failed");
    service.kill();
    service.waitForFinished();
}
BENCHMARK(BM_ShareExchange)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExportDownRange(benchmark::State& state, const char* suffix)
{
    const QList<QPolygonF> division = largeDivision();
    QTemporaryDir dir;
    int n = 0;
    for (auto _ : state) {
        const QString path
            = dir.filePath(QStringLiteral("range%1.%2").arg(++n).arg(QLatin1String(suffix)));
        if (!I_ExportTools::toExportDownRange(path, division, 0))
            state.SkipWithError("not written");
    }
    state.counters["vertices/s"]
        = benchmark::Counter(100000.0 * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(BM_ExportDownRange, shp, "shp")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_ExportDownRange, kml, "kml")->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
