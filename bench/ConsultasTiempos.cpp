// The development-time queries on a ReferenceDb of the real size.
//  - Item list filtered with the stored dialect's LIKE ("*x*") against the engine's own LIKE ("%x%")
//    on a second connection without the dialect: the same query, the same row reading.
//  - Times of one film through the indexes against the same query scanning all of Tiempos.
#include "devtimes/ConsultasTiempos.h"
#include "BaseSintetica.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

sqlite3* g_sinDialecto = nullptr;

// Runs a query to its end, reading every column as the windows do.
void Recorrer(sqlite3* db, const QByteArray& sql, benchmark::State& estado) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt, nullptr) != SQLITE_OK) {
        estado.SkipWithError(sqlite3_errmsg(db));
        return;
    }
    int filas = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0; c < sqlite3_column_count(stmt); ++c)
            benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
        ++filas;
    }
    sqlite3_finalize(stmt);
    estado.counters["filas"] = filas;
}

QByteArray ListaConLikeDelMotor(const char* filtro) {
    return (u"SELECT IdPelicula, Nombre FROM Peliculas WHERE Nombre LIKE '%" + QString::fromUtf8(filtro) +
            u"%' ORDER BY Nombre")
        .toUtf8();
}

const char* const kFiltros[] = {"tri", "a", "hp5 plus 4"};

void ListaLikeJet(benchmark::State& estado) {
    const QByteArray sql = ConsultaLista(true, QString::fromUtf8(kFiltros[estado.range(0)])).toUtf8();
    for (auto _ : estado)
        Recorrer(ReferenceDb()->Nativo(), sql, estado);
}

void ListaLikeDelMotor(benchmark::State& estado) {
    const QByteArray sql = ListaConLikeDelMotor(kFiltros[estado.range(0)]);
    for (auto _ : estado)
        Recorrer(g_sinDialecto, sql, estado);
}

// The whole list function, items built: what a keystroke costs in the data layer.
void LeerListaCompleta(benchmark::State& estado) {
    const QString filtro = QString::fromUtf8(kFiltros[estado.range(0)]);
    for (auto _ : estado)
        benchmark::DoNotOptimize(LeerLista(true, filtro));
}

void TiemposPorIndice(benchmark::State& estado) {
    int id = 1;
    for (auto _ : estado) {
        const QByteArray sql = ConsultaTiempos(true, id, {}).toUtf8();
        Recorrer(ReferenceDb()->Nativo(), sql, estado);
        id = id % BaseSintetica::kPeliculas + 1;
    }
}

void TiemposRecorriendoTodo(benchmark::State& estado) {
    int id = 1;
    for (auto _ : estado) {
        QString sql = ConsultaTiempos(true, id, {});
        sql.replace(QStringLiteral("FROM Tiempos t "), QStringLiteral("FROM Tiempos t NOT INDEXED "));
        Recorrer(ReferenceDb()->Nativo(), sql.toUtf8(), estado);
        id = id % BaseSintetica::kPeliculas + 1;
    }
}

BENCHMARK(ListaLikeJet)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(ListaLikeDelMotor)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(LeerListaCompleta)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(TiemposPorIndice)->Unit(benchmark::kMicrosecond);
BENCHMARK(TiemposRecorriendoTodo)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    BaseSintetica base;
    // The same file, keyed, with nothing of the dialect registered.
    if (sqlite3_open_v2(RutaBDReferencia().toUtf8().constData(), &g_sinDialecto, SQLITE_OPEN_READONLY,
                        nullptr) != SQLITE_OK)
        return 1;
    const QByteArray clave = "PRAGMA key = '" + kClaveBDReferencia.toUtf8() + "'";
    sqlite3_exec(g_sinDialecto, clave.constData(), nullptr, nullptr, nullptr);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    sqlite3_close_v2(g_sinDialecto);
    return 0;
}
