// CargarImagenEscalada of a 6000 x 4000 JPEG into an 800 x 600 box, against the whole decode
// by Qt's reader followed by Qt's smooth scaling.
#include "FotoSintetica.h"
#include "shell/Imagenes.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Two pictures: with heavy per-pixel grain (the worst case: most of the time goes to entropy
// decoding, which no scaling avoids) and without it (a typical smooth photograph).
QString g_rutas[2];

void BM_CargarImagenEscalada(benchmark::State& estado) {
    for (auto _ : estado) {
        const QImage img = CargarImagenEscalada(g_rutas[estado.range(0)], 800, 600);
        if (img.size() != QSize(800, 533))
            estado.SkipWithError("wrong size");
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_CargarImagenEscalada)->ArgName("liso0_grano1")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Baseline: decode everything, then scale with Qt.
void BM_DecodificarEnteraYEscalarConQt(benchmark::State& estado) {
    for (auto _ : estado) {
        QImageReader lector(g_rutas[estado.range(0)]);
        const QImage img = lector.read().scaled(800, 600, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (img.size() != QSize(800, 533))
            estado.SkipWithError("wrong size");
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_DecodificarEnteraYEscalarConQt)
    ->ArgName("liso0_grano1")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir carpeta;
    g_rutas[0] = carpeta.filePath(QStringLiteral("lisa.jpg"));
    g_rutas[1] = carpeta.filePath(QStringLiteral("grano.jpg"));
    // The whole 96 MB picture must be readable by the baseline.
    QImageReader::setAllocationLimit(1024);
    if (!CrearFotoSintetica(g_rutas[0], false) || !CrearFotoSintetica(g_rutas[1], true))
        return 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
