#include "session/PlanSesion.h"

#include "timer/CuadernoRevelado.h"

#include <gtest/gtest.h>

namespace {

const Tanque kCuatro{0, QStringLiteral("Cuatro"), 250, 500, 4, 2};

DatosRevelado Fila(const QString& revelador, const QString& dilucion, std::optional<int> s35,
                   std::optional<int> s120, int decimas = 200) {
    DatosRevelado d;
    d.pelicula = QStringLiteral("Ilford HP5 Plus");
    d.revelador = revelador;
    d.dilucion = dilucion;
    d.ei = QStringLiteral("800");
    d.segundos = {s35, s120, std::nullopt};
    d.decimasBase = decimas;
    return d;
}

EntradaPlan Entrada(const Carga& carga, const DatosRevelado& fila, int decimasBano = 200) {
    EntradaPlan e;
    e.tanque = kCuatro;
    e.carga = carga;
    e.fila = fila;
    e.decimasBano = decimasBano;
    e.hoy = QDate(2026, 12, 8);
    return e;
}

bool Contiene(const QStringList& avisos, const QString& trozo) {
    for (const QString& a : avisos)
        if (a.contains(trozo))
            return true;
    return false;
}

} // namespace

// The working solution of a load: reels by the tank's volumes, its stated places checked with
// every format taking its share, a typed volume in place of the tank's.
TEST(PlanSesion, VolumenDeTrabajoPorCarga) {
    const Tanque sinCabida{0, QStringLiteral("Libre"), 300, 600, 0, 0};
    const Tanque sin120{0, QStringLiteral("Pequeño"), 300, 0, 1, 0};
    struct Caso {
        Tanque tanque;
        Carga carga;
        std::optional<int> tecleados;
        int ml;        // 0 when refused
        QString error; // a piece of the refusal
        bool aviso;    // a typed volume under the tank's
    } casos[] = {
        {kCuatro, {0, 2, 0}, {}, 1000, {}, false},
        {kCuatro, {3, 0, 0}, {}, 750, {}, false},
        {kCuatro, {2, 1, 0}, {}, 1000, {}, false}, // half the places each: full
        {kCuatro, {0, 3, 0}, {}, 0, QStringLiteral("admite 4 carretes de 35 mm o 2 de 120"), false},
        {kCuatro, {3, 1, 0}, {}, 0, QStringLiteral("no cabe en el tanque «Cuatro»"), false},
        {kCuatro, {0, 0, 0}, {}, 0, QStringLiteral("Indique qué se revela"), false},
        {kCuatro, {0, -1, 0}, {}, 0, QStringLiteral("negativa"), false},
        {sinCabida, {0, 6, 0}, {}, 3600, {}, false}, // no places stated: nothing to check
        {sin120, {0, 1, 0}, {}, 0, QStringLiteral("no indica el volumen para un carrete de 120"), false},
        {sin120, {0, 1, 0}, 550, 550, {}, false},
        {kCuatro, {0, 0, 3}, {}, 0, QStringLiteral("Con hojas, escriba el volumen"), false},
        {kCuatro, {0, 0, 3}, 600, 600, {}, false},
        {kCuatro, {0, 2, 0}, 500, 500, {}, true},
        {kCuatro, {0, 2, 0}, 0, 0, QStringLiteral("entre 1 y"), false},
        {kCuatro, {0, 2, 0}, kMlMaximos + 1, 0, QStringLiteral("entre 1 y"), false},
    };
    for (const Caso& c : casos) {
        const Volumen v = VolumenTrabajo(c.tanque, c.carga, c.tecleados);
        const QString caso = c.tanque.nombre + u' ' + TextoCarga(c.carga);
        EXPECT_EQ(v.mlTrabajo, c.error.isEmpty() ? c.ml : 0) << qPrintable(caso);
        if (c.error.isEmpty())
            EXPECT_TRUE(v.error.isEmpty()) << qPrintable(caso + u": " + v.error);
        else
            EXPECT_TRUE(v.error.contains(c.error)) << qPrintable(caso + u": " + v.error);
        EXPECT_EQ(!v.aviso.isEmpty(), c.aviso) << qPrintable(caso);
    }
}

TEST(PlanSesion, PartesDeLaDilucion) {
    struct Caso {
        const char* texto;
        std::optional<PartesDilucion> partes;
    } casos[] = {
        {"1+31", PartesDilucion{1, 31}},
        {" 1 + 4 ", PartesDilucion{1, 4}},
        {"1:31", PartesDilucion{1, 31}}, // as the makers' sheets write it
        {"1,5+10", PartesDilucion{1.5, 10}},
        {"stock", PartesDilucion{1, 0}},
        {"Stock", PartesDilucion{1, 0}},
        {"B", std::nullopt},
        {"1+1+100", std::nullopt},
        {"0+5", std::nullopt},
        {"", std::nullopt},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(LeerPartesDilucion(QString::fromUtf8(c.texto)), c.partes) << c.texto;
}

// Concentrate and water split as the dilution calculator splits them; "stock" and a bottle of the
// session's own solution need no water; a dilution the program cannot read is said, not guessed.
TEST(PlanSesion, ConcentradoYAgua) {
    struct Caso {
        const char* dilucion;
        Carga carga;
        double concentrado, agua;
        bool conocida;
    } casos[] = {
        {"1+31", {0, 2, 0}, 31.25, 968.75, true}, {"1+9", {1, 0, 0}, 25, 225, true},
        {"1+1", {3, 0, 0}, 375, 375, true},       {"1:4", {0, 1, 0}, 100, 400, true},
        {"stock", {0, 2, 0}, 1000, 0, true},      {"B", {0, 2, 0}, 0, 0, false},
    };
    for (const Caso& c : casos) {
        const PlanSesion p = Planificar(
            Entrada(c.carga, Fila(QStringLiteral("Revelador X"), QString::fromUtf8(c.dilucion), 570, 570)));
        ASSERT_TRUE(p.error.isEmpty()) << c.dilucion << ": " << qPrintable(p.error);
        EXPECT_NEAR(p.mlConcentrado, c.concentrado, 1e-9) << c.dilucion;
        EXPECT_NEAR(p.mlAgua, c.agua, 1e-9) << c.dilucion;
        EXPECT_NEAR(p.mlConcentrado + p.mlAgua, c.conocida ? p.mlTrabajo : 0, 1e-9) << c.dilucion;
        EXPECT_EQ(p.proporcionConocida, c.conocida) << c.dilucion;
        EXPECT_EQ(Contiene(p.avisos, QStringLiteral("«B»")), !c.conocida) << c.dilucion;
    }
}

// The developing time: the loaded format's, corrected for the bath as the timer corrects it.
TEST(PlanSesion, TiempoCorregidoComoElTemporizador) {
    EntradaPlan e =
        Entrada({0, 2, 0}, Fila(QStringLiteral("Ilford Ilfotec HC"), QStringLiteral("1+31"), 600, 570), 210);
    e.compensacion = {0, 1, 1};
    const PlanSesion p = Planificar(e);
    ASSERT_TRUE(p.error.isEmpty()) << qPrintable(p.error);
    EXPECT_EQ(p.formato, Formato120);
    EXPECT_EQ(p.segundosFila, 570) << "el tiempo de 120, no el de 35 mm";
    const Correccion timer = CorregirTiempo(570, 200, 210, 0, 1, 1);
    EXPECT_EQ(p.segundosRevelado, timer.segundos);
    EXPECT_LT(p.segundosRevelado, 570) << "un baño más caliente acorta el revelado";
    EXPECT_GT(p.segundosRevelado, 480);

    EXPECT_EQ(
        Planificar(Entrada({0, 2, 0}, Fila(QStringLiteral("X"), QStringLiteral("1+9"), 570, std::nullopt)))
            .error,
        QStringLiteral("La fila no da tiempo para 120."));
    // Mixed formats take the first one's time and say so when the other's differs.
    const PlanSesion mezcla =
        Planificar(Entrada({2, 1, 0}, Fila(QStringLiteral("X"), QStringLiteral("1+9"), 570, 600)));
    EXPECT_EQ(mezcla.segundosFila, 570);
    EXPECT_TRUE(Contiene(mezcla.avisos, QStringLiteral("tiempos distintos")));
    const PlanSesion iguales =
        Planificar(Entrada({2, 1, 0}, Fila(QStringLiteral("X"), QStringLiteral("1+9"), 570, 570)));
    EXPECT_FALSE(Contiene(iguales.avisos, QStringLiteral("tiempos distintos")));
}

// A bottle: another developer's, or one with less left than the session needs, is pointed out.
TEST(PlanSesion, AvisosDeLaBotella) {
    EntradaPlan e = Entrada({0, 2, 0}, Fila(QStringLiteral("Revelador X"), QStringLiteral("1+9"), 570, 570));
    e.botella =
        Botella{7, QStringLiteral("Otro revelador"), QStringLiteral("stock"), QDate(2026, 12, 1), 50, {}};
    const PlanSesion p = Planificar(e);
    ASSERT_TRUE(p.error.isEmpty()) << qPrintable(p.error);
    EXPECT_TRUE(Contiene(p.avisos, QStringLiteral("La botella es de Otro revelador, no de Revelador X")));
    EXPECT_TRUE(Contiene(p.avisos, QStringLiteral("necesita"))) << "100 ml de concentrado y quedan 50";
    ASSERT_TRUE(p.botella.has_value());

    e.botella->revelador = QStringLiteral("revelador x");
    e.botella->ml = 1000;
    const PlanSesion bien = Planificar(e);
    EXPECT_FALSE(Contiene(bien.avisos, QStringLiteral("La botella es de")));
    EXPECT_FALSE(Contiene(bien.avisos, QStringLiteral("necesita")));

    // A bottle of the session's own solution is poured as it is.
    e.botella->dilucion = QStringLiteral("1+9");
    const PlanSesion reutiliza = Planificar(e);
    EXPECT_DOUBLE_EQ(reutiliza.mlConcentrado, 1000);
    EXPECT_DOUBLE_EQ(reutiliza.mlAgua, 0);
}

// The timer's stages: every bath kind the sum of its baths, a kind none uses left out.
TEST(PlanSesion, EtapasDelTemporizador) {
    EsquemaEtapas base;
    base.agitacion = Agitacion::Inicial30Cada30;
    base.etapas[Humectante] = {45, false};
    const std::vector<Bano> banos = {
        {Paro, QStringLiteral("Agua"), {}, 60, false, {}},
        {Fijado, QStringLiteral("Rapid"), QStringLiteral("1+4"), 300, false, {}},
        {Lavado, QStringLiteral("Agua"), {}, 300, false, {}},
        {Lavado, QStringLiteral("Agua"), {}, 120, false, {}},
        {Lavado, QStringLiteral("Agua"), {}, 900, true, {}},
        {Humectante, QStringLiteral("Humectante"), {}, 60, true, {}},
    };
    const EsquemaEtapas e = EsquemaDeSesion(541, banos, base);
    EXPECT_EQ(e.etapas[Revelado], (Etapa{541, false}));
    EXPECT_EQ(e.etapas[Paro], (Etapa{60, false}));
    EXPECT_EQ(e.etapas[Fijado], (Etapa{300, false}));
    EXPECT_EQ(e.etapas[Lavado], (Etapa{420, false})) << "el omitido no cuenta";
    EXPECT_TRUE(e.etapas[Humectante].omitida) << "omitido en la sesión, aunque el esquema lo tuviera";
    EXPECT_EQ(e.agitacion, Agitacion::Inicial30Cada30);
}

TEST(PlanSesion, SesionYResumen) {
    EntradaPlan e =
        Entrada({1, 1, 3}, Fila(QStringLiteral("Revelador X"), QStringLiteral("1+9"), 570, 570), 210);
    e.mlTecleados = 1500;
    EXPECT_EQ(Planificar(e).error, QStringLiteral("La fila no da tiempo para Hoja."));
    e.fila.segundos[FormatoHoja] = 570;
    const PlanSesion p = Planificar(e);
    ASSERT_TRUE(p.error.isEmpty()) << qPrintable(p.error);
    EXPECT_EQ(p.mlTrabajo, 1500);
    EXPECT_EQ(p.formato, Formato35);
    const Sesion s =
        SesionDePlan(e, p, {}, QStringLiteral("  prueba "), QDateTime(QDate(2026, 12, 8), QTime(10, 0)));
    EXPECT_EQ(s.tanque, QStringLiteral("Cuatro"));
    EXPECT_EQ(s.carga, (Carga{1, 1, 3}));
    EXPECT_EQ(s.mlTrabajo, 1500);
    EXPECT_DOUBLE_EQ(s.mlConcentrado, 150);
    EXPECT_EQ(s.decimasBano, 210);
    EXPECT_EQ(s.nota, QStringLiteral("prueba"));
    EXPECT_EQ(TextoCarga(s.carga), QStringLiteral("1 carrete de 35 mm, 1 carrete de 120 y 3 hojas"));
    EXPECT_TRUE(ResumenSesion(s, QStringLiteral("B1"))
                    .startsWith(QStringLiteral(
                        "Sesión: 1 carrete de 35 mm, 1 carrete de 120 y 3 hojas en Cuatro; 1500 ml")));
}

// A planned run's log entry carries the session first, then what the user wrote.
TEST(PlanSesion, EntradaDelCuadernoLlevaLaSesion) {
    EntradaCuaderno e;
    e.segundos = 600;
    e.nota = QStringLiteral("Sesión: 2 carretes de 120");
    EXPECT_EQ(EntradaDeMarcha(e, 600, QStringLiteral(" densos ")).nota,
              QStringLiteral("Sesión: 2 carretes de 120. densos"));
    EXPECT_EQ(EntradaDeMarcha(e, 600, QString()).nota, QStringLiteral("Sesión: 2 carretes de 120"));
    EXPECT_EQ(EntradaDeMarcha(e, 300, QString()).nota,
              QStringLiteral("Revelado cortado a 05:00 de 10:00. Sesión: 2 carretes de 120"));
}

// The makers' figures reach the plan: the least concentrate a load needs, a one-shot dilution, and
// a reused stock that has developed enough films to need more time.
TEST(PlanSesion, CifrasDelFabricanteEnElPlan) {
    EntradaPlan e = Entrada({0, 2, 0}, Fila(QStringLiteral("Kodak XTOL"), QStringLiteral("1+1"), 570, 570));
    const PlanSesion holgado = Planificar(e);
    ASSERT_TRUE(holgado.error.isEmpty()) << qPrintable(holgado.error);
    EXPECT_FALSE(holgado.minimo.isEmpty());
    EXPECT_FALSE(Contiene(holgado.avisos, QStringLiteral("hacen falta"))) << "500 ml de concentrado bastan";
    EXPECT_TRUE(Contiene(holgado.avisos, QStringLiteral("un solo uso")));
    e.mlTecleados = 300;
    const PlanSesion corto = Planificar(e);
    EXPECT_TRUE(Contiene(corto.avisos, QStringLiteral("hacen falta 200 ml")))
        << qPrintable(corto.avisos.join(u'\n'));

    // A litre of stock poured back after six reels: the sheet's increase applies, and is said.
    EntradaPlan r = Entrada({0, 1, 0}, Fila(QStringLiteral("Kodak XTOL"), QStringLiteral("stock"), 570, 570));
    r.botella =
        Botella{3, QStringLiteral("Kodak XTOL"), QStringLiteral("stock"), QDate(2026, 12, 1), 1000, {}};
    const PlanSesion nueva = Planificar(r);
    EXPECT_EQ(nueva.segundosEstandar, 570) << "botella sin usar";
    for (int i = 0; i < 6; ++i) {
        Sesion s;
        s.idBotella = 3;
        s.carga = {0, 1, 0};
        s.revelador = QStringLiteral("Kodak XTOL");
        s.dilucion = QStringLiteral("stock");
        s.mlTrabajo = 500;
        s.mlConcentrado = 500;
        s.cuando = QDateTime(QDate(2026, 12, 2), QTime(10, i));
        r.sesionesBotella.push_back(s);
    }
    const PlanSesion usada = Planificar(r);
    ASSERT_TRUE(usada.error.isEmpty()) << qPrintable(usada.error);
    EXPECT_GT(usada.segundosEstandar, 570);
    EXPECT_EQ(usada.segundosEstandar, SegundosSiguienteSesion(*usada.botella, 570));
    EXPECT_TRUE(Contiene(usada.avisos, QStringLiteral("alarga el tiempo de 09:30")));
    EXPECT_EQ(usada.segundosRevelado, CorregirTiempo(usada.segundosEstandar, 200, 200, 0, 1, 1).segundos);
    // A fresh dilution drawn from the same bottle does not slow.
    r.fila.dilucion = QStringLiteral("1+1");
    EXPECT_EQ(Planificar(r).segundosEstandar, 570);
}
