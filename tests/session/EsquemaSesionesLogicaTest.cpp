// The tanks, bottles and sessions came with edition 4 of the NotesDb. A file of edition 3 gets them
// keeping every row it had; a file of a later edition keeps what this program does not know.
#include "session/AlmacenSesiones.h"
#include "shell/AlmacenDatos.h"
#include "shell/BaseDatos.h"
#include "shell/Esquema.h"
#include "soporte/CarpetaPruebas.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

const QStringList kNuevas{QStringLiteral("TanquesPropios"), QStringLiteral("BotellasRevelador"),
                          QStringLiteral("SesionesRevelado")};

// As the previous program made a new file: every table but the new ones, then edition 3; and the
// rows a user kept there.
void HacerEdicion3(const QString& ruta) {
    BaseDatos::Opciones o;
    o.crear = true;
    auto bd = BaseDatos::Abrir(ruta, o);
    {
        Transaccion tx(*bd);
        for (const TablaEsquema& t : EsquemaNotas())
            if (!kNuevas.contains(t.nombre))
                CrearTabla(*bd, t);
        tx.Confirmar();
    }
    bd->Ejecutar(QStringLiteral("PRAGMA user_version = 3"));
    bd->Ejecutar(QStringLiteral("INSERT INTO NotasPersonales (Fecha, Titulo, Texto) VALUES "
                                "('2025-01-01 10:00:00', 'Uno', '{\\rtf1 1}'), (NULL, 'Dos', 'llano')"));
    bd->Ejecutar(QStringLiteral("DELETE FROM NotasPersonales WHERE Titulo = 'Dos'"));
    bd->Ejecutar(QStringLiteral("INSERT INTO TiemposPropios (Pelicula, Revelador, Tiempo35) VALUES "
                                "('HP5', 'Ilfotec HC', '6:30')"));
    bd->Ejecutar(QStringLiteral("INSERT INTO CuadernoRevelado (Fecha, Pelicula, Segundos) VALUES "
                                "('2025-02-02 20:00:00', 'HP5', 390)"));
}

QStringList Volcado(BaseDatos& bd) {
    QStringList r;
    for (const char* sql : {"SELECT * FROM NotasPersonales", "SELECT * FROM TiemposPropios",
                            "SELECT * FROM CuadernoRevelado", "SELECT name, seq FROM sqlite_sequence"})
        for (Consulta c = bd.Consultar(QString::fromLatin1(sql)); !c.Fin(); c.Siguiente()) {
            QStringList campos;
            for (int i = 0; i < c.NumeroCampos(); ++i)
                campos << (c.Campo(i).isNull() ? QStringLiteral("<null>") : c.Campo(i).toString());
            r << campos.join(u'|');
        }
    return r;
}

} // namespace

TEST(EsquemaSesiones, UnArchivoDeLaEdicion3GanaLasTablasConservandoCadaFila) {
    CarpetaPruebas carpeta(false);
    QFile::remove(RutaBDNotas());
    HacerEdicion3(RutaBDNotas());
    QStringList antes;
    {
        auto bd = BaseDatos::Abrir(RutaBDNotas());
        antes = Volcado(*bd);
    }
    ASSERT_EQ(antes.size(), 4); // one note, one time, one log entry, the notes' key counter

    // The program's start.
    AbrirBasesDatos();
    CompletarNotesDb();
    EXPECT_EQ(EdicionEsquema(*NotesDb()), 4);
    EXPECT_EQ(Volcado(*NotesDb()), antes);
    for (const QString& t : kNuevas)
        EXPECT_TRUE(NotesDb()->ExisteTabla(t)) << t.toStdString();

    const qint64 b = GuardarBotella(
        Botella{0, QStringLiteral("Ilfotec HC"), QStringLiteral("stock"), QDate(2026, 1, 1), 500, {}});
    Sesion s;
    s.cuando = QDateTime(QDate(2026, 1, 2), QTime(9, 0));
    s.idBotella = b;
    GuardarSesion(s);
    EXPECT_EQ(LeerSesionesBotella(b).size(), 1u);

    // A second start changes nothing.
    const QStringList despues = Volcado(*NotesDb());
    CompletarNotesDb();
    EXPECT_EQ(Volcado(*NotesDb()), despues);
    EXPECT_EQ(LeerSesionesBotella(b).size(), 1u);
}

// This program opening a file a later one wrote: the later tables and rows stay, and so does the
// edition, so the later program does not take the file for an older one.
TEST(EsquemaSesiones, UnArchivoDeUnaEdicionPosteriorConservaLoQueNoConoce) {
    CarpetaPruebas carpeta;
    GuardarSesion(Sesion{});
    NotesDb()->Ejecutar(QStringLiteral("CREATE TABLE Futura (Id INTEGER PRIMARY KEY, Dato TEXT)"));
    NotesDb()->Ejecutar(QStringLiteral("INSERT INTO Futura (Dato) VALUES ('mañana')"));
    NotesDb()->Ejecutar(QStringLiteral("ALTER TABLE SesionesRevelado ADD COLUMN Futuro TEXT"));
    NotesDb()->Ejecutar(QStringLiteral("UPDATE SesionesRevelado SET Futuro = 'x'"));
    NotesDb()->Ejecutar(u"PRAGMA user_version = " + QString::number(kEdicionEsquemaNotas + 1));
    CompletarNotesDb();
    EXPECT_EQ(EdicionEsquema(*NotesDb()), kEdicionEsquemaNotas + 1);
    EXPECT_EQ(NotesDb()->Consultar(QStringLiteral("SELECT Dato FROM Futura")).Campo(0).toString(), "mañana");
    const qint64 id = GuardarSesion(Sesion{});
    EXPECT_EQ(LeerSesiones().size(), 2u);
    EXPECT_TRUE(LeerSesion(id));
    EXPECT_EQ(NotesDb()
                  ->Consultar(QStringLiteral("SELECT count(*) FROM SesionesRevelado WHERE Futuro = 'x'"))
                  .Campo(0)
                  .toInt(),
              1);
}
