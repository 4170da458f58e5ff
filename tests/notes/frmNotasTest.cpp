#include "notes/frmNotas.h"

#include "notes/ConsultasNotas.h"
#include "notes/TextoRtf.h"
#include "shell/AlmacenDatos.h"
#include "shell/Tema.h"
#include "soporte/AnfitrionPrueba.h"
#include "soporte/CarpetaPruebas.h"
#include "soporte/DialogosGuion.h"
#include "soporte/TextoExtrano.h"
#include "soporte/VentanaPrueba.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

const QString kHoy = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));

class Notas : public ::testing::Test {
protected:
    // A note already kept, with a chosen date.
    qint64 Nota(const QString& fecha, const QString& titulo, const QString& texto) {
        const qint64 id = InsertarNota(titulo, texto);
        NotesDb()->Ejecutar(QStringLiteral("UPDATE NotasPersonales SET Fecha=? WHERE Id=?"), {fecha, id});
        return id;
    }
    void Abrir() { w = anfitrion.Abrir<frmNotas>(); }

    template <class T = QWidget> T* C(const char* nombre) {
        T* c = w->findChild<T*>(QString::fromLatin1(nombre));
        EXPECT_NE(c, nullptr) << nombre;
        return c;
    }
    QLineEdit* Titulo() { return C<QLineEdit>("txtTitulo"); }
    QTextEdit* Editor() { return C<QTextEdit>("rtfNota"); }
    QListWidget* Lista() { return C<QListWidget>("lstNotas"); }
    QString Estado() { return C<QLabel>("lblEstado")->text(); }
    QStringList Entradas() {
        QStringList t;
        for (int i = 0; i < Lista()->count(); ++i)
            t << Lista()->item(i)->text();
        return t;
    }
    // Which of Nueva, Borrar, Guardar are enabled.
    QString Botones() {
        QString b;
        for (const char* n : {"btnNueva", "btnBorrar", "btnGuardar"})
            b += C<QPushButton>(n)->isEnabled() ? u'1' : u'0';
        return b;
    }
    void Clic(const char* nombre) { QTest::mouseClick(C(nombre), Qt::LeftButton); }
    void ClicEntrada(int fila) {
        QListWidgetItem* item = Lista()->item(fila);
        QTest::mouseClick(Lista()->viewport(), Qt::LeftButton, {}, Lista()->visualItemRect(item).center());
    }
    void Escribir(QWidget* caja, const QString& texto) { QTest::keyClicks(caja, texto); }
    QString Cuerpo(qint64 id) { return LeerNota(id) ? LeerNota(id)->texto : QStringLiteral("<ninguna>"); }
    QStringList Preguntas() {
        QStringList p;
        for (const auto& l : Guion().llamadas) {
            EXPECT_EQ(l.titulo, "UXEL Garvola");
            p << l.texto;
        }
        return p;
    }
    // Makes the engine refuse every write to the notes, as a full or read-only disk does.
    void FallarEscrituras() {
        for (const char* accion : {"INSERT", "UPDATE", "DELETE"})
            NotesDb()->Ejecutar(QStringLiteral("CREATE TRIGGER falla_%1 BEFORE %1 ON NotasPersonales "
                                               "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END")
                                    .arg(QLatin1String(accion)));
    }

    CarpetaPruebas carpeta;
    AnfitrionPrueba anfitrion;
    frmNotas* w = nullptr;
};

} // namespace

TEST_F(Notas, SinNotasEmpiezaUnaNuevaYLaGuarda) {
    Abrir();
    EXPECT_EQ(w->windowTitle(), "Notas personales");
    EXPECT_TRUE(C<QRadioButton>("optFecha")->isChecked());
    EXPECT_EQ(Botones(), "001");
    EXPECT_EQ(C<QComboBox>("cmbSize")->currentText(), "11");
    EXPECT_EQ(C<QComboBox>("cmbFont")->currentText(), "Arial");
    EXPECT_EQ(C<QComboBox>("cmbSize")->count(), 16);
    EXPECT_EQ(C<QComboBox>("cmbFont")->itemText(15), "Webdings");
    EXPECT_EQ(C("picToolbar")->palette().color(QPalette::Window), ColorPanel);
    EXPECT_TRUE(C("cmdNegrita")->font().bold());
    EXPECT_TRUE(C("cmdSubrayado")->font().underline());

    Escribir(Editor(), QStringLiteral("Rodinal 1+50, 11 min"));
    Clic("btnGuardar");
    EXPECT_TRUE(Guion().llamadas.empty());
    EXPECT_EQ(Entradas(), QStringList{kHoy + "  (sin titulo)"});
    EXPECT_EQ(Lista()->currentRow(), 0);
    EXPECT_EQ(Estado(), "Guardado.");
    EXPECT_EQ(Botones(), "110");
    EXPECT_EQ(Titulo()->text(), "") << "the title box keeps what the user typed";
    const qint64 id = ListarNotas(OrdenNotas::Fecha).front().id;
    EXPECT_TRUE(EsRtf(Cuerpo(id)));
    EXPECT_TRUE(Cuerpo(id).contains("Rodinal 1+50, 11 min"));
}

TEST_F(Notas, CargaLaMasRecienteYAbreTextoLlanoComoTexto) {
    Nota(QStringLiteral("2023-01-01 10:00:00"), QStringLiteral("Vieja"), QStringLiteral("{\\rtf1 vieja}"));
    const qint64 llana = Nota(QStringLiteral("2024-05-06 10:00:00"), QStringLiteral("Llana"),
                              QStringLiteral("{\\b no es rtf}\nsegunda"));
    Abrir();
    EXPECT_EQ(Entradas(), QStringList({"06/05/2024  Llana", "01/01/2023  Vieja"}));
    EXPECT_EQ(Lista()->currentRow(), 0);
    EXPECT_EQ(Titulo()->text(), "Llana");
    EXPECT_EQ(Editor()->toPlainText(), "{\\b no es rtf}\nsegunda");
    EXPECT_EQ(Botones(), "110");

    // Saved back as RTF, with the same text.
    Escribir(Titulo(), QStringLiteral("!"));
    EXPECT_EQ(Botones(), "001");
    Clic("btnGuardar");
    ASSERT_TRUE(EsRtf(Cuerpo(llana)));
    QTextDocument doc;
    LeerRtf(QStringView(Cuerpo(llana)), doc);
    EXPECT_EQ(doc.toPlainText(), "{\\b no es rtf}\nsegunda");
    EXPECT_EQ(Entradas()[0], "06/05/2024  Llana!") << "the date stays, the entry shows the new title";
}

TEST_F(Notas, ClicEnOtraNotaConCambiosPregunta) {
    const qint64 a =
        Nota(QStringLiteral("2024-02-02 10:00:00"), QStringLiteral("A"), QStringLiteral("{\\rtf1 texto A}"));
    Nota(QStringLiteral("2024-01-01 10:00:00"), QStringLiteral("B"), QStringLiteral("{\\rtf1 texto B}"));
    Abrir();
    Escribir(Titulo(), QStringLiteral("2"));
    Guion().respuestas.push_back(Respuesta::Si);
    ClicEntrada(1);
    EXPECT_EQ(Preguntas(), QStringList{"Hay cambios sin guardar. Guardar?"});
    EXPECT_EQ(Guion().llamadas[0].tipo, DialogosGuion::Tipo::SiNo);
    EXPECT_EQ(Guion().llamadas[0].icono, Icono::Pregunta);
    EXPECT_EQ(Entradas(), QStringList({"02/02/2024  A2", "01/01/2024  B"}));
    EXPECT_EQ(LeerNota(a)->titulo, "A2");
    EXPECT_EQ(Titulo()->text(), "B");
    EXPECT_EQ(Editor()->toPlainText(), "texto B");

    // No: the edit is dropped, the clicked note is shown.
    Escribir(Editor(), QStringLiteral("xx"));
    Guion().respuestas.push_back(Respuesta::No);
    ClicEntrada(0);
    EXPECT_EQ(Titulo()->text(), "A2");
    EXPECT_FALSE(Cuerpo(a).contains("xx"));
    EXPECT_EQ(Entradas()[1], "01/01/2024  B");
}

TEST_F(Notas, CambiarElOrdenConCambiosPreguntaAlVolverASeleccionar) {
    Nota(QStringLiteral("2024-02-02 10:00:00"), QStringLiteral("Zeta"), QStringLiteral("{\\rtf1 z}"));
    Nota(QStringLiteral("2024-01-01 10:00:00"), QStringLiteral("alfa"), QStringLiteral("{\\rtf1 a}"));
    Abrir();
    Escribir(Editor(), QStringLiteral("mas "));
    Guion().respuestas.push_back(Respuesta::Si);
    Clic("opTitulo");
    EXPECT_EQ(Preguntas(), QStringList{"Hay cambios sin guardar. Guardar?"});
    EXPECT_EQ(Entradas(), QStringList({"01/01/2024  alfa", "02/02/2024  Zeta"}));
    EXPECT_EQ(Lista()->currentRow(), 1);
    EXPECT_EQ(Editor()->toPlainText(), "mas z");
    EXPECT_EQ(Botones(), "110");
}

TEST_F(Notas, EscapeRevierteOGuardaOSigue) {
    const qint64 id =
        Nota(QStringLiteral("2024-02-02 10:00:00"), QStringLiteral("Hoja"), QStringLiteral("{\\rtf1 base}"));
    Abrir();
    QTest::keyClick(Editor(), Qt::Key_Escape);
    EXPECT_TRUE(Guion().llamadas.empty()) << "nothing to ask without changes";

    Escribir(Editor(), QStringLiteral("cambio "));
    Guion().respuestas.push_back(Respuesta::Cancelar);
    QTest::keyClick(Editor(), Qt::Key_Escape);
    EXPECT_EQ(Preguntas(), QStringList{"Hay cambios sin guardar.\n¿Desea guardarlos?"});
    EXPECT_EQ(Guion().llamadas[0].tipo, DialogosGuion::Tipo::SiNoCancelar);
    EXPECT_EQ(Editor()->toPlainText(), "cambio base");

    Guion().respuestas.push_back(Respuesta::No);
    QTest::keyClick(Titulo(), Qt::Key_Escape);
    EXPECT_EQ(Editor()->toPlainText(), "base");
    EXPECT_EQ(Titulo()->text(), "Hoja");
    EXPECT_EQ(Estado(), "Edición cancelada.");
    EXPECT_EQ(Botones(), "110");

    Escribir(Titulo(), QStringLiteral(" 2"));
    Guion().respuestas.push_back(Respuesta::Si);
    QTest::keyClick(Titulo(), Qt::Key_Escape);
    EXPECT_EQ(LeerNota(id)->titulo, "Hoja 2");
    EXPECT_EQ(Estado(), "Guardado.");

    // A new note reverted with No empties both boxes.
    Clic("btnNueva");
    Escribir(Titulo(), QStringLiteral("t"));
    Escribir(Editor(), QStringLiteral("x"));
    Guion().respuestas.push_back(Respuesta::No);
    QTest::keyClick(Editor(), Qt::Key_Escape);
    EXPECT_EQ(Titulo()->text(), "");
    EXPECT_EQ(Editor()->toPlainText(), "");
    EXPECT_EQ(Botones(), "000");
}

TEST_F(Notas, NuevaConCambiosPreguntaYGuardaLaNuevaSeleccionada) {
    Nota(QStringLiteral("2024-02-02 10:00:00"), QStringLiteral("Vieja"), QStringLiteral("{\\rtf1 v}"));
    Abrir();
    Clic("btnNueva");
    EXPECT_EQ(Botones(), "001");
    EXPECT_EQ(Titulo()->text(), "");
    Escribir(Titulo(), QStringLiteral("Primera"));
    Guion().respuestas.push_back(Respuesta::Si);
    ClicEntrada(0);
    EXPECT_EQ(Entradas(), QStringList({kHoy + "  Primera", "02/02/2024  Vieja"}));
    EXPECT_EQ(Lista()->currentRow(), 0) << "the saved new note is the one shown";
    EXPECT_EQ(Titulo()->text(), "Primera");

    // While the text changes, "Nueva" waits for a save or a revert.
    Escribir(Editor(), QStringLiteral("nada"));
    EXPECT_EQ(Botones(), "001");
    Clic("btnNueva");
    EXPECT_EQ(Editor()->toPlainText(), "nada");
}

TEST_F(Notas, BorrarPreguntaYDejaUnaNuevaAlFinal) {
    Nota(QStringLiteral("2024-02-02 10:00:00"), QStringLiteral("Uno"), QStringLiteral("{\\rtf1 1}"));
    Nota(QStringLiteral("2024-01-01 10:00:00"), QStringLiteral("Dos"), QStringLiteral("{\\rtf1 2}"));
    Abrir();
    Guion().respuestas.push_back(Respuesta::No);
    Clic("btnBorrar");
    EXPECT_EQ(Preguntas(), QStringList{"Borrar esta nota?"});
    EXPECT_EQ(Lista()->count(), 2);

    Guion().respuestas.push_back(Respuesta::Si);
    Clic("btnBorrar");
    EXPECT_EQ(Entradas(), QStringList{"01/01/2024  Dos"});
    EXPECT_EQ(Titulo()->text(), "Dos");
    Guion().respuestas.push_back(Respuesta::Si);
    Clic("btnBorrar");
    EXPECT_EQ(Lista()->count(), 0);
    EXPECT_EQ(Titulo()->text(), "");
    EXPECT_EQ(Editor()->toPlainText(), "");
    EXPECT_EQ(Botones(), "001");
    EXPECT_TRUE(ListarNotas(OrdenNotas::Fecha).empty());
}

TEST_F(Notas, FormatoSeGuardaYLosBotonesSiguenLaSeleccion) {
    Abrir();
    Escribir(Titulo(), QStringLiteral("Formato"));
    Escribir(Editor(), QStringLiteral("normal negrita"));
    QTextCursor c = Editor()->textCursor();
    c.setPosition(7);
    c.setPosition(14, QTextCursor::KeepAnchor);
    Editor()->setTextCursor(c);
    Clic("cmdNegrita");
    EXPECT_EQ(C("cmdNegrita")->palette().color(QPalette::Button), ColorEstiloActivo);
    EXPECT_TRUE(Editor()->hasFocus() || !QApplication::activeWindow());
    auto* tamanos = C<QComboBox>("cmbSize");
    Q_EMIT tamanos->activated(tamanos->findText("24"));
    auto* fuentes = C<QComboBox>("cmbFont");
    Q_EMIT fuentes->activated(fuentes->findText("Georgia"));
    Clic("btnGuardar");

    // Back on the plain word, the buttons and lists show its format.
    c.setPosition(2);
    Editor()->setTextCursor(c);
    EXPECT_EQ(C("cmdNegrita")->palette().color(QPalette::Button),
              QApplication::palette().color(QPalette::Base));
    EXPECT_EQ(tamanos->currentText(), "11");
    EXPECT_EQ(fuentes->currentText(), "Arial");

    // Reopened in a fresh window, the formatting is there.
    w->close();
    Abrir();
    c = Editor()->textCursor();
    c.setPosition(10);
    Editor()->setTextCursor(c);
    EXPECT_EQ(C("cmdNegrita")->palette().color(QPalette::Button), ColorEstiloActivo);
    EXPECT_EQ(C<QComboBox>("cmbSize")->currentText(), "24");
    EXPECT_EQ(C<QComboBox>("cmbFont")->currentText(), "Georgia");
    EXPECT_EQ(Editor()->textCursor().charFormat().fontWeight(), QFont::Bold);
}

TEST_F(Notas, CerrarConCambios) {
    Abrir();
    Escribir(Editor(), QStringLiteral("no perder"));
    Guion().respuestas.push_back(Respuesta::Cancelar);
    EXPECT_FALSE(w->close());
    EXPECT_EQ(Preguntas(), QStringList{"Hay cambios sin guardar. Guardar antes de cerrar?"});
    Guion().respuestas.push_back(Respuesta::Si);
    EXPECT_TRUE(w->close());
    ASSERT_EQ(ListarNotas(OrdenNotas::Fecha).size(), 1u);
}

TEST_F(Notas, UnGuardadoQueFallaLoDiceYConservaElTexto) {
    const qint64 id =
        Nota(QStringLiteral("2024-02-02 10:00:00"), QStringLiteral("Uno"), QStringLiteral("{\\rtf1 1}"));
    Nota(QStringLiteral("2024-01-01 10:00:00"), QStringLiteral("Dos"), QStringLiteral("{\\rtf1 2}"));
    Abrir();
    FallarEscrituras();
    Escribir(Editor(), QStringLiteral("valioso "));
    Clic("btnGuardar");
    EXPECT_EQ(Preguntas(), QStringList{"No se pudo guardar la nota: disco lleno"});
    EXPECT_EQ(Guion().llamadas[0].tipo, DialogosGuion::Tipo::Informar);
    EXPECT_NE(Estado(), "Guardado.");
    EXPECT_EQ(Botones(), "001");
    EXPECT_EQ(Cuerpo(id), "{\\rtf1 1}");

    // Yes to the question on another entry: the save fails, and the edited note stays.
    Guion().llamadas.clear();
    Guion().respuestas.push_back(Respuesta::Si);
    ClicEntrada(1);
    EXPECT_EQ(Editor()->toPlainText(), "valioso 1");
    EXPECT_EQ(Lista()->currentRow(), 0);
    Guion().respuestas.push_back(Respuesta::Si);
    EXPECT_FALSE(w->close()) << "the window stays open rather than lose the text";
    EXPECT_EQ(Editor()->toPlainText(), "valioso 1");

    // A failing delete leaves the list and the note as they were.
    Guion().llamadas.clear();
    Guion().respuestas.push_back(Respuesta::No);
    QTest::keyClick(Editor(), Qt::Key_Escape);
    Guion().llamadas.clear();
    Guion().respuestas.push_back(Respuesta::Si);
    Clic("btnBorrar");
    EXPECT_EQ(Preguntas(), QStringList({"Borrar esta nota?", "No se pudo borrar la nota: disco lleno"}));
    EXPECT_EQ(Entradas(), QStringList({"02/02/2024  Uno", "01/01/2024  Dos"}));
    EXPECT_EQ(Titulo()->text(), "Uno");
}

TEST_F(Notas, NotaBorradaPorElMantenimientoSeGuardaDeNuevo) {
    Nota(QStringLiteral("2024-02-02 10:00:00"), QStringLiteral("Uno"), QStringLiteral("{\\rtf1 1}"));
    Abrir();
    NotesDb()->Ejecutar(QStringLiteral("DELETE FROM NotasPersonales"));
    Escribir(Editor(), QStringLiteral("sigue "));
    Clic("btnGuardar");
    const auto lista = ListarNotas(OrdenNotas::Fecha);
    ASSERT_EQ(lista.size(), 1u);
    EXPECT_EQ(Entradas(), QStringList{kHoy + "  Uno"});
    EXPECT_EQ(Lista()->currentRow(), 0);
    EXPECT_TRUE(Cuerpo(lista[0].id).contains("sigue 1"));
    EXPECT_EQ(Estado(), "Guardado.");
}

// A 10,000-character title and body with emoji, right-to-left text and control characters, pasted
// in, saved and read again by a new window: every character comes back.
TEST_F(Notas, TextoLargoYExtranoVuelveIgual) {
    Abrir();
    const QString titulo = TextoExtrano();
    const QString cuerpo = TextoExtrano(10000, true);
    Pegar(Titulo(), titulo);
    Pegar(Editor(), cuerpo);
    ASSERT_EQ(Titulo()->text(), titulo) << "nothing cut on the way in";
    // toPlainText() would show the no-break spaces as blanks.
    const auto escrito = [&] {
        return Editor()->document()->toRawText().replace(QChar::ParagraphSeparator, u'\n');
    };
    ASSERT_EQ(escrito(), cuerpo);
    Clic("btnGuardar");
    EXPECT_TRUE(Guion().llamadas.empty());
    EXPECT_EQ(Estado(), "Guardado.");
    ASSERT_TRUE(w->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    Abrir();
    EXPECT_EQ(Titulo()->text(), titulo);
    EXPECT_EQ(escrito(), cuerpo);
    EXPECT_EQ(Entradas(), QStringList{kHoy + u"  " + titulo});
    EXPECT_EQ(Botones(), "110") << "what was read is what was saved";
}
