// Construction of the coordinate-system widgets, offscreen. A host builds several when a window
// opens. The combo box builds its catalogue dialog, which asks the GEO tools for sixteen
// catalogues and fills a tree of about 330 systems; the spatial-reference maker holds one combo
// box. The first tool of the process prepares GDAL; that happens once, before the timing.
#include "OvCoordSystem/vectors/I_VectorTools.h"
#include "OvCoordSystem/vectors/VectorToolFactory.h"
#include "OvCoordSystem/widgets/coordsys/QCoordComboBox.h"
#include "OvCoordSystem/widgets/coordsys/SpatialRefMakerWidget.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

static void BM_QCoordComboBox(benchmark::State& state)
{
    for (auto _ : state) {
        QCoordComboBox box;
        benchmark::DoNotOptimize(box.count());
    }
}
BENCHMARK(BM_QCoordComboBox)->Unit(benchmark::kMillisecond);

static void BM_CSpatialRefMakerWidget(benchmark::State& state)
{
    for (auto _ : state) {
        CSpatialRefMakerWidget widget;
        benchmark::DoNotOptimize(widget.GetCurrentIndex());
    }
}
BENCHMARK(BM_CSpatialRefMakerWidget)->Unit(benchmark::kMillisecond);

// The maker as a host sets it up: built, then a Gauss-Krüger row chosen (reads the datum's
// stored defaults through the manager's cache).
static void BM_CSpatialRefMakerWidgetWithGaussRow(benchmark::State& state)
{
    for (auto _ : state) {
        CSpatialRefMakerWidget widget;
        widget.SetSpatialRef(COORD_CGCS2000_GAUSS);
        benchmark::DoNotOptimize(widget.GetMeridian());
    }
}
BENCHMARK(BM_CSpatialRefMakerWidgetWithGaussRow)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("OV_CONFIG_DIR", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    releaseVectorTool(createVectorTool(VectorToolGeoTools));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
