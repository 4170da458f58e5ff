#include "session/AlmacenSesiones.h"

#include "shell/AlmacenDatos.h"
#include "shell/AvisoDatosPropios.h"
#include "soporte/CarpetaPruebas.h"

#include <QCoreApplication>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString kRaro = QStringLiteral("Tanque \"grande\", 'dos' · ñandú 日本 \\ ; --");

Botella UnaBotella(const QString& revelador = QStringLiteral("Ilfotec HC")) {
    Botella b;
    b.revelador = revelador;
    b.dilucion = QStringLiteral("stock");
    b.mezclada = QDate(2026, 11, 2);
    b.ml = 1000;
    b.nota = QStringLiteral("Botella «ámbar», \"vieja\"\nsegunda línea");
    return b;
}

Sesion UnaSesion(qint64 idBotella, const QDateTime& cuando = QDateTime(QDate(2026, 12, 1), QTime(21, 5, 9))) {
    Sesion s;
    s.cuando = cuando;
    s.tanque = kRaro;
    s.mlTanque35 = 290;
    s.mlTanque120 = 500;
    s.carga = {0, 2, 0};
    s.pelicula = QStringLiteral("Ilford HP5 Plus");
    s.revelador = QStringLiteral("Ilfotec HC");
    s.dilucion = QStringLiteral("1+31");
    s.ei = QStringLiteral("800");
    s.decimasBano = 215;
    s.segundosRevelado = 750;
    s.mlTrabajo = 1000;
    s.mlConcentrado = 31.25;
    s.mlAgua = 968.75;
    s.idBotella = idBotella;
    s.banos = {
        {1, QStringLiteral("Agua"), QString(), 10, false, QString()},
        {2, QStringLiteral("Fijador \"rápido\""), QStringLiteral("1+4"), 180, false, QStringLiteral("F-12")},
        {4, QStringLiteral("Humectante"), QStringLiteral("1+200"), 60, true, QString()}};
    s.nota = QStringLiteral("Nota con 'comillas' y «ñ»");
    return s;
}

class AlmacenSesionesTest : public ::testing::Test {
protected:
    static int Filas(const QString& tabla) {
        return NotesDb()->Consultar(u"SELECT count(*) FROM " + tabla).Campo(0).toInt();
    }
    CarpetaPruebas carpeta_;
};

} // namespace

TEST_F(AlmacenSesionesTest, LoGuardadoSeLeeIgualConComillasYTextosNoAscii) {
    Tanque t{0, kRaro, 290, 500, 4, 2};
    t.id = GuardarTanque(t);
    ASSERT_NE(t.id, 0);
    EXPECT_EQ(LeerTanque(t.id), t);

    Botella b = UnaBotella();
    b.id = GuardarBotella(b);
    EXPECT_EQ(LeerBotella(b.id), b);

    Sesion s = UnaSesion(b.id);
    s.id = GuardarSesion(s);
    EXPECT_EQ(LeerSesion(s.id), s);

    // Rewritten under the same id; one deleted meanwhile is written anew, not lost.
    s.nota = QStringLiteral("editada");
    s.banos.pop_back();
    EXPECT_EQ(GuardarSesion(s), s.id);
    EXPECT_EQ(LeerSesion(s.id), s);
    BorrarSesion(s.id);
    EXPECT_FALSE(LeerSesion(s.id));
    const qint64 nuevo = GuardarSesion(s);
    EXPECT_NE(nuevo, 0);
    EXPECT_EQ(Filas("SesionesRevelado"), 1);

    // A bottle never mixed has no date, and reads back so.
    Botella sinFecha = UnaBotella();
    sinFecha.mezclada = QDate();
    sinFecha.id = GuardarBotella(sinFecha);
    EXPECT_EQ(LeerBotella(sinFecha.id), sinFecha);

    EXPECT_THROW(GuardarTanque(Tanque{0, QStringLiteral("   "), 1, 1, 0, 0}), ErrorBD);
}

TEST_F(AlmacenSesionesTest, ListasEnSuOrdenYSesionesDeUnaBotella) {
    const qint64 a = GuardarBotella(UnaBotella(QStringLiteral("A")));
    Botella reciente = UnaBotella(QStringLiteral("B"));
    reciente.mezclada = QDate(2026, 12, 5);
    const qint64 b = GuardarBotella(reciente);
    ASSERT_EQ(LeerBotellas().size(), 2u);
    EXPECT_EQ(LeerBotellas().front().id, b);

    const QDateTime dia(QDate(2026, 12, 1), QTime(10, 0));
    const qint64 tarde = GuardarSesion(UnaSesion(a, dia.addSecs(3600)));
    const qint64 temprano = GuardarSesion(UnaSesion(a, dia));
    GuardarSesion(UnaSesion(b, dia.addSecs(60)));
    GuardarSesion(UnaSesion(0, dia.addSecs(7200)));

    const auto deA = LeerSesionesBotella(a);
    ASSERT_EQ(deA.size(), 2u);
    EXPECT_EQ(deA[0].id, temprano);
    EXPECT_EQ(deA[1].id, tarde);
    EXPECT_EQ(LeerSesionesBotella(b).size(), 1u);
    EXPECT_TRUE(LeerSesionesBotella(0).empty()) << "no bottle is not a bottle";
    const auto todas = LeerSesiones();
    ASSERT_EQ(todas.size(), 4u);
    EXPECT_EQ(todas.front().cuando, dia.addSecs(7200));

    GuardarTanque(Tanque{0, QStringLiteral("zeta"), 1, 1, 0, 0});
    GuardarTanque(Tanque{0, QStringLiteral("Álfa"), 1, 1, 0, 0});
    GuardarTanque(Tanque{0, QStringLiteral("beta"), 1, 1, 0, 0});
    QStringList nombres;
    for (const Tanque& t : LeerTanques())
        nombres << t.nombre;
    EXPECT_EQ(nombres, (QStringList{"Álfa", "beta", "zeta"}));
}

// A new bottle must not take the id of a deleted one: the deleted one's sessions would count
// against it.
TEST_F(AlmacenSesionesTest, UnIdBorradoNoSeDaOtraVezNiTrasBorrarloTodo) {
    const qint64 primera = GuardarBotella(UnaBotella());
    const qint64 sesion = GuardarSesion(UnaSesion(primera));
    BorrarBotella(primera);
    const qint64 segunda = GuardarBotella(UnaBotella());
    EXPECT_NE(segunda, primera);
    EXPECT_TRUE(LeerSesionesBotella(segunda).empty());
    const auto huerfana = LeerSesion(sesion);
    ASSERT_TRUE(huerfana);
    EXPECT_EQ(huerfana->idBotella, 0);
    EXPECT_EQ(huerfana->pelicula, "Ilford HP5 Plus");

    const qint64 tanque = GuardarTanque(Tanque{0, QStringLiteral("T"), 1, 1, 0, 0});
    BorrarSesion(sesion);
    BorrarTanque(tanque);
    EXPECT_GT(GuardarSesion(UnaSesion(0)), sesion);
    EXPECT_GT(GuardarTanque(Tanque{0, QStringLiteral("T"), 1, 1, 0, 0}), tanque);

    BorrarTodasMisSesiones();
    EXPECT_EQ(Filas("SesionesRevelado") + Filas("BotellasRevelador") + Filas("TanquesPropios"), 0);
    EXPECT_GT(GuardarBotella(UnaBotella()), segunda);
}

// Rows another copy or a hand-edited file left: a bottle id with no bottle, baths in a form not
// this program's, no temperature.
TEST_F(AlmacenSesionesTest, UnaSesionCuyaBotellaOTanqueYaNoEstanSigueLegible) {
    const qint64 tanque = GuardarTanque(Tanque{0, kRaro, 290, 500, 0, 0});
    const qint64 id = GuardarSesion(UnaSesion(0));
    NotesDb()->Ejecutar(QStringLiteral("UPDATE SesionesRevelado SET IdBotella = 77, DecimasBano = NULL, "
                                       "Banos = '[{\"etapa\": \"dos\"}]'"));
    BorrarTanque(tanque);
    const auto s = LeerSesion(id);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->tanque, kRaro);
    EXPECT_EQ(s->mlTanque120, 500);
    EXPECT_EQ(s->idBotella, 77);
    EXPECT_EQ(s->decimasBano, 200);
    EXPECT_TRUE(s->banos.empty());
    EXPECT_EQ(LeerSesionesBotella(77).size(), 1u);
    EXPECT_FALSE(LeerBotella(77));
}

TEST_F(AlmacenSesionesTest, UnaNotesDbDeSoloLecturaSeLeeYNoCambia) {
    const qint64 b = GuardarBotella(UnaBotella());
    const qint64 s = GuardarSesion(UnaSesion(b));
    NotesDb()->Ejecutar(QStringLiteral("PRAGMA query_only = ON"));
    EXPECT_THROW(GuardarBotella(UnaBotella()), ErrorBD);
    EXPECT_THROW(GuardarSesion(UnaSesion(b)), ErrorBD);
    EXPECT_THROW(GuardarTanque(Tanque{0, QStringLiteral("T"), 1, 1, 0, 0}), ErrorBD);
    EXPECT_THROW(BorrarBotella(b), ErrorBD);
    EXPECT_THROW(BorrarTodasMisSesiones(), ErrorBD);
    NotesDb()->Ejecutar(QStringLiteral("PRAGMA query_only = OFF"));
    EXPECT_EQ(LeerSesionesBotella(b).size(), 1u) << "a failed bottle delete unlinked its sessions";
    Sesion guardada = UnaSesion(b);
    guardada.id = s;
    EXPECT_EQ(LeerSesion(s), guardada);
    EXPECT_EQ(Filas("BotellasRevelador"), 1);
    EXPECT_EQ(Filas("SesionesRevelado"), 1);
}

TEST_F(AlmacenSesionesTest, ConLaBaseCerradaNoHayNadaQueLeerYEscribirFalla) {
    CerrarBasesDatos();
    EXPECT_TRUE(LeerSesiones().empty());
    EXPECT_TRUE(LeerTanques().empty());
    EXPECT_FALSE(LeerBotella(1));
    EXPECT_THROW(GuardarSesion(UnaSesion(0)), ErrorBD);
    EXPECT_THROW(BorrarTodasMisSesiones(), ErrorBD);
}

TEST_F(AlmacenSesionesTest, CadaEscrituraSeAnuncia) {
    int avisos = 0;
    const auto conexion = QObject::connect(&AvisoDatosPropios::Instancia(), &AvisoDatosPropios::Cambiados,
                                           &AvisoDatosPropios::Instancia(), [&avisos] { ++avisos; });
    const std::vector<std::function<void()>> escrituras = {
        [] {
            GuardarTanque(Tanque{0, QStringLiteral("T"), 1, 1, 0, 0});
        },
        [] { GuardarBotella(UnaBotella()); },
        [] { GuardarSesion(UnaSesion(0)); },
        [] { BorrarSesion(1); },
        [] { BorrarBotella(1); },
        [] { BorrarTanque(1); },
        [] { BorrarTodasMisSesiones(); }};
    for (size_t i = 0; i < escrituras.size(); ++i) {
        escrituras[i]();
        QCoreApplication::processEvents();
        EXPECT_EQ(avisos, int(i + 1)) << i;
    }
    QObject::disconnect(conexion);
}

TEST(TextoBanos, VuelveIgualYRechazaLoQueNoEsSuForma) {
    const std::vector<Bano> banos = UnaSesion(0).banos;
    EXPECT_EQ(LeerTextoBanos(TextoBanos(banos)), banos);
    EXPECT_EQ(LeerTextoBanos(QString()), std::vector<Bano>{});
    EXPECT_EQ(LeerTextoBanos(TextoBanos({})), std::vector<Bano>{});
    // Fields left out take their defaults.
    const auto corto = LeerTextoBanos(QStringLiteral("[{\"etapa\": 3, \"segundos\": 600}]"));
    ASSERT_TRUE(corto);
    ASSERT_EQ(corto->size(), 1u);
    EXPECT_EQ(corto->front().etapa, 3);
    EXPECT_EQ(corto->front().segundos, 600);
    EXPECT_FALSE(corto->front().omitido);
    for (const char* malo :
         {"[", "{}", "[1]", "[{\"segundos\": -5}]", "[{\"segundos\": 1.5}]", "[{\"segundos\": 1e12}]",
          "[{\"producto\": 7}]", "[{\"omitido\": \"no\"}]", "[{\"etapa\": \"2\"}]", "texto llano"})
        EXPECT_FALSE(LeerTextoBanos(QString::fromUtf8(malo))) << malo;
}
