#include "timer/AjustesTemporizador.h"
#include "timer/CuadernoRevelado.h"
#include "timer/Tonos.h"

#include "shell/AlmacenDatos.h"
#include "shell/Esquema.h"
#include "soporte/CarpetaPruebas.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

EntradaCuaderno Entrada(const QString& pelicula, const QString& nota = QString()) {
    EntradaCuaderno e;
    e.pelicula = pelicula;
    e.revelador = QStringLiteral("ID-11");
    e.dilucion = QStringLiteral("1+1");
    e.ei = QStringLiteral("400");
    e.formato = QStringLiteral("120");
    e.decimasBase = 200;
    e.decimasBano = 225;
    e.segundosBase = 780;
    e.segundos = 689;
    e.agitacion = QStringLiteral("Inicial 10 s, 10 s cada minuto");
    e.nota = nota;
    return e;
}

// A run keeps what it started with; a developing stage cut short is logged as what it was.
TEST(Cuaderno, EntradaDeLaMarcha) {
    const EntradaCuaderno completa =
        EntradaDeMarcha(Entrada(QStringLiteral("HP5 Plus")), 689, QStringLiteral("  densos "));
    EXPECT_EQ(completa.segundos, 689);
    EXPECT_EQ(completa.nota, QStringLiteral("densos"));
    EXPECT_EQ(completa.pelicula, QStringLiteral("HP5 Plus"));
    EXPECT_EQ(completa.segundosBase, 780);

    const EntradaCuaderno cortada = EntradaDeMarcha(Entrada(QStringLiteral("HP5 Plus")), 200, QString());
    EXPECT_EQ(cortada.segundos, 200);
    EXPECT_EQ(cortada.segundosBase, 780);
    EXPECT_EQ(cortada.nota, QStringLiteral("Revelado cortado a 03:20 de 11:29"));
    EXPECT_EQ(EntradaDeMarcha(Entrada(QStringLiteral("HP5 Plus")), 0, QStringLiteral("velado")).nota,
              QStringLiteral("Revelado cortado a 00:00 de 11:29. velado"));
}

TEST(Cuaderno, IdaYVueltaMasRecientePrimero) {
    CarpetaPruebas carpeta;
    const qint64 a = GuardarEnCuaderno(Entrada(QStringLiteral("HP5 Plus"), QStringLiteral("O'Brien: bien")));
    const qint64 b = GuardarEnCuaderno(Entrada(QStringLiteral("Tri-X")));
    ASSERT_GT(a, 0);
    const auto lista = LeerCuaderno();
    ASSERT_EQ(lista.size(), 2u);
    EXPECT_EQ(lista[0].id, b);
    EXPECT_EQ(lista[1].pelicula, QStringLiteral("HP5 Plus"));
    EXPECT_EQ(lista[1].nota, QStringLiteral("O'Brien: bien"));
    EXPECT_EQ(lista[1].decimasBano, 225);
    EXPECT_EQ(lista[1].segundos, 689);
    EXPECT_EQ(lista[1].formato, QStringLiteral("120"));
    EXPECT_LE(qAbs(lista[1].fecha.secsTo(QDateTime::currentDateTime())), 5);
    EXPECT_TRUE(TextoEntrada(lista[1]).contains(QStringLiteral("11:29")));
    // As an own time: the corrected time under its format, at the bath's temperature.
    const TiempoPropio t = TiempoDeEntrada(lista[1]);
    EXPECT_EQ(t.tiempo120, QStringLiteral("11:29"));
    EXPECT_TRUE(t.tiempo35.isEmpty());
    EXPECT_EQ(t.temperatura, QStringLiteral("22,5"));
    EXPECT_EQ(t.nota, QStringLiteral("O'Brien: bien"));
}

TEST(Cuaderno, UnNotasAntiguoRecibeLaTablaAlArrancar) {
    CarpetaPruebas carpeta;
    NotesDb()->Ejecutar(QStringLiteral("DROP TABLE CuadernoRevelado"));
    EXPECT_ANY_THROW(GuardarEnCuaderno(Entrada(QStringLiteral("FP4"))));
    CompletarNotesDb();
    CompletarNotesDb(); // a second start finds it there
    EXPECT_GT(GuardarEnCuaderno(Entrada(QStringLiteral("FP4"))), 0);
    EXPECT_EQ(LeerCuaderno().size(), 1u);
}

TEST(Cuaderno, SinBaseDeNotasNoHaceNada) {
    CarpetaPruebas carpeta(false);
    EXPECT_EQ(GuardarEnCuaderno(Entrada(QStringLiteral("FP4"))), 0);
    EXPECT_TRUE(LeerCuaderno().empty());
}

TEST(AjustesTemporizador, EsquemasRecordados) {
    CarpetaPruebas carpeta;
    EXPECT_EQ(LeerEsquemaActual(), EsquemaPorDefecto());
    EsquemaEtapas e = EsquemaPorDefecto();
    e.agitacion = Agitacion::Continua;
    e.etapas[Humectante].omitida = true;
    GuardarEsquemaActual(e);
    EXPECT_EQ(LeerEsquemaActual(), e);

    GuardarEsquemaNombrado(QStringLiteral("Rotativa"), e);
    GuardarEsquemaNombrado(QStringLiteral("Por defecto"), EsquemaPorDefecto());
    e.etapas[Lavado].segundos = 1200;
    GuardarEsquemaNombrado(QStringLiteral("Rotativa"), e);
    const auto todos = LeerEsquemasNombrados();
    ASSERT_EQ(todos.size(), 2u);
    EXPECT_EQ(todos[0].nombre, QStringLiteral("Rotativa"));
    EXPECT_EQ(todos[0].esquema.etapas[Lavado].segundos, 1200);

    GuardarCompensacion({1, 4, 2});
    const auto c = LeerCompensacion();
    EXPECT_EQ(c.formula, 1);
    EXPECT_EQ(c.revelador, 4);
    EXPECT_EQ(c.agitacion, 2);
}

TEST(Tonos, WavValido) {
    const QByteArray w = TonoWav(1000, 100, 8000);
    ASSERT_EQ(w.size(), 44 + 2 * 800);
    EXPECT_TRUE(w.startsWith("RIFF"));
    EXPECT_EQ(w.mid(8, 8), QByteArray("WAVEfmt "));
    EXPECT_EQ(qFromLittleEndian<quint32>(w.constData() + 40), 1600u);
    EXPECT_EQ(qFromLittleEndian<qint16>(w.constData() + 44), 0) << "empieza en silencio";
    qint16 maximo = 0;
    for (int i = 44; i < w.size(); i += 2)
        maximo = std::max(maximo, qFromLittleEndian<qint16>(w.constData() + i));
    EXPECT_GT(maximo, 15000);
}

} // namespace
