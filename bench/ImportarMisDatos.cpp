// Export and import of the user's data with 50,000 own times: into empty tables, again over
// everything already there, and the export itself. Then the peak memory of reading a ZIP package
// of 200,000 own times and importing it, as the service window does.
#include "exchange/ExportacionMisDatos.h"
#include "exchange/ImportacionMisDatos.h"
#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"
#include "shell/Rutas.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kTiemposPropios = 50000;
constexpr int kTiemposMemoria = 200000;

class Carpeta {
public:
    explicit Carpeta(int tiempos = kTiemposPropios) {
        CerrarBasesDatos();
        FijarCarpetaPrograma(dir_.path());
        CrearBaseReferencia(RutaBDReferencia());
        CrearBaseNotas(RutaBDNotas());
        AbrirBasesDatos();
        BaseDatos& bd = *NotesDb();
        Transaccion tx(bd);
        for (int i = 0; i < tiempos; ++i)
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
    QString Ruta() const { return dir_.path(); }

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

// Resident memory now, in MB.
double ResidenteMb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024 * 1024);
}

// In a child process, so that its peak is the import's alone: the package read from a ZIP file
// and imported into empty tables. Counters: the child's peak and what it grew above its start.
void MemoriaAlImportar200000(benchmark::State& estado) {
    const QString zip = [] {
        Carpeta origen(kTiemposMemoria);
        const QString ruta = QDir::tempPath() + QStringLiteral("/bench_mis_datos.zip");
        ExportarMisDatos(ruta);
        return ruta;
    }();
    Carpeta destino(0);
    for (auto _ : estado) {
        int tubo[2];
        if (pipe(tubo) != 0) {
            estado.SkipWithError("pipe");
            break;
        }
        const pid_t hijo = fork();
        if (hijo == 0) {
            close(tubo[0]);
            // Connections of its own: an engine handle does not cross a fork.
            CerrarBasesDatos();
            AbrirBasesDatos();
            const double inicio = ResidenteMb();
            const int nuevos = ImportarMisDatos(LeerMisDatos(zip), false).Nuevos();
            rusage uso{};
            getrusage(RUSAGE_SELF, &uso);
            const double medidas[3] = {double(uso.ru_maxrss) / 1024, inicio, double(nuevos)};
            (void)!write(tubo[1], medidas, sizeof medidas);
            _exit(0);
        }
        close(tubo[1]);
        double medidas[3] = {};
        const bool leido = read(tubo[0], medidas, sizeof medidas) == sizeof medidas;
        close(tubo[0]);
        waitpid(hijo, nullptr, 0);
        if (!leido || int(medidas[2]) != kTiemposMemoria) {
            estado.SkipWithError("la importación no hizo lo esperado");
            break;
        }
        estado.counters["pico_MB"] = medidas[0];
        estado.counters["aumento_MB"] = medidas[0] - medidas[1];
    }
    QFile::remove(zip);
}

BENCHMARK(ImportarEnTablasVacias)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ImportarSobreLoQueYaEsta)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Exportar)->Unit(benchmark::kMillisecond)->Iterations(3);
// Last: it replaces the program folder of the others.
BENCHMARK(MemoriaAlImportar200000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
