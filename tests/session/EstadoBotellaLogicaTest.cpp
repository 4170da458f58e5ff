#include "session/EstadoBotella.h"

#include <gtest/gtest.h>
#include <optional>

// A bottle's capacity, life and time increase counted across the sessions that drew from it, as
// the makers' sheets state them.

namespace {

Botella Bot(const char* revelador, const char* dilucion, int ml, QDate mezclada, qint64 id = 7) {
    Botella b;
    b.id = id;
    b.revelador = QString::fromUtf8(revelador);
    b.dilucion = QString::fromUtf8(dilucion);
    b.ml = ml;
    b.mezclada = mezclada;
    return b;
}

Sesion Ses(QDate dia, Carga carga, const char* dilucion, double mlConcentrado = 0, qint64 idBotella = 7) {
    Sesion s;
    s.cuando = QDateTime(dia, QTime(21, 0));
    s.carga = carga;
    s.dilucion = QString::fromUtf8(dilucion);
    s.mlConcentrado = mlConcentrado;
    s.idBotella = idBotella;
    return s;
}

// n 120 reels at the bottle's own dilution, one session each, from `desde` on.
std::vector<Sesion> Reusos(int n, const char* dilucion, QDate desde) {
    std::vector<Sesion> v;
    for (int i = 0; i < n; ++i)
        v.push_back(Ses(desde.addDays(i), Carga{0, 1, 0}, dilucion));
    return v;
}

const QDate kMezcla(2027, 1, 10);

// What a bottle's state must show; what a case leaves out is the state of a fresh, good bottle.
struct Esperado {
    double peliculas = 0;
    std::optional<double> restante;
    std::optional<double> mlRestantes;
    std::optional<QDate> caduca;
    bool agotada = false;
    bool caducada = false;
    double factor = 1.0;
    int segundosExtra = 0;
    std::vector<const char*> frase; // words the sentence holds

    Esperado Peliculas(double v) const {
        return Con([&](Esperado& e) { e.peliculas = v; });
    }
    Esperado Restante(double v) const {
        return Con([&](Esperado& e) { e.restante = v; });
    }
    Esperado MlRestantes(double v) const {
        return Con([&](Esperado& e) { e.mlRestantes = v; });
    }
    Esperado Caduca(QDate v) const {
        return Con([&](Esperado& e) { e.caduca = v; });
    }
    Esperado Agotada() const {
        return Con([](Esperado& e) { e.agotada = true; });
    }
    Esperado Caducada() const {
        return Con([](Esperado& e) { e.caducada = true; });
    }
    Esperado Factor(double v) const {
        return Con([&](Esperado& e) { e.factor = v; });
    }
    Esperado Extra(int v) const {
        return Con([&](Esperado& e) { e.segundosExtra = v; });
    }
    Esperado Dice(std::vector<const char*> v) const {
        return Con([&](Esperado& e) { e.frase = v; });
    }

private:
    template <class F> Esperado Con(F f) const {
        Esperado e = *this;
        f(e);
        return e;
    }
};

struct CasoBotella {
    const char* nombre;
    Botella botella;
    std::vector<Sesion> sesiones;
    QDate hoy;
    Esperado esperado;
};

void PrintTo(const CasoBotella& c, std::ostream* os) {
    *os << c.nombre;
}

class Botellas : public ::testing::TestWithParam<CasoBotella> {};

TEST_P(Botellas, SegunLasHojas) {
    const CasoBotella& c = GetParam();
    const Esperado& x = c.esperado;
    const EstadoBotella e = CalcularEstadoBotella(c.botella, c.sesiones, c.hoy);
    EXPECT_DOUBLE_EQ(e.peliculas, x.peliculas);
    ASSERT_EQ(e.capacidadRestante.has_value(), x.restante.has_value()) << e.frase.toStdString();
    if (x.restante) {
        EXPECT_NEAR(*e.capacidadRestante, *x.restante, 1e-9);
    }
    ASSERT_EQ(e.mlRestantes.has_value(), x.mlRestantes.has_value());
    if (x.mlRestantes) {
        EXPECT_DOUBLE_EQ(*e.mlRestantes, *x.mlRestantes);
    }
    EXPECT_EQ(e.caduca, x.caduca);
    if (x.caduca) {
        EXPECT_EQ(e.diasRestantes, int(c.hoy.daysTo(*x.caduca)));
    } else {
        EXPECT_FALSE(e.diasRestantes.has_value());
    }
    EXPECT_EQ(e.agotada, x.agotada);
    EXPECT_EQ(e.caducada, x.caducada);
    EXPECT_NEAR(e.factorTiempo, x.factor, 1e-9);
    EXPECT_EQ(e.segundosExtra, x.segundosExtra);
    for (const char* palabras : x.frase)
        EXPECT_TRUE(e.frase.contains(QString::fromUtf8(palabras)))
            << e.frase.toStdString() << "\n  sin: " << palabras;
    EXPECT_TRUE(e.frase.endsWith(u'.'));
    EXPECT_EQ(e.frase.count(QStringLiteral(". ")), 0) << "una sola frase: " << e.frase.toStdString();
}

const Botella kId11 = Bot("Ilford ID-11", "stock", 1000, kMezcla);
const Botella kXtol = Bot("Kodak XTOL", "stock", 1000, kMezcla);
const Botella kDdxConcentrado = Bot("Ilford Ilfotec DD-X", "concentrado", 1000, kMezcla);
const Botella kDdxTrabajo = Bot("Ilford Ilfotec DD-X", "1+4", 1000, kMezcla);
const QDate kEnero20(2027, 1, 20);

INSTANTIATE_TEST_SUITE_P(
    Cifras, Botellas,
    ::testing::Values(
        // ID-11 stock reused: 10 reels a litre, +10 % a reel after the first; six months full, one
        // month once partly full.
        CasoBotella{"id11_nueva",
                    kId11,
                    {},
                    QDate(2027, 2, 1),
                    Esperado()
                        .Restante(10)
                        .Caduca(QDate(2027, 7, 10))
                        .Dice({"Botella de Ilford ID-11 stock (1000 ml, mezclada el 10/01/2027): 0 carretes "
                               "revelados de los 10",
                               "caduca el 10/07/2027", "la próxima sesión lleva el tiempo estándar."})},
        CasoBotella{"id11_tres", kId11, Reusos(3, "stock", QDate(2027, 1, 15)), QDate(2027, 2, 1),
                    Esperado()
                        .Peliculas(3)
                        .Restante(7)
                        .Caduca(QDate(2027, 2, 15))
                        .Factor(1.3)
                        .Dice({"3 carretes revelados de los 10", "quedan 7 carretes",
                               "caduca el 15/02/2027 (quedan 14 días)", "tiempo estándar más 30 %"})},
        // Half a litre: the counts shrink with the volume, as the sheet scales them.
        CasoBotella{"id11_medio_litro", Bot("Ilford ID-11", "stock", 500, kMezcla),
                    Reusos(2, "stock", QDate(2027, 1, 15)), kEnero20,
                    Esperado()
                        .Peliculas(2)
                        .Restante(3)
                        .Caduca(QDate(2027, 2, 15))
                        .Factor(1.4)
                        .Dice({"2 carretes revelados de los 5"})},
        // Used up: no time is made up for a reel the sheet does not allow.
        CasoBotella{"id11_agotada", kId11, Reusos(10, "stock", QDate(2027, 1, 11)), QDate(2027, 1, 25),
                    Esperado()
                        .Peliculas(10)
                        .Restante(0)
                        .Caduca(QDate(2027, 2, 11))
                        .Agotada()
                        .Dice({", agotada:", "quedan 0 carretes"})},
        CasoBotella{"id11_caducada", kId11, Reusos(1, "stock", QDate(2027, 1, 11)), QDate(2027, 2, 11),
                    Esperado()
                        .Peliculas(1)
                        .Restante(9)
                        .Caduca(QDate(2027, 2, 11))
                        .Caducada()
                        .Factor(1.1)
                        .Dice({", caducada:", "caducada desde el 11/02/2027", "1 carrete revelado de"})},
        // Stock drawn for a one-shot 1+1 leaves less to reuse; the draw is no reuse.
        CasoBotella{"id11_sacada",
                    kId11,
                    {Ses(QDate(2027, 1, 12), Carga{2, 0, 0}, "1+1", 300),
                     Ses(QDate(2027, 1, 14), Carga{0, 1, 0}, "stock")},
                    kEnero20,
                    Esperado()
                        .Peliculas(3)
                        .Restante(6)
                        .MlRestantes(700)
                        .Caduca(QDate(2027, 2, 12))
                        .Factor(1.1)
                        .Dice({"quedan 700 ml en la botella"})},
        // Perceptol: four reels a litre, +10 % each.
        CasoBotella{"perceptol", Bot("Ilford Perceptol", "stock", 1000, kMezcla),
                    Reusos(3, "stock", QDate(2027, 1, 11)), kEnero20,
                    Esperado()
                        .Peliculas(3)
                        .Restante(1)
                        .Caduca(QDate(2027, 2, 11))
                        .Factor(1.3)
                        .Dice({"de los 4 que da el fabricante", "queda 1 carrete;"})},
        // XTOL: 1 to 5 normal, 6 to 10 +15 %, 11 to 15 +15 % of the adjusted time; two months once
        // partly full.
        CasoBotella{"xtol_cuatro", kXtol, Reusos(4, "stock", kMezcla), kEnero20,
                    Esperado().Peliculas(4).Restante(11).Caduca(QDate(2027, 3, 10))},
        CasoBotella{
            "xtol_cinco", kXtol, Reusos(5, "stock", kMezcla), kEnero20,
            Esperado().Peliculas(5).Restante(10).Caduca(QDate(2027, 3, 10)).Factor(1.15).Dice({"más 15 %"})},
        CasoBotella{"xtol_diez", kXtol, Reusos(10, "stock", kMezcla), kEnero20,
                    Esperado()
                        .Peliculas(10)
                        .Restante(5)
                        .Caduca(QDate(2027, 3, 10))
                        .Factor(1.15 * 1.15)
                        .Dice({"más 32.2 %"})},
        CasoBotella{"xtol_quince", kXtol, Reusos(15, "stock", kMezcla), kEnero20,
                    Esperado().Peliculas(15).Restante(0).Caduca(QDate(2027, 3, 10)).Agotada()},
        // XTOL counts 4x5 sheets four to a reel.
        CasoBotella{
            "xtol_hojas",
            kXtol,
            {Ses(QDate(2027, 1, 12), Carga{0, 0, 8}, "stock")},
            kEnero20,
            Esperado().Peliculas(2).Restante(13).Caduca(QDate(2027, 3, 12)).Dice({"2 carretes revelados"})},
        // T-MAX Developer: 48 reels a gallon, one minute more every 16 reels a gallon after 16.
        CasoBotella{"tmax", Bot("Kodak T-Max Developer", "1+4", 1000, kMezcla), Reusos(5, "1+4", kMezcla),
                    kEnero20,
                    Esperado()
                        .Peliculas(5)
                        .Restante(48 * 1000 / 3785.41 - 5)
                        .Caduca(QDate(2027, 3, 10))
                        .Extra(60)
                        .Dice({"más 1 min"})},
        // DD-X concentrate: 16 reels a litre diluted one-shot, and no more than the concentrate left.
        CasoBotella{"ddx_concentrado",
                    kDdxConcentrado,
                    {Ses(QDate(2027, 2, 1), Carga{0, 2, 0}, "1+4", 100),
                     Ses(QDate(2027, 2, 8), Carga{2, 0, 0}, "1+4", 100)},
                    QDate(2027, 2, 10),
                    Esperado()
                        .Peliculas(4)
                        .Restante(12)
                        .MlRestantes(800)
                        .Caduca(QDate(2027, 6, 1))
                        .Dice({"quedan 800 ml en la botella", "4 carretes revelados de los 16"})},
        CasoBotella{"ddx_concentrado_derrochado",
                    kDdxConcentrado,
                    {Ses(QDate(2027, 2, 1), Carga{0, 1, 0}, "1+4", 900)},
                    QDate(2027, 2, 10),
                    Esperado()
                        .Peliculas(1)
                        .Restante(1.6)
                        .MlRestantes(100)
                        .Caduca(QDate(2027, 6, 1))
                        .Dice({"quedan 1.6 carretes"})},
        // DD-X working solution: not kept over 24 hours.
        CasoBotella{"ddx_trabajo_hoy",
                    kDdxTrabajo,
                    {},
                    kMezcla,
                    Esperado().Restante(10).Caduca(kMezcla.addDays(1)).Dice({"(queda 1 día)"})},
        CasoBotella{"ddx_trabajo_manana", kDdxTrabajo, Reusos(2, "1+4", kMezcla), kMezcla.addDays(1),
                    Esperado()
                        .Peliculas(2)
                        .Restante(8)
                        .Caduca(kMezcla.addDays(1))
                        .Caducada()
                        .Factor(1.2)
                        .Dice({"más 20 %"})},
        // T-MAX RS: replenished, time unchanged.
        CasoBotella{"tmax_rs", Bot("Kodak T-Max RS", "stock", 1000, kMezcla), Reusos(3, "stock", kMezcla),
                    kEnero20,
                    Esperado()
                        .Peliculas(3)
                        .Caduca(QDate(2027, 3, 10))
                        .Dice({"reponer 45 ml de la misma solución T-MAX RS por carrete: 135 ml"})},
        // Nothing stated: only the count, and said so.
        CasoBotella{"sin_hoja",
                    Bot("Ilford Ilfotec HC", "concentrado", 500, kMezcla),
                    {Ses(QDate(2027, 1, 12), Carga{0, 2, 3}, "1+31", 16)},
                    kEnero20,
                    Esperado().Peliculas(2).MlRestantes(500 - 16).Dice(
                        {"ninguna hoja del fabricante da cifras de Ilford Ilfotec HC concentrado",
                         "las hojas no se cuentan"})},
        // Sessions of another bottle are not this one's.
        CasoBotella{"otra_botella",
                    kId11,
                    {Ses(QDate(2027, 1, 12), Carga{0, 3, 0}, "stock", 0, 8)},
                    kEnero20,
                    Esperado().Restante(10).Caduca(QDate(2027, 7, 10))}));

TEST(EstadoBotella, SinFiguras) {
    // With no figures at all, an unknown dilution counts its sessions and says nothing else.
    const Botella b = Bot("Kodak D-96", "stock", 1000, QDate());
    const EstadoBotella e = CalcularEstadoBotella(b, Reusos(2, "stock", kMezcla), kMezcla, nullptr);
    EXPECT_DOUBLE_EQ(e.peliculas, 2);
    EXPECT_FALSE(e.capacidad || e.capacidadRestante || e.caduca || e.mlReponer);
    EXPECT_FALSE(e.agotada || e.caducada);
    EXPECT_EQ(e.frase,
              QStringLiteral("Botella de Kodak D-96 stock (1000 ml): 2 carretes revelados; ninguna hoja del "
                             "fabricante da cifras de Kodak D-96 stock."));
}

TEST(EstadoBotella, SegundosSiguienteSesion) {
    EstadoBotella e;
    EXPECT_EQ(SegundosSiguienteSesion(e, 390), 390);
    e.factorTiempo = 1.3;
    EXPECT_EQ(SegundosSiguienteSesion(e, 390), 507);
    e.factorTiempo = 1.0;
    e.segundosExtra = 120;
    EXPECT_EQ(SegundosSiguienteSesion(e, 390), 510);
    e.factorTiempo = 1.2;
    e.segundosExtra = 60;
    EXPECT_EQ(SegundosSiguienteSesion(e, 300), 420);
}

TEST(EstadoBotella, UnaBotellaSinIdCuentaTodasLasSesiones) {
    const Botella b = Bot("Ilford ID-11", "stock", 1000, kMezcla, 0);
    std::vector<Sesion> s = Reusos(2, "stock", kMezcla);
    s[1].idBotella = 99;
    EXPECT_DOUBLE_EQ(CalcularEstadoBotella(b, s, kMezcla).peliculas, 2);
}

} // namespace
