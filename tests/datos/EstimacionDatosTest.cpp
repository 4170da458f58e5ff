#include "devtimes/EstimacionTiempos.h"
#include "shell/Csv.h"

#include <QDir>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>

// The estimates against the makers' own tables: one listed time left out of each ladder of the
// shipped data and estimated from the rest.

namespace {

struct Datos {
    std::map<QString, std::vector<QStringList>> filasPorPelicula; // grid rows, developer id in column 0
    QHash<QString, QString> reveladores;                          // id → name
};

Datos LeerDatos() {
    const QDir csv(QStringLiteral(GARVOLA_DATOS_CSV));
    const TablaCsv tiempos = LeerCsv(csv.filePath(QStringLiteral("Tiempos.csv")));
    const TablaCsv reveladores = LeerCsv(csv.filePath(QStringLiteral("Reveladores.csv")));
    Datos d;
    for (const FilaCsv& f : reveladores.filas)
        d.reveladores.insert(reveladores.Valor(f, "IdRevelador").value_or(""),
                             reveladores.Valor(f, "Nombre").value_or(""));
    for (const FilaCsv& f : tiempos.filas) {
        QStringList fila;
        for (const char* c : {"IdRevelador", "Dilucion", "ISO", "Tiempo35", "Tiempo120", "TiempoHoja",
                              "Temperatura", "Notas"})
            fila << tiempos.Valor(f, QString::fromLatin1(c)).value_or("");
        d.filasPorPelicula[tiempos.Valor(f, "IdPelicula").value_or("")].push_back(fila);
    }
    return d;
}

struct Reparto {
    std::vector<double> errores; // relative, signed
    int Dentro(double tolerancia) const {
        return int(std::count_if(errores.begin(), errores.end(),
                                 [&](double e) { return std::abs(e) <= tolerancia + 1e-9; }));
    }
    double Porcentaje(double tolerancia) const { return 100.0 * Dentro(tolerancia) / double(errores.size()); }
    double Mediana() const {
        std::vector<double> a;
        for (double e : errores)
            a.push_back(std::abs(e));
        std::sort(a.begin(), a.end());
        return a.empty() ? 0 : 100 * a[a.size() / 2];
    }
    void Informar(const char* nombre, double tolerancia) const {
        std::printf("%s: %zu casos, %d (%.1f %%) dentro de ±%.0f %%, mediana del error %.1f %%\n", nombre,
                    errores.size(), Dentro(tolerancia), Porcentaje(tolerancia), 100 * tolerancia, Mediana());
    }
};

} // namespace

TEST(EstimacionDatos, DejandoFueraUnIsoDeCadaEscala) {
    const Datos d = LeerDatos();
    Reparto interior, extrapolado;
    int escalas = 0, conMeseta = 0;
    QSet<QString> vistas;
    for (const auto& [pelicula, filas] : d.filasPorPelicula)
        for (size_t i = 0; i < filas.size(); ++i)
            for (int columna = 3; columna <= 5; ++columna) {
                std::vector<PuntoEscala> escala = EscalaDeFila(filas, i, columna);
                std::sort(escala.begin(), escala.end(),
                          [](const PuntoEscala& a, const PuntoEscala& b) { return a.ei < b.ei; });
                // Each ladder once, also when 35 mm and 120 repeat it.
                QString clave = pelicula + u'|' + filas[i].mid(0, 2).join(u'|') + u'|' + filas[i][6] + u'|' +
                                HojaDeFila(filas[i]);
                for (const PuntoEscala& p : escala)
                    clave += QStringLiteral("|%1:%2").arg(p.ei).arg(p.segundos);
                if (escala.size() < 3 || vistas.contains(clave))
                    continue;
                vistas.insert(clave);
                ++escalas;
                // The method offers nothing on these, so nothing of them is counted.
                if (TieneMeseta(escala)) {
                    ++conMeseta;
                    continue;
                }
                for (size_t fuera = 1; fuera < escala.size(); ++fuera) {
                    std::vector<PuntoEscala> resto = escala;
                    resto.erase(resto.begin() + std::ptrdiff_t(fuera));
                    const PuntoEscala& hoja = escala[fuera];
                    const bool ultimo = fuera + 1 == escala.size();
                    if (ultimo && std::log2(hoja.ei / resto.back().ei) > 1 + 1e-9)
                        continue;
                    const Estimacion e = EstimarPorEi(resto, hoja.ei, "X");
                    ASSERT_TRUE(e.segundos) << e.texto.toStdString();
                    (ultimo ? extrapolado : interior)
                        .errores.push_back((*e.segundos - hoja.segundos) / hoja.segundos);
                }
            }
    std::printf("%d escalas de 3 o más ISO, %d con dos ISO de un mismo tiempo (no se estiman)\n", escalas,
                conMeseta);
    interior.Informar("Interiores", 0.10);
    extrapolado.Informar("Extrapolados un paso", 0.15);
    ASSERT_GT(interior.errores.size(), 300u);
    ASSERT_GT(extrapolado.errores.size(), 100u);
    EXPECT_GE(interior.Porcentaje(0.10), 90.0);
    EXPECT_GE(extrapolado.Porcentaje(0.15), 80.0);
}

TEST(EstimacionDatos, TemperaturaContraLasTablasDeKodak) {
    const Datos d = LeerDatos();
    Reparto kodak, ofrecidas;
    int lejos = 0;
    for (const auto& [pelicula, filas] : d.filasPorPelicula)
        for (size_t i = 0; i < filas.size(); ++i) {
            const QString hoja = HojaDeFila(filas[i]);
            // Every other temperature of the same combination and sheet.
            std::vector<double> otras;
            std::vector<size_t> filaDe;
            for (size_t j = 0; j < filas.size(); ++j)
                if (j != i && filas[j].mid(0, 3) == filas[i].mid(0, 3) && HojaDeFila(filas[j]) == hoja &&
                    filas[j][6] != filas[i][6] && !filas[j][6].isEmpty()) {
                    otras.push_back(filas[j][6].toDouble());
                    filaDe.push_back(j);
                }
            if (otras.empty() || filas[i][6].isEmpty())
                continue;
            QString motivo;
            const auto c =
                CompensarTemperatura(otras, filas[i][6].toDouble(),
                                     FamiliaRevelador(d.reveladores.value(filas[i][0])), hoja, &motivo);
            if (!c) {
                ++lejos;
                continue;
            }
            const size_t base =
                filaDe[size_t(std::find(otras.begin(), otras.end(), c->base) - otras.begin())];
            for (int columna = 3; columna <= 5; ++columna) {
                const auto listado = SegundosDeTiempo(filas[i][columna]);
                const auto desde = SegundosDeTiempo(filas[base][columna]);
                if (!listado || !desde)
                    continue;
                const double error = (*desde * c->factor - *listado) / *listado;
                ofrecidas.errores.push_back(error);
                if (hoja.startsWith(u"KO-"))
                    kodak.errores.push_back(error);
            }
        }
    std::printf("Temperaturas a más de 2 °C de la más cercana (no se estiman): %d\n", lejos);
    kodak.Informar("Temperatura, hojas Kodak", 0.10);
    ofrecidas.Informar("Temperatura, todas las hojas", 0.10);
    ASSERT_GT(kodak.errores.size(), 300u);
    EXPECT_GE(kodak.Porcentaje(0.10), 90.0);
    EXPECT_GE(ofrecidas.Porcentaje(0.10), 90.0);
}
