#include "notes/ConsultasNotas.h"

#include "maintenance/BorradoNotas.h"
#include "shell/AlmacenDatos.h"
#include "soporte/CarpetaPruebas.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

class NotasPersonales : public ::testing::Test {
protected:
    // A row written as older versions left it, with a chosen date.
    qint64 Fila(const QString& fecha, const QVariant& titulo, const QString& texto = QString()) {
        return NotesDb()->Insertar(QStringLiteral("NotasPersonales"), {{QStringLiteral("Fecha"), fecha},
                                                                       {QStringLiteral("Titulo"), titulo},
                                                                       {QStringLiteral("Texto"), texto}});
    }
    QString Campo(qint64 id, const char* columna) {
        Consulta c = NotesDb()->Consultar(u"SELECT * FROM NotasPersonales WHERE Id=" + QString::number(id));
        return c.Fin() ? QStringLiteral("<ninguna>") : TextoSeguro(c.Campo(QString::fromLatin1(columna)));
    }
    QStringList Textos(OrdenNotas orden) {
        QStringList t;
        for (const ItemNota& i : ListarNotas(orden))
            t << i.texto;
        return t;
    }

    CarpetaPruebas carpeta;
};

} // namespace

TEST_F(NotasPersonales, ListaEnAmbosOrdenesConFechaYTitulo) {
    const qint64 a = Fila(QStringLiteral("2023-03-05 10:00:00"), QStringLiteral("zeta"));
    const qint64 b = Fila(QStringLiteral("2024-11-20 08:30:00"), QVariant());
    const qint64 c = Fila(QStringLiteral("2022-01-31 23:59:59"), QStringLiteral("Alfa"));
    Fila(QStringLiteral("2021-06-01 00:00:00"), QString());

    EXPECT_EQ(Textos(OrdenNotas::Fecha), QStringList({"20/11/2024  (sin titulo)", "05/03/2023  zeta",
                                                      "31/01/2022  Alfa", "01/06/2021  (sin titulo)"}));
    const auto porFecha = ListarNotas(OrdenNotas::Fecha);
    EXPECT_EQ(porFecha[0].id, b);
    EXPECT_EQ(porFecha[1].id, a);
    const auto porTitulo = ListarNotas(OrdenNotas::Titulo);
    EXPECT_EQ(porTitulo.back().id, a) << "titles compare without case";
    EXPECT_EQ(porTitulo[porTitulo.size() - 2].id, c);
}

TEST_F(NotasPersonales, InsertarYActualizarNormalizanElTituloYConservanLaFecha) {
    const qint64 id = InsertarNota(QStringLiteral("   "), QStringLiteral("{\\rtf1 uno}"));
    ASSERT_GT(id, 0);
    EXPECT_EQ(Campo(id, "Titulo"), "(sin titulo)");
    EXPECT_EQ(FechaNota(id), QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));

    NotesDb()->Ejecutar(QStringLiteral("UPDATE NotasPersonales SET Fecha='2020-02-03 04:05:06'"));
    const QVariant fecha = LeerNota(id)->fecha;
    EXPECT_EQ(fecha, "2020-02-03 04:05:06");
    EXPECT_EQ(
        ActualizarNota(id, fecha, QStringLiteral("  Revelado HC-110  "), QStringLiteral("{\\rtf1 dos}")), id);
    EXPECT_EQ(ActualizarNota(id, fecha, QStringLiteral("Revelado"), QStringLiteral("{\\rtf1 tres}")), id);
    EXPECT_EQ(FechaNota(id), "03/02/2020");
    const auto nota = LeerNota(id);
    ASSERT_TRUE(nota);
    EXPECT_EQ(nota->titulo, "Revelado");
    EXPECT_EQ(nota->texto, "{\\rtf1 tres}");

    // Sorted by what was stored, so a note without a title sorts as "(sin titulo)".
    InsertarNota(QStringLiteral("Zinc"), QString());
    const auto lista = ListarNotas(OrdenNotas::Titulo);
    ASSERT_EQ(lista.size(), 2u);
    EXPECT_TRUE(lista[0].texto.endsWith("Revelado"));
}

TEST_F(NotasPersonales, LaNotaBorradaMientrasSeEditaSeGuardaDeNuevo) {
    const qint64 id = InsertarNota(QStringLiteral("Viaje"), QStringLiteral("{\\rtf1 texto}"));
    const QVariant fecha = LeerNota(id)->fecha;
    NotesDb()->Ejecutar(QStringLiteral("DELETE FROM NotasPersonales"));
    const qint64 nuevo =
        ActualizarNota(id, fecha, QStringLiteral("Viaje"), QStringLiteral("{\\rtf1 texto largo}"));
    EXPECT_NE(nuevo, 0);
    ASSERT_TRUE(LeerNota(nuevo));
    EXPECT_EQ(LeerNota(nuevo)->texto, "{\\rtf1 texto largo}");
    EXPECT_FALSE(FechaNota(nuevo).isEmpty());
}

// A cleared table gives new notes ids above every id it ever gave.
TEST_F(NotasPersonales, LosIdsNoSeVuelvenADar) {
    const qint64 a = InsertarNota(QStringLiteral("a"), QString());
    const qint64 b = InsertarNota(QStringLiteral("b"), QString());
    BorrarNota(b);
    const qint64 c = InsertarNota(QStringLiteral("c"), QString());
    EXPECT_GT(c, b);
    ASSERT_TRUE(BorrarNotas(NotasUsuario::Personales));
    const qint64 d = InsertarNota(QStringLiteral("d"), QString());
    EXPECT_GT(d, c);
    EXPECT_NE(d, a);
}

// A row that took the Id of the note being edited (written by an older version, or in a copy put
// back) is another note: the save goes to a new row and leaves that one alone.
TEST_F(NotasPersonales, UnaNotaQueTomoElIdNoSeSobrescribe) {
    const qint64 id = InsertarNota(QStringLiteral("Mía"), QStringLiteral("{\\rtf1 mía}"));
    const QVariant fecha = LeerNota(id)->fecha;
    NotesDb()->Ejecutar(QStringLiteral("DELETE FROM NotasPersonales"));
    NotesDb()->Ejecutar(QStringLiteral("INSERT INTO NotasPersonales (Id, Fecha, Titulo, Texto) "
                                       "VALUES (?, '2019-09-09 09:09:09', 'Bienvenido a Garvola', 'hola')"),
                        {id});
    const qint64 nuevo = ActualizarNota(id, fecha, QStringLiteral("Mía"), QStringLiteral("{\\rtf1 mía 2}"));
    EXPECT_NE(nuevo, id);
    EXPECT_EQ(LeerNota(id)->titulo, "Bienvenido a Garvola");
    EXPECT_EQ(LeerNota(id)->texto, "hola");
    ASSERT_TRUE(LeerNota(nuevo));
    EXPECT_EQ(LeerNota(nuevo)->texto, "{\\rtf1 mía 2}");

    // A row of an older version without a date is still the same note when saved.
    const qint64 sinFecha = Fila(QString(), QStringLiteral("vieja"), QStringLiteral("llano"));
    NotesDb()->Ejecutar(QStringLiteral("UPDATE NotasPersonales SET Fecha=NULL WHERE Id=?"), {sinFecha});
    const QVariant nula = LeerNota(sinFecha)->fecha;
    EXPECT_TRUE(nula.isNull());
    EXPECT_EQ(ActualizarNota(sinFecha, nula, QStringLiteral("vieja"), QStringLiteral("{\\rtf1 x}")),
              sinFecha);
    EXPECT_EQ(LeerNota(sinFecha)->texto, "{\\rtf1 x}");
    EXPECT_EQ(ListarNotas(OrdenNotas::Fecha).size(), 3u);
}

TEST_F(NotasPersonales, IdInexistenteYBorrar) {
    const qint64 id =
        Fila(QStringLiteral("2024-01-01 12:00:00"), QStringLiteral("x"), QStringLiteral("texto llano"));
    const auto nota = LeerNota(id);
    ASSERT_TRUE(nota);
    EXPECT_FALSE(EsRtf(nota->texto));
    EXPECT_TRUE(EsRtf(QStringLiteral("{\\rtf1\\ansi x}")));
    EXPECT_FALSE(EsRtf(QStringLiteral(" {\\rtf1")));
    EXPECT_FALSE(LeerNota(id + 1));
    EXPECT_EQ(FechaNota(id + 1), "");
    BorrarNota(id);
    EXPECT_FALSE(LeerNota(id));
    EXPECT_TRUE(ListarNotas(OrdenNotas::Fecha).empty());
}

TEST(NotasPersonalesCerrada, NadaSinBaseDeNotas) {
    CarpetaPruebas carpeta(false);
    ASSERT_EQ(NotesDb(), nullptr);
    EXPECT_TRUE(ListarNotas(OrdenNotas::Titulo).empty());
    EXPECT_FALSE(LeerNota(1));
    EXPECT_EQ(InsertarNota(QStringLiteral("a"), QStringLiteral("b")), 0);
    EXPECT_EQ(ActualizarNota(1, QVariant(), QStringLiteral("a"), QStringLiteral("b")), 0);
    EXPECT_EQ(FechaNota(1), "");
    BorrarNota(1);
}
