// Export and import of the user's data with 50,000 own times: into empty tables, again over
// everything already there, and the export itself.
#include "intercambio/MisDatos.h"
#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"
#include "shell/Rutas.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kTiemposPropios = 50000;

class Carpeta {
public:
    Carpeta() {
        FijarCarpetaPrograma(dir_.path());
        CrearBaseReferencia(RutaBDReferencia());
        CrearBaseNotas(RutaBDNotas());
        AbrirBasesDatos();
        BaseDatos& bd = *NotesDb();
        Transaccion tx(bd);
        for (int i = 0; i < kTiemposPropios; ++i)
            bd.Insertar(QStringLiteral("TiemposPropios"),
                        {{QStringLiteral("Pelicula"), QStringLiteral("Película %1").arg(i % 300)},
                         {QStringLiteral("Revelador"), QStringLiteral("Revelador %1").arg(i % 40)},
                         {QStringLiteral("Dilucion"), QStringLiteral("1+%1").arg(i % 100)},
                         {QStringLiteral("EI"), QString::number(10 + i)},
                         {QStringLiteral("Tiempo35"), QStringLiteral("%1:30").arg(5 + i % 15)},
                         {QStringLiteral("Temperatura"), QStringLiteral("20")},
                         {QStringLiteral("Nota"), QStringLiteral("prueba %1").arg(i)}});
        tx.Confirmar();
        ResumenExportacion resumen;
        paquete_ = AnalizarMisDatos(ArchivosExportacion(resumen));
    }
    const PaqueteMisDatos& Paquete() const { return paquete_; }

private:
    QTemporaryDir dir_;
    PaqueteMisDatos paquete_;
};

Carpeta& Programa() {
    static Carpeta c;
    return c;
}

void Comprobar(benchmark::State& estado, const PlanImportacion& hecho, int nuevos) {
    if (hecho.Nuevos() != nuevos)
        estado.SkipWithError("la importación no hizo lo esperado");
}

void ImportarEnTablasVacias(benchmark::State& estado) {
    Carpeta& programa = Programa();
    for (auto _ : estado) {
        estado.PauseTiming();
        NotesDb()->Ejecutar(QStringLiteral("DELETE FROM TiemposPropios"));
        estado.ResumeTiming();
        Comprobar(estado, ImportarMisDatos(programa.Paquete(), false), kTiemposPropios);
    }
}

void ImportarSobreLoQueYaEsta(benchmark::State& estado) {
    Carpeta& programa = Programa();
    for (auto _ : estado)
        Comprobar(estado, ImportarMisDatos(programa.Paquete(), false), 0);
}

void Exportar(benchmark::State& estado) {
    Programa();
    for (auto _ : estado) {
        ResumenExportacion resumen;
        benchmark::DoNotOptimize(ArchivosExportacion(resumen));
    }
}

BENCHMARK(ImportarEnTablasVacias)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ImportarSobreLoQueYaEsta)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Exportar)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
