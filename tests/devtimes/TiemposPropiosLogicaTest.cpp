#include "devtimes/FormularioTiempoPropio.h"
#include "devtimes/TiemposPropios.h"

#include "FixtureTiempos.h"

#include <gtest/gtest.h>

namespace {

TiempoPropio Tiempo(const QString& pelicula, const QString& revelador, const QString& ei,
                    const QString& temperatura = "20", const QString& t35 = "8:00") {
    return fixture::Propio(pelicula, revelador, "1+50", ei, temperatura, t35);
}

QStringList Nombres(const std::vector<ItemLista>& items) {
    QStringList r;
    for (const auto& i : items)
        r << (i.propio ? i.nombre + "*" : i.nombre);
    return r;
}

CampoInvalido Falla(const TiempoPropio& t) {
    const auto r = ValidarTiempoPropio(t);
    EXPECT_TRUE(std::holds_alternative<CampoInvalido>(r));
    return std::holds_alternative<CampoInvalido>(r) ? std::get<CampoInvalido>(r) : CampoInvalido{};
}

class TiemposPropiosTest : public ::testing::Test {
protected:
    void SetUp() override {
        fixture::Pelicula(1, "Ilford HP5 Plus");
        fixture::Pelicula(2, "Kodak Tri-X 400");
        fixture::Revelador(10, "Rodinal");
        fixture::Revelador(11, "D-76");
        fixture::Tiempo(1, 10, "400", "20", "11:00");
        fixture::Tiempo(1, 10, "1600", "20", "20:00");
        fixture::Tiempo(1, 11, "400", "20", "7:30");
    }
    CarpetaPruebas carpeta_;
};

} // namespace

TEST(FormularioTiempoPropio, TiemposYTemperaturasSeNormalizan) {
    EXPECT_EQ(NormalizarTiempo("8:30"), "8:30");
    EXPECT_EQ(NormalizarTiempo(" 8,5 "), "8:30");
    EXPECT_EQ(NormalizarTiempo("8.25"), "8:15");
    EXPECT_EQ(NormalizarTiempo("12"), "12:00");
    EXPECT_EQ(NormalizarTiempo(""), "");
    for (const char* malo : {"8:75", "8:5", "-3", "0", "abc", "8,5,1", "601", "1e3", "8:30:00"})
        EXPECT_FALSE(NormalizarTiempo(malo).has_value()) << malo;
    EXPECT_EQ(NormalizarTemperatura("20"), "20");
    EXPECT_EQ(NormalizarTemperatura("20.5"), "20,5");
    EXPECT_EQ(NormalizarTemperatura("21 °C"), "21");
    // Tenths round as every number of the program does: to the nearest, ties to even.
    EXPECT_EQ(NormalizarTemperatura("20.25"), "20,2");
    EXPECT_EQ(NormalizarTemperatura("20.75"), "20,8");
    EXPECT_EQ(NormalizarTemperatura("20.26"), "20,3");
    for (const char* malo : {"", "0", "75", "veinte", "20-24"})
        EXPECT_FALSE(NormalizarTemperatura(malo).has_value()) << malo;
}

TEST(FormularioTiempoPropio, CadaRechazoNombraSuCampo) {
    TiempoPropio bueno = Tiempo(" Ilford HP5 Plus ", "Rodinal", "01600", "21", "8,5");
    bueno.tiempoHoja = "9";
    const auto r = ValidarTiempoPropio(bueno);
    ASSERT_TRUE(std::holds_alternative<TiempoPropio>(r));
    const TiempoPropio& t = std::get<TiempoPropio>(r);
    EXPECT_EQ(t.pelicula, "Ilford HP5 Plus");
    EXPECT_EQ(t.ei, "1600");
    EXPECT_EQ(t.tiempo35, "8:30");
    EXPECT_EQ(t.tiempoHoja, "9:00");

    auto con = [&](auto cambio) {
        TiempoPropio x = bueno;
        cambio(x);
        return Falla(x).campo;
    };
    EXPECT_EQ(con([](TiempoPropio& x) { x.pelicula = "  "; }), "Película");
    EXPECT_EQ(con([](TiempoPropio& x) { x.revelador = QString(201, 'r'); }), "Revelador");
    EXPECT_EQ(con([](TiempoPropio& x) { x.revelador = "Rodi\x01nal"; }), "Revelador");
    EXPECT_EQ(con([](TiempoPropio& x) { x.dilucion = ""; }), "Dilución");
    EXPECT_EQ(con([](TiempoPropio& x) { x.ei = "ISO 400"; }), "EI");
    EXPECT_EQ(con([](TiempoPropio& x) { x.tiempo120 = "8 min"; }), "120");
    EXPECT_EQ(con([](TiempoPropio& x) { x.tiempo35 = x.tiempoHoja = ""; }), "35 mm");
    EXPECT_EQ(con([](TiempoPropio& x) { x.temperatura = "99"; }), "Temperatura");
    EXPECT_EQ(con([](TiempoPropio& x) { x.nota = QString(kMaxNotaPropia + 1, 'n'); }), "Nota");
    // A note keeps its lines; emoji and right-to-left text pass untouched.
    TiempoPropio largo = bueno;
    largo.nota = QStringLiteral("línea 1\nlínea 2 \U0001F600 שלום");
    EXPECT_EQ(std::get<TiempoPropio>(ValidarTiempoPropio(largo)).nota, largo.nota);
}

TEST_F(TiemposPropiosTest, LosNombresQueLaReferenciaNoTieneEntranEnLaListaMarcados) {
    GuardarTiempoPropio(Tiempo("Fomapan 400", "Rodinal", "800"));
    GuardarTiempoPropio(Tiempo("ilford hp5 plus", "Mi PMK casero", "1600"));
    const auto peliculas = MezclarLista(LeerLista(true, ""), LeerNombresPropios(true, ""));
    EXPECT_EQ(Nombres(peliculas), (QStringList{"Fomapan 400*", "Ilford HP5 Plus", "Kodak Tri-X 400"}));
    EXPECT_EQ(peliculas[0].id, kIdPropio);
    const auto reveladores = MezclarLista(LeerLista(false, "r"), LeerNombresPropios(false, "r"));
    EXPECT_EQ(Nombres(reveladores), (QStringList{"Mi PMK casero*", "Rodinal"}));
    // Only names the reference lacks were recorded as own.
    EXPECT_EQ(NotesDb()->Consultar("SELECT COUNT(*) FROM PeliculasPropias").Campo(0).toInt(), 1);
    EXPECT_EQ(NotesDb()->Consultar("SELECT COUNT(*) FROM ReveladoresPropios").Campo(0).toInt(), 1);
    EXPECT_TRUE(LeerNombresPropios(true, "[").isEmpty());
}

TEST_F(TiemposPropiosTest, LasFilasPropiasVanJuntoALasDeReferencia) {
    GuardarTiempoPropio(Tiempo("Ilford HP5 Plus", "Rodinal", "800", "21", "14:00"));
    TiempoPropio conNota = Tiempo("Ilford HP5 Plus", "Rodinal", "400", "20", "10:30");
    conNota.nota = "mi\nprueba";
    conNota.agitacion = "inversión cada minuto";
    const qint64 id = GuardarTiempoPropio(conNota);
    GuardarTiempoPropio(Tiempo("Ilford HP5 Plus", "A49", "200"));

    EXPECT_EQ(
        MezclarTemperaturas(LeerTemperaturas(true, 1), LeerTemperaturasPropias(true, "Ilford HP5 Plus")),
        (QStringList{"20", "21"}));
    const auto filas =
        MezclarFilas(LeerTiempos(true, 1, ""), LeerTiemposPropios(true, "ILFORD HP5 PLUS", ""), true);
    QStringList orden;
    for (const auto& f : filas)
        orden << f.textos[0] + " " + f.textos[2] + (f.idPropio ? "*" : "");
    EXPECT_EQ(orden, (QStringList{"A49 200*", "D-76 400", "Rodinal 400", "Rodinal 400*", "Rodinal 800*",
                                  "Rodinal 1600"}));
    EXPECT_EQ(filas[3].idPropio, id);
    EXPECT_EQ(filas[3].textos[7], "[PROPIO] mi prueba");
    EXPECT_EQ(DescribirTiempoPropio(*LeerTiempoPropio(id)),
              "[PROPIO]  Tiempo propio del usuario  |  Agitación: inversión cada minuto  |  mi\nprueba");
    // Developer side, one temperature.
    const auto rodinal = LeerTiemposPropios(false, "Rodinal", "21");
    ASSERT_EQ(rodinal.size(), 1u);
    EXPECT_EQ(rodinal[0].ei, "800");
}

TEST_F(TiemposPropiosTest, IgualesEdicionYBorrado) {
    const qint64 a = GuardarTiempoPropio(Tiempo("Fomapan 400", "Rodinal", "800"));
    TiempoPropio otro = Tiempo(" FOMAPAN 400", "rodinal", "800");
    EXPECT_EQ(BuscarTiempoIgual(otro), a);
    otro.temperatura = "24";
    EXPECT_FALSE(BuscarTiempoIgual(otro));
    // Editing keeps the id; a time deleted meanwhile is written anew.
    TiempoPropio editado = *LeerTiempoPropio(a);
    editado.tiempo35 = "9:15";
    EXPECT_EQ(GuardarTiempoPropio(editado), a);
    EXPECT_FALSE(BuscarTiempoIgual(editado));
    EXPECT_EQ(LeerTiempoPropio(a)->tiempo35, "9:15");
    BorrarTiempoPropio(a);
    EXPECT_FALSE(LeerTiempoPropio(a));
    EXPECT_NE(GuardarTiempoPropio(editado), 0);
    BorrarTodosMisTiempos();
    EXPECT_TRUE(LeerNombresPropios(true, "").isEmpty());
    EXPECT_TRUE(LeerTiemposPropios(true, "Fomapan 400", "").empty());
}

// Replacing an equal time is one write: a new time takes the equal one's place, an edited one
// stays and the equal one goes, and a failure on the way leaves both as they were.
TEST_F(TiemposPropiosTest, ReemplazarUnTiempoIgualEsUnaSolaTransaccion) {
    const qint64 a = GuardarTiempoPropio(Tiempo("Ilford HP5 Plus", "Rodinal", "800"));
    const qint64 b = GuardarTiempoPropio(Tiempo("Ilford HP5 Plus", "Rodinal", "1600"));
    const TiempoPropio nuevo = Tiempo("ilford hp5 plus", "Rodinal", "800", "20", "9:00");
    ASSERT_EQ(BuscarTiempoIgual(nuevo), a);
    EXPECT_EQ(GuardarTiempoPropio(nuevo, a), a);
    EXPECT_EQ(LeerTiempoPropio(a)->tiempo35, "9:00");

    TiempoPropio editado = *LeerTiempoPropio(b);
    editado.ei = "800";
    ASSERT_EQ(BuscarTiempoIgual(editado), a);
    NotesDb()->Ejecutar("CREATE TRIGGER falla BEFORE DELETE ON TiemposPropios "
                        "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END");
    EXPECT_THROW(GuardarTiempoPropio(editado, a), ErrorBD);
    EXPECT_EQ(LeerTiempoPropio(b)->ei, "1600");
    EXPECT_TRUE(LeerTiempoPropio(a));
    NotesDb()->Ejecutar("DROP TRIGGER falla");
    EXPECT_EQ(GuardarTiempoPropio(editado, a), b);
    EXPECT_FALSE(LeerTiempoPropio(a));
    EXPECT_EQ(LeerTiempoPropio(b)->ei, "800");
}

TEST_F(TiemposPropiosTest, UnTiempoConNombreDesconocidoEntraEnLaListaAlRegistrarlo) {
    // As a data update that renamed a film, or an import, leaves it: the time is there, the name not.
    NotesDb()->Insertar("TiemposPropios",
                        {{"Pelicula", "Película retirada"}, {"Revelador", "Rodinal"}, {"EI", "100"}});
    NotesDb()->Insertar("TiemposPropios",
                        {{"Pelicula", "película RETIRADA"}, {"Revelador", "Otro"}, {"EI", "200"}});
    EXPECT_TRUE(LeerNombresPropios(true, "").isEmpty());
    EXPECT_EQ(RegistrarNombresPropios(), 2); // one film, one developer
    EXPECT_EQ(LeerNombresPropios(true, "retir"), QStringList{QStringLiteral("Película retirada")});
    EXPECT_EQ(LeerNombresPropios(false, ""), QStringList{"Otro"});
    EXPECT_EQ(RegistrarNombresPropios(), 0);
}

// Every form the reference data gives beyond one EI and one time is copied as something the
// dialog accepts; what is already acceptable is left alone.
TEST(FormularioTiempoPropio, LaCopiaDeUnaFilaDeReferenciaSeAcepta) {
    TiempoPropio fila = Tiempo("Kodak Tri-X 400", "Xtol", "25/50", "20", "9:00-10:00");
    fila.tiempo120 = "11:00-13:30";
    fila.tiempoHoja = "8";
    const TiempoPropio copia = CopiaDeReferencia(fila);
    EXPECT_EQ(copia.ei, "25");
    EXPECT_EQ(copia.tiempo35, "9:00");
    EXPECT_EQ(copia.tiempo120, "11:00");
    EXPECT_EQ(copia.tiempoHoja, "8");
    EXPECT_EQ(copia.nota, "Según la referencia: EI 25/50 (se copia 25); 35 mm 9:00-10:00 (se copia 9:00); "
                          "120 11:00-13:30 (se copia 11:00).");
    EXPECT_TRUE(std::holds_alternative<TiempoPropio>(ValidarTiempoPropio(copia)));

    // A plain row is copied as it stands; a note already there stays first.
    fila = Tiempo("Kodak Tri-X 400", "Xtol", "400", "20", "7:30");
    EXPECT_EQ(CopiaDeReferencia(fila).nota, "");
    EXPECT_EQ(CopiaDeReferencia(fila).ei, "400");
    fila.ei = " 320 / 640 ";
    fila.nota = "mía";
    EXPECT_EQ(CopiaDeReferencia(fila).nota, "mía\nSegún la referencia: EI 320 / 640 (se copia 320).");
    // What is not a range of two times is left for the dialog to point out.
    fila.tiempo35 = "unos-8";
    EXPECT_EQ(CopiaDeReferencia(fila).tiempo35, "unos-8");
}

// Degrees by value: 8 before 24, decimals in their place, words after the numbers.
TEST(TiemposPropiosOrden, LasTemperaturasVanPorValor) {
    EXPECT_EQ(MezclarTemperaturas({"20", "24", "27", "8"}, {}), (QStringList{"8", "20", "24", "27"}));
    EXPECT_EQ(MezclarTemperaturas({"20", "8"}, {"20,5", "ambiente", "20", "18"}),
              (QStringList{"8", "18", "20", "20,5", "ambiente"}));
}
