#include "timer/DatosRevelado.h"
#include "timer/PlanRevelado.h"

#include <gtest/gtest.h>

namespace {

constexpr int k930 = 9 * 60 + 30;

struct CasoAgitacion {
    Agitacion agitacion;
    bool mitad;
    std::vector<Intervalo> primeras; // the first ones, in order
    Intervalo ultima;
    size_t cuantas;
};

class AgitacionEn930 : public ::testing::TestWithParam<CasoAgitacion> {};

TEST_P(AgitacionEn930, IntervalosDelEsquema) {
    const CasoAgitacion& c = GetParam();
    const auto a = Agitaciones(c.agitacion, k930, c.mitad);
    ASSERT_EQ(a.size(), c.cuantas);
    if (a.empty())
        return;
    for (size_t i = 0; i < c.primeras.size(); ++i)
        EXPECT_EQ(a[i], c.primeras[i]) << i;
    EXPECT_EQ(a.back(), c.ultima);
    for (size_t i = 1; i < a.size(); ++i)
        EXPECT_LT(a[i - 1].fin, a[i].inicio) << "las agitaciones no se tocan";
}

INSTANTIATE_TEST_SUITE_P(
    Esquemas, AgitacionEn930,
    ::testing::Values(
        CasoAgitacion{Agitacion::Inicial30Cada30, false, {{0, 30}, {60, 65}, {90, 95}}, {540, 545}, 18},
        CasoAgitacion{Agitacion::Inicial10Cada60, false, {{0, 10}, {60, 70}, {120, 130}}, {540, 550}, 10},
        CasoAgitacion{Agitacion::Inicial60Cada60, false, {{0, 60}, {120, 130}}, {540, 550}, 9},
        CasoAgitacion{Agitacion::Continua, false, {}, {0, k930}, 1},
        CasoAgitacion{Agitacion::Reposo, false, {}, {}, 0},
        CasoAgitacion{Agitacion::Reposo, true, {}, {285, 295}, 1}));

TEST(Agitacion, LaUltimaSeCortaAlFinalDelRevelado) {
    EXPECT_EQ(Agitaciones(Agitacion::Inicial10Cada60, 125, false).back(), (Intervalo{120, 125}));
    EXPECT_EQ(Agitaciones(Agitacion::Inicial60Cada60, 40, false), (std::vector<Intervalo>{{0, 40}}));
    EXPECT_TRUE(Agitaciones(Agitacion::Continua, 0, false).empty());
}

// The agitations a rule gives, written out one by one as the photographer reads the rule.
std::vector<Intervalo> Escritas(Agitacion a, int segundos) {
    const DefinicionAgitacion& d = Definicion(a);
    std::vector<Intervalo> r{{0, std::min(d.inicial, segundos)}};
    for (int t = d.periodo; t < segundos; t += d.periodo)
        if (t > d.inicial)
            r.push_back({t, std::min(t + d.duracion, segundos)});
    return r;
}

// Found by division at any moment, they are those of the rule: the one in progress, or the next.
TEST(Agitacion, CalculadaEnCualquierMomento) {
    for (Agitacion a : {Agitacion::Inicial30Cada30, Agitacion::Inicial10Cada60, Agitacion::Inicial60Cada60})
        for (int segundos : {40, 125, k930, 3600 + 7}) {
            const auto escritas = Escritas(a, segundos);
            EXPECT_EQ(Agitaciones(a, segundos, false), escritas) << int(a) << " " << segundos;
            for (qint64 ms = -1; ms <= qint64(segundos) * 1000 + 1000; ms += 499) {
                auto siguiente = std::find_if(escritas.begin(), escritas.end(),
                                              [ms](const Intervalo& i) { return qint64(i.fin) * 1000 > ms; });
                const auto calculada = AgitacionDesde(a, segundos, false, ms);
                ASSERT_EQ(calculada.has_value(), siguiente != escritas.end()) << int(a) << " " << ms;
                if (calculada) {
                    EXPECT_EQ(*calculada, *siguiente) << int(a) << " " << ms;
                }
            }
        }
}

EsquemaEtapas Esquema(int revelado, Agitacion a = Agitacion::Inicial10Cada60) {
    EsquemaEtapas e = EsquemaPorDefecto();
    e.etapas[Revelado].segundos = revelado;
    e.agitacion = a;
    return e;
}

TEST(Marcha, ProximoEventoYEtapaSegunElTiempo) {
    Marcha m(Esquema(k930));
    m.Iniciar(1000); // the clock's reading at the start is its zero
    struct {
        qint64 ahora;
        int etapa;
        bool agitando;
        TipoEvento tipo;
        qint64 evento;
        qint64 restantes;
    } casos[] = {
        {1000, Revelado, true, TipoEvento::FinAgitacion, 10000, 570000},
        {11000 + 48000, Revelado, false, TipoEvento::Agitar, 60000, 512000},
        {1000 + 65000, Revelado, true, TipoEvento::FinAgitacion, 70000, 505000},
        {1000 + 560000, Revelado, false, TipoEvento::FinEtapa, 570000, 10000},
        {1000 + 570000, Paro, false, TipoEvento::FinEtapa, 630000, 60000},
        {1000 + 1540000, Humectante, false, TipoEvento::FinEtapa, 1590000, 50000},
    };
    for (const auto& c : casos) {
        const Posicion p = m.En(c.ahora);
        EXPECT_EQ(p.etapa, c.etapa) << c.ahora;
        EXPECT_EQ(p.agitando, c.agitando) << c.ahora;
        ASSERT_TRUE(p.proximo) << c.ahora;
        EXPECT_EQ(p.proximo->tipo, c.tipo) << c.ahora;
        EXPECT_EQ(p.proximo->ms, c.evento) << c.ahora;
        EXPECT_EQ(p.msRestantes, c.restantes) << c.ahora;
    }
    EXPECT_TRUE(m.Terminada(1000 + 1590000));
    EXPECT_FALSE(m.Terminada(1000 + 1589999));
}

TEST(Marcha, LaPausaDetieneElTiempoActivo) {
    Marcha m(Esquema(k930));
    m.Iniciar(0);
    m.Pausar(50000);
    EXPECT_TRUE(m.Pausada());
    EXPECT_EQ(m.Transcurrido(500000), 50000);
    EXPECT_EQ(m.En(500000).proximo->ms, 60000) << "la agitación sigue esperando";
    m.Pausar(600000); // a second pause changes nothing
    m.Reanudar(700000);
    EXPECT_EQ(m.Transcurrido(710000), 60000);
    m.Reanudar(720000); // nor does a second resume
    EXPECT_EQ(m.Transcurrido(720000), 70000);
    EXPECT_TRUE(m.En(710000).agitando);
}

TEST(Marcha, EventosEntreDosLecturas) {
    Marcha m(Esquema(130));
    m.Iniciar(0);
    const auto ev = m.EventosEntre(0, 200000);
    const std::vector<Evento> esperados = {
        {TipoEvento::FinAgitacion, Revelado, 10000}, {TipoEvento::Agitar, Revelado, 60000},
        {TipoEvento::FinAgitacion, Revelado, 70000}, {TipoEvento::Agitar, Revelado, 120000},
        {TipoEvento::FinEtapa, Revelado, 130000},    {TipoEvento::FinEtapa, Paro, 190000}};
    EXPECT_EQ(ev, esperados);
    EXPECT_TRUE(m.EventosEntre(60000, 69999).empty()) << "un evento cuenta una sola vez";
    EXPECT_EQ(m.EventosEntre(59999, 60000).size(), 1u);
}

TEST(Marcha, EtapasOmitidasYDeCeroSegundosSeSaltan) {
    EsquemaEtapas e = Esquema(100);
    e.etapas[Paro].omitida = true;
    e.etapas[Fijado].segundos = 0;
    Marcha m(e);
    m.Iniciar(0);
    EXPECT_EQ(m.En(100000).etapa, Lavado);
    EXPECT_EQ(m.En(100000).msRestantes, 600000);
    for (const Evento& ev : m.EventosEntre(0, 10'000'000))
        EXPECT_TRUE(ev.etapa != Paro && ev.etapa != Fijado);

    EsquemaEtapas sinRevelado = Esquema(0);
    Marcha m2(sinRevelado);
    m2.Iniciar(0);
    EXPECT_EQ(m2.En(0).etapa, Paro);
    EXPECT_TRUE(m2.EventosEntre(-1, 1000).empty()) << "ninguna agitación de un revelado de 0 s";

    EsquemaEtapas nada = Esquema(0);
    for (Etapa& et : nada.etapas)
        et.omitida = true;
    Marcha m3(nada);
    m3.Iniciar(0);
    EXPECT_TRUE(m3.Terminada(0));
}

TEST(Marcha, SiguienteEtapaTerminaLaActualAhora) {
    Marcha m(Esquema(k930));
    m.Iniciar(0);
    m.SiguienteEtapa(200000);
    Posicion p = m.En(200000);
    EXPECT_EQ(p.etapa, Paro);
    EXPECT_EQ(p.msRestantes, 60000);
    EXPECT_TRUE(m.EventosEntre(200000, 259999).empty()) << "las agitaciones saltadas no suenan";
    m.Pausar(230000);
    m.SiguienteEtapa(900000);
    EXPECT_EQ(m.En(900000).etapa, Fijado);
    EXPECT_EQ(m.En(900000).msRestantes, 300000);
    m.Reanudar(1000000);
    EXPECT_EQ(m.En(1010000).msRestantes, 290000);
}

// A day of developing, the longest the timer takes, with an agitation every 30 s: the position
// and the events of any moment come from the rule, and an hour of them arrive once each, in order.
TEST(Marcha, UnDiaDeAgitaciones) {
    Marcha m(Esquema(kSegundosMaximos, Agitacion::Inicial30Cada30));
    m.Iniciar(0);
    const qint64 dia = qint64(kSegundosMaximos) * 1000;
    const Posicion p = m.En(dia - 28000);
    EXPECT_EQ(p.etapa, Revelado);
    EXPECT_TRUE(p.agitando);
    EXPECT_EQ(p.proximo, (Evento{TipoEvento::FinAgitacion, Revelado, dia - 25000}));
    EXPECT_EQ(m.En(dia - 20000).proximo, (Evento{TipoEvento::FinEtapa, Revelado, dia}))
        << "la última agitación ya pasó";
    const auto hora = m.EventosEntre(dia - 3600000, dia);
    ASSERT_EQ(hora.size(), 2u * 120) << "119 agitaciones que empiezan, 120 que acaban y el fin";
    for (size_t i = 1; i < hora.size(); ++i)
        EXPECT_LT(hora[i - 1].ms, hora[i].ms);
    EXPECT_EQ(hora.back(), (Evento{TipoEvento::FinEtapa, Revelado, dia}));
    EXPECT_EQ(m.EventosEntre(dia - 31000, dia - 29000),
              (std::vector<Evento>{{TipoEvento::Agitar, Revelado, dia - 30000}}));
    EXPECT_EQ(m.ProximoEvento(dia + 60000 + 300000 + 600000 + 60000), std::nullopt);
}

TEST(Esquemas, TextoDeIdaYVuelta) {
    EsquemaEtapas e = Esquema(0, Agitacion::Reposo);
    e.agitarMitad = true;
    e.etapas[Lavado] = {900, true};
    EXPECT_EQ(LeerEsquema(TextoEsquema(e)), e);
    e.etapas[Lavado] = {kSegundosMaximos, false};
    EXPECT_EQ(LeerEsquema(TextoEsquema(e)), e) << "un día entero cabe";
    for (const char* malo :
         {"", "1;0;0;0", "1;0;0;0;60;0;300;0;86401;0;60;0", "9;0;0;0;60;0;300;0;600;0;60;0",
          "1;0;0;0;60;2;300;0;600;0;60;0", "1;0;0;0;-60;0;300;0;600;0;60;0", "1;0;0;0;x;0;300;0;600;0;60;0"})
        EXPECT_FALSE(LeerEsquema(QString::fromLatin1(malo))) << malo;
}

TEST(DatosRevelado, TiemposDeLasTablas) {
    struct {
        const char* texto;
        std::optional<int> segundos;
    } casos[] = {{"9:30", 570},
                 {" 6:00-7:00", 360},
                 {"12", 720},
                 {"9,5", 570},
                 {"9.5", 570},
                 {"", std::nullopt},
                 {"abc", std::nullopt},
                 {"0", std::nullopt},
                 {"75:00", 4500},
                 // Digits past three are no time, nor are seconds past 59: never a huge or a cut one.
                 {"99999999", std::nullopt},
                 {"1500", std::nullopt},
                 {"9:75", std::nullopt},
                 {"6-7", 360}};
    for (const auto& c : casos)
        EXPECT_EQ(SegundosTiempo(QString::fromLatin1(c.texto)), c.segundos) << c.texto;
}

// What the user types follows one rule, whole: zero is zero however written, and what is refused
// says why.
TEST(DatosRevelado, TiempoTecleadoUnaSolaRegla) {
    struct {
        const char* texto;
        std::optional<int> segundos;
        const char* error; // a word of the message
    } casos[] = {{"0", 0, ""},
                 {"0:00", 0, ""},
                 {" 9:30 ", 570, ""},
                 {"9,5", 570, ""},
                 {"1440:00", kSegundosMaximos, ""},
                 {"1440", kSegundosMaximos, ""},
                 {"9:75", std::nullopt, "59"},
                 {"9:5", std::nullopt, "9:30"},
                 {"1440:01", std::nullopt, "máximo"},
                 {"1440,1", std::nullopt, "máximo"},
                 {"99999999", std::nullopt, "máximo"},
                 {"99999999999999999999:00", std::nullopt, "máximo"},
                 {"9:30 min", std::nullopt, "9:30"},
                 {"-5", std::nullopt, "9:30"},
                 {"", std::nullopt, "9:30"}};
    for (const auto& c : casos) {
        const TiempoTecleado t = LeerTiempoTecleado(QString::fromUtf8(c.texto));
        EXPECT_EQ(t.segundos, c.segundos) << c.texto;
        EXPECT_EQ(t.error.isEmpty(), c.segundos.has_value()) << c.texto;
        EXPECT_TRUE(t.error.contains(QString::fromUtf8(c.error))) << c.texto << " " << t.error.toStdString();
    }
}

TEST(DatosRevelado, FilaYPrimerFormato) {
    const auto d = DatosDeFila(
        QStringLiteral("HP5 Plus"), QStringLiteral("ID-11"), QStringLiteral("1+1"), QStringLiteral("400"),
        {QString(), QStringLiteral("11:00"), QStringLiteral("13")}, QStringLiteral("22"));
    EXPECT_EQ(PrimerFormato(d), Formato120);
    EXPECT_EQ(d.decimasBase, 220);
    EXPECT_EQ(d.segundos[FormatoHoja], 780);
    const auto sinNada = DatosDeFila({}, {}, {}, {}, {}, QStringLiteral("99"));
    EXPECT_EQ(PrimerFormato(sinNada), -1);
    EXPECT_EQ(sinNada.decimasBase, 200) << "una temperatura fuera de rango deja 20 °C";
}

TEST(DatosRevelado, CorreccionConLaCompensacionDelPrograma) {
    // 10:00 at 20 °C developed at 24 °C: Q10 with D-76 and normal agitation gives 07:35.
    const Correccion c = CorregirTiempo(600, 200, 240, 1, 0, 1);
    EXPECT_FALSE(c.error);
    EXPECT_EQ(c.segundos, 455);
    EXPECT_EQ(CorregirTiempo(570, 220, 220, 1, 2, 0).segundos, 570);
    // Stand times beyond an hour keep the same factor.
    const Correccion larga = CorregirTiempo(7200, 200, 240, 1, 0, 1);
    EXPECT_NEAR(larga.segundos, 7200 * c.factor, 0.5);
    EXPECT_TRUE(CorregirTiempo(600, 200, 240, 1, 9, 1).error);
}

} // namespace
