// The backup of a 200 MB ReferenceDb and a 50 MB NotesDb against copying both files and exporting
// each by hand, the least any backup with compaction must do.
#include "maintenance/CopiaSeguridad.h"
#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"
#include "shell/Rutas.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <sqlite3.h>

namespace {

// Fills a database with about megas MB of random rows, a tenth of them deleted again.
void Llenar(BaseDatos& bd, int megas) {
    bd.Ejecutar("CREATE TABLE Relleno (Id INTEGER PRIMARY KEY, Datos BLOB)");
    const int filas = megas * 16;
    bd.Ejecutar("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < " +
                QString::number(filas) + ") INSERT INTO Relleno SELECT x, randomblob(65536) FROM n");
    bd.Ejecutar("DELETE FROM Relleno WHERE Id % 10 = 0");
}

class Carpeta {
public:
    Carpeta() {
        FijarCarpetaPrograma(dir_.path());
        Llenar(*CrearBaseReferencia(RutaBDReferencia()), 200);
        Llenar(*CrearBaseNotas(RutaBDNotas()), 50);
        AbrirBasesDatos();
    }
    QString Destino() const { return dir_.filePath("respaldo"); }

private:
    QTemporaryDir dir_;
};

Carpeta& Programa() {
    static Carpeta c;
    return c;
}

void Exportar(const QString& copia, const char* clave) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(copia).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                    nullptr);
    const QByteArray sql = QByteArray("PRAGMA key = '") + clave + "'; ATTACH DATABASE '" +
                           QFile::encodeName(copia) + ".c' AS c KEY '" + clave +
                           "'; SELECT sqlcipher_export('c'); DETACH DATABASE c;";
    char* error = nullptr;
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", error);
        std::abort();
    }
    sqlite3_close_v2(db);
}

void CopiaDelPrograma(benchmark::State& estado) {
    Carpeta& programa = Programa();
    for (auto _ : estado) {
        QDir(programa.Destino()).removeRecursively();
        CrearCarpetaRespaldo(programa.Destino());
        const ResultadoRespaldo r = RespaldarBases(programa.Destino());
        if (r.referencia != EstadoCopia::Compactada || r.notas != EstadoCopia::Compactada)
            estado.SkipWithError("la copia no salió bien");
    }
}

void CopiaYExportacionAMano(benchmark::State& estado) {
    Carpeta& programa = Programa();
    const QByteArray clave = kClaveBDReferencia.toUtf8();
    for (auto _ : estado) {
        QDir(programa.Destino()).removeRecursively();
        QDir().mkpath(programa.Destino());
        const QString ref = programa.Destino() + "/tz.mdb";
        const QString notas = programa.Destino() + "/notasp.mdb";
        CerrarBasesDatos();
        std::filesystem::copy_file(QFile::encodeName(RutaBDReferencia()).toStdString(),
                                   QFile::encodeName(ref).toStdString());
        std::filesystem::copy_file(QFile::encodeName(RutaBDNotas()).toStdString(),
                                   QFile::encodeName(notas).toStdString());
        AbrirBasesDatos();
        Exportar(ref, clave.constData());
        Exportar(notas, "");
    }
}

} // namespace

BENCHMARK(CopiaDelPrograma)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(CopiaYExportacionAMano)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
