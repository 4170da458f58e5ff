#include "maintenance/frmServicio.h"
#include "maintenance/CopiaSeguridad.h"
#include "shell/AlmacenDatos.h"
#include "shell/Configuracion.h"
#include "shell/Lienzo.h"

#include "soporte/AnfitrionPrueba.h"
#include "soporte/CarpetaPruebas.h"
#include "soporte/DialogosGuion.h"
#include "soporte/ImagenesPrueba.h"
#include "soporte/NombresCrudos.h"
#include "soporte/VentanaPrueba.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

qint64 Cuenta(BaseDatos* bd, const QString& sql) {
    return bd->Consultar(sql).Campo(0).toLongLong();
}

class frmServicioTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 1; i <= 3; ++i) {
            ReferenceDb()->Insertar("NotasMiasPelicula",
                                    {{"IdPelicula", i}, {"IdRevelador", 1}, {"Texto", "p"}});
            ReferenceDb()->Insertar("NotasMiasRevelador",
                                    {{"IdPelicula", i}, {"IdRevelador", 2}, {"Texto", "r"}});
            ReferenceDb()->Insertar("Formulas",
                                    {{"IdFormula", i}, {"Nombre", "F"}, {"MisNotasFormulas", "mia"}});
            NotesDb()->Insertar("NotasPersonales", {{"Titulo", "T"}, {"Texto", "x"}});
        }
    }
    void Abrir() { w_ = anfitrion_.Abrir<frmServicio>(); }
    // Closes the window for good and opens a new one.
    void Reabrir() {
        w_->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Abrir();
    }
    template <class T = QWidget> T* C(const char* nombre) { return Control<T>(w_, nombre); }
    void Pulsar(const char* boton) { QTest::mouseClick(C<QPushButton>(boton), Qt::LeftButton); }
    void Fondo(const QString& nombre, const QColor& color, int ancho = 120, int alto = 60) {
        QDir().mkpath(carpeta_.Archivo("imag"));
        ASSERT_TRUE(ImagenLisa(ancho, alto, color).save(carpeta_.Archivo("imag/" + nombre), "JPG"));
    }
    QListWidget* Lista() { return C<QListWidget>("lstFondos"); }
    QStringList Lineas() {
        QStringList r;
        for (int i = 0; i < Lista()->count(); ++i)
            r << Lista()->item(i)->text();
        return r;
    }
    int Fila() {
        const auto elegidas = Lista()->selectedItems();
        return elegidas.isEmpty() ? -1 : Lista()->row(elegidas.front());
    }
    void Clic(int fila) {
        QListWidget* l = Lista();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(fila)).center());
    }
    QColor CentroPreview() {
        const QImage& b = C<Lienzo>("picPreview")->Buffer();
        return b.pixelColor(b.width() / 2, b.height() / 2);
    }
    const DialogosGuion::Llamada& Ultima() { return Guion().llamadas.back(); }

    CarpetaPruebas carpeta_;
    AnfitrionPrueba anfitrion_;
    frmServicio* w_ = nullptr;
};

TEST_F(frmServicioTest, BotonesDeBorradoConTextosDistintos) {
    Abrir();
    EXPECT_EQ(w_->windowTitle(), "Utilidades de servicio");
    QStringList textos;
    for (const char* b : {"Command1", "cmdBorrarMisNotasReveladores", "cmdBorrarNotasFormulas",
                          "cmdBorrarNotasPersonales", "cmdCopiaRespaldoBBDD"})
        textos << C<QPushButton>(b)->text();
    textos.removeDuplicates();
    EXPECT_EQ(textos.size(), 5);
    EXPECT_EQ(C<QPushButton>("Command1")->text(), "Borrar todas mis notas en Películas");
    ASSERT_EQ(anfitrion_.centradas.size(), 1u);
    EXPECT_EQ(anfitrion_.centradas[0], w_);
}

TEST_F(frmServicioTest, CadaBorradoPreguntaYBorraSoloLoSuyo) {
    Abrir();
    Guion().respuestas = {Respuesta::No};
    Pulsar("Command1");
    ASSERT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_EQ(Guion().llamadas[0].titulo, "Borrar notas");
    EXPECT_EQ(Guion().llamadas[0].texto,
              "Se borrarán todas las notas de Mis notas en Películas.\n¿Continuar?");
    EXPECT_EQ(Guion().llamadas[0].icono, Icono::Pregunta);
    EXPECT_EQ(Cuenta(ReferenceDb(), "SELECT count(*) FROM NotasMiasPelicula"), 3);

    Guion().respuestas = {Respuesta::Si};
    Pulsar("Command1");
    EXPECT_EQ(Ultima().texto, "Notas de Películas borradas.");
    EXPECT_EQ(Ultima().icono, Icono::Informacion);
    EXPECT_EQ(Cuenta(ReferenceDb(), "SELECT count(*) FROM NotasMiasPelicula"), 0);
    EXPECT_EQ(Cuenta(ReferenceDb(), "SELECT count(*) FROM NotasMiasRevelador"), 3);

    Guion().respuestas = {Respuesta::Si};
    Pulsar("cmdBorrarMisNotasReveladores");
    EXPECT_EQ(Ultima().texto, "Notas de Reveladores borradas.");
    EXPECT_EQ(Cuenta(ReferenceDb(), "SELECT count(*) FROM NotasMiasRevelador"), 0);

    Guion().respuestas = {Respuesta::Si};
    Pulsar("cmdBorrarNotasFormulas");
    EXPECT_EQ(Ultima().texto, "Notas de Fórmulas borradas.");
    EXPECT_EQ(Cuenta(ReferenceDb(), "SELECT count(*) FROM Formulas WHERE MisNotasFormulas IS NULL"), 3);
    EXPECT_EQ(Cuenta(NotesDb(), "SELECT count(*) FROM NotasPersonales"), 3);

    Guion().respuestas = {Respuesta::Si};
    Pulsar("cmdBorrarNotasPersonales");
    EXPECT_EQ(Ultima().texto, "Notas personales borradas.");
    EXPECT_EQ(Cuenta(NotesDb(), "SELECT count(*) FROM NotasPersonales"), 0);
    EXPECT_EQ(Cuenta(ReferenceDb(), "SELECT count(*) FROM Formulas"), 3);
}

TEST_F(frmServicioTest, UnBorradoQueFallaLoDiceEnVezDeConfirmar) {
    Abrir();
    ReferenceDb()->Ejecutar("DROP TABLE NotasMiasRevelador");
    Guion().respuestas = {Respuesta::Si};
    Pulsar("cmdBorrarMisNotasReveladores");
    ASSERT_EQ(Guion().llamadas.size(), 2u);
    EXPECT_TRUE(Ultima().texto.startsWith("No se pudieron borrar las notas: "))
        << Ultima().texto.toStdString();
    EXPECT_TRUE(Ultima().texto.contains("NotasMiasRevelador"));
    EXPECT_EQ(Ultima().titulo, "Borrar notas");

    CerrarBasesDatos();
    Guion().respuestas = {Respuesta::Si};
    Pulsar("cmdBorrarNotasPersonales");
    EXPECT_TRUE(Ultima().texto.startsWith("No se pudieron borrar las notas: "));
    AbrirBasesDatos();
    EXPECT_EQ(Cuenta(NotesDb(), "SELECT count(*) FROM NotasPersonales"), 3);
}

TEST_F(frmServicioTest, ListaDeFondosConTamanoYElActualMarcadoSinAplicarlo) {
    Fondo("tz_fnd_02.jpg", Qt::blue, 160, 90);
    Fondo("tz_fnd_01.jpg", Qt::red);
    carpeta_.Escribir("imag/tz_fnd_03.jpg", "no es un jpeg");
    Fondo("otro.jpg", Qt::green);
    GuardarCfg("Fondo", "tz_fnd_02.jpg");
    Abrir();
    EXPECT_EQ(Lineas(),
              QStringList({"tz_fnd_01.jpg                 120 x 60", "tz_fnd_02.jpg                 160 x 90",
                           "tz_fnd_03.jpg                 ?"}));
    EXPECT_EQ(Lista()->item(2)->data(Qt::UserRole).toInt(), 3);
    EXPECT_EQ(Fila(), 1);
    EXPECT_TRUE(anfitrion_.fondos.isEmpty());
    const QColor c = CentroPreview();
    EXPECT_LT(c.red(), 40);
    EXPECT_GT(c.blue(), 200);
}

TEST_F(frmServicioTest, UnFondoCuyoNombreNoEsUtf8SeListaConSuTamano) {
    const BorradoCrudo borrado(carpeta_.Ruta());
    Fondo("tz_fnd_01.jpg", Qt::red);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(ImagenLisa(200, 100, Qt::blue).save(&buffer, "JPG"));
    ASSERT_TRUE(
        CrearArchivoCrudo(QFile::encodeName(carpeta_.Archivo("imag")) + "/tz_fnd_\xe9t\xe9.jpg", jpeg));
    Abrir();
    EXPECT_EQ(Lineas(),
              QStringList({"tz_fnd_01.jpg                 120 x 60",
                           QStringLiteral("tz_fnd_\uFFFDt\uFFFD.jpg").leftJustified(30) + "200 x 100"}));
}

TEST_F(frmServicioTest, SinFondosOFondoConOtrasMayusculasNadaQuedaMarcado) {
    Abrir();
    EXPECT_EQ(Lista()->count(), 0);
    Fondo("tz_fnd_01.jpg", Qt::red);
    GuardarCfg("Fondo", "TZ_fnd_01.jpg");
    Reabrir();
    EXPECT_EQ(Lista()->count(), 1);
    EXPECT_EQ(Fila(), -1);
    EXPECT_EQ(CentroPreview(), C<Lienzo>("picPreview")->Fondo());
}

TEST_F(frmServicioTest, ElegirUnFondoLoAplicaYLoGuarda) {
    Fondo("tz_fnd_01.jpg", Qt::red);
    Fondo("tz_fnd_02.jpg", Qt::blue);
    GuardarCfg("Fondo", "tz_fnd_01.jpg");
    Abrir();
    Clic(1);
    EXPECT_EQ(anfitrion_.fondos, QStringList({"tz_fnd_02.jpg"}));
    EXPECT_EQ(LeerCfg("Fondo"), "tz_fnd_02.jpg");
    EXPECT_GT(CentroPreview().blue(), 200);
    // With the keyboard as well.
    QTest::keyClick(Lista(), Qt::Key_Up);
    EXPECT_EQ(anfitrion_.fondos, QStringList({"tz_fnd_02.jpg", "tz_fnd_01.jpg"}));
    EXPECT_TRUE(Guion().llamadas.empty());
}

TEST_F(frmServicioTest, UnFondoBorradoSeGuardaPeroNoSeAplica) {
    Fondo("tz_fnd_01.jpg", Qt::red);
    Abrir();
    QFile::remove(carpeta_.Archivo("imag/tz_fnd_01.jpg"));
    Clic(0);
    EXPECT_TRUE(anfitrion_.fondos.isEmpty());
    EXPECT_EQ(LeerCfg("Fondo"), "tz_fnd_01.jpg");
}

TEST_F(frmServicioTest, NombreLargoSeAplicaEntero) {
    const QString largo = "tz_fnd_atardecer_en_el_laboratorio.jpg";
    Fondo(largo, Qt::red);
    Abrir();
    EXPECT_EQ(Lineas(), QStringList({largo.left(30) + "120 x 60"}));
    Clic(0);
    EXPECT_EQ(anfitrion_.fondos, QStringList({largo}));
    EXPECT_EQ(LeerCfg("Fondo"), largo);
    // Chosen again at the next opening.
    Reabrir();
    EXPECT_EQ(Fila(), 0);
}

TEST_F(frmServicioTest, NombreQueElArchivoDeAjustesNoAdmiteNoSeUsa) {
    Fondo("tz_fnd_01.jpg", Qt::red);
    Fondo("tz_fnd_Ωmega.jpg", Qt::blue);
    GuardarCfg("Fondo", "tz_fnd_01.jpg");
    Abrir();
    ASSERT_EQ(Lista()->count(), 2);
    Clic(1);
    ASSERT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_TRUE(Guion().llamadas[0].texto.contains("tz_fnd_Ωmega.jpg"));
    EXPECT_TRUE(anfitrion_.fondos.isEmpty());
    EXPECT_EQ(LeerCfg("Fondo"), "tz_fnd_01.jpg");
    EXPECT_EQ(Fila(), 0);
    EXPECT_GT(CentroPreview().red(), 200);
}

TEST_F(frmServicioTest, CopiaDesdeLaVentanaYLaVentanaSigueLeyendo) {
    Abrir();
    Guion().respuestas = {Respuesta::Si};
    Pulsar("cmdCopiaRespaldoBBDD");
    ASSERT_EQ(Guion().llamadas.size(), 2u);
    EXPECT_EQ(Guion().llamadas[0].titulo, "Copia de seguridad");
    EXPECT_EQ(Guion().llamadas[0].icono, Icono::Exclamacion);
    EXPECT_TRUE(Ultima().texto.endsWith("\n\ntz.mdb: OK\nnotasp.mdb: OK")) << Ultima().texto.toStdString();
    EXPECT_EQ(Ultima().icono, Icono::Informacion);
    const QStringList carpetas =
        QDir(carpeta_.Archivo("respaldo_de_datos")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(carpetas.size(), 1);
    EXPECT_TRUE(Ultima().texto.contains(carpetas[0]));
    // The handles were reopened: the window still reaches the data.
    Guion().respuestas = {Respuesta::Si};
    Pulsar("cmdBorrarNotasPersonales");
    EXPECT_EQ(Ultima().texto, "Notas personales borradas.");
    EXPECT_EQ(Cuenta(NotesDb(), "SELECT count(*) FROM NotasPersonales"), 0);
}

class HacerCopiaSeguridadTest : public frmServicioTest {
protected:
    const QDateTime momento_{QDate(2024, 3, 7), QTime(9, 5, 2)};
    std::function<QDateTime()> Reloj() const {
        return [this] { return momento_; };
    }
};

TEST_F(HacerCopiaSeguridadTest, PreguntaYAvisoExactos) {
    Guion().respuestas = {Respuesta::No};
    HacerCopiaSeguridad(Reloj());
    ASSERT_EQ(Guion().llamadas.size(), 1u);
    EXPECT_EQ(Guion().llamadas[0].texto,
              "AVISO: asegúrese de haber guardado cualquier dato que esté editando antes de continuar.\n\n"
              "Se cerrarán las bases de datos, se copiarán y se compactarán las copias.\n¿Desea continuar?");
    EXPECT_FALSE(QFileInfo::exists(carpeta_.Archivo("respaldo_de_datos")));

    Guion().respuestas = {Respuesta::Si};
    HacerCopiaSeguridad(Reloj());
    const QString b = QDir::toNativeSeparators(carpeta_.Archivo("respaldo_de_datos/240307 090502/"));
    EXPECT_EQ(Ultima().texto, "Copia realizada en:\n" + b + "\n\ntz.mdb: OK\nnotasp.mdb: OK");
    EXPECT_TRUE(QFileInfo(b + "tz.mdb").isFile());
}

// The folder takes the time the copy starts, after the user answered, not the time of the click.
TEST_F(HacerCopiaSeguridadTest, LaCarpetaTomaLaHoraDeLaRespuesta) {
    std::vector<size_t> preguntasAlLeer;
    QDateTime ahora = momento_;
    const auto reloj = [&] {
        preguntasAlLeer.push_back(Guion().llamadas.size());
        return ahora;
    };
    Guion().respuestas = {Respuesta::No};
    HacerCopiaSeguridad(reloj);
    EXPECT_TRUE(preguntasAlLeer.empty());

    Guion().llamadas.clear();
    Guion().respuestas = {Respuesta::Si};
    ahora = momento_.addSecs(75); // the user thought it over
    HacerCopiaSeguridad(reloj);
    ASSERT_EQ(preguntasAlLeer, std::vector<size_t>{1});
    EXPECT_TRUE(QFileInfo(carpeta_.Archivo("respaldo_de_datos/240307 090617/tz.mdb")).isFile());
    EXPECT_FALSE(QFileInfo::exists(carpeta_.Archivo("respaldo_de_datos/240307 090502")));
}

TEST_F(HacerCopiaSeguridadTest, CarpetaQueNoSePuedeCrear) {
    carpeta_.Escribir("respaldo_de_datos", "un archivo, no una carpeta");
    Guion().respuestas = {Respuesta::Si};
    HacerCopiaSeguridad(Reloj());
    ASSERT_EQ(Guion().llamadas.size(), 2u);
    EXPECT_TRUE(Ultima().texto.startsWith("No se pudo crear la carpeta:\n"));
    EXPECT_EQ(Ultima().icono, Icono::Exclamacion);
    EXPECT_NE(ReferenceDb(), nullptr);
    EXPECT_NE(NotesDb(), nullptr);
}

TEST_F(HacerCopiaSeguridadTest, LaReaperturaFallidaSeDiceEnseguida) {
    CerrarBasesDatos();
    carpeta_.Escribir("notasp.mdb", QByteArray(4096, '\x01'));
    Guion().respuestas = {Respuesta::Si};
    HacerCopiaSeguridad(Reloj());
    ASSERT_EQ(Guion().llamadas.size(), 3u);
    EXPECT_TRUE(
        Guion().llamadas[1].texto.startsWith("No se pudo volver a abrir la base de datos notasp.mdb:\n"))
        << Guion().llamadas[1].texto.toStdString();
    EXPECT_EQ(Guion().llamadas[1].icono, Icono::Critico);
    EXPECT_TRUE(Ultima().texto.endsWith("tz.mdb: OK\nnotasp.mdb: ERROR"));
    EXPECT_EQ(Ultima().icono, Icono::Exclamacion);
    EXPECT_NE(ReferenceDb(), nullptr);
    EXPECT_EQ(NotesDb(), nullptr);
}

} // namespace
