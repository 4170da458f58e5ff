#include "devtimes/ConsultasTiempos.h"

#include "FixtureTiempos.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

QStringList Nombres(const std::vector<ItemLista>& items) {
    QStringList r;
    for (const auto& i : items)
        r << i.nombre;
    return r;
}

QStringList Columna(const std::vector<QStringList>& filas, int c) {
    QStringList r;
    for (const auto& f : filas)
        r << f[c];
    return r;
}

class ConsultasTiemposTest : public ::testing::Test {
protected:
    void SetUp() override {
        fixture::Pelicula(1, "Kodak Tri-X 400");
        fixture::Pelicula(2, "adox CHS 100");
        fixture::Pelicula(3, "O'Brien 50");
        fixture::Pelicula(4, "Ilford HP5+");
        fixture::Revelador(10, "Rodinal");
        fixture::Revelador(11, "D-76");
        fixture::Revelador(12, "Xtol");
    }
    CarpetaPruebas carpeta_;
};

} // namespace

TEST(TextosDeConsultas, ConteoYEstado) {
    EXPECT_EQ(TextoConteo(true, 0), QStringLiteral("0 películas"));
    EXPECT_EQ(TextoConteo(false, 12), "12 reveladores");
    EXPECT_EQ(TextoEstadoTiempos("Tri-X", 0), "Tri-X  - sin datos");
    EXPECT_EQ(TextoEstadoTiempos("Tri-X", 3), "Tri-X  -  3 combinaciones");
}

TEST_F(ConsultasTiemposTest, ListaEnOrdenDeNombreConYSinFiltro) {
    const auto todas = LeerLista(true, "");
    EXPECT_EQ(Nombres(todas), (QStringList{"adox CHS 100", "Ilford HP5+", "Kodak Tri-X 400", "O'Brien 50"}));
    EXPECT_EQ(todas[0].id, 2);
    EXPECT_EQ(Nombres(LeerLista(true, "  TRI ")), QStringList{"Kodak Tri-X 400"});
    EXPECT_EQ(Nombres(LeerLista(true, "o'b")), QStringList{"O'Brien 50"});
    // Pattern characters keep their meaning.
    EXPECT_EQ(Nombres(LeerLista(true, "k?d")), QStringList{"Kodak Tri-X 400"});
    EXPECT_EQ(Nombres(LeerLista(true, "HP#")), QStringList{"Ilford HP5+"});
    EXPECT_EQ(Nombres(LeerLista(false, "")), (QStringList{"D-76", "Rodinal", "Xtol"}));
    EXPECT_TRUE(LeerLista(true, "zzz").empty());
}

TEST_F(ConsultasTiemposTest, PatronRechazadoOBaseCerradaNoListanNada) {
    EXPECT_NO_THROW(EXPECT_TRUE(LeerLista(true, "[abc").empty()));
    EXPECT_EQ(Nombres(LeerLista(true, "[k]odak")), QStringList{"Kodak Tri-X 400"});
    CerrarBasesDatos();
    EXPECT_TRUE(LeerLista(true, "").empty());
    EXPECT_TRUE(LeerTemperaturas(true, 1).isEmpty());
    EXPECT_TRUE(LeerTiempos(true, 1, "").empty());
    EXPECT_EQ(BuscarIdOtroLado(true, "Rodinal"), 0);
    EXPECT_EQ(DescribirCodigos("[A] x"), "[A]  |  x");
}

TEST_F(ConsultasTiemposTest, TemperaturasDistintasSinVaciasNiNulas) {
    fixture::Tiempo(1, 10, "400", "24");
    fixture::Tiempo(1, 11, "400", "20");
    fixture::Tiempo(1, 12, "400", "20");
    fixture::Tiempo(1, 12, "800", "");
    fixture::Tiempo(1, 12, "1600", QVariant());
    fixture::Tiempo(2, 10, "100", "18");
    EXPECT_EQ(LeerTemperaturas(true, 1), (QStringList{"20", "24"}));
    EXPECT_EQ(LeerTemperaturas(false, 10), (QStringList{"18", "24"}));
    // Only empty or Null temperatures: none listed, yet every time shows without a filter.
    fixture::Tiempo(3, 10, "50", QVariant());
    fixture::Tiempo(3, 11, "50", "");
    EXPECT_TRUE(LeerTemperaturas(true, 3).isEmpty());
    EXPECT_EQ(LeerTiempos(true, 3, "").size(), 2u);
    EXPECT_EQ(Columna(LeerTiempos(true, 1, "20"), 0), (QStringList{"D-76", "Xtol"}));
}

TEST_F(ConsultasTiemposTest, TiemposPorNombreYNumeroDeIso) {
    fixture::Tiempo(1, 10, "400", "20", QVariant(), "[A]");
    fixture::Tiempo(1, 10, "25", "20", " 11 ");
    fixture::Tiempo(1, 10, "100/21", "20");
    fixture::Tiempo(1, 11, "200", "20");
    fixture::Tiempo(2, 11, "100", "20");
    const auto filas = LeerTiempos(true, 1, "");
    ASSERT_EQ(filas.size(), 4u);
    EXPECT_EQ(Columna(filas, 0), (QStringList{"D-76", "Rodinal", "Rodinal", "Rodinal"}));
    EXPECT_EQ(Columna(filas, 2), (QStringList{"200", "25", "100/21", "400"}));
    EXPECT_EQ(filas[2], (QStringList{"Rodinal", "1+1", "100/21", "8", "9", "", "20", ""}));
    // Times trimmed, Null as an empty cell, codes raw.
    EXPECT_EQ(filas[1][3], "11");
    EXPECT_EQ(filas[3][3], "");
    EXPECT_EQ(filas[3][7], "[A]");
    // Developer side: films in name order.
    EXPECT_EQ(Columna(LeerTiempos(false, 11, ""), 0), (QStringList{"adox CHS 100", "Kodak Tri-X 400"}));
    EXPECT_TRUE(LeerTiempos(true, 1, "21").empty());
}

TEST_F(ConsultasTiemposTest, DescribirCodigos) {
    fixture::Codigo("A", "dA");
    fixture::Codigo("B", "dB");
    fixture::Codigo("N", QVariant());
    fixture::Codigo("o'k", "comilla");
    EXPECT_EQ(DescribirCodigos("[A] [B]agitar"), "[A]  dA  |  [B]  dB  |  agitar");
    EXPECT_EQ(DescribirCodigos("antes [A] entre [X]  "), "[A]  dA  |  [X]");
    EXPECT_EQ(DescribirCodigos("  sin corchetes  "), "sin corchetes");
    EXPECT_EQ(DescribirCodigos(" abierto [A sin cierre "), "abierto [A sin cierre");
    EXPECT_EQ(DescribirCodigos("[]"), "[]");
    EXPECT_EQ(DescribirCodigos("   "), "");
    EXPECT_EQ(DescribirCodigos("[N]"), "[N]  ");
    EXPECT_EQ(DescribirCodigos("[o'k]"), "[o'k]  comilla");
    EXPECT_EQ(DescribirCodigos("x] [A]"), "x] [A]");
    // Codes are not trimmed before the look-up.
    EXPECT_EQ(DescribirCodigos("[ A ]"), "[ A ]");
}

TEST_F(ConsultasTiemposTest, NotaMiaSeInsertaUnaVezYLuegoSeActualiza) {
    EXPECT_EQ(BuscarIdOtroLado(true, "d-76"), 11);
    EXPECT_EQ(BuscarIdOtroLado(false, "O'Brien 50"), 3);
    EXPECT_EQ(BuscarIdOtroLado(true, "Nadie"), 0);
    EXPECT_FALSE(LeerNotaMia(true, 1, 11));

    const QDateTime antes = QDateTime::currentDateTime().addSecs(-1);
    const int id = GuardarNotaMia(true, 0, 1, 11, "a 20 grados");
    EXPECT_GT(id, 0);
    EXPECT_EQ(GuardarNotaMia(true, id, 1, 11, "mejor 21"), id);
    Consulta c = ReferenceDb()->Consultar("SELECT IdNota, IdPelicula, IdRevelador, Texto, FechaModif "
                                          "FROM NotasMiasPelicula");
    ASSERT_FALSE(c.Fin());
    EXPECT_EQ(c.Campo("IdPelicula").toInt(), 1);
    EXPECT_EQ(c.Campo("IdRevelador").toInt(), 11);
    EXPECT_EQ(c.Campo("Texto").toString(), "mejor 21");
    EXPECT_GE(LeerFechaBD(c.Campo("FechaModif")), antes);
    c.Siguiente();
    EXPECT_TRUE(c.Fin());

    const auto nota = LeerNotaMia(true, 1, 11);
    ASSERT_TRUE(nota);
    EXPECT_EQ(nota->idNota, id);
    EXPECT_EQ(nota->texto, "mejor 21");
    // A note written by film is not one written by developer.
    EXPECT_FALSE(LeerNotaMia(false, 1, 11));
    const int otra = GuardarNotaMia(false, 0, 1, 11, "");
    EXPECT_EQ(LeerNotaMia(false, 1, 11)->idNota, otra);
    EXPECT_EQ(LeerNotaMia(false, 1, 11)->texto, "");
}

TEST_F(ConsultasTiemposTest, NotaBorradaMientrasTantoSeEscribeDeNuevo) {
    const int id = GuardarNotaMia(true, 0, 2, 10, "uno");
    ReferenceDb()->Ejecutar("DELETE FROM NotasMiasPelicula");
    const int nuevo = GuardarNotaMia(true, id, 2, 10, "dos");
    const auto nota = LeerNotaMia(true, 2, 10);
    ASSERT_TRUE(nota);
    EXPECT_EQ(nota->idNota, nuevo);
    EXPECT_EQ(nota->texto, "dos");
}
