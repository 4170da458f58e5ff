// One keystroke in the development-time search window, from the filter change to the list filled
// and painted, offscreen, on the 5,000-film ReferenceDb.
#include "BaseSintetica.h"
#include "app/frmMDI.h"
#include "devtimes/frmPeliculasReveladores.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

frmPeliculasReveladores* g_ventana = nullptr;

QLineEdit* Filtro() {
    return g_ventana->findChild<QLineEdit*>(QStringLiteral("txtFiltro"));
}

void Tecla(Qt::Key tecla, char texto = 0) {
    if (texto)
        QTest::keyClick(Filtro(), texto);
    else
        QTest::keyClick(Filtro(), tecla);
    QCoreApplication::processEvents();
}

// Backspace from "k" to the empty filter: every film listed.
void TeclaHastaListaCompleta(benchmark::State& estado) {
    Tecla(Qt::Key_K, 'k');
    for (auto _ : estado) {
        Tecla(Qt::Key_Backspace);
        estado.PauseTiming();
        Tecla(Qt::Key_K, 'k');
        estado.ResumeTiming();
    }
    Tecla(Qt::Key_Backspace);
    estado.counters["filas"] = g_ventana->findChild<QListWidget*>(QStringLiteral("lstItems"))->count();
}

// Typing one more letter of a name ("t" after "k").
void TeclaQueFiltra(benchmark::State& estado) {
    Tecla(Qt::Key_K, 'k');
    for (auto _ : estado) {
        Tecla(Qt::Key_T, 't');
        estado.PauseTiming();
        Tecla(Qt::Key_Backspace);
        estado.ResumeTiming();
    }
    Tecla(Qt::Key_Backspace);
    Tecla(Qt::Key_Backspace);
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
    g_ventana = principal.Abrir<frmPeliculasReveladores>();
    QCoreApplication::processEvents();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
