#include "notes/frmNotas.h"

#include "maintenance/BorradoNotas.h"
#include "notes/ConsultasNotas.h"
#include "notes/LectorRtf.h"
#include "shell/AlmacenDatos.h"
#include "shell/Numeros.h"
#include "shell/Tema.h"
#include "soporte/AnfitrionPrueba.h"
#include "soporte/CarpetaPruebas.h"
#include "soporte/DialogosGuion.h"
#include "soporte/TextoExtrano.h"
#include "soporte/VentanaPrueba.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

const QString kHoy = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
// The welcome note as shipped: a bold 12 pt dark-blue heading over plain text.
const QString kBienvenida =
    QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Georgia;}}{\\colortbl ;\\red0\\green32\\blue96;}"
                   "\\f0\\fs24\\b\\cf1 Bienvenido a Garvola\\b0\\cf0\\fs22\\par Notas de revelado.\\par}");

// Every character of the document in the editor's own face, size and colour, not bold.
bool FormatoDeLaVentana(const QTextDocument& doc) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (f.fontWeight() > QFont::Normal || f.foreground().style() != Qt::NoBrush ||
                (f.fontPointSize() > 0 && f.fontPointSize() != 11) ||
                (!f.fontFamilies().toStringList().isEmpty() &&
                 f.fontFamilies().toStringList().first() != Tema::FaceSinSerifa))
                return false;
        }
    return true;
}

class Notas : public ::testing::Test {
protected:
    // A note already kept, with a chosen date.
    qint64 Nota(const QString& fecha, const QString& titulo, const QString& texto) {
        const qint64 id = InsertarNota(titulo, texto);
        NotesDb()->Ejecutar(QStringLiteral("UPDATE NotasPersonales SET Fecha=? WHERE Id=?"), {fecha, id});
        return id;
    }
    void Abrir() { w = anfitrion.Abrir<frmNotas>(); }

    template <class T = QWidget> T* C(const char* nombre) { return Control<T>(w, nombre); }
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
    QColor ColorBoton() { return C("cmdColor")->palette().color(QPalette::ButtonText); }
    QColor ColorEstilo(const char* boton) { return C(boton)->palette().color(QPalette::Button); }
    // The stored body as the editor shows it.
    bool GuardadoConFormatoDeLaVentana(qint64 id) {
        QTextDocument doc;
        LeerRtf(QStringView(Cuerpo(id)), doc);
        return EsRtf(Cuerpo(id)) && FormatoDeLaVentana(doc);
    }
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
    EXPECT_EQ(C("picToolbar")->palette().color(QPalette::Window), Tema::ColorPanel);
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
    EXPECT_EQ(C("cmdNegrita")->palette().color(QPalette::Button), Tema::ColorEstiloActivo);
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
    EXPECT_EQ(C("cmdNegrita")->palette().color(QPalette::Button), Tema::ColorEstiloActivo);
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

// Older or imported notes keep their bodies as plain text. Opened after any note, in any order and
// wherever the cursor was, they show in the window's own face and are saved back without the format
// of the note shown before.
TEST_F(Notas, TextoLlanoTrasOtraNotaSeAbreConLaLetraDeLaVentana) {
    const QString larga = QStringLiteral("Rodinal 1+50 a 20 °C, 11 min.\n").repeated(6000);
    Nota(QStringLiteral("2020-01-01 10:00:00"), QStringLiteral("Larga"), larga);
    Nota(QStringLiteral("2021-01-01 10:00:00"), QStringLiteral("Vacía"), QString());
    const qint64 llana = Nota(QStringLiteral("2022-01-01 10:00:00"), QStringLiteral("Llana"),
                              QStringLiteral("primera\nsegunda"));
    Nota(QStringLiteral("2023-01-01 10:00:00"), QStringLiteral("Otra llana"), QStringLiteral("otra"));
    Nota(QStringLiteral("2024-01-01 10:00:00"), QStringLiteral("Bienvenido a Garvola"), kBienvenida);
    Abrir();
    ASSERT_EQ(Titulo()->text(), "Bienvenido a Garvola");
    ASSERT_EQ(ColorEstilo("cmdNegrita"), Tema::ColorEstiloActivo) << "the cursor is on the bold heading";

    const struct {
        int fila;
        QString texto;
    } pasos[] = {{2, QStringLiteral("primera\nsegunda")},
                 {1, QStringLiteral("otra")},
                 {3, QString()},
                 {4, larga},
                 {0, QString()},
                 {4, larga},
                 {0, QString()},
                 {2, QStringLiteral("primera\nsegunda")}};
    for (const auto& paso : pasos) {
        SCOPED_TRACE(paso.fila);
        // The cursor at the end, with everything selected: past the end of any shorter note.
        Editor()->selectAll();
        ClicEntrada(paso.fila);
        ASSERT_EQ(Lista()->currentRow(), paso.fila);
        EXPECT_EQ(Botones(), "110");
        if (paso.fila == 0) {
            EXPECT_EQ(Editor()->toPlainText(), "Bienvenido a Garvola\nNotas de revelado.");
            continue;
        }
        EXPECT_EQ(Editor()->toPlainText(), paso.texto);
        EXPECT_TRUE(FormatoDeLaVentana(*Editor()->document()));
        EXPECT_TRUE(Editor()->textCursor().charFormat().foreground().style() == Qt::NoBrush);
        EXPECT_EQ(C<QComboBox>("cmbSize")->currentText(), "11");
        EXPECT_EQ(C<QComboBox>("cmbFont")->currentText(), "Arial");
        EXPECT_NE(ColorEstilo("cmdNegrita"), Tema::ColorEstiloActivo);
    }

    // Saved back as RTF in the window's face, not as the heading shown before.
    Escribir(Titulo(), QStringLiteral("!"));
    Clic("btnGuardar");
    EXPECT_TRUE(GuardadoConFormatoDeLaVentana(llana));
}

// "Nueva" starts in the window's face, size and colour, whatever the note before had at the cursor.
TEST_F(Notas, NuevaEmpiezaConLaLetraDeLaVentana) {
    Nota(QStringLiteral("2023-01-01 10:00:00"), QStringLiteral("Llana"), QStringLiteral("texto llano"));
    Nota(QStringLiteral("2024-01-01 10:00:00"), QStringLiteral("Bienvenido a Garvola"), kBienvenida);
    Abrir();
    ASSERT_EQ(ColorEstilo("cmdNegrita"), Tema::ColorEstiloActivo);
    ASSERT_EQ(ColorBoton(), QColor(0, 32, 96));

    Clic("btnNueva");
    EXPECT_EQ(C<QComboBox>("cmbSize")->currentText(), "11");
    EXPECT_EQ(C<QComboBox>("cmbFont")->currentText(), "Arial");
    EXPECT_NE(ColorEstilo("cmdNegrita"), Tema::ColorEstiloActivo);
    EXPECT_EQ(ColorBoton(), Editor()->palette().color(QPalette::Text));
    Escribir(Titulo(), QStringLiteral("Nueva"));
    Escribir(Editor(), QStringLiteral("HC-110 B"));
    EXPECT_TRUE(FormatoDeLaVentana(*Editor()->document()));
    Clic("btnGuardar");
    const qint64 nueva = ListarNotas(OrdenNotas::Fecha).front().id;
    EXPECT_TRUE(GuardadoConFormatoDeLaVentana(nueva));

    // After a plain note whose cursor was given bold and a colour before anything was typed.
    ClicEntrada(2);
    ASSERT_EQ(Titulo()->text(), "Llana");
    Clic("cmdNegrita");
    Guion().colores.push_back(QColor(Qt::red));
    Clic("cmdColor");
    ASSERT_EQ(ColorEstilo("cmdNegrita"), Tema::ColorEstiloActivo);
    Clic("btnNueva");
    EXPECT_NE(ColorEstilo("cmdNegrita"), Tema::ColorEstiloActivo);
    EXPECT_EQ(ColorBoton(), Editor()->palette().color(QPalette::Text));
    Escribir(Editor(), QStringLiteral("limpia"));
    EXPECT_TRUE(FormatoDeLaVentana(*Editor()->document()));

    // Reverting a new note with Esc starts it clean again.
    Clic("cmdNegrita");
    Escribir(Editor(), QStringLiteral(" negrita"));
    Guion().respuestas.push_back(Respuesta::No);
    QTest::keyClick(Editor(), Qt::Key_Escape);
    Escribir(Editor(), QStringLiteral("otra vez"));
    EXPECT_TRUE(FormatoDeLaVentana(*Editor()->document()));
}

TEST_F(Notas, ElColorDelTextoSeEligeSeGuardaYSeVe) {
    Abrir();
    // Beside the controls that were there, inside the group.
    auto* grupo = C<QGroupBox>("frmModTexto");
    auto* color = C<QPushButton>("cmdColor");
    EXPECT_EQ(color->parentWidget(), grupo);
    EXPECT_GE(color->geometry().left(), C("cmbFont")->geometry().right());
    EXPECT_LE(color->geometry().right(), grupo->width());
    EXPECT_EQ(C("cmdNegrita")->geometry().topLeft(), QPoint(TwipsAPixeles(60), TwipsAPixeles(75)));
    EXPECT_EQ(C("cmbFont")->geometry().left(), TwipsAPixeles(2340));
    EXPECT_EQ(color->text(), "A");

    Escribir(Titulo(), QStringLiteral("Colores"));
    Escribir(Editor(), QStringLiteral("rojo normal"));
    QTextCursor c = Editor()->textCursor();
    c.setPosition(0);
    c.setPosition(4, QTextCursor::KeepAnchor);
    Editor()->setTextCursor(c);

    // "Cancelar" in the chooser changes nothing.
    Guion().colores.push_back(std::nullopt);
    Clic("cmdColor");
    ASSERT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_EQ(Guion().llamadas[0].tipo, DialogosGuion::Tipo::PedirColor);
    EXPECT_EQ(Guion().llamadas[0].inicial, Editor()->palette().color(QPalette::Text).name());
    EXPECT_TRUE(FormatoDeLaVentana(*Editor()->document()));

    Guion().colores.push_back(QColor(200, 0, 0));
    Clic("cmdColor");
    EXPECT_EQ(ColorBoton(), QColor(200, 0, 0));
    EXPECT_TRUE(Editor()->hasFocus() || !QApplication::activeWindow());
    Clic("btnGuardar");

    // Read back by a fresh window: the colour is stored with the text, and the button follows it.
    w->close();
    Abrir();
    c = Editor()->textCursor();
    c.setPosition(2);
    Editor()->setTextCursor(c);
    EXPECT_EQ(Editor()->textCursor().charFormat().foreground().color(), QColor(200, 0, 0));
    EXPECT_EQ(ColorBoton(), QColor(200, 0, 0));
    c.setPosition(8);
    Editor()->setTextCursor(c);
    EXPECT_EQ(Editor()->textCursor().charFormat().foreground().style(), Qt::NoBrush);
    EXPECT_EQ(ColorBoton(), Editor()->palette().color(QPalette::Text));
    c.setPosition(0);
    c.setPosition(4, QTextCursor::KeepAnchor);
    Editor()->setTextCursor(c);
    Guion().llamadas.clear();
    Guion().colores.push_back(std::nullopt);
    Clic("cmdColor");
    ASSERT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_EQ(Guion().llamadas[0].inicial, "#c80000") << "the chooser starts at the selection's colour";
    EXPECT_EQ(Botones(), "110");
}

// All notes cleared while one is being edited, then a package imported: "Guardar" keeps the edited
// note as a new one and never writes over the note that came in, whichever id that one got.
TEST_F(Notas, BorrarTodasEImportarMientrasSeEditaNoPisaOtraNota) {
    const auto importar = [](const QVariant& id) {
        Campos campos = {{QStringLiteral("Fecha"), QStringLiteral("2020-05-05 10:00:00")},
                         {QStringLiteral("Titulo"), QStringLiteral("Bienvenido a Garvola")},
                         {QStringLiteral("Texto"), kBienvenida}};
        if (id.isValid())
            campos.push_back({QStringLiteral("Id"), id});
        return NotesDb()->Insertar(QStringLiteral("NotasPersonales"), campos);
    };
    Nota(QStringLiteral("2024-01-01 10:00:00"), QStringLiteral("Mía"), QStringLiteral("{\\rtf1 mía}"));
    Abrir();
    Escribir(Editor(), QStringLiteral("sigo "));
    ASSERT_TRUE(BorrarNotas(NotasUsuario::Personales));
    const qint64 importada = importar(QVariant());
    Clic("btnGuardar");
    EXPECT_TRUE(Guion().llamadas.empty());
    ASSERT_TRUE(LeerNota(importada));
    EXPECT_EQ(LeerNota(importada)->titulo, "Bienvenido a Garvola");
    EXPECT_EQ(LeerNota(importada)->texto, kBienvenida);
    EXPECT_EQ(Entradas(), QStringList({kHoy + u"  Mía", "05/05/2020  Bienvenido a Garvola"}));
    EXPECT_EQ(Lista()->currentRow(), 0);
    EXPECT_EQ(Editor()->toPlainText(), u"sigo mía");
    EXPECT_EQ(Estado(), "Guardado.");

    // The note saved anew is the one later saves write.
    const qint64 guardada = Lista()->item(0)->data(Qt::UserRole).toLongLong();
    EXPECT_NE(guardada, importada);
    Escribir(Editor(), QStringLiteral("y "));
    Clic("btnGuardar");
    EXPECT_EQ(ListarNotas(OrdenNotas::Fecha).size(), 2u);
    QTextDocument doc;
    LeerRtf(QStringView(Cuerpo(guardada)), doc);
    EXPECT_EQ(doc.toPlainText(), u"sigo y mía");
    EXPECT_EQ(LeerNota(importada)->texto, kBienvenida);

    // A copy put back whose welcome note has the very id being edited: still not written over.
    Escribir(Editor(), QStringLiteral("otra "));
    ASSERT_TRUE(BorrarNotas(NotasUsuario::Personales));
    importar(guardada);
    Clic("btnGuardar");
    EXPECT_EQ(LeerNota(guardada)->texto, kBienvenida);
    EXPECT_EQ(ListarNotas(OrdenNotas::Fecha).size(), 2u);
    EXPECT_EQ(Editor()->toPlainText(), u"sigo y otra mía");
    EXPECT_NE(Lista()->currentItem()->data(Qt::UserRole).toLongLong(), guardada);
}
