// Estimating a grid row, with its method text, among the rows of a film with many ladders: the
// largest film of the data set has some 200 rows (ten EIs at six temperatures in several
// developers); here developers × 2 dilutions × 10 EIs × 6 temperatures: 240 and 3,600 rows.
#include "devtimes/EstimacionTiempos.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

const int kEis[] = {400, 800, 1000, 1600, 3200, 4000, 6400, 8000, 12500, 25000};
const int kTemperaturas[] = {20, 21, 22, 24, 27, 29};

std::vector<QStringList> Filas(int reveladores) {
    std::vector<QStringList> filas;
    for (int r = 0; r < reveladores; ++r)
        for (const char* dilucion : {"stock", "1+1"})
            for (const int t : kTemperaturas)
                for (size_t i = 0; i < std::size(kEis); ++i) {
                    const int segundos = int(300 * std::pow(1.15, double(i)) * std::pow(0.93, t - 20)) + r;
                    const QString tiempo =
                        QStringLiteral("%1:%2").arg(segundos / 60).arg(segundos % 60, 2, 10, QChar(u'0'));
                    filas.push_back({QStringLiteral("Revelador %1").arg(r), QString::fromLatin1(dilucion),
                                     QString::number(kEis[i]), tiempo, tiempo, QString(), QString::number(t),
                                     QStringLiteral("[KO-F4001] [AGI-KO] [P3200]")});
                }
    return filas;
}

// The row of the last developer at 20 °C and EI 3200: its ladder is read from every row.
size_t FilaBuscada(const std::vector<QStringList>& filas) {
    for (size_t i = filas.size(); i-- > 0;)
        if (filas[i][2] == u"3200" && filas[i][6] == u"20")
            return i;
    return 0;
}

void BM_EstimarFilaEi(benchmark::State& estado) {
    const auto filas = Filas(int(estado.range(0)));
    const size_t fila = FilaBuscada(filas);
    for (auto _ : estado) {
        QString motivo;
        auto r = EstimarFilaEi(filas, fila, 5000, &motivo);
        if (!r)
            estado.SkipWithError("sin estimación");
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_EstimarFilaEi)->Arg(2)->Arg(30)->Unit(benchmark::kMicrosecond);

void BM_EstimarFilaTemperatura(benchmark::State& estado) {
    const auto filas = Filas(int(estado.range(0)));
    const size_t fila = FilaBuscada(filas);
    for (auto _ : estado) {
        QString motivo;
        auto r = EstimarFilaTemperatura(filas, fila, 23, QStringLiteral("Kodak T-Max Developer"), &motivo);
        if (!r)
            estado.SkipWithError("sin estimación");
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_EstimarFilaTemperatura)->Arg(2)->Arg(30)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
