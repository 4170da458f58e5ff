#include "devtimes/BorradorTiempoPropio.h"
#include "shell/ApunteBorrador.h"
#include "shell/Archivos.h"
#include "shell/Borradores.h"
#include "shell/Rutas.h"

#include "soporte/CarpetaPruebas.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>

namespace {

Borrador Ejemplo(const QString& destino, const QString& texto) {
    Borrador b;
    b.destino = destino;
    b.etiqueta = QStringLiteral("Mis notas de Ilford HP5 Plus × ID-11");
    b.titulo = QStringLiteral("Mi D-76");
    b.texto = texto;
    b.formato = QStringLiteral("rtf");
    b.carpeta = CarpetaPrograma();
    b.hora = QDateTime::fromMSecsSinceEpoch(1765000000000);
    return b;
}

QByteArray Leer(const QString& ruta) {
    QByteArray b;
    LeerArchivo(ruta, b);
    return b;
}

void Poner(const QString& ruta, const QByteArray& datos) {
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(datos);
}

} // namespace

// What is written reads back whole; nothing else reads as a draft: a file cut at any length, any
// byte changed, bytes added, or the head of one draft followed by the tail of another.
TEST(Borradores, SoloUnBorradorEnteroSeLee) {
    CarpetaPruebas carpeta(false);
    const Borrador a =
        Ejemplo(QStringLiteral("Nota/3/2026-12-07T10:00:00"), QString(3000, u'a') + QStringLiteral("ñ€😀"));
    const Borrador b = Ejemplo(a.destino, QString(3000, u'b'));
    const QByteArray da = CodificarBorrador(a), db = CodificarBorrador(b);
    ASSERT_EQ(DecodificarBorrador(da), a);
    for (qsizetype n = 0; n < da.size(); n += (n < 200 ? 1 : 97))
        EXPECT_FALSE(DecodificarBorrador(da.left(n))) << "cut at " << n;
    for (qsizetype i = 0; i < da.size(); i += 53) {
        QByteArray roto = da;
        roto[i] = char(roto[i] ^ 0x20);
        EXPECT_FALSE(DecodificarBorrador(roto)) << "byte " << i;
    }
    EXPECT_FALSE(DecodificarBorrador(da + 'x'));
    EXPECT_FALSE(DecodificarBorrador(db.left(db.size() / 2) + da.mid(db.size() / 2)));
    EXPECT_FALSE(DecodificarBorrador(QByteArray()));
    EXPECT_FALSE(DecodificarBorrador(QByteArray(da.size(), '\0')));

    // On disk: a damaged file is left out of the list, the whole one is offered.
    ASSERT_TRUE(EscribirBorrador(a));
    ASSERT_TRUE(EscribirBorrador(Ejemplo(QStringLiteral("Formula/7"), QStringLiteral("más sulfito"))));
    ASSERT_EQ(ListarBorradores().size(), 2u);
    Poner(ArchivoBorrador(a.destino), da.left(da.size() - 10));
    const std::vector<Borrador> lista = ListarBorradores();
    ASSERT_EQ(lista.size(), 1u);
    EXPECT_EQ(lista[0].destino, u"Formula/7");
    EXPECT_EQ(lista[0].texto, u"más sulfito");
}

// A draft belongs to its target in its program folder: copied under another target's file name,
// or written by a copy working in another folder, it is not offered.
TEST(Borradores, IdentidadDelDestino) {
    CarpetaPruebas carpeta(false);
    const Borrador pelicula = Ejemplo(QStringLiteral("Pelicula/4/9"), QStringLiteral("dos minutos más"));
    ASSERT_TRUE(EscribirBorrador(pelicula));
    EXPECT_NE(ArchivoBorrador(QStringLiteral("Pelicula/4/9")),
              ArchivoBorrador(QStringLiteral("Revelador/4/9")));
    EXPECT_NE(ArchivoBorrador(QStringLiteral("Formula/1")), ArchivoBorrador(QStringLiteral("Formula/10")));
    QFile::copy(ArchivoBorrador(pelicula.destino), ArchivoBorrador(QStringLiteral("Pelicula/4/10")));
    Borrador ajeno = Ejemplo(QStringLiteral("Formula/2"), QStringLiteral("de otra carpeta"));
    ajeno.carpeta = QStringLiteral("/otra/carpeta");
    Poner(ArchivoBorrador(ajeno.destino), CodificarBorrador(ajeno));
    const std::vector<Borrador> lista = ListarBorradores();
    ASSERT_EQ(lista.size(), 1u);
    EXPECT_EQ(lista[0], pelicula);
    EXPECT_EQ(AvisoRecuperados({Ejemplo("Nota/1/x", "t"), pelicula})
                  .count(QStringLiteral("Mis notas de Ilford HP5 Plus × ID-11")),
              2);
    Borrador nota = Ejemplo(QStringLiteral("Nota/1/x"), QStringLiteral("t"));
    nota.etiqueta = QStringLiteral("Notas personales «Mi D-76»");
    EXPECT_EQ(AvisoRecuperados({nota, pelicula}),
              QStringLiteral("Se recuperó texto sin guardar de: Notas personales «Mi D-76», Mis notas de "
                             "Ilford HP5 Plus × ID-11."));
}

// Requests for one target are carried out in order and only the latest counts: a removal after a
// write leaves nothing, a write after a removal leaves the last text.
TEST(Borradores, EscritorEnOrden) {
    CarpetaPruebas carpeta(false);
    EscritorBorradores escritor;
    const QString destino = QStringLiteral("Formula/3");
    for (int i = 0; i < 200; ++i)
        escritor.Encargar(Ejemplo(destino, QString(i + 1, u'x')));
    escritor.Esperar();
    ASSERT_EQ(ListarBorradores().size(), 1u);
    EXPECT_EQ(ListarBorradores()[0].texto, QString(200, u'x'));
    escritor.Encargar(Ejemplo(destino, QStringLiteral("otra vez")));
    escritor.Quitar(destino);
    escritor.Esperar();
    EXPECT_TRUE(ListarBorradores().empty());
    escritor.Quitar(destino);
    escritor.Encargar(Ejemplo(destino, QStringLiteral("al final")));
    escritor.Esperar();
    ASSERT_EQ(ListarBorradores().size(), 1u);
    EXPECT_EQ(ListarBorradores()[0].texto, u"al final");
    EXPECT_EQ(escritor.Fallos(), 0);
    // No temporary file is left beside the drafts.
    EXPECT_EQ(QDir(CarpetaBorradores()).entryList(QDir::Files).size(), 1);
}

// When the drafts cannot be written (the folder is taken by a file, or cannot be written), the
// writes fail quietly: nothing crashes, the timer still runs, the text in the box is untouched.
TEST(Borradores, CarpetaQueNoSePuedeEscribir) {
    CarpetaPruebas carpeta(false);
    QDir().mkpath(QFileInfo(CarpetaBorradores()).absolutePath());
    Poner(CarpetaBorradores(), "no es una carpeta");
    EXPECT_FALSE(EscribirBorrador(Ejemplo(QStringLiteral("Formula/1"), QStringLiteral("texto"))));
    EscritorBorradores escritor;
    escritor.Encargar(Ejemplo(QStringLiteral("Formula/1"), QStringLiteral("texto")));
    escritor.Esperar();
    EXPECT_EQ(escritor.Fallos(), 1);
    EXPECT_TRUE(ListarBorradores().empty());
    int tomas = 0;
    ApunteBorrador apunte(nullptr, [&]() -> std::optional<Borrador> {
        ++tomas;
        return Ejemplo(QStringLiteral("Formula/1"), QStringLiteral("texto"));
    });
    apunte.Cambio();
    apunte.Ahora();
    Borradores().Esperar();
    EXPECT_EQ(tomas, 1);
    EXPECT_EQ(Leer(CarpetaBorradores()), "no es una carpeta");
}

// Steady typing: a keystroke only restarts the timer; the text is taken once, no later than
// kEsperaMs after the first key; after a pause it is taken kPausaMs after the last key.
TEST(Borradores, ApunteTomaElTextoAlAcabarElPlazo) {
    CarpetaPruebas carpeta(false);
    QString texto;
    int tomas = 0;
    ApunteBorrador apunte(nullptr, [&]() -> std::optional<Borrador> {
        ++tomas;
        Borrador b = Ejemplo(QStringLiteral("Nota/nueva"), texto);
        b.titulo.clear();
        return b;
    });
    QElapsedTimer reloj;
    reloj.start();
    while (tomas == 0 && reloj.elapsed() < 3000) {
        texto += u'a';
        apunte.Cambio();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_EQ(tomas, 1);
    EXPECT_LE(reloj.elapsed(), ApunteBorrador::kEsperaMs + 500);
    Borradores().Esperar();
    ASSERT_EQ(ListarBorradores().size(), 1u);
    EXPECT_TRUE(texto.startsWith(ListarBorradores()[0].texto));
    // One key and a pause.
    texto += u'b';
    apunte.Cambio();
    reloj.start();
    while (tomas == 1 && reloj.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(tomas, 2);
    EXPECT_GE(reloj.elapsed(), ApunteBorrador::kPausaMs - 50);
    EXPECT_LE(reloj.elapsed(), ApunteBorrador::kPausaMs + 500);
    Borradores().Esperar();
    ASSERT_EQ(ListarBorradores().size(), 1u);
    EXPECT_EQ(ListarBorradores()[0].texto, texto);
    // A box emptied of everything leaves no draft.
    texto.clear();
    apunte.Ahora();
    Borradores().Esperar();
    EXPECT_TRUE(ListarBorradores().empty());
    apunte.Quitar(QStringLiteral("Nota/nueva"));
}

// The own-time dialog's draft reads back field by field, whatever was typed into a field; the
// target stays the own time it edited.
TEST(Borradores, TiempoPropioDeIdaYVuelta) {
    TiempoPropio t;
    t.id = 42;
    t.pelicula = QStringLiteral("Ilford HP5 Plus");
    t.revelador = QStringLiteral("Revelador: falso\nEI: 3");
    t.dilucion = QStringLiteral("1+1");
    t.ei = QStringLiteral("800");
    t.tiempo35 = QStringLiteral("16:00");
    t.temperatura = QStringLiteral("20");
    t.nota = QStringLiteral("dos líneas\nNota: y más");
    const QString texto = TextoBorradorTiempo(t);
    EXPECT_TRUE(texto.startsWith(u"Película: Ilford HP5 Plus\nRevelador: "));
    const std::optional<TiempoPropio> vuelta = TiempoDeBorrador(DestinoTiempoPropio(42), texto);
    ASSERT_TRUE(vuelta);
    EXPECT_EQ(vuelta->id, 42);
    EXPECT_EQ(vuelta->revelador, QStringLiteral("Revelador: falso EI: 3"));
    EXPECT_EQ(vuelta->nota, t.nota);
    EXPECT_EQ(vuelta->tiempo35, t.tiempo35);
    EXPECT_EQ(vuelta->tiempo120, QString());
    const std::optional<TiempoPropio> nuevo = TiempoDeBorrador(DestinoTiempoPropio(0), texto);
    ASSERT_TRUE(nuevo);
    EXPECT_EQ(nuevo->id, 0);
    EXPECT_FALSE(TiempoDeBorrador(QStringLiteral("Formula/42"), texto));
    EXPECT_FALSE(TiempoDeBorrador(QStringLiteral("TiempoPropio/x"), texto));
    EXPECT_FALSE(TiempoDeBorrador(DestinoTiempoPropio(42), QStringLiteral("Película: sin más")));
}
