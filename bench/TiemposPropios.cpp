// The development-time search window with 50,000 own times beside the 500,000 reference rows:
// a keystroke to the list, and a selection to the filled grid, offscreen.
#include "BaseSintetica.h"
#include "Tecleo.h"
#include "app/frmMDI.h"
#include "devtimes/frmPeliculasReveladores.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

constexpr int kTiemposPropios = 50000;
constexpr int kPeliculasPropias = 500;

Tecleo g_tecleo;
QTableWidget* g_grid = nullptr;

QStringList Nombres(const QString& sql) {
    QStringList r;
    for (Consulta c = ReferenceDb()->Consultar(sql); !c.Fin(); c.Siguiente())
        r << c.Campo(0).toString();
    return r;
}

// Four in five own times name a reference film, the rest one of 500 own films; developers
// likewise, so both the list and the grids mix own and reference entries.
void LlenarTiemposPropios() {
    const QStringList peliculas = Nombres(QStringLiteral("SELECT Nombre FROM Peliculas ORDER BY IdPelicula"));
    const QStringList reveladores =
        Nombres(QStringLiteral("SELECT Nombre FROM Reveladores ORDER BY IdRevelador"));
    BaseDatos& bd = *NotesDb();
    Transaccion tx(bd);
    for (int i = 0; i < kTiemposPropios; ++i) {
        const QString pelicula = i % 5 == 0 ? QStringLiteral("Propia %1").arg(i % kPeliculasPropias)
                                            : peliculas[(i * 13) % peliculas.size()];
        const QString revelador = i % 7 == 0 ? QStringLiteral("Mi revelador %1").arg(i % 50)
                                             : reveladores[(i * 31) % reveladores.size()];
        bd.Insertar(QStringLiteral("TiemposPropios"),
                    {{QStringLiteral("Pelicula"), pelicula},
                     {QStringLiteral("Revelador"), revelador},
                     {QStringLiteral("Dilucion"), QStringLiteral("1+50")},
                     {QStringLiteral("EI"), QString::number(100 << (i % 5))},
                     {QStringLiteral("Tiempo35"), QStringLiteral("%1:30").arg(5 + i % 15)},
                     {QStringLiteral("Temperatura"), QString::number(18 + i % 7)},
                     {QStringLiteral("Nota"), QStringLiteral("prueba %1").arg(i)}});
    }
    for (int i = 0; i < kPeliculasPropias; ++i)
        bd.Insertar(QStringLiteral("PeliculasPropias"),
                    {{QStringLiteral("Nombre"), QStringLiteral("Propia %1").arg(i)}});
    tx.Confirmar();
}

void TeclaHastaListaCompleta(benchmark::State& estado) {
    g_tecleo.HastaListaCompleta(estado);
}

void TeclaQueFiltra(benchmark::State& estado) {
    g_tecleo.QueFiltra(estado);
}

// A click on a list entry until its temperatures, grid and notes are shown; alternating between
// two entries so each click loads anew.
void SeleccionHastaGrid(benchmark::State& estado, const QString& a, const QString& b) {
    QListWidget* lista = g_tecleo.lista;
    lista->clearSelection();
    const QListWidgetItem* items[2] = {lista->findItems(a, Qt::MatchExactly).value(0),
                                       lista->findItems(b, Qt::MatchExactly).value(0)};
    if (!items[0] || !items[1]) {
        estado.SkipWithError("falta un elemento de la lista");
        return;
    }
    int cual = 0;
    for (auto _ : estado) {
        const QListWidgetItem* item = items[cual ^= 1];
        lista->scrollToItem(item);
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(item).center());
        QCoreApplication::processEvents();
        estado.counters["filas"] = g_grid->rowCount();
    }
}

void SeleccionReferenciaConPropios(benchmark::State& estado) {
    SeleccionHastaGrid(estado, QStringLiteral("Kodak Tri-X 100"), QStringLiteral("Kodak Tri-X 125"));
}

void SeleccionPeliculaPropia(benchmark::State& estado) {
    SeleccionHastaGrid(estado, QStringLiteral("Propia 1  · propio"), QStringLiteral("Propia 2  · propio"));
}

BENCHMARK(TeclaHastaListaCompleta)->Unit(benchmark::kMillisecond);
BENCHMARK(TeclaQueFiltra)->Unit(benchmark::kMillisecond);
BENCHMARK(SeleccionReferenciaConPropios)->Unit(benchmark::kMillisecond);
BENCHMARK(SeleccionPeliculaPropia)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BaseSintetica base;
    // PROPIOS=0 measures the same window without own times, as the baseline.
    if (qEnvironmentVariableIntValue("PROPIOS") != 0 || !qEnvironmentVariableIsSet("PROPIOS"))
        LlenarTiemposPropios();
    frmMDI principal;
    principal.resize(1280, 860);
    principal.show();
    auto* ventana = principal.Abrir<frmPeliculasReveladores>();
    g_tecleo = {ventana->findChild<QLineEdit*>(QStringLiteral("txtFiltro")),
                ventana->findChild<QListWidget*>(QStringLiteral("lstItems")), 'k', 't'};
    g_grid = ventana->findChild<QTableWidget*>(QStringLiteral("grdTiempos"));
    QCoreApplication::processEvents();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
