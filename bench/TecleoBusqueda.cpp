// One keystroke in the development-time search window, from the filter change to the list filled
// and painted, offscreen, on the 5,000-film ReferenceDb.
#include "BaseSintetica.h"
#include "Tecleo.h"
#include "app/frmMDI.h"
#include "devtimes/frmPeliculasReveladores.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

Tecleo g_tecleo;

void TeclaHastaListaCompleta(benchmark::State& estado) {
    g_tecleo.HastaListaCompleta(estado);
}

void TeclaQueFiltra(benchmark::State& estado) {
    g_tecleo.QueFiltra(estado);
}

BENCHMARK(TeclaHastaListaCompleta)->Unit(benchmark::kMillisecond);
BENCHMARK(TeclaQueFiltra)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BaseSintetica base;
    frmMDI principal;
    principal.resize(1280, 860);
    principal.show();
    auto* ventana = principal.Abrir<frmPeliculasReveladores>();
    g_tecleo = {ventana->findChild<QLineEdit*>(QStringLiteral("txtFiltro")),
                ventana->findChild<QListWidget*>(QStringLiteral("lstItems")), 'k', 't'};
    QCoreApplication::processEvents();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
