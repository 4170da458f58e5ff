// The formula window on a synthetic library of 5,000 formulas and 40,000 ingredient lines: one
// keystroke in the search box to the list filled and painted, and one formula shown (detail and
// grid), offscreen.
#include "Tecleo.h"
#include "app/frmMDI.h"
#include "formulas/ConsultasFormulas.h"
#include "formulas/frmFormulas.h"
#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"
#include "shell/Rutas.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

constexpr int kFormulas = 5000;
constexpr int kLineasPorFormula = 8; // two parts of four lines

void LlenarBiblioteca() {
    BaseDatos& bd = *ReferenceDb();
    Transaccion tx(bd);
    const QStringList marcas = {"Kodak",  "Ilford",  "Agfa", "Ansco", "Defender",
                                "DuPont", "Gevaert", "Orwo", "Adox",  "Tetenal"};
    const QStringList tipos = {"Film developer", "Paper developer", "Fixer",       "Stop bath",
                               "Toner",          "Reducer",         "Intensifier", "Hypo clearing agent"};
    const QStringList categorias = {"Reveladores de película",
                                    "Reveladores de papel",
                                    "Fijadores",
                                    "Baños de paro",
                                    "Viradores",
                                    "Reductores",
                                    "Reforzadores",
                                    "Eliminadores de hiposulfito"};
    const QStringList quimicas = {"Metol",     "Hydroquinone",     "Sodium sulfite, anhydrous",
                                  "Borax",     "Sodium carbonate", "Potassium bromide",
                                  "Phenidone", "Water to make"};
    for (int i = 1; i <= kFormulas; ++i) {
        const int t = i % int(tipos.size());
        const QString nombre =
            marcas[i % marcas.size()] + u' ' + QChar(u'A' + i % 26) + u'-' + QString::number(i);
        bd.Insertar("Formulas", {{"IdFormula", i},
                                 {"Nombre", nombre},
                                 {"NombreES", i % 3 ? QVariant(nombre + u" ES") : QVariant()},
                                 {"CategoriaES", categorias[t]},
                                 {"Subtitulo", "A working formula of the library"},
                                 {"SubtituloES", "Una fórmula de trabajo de la biblioteca"},
                                 {"Tipo", tipos[t]},
                                 {"TipoES", QVariant()},
                                 {"DilucionES", "1+1"},
                                 {"Instrucciones", "Dissolve the chemicals in the order given."},
                                 {"InstruccionesES", "Disolver los productos en el orden indicado."},
                                 {"Uso", "General use."},
                                 {"UsoES", "Uso general."},
                                 {"Notas", "Synthetic."},
                                 {"NotasES", QVariant()}});
        for (int l = 0; l < kLineasPorFormula; ++l) {
            const int parte = 1 + l / 4;
            bd.Insertar("Ingredientes", {{"IdFormula", i},
                                         {"NumeroParte", parte},
                                         {"TituloParte", parte == 1 ? "Solution A" : "Solution B"},
                                         {"TituloParteES", parte == 1 ? "Solución A" : "Solución B"},
                                         {"Orden", l % 4 + 1},
                                         {"Quimica", quimicas[l]},
                                         {"QuimicaES", QVariant()},
                                         {"Cantidad", QString::number(2.5 * (l + 1), 'f', 1)},
                                         {"Unidad", l == 7 ? "l" : "g"}});
        }
    }
    tx.Confirmar();
}

Tecleo g_tecleo;

QListWidget* Lista() {
    return g_tecleo.lista;
}

void TeclaHastaListaCompleta(benchmark::State& estado) {
    g_tecleo.HastaListaCompleta(estado);
}

// "o" after "k": the list narrows to one maker.
void TeclaQueFiltra(benchmark::State& estado) {
    g_tecleo.QueFiltra(estado);
}

// A click on a formula of the full list, far down, until its detail and grid are painted.
void MostrarUnaFormula(benchmark::State& estado) {
    int fila = 0;
    for (auto _ : estado) {
        estado.PauseTiming();
        fila = (fila + 977) % Lista()->count();
        QListWidgetItem* item = Lista()->item(fila);
        Lista()->scrollToItem(item);
        QCoreApplication::processEvents();
        const QPoint punto = Lista()->visualItemRect(item).center();
        estado.ResumeTiming();
        QTest::mouseClick(Lista()->viewport(), Qt::LeftButton, {}, punto);
        QCoreApplication::processEvents();
    }
}

// The query alone, for comparison: every formula, Spanish names.
void ConsultaListaCompleta(benchmark::State& estado) {
    for (auto _ : estado)
        benchmark::DoNotOptimize(formulas::CargarLista(QString(), std::nullopt, true));
}

BENCHMARK(ConsultaListaCompleta)->Unit(benchmark::kMillisecond);
BENCHMARK(TeclaHastaListaCompleta)->Unit(benchmark::kMillisecond);
BENCHMARK(TeclaQueFiltra)->Unit(benchmark::kMillisecond);
BENCHMARK(MostrarUnaFormula)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir carpeta;
    FijarCarpetaPrograma(carpeta.path());
    CrearBaseReferencia(RutaBDReferencia());
    CrearBaseNotas(RutaBDNotas());
    AbrirBasesDatos();
    LlenarBiblioteca();
    {
        frmMDI principal;
        principal.resize(1280, 860);
        principal.show();
        auto* ventana = principal.Abrir<frmFormulas>();
        g_tecleo = {ventana->findChild<QLineEdit*>(QStringLiteral("txtFiltro")),
                    ventana->findChild<QListWidget*>(QStringLiteral("lstFormulas")), 'k', 'o'};
        QCoreApplication::processEvents();
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    CerrarBasesDatos();
    FijarCarpetaPrograma({});
    return 0;
}
