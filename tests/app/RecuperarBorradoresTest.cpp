// Drafts through the real windows: text typed and never saved is back after a crash (the windows
// are destroyed without being closed, as a killed program leaves them), in its own box only; a
// "No" to the unsaved question drops it, "Cancelar" keeps it.
#include "app/RecuperarBorradores.h"
#include "devtimes/frmPeliculasReveladores.h"
#include "devtimes/frmTiempoPropio.h"
#include "notes/ConsultasNotas.h"
#include "notes/frmNotas.h"
#include "shell/AlmacenDatos.h"
#include "shell/ApunteBorrador.h"
#include "shell/Borradores.h"
#include "shell/Controles.h"
#include "shell/Rutas.h"
#include "timer/frmTemporizador.h"

#include "../devtimes/FixtureTiempos.h"
#include "soporte/AnfitrionPrueba.h"
#include "soporte/CarpetaPruebas.h"
#include "soporte/DialogosGuion.h"
#include "soporte/VentanaPrueba.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The drafts on disk once the typing has had its time to reach them.
std::vector<Borrador> BorradoresTrasEscribir(size_t esperados) {
    QElapsedTimer reloj;
    reloj.start();
    std::vector<Borrador> lista;
    while (reloj.elapsed() < 3 * ApunteBorrador::kEsperaMs) {
        QTest::qWait(50);
        Borradores().Esperar();
        lista = ListarBorradores();
        if (lista.size() >= esperados)
            break;
    }
    return lista;
}

std::vector<Borrador> BorradoresAhora() {
    Borradores().Esperar();
    return ListarBorradores();
}

QString TextoNota(qint64 id) {
    const std::optional<Nota> n = LeerNota(id);
    return n ? n->titulo + u'|' + n->texto : QString();
}

QStringList NotasMias() {
    QStringList r;
    for (Consulta c = ReferenceDb()->Consultar(QStringLiteral("SELECT IdPelicula, IdRevelador, Texto FROM "
                                                              "NotasMiasPelicula"));
         !c.Fin(); c.Siguiente())
        r << c.Campo(0).toString() + u'/' + c.Campo(1).toString() + u'=' + TextoSeguro(c.Campo(2));
    return r;
}

class RecuperarBorradoresTest : public ::testing::Test {
protected:
    void SetUp() override {
        fixture::Pelicula(1, "Ilford HP5 Plus");
        fixture::Revelador(10, "ID-11");
        fixture::Revelador(11, "Rodinal");
        fixture::Tiempo(1, 10, "400", "20", "9");
        fixture::Tiempo(1, 11, "400", "20", "11");
    }
    void TearDown() override { Borradores().Esperar(); }

    // A run of the program that dies: the windows go without being closed.
    std::unique_ptr<AnfitrionPrueba> sesion = std::make_unique<AnfitrionPrueba>();
    void Morir() {
        Borradores().Esperar();
        sesion = std::make_unique<AnfitrionPrueba>();
    }
    // "Mis notas" of HP5 with one developer, typed into and not saved.
    frmPeliculasReveladores* TeclearNotaMia(int fila, const QString& texto) {
        auto* v = sesion->Abrir<frmPeliculasReveladores>();
        QCoreApplication::processEvents();
        auto* lista = Control<QListWidget>(v, "lstItems");
        lista->setCurrentRow(0);
        auto* grid = Control<QTableWidget>(v, "grdTiempos");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(fila - 1, 0)).center());
        QTest::keyClicks(Control<QPlainTextEdit>(v, "txtNotaPersonal"), texto);
        return v;
    }

    CarpetaPruebas carpeta_;
};

} // namespace

TEST_F(RecuperarBorradoresTest, NotaPersonalVuelveASuNotaSinGuardar) {
    const qint64 id = InsertarNota(QStringLiteral("Mi D-76"), QStringLiteral("1+1, 11 min"));
    InsertarNota(QStringLiteral("Otra"), QStringLiteral("otra nota"));
    auto* notas = sesion->Abrir<frmNotas>();
    auto* lista = Control<QListWidget>(notas, "lstNotas");
    for (int i = 0; i < lista->count(); ++i)
        if (lista->item(i)->text().endsWith(u"Mi D-76"))
            lista->setCurrentRow(i);
    auto* cuerpo = Control<QTextEdit>(notas, "rtfNota");
    cuerpo->moveCursor(QTextCursor::End);
    QTest::keyClicks(cuerpo, " y agitar cada minuto");
    ASSERT_EQ(BorradoresTrasEscribir(1).size(), 1u);
    Morir();

    Guion().respuestas = {Respuesta::Si};
    RecuperarBorradores(*sesion);
    ASSERT_EQ(Guion().llamadas.size(), 2u);
    EXPECT_EQ(Guion().llamadas[0].texto,
              QStringLiteral("Se recuperó texto sin guardar de: Notas personales «Mi D-76»."));
    notas = sesion->Abierto<frmNotas>();
    ASSERT_NE(notas, nullptr);
    cuerpo = Control<QTextEdit>(notas, "rtfNota");
    EXPECT_EQ(Control<QLineEdit>(notas, "txtTitulo")->text(), "Mi D-76");
    EXPECT_EQ(cuerpo->toPlainText(), "1+1, 11 min y agitar cada minuto");
    EXPECT_TRUE(Control<QListWidget>(notas, "lstNotas")->currentItem()->text().endsWith(u"Mi D-76"));
    // Back in its box, not saved yet: the note on disk is as it was until the user saves.
    auto* guardar = Control<QPushButton>(notas, "btnGuardar");
    EXPECT_TRUE(guardar->isEnabled());
    EXPECT_EQ(TextoNota(id), "Mi D-76|1+1, 11 min");
    QTest::mouseClick(guardar, Qt::LeftButton);
    EXPECT_TRUE(TextoNota(id).contains(u"y agitar cada minuto"));
    EXPECT_TRUE(BorradoresAhora().empty());
}

// A note deleted since, or whose id was given to another note, is not the target any more: the
// text comes back as a new note and the other note is left alone.
TEST_F(RecuperarBorradoresTest, NotaQueYaNoExisteVuelveComoNotaNueva) {
    const qint64 id = InsertarNota(QStringLiteral("Mi D-76"), QStringLiteral("viejo"));
    auto* notas = sesion->Abrir<frmNotas>();
    auto* cuerpo = Control<QTextEdit>(notas, "rtfNota");
    QTest::keyClicks(cuerpo, "nuevo ");
    ASSERT_EQ(BorradoresTrasEscribir(1).size(), 1u);
    Morir();
    BorrarNota(id);
    const qint64 otra = InsertarNota(QStringLiteral("Ajena"), QStringLiteral("ajena"));

    Guion().respuestas = {Respuesta::Si};
    RecuperarBorradores(*sesion);
    notas = sesion->Abierto<frmNotas>();
    ASSERT_NE(notas, nullptr);
    EXPECT_EQ(Control<QLineEdit>(notas, "txtTitulo")->text(), "Mi D-76");
    EXPECT_EQ(Control<QTextEdit>(notas, "rtfNota")->toPlainText(), "nuevo viejo");
    EXPECT_EQ(Control<QListWidget>(notas, "lstNotas")->currentRow(), -1);
    EXPECT_EQ(TextoNota(otra), "Ajena|ajena");
    // Kept now as the new note's draft, no longer as the deleted note's.
    const std::vector<Borrador> ahora = BorradoresAhora();
    ASSERT_EQ(ahora.size(), 1u);
    EXPECT_EQ(ahora[0].destino, "Nota/nueva");
}

TEST_F(RecuperarBorradoresTest, MisNotasVuelvenASuPeliculaYRevelador) {
    TeclearNotaMia(2, "diluir 1+3");
    const std::vector<Borrador> antes = BorradoresTrasEscribir(1);
    ASSERT_EQ(antes.size(), 1u);
    EXPECT_EQ(antes[0].etiqueta, u"Mis notas de Ilford HP5 Plus × Rodinal");
    Morir();

    Guion().respuestas = {Respuesta::Si};
    RecuperarBorradores(*sesion);
    ASSERT_EQ(Guion().llamadas.size(), 2u);
    EXPECT_EQ(Guion().llamadas[0].texto,
              QStringLiteral("Se recuperó texto sin guardar de: Mis notas de Ilford HP5 Plus × Rodinal."));
    auto* v = sesion->Abierto<frmPeliculasReveladores>();
    ASSERT_NE(v, nullptr);
    auto* caja = Control<QPlainTextEdit>(v, "txtNotaPersonal");
    EXPECT_EQ(TextoEscrito(caja), "diluir 1+3");
    EXPECT_EQ(v->FilaActual(), 2);
    EXPECT_TRUE(NotasMias().isEmpty());
    QTest::mouseClick(Control<QPushButton>(v, "btnGuardarNota"), Qt::LeftButton);
    EXPECT_EQ(NotasMias(), QStringList{"1/11=diluir 1+3"});
    EXPECT_TRUE(BorradoresAhora().empty());
}

// The developer is gone from the reference data: the text is never put on another row, it comes
// back as a new personal note named after its box.
TEST_F(RecuperarBorradoresTest, MisNotasSinDestinoVuelvenComoNotaPersonal) {
    TeclearNotaMia(2, "diluir 1+3");
    ASSERT_EQ(BorradoresTrasEscribir(1).size(), 1u);
    Morir();
    ReferenceDb()->Ejecutar(QStringLiteral("DELETE FROM Tiempos WHERE IdRevelador = 11"));
    ReferenceDb()->Ejecutar(QStringLiteral("DELETE FROM Reveladores WHERE IdRevelador = 11"));

    Guion().respuestas = {Respuesta::Si};
    RecuperarBorradores(*sesion);
    auto* v = sesion->Abierto<frmPeliculasReveladores>();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(TextoEscrito(Control<QPlainTextEdit>(v, "txtNotaPersonal")), "");
    auto* notas = sesion->Abierto<frmNotas>();
    ASSERT_NE(notas, nullptr);
    EXPECT_EQ(Control<QLineEdit>(notas, "txtTitulo")->text(), u"Mis notas de Ilford HP5 Plus × Rodinal");
    EXPECT_EQ(Control<QTextEdit>(notas, "rtfNota")->toPlainText(), "diluir 1+3");
    EXPECT_TRUE(NotasMias().isEmpty());
}

// At start "No" drops a draft and "Cancelar" keeps it for the next start.
TEST_F(RecuperarBorradoresTest, DescartarOAplazar) {
    TeclearNotaMia(2, "uno");
    auto* notas = sesion->Abrir<frmNotas>();
    QTest::keyClicks(Control<QLineEdit>(notas, "txtTitulo"), "Mi D-76");
    ASSERT_EQ(BorradoresTrasEscribir(2).size(), 2u);
    Morir();
    Guion().respuestas = {Respuesta::Cancelar, Respuesta::No};
    RecuperarBorradores(*sesion);
    EXPECT_EQ(sesion->Abierto<frmNotas>(), nullptr);
    EXPECT_EQ(sesion->Abierto<frmPeliculasReveladores>(), nullptr);
    const std::vector<Borrador> quedan = BorradoresAhora();
    ASSERT_EQ(quedan.size(), 1u);
    // Drafts taken within the same millisecond may come in either order: the one offered first
    // (after the notice) was answered "Cancelar" and is the one kept.
    ASSERT_EQ(Guion().llamadas.size(), 3u);
    if (Guion().llamadas[1].texto.contains(u"Mis notas"))
        EXPECT_EQ(quedan[0].texto, "uno");
    else
        EXPECT_EQ(quedan[0].titulo, "Mi D-76");
}

// The unsaved question when a window closes: "Cancelar" keeps the window and the draft, "No"
// drops both; the same for "Mis notas" when another row is chosen.
TEST_F(RecuperarBorradoresTest, NoAlCerrarQuitaElBorradorYCancelarLoConserva) {
    auto* notas = sesion->Abrir<frmNotas>();
    QTest::keyClicks(Control<QLineEdit>(notas, "txtTitulo"), "Mi D-76");
    ASSERT_EQ(BorradoresTrasEscribir(1).size(), 1u);
    Guion().respuestas = {Respuesta::Cancelar};
    EXPECT_FALSE(notas->close());
    EXPECT_EQ(BorradoresAhora().size(), 1u);
    Guion().respuestas = {Respuesta::No};
    EXPECT_TRUE(notas->close());
    EXPECT_TRUE(BorradoresAhora().empty());

    auto* v = TeclearNotaMia(2, "uno");
    ASSERT_EQ(BorradoresTrasEscribir(1).size(), 1u);
    Guion().respuestas = {Respuesta::No};
    auto* grid = Control<QTableWidget>(v, "grdTiempos");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(0, 0)).center());
    EXPECT_TRUE(BorradoresAhora().empty());
    // Typing right before the "No": the pending draft is not written afterwards.
    QTest::keyClicks(Control<QPlainTextEdit>(v, "txtNotaPersonal"), "dos");
    Guion().respuestas = {Respuesta::No};
    EXPECT_TRUE(v->close());
    QTest::qWait(ApunteBorrador::kEsperaMs + 200);
    EXPECT_TRUE(BorradoresAhora().empty());
}

// The own-time dialog: what was typed comes back in the dialog, over the search window, unsaved;
// its Cancel with Yes to the question drops the draft.
TEST_F(RecuperarBorradoresTest, TiempoPropioVuelveASuDialogo) {
    TiempoPropio t;
    t.pelicula = QStringLiteral("Ilford HP5 Plus");
    t.revelador = QStringLiteral("ID-11");
    auto* dialogo = new frmTiempoPropio(t);
    dialogo->setAttribute(Qt::WA_DeleteOnClose);
    dialogo->show();
    QTest::keyClicks(Control<QLineEdit>(dialogo, "txtEI"), "1600");
    QTest::keyClicks(Control<QPlainTextEdit>(dialogo, "txtNota"), "forzado");
    const std::vector<Borrador> antes = BorradoresTrasEscribir(1);
    ASSERT_EQ(antes.size(), 1u);
    EXPECT_EQ(antes[0].etiqueta, "Mi tiempo de Ilford HP5 Plus en ID-11");
    delete dialogo;
    Morir();

    Guion().respuestas = {Respuesta::Si};
    RecuperarBorradores(*sesion);
    auto* buscar = sesion->Abierto<frmPeliculasReveladores>();
    ASSERT_NE(buscar, nullptr);
    auto* vuelto = buscar->findChild<frmTiempoPropio*>();
    ASSERT_NE(vuelto, nullptr);
    EXPECT_EQ(Control<QLineEdit>(vuelto, "txtEI")->text(), "1600");
    EXPECT_EQ(TextoEscrito(Control<QPlainTextEdit>(vuelto, "txtNota")), "forzado");
    EXPECT_TRUE(LeerTiemposPropios(true, QStringLiteral("Ilford HP5 Plus"), QString()).empty());
    Guion().respuestas = {Respuesta::Si};
    vuelto->reject();
    EXPECT_TRUE(BorradoresAhora().empty());
}

// The timer's log note: the finished run it would be saved with does not outlive a crash, so the
// note comes back as a new personal note, never into another run's entry.
TEST_F(RecuperarBorradoresTest, NotaDelCuadernoVuelveComoNotaPersonal) {
    auto* reloj = sesion->Abrir<frmTemporizador>();
    QTest::keyClicks(Control<QLineEdit>(reloj, "txtNotaCuaderno"), "velado en el borde");
    const std::vector<Borrador> antes = BorradoresTrasEscribir(1);
    ASSERT_EQ(antes.size(), 1u);
    EXPECT_EQ(antes[0].etiqueta, "Nota del cuaderno de revelado");
    Morir();

    Guion().respuestas = {Respuesta::Si};
    RecuperarBorradores(*sesion);
    auto* notas = sesion->Abierto<frmNotas>();
    ASSERT_NE(notas, nullptr);
    EXPECT_EQ(Control<QLineEdit>(notas, "txtTitulo")->text(), "Nota del cuaderno de revelado");
    EXPECT_EQ(Control<QTextEdit>(notas, "rtfNota")->toPlainText(), "velado en el borde");
    const std::vector<Borrador> ahora = BorradoresAhora();
    ASSERT_EQ(ahora.size(), 1u);
    EXPECT_EQ(ahora[0].destino, "Nota/nueva");
}

// Two personal notes recovered: the notes window holds one at a time, so the second asks about
// the first; "No" drops the first with its draft, and the second is then the only draft left.
TEST_F(RecuperarBorradoresTest, DosNotasRecuperadasLaSegundaPreguntaPorLaPrimera) {
    const qint64 id = InsertarNota(QStringLiteral("Mi D-76"), QStringLiteral("viejo"));
    Borrador nueva;
    nueva.destino = QStringLiteral("Nota/nueva");
    nueva.etiqueta = QStringLiteral("Notas personales «Primera»");
    nueva.titulo = QStringLiteral("Primera");
    nueva.texto = QStringLiteral("uno");
    nueva.carpeta = CarpetaPrograma();
    nueva.hora = QDateTime::fromMSecsSinceEpoch(1000);
    Borrador vieja = nueva;
    vieja.destino = u"Nota/" + QString::number(id) + u'/' + LeerNota(id)->fecha.toString();
    vieja.etiqueta = QStringLiteral("Notas personales «Mi D-76»");
    vieja.titulo = QStringLiteral("Mi D-76");
    vieja.texto = QStringLiteral("dos");
    vieja.hora = QDateTime::fromMSecsSinceEpoch(2000);
    ASSERT_TRUE(EscribirBorrador(nueva));
    ASSERT_TRUE(EscribirBorrador(vieja));

    Guion().respuestas = {Respuesta::Si, Respuesta::Si, Respuesta::No};
    RecuperarBorradores(*sesion);
    auto* notas = sesion->Abierto<frmNotas>();
    ASSERT_NE(notas, nullptr);
    EXPECT_EQ(Control<QLineEdit>(notas, "txtTitulo")->text(), "Mi D-76");
    EXPECT_EQ(Control<QTextEdit>(notas, "rtfNota")->toPlainText(), "dos");
    const std::vector<Borrador> quedan = BorradoresAhora();
    ASSERT_EQ(quedan.size(), 1u);
    EXPECT_EQ(quedan[0].destino, vieja.destino);
    EXPECT_EQ(TextoNota(id), "Mi D-76|viejo");
}
