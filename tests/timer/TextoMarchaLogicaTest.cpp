#include "timer/TextoMarcha.h"

#include <gtest/gtest.h>

namespace {

Posicion En(int etapa, bool agitando, std::optional<Evento> proximo) {
    Posicion p;
    p.etapa = etapa;
    p.agitando = agitando;
    p.proximo = proximo;
    return p;
}

} // namespace

// A countdown never shows 0 before the end: a part of a second left counts as a whole one.
TEST(TextoMarcha, LaCuentaAtrasRedondeaHaciaArriba) {
    EXPECT_EQ(SegundosArriba(12000), 12);
    EXPECT_EQ(SegundosArriba(11001), 12);
    EXPECT_EQ(SegundosArriba(1), 1);
    EXPECT_EQ(SegundosArriba(0), 0);
    EXPECT_EQ(SegundosArriba(-250), 0) << "un aviso ya pasado no cuenta hacia atrás";
}

TEST(TextoMarcha, CadaEventoProximoConLoQueFalta) {
    EXPECT_EQ(TextoProximo(En(Revelado, false, Evento{TipoEvento::Agitar, Revelado, 60000}), 48000),
              QStringLiteral("Agitar en 00:12"));
    EXPECT_EQ(TextoProximo(En(Revelado, true, Evento{TipoEvento::FinAgitacion, Revelado, 70000}), 60500),
              QStringLiteral("Agitando: parar en 00:10"));
    EXPECT_EQ(TextoProximo(En(Paro, false, Evento{TipoEvento::FinEtapa, Paro, 840000}), 780000),
              QStringLiteral("Fin de paro en 01:00"));
    // The developing stage may end inside an agitation: both are said.
    EXPECT_EQ(TextoProximo(En(Revelado, true, Evento{TipoEvento::FinEtapa, Revelado, 780000}), 775000),
              QStringLiteral("Agitando: Fin de revelado en 00:05"));
    // Over ten minutes to go, and a reading just past the event.
    EXPECT_EQ(TextoProximo(En(Lavado, false, Evento{TipoEvento::FinEtapa, Lavado, 900000}), 0),
              QStringLiteral("Fin de lavado en 15:00"));
    EXPECT_EQ(TextoProximo(En(Revelado, false, Evento{TipoEvento::Agitar, Revelado, 60000}), 60010),
              QStringLiteral("Agitar en 00:00"));
}

TEST(TextoMarcha, NadaProximoNadaQueDecir) {
    EXPECT_TRUE(TextoProximo(En(Humectante, false, std::nullopt), 5000).isEmpty());
    EXPECT_TRUE(TextoProximo(En(-1, false, std::nullopt), 0).isEmpty());
}
