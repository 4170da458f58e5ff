// A NotesDb made by an older version gave a new personal note the highest id plus one, so the ids
// of deleted notes came back. Brought up to date, it keeps every row and id and never gives one again.
#include "shell/BaseDatos.h"
#include "shell/Esquema.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kAntigua =
    QStringLiteral("CREATE TABLE [NotasPersonales] ([Id] INTEGER PRIMARY KEY, [Fecha] TEXT, "
                   "[Titulo] TEXT COLLATE NOCASE, [Texto] TEXT COLLATE NOCASE, [Adjunto] BLOB)");

class EsquemaNotasAntiguo : public ::testing::Test {
protected:
    // An edition-2 file (every other table there), or an unversioned one with the notes alone.
    std::unique_ptr<BaseDatos> Antigua(int edicion) {
        BaseDatos::Opciones o;
        o.crear = true;
        auto bd = BaseDatos::Abrir(ruta_, o);
        bd->Ejecutar(kAntigua);
        bd->Ejecutar(
            QStringLiteral("CREATE INDEX [IX_NotasPersonales_Fecha] ON [NotasPersonales] ([Fecha])"));
        bd->Ejecutar(QStringLiteral(
            "INSERT INTO NotasPersonales VALUES (3, '2021-01-01 10:00:00', 'Tres', '{\\rtf1 3}', x'00ff'), "
            "(7, NULL, NULL, 'llano', NULL), (12, '2022-02-02 12:00:00', 'Doce', '', NULL)"));
        if (edicion >= 2) {
            for (const TablaEsquema& t : EsquemaNotas())
                if (t.nombre != u"NotasPersonales")
                    CrearTabla(*bd, t);
            bd->Insertar(
                QStringLiteral("TiemposPropios"),
                {{QStringLiteral("Pelicula"), QStringLiteral("FP4")}, {QStringLiteral("Tiempo35"), 9}});
        }
        bd->Ejecutar(u"PRAGMA user_version = " + QString::number(edicion));
        return bd;
    }
    static QStringList Filas(BaseDatos& bd) {
        QStringList r;
        for (Consulta c = bd.Consultar(QStringLiteral(
                 "SELECT Id, Fecha, Titulo, Texto, hex(Adjunto) FROM NotasPersonales ORDER BY Id"));
             !c.Fin(); c.Siguiente()) {
            QStringList campos;
            for (int i = 0; i < 5; ++i)
                campos << (c.Campo(i).isNull() ? QStringLiteral("<nulo>") : c.Campo(i).toString());
            r << campos.join(u'|');
        }
        return r;
    }
    static qint64 Nueva(BaseDatos& bd) {
        return bd.Insertar(QStringLiteral("NotasPersonales"),
                           {{QStringLiteral("Titulo"), QStringLiteral("n")}});
    }

    QTemporaryDir dir_;
    QString ruta_ = dir_.filePath(QStringLiteral("notasp.mdb"));
};

} // namespace

TEST_F(EsquemaNotasAntiguo, ConservaIdsYFilasYNoVuelveADarUnId) {
    for (int edicion : {2, 0}) {
        SCOPED_TRACE(edicion);
        QFile::remove(ruta_);
        auto bd = Antigua(edicion);
        const QStringList antes = Filas(*bd);
        ActualizarEsquemaNotas(*bd);
        EXPECT_EQ(EdicionEsquema(*bd), kEdicionEsquemaNotas);
        EXPECT_EQ(Filas(*bd), antes);
        EXPECT_EQ(antes.size(), 3);
        for (const TablaEsquema& t : EsquemaNotas())
            EXPECT_TRUE(bd->ExisteTabla(t.nombre)) << t.nombre.toStdString();
        if (edicion >= 2) {
            EXPECT_EQ(bd->Consultar(QStringLiteral("SELECT Pelicula FROM TiemposPropios")).Campo(0), "FP4");
        }
        EXPECT_EQ(bd->Consultar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND "
                                               "tbl_name = 'NotasPersonales'"))
                      .Campo(0)
                      .toInt(),
                  2);

        // The highest id there was 12; deleting it and clearing the table brings none back.
        EXPECT_EQ(Nueva(*bd), 13);
        bd->Ejecutar(QStringLiteral("DELETE FROM NotasPersonales WHERE Id >= 12"));
        EXPECT_EQ(Nueva(*bd), 14);
        bd->Ejecutar(QStringLiteral("DELETE FROM NotasPersonales"));
        ActualizarEsquemaNotas(*bd); // a second start changes nothing
        EXPECT_EQ(Nueva(*bd), 15);
    }
}

TEST_F(EsquemaNotasAntiguo, UnArchivoDeSoloLecturaQuedaComoEstaba) {
    QStringList antes;
    {
        auto bd = Antigua(2);
        antes = Filas(*bd);
    }
    BaseDatos::Opciones o;
    o.soloLectura = true;
    auto bd = BaseDatos::Abrir(ruta_, o);
    EXPECT_THROW(ActualizarEsquemaNotas(*bd), ErrorBD);
    EXPECT_EQ(EdicionEsquema(*bd), 2);
    EXPECT_EQ(Filas(*bd), antes);
    EXPECT_EQ(bd->Consultar(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'NotasPersonales'"))
                  .Campo(0)
                  .toString(),
              kAntigua);
}
